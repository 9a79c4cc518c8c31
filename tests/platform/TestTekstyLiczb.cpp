#include "platform/TekstyLiczb.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace {

// Every case below runs as in the program once Qt has started: with the C
// library's locale taken from the environment. The suite runs under
// pl_PL.UTF-8 among others, where that locale writes a decimal comma and
// groups thousands with a narrow no-break space.
class TUstawieniaSrodowiska : public ::testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, ""); }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};
const auto* const Srodowisko = ::testing::AddGlobalTestEnvironment(new TUstawieniaSrodowiska);

bool PolskieUstawienia()
{
    for (const char* zmienna : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* v = std::getenv(zmienna); v && *v)
            return std::string_view(v).starts_with("pl_PL");
    return false;
}

} // namespace

TEST(Liczby, UnderThePolishLocaleTheCLibraryItselfWritesACommaAndTheNumbersDoNotNotice)
{
    if (PolskieUstawienia()) {
        ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "pl_PL.UTF-8 is not installed";
    }
    // Fixed, exponent and read back, each past the point where printf would have used the locale.
    EXPECT_EQ(FormatujMaska(1234567.891, "#######0.00", ','), "1234567,89");
    EXPECT_EQ(FormatujMaska(-5, "###0.00", '.'), "-5.00");
    EXPECT_EQ(FormatujStale(-2.5e20, 2, 12, ','), "-2,5E+20");
    double v = 0;
    EXPECT_TRUE(CzytajLiczbeNormalizujac("1.5E3", ',', v) && v == 1500);
    EXPECT_TRUE(CzytajLiczbe("-0,25", ',', v) && v == -0.25);
}

TEST(Maski, FormatNumbersAsTheirMaskSaysRoundingHalfAwayFromZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct TPrzypadek {
        double Wartosc;
        const char *Maska, *Oczekiwany;
    };
    // Optional digits drop trailing zeros and a lone zero before the separator, zeros are always written, the
    // integer part is never cut; ties away from zero as the double stores them; a rounded zero has no sign.
    const TPrzypadek przypadki[] = {
        {0.5, "########.##", ",5"}, {12, "########.##", "12"}, {-0.5, "########.##", "-,5"},
        {20.5, "###.##", "20,5"}, {28.5, "###.##", "28,5"}, {0, "########.##", "0"},
        {0, "#######0.00", "0,00"}, {-12.3456, "#####0.00", "-12,35"}, {3, "####0.0#", "3,0"},
        {0.22, "####0.0#", "0,22"}, {123456.78, "##0.00", "123456,78"}, {1e20, "##0.00", "100000000000000000000,00"},
        {0.125, "##0.00", "0,13"}, {2.5, "###.", "3"}, {1.005, "#########0.00", "1,00"},
        {99.995, "##0.00", "100,00"}, {9.995, "##0.00", "9,99"}, {-0.004, "#######0.00", "0,00"},
        {-0.001, "########.##", "0"}, {inf, "##0.00", "INF"}, {-inf, "##0.00", "-INF"},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(FormatujMaska(p.Wartosc, p.Maska, ','), p.Oczekiwany) << p.Wartosc << " " << p.Maska;
    EXPECT_EQ(FormatujMaska(4, "########0.00", '.'), "4.00");
}

TEST(FormatStaly, WritesTheDecimalsAsFarAsTheSignificantDigitsAllow)
{
    struct TPrzypadek {
        double Wartosc;
        int Miejsca, Cyfry;
        const char* Oczekiwany;
    };
    // No room left for decimals: zeros; more integer digits than significant ones: an exponent.
    const TPrzypadek przypadki[] = {
        {10.25, 3, 12, "10,250"}, {0.0005, 3, 12, "0,001"}, {-0.0004, 3, 12, "0,000"}, {1e13, 2, 12, "1E+13"},
        {123456789012.3456, 3, 12, "123456789012,000"}, {123456789012.3456, 3, 15, "123456789012,346"},
        {1234567890.126, 3, 12, "1234567890,130"}, {999999999999.9, 2, 12, "1E+12"}, {NAN, 2, 12, "NAN"},
    };
    for (const TPrzypadek& p : przypadki)
        EXPECT_EQ(FormatujStale(p.Wartosc, p.Miejsca, p.Cyfry, ','), p.Oczekiwany) << p.Wartosc;
    EXPECT_EQ(FormatujStale(6, 2, 15, '.'), "6.00");
}

TEST(CzytajLiczbe, TheUserSeparatorOnlyUnlessNormalisedAndGroupNumbersFromTheirListItems)
{
    struct TPrzypadek {
        const char* Tekst;
        bool Scisle, Normalizujac; // read with ',' as typed / after normalising
        double Wartosc;
    };
    const TPrzypadek przypadki[] = {{"2,5", true, true, 2.5},       {"2.5", false, true, 2.5},
                                    {" -1,35 ", true, true, -1.35}, {"1E3", true, true, 1000},
                                    {"1.000,5", false, false, 0},   {"", false, false, 0},
                                    {"abc", false, false, 0},       {"nan", false, false, 0}};
    for (const TPrzypadek& p : przypadki) {
        double s = 99, n = 99;
        const bool scisle = CzytajLiczbe(p.Tekst, ',', s), normalizujac = CzytajLiczbeNormalizujac(p.Tekst, ',', n);
        EXPECT_EQ(std::tuple(scisle, normalizujac, scisle ? s : 0, normalizujac ? n : 0),
                  std::tuple(p.Scisle, p.Normalizujac, p.Scisle ? p.Wartosc : 0, p.Normalizujac ? p.Wartosc : 0))
            << p.Tekst;
    }
    EXPECT_EQ(NormalizujSeparator("1.5,2", ','), "1,5,2");

    EXPECT_EQ(std::tuple(NumerGrupy("  3 Wiatr"), NumerGrupy("1  Stałe"), NumerGrupy("12"), NumerGrupy("Stałe 1"),
                         NumerGrupy("")),
              std::tuple(3, 1, 12, std::nullopt, std::nullopt));
    EXPECT_EQ(KomunikatRzeczywistej("x"), "'x' is not a valid floating point value");
    EXPECT_EQ(KomunikatCalkowitej(""), "'' is not a valid integer value");
}

TEST(CzytajLiczbe, ACommaWhereTheUsersSeparatorIsAPointIsRefusedNotReadAsTheDigitsBeforeIt)
{
    for (const char* tekst : {"2,5", "1,000", "-0,5", ",5", "1,5E3"}) {
        double v = 99;
        EXPECT_FALSE(CzytajLiczbe(tekst, '.', v)) << tekst;
        EXPECT_EQ(v, 99) << tekst;
    }
    double v = 0;
    EXPECT_TRUE(CzytajLiczbe("2.5", '.', v) && v == 2.5);
}
