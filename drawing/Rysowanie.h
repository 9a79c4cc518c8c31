#pragma once
// What every drawing routine needs, passed by reference as its first argument.
#include "drawing/Czcionka.h"
#include "drawing/Powierzchnia.h"
#include "drawing/Widok.h"

struct TNastawy;
class TUkladEtykiet;

// A point of the sheet in cm: x right, y down.
struct TPunktCm {
    double X = 0;
    double Y = 0;
};

// The outputs a routine draws on; each is honoured on its own.
struct TWyjscia {
    bool Ekran = false;
    bool Druk = false;
    explicit operator bool() const { return Ekran || Druk; }
};

// Pen widths in mm of a drawing made of two weights: Glowne for its strokes
// and labels, Drugie for its heavier lines (the beam or bar axis, the walls
// of clamps, the slanted ticks of a dimension line).
struct TPiora {
    double Glowne = 0;
    double Drugie = 0;
};

struct TRysowanie {
    IPowierzchnia* Ekran = nullptr; // the screen picture; nullptr draws nothing there
    IPowierzchnia* Druk = nullptr;  // the printer page; nullptr draws nothing there
    const TWidok& Widok;
    const TCzcionka& Czcionka;
    const TNastawy& Nastawy;
    char Separator = ',';           // the user's decimal separator
    // The sheet being composed collects its value labels and titles here to
    // keep them clear of each other; nullptr draws each label where it stands.
    TUkladEtykiet* Etykiety = nullptr;
};

// The last step of every line: pixel ends already truncated, as doubles of
// any size. A segment wholly outside the surface (widened by the pen) is
// skipped; one reaching far beyond it is clipped to the surface's
// neighbourhood before the ends are narrowed to 32 bits, so no zoom can
// overflow the coordinates or flood the painter.
void OdcinekNaPowierzchni(IPowierzchnia& p, double x1, double y1, double x2, double y2);

// A rectangle with corners clamped to the surface's neighbourhood; the
// visible part is unchanged.
void ProstokatNaPowierzchni(IPowierzchnia& p, double x1, double y1, double x2, double y2, int32_t wypelnienie);
