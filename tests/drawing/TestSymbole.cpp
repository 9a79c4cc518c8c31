#include "Pomocnicze.h"

#include "drawing/Symbole.h"
#include "drawing/Tekst.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace {

// Shafts of a load row: vertical strokes that do not touch the base line y.
std::vector<TOdcinekCm> Trzony(const std::vector<TOdcinekCm>& linie, double y)
{
    std::vector<TOdcinekCm> w;
    for (const TOdcinekCm& o : linie)
        if (std::abs(o.x1 - o.x2) < 0.0015 && std::abs(o.y1 - y) > 0.002 && std::abs(o.y2 - y) > 0.002)
            w.push_back(o);
    std::sort(w.begin(), w.end(), [](const TOdcinekCm& a, const TOdcinekCm& b) { return a.x1 < b.x1; });
    return w;
}

struct TRamka {
    double MinX = 1e300, MaxX = -1e300, MinY = 1e300, MaxY = -1e300;
};

TRamka Ramka(const std::vector<TOdcinekCm>& linie)
{
    TRamka r;
    for (const TOdcinekCm& o : linie) {
        r.MinX = std::min({r.MinX, o.x1, o.x2});
        r.MaxX = std::max({r.MaxX, o.x1, o.x2});
        r.MinY = std::min({r.MinY, o.y1, o.y2});
        r.MaxY = std::max({r.MaxY, o.y1, o.y2});
    }
    return r;
}

} // namespace

TEST(Linia, DrawsOnEachOutputWithItsOwnPen)
{
    TSrodowisko S;
    Linia(S.R, Kolor::Granatowy, true, 1, 2, 3, 4, 0.5, true);
    const auto e = S.Ekran.Linie();
    const auto d = S.Druk.Linie();
    ASSERT_EQ(e.size(), 1u);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_TRUE(Laczy(S.EkranCm()[0], 1, 2, 3, 4));
    EXPECT_TRUE(Laczy(TSrodowisko::Cm(S.Druk, 100)[0], 1, 2, 3, 4, 0.011));
    EXPECT_EQ(e[0].Pioro, (TPioro{Kolor::Granatowy, 50})); // 1000 px/cm · 0.1 · 0.5 mm
    EXPECT_EQ(d[0].Pioro, (TPioro{Kolor::Granatowy, 5}));  // trunc(254 · 0.5 · 0.1 / 2.54)

    S.Ekran.Wyczysc();
    S.Druk.Wyczysc();
    Linia(S.R, Kolor::Czarny, false, 1, 2, 3, 4, 0.5, true);
    EXPECT_TRUE(S.Ekran.Operacje.empty());
    EXPECT_EQ(S.Druk.Linie().size(), 1u);
    Linia(S.R, Kolor::Czarny, true, 1, 2, 3, 4, 0.5, false);
    EXPECT_EQ(S.Ekran.Linie().size(), 1u);
    EXPECT_EQ(S.Druk.Linie().size(), 1u);
}

TEST(Linia, SkipsSegmentsWhollyOutsideThePictureAndClipsFarEnds)
{
    TSrodowisko S;
    Linia(S.R, Kolor::Czarny, true, -50, 1, -40, 2, 0.1, false); // all left of the picture
    Linia(S.R, Kolor::Czarny, true, 1, 150, 2, 160, 0.1, false); // all below it
    EXPECT_TRUE(S.Ekran.Linie().empty());
    // A line from far left to far right is cut to the picture's neighbourhood, on its own row.
    Linia(S.R, Kolor::Czarny, true, -1e9, 5, 1e9, 5, 0.1, false);
    const auto l = S.Ekran.Linie();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].Y1, 5000);
    EXPECT_EQ(l[0].Y2, 5000);
    EXPECT_LT(l[0].X1, 0);
    EXPECT_GT(l[0].X2, 100000);
    EXPECT_GT(l[0].X1, -100);
    EXPECT_LT(l[0].X2, 100100);
    // The end inside the picture stays exactly where it was, however far the other one lies.
    S.Ekran.Wyczysc();
    Linia(S.R, Kolor::Czarny, true, -1e15, 5, 5, 5, 0.1, false);
    ASSERT_EQ(S.Ekran.Linie().size(), 1u);
    EXPECT_EQ(S.Ekran.Linie()[0].X2, 5000);
}

