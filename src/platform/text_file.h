#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The largest text file the program opens; larger ones are refused with a
// message instead of tying the program up.
inline constexpr qint64 kMaxTextFileBytes = qint64(64) * 1024 * 1024;

struct TextFileResult {
    QString text;
    QString error;  // empty on success
};

// The file's lines, each followed by CR LF (an empty file gives an empty
// text). Lines end at LF, CR LF or CR. The bytes are read as UTF-8, or as
// Latin-1 when they are not valid UTF-8; a NUL byte shows as the symbol for
// null rather than cutting the text short.
QString linesWithCrLf(const QByteArray& bytes);

// Reads a whole text file as linesWithCrLf does.
TextFileResult readTextLines(const QString& fileName);

}  // namespace platform
