#include "analysis/ObwiednieNormowe.h"

#include "analysis/Probkowanie.h"
#include "analysis/Wyniki.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t G = TDaneZadania::MaxGrup;
constexpr double GammaGSup = 1.35, GammaGInf = 1.0, Ksi = 0.85, GammaQ = 1.5;
constexpr int32_t IloscWyrazen = 5;

bool Bit(uint32_t maska, int32_t i)
{
    return (maska >> i) & 1u;
}

// The classified groups in use and the factors of every expression, so that
// a section's value is a sum of products: a variable group enters each
// expression with its factor as an accompanying action (Baza) and, when it
// leads, with Baza + Premia.
struct TGrupy {
    uint16_t Stale = 0, Zmienne = 0, PoPrzeslach = 0;
    // Per case the variable groups left out: a roof's imposed load (H) never
    // acts together with snow or wind, so with both there are two cases.
    std::vector<uint16_t> Wykluczone{0};
    std::array<std::array<double, G>, IloscWyrazen> Baza{}, Premia{};
    std::vector<int32_t> Pominiete;
};

bool ZWiodaca(TWyrazenie w)
{
    return w == TWyrazenie::W610b || w == TWyrazenie::W614b || w == TWyrazenie::W615b;
}

// γG of a permanent group, by whether it is unfavourable.
double WspolczynnikStalych(TWyrazenie w, bool niekorzystne)
{
    if (!niekorzystne)
        return w == TWyrazenie::W610a || w == TWyrazenie::W610b ? GammaGInf : 1.0;
    switch (w) {
    case TWyrazenie::W610a:
        return GammaGSup;
    case TWyrazenie::W610b:
        return Ksi * GammaGSup;
    default:
        return 1.0;
    }
}

// The factor of a variable group with ψ factors psi in expression w, leading or not.
double WspolczynnikZmiennych(const TWspolczynnikiPsi& psi, TWyrazenie w, bool wiodaca)
{
    switch (w) {
    case TWyrazenie::W610a:
        return GammaQ * psi.Psi0;
    case TWyrazenie::W610b:
        return GammaQ * (wiodaca ? 1.0 : psi.Psi0);
    case TWyrazenie::W614b:
        return wiodaca ? 1.0 : psi.Psi0;
    case TWyrazenie::W615b:
        return wiodaca ? psi.Psi1 : psi.Psi2;
    case TWyrazenie::W616b:
        return psi.Psi2;
    }
    return 0;
}

TGrupy Klasyfikuj(const TDaneZadania& zad)
{
    TGrupy gr;
    uint16_t dach = 0, snieg = 0;
    for (int32_t g = 0; g < G; ++g) {
        if (!zad.Grupy[size_t(g)].Uzyta)
            continue;
        const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(g)];
        const auto bit = uint16_t(1u << g);
        if (k.Rodzaj == TRodzajGrupy::Stale) {
            gr.Stale |= bit;
        } else if (k.Rodzaj == TRodzajGrupy::Zmienne) {
            gr.Zmienne |= bit;
            if (k.PoPrzeslach)
                gr.PoPrzeslach |= bit;
            if (k.Kategoria == TKategoriaZmiennych::H)
                dach |= bit;
            if (k.Kategoria == TKategoriaZmiennych::Snieg || k.Kategoria == TKategoriaZmiennych::Wiatr)
                snieg |= bit;
            const TWspolczynnikiPsi psi = WspolczynnikiPsi(k.Kategoria);
            for (int32_t w = 0; w < IloscWyrazen; ++w) {
                const double baza = WspolczynnikZmiennych(psi, TWyrazenie(w), false);
                gr.Baza[size_t(w)][size_t(g)] = baza;
                gr.Premia[size_t(w)][size_t(g)] = WspolczynnikZmiennych(psi, TWyrazenie(w), true) - baza;
            }
        } else {
            gr.Pominiete.push_back(g);
        }
    }
    if (dach && snieg)
        gr.Wykluczone = {dach, snieg};
    return gr;
}