TEST(Podpory, APinnedSupportIsATriangleUnderItsApexAndARollerAddsALine)
{
    TSrodowisko S;
    PodporaStala(S.R, Kolor::Czarny, true, 2, 3, 0.4, 0.4, 0.1, 0.5, false);
    auto l = S.EkranCm();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_TRUE(Laczy(l[0], 2, 3, 2.2, 3.4));
    EXPECT_TRUE(Laczy(l[1], 2.2, 3.4, 1.8, 3.4));
    EXPECT_TRUE(Laczy(l[2], 1.8, 3.4, 2, 3));

    S.Ekran.Wyczysc();
    PodporaPrzesuwna(S.R, Kolor::Czarny, true, 2, 3, 0.4, 0.4, 0.1, 0.5, false);
    l = S.EkranCm();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(Laczy(l[3], 2.2, 3.48, 1.8, 3.48)); // at 1.2 · Wys under the apex
    for (const TOperacja& o : S.Ekran.Linie())
        EXPECT_EQ(o.Pioro.Grubosc, 10); // Grubosc 0.1 mm, not Grubosc2
}

TEST(Podpory, AClampsWallTakesTheSecondPenAndItsMirrorHatchesTheOtherWay)
{
    TSrodowisko S;
    UtwierdzeniePrawe(S.R, Kolor::Czarny, true, 2, 3, 0.4, 0.4, 0.1, 0.5, false);
    const auto prawe = S.EkranCm();
    const auto pisma = S.Ekran.Linie();
    ASSERT_EQ(prawe.size(), 6u);
    EXPECT_TRUE(Laczy(prawe[0], 2, 3.4, 2, 2.6));
    EXPECT_EQ(pisma[0].Pioro.Grubosc, 50);
    EXPECT_TRUE(Laczy(prawe[1], 2.2, 2.6, 2.4, 2.8));
    EXPECT_TRUE(Laczy(prawe[5], 2, 3.2, 2.2, 3.4));
    for (size_t i = 1; i < 6; ++i) {
        EXPECT_EQ(pisma[i].Pioro.Grubosc, 10);
        EXPECT_GE(std::min(prawe[i].x1, prawe[i].x2), 2 - 0.0015); // hatched towards +x
    }

    S.Ekran.Wyczysc();
    UtwierdzenieLewe(S.R, Kolor::Czarny, true, 2, 3, 0.4, 0.4, 0.1, 0.5, false);
    const auto lewe = S.EkranCm();
    ASSERT_EQ(lewe.size(), 6u);
    for (size_t i = 0; i < 6; ++i) // mirrored about the wall x = 2
        EXPECT_TRUE(Laczy(lewe[i], 4 - prawe[i].x1, prawe[i].y1, 4 - prawe[i].x2, prawe[i].y2, 0.003)) << i;
}

TEST(Strzalki, AForceArrowHasItsTipAtTheAnchorAndItsShaftAbove)
{
    TSrodowisko S;
    StrzalkaSily(S.R, Kolor::Czarny, true, 2, 3, 0.5, 0.5, 0.2, 0.2, false);
    const auto l = S.EkranCm();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(Laczy(l[0], 2, 3, 2.03, 2.9));
    EXPECT_TRUE(Laczy(l[1], 2.03, 2.9, 1.97, 2.9));
    EXPECT_TRUE(Laczy(l[3], 2, 2.9, 2, 2.5));
}

