#include "analysis/UkladKombinacji.h"

#include "analysis/Rozwiazanie.h"
#include "analysis/Uklad.h"
#include "model/Zadanie.h"

TUkladKombinacji UkladKombinacji(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, IKomunikaty& kom)
{
    const size_t N = zad.Przesla.size();
    const int32_t n = int32_t(N) - 1;
    // BudujUklad reads only the fixed-end moments of its combination, so the
    // scratch results hold that one row and nothing else.
    TWyniki uklad;
    UstawRozmiarUkladu(uklad, n);
    uklad.MomentyKoncowe.assign(1, std::vector<TMomentyPrzesla>(N));
    const bool policzona = c >= 0 && c < wyn.IloscPoliczonych && size_t(c) < wyn.MomentyKoncowe.size() &&
                           wyn.MomentyKoncowe[size_t(c)].size() >= N && SaObciazenia(zad) && !zad.DoPrzeliczenia;
    if (policzona)
        for (size_t s = 0; s < N; ++s) {
            uklad.MomentyKoncowe[0][s].MomentUtwL = wyn.MomentyKoncowe[size_t(c)][s].MomentUtwL;
            uklad.MomentyKoncowe[0][s].MomentUtwP = wyn.MomentyKoncowe[size_t(c)][s].MomentUtwP;
        }
    TUkladKombinacji u;
    if (n >= 1) {
        BudujUklad(zad, uklad, 0);
        u.Rozwiazany = RozwiazUklad(uklad, n, kom);
    }
    u.K = std::move(uklad.MacierzK);
    u.KOdwrotna = std::move(uklad.MacierzKOdwrotna);
    u.Q = std::move(uklad.WektorQ);
    u.X = std::move(uklad.WektorX);
    return u;
}
