#include "Okna.h"
#include "dialogs/PlikWzorcowy.h"

#include "dialogs/ListaGrup.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"


namespace {

class Przebieg : public Okna {};

TEST_F(Przebieg, ATaskTypedIntoTheDialogsIsSavedAsTheFormatSaysAndReadBackIntoThem)
{
    K<QLineEdit>(&dialogi->OknoGeometrii(), "EDomyslnaRozp")->setText(QStringLiteral("3"));
    Zatwierdz({"4", "5,5", ""}, true);
    QWidget* tabela = &dialogi->OknoTabeli();
    dialogi->Tabela(false);
    Dodaj("Button1", "Wiatr");
    Dodaj("Button2", "Zima");
    Wpisz(tabela, "Tabela", 1, 1, "1,5");
    Wpisz(tabela, "Tabela", 2, 1, "1.25");
    Wpisz(tabela, "Tabela", 2, 2, "0");
    Kliknij(tabela, "Button3");
    ASSERT_EQ(kom.Komunikaty, std::vector<std::string>{});

    DodajSile(zad, 1, 2, 10, 1); // the window test enters it through the force dialog
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(zad, ',', "Data zapisu 06.12.2026, godz. 12:00:00", tekst, blad)) << blad;
    EXPECT_EQ(Cp1250NaUtf8(tekst), Cp1250NaUtf8(PlikWzorcowy()));

    // A fresh window reads it.
    TDaneZadania nowe;
    TWyniki noweWyniki;
    TWidok nowyWidok;
    NowyTemat(nowe);
    TDialogi noweDialogi(nowe, noweWyniki, nowyWidok, kom, ',', {});
    TOdczyt odczyt = CzytajTekst(tekst);
    ASSERT_TRUE(odczyt.Zadanie) << odczyt.Blad;
    PrzyjmijWczytane(nowe, std::move(*odczyt.Zadanie));
    noweDialogi.PoOdczycie(odczyt.Widoki);

    QWidget* g = &noweDialogi.OknoGeometrii();
    EXPECT_EQ(K<QScrollBar>(g, "SBPrzesla")->value(), 3);
    EXPECT_EQ((std::vector{Komorka(g, "SGRozpietosci", 1, 1), Komorka(g, "SGRozpietosci", 2, 1),
                           Komorka(g, "SGRozpietosci", 3, 1)}),
              (std::vector<std::string>{"4,00", "5,50", "3,00"}));
    EXPECT_EQ(std::tuple(K<QCheckBox>(g, "CB_LewaPrzegub")->isChecked(), K<QCheckBox>(g, "CB_PrawaPrzegub")->isChecked()),
              std::tuple(true, false));
    QWidget* t = &noweDialogi.OknoTabeli();
    EXPECT_EQ((std::vector{Komorka(t, "Tabela", 0, 2), Komorka(t, "Tabela", 2, 0), Komorka(t, "Tabela", 1, 1),
                           Komorka(t, "Tabela", 1, 2), Komorka(t, "Tabela", 2, 1), Komorka(t, "Tabela", 2, 2)}),
              (std::vector<std::string>{"2  Wiatr", "2  Zima", "1,50", "1,00", "1,25", "0,00"}));
    EXPECT_EQ(noweDialogi.ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stale", "2 Wiatr"}));
}

} // namespace
