#include "Rekurencja.h"
#include "Policzone.h"

#include "analysis/Uklad.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// The system of an unloaded task, combination 0.
TWyniki Uklad(const TDaneZadania& zad)
{
    TWyniki wyn;
    DopasujDoIlosciPrzesel(zad, wyn);
    BudujUklad(zad, wyn, 0);
    return wyn;
}

} // namespace

TEST(Wyznacznik, DeterminantAndInverseMatchThePlainRecursionToTheBitOnRandomMatricesAndAssembledBeams)
{
    // The memoised expansion must do exactly the recursion's operations.
    const auto porownaj = [](const MacierzKwad& A, int32_t n, const std::string& co) {
        EXPECT_EQ(Wyznacznik(A, n), WyznacznikRekurencyjny(A, n)) << co;
        TWyniki wyn;
        UstawRozmiarUkladu(wyn, n);
        for (int32_t i = 0; i < n; ++i)
            std::copy_n(A[i].begin(), n, wyn.MacierzK[i].begin());
        TRejestrKomunikatow kom;
        ASSERT_TRUE(RozwiazUklad(wyn, n, kom)) << co;
        if (n >= 2) {
            EXPECT_EQ(wyn.MacierzKOdwrotna, OdwrotnaRekurencyjna(A, n)) << co;
        }
    };
    std::mt19937 gen(20261206);
    std::uniform_real_distribution<double> d(-10, 10);
    for (int32_t n = 1; n <= 8; ++n)
        for (int proba = 0; proba < 5; ++proba) {
            MacierzKwad A(size_t(n), MacierzWektor(size_t(n), 0.0));
            for (auto& wiersz : A)
                std::generate(wiersz.begin(), wiersz.end(), [&] { return d(gen); });
            porownaj(A, n, "random of order " + std::to_string(n));
        }
    for (int32_t przesla = 2; przesla <= 9; ++przesla) {
        TDaneZadania zad;
        UstawGeometrie(zad, {3.5f, 6, 4.25f, 7, 5, 2.8f, 6.6f, 4.1f, 5.3f}, przesla % 2 == 0, przesla % 3 == 0);
        zad.Przesla.resize(size_t(przesla));
        zad.IloscPrzesel = przesla;
        UstawKodyPrzesel(zad);
        for (int32_t s = 0; s < przesla; ++s)
            zad.Przesla[s].J = 1.0f + 0.37f * float(s);
        const TWyniki wyn = Uklad(zad);
        porownaj(wyn.MacierzK, przesla - 1, std::to_string(przesla) + " spans");
    }
    const MacierzKwad A4 = {{1, 0, 0, 0}, {0, 2, 0, 0}, {0, 0, 3, 0}, {0, 0, 0, 4}};
    EXPECT_EQ(Wyznacznik(A4, 2), 2.0) << "the leading block only";
}

TEST(RozwiazUklad, ZeroDeterminantIsReportedAndChangesNothing)
{
    TWyniki wyn;
    UstawRozmiarUkladu(wyn, 2);
    wyn.MacierzK = {{1, 2}, {2, 4}};
    wyn.WektorQ = {1, 1};
    TRejestrKomunikatow kom;
    EXPECT_FALSE(RozwiazUklad(wyn, 2, kom));
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"det A = 0; Macierz osobliwa "});
    EXPECT_EQ(wyn.WektorX, (MacierzWektor{0, 0}));

    UstawRozmiarUkladu(wyn, 1);
    wyn.MacierzK[0][0] = 8.0 / 6;
    wyn.WektorQ[0] = -30;
    EXPECT_TRUE(RozwiazUklad(wyn, 1, kom)) << "one unknown is Q over K";
    ExpectBliskie({wyn.WektorX[0], wyn.MacierzKOdwrotna[0][0]}, {-30 / (8.0 / 6), 6.0 / 8}, 1e-12);

    // Regression: one unknown with no stiffness used to divide by zero.
    UstawRozmiarUkladu(wyn, 1);
    wyn.WektorQ[0] = 5;
    EXPECT_FALSE(RozwiazUklad(wyn, 1, kom));
    EXPECT_EQ(std::pair(kom.Komunikaty.size(), wyn.WektorX[0]), std::pair(size_t(2), 0.0));
}
