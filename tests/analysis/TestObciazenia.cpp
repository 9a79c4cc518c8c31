#include "Policzone.h"

#include "analysis/Obciazenia.h"
#include "model/Budowa.h"

#include <gtest/gtest.h>

namespace {

constexpr double q = 10.0;
constexpr double L = 6.0;

void ExpectPara(TParaKoncow wynik, double lewy, double prawy)
{
    const double tol = 1e-12 * (1 + std::abs(lewy) + std::abs(prawy));
    EXPECT_NEAR(wynik.L, lewy, tol);
    EXPECT_NEAR(wynik.P, prawy, tol);
}

// A line load of density q(x) as many point forces: the fixed-end moments by the point-force formulas.
template <class Gestosc>
TParaKoncow JakoSilySkupione(Gestosc gestosc, double x1, double x2, double dlugosc, int32_t kod)
{
    const int n = 20000;
    const double h = (x2 - x1) / n;
    TParaKoncow suma;
    for (int i = 0; i < n; ++i) {
        const double x = x1 + (i + 0.5) * h;
        const TParaKoncow m = MomentyOdSily(gestosc(x) * h, x, dlugosc, kod);
        suma.L += m.L;
        suma.P += m.P;
    }
    return suma;
}

} // namespace

TEST(MomentyUtwierdzenia, PointLoadsGiveTheTextbookValues)
{
    const double P = 12, M = 9;
    ExpectPara(MomentyOdSily(P, L / 2, L, 4), -P * L / 8, P * L / 8); // fixed-fixed, load at midspan
    ExpectPara(MomentyOdSily(P, 0, L, 4), 0, 0);                      // load on the support
    ExpectPara(MomentyOdSily(P, L, L, 4), 0, 0);
    ExpectPara(MomentyOdSily(P, L / 2, L, 3), 0, 3 * P * L / 16); // propped, hinge at the left
    ExpectPara(MomentyOdSily(P, L / 2, L, 2), -3 * P * L / 16, 0);
    ExpectPara(MomentyOdSily(P, L / 2, L, 1), 0, 0);
    ExpectPara(MomentyOdMomentu(M, L / 2, L, 4), M / 4, M / 4);
    ExpectPara(MomentyOdMomentu(M, L / 3, L, 4), 0, M / 3);
    ExpectPara(MomentyOdMomentu(M, 0, L, 3), 0, M / 2); // moment on the hinge: half carried over
    ExpectPara(MomentyOdMomentu(M, L, L, 2), M / 2, 0);
}

TEST(MomentyUtwierdzenia, WholeSpanLineLoadsGiveTheCheckValuesForEveryEndCode)
{
    ExpectPara(MomentyOdRownomiernego(q, 0, L, L, 4), -q * L * L / 12, q * L * L / 12);
    ExpectPara(MomentyOdRownomiernego(q, 0, L, L, 3), 0, q * L * L / 8);
    ExpectPara(MomentyOdRownomiernego(q, 0, L, L, 2), -q * L * L / 8, 0);
    ExpectPara(MomentyOdRownomiernego(q, 0, L, L, 1), 0, 0);

    // triangle with its height at the left end
    ExpectPara(MomentyOdTrojkata(q, 0, 0, L, L, 4), -q * L * L / 20, q * L * L / 30);
    ExpectPara(MomentyOdTrojkata(q, 0, 0, L, L, 3), 0, 7 * q * L * L / 120);
    ExpectPara(MomentyOdTrojkata(q, 0, 0, L, L, 2), -q * L * L / 15, 0);
    // triangle with its height at the right end
    ExpectPara(MomentyOdTrojkata(0, q, 0, L, L, 4), -q * L * L / 30, q * L * L / 20);
    ExpectPara(MomentyOdTrojkata(0, q, 0, L, L, 3), 0, q * L * L / 15);
    ExpectPara(MomentyOdTrojkata(0, q, 0, L, L, 2), -7 * q * L * L / 120, 0);
    // No height or no length: absent.
    ExpectPara(MomentyOdTrojkata(q, q, 0, L, L, 4), 0, 0);
    ExpectPara(MomentyOdTrojkata(q, 0, 2, 2, L, 4), 0, 0);
}

