#include "analysis/Wielomiany.h"

#include "analysis/Obciazenia.h"
#include "analysis/Wyniki.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// (t + e)^k, k = 0 … 3, in powers of t.
TWielomian<3> Potega(double e, int k)
{
    switch (k) {
    case 0:
        return {{1, 0, 0, 0}};
    case 1:
        return {{e, 1, 0, 0}};
    case 2:
        return {{e * e, 2 * e, 1, 0}};
    default:
        return {{e * e * e, 3 * e * e, 3 * e, 1}};
    }
}

// M and T contributed on one segment, as functions of t = x − origin.
struct TWklad {
    TWielomian<3> M;
    TWielomian<2> T;

    // Adds w·(t + e)^k to M and its derivative to T.
    void Dodaj(double w, double e, int k)
    {
        const TWielomian<3> p = Potega(e, k);
        M.Dodaj(p, w);
        for (int i = 0; i < 3; ++i)
            T.A[i] += w * (i + 1) * p.A[i + 1];
    }
};

} // namespace

TWielomianyPrzesla::TWielomianyPrzesla() : TWielomianyPrzesla(std::vector<float>{}) {}

TWielomianyPrzesla::TWielomianyPrzesla(std::vector<float> granice)
    : granice_(std::move(granice))
    , odcinki_(granice_.size() + 1)
{
    odcinki_[0].Poczatek = granice_.empty() ? 0.0 : std::min(0.0, double(granice_[0]));
    for (size_t j = 1; j < odcinki_.size(); ++j)
        odcinki_[j].Poczatek = granice_[j - 1];
}

int32_t TWielomianyPrzesla::Odcinek(double x) const
{
    return int32_t(
        std::upper_bound(granice_.begin(), granice_.end(), x, [](double v, float b) { return v < double(b); }) -
        granice_.begin());
}

double TWielomianyPrzesla::M(double x) const
{
    const TOdcinekWielomianow& o = odcinki_[size_t(Odcinek(x))];
    return o.M(x - o.Poczatek);
}

double TWielomianyPrzesla::T(double x) const
{
    const TOdcinekWielomianow& o = odcinki_[size_t(Odcinek(x))];
    return o.T(x - o.Poczatek);
}

TStronyPrzekroju TWielomianyPrzesla::MNaGranicy(int32_t j) const
{
    const TOdcinekWielomianow& lewy = odcinki_[size_t(j)];
    return {lewy.M(granice_[size_t(j)] - lewy.Poczatek), odcinki_[size_t(j) + 1].M.A[0]};
}

TStronyPrzekroju TWielomianyPrzesla::TNaGranicy(int32_t j) const
{
    const TOdcinekWielomianow& lewy = odcinki_[size_t(j)];
    return {lewy.T(granice_[size_t(j)] - lewy.Poczatek), odcinki_[size_t(j) + 1].T.A[0]};
}

