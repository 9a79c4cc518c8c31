#pragma once
// "Tabela wariantów": the coefficients of the groups in the combinations,
// and the buttons that add a group or a combination. The grid is the working
// copy of the table: it keeps its cells between uses and across new tasks,
// only reading a file writes stored coefficients into it, and "Powrót"
// stores it into the task. The group of the current cell's row and the
// combination of its column can be renamed or deleted here too.
#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class IKomunikaty;
class TDodajWariant;
class TGrupyObciazenia;
class TListaGrup;
class TZmianaNazwy;
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
    // A double click on a group's heading opens the group dialog to change its kind, name and colour.
    void TabelaDblClick(int wiersz, int kolumna);
    void ZmianaNazwyGrupyClick();
    // The group of the current cell's row in the group dialog, to change its kind.
    void ZmianaRodzajuGrupyClick();
    void UsuniecieGrupyClick();
    void ZmianaNazwyKombinacjiClick();
    void UsuniecieKombinacjiClick();
    // The grid's pop-up menu, over the cell under `miejsce` (viewport pixels).
    void TabelaContextPopup(const QPoint& miejsce);

    QTableWidget* Tabela;
    QPushButton* Button1;
    QPushButton* Button2;
    QCheckBox* WstawDomyslny;
    QLineEdit* Wsp_dom;
    QPushButton* Button3;
    TGrupyObciazenia* GrupyObciazenia;
    TDodajWariant* DodajWariant;
    QPushButton* ZmianaNazwyGrupy;
    QPushButton* ZmianaRodzajuGrupy;
    QPushButton* UsuniecieGrupy;
    QPushButton* ZmianaNazwyKombinacji;
    QPushButton* UsuniecieKombinacji;
    TZmianaNazwy* ZmianaNazwy;

    // Called after each group or combination added, renamed or deleted here,
    // so that each is a step of the history of its own.
    std::function<void()> PoZmianie;

private:
    void WstawDomyslne(int kolumnaOd, int kolumnaDo, int wierszOd, int wierszDo);
    // The cells of the columns or rows just added go into the task with the addition.
    void ZapiszNowe(int kolumnaOd, int kolumnaDo, int wierszOd, int wierszDo);
    void Dopasuj();
    // The four buttons enabled for the current cell: a heading or a cell of a
    // group's row and a combination's column; the last one is not deleted.
    void UstawPrzyciski();
    // After a group or a combination was added, renamed or deleted.
    void Zmieniona();

    TDaneZadania& zad_;
    TWyniki& wyn_;
    const TWidok& widok_;
    TListaGrup& lista_;
    IKomunikaty& komunikaty_;
    char separator_;
};
