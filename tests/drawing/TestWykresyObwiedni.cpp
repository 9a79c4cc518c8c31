#include "Odczyt.h"
#include "Pomocnicze.h"

#include "analysis/Analiza.h"
#include "analysis/Obwiednie.h"
#include "drawing/Maski.h"
#include "drawing/Tekst.h"
#include "drawing/Wykresy.h"
#include "drawing/WykresyObwiedni.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr double Px = TSrodowisko::PikseleNaCm;
constexpr double OX = 2, OY = 10;
constexpr int32_t SzaryPasa = Rgb(200, 200, 200);

// Two hinged spans of 6 m; combination 1 loads the first with 16 kN/m,
// combination 2 the second: each extreme support is lifted in one of them.
class Obwiednie : public ::testing::Test {
protected:
    TSrodowisko S;
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;

    void SetUp() override
    {
        UstawCzcionkeDoOdczytu(*S.Czcionka);
        UstawGeometrie(zad, {6, 6}, true, true);
        const int32_t g = DodajGrupe(zad, "Druga", Rgb(0, 0, 255));
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

    // Lines of the diagram in one colour: the 0.1 mm pen, not the labels' 0.15 mm.
    std::vector<TOperacja> LinieKoloru(int32_t kolor) const
    {
        std::vector<TOperacja> w;
        for (const TOperacja& o : S.Ekran.Linie())
            if (o.Pioro == TPioro{kolor, S.Widok.GruboscEkran(0.1)})
                w.push_back(o);
        return w;
    }
    double Pod(const std::string& tekst) const
    {
        return 1.25 * DlugoscTekstu(*S.Czcionka, tekst, S.Nastawy.SzerokoscCzcionki);
    }
};

} // namespace

TEST_F(Obwiednie, TheMomentBandIsShadedSectionBySectionAndEachSpansExtremesAreLabelled)
{
    WykresObwiedniMomentow(S.R, zad, wyn, Kolor::Granatowy, Kolor::Czerwony, true, false, OX, OY);
    EXPECT_EQ(Tytuly(S.Ekran), std::vector<std::string>{"OBWIEDNIA MOMENTY [kNm]"});
    // One grey stroke per centimetre of beam and both ends: 601 per span.
    const auto pas = LinieKoloru(SzaryPasa);
    EXPECT_EQ(pas.size(), 2u * 601u);
    const double k = S.Nastawy.WysokoscMomentow / wyn.NajwiekszyM;
    const TPunktWykresu& mn = wyn.ObwiedniaMinM[0][300];
    const TPunktWykresu& mx = wyn.ObwiedniaMaxM[0][300];
    EXPECT_TRUE(JestOdcinek(S.EkranCm(), OX + 3, OY + mn.Wartosc * k, OX + 3, OY + mx.Wartosc * k));
    // Minimum and maximum lines, 600 sections apart on this zoom, none joined to the axis.
    EXPECT_EQ(LinieKoloru(Kolor::Czerwony).size(), 2u * 600u);
    EXPECT_EQ(LinieKoloru(Kolor::Granatowy).size(), 2u * 600u);

    // Span 1: the minimum (hogging at the middle support) runs up from its
    // ordinate, the maximum starts 1.25 of its length under its ordinate.
    const TEkstrema& e = wyn.EkstremaObwiedniM[0];
    const double h = S.Nastawy.WysokoscCzcionki;
    const std::string vmin = FormatujMaska(e.Min, "#######0.00", ','), vmax = FormatujMaska(e.Max, "#######0.00", ',');
    const auto dolna = NapisyZ(S.Ekran, vmin);
    ASSERT_FALSE(dolna.empty());
    EXPECT_NEAR(dolna[0].X / Px, OX + e.XMin + 0.5 * h, 0.002);
    EXPECT_NEAR(dolna[0].Y / Px, OY + e.Min * k, 0.002);
    EXPECT_EQ(dolna[0].Pioro.Kolor, Kolor::Czerwony);
    const auto gorna = NapisyZ(S.Ekran, vmax);
    ASSERT_FALSE(gorna.empty());
    EXPECT_NEAR(gorna[0].X / Px, OX + e.XMax + 0.5 * h, 0.002);
    EXPECT_NEAR(gorna[0].Y / Px, OY + e.Max * k + Pod(vmax), 0.002);
    EXPECT_EQ(gorna[0].Pioro.Kolor, Kolor::Granatowy);
    EXPECT_EQ(Napisy(S.Ekran).size(), 4u);

    // An extreme of 0.01 or less is not labelled.
    S.Ekran.Wyczysc();
    wyn.EkstremaObwiedniM[0].Max = 0.01;
    OpisObwiedniMomentow(S.R, zad, wyn, 0, Kolor::Granatowy, Kolor::Czerwony, true, false, OY, OX);
    ASSERT_EQ(Napisy(S.Ekran).size(), 1u);
    EXPECT_EQ(Napisy(S.Ekran)[0].Tekst, vmin);
}

