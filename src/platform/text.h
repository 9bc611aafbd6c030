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

inline QString UCase(const QString& s)
{
    return s.toUpper();
}

}  // namespace platform
