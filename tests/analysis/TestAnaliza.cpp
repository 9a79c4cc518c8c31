#include "SumaObciazen.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Obciazenia.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TPoliczone {
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;
    bool ok = false;

    void Licz() { ok = Analiza(zad, wyn, kom); }
    const TMomentyPrzesla& M(int32_t s, int32_t c = 0) const { return wyn.MomentyKoncowe[c][s]; }
    const TSilyPrzesla& F(int32_t s, int32_t c = 0) const { return wyn.SilyKoncowe[c][s]; }
    double R(int32_t k, int32_t c = 0) const { return Reakcja(wyn, c, k, zad.IloscPrzesel); }
};

// Equal spans with hinged extreme supports under a uniform load everywhere.
void RowneWszedzie(TPoliczone& p, int32_t przesla, float L, float q)
{
    UstawGeometrie(p.zad, {L, L, L, L, L, L, L, L, L, L, L, L}, true, true);
    p.zad.Przesla.resize(size_t(przesla));
    p.zad.IloscPrzesel = przesla;
    UstawKodyPrzesel(p.zad);
    for (int32_t s = 0; s < przesla; ++s)
        DodajLiniowe(p.zad, s, 0, L, q);
    p.Licz();
    ASSERT_TRUE(p.ok);
}

// Support moment in the sagging convention: M at the right end of span s.
double MomentPodporowy(const TPoliczone& p, int32_t s)
{
    return -p.M(s).MomentP;
}

} // namespace

TEST(Analiza, SimplySupportedSpanUnderUniformLoad)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {6}, true, true);
    DodajLiniowe(p.zad, 0, 0, 6, 10);
    p.Licz();
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.M(0).MomentL, 0.0);
    EXPECT_EQ(p.M(0).MomentP, 0.0);
    EXPECT_DOUBLE_EQ(p.F(0).TL, -30.0); // −qL/2
    EXPECT_DOUBLE_EQ(p.F(0).TP, -30.0);
    EXPECT_EQ(p.wyn.EkstremaM[0][0].IloscPunktow, 601) << "the two ends plus 599 inner points";
    EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 0, 3.0), 45.0, 1e-4); // qL²/8
    EXPECT_NEAR(p.wyn.EkstremaM[0][0].Max, 45.0, 1e-4);
    EXPECT_NEAR(p.wyn.EkstremaM[0][0].XMax, 3.0, 1e-6);
    // The shear line starts at T(0.001), so it reads q·0.001 low along the span.
    EXPECT_NEAR(TnacaZWykresu(p.zad, p.wyn, 0, 0, 0.5), 25.0, 10 * 0.001);
    EXPECT_NEAR(p.wyn.NajwiekszyM, 45.0f, 1e-4);
}

TEST(Analiza, TwoClampedSpansWithOneLoadedGiveTheWorkedExample)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {6, 6}, false, false);
    DodajLiniowe(p.zad, 0, 0, 6, 10);
    p.Licz();
    ASSERT_TRUE(p.ok);
    EXPECT_DOUBLE_EQ(p.wyn.MacierzK[0][0], 8.0 / 6);
    EXPECT_DOUBLE_EQ(p.wyn.WektorQ[0], -30.0);
    EXPECT_DOUBLE_EQ(p.wyn.WektorX[0], -22.5);
    EXPECT_EQ(p.wyn.Obroty[0], p.wyn.WektorX);
    EXPECT_NEAR(p.M(0).MomentL, -37.5, 1e-5);
    EXPECT_NEAR(p.M(0).MomentP, 15.0, 1e-5);
    EXPECT_NEAR(p.F(0).TL, -33.75, 1e-5);
    EXPECT_NEAR(p.M(1).MomentL, -15.0, 1e-5);
    EXPECT_NEAR(p.M(1).MomentP, -7.5, 1e-5);
    EXPECT_NEAR(p.R(0), 33.75, 1e-5);
}

