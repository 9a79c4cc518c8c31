// The very ends of a span: a moment there jumps the line, a force there is the support's.
#include "Policzone.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Przekroj.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

TEST(KonceWykresu, APointMomentAtEitherEndOfASpanJumpsTheMomentLineThere)
{
    // Regression: a moment at x = 0 or x = L was in no sample, so the line did not jump there.
    for (const bool zeSpecjalnymi : {false, true}) {
        for (const float a : {0.0f, 5.0f, 0.003f, 4.998f}) {
            TPoliczone k;
            UstawGeometrie(k.zad, {4, 5}, false, true);
            DodajMoment(k.zad, 1, a, 20);
            if (zeSpecjalnymi) {
                DodajLiniowe(k.zad, 1, 0, 5, 3);
                DodajSile(k.zad, 1, 2.5f, 10);
            }
            ASSERT_TRUE(k.Przelicz()) << a;
            const auto& m = k.LiniaM(1);
            const TMomentyPrzesla& e = k.wyn.MomentyKoncowe[0][1];
            const size_t n = m.size();
            SCOPED_TRACE(std::to_string(a) + (zeSpecjalnymi ? " with other loads" : ""));
            if (a < 1) {
                // Both sides at x = 0: the support moment, then 20 kNm more.
                ASSERT_EQ(std::tuple(m[0].X, m[1].X), std::tuple(0.0f, 0.0f));
                EXPECT_EQ(m[0].Wartosc, e.MomentL);
                EXPECT_NEAR(m[1].Wartosc - m[0].Wartosc, 20, 0.2);
                EXPECT_NEAR(MomentZWykresu(k.zad, k.wyn, 0, 1, 1e-4), m[1].Wartosc, 0.01) << "the look-up right of it";
                EXPECT_EQ(MomentZWykresu(k.zad, k.wyn, 0, 1, 0), m[0].Wartosc);
            } else {
                ASSERT_EQ(std::tuple(m[n - 2].X, m[n - 1].X), std::tuple(5.0f, 5.0f));
                EXPECT_EQ(m[n - 1].Wartosc, -e.MomentP);
                EXPECT_NEAR(m[n - 1].Wartosc - m[n - 2].Wartosc, 20, 0.2);
                EXPECT_NEAR(MomentZWykresu(k.zad, k.wyn, 0, 1, 5 - 1e-4), m[n - 2].Wartosc, 0.01);
            }
        }
    }
}

namespace {

// Five hinged spans, with `inne` loads on four of them; a second combination 1,35 times the first.
void PiecPrzesel(TDaneZadania& zad, bool inne)
{
    UstawGeometrie(zad, {4.5f, 6, 5.2f, 4.1f, 3.3f}, true, true);
    DodajKombinacje(zad, "SGN");
    zad.Wspolczynniki[1][0] = 1.35f;
    if (inne) {
        for (const int32_t s : {0, 2, 3})
            DodajLiniowe(zad, s, 0, zad.Przesla[size_t(s)].L, 12);
        DodajSile(zad, 1, 2.4f, 30);
        DodajMoment(zad, 4, 1.2f, 15);
    }
}

} // namespace

