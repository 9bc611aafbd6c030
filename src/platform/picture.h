#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace platform {

// A picture read from a file, or why it could not be read.
struct PictureResult {
    QImage image;
    QString error;  // empty on success
};

// Pictures larger than this many pixels are refused before any memory is
// allocated for them (a tiny file can declare a huge picture).
inline constexpr qint64 kMaxPicturePixels = qint64(8192) * 8192;

// Reads a picture in any format Qt's image readers offer. Multi-image files
// give their largest image in the most colours (icons and cursors) or their
// first frame (GIF).
PictureResult loadPicture(const QString& fileName);
PictureResult loadPicture(QIODevice* device);

}  // namespace platform
