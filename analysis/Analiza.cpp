#include "analysis/Analiza.h"

#include "analysis/Obciazenia.h"
#include "analysis/Obwiednie.h"
#include "analysis/Probkowanie.h"
#include "analysis/Rozwiazanie.h"
#include "analysis/Uklad.h"
#include "model/Granice.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"

#include <algorithm>
#include <cmath>

namespace {

void WyczyscWyniki(TWyniki& wyn)
{
    wyn.IloscPoliczonych = 0;
    wyn.NajwiekszyM = 0.01f;
    wyn.NajwiekszyT = 0.01f;
}

bool SkonczoneWyniki(const TWyniki& wyn, int32_t iloscKombinacji)
{
    for (int32_t c = 0; c < iloscKombinacji; ++c) {
        for (const TMomentyPrzesla& m : wyn.MomentyKoncowe[c])
            if (!std::isfinite(m.MomentL) || !std::isfinite(m.MomentP))
                return false;
        for (const TSilyPrzesla& f : wyn.SilyKoncowe[c])
            if (!std::isfinite(f.TL) || !std::isfinite(f.TP))
                return false;
    }
    return std::isfinite(wyn.NajwiekszyM) && std::isfinite(wyn.NajwiekszyT);
}

// Fixed-end moments and reactions of every span of combination c.
void StanUtwierdzenia(TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    for (int32_t s = 0; s < zad.IloscPrzesel; ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        ObciazeniaPrzesla(zad, c, s);
        const TParaKoncow m = MomentyUtwierdzenia(zad, p.TypPrzesla, p.L);
        const TParaKoncow r = ReakcjeUtwierdzenia(zad, m.L, m.P, p.L);
        wyn.MomentyKoncowe[c][s].MomentUtwL = m.L;
        wyn.MomentyKoncowe[c][s].MomentUtwP = m.P;
        wyn.SilyKoncowe[c][s].ReakcjaUtwL = r.L;
        wyn.SilyKoncowe[c][s].ReakcjaUtwP = r.P;
    }
}

// End moments and forces of a span whose ends do not rotate as unknowns: its fixed-end state.
void KonceUtwierdzenia(TMomentyPrzesla& m, TSilyPrzesla& f)
{
    m.MomentL = m.MomentUtwL;
    m.MomentP = m.MomentUtwP;
    f.TL = -f.ReakcjaUtwL;
    f.TP = -f.ReakcjaUtwP;
}

void ProbkujPrzesla(TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    for (int32_t s = 0; s < zad.IloscPrzesel; ++s) {
        const float L = zad.Przesla[s].L;
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
        const TSilyPrzesla& f = wyn.SilyKoncowe[c][s];
        ObciazeniaPrzesla(zad, c, s);

        ProbkujMomenty(zad, wyn, L, m.MomentP, m.MomentL, f.TL);
        wyn.WykresM[c][s].assign(wyn.WykresRoboczyM.begin(), wyn.WykresRoboczyM.end());
        wyn.EkstremaM[c][s] = EkstremaWykresu(wyn.WykresRoboczyM, int32_t(wyn.WykresRoboczyM.size()));
        if (wyn.NajwiekszyM < wyn.EkstremaM[c][s].Skala)
            wyn.NajwiekszyM = float(wyn.EkstremaM[c][s].Skala);

        ProbkujTnace(zad, wyn, L, f.TP, f.TL);
        wyn.WykresT[c][s].assign(wyn.WykresRoboczyT.begin(), wyn.WykresRoboczyT.end());
        wyn.EkstremaT[c][s] = EkstremaWykresu(wyn.WykresRoboczyT, int32_t(wyn.WykresRoboczyT.size()));
        if (wyn.NajwiekszyT < wyn.EkstremaT[c][s].Skala)
            wyn.NajwiekszyT = float(wyn.EkstremaT[c][s].Skala);
    }
}

} // namespace

