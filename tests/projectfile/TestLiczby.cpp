#include "projectfile/Liczby.h"
#include "platform/TekstyLiczb.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Each good text reads as its value; each bad one is refused and leaves the target alone.
template <class T>
void Czyta(bool (*czytaj)(std::string_view, T&), std::initializer_list<std::pair<const char*, T>> dobre,
           std::initializer_list<const char*> zle)
{
    for (const auto& [tekst, oczekiwana] : dobre) {
        T v = 99;
        EXPECT_TRUE(czytaj(tekst, v) && v == oczekiwana) << tekst << " read as " << v;
    }
    for (const char* tekst : zle) {
        T v = 99;
        EXPECT_TRUE(!czytaj(tekst, v) && v == T(99)) << tekst << " read as " << v;
    }
}

} // namespace

TEST(TekstLiczby, WritesFifteenSignificantDigitsFixedOrScientificAccordingToTheRoundedValue)
{
    for (const auto& [v, tekst] :
         std::initializer_list<std::pair<double, const char*>>{{0.3f, "0,300000011920929"},
                                                               {4.5, "4,5"},
                                                               {0.1 + 0.2, "0,3"},
                                                               {2.0 / 3.0, "0,666666666666667"},
                                                               {-0.0, "0"},
                                                               {205000000.0f, "205000000"},
                                                               {1.5e20, "1,5E20"},
                                                               {-2.5e-7, "-2,5E-7"},
                                                               {1e-5, "0,00001"},
                                                               {9.99999e-6, "9,99999E-6"},
                                                               {999999999999999.0, "999999999999999"},
                                                               {1e15, "1E15"},
                                                               {std::nextafter(1e-5, 0.0), "0,00001"},
                                                               {999999999999999.9, "1E15"}, // rounding crosses a bound
                                                               {123456789012345678.0, "1,23456789012346E17"},
                                                               {DBL_MAX, "1,79769313486232E308"}})
        EXPECT_EQ(TekstLiczby(v, ','), tekst);
    EXPECT_EQ(TekstLiczby(-4.5, '.'), "-4.5");
}

TEST(CzytajLiczby, AcceptSignedDecimalsWithACommaOrAPointRefuseEverythingElseAndGiveBackEveryWrittenFloat)
{
    Czyta<int32_t>(CzytajCalkowita, {{"-1", -1}, {" 42 ", 42}, {"+7", 7}, {"2147483647", 2147483647}},
                   {"", "-", "1.0", "1e3", "0x10", "$10", "2147483648", "--1", "+-1", "1 2", "12abc"});
    Czyta<double>(CzytajRzeczywista,
                  {{"4,5", 4.5},
                   {"4.5", 4.5},
                   {"-0,25", -0.25},
                   {",5", 0.5},
                   {"5,", 5.0},
                   {"1,5e20", 1.5e20},
                   {" 3 ", 3.0},
                   {"0E-400", 0.0},
                   {"-1,79769313486232E308", -DBL_MAX}},
                  {"nan", "-INF", "infinity", "1,5.2", "1 000", "1.000,5", "12abc", "", "-", ",", "E5", "1E+", "0x1p3",
                   "1e400", "4,5 m", "1,79769313486233E308", "1E-400",
                   "-2E-320"}); // the last two turned into 0 or a subnormal
    // Beyond float although a fine double; turned into 0 or a subnormal.
    Czyta<float>(CzytajRzeczywista, {{"-4,5", -4.5f}, {"0,000", 0.0f}, {"1,2E-38", 1.2e-38f}},
                 {"1E39", "3,5E38", "1e-300", "1E-45", "-1,1E-38", "0,0000000000000000000000000000000000000001"});

    // Widened floats printed with 15 digits carry more than the 9 a float needs.
    for (uint32_t bity = 0; bity < 0x7F800000u; bity += 0x1001u)
        for (const uint32_t b : {bity, bity | 0x80000000u}) {
            float f, z = 0;
            std::memcpy(&f, &b, sizeof f);
            // A subnormal would lose digits: refused.
            const bool podnormalna = std::fpclassify(f) == FP_SUBNORMAL;
            ASSERT_TRUE(CzytajRzeczywista(TekstLiczby(f, ','), z) ? z == f && !podnormalna : podnormalna)
                << TekstLiczby(f, ',');
        }
    float f = 0;
    EXPECT_TRUE(CzytajRzeczywista(TekstLiczby(FLT_MAX, '.'), f) && f == FLT_MAX) << TekstLiczby(FLT_MAX, '.');
}

TEST(Kolory, WritesTheTwentyNamesOrHexAndReadsNamesSystemColoursHexAndDecimals)
{
    for (const auto& [kolor, tekst] : {std::pair(0x000000, "clBlack"),
                                       {0x0000FF, "clRed"},
                                       {0xF0FBFF, "clCream"},
                                       {0xA4A0A0, "clMedGray"},
                                       {0xFF8000, "$00FF8000"},
                                       {0xFE, "$000000FE"}})
        EXPECT_EQ(TekstKoloru(kolor), tekst);
    Czyta<int32_t>(CzytajKolor,
                   {{"clRed", 0x0000FF},
                    {"clmoneygreen", 0xC0DCC0},
                    {"$00FF8000", 0xFF8000},
                    {"$ff8000", 0xFF8000},
                    {"16744448", 0xFF8000},
                    {"clBtnFace", 0xF0F0F0},
                    {"clWindow", 0xFFFFFF},
                    {"clLtGray", 0xC0C0C0},
                    {"$FF00000F", 0xF0F0F0},
                    {"-16777201", 0xF0F0F0}},
                   {"clFoo", "", "$", "$123456789", "$GG", "Red", "0x00FF00", "1,5"});
}
