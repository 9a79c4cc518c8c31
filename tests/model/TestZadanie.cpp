#include "model/Budowa.h"
#include "model/Zadanie.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(NowyTemat, GivesATaskWithoutGeometryWithOneGroupAndOneCombinationAndKeepsWhatANewTaskKeeps)
{
    TDaneZadania zad;
    zad.Wspolczynniki[3][4] = 2.5f;
    zad.LewyPrzegub = zad.NieZapisane = true;
    zad.Nastawy.ArkuszUzytkownika = zad.Nastawy.RysujKratke = true;
    zad.Nastawy.WspGrubosci = 1.5f;
    DodajSile(zad, 0, 1.0f, 10.0f);
    NowyTemat(zad);

    EXPECT_EQ(std::tuple(zad.IloscPrzesel, zad.Przesla.size(), SaObciazenia(zad), zad.Sily[0].Przeslo),
              std::tuple(-1, 0u, false, -1));
    const std::string stale = std::string("Sta\xB3") + "e"; // "Stałe" in code page 1250
    EXPECT_EQ(std::tuple(IloscUzytych(zad.Grupy), IloscUzytych(zad.Kombinacje), zad.Grupy[0].Nazwa,
                         zad.Kombinacje[0].Nazwa, zad.Wspolczynniki[0][0], zad.Nastawy.RysujKratke),
              std::tuple(1, 1, stale, stale, 1.0f, false));
    // Left alone: other coefficients, the hinge and change flags, the sheet size and line width settings.
    EXPECT_EQ(std::tuple(zad.Wspolczynniki[3][4], zad.LewyPrzegub, zad.NieZapisane, zad.Nastawy.ArkuszUzytkownika,
                         zad.Nastawy.WspGrubosci),
              std::tuple(2.5f, true, true, true, 1.5f));
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

TEST(Geometria, DerivesPositionsUnknownsAndCodesFromLengthsAndHingesAndMovesTheLoads)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4, 5, 6}, false, false);
    const auto przeslo = [&](size_t s) {
        const TPrzeslo& p = zad.Przesla[s];
        return std::tuple(p.X0, p.NiewiadomaLewa, p.NiewiadomaPrawa, p.TypPrzesla, p.TypPodpor);
    };
    EXPECT_EQ((std::vector{przeslo(0), przeslo(1), przeslo(2)}),
              (std::vector{std::tuple(0.0f, -1, 1, 4, 2), {4.0f, 1, 2, 4, 1}, {9.0f, 2, -1, 4, 3}}));
    UstawGeometrie(zad, {4, 5, 6}, true, true);
    EXPECT_EQ(std::tuple(zad.Przesla[0].TypPrzesla, zad.Przesla[0].TypPodpor, zad.Przesla[2].TypPrzesla,
                         zad.Przesla[2].TypPodpor),
              std::tuple(3, 1, 2, 1));
    // One span takes its code from both hinges; its unknown numbers are read by nothing.
    for (const auto& [lewy, prawy, kod] :
         {std::tuple(false, false, 4), {true, false, 3}, {false, true, 2}, {true, true, 1}}) {
        UstawGeometrie(zad, {6}, lewy, prawy);
        EXPECT_EQ(przeslo(0), std::tuple(0.0f, 0, 1, kod, kod));
    }

    UstawGeometrie(zad, {4, 5}, false, false);
    DodajSile(zad, 1, 2.0f, 10.0f);
    DodajTrojkat(zad, 1, 1.0f, 3.0f, 0, 5);
    zad.Przesla[0].L = 6.0f;
    UstawKodyPrzesel(zad);
    EXPECT_EQ(std::tuple(zad.Sily[0].XAbs, zad.Trojkaty[0].X1Abs, zad.Trojkaty[0].X2Abs), std::tuple(8.0f, 7.0f, 9.0f));

    // Resizing resets every length to 4 m and the reserved values 1, 2, 5 and 6; X0 is the caller's to set.
    zad.Przesla[1].Rezerwa = {1, 2, 3, 4, 5, 6, 7, 8};
    UstawIloscPrzesel(zad);
    EXPECT_EQ(std::tuple(zad.Przesla[0].L, zad.Przesla[1].L, zad.Przesla[1].X0), std::tuple(4.0f, 4.0f, 6.0f));
    EXPECT_EQ(zad.Przesla[1].Rezerwa, (std::array<double, 8>{0, 0, 3, 4, 0, 0, 7, 8}));
}

TEST(SkalaSil, AutomaticScaleDrawsLargeLoadsTwoCentimetresLong)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {6}, false, false);
    const auto skala = [&](TSkalowanieSil s, float cm = 0) { return SkalaSilSchematu(zad, s, cm); };
    DodajSile(zad, 0, 1, 50);
    EXPECT_FLOAT_EQ(skala(TSkalowanieSil::Automatyczne), 2.0f / 50); // 50 kN → 2 cm
    DodajSile(zad, 0, 2, 100);
    EXPECT_FLOAT_EQ(skala(TSkalowanieSil::Automatyczne), 2.0f / 100) << "100 kN already takes 2 cm";
    DodajTrojkat(zad, 0, 1, 3, 20, 200);
    EXPECT_FLOAT_EQ(skala(TSkalowanieSil::Automatyczne), 2.0f / 200); // 200 kN/m → 2 cm
    DodajMoment(zad, 0, 1, -400);
    // The largest value, the moment, at 1 cm; 100 kN at 1 cm.
    EXPECT_EQ(std::tuple(skala(TSkalowanieSil::NajwiekszaDo, 1), skala(TSkalowanieSil::Sila100kNDo, 1)),
              std::tuple(1.0f / 400, 1.0f / 100));
}
