#include "analysis/Probkowanie.h"

#include "model/Zadanie.h"

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

const std::vector<TWyniki::TWezel>& Siatka(TWyniki& wyn, int32_t n)
{
    for (int32_t i = int32_t(wyn.Siatka.size()); i <= n; ++i) {
        const long double x = i / 100.0L;
        wyn.Siatka.push_back({x, XSiatki(i), float(x - Przesuniecie), float(x + Przesuniecie)});
    }
    return wyn.Siatka;
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
    TZnaczniki(const std::vector<TWyniki::TWezel>& siatka, int32_t n)
        : siatka_(siatka)
        , n_(n)
        , znak_(size_t(n) + 1, 0)
        , od_(size_t(n) + 1, INFINITY)
        , do_(size_t(n) + 1, -INFINITY)
    {
    }

    uint8_t operator[](int32_t i) const { return znak_[i]; }

    // Samples within the tolerance of a point at a.
    void Punkt(float a, uint8_t znak, bool skok)
    {
        const long double t = Tolerancja;
        Oznacz(100.0L * (a - t), 100.0L * (a + t), [&](int32_t i, long double x) {
            if (!(x - t < a && a < x + t))
                return;
            znak_[i] |= znak;
            if (skok) {
                od_[i] = std::min(od_[i], a);
                do_[i] = std::max(do_[i], a);
            }
        });
    }

    // Samples whose tolerance lies wholly inside (x1, x2).
    void Wewnatrz(float x1, float x2)
    {
        const long double t = Tolerancja;
        Oznacz(100.0L * (x1 + t), 100.0L * (x2 - t), [&](int32_t i, long double x) {
            if (x1 < x - t && x + t < x2)
                znak_[i] |= ZnWewnatrz;
        });
    }

    // Samples whose tolerance touches [x1, x2].
    void Dotyka(float x1, float x2)
    {
        const long double t = Tolerancja;
        Oznacz(100.0L * (x1 - t), 100.0L * (x2 + t), [&](int32_t i, long double x) {
            if (x + t >= x1 && x - t <= x2)
                znak_[i] |= ZnWewnatrz;
        });
    }

    // Sections just left and right of the jump at sample i (a load counts where a ≤ x).
    float Lewy(int32_t i) const
    {
        const float lewy = siatka_[i].Lewy;
        return lewy < od_[i] ? lewy : float(od_[i] - (long double)Przesuniecie);
    }
    float Prawy(int32_t i) const
    {
        const float prawy = siatka_[i].Prawy;
        return prawy >= do_[i] ? prawy : float(do_[i] + (long double)Przesuniecie);
    }

private:
    template <class Dzialanie>
    void Oznacz(long double od, long double do_, Dzialanie dzialanie)
    {
        const auto [i0, i1] = Zakres(n_, od, do_);
        for (int32_t i = i0; i <= i1; ++i)
            dzialanie(i, siatka_[i].X);
    }

    const std::vector<TWyniki::TWezel>& siatka_;
    int32_t n_;
    std::vector<uint8_t> znak_;
    std::vector<float> od_;
    std::vector<float> do_;
};

// The used records of the working tables of one span, in table order, with
// their numbers widened once. Evaluating a section walks these instead of the
// slot tables, in double precision throughout.
class TObciazeniaPrzesla {
public:
    explicit TObciazeniaPrzesla(const TDaneZadania& zad)
    {
        for (const TMoment& m : zad.MomentyKomb) {
            if (!m.Uzyta)
                break;
            momenty_.push_back({m.X, m.X, m.Wartosc});
        }
        for (const TSila& f : zad.SilyKomb) {
            if (!f.Uzyta)
                break;
            sily_.push_back({f.X, f.X, f.Wartosc});
        }
        for (const TLiniowe& q : zad.LinioweKomb) {
            if (!q.Uzyta)
                break;
            liniowe_.push_back({q.X1, q.X2, q.Wartosc});
        }
        for (const TTrojkat& t : zad.TrojkatyKomb) {
            if (!t.Uzyta)
                break;
            trojkaty_.push_back({t.X1, t.X2, t.WartoscStala, t.WartoscMalejaca, t.WartoscRosnaca});
        }
    }