void TWielomianyPrzesla::DodajObciazenia(const TObciazeniaPrzesla& obc, double w)
{
    // The first segment that starts at or right of a: the first the load acts on.
    const auto od = [&](float a) {
        return size_t(std::lower_bound(granice_.begin(), granice_.end(), a) - granice_.begin()) + 1;
    };
    const size_t n = odcinki_.size();
    const auto dodaj = [&](size_t j, const TWklad& k) {
        odcinki_[j].M.Dodaj(k.M, w);
        odcinki_[j].T.Dodaj(k.T, w);
    };
    // Each load as the section-by-section sums of the direct evaluation:
    // −P·(x − a) right of a force, +M right of a moment, −q·(x − x1)²/2
    // inside a uniform load and its resultant times the lever right of it, …
    for (const auto& f : obc.Sily)
        for (size_t j = od(f.X); j < n; ++j) {
            TWklad k;
            k.Dodaj(-f.Wartosc, odcinki_[j].Poczatek - f.X, 1);
            dodaj(j, k);
        }
    for (const auto& m : obc.Momenty)
        for (size_t j = od(m.X); j < n; ++j) {
            TWklad k;
            k.Dodaj(m.Wartosc, 0, 0);
            dodaj(j, k);
        }
    // A stretch [x1, x2] acts inside from x1 on and as its resultant right of x2.
    const auto odcinek = [&](float x1, float x2, auto wewnatrz, auto za) {
        const size_t j1 = od(x1), j2 = od(x2);
        for (size_t j = j1; j < j2 && j < n; ++j) {
            TWklad k;
            wewnatrz(k, odcinki_[j].Poczatek - x1);
            dodaj(j, k);
        }
        for (size_t j = j2; j < n; ++j) {
            TWklad k;
            za(k, odcinki_[j].Poczatek);
            dodaj(j, k);
        }
    };
    for (const auto& q : obc.Liniowe) {
        const double c = double(q.X2) - q.X1, srodek = (double(q.X1) + q.X2) / 2;
        odcinek(
            q.X1, q.X2, [&](TWklad& k, double e) { k.Dodaj(-q.Wartosc / 2, e, 2); },
            [&](TWklad& k, double o) { k.Dodaj(-q.Wartosc * c, o - srodek, 1); });
    }
    for (const auto& t : obc.Trojkaty) {
        const double c = double(t.X2) - t.X1, srodek = (double(t.X1) + t.X2) / 2;
        const double u = t.Stala, m = t.Malejaca, r = t.Rosnaca;
        const bool rosnacy = m < r;
        const double ramie = rosnacy ? c / 3 : 2 * c / 3;
        odcinek(
            t.X1, t.X2,
            [&](TWklad& k, double e) {
                k.Dodaj(-u / 2, e, 2);
                if (!(c > 0)) // a stretch of no length carries nothing more
                    return;
                if (rosnacy) {
                    k.Dodaj(-r / (6 * c), e, 3); // r·d³/(6c), d = x − x1
                } else {
                    k.Dodaj(-m / 2, e, 2); // m·d²/2 − m·d³/(6c)
                    k.Dodaj(m / (6 * c), e, 3);
                }
            },
            [&](TWklad& k, double o) {
                k.Dodaj(-u * c, o - srodek, 1);
                k.Dodaj(-(m + r) / 2 * c, o - double(t.X2) + ramie, 1);
            });
    }
}

void TWielomianyPrzesla::Dodaj(const TWielomianyPrzesla& inne, double w)
{
    const size_t n = std::min(odcinki_.size(), inne.odcinki_.size());
    for (size_t j = 0; j < n; ++j) {
        odcinki_[j].M.Dodaj(inne.odcinki_[j].M, w);
        odcinki_[j].T.Dodaj(inne.odcinki_[j].T, w);
    }
}

void TWielomianyPrzesla::DodajKonce(double ML, double TL)
{
    for (TOdcinekWielomianow& o : odcinki_) {
        o.M.A[0] += ML - TL * o.Poczatek;
        o.M.A[1] -= TL;
        o.T.A[0] -= TL;
    }
}

std::vector<float> GraniceObciazen(const TObciazeniaPrzesla& obc)
{
    std::vector<float> g;
    for (const auto& f : obc.Sily)
        g.push_back(f.X);
    for (const auto& m : obc.Momenty)
        g.push_back(m.X);
    for (const auto& q : obc.Liniowe) {
        g.push_back(q.X1);
        g.push_back(q.X2);
    }
    for (const auto& t : obc.Trojkaty) {
        g.push_back(t.X1);
        g.push_back(t.X2);
    }
    std::sort(g.begin(), g.end());
    g.erase(std::unique(g.begin(), g.end()), g.end());
    return g;
}

std::vector<float> PolaczGranice(const std::vector<float>& a, const std::vector<float>& b)
{
    std::vector<float> g;
    g.reserve(a.size() + b.size());
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(g));
    return g;
}

