#include "Okna.h"
#include "dialogs/PlikWzorcowy.h"

#include "dialogs/ListaGrup.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/RegionalneQt.h"

#include <algorithm>

namespace {

// The dialogs with the separator of the system the suite runs under, as the program takes it.
class Przebieg : public Okna {
protected:
    Przebieg() { separator = RegionalneSystemu().SeparatorDziesietny; }
    // A text written with a comma as it shows with that separator.
    std::string S(std::string tekst) const
    {
        std::replace(tekst.begin(), tekst.end(), ',', separator);
        return tekst;
    }
};

TEST_F(Przebieg, ATaskTypedIntoTheDialogsIsSavedAsTheFormatSaysAndReadBackIntoThem)
{
    K<QLineEdit>(&dialogi->OknoGeometrii(), "EDomyslnaRozp")->setText(QStringLiteral("3"));
    Zatwierdz({"4", "5,5", ""}, true);
    QWidget* tabela = &dialogi->OknoTabeli();
    dialogi->Tabela();
    Dodaj("Button1", "Wiatr");
    Dodaj("Button2", "Zima");
    Wpisz(tabela, "Tabela", 1, 1, "1,5");
    Wpisz(tabela, "Tabela", 2, 1, "1.25");
    Wpisz(tabela, "Tabela", 2, 2, "0");
    Kliknij(tabela, "Button3");
    ASSERT_EQ(kom.Komunikaty, std::vector<std::string>{});

    DodajSile(zad, 1, 2, 10, 1); // the window test enters it through the force dialog
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(zad, separator, "Data zapisu 06.12.2026, godz. 12:00:00", tekst, blad)) << blad;
    EXPECT_EQ(Cp1250NaUtf8(tekst), Cp1250NaUtf8(PlikWzorcowy(separator)));

    // A fresh window reads it.
    TDaneZadania nowe;
    TWyniki noweWyniki;
    TWidok nowyWidok;
    NowyTemat(nowe);
    QWidget noweOkno;
    TDialogi noweDialogi(nowe, noweWyniki, nowyWidok, kom, separator, {}, noweOkno);
    TOdczyt odczyt = CzytajTekst(tekst);
    ASSERT_TRUE(odczyt.Zadanie) << odczyt.Blad;
    PrzyjmijWczytane(nowe, std::move(*odczyt.Zadanie));
    noweDialogi.PoOdczycie(odczyt.Widoki);

    QWidget* g = &noweDialogi.OknoGeometrii();
    EXPECT_EQ(K<QScrollBar>(g, "SBPrzesla")->value(), 3);
    EXPECT_EQ((std::vector{Komorka(g, "SGRozpietosci", 1, 1), Komorka(g, "SGRozpietosci", 2, 1),
                           Komorka(g, "SGRozpietosci", 3, 1)}),
              (std::vector{S("4,00"), S("5,50"), S("3,00")}));
    EXPECT_EQ(
        std::tuple(K<QCheckBox>(g, "CB_LewaPrzegub")->isChecked(), K<QCheckBox>(g, "CB_PrawaPrzegub")->isChecked()),
        std::tuple(true, false));
    QWidget* t = &noweDialogi.OknoTabeli();
    EXPECT_EQ((std::vector{Komorka(t, "Tabela", 0, 2), Komorka(t, "Tabela", 2, 0), Komorka(t, "Tabela", 1, 1),
                           Komorka(t, "Tabela", 1, 2), Komorka(t, "Tabela", 2, 1), Komorka(t, "Tabela", 2, 2)}),
              (std::vector<std::string>{"2  Wiatr", "2  Zima", S("1,50"), S("1,00"), S("1,25"), S("0,00")}));
    EXPECT_EQ(noweDialogi.ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stale", "2 Wiatr"}));
}

} // namespace
