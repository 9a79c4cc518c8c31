#include "analysis/ObwiednieNormowe.h"

#include "analysis/Probkowanie.h"
#include "analysis/Wyniki.h"
#include "platform/Cp1250.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t G = TDaneZadania::MaxGrup;
constexpr double GammaGSup = 1.35, GammaGInf = 1.0, Ksi = 0.85, GammaQ = 1.5;

bool Bit(uint32_t maska, int32_t i)
{
    return (maska >> i) & 1u;
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

// The classified groups in use. Every expression is the permanent part plus
// Σ ψ·U over the variable groups (U: a group's unfavourable part) plus the
// leading group's surplus; the expressions share two sums, Σ ψ0·U and
// Σ ψ2·U, and two leading surpluses, (1 − ψ0)·U (6.10b, 6.14b) and
// (ψ1 − ψ2)·U (6.15b), so each value costs a few passes over the groups.
struct TGrupy {
    uint16_t Stale = 0, Zmienne = 0, PoPrzeslach = 0;
    std::vector<int32_t> ListaStalych, ListaZmiennych, Uzyte;
    std::array<TWspolczynnikiPsi, G> Psi{};
    // Per case the variable groups left out: a roof's imposed load (H) never
    // acts together with snow or wind, so with both there are two cases.
    std::vector<uint16_t> Wykluczone{0};
    std::vector<int32_t> Pominiete;
};

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
            gr.ListaStalych.push_back(g);
        } else if (k.Rodzaj == TRodzajGrupy::Zmienne) {
            gr.Zmienne |= bit;
            gr.ListaZmiennych.push_back(g);
            if (k.PoPrzeslach)
                gr.PoPrzeslach |= bit;
            if (k.Kategoria == TKategoriaZmiennych::H)
                dach |= bit;
            if (k.Kategoria == TKategoriaZmiennych::Snieg || k.Kategoria == TKategoriaZmiennych::Wiatr)
                snieg |= bit;
            gr.Psi[size_t(g)] = WspolczynnikiPsi(k.Kategoria);
        } else {
            gr.Pominiete.push_back(g);
            continue;
        }
        gr.Uzyte.push_back(g);
    }
    if (dach && snieg)
        gr.Wykluczone = {dach, snieg};
    return gr;
}

// One group's contributions at a section: of its loaded spans the sum of the
// positive ones, of the negative ones, and of all.
struct TSuma {
    double P = 0, N = 0, S = 0;
};
using TSumy = std::array<TSuma, G>;

// The worst combination of one value in one direction.
struct TNajgorsza {
    double Wartosc = 0;
    TWyrazenie Wyrazenie = TWyrazenie::W610b;
    int32_t Wiodaca = -1;
    int32_t Przypadek = 0;
};

// [state]: the largest and the smallest.
struct TNajgorsze {
    std::array<TNajgorsza, IloscStanowNormowych> Max, Min;
};

class TKombinator {
public:
    explicit TKombinator(const TGrupy& gr) : gr_(gr) {}

    const TGrupy& Grupy() const { return gr_; }

