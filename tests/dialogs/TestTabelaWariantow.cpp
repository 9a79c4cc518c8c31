#include "Okna.h"

#include "dialogs/GrupyObciazenia.h"
#include "dialogs/ListaGrup.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"

#include <QLabel>

namespace {

class Tabela : public Okna {
protected:
    QWidget* okno() { return &dialogi->OknoTabeli(); }
    QDialog* grupy() { return K<QDialog>(okno(), "GrupyObciazenia"); }
    QDialog* warianty() { return K<QDialog>(okno(), "DodajWariant"); }

    void SetUp() override
    {
        Okna::SetUp();
        UstawGeometrie(zad, {4, 4}, false, false);
        dialogi->Tabela();
    }
    std::string Komorka(int c, int j) { return Okna::Komorka(okno(), "Tabela", c, j); }
};

// The refusal without a beam is the main window's (tests/mainwindow/TestSterowanie.cpp).
TEST_F(Tabela, FirstUseShowsTheOneGroupInTheOneCombinationWithTheDefaultModally)
{
    EXPECT_EQ((std::vector{Komorka(0, 0), Komorka(1, 0), Komorka(0, 1), Komorka(1, 1)}),
              (std::vector<std::string>{"nr w\\k", "1  Stałe", "1  Stałe", "1"}));
    EXPECT_FALSE(K<QTableWidget>(okno(), "Tabela")->item(1, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(QApplication::activeModalWidget(), okno());
    // The group dialog on top of it, until it closes.
    Kliknij(okno(), "Button1");
    EXPECT_EQ(QApplication::activeModalWidget(), grupy());
    Kliknij(grupy(), "Powrot");
    EXPECT_EQ(QApplication::activeModalWidget(), okno());
}

TEST_F(Tabela, GroupsGetTheirPresetOrChosenColourAndRebuildTheGroupList)
{
    const std::vector<int32_t> oczekiwane{
        0x0000FF, 0x800000, 0xFF0000, 0x008000, 0x800080,
        0x000080, 0x008080, 0x008080, 0x123456}; // the last colour stays, or the one picked
    TGrupyObciazenia* d = dialogi->OknoTabeli().GrupyObciazenia;
    ASSERT_EQ(static_cast<QDialog*>(d), grupy());
    d->CD_Kolorek = [](int32_t, QWidget*) { return std::optional<int32_t>(0x123456); };
    for (size_t i = 0; i < oczekiwane.size(); ++i) {
        Kliknij(okno(), "Button1");
        EXPECT_EQ(K<QLabel>(d, "L_Numer")->text().toInt(), int(i) + 2);
        if (i + 1 == oczekiwane.size())
            Kliknij(d, "kolorek");
        Pisz(K<QLineEdit>(d, "E_Nazwa"), QStringLiteral("Grupa ") + QString::number(i + 2));
        Kliknij(d, "Wprowadz");
        EXPECT_EQ(zad.Grupy[i + 1].Kolor, oczekiwane[i]) << i + 2;
    }
    EXPECT_EQ(K<QWidget>(d, "kolorek")->styleSheet().contains(QStringLiteral("#563412")), true);
    const std::vector<std::string>& lista = dialogi->ListaGrup().Pozycje();
    EXPECT_EQ(std::vector(lista.begin(), lista.begin() + 2), (std::vector<std::string>{"1 Stałe", "2 Grupa 2"}));
    EXPECT_EQ(lista.size(), 10u);
    EXPECT_EQ(Komorka(0, 10), "10  Grupa 10");

    // An eleventh is refused before the dialog opens; the tenth stays as it was.
    Kliknij(okno(), "Button1");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Można utworzyć najwyżej 10 grup obciążeń."});
    EXPECT_FALSE(grupy()->isVisible());
    EXPECT_EQ(Cp1250NaUtf8(zad.Grupy[9].Nazwa), "Grupa 10");
}

TEST_F(Tabela, NamesNeedTwoCharactersAndCombinationsStopAtTen)
{
    struct Przypadek {
        const char* przycisk;
        const char* nazwa;
        std::string komunikat; // empty: accepted
    };
    for (const Przypadek& p :
         {Przypadek{"Button1", "Ś", "Nazwa musi składać się z min. 2 znaków!"}, Przypadek{"Button1", "Wi", ""},
          Przypadek{"Button2", "Ł", "Nazwa wariantu musi składać się z min. 2 znaków!"},
          Przypadek{"Button2", "Zł", ""}}) {
        kom.Komunikaty.clear();
        QDialog* d = p.przycisk == std::string("Button1") ? grupy() : warianty();
        Dodaj(p.przycisk, p.nazwa);
        EXPECT_EQ(kom.Komunikaty, p.komunikat.empty() ? std::vector<std::string>{} : std::vector{p.komunikat});
        EXPECT_EQ(d->isVisible(), !p.komunikat.empty()) << p.nazwa;
        d->hide(); // as "Anuluj" would
    }
    EXPECT_EQ(std::tuple(Cp1250NaUtf8(zad.Grupy[1].Nazwa), Cp1250NaUtf8(zad.Kombinacje[1].Nazwa)),
              std::tuple(std::string("Wi"), std::string("Zł")));
    EXPECT_EQ(Komorka(2, 0), "2  Zł");
    EXPECT_EQ(wyn.MomentyKoncowe.size(), size_t(TDaneZadania::MaxKombinacji));

    for (int c = 3; c <= TDaneZadania::MaxKombinacji; ++c)
        DodajKombinacje(zad, "K" + std::to_string(c));
    kom.Komunikaty.clear();
    Kliknij(okno(), "Button2");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Można utworzyć najwyżej 10 kombinacji obciążeń."});
    EXPECT_EQ(zad.Kombinacje[9].Nazwa, "K10");
}

TEST_F(Tabela, NewCellsTakeTheDefaultOnlyWhenTheBoxIsTicked)
{
    Dodaj("Button2", "Zima");
    EXPECT_EQ(Komorka(2, 1), "1");
    Kliknij(okno(), "WstawDomyslny");
    Dodaj("Button1", "Wiatr");
    EXPECT_EQ(std::tuple(Komorka(1, 2), Komorka(2, 2)), std::tuple(std::string(), std::string()));
    Kliknij(okno(), "Button3");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Błędny współczynnik obciążenia Kombinacja - 2; Grupa - 2 !"});
}

TEST_F(Tabela, PowrotStoresNormalisedCellsOrNamesTheLastBadOneAndStoresNothing)
{
    Dodaj("Button2", "Zima");
    Dodaj("Button1", "Wiatr");
    zad.DoPrzeliczenia = zad.NieZapisane = false;
    Wpisz(okno(), "Tabela", 1, 1, "1.35");
    Wpisz(okno(), "Tabela", 1, 2, "x");
    Wpisz(okno(), "Tabela", 2, 1, "1,2,3");
    Wpisz(okno(), "Tabela", 2, 2, "0");
    Kliknij(okno(), "Button3");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Błędny współczynnik obciążenia Kombinacja - 2; Grupa - 1 !"});
    EXPECT_EQ(std::tuple(zad.Wspolczynniki[0][0], zad.Wspolczynniki[1][1]), std::tuple(1.0f, 0.0f));
    EXPECT_TRUE(okno()->isVisible() && zad.DoPrzeliczenia && zad.NieZapisane);
    EXPECT_EQ(przerysowania, 0);

    Wpisz(okno(), "Tabela", 1, 2, "0.5");
    Wpisz(okno(), "Tabela", 2, 1, "2");
    Kliknij(okno(), "Button3");
    EXPECT_EQ(std::tuple(Komorka(1, 1), Komorka(1, 2)), std::tuple(std::string("1,35"), std::string("0,5")));
    EXPECT_EQ((std::array{zad.Wspolczynniki[0][0], zad.Wspolczynniki[0][1], zad.Wspolczynniki[1][0]}),
              (std::array{1.35f, 0.5f, 2.0f}));
    EXPECT_FALSE(okno()->isVisible());
    EXPECT_EQ(przerysowania, 1);
}

} // namespace
