#include "drawing/Wykresy.h"

#include "analysis/Odczyt.h"
#include "analysis/Wyniki.h"
#include "drawing/StylWykresow.h"
#include "drawing/Symbole.h"
#include "drawing/UkladEtykiet.h"
#include "drawing/Widocznosc.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using namespace StylWykresow;

constexpr double KatEtykiet = 90;

// Sampled points of a line that can be read: never more than it holds.
int32_t Punkty(const std::vector<TPunktWykresu>& linia, int32_t ilosc)
{
    return std::clamp<int32_t>(ilosc, 0, int32_t(linia.size()));
}

// The coefficient of group g in combination c; a group outside the table counts nothing.
float Wspolczynnik(const TDaneZadania& zad, int32_t c, int32_t g)
{
    if (c < 0 || c >= TDaneZadania::MaxKombinacji || g < 0 || g >= TDaneZadania::MaxGrup)
        return 0;
    return zad.Wspolczynniki[size_t(c)][size_t(g)];
}

// Sheet position of a diagram point: x(p), and y(V) positive down for
// moments, up for shear forces.
struct TUklad {
    double xs, oy, sx, ky;
    double X(double p) const { return xs + p * sx; }
    double Y(double v) const { return oy + v * ky; }
};

// What one diagram kind differs in: its line, its scale and which way up it is drawn.
struct TRodzajWykresu {
    const TDaneZadania& zad;
    const TWyniki& wyn;
    int32_t c, s;
    bool Momenty; // else shear forces

    const std::vector<TPunktWykresu>& Linia() const
    {
        return Momenty ? wyn.WykresM[size_t(c)][size_t(s)] : wyn.WykresT[size_t(c)][size_t(s)];
    }
    int32_t Ilosc() const
    {
        const TEkstrema& e = Momenty ? wyn.EkstremaM[size_t(c)][size_t(s)] : wyn.EkstremaT[size_t(c)][size_t(s)];
        return Punkty(Linia(), e.IloscPunktow);
    }
    double Wartosc(double p) const
    {
        return Momenty ? MomentZWykresu(zad, wyn, c, s, p) : TnacaZWykresu(zad, wyn, c, s, p);
    }
    double L() const { return zad.Przesla[size_t(s)].L; }
    // The span whose axis starts at P.
    TUklad Uklad(const TRysowanie& r, TPunktCm P) const
    {
        return {P.X, P.Y, r.Widok.SkalaRysunkuX, SkalaWykresu(r.Nastawy, r.Widok, wyn, Momenty)};
    }
};

void RysujLinie(TRysowanie& r, const TRodzajWykresu& rodzaj, TWyjscia na, TPunktCm P, TKolor K)
{
    const double xs = P.X, oy = P.Y;
    const TUklad u = rodzaj.Uklad(r, P);
    const double xk = u.X(rodzaj.L());
    Linia(r, na, {xs, oy}, {xk, oy}, {PioroOsi, Kolor::Czarny});
    const std::vector<TPunktWykresu>& p = rodzaj.Linia();
    const int32_t n = rodzaj.Ilosc();
    if (n < 2)
        return;
    TLamana obrys(r, na, {PioroLinii, K});
    obrys.Punkt(xs, oy);
    for (int32_t i = 0; i < n; ++i)
        obrys.Punkt(u.X(p[size_t(i)].X), u.Y(p[size_t(i)].Wartosc));
    obrys.Punkt(xk, oy);
    obrys.Koniec();
    // The vertical strokes, at the ends and at the jumps, which moved labels keep off.
    if (r.Etykiety) {
        r.Etykiety->Kreska(u.X(p[0].X), oy, u.Y(p[0].Wartosc));
        r.Etykiety->Kreska(u.X(p[size_t(n) - 1].X), oy, u.Y(p[size_t(n) - 1].Wartosc));
        for (int32_t i = 0; i + 1 < n; ++i)
            if (p[size_t(i)].X == p[size_t(i) + 1].X)
                r.Etykiety->Kreska(u.X(p[size_t(i)].X), u.Y(p[size_t(i)].Wartosc), u.Y(p[size_t(i) + 1].Wartosc));
    }
}

// The labels of one span: WgZnaku tells for a value whether it lies on the
// far side of the axis, where its label starts 1.25 of its length down.
struct TOpis {
    TRysowanie& r;
    const TPasWidoczny& pas;
    const TRodzajWykresu& rodzaj;
    TWyjscia na;
    TKolor K;
    TUklad u;

