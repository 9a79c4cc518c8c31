#include "projectfile/Liczby.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

TEST(TekstLiczby, WritesFifteenSignificantDigitsOfTheWidenedValue)
{
    EXPECT_EQ(TekstLiczby(0.3f, ','), "0,300000011920929"); // the float nearest 0.3, widened exactly
    EXPECT_EQ(TekstLiczby(4.0, ','), "4");
    EXPECT_EQ(TekstLiczby(4.5, ','), "4,5");
    EXPECT_EQ(TekstLiczby(-4.5, '.'), "-4.5");
    EXPECT_EQ(TekstLiczby(0.1 + 0.2, ','), "0,3");
    EXPECT_EQ(TekstLiczby(2.0 / 3.0, ','), "0,666666666666667");
    EXPECT_EQ(TekstLiczby(0.0, ','), "0");
    EXPECT_EQ(TekstLiczby(-0.0, ','), "0");
    EXPECT_EQ(TekstLiczby(205000000.0f, ','), "205000000");
}

TEST(TekstLiczby, SwitchesToScientificNotationOutsideTheFixedRangeAfterRounding)
{
    EXPECT_EQ(TekstLiczby(1e-6, ','), "1E-6");
    EXPECT_EQ(TekstLiczby(1.5e20, ','), "1,5E20");
    EXPECT_EQ(TekstLiczby(-2.5e-7, ','), "-2,5E-7");
    EXPECT_EQ(TekstLiczby(1e-5, ','), "0,00001");
    EXPECT_EQ(TekstLiczby(std::nextafter(1e-5, 0.0), ','), "0,00001") << "rounds up into the fixed range";
    EXPECT_EQ(TekstLiczby(9.99999e-6, ','), "9,99999E-6");
    EXPECT_EQ(TekstLiczby(999999999999999.0, ','), "999999999999999");
    EXPECT_EQ(TekstLiczby(999999999999999.9, ','), "1E15") << "rounds up to 16 integer digits";
    EXPECT_EQ(TekstLiczby(1e15, ','), "1E15");
    EXPECT_EQ(TekstLiczby(123456789012345678.0, ','), "1,23456789012346E17");
}

TEST(CzytajCalkowita, AcceptsSignedDecimalsWithinThirtyTwoBitsOnly)
{
    const std::pair<const char*, int32_t> dobre[] = {{"-1", -1}, {" 42 ", 42}, {"+7", 7}, {"2147483647", 2147483647}};
    for (const auto& [tekst, oczekiwana] : dobre) {
        int32_t v = 0;
        EXPECT_TRUE(CzytajCalkowita(tekst, v)) << tekst;
        EXPECT_EQ(v, oczekiwana) << tekst;
    }
    for (const char* zle : {"", "-", "1.0", "1e3", "0x10", "$10", "2147483648", "--1", "+-1", "1 2", "12abc"}) {
        int32_t v = 99;
        EXPECT_FALSE(CzytajCalkowita(zle, v)) << zle;
        EXPECT_EQ(v, 99) << zle;
    }
}

TEST(CzytajRzeczywista, AcceptsCommaOrPointAndRefusesEverythingElse)
{
    const std::pair<const char*, double> dobre[] = {{"4,5", 4.5},   {"4.5", 4.5},       {"-0,25", -0.25},
                                                    {",5", 0.5},    {"5,", 5.0},        {"1E-6", 1e-6},
                                                    {"1,5e20", 1.5e20}, {" 3 ", 3.0},   {"1E-400", 0.0}};
    for (const auto& [tekst, oczekiwana] : dobre) {
        double v = -1;
        EXPECT_TRUE(CzytajRzeczywista(tekst, v)) << tekst;
        EXPECT_EQ(v, oczekiwana) << tekst;
    }
    for (const char* zle : {"nan", "NaN", "inf", "-INF", "infinity", "1,5.2", "1 000", "1.000,5", "12abc", "", "-",
                            ",", "E5", "1E", "1E+", "0x1p3", "1e400", "1,8E308", "4,5 m"}) {
        double v = 99;
        EXPECT_FALSE(CzytajRzeczywista(zle, v)) << zle;
    }
    float f = 0;
    EXPECT_FALSE(CzytajRzeczywista("1E39", f)) << "beyond float although a fine double";
}

TEST(CzytajRzeczywista, ReadsBackEveryWrittenFloatBitForBit)
{
    // Widened floats printed with 15 digits carry more than the 9 a float needs.
    for (uint32_t bity = 0; bity < 0x7F800000u; bity += 0x1001u) {
        for (const uint32_t znak : {0u, 0x80000000u}) {
            float f;
            const uint32_t b = bity | znak;
            std::memcpy(&f, &b, sizeof f);
            float z = 0;
            ASSERT_TRUE(CzytajRzeczywista(TekstLiczby(f, ','), z)) << TekstLiczby(f, ',');
            ASSERT_EQ(z, f) << TekstLiczby(f, ',');
        }
    }
    float f = 0;
    ASSERT_TRUE(CzytajRzeczywista(TekstLiczby(FLT_MAX, '.'), f));
    EXPECT_EQ(f, FLT_MAX);
}

TEST(CzytajRzeczywista, ReadsTheLargestDoubleFromItsFifteenDigitForm)
{
    EXPECT_EQ(TekstLiczby(DBL_MAX, ','), "1,79769313486232E308"); // above DBL_MAX once rounded
    double v = 0;
    ASSERT_TRUE(CzytajRzeczywista("-1,79769313486232E308", v));
    EXPECT_EQ(v, -DBL_MAX);
    EXPECT_FALSE(CzytajRzeczywista("1,79769313486233E308", v));
}

TEST(Kolory, WritesTheTwentyNamesAndHexForAnyOtherColour)
{
    EXPECT_EQ(TekstKoloru(0x000000), "clBlack");
    EXPECT_EQ(TekstKoloru(0x0000FF), "clRed");
    EXPECT_EQ(TekstKoloru(0xF0FBFF), "clCream");
    EXPECT_EQ(TekstKoloru(0xA4A0A0), "clMedGray");
    EXPECT_EQ(TekstKoloru(0xFF8000), "$00FF8000"); // red 0, green 128, blue 255
    EXPECT_EQ(TekstKoloru(0x0000FE), "$000000FE");
}

TEST(Kolory, ReadsNamesSystemColoursHexAndDecimalAndRefusesUnknownNames)
{
    const std::pair<const char*, int32_t> dobre[] = {
        {"clRed", 0x0000FF},     {"clmoneygreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"$00FF8000", 0xFF8000},
        {"$ff8000", 0xFF8000},   {"16744448", 0xFF8000},     {"clBtnFace", 0xF0F0F0}, {"clWindow", 0xFFFFFF},
        {"clWindowText", 0x000000}, {"clLtGray", 0xC0C0C0},  {"$FF00000F", 0xF0F0F0}, {"-16777201", 0xF0F0F0}};
    for (const auto& [tekst, oczekiwany] : dobre) {
        int32_t k = -1;
        EXPECT_TRUE(CzytajKolor(tekst, k)) << tekst;
        EXPECT_EQ(k, oczekiwany) << tekst;
    }
    for (const char* zle : {"clFoo", "", "$", "$123456789", "$GG", "Red", "0x00FF00", "1,5"}) {
        int32_t k = 0;
        EXPECT_FALSE(CzytajKolor(zle, k)) << zle;
    }
}
