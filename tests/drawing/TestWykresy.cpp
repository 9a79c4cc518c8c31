#include "Pomocnicze.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Obwiednie.h"
#include "platform/TekstyLiczb.h"
#include "drawing/Tekst.h"
#include "drawing/WykresUgiec.h"
#include "drawing/Wykresy.h"
#include "drawing/WykresyObwiedni.h"
#include "model/Budowa.h"

namespace {

constexpr double OX = 1, OY = 10; // the diagrams' origin
constexpr TPunktCm O{OX, OY};
constexpr TKolor SzaryPasa = Rgb(200, 200, 200);

class Wykresy : public Rysunek {
protected:
    void SetUp() override
    {
        Rysunek::SetUp();
        UstawGeometrie(zad, {6}, true, true); // one hinged span of 6 m
    }
    // The label of `v` (nearest x) at (x, y), or 1.25 of its length under y when y is under the axis.
    TNapisZapisany Etykieta(double v, double x, double y, TKolor kolor = Kolor::Bordowy) const
    {
        const std::string t = FormatujMaska(v, "#######0.00", ',');
        const auto n = Napisy(S.Ekran, t);
        if (n.empty()) {
            ADD_FAILURE() << "no label " << t;
            return {};
        }
        const auto e = *std::ranges::min_element(n, {}, [&](const auto& e) { return std::abs(e.X - x); });
        EXPECT_TRUE(std::isnan(x) || std::abs(e.X - x) < 0.002) << t << " " << e.X;
        EXPECT_NEAR(e.Y, y + (y > OY ? 1.25 * DlugoscTekstu(*S.Czcionka, t, 0.22f) : 0), 0.002) << t;
        EXPECT_EQ(e.Pioro.Kolor, kolor) << t;
        return e;
    }
    size_t LinieKoloru(TKolor kolor) const // of the diagrams' 0.1 mm pen, not the labels' 0.15 mm
    {
        return size_t(std::ranges::count(S.Ekran.Linie(), TPioro{kolor, S.Widok.GruboscEkran(0.1)}, &TOperacja::Pioro));
    }
};

// Two hinged spans of 6 m, combination 1 loading the first with 16 kN/m and combination 2 the second.
class Obwiednie : public Wykresy {
protected:
    void SetUp() override
    {
        Wykresy::SetUp();
        UstawGeometrie(zad, {6, 6}, true, true);
        const int32_t g = DodajGrupe(zad, "Druga", Rgb(0, 0, 255).Bgr());
        DodajKombinacje(zad, "Druga");
        zad.Wspolczynniki[1][0] = 0;
        zad.Wspolczynniki[1][g] = 1;
        DodajLiniowe(zad, 0, 0, 6, 16);
        DodajLiniowe(zad, 1, 0, 6, 16, g);
        ASSERT_TRUE(Analiza(zad, wyn, kom));
        ObwiedniaM(zad, wyn);
        ObwiedniaT(zad, wyn);
        LiczObwiedniaReakcji(zad, wyn);
    }
};

} // namespace

TEST_F(Wykresy, AUniformLoadOnASimpleSpanHasItsExtremeLabelNearMidSpanAndZerosAtTheLoadsEnds)
{
    DodajLiniowe(zad, 0, 0, 6, 10); // M(L/2) = qL²/8 = 45
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    WykresMomentow(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Bordowy);
    // The outline lies under the axis and reaches WysokoscMomentow (2 cm) at the largest moment.
    double najnizej = OY;
    for (const TOdcinekCm& o : S.LiniePiora(0.1)) {
        EXPECT_GE(o.y1, OY - 0.001);
        najnizej = std::max({najnizej, o.y1, o.y2});
    }
    EXPECT_NEAR(najnizej, OY + 2, 0.002);
    EXPECT_EQ(Napisy(S.Ekran).size(), 3u); // M is 0 at the span's ends: no labels there
    const double h = 0.5 * S.Nastawy.WysokoscCzcionki;
    Etykieta(0, OX + h, OY); // the load's ends: 0 runs up from the axis
    Etykieta(0, OX + 6 + h, OY);
    const auto e = Etykieta(45, NAN, OY + 2); // near mid-span, under the outline, running upward
    EXPECT_TRUE(std::abs(e.X - (OX + 3.15)) < 0.01 && e.Pionowy && e.Pioro.Grubosc == S.Widok.GruboscEkran(0.15));

    // The shear ends read T(0+) = 30 and T(L-) = -30, as the reactions do; they used to read ±29,99.
    S.Ekran.Wyczysc();
    WykresSilPoprzecznych(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Bordowy);
    EXPECT_EQ(std::tuple(Napisy(S.Ekran, "30,00").size(), Napisy(S.Ekran, "-30,00").size(), Napisy(S.Ekran).size()),
              std::tuple(2u, 2u, 4u));
    Etykieta(30, OX + h, OY - 2);
    Etykieta(-30, OX + 6 + h, OY + 2);
}

