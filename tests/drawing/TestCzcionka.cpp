#include "drawing/Czcionka.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <vector>

namespace {

const std::filesystem::path PlikCzcionki = QUARVI_PLIK_CZCIONKI;

struct TZakres {
    int MinX = 255, MaxX = 0, MinY = 255, MaxY = 0;
};

TZakres Zakres(const Glif& g)
{
    TZakres z;
    for (int i = 0; i < KreskiGlifu(g); ++i) {
        z.MinX = std::min({z.MinX, int(g.X1[i]), int(g.X2[i])});
        z.MaxX = std::max({z.MaxX, int(g.X1[i]), int(g.X2[i])});
        z.MinY = std::min({z.MinY, int(g.Y1[i]), int(g.Y2[i])});
        z.MaxY = std::max({z.MaxY, int(g.Y1[i]), int(g.Y2[i])});
    }
    return z;
}

class CzcionkaZPliku : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Czcionka = std::make_unique<TCzcionka>();
        Blad = WczytajCzcionke(PlikCzcionki, *Czcionka);
    }
    static void TearDownTestSuite() { Czcionka.reset(); }
    static const Glif& G(unsigned char kod) { return (*Czcionka)[kod]; }

    static inline std::unique_ptr<TCzcionka> Czcionka;
    static inline std::string Blad;
};

std::filesystem::path PlikTymczasowy(const std::string& nazwa)
{
    return std::filesystem::path(::testing::TempDir()) / nazwa;
}

std::vector<char> Bajty(const std::filesystem::path& plik)
{
    std::ifstream we(plik, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(we), {});
}

void Zapisz(const std::filesystem::path& plik, const std::vector<char>& bajty)
{
    std::ofstream wy(plik, std::ios::binary | std::ios::trunc);
    wy.write(bajty.data(), std::streamsize(bajty.size()));
}

// Code page 1250 code points of the Polish letters.
constexpr unsigned char PolskieLitery[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF,
                                           0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
constexpr char PodstawyLiter[] = "acelnoszzACELNOSZZ";

} // namespace

TEST(PlikCzcionki, Holds256RecordsOf608BytesAndNothingElse)
{
    EXPECT_EQ(std::filesystem::file_size(PlikCzcionki), 256u * 608u);
    // Every stroke count fits the arrays, read straight from the bytes.
    const std::vector<char> b = Bajty(PlikCzcionki);
    for (size_t k = 0; k < 256; ++k) {
        int32_t n;
        std::memcpy(&n, b.data() + k * 608, 4);
        EXPECT_GE(n, 0) << "glyph " << k;
        EXPECT_LE(n, 150) << "glyph " << k;
    }
}

TEST_F(CzcionkaZPliku, LoadsWithoutAnError)
{
    EXPECT_EQ(Blad, "");
}

TEST_F(CzcionkaZPliku, HasEveryPrintableAsciiCharacter)
{
    EXPECT_EQ(G(' ').IloscKresek, 0);
    EXPECT_GT(G(' ').Przesuniecie, 0);
    for (int c = 33; c <= 126; ++c) {
        EXPECT_GT(G(c).IloscKresek, 0) << char(c);
        EXPECT_GT(G(c).Przesuniecie, 0) << char(c);
    }
    EXPECT_EQ(G(0).IloscKresek, 0);
    EXPECT_EQ(G(127).IloscKresek, 0);
}

TEST_F(CzcionkaZPliku, ComposesThePolishLettersFromTheirBaseLetterAndAnAccent)
{
    for (size_t i = 0; i < std::size(PolskieLitery); ++i) {
        const Glif& litera = G(PolskieLitery[i]);
        const Glif& baza = G(PodstawyLiter[i]);
        EXPECT_GT(litera.IloscKresek, baza.IloscKresek) << "code " << int(PolskieLitery[i]);
        EXPECT_FLOAT_EQ(litera.Przesuniecie, baza.Przesuniecie) << "code " << int(PolskieLitery[i]);
    }
    // The accents sit above the letters, the acute of Ó above the top of O.
    EXPECT_GT(Zakres(G(0xD3)).MaxY, Zakres(G('O')).MaxY);
    EXPECT_GT(Zakres(G(0xF3)).MaxY, Zakres(G('o')).MaxY);
}