    template <class Dzialanie>
    void KazdaSila(Dzialanie d) const
    {
        for (const auto& f : sily_)
            d(f.a);
    }
    template <class Dzialanie>
    void KazdyMoment(Dzialanie d) const
    {
        for (const auto& m : momenty_)
            d(m.a);
    }
    template <class Dzialanie>
    void KazdeLiniowe(Dzialanie d) const
    {
        for (const auto& q : liniowe_)
            d(float(q.x1), float(q.x2));
    }
    template <class Dzialanie>
    void KazdyTrojkat(Dzialanie d) const
    {
        for (const auto& t : trojkaty_)
            d(float(t.x1), float(t.x2));
    }

    // The forces standing on the supports: at the start (a ≤ 0) and at the end (a ≥ L).
    double SilyNaPoczatku() const
    {
        double suma = 0;
        for (const TPunktowe& f : sily_)
            if (f.a <= 0)
                suma += f.wartosc;
        return suma;
    }
    double SilyNaKoncu(float L) const
    {
        double suma = 0;
        for (const TPunktowe& f : sily_)
            if (f.a >= L)
                suma += f.wartosc;
        return suma;
    }

    double Moment(double ML, double TL, float x) const
    {
        double M;
        Momenty(ML, TL, &x, &M, 1);
        return M;
    }

    double Tnaca(double TL, float x) const
    {
        double T;
        Tnace(TL, &x, &T, 1);
        return T;
    }

    // M at n sections given in ascending order. Each section meets the loads
    // in table order, so its value is the one Moment gives; but a load is
    // applied to the whole run of sections it reaches at once, which skips the
    // sections before it and lets the compiler work on several sections per
    // instruction.
    void Momenty(double ML, double TL, const float* x, double* M, size_t n) const
    {
        std::vector<double> xd(x, x + n);
        for (size_t i = 0; i < n; ++i)
            M[i] = ML - TL * xd[i];
        for (const TPunktowe& m : momenty_)
            for (size_t i = Od(x, n, m.a); i < n; ++i)
                M[i] += m.wartosc;
        for (const TPunktowe& f : sily_)
            for (size_t i = Od(x, n, f.a); i < n; ++i)
                M[i] -= f.wartosc * (xd[i] - f.ad);
        for (const TLinioweD& q : liniowe_) {
            const auto [wewnatrz, za] = Przedzialy(xd, q.x1, q.x2);
            for (size_t i = wewnatrz; i < za; ++i)
                M[i] -= q.q * (xd[i] - q.x1) * (xd[i] - q.x1) / 2;
            for (size_t i = za; i < n; ++i)
                M[i] -= q.q * (q.x2 - q.x1) * (xd[i] - (q.x1 + q.x2) / 2);
        }
        for (const TTrojkatD& t : trojkaty_) {
            const double c = t.x2 - t.x1, u = t.u, m = t.m, r = t.r;
            const auto [wewnatrz, za] = Przedzialy(xd, t.x1, t.x2);
            for (size_t i = wewnatrz; i < za; ++i) {
                const double d = xd[i] - t.x1;
                M[i] -= u * d * d / 2;
            }
            if (c > 0) { // a stretch of no length carries nothing more
                if (m < r) {
                    for (size_t i = wewnatrz; i < za; ++i) {
                        const double d = xd[i] - t.x1;
                        const double qx = d / c * r;
                        M[i] -= (qx / 2.0) * d * d / 3;
                    }
                } else {
                    for (size_t i = wewnatrz; i < za; ++i) {
                        const double d = xd[i] - t.x1;
                        const double qx = (t.x2 - xd[i]) / c * m;
                        M[i] -= qx * d * d / 2;
                        M[i] -= ((m - qx) / 2) * d * (2.0 / 3) * d;
                    }
                }
            }
            const double ramie = m < r ? c / 3 : 2 * c / 3;
            for (size_t i = za; i < n; ++i) {
                M[i] -= u * c * (xd[i] - (t.x1 + t.x2) / 2);
                M[i] -= ((m + r) / 2) * c * (xd[i] - t.x2 + ramie);
            }
        }
    }

