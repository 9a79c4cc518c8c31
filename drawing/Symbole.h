#pragma once
// Lines and the symbols made of them: supports, clamps, arrows, moment arcs,
// load rows, the grid, the sheet frame and the dimension line.
//
// Points are sheet cm (x right, y down; "up" is smaller y). Every routine
// takes the outputs it draws on, then its anchor, then its pen (or pens),
// then its own sizes. Every stroke of a symbol is a Linia of that pen; only
// the walls of the clamps and the slanted ticks of the dimension line use
// the second pen, piora.Drugie.
#include "drawing/Rysowanie.h"

#include <string_view>

void Linia(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, TPioroArkusza pioro);

// The symbols take the anchor P and the sizes Szer along x and Wys along y.
// Triangle, apex at the anchor.
void PodporaStala(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// The same with a line under it.
void PodporaPrzesuwna(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// Wall through the anchor, hatched towards +x.
void UtwierdzeniePrawe(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double Szer, double Wys);
// Hatched towards −x.
void UtwierdzenieLewe(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double Szer, double Wys);
// Pointing down, tip at the anchor.
void StrzalkaSily(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// Outlined, pointing up, tip at the anchor.
void StrzalkaReakcji(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);

// Moment arcs on the ellipse of semi-axes Szer and Wys about the anchor.
// From the top over the left side, tip at the bottom.
void MomentLewoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// From the top over the right side, tip at the bottom.
void MomentPrawoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// Double line: bottom, left side, top.
void MomentPodwojnyA(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// Double line: top, left side, bottom.
void MomentPodwojnyB(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// Double line: bottom, right side, top.
void MomentPodwojnyC(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);
// Double line: top, right side, bottom.
void MomentPodwojnyD(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys);

// No row has more arrows than this, however small the arrows.
inline constexpr int64_t MaxStrzalekRzedu = 10000;

// A row of load arrows from the anchor to X2 on its base line: arrows about
// Wys apart with heads sized by Szer and Wys; a linearly varying load runs
// from the height H1 at the anchor to H2 at X2.
struct TRzadObciazenia {
    double X2 = 0;
    double Szer = 0, Wys = 0;
    double H1 = 0, H2 = 0;
};

// Arrows pointing down onto the base line from P to (X2, P.Y) (both ends
// included), under a top line at height Wys.
void ObciazenieRownomierne(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, const TRzadObciazenia& rzad);
// The same for a height running linearly from H1 to H2; the arrow heads
// shrink with the arrows, relative to the higher end.
void ObciazenieTrapezowe(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, const TRzadObciazenia& rzad);

// No more grid lines than this in either direction.
inline constexpr int64_t MaxLiniiKratki = 100000;

// A square grid of step Krok inside the rectangle from corner A to corner B,
// not on its edges; lines stop 0.05 cm short of them.
void Kratka(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, TPioroArkusza pioro, double Krok);

// The white sheet with its shadow, its top-left corner at P; screen only.
void RamkaArkusza(TRysowanie& r, TPunktCm P);

// A horizontal dimension line from P to (X2, P.Y) with the label Tresc
// (code page 1250, written with the first pen) centred just above it.
void Wymiar(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double X2, std::string_view Tresc);