// The expressions of a state.
std::vector<TWyrazenie> Wyrazenia(TStanNormowy stan)
{
    switch (stan) {
    case TStanNormowy::SGN:
        return {TWyrazenie::W610a, TWyrazenie::W610b};
    case TStanNormowy::SGUCharakterystyczna:
        return {TWyrazenie::W614b};
    case TStanNormowy::SGUCzesta:
        return {TWyrazenie::W615b};
    case TStanNormowy::SGUQuasi:
        return {TWyrazenie::W616b};
    }
    return {};
}

// One group's contributions at a section: of its loaded spans the sum of the
// positive ones, of the negative ones, and of all.
struct TSuma {
    double P = 0, N = 0, S = 0;
};
using TSumy = std::array<TSuma, G>;

// The worst combination of one value in one direction (znak +1: the
// largest, −1: the smallest).
struct TNajgorsza {
    double Wartosc = 0;
    TWyrazenie Wyrazenie = TWyrazenie::W610b;
    int32_t Wiodaca = -1;
    int32_t Przypadek = 0;
};

class TKombinator {
public:
    explicit TKombinator(const TGrupy& gr) : gr_(gr)
    {
        for (int32_t s = 0; s < IloscStanowNormowych; ++s)
            wyrazenia_[size_t(s)] = Wyrazenia(TStanNormowy(s));
    }

    const TGrupy& Grupy() const { return gr_; }

    TNajgorsza Najgorsza(TStanNormowy stan, double znak, const TSumy& s) const
    {
        // The unfavourable part of each variable group, the permanent groups by the sign of their whole.
        std::array<double, G> u{};
        for (int32_t g = 0; g < G; ++g) {
            if (!Bit(gr_.Zmienne, g))
                continue;
            const TSuma& x = s[size_t(g)];
            u[size_t(g)] = Bit(gr_.PoPrzeslach, g) ? (znak > 0 ? x.P : x.N) : (znak * x.S > 0 ? x.S : 0);
        }
        TNajgorsza n;
        bool jest = false;
        for (size_t p = 0; p < gr_.Wykluczone.size(); ++p) {
            const uint16_t zmienne = gr_.Zmienne & uint16_t(~gr_.Wykluczone[p]);
            for (const TWyrazenie w : wyrazenia_[size_t(stan)]) {
                const auto& baza = gr_.Baza[size_t(w)];
                const auto& premia = gr_.Premia[size_t(w)];
                double v = 0;
                for (int32_t g = 0; g < G; ++g) {
                    if (Bit(gr_.Stale, g)) {
                        const double S = s[size_t(g)].S;
                        v += WspolczynnikStalych(w, znak * S > 0) * S;
                    } else if (Bit(zmienne, g)) {
                        v += baza[size_t(g)] * u[size_t(g)];
                    }
                }
                int32_t wiodaca = -1;
                if (ZWiodaca(w) && zmienne) {
                    double najlepsza = 0;
                    for (int32_t g = 0; g < G; ++g) {
                        if (!Bit(zmienne, g))
                            continue;
                        const double d = premia[size_t(g)] * u[size_t(g)];
                        if (wiodaca < 0 || znak * d > znak * najlepsza) {
                            najlepsza = d;
                            wiodaca = g;
                        }
                    }
                    v += najlepsza;
                }
                if (!jest || znak * v > znak * n.Wartosc) {
                    n = {v, w, wiodaca, int32_t(p)};
                    jest = true;
                }
            }
        }
        return n;
    }

