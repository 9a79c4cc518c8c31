#pragma once
// The reference for the polynomials: M(x) and T(x) at one section summed
// directly over the loads, each load as its own closed form, the way the
// analysis evaluated every sample before it kept polynomials.
#include "analysis/Obciazenia.h"

#include <algorithm>
#include <utility>

// A load at a counts at x when a ≤ x. A line load from qa at x1 to qb at x2 acts inside
// [x1, x2] and as its resultant right of x2: its shear and moment at x.
inline std::pair<double, double> LiniowaBezposrednio(double x1, double x2, double qa, double qb, double x)
{
    if (x < x1)
        return {0, 0};
    const double d = std::min(x, x2) - x1, k = x2 > x1 ? (qb - qa) / (x2 - x1) : 0;
    const double T = qa * d + k * d * d / 2;
    return {T, qa * d * d / 2 + k * d * d * d / 6 + T * (x - std::min(x, x2))};
}

inline double MomentBezposrednio(const TObciazeniaPrzesla& obc, double ML, double TL, double x)
{
    double M = ML - TL * x;
    for (const auto& m : obc.Momenty)
        if (m.X <= x)
            M += m.Wartosc;
    for (const auto& f : obc.Sily)
        if (f.X <= x)
            M -= f.Wartosc * (x - f.X);
    for (const auto& q : obc.Liniowe)
        M -= LiniowaBezposrednio(q.X1, q.X2, q.Wartosc, q.Wartosc, x).second;
    for (const auto& t : obc.Trojkaty)
        M -= LiniowaBezposrednio(t.X1, t.X2, t.Stala + t.Malejaca, t.Stala + t.Rosnaca, x).second;
    return M;
}

inline double TnacaBezposrednio(const TObciazeniaPrzesla& obc, double TL, double x)
{
    double T = -TL;
    for (const auto& f : obc.Sily)
        if (f.X <= x)
            T -= f.Wartosc;
    for (const auto& q : obc.Liniowe)
        T -= LiniowaBezposrednio(q.X1, q.X2, q.Wartosc, q.Wartosc, x).first;
    for (const auto& t : obc.Trojkaty)
        T -= LiniowaBezposrednio(t.X1, t.X2, t.Stala + t.Malejaca, t.Stala + t.Rosnaca, x).first;
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