TEST_F(Wykresy, APointLoadShowsTheValuesLeftAndRightOfItsSectionAndALoadLeftOutOfTheCombinationNone)
{
    // 12 kN at 2 m: T = 8, then −4, drawn up, 2 cm for 8; 12 kNm at 3 m: M = −6, then 6, drawn down.
    for (const bool moment : {false, true}) {
        zad = TDaneZadania{};
        UstawGeometrie(zad, {6}, true, true);
        const double x = moment ? 3 : 2, h = 0.5 * S.Nastawy.WysokoscCzcionki;
        moment ? DodajMoment(zad, 0, float(x), 12) : DodajSile(zad, 0, float(x), 12);
        DodajSile(zad, 0, 4, 12, DodajGrupe(zad, "Inne", Rgb(0, 0, 255).Bgr())); // coefficient 0 in combination 1
        ASSERT_TRUE(Analiza(zad, wyn, kom));
        S.Ekran.Wyczysc();
        (moment ? WykresMomentow : WykresSilPoprzecznych)(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Bordowy);
        Etykieta(moment ? -6 : 8, OX + x + h, OY - 2);                // above the axis: from its ordinate up
        Etykieta(moment ? 6 : -4, OX + x + h, OY + (moment ? 2 : 1)); // below: under it
        EXPECT_EQ(Napisy(S.Ekran).size(), moment ? 2u : 4u);          // with 8 and −4 at the ends; none at 4 m
    }
}