TEST(SilaNaPodporze, AForceStandingOnASupportIsCarriedByItAndLeavesTheSpansAsWithoutIt)
{
    // Regression: the shear line started at −TL and ended at TP, counting such a force as the span's shear.
    const struct {
        int32_t przeslo;
        bool naKoncu; // at x = L of the span, else at x = 0
        int32_t podpora;
    } przypadki[] = {{0, true, 1}, {1, false, 1}, {3, true, 4}, {0, false, 0}, {4, true, 5}};
    for (const bool inne : {false, true})
        for (const auto& [przeslo, naKoncu, podpora] : przypadki) {
            SCOPED_TRACE(std::to_string(przeslo) + (naKoncu ? " at L" : " at 0") + (inne ? " with other loads" : ""));
            TPoliczone bez, z;
            PiecPrzesel(bez.zad, inne);
            PiecPrzesel(z.zad, inne);
            DodajSile(z.zad, przeslo, naKoncu ? z.zad.Przesla[size_t(przeslo)].L : 0, 50);
            ASSERT_TRUE(bez.Przelicz());
            ASSERT_TRUE(z.Przelicz());
            for (int32_t c = 0; c < 2; ++c) {
                for (int32_t s = 0; s < 5; ++s) {
                    const auto liczby = [&](const TPoliczone& p) {
                        const TEkstrema &t = p.wyn.EkstremaT[c][s], &m = p.wyn.EkstremaM[c][s];
                        return std::vector<double>{t.Max, t.Min, m.Max, m.Min, p.LiniaT(s, c).front().Wartosc,
                                                   p.LiniaT(s, c).back().Wartosc};
                    };
                    ExpectBliskie(liczby(z), inne ? liczby(bez) : std::vector<double>(6, 0.0), 1e-9);
                }
                // The support takes the force times its coefficient as stored, the product in double.
                for (int32_t k = 0; k <= 5; ++k)
                    EXPECT_NEAR(Reakcja(z.wyn, c, k, 5),
                                Reakcja(bez.wyn, c, k, 5) + (k == podpora ? 50 * (c ? double(1.35f) : 1) : 0), 1e-9)
                        << "support " << k;
            }
            for (int32_t s = 0; s < 5; ++s)
                ExpectBliskie({z.wyn.EkstremaObwiedniT[s].Max, z.wyn.EkstremaObwiedniT[s].Min},
                              {bez.wyn.EkstremaObwiedniT[s].Max, bez.wyn.EkstremaObwiedniT[s].Min}, 1e-9);
        }
}

TEST(SilaNaPodporze, AForceAFewMillimetresInsideTheSpanIsStillShearOfItsOwn)
{
    // 3 mm inside, the span carries it from the support to the force: the line jumps at x = 0.
    TPoliczone k;
    UstawGeometrie(k.zad, {4}, true, true);
    DodajSile(k.zad, 0, 0.003f, 40);
    ASSERT_TRUE(k.Przelicz());
    const auto& t = k.LiniaT(0);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(std::tuple(t[0].X, t[1].X), std::tuple(0.0f, 0.0f));
    const double P = 40, a = 0.003f, L = 4;
    ExpectBliskie({t[0].Wartosc, t[1].Wartosc, t[2].Wartosc}, {P * (L - a) / L, -P * a / L, -P * a / L}, 1e-9);
}

TEST(KonceWykresu, ASectionAtASupportReadsTheEndValuesWhateverTheLengthsInSinglePrecision)
{
    // Regression: supports placed by single-precision sums put the section at 7,40 m 0,3 µm inside span 2.
    TPoliczone k;
    TDaneZadania& zad = k.zad;
    UstawGeometrie(zad, {4.1f, 3.3f, 0.7f, 2.55f}, false, true);
    for (int32_t s = 0; s < 4; ++s)
        DodajLiniowe(zad, s, 0, zad.Przesla[size_t(s)].L, 10);
    DodajMoment(zad, 2, 0, 5);
    ASSERT_TRUE(k.Przelicz());
    zad.DoPrzeliczenia = false; // as the repaint leaves it
    const struct {
        int32_t cm, przeslo;
        bool koniec;
    } przypadki[] = {{0, 0, false}, {410, 1, false}, {740, 2, false}, {810, 3, false}, {1065, 3, true}};
    for (const auto& [cm, s, koniec] : przypadki) {
        SCOPED_TRACE(cm);
        const TPrzekroj p = PrzekrojBelki(zad, cm);
        ASSERT_EQ(std::pair(p.Przeslo, p.X), std::pair(s, koniec ? double(zad.Przesla[size_t(s)].L) : 0.0));
        const TSilyPrzekroju sily = SilyPrzekroju(zad, k.wyn, p, ',');
        ASSERT_EQ(sily.M.size(), 1u);
        // The moment at the support itself, left of the point moment standing there.
        const TMomentyPrzesla& m = k.M(s);
        const auto& T = k.LiniaT(s);
        const double T0 = T.front().Wartosc, TL = T.back().Wartosc;
        EXPECT_EQ(std::pair(sily.M[0], sily.T[0]), koniec ? std::pair(-m.MomentP, TL) : std::pair(m.MomentL, T0));
    }
    EXPECT_EQ(PrzekrojBelki(zad, 411).Przeslo, 1);
    EXPECT_NEAR(PrzekrojBelki(zad, 411).X, 0.01, 1e-6);
    EXPECT_EQ(PrzekrojBelki(zad, 739).Przeslo, 1);
}
