#pragma once
// Labels in the stroke font and titles in a system font.
#include "drawing/Rysowanie.h"

#include <string_view>

// A text holds at most this many characters; the rest is not drawn.
inline constexpr size_t MaxDlugoscTekstu = 255;

// Draws Tresc (code page 1250) with the stroke font, its reference point —
// the left end of the base line — at the sheet point P. One font
// unit is 0.012·Wysokosc cm high and 0.012·Szerokosc cm wide; Kat turns the
// text counter-clockwise, in degrees. On screen a text whose reference point
// lies 10 pixels or more left of the paint surface, or right of it, is
// skipped whole. The printed text has the size a 300 dpi printer gives it,
// on any printer or PDF. Afterwards the pen of every output drawn on is 1 pixel wide.
void Tekst(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, std::string_view Tresc,
           double Wysokosc, double Szerokosc, double Kat);

// The width of Tresc in cm, for centring: 0.01 · Wsp · the sum of the advances.
double DlugoscTekstu(const TCzcionka& czcionka, std::string_view Tresc, double Wsp);

// A heading in a system font (Tresc in UTF-8); P is the bottom-left
// corner of its cell, Wysokosc in cm. On screen a heading of 12 pixels or
// less becomes a grey outline box of about its size.
void Tytul(TRysowanie& r, TWyjscia na, TPunktCm P, int32_t Kolor, std::string_view Tresc, double Wysokosc);