    void operator()(double p, double v, TPolozenieEtykiety polozenie) const
    {
        const double h = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
        Etykieta(r, pas, na,
                 {.P = {u.X(p) + 0.5 * h, u.Y(v)},
                  .Styl = {{PioroEtykiet, K}, h, w, KatEtykiet},
                  .Wartosc = v,
                  .Maska = MaskaWartosci,
                  .Polozenie = polozenie});
    }
    // Below the axis means a positive moment or a negative shear force.
    void WgZnaku(double p, double v) const
    {
        const bool pod = rodzaj.Momenty ? v > 0 : v < 0;
        (*this)(p, v, pod ? TPolozenieEtykiety::PodRzedna : TPolozenieEtykiety::NaRzednej);
    }
    void Przekroj(double p, double odczyt) const { WgZnaku(p, rodzaj.Wartosc(odczyt)); }
    // The line's end values, unless they are about zero: the values at an
    // inner support read by the spans on either side of it are one number.
    void Konce() const
    {
        const double L = rodzaj.L();
        const double poczatek = rodzaj.Wartosc(0);
        if (std::fabs(poczatek) > 0.01)
            WgZnaku(0, poczatek);
        const double koniec = rodzaj.Wartosc(L);
        if (std::fabs(koniec) > 0.01)
            WgZnaku(L, koniec);
    }
};

// Loads of the task on span s whose group counts in combination c.
template <class T, size_t N, class Dzialanie>
void Liczone(const TDaneZadania& zad, const std::array<T, N>& tablica, int32_t c, int32_t s, Dzialanie dzialanie)
{
    for (const T& r : tablica)
        if (r.Uzyta && r.Przeslo == s && Wspolczynnik(zad, c, r.Grupa) != 0)
            dzialanie(r);
}

bool Policzona(const TZrodloWykresu& z)
{
    return z.Kombinacja >= 0 && z.Kombinacja < IloscWynikow(z.Zadanie, z.Wyniki) && z.Przeslo >= 0 &&
           z.Przeslo < IloscPrzeselRysunku(z.Zadanie);
}

} // namespace

double SkalaRzednych(double wysokosc, float najwiekszy)
{
    const double n = std::isfinite(najwiekszy) && najwiekszy >= 0.01f ? najwiekszy : 0.01;
    return wysokosc / n;
}

double SkalaWykresu(const TNastawy& n, const TWidok& w, const TWyniki& wyn, bool Momenty)
{
    const double k = Momenty ? SkalaRzednych(n.WysokoscMomentow, wyn.NajwiekszyM)
                             : SkalaRzednych(n.WysokoscPoprzecznych, wyn.NajwiekszyT);
    return (Momenty ? 1.0 : -1.0) * w.SkalaRysunkuY * k;
}

int32_t IloscWynikow(const TDaneZadania& zad, const TWyniki& wyn)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    if (N < 1)
        return 0;
    int32_t n =
        std::clamp<int32_t>(std::min(zad.IloscKombinacji, wyn.IloscPoliczonych), 0, TDaneZadania::MaxKombinacji);
    const auto obetnij = [&](const auto& tablica) {
        n = std::min<int32_t>(n, int32_t(tablica.size()));
        for (int32_t c = 0; c < n; ++c)
            if (int32_t(tablica[size_t(c)].size()) < N) {
                n = c;
                break;
            }
    };
    obetnij(wyn.MomentyKoncowe);
    obetnij(wyn.SilyKoncowe);
    obetnij(wyn.WykresM);
    obetnij(wyn.WykresT);
    obetnij(wyn.EkstremaM);
    obetnij(wyn.EkstremaT);
    return n;
}

void WykresMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor K)
{
    if (z.Kombinacja < 0 || z.Kombinacja >= IloscWynikow(z.Zadanie, z.Wyniki))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 3.5}, r.Nastawy.PiszJednostki ? "MOMENTY [kNm]" : "MOMENTY", 0.5);
    DlaWidocznychPrzesel(r, pas, z.Zadanie, O, Zapas, [&](int32_t i, double xs, TWyjscia przeslo) {
        const TZrodloWykresu zrodlo{z.Zadanie, z.Wyniki, z.Kombinacja, i};
        LiniaMomentow(r, zrodlo, przeslo, {xs, O.Y}, K);
        OpisMomentow(r, zrodlo, przeslo, {xs, O.Y}, K);
    });
}

void LiniaMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K)
{
    if (!Policzona(z))
        return;
    RysujLinie(r, {z.Zadanie, z.Wyniki, z.Kombinacja, z.Przeslo, true}, na, P, K);
}

void OpisMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K)
{
    if (!Policzona(z))
        return;
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t c = z.Kombinacja, s = z.Przeslo;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TRodzajWykresu rodzaj{zad, wyn, c, s, true};
    const TOpis opis{r, pas, rodzaj, na, K, rodzaj.Uklad(r, P)};

    opis.Konce();
    Liczone(zad, zad.Sily, c, s, [&](const TSila& f) { opis.Przekroj(f.X, f.X); });
    Liczone(zad, zad.Liniowe, c, s, [&](const TLiniowe& q) {
        opis.Przekroj(q.X1, q.X1);
        opis.Przekroj(q.X2, q.X2);
    });
    Liczone(zad, zad.Trojkaty, c, s, [&](const TTrojkat& q) {
        opis.Przekroj(q.X1, q.X1);
        opis.Przekroj(q.X2, q.X2);
    });
    // Both values of the jump, one above the other.
    Liczone(zad, zad.Momenty, c, s, [&](const TMoment& m) {
        opis(m.X, rodzaj.Wartosc(double(m.X) - 0.001), TPolozenieEtykiety::NaRzednej);
        opis(m.X, rodzaj.Wartosc(double(m.X) + 0.001), TPolozenieEtykiety::PodRzedna);
    });
    // Extremes where the shear force changes sign between two sampled
    // sections; the steps under point forces are too short to count.
    const std::vector<TPunktWykresu>& T = wyn.WykresT[size_t(c)][size_t(s)];
    const int32_t n = Punkty(T, wyn.EkstremaT[size_t(c)][size_t(s)].IloscPunktow);
    for (int32_t i = 0; i + 1 < n; ++i) {
        const TPunktWykresu& a = T[size_t(i)];
        const TPunktWykresu& b = T[size_t(i) + 1];
        if (!(std::fabs(double(b.X) - a.X) > 0.005) || !(double(a.Wartosc) * b.Wartosc < 0))
            continue;
        const double ta = std::fabs(a.Wartosc), tb = std::fabs(b.Wartosc);
        const double p = (ta * b.X + tb * a.X) / (ta + tb);
        opis.Przekroj(p, p);
    }
}

void WykresSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor K)
{
    if (z.Kombinacja < 0 || z.Kombinacja >= IloscWynikow(z.Zadanie, z.Wyniki))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 3.5}, r.Nastawy.PiszJednostki ? "SIŁY POPRZECZNE [kN]" : "SIŁY POPRZECZNE",
             0.5);
    DlaWidocznychPrzesel(r, pas, z.Zadanie, O, Zapas, [&](int32_t i, double xs, TWyjscia przeslo) {
        const TZrodloWykresu zrodlo{z.Zadanie, z.Wyniki, z.Kombinacja, i};
        LiniaSilPoprzecznych(r, zrodlo, przeslo, {xs, O.Y}, K);
        OpisSilPoprzecznych(r, zrodlo, przeslo, {xs, O.Y}, K);
    });
}

void LiniaSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K)
{
    if (!Policzona(z))
        return;
    RysujLinie(r, {z.Zadanie, z.Wyniki, z.Kombinacja, z.Przeslo, false}, na, P, K);
}

void OpisSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K)
{
    if (!Policzona(z))
        return;
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t c = z.Kombinacja, s = z.Przeslo;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TRodzajWykresu rodzaj{zad, wyn, c, s, false};
    const TOpis opis{r, pas, rodzaj, na, K, rodzaj.Uklad(r, P)};

    // The line starts at T(0+) and ends at T(L-), the span's own values
    // beside a force standing on a support.
    const double L = rodzaj.L(), poczatek = rodzaj.Wartosc(0), koniec = rodzaj.Wartosc(L);
    opis.Konce();
    // Both values of the jump under a force, one above the other.
    Liczone(zad, zad.Sily, c, s, [&](const TSila& f) {
        opis(f.X, rodzaj.Wartosc(double(f.X) - 0.001), TPolozenieEtykiety::NaRzednej);
        opis(f.X, rodzaj.Wartosc(double(f.X) + 0.001), TPolozenieEtykiety::PodRzedna);
    });
    // A line load from or to a span end is read there too, not a millimetre
    // inside: its label then equals the end label and is written once.
    const auto odcinek = [&](double X1, double X2) {
        opis.WgZnaku(X1, X1 <= 0 ? poczatek : rodzaj.Wartosc(X1 + 0.001));
        opis.WgZnaku(X2, X2 >= L ? koniec : rodzaj.Wartosc(X2 - 0.001));
    };
    Liczone(zad, zad.Liniowe, c, s, [&](const TLiniowe& q) { odcinek(q.X1, q.X2); });
    Liczone(zad, zad.Trojkaty, c, s, [&](const TTrojkat& q) { odcinek(q.X1, q.X2); });
    Liczone(zad, zad.Momenty, c, s, [&](const TMoment& m) { opis.Przekroj(m.X, m.X); });
}

void WykresReakcji(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KPlus, TKolor KMinus)
{
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t c = z.Kombinacja;
    if (c < 0 || c >= IloscWynikow(zad, wyn))
        return;
    const double ox = O.X, oy = O.Y;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TNastawy& n = r.Nastawy;
    const double s = r.Widok.SkalaRysunkuX;
    const int32_t N = IloscPrzeselRysunku(zad);
    const auto podpora = [&](int32_t j) {
        return j == 0 ? ox : (double(zad.Przesla[size_t(j) - 1].X0) + zad.Przesla[size_t(j) - 1].L) * s + ox;
    };
    const double xN = podpora(N);
    Naglowek(r, pas, na, {ox + 1.0, oy - 1.0}, "REAKCJE", 0.5);
    Linia(r, na, {ox, oy}, {xN, oy}, {PioroOsi, Kolor::Czarny});
    const auto etykieta = [&](TWyjscia gdzie, TPunktCm P, TKolor kol, double v, std::string_view jednostka,
                              TUstep ustep) {
        Etykieta(r, pas, gdzie,
                 {.P = P,
                  .Styl = {{0.2, kol}, n.WysokoscCzcionki, n.SzerokoscCzcionki},
                  .Wartosc = v,
                  .Maska = MaskaWartosci,
                  .Jednostka = n.PiszJednostki ? jednostka : "",
                  .Ustep = ustep});
    };

    for (int32_t j = 0; j <= N; ++j) {
        const double xj = podpora(j);
        const TWyjscia podpora = pas.Wyjscia(xj, xj, Zapas);
        if (!podpora)
            continue;
        const double R = Reakcja(wyn, c, j, N);
        const TKolor kol = R >= 0 ? KPlus : KMinus;
        if (R >= 0)
            StrzalkaReakcji(r, podpora, {xj, oy + 0.2}, {0.2, kol}, 1.2, 1.2);
        else
            StrzalkaReakcji(r, podpora, {xj, oy + 1.4}, {0.2, kol}, 1.2, -1.2);
        etykieta(podpora, {xj + 0.3, oy + 1.5}, kol, R, " kN", TUstep::WDol);
    }

    const double ML = wyn.MomentyKoncowe[size_t(c)][0].MomentL;
    const double MR = wyn.MomentyKoncowe[size_t(c)][size_t(N) - 1].MomentP;
    if (std::fabs(ML) > 0.001) {
        const TKolor kol = ML < 0 ? KMinus : KPlus;
        if (ML < 0)
            MomentPodwojnyB(r, na, {ox - 0.25, oy}, {0.2, kol}, 0.5, 0.5);
        else
            MomentPodwojnyA(r, na, {ox - 0.25, oy}, {0.2, kol}, 0.5, 0.5);
        etykieta(na, {ox - 1.0, oy - 0.75}, kol, ML, " kNm", TUstep::WGore);
    }
    if (std::fabs(MR) > 0.001) {
        const TKolor kol = MR < 0 ? KMinus : KPlus;
        if (MR < 0)
            MomentPodwojnyC(r, na, {xN + 0.25, oy}, {0.2, kol}, 0.5, 0.5);
        else
            MomentPodwojnyD(r, na, {xN + 0.25, oy}, {0.2, kol}, 0.5, 0.5);
        etykieta(na, {xN, oy - 0.75}, kol, MR, " kNm", TUstep::WGore);
    }
}
