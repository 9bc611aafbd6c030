#include "platform/text_file.h"

#include <cstring>
#include <utility>

#include <QFile>

#include "platform/files.h"

namespace platform {

namespace {

enum class Encoding { Ascii, Utf8, Latin1 };

// How to read the bytes: as ASCII, as UTF-8 when they are well-formed as RFC
// 3629 defines it (no overlong forms, no surrogates, nothing above U+10FFFF),
// or else as Latin-1. Runs of ASCII take a fast path: Qt's error-reporting
// decoder is several times slower on a long file.

Encoding detect(const QByteArray& bytes)
{
    bool ascii = true;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* const end = p + bytes.size();
    while (p < end) {
        while (end - p >= 8) {
            quint64 chunk;
            std::memcpy(&chunk, p, 8);
            if (chunk & 0x8080808080808080ull)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        ascii = false;
        int length;
        unsigned char low = 0x80, high = 0xbf;  // bounds of the second byte
        if (c >= 0xc2 && c <= 0xdf) {
            length = 2;
        } else if (c >= 0xe0 && c <= 0xef) {
            length = 3;
            if (c == 0xe0)
                low = 0xa0;
            else if (c == 0xed)
                high = 0x9f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            length = 4;
            if (c == 0xf0)
                low = 0x90;
            else if (c == 0xf4)
                high = 0x8f;
        } else {
            return Encoding::Latin1;
        }
        if (end - p < length || p[1] < low || p[1] > high)
            return Encoding::Latin1;
        for (int k = 2; k < length; ++k)
            if (p[k] < 0x80 || p[k] > 0xbf)
                return Encoding::Latin1;
        p += length;
    }
    return ascii ? Encoding::Ascii : Encoding::Utf8;
}

// Copies the lines of [p, end) into one exactly sized string, each followed
// by CR LF. Char is unsigned char (ASCII and Latin-1 map one to one onto the
// first 256 code points) or char16_t; fresh memory is what a long file costs
// most, so nothing is allocated twice.
template <class Char>
QString joinLines(const Char* p, const Char* const end)
{
    qsizetype grow = 0;  // a lone CR or LF grows by one, an unended last line by two
    for (const Char* q = p; q < end; ++q) {
        if (*q == '\n')
            grow += (q == p || q[-1] != '\r');
        else if (*q == '\r')
            grow += (q + 1 == end || q[1] != '\n');
    }
    if (p < end && end[-1] != '\n' && end[-1] != '\r')
        grow += 2;
    QString out((end - p) + grow, Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    while (p < end) {
        for (; p < end && *p != '\n' && *p != '\r'; ++p)
            *o++ = *p == 0 ? u'\u2400' : char16_t(*p);
        *o++ = u'\r';
        *o++ = u'\n';
        if (p < end)
            p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
    }
    Q_ASSERT(o == reinterpret_cast<char16_t*>(out.data()) + out.size());
    return out;
}

}  // namespace

QString linesWithCrLf(const QByteArray& bytes)
{
    if (detect(bytes) == Encoding::Utf8) {
        const QString text = QString::fromUtf8(bytes);
        const auto* p = reinterpret_cast<const char16_t*>(text.constData());
        return joinLines(p, p + text.size());
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    return joinLines(p, p + bytes.size());
}

TextFileResult readTextLines(const QString& fileName)
{
    QFile file;
    if (QString error = openRegularFile(fileName, file); !error.isEmpty())
        return {{}, std::move(error)};
    if (file.size() > kMaxTextFileBytes)
        return {{}, QStringLiteral("it is larger than %1 MiB").arg(kMaxTextFileBytes / (1024 * 1024))};
    // Read at most one byte past the limit, in case the file grows meanwhile.
    const QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, QStringLiteral("it cannot be read: %1").arg(file.errorString())};
    if (bytes.size() > kMaxTextFileBytes)
        return {{}, QStringLiteral("it is larger than %1 MiB").arg(kMaxTextFileBytes / (1024 * 1024))};
    return {linesWithCrLf(bytes), {}};
}

}  // namespace platform
