#pragma once
// The equation system of one combination, "K*x=Q" and "x=K^(-1)*Q": the
// stiffness matrix, the load vector, the rotations and the inverse. The
// scroll bar picks the combination, which is assembled and solved again
// on a system of its own; the results of the last recomputation stay as
// they were.
//
// The main window makes one with itself as the parent and keeps it:
//   TMacierz macierz(polecenia.Kompozycja, this);
//   ToolButton4   macierz.Pokaz();   // the refusal or the modal window; no repaint
#include <QDialog>

class QLabel;
class QScrollBar;
class QTableWidget;
struct TKompozycja;

class TMacierz : public QDialog {
    Q_OBJECT
public:
    // Reads the task, the results, the messages and the separator of `k`.
    explicit TMacierz(const TKompozycja& k, QWidget* rodzic = nullptr);

    // The tool bar button: refused with a message when the task has fewer
    // than two spans, otherwise the grids laid out for the task's system,
    // combination 0 shown and the window shown modally (returning at once).
    // The scroll bar keeps its position, within the combinations now in
    // use. False when refused.
    bool Pokaz();

    void SB_WariantChange();

protected:
    // The keys of the scroll bar work wherever they are typed.
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

private:
    void UtworzKontrolki();
    void UstawRozmiar(int n);
    void Wypelnij(int c);

    const TKompozycja& k_;
    int n_ = -1; // the order the grids are laid out for

    QLabel* StaticText2 = nullptr;
    QLabel* StaticText6 = nullptr;
    QTableWidget* SG_Mac_A = nullptr;
    QTableWidget* SG_X = nullptr;
    QLabel* StaticRowne = nullptr;
    QTableWidget* SG_P = nullptr;
    QLabel* StaticText5 = nullptr;
    QLabel* StaticText8 = nullptr;
    QTableWidget* SG_X2 = nullptr;
    QLabel* StaticRowne2 = nullptr;
    QTableWidget* SG_Mac_A1 = nullptr;
    QTableWidget* SG_P2 = nullptr;
    QLabel* StaticText1 = nullptr;
    QScrollBar* SB_Wariant = nullptr;
    QLabel* L_Opis = nullptr;
};
