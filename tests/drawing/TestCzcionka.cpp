#include "drawing/Czcionka.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

const std::filesystem::path PlikCzcionki = QUARVI_PLIK_CZCIONKI;

struct TZakres {
    int MinX = 255, MaxX = 0, MinY = 255, MaxY = 0;
};

// The font the build writes, read once.
const Glif& G(int kod)
{
    static const auto cz = [] {
        auto c = std::make_unique<TCzcionka>();
        EXPECT_EQ(WczytajCzcionke(PlikCzcionki, *c), "");
        return c;
    }();
    return (*cz)[size_t(kod)];
}

TZakres Zakres(int kod)
{
    const Glif& g = G(kod);
    TZakres z;
    for (int i = 0; i < KreskiGlifu(g); ++i)
        for (const auto& [x, y] : {std::pair{g.X1[i], g.Y1[i]}, std::pair{g.X2[i], g.Y2[i]}})
            z = {std::min(z.MinX, int(x)), std::max(z.MaxX, int(x)), std::min(z.MinY, int(y)),
                 std::max(z.MaxY, int(y))};
    return z;
}

std::filesystem::path Zapisz(const std::string& nazwa, const std::vector<char>& bajty)
{
    const auto plik = std::filesystem::path(::testing::TempDir()) / nazwa;
    std::ofstream(plik, std::ios::binary).write(bajty.data(), std::streamsize(bajty.size()));
    return plik;
}

} // namespace

TEST(PlikCzcionki, Holds256RecordsOf608BytesWithAtMost150StrokesEach)
{
    EXPECT_EQ(std::filesystem::file_size(PlikCzcionki), 256u * 608u);
    std::ifstream we(PlikCzcionki, std::ios::binary);
    const std::vector<char> b(std::istreambuf_iterator<char>(we), {});
    for (size_t k = 0; k < 256; ++k) {
        int32_t n;
        std::memcpy(&n, b.data() + k * 608, 4);
        EXPECT_TRUE(n >= 0 && n <= 150) << k << ": " << n;
    }
}

TEST(PlikCzcionki, HasThePrintableAsciiAndThePolishLettersAtTheirCp1250Codes)
{
    EXPECT_TRUE(G(' ').IloscKresek == 0 && G(' ').Przesuniecie > 0);
    for (int c = 33; c <= 126; ++c)
        EXPECT_TRUE(G(c).IloscKresek > 0 && G(c).Przesuniecie > 0) << char(c);
    // Each Polish letter is its base letter with an accent above.
    const unsigned char polskie[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF,
                                     0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
    const char bazy[] = "acelnoszzACELNOSZZ";
    for (size_t i = 0; i < std::size(polskie); ++i)
        EXPECT_TRUE(G(polskie[i]).IloscKresek > G(bazy[i]).IloscKresek &&
                    G(polskie[i]).Przesuniecie == G(bazy[i]).Przesuniecie && Zakres(polskie[i]).MinY == 0)
            << int(polskie[i]);
    EXPECT_GT(Zakres(0xD3).MaxY, Zakres('O').MaxY);
}

TEST(PlikCzcionki, CapitalsAndDigitsAreAbout83UnitsHighOnTheBaseLineAndDescendersAreBroughtOntoIt)
{
    const TZakres h = Zakres('H');
    EXPECT_TRUE(h.MinX > 0 && h.MaxX < G('H').Przesuniecie); // the stems stand inside the advance
    for (int c = 'A'; c <= 'Z'; ++c)
        EXPECT_TRUE(Zakres(c).MinY == 0) << char(c);
    for (int c = '0'; c <= '9'; ++c)
        EXPECT_TRUE(Zakres(c).MinY == 0 && std::abs(Zakres(c).MaxY - 83) <= 1) << char(c);
    EXPECT_NEAR(h.MaxY, 83, 1);
    // Their lowest point lands on the base line, their top stays where it was.
    for (const int c : {int(','), int(';'), int('g'), int('j'), int('y')})
        EXPECT_EQ(Zakres(c).MinY, 0) << c;
    EXPECT_TRUE(Zakres('g').MaxY == Zakres('a').MaxY && Zakres(0xA5).MaxY == Zakres('A').MaxY);
    // The comma used to be squeezed onto the line into a dot that read as a
    // full stop in every decimal label; it is lifted whole instead.
    EXPECT_GE(Zakres(',').MaxY, 2 * Zakres('.').MaxY);
}

TEST(WczytajCzcionke, AMissingShortOrDamagedFileIsNamedAndOnlySoundWholeRecordsAreKept)
{
    auto cz = std::make_unique<TCzcionka>();
    (*cz)['A'].IloscKresek = 3;
    const auto brak = std::filesystem::path(::testing::TempDir()) / "brak-czcionki.Lzs";
    std::filesystem::remove(brak);
    std::string blad = WczytajCzcionke(brak, *cz);
    EXPECT_NE(blad.find(brak.string()), std::string::npos) << blad;
    EXPECT_TRUE(std::all_of(cz->begin(), cz->end(), [](const Glif& g) { return g.IloscKresek == 0; }));

    std::ifstream we(PlikCzcionki, std::ios::binary);
    std::vector<char> b(std::istreambuf_iterator<char>(we), {});
    b.resize(70 * 608 + 100); // 70 whole records and part of the next
    const auto krotka = Zapisz("krotka-czcionka.Lzs", b);
    blad = WczytajCzcionke(krotka, *cz);
    EXPECT_TRUE(blad.find(krotka.string()) != std::string::npos && blad.find("70") != std::string::npos) << blad;
    EXPECT_TRUE((*cz)['A'].IloscKresek > 0 && (*cz)['a'].IloscKresek == 0 && (*cz)['a'].Przesuniecie == 0);

    // A damaged record can neither reach past its strokes nor move the pen by a non-number.
    b.assign(256 * 608, 0);
    ZakodujGlif(Glif{.IloscKresek = 1000000, .Przesuniecie = NAN}, reinterpret_cast<uint8_t*>(b.data()) + 'X' * 608);
    const auto zly = Zapisz("uszkodzona-czcionka.Lzs", b);
    EXPECT_EQ(WczytajCzcionke(zly, *cz), "");
    EXPECT_TRUE((*cz)['X'].IloscKresek == MaxKresek && (*cz)['X'].Przesuniecie == 0);
    std::filesystem::remove(krotka);
    std::filesystem::remove(zly);
}
