#include "Odczyt.h"
#include "Pomocnicze.h"

#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// The composition drawn onto a recording screen of 100 000 pixels square at
// 1000 pixels per cm, showing sheet x from −30 to 70 and y from −5 to 95:
// the envelope sheet, three combination sheets and the headings above them.
class Kompozycja : public ::testing::Test {
protected:
    static constexpr double Px = 1000;
    TDaneZadania zad;
    TWyniki wyn;
    TWidok widok;
    std::unique_ptr<TCzcionka> czcionka = std::make_unique<TCzcionka>();
    TRejestrKomunikatow kom;
    // No printer: the 20.5 × 28.5 cm sheet.
    TKompozycja k{zad, wyn, widok, *czcionka, kom, TPokazuj{}, ',', std::nullopt, true};
    TPowierzchniaZapis ekran{100000, 100000};

    void SetUp() override
    {
        UstawCzcionkeDoOdczytu(*czcionka);
        NowyTemat(zad);
        widok.SkalaWidoku = 1000 / Px;
        widok.SrodekX = 20;
        widok.SrodekY = -45;
    }
    static double X(double px) { return px / Px - 30; }
    static double Y(double py) { return py / Px - 5; }

    TSkutekKompozycji Rysuj()
    {
        ekran.Wyczysc();
        return Przerysuj(k, &ekran);
    }
    // The task laid out as after reading it: a composition for the sheet size, then the layout.
    void Rozmiesc()
    {
        Rysuj();
        RozmiescArkusze(zad, widok);
    }
    // One span of 6 m hinged, 10 kN/m, and `ile` combinations of the one group.
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
    // White sheets: their left edges in cm.
    std::vector<double> Arkusze() const
    {
        std::vector<double> x;
        for (const TOperacja& o : ekran.Rodzaju(TOperacja::Rodzaj::Prostokat))
            if (o.Wypelnienie == Kolor::Bialy)
                x.push_back(X(o.X1));
        return x;
    }
    long Ile(const std::string& tytul) const
    {
        const auto t = Tytuly(ekran);
        return std::count(t.begin(), t.end(), tytul);
    }
    std::vector<TNapisZapisany> NapisyCm() const
    {
        auto n = Napisy(ekran);
        for (TNapisZapisany& t : n) {
            t.X = X(t.X);
            t.Y = Y(t.Y);
        }
        return n;
    }
};

} // namespace

TEST_F(Kompozycja, SheetsStandOnePitchApartWithTheEnvelopeSheetFourCentimetresFurtherLeft)
{
    // One span of 8 m at 1:100 and a 21 cm sheet: (3 + 0 + 8) · 1 + 1 = 12 < 21, so the pitch is 22.
    UstawGeometrie(zad, {8}, false, false);
    widok.ArkuszSzerokosc = 21;
    widok.SkalaRysunkuX = 100.0 / zad.SkalaX;
    RozmiescArkusze(zad, widok);
    for (int32_t c = 0; c < TDaneZadania::MaxKombinacji; ++c) {
        EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[size_t(c)].x, 22.0f * c);
        EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[size_t(c)].y, 0);
    }
    EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, -26);

    // 30 m: the beam widens the sheets to (3 + 30) · 1 + 1 = 34, pitch 35.
    UstawGeometrie(zad, {30}, false, false);
    RozmiescArkusze(zad, widok);
    EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[1].x, 35);
    EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, -35 - 4);

    // No spans, or a length that is no number: the sheet width decides.
    NowyTemat(zad);
    RozmiescArkusze(zad, widok);
    EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[1].x, 22);
    UstawGeometrie(zad, {6}, false, false);
    zad.Przesla[0].L = NAN;
    RozmiescArkusze(zad, widok);
    EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[1].x, 22);
}