TEST_F(Obwiednie, ShearLinesAreContinuedAcrossTheSupportsAndTheMaximumIsLabelledOnItsOrdinate)
{
    WykresObwiedniSilPoprzecznych(S.R, zad, wyn, Kolor::Bordowy, Kolor::Zielony, true, false, OX, OY);
    EXPECT_EQ(Tytuly(S.Ekran), std::vector<std::string>{"OBWIEDNIA SIŁY POPRZECZNE [kN]"});
    const auto pionowe = [&](int32_t kolor) {
        std::vector<double> x;
        for (const TOperacja& o : LinieKoloru(kolor))
            if (o.X1 == o.X2 && o.Y1 != o.Y2)
                x.push_back(o.X1 / Px);
        return x;
    };
    // Uniform loads make no jump inside a span: the one vertical stroke of each
    // line is its continuation across the middle support.
    EXPECT_EQ(pionowe(Kolor::Zielony), std::vector<double>{OX + 6});
    EXPECT_EQ(pionowe(Kolor::Bordowy), std::vector<double>{OX + 6});

    const double k = S.Nastawy.WysokoscPoprzecznych / wyn.NajwiekszyT;
    const TEkstrema& e = wyn.EkstremaObwiedniT[0];
    const std::string vmax = FormatujMaska(e.Max, "#######0.00", ','), vmin = FormatujMaska(e.Min, "#######0.00", ',');
    const auto gorna = NapisyZ(S.Ekran, vmax);
    ASSERT_FALSE(gorna.empty());
    EXPECT_NEAR(gorna[0].Y / Px, OY - e.Max * k, 0.002); // above the axis, from its ordinate
    EXPECT_EQ(gorna[0].Pioro.Kolor, Kolor::Bordowy);
    const auto dolna = NapisyZ(S.Ekran, vmin);
    ASSERT_FALSE(dolna.empty());
    EXPECT_NEAR(dolna[0].Y / Px, OY - e.Min * k + Pod(vmin), 0.002);
    EXPECT_EQ(dolna[0].Pioro.Kolor, Kolor::Zielony);
}

