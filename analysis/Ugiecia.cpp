#include "analysis/Ugiecia.h"

#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

TUgieciaPrzesla::TUgieciaPrzesla(const TWielomianyPrzesla& momenty, double EJ, float L)
    : granice_(momenty.Granice())
    , L_(L)
{
    const auto& m = momenty.Odcinki();
    odcinki_.resize(m.size());
    // Integrated from the first segment's origin with zero constants, carried
    // over each boundary, and set right by a line through both supports.
    // A span without stiffness (only a task built in code can have one: the
    // dialog and the reader refuse it) is left straight rather than infinite.
    const double podatnosc = EJ > 0 && std::isfinite(EJ) ? 1 / EJ : 0;
    double fi0 = 0, w0 = 0;
    for (size_t j = 0; j < m.size(); ++j) {
        TOdcinekUgiec& o = odcinki_[j];
        o.Poczatek = m[j].Poczatek;
        o.Fi.A[0] = fi0;
        for (int k = 0; k <= 3; ++k)
            o.Fi.A[k + 1] = -m[j].M.A[k] * podatnosc / (k + 1);
        o.W.A[0] = w0;
        for (int k = 0; k <= 4; ++k)
            o.W.A[k + 1] = o.Fi.A[k] / (k + 1);
        if (j + 1 < m.size()) {
            const double t = double(granice_[j]) - o.Poczatek;
            fi0 = o.Fi(t);
            w0 = o.W(t);
        }
    }
    const double wL = W(L), wp = W(0);
    const double b = -(wL - wp) / L, a = -wp;
    for (TOdcinekUgiec& o : odcinki_) {
        o.W.A[0] += a + b * o.Poczatek;
        o.W.A[1] += b;
        o.Fi.A[0] += b;
    }
}

const TOdcinekUgiec& TUgieciaPrzesla::Odcinek(double x) const
{
    const auto j =
        std::upper_bound(granice_.begin(), granice_.end(), x, [](double v, float g) { return v < double(g); }) -
        granice_.begin();
    return odcinki_[size_t(j)];
}

double TUgieciaPrzesla::Fi(double x) const
{
    const TOdcinekUgiec& o = Odcinek(x);
    return o.Fi(x - o.Poczatek);
}

double TUgieciaPrzesla::W(double x) const
{
    const TOdcinekUgiec& o = Odcinek(x);
    return o.W(x - o.Poczatek);
}

void TUgieciaPrzesla::Dodaj(const TUgieciaPrzesla& inne, double w)
{
    const size_t n = std::min(odcinki_.size(), inne.odcinki_.size());
    for (size_t j = 0; j < n; ++j) {
        odcinki_[j].Fi.Dodaj(inne.odcinki_[j].Fi, w);
        odcinki_[j].W.Dodaj(inne.odcinki_[j].W, w);
    }
}

namespace {

double Wartosc(const std::vector<double>& a, double t)
{
    double v = 0;
    for (size_t k = a.size(); k-- > 0;)
        v = v * t + a[k];
    return v;
}

// The root in [p, q] of a polynomial monotone there whose values at the ends differ in sign.
double Bisekcja(const std::vector<double>& a, double p, double q)
{
    double fp = Wartosc(a, p);
    for (;;) {
        const double s = p + (q - p) / 2;
        if (s <= p || s >= q)
            return s;
        const double fs = Wartosc(a, s);
        if (fs == 0)
            return s;
        if ((fs < 0) == (fp < 0)) {
            p = s;
            fp = fs;
        } else {
            q = s;
        }
    }
}

} // namespace

std::vector<double> PierwiastkiWielomianu(std::vector<double> a, double od, double do_)
{
    while (!a.empty() && a.back() == 0)
        a.pop_back();
    if (a.size() <= 3) {
        a.resize(3, 0.0);
        return PierwiastkiKwadratowe(a[0], a[1], a[2], od, do_);
    }
    // Between neighbouring roots of the derivative the polynomial is monotone.
    std::vector<double> pochodna(a.size() - 1);
    for (size_t k = 1; k < a.size(); ++k)
        pochodna[k - 1] = double(k) * a[k];
    std::vector<double> punkty{od};
    for (const double r : PierwiastkiWielomianu(pochodna, od, do_))
        punkty.push_back(r);
    punkty.push_back(do_);
    std::vector<double> t;
    for (size_t i = 0; i + 1 < punkty.size(); ++i) {
        const double p = punkty[i], q = punkty[i + 1];
        const double fp = Wartosc(a, p), fq = Wartosc(a, q);
        if (i > 0 && fp == 0)
            t.push_back(p);
        else if ((fp < 0 && fq > 0) || (fp > 0 && fq < 0))
            t.push_back(Bisekcja(a, p, q));
    }
    std::erase_if(t, [&](double v) { return !(v > od && v < do_); });
    return t;
}

TEkstrema EkstremaUgiec(const TUgieciaPrzesla& u, float L)
{
    TEkstrema e;
    const auto dolicz = [&](double x, double v) {
        if (e.Max < v) {
            e.Max = v;
            e.XMax = x;
            e.JestMax = 1;
        }
        if (e.Min > v) {
            e.Min = v;
            e.XMin = x;
            e.JestMin = 1;
        }
    };
    const auto& g = u.Granice();
    const auto& odcinki = u.Odcinki();
    for (size_t j = 0; j < odcinki.size(); ++j) {
        const double a = j == 0 ? 0.0 : std::max(0.0, double(g[j - 1]));
        const double b = j < g.size() ? std::min(double(L), double(g[j])) : double(L);
        if (!(a < b))
            continue;
        const TOdcinekUgiec& o = odcinki[j];
        dolicz(a, a == 0 ? 0.0 : o.W(a - o.Poczatek));
        for (const double t : PierwiastkiWielomianu({o.Fi.A.begin(), o.Fi.A.end()}, a - o.Poczatek, b - o.Poczatek))
            dolicz(o.Poczatek + t, o.W(t));
    }
    dolicz(L, 0.0);
    UstalSkale(e);
    return e;
}

bool SztywnoscJednostkowa(const TDaneZadania& zad)
{
    return std::all_of(zad.Przesla.begin(), zad.Przesla.end(),
                       [](const TPrzeslo& p) { return p.E == 1.0f && p.J == 1.0f; });
}

const char* JednostkaUgiec(const TDaneZadania& zad)
{
    return SztywnoscJednostkowa(zad) ? "kNm3" : "mm";
}

double SkalaUgiec(const TDaneZadania& zad)
{
    return SztywnoscJednostkowa(zad) ? 1.0 : 1000.0;
}

double LPrzezW(const TEkstrema& w, float L)
{
    const double f = std::max(std::abs(w.Max), std::abs(w.Min));
    return f > 0 ? double(L) / f : 0.0;
}

std::vector<double> KatyObrotu(const TWyniki& wyn, int32_t c)
{
    std::vector<double> k;
    if (c < 0 || size_t(c) >= wyn.Ugiecia.size())
        return k;
    const std::vector<TUgieciaPrzesla>& u = wyn.Ugiecia[size_t(c)];
    for (const TUgieciaPrzesla& p : u)
        k.push_back(p.Fi(0));
    if (!u.empty())
        k.push_back(u.back().Fi(u.back().L()));
    return k;
}