    // What produced n: the spans where each patterned group is unfavourable,
    // the whole groups that are, the permanent groups at γG,sup. Groups whose
    // factor is 0 there are left out: they change nothing.
    TPrzyczyna Przyczyna(const TNajgorsza& n, double znak, const TSumy& s, const double* wklady,
                         const std::vector<int32_t>& grupy, const std::vector<int32_t>& przesla) const
    {
        TPrzyczyna p;
        p.Wyrazenie = n.Wyrazenie;
        p.Wiodaca = n.Wiodaca;
        const uint16_t zmienne = gr_.Zmienne & uint16_t(~gr_.Wykluczone[size_t(n.Przypadek)]);
        const auto wsp = [&](int32_t g) {
            return gr_.Baza[size_t(n.Wyrazenie)][size_t(g)] +
                   (g == n.Wiodaca ? gr_.Premia[size_t(n.Wyrazenie)][size_t(g)] : 0.0);
        };
        for (int32_t g = 0; g < G; ++g) {
            if (Bit(gr_.Stale, g) && znak * s[size_t(g)].S > 0)
                p.StaleGorne |= uint16_t(1u << g);
            if (Bit(zmienne, g) && !Bit(gr_.PoPrzeslach, g) && wsp(g) > 0 && znak * s[size_t(g)].S > 0)
                p.Calosc |= uint16_t(1u << g);
        }
        for (size_t k = 0; k < grupy.size(); ++k) {
            const int32_t g = grupy[k];
            if (Bit(zmienne, g) && Bit(gr_.PoPrzeslach, g) && wsp(g) > 0 && znak * wklady[k] > 0)
                p.Przesla[size_t(g)] |= uint16_t(1u << przesla[k]);
        }
        return p;
    }

private:
    const TGrupy& gr_;
    std::array<std::vector<TWyrazenie>, IloscStanowNormowych> wyrazenia_;
};

TPrzyczyna DomyslnaPrzyczyna(TStanNormowy stan)
{
    TPrzyczyna p;
    p.Wyrazenie = Wyrazenia(stan).back();
    return p;
}

// The unit states of the classified groups as they act on one span: each
// one's M, T and w there on the span's segments, its own loads' lines
// included when it loads that span, otherwise the line of its end values.
class TPrzesloJednostkowe {
public:
    TPrzesloJednostkowe(const TDaneZadania& zad, const TWyniki& wyn, const TGrupy& gr, int32_t p, bool zUgieciami)
    {
        const TPrzeslo& przeslo = zad.Przesla[size_t(p)];
        L_ = przeslo.L;
        for (const TStanJednostkowy& u : wyn.Jednostkowe)
            if (u.Przeslo == p)
                granice_ = u.Wielomiany.Granice();
        std::vector<TWielomianyPrzesla> wielomiany;
        std::vector<TUgieciaPrzesla> ugiecia;
        for (const TStanJednostkowy& u : wyn.Jednostkowe) {
            if (!Bit(gr.Stale | gr.Zmienne, u.Grupa))
                continue;
            Grupy.push_back(u.Grupa);
            Przesla.push_back(u.Przeslo);
            TWielomianyPrzesla& w = wielomiany.emplace_back(u.Przeslo == p ? u.Wielomiany : TWielomianyPrzesla(granice_));
            w.DodajKonce(u.Momenty[size_t(p)].MomentL, u.Sily[size_t(p)].TL);
            if (zUgieciami)
                ugiecia.emplace_back(w, double(przeslo.E) * przeslo.J, przeslo.L);
        }
        const size_t U = Grupy.size(), J = granice_.size() + 1;
        const TWielomianyPrzesla wzor(granice_);
        poczatki_.resize(J);
        M_.resize(J * U);
        T_.resize(J * U);
        ugiecia_ = zUgieciami;
        if (zUgieciami)
            W_.resize(J * U);
        for (size_t j = 0; j < J; ++j) {
            poczatki_[j] = wzor.Odcinki()[j].Poczatek;
            for (size_t u = 0; u < U; ++u) {
                M_[j * U + u] = wielomiany[u].Odcinki()[j].M;
                T_[j * U + u] = wielomiany[u].Odcinki()[j].T;
                if (zUgieciami)
                    W_[j * U + u] = ugiecia[u].Odcinki()[j].W;
            }
        }
    }

    std::vector<int32_t> Grupy, Przesla; // [unit]
    float L() const { return L_; }
    const std::vector<float>& Granice() const { return granice_; }
    bool ZUgieciami() const { return ugiecia_; }

