#include "LosoweZadania.h"
#include "Policzone.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Obwiednie.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"
#include "tools/przyklady/Przyklady.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

TEST(Obwiednie, DoubledCombinationBoundsTheLinesBySignOfTheMoment)
{
    TPoliczone o;
    UstawGeometrie(o.zad, {5, 4}, false, true);
    DodajLiniowe(o.zad, 0, 0, 5, 10);
    DodajSile(o.zad, 1, 2, 15);
    DodajKombinacje(o.zad, "Podwojona");
    o.zad.Wspolczynniki[1][0] = 2;
    ASSERT_TRUE(o.Przelicz());
    EXPECT_FLOAT_EQ(o.wyn.ObwiedniaMaxM[0][250].X, 2.5f);
    for (int32_t s = 0; s < 2; ++s) {
        const auto& maks = o.wyn.ObwiedniaMaxM[s];
        ASSERT_EQ(int32_t(maks.size()), o.wyn.EkstremaObwiedniM[s].IloscPunktow + 1) << "the last point's index";
        for (size_t k = 0; k < maks.size(); ++k) {
            const double m0 = MomentZWykresu(o.zad, o.wyn, 0, s, maks[k].X);
            const double m1 = MomentZWykresu(o.zad, o.wyn, 1, s, maks[k].X);
            EXPECT_EQ(std::pair(double(maks[k].Wartosc), double(o.wyn.ObwiedniaMinM[s][k].Wartosc)),
                      std::pair(std::max(m0, m1), std::min(m0, m1)));
        }
        // The envelope once read the lines 0,01 mm right of its sections.
        for (const auto& [obwiednia, kombinacja] : {std::pair(o.wyn.EkstremaObwiedniM[s], o.wyn.EkstremaM[1][s]),
                                                    std::pair(o.wyn.EkstremaObwiedniT[s], o.wyn.EkstremaT[1][s])})
            EXPECT_EQ(std::pair(obwiednia.Max, obwiednia.Min), std::pair(kombinacja.Max, kombinacja.Min)) << s;
    }
}

TEST(Obwiednie, EndMomentsOfClampedEndsSpanTheirCombinations)
{
    TPoliczone o;
    UstawGeometrie(o.zad, {6}, false, false);
    DodajLiniowe(o.zad, 0, 0, 6, 10);
    DodajKombinacje(o.zad, "Podwojona");
    o.zad.Wspolczynniki[1][0] = 2;
    ASSERT_TRUE(o.Przelicz());
    ASSERT_EQ(o.wyn.ObwiedniaReakcji.size(), 2u) << "one span has two supports";
    const TMomentyPodporoweObwiedni& m = o.wyn.ObwiedniaMomentowPodporowych;
    const double qL2 = 10 * 36, qL = 10 * 6; // combinations 1× and 2×
    ExpectBliskie({m.MaxL, m.MinL, m.MaxP, m.MinP, o.wyn.ObwiedniaReakcji[0].Max, o.wyn.ObwiedniaReakcji[0].Min},
                  {-qL2 / 12, -2 * qL2 / 12, 2 * qL2 / 12, qL2 / 12, qL, qL / 2}, 1e-11);
}

TEST(Obwiednie, SpanWithoutMomentInAnyCombinationHasNoExtremesAndUnitScale)
{
    TPoliczone o;
    UstawGeometrie(o.zad, {3}, true, true);
    const int32_t g = DodajGrupe(o.zad,
                                 "Wy\xB3\xB9"
                                 "czona",
                                 0xFF);
    DodajSile(o.zad, 0, 1, 10, g); // its group has coefficient 0 everywhere
    DodajKombinacje(o.zad, "Druga");
    ASSERT_TRUE(o.Przelicz());
    const TEkstrema& e = o.wyn.EkstremaObwiedniM[0];
    EXPECT_EQ(std::tuple(e.JestMax, e.JestMin, e.Skala, e.IloscPunktow), std::tuple(0, 0, 1.0, 300));
    for (const TPunktWykresu& pt : o.wyn.ObwiedniaMaxM[0])
        EXPECT_EQ(pt.Wartosc, 0.0);
}

