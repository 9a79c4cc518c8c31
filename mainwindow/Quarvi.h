#pragma once
// The main window: five tool bars in ControlBar1, the page "Statyka" with the
// sheet view Podglad and its pop-up menu, and the three panels of StatusBar1.
// It turns the user's clicks, drags and wheel turns into the view functions
// and the commands of TPolecenia, and shows what they composed.
#include "mainwindow/Polecenia.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QMouseEvent;
class QTabWidget;
class QToolBar;
class TDialogi;
class TDodajObciazenie;
class TEdytowanieObciazen;
class TMacierz;
class TNakladkaPodgladu;
class TPodglad;
class TZestawieniePrzekrojowych;

class TQuarvi : public QMainWindow, private IPodglad {
    Q_OBJECT
public:
    TQuarvi(TProgram& program, TOtoczenie& otoczenie, QWidget* rodzic = nullptr);
    ~TQuarvi() override;

    TPolecenia& Polecenia() { return *polecenia_; }
    TPodglad& Podglad() { return *Podglad_; }
    TDialogi& Dialogi() { return *dialogi_; }
    TMacierz& Macierz() { return *Macierz_; }
    TZestawieniePrzekrojowych& Zestawienie() { return *Zestawienie_; }
    // The task's dialogs block the window; tests show them without blocking.
    bool DialogiModalne = true;

    // The tool bar buttons and the pop-up menu.
    void ToolButton11Click(); // add a point force
    void ToolButton12Click(); // add a uniform load
    void ToolButton13Click(); // add a linearly varying load
    void ToolButton14Click(); // add a point moment
    void ToolButton5Click();  // the list of point forces
    void ToolButton16Click(); // the list of uniform loads
    void ToolButton17Click(); // the list of linearly varying loads
    void ToolButton18Click(); // the list of point moments
    void ToolButton1Click(); // geometry
    void ToolButton2Click(); // coefficient table
    void ToolButton3Click(); // settings
    void ToolButton4Click(); // the stiffness matrix
    void ToolButton20Click(); // envelopes, internal forces at a section
    void TBZoomPanClick();
    void TBOknoClick();
    void TBWszystkoClick();
    void TBPowiekszClick();
    void TBPomniejszClick();
    void ToolButton6Click(); // new task
    void ToolButton7Click(); // open
    void ToolButton8Click(); // save
    void ToolButton9Click(); // copy to the clipboard
    void ToolButton10Click(); // print

    // The sheet view's mouse; pixels are the paint box's device pixels.
    void PodgladMouseDown(QMouseEvent* zdarzenie);
    void PodgladMouseMove(QMouseEvent* zdarzenie);
    void PodgladMouseUp(QMouseEvent* zdarzenie);
    // The paint box resized: the same view drawn for its new size.
    void PodgladResize();
    // A wheel turned anywhere over the window.
    void FormMouseWheel(int kat);

protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void UtworzPaski();
    void PolaczDodawanie(TDodajObciazenie& dialog);
    void Dodaj(TDodajObciazenie& dialog);
    void Edytuj(TEdytowanieObciazen& lista);
    void UtworzStrone();
    void UtworzMenu();
    void UtworzPasekStanu();
    QAction* Przycisk(QToolBar* pasek, const char* nazwa, const char* ikona, const char* podpowiedz,
                      const QKeySequence& skrot, void (TQuarvi::*klik)());

    TRozmiarPowierzchni RozmiarPodgladu() const override;
    void Pokaz() override;

    TProgram& program_;
    std::unique_ptr<TPolecenia> polecenia_;
    std::unique_ptr<TDialogi> dialogi_;
    std::unique_ptr<TNakladkaPodgladu> nakladka_;
    TMacierz* Macierz_ = nullptr;
    TZestawieniePrzekrojowych* Zestawienie_ = nullptr;
    bool pokazane_ = false;
    int kat_ = 0; // wheel angle not yet a whole turn

    QWidget* ControlBar1 = nullptr;
    QToolBar* TObcizenieDodawanie = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QToolBar* ToolBarZoomy = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QToolBar* TB_Edycja = nullptr;
    QAction* TBZoomPan = nullptr;
    QAction* TBOkno = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    TPodglad* Podglad_ = nullptr;
    QMenu* ZoomMenu = nullptr;
    QLabel* Panele_[3] = {};
};
