#pragma once
// The main window's tool bars as one table of actions: each button with the
// program's name for it, its icon, its hint, its shortcuts and its command.
#include <QKeySequence>
#include <QList>

#include <functional>
#include <vector>

class QMenu;
class QWidget;
class TDialogi;
class TMacierz;
class TPolecenia;
class TSterowanie;
class TZestawieniePrzekrojowych;

// The five tool bars of ControlBar1, left to right.
enum class TPasek { TObcizenieDodawanie, ToolBar1, ToolBarZoomy, ToolBar2, TB_Edycja };

// An action's item in the pop-up menu, when it has one.
struct TPozycjaMenu {
    const char* Nazwa = nullptr;
    const char* Tekst = nullptr;
    bool Oddzielona = false; // a separator above it
};

struct TAkcja {
    TPasek Pasek;
    const char* Nazwa;      // the action's and its tool button's object name
    const char* Ikona;      // ":/ikony/<Ikona>.svg"
    const char* Podpowiedz; // the status tip; the tool tip adds the first shortcut
    QList<QKeySequence> Skroty;
    std::function<void()> Polecenie;
    TPozycjaMenu Menu = {};
};

// What the main window's buttons command.
struct TCeleAkcji {
    TSterowanie& Sterowanie;
    TPolecenia& Polecenia;
    TDialogi& Dialogi;
    TMacierz& Macierz;
    TZestawieniePrzekrojowych& Zestawienie;
};

// Every button of the main window, bar by bar in the order shown.
std::vector<TAkcja> AkcjeOkna(const TCeleAkcji& cele);

// ControlBar1, a child of `okno`, with the five tool bars of 24-pixel icons;
// each action is owned by `okno` (the window whose shortcuts it takes), sits
// on its bar and, when it has one, has its item in `menu`.
QWidget* UtworzPaski(QWidget& okno, const std::vector<TAkcja>& akcje, QMenu& menu);