TEST(Analiza, EqualSpansUnderUniformLoadGiveTheTextbookSupportMoments)
{
    const double q = 12, L = 5, qL2 = q * L * L, qL = q * L;
    {
        TPoliczone p;
        RowneWszedzie(p, 2, 5, 12);
        EXPECT_NEAR(MomentPodporowy(p, 0), -0.125 * qL2, 1e-4);
        EXPECT_NEAR(p.R(0), 3 * qL / 8, 1e-4);
        EXPECT_NEAR(p.R(1), 10 * qL / 8, 1e-4);
        EXPECT_NEAR(p.R(2), 3 * qL / 8, 1e-4);
    }
    {
        TPoliczone p;
        RowneWszedzie(p, 3, 5, 12);
        EXPECT_NEAR(MomentPodporowy(p, 0), -0.100 * qL2, 1e-4);
        EXPECT_NEAR(MomentPodporowy(p, 1), -0.100 * qL2, 1e-4);
        EXPECT_NEAR(p.R(1), 1.1 * qL, 1e-4);
    }
    {
        TPoliczone p;
        RowneWszedzie(p, 4, 5, 12);
        EXPECT_NEAR(MomentPodporowy(p, 0), -3.0 / 28 * qL2, 1e-4); // −0.1071 qL²
        EXPECT_NEAR(MomentPodporowy(p, 1), -1.0 / 14 * qL2, 1e-4); // −0.0714 qL²
        EXPECT_NEAR(MomentPodporowy(p, 2), -3.0 / 28 * qL2, 1e-4);
        EXPECT_NEAR(p.R(0), 11.0 / 28 * qL, 1e-4);
        EXPECT_NEAR(p.R(2), 26.0 / 28 * qL, 1e-4);
    }
}

TEST(Analiza, ProppedCantileverAndFixedFixedSpanGiveTheTextbookValues)
{
    {
        TPoliczone p;
        const double q = 8, L = 5;
        UstawGeometrie(p.zad, {5}, false, true);
        DodajLiniowe(p.zad, 0, 0, 5, 8);
        p.Licz();
        ASSERT_TRUE(p.ok);
        EXPECT_NEAR(p.M(0).MomentL, -q * L * L / 8, 1e-5);
        EXPECT_NEAR(p.R(1), 3 * q * L / 8, 1e-5);
        EXPECT_NEAR(p.wyn.EkstremaM[0][0].Max, 9 * q * L * L / 128, 1e-3); // max sagging at 5L/8 from the clamp
        EXPECT_NEAR(p.wyn.EkstremaM[0][0].XMax, 5 * L / 8, 0.006);
    }
    {
        TPoliczone p;
        const double P = 40, L = 5, a = 2, b = 3;
        UstawGeometrie(p.zad, {5}, false, false);
        DodajSile(p.zad, 0, 2, 40);
        p.Licz();
        ASSERT_TRUE(p.ok);
        EXPECT_NEAR(p.M(0).MomentL, -P * a * b * b / (L * L), 1e-9);
        EXPECT_NEAR(p.M(0).MomentP, P * a * a * b / (L * L), 1e-9);
        EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 0, a), 2 * P * a * a * b * b / (L * L * L), 1e-3);
        EXPECT_NEAR(p.R(0), P * b * b * (3 * a + b) / (L * L * L), 1e-9);
    }
}