TEST_F(Obwiednie, ASupportWithReactionsOfBothSignsShowsBothArrowsWithUnitlessValues)
{
    WykresObwiedniReakcji(S.R, zad, wyn, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
    EXPECT_EQ(Tytuly(S.Ekran), std::vector<std::string>{"OBWIEDNIA REAKCJE [kN]"});
    // Extreme supports: 7/16 qL = 42 up in one combination, qL/16 = 6 down in the other.
    const auto cm = S.EkranCm();
    for (const double x : {OX, OX + 12}) {
        EXPECT_TRUE(JestOdcinek(cm, x, OY - 0.2, x + 0.12, OY - 0.2 - 0.24)); // above the beam, pointing down
        EXPECT_TRUE(JestOdcinek(cm, x, OY + 0.2, x + 0.12, OY + 0.2 + 0.24)); // below it, pointing up
    }
    // The middle support, 5/8 qL = 60 up in both: one arrow.
    EXPECT_FALSE(JestOdcinek(cm, OX + 6, OY - 0.2, OX + 6 + 0.12, OY - 0.44));
    EXPECT_TRUE(JestOdcinek(cm, OX + 6, OY + 0.2, OX + 6 + 0.12, OY + 0.44));

    const auto ujemne = NapisyZ(S.Ekran, "-6,00");
    ASSERT_EQ(ujemne.size(), 2u);
    EXPECT_NEAR(ujemne[0].X / Px, OX + 0.3, 0.002);
    EXPECT_NEAR(ujemne[0].Y / Px, OY - 0.7, 0.002);
    EXPECT_EQ(ujemne[0].Pioro.Kolor, Kolor::Zielony);
    const auto dodatnie = NapisyZ(S.Ekran, "42,00");
    ASSERT_EQ(dodatnie.size(), 2u);
    EXPECT_NEAR(dodatnie[0].Y / Px, OY + 1.5, 0.002);
    EXPECT_EQ(dodatnie[0].Pioro.Kolor, Kolor::Granatowy);
    EXPECT_EQ(NapisyZ(S.Ekran, "60,00").size(), 1u);
    EXPECT_EQ(Napisy(S.Ekran).size(), 5u); // hinged ends: no end moments
}

TEST_F(Obwiednie, EndMomentExtremesStandAtTheirPlacesAndSmallOnesAreLeftOut)
{
    TMomentyPodporoweObwiedni& m = wyn.ObwiedniaMomentowPodporowych;
    m.MinL = -5;
    m.MaxL = 3;
    m.MinP = 0.01f; // not above the threshold
    m.MaxP = 7;
    WykresObwiedniReakcji(S.R, zad, wyn, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
    const double xN = OX + 12;
    const auto jest = [&](const std::string& t, double x, double y, int32_t kolor) {
        const auto n = NapisyZ(S.Ekran, t);
        return n.size() == 1 && std::abs(n[0].X / Px - x) < 0.002 && std::abs(n[0].Y / Px - y) < 0.002 &&
               n[0].Pioro.Kolor == kolor;
    };
    EXPECT_TRUE(jest("-5,00", OX - 1, OY - 0.75, Kolor::Zielony));
    EXPECT_TRUE(jest("3,00", OX - 1, OY - 2.75, Kolor::Granatowy));
    EXPECT_TRUE(jest("7,00", xN + 0.25, OY - 2.75, Kolor::Granatowy));
    EXPECT_TRUE(NapisyZ(S.Ekran, "0,01").empty());
    // The arcs' tails at their centres: 0.45 to 0.55 above for B and D, below for A.
    const auto cm = S.EkranCm();
    EXPECT_TRUE(JestOdcinek(cm, OX - 0.25, OY - 0.45, OX - 0.25, OY - 0.55));         // B at MinL
    EXPECT_TRUE(JestOdcinek(cm, OX - 0.25, OY - 2 + 0.45, OX - 0.25, OY - 2 + 0.55)); // A at MaxL
    EXPECT_TRUE(JestOdcinek(cm, xN + 0.25, OY - 2 - 0.45, xN + 0.25, OY - 2 - 0.55)); // D at MaxP
    EXPECT_FALSE(JestOdcinek(cm, xN + 0.25, OY - 0.45, xN + 0.25, OY - 0.55));
}

TEST_F(Obwiednie, NothingIsDrawnWithoutResultsOrFromTablesShorterThanTheBeam)
{
    const auto wszystko = [&] {
        S.Ekran.Wyczysc();
        WykresObwiedniMomentow(S.R, zad, wyn, Kolor::Granatowy, Kolor::Czerwony, true, false, OX, OY);
        WykresObwiedniSilPoprzecznych(S.R, zad, wyn, Kolor::Bordowy, Kolor::Zielony, true, false, OX, OY);
        WykresObwiedniReakcji(S.R, zad, wyn, Kolor::Granatowy, Kolor::Zielony, true, false, OX, OY);
        LiniaObwiedniSilPoprzecznych(S.R, zad, wyn, 5, Kolor::Bordowy, Kolor::Zielony, true, false, OY, OX);
        return S.Ekran.Operacje.size();
    };
    EXPECT_GT(wszystko(), 0u);
    // A third span without recomputing: the envelopes hold two.
    TPrzeslo trzecie = zad.Przesla[1];
    trzecie.X0 = 12;
    zad.Przesla.push_back(trzecie);
    zad.IloscPrzesel = 3;
    EXPECT_EQ(wszystko(), 0u);
    // A refused task: no results at all.
    zad.Przesla[2].L = 0;
    EXPECT_FALSE(Analiza(zad, wyn, kom));
    EXPECT_EQ(wszystko(), 0u);
    // Lines shorter than their extremes claim: only the points they hold are read.
    zad.Przesla.pop_back();
    zad.IloscPrzesel = 2;
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    ObwiedniaM(zad, wyn);
    ObwiedniaT(zad, wyn);
    LiczObwiedniaReakcji(zad, wyn);
    wyn.ObwiedniaMaxM[0].resize(10);
    S.Ekran.Wyczysc();
    LiniaObwiedniMomentow(S.R, zad, wyn, 0, Kolor::Granatowy, Kolor::Czerwony, true, false, OY, OX);
    EXPECT_EQ(LinieKoloru(SzaryPasa).size(), 10u);
}
