#pragma once
// What every drawing routine needs, passed by reference as its first argument,
// and the pens and text styles the routines take.
#include "drawing/Czcionka.h"
#include "drawing/Powierzchnia.h"
#include "drawing/Widok.h"

struct TDaneZadania;
struct TNastawy;
struct TWyniki;
class IEkranArkusza;
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

// A pen of the sheets: its width in mm, whatever the output's pixels, and its colour.
struct TPioroArkusza {
    double Grubosc = 0;
    TKolor Kolor = Kolor::Czarny;
};

// The pens of a drawing made of two weights in one colour: Glowne (mm) for
// its strokes and labels, Drugie for its heavier lines (the beam or bar axis,
// the walls of clamps, the slanted ticks of a dimension line).
struct TPiora {
    double Glowne = 0;
    double Drugie = 0;
    TKolor Kolor = Kolor::Czarny;
    TPioroArkusza PioroGlowne() const { return {Glowne, Kolor}; }
    TPioroArkusza PioroDrugie() const { return {Drugie, Kolor}; }
};

// How a text of the stroke font is written: its pen, the character height
// and width factor (cm, see Tekst) and its angle counter-clockwise in degrees.
struct TStylTekstu {
    TPioroArkusza Pioro;
    double Wysokosc = 0;
    double Szerokosc = 0;
    double Kat = 0;
};

// The results a drawing shows: combination Kombinacja of the task's
// analysis, and span Przeslo where a routine draws one span.
struct TZrodloWykresu {
    const TDaneZadania& Zadanie;
    const TWyniki& Wyniki;
    int32_t Kombinacja = 0;
    int32_t Przeslo = 0;
};

struct TRysowanie {
    IEkranArkusza* Ekran = nullptr; // the screen, in sheet cm; nullptr draws nothing there
    IPowierzchnia* Druk = nullptr;  // the printer page; nullptr draws nothing there
    // The drawing scales and the sheet size; the printer's resolution.
    const TWidok& Widok;
    const TCzcionka& Czcionka;
    const TNastawy& Nastawy;
    char Separator = ','; // the user's decimal separator
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
void ProstokatNaPowierzchni(IPowierzchnia& p, double x1, double y1, double x2, double y2,
                            std::optional<TKolor> wypelnienie);

// What draws over the sheet picture in its pixels (the load preview, the
// section markers): the overlay's surface and the view the picture was drawn at.
struct TRysowanieNakladki {
    IPowierzchnia& Ekran;
    const TWidok& Widok;
    const TNastawy& Nastawy;
    char Separator = ',';
};
