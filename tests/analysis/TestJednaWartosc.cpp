// One quantity, one number: values the program writes in more than one place
// come from one computation in double precision.
#include "LosoweZadania.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Przekroj.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"
#include "tools/przyklady/Przyklady.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::string Tekst(double v)
{
    return FormatujMaska(v, Maska::Wartosc, ',');
}

// At every inner support the moment line of the span on the left ends where
// the one on the right starts, at the end moments themselves.
void ExpectMomentyPodporJednakowe(const TDaneZadania& zad, const TWyniki& wyn)
{
    for (int32_t c = 0; c < wyn.IloscPoliczonych; ++c)
        for (int32_t s = 0; s + 1 < zad.IloscPrzesel; ++s) {
            const double lewy = MomentZWykresu(zad, wyn, c, s, zad.Przesla[size_t(s)].L);
            const double prawy = MomentZWykresu(zad, wyn, c, s + 1, 0);
            EXPECT_EQ(std::pair(lewy, prawy),
                      std::pair(-wyn.MomentyKoncowe[c][s].MomentP, wyn.MomentyKoncowe[c][s + 1].MomentL));
            EXPECT_NEAR(lewy, prawy, 1e-11 * std::max(1.0, std::fabs(lewy)))
                << "combination " << c + 1 << ", support " << s + 1;
            EXPECT_EQ(Tekst(lewy), Tekst(prawy)) << "combination " << c + 1 << ", support " << s + 1;
        }
}

} // namespace

TEST(JednaWartosc, TheMomentAtAnInnerSupportIsOneNumberForTheSpansOnEitherSide)
{
    // Regression: the rotations passed through single precision, so the two
    // spans' end moments differed in the sixth digit and could be labelled
    // "−76,12" and "−76,11".
    for (TPrzyklad& p : ZbudujPrzyklady()) {
        SCOPED_TRACE(p.NazwaPliku);
        TWyniki wyn;
        TRejestrKomunikatow kom;
        PoliczKombinacje(*p.Zadanie);
        ASSERT_TRUE(PrzeliczZadanie(*p.Zadanie, wyn, kom));
        ExpectMomentyPodporJednakowe(*p.Zadanie, wyn);
    }
    std::mt19937 los(19);
    for (int i = 0; i < 200 && !HasFailure(); ++i) {
        SCOPED_TRACE("random task " + std::to_string(i));
        TDaneZadania zad;
        TWyniki wyn;
        TRejestrKomunikatow kom;
        LosoweZadanie(zad, los);
        ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom));
        ExpectMomentyPodporJednakowe(zad, wyn);
    }
}

TEST(JednaWartosc, MirrorImageSpansUnderMirrorImageLoadsGetMirrorImageFixedEndMoments)
{
    // Regression: each end had its own formula, so mirror images differed in
    // the last bits and a value on a half cent printed as "78,13" and "−78,12".
    for (const bool przeguby : {false, true}) {
        TDaneZadania zad;
        // Positions whose mirror images 4,10 m less them are exactly the single-precision numbers typed.
        UstawGeometrie(zad, {4.1f, 6, 4.1f}, przeguby, przeguby);
        DodajLiniowe(zad, 0, 0.52f, 3.1f, 12.3f);
        DodajLiniowe(zad, 2, 1.0f, 3.58f, 12.3f);
        DodajSile(zad, 0, 1.05f, 23.7f);
        DodajSile(zad, 2, 3.05f, 23.7f);
        DodajTrojkat(zad, 0, 1.25f, 3.1f, 3, 12);
        DodajTrojkat(zad, 2, 1.0f, 2.85f, 12, 3);
        DodajMoment(zad, 0, 0.52f, 7); // clockwise; its mirror image turns the other way
        DodajMoment(zad, 2, 3.58f, -7);
        DodajLiniowe(zad, 1, 0, 6, 25);
        PoliczKombinacje(zad);
        TWyniki wyn;
        TRejestrKomunikatow kom;
        ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom));
        const TMomentyPrzesla& lewe = wyn.MomentyKoncowe[0][0];
        const TMomentyPrzesla& prawe = wyn.MomentyKoncowe[0][2];
        const TMomentyPrzesla& srodek = wyn.MomentyKoncowe[0][1];
        SCOPED_TRACE(przeguby ? "hinged ends" : "clamped ends");
        EXPECT_NE(lewe.MomentUtwP, 0);
        EXPECT_EQ(std::pair(lewe.MomentUtwL, lewe.MomentUtwP), std::pair(-prawe.MomentUtwP, -prawe.MomentUtwL));
        EXPECT_EQ(Tekst(lewe.MomentUtwP), Tekst(-prawe.MomentUtwL));
        // A uniform load over a clamped span: ∓qL²/12 at its ends; 25·6²/12 = 75.
        EXPECT_EQ(std::pair(srodek.MomentUtwL, srodek.MomentUtwP), std::pair(-25.0 * 36 / 12, 25.0 * 36 / 12));
    }
}

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