    enum TWielkosc { M, T, W };

    // The values of every unit on segment j at x.
    void Wklady(TWielkosc co, size_t j, double x, double* v) const
    {
        const size_t U = Grupy.size();
        const double t = x - poczatki_[j];
        switch (co) {
        case M:
            for (size_t u = 0; u < U; ++u)
                v[u] = M_[j * U + u](t);
            break;
        case T:
            for (size_t u = 0; u < U; ++u)
                v[u] = T_[j * U + u](t);
            break;
        case W:
            for (size_t u = 0; u < U; ++u)
                v[u] = W_[j * U + u](t);
            break;
        }
    }

    void Sumy(const double* v, TSumy& s) const
    {
        s = {};
        for (size_t u = 0; u < Grupy.size(); ++u) {
            TSuma& x = s[size_t(Grupy[u])];
            x.S += v[u];
            x.P += v[u] > 0 ? v[u] : 0;
            x.N += v[u] < 0 ? v[u] : 0;
        }
    }

private:
    float L_ = 0;
    bool ugiecia_ = false;
    std::vector<float> granice_;
    std::vector<double> poczatki_;
    std::vector<TWielomian<3>> M_;
    std::vector<TWielomian<2>> T_;
    std::vector<TWielomian<5>> W_;
};

// The sides a value is read on at section x: the segments of its left and
// right side (equal where nothing jumps).
struct TStrony {
    size_t Lewa = 0, Prawa = 0;
    bool Skok() const { return Lewa != Prawa; }
};

TStrony Strony(const std::vector<float>& granice, double x)
{
    const auto j = size_t(std::upper_bound(granice.begin(), granice.end(), x,
                                           [](double v, float b) { return v < double(b); }) -
                          granice.begin());
    if (j > 0 && double(granice[j - 1]) == x)
        return {j - 1, j};
    return {j, j};
}

// The extremes and lines of one value along one span in one state.
struct TObwiedniaWartosci {
    TEkstremumNormowe* Max = nullptr;
    TEkstremumNormowe* Min = nullptr;
    std::vector<TPunktWykresu>* LiniaMax = nullptr;
    std::vector<TPunktWykresu>* LiniaMin = nullptr;
};

class TLiczenie {
public:
    TLiczenie(const TKombinator& k, const TPrzesloJednostkowe& p) : k_(k), p_(p), v_(p.Grupy.size()) {}

    // The value `co` at x on its side of segment j into the extremes of
    // every state; returns each state's max and min for the lines.
    void Strona(TPrzesloJednostkowe::TWielkosc co, size_t j, double x, std::array<double, IloscStanowNormowych>& maks,
                std::array<double, IloscStanowNormowych>& mini, std::array<TObwiedniaWartosci, IloscStanowNormowych>& o,
                int32_t odStanu)
    {
        p_.Wklady(co, j, x, v_.data());
        p_.Sumy(v_.data(), sumy_);
        for (int32_t s = odStanu; s < IloscStanowNormowych; ++s) {
            for (const double znak : {1.0, -1.0}) {
                const TNajgorsza n = k_.Najgorsza(TStanNormowy(s), znak, sumy_);
                TEkstremumNormowe& e = znak > 0 ? *o[size_t(s)].Max : *o[size_t(s)].Min;
                if (znak * n.Wartosc > znak * e.Wartosc) {
                    e.Wartosc = n.Wartosc;
                    e.X = x;
                    e.Przyczyna = k_.Przyczyna(n, znak, sumy_, v_.data(), p_.Grupy, p_.Przesla);
                }
                double& linia = znak > 0 ? maks[size_t(s)] : mini[size_t(s)];
                linia = znak > 0 ? std::max(linia, n.Wartosc) : std::min(linia, n.Wartosc);
            }
        }
    }

private:
    const TKombinator& k_;
    const TPrzesloJednostkowe& p_;
    std::vector<double> v_;
    TSumy sumy_{};
};

