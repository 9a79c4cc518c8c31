#pragma once
// Texts of the task (group and combination names, stroke-font labels) are
// 8-bit code page 1250; the rest of the program speaks UTF-8.
#include <string>
#include <string_view>

// Unknown or unmappable characters become '?'.
std::string Utf8NaCp1250(std::string_view utf8);
// Bytes without a character in the code page become U+FFFD.
std::string Cp1250NaUtf8(std::string_view cp1250);
