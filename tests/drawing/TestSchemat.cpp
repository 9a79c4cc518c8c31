#include "Odczyt.h"
#include "Pomocnicze.h"

#include "analysis/Analiza.h"
#include "analysis/Obciazenia.h"
#include "drawing/Schemat.h"
#include "drawing/Tekst.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr double Px = TSrodowisko::PikseleNaCm;
constexpr int32_t KolorStalych = Rgb(10, 20, 30);

class Schemat : public ::testing::Test {
protected:
    TSrodowisko S;
    TDaneZadania zad;

    void SetUp() override { UstawCzcionkeDoOdczytu(*S.Czcionka); }

    // Texts with their reference points in cm.
    struct TNapisCm {
        std::string Tekst;
        double X, Y;
        TPioro Pioro;
    };
    std::vector<TNapisCm> NapisyCm() const
    {
        std::vector<TNapisCm> w;
        for (const TNapisZapisany& n : Napisy(S.Ekran))
            w.push_back({n.Tekst, n.X / Px, n.Y / Px, n.Pioro});
        return w;
    }
    bool JestNapis(const std::string& tekst, double x, double y, double tol = 0.002) const
    {
        for (const TNapisCm& n : NapisyCm())
            if (n.Tekst == tekst && std::abs(n.X - x) <= tol && std::abs(n.Y - y) <= tol)
                return true;
        return false;
    }
    // Lines drawn with the pen of `mm` millimetres.
    std::vector<TOdcinekCm> LiniePiora(double mm) const
    {
        std::vector<TOdcinekCm> w;
        for (const TOperacja& o : S.Ekran.Linie())
            if (o.Pioro.Grubosc == S.Widok.GruboscEkran(mm))
                w.push_back({o.X1 / Px, o.Y1 / Px, o.X2 / Px, o.Y2 / Px});
        return w;
    }
    void Obciazenia(int32_t c = 0)
    {
        zad.Grupy[0].Kolor = KolorStalych;
        ObciazeniaKombinacji(zad, c);
    }
};

} // namespace

TEST_F(Schemat, TheBeamHasItsAxisSupportsNumbersLettersAndDimensions)
{
    // Two spans of 4 and 6 m clamped at both ends: codes 2 and 3.
    UstawGeometrie(zad, {4, 6}, false, false);
    SchematBelki(S.R, zad, Kolor::Czarny, true, 2, 5, 0.1, 0.5, 0.3, false);
    const auto os = LiniePiora(0.5);
    EXPECT_TRUE(JestOdcinek(os, 2, 5, 6, 5));
    EXPECT_TRUE(JestOdcinek(os, 6, 5, 12, 5));
    EXPECT_TRUE(JestOdcinek(os, 2, 5.4, 2, 4.6));   // left clamp's wall, 0.4 cm each way
    EXPECT_TRUE(JestOdcinek(os, 12, 5.4, 12, 4.6)); // right clamp's wall
    // The rollers of both spans stand on the inner support, one over the other.
    const auto p1 = LiniePiora(0.1);
    EXPECT_EQ(std::count_if(p1.begin(), p1.end(), [](const TOdcinekCm& o) { return Laczy(o, 6.2, 5.48, 5.8, 5.48); }),
              2);

    const double t = S.Nastawy.WysokoscCzcionki;
    EXPECT_TRUE(JestNapis("1", 2 + 2, 5 + 1.25 * t)); // span numbers start at mid-span under the axis
    EXPECT_TRUE(JestNapis("2", 6 + 3, 5 + 1.25 * t));
    EXPECT_TRUE(JestNapis("A", 2, 5 + 1.25 * t + 0.5));
    EXPECT_TRUE(JestNapis("B", 12, 5 + 1.25 * t + 0.5));
    EXPECT_TRUE(JestNapis("1", 6, 5 + 1.25 * t + 0.5)); // the inner support
    // The dimension label centred on its span, 1.5 cm under the axis.
    const double w = DlugoscTekstu(*S.Czcionka, "4,00m", t);
    EXPECT_TRUE(JestNapis("4,00m", 4 - w / 2, 6.5 - 0.05));
    EXPECT_TRUE(S.Druk.Operacje.empty());
}

TEST_F(Schemat, WithoutUnitsASpanIsLabelledByItsLengthAlone)
{
    UstawGeometrie(zad, {6}, true, true);
    S.Nastawy.PiszJednostki = false;
    SchematBelki(S.R, zad, Kolor::Czarny, true, 0, 5, 0.1, 0.5, 0.3, false);
    EXPECT_EQ(NapisyZ(S.Ekran, "6,00").size(), 1u);
    EXPECT_TRUE(NapisyZ(S.Ekran, "6,00m").empty());
}