TEST(MomentyUtwierdzenia, PartialStretchesAgreeWithASumOfPointForces)
{
    for (const int32_t kod : {4, 3, 2}) {
        SCOPED_TRACE(kod);
        const auto porownaj = [](TParaKoncow wzor, TParaKoncow ref) {
            ExpectBliskie({wzor.L, wzor.P}, {ref.L, ref.P}, 1e-6);
        };
        porownaj(MomentyOdRownomiernego(q, 1.3, 4.1, L, kod),
                 JakoSilySkupione([](double) { return q; }, 1.3, 4.1, L, kod));
        porownaj(MomentyOdTrojkata(0, q, 2.0, 5.5, L, kod),
                 JakoSilySkupione([](double x) { return q * (x - 2.0) / 3.5; }, 2.0, 5.5, L, kod));
        porownaj(MomentyOdTrojkata(q, 0, 0.5, 2.5, L, kod),
                 JakoSilySkupione([](double x) { return q * (2.5 - x) / 2.0; }, 0.5, 2.5, L, kod));
    }
}

TEST(ReakcjeUtwierdzenia, AClockwiseMomentPushesTheLeftEndDownAndASpanOfNoLengthDividesByOne)
{
    TDaneZadania mom;
    UstawGeometrie(mom, {4}, true, true);
    DodajMoment(mom, 0, 1.0f, 8);
    const TObciazeniaPrzesla moment = ObciazeniaWKombinacji(mom, 0, 0);
    ExpectPara(ReakcjeUtwierdzenia(moment, 0, 0, 4.0f), -8.0 / 4, 8.0 / 4);
    ExpectPara(ReakcjeUtwierdzenia(moment, 0, 0, 0.0f), -8.0, 8.0);
}

TEST(ObciazeniaKombinacji, TakesLoadsWithPositiveCoefficientsMultipliedAndDropsTheRest)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4, 5}, false, false);
    const int32_t uzytkowe = DodajGrupe(zad, "U\xBFytkowe", 0xFF);
    const int32_t wiatr = DodajGrupe(zad, "Wiatr", 0xFF00);
    DodajSile(zad, 0, 1, 10, 0);
    DodajSile(zad, 1, 2, 20, uzytkowe);
    DodajSile(zad, 1, 3, 30, wiatr);
    DodajTrojkat(zad, 1, 1, 4, 6, 2, uzytkowe);
    DodajSile(zad, 0, 1, 10, 57); // a group outside the table: left out
    zad.Wspolczynniki[0] = {};
    zad.Wspolczynniki[0][0] = 1.35f;
    zad.Wspolczynniki[0][uzytkowe] = 1.5f;
    zad.Wspolczynniki[0][wiatr] = -1.0f; // never reverses a load

    ObciazeniaKombinacji(zad, 0);
    ASSERT_EQ(IloscUzytych(zad.SilyKomb), 2);
    ExpectBliskie({zad.SilyKomb[0].Wartosc, zad.SilyKomb[1].Wartosc, zad.TrojkatyKomb[0].WartoscStala,
                   zad.TrojkatyKomb[0].WartoscMalejaca},
                  {13.5, 30, 3, 6}, 1e-5);
    EXPECT_EQ(zad.Sily[1].Wartosc, 20.0f) << "the task's own loads stay as entered";

    // The analysis's own list of span 2 holds the same loads, the coefficients multiplied in double.
    const TObciazeniaPrzesla drugie = ObciazeniaWKombinacji(zad, 0, 1);
    ASSERT_EQ(std::tuple(drugie.Sily.size(), drugie.Trojkaty.size(), drugie.Momenty.size()), std::tuple(1u, 1u, 0u));
    EXPECT_EQ(std::tuple(drugie.Sily[0].X, drugie.Sily[0].Wartosc, drugie.Trojkaty[0].Malejaca),
              std::tuple(2.0f, 20 * double(1.5f), 4 * double(1.5f)));

    zad.Wspolczynniki[0] = {};
    ObciazeniaKombinacji(zad, 0);
    EXPECT_EQ(std::pair(IloscUzytych(zad.SilyKomb), IloscUzytych(zad.TrojkatyKomb)), std::pair(0, 0));
    EXPECT_TRUE(ObciazeniaWKombinacji(zad, 0, 1).Puste());
}
