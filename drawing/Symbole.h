#pragma once
// Lines and the symbols made of them: supports, clamps, arrows, moment arcs,
// load rows, the grid, the sheet frame and the dimension line.
//
// Points are sheet cm (x right, y down; "up" is smaller y); pen widths are
// mm. Every routine takes the outputs it draws on, then its anchor, then its
// pen (or pens), then its colour and its own sizes. Every stroke of a symbol
// is a Linia of that colour and pen; only the walls of the clamps and the
// slanted ticks of the dimension line use the second pen, piora.Drugie.
// Pens are left as the last stroke set them.
#include "drawing/Rysowanie.h"

#include <string_view>

void Linia(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, double GruboscMm, int32_t Kolor);

// The symbols take the anchor P and the sizes Szer along x and Wys along y.
// Triangle, apex at the anchor.
void PodporaStala(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer, double Wys);
// The same with a line under it.
void PodporaPrzesuwna(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                      double Wys);
// Wall through the anchor, hatched towards +x.
void UtwierdzeniePrawe(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double Szer, double Wys);
// Hatched towards −x.
void UtwierdzenieLewe(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double Szer, double Wys);
// Pointing down, tip at the anchor.
void StrzalkaSily(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer, double Wys);
// Outlined, pointing up, tip at the anchor.
void StrzalkaReakcji(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys);

// Moment arcs on the ellipse of semi-axes Szer and Wys about the anchor.
// From the top over the left side, tip at the bottom.
void MomentLewoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                       double Wys);
// From the top over the right side, tip at the bottom.
void MomentPrawoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                        double Wys);
// Double line: bottom, left side, top.
void MomentPodwojnyA(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys);
// Double line: top, left side, bottom.
void MomentPodwojnyB(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys);
// Double line: bottom, right side, top.
void MomentPodwojnyC(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys);
// Double line: top, right side, bottom.
void MomentPodwojnyD(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys);

// No row has more arrows than this, however small the arrows.
inline constexpr int64_t MaxStrzalekRzedu = 10000;

// Arrows pointing down onto the base line from P to (X2, P.Y) (both ends
// included), under a top line at height Wys, about Wys apart.
void ObciazenieRownomierne(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double X2,
                           double Szer, double Wys);
// The same for a height running linearly from H1 at P to H2 at X2; the
// arrow heads shrink with the arrows, relative to the higher end.
void ObciazenieTrapezowe(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double X2,
                         double H1, double H2, double Szer, double Wys);

// No more grid lines than this in either direction.
inline constexpr int64_t MaxLiniiKratki = 100000;

// A square grid of step Krok inside the rectangle from corner A to corner B,
// not on its edges; lines stop 0.05 cm short of them.
void Kratka(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, double GruboscMm, int32_t Kolor, double Krok);

// The white sheet with its shadow, its top-left corner at P; screen only.
void RamkaArkusza(TRysowanie& r, TPunktCm P);

// A horizontal dimension line from P to (X2, P.Y) with the label Tresc
// (code page 1250, written with the first pen) centred just above it.
void Wymiar(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double X2, std::string_view Tresc);