namespace {

// Five spans, four groups, three combinations, every load kind, both signs.
void BogateZadanie(TDaneZadania& zad)
{
    UstawGeometrie(zad, {4.5f, 6, 3.2f, 7.4f, 5}, false, true);
    const int32_t u = DodajGrupe(zad, "U\xBFytkowe", 0xFF);
    const int32_t s = DodajGrupe(zad, "\x8Cnieg", 0xFF0000);
    const int32_t w = DodajGrupe(zad, "Wiatr", 0x808080);
    DodajKombinacje(zad, "ULS");
    DodajKombinacje(zad, "Ssanie");
    zad.Wspolczynniki[0] = {1, 1, 0, 0};
    zad.Wspolczynniki[1] = {1.35f, 1.5f, 0.75f, 0.9f};
    zad.Wspolczynniki[2] = {1, 0, 0, 1.5f};
    for (int32_t p = 0; p < 5; ++p) {
        const float L = zad.Przesla[p].L;
        DodajLiniowe(zad, p, 0, L, 4.5f, 0);
        DodajLiniowe(zad, p, 0.3f * L, 0.8f * L, 6, u);
        DodajSile(zad, p, std::round(37 * L) / 100, 25, u);
        DodajSile(zad, p, 1.0f, -8, w);
        DodajTrojkat(zad, p, 0.1f * L, 0.9f * L, 0, 3, s);
        DodajTrojkat(zad, p, 0.2f * L, 0.6f * L, 5, 1, s);
        DodajMoment(zad, p, std::round(50 * L) / 100, p % 2 ? 12.0f : -9.0f, w);
    }
}

} // namespace

TEST(Analiza, EveryCombinationOfARichTaskIsInEquilibrium)
{
    TPoliczone p;
    BogateZadanie(p.zad);
    p.Licz();
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.wyn.IloscPoliczonych, 3);
    for (int32_t c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        double reakcje = 0;
        for (int32_t k = 0; k <= 5; ++k)
            reakcje += p.R(k, c);
        ObciazeniaKombinacji(p.zad, c);
        const double obciazenie = SumaObciazenRoboczych(p.zad);
        // Rotations pass through single precision, hence the tolerances.
        EXPECT_NEAR(reakcje, obciazenie, 1e-7 * std::abs(obciazenie)) << "ΣR = ΣP";
        for (int32_t s = 0; s + 1 < 5; ++s) {
            // the joint is free to rotate: the end moments meeting there balance
            EXPECT_NEAR(p.M(s, c).MomentP + p.M(s + 1, c).MomentL, 0, 1e-5);
            const float lewy = MomentZWykresu(p.zad, p.wyn, c, s, p.zad.Przesla[s].L);
            const float prawy = MomentZWykresu(p.zad, p.wyn, c, s + 1, 0);
            EXPECT_NEAR(lewy, prawy, 1e-4) << "M(x) of neighbouring spans meets at support " << s + 1;
        }
        EXPECT_EQ(p.M(4, c).MomentP, 0.0) << "the hinged right end carries no moment";
        // Statics within each span: M(x) built from the left-end values reaches −MomentP at the right end.
        for (int32_t s = 0; s < 5; ++s) {
            ObciazeniaPrzesla(p.zad, c, s);
            const float L = p.zad.Przesla[s].L;
            const float ML = float(p.M(s, c).MomentL), TL = float(p.F(s, c).TL);
            EXPECT_NEAR(MomentWPrzekroju(p.zad, ML, TL, L), -p.M(s, c).MomentP, 1e-3);
            EXPECT_NEAR(TnacaWPrzekroju(p.zad, TL, L), p.F(s, c).TP, 1e-3);
        }
    }
}

TEST(Analiza, SampledMomentAgreesWithTheShearIntegral)
{
    TPoliczone p;
    BogateZadanie(p.zad);
    p.Licz();
    ASSERT_TRUE(p.ok);
    // dM/dx = T: the change of M between two sections is the area under T.
    const int32_t c = 1, s = 3;
    const double x1 = 0.7, x2 = 6.1;
    double pole = 0;
    const int kroki = 20000;
    for (int i = 0; i < kroki; ++i)
        pole += TnacaZWykresu(p.zad, p.wyn, c, s, x1 + (i + 0.5) * (x2 - x1) / kroki) * (x2 - x1) / kroki;
    const double skok = 12; // the point moment at 3.7 m lies between the two sections
    EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, c, s, x2) - MomentZWykresu(p.zad, p.wyn, c, s, x1), pole + 0.9 * skok,
                0.05);
}

