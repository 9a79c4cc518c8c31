#pragma once
// Labels in the stroke font and titles in a system font.
#include "drawing/Rysowanie.h"

#include <string_view>

// A text holds at most this many characters; the rest is not drawn.
inline constexpr size_t MaxDlugoscTekstu = 255;

// Draws Tresc (code page 1250) with the stroke font, its reference point —
// the left end of the base line — at the sheet point P. One font unit is
// 0.012 · styl.Wysokosc cm high and 0.012 · styl.Szerokosc cm wide; styl.Kat
// turns the text counter-clockwise, in degrees. On screen a text whose
// reference point lies 10 pixels or more left of the paint surface, or right
// of it, is skipped whole. The printed text has the size a 300 dpi printer
// gives it, on any printer or PDF. Afterwards the pen of every output drawn
// on is 1 pixel wide.
void Tekst(TRysowanie& r, TWyjscia na, TPunktCm P, const TStylTekstu& styl, std::string_view Tresc);
// The same for a label: on screen one less than a pixel high is a dot at P.
void TekstEtykiety(TRysowanie& r, TWyjscia na, TPunktCm P, const TStylTekstu& styl, std::string_view Tresc);

// The width of Tresc in cm, for centring: 0.01 · Wsp · the sum of the advances.
double DlugoscTekstu(const TCzcionka& czcionka, std::string_view Tresc, double Wsp);

// A heading in a system font (Tresc in UTF-8); P is the bottom-left
// corner of its cell, Wysokosc in cm. On screen a heading of 12 pixels or
// less becomes a grey outline box of about its size.
void Tytul(TRysowanie& r, TWyjscia na, TPunktCm P, TKolor Kolor, std::string_view Tresc, double Wysokosc);

// Where the strokes of a text land on a surface: (X0, Y0) is the reference
// pixel, the text turns about it by Kat (radians); the pen starts at (PX,
// PY) and moves SX pixels along, SY across, per font unit.
struct TZnakiNaPowierzchni {
    double X0 = 0, Y0 = 0;
    double PX = 0, PY = 0;
    double SX = 0, SY = 0;
    double Kat = 0;
};
// The strokes of every character, the pen moved on in whole pixels after each.
void RysujZnaki(IPowierzchnia& p, const TCzcionka& czcionka, std::string_view tresc, TZnakiNaPowierzchni z);
