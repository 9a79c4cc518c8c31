#include "model/Budowa.h"
#include "model/Granice.h"
#include "model/GrupyKombinacje.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

// (group, value) of the used slots of a load table, in order.
template <class T, size_t N>
std::vector<std::pair<int32_t, float>> Obciazenia(const std::array<T, N>& tablica, float T::*wartosc)
{
    std::vector<std::pair<int32_t, float>> w;
    for (int32_t i = 0; i < IloscUzytych(tablica); ++i)
        w.emplace_back(tablica[size_t(i)].Grupa, tablica[size_t(i)].*wartosc);
    return w;
}

using Lista = std::vector<std::pair<int32_t, float>>;

// Three groups and three combinations, a coefficient 10c + g + 1 each, and
// loads of every kind in every group, their value 100 × (group + 1) + n.
TDaneZadania Zadanie()
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4, 5}, false, false);
    DodajGrupe(zad, "Wiatr", 0x0000FF);
    DodajGrupe(zad, "Snieg", 0x800000);
    DodajKombinacje(zad, "Zima");
    DodajKombinacje(zad, "Lato");
    for (int c = 0; c < 3; ++c)
        for (int g = 0; g < 3; ++g)
            zad.Wspolczynniki[size_t(c)][size_t(g)] = float(10 * c + g + 1);
    for (int32_t g : {0, 1, 2, 1}) {
        const float v = float(100 * (g + 1) + IloscUzytych(zad.Sily));
        DodajSile(zad, 0, 1, v, g);
        DodajMoment(zad, 1, 2, v, g);
        DodajLiniowe(zad, 0, 0, 4, v, g);
        DodajTrojkat(zad, 1, 0, 5, v, 0, g);
    }
    for (int c = 0; c < 3; ++c)
        zad.PolozenieKombinacji[size_t(c)] = {float(30 * c), 0};
    return zad;
}

} // namespace

TEST(UsuwanieGrupy, TakesTheGroupsLoadsAndMovesLaterGroupsDownWithTheirNamesColoursCoefficientsAndLoads)
{
    TDaneZadania zad = Zadanie();
    const TKlasyfikacjaGrupy snieg{TRodzajGrupy::Zmienne, TKategoriaZmiennych::Snieg, false};
    zad.Klasyfikacje[1] = {TRodzajGrupy::Stale};
    zad.Klasyfikacje[2] = snieg;
    EXPECT_EQ(ObciazeniaGrupy(zad, 1), 8);
    ASSERT_EQ(UsunGrupe(zad, 1), std::nullopt);
    EXPECT_EQ(zad.Klasyfikacje[1], snieg);
    EXPECT_EQ(zad.Klasyfikacje[2], TKlasyfikacjaGrupy{});

    EXPECT_EQ(IloscUzytych(zad.Grupy), 2);
    EXPECT_EQ(std::tuple(zad.Grupy[1].Nazwa, zad.Grupy[1].Kolor), std::tuple(std::string("Snieg"), 0x800000));
    // The freed slot is as a new task has it.
    EXPECT_EQ(zad.Grupy[2], (TGrupa{0, "", 0xFFFFFF}));
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ((std::array{zad.Wspolczynniki[size_t(c)][0], zad.Wspolczynniki[size_t(c)][1],
                              zad.Wspolczynniki[size_t(c)][2]}),
                  (std::array{float(10 * c + 1), float(10 * c + 3), 0.0f}))
            << "combination " << c;
    // Group 2's loads (values 2xx) gone, group 3's (3xx) now group 2, group 1's untouched.
    EXPECT_EQ((std::vector{Obciazenia(zad.Sily, &TSila::Wartosc), Obciazenia(zad.Momenty, &TMoment::Wartosc),
                           Obciazenia(zad.Liniowe, &TLiniowe::Wartosc),
                           Obciazenia(zad.Trojkaty, &TTrojkat::WartoscMalejaca)}),
              std::vector<Lista>(4, Lista{{0, 100}, {1, 302}}));
    EXPECT_EQ(UsterkaZadania(zad, TKontrola::Zapis), std::nullopt) << "no load of a group that is gone";
}

TEST(UsuwanieGrupy, TheFirstGroupGoesWhileAnotherRemainsAndTheLastIsKept)
{
    TDaneZadania zad = Zadanie();
    ASSERT_EQ(UsunGrupe(zad, 0), std::nullopt);
    EXPECT_EQ(zad.Grupy[0].Nazwa, "Wiatr");
    EXPECT_EQ(Obciazenia(zad.Sily, &TSila::Wartosc), (Lista{{0, 201}, {1, 302}, {0, 203}}));
    ASSERT_EQ(UsunGrupe(zad, 1), std::nullopt);
    EXPECT_EQ(Obciazenia(zad.Sily, &TSila::Wartosc), (Lista{{0, 201}, {0, 203}}));

    const TDaneZadania przed = zad;
    EXPECT_EQ(UsunGrupe(zad, 0), "Zadanie musi mieć co najmniej jedną grupę obciążeń.");
    EXPECT_EQ(UsunGrupe(zad, 1), "Nie ma grupy obciążeń nr 2.");
    EXPECT_EQ(UsunGrupe(zad, -1), "Nie ma grupy obciążeń nr 0.");
    EXPECT_TRUE(TaSamaTresc(zad, przed));
}

