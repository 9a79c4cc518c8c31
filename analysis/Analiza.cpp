#include "analysis/Analiza.h"

#include "analysis/Linie.h"
#include "analysis/Obciazenia.h"
#include "analysis/Obwiednie.h"
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
    wyn.Normowe = {};
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

double Wspolczynnik(const TDaneZadania& zad, int32_t c, int32_t g)
{
    if (c < 0 || c >= TDaneZadania::MaxKombinacji || g < 0 || g >= TDaneZadania::MaxGrup)
        return 0;
    return zad.Wspolczynniki[size_t(c)][size_t(g)];
}

// The final end moments and forces of span p from its fixed-end state and the
// rotations of its ends.
void KonceZObrotow(const TPrzeslo& p, double thL, double thP, TMomentyPrzesla& m, TSilyPrzesla& f)
{
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
        m.MomentL = m.MomentUtwL;
        m.MomentP = m.MomentUtwP;
        f.TL = -f.ReakcjaUtwL;
        f.TP = -f.ReakcjaUtwP;
        break;
    }
}

// The end moments and forces of every span from the joint rotations X.
void KonceZObrotow(const TDaneZadania& zad, const MacierzWektor& X, std::vector<TMomentyPrzesla>& m,
                   std::vector<TSilyPrzesla>& f)
{
    const auto obrot = [&](int32_t niewiadoma) {
        return niewiadoma > 0 && niewiadoma <= int32_t(X.size()) ? X[size_t(niewiadoma) - 1] : 0.0;
    };
    for (size_t s = 0; s < zad.Przesla.size(); ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        KonceZObrotow(p, obrot(p.NiewiadomaLewa), obrot(p.NiewiadomaPrawa), m[s], f[s]);
    }
}

// One unit analysis for each group and span carrying a load: gather its loads
// → fixed-end actions → rotations from the inverse of the stiffness matrix
// (none when it is singular) → end forces of every span → M(x), T(x) of the
// loads. The polynomials of a span share the boundaries of all its loads.
void StanyJednostkowe(const TDaneZadania& zad, TWyniki& wyn, const std::optional<MacierzKwad>& odwrotna,
                      std::vector<std::vector<float>>& granice)
{
    const int32_t n = zad.IloscPrzesel, rzad = n - 1;
    std::vector<TObciazeniaPrzesla> obciazenia = ObciazeniaGrup(zad);
    granice.assign(size_t(n), {});
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
        for (int32_t s = 0; s < n; ++s)
            granice[size_t(s)] = PolaczGranice(granice[size_t(s)], GraniceObciazen(obciazenia[size_t(g * n + s)]));

    wyn.Jednostkowe.clear();
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
        for (int32_t s = 0; s < n; ++s) {
            TObciazeniaPrzesla& obc = obciazenia[size_t(g * n + s)];
            if (obc.Puste())
                continue;
            const TPrzeslo& p = zad.Przesla[size_t(s)];
            TStanJednostkowy& u = wyn.Jednostkowe.emplace_back();
            u.Grupa = g;
            u.Przeslo = s;
            u.Obciazenia = std::move(obc);
            u.Momenty.assign(size_t(n), {});
            u.Sily.assign(size_t(n), {});
            const TParaKoncow m = MomentyUtwierdzenia(u.Obciazenia, p.TypPrzesla, p.L);
            const TParaKoncow r = ReakcjeUtwierdzenia(u.Obciazenia, m.L, m.P, p.L);
            u.Momenty[size_t(s)].MomentUtwL = m.L;
            u.Momenty[size_t(s)].MomentUtwP = m.P;
            u.Sily[size_t(s)].ReakcjaUtwL = r.L;
            u.Sily[size_t(s)].ReakcjaUtwP = r.P;
            u.Obroty.assign(size_t(std::max(rzad, 0)), 0.0);
            if (rzad > 0 && odwrotna) {
                MacierzWektor Q(size_t(rzad), 0.0);
                DodajDoWektora(p, m.L, m.P, Q);
                for (int32_t k = 0; k < rzad; ++k)
                    for (int32_t i = 0; i < rzad; ++i)
                        u.Obroty[size_t(i)] += (*odwrotna)[size_t(i)][size_t(k)] * Q[size_t(k)];
            }
            KonceZObrotow(zad, u.Obroty, u.Momenty, u.Sily);
            u.Wielomiany = TWielomianyPrzesla(granice[size_t(s)]);
            u.Wielomiany.DodajObciazenia(u.Obciazenia);
        }
}

// Combination c as the sum of the unit analyses of the groups whose
// coefficient is above 0, each times its coefficient.
void Kombinacja(const TDaneZadania& zad, TWyniki& wyn, int32_t c, const std::vector<std::vector<float>>& granice)
{
    const size_t n = zad.Przesla.size();
    std::vector<TMomentyPrzesla>& m = wyn.MomentyKoncowe[size_t(c)];
    std::vector<TSilyPrzesla>& f = wyn.SilyKoncowe[size_t(c)];
    MacierzWektor& obroty = wyn.Obroty[size_t(c)];
    std::vector<TWielomianyPrzesla>& w = wyn.Wielomiany[size_t(c)];
    std::fill_n(m.begin(), n, TMomentyPrzesla{});
    std::fill_n(f.begin(), n, TSilyPrzesla{});
    w.clear();
    for (size_t s = 0; s < n; ++s)
        w.emplace_back(granice[s]);
    for (const TStanJednostkowy& u : wyn.Jednostkowe) {
        const double wsp = Wspolczynnik(zad, c, u.Grupa);
        if (!(wsp > 0)) // 0 or below drops the loads; it never reverses them
            continue;
        for (size_t s = 0; s < n; ++s) {
            m[s].MomentUtwL += wsp * u.Momenty[s].MomentUtwL;
            m[s].MomentUtwP += wsp * u.Momenty[s].MomentUtwP;
            m[s].MomentL += wsp * u.Momenty[s].MomentL;
            m[s].MomentP += wsp * u.Momenty[s].MomentP;
            f[s].ReakcjaUtwL += wsp * u.Sily[s].ReakcjaUtwL;
            f[s].ReakcjaUtwP += wsp * u.Sily[s].ReakcjaUtwP;
            f[s].TL += wsp * u.Sily[s].TL;
            f[s].TP += wsp * u.Sily[s].TP;
        }
        for (size_t i = 0; i < obroty.size(); ++i)
            obroty[i] += wsp * u.Obroty[i];
        w[size_t(u.Przeslo)].Dodaj(u.Wielomiany, wsp);
    }
    for (size_t s = 0; s < n; ++s)
        w[s].DodajKonce(m[s].MomentL, f[s].TL);
}

