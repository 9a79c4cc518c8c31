#include "analysis/Probkowanie.h"

#include "analysis/Obciazenia.h"
#include "analysis/Wielomiany.h"

#include <algorithm>
#include <cmath>

namespace {

// Sampling grid: one sample per centimetre; a load within the tolerance of a
// sample marks it, and jumps are read the offset left and right of it.
constexpr float Tolerancja = 0.005f;
constexpr float Przesuniecie = 0.001f;

enum Znacznik : uint8_t {
    ZnMoment = 1,
    ZnSila = 2,
    ZnWewnatrz = 4,
    ZnKraniec = 8,
};

// Sample i in extended precision, as the marks compare it with the loads.
long double XDokladne(int32_t i)
{
    return i / 100.0L;
}

// The samples i that can lie in [od, do_] (sample units), within 1 … n.
std::pair<int32_t, int32_t> Zakres(int32_t n, long double od, long double do_)
{
    // Clamped before the conversion: a load far outside its span must not overflow the index.
    od = std::clamp<long double>(od, -1, n + 1);
    do_ = std::clamp<long double>(do_, -1, n + 1);
    return {std::max<int32_t>(1, int32_t(std::floor(od)) - 1), std::min<int32_t>(n, int32_t(std::ceil(do_)) + 1)};
}

// The marks of one span's samples, and for the point loads that make a jump
// at a sample the leftmost and rightmost of them: the jump is read just left
// of the one and just right of the other. Reading it at a fixed offset from
// the sample missed a load lying between the offset and the tolerance, and
// the diagram then sloped on to the next sample instead of jumping.
class TZnaczniki {
public:
    explicit TZnaczniki(int32_t n) : n_(n), znak_(size_t(n) + 1, 0), pokrycie_(size_t(n) + 2, 0) {}

    // Samples within the tolerance of a point at a.
    void Punkt(float a, uint8_t znak, bool skok)
    {
        const long double t = Tolerancja;
        const auto [i0, i1] = Zakres(n_, 100.0L * (a - t), 100.0L * (a + t));
        for (int32_t i = i0; i <= i1; ++i) {
            const long double x = XDokladne(i);
            if (!(x - t < a && a < x + t))
                continue;
            znak_[size_t(i)] |= znak;
            if (skok)
                Skok(i, a);
        }
    }

    // Samples whose tolerance lies wholly inside (x1, x2).
    void Wewnatrz(float x1, float x2)
    {
        const long double t = Tolerancja;
        Pokryj(
            100.0L * (x1 + t), 100.0L * (x2 - t), [&](long double x) { return x1 < x - t; },
            [&](long double x) { return x + t < x2; });
    }

    // Samples whose tolerance touches [x1, x2].
    void Dotyka(float x1, float x2)
    {
        const long double t = Tolerancja;
        Pokryj(
            100.0L * (x1 - t), 100.0L * (x2 + t), [&](long double x) { return x + t >= x1; },
            [&](long double x) { return x - t <= x2; });
    }

    // The marks of samples 0 … n, the stretches included.
    const std::vector<uint8_t>& Gotowe()
    {
        int32_t pokryte = 0;
        for (int32_t i = 0; i <= n_; ++i) {
            pokryte += pokrycie_[size_t(i)];
            if (pokryte > 0)
                znak_[size_t(i)] |= ZnWewnatrz;
        }
        return znak_;
    }

    // Sections just left and right of the jump at sample i (a load counts where a ≤ x).
    float Lewy(int32_t i) const
    {
        const float lewy = float(XDokladne(i) - Przesuniecie);
        const float od = Jump(i).Od;
        return lewy < od ? lewy : float(od - (long double)Przesuniecie);
    }
    float Prawy(int32_t i) const
    {
        const float prawy = float(XDokladne(i) + Przesuniecie);
        const float do_ = Jump(i).Do;
        return prawy >= do_ ? prawy : float(do_ + (long double)Przesuniecie);
    }

private:
    struct TSkok {
        int32_t I = 0;
        float Od = INFINITY;
        float Do = -INFINITY;
    };

    void Skok(int32_t i, float a)
    {
        auto s = std::ranges::find(skoki_, i, &TSkok::I);
        if (s == skoki_.end())
            s = skoki_.insert(skoki_.end(), TSkok{i});
        s->Od = std::min(s->Od, a);
        s->Do = std::max(s->Do, a);
    }
    TSkok Jump(int32_t i) const
    {
        const auto s = std::ranges::find(skoki_, i, &TSkok::I);
        return s == skoki_.end() ? TSkok{i} : *s;
    }

