#include "Odczyt.h"
#include "Pomocnicze.h"

#include "analysis/Analiza.h"
#include "drawing/Maski.h"
#include "drawing/Tekst.h"
#include "drawing/Wykresy.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr double Px = TSrodowisko::PikseleNaCm;
constexpr double OX = 1, OY = 10; // the diagrams' origin in these tests

class Wykresy : public ::testing::Test {
protected:
    TSrodowisko S;
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;

    void SetUp() override { UstawCzcionkeDoOdczytu(*S.Czcionka); }
    void Policz() { ASSERT_TRUE(Analiza(zad, wyn, kom)); }

    struct TEtykieta {
        std::string Tekst;
        double X, Y;
        TPioro Pioro;
        bool Pionowy;
    };
    std::vector<TEtykieta> Etykiety() const
    {
        std::vector<TEtykieta> w;
        for (const TNapisZapisany& n : Napisy(S.Ekran))
            w.push_back({n.Tekst, n.X / Px, n.Y / Px, n.Pioro, n.Pionowy});
        return w;
    }
    std::vector<TEtykieta> EtykietyPrzy(double x, double tol = 0.002) const
    {
        std::vector<TEtykieta> w;
        for (const TEtykieta& e : Etykiety())
            if (std::abs(e.X - x) <= tol)
                w.push_back(e);
        return w;
    }
    // 1.25 times the length DlugoscTekstu gives a value label.
    double Pod(const std::string& tekst) const
    {
        return 1.25 * DlugoscTekstu(*S.Czcionka, tekst, S.Nastawy.SzerokoscCzcionki);
    }
    std::string Wartosc(double v) const { return FormatujMaska(v, "#######0.00", ','); }
};

} // namespace

TEST_F(Wykresy, AUniformLoadOnASimpleSpanHasItsExtremeLabelNearMidSpanAndZerosAtTheLoadsEnds)
{
    // 6 m, hinged at both ends, 10 kN/m over the whole span: M(L/2) = qL²/8 = 45.
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    Policz();
    WykresMomentow(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY);

    EXPECT_EQ(Tytuly(S.Ekran), std::vector<std::string>{"MOMENTY [kNm]"});
    // The outline lies under the axis and reaches WysokoscMomentow at the largest moment.
    double najnizej = OY;
    for (const TOperacja& o : S.Ekran.Linie())
        if (o.Pioro.Kolor == Kolor::Bordowy && o.Pioro.Grubosc == S.Widok.GruboscEkran(0.1)) {
            EXPECT_GE(o.Y1 / Px, OY - 0.001);
            najnizej = std::max({najnizej, o.Y1 / Px, o.Y2 / Px});
        }
    EXPECT_NEAR(najnizej, OY + S.Nastawy.WysokoscMomentow, 0.002);

    const double h = S.Nastawy.WysokoscCzcionki;
    const auto e = Etykiety();
    ASSERT_EQ(e.size(), 3u); // no start or end label: M is 0 there
    // The load's ends: 0 is not under the axis, so the labels run up from it.
    for (const double x : {OX, OX + 6}) {
        const auto zero = EtykietyPrzy(x + 0.5 * h);
        ASSERT_EQ(zero.size(), 1u);
        EXPECT_EQ(zero[0].Tekst, "0,00");
        EXPECT_NEAR(zero[0].Y, OY, 0.002);
    }
    const auto srodek = EtykietyPrzy(OX + 3 + 0.5 * h, 0.01);
    ASSERT_EQ(srodek.size(), 1u);
    EXPECT_EQ(srodek[0].Tekst, "45,00");
    // Positive: under the axis, the label starting 1.25 of its length below the outline.
    EXPECT_NEAR(srodek[0].Y, OY + 2 + Pod("45,00"), 0.002);
    EXPECT_TRUE(srodek[0].Pionowy);
    EXPECT_EQ(srodek[0].Pioro, (TPioro{Kolor::Bordowy, S.Widok.GruboscEkran(0.15)}));
}

