// M(x) and T(x) as piecewise polynomials: closed forms, both sides of boundaries, exact extremes.
#include "SumaBezposrednia.h"
#include "Policzone.h"

#include "analysis/Analiza.h"
#include "analysis/Linie.h"
#include "analysis/Wielomiany.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The loads of the task's only span, combination 1, as polynomials with the given left-end values.
TWielomianyPrzesla Wielomiany(const TDaneZadania& zad, double ML, double TL)
{
    const TObciazeniaPrzesla obc = ObciazeniaWKombinacji(zad, 0, 0);
    TWielomianyPrzesla w(GraniceObciazen(obc));
    w.DodajObciazenia(obc);
    w.DodajKonce(ML, TL);
    return w;
}

void ExpectWspolczynniki(const TOdcinekWielomianow& o, std::vector<double> M, std::vector<double> T, double tol)
{
    ExpectBliskie({o.M.A.begin(), o.M.A.end()}, M, tol);
    ExpectBliskie({o.T.A.begin(), o.T.A.end()}, T, tol);
}

} // namespace

TEST(Wielomiany, ALinearlyVaryingLoadIsOneCubicAndAPartialOneThreeSegments)
{
    // The falling triangle 2 → 0 kN/m over [1, 4] m with 3 kN/m under it, alone
    // on the span: the segment's cubic in t = x − 1 is −(3 + 2)·t²/2 + 2·t³/(6·3).
    TDaneZadania zad;
    UstawGeometrie(zad, {6}, true, true);
    DodajTrojkat(zad, 0, 1, 4, 5, 3);
    const TWielomianyPrzesla p = Wielomiany(zad, 0, 0);
    ASSERT_EQ(p.Granice(), (std::vector<float>{1, 4}));
    ExpectWspolczynniki(p.Odcinki()[0], {0, 0, 0, 0}, {0, 0, 0}, 0);
    ExpectWspolczynniki(p.Odcinki()[1], {0, 0, -5.0 / 2, 2.0 / 18}, {0, -5, 2.0 / 6}, 1e-12);
    // The resultant 3·3 + 2·3/2 = 12 kN: both sides of x = 4 agree; right of the load
    // −12·(x − centroid), the centroid (3·3·2,5 + 3·(1 + 1)) / 12 = 2,375 m.
    const TStronyPrzekroju m = p.MNaGranicy(1), t = p.TNaGranicy(1);
    ExpectBliskie({m.Lewa - m.Prawa, t.Lewa, t.Prawa, p.M(5)}, {0, -12, -12, -12 * (5 - 2.375)}, 1e-12);
    ExpectWspolczynniki(p.Odcinki()[2], {-12 * (4 - 2.375), -12, 0, 0}, {-12, 0, 0}, 1e-12);
}

TEST(Wielomiany, APointForceJumpsTheShearAndAPointMomentTheMomentReadFromBothSides)
{
    const double P = 30, M0 = 8, L = 5, a = 2;
    TDaneZadania zad;
    UstawGeometrie(zad, {5}, true, true);
    DodajSile(zad, 0, 2, 30);
    DodajMoment(zad, 0, 3, 8);
    // Simple span: upward reactions P·b/L − M0/L at A; TL is minus that.
    const double RA = P * (L - a) / L - M0 / L;
    const TWielomianyPrzesla w = Wielomiany(zad, 0, -RA);
    ASSERT_EQ(w.Granice(), (std::vector<float>{2, 3}));
    const TStronyPrzekroju Mf = w.MNaGranicy(0), Tf = w.TNaGranicy(0);
    ExpectBliskie({Mf.Lewa, Mf.Prawa, Tf.Lewa, Tf.Prawa}, {RA * a, RA * a, RA, RA - P}, 1e-12);
    const TStronyPrzekroju Mm = w.MNaGranicy(1), Tm = w.TNaGranicy(1);
    ExpectBliskie({Mm.Lewa, Mm.Prawa, Tm.Lewa, Tm.Prawa},
                  {RA * 3 - P * (3 - a), RA * 3 - P * (3 - a) + M0, RA - P, RA - P}, 1e-12);
    EXPECT_NEAR(w.M(L), 0, 1e-12) << "the hinged end carries no moment";
    // A section on a boundary reads the side right of it.
    EXPECT_EQ(std::pair(w.T(2), w.M(3)), std::pair(Tf.Prawa, Mm.Prawa));
}

TEST(Wielomiany, SegmentsOnEitherSideOfAForceStandingOnASupportKeepItOutOfTheSpan)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4}, true, true);
    DodajSile(zad, 0, 0, 50);
    DodajSile(zad, 0, 4, 20);
    DodajLiniowe(zad, 0, 0, 4, 10);
    const TWielomianyPrzesla w = Wielomiany(zad, 0, -(50 + 20));
    // T(0+) counts the force at x = 0 and leaves the one at x = L to its support.
    EXPECT_NEAR(w.TNaGranicy(0).Prawa, 20, 1e-12);
    EXPECT_NEAR(w.TNaGranicy(1).Lewa, -20, 1e-12);
    const TEkstrema t = EkstremaDokladneT(w, 4, 20, -20);
    ExpectBliskie({t.Max, t.XMax, t.Min, t.XMin}, {20, 0, -20, 4}, 1e-12);
}

