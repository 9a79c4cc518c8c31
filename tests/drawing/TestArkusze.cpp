#include "Pomocnicze.h"

#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> TytulyObwiedni{"OBWIEDNIA MOMENTY [kNm]", "OBWIEDNIA SIŁY POPRZECZNE [kN]",
                                              "OBWIEDNIA REAKCJE [kN]"};

// The composition at 1000 pixels per cm showing sheet x from −30 to 70, y from −5 to 95; no printer.
class Kompozycja : public ::testing::Test {
protected:
    TDaneZadania zad;
    TWyniki wyn;
    TWidok widok{.SkalaWidoku = 1, .SrodekX = 20, .SrodekY = -45};
    std::unique_ptr<TCzcionka> czcionka = std::make_unique<TCzcionka>();
    TRejestrKomunikatow kom;
    TKompozycja k{.Zadanie = zad, .Wyniki = wyn, .Widok = widok, .Czcionka = *czcionka, .Komunikaty = kom,
                  .Pokazuj = {}, .Drukarka = std::nullopt, .DrukarkaZnana = true};
    TPowierzchniaZapis ekran{100000, 100000};

    void SetUp() override { UstawCzcionkeDoOdczytu(*czcionka); NowyTemat(zad); }
    TSkutekKompozycji Rysuj()
    {
        ekran.Wyczysc();
        return Przerysuj(k, &ekran);
    }
    // As after reading a task: a composition for the sheet size, the layout, the picture.
    void Rozmiesc() { Rysuj(); RozmiescArkusze(zad, widok); Rysuj(); }
    // One hinged span of 6 m under 10 kN/m and `ile` combinations of the one group.
    void Belka(int ile)
    {
        UstawGeometrie(zad, {6}, true, true);
        DodajLiniowe(zad, 0, 0, 6, 10);
        for (int c = 1; c < ile; ++c) {
            DodajKombinacje(zad, "K" + std::to_string(c + 1));
            zad.Wspolczynniki[size_t(c)][0] = 1.0f + c;
        }
        Rozmiesc();
    }
    std::vector<double> Arkusze() const // the white sheets' left edges, cm
    {
        std::vector<double> x;
        for (const TOperacja& o : ekran.Rodzaju(TOperacja::Rodzaj::Prostokat))
            if (o.Wypelnienie == Kolor::Bialy)
                x.push_back(o.X1 / 1000.0 - 30);
        return x;
    }
    long Ile(const std::string& tytul) const { return std::ranges::count(Tytuly(ekran), tytul); }
    std::vector<TNapisZapisany> Z(const std::string& t) const { return Napisy(ekran, t, 1000, 30, 5); }
};

} // namespace

TEST_F(Kompozycja, SheetsStandOnePitchApartWithTheEnvelopeSheetFourCentimetresFurtherLeft)
{
    // (3 + the beam's length) · 1 + 1 cm against the 21 cm sheet, plus 1; no spans or no length: the sheet.
    widok.ArkuszSzerokosc = 21;
    for (const auto& [L, L2, skok] : {std::tuple{8.0f, 0.0f, 22.0f}, {30.0f, 0.0f, 35.0f}, {20.0f, 10.0f, 35.0f},
                                      {0.0f, 0.0f, 22.0f}, {NAN, 0.0f, 22.0f}}) {
        NowyTemat(zad);
        if (L2 > 0)
            UstawGeometrie(zad, {L, L2}, false, false);
        else if (L != 0)
            UstawGeometrie(zad, {std::isnan(L) ? 6 : L}, false, false);
        if (std::isnan(L))
            zad.Przesla[0].L = NAN;
        RozmiescArkusze(zad, widok);
        for (size_t c = 0; c < TDaneZadania::MaxKombinacji; ++c)
            EXPECT_TRUE(zad.PolozenieKombinacji[c].x == skok * float(c) && zad.PolozenieKombinacji[c].y == 0) << L;
        EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, -skok - 4) << L;
    }
}

TEST_F(Kompozycja, TheEnvelopeSheetComesOnlyWithTwoCombinationsLeftOfTheFirstAndAnUnusedSlotEndsTheList)
{
    Belka(1); // the desk and the sheet's frame and shadow: one white sheet at the corner
    EXPECT_EQ(Arkusze(), std::vector<double>{0});
    EXPECT_TRUE(Ile("MOMENTY [kNm]") == 1 && Ile("OBWIEDNIA MOMENTY [kNm]") == 0);
    // Three combinations: pitch max(3 + 6 + 1, 20.5) + 1 = 21.5, the envelope at −25.5.
    Belka(3);
    EXPECT_EQ(Arkusze(), (std::vector<double>{0, 21.5, 43, -25.5}));
    EXPECT_TRUE(Ile("MOMENTY [kNm]") == 3 && Ile("OBWIEDNIA MOMENTY [kNm]") == 1);
    zad.Kombinacje[1].Uzyta = 0; // an unused slot ends the list
    Rysuj();
    EXPECT_EQ(std::tuple(zad.IloscKombinacji, Arkusze(), Ile("REAKCJE")), std::tuple(1, std::vector<double>{0}, 1));
}

