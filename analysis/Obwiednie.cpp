#include "analysis/Obwiednie.h"

#include "analysis/Linie.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

#include <algorithm>

void ObwiedniaM(const TDaneZadania& zad, TWyniki& wyn)
{
    ProbkujWyniki(zad, wyn, std::min(zad.IloscKombinacji, wyn.IloscPoliczonych), {.ObwiedniaM = true});
}

void ObwiedniaT(const TDaneZadania& zad, TWyniki& wyn)
{
    ProbkujWyniki(zad, wyn, std::min(zad.IloscKombinacji, wyn.IloscPoliczonych), {.ObwiedniaT = true});
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
