// Fuzz target: the picture loading path, with every image reader installed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QBuffer>
#include <QGuiApplication>

#include "platform/picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const platform::PictureResult r = platform::loadPicture(&buffer);
    // Either a picture within the limit or a reason, never both or neither.
    if (r.image.isNull() == r.error.isEmpty())
        std::abort();
    if (!r.image.isNull() && qint64(r.image.width()) * r.image.height() > platform::kMaxPicturePixels)
        std::abort();
    return 0;
}
