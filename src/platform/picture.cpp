#include "platform/picture.h"

#include <QImageReader>

namespace platform {

namespace {
PictureResult tooLarge(QSize size)
{
    return {{},
            QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height())};
}
}  // namespace

PictureResult loadPicture(const QString& fileName)
{
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {{}, QStringLiteral("it is not a picture in a known format")};

    // Icons and cursors hold several sizes: take the largest, in full colour.
    const QString format = QString::fromLatin1(reader.format());
    if ((format == u"ico" || format == u"cur") && reader.imageCount() > 1) {
        int best = 0;
        qint64 bestArea = -1;
        for (int i = 0; i < reader.imageCount(); ++i) {
            if (!reader.jumpToImage(i))
                break;
            const QSize s = reader.size();
            if (qint64(s.width()) * s.height() > bestArea) {
                bestArea = qint64(s.width()) * s.height();
                best = i;
            }
        }
        reader.jumpToImage(best);
    }

    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels)
        return tooLarge(size);

    QImage image = reader.read();
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
