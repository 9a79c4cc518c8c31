#pragma once
#include "model/Zadanie.h"

#include <gtest/gtest.h>

#include <vector>

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

// Each value within tol of its counterpart.
inline void ExpectBliskie(const std::vector<double>& wartosci, const std::vector<double>& oczekiwane, double tol)
{
    ASSERT_EQ(wartosci.size(), oczekiwane.size());
    for (size_t i = 0; i < wartosci.size(); ++i)
        EXPECT_NEAR(wartosci[i], oczekiwane[i], tol) << "value " << i;
}
