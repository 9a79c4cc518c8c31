#include "Pomocnicze.h"

#include "drawing/Tekst.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// A font of two made-up glyphs: 'I' a vertical stroke 100 units high,
// '-' a horizontal one 100 units long.
void UstawCzcionkeProba(TCzcionka& cz)
{
    Glif& i = cz['I'];
    i.IloscKresek = 1;
    i.Przesuniecie = 50.9f;
    i.X1[0] = 0;
    i.Y1[0] = 0;
    i.X2[0] = 0;
    i.Y2[0] = 100;
    Glif& k = cz['-'];
    k.IloscKresek = 1;
    k.Przesuniecie = 100;
    k.X1[0] = 0;
    k.Y1[0] = 0;
    k.X2[0] = 100;
    k.Y2[0] = 0;
}

class Napisy : public ::testing::Test {
protected:
    TSrodowisko S;
    void SetUp() override { UstawCzcionkeProba(*S.Czcionka); }
};

} // namespace

TEST_F(Napisy, ScreenStrokesStartAtTheReferencePixelAndScaleWithTheFactors)
{
    // 1000 pixels per cm: sx = 0.25 · 12 = 3 and sy = 0.5 · 12 = 6 pixels per font unit.
    Tekst(S.R, "I", Kolor::Bordowy, 1, 2, 0.5, 0.25, 0.3, 0, true, false);
    const auto linie = S.Ekran.Linie();
    ASSERT_EQ(linie.size(), 1u);
    EXPECT_EQ(linie[0].X1, 1000);
    EXPECT_EQ(linie[0].Y1, 2000);
    EXPECT_EQ(linie[0].X2, 1000);
    EXPECT_EQ(linie[0].Y2, 2000 - 100 * 6);
    EXPECT_EQ(linie[0].Pioro.Kolor, Kolor::Bordowy);
    EXPECT_EQ(linie[0].Pioro.Grubosc, 30); // 1000 px/cm · 0.1 · 0.3 mm
    EXPECT_TRUE(S.Druk.Operacje.empty());
}

TEST_F(Napisy, TheAdvanceIsTruncatedToWholePixelsAfterEveryCharacter)
{
    // sx = 0.05 · 12 = 0.6 px per unit; an advance of 50.9 units is 30.54 pixels,
    // so the characters start at 1000, 1030, 1060, 1090, not at 1000 + k · 30.54.
    Tekst(S.R, "IIII", Kolor::Czarny, 1, 2, 0.5, 0.05, 0.1, 0, true, false);
    const auto linie = S.Ekran.Linie();
    ASSERT_EQ(linie.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(linie[size_t(k)].X1, 1000 + 30 * k) << k;
    EXPECT_LT(linie[3].X1, int(1000 + 3 * 50.9f * 0.6)); // the exact position would be 1091
}

TEST_F(Napisy, AtNinetyDegreesTheTextRunsUpwardWithItsTopsToTheLeft)
{
    // sx = 3, sy = 6 px per unit as above.
    Tekst(S.R, "-I", Kolor::Czarny, 1, 2, 0.5, 0.25, 0.1, 90, true, false);
    const auto l = S.Ekran.Linie();
    ASSERT_EQ(l.size(), 2u);
    // The base line stroke of '-' goes up the screen.
    EXPECT_NEAR(l[0].X1, 1000, 1);
    EXPECT_NEAR(l[0].X2, 1000, 1);
    EXPECT_NEAR(l[0].Y1, 2000, 1);
    EXPECT_NEAR(l[0].Y2, 2000 - 300, 1);
    // 'I' starts 300 pixels higher (its advance) and points to the left.
    EXPECT_NEAR(l[1].Y1, 2000 - 300, 1);
    EXPECT_NEAR(l[1].X2, 1000 - 600, 1);
    EXPECT_NEAR(l[1].Y2, 2000 - 300, 1);
}

TEST_F(Napisy, OnlyTextsStartingWithinTenPixelsLeftOfThePaintSurfaceOrOnItAreDrawn)
{
    const double szerokosc = 2 * S.Widok.EkranSrodekX; // paint surface width
    auto Rysuje = [&](double kolumna) {
        S.Ekran.Wyczysc();
        // A column of −11.5 truncates toward zero to −11.
        Tekst(S.R, "II", Kolor::Czarny, S.Widok.ZEkranuX(kolumna), 2, 0.5, 0.25, 0.1, 0, true, false);
        return !S.Ekran.Linie().empty();
    };
    EXPECT_FALSE(Rysuje(-11.5));
    EXPECT_FALSE(Rysuje(-10.5));
    EXPECT_TRUE(Rysuje(-9.5));
    EXPECT_TRUE(Rysuje(szerokosc + 0.5));
    EXPECT_FALSE(Rysuje(szerokosc + 1.5));
}

TEST_F(Napisy, LeavesTheScreenAndPrinterPenOnePixelWideEvenWhenNothingIsDrawn)
{
    for (const std::string& tresc : {std::string("II"), std::string()}) {
        S.Ekran.Wyczysc();
        S.Druk.Wyczysc();
        Tekst(S.R, tresc, Kolor::Zielony, 1, 2, 0.5, 0.25, 0.5, 0, true, true);
        EXPECT_EQ(S.Ekran.Pioro(), (TPioro{Kolor::Zielony, 1}));
        EXPECT_EQ(S.Druk.Pioro(), (TPioro{Kolor::Zielony, 1}));
        EXPECT_EQ(S.Ekran.Linie().size(), tresc.size());
    }
    Tekst(S.R, "II", Kolor::Zielony, S.Widok.ZEkranuX(-50), 2, 0.5, 0.25, 0.5, 0, true, false);
    EXPECT_EQ(S.Ekran.Pioro().Grubosc, 1);
}

TEST_F(Napisy, UnknownCharactersTakeNoRoom)
{
    Tekst(S.R, "I\x01I", Kolor::Czarny, 1, 2, 0.5, 0.05, 0.1, 0, true, false);
    const auto l = S.Ekran.Linie();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].X1, 1030);
}

