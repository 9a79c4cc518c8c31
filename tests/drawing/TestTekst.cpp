#include "Pomocnicze.h"

#include "drawing/Tekst.h"
#include "drawing/Widocznosc.h"

namespace {

// Two glyphs: 'I' a stroke 100 units up with an advance of 50.9, '-' one 100 units along the base line.
class Pismo : public ::testing::Test {
protected:
    TSrodowisko S;
    void SetUp() override
    {
        (*S.Czcionka)['I'] = Glif{.IloscKresek = 1, .Przesuniecie = 50.9f};
        (*S.Czcionka)['I'].Y2[0] = 100;
        (*S.Czcionka)['-'] = Glif{.IloscKresek = 1, .Przesuniecie = 100};
        (*S.Czcionka)['-'].X2[0] = 100;
    }
};

} // namespace

TEST_F(Pismo, StrokesScaleFromTheReferencePixelTheAdvanceIsTruncatedPerCharacterAndAtMost255AreDrawn)
{
    // 0.6 pixel per unit across, 6 up: advances of 30.54 pixels put the characters at 1000, 1030,
    // 1060, 1090, not at 1000 + k · 30.54; the unknown \x01 takes no room.
    Tekst(S.R, Ekran, {1, 2}, {{0.3, Kolor::Bordowy}, 0.5, 0.05}, "I\x01III");
    auto l = S.Ekran.Linie();
    ASSERT_EQ(l.size(), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(l[size_t(k)].X1, 1000 + 30 * k) << k;
    EXPECT_EQ(std::tie(l[0].Y1, l[0].Y2, l[0].Pioro), std::tuple(2000, 2000 - 600, TPioro{Kolor::Bordowy, 30}));
    EXPECT_TRUE(S.Druk.Operacje.empty());
    // The length: 0.01 · the factor · the advances; at most 255 characters count and are drawn.
    EXPECT_NEAR(DlugoscTekstu(*S.Czcionka, "I-I", 0.3), 0.01 * 0.3 * (2 * 50.9 + 100), 1e-5);
    const std::string dlugi(300, 'I');
    S.Ekran.Wyczysc();
    Tekst(S.R, Ekran, {1, 2}, {{0.1, Kolor::Czarny}, 0.5, 0.05}, dlugi);
    EXPECT_EQ(S.Ekran.Linie().size(), 255u);
    EXPECT_DOUBLE_EQ(DlugoscTekstu(*S.Czcionka, dlugi, 0.3), DlugoscTekstu(*S.Czcionka, dlugi.substr(0, 255), 0.3));
    // At 90° the base line runs up the screen and 'I' points to the left; sx = 3, sy = 6.
    S.Ekran.Wyczysc();
    Tekst(S.R, Ekran, {1, 2}, {{0.1, Kolor::Czarny}, 0.5, 0.25, 90}, "-I");
    const auto cm = S.EkranCm();
    ASSERT_EQ(cm.size(), 2u);
    EXPECT_TRUE(Laczy(cm[0], 1, 2, 1, 1.7, 0.001) && Laczy(cm[1], 1, 1.7, 0.4, 1.7, 0.001));
}

TEST_F(Pismo, OnlyTextsStartingWithinTenPixelsLeftOfThePaintSurfaceOrOnItAreDrawn)
{
    const double szerokosc = 2 * S.Widok.EkranSrodekX;
    for (const auto& [kolumna, rysuje] :
         {std::pair{-11.5, false}, {-10.5, false}, {-9.5, true}, {szerokosc + 0.5, true}, {szerokosc + 1.5, false}}) {
        S.Ekran.Wyczysc();
        Tekst(S.R, Ekran, {S.Widok.ZEkranuX(kolumna), 2}, {{0.5, Kolor::Zielony}, 0.5, 0.25}, "II");
        EXPECT_EQ(!S.Ekran.Linie().empty(), rysuje) << kolumna;             // −11.5 truncates toward zero to −11
        EXPECT_EQ(S.Ekran.Pioro(), (TPioro{Kolor::Zielony, 1})) << kolumna; // drawn or not
    }
}

TEST_F(Pismo, PrintedTextKeepsItsSizeOnEveryResolution)
{
    // The size is set in 300-dpi pixels: 1.4 · trunc(300 · 0.3 / 2.54) of them per font unit.
    const double wysokoscCm = 100 * 1.4 * std::trunc(300 * 0.3 / 2.54) * 2.54 / 300 * 2.54 / 300;
    for (const int dpi : {300, 600, 1200}) {
        S.Druk.Wyczysc();
        UstawDruk(S.Widok, dpi, dpi);
        Tekst(S.R, Druk, {1, 2}, {{0.1, Kolor::Czarny}, 0.3, 0.3}, "I-");
        const auto l = TSrodowisko::Cm(S.Druk, dpi / 2.54);
        ASSERT_EQ(l.size(), 2u) << dpi;
        EXPECT_NEAR(l[0].y1 - l[0].y2, wysokoscCm, 1.5 * 2.54 / dpi) << dpi; // within 1.5 pixels
        EXPECT_NEAR(l[1].x2 - l[1].x1, wysokoscCm, 1.5 * 2.54 / dpi) << dpi;
        EXPECT_EQ(S.Druk.Linie()[0].X1, int(dpi / 2.54) + 2) << dpi; // 2 pixels right of the point
    }
    EXPECT_TRUE(S.Ekran.Operacje.empty());
}

TEST_F(Pismo, ATitleStandsOnItsBaseCornerOnScreenAndInTahomaOnPaperAndOfTwelvePixelsOrLessIsAGreyBox)
{
    Tytul(S.R, Ekran, {1, 2}, Kolor::Czarny, "MOMENTY [kNm]", 0.5);
    Tytul(S.R, Druk, {1, 2}, Kolor::Czarny, "REAKCJE", 0.5);
    const auto e = S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis);
    const auto d = S.Druk.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_TRUE(e.size() == 1 && d.size() == 1);
    // 0.5 · 1200 / SkalaWidoku pixels high; 0.5 · 1.25 cm at 100 printer pixels per cm; no background.
    EXPECT_EQ(std::tie(e[0].Tekst, e[0].KrojPisma, e[0].Wysokosc, e[0].X1, e[0].Y1, e[0].Wypelnienie),
              std::tuple("MOMENTY [kNm]", "", 600, 1000, 2000 - 600, BezWypelnienia));
    EXPECT_EQ(std::tie(d[0].Tekst, d[0].KrojPisma, d[0].Wysokosc, d[0].X1, d[0].Y1),
              std::tuple("REAKCJE", "Tahoma", 62, 100, 200 - 62));

    S.Ekran.Wyczysc();
    Tytul(S.R, Ekran, {1, 2}, Kolor::Czarny, "SIŁY", 0.011);     // h = trunc(13.2): readable
    Tytul(S.R, Ekran, {1, 2}, Kolor::Czarny, "MOMENTY", 0.0105); // h = trunc(12.6) = 12
    EXPECT_EQ(Tytuly(S.Ekran), std::vector<std::string>{"SIŁY"});
    const auto p = S.Ekran.Rodzaju(TOperacja::Rodzaj::Prostokat);
    ASSERT_EQ(p.size(), 1u);
    // 7 characters of the 12-pixel font are 42 pixels on this surface: the box is 0.9 of that.
    EXPECT_EQ(std::tie(p[0].X1, p[0].Y1, p[0].X2, p[0].Y2, p[0].Pioro.Kolor, p[0].Wypelnienie),
              std::tuple(1000, 2000 - 12, 1000 + 37, 2000, Kolor::Szary, BezWypelnienia));
}

