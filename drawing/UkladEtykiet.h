#pragma once
// Value labels of one sheet kept clear of each other and of its titles.
// The composition gives every sheet its own layout: the labels are collected
// in drawing order and drawn when the sheet is complete, each where the
// diagram puts it unless its box would overlap another label or a title.
// Then a label equal to one already placed over it is written once, and a
// different one is moved the shortest way clear (side by side first). A
// label whose box overlaps nothing keeps its place, also when others move.
// The boxes are in sheet cm, so the screen and the page get one layout.
#include "drawing/Rysowanie.h"

#include <string>
#include <string_view>
#include <vector>

// A box on the sheet in cm, y down.
struct TRamkaCm {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// Cover at least this far apart: boxes closer are taken to overlap.
inline constexpr double OdstepEtykiet = 0.06;

bool Nachodza(const TRamkaCm& a, const TRamkaCm& b, double odstep = OdstepEtykiet);

// The box a stroke text covers: from its reference point along its advances
// (the strokes are 1.2 times DlugoscTekstu's width factor), Wysokosc across,
// upward at 90°, rightward at any other angle.
TRamkaCm RamkaTekstu(const TCzcionka& czcionka, std::string_view Tresc, TPunktCm P, const TStylTekstu& styl);
// The box of a Tytul heading (UTF-8): its cell as printed, 1.25 · Wysokosc
// high, and a width no system face exceeds for capitals.
TRamkaCm RamkaTytulu(std::string_view Tresc, TPunktCm P, double Wysokosc);

// Which way a level label gives room when it must: away from what it names,
// up from load arrows, down from the reaction arrows over it.
enum class TUstep { WGore, WDol };

struct TEtykietaArkusza {
    TWyjscia Na;
    TPunktCm P;
    TStylTekstu Styl;
    std::string Tekst;            // code page 1250
    TUstep Ustep = TUstep::WGore; // of a level label
};

class TUkladEtykiet {
public:
    void Tytul(const TRamkaCm& ramka) { Tytuly_.push_back(ramka); }
    // A vertical line of a diagram from y1 to y2 at x: a label that has to
    // move keeps off it, one that stands where its diagram puts it may cross it.
    void Kreska(double x, double y1, double y2);
    void Etykieta(const TCzcionka& czcionka, TEtykietaArkusza e);
    // Places every label collected and draws it; the layout is then empty.
    void Rysuj(TRysowanie& r);
    // Where the labels collected go, nothing drawn: those written once are left out.
    std::vector<TEtykietaArkusza> Rozmiesc();

private:
    std::vector<TRamkaCm> Tytuly_;
    std::vector<TRamkaCm> Kreski_;
    std::vector<TEtykietaArkusza> Etykiety_;
    std::vector<TRamkaCm> Ramki_;
};
