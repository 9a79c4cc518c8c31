// libFuzzer target: the reader on arbitrary bytes.
#include "tests/projectfile/fuzz/WlasnosciOdczytu.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, size_t rozmiar)
{
    const std::string blad = SprawdzOdczyt(std::string_view(reinterpret_cast<const char*>(dane), rozmiar));
    if (!blad.empty()) {
        std::fprintf(stderr, "%s\n", blad.c_str());
        std::abort();
    }
    return 0;
}
