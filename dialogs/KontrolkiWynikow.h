#pragma once
// What the two result windows add to the dialogs' grids and controls
// (Siatka.h, Kontrolki.h): grids of given row heights with grey or bold
// cells, the scroll bar's keys, the names of combinations.
#include <QString>

class QEvent;
class QLabel;
class QScrollBar;
class QTableWidget;
class QWidget;
struct TDaneZadania;

namespace SiatkaWynikow {

struct TUklad {
    int Kolumny = 1;
    int Wiersze = 1;
    int StaleKolumny = 0;
    int StaleWiersze = 1;
    int SzerokoscKolumny = 64;
    int WysokoscWiersza = 20;
    bool Edytowalna = false; // cells other than the headings take typing
    bool Szara = false;      // grey cells
    bool Pogrubiona = false;
};

// A grid of Siatka::Nowa with a font small enough for rows of 16 pixels.
QTableWidget* Nowa(QWidget* rodzic, const char* nazwa);
// Gives the grid its cells, all empty, and its size, without scroll bars:
// `szerokosc` wide when given, else as wide as its cells.
void Ustaw(QTableWidget* s, const TUklad& u, int szerokosc = 0);

} // namespace SiatkaWynikow

// The arrow keys and Page Up / Page Down move the scroll bar: right and down
// by one step forward, left and up back, a page likewise. True when `zdarzenie`
// was one of them.
bool KlawiszPaska(QScrollBar* pasek, const QEvent* zdarzenie);

// A label named `nazwa` with a UTF-8 text.
QLabel* NowyNapis(QWidget* rodzic, const char* nazwa, const char* tekst, bool pogrubiony = false);

// The name of combination c (the task keeps it in code page 1250).
QString NazwaKombinacji(const TDaneZadania& zad, int c);
