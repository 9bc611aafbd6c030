#pragma once

#include <QString>

namespace platform {

// Removes leading and trailing spaces (character 32) only: tabs and other
// blanks are text like any other.
inline QString Trim(const QString& s)
{
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s[first] == u' ')
        ++first;
    while (last > first && s[last - 1] == u' ')
        --last;
    return (first == 0 && last == s.size()) ? s : s.mid(first, last - first);
}

// The simple upper-case mapping of one character (one character to one).
inline char32_t upperCaseOf(char32_t c)
{
    const char32_t upper = QChar::toUpper(c);
    if (upper != c)
        return upper;
    // Qt's tables hold one upper-case mapping a character, and where the
    // full mapping is several characters ("ᾳ" to "ΑΙ") they give the character
    // back unchanged. The simple mapping of such a character, where it has one
    // ("ᾳ" to "ᾼ", the Greek small letters with ypogegrammeni), is its
    // title-case mapping, which Qt does keep.
    if (const char32_t title = QChar::toTitleCase(c);
        title != c && QString::fromUcs4(&c, 1).toUpper().size() > (QChar::requiresSurrogates(c) ? 2 : 1))
        return title;
    return c;
}

// Upper-cases character by character, one to one: a text keeps its length
// and its first four characters stay the first four ("ß" stays "ß" rather
// than becoming "SS", the ligature "ﬁ" stays one character).
inline QString UCase(const QString& s)
{
    QString out = s;
    char16_t* p = reinterpret_cast<char16_t*>(out.data());
    const qsizetype n = out.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (QChar::isHighSurrogate(p[i]) && i + 1 < n && QChar::isLowSurrogate(p[i + 1])) {
            const char32_t upper = upperCaseOf(QChar::surrogateToUcs4(p[i], p[i + 1]));
            if (QChar::requiresSurrogates(upper))
                p[i] = QChar::highSurrogate(upper), p[i + 1] = QChar::lowSurrogate(upper);
            ++i;
        } else if (const char32_t upper = upperCaseOf(p[i]); !QChar::requiresSurrogates(upper)) {
            p[i] = char16_t(upper);
        }
    }
    return out;
}

}  // namespace platform