    // T at n sections given in ascending order, as Momenty.
    void Tnace(double TL, const float* x, double* T, size_t n) const
    {
        std::vector<double> xd(x, x + n);
        for (size_t i = 0; i < n; ++i)
            T[i] = -TL;
        for (const TPunktowe& f : sily_)
            for (size_t i = Od(x, n, f.a); i < n; ++i)
                T[i] -= f.wartosc;
        for (const TLinioweD& q : liniowe_) {
            const auto [wewnatrz, za] = Przedzialy(xd, q.x1, q.x2);
            for (size_t i = wewnatrz; i < za; ++i)
                T[i] -= q.q * (xd[i] - q.x1);
            for (size_t i = za; i < n; ++i)
                T[i] -= q.q * (q.x2 - q.x1);
        }
        for (const TTrojkatD& t : trojkaty_) {
            const double c = t.x2 - t.x1, u = t.u, m = t.m, r = t.r;
            const auto [wewnatrz, za] = Przedzialy(xd, t.x1, t.x2);
            for (size_t i = wewnatrz; i < za; ++i)
                T[i] -= u * (xd[i] - t.x1);
            if (c > 0) {
                if (m < r) {
                    for (size_t i = wewnatrz; i < za; ++i) {
                        const double d = xd[i] - t.x1;
                        const double qx = d / c * r;
                        T[i] -= (qx / 2.0) * d;
                    }
                } else {
                    for (size_t i = wewnatrz; i < za; ++i) {
                        const double d = xd[i] - t.x1;
                        const double qx = (t.x2 - xd[i]) / c * m;
                        T[i] -= qx * d;
                        T[i] -= ((m - qx) / 2) * d;
                    }
                }
            }
            for (size_t i = za; i < n; ++i) {
                T[i] -= u * c;
                T[i] -= ((m + r) / 2) * c;
            }
        }
    }

private:
    // The first of the ascending sections at or right of a point load at a.
    static size_t Od(const float* x, size_t n, float a)
    {
        return size_t(std::partition_point(x, x + n, [a](float xi) { return !(a <= xi); }) - x);
    }

    // The ascending sections inside [x1, x2] are [wewnatrz, za); those right of x2 start at za.
    static std::pair<size_t, size_t> Przedzialy(const std::vector<double>& xd, double x1, double x2)
    {
        const size_t za = size_t(std::partition_point(xd.begin(), xd.end(), [x2](double xi) { return !(xi > x2); }) -
                                 xd.begin());
        const size_t wewnatrz =
            size_t(std::partition_point(xd.begin(), xd.end(), [x1](double xi) { return xi < x1; }) - xd.begin());
        return {std::min(wewnatrz, za), za};
    }

    struct TPunktowe {
        float a; // compared in single precision, as stored
        double ad;
        double wartosc;
    };
    struct TLinioweD {
        double x1, x2, q;
    };
    struct TTrojkatD {
        double x1, x2, u, m, r;
    };
    std::vector<TPunktowe> momenty_;
    std::vector<TPunktowe> sily_;
    std::vector<TLinioweD> liniowe_;
    std::vector<TTrojkatD> trojkaty_;
};

// The polyline of one span: first the abscissa of every point and the section
// its value is read at, then all values at once.
class TBudowaWykresu {
public:
    explicit TBudowaWykresu(std::vector<TPunktWykresu>& wykres, size_t ilosc)
        : wykres_(wykres)
    {
        wykres_.clear();
        wykres_.reserve(ilosc);
        przekroje_.reserve(ilosc);
    }

    void Punkt(float x, float przekroj)
    {
        wykres_.push_back({x, 0});
        przekroje_.push_back(przekroj);
    }