    // The worst value of every state from odStanu on, both ways.
    void Najgorsze(const TSumy& s, int32_t odStanu, TNajgorsze& w) const
    {
        double gorneMax = 0, dolneMax = 0; // the permanent groups' unfavourable and favourable parts
        for (const int32_t g : gr_.ListaStalych) {
            const double S = s[size_t(g)].S;
            (S > 0 ? gorneMax : dolneMax) += S;
        }
        // For the smallest value the favourable part is the positive one.
        const double gorneMin = dolneMax, dolneMin = gorneMax;
        for (size_t p = 0; p < gr_.Wykluczone.size(); ++p) {
            // The sums and the leading surpluses both ways (0: max, 1: min).
            double a0[2] = {0, 0}, a2[2] = {0, 0}, b0[2] = {0, 0}, b1[2] = {0, 0};
            int32_t l0[2] = {-1, -1}, l1[2] = {-1, -1};
            for (const int32_t g : gr_.ListaZmiennych) {
                if (Bit(gr_.Wykluczone[p], g))
                    continue;
                const TSuma& x = s[size_t(g)];
                const bool poPrzeslach = Bit(gr_.PoPrzeslach, g);
                const double u[2] = {poPrzeslach ? x.P : std::max(x.S, 0.0), poPrzeslach ? x.N : std::min(x.S, 0.0)};
                const TWspolczynnikiPsi& psi = gr_.Psi[size_t(g)];
                for (int32_t k = 0; k < 2; ++k) {
                    a0[k] += psi.Psi0 * u[k];
                    a2[k] += psi.Psi2 * u[k];
                    const double d0 = (1 - psi.Psi0) * u[k], d1 = (psi.Psi1 - psi.Psi2) * u[k];
                    if (l0[k] < 0 || (k == 0 ? d0 > b0[k] : d0 < b0[k])) {
                        b0[k] = d0;
                        l0[k] = g;
                    }
                    if (l1[k] < 0 || (k == 0 ? d1 > b1[k] : d1 < b1[k])) {
                        b1[k] = d1;
                        l1[k] = g;
                    }
                }
            }
            const int32_t pp = int32_t(p);
            for (int32_t k = 0; k < 2; ++k) {
                auto& n = k == 0 ? w.Max : w.Min;
                const double znak = k == 0 ? 1.0 : -1.0;
                const double gorne = k == 0 ? gorneMax : gorneMin, dolne = k == 0 ? dolneMax : dolneMin;
                const auto dolicz = [&](TStanNormowy st, TWyrazenie wyr, int32_t wiodaca, double v, bool pierwsze) {
                    TNajgorsza& x = n[size_t(st)];
                    if ((p == 0 && pierwsze) || znak * v > znak * x.Wartosc)
                        x = {v, wyr, wiodaca, pp};
                };
                const double stale = gorne + dolne;
                if (odStanu <= int32_t(TStanNormowy::SGN)) {
                    dolicz(TStanNormowy::SGN, TWyrazenie::W610a, -1, GammaGSup * gorne + GammaGInf * dolne + GammaQ * a0[k],
                           true);
                    dolicz(TStanNormowy::SGN, TWyrazenie::W610b, l0[k],
                           Ksi * GammaGSup * gorne + GammaGInf * dolne + GammaQ * (a0[k] + b0[k]), false);
                }
                dolicz(TStanNormowy::SGUCharakterystyczna, TWyrazenie::W614b, l0[k], stale + a0[k] + b0[k], true);
                dolicz(TStanNormowy::SGUCzesta, TWyrazenie::W615b, l1[k], stale + a2[k] + b1[k], true);
                dolicz(TStanNormowy::SGUQuasi, TWyrazenie::W616b, -1, stale + a2[k], true);
            }
        }
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
        const auto wsp = [&](int32_t g) { return WspolczynnikZmiennych(gr_.Psi[size_t(g)], n.Wyrazenie, g == n.Wiodaca); };
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
};

// The first expression of a state, with no group: the cause of an extreme that stayed 0.
TPrzyczyna DomyslnaPrzyczyna(TStanNormowy stan)
{
    TPrzyczyna p;
    p.Wyrazenie = stan == TStanNormowy::SGN                    ? TWyrazenie::W610a
                  : stan == TStanNormowy::SGUCharakterystyczna ? TWyrazenie::W614b
                  : stan == TStanNormowy::SGUCzesta            ? TWyrazenie::W615b
                                                               : TWyrazenie::W616b;
    return p;
}

void DodajDoSumy(TSuma& x, double v)
{
    x.S += v;
    x.P += v > 0 ? v : 0;
    x.N += v < 0 ? v : 0;
}

// The unit states of the classified groups as they act on one span. The one
// loading the span (at most one per group) has its M, T and w there on the
// span's segments, its end values included; one loading another span acts
// here by its end values alone: M = A + B·x, T = −TL, and EJ·w'' = −M with
// w = 0 at both ends, w = x·(L − x)·(A/2 + B·(L + x)/6)/EJ, the same line
// TUgieciaPrzesla integrates.
class TPrzesloJednostkowe {
public:
    enum TWielkosc { M, T, W };