TEST_F(Kompozycja, TheShowSwitchesRuleTheCombinationSheetsButNotTheEnvelopesAndUnitsCanBeLeftOut)
{
    Belka(2);
    k.Pokazuj.Momenty = false;
    Rysuj();
    EXPECT_EQ(std::tuple(Ile("MOMENTY [kNm]"), Ile("OBWIEDNIA MOMENTY [kNm]"), Ile("SIŁY POPRZECZNE [kN]")),
              std::tuple(0, 1, 2));
    k.Pokazuj = TPokazuj{false, false, false, false, false};
    Rysuj();
    EXPECT_EQ(Tytuly(ekran), TytulyObwiedni);
    EXPECT_TRUE(Z("A").empty());
    k.Pokazuj.SchematyPretow = true; // the bars' numbers in grey
    Rysuj();
    const auto n = Z("1");
    EXPECT_EQ(std::count_if(n.begin(), n.end(), [](const auto& t) { return t.Pioro.Kolor == Kolor::Szary; }), 2);
    zad.Nastawy.PiszJednostki = false; // no units in titles or values
    k.Pokazuj = TPokazuj{};
    Rysuj();
    // The two reactions and the shear line's start, T(0+) = -TL, the load's start written once over it.
    EXPECT_TRUE(Ile("SIŁY POPRZECZNE") == 2 && Z("30,00").size() == 3);
}

TEST_F(Kompozycja, ResultsAreRecomputedOnlyWhenTheTaskSaysItChangedAndARefusalIsReportedOnce)
{
    Rozmiesc(); // no spans: a sheet with its size line alone
    EXPECT_TRUE(Arkusze() == std::vector<double>{0} && Napisy(ekran).size() == 1);
    UstawGeometrie(zad, {6}, true, true); // no loads: nothing to compute, no envelope sheet
    DodajKombinacje(zad, "Druga");
    EXPECT_FALSE(Rysuj().Przeliczono || zad.DoPrzeliczenia);
    RozmiescArkusze(zad, widok);
    Rysuj();
    EXPECT_TRUE(Arkusze().size() == 2 && Tytuly(ekran).empty() && Z("A").size() == 2);

    DodajLiniowe(zad, 0, 0, 6, 10);
    zad.DoPrzeliczenia = true;
    Rysuj();
    EXPECT_EQ(Z("30,00 kN").size(), 2u); // qL/2, on the first sheet: the group counts nothing in the second
    zad.Liniowe[0].Wartosc = 20; // without setting the flag: the old results
    EXPECT_FALSE(Rysuj().Przeliczono);
    EXPECT_EQ(Z("30,00 kN").size(), 2u);
    zad.DoPrzeliczenia = zad.NieZapisane = true;
    const TSkutekKompozycji s = Rysuj();
    EXPECT_TRUE(s.Przeliczono && s.DaneNieZapisane && !zad.DoPrzeliczenia && Z("60,00 kN").size() == 2);

    zad.Przesla[0].L = 0; // refused: no results drawn, one message, the envelope sheet's frame laid out all the same
    zad.DoPrzeliczenia = true;
    kom.Komunikaty.clear();
    Rysuj();
    Rysuj();
    ASSERT_EQ(kom.Komunikaty.size(), 1u);
    EXPECT_NE(kom.Komunikaty[0].find("Przęsło 1"), std::string::npos);
    EXPECT_TRUE(Tytuly(ekran).empty() && Z("A").size() == 2 && Arkusze().size() == 3);
}

