#include "Policzone.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(Analiza, SimplySupportedSpanUnderUniformLoad)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {6}, true, true);
    DodajLiniowe(p.zad, 0, 0, 6, 10);
    ASSERT_TRUE(p.Licz());
    const TEkstrema& e = p.wyn.EkstremaM[0][0];
    EXPECT_EQ(e.IloscPunktow, 601) << "the two ends plus 599 inner points";
    // −qL/2 at both ends, qL²/8 at midspan.
    ExpectBliskie({p.M(0).MomentL, p.M(0).MomentP, p.F(0).TL, p.F(0).TP}, {0, 0, -30, -30}, 1e-12);
    ExpectBliskie({MomentZWykresu(p.zad, p.wyn, 0, 0, 3.0), e.Max, e.XMax, p.wyn.NajwiekszyM}, {45, 45, 3, 45}, 1e-4);
    EXPECT_NEAR(TnacaZWykresu(p.zad, p.wyn, 0, 0, 0.5), 30.0 - 10 * 0.5, 1e-9); // qL/2 − q·x
    // The extremes at the very ends: Tmax = qL/2 at 0, Tmin = −qL/2 at L.
    const TEkstrema& t = p.wyn.EkstremaT[0][0];
    ExpectBliskie({t.Max, t.XMax, t.Min, t.XMin, double(t.JestMax && t.JestMin)}, {30, 0, -30, 6, 1}, 1e-9);
}

TEST(Analiza, TwoClampedSpansWithOneLoadedGiveTheWorkedExample)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {6, 6}, false, false);
    DodajLiniowe(p.zad, 0, 0, 6, 10);
    ASSERT_TRUE(p.Licz());
    ExpectBliskie({p.wyn.MacierzK[0][0], p.wyn.WektorQ[0], p.wyn.WektorX[0]}, {8.0 / 6, -30, -22.5}, 1e-12);
    EXPECT_EQ(p.wyn.Obroty[0], p.wyn.WektorX);
    ExpectBliskie({p.M(0).MomentL, p.M(0).MomentP, p.F(0).TL, p.M(1).MomentL, p.M(1).MomentP, p.R(0)},
                  {-37.5, 15, -33.75, -15, -7.5, 33.75}, 1e-5);
}

TEST(Analiza, EqualSpansUnderUniformLoadGiveTheTextbookSupportMoments)
{
    const double q = 12, L = 5, qL2 = q * L * L, qL = q * L;
    const struct {
        int32_t przesla;
        std::vector<double> momenty, reakcje; // from the left end on
    } przypadki[] = {
        {2, {-qL2 / 8}, {3 * qL / 8, 10 * qL / 8, 3 * qL / 8}},
        {3, {-0.1 * qL2, -0.1 * qL2}, {0.4 * qL, 1.1 * qL}},
        {4, {-3.0 / 28 * qL2, -1.0 / 14 * qL2, -3.0 / 28 * qL2}, {11.0 / 28 * qL, 32.0 / 28 * qL, 26.0 / 28 * qL}},
    };
    for (const auto& [n, momenty, reakcje] : przypadki) {
        SCOPED_TRACE(n);
        TPoliczone p;
        UstawGeometrie(p.zad, {5, 5, 5, 5}, true, true);
        p.zad.Przesla.resize(size_t(n));
        p.zad.IloscPrzesel = n;
        UstawKodyPrzesel(p.zad);
        for (int32_t s = 0; s < n; ++s)
            DodajLiniowe(p.zad, s, 0, float(L), float(q));
        ASSERT_TRUE(p.Licz());
        std::vector<double> M, R;
        for (size_t s = 0; s < momenty.size(); ++s)
            M.push_back(-p.M(int32_t(s)).MomentP); // support moment, sagging positive
        for (size_t k = 0; k < reakcje.size(); ++k)
            R.push_back(p.R(int32_t(k)));
        ExpectBliskie(M, momenty, 1e-4);
        ExpectBliskie(R, reakcje, 1e-4);
    }
}

TEST(Analiza, FixedFixedSpanUnderAForceGivesTheTextbookEndMoments)
{
    TPoliczone p;
    const double P = 40, L = 5, a = 2, b = 3;
    UstawGeometrie(p.zad, {5}, false, false);
    DodajSile(p.zad, 0, 2, 40);
    ASSERT_TRUE(p.Licz());
    ExpectBliskie({p.M(0).MomentL, p.M(0).MomentP, p.R(0)},
                  {-P * a * b * b / (L * L), P * a * a * b / (L * L), P * b * b * (3 * a + b) / (L * L * L)}, 1e-9);
    EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 0, a), 2 * P * a * a * b * b / (L * L * L), 1e-3);
}

TEST(Probkowanie, PointForceOnAGridPointGivesTwoPointsAndThreeMillimetresOffIsStillCaught)
{
    // Regression: both sides of the jump of a force 3 mm off the grid point were read left of it.
    for (const float x : {2.0f, 2.003f, 1.996f}) {
        TPoliczone p;
        UstawGeometrie(p.zad, {4}, true, true);
        DodajSile(p.zad, 0, x, 10);
        ASSERT_TRUE(p.Licz());
        const auto& t = p.wyn.WykresT[0][0];
        // Four shear points, the inner two at the grid point; the moment line only bends there.
        ASSERT_EQ(std::tuple(p.wyn.EkstremaT[0][0].IloscPunktow, p.wyn.EkstremaM[0][0].IloscPunktow), std::tuple(4, 3));
        EXPECT_EQ(std::tuple(t[1].X, t[2].X), std::tuple(2.0f, 2.0f));
        EXPECT_NEAR(t[1].Wartosc - t[2].Wartosc, 10, 1e-4) << "the shear drops by the force";
    }
}