TEST(Strzalki, AReactionArrowIsAClosedOutlineWiderAtTheHead)
{
    TSrodowisko S;
    StrzalkaReakcji(S.R, Kolor::Czarny, true, 2, 3, 2, 1, 0.2, 0.2, false);
    const auto l = S.EkranCm();
    ASSERT_EQ(l.size(), 7u);
    // Closed: every stroke starts where the previous ended, the last ends at the tip.
    for (size_t i = 1; i < l.size(); ++i)
        EXPECT_TRUE(std::abs(l[i].x1 - l[i - 1].x2) < 0.0015 && std::abs(l[i].y1 - l[i - 1].y2) < 0.0015) << i;
    EXPECT_TRUE(Laczy(l[6], 1.8, 3.2, 2, 3));
    const TRamka r = Ramka(l);
    EXPECT_NEAR(r.MaxX - r.MinX, 0.4, 0.002); // head: 2 · 0.1 · Szer
    EXPECT_NEAR(r.MaxY, 4, 0.0015);
    // The shaft's bottom: 2 · 0.03 · Szer wide.
    EXPECT_TRUE(Laczy(l[3], 2.06, 4, 1.94, 4));
}

TEST(Momenty, ASingleArcRunsFromTheTopOverItsSideToATipAtTheBottom)
{
    TSrodowisko S;
    MomentLewoskretny(S.R, Kolor::Czarny, true, 5, 5, 1, 1, 0.2, 0.2, false);
    auto l = S.EkranCm();
    ASSERT_EQ(l.size(), 21u); // radius, 17 chords, head of three
    EXPECT_TRUE(Laczy(l[0], 5, 5, 5, 4));
    EXPECT_NEAR(Ramka(l).MinX, 4, 0.0015); // over the left side
    EXPECT_GT(Ramka(l).MaxX, 5 - 0.0015);
    // Both head sides end at the tip (X, Y + Wys).
    EXPECT_NEAR(l[19].x2, 5, 0.0015);
    EXPECT_NEAR(l[19].y2, 6, 0.0015);
    EXPECT_NEAR(l[20].y2, 6, 0.0015);
    // The last chord ends at a = π/2 − 17 · 0.157 on the left, below the anchor.
    const double a = std::numbers::pi / 2 - 17 * 0.157;
    EXPECT_NEAR(l[17].x2, 5 - std::cos(a), 0.0015);
    EXPECT_NEAR(l[17].y2, 5 - std::sin(a), 0.0015);

    S.Ekran.Wyczysc();
    MomentPrawoskretny(S.R, Kolor::Czarny, true, 5, 5, 1, 1, 0.2, 0.2, false);
    l = S.EkranCm();
    ASSERT_EQ(l.size(), 21u);
    EXPECT_NEAR(Ramka(l).MaxX, 6, 0.0015); // mirrored: over the right side
    EXPECT_NEAR(l[17].x2, 5 + std::cos(a), 0.0015);
}

TEST(Momenty, DoubleArcsGoOverTheirSideTowardsTheirTip)
{
    struct TPrzypadek {
        void (*Rysuj)(TRysowanie&, int32_t, bool, double, double, double, double, double, double, bool);
        bool PoLewej;
        double GrotY; // the tip: Y − Wys at the top, Y + Wys at the bottom
    };
    const TPrzypadek przypadki[] = {
        {MomentPodwojnyA, true, 4}, {MomentPodwojnyB, true, 6}, {MomentPodwojnyC, false, 4}, {MomentPodwojnyD, false, 6}};
    for (const TPrzypadek& p : przypadki) {
        TSrodowisko S;
        p.Rysuj(S.R, Kolor::Czarny, true, 5, 5, 1, 1, 0.2, 0.2, false);
        const auto l = S.EkranCm();
        ASSERT_EQ(l.size(), 39u); // tail, 2 × 17 chords, head of four
        const TRamka r = Ramka(l);
        // The outer line passes 1.1 · Szer out on its side at a = 0.
        if (p.PoLewej)
            EXPECT_NEAR(r.MinX, 5 - 1.1, 0.0015);
        else
            EXPECT_NEAR(r.MaxX, 5 + 1.1, 0.0015);
        // The tail crosses the start, opposite the tip, from radius 0.9 to 1.1.
        const double start = 5 - p.GrotY;
        EXPECT_TRUE(Laczy(l[0], 5, 5 + start * 0.9, 5, 5 + start * 1.1, 0.002));
        EXPECT_NEAR(l[37].y2, p.GrotY, 0.0015);
        EXPECT_NEAR(l[38].y2, p.GrotY, 0.0015);
        EXPECT_NEAR(l[38].x2, 5, 0.0015);
    }
}