    // Fills the values with licz(sections, values, count), the sections in ascending order.
    template <class Licz>
    void Wartosci(Licz licz)
    {
        const size_t n = przekroje_.size();
        std::vector<double> wartosci(n);
        if (std::is_sorted(przekroje_.begin(), przekroje_.end())) {
            licz(przekroje_.data(), wartosci.data(), n);
        } else {
            // Loads close together can put a jump's right section past the next one's left.
            std::vector<size_t> kolejnosc(n);
            for (size_t i = 0; i < n; ++i)
                kolejnosc[i] = i;
            std::stable_sort(kolejnosc.begin(), kolejnosc.end(),
                             [&](size_t a, size_t b) { return przekroje_[a] < przekroje_[b]; });
            std::vector<float> posortowane(n);
            std::vector<double> wyniki(n);
            for (size_t i = 0; i < n; ++i)
                posortowane[i] = przekroje_[kolejnosc[i]];
            licz(posortowane.data(), wyniki.data(), n);
            for (size_t i = 0; i < n; ++i)
                wartosci[kolejnosc[i]] = wyniki[i];
        }
        for (size_t i = 0; i < n; ++i)
            wykres_[i].Wartosc = wartosci[i];
    }

private:
    std::vector<TPunktWykresu>& wykres_;
    std::vector<float> przekroje_;
};

// The inner samples 1 … n that carry a mark: a jump of the kind `skok` as two
// points read just left and right of it, any other mark as one point.
void PunktySiatki(TBudowaWykresu& wykres, const std::vector<TWyniki::TWezel>& siatka, const TZnaczniki& znaczniki,
                  int32_t n, uint8_t skok)
{
    for (int32_t i = 1; i <= n; ++i) {
        const float x = siatka[i].Xf;
        if (znaczniki[i] & skok) {
            wykres.Punkt(x, znaczniki.Lewy(i));
            wykres.Punkt(x, znaczniki.Prawy(i));
        } else if (znaczniki[i]) {
            wykres.Punkt(x, x);
        }
    }
}

} // namespace

double MomentWPrzekroju(const TDaneZadania& zad, double ML, double TL, float x)
{
    return TObciazeniaPrzesla(zad).Moment(ML, TL, x);
}

double TnacaWPrzekroju(const TDaneZadania& zad, double TL, float x)
{
    return TObciazeniaPrzesla(zad).Tnaca(TL, x);
}

namespace {

// Point loads that no inner sample catches: within the tolerance of the
// span's start, or past the last sample's tolerance up to the end. Their
// jumps stand at x = 0 and x = L; the largest start and the smallest end
// position are kept (-1 and +inf when there is none).
struct TKonce {
    float Poczatek = -1;
    float Koniec = INFINITY;
    void Dodaj(float a, const std::vector<TWyniki::TWezel>& siatka, int32_t n)
    {
        if (a >= 0 && a < Tolerancja)
            Poczatek = std::max(Poczatek, a);
        else if (a >= Tolerancja && (long double)a >= siatka[n].X + (long double)Tolerancja)
            Koniec = std::min(Koniec, a);
    }
};

// The points of a jump at the span's ends: right of the loads at the start
// (the section at a load counts it) and left of those at the end.
void PunktyKoncow(TBudowaWykresu& wykres, const TKonce& konce, float L, bool poczatek)
{
    if (poczatek && konce.Poczatek >= 0)
        wykres.Punkt(0, konce.Poczatek);
    if (!poczatek && konce.Koniec <= L)
        wykres.Punkt(L, std::nextafter(konce.Koniec, -INFINITY));
}

} // namespace