TEST_F(Kompozycja, TheDeskIsClearedAndTheEnvelopeSheetComesOnlyWithTwoCombinationsLeftOfTheFirst)
{
    Belka(1);
    const auto o = ekran.Operacje;
    ASSERT_GE(o.size(), 2u);
    EXPECT_EQ(o[1].Co, TOperacja::Rodzaj::Prostokat); // after the pen: the whole picture
    EXPECT_EQ(o[1].Pioro, (TPioro{Kolor::Czarny, 1}));
    EXPECT_EQ(o[1].Wypelnienie, Kolor::JasnySzary);
    EXPECT_EQ(o[1].X2, 100000);
    EXPECT_EQ(Arkusze(), std::vector<double>{0});
    EXPECT_EQ(Ile("OBWIEDNIA MOMENTY [kNm]"), 0);

    // Three combinations: pitch max(3 + 6 + 1, 20.5) + 1 = 21.5, the envelope at −25.5.
    Belka(3);
    EXPECT_EQ(Arkusze(), (std::vector<double>{0, 21.5, 43, -25.5}));
    EXPECT_EQ(Ile("OBWIEDNIA MOMENTY [kNm]"), 1);
    EXPECT_EQ(Ile("MOMENTY [kNm]"), 3);
}

TEST_F(Kompozycja, TheShowSwitchesRuleTheCombinationSheetsButNotTheEnvelopes)
{
    Belka(2);
    k.Pokazuj.Momenty = false;
    Rysuj();
    EXPECT_EQ(Ile("MOMENTY [kNm]"), 0);
    EXPECT_EQ(Ile("OBWIEDNIA MOMENTY [kNm]"), 1);
    EXPECT_EQ(Ile("SIŁY POPRZECZNE [kN]"), 2);
    EXPECT_EQ(Ile("REAKCJE"), 2);

    k.Pokazuj = TPokazuj{false, false, false, false, false};
    Rysuj();
    EXPECT_EQ(Tytuly(ekran), (std::vector<std::string>{"OBWIEDNIA MOMENTY [kNm]", "OBWIEDNIA SIŁY POPRZECZNE [kN]",
                                                       "OBWIEDNIA REAKCJE [kN]"}));
    const auto n = NapisyCm();
    EXPECT_TRUE(std::none_of(n.begin(), n.end(), [](const TNapisZapisany& t) { return t.Tekst == "A"; }));

    // The bar schemes: the bars' labels in grey, their fixed-end values in green.
    k.Pokazuj = TPokazuj{false, false, false, false, true};
    Rysuj();
    const auto p = NapisyCm();
    EXPECT_EQ(std::count_if(p.begin(), p.end(),
                            [](const TNapisZapisany& t) { return t.Tekst == "1" && t.Pioro.Kolor == Kolor::Szary; }),
              2);
}

TEST_F(Kompozycja, ResultsAreRecomputedOnlyWhenTheTaskSaysItChanged)
{
    Belka(1);
    EXPECT_FALSE(zad.DoPrzeliczenia);
    const auto reakcja = [&](const std::string& t) { return !NapisyZ(ekran, t).empty(); };
    EXPECT_TRUE(reakcja("30,00 kN")); // qL/2

    // A load changed without setting the flag: the old results are drawn.
    zad.Liniowe[0].Wartosc = 20;
    EXPECT_FALSE(Rysuj().Przeliczono);
    EXPECT_TRUE(reakcja("30,00 kN"));
    EXPECT_FALSE(reakcja("60,00 kN"));

    zad.DoPrzeliczenia = true;
    zad.NieZapisane = true;
    const TSkutekKompozycji s = Rysuj();
    EXPECT_TRUE(s.Przeliczono);
    EXPECT_TRUE(s.DaneNieZapisane);
    EXPECT_FALSE(zad.DoPrzeliczenia);
    EXPECT_TRUE(reakcja("60,00 kN"));
}

TEST_F(Kompozycja, ARefusedTaskDrawsItsSchemesButNoResultsAndComplainsOnce)
{
    Belka(2);
    zad.Przesla[0].L = 0; // a span of no length
    zad.DoPrzeliczenia = true;
    kom.Komunikaty.clear();
    Rysuj();
    ASSERT_EQ(kom.Komunikaty.size(), 1u);
    EXPECT_NE(kom.Komunikaty[0].find("Przęsło 1"), std::string::npos);
    EXPECT_TRUE(Tytuly(ekran).empty()); // no diagram, no envelope
    EXPECT_EQ(NapisyZ(ekran, "A").size(), 2u);
    EXPECT_EQ(Arkusze().size(), 3u); // the envelope sheet's frame is still laid out
    Rysuj();
    EXPECT_EQ(kom.Komunikaty.size(), 1u);
}