TEST(Momenty, AnArcWithDifferentSizesIsAnEllipse)
{
    TSrodowisko S;
    MomentLewoskretny(S.R, Kolor::Czarny, true, 5, 5, 2, 1, 0.2, 0.2, false);
    const auto l = S.EkranCm();
    EXPECT_NEAR(Ramka(l).MinX, 3, 0.0015); // 2 cm to the left
    EXPECT_NEAR(l[0].y2, 4, 0.0015);       // 1 cm up
}

TEST(ObciazenieRownomierne, PutsArrowsAboutTheirLengthApartWithBothEndsIncluded)
{
    struct TPrzypadek {
        double Dlugosc;
        size_t Strzalki;
        double Odstep;
    };
    // n = trunc(L / Wys) + 1 spaces, n + 1 arrows
    for (const TPrzypadek& p : {TPrzypadek{4, 6, 0.8}, TPrzypadek{3.5, 5, 0.875}}) {
        TSrodowisko S;
        ObciazenieRownomierne(S.R, Kolor::Czarny, true, 1, 1 + p.Dlugosc, 5, 1, 1, 0.2, 0.2, false);
        const auto l = S.EkranCm();
        EXPECT_TRUE(Laczy(l[0], 1, 4, 1 + p.Dlugosc, 4)); // the top line at height Wys
        const auto trzony = Trzony(l, 5);
        ASSERT_EQ(trzony.size(), p.Strzalki) << p.Dlugosc;
        for (size_t i = 0; i < trzony.size(); ++i) {
            EXPECT_NEAR(trzony[i].x1, 1 + double(i) * p.Odstep, 0.0015);
            EXPECT_TRUE(Laczy(trzony[i], trzony[i].x1, 4.8, trzony[i].x1, 4)); // from 0.2 · Wys up to Wys
        }
        EXPECT_TRUE(JestOdcinek(l, 1 + p.Dlugosc, 5, 1 + p.Dlugosc + 0.08, 4.8)); // the last head's side
    }
}

TEST(ObciazenieRownomierne, DegenerateRowsFinishWithABoundedNumberOfArrows)
{
    TSrodowisko S;
    ObciazenieRownomierne(S.R, Kolor::Czarny, true, 1, 5, 5, 1, 0, 0.2, 0.2, false);
    EXPECT_EQ(S.Ekran.Linie().size(), 1u); // Wys 0: only the top line
    S.Ekran.Wyczysc();
    ObciazenieRownomierne(S.R, Kolor::Czarny, true, 1, 1, 5, 0, 0, 0.2, 0.2, false);
    EXPECT_LE(S.Ekran.Linie().size(), 1u);
    S.Ekran.Wyczysc();
    ObciazenieRownomierne(S.R, Kolor::Czarny, true, 0, 50, 5, 1e-12, 1e-12, 0.2, 0.2, false);
    EXPECT_LE(S.Ekran.Linie().size(), size_t(1 + 4 * MaxStrzalekRzedu));
}

