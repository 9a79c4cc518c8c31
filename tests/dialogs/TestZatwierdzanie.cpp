// What confirming a dialog does, called as the dialogs call it; this program links no Qt.
#include "analysis/Analiza.h"
#include "analysis/Wyniki.h"
#include "dialogs/Zatwierdzanie.h"
#include "model/Budowa.h"
#include "projectfile/PlikZadania.h"

#include <gtest/gtest.h>

#include <string>

// Before, the geometry dialog, the reader and the analysis each had the 1000 m limit and each worded it differently.
TEST(Granice, ASpanOverTheLongestIsRefusedInOneWordingByTheGeometryTheWriterTheReaderAndTheAnalysis)
{
    const std::string komunikat = "Przęsło 2: rozpiętość nie może przekraczać 1000 m.";
    TDaneZadania zad;
    TWyniki wyn;
    UstawGeometrie(zad, {4, 5}, false, false);
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(zad, ',', "", tekst, blad)) << blad;

    TPolaGeometrii pola{{"4", "1000,5"}, "4", false, false, {}, {}};
    EXPECT_EQ(ZatwierdzGeometrie(zad, wyn, pola, ','), komunikat);
    EXPECT_EQ(zad.Przesla.at(1).L, 5.0f) << "nothing taken";

    // Span 2: E, J, L, X0.
    const std::string przed = "1\r\n1\r\n5\r\n4\r\n";
    ASSERT_NE(tekst.find(przed), std::string::npos);
    EXPECT_EQ(
        CzytajTekst(std::string(tekst).replace(tekst.find(przed), przed.size(), "1\r\n1\r\n1000,5\r\n4\r\n")).Blad,
        komunikat);

    zad.Przesla[1].L = 1000.5f;
    EXPECT_FALSE(ZapiszDoTekstu(zad, ',', "", tekst, blad));
    EXPECT_EQ(blad, komunikat + " Plik nie został zapisany.");
    EXPECT_EQ(SprawdzZadanie(zad), komunikat);

    pola = {{"4", "1000"}, "4", false, false, {}, {}};
    EXPECT_EQ(ZatwierdzGeometrie(zad, wyn, pola, ','), "");
    EXPECT_EQ(SprawdzZadanie(zad), std::nullopt);
}

TEST(RodzajeGrup, OnlyAVariableGroupKeepsACategorySoAGroupMadePermanentAndBackIsStoredAsBefore)
{
    TDaneZadania zad;
    NowyTemat(zad);
    const TKlasyfikacjaGrupy przed = zad.Klasyfikacje[0];
    WprowadzRodzajGrupy(zad, 0, {TRodzajGrupy::Zmienne, TKategoriaZmiennych::Wiatr, false});
    EXPECT_EQ(zad.Klasyfikacje[0], (TKlasyfikacjaGrupy{TRodzajGrupy::Zmienne, TKategoriaZmiennych::Wiatr, false}));
    EXPECT_TRUE(zad.NieZapisane && zad.DoPrzeliczenia);
    // A permanent group does not keep the wind's category.
    WprowadzRodzajGrupy(zad, 0, {TRodzajGrupy::Stale, TKategoriaZmiennych::Wiatr, false});
    EXPECT_EQ(zad.Klasyfikacje[0], (TKlasyfikacjaGrupy{TRodzajGrupy::Stale, TKategoriaZmiennych::A, true}));
    WprowadzRodzajGrupy(zad, 0, {TRodzajGrupy::Niesklasyfikowana, TKategoriaZmiennych::H, false});
    EXPECT_EQ(zad.Klasyfikacje[0], przed);
    // The same kind again is no change; a slot past the table is refused.
    zad.NieZapisane = zad.DoPrzeliczenia = false;
    WprowadzRodzajGrupy(zad, 0, {});
    WprowadzRodzajGrupy(zad, TDaneZadania::MaxGrup, {TRodzajGrupy::Stale});
    EXPECT_FALSE(zad.NieZapisane || zad.DoPrzeliczenia);
}

TEST(RodzajeGrup, TheTableShowsPermanentOrTheCategorysLetterOrItsNameWhereItHasNone)
{
    EXPECT_EQ(std::tuple(SkrotRodzaju({}), SkrotRodzaju({TRodzajGrupy::Zmienne, TKategoriaZmiennych::Snieg})),
              std::tuple("", "zm. śnieg")); // "stałe" and "zm. C" are in the dialog's tests
}
