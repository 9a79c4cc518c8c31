#include "analysis/Uklad.h"

#include "model/Zadanie.h"

#include <algorithm>

MacierzKwad MacierzSztywnosci(const TDaneZadania& zad)
{
    const int32_t n = int32_t(zad.Przesla.size()) - 1;
    MacierzKwad K(size_t(std::max(n, 0)), MacierzWektor(size_t(std::max(n, 0)), 0.0));
    const auto niewiadoma = [&](int32_t i) { return i > 0 && i <= n; };
    for (const TPrzeslo& p : zad.Przesla) {
        const double EJ_L = double(p.E) * p.J / p.L;
        const int32_t l = p.NiewiadomaLewa, r = p.NiewiadomaPrawa;
        if (niewiadoma(r)) {
            if (p.TypPrzesla == 4) {
                K[r - 1][r - 1] += 4 * EJ_L;
                if (niewiadoma(l))
                    K[l - 1][r - 1] += 2 * EJ_L;
            } else if (p.TypPrzesla == 3) {
                K[r - 1][r - 1] += 3 * EJ_L;
            }
        }
        if (niewiadoma(l)) {
            if (p.TypPrzesla == 4) {
                K[l - 1][l - 1] += 4 * EJ_L;
                if (niewiadoma(r))
                    K[r - 1][l - 1] += 2 * EJ_L;
            } else if (p.TypPrzesla == 2) {
                K[l - 1][l - 1] += 3 * EJ_L;
            }
        }
    }
    return K;
}

void DodajDoWektora(const TPrzeslo& p, double momentUtwL, double momentUtwP, MacierzWektor& Q)
{
    const int32_t n = int32_t(Q.size());
    const int32_t l = p.NiewiadomaLewa, r = p.NiewiadomaPrawa;
    if (r > 0 && r <= n && (p.TypPrzesla == 4 || p.TypPrzesla == 3))
        Q[r - 1] -= momentUtwP;
    if (l > 0 && l <= n && (p.TypPrzesla == 4 || p.TypPrzesla == 2))
        Q[l - 1] -= momentUtwL;
}

void BudujUklad(const TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    const int32_t n = int32_t(zad.Przesla.size()) - 1;
    ZerujUklad(wyn, n);
    if (n <= 0)
        return;
    const MacierzKwad K = MacierzSztywnosci(zad);
    for (int32_t i = 0; i < n; ++i)
        std::copy(K[i].begin(), K[i].end(), wyn.MacierzK[i].begin());
    MacierzWektor Q(size_t(n), 0.0);
    for (size_t s = 0; s < zad.Przesla.size(); ++s) {
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
        DodajDoWektora(zad.Przesla[s], m.MomentUtwL, m.MomentUtwP, Q);
    }
    std::copy(Q.begin(), Q.end(), wyn.WektorQ.begin());
}
