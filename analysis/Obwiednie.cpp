#include "analysis/Obwiednie.h"

#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

#include <algorithm>

namespace {

using Odczyt = TOdczytKolejny (*)(const TWyniki&, int32_t, int32_t);

// The envelope's sections of a span of length L: x = 0, the inner samples of
// the lines and x = L itself, whatever L is in single precision.
std::vector<float> Przekroje(float L)
{
    const int32_t n = IloscProbek(L);
    std::vector<float> x(size_t(n) + 2);
    x[0] = 0;
    for (int32_t i = 1; i <= n; ++i)
        x[size_t(i)] = XSiatki(i);
    x[size_t(n) + 1] = L;
    return x;
}

void Obwiednia(const TDaneZadania& zad, TWyniki& wyn, Odczyt odczyt, std::vector<std::vector<TPunktWykresu>>& maks,
               std::vector<std::vector<TPunktWykresu>>& mini, std::vector<TEkstrema>& ekstrema)
{
    const int32_t iloscKomb = std::min(zad.IloscKombinacji, wyn.IloscPoliczonych);
    if (iloscKomb < 1)
        return;
    const size_t n = zad.Przesla.size();
    maks.resize(n);
    mini.resize(n);
    ekstrema.resize(n);
    for (size_t s = 0; s < n; ++s) {
        const std::vector<float> x = Przekroje(zad.Przesla[s].L);
        const size_t K = x.size();
        maks[s].resize(K);
        mini[s].resize(K);
        // Combination by combination, each line read once from start to end;
        // every section still meets the combinations in their order. A section
        // where a line jumps counts both sides of the jump.
        for (int32_t c = 0; c < iloscKomb; ++c) {
            TOdczytKolejny wartosci = odczyt(wyn, c, int32_t(s));
            for (size_t k = 0; k < K; ++k) {
                const TWartosciPrzekroju v = wartosci(x[k]);
                if (c == 0) {
                    maks[s][k] = {x[k], v.Max};
                    mini[s][k] = {x[k], v.Min};
                } else {
                    if (maks[s][k].Wartosc < v.Max)
                        maks[s][k].Wartosc = v.Max;
                    if (mini[s][k].Wartosc > v.Min)
                        mini[s][k].Wartosc = v.Min;
                }
            }
        }
        TEkstrema e;
        for (size_t k = 0; k < K; ++k) {
            DodajDoEkstremow(e, mini[s][k]);
            DodajDoEkstremow(e, maks[s][k]);
        }
        UstalSkale(e);
        e.IloscPunktow = int32_t(K) - 1; // the index of the last point
        ekstrema[s] = e;
    }
}

} // namespace

void ObwiedniaM(const TDaneZadania& zad, TWyniki& wyn)
{
    Obwiednia(zad, wyn, OdczytMomentow, wyn.ObwiedniaMaxM, wyn.ObwiedniaMinM, wyn.EkstremaObwiedniM);
}

void ObwiedniaT(const TDaneZadania& zad, TWyniki& wyn)
{
    Obwiednia(zad, wyn, OdczytTnacych, wyn.ObwiedniaMaxT, wyn.ObwiedniaMinT, wyn.EkstremaObwiedniT);
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
        r.Max = r.Min = Reakcja(wyn, 0, k, N);
        for (int32_t c = 0; c < iloscKomb; ++c) {
            const double v = Reakcja(wyn, c, k, N);
            if (r.Min > v)
                r.Min = v;
            if (r.Max < v)
                r.Max = v;
        }
    }
    TMomentyPodporoweObwiedni& m = wyn.ObwiedniaMomentowPodporowych;
    m.MaxL = m.MinL = wyn.MomentyKoncowe[0][0].MomentL;
    m.MaxP = m.MinP = wyn.MomentyKoncowe[0][N - 1].MomentP;
    for (int32_t c = 0; c < iloscKomb; ++c) {
        const double l = wyn.MomentyKoncowe[c][0].MomentL;
        const double p = wyn.MomentyKoncowe[c][N - 1].MomentP;
        m.MinL = std::min(m.MinL, l);
        m.MaxL = std::max(m.MaxL, l);
        m.MinP = std::min(m.MinP, p);
        m.MaxP = std::max(m.MaxP, p);
    }
}
