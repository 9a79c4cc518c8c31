// Replays the fuzz corpus: every malformed file is either read into a sound
// task or refused with a message, never a crash (memory errors show in the
// sanitizer build).
#include "tests/projectfile/fuzz/WlasnosciOdczytu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

TEST(KorpusFuzz, EveryFileIsReadSoundlyOrRefusedWithAMessage)
{
    size_t plikow = 0;
    for (const auto& wpis : std::filesystem::directory_iterator(QUARVI_KORPUS)) {
        std::ifstream plik(wpis.path(), std::ios::binary);
        const std::string bajty{std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
        EXPECT_EQ(SprawdzOdczyt(bajty), "") << wpis.path().filename();
        ++plikow;
    }
    EXPECT_GE(plikow, 40u) << "the corpus is missing";
}