int32_t PierwiastkiKwadratowe(double a, double b, double c, double od, double do_, double* t)
{
    int32_t n = 0;
    const auto dodaj = [&](double v) {
        if (v > od && v < do_)
            t[n++] = v;
    };
    if (c == 0) {
        if (b != 0)
            dodaj(-a / b);
    } else {
        const double delta = b * b - 4 * c * a;
        if (delta >= 0) {
            // The root of larger magnitude first, the other from their product: no cancellation.
            const double q = -(b + std::copysign(std::sqrt(delta), b)) / 2;
            dodaj(q / c);
            if (q != 0)
                dodaj(a / q);
        }
    }
    if (n == 2 && t[1] < t[0])
        std::swap(t[0], t[1]);
    return n;
}

std::vector<double> PierwiastkiKwadratowe(double a, double b, double c, double od, double do_)
{
    double t[2];
    return std::vector<double>(t, t + PierwiastkiKwadratowe(a, b, c, od, do_, t));
}

namespace {

// Over each segment's part of [0, L], its ends from inside it and the roots
// of its derivative between them; `kraniec` admits a part of no length, the
// side of a jump at x = 0 or x = L outside the span. The first value, at
// x = 0, and the last, at x = L, are the given end values.
template <class Wartosc, class Pierwiastki>
TEkstrema Ekstrema(const TWielomianyPrzesla& w, float L, bool kraniec, double poczatek, double koniec, Wartosc wartosc,
                   Pierwiastki pierwiastki)
{
    struct TKandydat {
        double X, V;
    };
    std::vector<TKandydat> k;
    const auto& g = w.Granice();
    const auto& odcinki = w.Odcinki();
    constexpr double Nieskonczonosc = std::numeric_limits<double>::infinity();
    for (size_t j = 0; j < odcinki.size(); ++j) {
        const double od = j == 0 ? -Nieskonczonosc : double(g[j - 1]);
        const double do_ = j < g.size() ? double(g[j]) : Nieskonczonosc;
        const double a = std::max(od, 0.0), b = std::min(do_, double(L));
        if (a > b || (a == b && !kraniec))
            continue;
        const TOdcinekWielomianow& o = odcinki[j];
        k.push_back({a, wartosc(o, a - o.Poczatek)});
        for (const double t : pierwiastki(o, a - o.Poczatek, b - o.Poczatek))
            k.push_back({o.Poczatek + t, wartosc(o, t)});
        if (b > a)
            k.push_back({b, wartosc(o, b - o.Poczatek)});
    }
    TEkstrema e;
    if (k.empty())
        return e;
    if (k.front().X == 0)
        k.front().V = poczatek;
    if (k.back().X == double(L))
        k.back().V = koniec;
    for (const TKandydat& p : k)
        DodajDoEkstremow(e, p.X, p.V);
    UstalSkale(e);
    return e;
}

} // namespace

TEkstrema EkstremaDokladneM(const TWielomianyPrzesla& w, float L, double poczatek, double koniec)
{
    return Ekstrema(
        w, L, true, poczatek, koniec, [](const TOdcinekWielomianow& o, double t) { return o.M(t); },
        [](const TOdcinekWielomianow& o, double od, double do_) {
            return PierwiastkiKwadratowe(o.M.A[1], 2 * o.M.A[2], 3 * o.M.A[3], od, do_);
        });
}

TEkstrema EkstremaDokladneT(const TWielomianyPrzesla& w, float L, double poczatek, double koniec)
{
    return Ekstrema(
        w, L, false, poczatek, koniec, [](const TOdcinekWielomianow& o, double t) { return o.T(t); },
        [](const TOdcinekWielomianow& o, double od, double do_) {
            return PierwiastkiKwadratowe(o.T.A[1], 2 * o.T.A[2], 0, od, do_);
        });
}
