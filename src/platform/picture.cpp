#include "platform/picture.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>

#include "platform/files.h"

namespace platform {

namespace {

// A truncated JPEG still decodes, grey below the cut, and the decoder says so
// only through a log warning; catch that so a damaged file is reported rather
// than shown half-drawn.
QString truncationWarning;
QtMessageHandler previousHandler = nullptr;

void watchDecoder(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool decoder =
        context.category && QLatin1String(context.category).startsWith(QLatin1String("qt.gui.imageio"));
    if (decoder && message.contains(QLatin1String("premature end"), Qt::CaseInsensitive)) {
        truncationWarning = message;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

PictureResult tooLarge(QSize size)
{
    return {{},
            QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height())};
}

// Listens to the decoder while it lives.
class DecoderWatch {
public:
    DecoderWatch() { previousHandler = qInstallMessageHandler(watchDecoder); }
    ~DecoderWatch() { qInstallMessageHandler(previousHandler); }
    DecoderWatch(const DecoderWatch&) = delete;
    DecoderWatch& operator=(const DecoderWatch&) = delete;
};

// How many colours a picture shows, each transparency counted apart.
qsizetype colourCount(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> pixels;
    pixels.reserve(std::size_t(argb.width()) * std::size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        pixels.insert(pixels.end(), line, line + argb.width());
    }
    std::sort(pixels.begin(), pixels.end());
    return std::unique(pixels.begin(), pixels.end()) - pixels.begin();
}

// Of the images in an icon or cursor file, the largest, and of those the one
// in the most colours. Qt decodes each of them to 32 bits, and the depth it
// reports comes from the file's directory, which old icons leave at 0 and
// cursors fill with the hot spot, so the colours are counted.
int fullestImage(QImageReader& reader)
{
    std::vector<int> largest;
    qint64 largestArea = -1;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        const qint64 area = qint64(reader.size().width()) * reader.size().height();
        if (area > largestArea)
            largestArea = area, largest.clear();
        if (area == largestArea)
            largest.push_back(i);
    }
    if (largest.empty())
        return 0;
    int best = largest.front();
    if (largest.size() > 1 && largestArea <= kMaxPicturePixels) {
        qsizetype most = -1;
        for (int i : largest)
            if (const qsizetype n = reader.jumpToImage(i) ? colourCount(reader.read()) : 0; n > most)
                most = n, best = i;
    }
    return best;
}

}  // namespace

PictureResult loadPicture(const QString& fileName)
{
    QFile file;
    if (QString error = openRegularFile(fileName, file); !error.isEmpty())
        return {{}, std::move(error)};
    return loadPicture(&file);
}

PictureResult loadPicture(QIODevice* device)
{
    QImageReader reader(device);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {{}, QStringLiteral("it is not a picture in a known format")};

    const DecoderWatch watch;
    // Icons and cursors hold several images: the large size in full colour.
    const QString format = QString::fromLatin1(reader.format());
    if ((format == u"ico" || format == u"cur") && reader.imageCount() > 1)
        reader.jumpToImage(fullestImage(reader));

    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return tooLarge(size);

    truncationWarning.clear();
    QImage image = reader.read();
    if (!truncationWarning.isEmpty())
        return {{}, QStringLiteral("the picture data is incomplete (%1)").arg(truncationWarning.trimmed())};
    if (image.isNull()) {
        QString why = reader.errorString();
        if (why.isEmpty())
            why = QStringLiteral("the picture data is damaged");
        return {{}, QStringLiteral("the picture cannot be read: %1").arg(why)};
    }
    if (qint64(image.width()) * image.height() > kMaxPicturePixels)
        return tooLarge(image.size());
    return {std::move(image), {}};
}

}  // namespace platform