TEST_F(Wykresy, APointForceShowsBothShearValuesAtItsSection)
{
    // 6 m hinged, 12 kN at 2 m: T = 8 left of it and −4 right of it.
    UstawGeometrie(zad, {6}, true, true);
    DodajSile(zad, 0, 2, 12);
    Policz();
    WykresSilPoprzecznych(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY);
    EXPECT_EQ(Tytuly(S.Ekran), std::vector<std::string>{"SIŁY POPRZECZNE [kN]"});

    const double h = S.Nastawy.WysokoscCzcionki, k = S.Nastawy.WysokoscPoprzecznych / 8.0;
    const auto przySile = EtykietyPrzy(OX + 2 + 0.5 * h);
    ASSERT_EQ(przySile.size(), 2u);
    EXPECT_EQ(przySile[0].Tekst, "8,00");
    EXPECT_NEAR(przySile[0].Y, OY - 8 * k, 0.002); // starting at its ordinate, above the axis
    EXPECT_EQ(przySile[1].Tekst, "-4,00");
    EXPECT_NEAR(przySile[1].Y, OY + 4 * k + Pod("-4,00"), 0.002); // below its ordinate
    // The ends: 8 at the start above the axis, −4 at the end below it.
    EXPECT_EQ(EtykietyPrzy(OX + 0.5 * h).at(0).Tekst, "8,00");
    const auto koniec = EtykietyPrzy(OX + 6 + 0.5 * h);
    ASSERT_EQ(koniec.size(), 1u);
    EXPECT_NEAR(koniec[0].Y, OY + 4 * k + Pod("-4,00"), 0.002);
}

TEST_F(Wykresy, APointMomentShowsTheValuesJustLeftAndRightOfItOneAboveTheOther)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajMoment(zad, 0, 3, 12);
    Policz();
    WykresMomentow(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY);
    const double h = S.Nastawy.WysokoscCzcionki;
    const double k = S.Nastawy.WysokoscMomentow / wyn.NajwiekszyM;
    const double lewa = MomentZWykresu(zad, wyn, 0, 0, 3 - 0.001);
    const double prawa = MomentZWykresu(zad, wyn, 0, 0, 3 + 0.001);
    ASSERT_NEAR(prawa - lewa, 12, 0.01); // the jump of a clockwise moment
    const auto e = EtykietyPrzy(OX + 3 + 0.5 * h);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].Tekst, Wartosc(lewa));
    EXPECT_NEAR(e[0].Y, OY + lewa * k, 0.002);
    EXPECT_EQ(e[1].Tekst, Wartosc(prawa));
    EXPECT_NEAR(e[1].Y, OY + prawa * k + Pod(Wartosc(prawa)), 0.002);
}

TEST_F(Wykresy, LoadsOfAGroupLeftOutOfTheCombinationGetNoLabels)
{
    UstawGeometrie(zad, {6}, true, true);
    const int32_t g = DodajGrupe(zad, "Inne", Rgb(0, 0, 255));
    DodajSile(zad, 0, 2, 12);
    DodajSile(zad, 0, 4, 12, g); // coefficient 0 in combination 1
    Policz();
    WykresMomentow(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY);
    WykresSilPoprzecznych(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY + 10);
    const double h = S.Nastawy.WysokoscCzcionki;
    EXPECT_EQ(EtykietyPrzy(OX + 2 + 0.5 * h).size(), 1u + 2u); // moment, then both shear values
    EXPECT_TRUE(EtykietyPrzy(OX + 4 + 0.5 * h).empty());
}

TEST_F(Wykresy, TitlesCarryUnitsOnlyWhenAskedAndReactionsNever)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    Policz();
    const auto tytuly = [&] {
        S.Ekran.Wyczysc();
        WykresReakcji(S.R, zad, wyn, 0, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
        WykresMomentow(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY + 10);
        WykresSilPoprzecznych(S.R, zad, wyn, 0, Kolor::Bordowy, true, false, OX, OY + 20);
        return Tytuly(S.Ekran);
    };
    EXPECT_EQ(tytuly(), (std::vector<std::string>{"REAKCJE", "MOMENTY [kNm]", "SIŁY POPRZECZNE [kN]"}));
    EXPECT_EQ(NapisyZ(S.Ekran, "30,00 kN").size(), 2u);
    S.Nastawy.PiszJednostki = false;
    EXPECT_EQ(tytuly(), (std::vector<std::string>{"REAKCJE", "MOMENTY", "SIŁY POPRZECZNE"}));
    EXPECT_EQ(NapisyZ(S.Ekran, "30,00").size(), 2u);
}

