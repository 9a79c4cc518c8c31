#include "analysis/Uklad.h"

#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

void BudujUklad(const TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    const int32_t n = int32_t(zad.Przesla.size()) - 1;
    ZerujUklad(wyn, n);
    if (n <= 0)
        return;
    MacierzKwad& K = wyn.MacierzK;
    MacierzWektor& Q = wyn.WektorQ;
    // Unknown numbers are 1-based; rows and columns 0-based.
    for (size_t s = 0; s < zad.Przesla.size(); ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
        const double EJ_L = double(p.E) * p.J / p.L;
        for (int32_t i = 1; i <= n; ++i) {
            if (p.NiewiadomaPrawa == i) {
                if (p.TypPrzesla == 4) {
                    K[i - 1][i - 1] += 4 * EJ_L;
                    if (p.NiewiadomaLewa > 0 && p.NiewiadomaLewa <= n)
                        K[p.NiewiadomaLewa - 1][i - 1] += 2 * EJ_L;
                    Q[i - 1] -= m.MomentUtwP;
                } else if (p.TypPrzesla == 3) {
                    K[i - 1][i - 1] += 3 * EJ_L;
                    Q[i - 1] -= m.MomentUtwP;
                }
            }
            if (p.NiewiadomaLewa == i) {
                if (p.TypPrzesla == 4) {
                    K[i - 1][i - 1] += 4 * EJ_L;
                    if (p.NiewiadomaPrawa > 0 && p.NiewiadomaPrawa <= n)
                        K[p.NiewiadomaPrawa - 1][i - 1] += 2 * EJ_L;
                    Q[i - 1] -= m.MomentUtwL;
                } else if (p.TypPrzesla == 2) {
                    K[i - 1][i - 1] += 3 * EJ_L;
                    Q[i - 1] -= m.MomentUtwL;
                }
            }
        }
    }
}