TEST(Obwiednie, ASectionWhereALineJumpsBoundsBothSidesOfTheJump)
{
    // Regression: the envelope took the value right of a jump only, missing the minimum left of it.
    TPoliczone o;
    UstawGeometrie(o.zad, {4}, true, true);
    DodajMoment(o.zad, 0, 2, 10);
    DodajKombinacje(o.zad, "Druga");
    o.zad.Wspolczynniki[1][0] = 0.5f;
    ASSERT_TRUE(o.Przelicz());
    // Simple span: M(x) = −M·x/L left of it, M·(L − x)/L right of it; the jump is read 1 mm either side.
    const double M = 10, L = 4, lewy = 2 - 0.001, prawy = 2 + 0.001;
    ExpectBliskie({o.wyn.ObwiedniaMaxM[0][200].Wartosc, o.wyn.ObwiedniaMinM[0][200].Wartosc,
                   o.wyn.EkstremaObwiedniM[0].Max, o.wyn.EkstremaObwiedniM[0].Min},
                  {M * (L - prawy) / L, -M * lewy / L, M * (L - prawy) / L, -M * lewy / L}, 1e-6);
    EXPECT_EQ(o.wyn.EkstremaObwiedniM[0].Min, o.wyn.EkstremaM[0][0].Min);
    // T jumps under a force likewise: +7,5 left of it, −2,5 right.
    TPoliczone f;
    UstawGeometrie(f.zad, {4}, true, true);
    DodajSile(f.zad, 0, 1, 10);
    DodajKombinacje(f.zad, "Druga");
    f.zad.Wspolczynniki[1][0] = 1;
    ASSERT_TRUE(f.Przelicz());
    ExpectBliskie({f.wyn.ObwiedniaMaxT[0][100].Wartosc, f.wyn.ObwiedniaMinT[0][100].Wartosc,
                   f.wyn.ObwiedniaMaxT[0][99].Wartosc, f.wyn.EkstremaObwiedniT[0].Max, f.wyn.EkstremaObwiedniT[0].Min},
                  {7.5, -2.5, 7.5, 7.5, -2.5}, 1e-9);
}

namespace {

// Every point of every combination's lines, and so every extreme, lies within the envelope.
void ExpectObwiedniaObejmujeKombinacje(const TDaneZadania& zad, const TWyniki& wyn)
{
    for (int32_t s = 0; s < zad.IloscPrzesel; ++s) {
        const float L = zad.Przesla[size_t(s)].L;
        const struct {
            const char* nazwa;
            const std::vector<TPunktWykresu>& maks;
            const std::vector<TPunktWykresu>& mini;
            const TEkstrema& ekstrema;
            const std::vector<std::vector<std::vector<TPunktWykresu>>>& linie;
            const std::vector<std::vector<TEkstrema>>& ekstremaLinii;
        } rodzaje[] = {{"M", wyn.ObwiedniaMaxM[size_t(s)], wyn.ObwiedniaMinM[size_t(s)],
                        wyn.EkstremaObwiedniM[size_t(s)], wyn.WykresM, wyn.EkstremaM},
                       {"T", wyn.ObwiedniaMaxT[size_t(s)], wyn.ObwiedniaMinT[size_t(s)],
                        wyn.EkstremaObwiedniT[size_t(s)], wyn.WykresT, wyn.EkstremaT}};
        for (const auto& r : rodzaje) {
            SCOPED_TRACE(std::string(r.nazwa) + " of span " + std::to_string(s + 1) + ", L = " + std::to_string(L));
            ASSERT_EQ(r.maks.size(), size_t(r.ekstrema.IloscPunktow) + 1);
            ASSERT_EQ(std::pair(r.maks.front().X, r.maks.back().X), std::pair(0.0f, L)) << "the envelope ends at x = L";
            for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
                const TEkstrema& e = r.ekstremaLinii[size_t(c)][size_t(s)];
                EXPECT_TRUE(r.ekstrema.Max >= e.Max && r.ekstrema.Min <= e.Min)
                    << "combination " << c + 1 << ": " << e.Min << " … " << e.Max << " beyond the envelope's "
                    << r.ekstrema.Min << " … " << r.ekstrema.Max;
                const auto& linia = r.linie[size_t(c)][size_t(s)];
                for (int32_t i = 0; i < e.IloscPunktow; ++i) {
                    const TPunktWykresu& p = linia[size_t(i)];
                    const auto k = std::ranges::lower_bound(r.maks, p.X, {}, &TPunktWykresu::X) - r.maks.begin();
                    ASSERT_TRUE(k < std::ssize(r.maks) && r.maks[size_t(k)].X == p.X) << "no section at " << p.X;
                    ASSERT_TRUE(r.mini[size_t(k)].Wartosc <= p.Wartosc && p.Wartosc <= r.maks[size_t(k)].Wartosc)
                        << "combination " << c + 1 << " at x = " << p.X << ": " << p.Wartosc;
                }
            }
        }
    }
}

} // namespace

