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

TOdczytKolejny::TOdczytKolejny(const std::vector<TPunktWykresu>& punkty, int32_t ilosc)
    : punkty_(punkty)
    , ilosc_(std::clamp<int32_t>(ilosc, 0, int32_t(punkty.size())))
{
}

TWartosciPrzekroju TOdczytKolejny::operator()(float x)
{
    if (ilosc_ <= 0)
        return {};
    if (kursor_ > 0 && !(punkty_[size_t(kursor_) - 1].X < x))
        kursor_ = 0; // x went back: search from the start
    while (kursor_ < ilosc_ && punkty_[size_t(kursor_)].X < x)
        ++kursor_;
    if (kursor_ < ilosc_ && punkty_[size_t(kursor_)].X == x) {
        TWartosciPrzekroju w{punkty_[size_t(kursor_)].Wartosc, punkty_[size_t(kursor_)].Wartosc};
        for (int32_t k = kursor_ + 1; k < ilosc_ && punkty_[size_t(k)].X == x; ++k) {
            const double v = punkty_[size_t(k)].Wartosc;
            w.Min = std::min(w.Min, v);
            w.Max = std::max(w.Max, v);
        }
        return w;
    }
    double v;
    if (kursor_ == 0)
        v = punkty_[0].Wartosc;
    else if (kursor_ == ilosc_)
        v = punkty_[size_t(ilosc_) - 1].Wartosc;
    else
        v = Miedzy(punkty_[size_t(kursor_) - 1], punkty_[size_t(kursor_)], x);
    return {v, v};
}

double MomentZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x)
{
    return ZWykresu(wyn.WykresM[c][s], wyn.EkstremaM[c][s].IloscPunktow, zad.Przesla[s].L, x);
}

double TnacaZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x)
{
    return ZWykresu(wyn.WykresT[c][s], wyn.EkstremaT[c][s].IloscPunktow, zad.Przesla[s].L, x);
}

TOdczytKolejny OdczytMomentow(const TWyniki& wyn, int32_t c, int32_t s)
{
    return TOdczytKolejny(wyn.WykresM[c][s], wyn.EkstremaM[c][s].IloscPunktow);
}

TOdczytKolejny OdczytTnacych(const TWyniki& wyn, int32_t c, int32_t s)
{
    return TOdczytKolejny(wyn.WykresT[c][s], wyn.EkstremaT[c][s].IloscPunktow);
}
