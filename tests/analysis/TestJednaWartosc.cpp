// One quantity, one number: values the program writes in more than one place
// come from one computation in double precision.
#include "analysis/Analiza.h"
#include "analysis/Przekroj.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(JednaWartosc, ASectionAtASupportReadsTheEndValuesWhateverTheLengthsInSinglePrecision)
{
    // Regression: the supports were placed by single-precision sums, so the
    // section at 7,40 m fell 0,3 µm short of the support, inside span 2, and
    // read the line a hair before its end instead of the value at the support.
    TDaneZadania zad;
    UstawGeometrie(zad, {4.1f, 3.3f, 0.7f, 2.55f}, false, true);
    for (int32_t s = 0; s < 4; ++s)
        DodajLiniowe(zad, s, 0, zad.Przesla[size_t(s)].L, 10);
    DodajMoment(zad, 2, 0, 5);
    PoliczKombinacje(zad);
    TWyniki wyn;
    TRejestrKomunikatow kom;
    ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom));
    zad.DoPrzeliczenia = false; // as the repaint leaves it
    const struct {
        int32_t cm, przeslo;
        bool koniec;
    } przypadki[] = {{0, 0, false}, {410, 1, false}, {740, 2, false}, {810, 3, false}, {1065, 3, true}};
    for (const auto& [cm, s, koniec] : przypadki) {
        SCOPED_TRACE(cm);
        const TPrzekroj p = PrzekrojBelki(zad, cm);
        ASSERT_EQ(std::pair(p.Przeslo, p.X), std::pair(s, koniec ? double(zad.Przesla[size_t(s)].L) : 0.0));
        const TSilyPrzekroju sily = SilyPrzekroju(zad, wyn, p, ',');
        ASSERT_EQ(sily.M.size(), 1u);
        // The moment at the support itself, left of the point moment standing there.
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[0][size_t(s)];
        const auto& T = wyn.WykresT[0][size_t(s)];
        const double T0 = T.front().Wartosc, TL = T.back().Wartosc;
        EXPECT_EQ(std::pair(sily.M[0], sily.T[0]), koniec ? std::pair(-m.MomentP, TL) : std::pair(m.MomentL, T0));
    }
    EXPECT_EQ(PrzekrojBelki(zad, 411).Przeslo, 1);
    EXPECT_NEAR(PrzekrojBelki(zad, 411).X, 0.01, 1e-6);
    EXPECT_EQ(PrzekrojBelki(zad, 739).Przeslo, 1);
}
