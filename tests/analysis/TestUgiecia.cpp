// Rotation and deflection: closed forms of the textbook cases, the joint
// rotations of the equation system as the rotations over the supports, and
// symmetry and superposition of w.
#include "analysis/Analiza.h"
#include "analysis/Ugiecia.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double E = 2.1e8;    // kN/m², steel
constexpr double J = 8.356e-5; // m⁴, an IPE 300
constexpr double EJ = E * J;

struct TBelka {
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;

    TBelka(std::initializer_list<float> dlugosci, bool lewy, bool prawy)
    {
        UstawGeometrie(zad, dlugosci, lewy, prawy);
        for (TPrzeslo& p : zad.Przesla) {
            p.E = float(E);
            p.J = float(J);
        }
    }
    void Licz() { ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom)); }
    const TUgieciaPrzesla& U(int32_t s, int32_t c = 0) const { return wyn.Ugiecia[size_t(c)][size_t(s)]; }
    const TEkstrema& Ew(int32_t s, int32_t c = 0) const { return wyn.EkstremaW[size_t(c)][size_t(s)]; }
};

// The stiffness in single precision, as the spans hold it.
double EJPrzesla(const TBelka& b, int32_t s)
{
    return double(b.zad.Przesla[size_t(s)].E) * b.zad.Przesla[size_t(s)].J;
}

} // namespace

TEST(Ugiecia, AUniformLoadOnASimpleSpanDeflectsFiveQLToTheFourthOver384EJAtMidspan)
{
    const double q = 10, L = 6;
    TBelka b({6}, true, true);
    DodajLiniowe(b.zad, 0, 0, 6, 10);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Simple span, uniform load: w(L/2) = 5qL⁴/384EJ, φ(0) = −φ(L) = qL³/24EJ.
    EXPECT_NEAR(b.U(0).W(L / 2), 5 * q * std::pow(L, 4) / (384 * ej), 1e-12);
    EXPECT_NEAR(b.U(0).Fi(0), q * std::pow(L, 3) / (24 * ej), 1e-12);
    EXPECT_NEAR(b.U(0).Fi(L), -q * std::pow(L, 3) / (24 * ej), 1e-12);
    EXPECT_NEAR(b.U(0).W(0), 0, 1e-15);
    EXPECT_NEAR(b.U(0).W(L), 0, 1e-15);
    EXPECT_NEAR(b.Ew(0).Max, 5 * q * std::pow(L, 4) / (384 * ej), 1e-12);
    EXPECT_NEAR(b.Ew(0).XMax, L / 2, 1e-6);
    EXPECT_EQ(b.Ew(0).JestMin, 0); // nothing lifts
}

TEST(Ugiecia, ACentralPointForceDeflectsPLCubedOver48EJ)
{
    const double P = 50, L = 5;
    TBelka b({5}, true, true);
    DodajSile(b.zad, 0, 2.5f, 50);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Simple span, central force: w = PL³/48EJ, φ(0) = PL²/16EJ.
    EXPECT_NEAR(b.Ew(0).Max, P * std::pow(L, 3) / (48 * ej), 1e-12);
    EXPECT_NEAR(b.Ew(0).XMax, L / 2, 1e-6);
    EXPECT_NEAR(b.U(0).Fi(0), P * L * L / (16 * ej), 1e-12);
    EXPECT_NEAR(b.U(0).Fi(L / 2), 0, 1e-12);
}

TEST(Ugiecia, AProppedCantileverUnderAUniformLoadPeaksAt0_4215LFromTheHinge)
{
    const double q = 20, L = 8;
    TBelka b({8}, true, false);
    DodajLiniowe(b.zad, 0, 0, 8, 20);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Hinged at x = 0, clamped at x = L: w_max = qL⁴/185EJ (0,005416) at
    // x = (1 + √33)/16·L = 0,4215 L; no rotation at the clamped end. With u
    // measured from the clamp, w = q·u²(L − u)(3L − 2u)/48EJ.
    const double x = (1 + std::sqrt(33.0)) / 16 * L, u = L - x;
    const double wmax = q * u * u * (L - u) * (3 * L - 2 * u) / (48 * ej);
    EXPECT_NEAR(wmax / (q * std::pow(L, 4) / ej), 0.005416, 1e-6);
    EXPECT_NEAR(b.Ew(0).Max, wmax, 1e-12);
    EXPECT_NEAR(b.Ew(0).XMax, x, 1e-7);
    EXPECT_NEAR(b.Ew(0).XMax / L, 0.4215, 1e-4);
    EXPECT_NEAR(b.U(0).Fi(L), 0, 1e-12);
    EXPECT_NEAR(b.U(0).Fi(0), q * std::pow(L, 3) / (48 * ej), 1e-12);
}