    TPrzesloJednostkowe(const TDaneZadania& zad, const TWyniki& wyn, const TGrupy& gr, int32_t p, bool zUgieciami)
        : gr_(gr)
        , L_(zad.Przesla[size_t(p)].L)
        , ugiecia_(zUgieciami)
    {
        const TPrzeslo& przeslo = zad.Przesla[size_t(p)];
        const double EJ = double(przeslo.E) * przeslo.J;
        podatnosc_ = EJ > 0 && std::isfinite(EJ) ? 1 / EJ : 0;
        for (const TStanJednostkowy& u : wyn.Jednostkowe)
            if (u.Przeslo == p)
                granice_ = u.Wielomiany.Granice();
        wlasny_.fill(-1);
        for (const TStanJednostkowy& u : wyn.Jednostkowe) {
            if (!Bit(gr.Stale | gr.Zmienne, u.Grupa))
                continue;
            Grupy.push_back(u.Grupa);
            Przesla.push_back(u.Przeslo);
            const double A = u.Momenty[size_t(p)].MomentL, TL = u.Sily[size_t(p)].TL;
            obce_.push_back({A, -TL});
            if (u.Przeslo != p) {
                indeks_.push_back(-1);
                continue;
            }
            wlasny_[size_t(u.Grupa)] = int32_t(Grupy.size()) - 1;
            indeks_.push_back(int32_t(wielomiany_.size()));
            TWielomianyPrzesla& w = wielomiany_.emplace_back(u.Wielomiany);
            w.DodajKonce(A, TL);
            if (zUgieciami)
                ugieciaWlasne_.emplace_back(w, EJ, przeslo.L);
        }
        const TWielomianyPrzesla wzor(granice_);
        for (const TOdcinekWielomianow& o : wzor.Odcinki())
            poczatki_.push_back(o.Poczatek);
        for (const TWielkosc co : {M, T, W})
            if (co != W || zUgieciami)
                Kawalki(co);
    }

    std::vector<int32_t> Grupy, Przesla; // [unit]
    float L() const { return L_; }
    const std::vector<float>& Granice() const { return granice_; }
    bool ZUgieciami() const { return ugiecia_; }

    // The value of unit i at x on segment j.
    double Wklad(TWielkosc co, size_t i, size_t j, double x) const
    {
        const int32_t k = indeks_[i];
        if (k >= 0) {
            const double t = x - poczatki_[j];
            switch (co) {
            case M:
                return wielomiany_[size_t(k)].Odcinki()[j].M(t);
            case T:
                return wielomiany_[size_t(k)].Odcinki()[j].T(t);
            case W:
                return ugieciaWlasne_[size_t(k)].Odcinki()[j].W(t);
            }
        }
        return Obcy(co, obce_[i])(x);
    }

    // The groups' sums at x on segment j from the units' values.
    void Sumy(TWielkosc co, size_t j, double x, std::vector<double>& v, TSumy& s) const
    {
        v.resize(Grupy.size());
        s = {};
        for (size_t i = 0; i < Grupy.size(); ++i) {
            v[i] = Wklad(co, i, j, x);
            DodajDoSumy(s[size_t(Grupy[i])], v[i]);
        }
    }

    // The same along the span, x never decreasing: the units loading other
    // spans change sign only at their roots, so between two roots their
    // positive and negative parts are two polynomials per group; `kursor`
    // holds the stretch between roots reached.
    template <TWielkosc co>
    void SumyKolejne(size_t j, double x, size_t& kursor, TSumy& s) const
    {
        const TKawalki& k = kawalki_[co];
        while (kursor < k.Pierwiastki.size() && x > k.Pierwiastki[kursor])
            ++kursor;
        const auto& pn = k.PN[kursor];
        const double t = x - poczatki_[j];
        for (const int32_t g : gr_.Uzyte) {
            TSuma& suma = s[size_t(g)];
            const auto& w = pn[size_t(g)];
            if constexpr (co == M) {
                suma.P = w[0].A[0] + w[0].A[1] * x;
                suma.N = w[1].A[0] + w[1].A[1] * x;
            } else if constexpr (co == T) {
                suma.P = w[0].A[0];
                suma.N = w[1].A[0];
            } else {
                suma.P = w[0](x);
                suma.N = w[1](x);
            }
            const int32_t i = wlasny_[size_t(g)];
            if (i >= 0) {
                const size_t u = size_t(indeks_[size_t(i)]);
                double c;
                if constexpr (co == M)
                    c = wielomiany_[u].Odcinki()[j].M(t);
                else if constexpr (co == T)
                    c = wielomiany_[u].Odcinki()[j].T(t);
                else
                    c = ugieciaWlasne_[u].Odcinki()[j].W(t);
                suma.P += c > 0 ? c : 0;
                suma.N += c < 0 ? c : 0;
            }
            suma.S = suma.P + suma.N;
        }
    }

private:
    struct TObcy {
        double A = 0, B = 0; // M = A + B·x
    };

