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