std::optional<std::string> SprawdzZadanie(const TDaneZadania& zad)
{
    return UsterkaZadania(zad, TKontrola::Obliczenia);
}

bool Analiza(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom)
{
    PoliczKombinacje(zad);
    if (const auto blad = SprawdzZadanie(zad)) {
        WyczyscWyniki(wyn);
        kom.Komunikat(*blad);
        return false;
    }
    // The tables follow the task as it is now, whatever was added since they were last sized.
    DopasujDoIlosciPrzesel(zad, wyn);
    DopasujProbki(zad, wyn);

    wyn.NajwiekszyM = 0.01f;
    wyn.NajwiekszyT = 0.01f;
    const int32_t n = zad.IloscPrzesel;
    wyn.Obroty.assign(size_t(zad.IloscKombinacji), MacierzWektor(size_t(n - 1), 0.0));
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        StanUtwierdzenia(zad, wyn, c);
        if (n >= 2) {
            BudujUklad(zad, wyn, c);
            RozwiazUklad(wyn, n - 1, kom);
            ObliczKonce(zad, wyn, c);
            wyn.Obroty[c] = wyn.WektorX;
        } else {
            KonceUtwierdzenia(wyn.MomentyKoncowe[c][0], wyn.SilyKoncowe[c][0]);
        }
        ProbkujPrzesla(zad, wyn, c);
    }
    if (!SkonczoneWyniki(wyn, zad.IloscKombinacji)) {
        WyczyscWyniki(wyn);
        kom.Komunikat("Wyniki obliczeń wychodzą poza zakres liczb — sprawdź E, J, długości przęseł i wartości obciążeń.");
        return false;
    }
    wyn.IloscPoliczonych = zad.IloscKombinacji;
    return true;
}

void ObliczKonce(const TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    const int32_t rzad = int32_t(wyn.WektorX.size());
    const auto obrot = [&](int32_t niewiadoma) {
        return niewiadoma > 0 && niewiadoma <= rzad ? wyn.WektorX[niewiadoma - 1] : 0.0;
    };
    for (size_t s = 0; s < zad.Przesla.size(); ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
        TSilyPrzesla& f = wyn.SilyKoncowe[c][s];
        const double thL = obrot(p.NiewiadomaLewa);
        const double thP = obrot(p.NiewiadomaPrawa);
        const double k = double(p.E) * p.J / p.L;
        const double kL2 = double(p.E) * p.J / (double(p.L) * p.L);
        switch (p.TypPrzesla) {
        case 4:
            m.MomentL = 2 * k * (2 * thL + thP) + m.MomentUtwL;
            m.MomentP = 2 * k * (2 * thP + thL) + m.MomentUtwP;
            f.TL = 6 * kL2 * (thL + thP) - f.ReakcjaUtwL;
            f.TP = -6 * kL2 * (thL + thP) - f.ReakcjaUtwP;
            break;
        case 2:
            m.MomentL = 3 * k * thL + m.MomentUtwL;
            m.MomentP = 0;
            f.TL = 3 * kL2 * thL - f.ReakcjaUtwL;
            f.TP = -3 * kL2 * thL - f.ReakcjaUtwP;
            break;
        case 3:
            m.MomentL = 0;
            m.MomentP = 3 * k * thP + m.MomentUtwP;
            f.TL = 3 * kL2 * thP - f.ReakcjaUtwL;
            f.TP = -3 * kL2 * thP - f.ReakcjaUtwP;
            break;
        default: // both ends hinged: a span between two hinges carries its loads alone
            KonceUtwierdzenia(m, f);
            break;
        }
    }
}

bool PrzeliczZadanie(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom)
{
    if (!Analiza(zad, wyn, kom))
        return false;
    if (zad.IloscKombinacji > 1) {
        ObwiedniaM(zad, wyn);
        ObwiedniaT(zad, wyn);
        LiczObwiedniaReakcji(zad, wyn);
    }
    return true;
}