TEST_F(Wykresy, ADownwardReactionIsGreenBelowTheBeamAndAClampedEndShowsItsMoment)
{
    // Two hinged spans of 6 m, 16 kN/m on the first: the far support is pulled down by qL/16 = 6.
    UstawGeometrie(zad, {6, 6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 16);
    Policz();
    WykresReakcji(S.R, zad, wyn, 0, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
    const auto l = S.EkranCm();
    // Upward: the tip 0.2 under the axis; downward: the tip 1.4 under it, the arrow pointing down.
    EXPECT_TRUE(JestOdcinek(l, OX, OY + 0.2, OX + 0.12, OY + 0.2 + 0.24));
    EXPECT_TRUE(JestOdcinek(l, OX + 12, OY + 1.4, OX + 12 + 0.12, OY + 1.4 - 0.24));
    const auto ujemna = NapisyZ(S.Ekran, "-6,00 kN");
    ASSERT_EQ(ujemna.size(), 1u);
    EXPECT_EQ(ujemna[0].Pioro.Kolor, Kolor::Zielony);
    EXPECT_NEAR(ujemna[0].X / Px, OX + 12 + 0.3, 0.002);
    EXPECT_NEAR(ujemna[0].Y / Px, OY + 1.5, 0.002);
    EXPECT_EQ(NapisyZ(S.Ekran, "60,00 kN").at(0).Pioro.Kolor, Kolor::Granatowy); // qL·10/16 in the middle
    for (const TNapisZapisany& n : Napisy(S.Ekran))
        EXPECT_EQ(n.Tekst.find("kNm"), std::string::npos); // hinged ends carry no moment

    // One clamped span under 12 kN/m: end moments −36 (left) and 36 (right).
    S.Ekran.Wyczysc();
    TDaneZadania utw;
    UstawGeometrie(utw, {6}, false, false);
    DodajLiniowe(utw, 0, 0, 6, 12);
    ASSERT_TRUE(Analiza(utw, wyn, kom));
    WykresReakcji(S.R, utw, wyn, 0, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
    const auto lewy = NapisyZ(S.Ekran, "-36,00 kNm");
    const auto prawy = NapisyZ(S.Ekran, "36,00 kNm");
    ASSERT_EQ(lewy.size(), 1u);
    ASSERT_EQ(prawy.size(), 1u);
    EXPECT_NEAR(lewy[0].X / Px, OX - 1, 0.002);
    EXPECT_NEAR(prawy[0].X / Px, OX + 6, 0.002);
    EXPECT_NEAR(prawy[0].Y / Px, OY - 0.75, 0.002);
    EXPECT_EQ(lewy[0].Pioro.Kolor, Kolor::Zielony);
    EXPECT_EQ(prawy[0].Pioro.Kolor, Kolor::Granatowy);
    // The arcs' tails: B over the left side at ox − 0.25, D over the right at xN + 0.25.
    const auto l2 = S.EkranCm();
    EXPECT_TRUE(JestOdcinek(l2, OX - 0.25, OY - 0.45, OX - 0.25, OY - 0.55));
    EXPECT_TRUE(JestOdcinek(l2, OX + 6.25, OY - 0.45, OX + 6.25, OY - 0.55));
}

TEST_F(Wykresy, NothingIsDrawnFromResultsThatDoNotHoldTheCombinationOrItsSpans)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    const auto wszystko = [&](int32_t c) {
        S.Ekran.Wyczysc();
        WykresMomentow(S.R, zad, wyn, c, Kolor::Bordowy, true, false, OX, OY);
        WykresSilPoprzecznych(S.R, zad, wyn, c, Kolor::Bordowy, true, false, OX, OY);
        WykresReakcji(S.R, zad, wyn, c, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
        LiniaMomentow(S.R, zad, wyn, c, 0, true, false, Kolor::Bordowy, OY, OX);
        OpisSilPoprzecznych(S.R, zad, wyn, c, 0, true, false, Kolor::Bordowy, OY, OX, 6);
        return S.Ekran.Operacje.size();
    };
    EXPECT_EQ(wszystko(0), 0u); // no analysis yet
    Policz();
    EXPECT_GT(wszystko(0), 0u);
    EXPECT_EQ(wszystko(1), 0u); // a combination not in use
    EXPECT_EQ(wszystko(-1), 0u);

    // A second span added without recomputing: the tables hold one span.
    UstawGeometrie(zad, {6, 6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    PoliczKombinacje(zad);
    EXPECT_EQ(IloscWynikow(zad, wyn), 0);
    EXPECT_EQ(wszystko(0), 0u);

    // A refused task leaves no results to draw.
    zad.Przesla[1].L = -1;
    EXPECT_FALSE(Analiza(zad, wyn, kom));
    EXPECT_EQ(wszystko(0), 0u);
}

TEST_F(Wykresy, ASpanWithFewerThanTwoSampledPointsGetsItsAxisButNoOutline)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    Policz();
    wyn.EkstremaM[0][0].IloscPunktow = 1;
    LiniaMomentow(S.R, zad, wyn, 0, 0, true, false, Kolor::Bordowy, OY, OX);
    const auto l = S.Ekran.Linie();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].Pioro.Kolor, Kolor::Czarny);
    // More points claimed than the line holds: only those it holds are read.
    S.Ekran.Wyczysc();
    wyn.EkstremaM[0][0].IloscPunktow = 1000000;
    LiniaMomentow(S.R, zad, wyn, 0, 0, true, false, Kolor::Bordowy, OY, OX);
    EXPECT_GT(S.Ekran.Linie().size(), 2u);
}
