#pragma once
// The main window's tool bars as one table of actions: each button with the
// program's name for it, its icon, its hint, its shortcuts and its command.
#include <QKeySequence>
#include <QList>

#include <functional>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

// An action's item in the pop-up menu, when it has one.
struct TPozycjaMenu {
    const char* Nazwa = nullptr;
    const char* Tekst = nullptr;
    bool Oddzielona = false; // a separator above it
};

struct TAkcja {
    QToolBar* Pasek;
    const char* Nazwa;      // the action's and its tool button's object name
    const char* Ikona;      // ":/ikony/<Ikona>.svg"
    const char* Podpowiedz; // the status tip; the tool tip adds the first shortcut
    QList<QKeySequence> Skroty;
    std::function<void()> Polecenie;
    TPozycjaMenu Menu = {};
};

// A fixed tool bar of 24-pixel icons in `rodzic`, named `nazwa`.
QToolBar* NowyPasek(QWidget& rodzic, const char* nazwa);
// The action, owned by `okno` (the window whose shortcuts it takes), on its
// tool bar, and its item in `menu`.
QAction* DodajAkcje(QWidget& okno, const TAkcja& akcja, QMenu& menu);