TEST_F(Kompozycja, TheSheetSizeLineStandsAboveTheFirstSheetWithTheDecimalSeparator)
{
    Belka(1);
    const auto linia = NapisyZ(ekran, "Wymiary arkusza X = 20,5 ; Y = 28,5");
    ASSERT_EQ(linia.size(), 1u);
    EXPECT_NEAR(X(linia[0].X), 1, 0.002);
    EXPECT_NEAR(Y(linia[0].Y), -0.5, 0.002);
    EXPECT_EQ(linia[0].Pioro, (TPioro{Kolor::Szary, widok.GruboscEkran(0.1)}));

    // A printer's page of 2400 × 3300 pixels at 300 dpi: 20.32 × 27.94 cm,
    // taken from the answer kept in the context, not asked again.
    k.Drukarka = TInformacjaDrukarki{300, 300, 2400, 3300};
    Rysuj();
    EXPECT_EQ(NapisyZ(ekran, "Wymiary arkusza X = 20,32 ; Y = 27,94").size(), 1u);
    EXPECT_TRUE(k.DrukarkaZnana);
    EXPECT_EQ(k.Drukarka->SzerokoscStrony, 2400);

    // A context that has not asked yet asks at its first composition, whatever the answer.
    TKompozycja nowa{zad, wyn, widok, *czcionka, kom, TPokazuj{}, ',', std::nullopt, false};
    ekran.Wyczysc();
    Przerysuj(nowa, &ekran);
    EXPECT_TRUE(nowa.DrukarkaZnana);
}

TEST_F(Kompozycja, EachCombinationIsHeadedByItsNameWithItsGroupsAndCoefficientsAbove)
{
    UstawGeometrie(zad, {6}, true, true);
    const int32_t g = DodajGrupe(zad, Utf8NaCp1250("Śnieg"), Rgb(0, 0, 255));
    zad.Kombinacje[0].Nazwa = Utf8NaCp1250("Podstawowa");
    zad.Wspolczynniki[0][g] = 1.5f;
    DodajLiniowe(zad, 0, 0, 6, 10);
    Rozmiesc();
    const auto naglowek = NapisyZ(ekran, Utf8NaCp1250("KOMBINACJA OBCIĄŻEŃ  - 1   Podstawowa"));
    ASSERT_EQ(naglowek.size(), 1u);
    EXPECT_NEAR(X(naglowek[0].X), 0 + 3 + 4, 0.002); // SchematyPretowX + 4
    EXPECT_NEAR(Y(naglowek[0].Y), -1, 0.002);
    const auto grupa = NapisyZ(ekran, Utf8NaCp1250("2  Śnieg"));
    ASSERT_EQ(grupa.size(), 1u);
    EXPECT_NEAR(Y(grupa[0].Y), -1 - 2 * 0.48 - 0.5, 0.002);
    EXPECT_EQ(grupa[0].Pioro.Kolor, Rgb(0, 0, 255));
    const auto wsp = NapisyZ(ekran, "1,50");
    ASSERT_EQ(wsp.size(), 1u);
    EXPECT_NEAR(X(wsp[0].X), 7 + 6, 0.002);
}

TEST_F(Kompozycja, ACombinationSlotNotInUseEndsTheList)
{
    Belka(3);
    zad.Kombinacje[1].Uzyta = 0; // slots 0 and 2 in use
    Rysuj();
    EXPECT_EQ(zad.IloscKombinacji, 1);
    EXPECT_EQ(Arkusze(), std::vector<double>{0});
    EXPECT_EQ(Ile("REAKCJE"), 1);
    EXPECT_EQ(Ile("OBWIEDNIA REAKCJE [kN]"), 0);
}