// The sections of one span: the envelope's grid (index k for the lines)
// and the boundaries of the loads inside [0, L] (k = −1), ascending.
struct TPrzekroj {
    double X = 0;
    int32_t K = -1;
};

std::vector<TPrzekroj> Przekroje(const std::vector<float>& siatka, const std::vector<float>& granice, float L)
{
    std::vector<TPrzekroj> x;
    x.reserve(siatka.size() + granice.size());
    size_t j = 0;
    for (size_t k = 0; k < siatka.size(); ++k) {
        for (; j < granice.size() && granice[j] <= siatka[k]; ++j)
            if (granice[j] < siatka[k] && granice[j] >= 0 && granice[j] <= L)
                x.push_back({granice[j], -1});
        x.push_back({siatka[k], int32_t(k)});
    }
    return x;
}

void LiczPrzeslo(const TKombinator& k, const TPrzesloJednostkowe& p, bool wykresy, int32_t s,
                 std::array<TObwiedniaNormowa, IloscStanowNormowych>& stany)
{
    const float L = p.L();
    const std::vector<float> siatka = PrzekrojeObwiedni(L);
    const std::vector<TPrzekroj> przekroje = Przekroje(siatka, p.Granice(), L);
    TLiczenie liczenie(k, p);
    using W = TPrzesloJednostkowe::TWielkosc;
    const bool ugiecia = p.ZUgieciami();
    for (const W co : {W::M, W::T, W::W}) {
        if (co == W::W && !ugiecia)
            continue;
        // SGN has no deflections.
        const int32_t odStanu = co == W::W ? 1 : 0;
        std::array<TObwiedniaWartosci, IloscStanowNormowych> o;
        for (int32_t st = 0; st < IloscStanowNormowych; ++st) {
            TPrzesloNormowe& pn = stany[size_t(st)].Przesla[size_t(s)];
            o[size_t(st)] = co == W::M   ? TObwiedniaWartosci{&pn.Mmax, &pn.Mmin, &pn.MaxM, &pn.MinM}
                            : co == W::T ? TObwiedniaWartosci{&pn.Tmax, &pn.Tmin, &pn.MaxT, &pn.MinT}
                                         : TObwiedniaWartosci{&pn.Wmax, &pn.Wmin, &pn.MaxW, &pn.MinW};
            o[size_t(st)].Max->Przyczyna = o[size_t(st)].Min->Przyczyna = DomyslnaPrzyczyna(TStanNormowy(st));
            if (wykresy && st >= odStanu) {
                o[size_t(st)].LiniaMax->resize(siatka.size());
                o[size_t(st)].LiniaMin->resize(siatka.size());
            }
        }
        for (const TPrzekroj& x : przekroje) {
            std::array<double, IloscStanowNormowych> maks, mini;
            maks.fill(-INFINITY);
            mini.fill(INFINITY);
            TStrony st = Strony(p.Granice(), x.X);
            // The shear of a force standing on a support is the support's.
            if (co == W::T && x.X == 0)
                st.Lewa = st.Prawa;
            if (co == W::T && x.X == double(L))
                st.Prawa = st.Lewa;
            if (co == W::W)
                st.Lewa = st.Prawa;
            if (st.Skok())
                liczenie.Strona(co, st.Lewa, x.X, maks, mini, o, odStanu);
            liczenie.Strona(co, st.Prawa, x.X, maks, mini, o, odStanu);
            if (wykresy && x.K >= 0)
                for (int32_t i = odStanu; i < IloscStanowNormowych; ++i) {
                    (*o[size_t(i)].LiniaMax)[size_t(x.K)] = {siatka[size_t(x.K)], maks[size_t(i)]};
                    (*o[size_t(i)].LiniaMin)[size_t(x.K)] = {siatka[size_t(x.K)], mini[size_t(i)]};
                }
        }
    }
}

