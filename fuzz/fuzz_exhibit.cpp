// Fuzz target: the exhibit reader's decoding and line splitting.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = platform::linesWithCrLf(bytes);
    // Every line ends with CR LF and no other CR or LF is left.
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\r\n")))
        std::abort();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))
            std::abort();
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            std::abort();
        if (text[i] == u'\0')
            std::abort();
    }
    return 0;
}
