#include "analysis/Ugiecia.h"

#include "analysis/Wyniki.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

constexpr int32_t MaxStopien = 5;

// Σ a[k]·t^k, k = 0 … n.
double Wartosc(const double* a, int32_t n, double t)
{
    double v = a[n];
    for (int32_t k = n - 1; k >= 0; --k)
        v = v * t + a[k];
    return v;
}

// The root in (p, q) of a polynomial monotone there whose values at the ends
// differ in sign (fp at p). Newton's steps from the middle, kept inside the
// bracket the values found so far give; where a step would leave it or would
// not halve |f|, the bracket is halved instead. Ends when a step no longer
// moves the point by more than a few units in the last place, or when the
// bracket holds no double between its ends.
double Pierwiastek(const double* a, int32_t n, double p, double q, double fp)
{
    constexpr double Dokladnosc = 4 * std::numeric_limits<double>::epsilon();
    double x = p + (q - p) / 2, poprzedni = std::numeric_limits<double>::infinity();
    for (int32_t i = 0; i < 200; ++i) {
        double f = a[n], d = 0;
        for (int32_t k = n - 1; k >= 0; --k) {
            d = d * x + f;
            f = f * x + a[k];
        }
        if (f == 0)
            return x;
        if ((f < 0) == (fp < 0)) {
            p = x;
            fp = f;
        } else {
            q = x;
        }
        const double s = p + (q - p) / 2;
        if (s <= p || s >= q)
            return x;
        double nowy = x - f / d;
        if (!(nowy > p && nowy < q) || std::abs(f) > poprzedni / 2)
            nowy = s;
        else if (std::abs(nowy - x) <= Dokladnosc * std::abs(nowy))
            return nowy;
        poprzedni = std::abs(f);
        x = nowy;
    }
    return x;
}

// True when Σ a[k]·t^k keeps one sign over [od, do_], by a bound, the
// rounding of the bound included: expanded about od, each term of a positive
// power lies between 0 and its value at do_.
bool JedenZnak(const double* a, int32_t n, double od, double do_)
{
    double c[MaxStopien + 1];
    std::copy_n(a, n + 1, c);
    // Taylor's shift to od by repeated synthetic division.
    if (od != 0)
        for (int32_t i = 0; i < n; ++i)
            for (int32_t k = n - 1; k >= i; --k)
                c[k] += od * c[k + 1];
    const double h = do_ - od;
    double dol = c[0], gora = c[0], skala = std::abs(c[0]), hk = 1;
    for (int32_t k = 1; k <= n; ++k) {
        hk *= h;
        const double v = c[k] * hk;
        (v < 0 ? dol : gora) += v;
        skala += std::abs(v);
    }
    const double luz = 1e-12 * skala;
    return dol > luz || gora < -luz;
}

} // namespace

int32_t PierwiastkiWielomianu(const double* a, int32_t stopien, double od, double do_, double* t)
{
    int32_t n = std::min(stopien, MaxStopien);
    while (n >= 0 && a[n] == 0)
        --n;
    if (n <= 2)
        return n < 0 ? 0 : PierwiastkiKwadratowe(a[0], n >= 1 ? a[1] : 0, n == 2 ? a[2] : 0, od, do_, t);
    // Between neighbouring roots of the derivative the polynomial is monotone.
    double pochodna[MaxStopien], punkty[MaxStopien + 1];
    for (int32_t k = 1; k <= n; ++k)
        pochodna[k - 1] = double(k) * a[k];
    punkty[0] = od;
    const int32_t m = 1 + PierwiastkiWielomianu(pochodna, n - 1, od, do_, punkty + 1);
    punkty[m] = do_;
    int32_t ile = 0;
    double fp = Wartosc(a, n, od);
    for (int32_t i = 0; i < m; ++i) {
        const double p = punkty[i], q = punkty[i + 1];
        const double fq = Wartosc(a, n, q);
        double r = std::numeric_limits<double>::quiet_NaN();
        if (i > 0 && fp == 0)
            r = p;
        else if ((fp < 0 && fq > 0) || (fp > 0 && fq < 0))
            r = Pierwiastek(a, n, p, q, fp);
        // A double root of the derivative bounds a piece of no length: its root is the previous one.
        if (r > od && r < do_ && (ile == 0 || r > t[ile - 1]))
            t[ile++] = r;
        fp = fq;
    }
    return ile;
}

std::vector<double> PierwiastkiWielomianu(std::vector<double> a, double od, double do_)
{
    a.resize(std::max<size_t>(a.size(), 1), 0.0);
    double t[MaxStopien];
    return std::vector<double>(t, t + PierwiastkiWielomianu(a.data(), int32_t(a.size()) - 1, od, do_, t));
}

TEkstrema EkstremaUgiec(const TUgieciaPrzesla& u, float L)
{
    TEkstrema e;
    const auto& g = u.Granice();
    const auto& odcinki = u.Odcinki();
    for (size_t j = 0; j < odcinki.size(); ++j) {
        const double a = j == 0 ? 0.0 : std::max(0.0, double(g[j - 1]));
        const double b = j < g.size() ? std::min(double(L), double(g[j])) : double(L);
        if (!(a < b))
            continue;
        const TOdcinekUgiec& o = odcinki[j];
        DodajDoEkstremow(e, a, a == 0 ? 0.0 : o.W(a - o.Poczatek));
        // Most segments hold no point of zero rotation, and a bound tells which.
        const double od = a - o.Poczatek, do_ = b - o.Poczatek;
        if (JedenZnak(o.Fi.A.data(), 4, od, do_))
            continue;
        double t[4];
        const int32_t ile = PierwiastkiWielomianu(o.Fi.A.data(), 4, od, do_, t);
        for (int32_t i = 0; i < ile; ++i)
            DodajDoEkstremow(e, o.Poczatek + t[i], o.W(t[i]));
    }
    DodajDoEkstremow(e, L, 0.0);
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
