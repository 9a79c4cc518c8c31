#pragma once
// The program's own texts are UTF-8 std::strings and literals; Qt's are QString.
#include <QString>

#include <string_view>

inline QString ZUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
