#pragma once
// Lines and the symbols made of them: supports, clamps, arrows, moment arcs,
// load rows, the grid, the sheet frame and the dimension line.
//
// Points are sheet cm (x right, y down; "up" is smaller y); pen widths are
// mm. Ekran draws into the screen picture, Druk onto the printer page; each
// flag is honoured on its own. Every stroke of a symbol is a Linia with
// Kolor and Grubosc; only the walls of the clamps and the slanted ticks of
// the dimension line use Grubosc2. Pens are left as the last stroke set them.
#include "drawing/Rysowanie.h"

#include <string_view>

void Linia(TRysowanie& r, int32_t Kolor, bool Ekran, double X1, double Y1, double X2, double Y2, double GruboscMm,
           bool Druk);

// The symbols take the anchor (X, Y) and the sizes Szer along x and Wys along y.
// Triangle, apex at the anchor.
void PodporaStala(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// The same with a line under it.
void PodporaPrzesuwna(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Wall through the anchor, hatched towards +x.
void UtwierdzeniePrawe(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Hatched towards −x.
void UtwierdzenieLewe(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Pointing down, tip at the anchor.
void StrzalkaSily(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Outlined, pointing up, tip at the anchor.
void StrzalkaReakcji(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);

// Moment arcs on the ellipse of semi-axes Szer and Wys about the anchor.
// From the top over the left side, tip at the bottom.
void MomentLewoskretny(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// From the top over the right side, tip at the bottom.
void MomentPrawoskretny(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Double line: bottom, left side, top.
void MomentPodwojnyA(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Double line: top, left side, bottom.
void MomentPodwojnyB(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Double line: bottom, right side, top.
void MomentPodwojnyC(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);
// Double line: top, right side, bottom.
void MomentPodwojnyD(TRysowanie& r, int32_t Kolor, bool Ekran, double X, double Y, double Szer, double Wys,
    double Grubosc, double Grubosc2, bool Druk);

// No row has more arrows than this, however small the arrows.
inline constexpr int64_t MaxStrzalekRzedu = 10000;

// Arrows pointing down onto the base line y = Y from X1 to X2 (both ends
// included), under a top line at height Wys, about Wys apart.
void ObciazenieRownomierne(TRysowanie& r, int32_t Kolor, bool Ekran, double X1, double X2, double Y, double Szer,
                           double Wys, double Grubosc, double Grubosc2, bool Druk);
// The same for a height running linearly from H1 at X1 to H2 at X2; the
// arrow heads shrink with the arrows, relative to the higher end.
void ObciazenieTrapezowe(TRysowanie& r, int32_t Kolor, bool Ekran, double X1, double X2, double Y, double H1,
                         double H2, double Szer, double Wys, double Grubosc, double Grubosc2, bool Druk);

// No more grid lines than this in either direction.
inline constexpr int64_t MaxLiniiKratki = 100000;

// A square grid of step Krok inside the rectangle, not on its edges; lines
// stop 0.05 cm short of them.
void Kratka(TRysowanie& r, int32_t Kolor, bool Ekran, double X1, double Y1, double X2, double Y2, double Krok,
            double GruboscMm, bool Druk);

// The white sheet with its shadow, its top-left corner at (X, Y); screen only.
void RamkaArkusza(TRysowanie& r, double X, double Y);

// A horizontal dimension line from X1 to X2 at height Y with the label
// Tresc (code page 1250) centred just above it.
void Wymiar(TRysowanie& r, std::string_view Tresc, int32_t Kolor, double X1, double X2, double Y, double Grubosc,
            double Grubosc2, bool Ekran, bool Druk);