void ProbkujMomenty(const TDaneZadania& zad, TWyniki& wyn, float L, double MP, double ML, double TL)
{
    const int32_t n = IloscProbek(L);
    const auto& siatka = Siatka(wyn, n);
    const TObciazeniaPrzesla obc(zad);
    TZnaczniki znaczniki(siatka, n);
    TKonce konce;
    obc.KazdyMoment([&](float a) {
        znaczniki.Punkt(a, ZnMoment, true);
        konce.Dodaj(a, siatka, n);
    });
    obc.KazdaSila([&](float a) { znaczniki.Punkt(a, ZnSila, false); });
    obc.KazdeLiniowe([&](float x1, float x2) { znaczniki.Wewnatrz(x1, x2); });
    obc.KazdyTrojkat([&](float x1, float x2) { znaczniki.Wewnatrz(x1, x2); });

    TBudowaWykresu wykres(wyn.WykresRoboczyM, size_t(n) + 4);
    wykres.Punkt(0, 0);
    PunktyKoncow(wykres, konce, L, true);
    PunktySiatki(wykres, siatka, znaczniki, n, ZnMoment);
    PunktyKoncow(wykres, konce, L, false);
    wykres.Wartosci([&](const float* x, double* M, size_t ile) { obc.Momenty(ML, TL, x, M, ile); });
    // The ends are the end moments themselves.
    wyn.WykresRoboczyM.front().Wartosc = ML;
    wyn.WykresRoboczyM.push_back({L, -MP});
}

void ProbkujTnace(const TDaneZadania& zad, TWyniki& wyn, float L, double TP, double TL)
{
    const int32_t n = IloscProbek(L);
    const auto& siatka = Siatka(wyn, n);
    const TObciazeniaPrzesla obc(zad);
    TZnaczniki znaczniki(siatka, n);
    TKonce konce;
    obc.KazdaSila([&](float a) {
        znaczniki.Punkt(a, ZnSila, true);
        // A force standing on a support is carried by it directly: the span's
        // shear line does not jump there.
        if (a > 0 && a < L)
            konce.Dodaj(a, siatka, n);
    });
    obc.KazdeLiniowe([&](float x1, float x2) {
        znaczniki.Punkt(x1, ZnKraniec, false);
        znaczniki.Punkt(x2, ZnKraniec, false);
    });
    obc.KazdyTrojkat([&](float x1, float x2) { znaczniki.Dotyka(x1, x2); });

    TBudowaWykresu wykres(wyn.WykresRoboczyT, size_t(n) + 4);
    wykres.Punkt(0, 0);
    PunktyKoncow(wykres, konce, L, true);
    PunktySiatki(wykres, siatka, znaczniki, n, ZnSila);
    PunktyKoncow(wykres, konce, L, false);
    wykres.Punkt(L, L);
    wykres.Wartosci([&](const float* x, double* T, size_t ile) { obc.Tnace(TL, x, T, ile); });
    // The ends are the limits from inside the span, T(0+) and T(L-), taken
    // from the end forces so that they agree with the reactions to the last
    // digit; the forces standing on the supports are left to the supports.
    wyn.WykresRoboczyT.front().Wartosc = -TL - obc.SilyNaPoczatku();
    wyn.WykresRoboczyT.back().Wartosc = TP + obc.SilyNaKoncu(L);
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
    return float(i / 100.0L);
}

void DodajDoEkstremow(TEkstrema& e, const TPunktWykresu& p)
{
    if (e.Max < p.Wartosc) {
        e.Max = p.Wartosc;
        e.XMax = p.X;
        e.JestMax = 1;
    }
    if (e.Min > p.Wartosc) {
        e.Min = p.Wartosc;
        e.XMin = p.X;
        e.JestMin = 1;
    }
}

void UstalSkale(TEkstrema& e)
{
    e.Skala = std::fabs(e.Min) > e.Max ? std::fabs(e.Min) : e.Max;
    if (std::fabs(e.Skala) < 1e-7)
        e.Skala = 1.0;
}

TEkstrema EkstremaWykresu(const std::vector<TPunktWykresu>& punkty, int32_t n)
{
    TEkstrema e;
    n = std::clamp<int32_t>(n, 0, int32_t(punkty.size()));
    for (int32_t i = 0; i < n; ++i)
        DodajDoEkstremow(e, punkty[i]);
    UstalSkale(e);
    e.IloscPunktow = n;
    return e;
}
