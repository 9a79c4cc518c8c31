#include "analysis/Obwiednie.h"

#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

namespace {

using Odczyt = TOdczytKolejny (*)(const TDaneZadania&, const TWyniki&, int32_t, int32_t);
using Wykres = std::vector<std::vector<std::vector<TPunktWykresu>>> TWyniki::*;
using Ekstrema = std::vector<std::vector<TEkstrema>> TWyniki::*;

void Obwiednia(const TDaneZadania& zad, TWyniki& wyn, Odczyt odczyt, Wykres wykres, Ekstrema ekstremaLinii,
               std::vector<std::vector<TPunktWykresu>>& maks, std::vector<std::vector<TPunktWykresu>>& mini,
               std::vector<TEkstrema>& ekstrema)
{
    const int32_t iloscKomb = std::min(zad.IloscKombinacji, wyn.IloscPoliczonych);
    if (iloscKomb < 1)
        return;
    const size_t n = zad.Przesla.size();
    maks.resize(n);
    mini.resize(n);
    ekstrema.resize(n);
    for (size_t s = 0; s < n; ++s) {
        const int32_t K = IloscCentymetrow(zad.Przesla[s].L);
        maks[s].resize(size_t(K) + 1);
        mini[s].resize(size_t(K) + 1);
        // Combination by combination, each line read once from start to end;
        // every section still meets the combinations in their order.
        const float L = zad.Przesla[s].L;
        for (int32_t c = 0; c < iloscKomb; ++c) {
            TOdczytKolejny wartosc = odczyt(zad, wyn, c, int32_t(s));
            const auto dolicz = [&](int32_t k, float v) {
                if (maks[s][k].Wartosc < v)
                    maks[s][k].Wartosc = v;
                if (mini[s][k].Wartosc > v)
                    mini[s][k].Wartosc = v;
            };
            for (int32_t k = 0; k <= K; ++k) {
                const float x = float(k * 0.01);
                const float v = wartosc(x);
                if (c == 0) {
                    maks[s][k] = {x, v};
                    mini[s][k] = {x, v};
                } else {
                    dolicz(k, v);
                }
            }
            // A jump at an end of the span: the section there bounds both of its sides.
            const std::vector<TPunktWykresu>& w = (wyn.*wykres)[c][s];
            const int32_t ile = std::min<int32_t>((wyn.*ekstremaLinii)[c][s].IloscPunktow, int32_t(w.size()));
            if (ile >= 3 && w[1].X == 0)
                dolicz(0, w[1].Wartosc);
            if (ile >= 3 && w[ile - 2].X == L && maks[s][K].X >= L)
                dolicz(K, w[ile - 2].Wartosc);
        }
        TEkstrema e;
        for (int32_t k = 0; k <= K; ++k) {
            DodajDoEkstremow(e, mini[s][k]);
            DodajDoEkstremow(e, maks[s][k]);
        }
        UstalSkale(e);
        e.IloscPunktow = K; // the index of the last point
        ekstrema[s] = e;
    }
}

} // namespace

void ObwiedniaM(const TDaneZadania& zad, TWyniki& wyn)
{
    Obwiednia(zad, wyn, OdczytMomentow, &TWyniki::WykresM, &TWyniki::EkstremaM, wyn.ObwiedniaMaxM, wyn.ObwiedniaMinM, wyn.EkstremaObwiedniM);
}

void ObwiedniaT(const TDaneZadania& zad, TWyniki& wyn)
{
    Obwiednia(zad, wyn, OdczytTnacych, &TWyniki::WykresT, &TWyniki::EkstremaT, wyn.ObwiedniaMaxT, wyn.ObwiedniaMinT, wyn.EkstremaObwiedniT);
}

void LiczObwiedniaReakcji(const TDaneZadania& zad, TWyniki& wyn)
{
    const int32_t iloscKomb = std::min(zad.IloscKombinacji, wyn.IloscPoliczonych);
    const int32_t N = int32_t(zad.Przesla.size());
    if (iloscKomb < 1 || N < 1)
        return;
    wyn.ObwiedniaReakcji.resize(size_t(N) + 1);
    for (int32_t k = 0; k <= N; ++k) {
        TReakcjaObwiedni& r = wyn.ObwiedniaReakcji[k];
        // The scan starts from an actual combination, never from 0.
        r.Max = r.Min = float(Reakcja(wyn, 0, k, N));
        for (int32_t c = 0; c < iloscKomb; ++c) {
            const float v = float(Reakcja(wyn, c, k, N));
            if (r.Min > v)
                r.Min = v;
            if (r.Max < v)
                r.Max = v;
        }
    }
    TMomentyPodporoweObwiedni& m = wyn.ObwiedniaMomentowPodporowych;
    m.MaxL = m.MinL = float(wyn.MomentyKoncowe[0][0].MomentL);
    m.MaxP = m.MinP = float(wyn.MomentyKoncowe[0][N - 1].MomentP);
    for (int32_t c = 0; c < iloscKomb; ++c) {
        const float l = float(wyn.MomentyKoncowe[c][0].MomentL);
        const float p = float(wyn.MomentyKoncowe[c][N - 1].MomentP);
        m.MinL = std::min(m.MinL, l);
        m.MaxL = std::max(m.MaxL, l);
        m.MinP = std::min(m.MinP, p);
        m.MaxP = std::max(m.MaxP, p);
    }
}