TEST_F(Kompozycja, TheSheetSizeLineAndTheCombinationsHeadingStandAboveTheFirstSheet)
{
    UstawGeometrie(zad, {6}, true, true);
    const int32_t g = DodajGrupe(zad, Utf8NaCp1250("Śnieg"), Rgb(0, 0, 255));
    zad.Kombinacje[0].Nazwa = Utf8NaCp1250("Podstawowa");
    zad.Wspolczynniki[0][g] = 1.5f;
    DodajLiniowe(zad, 0, 0, 6, 10);
    Rozmiesc();
    const auto Jest = [&](const std::string& t, double x, double y, int32_t kolor) {
        const auto n = Z(Utf8NaCp1250(t));
        return n.size() == 1 && (std::isnan(x) || std::abs(n[0].X - x) < 0.002) && std::abs(n[0].Y - y) < 0.002 &&
               n[0].Pioro.Kolor == kolor;
    };
    EXPECT_TRUE(Jest("Wymiary arkusza X = 20,5 ; Y = 28,5", 1, -0.5, Kolor::Szary));
    // The name 4 cm right of the bar schemes' x, above it each group in its colour with its coefficient.
    EXPECT_TRUE(Jest("KOMBINACJA OBCIĄŻEŃ  - 1   Podstawowa", 7, -1, Kolor::Czarny));
    EXPECT_TRUE(Jest("2  Śnieg", NAN, -1 - 2 * 0.48 - 0.5, Rgb(0, 0, 255)));
    EXPECT_NEAR(Z("1,50").at(0).X, 13, 0.002);

    // A printer's page of 2400 × 3300 pixels at 300 dpi, from the answer kept, not asked again.
    k.Drukarka = TInformacjaDrukarki{300, 300, 2400, 3300};
    Rysuj();
    EXPECT_TRUE(Z("Wymiary arkusza X = 20,32 ; Y = 27,94").size() == 1 && k.Drukarka->SzerokoscStrony == 2400);
    TKompozycja nowa{.Zadanie = zad, .Wyniki = wyn, .Widok = widok, .Czcionka = *czcionka, .Komunikaty = kom,
                     .Pokazuj = {}, .Drukarka = std::nullopt};
    Przerysuj(nowa, &ekran);
    EXPECT_TRUE(nowa.DrukarkaZnana); // a context that has not asked yet asks at its first composition
}

namespace {

// Pages recorded one by one, A4 at 100 pixels per cm; none after `Ostatnia`.
struct TWydrukZapis : IWydruk {
    int32_t Ostatnia = 1000;
    std::vector<std::unique_ptr<TPowierzchniaZapis>> Strony;
    std::vector<int32_t> Zakonczone;
    std::unique_ptr<TStronaDruku> Biezaca;

    const TStronaDruku* Strona(int32_t strona) override
    {
        if (strona > Ostatnia)
            return nullptr;
        Strony.push_back(std::make_unique<TPowierzchniaZapis>(2100, 2970));
        Biezaca = std::make_unique<TStronaDruku>(TStronaDruku{*Strony.back(), 254, 254});
        return Biezaca.get();
    }
    void KoniecStrony(int32_t strona) override { Zakonczone.push_back(strona); }
};

} // namespace

TEST_F(Kompozycja, PrintingGivesAPagePerCombinationAndOneForTheEnvelopesThenRestoresTheLayout)
{
    Belka(3);
    const auto uklad = zad.PolozenieKombinacji;
    const float obwiednia = zad.PolozenieObwiedni.x;
    TWydrukZapis wydruk;
    EXPECT_EQ((std::tuple{IloscStronWydruku(zad), Drukuj(k, wydruk)}), std::tuple(4, 4));
    ASSERT_EQ(wydruk.Strony.size(), 4u);
    EXPECT_EQ(wydruk.Zakonczone, (std::vector<int32_t>{0, 1, 2, 3}));
    for (size_t s = 0; s < 3; ++s) {
        // Each combination's sheet at the paper's corner: its beam axis 3 cm in, 6 cm down; no desk, no frames.
        const TPowierzchniaZapis& p = *wydruk.Strony[s];
        EXPECT_TRUE(JestOdcinek(TSrodowisko::Cm(p, 100), 3, 6, 9, 6, 0.011)) << s;
        EXPECT_EQ(Tytuly(p), (std::vector<std::string>{"REAKCJE", "MOMENTY [kNm]", "SIŁY POPRZECZNE [kN]"}));
        EXPECT_TRUE(p.Rodzaju(TOperacja::Rodzaj::Prostokat).empty());
    }
    EXPECT_EQ(Tytuly(*wydruk.Strony[3]), TytulyObwiedni);
    // Also after a print stopped on its second page the layout is back.
    TWydrukZapis przerwany;
    przerwany.Ostatnia = 1;
    EXPECT_EQ(Drukuj(k, przerwany), 2);
    for (size_t c = 0; c < uklad.size(); ++c)
        EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[c].x, uklad[c].x) << c;
    EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, obwiednia);
    Belka(1);
    EXPECT_EQ(Drukuj(k, wydruk), 1);
}