TEST_F(Wykresy, TheMomentOverAnInnerSupportIsTheSameLabelOnBothSpans)
{
    // Before, the second span's start was read 0,01 mm inside it and the support was labelled "-36,01" and "-36,00".
    UstawGeometrie(zad, {6, 6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 16.002249f); // −qL²/16 = −36,00506 over the support
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    WykresMomentow(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Bordowy);
    EXPECT_EQ(std::tuple(Napisy(S.Ekran, "-36,01").size(), Napisy(S.Ekran, "-36,00").size()), std::tuple(3u, 0u));
}

TEST_F(Wykresy, AForceStandingOnASupportIsNoShearOfTheSpanOnItsDiagram)
{
    // 10 kN/m and 50 kN on the left support: the shear runs from 30 to −30; the 50 kN go into the support.
    DodajLiniowe(zad, 0, 0, 6, 10);
    DodajSile(zad, 0, 0, 50);
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    WykresSilPoprzecznych(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Bordowy);
    const double h = 0.5 * S.Nastawy.WysokoscCzcionki;
    Etykieta(30, OX + h, OY - 2);
    Etykieta(-30, OX + 6 + h, OY + 2);
    EXPECT_TRUE(Napisy(S.Ekran, "80,00").empty());
}

TEST_F(Obwiednie, TheMomentBandIsShadedSectionBySectionAndEachSpansExtremesAreLabelled)
{
    WykresObwiedniMomentow(S.R, {zad, wyn}, Ekran, O, Kolor::Granatowy, Kolor::Czerwony);
    // A grey stroke per cm and both ends, 601 per span; lines of 600 sections; span 1's extremes labelled.
    EXPECT_EQ(std::tuple(LinieKoloru(SzaryPasa), LinieKoloru(Kolor::Czerwony), LinieKoloru(Kolor::Granatowy)),
              std::tuple(2u * 601u, 2u * 600u, 2u * 600u));
    const double k = S.Nastawy.WysokoscMomentow / wyn.NajwiekszyM, h = 0.5 * S.Nastawy.WysokoscCzcionki;
    const TEkstrema& e = wyn.EkstremaObwiedniM[0];
    Etykieta(e.Min, OX + e.XMin + h, OY + e.Min * k, Kolor::Czerwony);
    Etykieta(e.Max, OX + e.XMax + h, OY + e.Max * k, Kolor::Granatowy);
    EXPECT_EQ(Napisy(S.Ekran).size(), 4u);

    // An extreme of 0.01 or less is not labelled.
    S.Ekran.Wyczysc();
    wyn.EkstremaObwiedniM[0].Max = 0.01;
    OpisObwiedniMomentow(S.R, {zad, wyn, 0, 0}, Ekran, O, Kolor::Granatowy, Kolor::Czerwony);
    ASSERT_EQ(Napisy(S.Ekran).size(), 1u);
    EXPECT_EQ(Napisy(S.Ekran)[0].Tekst, FormatujMaska(e.Min, "#######0.00", ','));
}

TEST_F(Obwiednie, ShearLinesAreContinuedAcrossTheSupportsAndTheMaximumIsLabelledOnItsOrdinate)
{
    WykresObwiedniSilPoprzecznych(S.R, {zad, wyn}, Ekran, O, Kolor::Bordowy, Kolor::Zielony);
    // No jump inside a span: each line's one vertical stroke is its continuation across the support.
    for (const TKolor kolor : {Kolor::Zielony, Kolor::Bordowy}) {
        std::vector<int32_t> x;
        for (const TOperacja& o : S.Ekran.Linie())
            if (o.Pioro == TPioro{kolor, S.Widok.GruboscEkran(0.1)} && o.X1 == o.X2 && o.Y1 != o.Y2)
                x.push_back(o.X1);
        EXPECT_EQ(x, std::vector<int32_t>{int32_t((OX + 6) * 1000)}) << kolor.Bgr();
    }
    // The jump is drawn after the second span's axis and shading: no grey stroke covers it.
    const auto& o = S.Ekran.Operacje;
    const auto ostatni = [&](TKolor kolor, bool pionowy) {
        const auto i = std::ranges::find_if(o.rbegin(), o.rend(), [&](const TOperacja& a) {
            return a.Co == TOperacja::Rodzaj::Linia && a.Pioro == TPioro{kolor, S.Widok.GruboscEkran(0.1)} &&
                   a.X1 == int32_t((OX + 6) * 1000) && a.X2 == a.X1 && (!pionowy || a.Y1 != a.Y2);
        });
        return std::distance(o.begin(), i.base());
    };
    const auto skok = ostatni(Kolor::Bordowy, true), pas = ostatni(SzaryPasa, false);
    EXPECT_GT(skok, pas);
    const double k = S.Nastawy.WysokoscPoprzecznych / wyn.NajwiekszyT;
    Etykieta(wyn.EkstremaObwiedniT[0].Max, NAN, OY - wyn.EkstremaObwiedniT[0].Max * k); // above the axis, on it
    Etykieta(wyn.EkstremaObwiedniT[0].Min, NAN, OY - wyn.EkstremaObwiedniT[0].Min * k, Kolor::Zielony);
}

TEST_F(Obwiednie, ReactionsOfBothSignsShowBothArrowsAndEndMomentExtremesStandAtTheirPlaces)
{
    wyn.ObwiedniaMomentowPodporowych = {.MaxL = 3, .MinL = -5, .MaxP = 7, .MinP = 0.01f}; // 0.01: below the threshold
    WykresObwiedniReakcji(S.R, {zad, wyn}, Ekran, O, Kolor::Granatowy, Kolor::Zielony);
    // Extreme supports, 42 up in one combination and 6 down in the other, get arrows above the beam pointing
    // down and below it pointing up; the middle one, 60 up in both, one arrow.
    const auto cm = S.EkranCm();
    for (const double x : {OX, OX + 6, OX + 12})
        EXPECT_TRUE(JestOdcinek(cm, x, OY - 0.2, x + 0.12, OY - 0.44) == (x != OX + 6) &&
                    JestOdcinek(cm, x, OY + 0.2, x + 0.12, OY + 0.44))
            << x;
    EXPECT_EQ(std::tuple(Napisy(S.Ekran, "-6,00").size(), Napisy(S.Ekran, "42,00").size(), Napisy(S.Ekran).size()),
              std::tuple(2u, 2u, 5u + 3u)); // values without units, three end moments
    Etykieta(-6, OX + 0.3, OY - 0.7, Kolor::Zielony);
    EXPECT_TRUE(JestNapis(S.Ekran, "42,00", OX + 0.3, OY + 1.5));
    Etykieta(-5, OX - 1, OY - 0.75, Kolor::Zielony);
    Etykieta(3, OX - 1, OY - 2.75, Kolor::Granatowy);
    Etykieta(7, OX + 12.25, OY - 2.75, Kolor::Granatowy);
    // The arcs' tails at their centres: 0.45 to 0.55 above for B (MinL) and D (MaxP), below for A (MaxL).
    EXPECT_TRUE(JestOdcinek(cm, OX - 0.25, OY - 0.45, OX - 0.25, OY - 0.55) &&
                JestOdcinek(cm, OX - 0.25, OY - 1.55, OX - 0.25, OY - 1.45));
    EXPECT_TRUE(JestOdcinek(cm, OX + 12.25, OY - 2.45, OX + 12.25, OY - 2.55) &&
                !JestOdcinek(cm, OX + 12.25, OY - 0.45, OX + 12.25, OY - 0.55));

    // Combination 1 alone pulls the far support down by 6: green, its tip 1.4 under the axis, pointing down;
    // no moment at a hinged end.
    S.Ekran.Wyczysc();
    WykresReakcji(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Granatowy, Kolor::Zielony);
    EXPECT_TRUE(JestOdcinek(S.EkranCm(), OX, OY + 0.2, OX + 0.12, OY + 0.44) &&
                JestOdcinek(S.EkranCm(), OX + 12, OY + 1.4, OX + 12.12, OY + 1.16));
    EXPECT_TRUE(JestNapis(S.Ekran, "-6,00 kN", OX + 12.3, OY + 1.5));
    EXPECT_EQ(std::tuple(Napisy(S.Ekran, "-6,00 kN").at(0).Pioro.Kolor, Napisy(S.Ekran, "60,00 kN").at(0).Pioro.Kolor,
                         Napisy(S.Ekran).size()),
              std::tuple(Kolor::Zielony, Kolor::Granatowy, 3u));
}

TEST_F(Obwiednie, NothingIsDrawnFromResultsThatDoNotHoldTheCombinationOrTheBeam)
{
    const auto rysuj = [&](int32_t c) { // combination c, and the envelopes with the first
        S.Ekran.Wyczysc();
        WykresMomentow(S.R, {zad, wyn, c}, Ekran, O, Kolor::Bordowy);
        WykresSilPoprzecznych(S.R, {zad, wyn, c}, Ekran, O, Kolor::Bordowy);
        WykresReakcji(S.R, {zad, wyn, c}, Ekran, O, Kolor::Granatowy, Kolor::Zielony);
        LiniaMomentow(S.R, {zad, wyn, c, 0}, Ekran, O, Kolor::Bordowy);
        OpisSilPoprzecznych(S.R, {zad, wyn, c, 0}, Ekran, O, Kolor::Bordowy);
        if (c == 0) {
            WykresObwiedniMomentow(S.R, {zad, wyn}, Ekran, O, Kolor::Granatowy, Kolor::Czerwony);
            WykresObwiedniSilPoprzecznych(S.R, {zad, wyn}, Ekran, O, Kolor::Bordowy, Kolor::Zielony);
            WykresObwiedniReakcji(S.R, {zad, wyn}, Ekran, O, Kolor::Granatowy, Kolor::Zielony);
            LiniaObwiedniSilPoprzecznych(S.R, {zad, wyn, 0, 5}, Ekran, O, Kolor::Bordowy, Kolor::Zielony);
        }
        return S.Ekran.Operacje.size();
    };
    const TWyniki policzone = wyn;
    wyn = TWyniki{}; // no analysis yet
    EXPECT_EQ(rysuj(0), 0u);
    wyn = policzone;
    EXPECT_GT(rysuj(1), 0u);
    EXPECT_EQ(rysuj(2), 0u); // a combination not in use
    EXPECT_EQ(rysuj(-1), 0u);
    zad.Przesla.push_back(TPrzeslo(zad.Przesla[1])); // a third span without recomputing: the results hold two
    zad.Przesla[2].X0 = 12;
    zad.IloscPrzesel = 3;
    EXPECT_EQ(rysuj(0), 0u);
    zad.Przesla[2].L = 0; // a refused task: no results at all
    EXPECT_FALSE(Analiza(zad, wyn, kom));
    EXPECT_EQ(rysuj(0), 0u);

    // Lines shorter than their counts claim are read as far as they go; a line of one point is not drawn.
    wyn = policzone;
    zad.IloscPrzesel = 2;
    wyn.ObwiedniaMaxM[0].resize(10);
    S.Ekran.Wyczysc();
    LiniaObwiedniMomentow(S.R, {zad, wyn, 0, 0}, Ekran, O, Kolor::Granatowy, Kolor::Czerwony);
    EXPECT_EQ(LinieKoloru(SzaryPasa), 10u);
    for (const auto& [punkty, linie] : {std::pair{1000000, 3u}, {1, 0u}}) {
        wyn.EkstremaM[0][0].IloscPunktow = punkty;
        S.Ekran.Wyczysc();
        LiniaMomentow(S.R, {zad, wyn, 0, 0}, Ekran, O, Kolor::Bordowy);
        EXPECT_TRUE(LinieKoloru(Kolor::Bordowy) >= linie && (linie > 0 || S.Ekran.Linie().size() == 1)) << punkty;
    }
}

TEST(WykresUgiec, TheLabelOfASpanGivesTheDeflectionAndLOverFOnlyWhenWIsALength)
{
    EXPECT_EQ(OpisUgiecia(12.4, 483.87, true, ','), "12,4 (L/484)");
    EXPECT_EQ(OpisUgiecia(-0.26, 23076.9, true, '.'), "-0.3 (L/23077)");
    EXPECT_EQ(OpisUgiecia(843.75, 0, true, ','), "843,8");    // w = 0 nowhere else: no ratio
    EXPECT_EQ(OpisUgiecia(843.75, 7.1, false, ','), "843,8"); // E·J·w in kNm³
}