    TWielomian<3> Obcy(TWielkosc co, const TObcy& o) const
    {
        switch (co) {
        case M:
            return {{o.A, o.B, 0, 0}};
        case T:
            return {{o.B, 0, 0, 0}};
        case W: {
            const double a = o.A / 2 + o.B * L_ / 6, b = o.B / 6;
            return {{0, a * L_ * podatnosc_, (b * L_ - a) * podatnosc_, -b * podatnosc_}};
        }
        }
        return {};
    }

    // Where the units loading other spans change sign, and between those
    // roots each group's sum of their positive and of their negative values.
    struct TKawalki {
        std::vector<double> Pierwiastki;
        std::vector<std::array<std::array<TWielomian<3>, 2>, G>> PN;
    };

    void Kawalki(TWielkosc co)
    {
        TKawalki& k = kawalki_[co];
        std::vector<double>& r = k.Pierwiastki;
        const double L = L_;
        for (size_t i = 0; i < Grupy.size(); ++i) {
            if (indeks_[i] >= 0)
                continue;
            const TObcy& o = obce_[i];
            double x = NAN;
            if (co == M && o.B != 0)
                x = -o.A / o.B;
            if (co == W && o.B != 0)
                x = -(o.A / 2 + o.B * L / 6) / (o.B / 6);
            if (x > 0 && x < L)
                r.push_back(x);
        }
        std::sort(r.begin(), r.end());
        r.erase(std::unique(r.begin(), r.end()), r.end());
        k.PN.assign(r.size() + 1, {});
        for (size_t c = 0; c <= r.size(); ++c) {
            const double od = c == 0 ? 0 : r[c - 1], do_ = c == r.size() ? L : r[c];
            const double srodek = (od + do_) / 2;
            for (size_t i = 0; i < Grupy.size(); ++i) {
                if (indeks_[i] >= 0)
                    continue;
                const TWielomian<3> w = Obcy(co, obce_[i]);
                k.PN[c][size_t(Grupy[i])][w(srodek) > 0 ? 0 : 1].Dodaj(w, 1);
            }
        }
    }