TEST(Ugiecia, AClampedClampedSpanDeflectsQLToTheFourthOver384EJ)
{
    const double q = 15, L = 7;
    TBelka b({7}, false, false);
    DodajLiniowe(b.zad, 0, 0, 7, 15);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Both ends clamped: w(L/2) = qL⁴/384EJ, no end rotation.
    EXPECT_NEAR(b.Ew(0).Max, q * std::pow(L, 4) / (384 * ej), 1e-12);
    EXPECT_NEAR(b.Ew(0).XMax, L / 2, 1e-6);
    EXPECT_NEAR(b.U(0).Fi(0), 0, 1e-12);
    EXPECT_NEAR(b.U(0).Fi(L), 0, 1e-12);
}

TEST(Ugiecia, APointMomentAtASpanEndRotatesThatEndTwiceAsMuchAsTheOther)
{
    const double M0 = 40, L = 6;
    TBelka b({6}, true, true);
    DodajMoment(b.zad, 0, 0, 40);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Simple span, clockwise moment M0 at x = 0: φ(0) = M0·L/3EJ,
    // φ(L) = −M0·L/6EJ, w_max = M0·L²/(9√3·EJ) at x = (1 − 1/√3)·L.
    EXPECT_NEAR(b.U(0).Fi(0), M0 * L / (3 * ej), 1e-12);
    EXPECT_NEAR(b.U(0).Fi(L), -M0 * L / (6 * ej), 1e-12);
    EXPECT_NEAR(b.Ew(0).Max, M0 * L * L / (9 * std::sqrt(3.0) * ej), 1e-12);
    EXPECT_NEAR(b.Ew(0).XMax, (1 - 1 / std::sqrt(3.0)) * L, 1e-7);
}

TEST(Ugiecia, ALinearlyVaryingLoadPeaksAt0_5193LWithUnequalEndRotations)
{
    const double q = 30, L = 5;
    TBelka b({5}, true, true);
    DodajTrojkat(b.zad, 0, 0, 5, 0, 30);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Simple span, load rising from 0 to q: φ(0) = 7qL³/360EJ,
    // φ(L) = −8qL³/360EJ, w_max = 0,006522 qL⁴/EJ at x = 0,5193 L.
    EXPECT_NEAR(b.U(0).Fi(0), 7 * q * std::pow(L, 3) / (360 * ej), 1e-12);
    EXPECT_NEAR(b.U(0).Fi(L), -8 * q * std::pow(L, 3) / (360 * ej), 1e-12);
    const double x = L * std::sqrt(1 - std::sqrt(8.0 / 15));
    const double u = x / L;
    const double wmax = q * std::pow(L, 4) / (360 * ej) * u * (7 - 10 * u * u + 3 * std::pow(u, 4));
    EXPECT_NEAR(wmax / (q * std::pow(L, 4) / ej), 0.006522, 1e-6);
    EXPECT_NEAR(b.Ew(0).Max, wmax, 1e-12);
    EXPECT_NEAR(b.Ew(0).XMax, x, 1e-7);
}

