// The load dialogs' preview, recorded at 1000 pixels per cm with the scheme's
// axis at (3, 6) cm and 0.1 cm per kN: a value of 10 is 1 cm.
#include "Pomocnicze.h"

#include "drawing/PodgladObciazen.h"
#include "model/Budowa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using R = TObciazeniePodgladu::TRodzaj;

struct Podglad : ::testing::Test {
    TSrodowisko S;
    TDaneZadania zad;
    void SetUp() override
    {
        UstawGeometrie(zad, {4, 4}, false, false);
        zad.IloscKombinacji = 1;
        zad.Nastawy.SkalaSil = 0.1f;
        S.R.Druk = nullptr;
    }
    std::vector<TOdcinekCm> Rysuj(TObciazeniePodgladu o)
    {
        S.Ekran.Wyczysc();
        PodgladObciazenia(S.Nakladka, zad, o);
        for (const TOperacja& op : S.Ekran.Linie())
            EXPECT_EQ(op.Pioro, (TPioro{Kolor::Czerwony, 1}));
        return S.EkranCm();
    }
    // The shafts of a band: its vertical lines that do not reach the axis.
    static std::vector<double> Trzony(const std::vector<TOdcinekCm>& linie)
    {
        std::vector<double> x;
        for (const TOdcinekCm& l : linie)
            if (std::abs(l.x1 - l.x2) < 1e-3 && std::max(l.y1, l.y2) < 6 - 0.0005)
                x.push_back(l.x1);
        std::sort(x.begin(), x.end());
        return x;
    }
};

TEST_F(Podglad, AForceIsAnArrowOntoTheAxisWithItsValueOnYellowAboveIt)
{
    const auto l = Rysuj({R::Sila, 0, 2, 0, 10, 0});
    ASSERT_EQ(l.size(), 4u);
    EXPECT_TRUE(JestOdcinek(l, 5, 6, 4.94, 5.8)); // head base at ± 0.06 b, 0.2 a above the tip
    EXPECT_TRUE(JestOdcinek(l, 4.94, 5.8, 5.06, 5.8));
    EXPECT_TRUE(JestOdcinek(l, 5.06, 5.8, 5, 6));
    EXPECT_TRUE(JestOdcinek(l, 5, 5.8, 5, 5));
    const auto napisy = S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_EQ(napisy.size(), 1u);
    EXPECT_EQ(std::tuple(napisy[0].Tekst, napisy[0].X1, napisy[0].Y1, napisy[0].Wysokosc, napisy[0].KolorTekstu,
                         napisy[0].Wypelnienie),
              std::tuple(std::string("10,00kN"), 5000 + 4, S.Widok.NaEkranY(0.65 * 10 * double(0.1f) - 6) - 12, 12,
                         Kolor::Czarny, Rgb(255, 255, 0)));
}

TEST_F(Podglad, AMomentIsSeventeenChordsTurningByItsSignWithAHeadAtTheBottom)
{
    for (const double v : {10.0, -10.0}) {
        SCOPED_TRACE(v);
        const double r = v * double(zad.Nastawy.SkalaSil);
        const auto l = Rysuj({R::Moment, 1, 1, 0, v, 0}); // x = 4 + 1 m → 8 cm
        ASSERT_EQ(l.size(), 1u + 17u + 3u);
        EXPECT_TRUE(JestOdcinek(l, 8, 6, 8, 6 - r));
        const double t = 3.14159265358979 / 2 + (v > 0 ? 17 : -17) * 0.157;
        const auto P = [&](double tt, double rr) { return std::pair(8 - rr * std::cos(tt), 6 - rr * std::sin(tt)); };
        const auto [ax, ay] = P(t, 0.8 * r);
        const auto [bx, by] = P(t, 1.2 * r);
        EXPECT_TRUE(JestOdcinek(l, ax, ay, bx, by));
        EXPECT_TRUE(JestOdcinek(l, bx, by, 8, 6 + r)); // the tip at −π/2
        const auto napisy = S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis);
        ASSERT_EQ(napisy.size(), 1u);
        EXPECT_EQ(std::tuple(napisy[0].Tekst, napisy[0].Y1),
                  std::tuple(std::string(v > 0 ? "10,00kNm" : "-10,00kNm"), S.Widok.NaEkranY(r - 6) - 12));
    }
}

TEST_F(Podglad, BandsStandTheirArrowsAtMostOneBandHeightApartFromEndToEnd)
{
    struct Przypadek {
        TObciazeniePodgladu o;
        double wysokosc; // the largest arrow
        size_t napisy;
    };
    for (const Przypadek& p : std::vector<Przypadek>{{{R::Liniowe, 0, 0, 4, 10, 0}, 1.0, 1},
                                                     {{R::Liniowe, 0, 1, 1.3, 0.0001, 0}, 0.001, 1},
                                                     {{R::Trojkat, 0, 0, 4, 0, 5}, 0.5, 2},
                                                     {{R::Trojkat, 0, 0.5, 3.5, 8, 2}, 0.8, 2}}) {
        SCOPED_TRACE(int(p.o.Rodzaj));
        const auto trzony = Trzony(Rysuj(p.o));
        const double xs = 3 + p.o.X1, xe = 3 + p.o.X2;
        ASSERT_GE(trzony.size(), 2u);
        EXPECT_NEAR(trzony.front(), xs, 0.0015);
        EXPECT_NEAR(trzony.back(), xe, 0.0015);
        for (size_t i = 1; i < trzony.size(); ++i)
            EXPECT_LE(trzony[i] - trzony[i - 1], p.wysokosc + 0.0015);
        EXPECT_EQ(S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis).size(), p.napisy);
    }
    // Start past the end: a sliver at the beam's start instead of nothing.
    const auto sliver = Trzony(Rysuj({R::Trojkat, 1, 2, 1, 3, 4}));
    ASSERT_FALSE(sliver.empty());
    EXPECT_NEAR(sliver.front(), 3.001, 0.0015);
    EXPECT_NEAR(sliver.back(), 3.002, 0.0015);
    // The start value's label ends 4 pixels left of the band's start.
    Rysuj({R::Trojkat, 0, 1, 3, 2, 6});
    const auto napisy = S.Ekran.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_EQ(napisy.size(), 2u);
    EXPECT_EQ(std::tuple(napisy[1].Tekst, napisy[1].X1 + int32_t(std::lround(6 * 0.5 * 12))),
              std::tuple(std::string("2,00kN"), 4000 - 4));
}

TEST_F(Podglad, TheSpanMarkerDrawsTheBeamGreyAndTheChosenSpanBlackWithItsNumber)
{
    DodajSile(zad, 0, 1, 10);
    ZnacznikPrzesla(S.R, zad, 1, {.Glowne = 0.5, .Drugie = 0.5});
    std::set<int32_t> kolory;
    for (const TOperacja& o : S.Ekran.Linie())
        kolory.insert(o.Pioro.Kolor.Bgr());
    EXPECT_EQ(kolory, (std::set<int32_t>{Rgb(150, 150, 150).Bgr(), Kolor::Czarny.Bgr()}));
    // Black only over the second span, from 4 cm past the beam's start (its support half a centimetre wide).
    for (const TOperacja& o : S.Ekran.Linie()) {
        if (o.Pioro.Kolor == Kolor::Czarny) {
            EXPECT_GE(std::min(o.X1, o.X2), 7000 - 500) << o.X1 << " " << o.X2;
        }
    }
}

} // namespace