    const TGrupy& gr_;
    float L_ = 0;
    bool ugiecia_ = false;
    double podatnosc_ = 0;
    std::vector<float> granice_;
    std::vector<double> poczatki_;
    std::vector<int32_t> indeks_;     // [unit]: its own polynomials, −1 for a unit loading another span
    std::vector<TObcy> obce_;         // [unit]
    std::array<int32_t, G> wlasny_{}; // [group]: the unit loading this span, −1 for none
    std::vector<TWielomianyPrzesla> wielomiany_;
    std::vector<TUgieciaPrzesla> ugieciaWlasne_;
    std::array<TKawalki, 3> kawalki_;
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

// The worst value found so far of one state and direction, and where: its
// cause is worked out once, at the end.
struct TNajgorszeMiejsce {
    TNajgorsza N;
    double X = 0;
    size_t Odcinek = 0;
    bool Jest = false;
};

using W = TPrzesloJednostkowe::TWielkosc;

// One value (M, T or w) of span s along its sections.
template <TPrzesloJednostkowe::TWielkosc co>
void LiczWielkosc(const TKombinator& k, const TPrzesloJednostkowe& p, bool wykresy, int32_t s,
                  const std::vector<float>& siatka, const std::vector<TPrzekroj>& przekroje,
                  std::array<TObwiedniaNormowa, IloscStanowNormowych>& stany)
{
    const float L = p.L();
    TSumy sumy{};
    TNajgorsze n;
    std::vector<double> v;
    {
        const int32_t odStanu = co == W::W ? 1 : 0; // SGN has no deflections
        std::array<std::array<TNajgorszeMiejsce, 2>, IloscStanowNormowych> najgorsze{};
        const auto linie = [&](int32_t st, int32_t kier) -> std::vector<TPunktWykresu>& {
            TPrzesloNormowe& pn = stany[size_t(st)].Przesla[size_t(s)];
            return co == W::M ? (kier ? pn.MinM : pn.MaxM) : co == W::T ? (kier ? pn.MinT : pn.MaxT) : (kier ? pn.MinW : pn.MaxW);
        };
        if (wykresy)
            for (int32_t st = odStanu; st < IloscStanowNormowych; ++st)
                for (int32_t kier = 0; kier < 2; ++kier)
                    linie(st, kier).resize(siatka.size());
        size_t kursor = 0;
        for (const TPrzekroj& x : przekroje) {
            std::array<double, IloscStanowNormowych> maks, mini;
            maks.fill(-INFINITY);
            mini.fill(INFINITY);
            TStrony strony = Strony(p.Granice(), x.X);
            // The shear of a force standing on a support is the support's.
            if constexpr (co == W::T) {
                if (x.X == 0)
                    strony.Lewa = strony.Prawa;
                if (x.X == double(L))
                    strony.Prawa = strony.Lewa;
            }
            if constexpr (co == W::W)
                strony.Lewa = strony.Prawa;
            for (const size_t j : {strony.Lewa, strony.Prawa}) {
                p.SumyKolejne<co>(j, x.X, kursor, sumy);
                k.Najgorsze(sumy, odStanu, n);
                for (int32_t st = odStanu; st < IloscStanowNormowych; ++st) {
                    const TNajgorsza& a = n.Max[size_t(st)];
                    const TNajgorsza& b = n.Min[size_t(st)];
                    TNajgorszeMiejsce& ma = najgorsze[size_t(st)][0];
                    TNajgorszeMiejsce& mi = najgorsze[size_t(st)][1];
                    if (a.Wartosc > (ma.Jest ? ma.N.Wartosc : 0.0))
                        ma = {a, x.X, j, true};
                    if (b.Wartosc < (mi.Jest ? mi.N.Wartosc : 0.0))
                        mi = {b, x.X, j, true};
                    maks[size_t(st)] = std::max(maks[size_t(st)], a.Wartosc);
                    mini[size_t(st)] = std::min(mini[size_t(st)], b.Wartosc);
                }
                if (!strony.Skok())
                    break;
            }
            if (wykresy && x.K >= 0)
                for (int32_t st = odStanu; st < IloscStanowNormowych; ++st) {
                    linie(st, 0)[size_t(x.K)] = {siatka[size_t(x.K)], maks[size_t(st)]};
                    linie(st, 1)[size_t(x.K)] = {siatka[size_t(x.K)], mini[size_t(st)]};
                }
        }
        for (int32_t st = odStanu; st < IloscStanowNormowych; ++st) {
            TPrzesloNormowe& pn = stany[size_t(st)].Przesla[size_t(s)];
            for (int32_t kier = 0; kier < 2; ++kier) {
                TEkstremumNormowe& e = co == W::M ? (kier ? pn.Mmin : pn.Mmax)
                                       : co == W::T ? (kier ? pn.Tmin : pn.Tmax)
                                                    : (kier ? pn.Wmin : pn.Wmax);
                const TNajgorszeMiejsce& m = najgorsze[size_t(st)][size_t(kier)];
                if (!m.Jest) {
                    e = {0, 0, DomyslnaPrzyczyna(TStanNormowy(st))};
                    continue;
                }
                TSumy s2;
                p.Sumy(co, m.Odcinek, m.X, v, s2);
                e = {m.N.Wartosc, m.X, k.Przyczyna(m.N, kier ? -1.0 : 1.0, s2, v.data(), p.Grupy, p.Przesla)};
            }
        }
    }
}

// Keeps the lines' memory when they are drawn again.
void Wyczysc(TPrzesloNormowe& p, bool wykresy)
{
    for (std::vector<TPunktWykresu>* l : {&p.MaxM, &p.MinM, &p.MaxT, &p.MinT, &p.MaxW, &p.MinW}) {
        if (wykresy)
            l->clear();
        else
            *l = {};
    }
    p.Mmax = p.Mmin = p.Tmax = p.Tmin = p.Wmax = p.Wmin = {};
}

void LiczPrzeslo(const TKombinator& k, const TPrzesloJednostkowe& p, bool wykresy, int32_t s,
                 std::array<TObwiedniaNormowa, IloscStanowNormowych>& stany)
{
    const std::vector<float> siatka = PrzekrojeObwiedni(p.L());
    const std::vector<TPrzekroj> przekroje = Przekroje(siatka, p.Granice(), p.L());
    LiczWielkosc<W::M>(k, p, wykresy, s, siatka, przekroje, stany);
    LiczWielkosc<W::T>(k, p, wykresy, s, siatka, przekroje, stany);
    if (p.ZUgieciami())
        LiczWielkosc<W::W>(k, p, wykresy, s, siatka, przekroje, stany);
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
    TNajgorsze najg;
    for (int32_t podpora = 0; podpora <= n; ++podpora) {
        TSumy sumy{};
        for (size_t i = 0; i < jednostkowe.size(); ++i) {
            const auto& f = jednostkowe[i]->Sily;
            v[i] = podpora == 0   ? -f[0].TL
                   : podpora == n ? -f[size_t(n) - 1].TP
                                  : -f[size_t(podpora)].TL - f[size_t(podpora) - 1].TP;
            DodajDoSumy(sumy[size_t(grupy[i])], v[i]);
        }
        k.Najgorsze(sumy, 0, najg);
        for (int32_t st = 0; st < IloscStanowNormowych; ++st) {
            TReakcjaNormowa& r = stany[size_t(st)].Reakcje[size_t(podpora)];
            for (const double znak : {1.0, -1.0}) {
                const TNajgorsza& a = znak > 0 ? najg.Max[size_t(st)] : najg.Min[size_t(st)];
                TEkstremumNormowe& e = znak > 0 ? r.Max : r.Min;
                if (znak * a.Wartosc > 0)
                    e = {a.Wartosc, 0, k.Przyczyna(a, znak, sumy, v.data(), grupy, przesla)};
                else
                    e = {0, 0, DomyslnaPrzyczyna(TStanNormowy(st))};
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
    if (!SaGrupySklasyfikowane(zad) || zad.IloscPrzesel < 1) {
        wynik = TObwiednieNormowe{};
        return;
    }
    const TGrupy gr = Klasyfikuj(zad);
    const TKombinator k(gr);
    wynik.Sa = true;
    wynik.Pominiete = gr.Pominiete;
    const int32_t n = int32_t(zad.Przesla.size());
    for (TObwiedniaNormowa& o : wynik.Stany) {
        o.Przesla.resize(size_t(n));
        o.Reakcje.assign(size_t(n) + 1, {});
        for (TPrzesloNormowe& p : o.Przesla)
            Wyczysc(p, wyn.ZapisujWykresy);
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
    if (!SaGrupySklasyfikowane(zad) || s < 0 || s >= int32_t(zad.Przesla.size()) ||
        int32_t(wyn.Normowe.Stany[0].Przesla.size()) != int32_t(zad.Przesla.size()))
        return w;
    const TGrupy gr = Klasyfikuj(zad);
    const TKombinator k(gr);
    const bool ugiecia = wyn.LiczUgiecia && stan != TStanNormowy::SGN;
    const TPrzesloJednostkowe p(zad, wyn, gr, s, ugiecia);
    std::vector<double> v;
    TSumy sumy{};
    TNajgorsze n;
    using W = TPrzesloJednostkowe::TWielkosc;
    const auto wartosc = [&](W co, size_t j, TEkstremumNormowe& maks, TEkstremumNormowe& mini) {
        p.Sumy(co, j, x, v, sumy);
        k.Najgorsze(sumy, 0, n);
        maks = {n.Max[size_t(stan)].Wartosc, x, k.Przyczyna(n.Max[size_t(stan)], 1, sumy, v.data(), p.Grupy, p.Przesla)};
        mini = {n.Min[size_t(stan)].Wartosc, x, k.Przyczyna(n.Min[size_t(stan)], -1, sumy, v.data(), p.Grupy, p.Przesla)};
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
    if (ugiecia)
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
