#include "model/Budowa.h"
#include "model/Zadanie.h"

#include <gtest/gtest.h>

TEST(NowyTemat, GivesATaskWithoutGeometryWithOneGroupAndOneCombination)
{
    TDaneZadania zad;
    zad.Wspolczynniki[3][4] = 2.5f; // survives a new task
    zad.LewyPrzegub = true;
    zad.NieZapisane = true;
    DodajSile(zad, 0, 1.0f, 10.0f);
    NowyTemat(zad);

    EXPECT_EQ(zad.IloscPrzesel, -1);
    EXPECT_TRUE(zad.Przesla.empty());
    EXPECT_FALSE(SaObciazenia(zad));
    EXPECT_EQ(IloscUzytych(zad.Grupy), 1);
    EXPECT_EQ(IloscUzytych(zad.Kombinacje), 1);
    EXPECT_EQ(zad.Grupy[0].Nazwa, "Sta\xB3" "e");
    EXPECT_EQ(zad.Grupy[0].Kolor, 0);
    for (int g = 1; g < TDaneZadania::MaxGrup; ++g) {
        EXPECT_FALSE(zad.Grupy[g].Uzyta);
        EXPECT_EQ(zad.Grupy[g].Kolor, 0xFFFFFF);
    }
    EXPECT_EQ(zad.Kombinacje[0].Nazwa, "Sta\xB3" "e");
    EXPECT_EQ(zad.Wspolczynniki[0][0], 1.0f);
    EXPECT_EQ(zad.Wspolczynniki[3][4], 2.5f);
    EXPECT_TRUE(zad.LewyPrzegub);
    EXPECT_TRUE(zad.NieZapisane);
    EXPECT_EQ(zad.Sily[0].Przeslo, -1);
    EXPECT_EQ(zad.Nastawy.SkalaSil, 0.04f);
    EXPECT_EQ(zad.Nastawy.MomentyY, 24.0f);
}

TEST(NowyTemat, KeepsTheSheetSizeSettingsAndTheLineWidthFactor)
{
    TDaneZadania zad;
    zad.Nastawy.ArkuszUzytkownika = true;
    zad.Nastawy.ArkuszL = 21;
    zad.Nastawy.WspGrubosci = 1.5f;
    zad.Nastawy.RysujKratke = true;
    NowyTemat(zad);
    EXPECT_TRUE(zad.Nastawy.ArkuszUzytkownika);
    EXPECT_EQ(zad.Nastawy.ArkuszL, 21.0f);
    EXPECT_EQ(zad.Nastawy.WspGrubosci, 1.5f);
    EXPECT_FALSE(zad.Nastawy.RysujKratke);
}

TEST(SlotTables, DeletingFromAFullTableMovesLaterSlotsDownAndFreesTheLast)
{
    TDaneZadania zad;
    NowyTemat(zad);
    for (int i = 0; i < TDaneZadania::MaxSil; ++i)
        ASSERT_EQ(DodajSile(zad, 0, 0.0f, float(i)), i);
    EXPECT_EQ(DodajSile(zad, 0, 0.0f, 1000.0f), -1) << "a full table takes no more";

    UsunZTablicy(zad.Sily, 10);
    EXPECT_EQ(IloscUzytych(zad.Sily), 99);
    EXPECT_FALSE(zad.Sily[99].Uzyta);
    for (int i = 0; i < 99; ++i)
        EXPECT_EQ(zad.Sily[i].Wartosc, float(i < 10 ? i : i + 1)) << "slot " << i;

    EXPECT_EQ(DodajSile(zad, 0, 0.0f, 7.0f), 99) << "a new entry takes the first free slot";
}

