#include "analysis/Obciazenia.h"

#include "model/Zadanie.h"

#include <array>

namespace {

// A group index outside the table contributes nothing rather than reading past it.
float Wspolczynnik(const TDaneZadania& zad, int32_t c, int32_t grupa)
{
    if (c < 0 || c >= TDaneZadania::MaxKombinacji || grupa < 0 || grupa >= TDaneZadania::MaxGrup)
        return 0;
    return zad.Wspolczynniki[c][grupa];
}

template <class T, size_t N, class Mnozenie>
void Zbierz(const TDaneZadania& zad, const std::array<T, N>& zrodlo, std::array<T, N>& cel, int32_t c, Mnozenie pomnoz)
{
    for (T& r : cel)
        r.Uzyta = 0;
    size_t wolny = 0;
    for (const T& r : zrodlo) {
        if (!r.Uzyta)
            continue;
        const float wsp = Wspolczynnik(zad, c, r.Grupa);
        if (!(wsp > 0)) // 0 or below drops the load; it never reverses it
            continue;
        T kopia = r;
        pomnoz(kopia, wsp);
        cel[wolny++] = kopia;
    }
}

void ZbierzWszystkie(TDaneZadania& zad, int32_t c)
{
    const auto wartosc = [](auto& r, float wsp) { r.Wartosc *= wsp; };
    Zbierz(zad, zad.Sily, zad.SilyKomb, c, wartosc);
    Zbierz(zad, zad.Liniowe, zad.LinioweKomb, c, wartosc);
    Zbierz(zad, zad.Trojkaty, zad.TrojkatyKomb, c, [](TTrojkat& t, float wsp) {
        t.WartoscStala *= wsp;
        t.WartoscMalejaca *= wsp;
        t.WartoscRosnaca *= wsp;
    });
    Zbierz(zad, zad.Momenty, zad.MomentyKomb, c, wartosc);
}

// Calls dodaj(list, record, coefficient) for every used load of the task,
// with the list of its group and span (nullptr: none).
template <class Lista, class Dodaj>
void KazdeObciazenie(const TDaneZadania& zad, Lista lista, Dodaj dodaj)
{
    const auto przejdz = [&](const auto& tablica, auto wstaw) {
        for (const auto& r : tablica)
            if (r.Uzyta)
                if (TObciazeniaPrzesla* obc = lista(r.Grupa, r.Przeslo))
                    wstaw(*obc, r);
    };
    przejdz(zad.Sily, [&](TObciazeniaPrzesla& o, const TSila& f) {
        dodaj(o.Sily, TObciazeniaPrzesla::TPunktowe{f.X, f.Wartosc}, f.Grupa);
    });
    przejdz(zad.Momenty, [&](TObciazeniaPrzesla& o, const TMoment& m) {
        dodaj(o.Momenty, TObciazeniaPrzesla::TPunktowe{m.X, m.Wartosc}, m.Grupa);
    });
    przejdz(zad.Liniowe, [&](TObciazeniaPrzesla& o, const TLiniowe& q) {
        dodaj(o.Liniowe, TObciazeniaPrzesla::TRownomierne{q.X1, q.X2, q.Wartosc}, q.Grupa);
    });
    przejdz(zad.Trojkaty, [&](TObciazeniaPrzesla& o, const TTrojkat& t) {
        dodaj(o.Trojkaty, TObciazeniaPrzesla::TZmienne{t.X1, t.X2, t.WartoscStala, t.WartoscMalejaca, t.WartoscRosnaca},
              t.Grupa);
    });
}

template <class T>
void Pomnoz(T& r, double w)
{
    if constexpr (requires { r.Stala; }) {
        r.Stala *= w;
        r.Malejaca *= w;
        r.Rosnaca *= w;
    } else {
        r.Wartosc *= w;
    }
}

// The fixed-end moments of a span from δ1 and δ2, the end rotations (times EJ)
// the load causes in the simply supported span.
TParaKoncow ZUgiec(double d1, double d2, double L, int32_t kod)
{
    switch (kod) {
    case 4:
        return {-(4 * d1 - 2 * d2) / L, (4 * d2 - 2 * d1) / L};
    case 3:
        return {0, 3 * d2 / L};
    case 2:
        return {-3 * d1 / L, 0};
    default:
        return {};
    }
}

// δ1 of a line load q(t) = q0 + q1·t over t ∈ [0, c], t measured from x = a.
// A unit point load at ξ gives δ1 = ξ(L−ξ)(2L−ξ)/(6L); integrating q against
// this cubic, written in powers of t, is exact.
double UgiecieLewe(double q0, double q1, double a, double c, double L)
{
    const std::array<double, 4> f1 = {2 * L * L * a - 3 * L * a * a + a * a * a, 2 * L * L - 6 * L * a + 3 * a * a,
                                      -3 * L + 3 * a, 1};
    double d1 = 0;
    double ck1 = c; // c^(k+1)
    for (int k = 0; k < 4; ++k) {
        const double ck2 = ck1 * c;
        d1 += f1[k] * (q0 * ck1 / (k + 1) + q1 * ck2 / (k + 2));
        ck1 = ck2;
    }
    return d1 / (6 * L);
}

// δ1 and δ2 of a line load running linearly from qa at x1 to qb at x2. δ2 is
// δ1 of the load's mirror image, so that mirror-image spans under
// mirror-image loads get fixed-end moments equal to the last bit.
TParaKoncow UgieciaObciazeniaLiniowego(double qa, double qb, double x1, double x2, double L)
{
    const double c = x2 - x1;
    const double q1 = c > 0 ? (qb - qa) / c : 0;
    return {UgiecieLewe(qa, q1, x1, c, L), UgiecieLewe(qb, -q1, L - x2, c, L)};
}

} // namespace

