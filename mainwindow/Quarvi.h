#pragma once
// The main window: five tool bars in ControlBar1, the page "Statyka" with the
// sheet view Podglad and its pop-up menu, and the three panels of StatusBar1.
// It maps the user's clicks, drags and wheel turns onto TSterowanie, the
// commands of TPolecenia and the dialogs, and shows what they composed.
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "mainwindow/Polecenia.h"
#include "mainwindow/Sterowanie.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QMouseEvent;
class QTabWidget;
class TDialogi;
class TDodajObciazenie;
class TMacierz;
class TPasekStanu;
class TPodglad;

class TQuarvi : public QMainWindow, private IPodglad, private IOknoWidoku, private INakladka {
    Q_OBJECT
public:
    TQuarvi(TProgram& program, TOtoczenie& otoczenie, QWidget* rodzic = nullptr);
    ~TQuarvi() override;

    TPolecenia& Polecenia() { return *polecenia_; }
    TSterowanie& Sterowanie() { return *sterowanie_; }
    TPodglad& Podglad() { return *Podglad_; }
    TDialogi& Dialogi() { return *dialogi_; }
    TMacierz& Macierz() { return *Macierz_; }
    TZestawieniePrzekrojowych& Zestawienie() { return *Zestawienie_; }

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
    void UtworzDialogi(TOtoczenie& otoczenie);
    void UtworzPaski();
    void PolaczHistorie();
    // The open button's menu of recent files, kept with the other settings.
    void UtworzOstatnie();
    void OstatnieMenuAboutToShow();
    void PrzywrocUstawienia();
    void UtworzStrone();
    void UtworzOknaWynikow();
    void PolaczDodawanie(TDodajObciazenie& dialog);
    TPiksel Piksel(const QMouseEvent* zdarzenie) const;

    TRozmiarPowierzchni RozmiarPodgladu() const override;
    void Pokaz() override;
    void Wiadomosc(const std::string& tekst) override;
    void UstawKursor(TKursor kursor) override;
    void UstawRamke(const std::optional<TRamkaOkna>& ramka) override;
    void UstawOdczyt(const std::string& tekst) override;
    void Rysuj(const std::function<void(IPowierzchnia&)>& rysuj) override;

    TProgram& program_;
    std::unique_ptr<TPolecenia> polecenia_;
    std::unique_ptr<TSterowanie> sterowanie_;
    std::unique_ptr<TDialogi> dialogi_;
    bool pokazane_ = false;

    // The window's children, which it owns.
    TMacierz* Macierz_ = nullptr;
    TZestawieniePrzekrojowych* Zestawienie_ = nullptr;
    QAction* TBZoomPan = nullptr;
    QAction* TBOkno = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    TPodglad* Podglad_ = nullptr;
    QMenu* ZoomMenu = nullptr;
    QMenu* OstatnieMenu = nullptr;
    TPasekStanu* StatusBar1 = nullptr;
};
