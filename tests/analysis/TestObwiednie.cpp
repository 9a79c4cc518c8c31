#include "SumaObciazen.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Obwiednie.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

namespace {

struct TObwiednie {
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;

    void Licz()
    {
        ASSERT_TRUE(Analiza(zad, wyn, kom));
        ObwiedniaM(zad, wyn);
        ObwiedniaT(zad, wyn);
        LiczObwiedniaReakcji(zad, wyn);
    }
};

} // namespace

TEST(Obwiednie, DoubledCombinationBoundsTheLinesBySignOfTheMoment)
{
    TObwiednie o;
    UstawGeometrie(o.zad, {5, 4}, false, true);
    DodajLiniowe(o.zad, 0, 0, 5, 10);
    DodajSile(o.zad, 1, 2, 15);
    DodajKombinacje(o.zad, "Podwojona");
    o.zad.Wspolczynniki[1][0] = 2;
    o.Licz();

    int dodatnie = 0, ujemne = 0;
    for (int32_t s = 0; s < 2; ++s) {
        const auto& maks = o.wyn.ObwiedniaMaxM[s];
        const auto& mini = o.wyn.ObwiedniaMinM[s];
        const int32_t K = o.wyn.EkstremaObwiedniM[s].IloscPunktow;
        ASSERT_EQ(int32_t(maks.size()), K + 1) << "IloscPunktow holds the index of the last point";
        for (int32_t k = 0; k <= K; ++k) {
            const double x = maks[k].X;
            const float m0 = MomentZWykresu(o.zad, o.wyn, 0, s, x);
            const float m1 = MomentZWykresu(o.zad, o.wyn, 1, s, x);
            if (m1 != 0) {
                EXPECT_EQ(std::pair(maks[k].Wartosc, mini[k].Wartosc), m1 > 0 ? std::pair(m1, m0) : std::pair(m0, m1)) << k;
            }
            dodatnie += m1 > 0;
            ujemne += m1 < 0;
        }
    }
    EXPECT_GT(dodatnie, 100);
    EXPECT_GT(ujemne, 100);
    EXPECT_FLOAT_EQ(o.wyn.ObwiedniaMaxM[0][250].X, 2.5f);
    EXPECT_DOUBLE_EQ(o.wyn.EkstremaObwiedniM[0].Min, o.wyn.EkstremaM[1][0].Min) << "the clamp moment doubles";
}

TEST(Obwiednie, ReactionsStartFromAnActualCombination)
{
    TObwiednie o;
    UstawGeometrie(o.zad, {4, 4}, true, true);
    DodajLiniowe(o.zad, 0, 0, 4, 10);
    DodajLiniowe(o.zad, 1, 0, 4, 10);
    const int32_t u = DodajGrupe(o.zad, "Zmienne", 0xFF);
    DodajLiniowe(o.zad, 1, 0, 4, 20, u);
    DodajKombinacje(o.zad, "Z u\xBFytkowym");
    o.zad.Wspolczynniki[1] = {1, 1};
    o.Licz();

    ASSERT_EQ(o.wyn.ObwiedniaReakcji.size(), 3u);
    const TReakcjaObwiedni& srodek = o.wyn.ObwiedniaReakcji[1];
    EXPECT_GT(srodek.Min, 0) << "a reaction upward in every combination keeps a positive minimum";
    EXPECT_EQ(std::pair(srodek.Min, srodek.Max), std::pair(float(Reakcja(o.wyn, 0, 1, 2)), float(Reakcja(o.wyn, 1, 1, 2))));
    // The live load on span 2 lifts the far end of span 1.
    EXPECT_LT(o.wyn.ObwiedniaReakcji[0].Min, o.wyn.ObwiedniaReakcji[0].Max);
    EXPECT_EQ(o.wyn.ObwiedniaReakcji[0].Min, float(Reakcja(o.wyn, 1, 0, 2)));
    EXPECT_EQ(std::pair(o.wyn.ObwiedniaMomentowPodporowych.MaxL, o.wyn.ObwiedniaMomentowPodporowych.MinP),
              std::pair(0.0f, 0.0f)) << "hinged ends carry no moment";
}

TEST(Obwiednie, EndMomentsOfClampedEndsSpanTheirCombinations)
{
    TObwiednie o;
    UstawGeometrie(o.zad, {6}, false, false);
    DodajLiniowe(o.zad, 0, 0, 6, 10);
    DodajKombinacje(o.zad, "Podwojona");
    o.zad.Wspolczynniki[1][0] = 2;
    o.Licz();
    ASSERT_EQ(o.wyn.ObwiedniaReakcji.size(), 2u) << "one span has two supports";
    const TMomentyPodporoweObwiedni& m = o.wyn.ObwiedniaMomentowPodporowych;
    const double qL2 = 10 * 36, qL = 10 * 6; // combinations 1× and 2×
    ExpectBliskie({m.MaxL, m.MinL, m.MaxP, m.MinP, o.wyn.ObwiedniaReakcji[0].Max, o.wyn.ObwiedniaReakcji[0].Min},
                  {-qL2 / 12, -2 * qL2 / 12, 2 * qL2 / 12, qL2 / 12, qL, qL / 2}, 1e-4);
}

TEST(Obwiednie, SpanWithoutMomentInAnyCombinationHasNoExtremesAndUnitScale)
{
    TObwiednie o;
    UstawGeometrie(o.zad, {3}, true, true);
    const int32_t g = DodajGrupe(o.zad, "Wy\xB3\xB9" "czona", 0xFF);
    DodajSile(o.zad, 0, 1, 10, g); // its group has coefficient 0 everywhere
    DodajKombinacje(o.zad, "Druga");
    o.Licz();
    const TEkstrema& e = o.wyn.EkstremaObwiedniM[0];
    EXPECT_EQ(std::tuple(e.JestMax, e.JestMin, e.Skala, e.IloscPunktow), std::tuple(0, 0, 1.0, 300));
    for (const TPunktWykresu& pt : o.wyn.ObwiedniaMaxM[0])
        EXPECT_EQ(pt.Wartosc, 0.0f);
}

TEST(Obwiednie, SampleAtAJumpTakesTheValueRightOfIt)
{
    TObwiednie o;
    UstawGeometrie(o.zad, {4}, true, true);
    DodajSile(o.zad, 0, 1, 10);
    DodajKombinacje(o.zad, "Druga");
    o.zad.Wspolczynniki[1][0] = 1;
    o.Licz();
    // T jumps from +7.5 to −2.5 at the force; the sample at x = 1 reads −2.5.
    ExpectBliskie({o.wyn.ObwiedniaMaxT[0][100].Wartosc, o.wyn.ObwiedniaMaxT[0][99].Wartosc, o.wyn.EkstremaObwiedniT[0].Max,
                   o.wyn.EkstremaObwiedniT[0].Min}, {-2.5, 7.5, 7.5, -2.5}, 1e-4);
}
