#include "analysis/Wyniki.h"

#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

void ZerujUklad(TWyniki& wyn, int32_t n)
{
    if (n <= 0)
        return;
    // A system smaller than asked for is grown rather than overrun.
    if (int32_t(wyn.WektorX.size()) < n || int32_t(wyn.MacierzK.size()) < n) {
        UstawRozmiarUkladu(wyn, n);
        return;
    }
    for (int32_t i = 0; i < n; ++i) {
        wyn.WektorX[i] = 0;
        wyn.WektorQ[i] = 0;
        std::fill_n(wyn.MacierzK[i].begin(), n, 0.0);
        std::fill_n(wyn.MacierzKOdwrotna[i].begin(), n, 0.0);
    }
}

void UstawRozmiarUkladu(TWyniki& wyn, int32_t n)
{
    n = std::max(n, 0);
    wyn.MacierzK.assign(n, MacierzWektor(n, 0.0));
    wyn.MacierzKOdwrotna.assign(n, MacierzWektor(n, 0.0));
    wyn.WektorQ.assign(n, 0.0);
    wyn.WektorX.assign(n, 0.0);
}

void DopasujWyniki(const TDaneZadania& zad, TWyniki& wyn)
{
    const size_t n = zad.Przesla.size();
    wyn.MomentyKoncowe.resize(TDaneZadania::MaxKombinacji);
    wyn.SilyKoncowe.resize(TDaneZadania::MaxKombinacji);
    for (auto& wiersz : wyn.MomentyKoncowe)
        wiersz.resize(n);
    for (auto& wiersz : wyn.SilyKoncowe)
        wiersz.resize(n);
}

void DopasujProbki(const TDaneZadania& zad, TWyniki& wyn)
{
    // The polylines themselves are sized by what the sampling produces, so a
    // load added after this sizing can never write past their end.
    const size_t s = zad.Przesla.size();
    const auto dwaWymiary = [&](auto& tablica) {
        tablica.resize(TDaneZadania::MaxKombinacji);
        for (auto& wiersz : tablica)
            wiersz.resize(s);
    };
    dwaWymiary(wyn.WykresM);
    dwaWymiary(wyn.WykresT);
    dwaWymiary(wyn.EkstremaM);
    dwaWymiary(wyn.EkstremaT);
    wyn.ObwiedniaMaxM.resize(s);
    wyn.ObwiedniaMinM.resize(s);
    wyn.ObwiedniaMaxT.resize(s);
    wyn.ObwiedniaMinT.resize(s);
    wyn.EkstremaObwiedniM.resize(s);
    wyn.EkstremaObwiedniT.resize(s);
}

void DopasujDoIlosciPrzesel(const TDaneZadania& zad, TWyniki& wyn)
{
    const int32_t n = int32_t(zad.Przesla.size());
    wyn.ObwiedniaReakcji.resize(size_t(n) + 1);
    if (n > 1)
        UstawRozmiarUkladu(wyn, n - 1);
    DopasujWyniki(zad, wyn);
}

double Reakcja(const TWyniki& wyn, int32_t c, int32_t k, int32_t iloscPrzesel)
{
    const auto& sily = wyn.SilyKoncowe[c];
    if (k == 0)
        return -sily[0].TL;
    if (k == iloscPrzesel)
        return -sily[iloscPrzesel - 1].TP;
    return -sily[k].TL - sily[k - 1].TP;
}

void DodajDoEkstremow(TEkstrema& e, const TPunktWykresu& p)
{
    DodajDoEkstremow(e, p.X, p.Wartosc);
}

void DodajDoEkstremow(TEkstrema& e, double x, double v)
{
    if (e.Max < v) {
        e.Max = v;
        e.XMax = x;
        e.JestMax = 1;
    }
    if (e.Min > v) {
        e.Min = v;
        e.XMin = x;
        e.JestMin = 1;
    }
}

void UstalSkale(TEkstrema& e)
{
    e.Skala = std::fabs(e.Min) > e.Max ? std::fabs(e.Min) : e.Max;
    if (std::fabs(e.Skala) < 1e-7)
        e.Skala = 1.0;
}