TEST_F(Schemat, EachSupportCodeDrawsItsOwnSymbolsAndAnUnknownOneNone)
{
    // Supports take p1 (0.3 here) and the clamps' walls p2 (0.5).
    const auto symbole = [&](int32_t kod) {
        S.Ekran.Wyczysc();
        PrzesloSchemat(S.R, Kolor::Czarny, kod, 1, 5, 4, 0.3, 0.5, 0.3, true, false);
        return std::make_pair(LiniePiora(0.3), LiniePiora(0.5));
    };
    const auto [p1, w1] = symbole(1); // roller at x1, pinned support at x2
    EXPECT_EQ(p1.size(), 4u + 3u);
    EXPECT_TRUE(JestOdcinek(p1, 1.2, 5.48, 0.8, 5.48));
    EXPECT_TRUE(JestOdcinek(p1, 5, 5, 5.2, 5.4));

    const auto [p5, w5] = symbole(5); // a clamp at x1 only
    EXPECT_EQ(p5.size(), 5u);
    EXPECT_TRUE(JestOdcinek(w5, 1, 5.4, 1, 4.6));
    EXPECT_FALSE(JestOdcinek(w5, 5, 5.4, 5, 4.6));

    const auto [p6, w6] = symbole(6); // a clamp at x2 only
    EXPECT_EQ(p6.size(), 5u);
    EXPECT_TRUE(JestOdcinek(w6, 5, 5.4, 5, 4.6));

    const auto [p9, w9] = symbole(9); // no such code: the span and its dimension only
    EXPECT_TRUE(p9.empty());
    ASSERT_EQ(w9.size(), 1u);
    EXPECT_TRUE(Laczy(w9[0], 1, 5, 5, 5));
}

TEST_F(Schemat, AForceIsAnArrowOfItsValueTimesTheScaleWithItsLabelAboveIt)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajSile(zad, 0, 2, 10);
    DodajSile(zad, 0, 4, -5);
    Obciazenia();
    ObciazeniaSchemat(S.R, zad, true, false, 1, 5, 0.3, 0.2, 0.3);
    const double k = 0.04; // the default scale: cm per kN
    const auto strzalki = LiniePiora(0.2);
    EXPECT_TRUE(JestOdcinek(strzalki, 3, 5 - 0.2 * 10 * k, 3, 5 - 10 * k)); // shaft, tip on the axis
    EXPECT_TRUE(JestOdcinek(strzalki, 5, 5 + 0.2 * 5 * k, 5, 5 + 5 * k));  // under the axis, pointing up at it
    EXPECT_TRUE(JestNapis("10kN", 3 + 0.05, 5 - 0.65 * 10 * k));
    EXPECT_TRUE(JestNapis("-5kN", 5 + 0.05, 5 + 0.65 * 5 * k));
    for (const TNapisCm& n : NapisyCm())
        EXPECT_EQ(n.Pioro, (TPioro{KolorStalych, S.Widok.GruboscEkran(0.1)})) << n.Tekst;
    for (const TOperacja& o : S.Ekran.Linie())
        EXPECT_EQ(o.Pioro.Kolor, KolorStalych);
}

TEST_F(Schemat, LineLoadLabelsFollowTheMaskAndLeaveOutAZeroEnd)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 3, 0.5);
    DodajTrojkat(zad, 0, 1, 4, 0, 10);  // from 0 to 10 kN/m
    DodajTrojkat(zad, 0, 4, 6, -2, -6); // upward, both ends labelled
    DodajSile(zad, 0, 5, 12);
    Obciazenia();
    ObciazeniaSchemat(S.R, zad, true, false, 0, 5, 0.3, 0.2, 0.3);
    const double k = 0.04;
    EXPECT_TRUE(JestNapis(",5kN/m", 0, 5 - 1.25 * 0.5 * k));
    EXPECT_TRUE(JestNapis("12kN", 5.05, 5 - 0.65 * 12 * k));
    EXPECT_TRUE(JestNapis("10kN/m", 4, 5 - 1.25 * 10 * k));
    EXPECT_TRUE(NapisyZ(S.Ekran, "0kN/m").empty()); // the triangle's zero end
    EXPECT_TRUE(JestNapis("-2kN/m", 4, 5 + 1.25 * 2 * k));
    EXPECT_TRUE(JestNapis("-6kN/m", 6, 5 + 1.25 * 6 * k));
    EXPECT_EQ(Napisy(S.Ekran).size(), 5u);

    S.Ekran.Wyczysc();
    S.Nastawy.PiszJednostki = false;
    ObciazeniaSchemat(S.R, zad, true, false, 0, 5, 0.3, 0.2, 0.3);
    EXPECT_EQ(NapisyZ(S.Ekran, "12").size(), 1u);
    EXPECT_EQ(NapisyZ(S.Ekran, ",5").size(), 1u);
}

