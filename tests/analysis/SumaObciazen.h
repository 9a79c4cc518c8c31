#pragma once
#include "model/Zadanie.h"

// Total downward load in the working tables (an independent sum for the equilibrium checks).
inline double SumaObciazenRoboczych(const TDaneZadania& zad)
{
    double suma = 0;
    for (const TSila& f : zad.SilyKomb)
        if (f.Uzyta)
            suma += f.Wartosc;
    for (const TLiniowe& l : zad.LinioweKomb)
        if (l.Uzyta)
            suma += double(l.Wartosc) * (double(l.X2) - l.X1);
    for (const TTrojkat& t : zad.TrojkatyKomb)
        if (t.Uzyta)
            suma += (t.WartoscStala + (double(t.WartoscMalejaca) + t.WartoscRosnaca) / 2) * (double(t.X2) - t.X1);
    return suma;
}