TEST_F(Napisy, ATextHoldsAtMost255Characters)
{
    const std::string dlugi(300, 'I');
    Tekst(S.R, dlugi, Kolor::Czarny, 1, 2, 0.5, 0.05, 0.1, 0, true, false);
    EXPECT_EQ(S.Ekran.Linie().size(), 255u);
    EXPECT_DOUBLE_EQ(DlugoscTekstu(*S.Czcionka, dlugi, 0.3), DlugoscTekstu(*S.Czcionka, dlugi.substr(0, 255), 0.3));
}

TEST_F(Napisy, TextLengthIsTheSumOfTheAdvancesTimesTheFactor)
{
    // 0.01 · Wsp · (50.9 + 100 + 50.9) cm
    EXPECT_NEAR(DlugoscTekstu(*S.Czcionka, "I-I", 0.3), 0.01 * 0.3 * (2 * 50.9 + 100), 1e-5);
    EXPECT_EQ(DlugoscTekstu(*S.Czcionka, "", 0.3), 0);
}

TEST_F(Napisy, PrintedTextKeepsItsSizeOnEveryResolution)
{
    // 300-dpi pixels per font unit, truncated at 300 dpi: 1.4 · trunc(300 · 0.3 / 2.54) · 2.54 / 300.
    const double sy300 = 1.4 * std::trunc(300 * 0.3 / 2.54) * 2.54 / 300;
    const double wysokoscCm = 100 * sy300 * 2.54 / 300; // the 100-unit stroke, in cm of paper
    for (const int dpi : {300, 600, 1200}) {
        S.Druk.Wyczysc();
        UstawDruk(S.Widok, dpi, dpi);
        Tekst(S.R, "I-", Kolor::Czarny, 1, 2, 0.3, 0.3, 0.1, 0, false, true);
        const auto l = S.Druk.Linie();
        ASSERT_EQ(l.size(), 2u) << dpi;
        const double pikseleNaCm = dpi / 2.54;
        EXPECT_NEAR((l[0].Y1 - l[0].Y2) / pikseleNaCm, wysokoscCm, 1.5 / pikseleNaCm) << dpi;
        EXPECT_NEAR((l[1].X2 - l[1].X1) / pikseleNaCm, wysokoscCm, 1.5 / pikseleNaCm) << dpi;
        // The pen starts 2 pixels right of the reference point.
        EXPECT_EQ(l[0].X1, int(std::trunc(1 * pikseleNaCm)) + 2) << dpi;
        EXPECT_TRUE(S.Ekran.Operacje.empty());
    }
}

TEST_F(Napisy, ATitleOnScreenIsWrittenInTheDefaultFaceAboveItsBaseCorner)
{
    // h = trunc(Wysokosc · 1200 / SkalaWidoku) = 600 pixels
    Tytul(S.R, "MOMENTY [kNm]", Kolor::Czarny, 1, 2, 0.5, true, false);
    const auto napisy = S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_EQ(napisy.size(), 1u);
    EXPECT_EQ(napisy[0].X1, 1000);
    EXPECT_EQ(napisy[0].Y1, 2000 - 600);
    EXPECT_EQ(napisy[0].Wysokosc, 600);
    EXPECT_EQ(napisy[0].KrojPisma, "");
    EXPECT_EQ(napisy[0].Tekst, "MOMENTY [kNm]");
}

TEST_F(Napisy, ATitleOfTwelvePixelsOrLessBecomesAGreyBox)
{
    Tytul(S.R, "SIŁY", Kolor::Czarny, 1, 2, 0.011, true, false); // h = trunc(13.2) = 13: readable
    EXPECT_EQ(S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis).size(), 1u);
    S.Ekran.Wyczysc();

    Tytul(S.R, "MOMENTY", Kolor::Czarny, 1, 2, 0.0105, true, false); // h = trunc(12.6) = 12
    EXPECT_TRUE(S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis).empty());
    const auto pudelka = S.Ekran.Rodzaju(TOperacja::Rodzaj::Prostokat);
    ASSERT_EQ(pudelka.size(), 1u);
    // w = 7 characters in the 12-pixel font = 42 pixels on this surface; box width trunc(w · h / 12 · 0.9)
    const int w = 7 * 6;
    EXPECT_EQ(pudelka[0].X1, 1000);
    EXPECT_EQ(pudelka[0].Y1, 2000 - 12);
    EXPECT_EQ(pudelka[0].X2, 1000 + int(std::trunc(w * 12 / 12.0 * 0.9)));
    EXPECT_EQ(pudelka[0].Y2, 2000);
    EXPECT_EQ(pudelka[0].Pioro.Kolor, Kolor::Szary);
    EXPECT_EQ(pudelka[0].Wypelnienie, BezWypelnienia);
}

TEST_F(Napisy, APrintedTitleUsesTahomaAtItsPaperSize)
{
    // 100 printer pixels per cm: height trunc(0.5 · 1.25 · 254 / 2.54) = 62
    Tytul(S.R, "REAKCJE", Kolor::Czarny, 1, 2, 0.5, false, true);
    const auto napisy = S.Druk.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_EQ(napisy.size(), 1u);
    EXPECT_EQ(napisy[0].KrojPisma, "Tahoma");
    EXPECT_EQ(napisy[0].Wysokosc, 62);
    EXPECT_EQ(napisy[0].X1, 100);
    EXPECT_EQ(napisy[0].Y1, 200 - 62);
    EXPECT_TRUE(S.Ekran.Operacje.empty());
}
