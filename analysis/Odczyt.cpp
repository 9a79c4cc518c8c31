#include "analysis/Odczyt.h"

#include "model/Zadanie.h"

#include <algorithm>

namespace {

// The line between two of its points at x; the right one where they stand on each other.
double Miedzy(const TPunktWykresu& a, const TPunktWykresu& b, double x)
{
    if (b.X == a.X)
        return b.Wartosc;
    return a.Wartosc + (x - a.X) * (b.Wartosc - a.Wartosc) / (double(b.X) - a.X);
}

double ZWykresu(const std::vector<TPunktWykresu>& punkty, int32_t ilosc, float L, double x)
{
    ilosc = std::clamp<int32_t>(ilosc, 0, int32_t(punkty.size()));
    if (ilosc <= 0)
        return 0;
    if (x <= 0)
        return punkty[0].Wartosc;
    const TPunktWykresu& ostatni = punkty[size_t(ilosc) - 1];
    if (x >= L)
        return ostatni.Wartosc;
    // The abscissae never decrease: the first point right of x by bisection;
    // the one before it is the last at or left of x, right of any jump there.
    const auto k = std::upper_bound(punkty.begin() + 1, punkty.begin() + ilosc, x,
                                    [](double v, const TPunktWykresu& p) { return v < double(p.X); });
    if (k == punkty.begin() + ilosc)
        return ostatni.Wartosc;
    return Miedzy(*(k - 1), *k, x);
}

} // namespace

double MomentZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x)
{
    return ZWykresu(wyn.WykresM[c][s], wyn.EkstremaM[c][s].IloscPunktow, zad.Przesla[s].L, x);
}

double TnacaZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x)
{
    return ZWykresu(wyn.WykresT[c][s], wyn.EkstremaT[c][s].IloscPunktow, zad.Przesla[s].L, x);
}
