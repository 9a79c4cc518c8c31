// Loads at the very ends of a span: the sampled lines must jump there too.
#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

namespace {

struct TKoniec {
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;
    const std::vector<TPunktWykresu>& M(int32_t s, int32_t c = 0) const { return wyn.WykresM[c][s]; }
    const std::vector<TPunktWykresu>& T(int32_t s, int32_t c = 0) const { return wyn.WykresT[c][s]; }
};

} // namespace

TEST(KonceWykresu, APointMomentAtEitherEndOfASpanJumpsTheMomentLineThere)
{
    // Regression: a moment at x = 0 or x = L was in no sample, so the line ran
    // straight from the support moment instead of jumping (−19,31 → 0 instead of −19,31 | +0,69 → 0).
    for (const bool zeSpecjalnymi : {false, true}) {
        for (const float a : {0.0f, 5.0f, 0.003f, 4.998f}) {
            TKoniec k;
            UstawGeometrie(k.zad, {4, 5}, false, true);
            DodajMoment(k.zad, 1, a, 20);
            if (zeSpecjalnymi) {
                DodajLiniowe(k.zad, 1, 0, 5, 3);
                DodajSile(k.zad, 1, 2.5f, 10);
            }
            PoliczKombinacje(k.zad);
            ASSERT_TRUE(PrzeliczZadanie(k.zad, k.wyn, k.kom)) << a;
            const auto& m = k.M(1);
            const TMomentyPrzesla& e = k.wyn.MomentyKoncowe[0][1];
            const size_t n = m.size();
            SCOPED_TRACE(std::to_string(a) + (zeSpecjalnymi ? " with other loads" : ""));
            if (a < 1) {
                // Both sides at x = 0: the support moment, then 20 kNm more.
                ASSERT_EQ(std::tuple(m[0].X, m[1].X), std::tuple(0.0f, 0.0f));
                EXPECT_EQ(m[0].Wartosc, float(e.MomentL));
                EXPECT_NEAR(m[1].Wartosc - m[0].Wartosc, 20, 0.2);
                EXPECT_NEAR(MomentZWykresu(k.zad, k.wyn, 0, 1, 1e-4), m[1].Wartosc, 0.01) << "the look-up right of it";
                EXPECT_EQ(MomentZWykresu(k.zad, k.wyn, 0, 1, 0), m[0].Wartosc);
            } else {
                ASSERT_EQ(std::tuple(m[n - 2].X, m[n - 1].X), std::tuple(5.0f, 5.0f));
                EXPECT_EQ(m[n - 1].Wartosc, float(-e.MomentP));
                EXPECT_NEAR(m[n - 1].Wartosc - m[n - 2].Wartosc, 20, 0.2);
                EXPECT_NEAR(MomentZWykresu(k.zad, k.wyn, 0, 1, 5 - 1e-4), m[n - 2].Wartosc, 0.01);
            }
            // The extremes see both sides; the shear line is untouched by the moment.
            const TEkstrema& ek = k.wyn.EkstremaM[0][1];
            EXPECT_EQ(ek.Max, std::max_element(m.begin(), m.end(), [](auto p, auto q) { return p.Wartosc < q.Wartosc; })->Wartosc);
            EXPECT_EQ(k.T(1).front().Wartosc, float(-k.wyn.SilyKoncowe[0][1].TL));
        }
    }
}

TEST(KonceWykresu, TheShearLineRunsFromMinusTLToTPAndAForceAtAnEndJumpsItThere)
{
    // Regression: the line started at T(0,001) and ended at T(L − 0,001), a load's q · 1 mm off the end forces.
    TKoniec k;
    UstawGeometrie(k.zad, {6, 4}, true, true);
    DodajLiniowe(k.zad, 0, 0, 6, 10);
    DodajSile(k.zad, 1, 0, 8);
    DodajSile(k.zad, 1, 4, 6);
    DodajKombinacje(k.zad, "Druga");
    k.zad.Wspolczynniki[1][0] = 2;
    PoliczKombinacje(k.zad);
    ASSERT_TRUE(PrzeliczZadanie(k.zad, k.wyn, k.kom));
    for (int32_t c = 0; c < 2; ++c)
        for (int32_t s = 0; s < 2; ++s) {
            const TSilyPrzesla& f = k.wyn.SilyKoncowe[c][s];
            EXPECT_EQ(std::pair(k.T(s, c).front().Wartosc, k.T(s, c).back().Wartosc), std::pair(float(-f.TL), float(f.TP)));
        }
    // Span 2 under its two end forces alone: the reactions come in at the supports, the forces leave right there.
    const auto& t = k.T(1, 1);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(std::tuple(t[0].X, t[1].X, t[2].X, t[3].X), std::tuple(0.0f, 0.0f, 4.0f, 4.0f));
    EXPECT_NEAR(t[0].Wartosc - t[1].Wartosc, 16, 1e-4);
    EXPECT_NEAR(t[2].Wartosc - t[3].Wartosc, 12, 1e-4);
    EXPECT_NEAR(t[1].Wartosc, t[2].Wartosc, 1e-4);
    // The envelope at the span's start bounds both sides of the jump.
    EXPECT_FLOAT_EQ(k.wyn.ObwiedniaMaxT[1][0].Wartosc, std::max(t[0].Wartosc, k.T(1, 0)[0].Wartosc));
    EXPECT_FLOAT_EQ(k.wyn.ObwiedniaMinT[1][0].Wartosc, std::min(t[1].Wartosc, k.T(1, 0)[1].Wartosc));
    EXPECT_FLOAT_EQ(k.wyn.ObwiedniaMinT[1][400].Wartosc, std::min(t[3].Wartosc, k.T(1, 0)[3].Wartosc));
}