TEST(SlotTables, NamesAreCutToTwentyBytes)
{
    EXPECT_EQ(PrzytnijNazwe("ABCDEFGHIJKLMNOPQRSTUVWXY"), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(PrzytnijNazwe("Krótka"), "Krótka");
}

TEST(Trojkat, IsSplitIntoAUniformPartAndOneTriangle)
{
    TTrojkat t;
    UstawWartosciTrojkata(t, 5, 2);
    EXPECT_EQ(t.WartoscStala, 2.0f);
    EXPECT_EQ(t.WartoscMalejaca, 3.0f);
    EXPECT_EQ(t.WartoscRosnaca, 0.0f);
    UstawWartosciTrojkata(t, 4, 4);
    EXPECT_EQ(t.WartoscStala, 4.0f);
    EXPECT_EQ(t.WartoscMalejaca, 0.0f);
    EXPECT_EQ(t.WartoscRosnaca, 0.0f);
    UstawWartosciTrojkata(t, 1, 3);
    EXPECT_EQ(t.WartoscStala, 1.0f);
    EXPECT_EQ(t.WartoscRosnaca, 2.0f);
}

TEST(Geometria, DerivesPositionsUnknownsAndCodesFromLengthsAndHinges)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4, 5, 6}, false, false);
    ASSERT_EQ(zad.Przesla.size(), 3u);
    EXPECT_EQ(zad.Przesla[0].X0, 0.0f);
    EXPECT_EQ(zad.Przesla[1].X0, 4.0f);
    EXPECT_EQ(zad.Przesla[2].X0, 9.0f);
    EXPECT_EQ(zad.Przesla[0].NiewiadomaLewa, -1);
    EXPECT_EQ(zad.Przesla[0].NiewiadomaPrawa, 1);
    EXPECT_EQ(zad.Przesla[1].NiewiadomaLewa, 1);
    EXPECT_EQ(zad.Przesla[1].NiewiadomaPrawa, 2);
    EXPECT_EQ(zad.Przesla[2].NiewiadomaLewa, 2);
    EXPECT_EQ(zad.Przesla[2].NiewiadomaPrawa, -1);
    EXPECT_EQ(zad.Przesla[0].TypPodpor, 2);
    EXPECT_EQ(zad.Przesla[1].TypPodpor, 1);
    EXPECT_EQ(zad.Przesla[2].TypPodpor, 3);
    for (const TPrzeslo& p : zad.Przesla)
        EXPECT_EQ(p.TypPrzesla, 4);

    UstawGeometrie(zad, {4, 5, 6}, true, true);
    EXPECT_EQ(zad.Przesla[0].TypPrzesla, 3);
    EXPECT_EQ(zad.Przesla[0].TypPodpor, 1);
    EXPECT_EQ(zad.Przesla[2].TypPrzesla, 2);
    EXPECT_EQ(zad.Przesla[2].TypPodpor, 1);
}

TEST(Geometria, OneSpanTakesItsCodeFromBothHinges)
{
    TDaneZadania zad;
    const struct {
        bool lewy, prawy;
        int kod;
    } przypadki[] = {{false, false, 4}, {true, false, 3}, {false, true, 2}, {true, true, 1}};
    for (const auto& p : przypadki) {
        UstawGeometrie(zad, {6}, p.lewy, p.prawy);
        EXPECT_EQ(zad.Przesla[0].TypPrzesla, p.kod);
        EXPECT_EQ(zad.Przesla[0].TypPodpor, p.kod);
        EXPECT_EQ(zad.Przesla[0].NiewiadomaLewa, 0);
        EXPECT_EQ(zad.Przesla[0].NiewiadomaPrawa, 1);
    }
}

TEST(Geometria, ResizingTheSpanTableResetsLengthsToFourMetres)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {2, 3, 5}, false, false);
    zad.Przesla[1].Rezerwa = {1, 2, 3, 4, 5, 6, 7, 8};
    UstawIloscPrzesel(zad);
    for (const TPrzeslo& p : zad.Przesla)
        EXPECT_EQ(p.L, 4.0f);
    const std::array<double, 8> zostaje = {0, 0, 3, 4, 0, 0, 7, 8};
    EXPECT_EQ(zad.Przesla[1].Rezerwa, zostaje);
    EXPECT_EQ(zad.Przesla[1].X0, 2.0f) << "X0 is the caller's to set";
}

TEST(Geometria, LoadPositionsFollowTheSpanStarts)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4, 5}, false, false);
    DodajSile(zad, 1, 2.0f, 10.0f);
    DodajTrojkat(zad, 1, 1.0f, 3.0f, 0, 5);
    EXPECT_EQ(zad.Sily[0].XAbs, 6.0f);
    zad.Przesla[0].L = 6.0f;
    UstawKodyPrzesel(zad);
    EXPECT_EQ(zad.Sily[0].XAbs, 8.0f);
    EXPECT_EQ(zad.Trojkaty[0].X1Abs, 7.0f);
    EXPECT_EQ(zad.Trojkaty[0].X2Abs, 9.0f);
}

TEST(SkalaSil, AutomaticScaleDrawsLargeLoadsTwoCentimetresLong)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {6}, false, false);
    DodajSile(zad, 0, 1, 50);
    EXPECT_FLOAT_EQ(SkalaSilSchematu(zad, TSkalowanieSil::Automatyczne), 0.04f); // 50 kN → 2 cm
    DodajSile(zad, 0, 2, 100);
    EXPECT_FLOAT_EQ(SkalaSilSchematu(zad, TSkalowanieSil::Automatyczne), 0.02f) << "100 kN already takes 2 cm";
    DodajTrojkat(zad, 0, 1, 3, 20, 200);
    EXPECT_FLOAT_EQ(SkalaSilSchematu(zad, TSkalowanieSil::Automatyczne), 2.0f / 200); // 200 kN/m → 2 cm
    DodajMoment(zad, 0, 1, -400);
    EXPECT_FLOAT_EQ(SkalaSilSchematu(zad, TSkalowanieSil::NajwiekszaDo, 1.0f), 1.0f / 400);
    EXPECT_FLOAT_EQ(SkalaSilSchematu(zad, TSkalowanieSil::Sila100kNDo, 1.0f), 0.01f) << "100 kN is 1 cm";
}