TEST(Ugiecia, ThreeEqualSpansUnderAUniformLoadPeakInTheEndSpansAt0_446L)
{
    const double q = 10, L = 5;
    TBelka b({5, 5, 5}, true, true);
    for (int32_t s = 0; s < 3; ++s)
        DodajLiniowe(b.zad, s, 0, 5, 10);
    b.Licz();
    const double ej = EJPrzesla(b, 0);
    // Three equal spans: 0,00688 qL⁴/EJ at 0,446 L from the end support;
    // the support moments are −qL²/10, so the end span is a simple span
    // with −qL²/10 at its right end.
    const double k = q * std::pow(L, 4) / ej;
    EXPECT_NEAR(b.Ew(0).Max / k, 0.00688, 5e-6);
    EXPECT_NEAR(b.Ew(0).XMax / L, 0.446, 5e-4);
    EXPECT_NEAR(b.Ew(2).Max, b.Ew(0).Max, 1e-12 * k);
    EXPECT_NEAR(b.Ew(2).XMax, L - b.Ew(0).XMax, 1e-6);
    // The end span as a simple span with the end moment: q x(L³ − 2Lx² + x³)/24 − M·x(L² − x²)/6L.
    const double x = b.Ew(0).XMax, M = q * L * L / 10;
    EXPECT_NEAR(b.Ew(0).Max,
                (q * x * (std::pow(L, 3) - 2 * L * x * x + std::pow(x, 3)) / 24 - M * x * (L * L - x * x) / (6 * L)) /
                    ej,
                1e-12);
    // Middle span: qL⁴/384EJ·(5 − 4.8) at midspan.
    EXPECT_NEAR(b.U(1).W(L / 2), k * (5.0 / 384 - 1.0 / 80), 1e-12);
}

TEST(Ugiecia, RotationsOverTheSupportsAreTheJointRotationsAlsoForSpansOfDifferentStiffness)
{
    TBelka b({4, 6, 5}, false, true);
    b.zad.Przesla[1].J *= 3;
    b.zad.Przesla[2].E *= 0.5f;
    DodajLiniowe(b.zad, 0, 0, 4, 12);
    DodajSile(b.zad, 1, 2, 80);
    DodajMoment(b.zad, 1, 4.5f, -25);
    DodajTrojkat(b.zad, 2, 1, 4, 5, 20);
    b.Licz();
    for (int32_t s = 0; s < 3; ++s) {
        EXPECT_NEAR(b.U(s).W(0), 0, 1e-14) << s;
        EXPECT_NEAR(b.U(s).W(b.zad.Przesla[size_t(s)].L), 0, 1e-14) << s;
    }
    // The clamped left end does not turn; over the inner supports φ is continuous and equal to the unknowns.
    EXPECT_NEAR(b.U(0).Fi(0), 0, 1e-12);
    for (int32_t k = 0; k < 2; ++k) {
        const double obrot = b.wyn.Obroty[0][size_t(k)];
        EXPECT_NEAR(b.U(k).Fi(b.zad.Przesla[size_t(k)].L), obrot, 1e-9 * std::abs(obrot) + 1e-14) << k;
        EXPECT_NEAR(b.U(k + 1).Fi(0), obrot, 1e-9 * std::abs(obrot) + 1e-14) << k;
    }
    // A stiffer span deflects less under the same moments: w scales with 1/EJ.
    TBelka sztywna({4, 6, 5}, false, true);
    for (TPrzeslo& p : sztywna.zad.Przesla)
        p.J = b.zad.Przesla[0].J;
    sztywna.zad.Przesla[1].J *= 3;
    sztywna.zad.Przesla[2].E *= 0.5f;
    for (TPrzeslo& p : sztywna.zad.Przesla)
        p.E *= 2;
    sztywna.zad.Liniowe = b.zad.Liniowe;
    sztywna.zad.Sily = b.zad.Sily;
    sztywna.zad.Momenty = b.zad.Momenty;
    sztywna.zad.Trojkaty = b.zad.Trojkaty;
    sztywna.Licz();
    for (int32_t s = 0; s < 3; ++s)
        EXPECT_NEAR(sztywna.Ew(s).Max, b.Ew(s).Max / 2, 1e-12) << s;
}