double TObciazeniaPrzesla::SilyNaPoczatku() const
{
    double suma = 0;
    for (const TPunktowe& f : Sily)
        if (f.X <= 0)
            suma += f.Wartosc;
    return suma;
}

double TObciazeniaPrzesla::SilyNaKoncu(float L) const
{
    double suma = 0;
    for (const TPunktowe& f : Sily)
        if (f.X >= L)
            suma += f.Wartosc;
    return suma;
}

void TObciazeniaPrzesla::Dolacz(const TObciazeniaPrzesla& inne)
{
    Sily.insert(Sily.end(), inne.Sily.begin(), inne.Sily.end());
    Momenty.insert(Momenty.end(), inne.Momenty.begin(), inne.Momenty.end());
    Liniowe.insert(Liniowe.end(), inne.Liniowe.begin(), inne.Liniowe.end());
    Trojkaty.insert(Trojkaty.end(), inne.Trojkaty.begin(), inne.Trojkaty.end());
}

std::vector<TObciazeniaPrzesla> ObciazeniaGrup(const TDaneZadania& zad)
{
    const int32_t n = int32_t(zad.Przesla.size());
    std::vector<TObciazeniaPrzesla> wynik(size_t(TDaneZadania::MaxGrup) * size_t(n));
    const auto lista = [&](int32_t g, int32_t s) -> TObciazeniaPrzesla* {
        if (g < 0 || g >= TDaneZadania::MaxGrup || s < 0 || s >= n)
            return nullptr;
        return &wynik[size_t(g) * size_t(n) + size_t(s)];
    };
    KazdeObciazenie(zad, lista, [](auto& v, auto r, int32_t) { v.push_back(r); });
    return wynik;
}

TObciazeniaPrzesla ObciazeniaWKombinacji(const TDaneZadania& zad, int32_t c, int32_t s)
{
    TObciazeniaPrzesla wynik;
    const auto lista = [&](int32_t, int32_t przeslo) { return przeslo == s ? &wynik : nullptr; };
    KazdeObciazenie(zad, lista, [&](auto& v, auto r, int32_t grupa) {
        const double wsp = Wspolczynnik(zad, c, grupa);
        if (!(wsp > 0)) // 0 or below drops the load; it never reverses it
            return;
        Pomnoz(r, wsp);
        v.push_back(r);
    });
    return wynik;
}

void ObciazeniaKombinacji(TDaneZadania& zad, int32_t c)
{
    ZbierzWszystkie(zad, c);
}

TParaKoncow MomentyOdSily(double P, double a, double L, int32_t kod)
{
    const double b = L - a;
    const double L2 = L * L;
    // Each end's formula is the other's with a and b swapped, evaluated in the
    // same order, so that a mirror image gives the same numbers.
    const auto utwierdzone = [&](double u, double v) { return P * (u * v) * v / L2; };
    const auto przegub = [&](double u, double v) { return P * (u * v) * (L + u) / (2 * L2); };
    switch (kod) {
    case 4:
        return {-utwierdzone(a, b), utwierdzone(b, a)};
    case 3:
        return {0, przegub(a, b)};
    case 2:
        return {-przegub(b, a), 0};
    default:
        return {};
    }
}

