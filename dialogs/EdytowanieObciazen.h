#pragma once
// The family of the four load lists: a grid of the loads of one kind with
// "Dodaj", "Edytuj", "Usuń" and "Powrót". Adding and changing go through the
// kind's entry dialog, with the list hidden meanwhile; deleting asks first.
// The members differ by TOpisListy.
#include "dialogs/ZapisObciazen.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QTableWidget;
class IKomunikaty;
class TDodajObciazenie;

struct TOpisListy {
    TRodzajObciazenia Rodzaj;
    const char* Nazwa; // the form's object name
    const char* Tytul;
    const char* Siatka;
    const char* Przyciski[4]; // add, edit, delete, close
};

class TEdytowanieObciazen : public QDialog {
public:
    TEdytowanieObciazen(const TOpisListy& opis, TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty,
                        char separator, QWidget* rodzic);

    // The main window's repaint, after a deletion and at the end of every one.
    std::function<void()> Przerysuj;

    // The headings and the list from the task, then shown modally; returns
    // at once. The entry dialog opens modally too, with the list hidden.
    void Pokaz();
    void Wypelnij();

    void DodawanieClick();
    void EdytowanieClick();
    void UsunClick();

    QTableWidget* SG_Tab;
    QPushButton* Dodawanie;
    QPushButton* Edytowanie;
    QPushButton* Usun;
    QPushButton* Button4;

private:
    // The slot of the selected row; nothing, after the message, when its number is no integer.
    bool WybranySlot(int32_t& i);
    // The entry dialog shown with the list hidden; `potem` once it has closed.
    void PokazWpis(std::function<void()> potem);

    const TOpisListy& opis_;
    TDaneZadania& zad_;
    TDodajObciazenie& wpis_;
    IKomunikaty& komunikaty_;
    char separator_;
};