TEST(Probkowanie, PointForceOnAGridPointGivesTwoPointsAndThreeMillimetresOffIsStillCaught)
{
    // Regression: a force 3 mm off the grid point was caught, but both sides of
    // its jump were read left of it, so the shear line sloped to the span's end.
    for (const float x : {2.0f, 2.003f, 1.996f}) {
        TPoliczone p;
        UstawGeometrie(p.zad, {4}, true, true);
        DodajSile(p.zad, 0, x, 10);
        p.Licz();
        ASSERT_TRUE(p.ok);
        const auto& t = p.wyn.WykresT[0][0];
        ASSERT_EQ(p.wyn.EkstremaT[0][0].IloscPunktow, 4);
        EXPECT_FLOAT_EQ(t[1].X, 2.0f);
        EXPECT_FLOAT_EQ(t[2].X, 2.0f);
        EXPECT_NEAR(t[1].Wartosc - t[2].Wartosc, 10, 1e-4) << "the shear drops by the force";
        EXPECT_EQ(p.wyn.EkstremaM[0][0].IloscPunktow, 3) << "the moment line only bends there";
    }
}

TEST(Probkowanie, PointMomentJumpsTheMomentLineAndLeavesTheShearAlone)
{
    for (const float a : {2.5f, 2.503f}) {
        TPoliczone p;
        UstawGeometrie(p.zad, {5}, true, true);
        DodajMoment(p.zad, 0, a, 20);
        p.Licz();
        ASSERT_TRUE(p.ok);
        const auto& m = p.wyn.WykresM[0][0];
        ASSERT_EQ(p.wyn.EkstremaM[0][0].IloscPunktow, 4);
        EXPECT_FLOAT_EQ(m[1].X, 2.5f);
        EXPECT_NEAR(m[2].Wartosc - m[1].Wartosc, 20, 4 * 0.006); // the jump, less the slope over a few mm
        EXPECT_EQ(p.wyn.EkstremaT[0][0].IloscPunktow, 2);
        EXPECT_FLOAT_EQ(p.wyn.WykresT[0][0][0].Wartosc, p.wyn.WykresT[0][0][1].Wartosc);
        // At a jump the look-up reads just right of it.
        EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 0, 2.5), m[2].Wartosc, 1e-3);
    }
}

TEST(Probkowanie, ASectionAtAPointLoadCountsTheLoad)
{
    // A load acts where a ≤ x: the section at the load lies right of its jump.
    TDaneZadania zad;
    UstawGeometrie(zad, {3}, true, true);
    DodajSile(zad, 0, 1, 10);
    DodajMoment(zad, 0, 1, 4);
    ObciazeniaPrzesla(zad, 0, 0);
    const float przed = std::nextafter(1.0f, 0.0f);
    EXPECT_EQ(std::pair(TnacaWPrzekroju(zad, 0, przed), TnacaWPrzekroju(zad, 0, 1)), std::pair(0.0f, -10.0f));
    EXPECT_EQ(std::pair(MomentWPrzekroju(zad, 0, 0, przed), MomentWPrzekroju(zad, 0, 0, 1)), std::pair(0.0f, 4.0f));
}

TEST(Probkowanie, EverySampledValueIsTheSectionEvaluatedOnItsOwn)
{
    TPoliczone p;
    BogateZadanie(p.zad);
    p.Licz();
    ASSERT_TRUE(p.ok);
    for (int32_t c = 0; c < 3; ++c)
        for (int32_t s = 0; s < 5; ++s) {
            ObciazeniaPrzesla(p.zad, c, s);
            const float ML = float(p.M(s, c).MomentL), TL = float(p.F(s, c).TL);
            const auto& m = p.wyn.WykresM[c][s];
            for (size_t k = 1; k + 1 < m.size(); ++k) {
                if (m[k - 1].X != m[k].X && m[k + 1].X != m[k].X) { // not a jump
                    ASSERT_EQ(m[k].Wartosc, MomentWPrzekroju(p.zad, ML, TL, m[k].X)) << c << " " << s << " " << k;
                }
            }
            const auto& t = p.wyn.WykresT[c][s];
            for (size_t k = 1; k + 1 < t.size(); ++k) {
                if (t[k - 1].X != t[k].X && t[k + 1].X != t[k].X) {
                    ASSERT_EQ(t[k].Wartosc, TnacaWPrzekroju(p.zad, TL, t[k].X)) << c << " " << s << " " << k;
                }
            }
        }
}