    // Marks the samples in the range that satisfy both conditions: a run,
    // since the first holds from some sample on and the second up to some
    // sample. Only its ends are sought; the run is marked at the end.
    template <class Od, class Do>
    void Pokryj(long double od, long double do_, Od warunekOd, Do warunekDo)
    {
        auto [i0, i1] = Zakres(n_, od, do_);
        while (i0 <= i1 && !warunekOd(XDokladne(i0)))
            ++i0;
        while (i1 >= i0 && !warunekDo(XDokladne(i1)))
            --i1;
        if (i0 > i1)
            return;
        ++pokrycie_[size_t(i0)];
        --pokrycie_[size_t(i1) + 1];
    }

    int32_t n_;
    std::vector<uint8_t> znak_;
    std::vector<int32_t> pokrycie_; // +1 where a marked run starts, −1 after its end
    std::vector<TSkok> skoki_;
};

// Point loads that no inner sample catches: within the tolerance of the
// span's start, or past the last sample's tolerance up to the end. Their
// jumps stand at x = 0 and x = L; the largest start and the smallest end
// position are kept (-1 and +inf when there is none).
struct TKonce {
    float Poczatek = -1;
    float Koniec = INFINITY;
    void Dodaj(float a, int32_t n)
    {
        if (a >= 0 && a < Tolerancja)
            Poczatek = std::max(Poczatek, a);
        else if (a >= Tolerancja && (long double)a >= XDokladne(n) + (long double)Tolerancja)
            Koniec = std::min(Koniec, a);
    }
};

class TBudowa {
public:
    explicit TBudowa(size_t ilosc) { p_.Punkty.reserve(ilosc); }

    void Punkt(float x, float przekroj) { p_.Punkty.push_back({x, przekroj}); }

    // The points of a jump at the span's ends: right of the loads at the
    // start (the section at a load counts it) and left of those at the end.
    void Konce(const TKonce& konce, float L, bool poczatek)
    {
        if (poczatek && konce.Poczatek >= 0)
            Punkt(0, konce.Poczatek);
        if (!poczatek && konce.Koniec <= L)
            Punkt(L, std::nextafter(konce.Koniec, -INFINITY));
    }

    // The inner samples 1 … n that carry a mark: a jump of the kind `skok` as
    // two points read just left and right of it, any other mark as one point.
    void Siatka(TZnaczniki& znaczniki, int32_t n, uint8_t skok)
    {
        const std::vector<uint8_t>& z = znaczniki.Gotowe();
        for (int32_t i = 1; i <= n; ++i) {
            if (!z[size_t(i)])
                continue;
            const float x = XSiatki(i);
            if (z[size_t(i)] & skok) {
                Punkt(x, znaczniki.Lewy(i));
                Punkt(x, znaczniki.Prawy(i));
            } else {
                Punkt(x, x);
            }
        }
    }

    // The runs of points in one segment of the polynomials of boundaries g.
    TProbkiLinii Gotowe(const std::vector<float>& g)
    {
        size_t j = 0; // segment: the number of boundaries at or left of the section
        auto& przebiegi = p_.Przebiegi;
        for (size_t i = 0; i < p_.Punkty.size(); ++i) {
            const float x = p_.Punkty[i].Przekroj;
            while (j < g.size() && g[j] <= x)
                ++j;
            while (j > 0 && x < g[j - 1]) // loads close together can put a section left of the last one
                --j;
            if (przebiegi.empty() || przebiegi.back().Odcinek != int32_t(j))
                przebiegi.push_back({int32_t(i), int32_t(i), int32_t(j)});
            przebiegi.back().Do = int32_t(i) + 1;
        }
        return std::move(p_);
    }

private:
    TProbkiLinii p_;
};

template <class Wartosc>
void Wartosci(const TProbkiLinii& p, const TWielomianyPrzesla& w, double poczatek, double koniec,
              std::vector<double>& v, Wartosc wartosc)
{
    const size_t n = p.Punkty.size();
    v.resize(n);
    if (n == 0)
        return;
    const auto& odcinki = w.Odcinki();
    for (const TProbkiLinii::TPrzebieg& r : p.Przebiegi) {
        const TOdcinekWielomianow& o = odcinki[size_t(std::min<int32_t>(r.Odcinek, int32_t(odcinki.size()) - 1))];
        for (int32_t i = r.Od; i < r.Do; ++i)
            v[size_t(i)] = wartosc(o, double(p.Punkty[size_t(i)].Przekroj) - o.Poczatek);
    }
    v.front() = poczatek;
    v.back() = koniec;
}

} // namespace

