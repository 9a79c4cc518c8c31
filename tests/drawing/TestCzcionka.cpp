#include "drawing/Czcionka.h"

#include "Pomocnicze.h"
#include "drawing/Tekst.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

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

} // namespace

TEST(PlikCzcionki, EachPolishLetterDrawnAloneDiffersFromItsBaseLetterAndStaysWithinItsCell)
{
    // At 1000 pixels per cm a font unit is 3.6 pixels high and 2.64 wide.
    TSrodowisko S;
    ASSERT_EQ(WczytajCzcionke(PlikCzcionki, *S.Czcionka), "");
    const auto Kreski = [&](unsigned char znak) {
        S.Ekran.Wyczysc();
        Tekst(S.R, {.Ekran = true}, {10, 10}, {{0.1, Kolor::Czarny}, 0.3, 0.22}, std::string(1, char(znak)));
        std::vector<std::array<int32_t, 4>> k;
        for (const TOperacja& o : S.Ekran.Linie())
            k.push_back(o.X1 < o.X2 || (o.X1 == o.X2 && o.Y1 <= o.Y2) ? std::array{o.X1, o.Y1, o.X2, o.Y2}
                                                                      : std::array{o.X2, o.Y2, o.X1, o.Y1});
        std::ranges::sort(k);
        return k;
    };
    const uint8_t polskie[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF,
                               0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
    const char bazy[] = "acelnoszzACELNOSZZ"; // Ó above O, as the accent lifts it
    EXPECT_GT(Zakres(0xD3).MaxY, Zakres('O').MaxY);
    for (size_t i = 0; i < std::size(polskie); ++i) {
        const auto litera = Kreski(polskie[i]), baza = Kreski(uint8_t(bazy[i]));
        // Strokes of its own: an accent, or an ogonek under a letter lifted by its depth.
        std::vector<std::array<int32_t, 4>> wlasne;
        std::ranges::set_difference(litera, baza, std::back_inserter(wlasne));
        EXPECT_FALSE(wlasne.empty()) << int(polskie[i]);
        // Its cell: the base line up to 1.3 cap heights, the advance wide, that of its base letter.
        const double x0 = 10000, y0 = 10000, prawa = x0 + G(polskie[i]).Przesuniecie * 2.64, gora = y0 - 1.3 * 83 * 3.6;
        int32_t najnizej = 0;
        for (const auto& [xa, ya, xb, yb] : litera) {
            najnizej = std::max({najnizej, ya, yb});
            EXPECT_TRUE(std::min(xa, xb) >= x0 && std::max(xa, xb) <= prawa && std::min(ya, yb) >= gora &&
                        std::max(ya, yb) <= y0)
                << int(polskie[i]) << ": " << xa << "," << ya << " " << xb << "," << yb;
        }
        // Standing on the base line, as wide as its base letter.
        EXPECT_EQ(std::tuple(najnizej, G(polskie[i]).Przesuniecie),
                  std::tuple(int32_t(y0), G(uint8_t(bazy[i])).Przesuniecie))
            << int(polskie[i]);
    }
}

TEST(PlikCzcionki, HoldsThePrintableAsciiWithCapitalsAndDigitsAbout83UnitsHighOnTheBaseLineAndDescendersOnIt)
{
    EXPECT_EQ(std::filesystem::file_size(PlikCzcionki), 256u * 608u);
    EXPECT_TRUE(G(' ').IloscKresek == 0 && G(' ').Przesuniecie > 0);
    for (int c = 33; c <= 126; ++c)
        EXPECT_TRUE(G(c).IloscKresek > 0 && G(c).Przesuniecie > 0) << char(c);
    const TZakres h = Zakres('H');
    EXPECT_TRUE(h.MinX > 0 && h.MaxX < G('H').Przesuniecie && std::abs(h.MaxY - 83) <= 1); // stems inside the advance
    for (int c = 'A'; c <= 'Z'; ++c)
        EXPECT_EQ(Zakres(c).MinY, 0) << char(c);
    for (int c = '0'; c <= '9'; ++c)
        EXPECT_TRUE(Zakres(c).MinY == 0 && std::abs(Zakres(c).MaxY - 83) <= 1) << char(c);
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
    const auto plik = [](const std::string& nazwa) {
        return std::filesystem::path(::testing::TempDir()) / (std::to_string(getpid()) + "-" + nazwa);
    };
    std::filesystem::remove(plik("brak-czcionki.Lzs"));
    std::string blad = WczytajCzcionke(plik("brak-czcionki.Lzs"), *cz);
    EXPECT_NE(blad.find(plik("brak-czcionki.Lzs").string()), std::string::npos) << blad;
    EXPECT_TRUE(std::all_of(cz->begin(), cz->end(), [](const Glif& g) { return g.IloscKresek == 0; }));

    std::ifstream we(PlikCzcionki, std::ios::binary);
    std::vector<char> b(std::istreambuf_iterator<char>(we), {});
    b.resize(70 * 608 + 100); // 70 whole records and part of the next
    std::ofstream(plik("krotka.Lzs"), std::ios::binary).write(b.data(), std::streamsize(b.size()));
    blad = WczytajCzcionke(plik("krotka.Lzs"), *cz);
    EXPECT_TRUE(blad.find(plik("krotka.Lzs").string()) != std::string::npos && blad.find("70") != std::string::npos)
        << blad;
    EXPECT_TRUE((*cz)['A'].IloscKresek > 0 && (*cz)['a'].IloscKresek == 0 && (*cz)['a'].Przesuniecie == 0);

    // A damaged record can neither reach past its strokes nor move the pen by a non-number.
    b.assign(256 * 608, 0);
    ZakodujGlif(Glif{.IloscKresek = 1000000, .Przesuniecie = NAN}, reinterpret_cast<uint8_t*>(b.data()) + 'X' * 608);
    std::ofstream(plik("uszkodzona.Lzs"), std::ios::binary).write(b.data(), std::streamsize(b.size()));
    EXPECT_EQ(WczytajCzcionke(plik("uszkodzona.Lzs"), *cz), "");
    EXPECT_TRUE((*cz)['X'].IloscKresek == MaxKresek && (*cz)['X'].Przesuniecie == 0);
    std::filesystem::remove(plik("krotka.Lzs"));
    std::filesystem::remove(plik("uszkodzona.Lzs"));
}
