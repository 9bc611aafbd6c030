#include "platform/picture.h"

#include <utility>

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

    truncationWarning.clear();
    previousHandler = qInstallMessageHandler(watchDecoder);
    QImage image = reader.read();
    qInstallMessageHandler(previousHandler);
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
