#pragma once
// "Tabela wariantów": the coefficients of the groups in the combinations,
// and the buttons that add a group or a combination. The grid is the working
// copy of the table: it keeps its cells between uses and across new tasks,
// only reading a file writes stored coefficients into it, and "Powrót"
// stores it into the task.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class IKomunikaty;
class TDodajWariant;
class TGrupyObciazenia;
class TListaGrup;
struct TDaneZadania;
struct TWidok;
struct TWidokiZPliku;
struct TWyniki;

class TTabelaWariantow : public QDialog {
public:
    TTabelaWariantow(TDaneZadania& zad, TWyniki& wyn, const TWidok& widok, TListaGrup& lista, IKomunikaty& komunikaty,
                     char separator, QWidget* rodzic = nullptr);

    // Row j is group j, column c combination c; row 0 and column 0 are the headings.
    void OdbudujWiersze();
    void OdbudujKolumny();
    // Rows, columns and the stored coefficients of a file just read.
    void WpiszZPliku(const TWidokiZPliku& widoki);
    // Shown modally; returns at once, the closing comes as finished(). The
    // group and combination dialogs open modally over it.
    void Pokaz();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    // A double click on a group's heading opens the group dialog to change it.
    void TabelaDblClick(int wiersz, int kolumna);

    QTableWidget* Tabela;
    QPushButton* Button1;
    QPushButton* Button2;
    QCheckBox* WstawDomyslny;
    QLineEdit* Wsp_dom;
    QPushButton* Button3;
    TGrupyObciazenia* GrupyObciazenia;
    TDodajWariant* DodajWariant;

private:
    void WstawDomyslne(int kolumnaOd, int kolumnaDo, int wierszOd, int wierszDo);
    void Dopasuj();

    TDaneZadania& zad_;
    TWyniki& wyn_;
    const TWidok& widok_;
    IKomunikaty& komunikaty_;
    char separator_;
};
