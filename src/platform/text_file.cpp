#include "platform/text_file.h"

#include <QFile>
#include <QStringDecoder>

namespace platform {

namespace {
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}
}  // namespace

QString linesWithCrLf(const QByteArray& bytes)
{
    QString text = decode(bytes);
    text.replace(QChar(u'\0'), QChar(0x2400));
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        qsizetype end = i;
        while (end < n && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        out += QStringView(text).mid(i, end - i);
        out += u"\r\n";
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        i = end + 1;
    }
    return out;
}

TextFileResult readTextLines(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("it cannot be opened: %1").arg(file.errorString())};
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