// φ(x), w(x) and the extremes of w of combination c from its M(x).
void UgieciaKombinacji(const TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    const size_t n = zad.Przesla.size();
    std::vector<TUgieciaPrzesla>& u = wyn.Ugiecia[size_t(c)];
    std::vector<TEkstrema>& e = wyn.EkstremaW[size_t(c)];
    u.clear();
    e.clear();
    for (size_t s = 0; s < n; ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        u.emplace_back(wyn.Wielomiany[size_t(c)][s], double(p.E) * p.J, p.L);
        e.push_back(EkstremaUgiec(u.back(), p.L));
    }
}

// The largest and smallest w of each span over the combinations.
void ObwiedniaUgiec(const TDaneZadania& zad, TWyniki& wyn)
{
    wyn.EkstremaObwiedniW.assign(zad.Przesla.size(), TEkstrema{});
    for (size_t s = 0; s < zad.Przesla.size(); ++s) {
        TEkstrema& o = wyn.EkstremaObwiedniW[s];
        for (int32_t c = 0; c < wyn.IloscPoliczonych; ++c) {
            const TEkstrema& e = wyn.EkstremaW[size_t(c)][s];
            DodajDoEkstremow(o, e.XMax, e.Max);
            DodajDoEkstremow(o, e.XMin, e.Min);
        }
        UstalSkale(o);
    }
}

// The equation system of the last combination, as the matrix viewer would assemble it.
void UkladOstatniej(const TDaneZadania& zad, TWyniki& wyn, int32_t c, const std::optional<MacierzKwad>& odwrotna)
{
    const int32_t rzad = zad.IloscPrzesel - 1;
    if (rzad < 1)
        return;
    BudujUklad(zad, wyn, c);
    if (odwrotna)
        for (int32_t i = 0; i < rzad; ++i)
            std::copy_n((*odwrotna)[size_t(i)].begin(), rzad, wyn.MacierzKOdwrotna[size_t(i)].begin());
    std::copy_n(wyn.Obroty[size_t(c)].begin(), rzad, wyn.WektorX.begin());
}

bool Licz(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom, bool obwiednie)
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
    const int32_t n = zad.IloscPrzesel, K = zad.IloscKombinacji;
    // The stiffness matrix is the same for every load: inverted once.
    std::optional<MacierzKwad> odwrotna;
    if (n >= 2) {
        odwrotna = Odwrotnosc(MacierzSztywnosci(zad), n - 1);
        if (!odwrotna)
            for (int32_t c = 0; c < K; ++c)
                kom.Komunikat(KomunikatOsobliwa);
    }
    std::vector<std::vector<float>> granice;
    StanyJednostkowe(zad, wyn, odwrotna, granice);
    wyn.Obroty.assign(size_t(K), MacierzWektor(size_t(n - 1), 0.0));
    wyn.Wielomiany.resize(size_t(K));
    for (int32_t c = 0; c < K; ++c)
        Kombinacja(zad, wyn, c, granice);
    wyn.Ugiecia.assign(size_t(wyn.LiczUgiecia ? K : 0), {});
    wyn.EkstremaW.assign(size_t(wyn.LiczUgiecia ? K : 0), {});
    wyn.EkstremaObwiedniW.clear();
    if (wyn.LiczUgiecia)
        for (int32_t c = 0; c < K; ++c)
            UgieciaKombinacji(zad, wyn, c);
    if (K > 0)
        UkladOstatniej(zad, wyn, K - 1, odwrotna);
    const bool zObwiedniami = obwiednie && K > 1;
    ProbkujWyniki(zad, wyn, K, {.Linie = true, .ObwiedniaM = zObwiedniami, .ObwiedniaT = zObwiedniami});
    if (!SkonczoneWyniki(wyn, K)) {
        WyczyscWyniki(wyn);
        kom.Komunikat(
            "Wyniki obliczeń wychodzą poza zakres liczb — sprawdź E, J, długości przęseł i wartości obciążeń.");
        return false;
    }
    wyn.IloscPoliczonych = K;
    if (zObwiedniami)
        LiczObwiedniaReakcji(zad, wyn);
    if (zObwiedniami && wyn.LiczUgiecia)
        ObwiedniaUgiec(zad, wyn);
    LiczObwiednieNormowe(zad, wyn, wyn.Normowe);
    return true;
}

} // namespace

std::optional<std::string> SprawdzZadanie(const TDaneZadania& zad)
{
    return UsterkaZadania(zad, TKontrola::Obliczenia);
}

bool Analiza(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom)
{
    return Licz(zad, wyn, kom, false);
}

bool PrzeliczZadanie(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom)
{
    return Licz(zad, wyn, kom, true);
}