// Support k's reactions: each unit's from its end forces, as Reakcja() takes them.
void LiczReakcje(const TDaneZadania& zad, const TWyniki& wyn, const TKombinator& k,
                 std::array<TObwiedniaNormowa, IloscStanowNormowych>& stany)
{
    const int32_t n = int32_t(zad.Przesla.size());
    const TGrupy& gr = k.Grupy();
    std::vector<int32_t> grupy, przesla;
    std::vector<const TStanJednostkowy*> jednostkowe;
    for (const TStanJednostkowy& u : wyn.Jednostkowe)
        if (Bit(gr.Stale | gr.Zmienne, u.Grupa)) {
            jednostkowe.push_back(&u);
            grupy.push_back(u.Grupa);
            przesla.push_back(u.Przeslo);
        }
    std::vector<double> v(jednostkowe.size());
    for (int32_t podpora = 0; podpora <= n; ++podpora) {
        TSumy sumy{};
        for (size_t i = 0; i < jednostkowe.size(); ++i) {
            const auto& f = jednostkowe[i]->Sily;
            v[i] = podpora == 0 ? -f[0].TL : podpora == n ? -f[size_t(n) - 1].TP : -f[size_t(podpora)].TL - f[size_t(podpora) - 1].TP;
            TSuma& x = sumy[size_t(grupy[i])];
            x.S += v[i];
            x.P += v[i] > 0 ? v[i] : 0;
            x.N += v[i] < 0 ? v[i] : 0;
        }
        for (int32_t st = 0; st < IloscStanowNormowych; ++st) {
            TReakcjaNormowa& r = stany[size_t(st)].Reakcje[size_t(podpora)];
            r.Max.Przyczyna = r.Min.Przyczyna = DomyslnaPrzyczyna(TStanNormowy(st));
            for (const double znak : {1.0, -1.0}) {
                const TNajgorsza najg = k.Najgorsza(TStanNormowy(st), znak, sumy);
                TEkstremumNormowe& e = znak > 0 ? r.Max : r.Min;
                if (znak * najg.Wartosc > znak * e.Wartosc) {
                    e.Wartosc = najg.Wartosc;
                    e.Przyczyna = k.Przyczyna(najg, znak, sumy, v.data(), grupy, przesla);
                }
            }
        }
    }
}

// "przęsło 2", "przęsła 1, 3".
std::string OpisPrzesel(uint16_t maska)
{
    std::string t;
    int32_t ile = 0;
    for (int32_t s = 0; s < 16; ++s)
        if (Bit(maska, s)) {
            t += (ile ? ", " : "") + std::to_string(s + 1);
            ++ile;
        }
    return (ile == 1 ? "przęsło " : "przęsła ") + t;
}

} // namespace

const char* NazwaWyrazenia(TWyrazenie w)
{
    switch (w) {
    case TWyrazenie::W610a:
        return "6.10a";
    case TWyrazenie::W610b:
        return "6.10b";
    case TWyrazenie::W614b:
        return "6.14b";
    case TWyrazenie::W615b:
        return "6.15b";
    case TWyrazenie::W616b:
        return "6.16b";
    }
    return "";
}

void LiczObwiednieNormowe(const TDaneZadania& zad, const TWyniki& wyn, TObwiednieNormowe& wynik)
{
    wynik = TObwiednieNormowe{};
    if (!SaGrupySklasyfikowane(zad) || zad.IloscPrzesel < 1)
        return;
    const TGrupy gr = Klasyfikuj(zad);
    const TKombinator k(gr);
    wynik.Sa = true;
    wynik.Pominiete = gr.Pominiete;
    const int32_t n = int32_t(zad.Przesla.size());
    for (TObwiedniaNormowa& o : wynik.Stany) {
        o.Przesla.resize(size_t(n));
        o.Reakcje.resize(size_t(n) + 1);
    }
    for (int32_t s = 0; s < n; ++s) {
        const TPrzesloJednostkowe p(zad, wyn, gr, s, wyn.LiczUgiecia);
        LiczPrzeslo(k, p, wyn.ZapisujWykresy, s, wynik.Stany);
    }
    LiczReakcje(zad, wyn, k, wynik.Stany);
}