TEST(Probkowanie, UnloadedOrVeryShortSpanIsAStraightLineOfTwoPoints)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {4, 3, 0.015f}, true, true);
    DodajLiniowe(p.zad, 0, 0, 4, 5);
    DodajLiniowe(p.zad, 2, 0, 0.015f, 5);
    p.Licz();
    ASSERT_TRUE(p.ok);
    for (const int32_t s : {1, 2}) {
        EXPECT_EQ(p.wyn.EkstremaM[0][s].IloscPunktow, 2);
        EXPECT_EQ(p.wyn.EkstremaT[0][s].IloscPunktow, 2);
    }
    EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 1, 0), p.M(1).MomentL, 1e-5);
    EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 1, 3), -p.M(1).MomentP, 1e-5);
    EXPECT_NEAR(MomentZWykresu(p.zad, p.wyn, 0, 1, 1.5), (p.M(1).MomentL - p.M(1).MomentP) / 2, 1e-4);
}

TEST(EkstremaWykresu, NegativeLineHasNoMaximumAndScalesByItsMinimum)
{
    const std::vector<TPunktWykresu> w = {{0, -1}, {1, -4}, {2, -4}, {3, -2}};
    const TEkstrema e = EkstremaWykresu(w, 4);
    EXPECT_EQ(e.JestMax, 0);
    EXPECT_EQ(e.Max, 0.0);
    EXPECT_EQ(e.JestMin, 1);
    EXPECT_EQ(e.Min, -4.0);
    EXPECT_EQ(e.XMin, 1.0) << "the first of equal extremes wins";
    EXPECT_EQ(e.Skala, 4.0);
    EXPECT_EQ(e.IloscPunktow, 4);

    const std::vector<TPunktWykresu> zero = {{0, 0}, {1, 1e-9f}};
    EXPECT_EQ(EkstremaWykresu(zero, 2).Skala, 1.0);
}

TEST(MomentZWykresu, BisectionFindsTheSamePointAsAScanFromTheStart)
{
    TPoliczone p;
    BogateZadanie(p.zad);
    p.Licz();
    ASSERT_TRUE(p.ok);
    // The look-up as a scan from the start, for comparison.
    const auto skan = [&](const std::vector<TPunktWykresu>& w, int32_t n, float L, double x, double d) -> float {
        if (x <= 0)
            return w[0].Wartosc;
        if (x >= L)
            return w[n - 1].Wartosc;
        const double xp = x + d;
        for (int32_t k = 1; k < n; ++k)
            if (w[k].X >= xp)
                return float((xp - w[k - 1].X) * (double(w[k].Wartosc) - w[k - 1].Wartosc) /
                                 (double(w[k].X) - w[k - 1].X) +
                             w[k - 1].Wartosc);
        return w[n - 1].Wartosc;
    };
    for (int32_t c = 0; c < 3; ++c)
        for (int32_t s = 0; s < 5; ++s) {
            const float L = p.zad.Przesla[s].L;
            for (double x = -0.01; x <= L + 0.01; x += 0.00731) {
                ASSERT_EQ(MomentZWykresu(p.zad, p.wyn, c, s, x),
                          skan(p.wyn.WykresM[c][s], p.wyn.EkstremaM[c][s].IloscPunktow, L, x, 1e-5));
                ASSERT_EQ(TnacaZWykresu(p.zad, p.wyn, c, s, x),
                          skan(p.wyn.WykresT[c][s], p.wyn.EkstremaT[c][s].IloscPunktow, L, x, 1e-10));
            }
        }
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
    p.Licz();
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.kom.Komunikaty.size(), 2u);
    EXPECT_EQ(p.kom.Komunikaty[1], "det A = 0; Macierz osobliwa ");
    EXPECT_EQ(p.wyn.WektorX, (MacierzWektor{0, 0}));
    for (int32_t c = 0; c < 2; ++c) {
        EXPECT_DOUBLE_EQ(p.M(1, c).MomentL, p.M(1, c).MomentUtwL);
        EXPECT_DOUBLE_EQ(p.M(1, c).MomentP, p.M(1, c).MomentUtwP);
    }
    EXPECT_NEAR(p.M(1, 1).MomentL, -2 * 6.0 * 16 / 12, 1e-9);
}

