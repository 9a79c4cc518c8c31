#pragma once
// Random tasks: 1 to 6 spans of 0,3 to 25 m, either hinges, every load kind and sign, on supports and grid.
#include "model/Budowa.h"

#include <random>
#include <vector>

inline void LosoweZadanie(TDaneZadania& zad, std::mt19937& los)
{
    const auto rowny = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(los); };
    const auto calk = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(los); };

    const int32_t n = calk(1, 6);
    UstawGeometrie(zad, {1}, calk(0, 1) == 1, calk(0, 1) == 1);
    zad.Przesla.assign(size_t(n), zad.Przesla[0]);
    zad.IloscPrzesel = n;
    const float dlugosci[] = {4.1f, 3.3f, 0.7f, 0.3f, 25.0f};
    for (TPrzeslo& p : zad.Przesla) {
        const int rodzaj = calk(0, 2);
        p.L = rodzaj == 0 ? float(calk(30, 2500) / 100.0) : rodzaj == 1 ? float(rowny(0.3, 25)) : dlugosci[calk(0, 4)];
        p.J = float(rowny(0.5, 2));
    }
    UstawKodyPrzesel(zad);

    const int32_t grupy = calk(1, 4);
    for (int32_t g = 1; g < grupy; ++g)
        DodajGrupe(zad, "G", 0);
    const int32_t kombinacje = calk(2, 5);
    for (int32_t c = 1; c < kombinacje; ++c)
        DodajKombinacje(zad, "K");
    for (int32_t c = 0; c < kombinacje; ++c)
        for (int32_t g = 0; g < grupy; ++g)
            zad.Wspolczynniki[size_t(c)][size_t(g)] = calk(0, 3) == 0 ? 0.0f : float(rowny(0.5, 1.5));

    const auto polozenie = [&](float L) { // a support, the grid or anywhere
        const float x[] = {0.0f, L, float(calk(0, int(100 * L)) / 100.0), float(rowny(0, L))};
        return x[calk(0, 3)];
    };
    const int32_t obciazenia = calk(1, 12);
    for (int32_t i = 0; i < obciazenia; ++i) {
        const int32_t s = calk(0, n - 1), g = calk(0, grupy - 1);
        const float L = zad.Przesla[size_t(s)].L;
        float x1 = polozenie(L), x2 = polozenie(L);
        if (x1 > x2)
            std::swap(x1, x2);
        switch (calk(0, 3)) {
        case 0:
            DodajSile(zad, s, x1, float(rowny(-30, 60)), g);
            break;
        case 1:
            DodajMoment(zad, s, x1, float(rowny(-40, 40)), g);
            break;
        case 2:
            DodajLiniowe(zad, s, x1, x2, float(rowny(-10, 20)), g);
            break;
        default:
            DodajTrojkat(zad, s, x1, x2, float(rowny(0, 20)), float(rowny(0, 20)), g);
        }
    }
    PoliczKombinacje(zad);
}