TEST(ObciazenieRownomierne, ANegativeLoadGetsItsArrowsUnderTheBaseLine)
{
    TSrodowisko S;
    ObciazenieRownomierne(S.R, Kolor::Czarny, true, 1, 5, 5, -1, -1, 0.2, 0.2, false);
    const auto trzony = Trzony(S.EkranCm(), 5);
    ASSERT_EQ(trzony.size(), 6u);
    EXPECT_GT(std::min(trzony[0].y1, trzony[0].y2), 5); // below the base line, pointing up at it
}

TEST(ObciazenieTrapezowe, ArrowsAndHeadsGrowTowardsTheHigherEnd)
{
    TSrodowisko S;
    ObciazenieTrapezowe(S.R, Kolor::Czarny, true, 1, 5, 5, 1, 2, 2, 1, 0.2, 0.2, false);
    const auto l = S.EkranCm();
    EXPECT_TRUE(Laczy(l[0], 1, 4, 5, 3)); // top line from H1 to H2
    const auto trzony = Trzony(l, 5);
    ASSERT_EQ(trzony.size(), 6u);
    // First arrow: h = H1 = 1, r = h / H2 = 0.5: shaft from 0.2 · r · Wys up to h.
    EXPECT_TRUE(Laczy(trzony.front(), 1, 4.9, 1, 4));
    EXPECT_TRUE(Laczy(trzony.back(), 5, 4.8, 5, 3));
    // Head bases: 2 · 0.08 · r · Szer wide, half as wide at the lower end.
    EXPECT_TRUE(JestOdcinek(l, 1.08, 4.9, 0.92, 4.9));
    EXPECT_TRUE(JestOdcinek(l, 5.16, 4.8, 4.84, 4.8));
}

TEST(ObciazenieTrapezowe, DegenerateRowsNeitherDivideByZeroNorHang)
{
    TSrodowisko S;
    ObciazenieTrapezowe(S.R, Kolor::Czarny, true, 3, 3, 5, 1, 2, 2, 1, 0.2, 0.2, false); // X2 = X1
    for (const TOdcinekCm& o : S.EkranCm())
        EXPECT_TRUE(std::isfinite(o.x1) && std::isfinite(o.y2));
    S.Ekran.Wyczysc();
    ObciazenieTrapezowe(S.R, Kolor::Czarny, true, 1, 5, 5, 0, 0, 0, 1, 0.2, 0.2, false); // H1 = H2 = 0
    EXPECT_EQ(S.Ekran.Linie().size(), 1u);
    S.Ekran.Wyczysc();
    ObciazenieTrapezowe(S.R, Kolor::Czarny, true, 1, 5, 5, 1, 2, 2, 0, 0.2, 0.2, false); // Wys = 0
    EXPECT_EQ(S.Ekran.Linie().size(), 1u);
}

TEST(Kratka, DrawsInnerLinesOnlyStoppingShortOfTheEdges)
{
    TSrodowisko S;
    Kratka(S.R, Kolor::Kratka, true, 1, 1, 3, 2.5, 0.5, 0.01, false);
    const auto l = S.EkranCm();
    ASSERT_EQ(l.size(), 5u); // y + 0.5, y + 1.0; then x + 0.5, x + 1.0, x + 1.5
    EXPECT_TRUE(Laczy(l[0], 1.05, 1.5, 2.95, 1.5));
    EXPECT_TRUE(Laczy(l[1], 1.05, 2, 2.95, 2));
    EXPECT_TRUE(Laczy(l[2], 1.5, 1.05, 1.5, 2.45));
    EXPECT_TRUE(Laczy(l[4], 2.5, 1.05, 2.5, 2.45));
    EXPECT_EQ(S.Ekran.Linie()[0].Pioro.Kolor, Kolor::Kratka);

    S.Ekran.Wyczysc();
    Kratka(S.R, Kolor::Kratka, true, 1, 1, 3, 2.5, 0, 0.01, false);
    Kratka(S.R, Kolor::Kratka, true, 1, 1, 3, 2.5, -0.5, 0.01, false);
    EXPECT_TRUE(S.Ekran.Linie().empty());
    Kratka(S.R, Kolor::Kratka, true, 0, 0, 1e9, 1e9, 1e-9, 0.01, false);
    EXPECT_LE(S.Ekran.Linie().size(), size_t(2 * MaxLiniiKratki));
}