TEST(Analiza, RefusesWhatCannotBeAnalysedNamingItAndLeavesNoResults)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {4, 5}, false, false);
    DodajSile(p.zad, 0, 1, 10);
    DodajTrojkat(p.zad, 1, 1, 2, 3, 4);
    p.Licz();
    ASSERT_TRUE(p.ok);
    ASSERT_EQ(p.wyn.IloscPoliczonych, 1);

    const struct {
        void (*psuj)(TDaneZadania&);
        const char* komunikat;
    } przypadki[] = {
        {[](TDaneZadania& z) { z.Przesla[1].L = 0; }, "Przęsło 2 ma długość 0 — podaj dodatnią rozpiętość."},
        {[](TDaneZadania& z) { z.Przesla[1].L = -3; }, "Przęsło 2 ma ujemną długość — podaj dodatnią rozpiętość."},
        {[](TDaneZadania& z) { z.Przesla[1].L = NAN; },
         "Przęsło 2 ma nieokreśloną długość — podaj dodatnią rozpiętość."},
        {[](TDaneZadania& z) { z.Przesla[0].J = INFINITY; }, "Przęsło 1 ma nieokreślony moment bezwładności J."},
        {[](TDaneZadania& z) { z.Trojkaty[0].WartoscRosnaca = NAN; },
         "Obciążenie liniowo zmienne nr 1 ma nieokreśloną wartość."},
        {[](TDaneZadania& z) { z.Sily[0].Przeslo = 2; }, "Siła skupiona nr 1 leży na przęśle 3, którego nie ma."},
        {[](TDaneZadania& z) { z.Sily[0].Grupa = 10; }, "Siła skupiona nr 1 należy do grupy 11, której nie ma."},
        {[](TDaneZadania& z) { z.Wspolczynniki[0][3] = NAN; },
         "Współczynnik kombinacji 1 dla grupy 4 nie jest liczbą."},
    };
    for (const auto& przypadek : przypadki) {
        TPoliczone zly;
        zly.zad = p.zad;
        zly.wyn = p.wyn;
        przypadek.psuj(zly.zad);
        zly.Licz();
        EXPECT_FALSE(zly.ok);
        EXPECT_EQ(zly.kom.Komunikaty, std::vector<std::string>{przypadek.komunikat});
        EXPECT_EQ(zly.wyn.IloscPoliczonych, 0) << przypadek.komunikat;
    }
}

TEST(Analiza, LoadsAddedAfterTheTablesWereSizedAreSampledInFull)
{
    // Regression: the sampled tables were sized from the point-load counts of an
    // earlier moment, and a later load could need more points than that.
    TPoliczone p;
    UstawGeometrie(p.zad, {1}, true, true);
    DopasujProbki(p.zad, p.wyn);
    const int32_t pojemnosc = 100 + 1; // a point per centimetre, none for point forces yet
    for (int32_t i = 1; i < 100; ++i)
        DodajSile(p.zad, 0, i * 0.01f, 1);
    DodajMoment(p.zad, 0, 0.505f, 3);
    p.Licz();
    ASSERT_TRUE(p.ok);
    EXPECT_GT(p.wyn.EkstremaT[0][0].IloscPunktow, pojemnosc);
    EXPECT_EQ(int32_t(p.wyn.WykresT[0][0].size()), p.wyn.EkstremaT[0][0].IloscPunktow);
    EXPECT_NEAR(p.R(0) + p.R(1), 99, 1e-9);
}