TEST(Wielomiany, QuadraticRootsAreFoundWithoutCancellationAndOnlyInsideTheInterval)
{
    ExpectBliskie(PierwiastkiKwadratowe(-6, 1, 1, -10, 10), {-3, 2}, 1e-15); // t² + t − 6
    // Roots 1e-8 and 1e8: the small one from the product, not from a difference of nearly equal numbers.
    const std::vector<double> r = PierwiastkiKwadratowe(1, -(1e8 + 1e-8), 1, 0, 1e9);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[0], 1e-8, 1e-22);
    EXPECT_NEAR(r[1], 1e8, 1e-6);
    EXPECT_EQ(PierwiastkiKwadratowe(-4, 2, 0, 0, 5), std::vector<double>{2}); // a straight line
    EXPECT_TRUE(PierwiastkiKwadratowe(1, 0, 1, -5, 5).empty());               // no real root
    EXPECT_TRUE(PierwiastkiKwadratowe(0, 0, 0, -5, 5).empty());               // zero throughout
    EXPECT_TRUE(PierwiastkiKwadratowe(-6, 1, 1, -3, 2).empty()) << "the ends are not inside";
}

TEST(Wielomiany, ExactExtremesLieWhereTheShearIsZeroWhereverTheGridFalls)
{
    {
        // Propped cantilever, clamped at the left: 9qL²/128 at 5L/8 from the
        // clamp, −qL²/8 at it. L = 5,55 puts 5L/8 = 3,46875 between samples.
        TPoliczone p;
        const double q = 8, L = 5.55f;
        UstawGeometrie(p.zad, {5.55f}, false, true);
        DodajLiniowe(p.zad, 0, 0, 5.55f, 8);
        ASSERT_TRUE(p.Przelicz());
        const TEkstrema e = EkstremaDokladneM(p.zad, p.wyn, 0, 0);
        ExpectBliskie({e.Max, e.XMax, e.Min, e.XMin}, {9 * q * L * L / 128, 5 * L / 8, -q * L * L / 8, 0}, 1e-9);
        EXPECT_GT(e.Max, p.wyn.EkstremaM[0][0].Max) << "the samples miss the top by a hair";
    }
    // Simple span, triangle rising to q: qL²/(9√3) at L/√3.
    TPoliczone p;
    const double q = 9, L = 6;
    UstawGeometrie(p.zad, {6}, true, true);
    DodajTrojkat(p.zad, 0, 0, 6, 0, 9);
    ASSERT_TRUE(p.Przelicz());
    const TEkstrema e = EkstremaDokladneM(p.zad, p.wyn, 0, 0);
    ExpectBliskie({e.Max, e.XMax}, {q * L * L / (9 * std::sqrt(3.0)), L / std::sqrt(3.0)}, 1e-9);
    EXPECT_FALSE(e.JestMin) << "no hogging moment: the minimum stays 0";
    const TEkstrema t = EkstremaDokladneT(p.zad, p.wyn, 0, 0);
    ExpectBliskie({t.Max, t.XMax, t.Min, t.XMin}, {q * L / 6, 0, -q * L / 3, L}, 1e-9);
}

TEST(Wielomiany, APointMomentAtASpanEndCountsBothSidesOfItsJumpInTheExactExtremes)
{
    TPoliczone p;
    UstawGeometrie(p.zad, {4}, true, true);
    DodajMoment(p.zad, 0, 0, 20);
    ASSERT_TRUE(p.Przelicz());
    // Simple span, clockwise 20 kNm at x = 0: M(0−) = 0, M(0+) = 20 falling to 0 at L.
    const TEkstrema e = EkstremaDokladneM(p.zad, p.wyn, 0, 0);
    ExpectBliskie({e.Max, e.XMax, double(e.JestMin)}, {20, 0, 0}, 1e-12);
}

TEST(Wielomiany, AMirrorImageBeamHasMirrorImageFixedEndMomentsToTheBitAndMirrorImagePolynomials)
{
    // Regression: each end had its own formula, so a half cent printed as "78,13" and "−78,12".
    for (const bool przeguby : {false, true}) {
        TPoliczone p;
        // Positions whose mirror images 4,10 m less them are exactly the single-precision numbers typed.
        UstawGeometrie(p.zad, {4.1f, 6, 4.1f}, przeguby, przeguby);
        DodajLiniowe(p.zad, 0, 0.52f, 3.1f, 12.3f);
        DodajLiniowe(p.zad, 2, 1.0f, 3.58f, 12.3f);
        DodajSile(p.zad, 0, 1.05f, 23.7f);
        DodajSile(p.zad, 2, 3.05f, 23.7f);
        DodajTrojkat(p.zad, 0, 1.25f, 3.1f, 3, 12);
        DodajTrojkat(p.zad, 2, 1.0f, 2.85f, 12, 3);
        DodajMoment(p.zad, 0, 0.52f, 7); // clockwise; its mirror image turns the other way
        DodajMoment(p.zad, 2, 3.58f, -7);
        DodajLiniowe(p.zad, 1, 0, 6, 25);
        ASSERT_TRUE(p.Przelicz());
        SCOPED_TRACE(przeguby ? "hinged ends" : "clamped ends");
        const TMomentyPrzesla &lewe = p.M(0), &prawe = p.M(2);
        EXPECT_NE(lewe.MomentUtwP, 0);
        EXPECT_EQ(std::pair(lewe.MomentUtwL, lewe.MomentUtwP), std::pair(-prawe.MomentUtwP, -prawe.MomentUtwL));
        // A uniform load over a clamped span: ∓qL²/12 at its ends; 25·6²/12 = 75.
        EXPECT_EQ(std::pair(p.M(1).MomentUtwL, p.M(1).MomentUtwP), std::pair(-25.0 * 36 / 12, 25.0 * 36 / 12));
        for (float x = 0; x <= 3; x += 0.25f)
            EXPECT_NEAR(p.W(1).M(x), p.W(1).M(6 - x), 1e-9) << "the middle span is its own mirror image";
    }
}
