#pragma once
// The main window's tool bars as one table of actions: each button with the
// program's name for it, its icon, its hint, its shortcuts and its command.
#include <QKeySequence>
#include <QList>

#include <functional>

class QAction;
class QToolBar;
class QWidget;

struct TAkcja {
    QToolBar* Pasek;
    const char* Nazwa;      // the action's and its tool button's object name
    const char* Ikona;      // ":/ikony/<Ikona>.svg"
    const char* Podpowiedz; // the status tip; the tool tip adds the first shortcut
    QList<QKeySequence> Skroty;
    std::function<void()> Polecenie;
};

// A fixed tool bar of 24-pixel icons in `rodzic`, named `nazwa`.
QToolBar* NowyPasek(QWidget& rodzic, const char* nazwa);
// The action, owned by `okno` (the window whose shortcuts it takes), on its tool bar.
QAction* DodajAkcje(QWidget& okno, const TAkcja& akcja);