TEST(Probkowanie, PointMomentJumpsTheMomentLineAndLeavesTheShearAlone)
{
    for (const float a : {2.5f, 2.503f}) {
        TPoliczone p;
        UstawGeometrie(p.zad, {5}, true, true);
        DodajMoment(p.zad, 0, a, 20);
        ASSERT_TRUE(p.Licz());
        const auto& m = p.wyn.WykresM[0][0];
        const auto& t = p.wyn.WykresT[0][0];
        ASSERT_EQ(std::tuple(p.wyn.EkstremaM[0][0].IloscPunktow, p.wyn.EkstremaT[0][0].IloscPunktow), std::tuple(4, 2));
        EXPECT_EQ(std::tuple(m[1].X, t[0].Wartosc), std::tuple(2.5f, t[1].Wartosc));
        EXPECT_NEAR(m[2].Wartosc - m[1].Wartosc, 20, 4 * 0.006); // the jump, less the slope over a few mm
        // At a jump the look-up reads just right of it.
        EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 0, 2.5), m[2].Wartosc, 1e-3);
    }
}

TEST(Probkowanie, UnloadedOrVeryShortSpanIsAStraightLineOfTwoPoints)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {4, 3, 0.015f}, true, true);
    DodajLiniowe(p.zad, 0, 0, 4, 5);
    DodajLiniowe(p.zad, 2, 0, 0.015f, 5);
    ASSERT_TRUE(p.Licz());
    for (const int32_t s : {1, 2})
        EXPECT_EQ(std::tuple(p.wyn.EkstremaM[0][s].IloscPunktow, p.wyn.EkstremaT[0][s].IloscPunktow), std::tuple(2, 2));
    const auto M = [&](double x) { return double(MomentZWykresu(p.zad, p.wyn, 0, 1, x)); };
    ExpectBliskie(
        {M(-0.01), M(0), M(3), M(3.01), M(1.5)},
        {p.M(1).MomentL, p.M(1).MomentL, -p.M(1).MomentP, -p.M(1).MomentP, (p.M(1).MomentL - p.M(1).MomentP) / 2},
        1e-4);
}

TEST(Analiza, SingularSystemIsReportedOncePerCombinationAndKeepsFixedEndMoments)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {4, 4, 4}, false, false);
    for (TPrzeslo& s : p.zad.Przesla)
        s.E = 0;
    DodajKombinacje(p.zad, "Druga");
    p.zad.Wspolczynniki[1][0] = 2;
    DodajLiniowe(p.zad, 1, 0, 4, 6);
    ASSERT_TRUE(p.Licz());
    EXPECT_EQ(p.kom.Komunikaty, std::vector<std::string>(2, "det A = 0; Macierz osobliwa "));
    EXPECT_EQ(p.wyn.WektorX, (MacierzWektor{0, 0}));
    for (int32_t c = 0; c < 2; ++c)
        EXPECT_EQ(std::pair(p.M(1, c).MomentL, p.M(1, c).MomentP),
                  std::pair(p.M(1, c).MomentUtwL, p.M(1, c).MomentUtwP));
    EXPECT_NEAR(p.M(1, 1).MomentL, -2 * 6.0 * 16 / 12, 1e-9);
}

TEST(Analiza, RefusesWhatCannotBeAnalysedNamingItAndLeavesNoResults)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {4, 5}, false, false);
    DodajSile(p.zad, 0, 1, 10);
    DodajTrojkat(p.zad, 1, 1, 2, 3, 4);
    ASSERT_TRUE(p.Licz());
    ASSERT_EQ(p.wyn.IloscPoliczonych, 1);

    const std::pair<void (*)(TDaneZadania&), const char*> przypadki[] = {
        {[](TDaneZadania& z) { z.Przesla[0].J = INFINITY; }, "Przęsło 1 ma nieokreślony moment bezwładności J."},
        {[](TDaneZadania& z) { z.Trojkaty[0].WartoscRosnaca = NAN; },
         "Obciążenie liniowo zmienne nr 1 ma nieokreśloną wartość."},
        {[](TDaneZadania& z) { z.Sily[0].Przeslo = 2; }, "Siła skupiona nr 1 leży na przęśle 3, którego nie ma."},
        {[](TDaneZadania& z) { z.Sily[0].Grupa = 10; }, "Siła skupiona nr 1 należy do grupy 11, której nie ma."},
    };
    for (const auto& [psuj, komunikat] : przypadki) {
        TPoliczone zly;
        zly.zad = p.zad;
        zly.wyn = p.wyn;
        psuj(zly.zad);
        zly.Licz();
        EXPECT_EQ(std::tuple(zly.ok, zly.kom.Komunikaty, zly.wyn.IloscPoliczonych),
                  std::tuple(false, std::vector<std::string>{komunikat}, 0));
    }
}

TEST(Analiza, LoadsAddedAfterTheTablesWereSizedAreSampledInFull)
{
    // Regression: the sampled tables were sized from an earlier moment's point-load counts.
    TPoliczone p;
    UstawGeometrie(p.zad, {1}, true, true);
    DopasujProbki(p.zad, p.wyn);
    const int32_t pojemnosc = 100 + 1; // a point per centimetre, none for point forces yet
    for (int32_t i = 1; i < 100; ++i)
        DodajSile(p.zad, 0, i * 0.01f, 1);
    DodajMoment(p.zad, 0, 0.505f, 3);
    ASSERT_TRUE(p.Licz());
    EXPECT_GT(p.wyn.EkstremaT[0][0].IloscPunktow, pojemnosc);
    EXPECT_EQ(int32_t(p.wyn.WykresT[0][0].size()), p.wyn.EkstremaT[0][0].IloscPunktow);
    EXPECT_NEAR(p.R(0) + p.R(1), 99, 1e-9);
}