TEST(Obwiednie, SpansOfEveryLengthHaveTheirSupportValuesInTheEnvelope)
{
    // Regression: the grid ran to Trunc(100·L) cm, 4,09 m for 4,0999999: the support moment was left out.
    for (const bool przeguby : {false, true}) {
        TPoliczone o;
        UstawGeometrie(o.zad, {4.1f, 3.3f, 0.7f}, przeguby, przeguby);
        const int32_t u = DodajGrupe(o.zad, "U\xBFytkowe", 0xFF);
        for (int32_t s = 0; s < 3; ++s)
            DodajLiniowe(o.zad, s, 0, o.zad.Przesla[size_t(s)].L, 10);
        DodajLiniowe(o.zad, 0, 0, 4.1f, 15, u);
        DodajLiniowe(o.zad, 2, 0, 0.7f, 15, u);
        DodajKombinacje(o.zad, "Z u\xBFytkowym");
        o.zad.Wspolczynniki[1] = {1.35f, 1.5f};
        ASSERT_TRUE(o.Przelicz());
        ExpectObwiedniaObejmujeKombinacje(o.zad, o.wyn);
        for (int32_t s = 0; s < 3; ++s) {
            const float L = o.zad.Przesla[size_t(s)].L;
            const auto& mini = o.wyn.ObwiedniaMinM[size_t(s)];
            // The section before the end is the last whole centimetre: 4,09 m, 3,29 m, 0,69 m.
            EXPECT_NEAR(mini[mini.size() - 2].X, (std::round(100 * L) - 1) / 100, 1e-6) << s;
            const auto& m = o.wyn.MomentyKoncowe;
            const auto& f = o.wyn.SilyKoncowe;
            EXPECT_EQ(std::tuple(mini.front().Wartosc, mini.back().Wartosc, o.wyn.ObwiedniaMaxT[s].front().Wartosc,
                                 o.wyn.ObwiedniaMinT[s].back().Wartosc),
                      std::tuple(std::min(m[0][s].MomentL, m[1][s].MomentL),
                                 std::min(-m[0][s].MomentP, -m[1][s].MomentP),
                                 std::max(-f[0][s].TL, -f[1][s].TL), std::min(f[0][s].TP, f[1][s].TP)))
                << s;
        }
    }
}

TEST(Obwiednie, NoCombinationOfAnExampleOrOfARandomTaskReachesBeyondItsEnvelope)
{
    for (TPrzyklad& p : ZbudujPrzyklady()) {
        SCOPED_TRACE(p.NazwaPliku);
        TWyniki wyn;
        TRejestrKomunikatow kom;
        PoliczKombinacje(*p.Zadanie);
        ASSERT_TRUE(PrzeliczZadanie(*p.Zadanie, wyn, kom));
        if (p.Zadanie->IloscKombinacji > 1)
            ExpectObwiedniaObejmujeKombinacje(*p.Zadanie, wyn);
    }
    std::mt19937 los(16);
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE("random task " + std::to_string(i));
        TPoliczone o;
        LosoweZadanie(o.zad, los);
        ASSERT_TRUE(o.Przelicz());
        ExpectObwiedniaObejmujeKombinacje(o.zad, o.wyn);
        if (HasFailure())
            break;
    }
}
