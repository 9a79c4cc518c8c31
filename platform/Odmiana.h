#pragma once
// Polish messages count things in three forms.
#include <cstdint>
#include <string>

// The count and its noun: 1 przęsło, 2 przęsła, 5 przęseł, 22 przęsła, 12 przęseł.
inline std::string Ile(int32_t n, const char* jeden, const char* kilka, const char* wiele)
{
    const int64_t a = n < 0 ? -int64_t(n) : n;
    const char* forma = wiele;
    if (a == 1 && n > 0)
        forma = jeden;
    else if (n > 0 && a % 10 >= 2 && a % 10 <= 4 && (a % 100 < 12 || a % 100 > 14))
        forma = kilka;
    return std::to_string(n) + " " + forma;
}
