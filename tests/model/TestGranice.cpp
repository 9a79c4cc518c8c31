// The checks of a whole task: what the analysis needs to compute, and what a
// task the program made holds, as the reader and the writer check it.
#include "model/Budowa.h"
#include "model/Granice.h"
#include "model/Zadanie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

// Two spans, two groups and combinations, one load of each kind.
TDaneZadania Zadanie()
{
    TDaneZadania z;
    UstawGeometrie(z, {4.0f, 5.0f}, false, false);
    DodajGrupe(z, "Uzytkowe", 0x0000FF);
    DodajKombinacje(z, "SGN");
    z.Wspolczynniki[1] = {1.35f, 1.5f};
    DodajSile(z, 1, 2.5f, 12.0f, 1);
    DodajLiniowe(z, 0, 0.0f, 4.0f, 8.5f, 0);
    DodajTrojkat(z, 1, 1.0f, 4.0f, 2.0f, 5.0f, 1);
    DodajMoment(z, 0, 2.0f, 4.0f, 0);
    return z;
}

struct TPrzypadek {
    std::function<void(TDaneZadania&)> Psuj;
    std::string Komunikat;
};

constexpr TKontrola Kontrole[] = {TKontrola::Obliczenia, TKontrola::Odczyt, TKontrola::Zapis};

} // namespace

TEST(UsterkaZadania, ASoundTaskPassesEveryCheckAndATaskWithoutGeometryAllButTheAnalysis)
{
    for (const TKontrola k : Kontrole)
        EXPECT_EQ(UsterkaZadania(Zadanie(), k), std::nullopt) << int(k);
    TDaneZadania nowy;
    NowyTemat(nowy);
    EXPECT_EQ(UsterkaZadania(nowy, TKontrola::Zapis), std::nullopt);
    EXPECT_EQ(UsterkaZadania(nowy, TKontrola::Obliczenia),
              "Zadanie nie zawiera geometrii belki — nie ma czego policzyć.");
}

TEST(UsterkaZadania, WhatNeitherTheAnalysisNorAFileCanTakeIsWordedAlikeForBoth)
{
    const std::vector<TPrzypadek> przypadki{
        {[](TDaneZadania& z) { z.Przesla[1].L = NAN; },
         "Przęsło 2 ma nieokreśloną długość — podaj dodatnią rozpiętość."},
        {[](TDaneZadania& z) { z.Przesla[1].L = 0; }, "Przęsło 2 ma długość 0 — podaj dodatnią rozpiętość."},
        {[](TDaneZadania& z) { z.Przesla[1].L = -3; }, "Przęsło 2 ma ujemną długość — podaj dodatnią rozpiętość."},
        // The limit the geometry dialog words the same way.
        {[](TDaneZadania& z) { z.Przesla[1].L = 1000.5f; }, "Przęsło 2: rozpiętość nie może przekraczać 1000 m."},
        {[](TDaneZadania& z) { z.Przesla[0].E = INFINITY; }, "Przęsło 1 ma nieokreślony moduł sprężystości E."},
        {[](TDaneZadania& z) { z.Wspolczynniki[1][1] = NAN; },
         "Współczynnik kombinacji 2 dla grupy 2 nie jest liczbą."},
        {[](TDaneZadania& z) { z.Sily[0].Wartosc = NAN; }, "Siła skupiona nr 1 ma nieokreśloną wartość."},
        {[](TDaneZadania& z) { z.Momenty[0].X = -INFINITY; }, "Moment skupiony nr 1 ma nieokreślone położenie."},
        {[](TDaneZadania& z) { std::swap(z.Trojkaty[0].X1, z.Trojkaty[0].X2); },
         "Obciążenie liniowo zmienne nr 1 leży poza swoim przęsłem albo nie ma długości: od 4 do 1 m, przęsło ma 5 m."},
        {[](TDaneZadania& z) {
             z.IloscPrzesel = 13;
             z.Przesla.resize(13, z.Przesla[0]);
         },
         "Zadanie ma 13 przęseł; program obsługuje od 1 do 12."},
        {[](TDaneZadania& z) { z.IloscPrzesel = 3; }, "Zadanie ma niespójną geometrię (3 przęsła, w tablicy 2)."},
    };
    // The reader words the same faults with "plik podaje" for "zadanie ma".
    for (const TPrzypadek& p : przypadki) {
        TDaneZadania z = Zadanie();
        p.Psuj(z);
        for (const TKontrola k : {TKontrola::Obliczenia, TKontrola::Zapis})
            EXPECT_EQ(UsterkaZadania(z, k), p.Komunikat) << int(k);
    }
}

