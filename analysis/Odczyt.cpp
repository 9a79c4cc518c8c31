#include "analysis/Odczyt.h"

#include "model/Zadanie.h"

#include <algorithm>

namespace {

// A polyline read at x: the first point at or left of 0, the last at or right
// of L; between them the line from the point before the first point k ≥ 1
// lying at or right of x′ = x + przesuniecie, which `znajdz` finds (ilosc when
// there is none), to that point.
template <class Znajdz>
float Odczytaj(const std::vector<TPunktWykresu>& punkty, int32_t ilosc, float L, double x, double przesuniecie,
               Znajdz znajdz)
{
    if (ilosc <= 0)
        return 0;
    if (x <= 0)
        return punkty[0].Wartosc;
    const TPunktWykresu& ostatni = punkty[size_t(ilosc) - 1];
    if (x >= L)
        return ostatni.Wartosc;
    const double xp = x + przesuniecie;
    const int32_t k = znajdz(xp);
    if (k >= ilosc)
        return ostatni.Wartosc;
    const TPunktWykresu& a = punkty[size_t(k) - 1];
    const TPunktWykresu& b = punkty[size_t(k)];
    if (b.X == a.X)
        return b.Wartosc;
    return float((xp - a.X) * (double(b.Wartosc) - a.Wartosc) / (double(b.X) - a.X) + a.Wartosc);
}

float ZWykresu(const std::vector<TPunktWykresu>& punkty, int32_t ilosc, float L, double x, double przesuniecie)
{
    ilosc = std::clamp<int32_t>(ilosc, 0, int32_t(punkty.size()));
    return Odczytaj(punkty, ilosc, L, x, przesuniecie, [&](double xp) {
        // The abscissae never decrease, so the point is found by bisection.
        const auto k = std::lower_bound(punkty.begin() + 1, punkty.begin() + ilosc, xp,
                                        [](const TPunktWykresu& p, double v) { return double(p.X) < v; });
        return int32_t(k - punkty.begin());
    });
}

} // namespace

TOdczytKolejny::TOdczytKolejny(const std::vector<TPunktWykresu>& punkty, int32_t ilosc, float L, double przesuniecie)
    : punkty_(punkty)
    , ilosc_(std::clamp<int32_t>(ilosc, 0, int32_t(punkty.size())))
    , L_(L)
    , przesuniecie_(przesuniecie)
{
}

float TOdczytKolejny::operator()(double x)
{
    return Odczytaj(punkty_, ilosc_, L_, x, przesuniecie_, [this](double xp) {
        // The point found for a smaller x is at or before this one's.
        if (kursor_ > 1 && !(double(punkty_[kursor_ - 1].X) < xp))
            kursor_ = 1; // x went back: search from the start
        while (kursor_ < ilosc_ && double(punkty_[kursor_].X) < xp)
            ++kursor_;
        return kursor_;
    });
}

namespace {

constexpr double PrzesuniecieM = 1e-5;
constexpr double PrzesuniecieT = 1e-10;

} // namespace

float MomentZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x)
{
    return ZWykresu(wyn.WykresM[c][s], wyn.EkstremaM[c][s].IloscPunktow, zad.Przesla[s].L, x, PrzesuniecieM);
}

float TnacaZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x)
{
    return ZWykresu(wyn.WykresT[c][s], wyn.EkstremaT[c][s].IloscPunktow, zad.Przesla[s].L, x, PrzesuniecieT);
}

TOdczytKolejny OdczytMomentow(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s)
{
    return TOdczytKolejny(wyn.WykresM[c][s], wyn.EkstremaM[c][s].IloscPunktow, zad.Przesla[s].L, PrzesuniecieM);
}

TOdczytKolejny OdczytTnacych(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s)
{
    return TOdczytKolejny(wyn.WykresT[c][s], wyn.EkstremaT[c][s].IloscPunktow, zad.Przesla[s].L, PrzesuniecieT);
}