TEST_F(CzcionkaZPliku, CapitalsAreAbout83UnitsHighAndStandOnTheBaseLine)
{
    const TZakres h = Zakres(G('H'));
    EXPECT_NEAR(h.MaxY - h.MinY, 83, 1);
    for (int c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(Zakres(G(c)).MinY, 0) << char(c);
    for (int c = '0'; c <= '9'; ++c) {
        EXPECT_EQ(Zakres(G(c)).MinY, 0) << char(c);
        EXPECT_NEAR(Zakres(G(c)).MaxY, 83, 1) << char(c);
    }
    // The left bearing sits at x = 0: H's stems stand inside its advance.
    EXPECT_GT(h.MinX, 0);
    EXPECT_LT(h.MaxX, G('H').Przesuniecie);
}

TEST_F(CzcionkaZPliku, GlyphsReachingBelowTheBaseLineAreBroughtOntoIt)
{
    // Their lowest point lands on the base line, their top stays where it was.
    for (const int c : {int(','), int(';'), int('g'), int('j'), int('p'), int('q'), int('y'), 0xB9, 0xA5})
        EXPECT_EQ(Zakres(G(c)).MinY, 0) << int(c);
    EXPECT_EQ(Zakres(G('g')).MaxY, Zakres(G('a')).MaxY);
    EXPECT_EQ(Zakres(G(0xA5)).MaxY, Zakres(G('A')).MaxY);
    // The comma, which rises barely above the line, is lifted whole instead of
    // squeezed to a dot: at label size it must not read as a full stop.
    EXPECT_GE(Zakres(G(',')).MaxY, 2 * Zakres(G('.')).MaxY);
}

TEST(WczytajCzcionke, AMissingFileLeavesEveryGlyphEmptyAndNamesTheFile)
{
    auto cz = std::make_unique<TCzcionka>();
    (*cz)['A'].IloscKresek = 3;
    (*cz)['A'].Przesuniecie = 10;
    const auto plik = PlikTymczasowy("brak-czcionki.Lzs");
    std::filesystem::remove(plik);
    const std::string blad = WczytajCzcionke(plik, *cz);
    EXPECT_NE(blad.find(plik.string()), std::string::npos) << blad;
    for (const Glif& g : *cz) {
        EXPECT_EQ(g.IloscKresek, 0);
        EXPECT_EQ(g.Przesuniecie, 0);
    }
}

TEST(WczytajCzcionke, AShortFileKeepsTheRecordsItHasAndReportsTheRest)
{
    std::vector<char> b = Bajty(PlikCzcionki);
    b.resize(70 * 608 + 100); // 70 whole records and part of the next
    const auto plik = PlikTymczasowy("krotka-czcionka.Lzs");
    Zapisz(plik, b);
    auto cz = std::make_unique<TCzcionka>();
    const std::string blad = WczytajCzcionke(plik, *cz);
    EXPECT_NE(blad.find(plik.string()), std::string::npos) << blad;
    EXPECT_NE(blad.find("70"), std::string::npos) << blad;
    EXPECT_GT((*cz)['A'].IloscKresek, 0); // code 65 was read
    EXPECT_EQ((*cz)['a'].IloscKresek, 0);  // code 97 was not
    EXPECT_EQ((*cz)['a'].Przesuniecie, 0);
    std::filesystem::remove(plik);
}

TEST(WczytajCzcionke, ADamagedRecordCannotReachPastItsStrokesOrMoveThePenByANonNumber)
{
    std::vector<uint8_t> b(256 * 608, 0);
    Glif zly;
    zly.IloscKresek = 1000000;
    zly.Przesuniecie = std::numeric_limits<float>::quiet_NaN();
    ZakodujGlif(zly, b.data() + 'X' * 608);
    const auto plik = PlikTymczasowy("uszkodzona-czcionka.Lzs");
    Zapisz(plik, std::vector<char>(b.begin(), b.end()));
    auto cz = std::make_unique<TCzcionka>();
    EXPECT_EQ(WczytajCzcionke(plik, *cz), "");
    EXPECT_EQ((*cz)['X'].IloscKresek, MaxKresek);
    EXPECT_EQ((*cz)['X'].Przesuniecie, 0);
    std::filesystem::remove(plik);
}

TEST(Glif, IsWrittenLittleEndianInTheFilesFieldOrder)
{
    Glif g;
    g.IloscKresek = 0x01020304;
    g.Przesuniecie = 1.0f; // 0x3F800000
    g.X1[0] = 11;
    g.Y1[0] = 12;
    g.X2[149] = 13;
    g.Y2[149] = 14;
    uint8_t r[608];
    ZakodujGlif(g, r);
    EXPECT_EQ(r[0], 0x04);
    EXPECT_EQ(r[3], 0x01);
    EXPECT_EQ(r[4], 0x00);
    EXPECT_EQ(r[7], 0x3F);
    EXPECT_EQ(r[8], 11);
    EXPECT_EQ(r[158], 12);
    EXPECT_EQ(r[308 + 149], 13);
    EXPECT_EQ(r[458 + 149], 14);
    const Glif z = OdkodujGlif(r);
    EXPECT_EQ(z.IloscKresek, g.IloscKresek);
    EXPECT_EQ(z.Przesuniecie, 1.0f);
    EXPECT_EQ(z.Y2[149], 14);
}

TEST(SciezkaCzcionki, LiesInTheDataFolderBesideTheProgram)
{
    EXPECT_EQ(SciezkaCzcionki("program"), std::filesystem::path("program/Dane/Romans100.Lzs"));
}