TPrzekrojNormowy PrzekrojNormowy(const TDaneZadania& zad, const TWyniki& wyn, TStanNormowy stan, int32_t s, double x)
{
    TPrzekrojNormowy w;
    if (!SaGrupySklasyfikowane(zad) || s < 0 || s >= int32_t(zad.Przesla.size()))
        return w;
    const TGrupy gr = Klasyfikuj(zad);
    const TKombinator k(gr);
    const TPrzesloJednostkowe p(zad, wyn, gr, s, wyn.LiczUgiecia && stan != TStanNormowy::SGN);
    std::vector<double> v(p.Grupy.size());
    TSumy sumy{};
    using W = TPrzesloJednostkowe::TWielkosc;
    const auto wartosc = [&](W co, size_t j, TEkstremumNormowe& maks, TEkstremumNormowe& mini) {
        p.Wklady(co, j, x, v.data());
        p.Sumy(v.data(), sumy);
        for (const double znak : {1.0, -1.0}) {
            const TNajgorsza n = k.Najgorsza(stan, znak, sumy);
            TEkstremumNormowe& e = znak > 0 ? maks : mini;
            e = {n.Wartosc, x, k.Przyczyna(n, znak, sumy, v.data(), p.Grupy, p.Przesla)};
        }
    };
    const TStrony st = Strony(p.Granice(), x);
    wartosc(W::M, st.Lewa, w.MmaxL, w.MminL);
    wartosc(W::M, st.Prawa, w.MmaxP, w.MminP);
    // The shear just inside the span at its ends.
    const bool poczatek = x <= 0, koniec = x >= double(p.L());
    wartosc(W::T, koniec ? st.Lewa : st.Prawa, w.TmaxP, w.TminP);
    if (poczatek || koniec || !st.Skok()) {
        w.TmaxL = w.TmaxP;
        w.TminL = w.TminP;
    } else {
        wartosc(W::T, st.Lewa, w.TmaxL, w.TminL);
    }
    if (wyn.LiczUgiecia && stan != TStanNormowy::SGN)
        wartosc(W::W, st.Prawa, w.Wmax, w.Wmin);
    return w;
}

std::string OpisPrzyczyny(const TDaneZadania& zad, const TPrzyczyna& p)
{
    const auto nazwa = [&](int32_t g) { return Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa); };
    std::string t = NazwaWyrazenia(p.Wyrazenie);
    if (p.Wiodaca >= 0 && p.Wiodaca < G) {
        t += ", wiodące: " + nazwa(p.Wiodaca);
        if (p.Przesla[size_t(p.Wiodaca)])
            t += ", " + OpisPrzesel(p.Przesla[size_t(p.Wiodaca)]);
    }
    for (int32_t g = 0; g < G; ++g)
        if (g != p.Wiodaca && p.Przesla[size_t(g)])
            t += "; " + nazwa(g) + ": " + OpisPrzesel(p.Przesla[size_t(g)]);
    std::string calosc;
    for (int32_t g = 0; g < G; ++g)
        if (g != p.Wiodaca && Bit(p.Calosc, g))
            calosc += (calosc.empty() ? "" : ", ") + nazwa(g);
    if (!calosc.empty())
        t += "; w całości: " + calosc;
    // γG,sup is the rule; a permanent group taken at γG,inf is worth saying.
    if (p.Wyrazenie == TWyrazenie::W610a || p.Wyrazenie == TWyrazenie::W610b) {
        std::string dolne;
        for (int32_t g = 0; g < G; ++g)
            if (zad.Grupy[size_t(g)].Uzyta && zad.Klasyfikacje[size_t(g)].Rodzaj == TRodzajGrupy::Stale &&
                !Bit(p.StaleGorne, g))
                dolne += (dolne.empty() ? "" : ", ") + nazwa(g);
        if (!dolne.empty())
            t += "; γG,inf: " + dolne;
    }
    return t;
}