TParaKoncow MomentyOdMomentu(double M, double a, double L, int32_t kod)
{
    const double b = L - a;
    const double L2 = L * L;
    switch (kod) {
    case 4:
        return {M * b * (2 * a - b) / L2, M * a * (2 * b - a) / L2};
    case 3:
        return {0, M * (L2 - 3 * a * a) / (2 * L2)};
    case 2:
        return {M * (L2 - 3 * b * b) / (2 * L2), 0};
    default:
        return {};
    }
}

TParaKoncow MomentyOdRownomiernego(double q, double x1, double x2, double L, int32_t kod)
{
    const TParaKoncow d = UgieciaObciazeniaLiniowego(q, q, x1, x2, L);
    return ZUgiec(d.L, d.P, L, kod);
}

TParaKoncow MomentyOdTrojkata(double qMalejaca, double qRosnaca, double x1, double x2, double L, int32_t kod)
{
    if (!(x2 - x1 > 0))
        return {};
    const bool rosnacy = qMalejaca == 0 && qRosnaca > 0;
    const bool malejacy = qMalejaca > 0 && qRosnaca == 0;
    if (!rosnacy && !malejacy)
        return {};
    const TParaKoncow d = UgieciaObciazeniaLiniowego(qMalejaca, qRosnaca, x1, x2, L);
    return ZUgiec(d.L, d.P, L, kod);
}

TParaKoncow MomentyUtwierdzenia(const TObciazeniaPrzesla& obc, int32_t kod, float L)
{
    TParaKoncow wynik;
    if (kod != 2 && kod != 3 && kod != 4)
        return wynik;
    const auto dodaj = [&](TParaKoncow m) {
        wynik.L += m.L;
        wynik.P += m.P;
    };
    for (const auto& f : obc.Sily)
        dodaj(MomentyOdSily(f.Wartosc, f.X, L, kod));
    for (const auto& m : obc.Momenty)
        dodaj(MomentyOdMomentu(m.Wartosc, m.X, L, kod));
    for (const auto& q : obc.Liniowe)
        dodaj(MomentyOdRownomiernego(q.Wartosc, q.X1, q.X2, L, kod));
    for (const auto& t : obc.Trojkaty) {
        dodaj(MomentyOdRownomiernego(t.Stala, t.X1, t.X2, L, kod));
        dodaj(MomentyOdTrojkata(t.Malejaca, t.Rosnaca, t.X1, t.X2, L, kod));
    }
    return wynik;
}

TParaKoncow ReakcjeUtwierdzenia(const TObciazeniaPrzesla& obc, double momentUtwL, double momentUtwP, float L)
{
    const double Lp = L == 0 ? 1.0 : double(L);
    double lewa = 0;  // Σ resultant · (L′ − position)
    double prawa = 0; // Σ resultant · position
    double momenty = 0;
    const auto wypadkowa = [&](double R, double x) {
        lewa += R * (Lp - x);
        prawa += R * x;
    };
    for (const auto& f : obc.Sily)
        wypadkowa(f.Wartosc, f.X);
    for (const auto& m : obc.Momenty)
        momenty += m.Wartosc;
    for (const auto& q : obc.Liniowe)
        wypadkowa(q.Wartosc * (double(q.X2) - q.X1), (double(q.X1) + q.X2) / 2);
    for (const auto& t : obc.Trojkaty) {
        const double x1 = t.X1;
        const double c = double(t.X2) - x1;
        wypadkowa(t.Stala * c, (x1 + double(t.X2)) / 2);
        double polozenie = (x1 + double(t.X2)) / 2;
        if (t.Malejaca > t.Rosnaca)
            polozenie = x1 + c / 3;
        else if (t.Rosnaca > t.Malejaca)
            polozenie = x1 + 2 * c / 3;
        wypadkowa((t.Malejaca + t.Rosnaca) / 2 * c, polozenie);
    }
    const double konce = momentUtwL + momentUtwP;
    return {(lewa - momenty - konce) / Lp, (prawa + momenty + konce) / Lp};
}