TProbkiLinii ProbkiMomentow(const TObciazeniaPrzesla& dzialajace, float L, const std::vector<float>& granice)
{
    const int32_t n = IloscProbek(L);
    TZnaczniki znaczniki(n);
    TKonce konce;
    for (const auto& m : dzialajace.Momenty) {
        znaczniki.Punkt(m.X, ZnMoment, true);
        konce.Dodaj(m.X, n);
    }
    for (const auto& f : dzialajace.Sily)
        znaczniki.Punkt(f.X, ZnSila, false);
    for (const auto& q : dzialajace.Liniowe)
        znaczniki.Wewnatrz(q.X1, q.X2);
    for (const auto& t : dzialajace.Trojkaty)
        znaczniki.Wewnatrz(t.X1, t.X2);

    TBudowa b(size_t(n) + 4);
    b.Punkt(0, 0);
    b.Konce(konce, L, true);
    b.Siatka(znaczniki, n, ZnMoment);
    b.Konce(konce, L, false);
    b.Punkt(L, L);
    return b.Gotowe(granice);
}

TProbkiLinii ProbkiTnacych(const TObciazeniaPrzesla& dzialajace, float L, const std::vector<float>& granice)
{
    const int32_t n = IloscProbek(L);
    TZnaczniki znaczniki(n);
    TKonce konce;
    for (const auto& f : dzialajace.Sily) {
        znaczniki.Punkt(f.X, ZnSila, true);
        // A force standing on a support is carried by it directly: the span's
        // shear line does not jump there.
        if (f.X > 0 && f.X < L)
            konce.Dodaj(f.X, n);
    }
    for (const auto& q : dzialajace.Liniowe) {
        znaczniki.Punkt(q.X1, ZnKraniec, false);
        znaczniki.Punkt(q.X2, ZnKraniec, false);
    }
    for (const auto& t : dzialajace.Trojkaty)
        znaczniki.Dotyka(t.X1, t.X2);

    TBudowa b(size_t(n) + 4);
    b.Punkt(0, 0);
    b.Konce(konce, L, true);
    b.Siatka(znaczniki, n, ZnSila);
    b.Konce(konce, L, false);
    b.Punkt(L, L);
    return b.Gotowe(granice);
}

void WartosciMomentow(const TProbkiLinii& p, const TWielomianyPrzesla& w, double poczatek, double koniec,
                      std::vector<double>& v)
{
    Wartosci(p, w, poczatek, koniec, v, [](const TOdcinekWielomianow& o, double t) { return o.M(t); });
}

void WartosciTnacych(const TProbkiLinii& p, const TWielomianyPrzesla& w, double poczatek, double koniec,
                     std::vector<double>& v)
{
    Wartosci(p, w, poczatek, koniec, v, [](const TOdcinekWielomianow& o, double t) { return o.T(t); });
}

int32_t IloscProbek(float L)
{
    // The last sample stands at least the tolerance before the end, so that a
    // load at x = L marks no sample. Counted in extended precision from L in
    // single precision: 4,10 stored as 4,0999999 still has its sample at 4,09.
    const long double n = std::floor(100.0L * L - 100.0L * (long double)Tolerancja);
    return int32_t(std::clamp<long double>(n, 0, 99999));
}

float XSiatki(int32_t i)
{
    // i/100 in double, then in single precision: the same float as i/100 in
    // extended precision for every sample of the grid (a test checks it).
    return float(i / 100.0);
}

std::vector<float> PrzekrojeObwiedni(float L)
{
    const int32_t n = IloscProbek(L);
    std::vector<float> x(size_t(n) + 2);
    x[0] = 0;
    for (int32_t i = 1; i <= n; ++i)
        x[size_t(i)] = XSiatki(i);
    x[size_t(n) + 1] = L;
    return x;
}

std::vector<TPrzebiegPrzekrojow> PrzebiegiPrzekrojow(const TProbkiLinii& p, const std::vector<float>& przekroje)
{
    std::vector<TPrzebiegPrzekrojow> przebiegi;
    const auto& punkty = p.Punkty;
    const int32_t ilosc = int32_t(punkty.size()), K = int32_t(przekroje.size());
    int32_t kursor = 0; // the first point at or right of the section
    TPrzebiegPrzekrojow biezacy{0, 0, 0, -1};
    for (int32_t k = 0; k < K; ++k) {
        const float x = przekroje[size_t(k)];
        while (kursor < ilosc && punkty[size_t(kursor)].X < x)
            ++kursor;
        int32_t ile = 0;
        while (kursor + ile < ilosc && punkty[size_t(kursor + ile)].X == x)
            ++ile;
        // A run goes on over sections read alike: between the same two
        // points, or each on the point after the previous one's.
        const bool dalej =
            biezacy.Ile == ile && ile < 2 && biezacy.Pierwszy + (ile == 1 ? k - biezacy.Od : 0) == kursor;
        if (!dalej) {
            if (biezacy.Ile >= 0)
                przebiegi.push_back(biezacy);
            biezacy = {k, k, kursor, ile};
        }
        biezacy.Do = k + 1;
    }
    if (biezacy.Ile >= 0)
        przebiegi.push_back(biezacy);
    return przebiegi;
}