TEST(RamkaArkusza, DrawsTheShadowThenTheWhiteSheetOnScreenOnly)
{
    TSrodowisko S;
    S.Widok.ArkuszSzerokosc = 20.5;
    S.Widok.ArkuszWysokosc = 28.5;
    RamkaArkusza(S.R, 1, 2);
    const auto p = S.Ekran.Rodzaju(TOperacja::Rodzaj::Prostokat);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].Pioro, (TPioro{Kolor::CiemnySzary, 1}));
    EXPECT_EQ(p[0].Wypelnienie, Kolor::CiemnySzary);
    EXPECT_NEAR(p[0].X1, 1300, 1);
    EXPECT_NEAR(p[0].Y1, 2300, 1);
    EXPECT_NEAR(p[0].X2, 21800, 1);
    EXPECT_NEAR(p[0].Y2, 30800, 1);
    EXPECT_EQ(p[1].Pioro, (TPioro{Kolor::Czarny, 1}));
    EXPECT_EQ(p[1].Wypelnienie, Kolor::Bialy);
    EXPECT_NEAR(p[1].X1, 1000, 1);
    EXPECT_NEAR(p[1].Y2, 30500, 1);
    EXPECT_TRUE(S.Druk.Operacje.empty());
}

TEST(Wymiar, CentresItsLabelAboveALineRunningOnPastBothEnds)
{
    TSrodowisko S;
    ASSERT_EQ(WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *S.Czcionka), "");
    S.Nastawy.WysokoscCzcionki = 0.3f;
    S.Nastawy.SzerokoscCzcionki = 0.22f;
    Wymiar(S.R, "6,00m", Kolor::Czarny, 2, 8, 5, 0.1, 0.2, true, false);
    const auto l = S.EkranCm();
    const auto pisma = S.Ekran.Linie();
    ASSERT_GE(l.size(), 6u);
    const size_t n = l.size();
    EXPECT_TRUE(Laczy(l[n - 5], 1.5, 5, 8.5, 5));
    EXPECT_TRUE(Laczy(l[n - 4], 2, 4.75, 2, 5.25));
    EXPECT_TRUE(Laczy(l[n - 3], 8, 4.75, 8, 5.25));
    EXPECT_TRUE(Laczy(l[n - 2], 2.15, 4.85, 1.85, 5.15));
    EXPECT_TRUE(Laczy(l[n - 1], 8.15, 4.85, 7.85, 5.15));
    EXPECT_EQ(pisma[n - 5].Pioro.Grubosc, 10);
    EXPECT_EQ(pisma[n - 1].Pioro.Grubosc, 20);
    // The label starts w/2 left of the middle, w measured with the height factor, and stands on Y − 0.05.
    const double w = DlugoscTekstu(*S.Czcionka, "6,00m", 0.3f);
    const TRamka napis = Ramka(std::vector<TOdcinekCm>(l.begin(), l.end() - 5));
    const Glif& szostka = (*S.Czcionka)['6'];
    const int lewyBrzeg = *std::min_element(szostka.X1, szostka.X1 + szostka.IloscKresek);
    EXPECT_NEAR(napis.MinX, 5 - w / 2 + lewyBrzeg * 0.012 * 0.22f, 0.003); // ink starts past the bearing
    EXPECT_NEAR(napis.MaxY, 4.95, 0.002);
    EXPECT_LT(napis.MaxX, 8);
}

// The zoom an interactive user cannot reach, set directly: nothing drawn may
// leave the 32-bit pixel range or the surface's neighbourhood, and every call finishes.
class SkrajnyZoom : public ::testing::TestWithParam<double> {};