TEST(Ugiecia, DeflectionsAreMirroredWithTheBeamAndAddUpOverCombinations)
{
    // A beam and its mirror image: w(x) of one is w(L − x) of the other.
    TBelka a({4, 6}, true, false), m({6, 4}, false, true);
    DodajSile(a.zad, 0, 1, 30);
    DodajLiniowe(a.zad, 1, 2, 5, 8);
    DodajSile(m.zad, 1, 3, 30);
    DodajLiniowe(m.zad, 0, 1, 4, 8);
    a.Licz();
    m.Licz();
    for (double x : {0.5, 1.0, 2.7, 3.9})
        EXPECT_NEAR(a.U(0).W(x), m.U(1).W(4 - x), 1e-10) << x;
    for (double x : {0.3, 2.0, 4.4})
        EXPECT_NEAR(a.U(1).W(x), m.U(0).W(6 - x), 1e-10) << x;
    EXPECT_NEAR(a.U(0).Fi(1), -m.U(1).Fi(3), 1e-10);

    // Two groups and a combination of both with factors: w adds up as M does.
    TBelka b({5, 5}, true, true);
    DodajGrupe(b.zad, "Druga", 0);
    DodajLiniowe(b.zad, 0, 0, 5, 10, 0);
    DodajSile(b.zad, 1, 2, 40, 1);
    DodajKombinacje(b.zad, "Druga");
    DodajKombinacje(b.zad, "Razem");
    b.zad.Wspolczynniki[0] = {1, 0};
    b.zad.Wspolczynniki[1] = {0, 1};
    b.zad.Wspolczynniki[2] = {1.35f, 1.5f};
    b.Licz();
    for (int32_t s = 0; s < 2; ++s)
        for (double x : {0.0, 1.3, 2.5, 4.1, 5.0}) {
            EXPECT_NEAR(b.U(s, 2).W(x), double(1.35f) * b.U(s, 0).W(x) + 1.5 * b.U(s, 1).W(x), 1e-12) << s << " " << x;
            EXPECT_NEAR(b.U(s, 2).Fi(x), double(1.35f) * b.U(s, 0).Fi(x) + 1.5 * b.U(s, 1).Fi(x), 1e-12)
                << s << " " << x;
        }
    // The envelope's extremes are the worst of the combinations'.
    EXPECT_DOUBLE_EQ(b.wyn.EkstremaObwiedniW[1].Max, b.Ew(1, 2).Max);
    EXPECT_DOUBLE_EQ(b.wyn.EkstremaObwiedniW[1].Min, std::min({b.Ew(1, 0).Min, b.Ew(1, 1).Min, b.Ew(1, 2).Min}));
    EXPECT_LT(b.Ew(1, 0).Min, 0); // the unloaded span of a two-span beam lifts
}

TEST(Ugiecia, RootsOfAPolynomialAreFoundInsideTheIntervalOnly)
{
    // (t − 1)(t − 2)(t − 3)(t − 4) = t⁴ − 10t³ + 35t² − 50t + 24.
    const std::vector<double> r = PierwiastkiWielomianu({24, -50, 35, -10, 1}, 0.5, 3.5);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_NEAR(r[0], 1, 1e-14);
    EXPECT_NEAR(r[1], 2, 1e-14);
    EXPECT_NEAR(r[2], 3, 1e-14);
    EXPECT_TRUE(PierwiastkiWielomianu({1, 0, 0, 0, 1}, -5, 5).empty()); // t⁴ + 1
    EXPECT_TRUE(PierwiastkiWielomianu({0, 0, 0, 0, 0}, -5, 5).empty());
}

TEST(Ugiecia, RootsAreFoundOnceWhereTheyCrowdTogetherOrWhereThePolynomialOnlyTouchesZero)
{
    // (t − 1)³ = t³ − 3t² + 3t − 1: flat at its root, found once.
    std::vector<double> r = PierwiastkiWielomianu({-1, 3, -3, 1}, 0, 2);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_NEAR(r[0], 1, 1e-14);
    // (t − 1)(t − 1.001)·(t² + 1): two roots a millimetre apart on a metre.
    const double a = 1, b = 1.001;
    r = PierwiastkiWielomianu({a * b, -(a + b), a * b + 1, -(a + b), 1}, 0, 5);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[0], a, 1e-12);
    EXPECT_NEAR(r[1], b, 1e-12);
    // A quintic with roots 0.1, 0.2, … 0.5 and large coefficients of both signs.
    std::vector<double> p{1};
    for (const double x : {0.1, 0.2, 0.3, 0.4, 0.5}) {
        std::vector<double> q(p.size() + 1, 0.0);
        for (size_t k = 0; k < p.size(); ++k) {
            q[k] -= x * p[k];
            q[k + 1] += p[k];
        }
        p = q;
    }
    for (double& c : p)
        c *= 1e6;
    r = PierwiastkiWielomianu(p, 0, 1);
    ASSERT_EQ(r.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_NEAR(r[i], 0.1 * double(i + 1), 1e-12);
}