TEST_F(Schemat, AMomentsArcStartsAboveTheAxisWhenClockwiseAndBelowOtherwise)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajMoment(zad, 0, 2, 10);
    DodajMoment(zad, 0, 4, -10);
    Obciazenia();
    ObciazeniaSchemat(S.R, zad, true, false, 0, 5, 0.3, 0.2, 0.3);
    const double r = 10 * 0.04;
    const auto l = LiniePiora(0.2);
    EXPECT_TRUE(JestOdcinek(l, 2, 5, 2, 5 - r)); // the radius to the arc's start
    EXPECT_TRUE(JestOdcinek(l, 4, 5, 4, 5 + r));
    EXPECT_TRUE(JestNapis("10kNm", 2, 5 - 1.2 * r));
    EXPECT_TRUE(JestNapis("-10kNm", 4, 5 + 1.2 * r));
}

TEST_F(Schemat, SplitByGroupEachGroupStandsOneCentimetreHigherAndAStrayGroupStaysOnTheAxis)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajGrupe(zad, "G2", Rgb(0, 200, 0));
    const int32_t g3 = DodajGrupe(zad, "G3", Rgb(0, 0, 200));
    zad.Wspolczynniki[0][1] = zad.Wspolczynniki[0][2] = 1;
    DodajSile(zad, 0, 2, 10, g3);
    Obciazenia();
    // A record of a group outside the table, as a damaged working list could hold.
    TSila obca{1, 0, 4, 4, 10, 42};
    zad.SilyKomb[1] = obca;
    ObciazeniaSchematGrupami(S.R, zad, true, false, 0, 5, 0.3, 0.2, 0.3);
    const auto l = LiniePiora(0.2);
    EXPECT_TRUE(JestOdcinek(l, 2, 3 - 0.08, 2, 3 - 0.4)); // third group: 2 cm up
    EXPECT_TRUE(JestNapis("10kN", 2.05, 3 - 0.26));
    EXPECT_TRUE(JestOdcinek(l, 4, 5 - 0.08, 4, 5 - 0.4));
    for (const TNapisCm& n : NapisyCm())
        EXPECT_EQ(n.Pioro.Kolor, n.X < 3 ? Rgb(0, 0, 200) : Kolor::Czarny);
}

TEST_F(Schemat, ThePreviewDrawsEveryArrowAndLabelInGrey)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajSile(zad, 0, 2, 10);
    DodajLiniowe(zad, 0, 1, 5, 3);
    DodajTrojkat(zad, 0, 1, 5, 1, 3);
    DodajMoment(zad, 0, 3, 5);
    Obciazenia();
    ObciazeniaPodglad(S.R, zad, true, true, 0, 5, 0.3, 0.2, 0.3);
    ASSERT_FALSE(S.Ekran.Linie().empty());
    for (const TOperacja& o : S.Ekran.Linie())
        EXPECT_EQ(o.Pioro.Kolor, Rgb(150, 150, 150));
    for (const TOperacja& o : S.Druk.Linie())
        EXPECT_EQ(o.Pioro.Kolor, Rgb(150, 150, 150));
    EXPECT_EQ(Napisy(S.Ekran).size(), 5u);
}

TEST_F(Schemat, BarsStandOnTheMiddleSixtyPercentOfTheirSpans)
{
    UstawGeometrie(zad, {10}, false, false); // code 4
    SchematPretow(S.R, zad, Kolor::Szary, true, 0, 5, 0.3, 0.5, 0.3, false);
    const auto pret = LiniePiora(0.5);
    EXPECT_TRUE(JestOdcinek(pret, 2, 5, 8, 5));
    EXPECT_TRUE(JestOdcinek(pret, 2, 5.15, 2, 4.85)); // 0.15 cm clamps at both bar ends
    EXPECT_TRUE(JestOdcinek(pret, 8, 5.15, 8, 4.85));
    const double t = 0.8 * S.Nastawy.WysokoscCzcionki;
    EXPECT_TRUE(JestNapis("1", 5, 5 + 1.25 * t));
}