TEST_P(SkrajnyZoom, ProducesOnlyPixelsNearThePictureAndFinishes)
{
    TSrodowisko S;
    ASSERT_EQ(WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *S.Czcionka), "");
    TPowierzchniaZapis ekran(1920, 1080), druk(4960, 7016);
    TRysowanie r{&ekran, &druk, S.Widok, *S.Czcionka, S.Nastawy, ','};
    S.Widok.SkalaWidoku = GetParam();
    S.Widok.EkranSrodekX = 960;
    S.Widok.EkranSrodekY = 540;
    S.Widok.SrodekX = 3.3;
    S.Widok.SrodekY = -6.2;

    Linia(r, Kolor::Czarny, true, 0, 6, 20, 6, 0.5, true);
    Linia(r, Kolor::Czarny, true, 3.3, 0, 3.3001, 1e6, 0.5, true);
    Linia(r, Kolor::Czarny, true, -1e30f, 6.2, 1e30f, 6.2, 0.5, true);
    Tekst(r, "KOMBINACJA OBCI\xA5\xAF\x45\xD1 12,50kN/m", Kolor::Czarny, 3.3, 6.2, 0.3, 0.22, 0.1, 0, true, true);
    Tekst(r, "6,00m", Kolor::Czarny, 3.29, 6.25, 0.3, 0.22, 0.1, 37, true, true);
    Tytul(r, "MOMENTY [kNm]", Kolor::Czarny, 3.3, 6.2, 0.5, true, true);
    Tytul(r, "MOMENTY [kNm]", Kolor::Czarny, 3.2, 6.3, 0.5, true, true);
    MomentPodwojnyD(r, Kolor::Czarny, true, 3.3, 6.2, 0.35, 0.2, 0.1, 0.2, true);
    StrzalkaReakcji(r, Kolor::Granatowy, true, 3.3, 6.2, 0.8, 0.8, 0.1, 0.2, true);
    UtwierdzenieLewe(r, Kolor::Czarny, true, 3.3, 6.2, 0.4, 0.4, 0.1, 0.5, true);
    ObciazenieRownomierne(r, Kolor::Czerwony, true, 3, 13, 6.2, 0.4, 0.4, 0.2, 0.2, true);
    ObciazenieTrapezowe(r, Kolor::Czerwony, true, 3, 13, 6.2, 0.1, 0.5, 0.5, 0.5, 0.2, 0.2, true);
    Kratka(r, Kolor::Kratka, true, 0, 0, 20.5, 28.5, 0.5, 0.01, true);
    RamkaArkusza(r, 0, 0);
    Wymiar(r, "6,00m", Kolor::Czarny, 3, 9, 7.7, 0.1, 0.2, true, true);

    for (const TPowierzchniaZapis* p : {&ekran, &druk}) {
        const TRozmiarPowierzchni rozmiar = p->Rozmiar();
        const int32_t margines = MaxGruboscPiora + 10;
        for (const TOperacja& o : p->Operacje) {
            if (o.Co == TOperacja::Rodzaj::Pioro)
                continue;
            EXPECT_GE(o.X1, -margines);
            EXPECT_GE(o.Y1, -margines);
            EXPECT_LE(o.X1, rozmiar.Szerokosc + margines);
            EXPECT_LE(o.Y1, rozmiar.Wysokosc + margines);
            if (o.Co != TOperacja::Rodzaj::Napis) {
                EXPECT_GE(o.X2, -margines);
                EXPECT_GE(o.Y2, -margines);
                EXPECT_LE(o.X2, rozmiar.Szerokosc + margines);
                EXPECT_LE(o.Y2, rozmiar.Wysokosc + margines);
            }
            EXPECT_LE(o.Pioro.Grubosc, MaxGruboscPiora);
        }
    }
    EXPECT_FALSE(ekran.Linie().empty()); // something of it is on screen at either end of the range
}

INSTANTIATE_TEST_SUITE_P(Drawing, SkrajnyZoom, ::testing::Values(1e-9, 1e12));