TEST(UsuwanieGrupy, TheQuestionCountsTheLoadsInPolishAndIsNotAskedForAGroupWithoutLoads)
{
    TDaneZadania zad = Zadanie();
    EXPECT_EQ(PytanieOUsunieciuGrupy(zad, 1), "Grupa 2 „Wiatr” ma 8 obciążeń. Usunąć grupę razem z nimi?");
    zad.Grupy[1].Nazwa = "Ci\xEA\xBF"
                         "ar"; // "Ciężar" in code page 1250
    for (int32_t i = 0; i < 4; ++i)
        if (zad.Sily[size_t(i)].Grupa == 1)
            zad.Sily[size_t(i)].Grupa = 0;
    zad.Momenty[1].Grupa = zad.Liniowe[1].Grupa = zad.Trojkaty[1].Grupa = 0;
    EXPECT_EQ(PytanieOUsunieciuGrupy(zad, 1), "Grupa 2 „Ciężar” ma 3 obciążenia. Usunąć grupę razem z nimi?");
    zad.Momenty[3].Grupa = zad.Liniowe[3].Grupa = 0;
    EXPECT_EQ(PytanieOUsunieciuGrupy(zad, 1), "Grupa 2 „Ciężar” ma 1 obciążenie. Usunąć grupę razem z nim?");
    zad.Trojkaty[3].Grupa = 0;
    EXPECT_EQ(PytanieOUsunieciuGrupy(zad, 1), std::nullopt);
}

TEST(UsuwanieKombinacji, MovesLaterCombinationsDownWithTheirNamesCoefficientsAndSheetPlaces)
{
    TDaneZadania zad = Zadanie();
    PoliczKombinacje(zad);
    ASSERT_EQ(UsunKombinacje(zad, 0), std::nullopt);
    EXPECT_EQ(std::tuple(IloscUzytych(zad.Kombinacje), zad.IloscKombinacji), std::tuple(2, 2));
    EXPECT_EQ(std::tuple(zad.Kombinacje[0].Nazwa, zad.Kombinacje[1].Nazwa), std::tuple("Zima", "Lato"));
    EXPECT_EQ(zad.Kombinacje[2], TWariant{});
    EXPECT_EQ((std::array{zad.Wspolczynniki[0][2], zad.Wspolczynniki[1][0], zad.Wspolczynniki[2][0]}),
              (std::array{13.0f, 21.0f, 0.0f}));
    EXPECT_EQ(std::tuple(zad.PolozenieKombinacji[0].x, zad.PolozenieKombinacji[1].x), std::tuple(30.0f, 60.0f));
    // The loads belong to groups, not to combinations.
    EXPECT_EQ(IloscUzytych(zad.Sily), 4);

    ASSERT_EQ(UsunKombinacje(zad, 1), std::nullopt);
    const TDaneZadania przed = zad;
    EXPECT_EQ(UsunKombinacje(zad, 0), "Zadanie musi mieć co najmniej jedną kombinację obciążeń.");
    EXPECT_EQ(UsunKombinacje(zad, 3), "Nie ma kombinacji obciążeń nr 4.");
    EXPECT_TRUE(TaSamaTresc(zad, przed));
    EXPECT_EQ(zad.Kombinacje[0].Nazwa, "Zima");
}

TEST(ZmianaNazwy, TakesTwoToTwentyCharactersOfAnExistingGroupOrCombination)
{
    TDaneZadania zad = Zadanie();
    const TDaneZadania przed = zad;
    EXPECT_EQ(ZmienNazweGrupy(zad, 0, "S"), "Nazwa musi składać się z min. 2 znaków!");
    EXPECT_EQ(ZmienNazweKombinacji(zad, 0, ""), "Nazwa wariantu musi składać się z min. 2 znaków!");
    EXPECT_EQ(ZmienNazweGrupy(zad, 0, std::string(21, 'x')), "Nazwa może mieć najwyżej 20 znaków!");
    EXPECT_EQ(ZmienNazweKombinacji(zad, 1, std::string(21, 'x')), "Nazwa wariantu może mieć najwyżej 20 znaków!");
    EXPECT_EQ(ZmienNazweGrupy(zad, 3, "Inna"), "Nie ma grupy obciążeń nr 4.");
    EXPECT_EQ(ZmienNazweKombinacji(zad, 3, "Inna"), "Nie ma kombinacji obciążeń nr 4.");
    EXPECT_TRUE(TaSamaTresc(zad, przed));

    // The first ones too; a name may repeat another.
    EXPECT_EQ(ZmienNazweGrupy(zad, 0, "Wi"), std::nullopt);
    EXPECT_EQ(ZmienNazweKombinacji(zad, 0, std::string(20, 'k')), std::nullopt);
    EXPECT_EQ(ZmienNazweKombinacji(zad, 2, "Zima"), std::nullopt);
    EXPECT_EQ(std::tuple(zad.Grupy[0].Nazwa, zad.Kombinacje[0].Nazwa, zad.Kombinacje[2].Nazwa),
              std::tuple("Wi", std::string(20, 'k'), "Zima"));
    EXPECT_EQ(zad.Grupy[0].Kolor, przed.Grupy[0].Kolor);
}