TEST_F(Schemat, FixedEndForcesAreLabelledWithTheirSignsAndHingedBarsGetBareArrows)
{
    // A clamped span of 6 m under 12 kN/m: fixed-end moments ∓qL²/12, reactions qL/2.
    UstawGeometrie(zad, {6}, false, false);
    DodajLiniowe(zad, 0, 0, 6, 12);
    TWyniki wyn;
    TRejestrKomunikatow kom;
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    const TMomentyPrzesla& m = wyn.MomentyKoncowe[0][0];
    ASSERT_NEAR(m.MomentUtwL, -12 * 36 / 12.0, 1e-3);
    ASSERT_NEAR(m.MomentUtwP, 12 * 36 / 12.0, 1e-3);
    SilyPretow(S.R, zad, wyn, Kolor::Zielony, 0, true, 0, 5, 0.1, 0.2, 0.3, false);
    EXPECT_TRUE(JestNapis("-36,00", 0.6, 4.5));
    EXPECT_TRUE(JestNapis("36,00", 4.8, 4.5));
    EXPECT_TRUE(JestNapis("36,00", 1.5, 5.8));  // left reaction at 0.25 L
    EXPECT_TRUE(JestNapis("36,00", 5.1, 5.8));  // right reaction at 0.85 L
    const auto l = LiniePiora(0.1);
    EXPECT_TRUE(JestOdcinek(l, 1.2, 5.3, 1.2 + 0.08, 5.3 + 0.16)); // reaction arrows, tips 0.3 under the axis
    EXPECT_TRUE(JestOdcinek(l, 4.8, 5.3, 4.8 + 0.08, 5.3 + 0.16));
    // The double arcs' tails: counter-clockwise at 0.15 L for the negative left
    // moment, clockwise at 0.85 L for the positive right one.
    EXPECT_TRUE(JestOdcinek(l, 0.9, 5 - 0.9 * 0.2, 0.9, 5 - 1.1 * 0.2));
    EXPECT_TRUE(JestOdcinek(l, 5.1, 5 - 0.9 * 0.2, 5.1, 5 - 1.1 * 0.2));

    // A negative right moment turns the other way, mirrored as at the left end.
    wyn.MomentyKoncowe[0][0].MomentUtwP = -5;
    S.Ekran.Wyczysc();
    PretSily(S.R, zad, wyn, Kolor::Zielony, 0, 0, true, 0, 5, 0.1, 0.2, 0.3, false);
    EXPECT_TRUE(JestNapis("-5,00", 4.8, 4.5));
    EXPECT_TRUE(JestOdcinek(LiniePiora(0.1), 5.7, 5 - 0.18, 5.7, 5 - 0.22));

    // Hinged at both ends: two arrows and no values.
    zad.Przesla[0].TypPrzesla = 1;
    S.Ekran.Wyczysc();
    PretSily(S.R, zad, wyn, Kolor::Zielony, 0, 0, true, 0, 5, 0.1, 0.2, 0.3, false);
    EXPECT_EQ(S.Ekran.Linie().size(), 2u * 7u);
    EXPECT_TRUE(Napisy(S.Ekran).empty());
}

TEST_F(Schemat, BarForcesOfACombinationTheAnalysisDidNotComputeAreNotDrawn)
{
    UstawGeometrie(zad, {6}, false, false);
    DodajLiniowe(zad, 0, 0, 6, 12);
    TWyniki wyn;
    TRejestrKomunikatow kom;
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    SilyPretow(S.R, zad, wyn, Kolor::Zielony, 1, true, 0, 5, 0.1, 0.2, 0.3, false); // combination 2 is not in use
    PretSily(S.R, zad, wyn, Kolor::Zielony, 0, 3, true, 0, 5, 0.1, 0.2, 0.3, false); // no span 4
    EXPECT_TRUE(S.Ekran.Operacje.empty());

    zad.Przesla[0].L = 0; // refused: nothing computed
    EXPECT_FALSE(Analiza(zad, wyn, kom));
    SilyPretow(S.R, zad, wyn, Kolor::Zielony, 0, true, 0, 5, 0.1, 0.2, 0.3, false);
    EXPECT_TRUE(S.Ekran.Operacje.empty());
}
