// Rotation and deflection: textbook closed forms, joint rotations, symmetry and superposition.
#include "Policzone.h"

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
const double EJs = double(float(E)) * double(float(J));

} // namespace

TEST(Ugiecia, SingleSpansMatchTheTextbookEndRotationsAndLargestDeflection)
{
    const double ej = EJs, r3 = std::sqrt(3.0);
    // Propped cantilever: u measured from the clamp; linear load: peak at L·√(1 − √(8/15)).
    const double xp = (1 + std::sqrt(33.0)) / 16 * 8, up = 8 - xp;
    const double xt = 5 * std::sqrt(1 - std::sqrt(8.0 / 15)), ut = xt / 5;
    const struct {
        const char* Opis;
        float L;
        bool Lewy, Prawy;
        void (*Obciaz)(TDaneZadania&);
        double Fi0, FiL, Wmax, XMax;
    } przypadki[] = {
        {"uniform q, 5qL^4/384EJ", 6, true, true, [](TDaneZadania& z) { DodajLiniowe(z, 0, 0, 6, 10); },
         10 * 216 / (24 * ej), -10 * 216 / (24 * ej), 5 * 10 * 1296 / (384 * ej), 3},
        {"central force, PL^3/48EJ", 5, true, true, [](TDaneZadania& z) { DodajSile(z, 0, 2.5f, 50); },
         50 * 25 / (16 * ej), -50 * 25 / (16 * ej), 50 * 125 / (48 * ej), 2.5},
        {"propped cantilever, qL^4/185EJ at 0,4215 L", 8, true, false,
         [](TDaneZadania& z) { DodajLiniowe(z, 0, 0, 8, 20); }, 20 * 512 / (48 * ej), 0,
         20 * up * up * (8 - up) * (24 - 2 * up) / (48 * ej), xp},
        {"clamped both ends, qL^4/384EJ", 7, false, false, [](TDaneZadania& z) { DodajLiniowe(z, 0, 0, 7, 15); }, 0,
         0, 15 * 2401 / (384 * ej), 3.5},
        {"end moment, M0L^2/(9√3EJ)", 6, true, true, [](TDaneZadania& z) { DodajMoment(z, 0, 0, 40); },
         40 * 6 / (3 * ej), -40 * 6 / (6 * ej), 40 * 36 / (9 * r3 * ej), (1 - 1 / r3) * 6},
        {"load rising 0..q, 7/360 and 8/360", 5, true, true, [](TDaneZadania& z) { DodajTrojkat(z, 0, 0, 5, 0, 30); },
         7 * 30 * 125 / (360 * ej), -8 * 30 * 125 / (360 * ej),
         30 * 625 / (360 * ej) * ut * (7 - 10 * ut * ut + 3 * std::pow(ut, 4)), xt},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.Opis);
        TBelka b({c.L}, c.Lewy, c.Prawy);
        c.Obciaz(b.zad);
        b.Licz();
        EXPECT_NEAR(b.U(0).Fi(0), c.Fi0, 1e-12);
        EXPECT_NEAR(b.U(0).Fi(c.L), c.FiL, 1e-12);
        EXPECT_NEAR(b.U(0).W(0), 0, 1e-15);
        EXPECT_NEAR(b.U(0).W(c.L), 0, 1e-15);
        EXPECT_NEAR(b.Ew(0).Max, c.Wmax, 1e-12);
        EXPECT_NEAR(b.Ew(0).XMax, c.XMax, 1e-6);
        if (c.Lewy && c.Prawy) {
            EXPECT_EQ(b.Ew(0).JestMin, 0); // nothing lifts
        }
    }
}

TEST(Ugiecia, ThreeEqualSpansUnderAUniformLoadPeakInTheEndSpansAt0_446L)
{
    const double q = 10, L = 5;
    TBelka b({5, 5, 5}, true, true);
    for (int32_t s = 0; s < 3; ++s)
        DodajLiniowe(b.zad, s, 0, 5, 10);
    b.Licz();
    const double ej = EJs;
    // Three equal spans: 0,00688 qL⁴/EJ at 0,446 L from the end support.
    const double k = q * std::pow(L, 4) / ej;
    EXPECT_NEAR(b.Ew(0).Max / k, 0.00688, 5e-6);
    EXPECT_NEAR(b.Ew(0).XMax / L, 0.446, 5e-4);
    EXPECT_NEAR(b.Ew(2).Max, b.Ew(0).Max, 1e-12 * k);
    EXPECT_NEAR(b.Ew(2).XMax, L - b.Ew(0).XMax, 1e-6);
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
    for (const auto& [s, L, x] : {std::tuple(0, 4.0, 0.5), {0, 4.0, 2.7}, {0, 4.0, 3.9}, {1, 6.0, 0.3}, {1, 6.0, 4.4}})
        EXPECT_NEAR(a.U(s).W(x), m.U(1 - s).W(L - x), 1e-10) << x;
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
        for (double x : {0.0, 1.3, 2.5, 4.1, 5.0})
            EXPECT_NEAR(b.U(s, 2).W(x), double(1.35f) * b.U(s, 0).W(x) + 1.5 * b.U(s, 1).W(x), 1e-12) << s << " " << x;
    // The envelope's extremes are the worst of the combinations'.
    EXPECT_DOUBLE_EQ(b.wyn.EkstremaObwiedniW[1].Max, b.Ew(1, 2).Max);
    EXPECT_DOUBLE_EQ(b.wyn.EkstremaObwiedniW[1].Min, std::min({b.Ew(1, 0).Min, b.Ew(1, 1).Min, b.Ew(1, 2).Min}));
    EXPECT_LT(b.Ew(1, 0).Min, 0); // the unloaded span of a two-span beam lifts
}

TEST(Ugiecia, RootsOfAPolynomialAreFoundOnceInsideTheIntervalWhereverTheyCrowdOrOnlyTouchZero)
{
    // A quintic with roots 0.1, 0.2, … 0.5 and large coefficients of both signs.
    std::vector<double> p{1e6};
    for (const double x : {0.1, 0.2, 0.3, 0.4, 0.5}) {
        std::vector<double> q(p.size() + 1, 0.0);
        for (size_t k = 0; k < p.size(); ++k) {
            q[k] -= x * p[k];
            q[k + 1] += p[k];
        }
        p = q;
    }
    const struct {
        std::vector<double> Wielomian;
        double Od, Do;
        std::vector<double> Pierwiastki;
    } przypadki[] = {
        {{24, -50, 35, -10, 1}, 0.5, 3.5, {1, 2, 3}}, // (t − 1)(t − 2)(t − 3)(t − 4)
        {{1, 0, 0, 0, 1}, -5, 5, {}},                 // t⁴ + 1
        {{0, 0, 0, 0, 0}, -5, 5, {}},
        {{-1, 3, -3, 1}, 0, 2, {1}}, // (t − 1)³, flat at its root
        // (t − 1)(t − 1.001)·(t² + 1): two roots a millimetre apart on a metre.
        {{1.001, -2.001, 2.001, -2.001, 1}, 0, 5, {1, 1.001}},
        {p, 0, 1, {0.1, 0.2, 0.3, 0.4, 0.5}},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.Pierwiastki.size());
        ExpectBliskie(PierwiastkiWielomianu(c.Wielomian, c.Od, c.Do), c.Pierwiastki, 1e-12);
    }
}
