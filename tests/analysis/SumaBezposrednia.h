#pragma once
// The reference for the polynomials: M(x) and T(x) at one section summed
// directly over the loads, each load as its own closed form, the way the
// analysis evaluated every sample before it kept polynomials.
#include "analysis/Obciazenia.h"

// A load at a counts at x when a ≤ x; a line load acts inside [x1, x2] and as
// its resultant right of x2.
inline double MomentBezposrednio(const TObciazeniaPrzesla& obc, double ML, double TL, float xf)
{
    const double x = xf;
    double M = ML - TL * x;
    for (const auto& m : obc.Momenty)
        if (m.X <= xf)
            M += m.Wartosc;
    for (const auto& f : obc.Sily)
        if (f.X <= xf)
            M -= f.Wartosc * (x - f.X);
    for (const auto& q : obc.Liniowe) {
        const double x1 = q.X1, x2 = q.X2;
        if (x >= x1 && x <= x2)
            M -= q.Wartosc * (x - x1) * (x - x1) / 2;
        else if (x > x2)
            M -= q.Wartosc * (x2 - x1) * (x - (x1 + x2) / 2);
    }
    for (const auto& t : obc.Trojkaty) {
        const double x1 = t.X1, x2 = t.X2, c = x2 - x1, u = t.Stala, m = t.Malejaca, r = t.Rosnaca;
        if (x >= x1 && x <= x2) {
            const double d = x - x1;
            M -= u * d * d / 2;
            if (c > 0) {
                if (m < r) { // rising: r·d/c at x
                    M -= (d / c * r / 2) * d * d / 3;
                } else { // falling from m: the part left above the uniform one
                    const double qx = (x2 - x) / c * m;
                    M -= qx * d * d / 2 + ((m - qx) / 2) * d * (2.0 / 3) * d;
                }
            }
        } else if (x > x2) {
            const double ramie = m < r ? c / 3 : 2 * c / 3;
            M -= u * c * (x - (x1 + x2) / 2) + ((m + r) / 2) * c * (x - x2 + ramie);
        }
    }
    return M;
}

inline double TnacaBezposrednio(const TObciazeniaPrzesla& obc, double TL, float xf)
{
    const double x = xf;
    double T = -TL;
    for (const auto& f : obc.Sily)
        if (f.X <= xf)
            T -= f.Wartosc;
    for (const auto& q : obc.Liniowe) {
        const double x1 = q.X1, x2 = q.X2;
        if (x >= x1 && x <= x2)
            T -= q.Wartosc * (x - x1);
        else if (x > x2)
            T -= q.Wartosc * (x2 - x1);
    }
    for (const auto& t : obc.Trojkaty) {
        const double x1 = t.X1, x2 = t.X2, c = x2 - x1, u = t.Stala, m = t.Malejaca, r = t.Rosnaca;
        if (x >= x1 && x <= x2) {
            const double d = x - x1;
            T -= u * d;
            if (c > 0) {
                if (m < r) {
                    T -= (d / c * r / 2) * d;
                } else {
                    const double qx = (x2 - x) / c * m;
                    T -= qx * d + ((m - qx) / 2) * d;
                }
            }
        } else if (x > x2) {
            T -= (u + (m + r) / 2) * c;
        }
    }
    return T;
}

// The total downward load.
inline double SumaObciazen(const TObciazeniaPrzesla& obc)
{
    double suma = 0;
    for (const auto& f : obc.Sily)
        suma += f.Wartosc;
    for (const auto& q : obc.Liniowe)
        suma += q.Wartosc * (double(q.X2) - q.X1);
    for (const auto& t : obc.Trojkaty)
        suma += (t.Stala + (t.Malejaca + t.Rosnaca) / 2) * (double(t.X2) - t.X1);
    return suma;
}