TEST(Etykieta, ALabelUnderAPixelHighIsItsReferencePixelOnScreenAndWholeOnPaper)
{
    TSrodowisko S;
    UstawCzcionkeDoOdczytu(*S.Czcionka);
    UstawDruk(S.Widok, 2540, 2540); // a fine printer, for reading the strokes back
    const auto etykieta = [&](double pikseleNaCm, double x) {
        S.UstawSkale(pikseleNaCm);
        S.Ekran.Wyczysc();
        const TWyjscia oba{true, true};
        const TEtykieta e{.P = {x, 20}, .Styl = {{0.2, Kolor::Zielony}, 0.3, 0.22}, .Wartosc = 12.5,
                          .Maska = "#######0.00", .Jednostka = " kN"};
        Etykieta(S.R, PasWidoczny(S.R, oba), oba, e);
        return S.Ekran.Linie();
    };
    const auto e = etykieta(2, 10); // 0.3 cm is 0.6 pixel
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(std::tie(e[0].X1, e[0].Y1, e[0].X2, e[0].Y2, e[0].Pioro.Kolor),
              std::tuple(20, 40, 20, 40, Kolor::Zielony));
    EXPECT_EQ(Napisy(S.Druk, "12,50 kN").size(), 1u);
    EXPECT_TRUE(etykieta(1000, 150).empty() && etykieta(1000, -0.02).empty()); // off the picture's columns
}