TEST_F(Kompozycja, WithoutSpansOnlyFramesAndTheSizeLineAndWithoutLoadsOnlySchemes)
{
    Rozmiesc(); // a new task
    EXPECT_EQ(Arkusze(), std::vector<double>{0});
    ASSERT_EQ(Napisy(ekran).size(), 1u);
    EXPECT_EQ(Napisy(ekran)[0].Tekst.rfind("Wymiary arkusza", 0), 0u);

    UstawGeometrie(zad, {6}, true, true); // sets DoPrzeliczenia
    DodajKombinacje(zad, "Druga");
    EXPECT_FALSE(Rysuj().Przeliczono); // nothing to compute without a load
    EXPECT_FALSE(zad.DoPrzeliczenia);
    EXPECT_EQ(wyn.IloscPoliczonych, 0);
    RozmiescArkusze(zad, widok);
    Rysuj();
    EXPECT_EQ(Arkusze().size(), 2u); // no envelope sheet without loads
    EXPECT_TRUE(Tytuly(ekran).empty());
    EXPECT_EQ(NapisyZ(ekran, "A").size(), 2u);
    EXPECT_TRUE(NapisyZ(ekran, Utf8NaCp1250("KOMBINACJA OBCIĄŻEŃ  - 1   Stałe")).empty());
}

namespace {

// Pages recorded one by one, as print jobs of their own.
class TWydrukZapis : public IWydruk {
public:
    explicit TWydrukZapis(int32_t ostatnia = 1000)
        : ostatnia_(ostatnia)
    {
    }
    std::vector<std::unique_ptr<TPowierzchniaZapis>> Strony;
    std::vector<int32_t> Zakonczone;

    const TStronaDruku* Strona(int32_t strona) override
    {
        if (strona > ostatnia_)
            return nullptr;
        // An A4 page at 254 dpi: 100 printer pixels per cm.
        Strony.push_back(std::make_unique<TPowierzchniaZapis>(2100, 2970));
        strona_ = std::make_unique<TStronaDruku>(TStronaDruku{*Strony.back(), 254, 254});
        return strona_.get();
    }
    void KoniecStrony(int32_t strona) override { Zakonczone.push_back(strona); }

private:
    int32_t ostatnia_;
    std::unique_ptr<TStronaDruku> strona_;
};

} // namespace

TEST_F(Kompozycja, PrintingGivesAPagePerCombinationAndOneForTheEnvelopesThenRestoresTheLayout)
{
    Belka(3);
    const auto uklad = zad.PolozenieKombinacji;
    const auto obwiednia = zad.PolozenieObwiedni;
    TWydrukZapis wydruk;
    EXPECT_EQ(IloscStronWydruku(zad), 4);
    EXPECT_EQ(Drukuj(k, wydruk), 4);
    ASSERT_EQ(wydruk.Strony.size(), 4u);
    EXPECT_EQ(wydruk.Zakonczone, (std::vector<int32_t>{0, 1, 2, 3}));
    for (size_t s = 0; s < 3; ++s) {
        // Each combination's sheet at the paper's corner: its beam axis 3 cm in, 6 cm down.
        const TPowierzchniaZapis& p = *wydruk.Strony[s];
        const auto linie = TSrodowisko::Cm(p, 100);
        EXPECT_TRUE(JestOdcinek(linie, 3, 6, 9, 6, 0.011)) << s;
        EXPECT_EQ(Tytuly(p), (std::vector<std::string>{"REAKCJE", "MOMENTY [kNm]", "SIŁY POPRZECZNE [kN]"}));
        EXPECT_TRUE(p.Rodzaju(TOperacja::Rodzaj::Prostokat).empty()); // no desk, no frames on paper
    }
    EXPECT_EQ(Tytuly(*wydruk.Strony[3]), (std::vector<std::string>{"OBWIEDNIA MOMENTY [kNm]",
                                                                         "OBWIEDNIA SIŁY POPRZECZNE [kN]",
                                                                         "OBWIEDNIA REAKCJE [kN]"}));
    for (size_t c = 0; c < uklad.size(); ++c)
        EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[c].x, uklad[c].x);
    EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, obwiednia.x);

    // One combination: one page. A print stopped on its second page still restores the layout.
    Belka(1);
    TWydrukZapis jedna;
    EXPECT_EQ(Drukuj(k, jedna), 1);
    Belka(3);
    TWydrukZapis przerwany(1);
    EXPECT_EQ(Drukuj(k, przerwany), 2);
    for (size_t c = 0; c < uklad.size(); ++c)
        EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[c].x, uklad[c].x);
}