// The analysis computes with E = 0 (and reports the singular system), with loads of any
// size in any group; a file holds only what the dialogs can have made.
TEST(UsterkaZadania, TheAnalysisTakesWhatOnlyAFileRefuses)
{
    const std::vector<TPrzypadek> przypadki{
        {[](TDaneZadania& z) { z.Przesla[0].E = 0; }, "Przęsło 1 ma moduł sprężystości E = 0; musi być dodatni."},
        {[](TDaneZadania& z) { z.Przesla[1].J = -1; }, "Przęsło 2 ma moment bezwładności J = -1; musi być dodatni."},
        {[](TDaneZadania& z) { z.Przesla[1].L = 0.005f; },
         "Przęsło 2 ma rozpiętość 0,005 m; przęsło musi mieć od 0,01 do 1000 m."},
        {[](TDaneZadania& z) { z.Przesla[0].TypPrzesla = 0; },
         "Przęsło 1 ma kod końców pręta 0; znane są kody od 1 do 4."},
        {[](TDaneZadania& z) { z.Przesla[1].X0 = 4.5f; },
         "Przęsło 2 zaczyna się w x = 4,5 m, a przęsła przed nim mają razem 4 m."},
        {[](TDaneZadania& z) { z.Wspolczynniki[1][0] = 1e4f; },
         "Współczynnik kombinacji 2 dla grupy 1 wynosi 10000; współczynnik musi leżeć między -1000 a 1000."},
        {[](TDaneZadania& z) { z.Sily[0].Wartosc = 2e6f; },
         "Siła skupiona nr 1 ma wartość 2000000 kN; obciążenie musi leżeć między -1000000 a 1000000 kN."},
        {[](TDaneZadania& z) { z.Sily[0].Grupa = 5; },
         "Siła skupiona nr 1 należy do grupy obciążeń nr 6, a zadanie ma 2 grupy obciążeń."},
        {[](TDaneZadania& z) { z.Sily[0].X = 6; },
         "Siła skupiona nr 1 leży poza swoim przęsłem: x = 6 m, przęsło ma 5 m."},
        {[](TDaneZadania& z) { z.Liniowe[0].X2 = z.Liniowe[0].X2Abs = 0; },
         "Obciążenie równomierne nr 1 leży poza swoim przęsłem albo nie ma długości: od 0 do 0 m, przęsło ma 4 m."},
    };
    for (const TPrzypadek& p : przypadki) {
        TDaneZadania z = Zadanie();
        p.Psuj(z);
        EXPECT_EQ(UsterkaZadania(z, TKontrola::Obliczenia), std::nullopt) << p.Komunikat;
        EXPECT_EQ(UsterkaZadania(z, TKontrola::Zapis), p.Komunikat);
    }
}

// A kind outside its enumeration would index past the design envelopes' tables in the analysis too; a kind
// left on a free slot only the writer refuses, since the file keeps the kinds of the groups in use.
TEST(UsterkaZadania, AKindOrCategoryOutOfRangeIsRefusedEverywhereAndAKindOnAFreeSlotOnlyBySaving)
{
    const std::vector<TPrzypadek> wszedzie{
        {[](TDaneZadania& z) { z.Klasyfikacje[1].Rodzaj = TRodzajGrupy(3); },
         "Grupa obciążeń nr 2 ma rodzaj 3; znane są rodzaje 0 (nieklasyfikowane), 1 (stałe) i 2 (zmienne)."},
        {[](TDaneZadania& z) { z.Klasyfikacje[0].Rodzaj = TRodzajGrupy(-1); },
         "Grupa obciążeń nr 1 ma rodzaj -1; znane są rodzaje 0 (nieklasyfikowane), 1 (stałe) i 2 (zmienne)."},
        {[](TDaneZadania& z) { z.Klasyfikacje[1].Kategoria = TKategoriaZmiennych(IloscKategoriiZmiennych); },
         "Grupa obciążeń nr 2 ma kategorię nr 11; znane są kategorie od 0 do 10."},
    };
    for (const TPrzypadek& p : wszedzie) {
        TDaneZadania z = Zadanie();
        p.Psuj(z);
        for (const TKontrola k : Kontrole)
            EXPECT_EQ(UsterkaZadania(z, k), p.Komunikat) << int(k);
    }

    TDaneZadania z = Zadanie();
    z.Klasyfikacje[0].Rodzaj = TRodzajGrupy::Stale;
    z.Klasyfikacje[1] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::Temperatura, false};
    for (const TKontrola k : Kontrole)
        EXPECT_EQ(UsterkaZadania(z, k), std::nullopt) << int(k);
    // Only a kind counts on a free slot: a category left from an earlier choice is not written anyway.
    z.Klasyfikacje[5].Kategoria = TKategoriaZmiennych::E;
    EXPECT_EQ(UsterkaZadania(z, TKontrola::Zapis), std::nullopt);
    z.Klasyfikacje[2].Rodzaj = TRodzajGrupy::Zmienne;
    EXPECT_EQ(UsterkaZadania(z, TKontrola::Obliczenia), std::nullopt);
    EXPECT_EQ(UsterkaZadania(z, TKontrola::Zapis), "Grupa obciążeń nr 3 ma rodzaj „zmienne”, a zadanie ma 2 grupy "
                                                   "obciążeń; rodzaj nieużywanej grupy nie zostałby zapisany.");
}

TEST(UsterkaRodzajuGrupy, NamesTheGroupAndWhatIsKnownForAKindCategoryKeyOrPatternCodeTheProgramDoesNotKnow)
{
    for (int32_t r = 0; r <= 2; ++r)
        for (const char* k : {"A", "E", "H", "snieg", "wiatr", "temperatura"})
            for (int32_t p = 0; p <= 1; ++p)
                EXPECT_EQ(UsterkaRodzajuGrupy(4, r, k, p), std::nullopt) << r << k << p;
    EXPECT_EQ(UsterkaRodzajuGrupy(2, 7, "A", 1),
              "Grupa obciążeń nr 3 ma rodzaj 7; znane są rodzaje 0 (nieklasyfikowane), 1 (stałe) i 2 (zmienne).");
    for (const char* k : {"śnieg", "a", ""})
        EXPECT_EQ(UsterkaRodzajuGrupy(0, 2, k, 1), "Grupa obciążeń nr 1 ma kategorię „" + std::string(k) +
                                                       "”; znane są kategorie A, B, C, D, E, F, G, H, snieg, wiatr i "
                                                       "temperatura.");
    EXPECT_EQ(
        UsterkaRodzajuGrupy(9, 2, "C", -1),
        "Grupa obciążeń nr 10 ma kod układu obciążenia -1; znane są kody 0 (cała grupa naraz) i 1 (po przęsłach).");
}
