#pragma once
// The loads of one combination and their fixed-end actions (sign convention: analysis/Konwencje.h).
#include <cstdint>

struct TDaneZadania;

struct TParaKoncow {
    double L = 0; // left end
    double P = 0; // right end
};

// Fills the working tables (SilyKomb …) with the loads of span s acting in
// combination c, multiplied by their coefficients; loads whose coefficient is
// 0 or below are left out.
void ObciazeniaPrzesla(TDaneZadania& zad, int32_t c, int32_t s);
// The same for every span.
void ObciazeniaKombinacji(TDaneZadania& zad, int32_t c);

// Fixed-end moments (kNm, clockwise on the member end) of the loads in the
// working tables, for a span with end code `kod` and length L.
TParaKoncow MomentyUtwierdzenia(const TDaneZadania& zad, int32_t kod, float L);
// Upward end reactions (kN) of the span carrying the working loads and the given end moments.
TParaKoncow ReakcjeUtwierdzenia(const TDaneZadania& zad, double momentUtwL, double momentUtwP, float L);

// The kernels for single loads, a = distance from the left end.
TParaKoncow MomentyOdSily(double P, double a, double L, int32_t kod);
TParaKoncow MomentyOdMomentu(double M, double a, double L, int32_t kod);
TParaKoncow MomentyOdRownomiernego(double q, double x1, double x2, double L, int32_t kod);
// A triangle over [x1, x2] of height qMalejaca at x1 falling to 0, or rising to qRosnaca at x2.
TParaKoncow MomentyOdTrojkata(double qMalejaca, double qRosnaca, double x1, double x2, double L, int32_t kod);
