#pragma once
// M(x) and T(x) of one span as piecewise polynomials (sign convention: analysis/Konwencje.h).
//
// The loads of a span cut it into segments at their section boundaries: a
// point force or moment at its position, a line load at its start and at its
// end. Between two neighbouring boundaries M is a polynomial of degree at most
// three and T = dM/dx one of degree at most two. A segment keeps their
// coefficients in powers of t = x − its origin (its start), so a value costs a
// few multiplications however many loads the span carries.
//
// Segment j covers [b_j, b_j+1): the first runs from −∞, the last on to +∞,
// so every section has its segment, also one a hair outside the span. A
// section on a boundary lies in the segment that starts there (a load acts
// where a ≤ x); the other side of the boundary is the previous segment's
// polynomial evaluated there. Boundaries are single-precision numbers, as
// the loads' positions are, and sections are compared with them as such.
//
// The polynomials of one span share the boundaries of every load the span
// carries in any group, so load cases combine by adding coefficients: a
// combination is a weighted sum of its groups' polynomials plus the line of
// its end values, ML − TL·x. Rotation and deflection, integrals of M, are
// further polynomials of the same segments.
#include <array>
#include <cstdint>
#include <vector>

struct TEkstrema;
struct TObciazeniaPrzesla;

// Σ A[k]·t^k.
template <int Stopien>
struct TWielomian {
    std::array<double, Stopien + 1> A{};

    double operator()(double t) const
    {
        double v = A[Stopien];
        for (int k = Stopien - 1; k >= 0; --k)
            v = v * t + A[k];
        return v;
    }
    // Adds w·p.
    void Dodaj(const TWielomian& p, double w)
    {
        for (int k = 0; k <= Stopien; ++k)
            A[k] += w * p.A[k];
    }
};

struct TOdcinekWielomianow {
    double Poczatek = 0; // the origin of t: the segment's start, 0 or the first boundary for the first
    TWielomian<3> M;
    TWielomian<2> T;
};

// Values on both sides of a section (equal where nothing jumps there).
struct TStronyPrzekroju {
    double Lewa = 0;
    double Prawa = 0;
};

class TWielomianyPrzesla {
public:
    // Zero on one segment.
    TWielomianyPrzesla();
    // Zero on every segment of the given boundaries (ascending, distinct).
    explicit TWielomianyPrzesla(std::vector<float> granice);

    const std::vector<float>& Granice() const { return granice_; }
    const std::vector<TOdcinekWielomianow>& Odcinki() const { return odcinki_; }

    // The segment holding section x: the number of boundaries at or left of it.
    int32_t Odcinek(double x) const;
    double M(double x) const;
    double T(double x) const;
    // Both sides of boundary j (0-based in Granice()).
    TStronyPrzekroju MNaGranicy(int32_t j) const;
    TStronyPrzekroju TNaGranicy(int32_t j) const;

    // Adds w times the moments and shears of the loads. Every position of
    // theirs must be one of the boundaries (GraniceObciazen gives them).
    void DodajObciazenia(const TObciazeniaPrzesla& obc, double w = 1);
    // Adds w times another set on the same boundaries.
    void Dodaj(const TWielomianyPrzesla& inne, double w);
    // Adds the line of the span's left-end values: ML − TL·x to M, −TL to T.
    void DodajKonce(double ML, double TL);

private:
    std::vector<float> granice_;
    std::vector<TOdcinekWielomianow> odcinki_;
};

// The positions of the loads, ascending and each once: the boundaries their polynomials need.
std::vector<float> GraniceObciazen(const TObciazeniaPrzesla& obc);
// The boundaries of several load sets together.
std::vector<float> PolaczGranice(const std::vector<float>& a, const std::vector<float>& b);

// The exact extremes over a span of length L, by the rule of the sampled
// ones (a maximum at least 0, a minimum at most 0, the first of equal values
// wins), taken at every boundary on both sides and where the derivative of a
// segment's polynomial is 0. For M the whole of [0, L], both sides of a jump
// at x = 0 or x = L included; for T the limits inside the span, T(0+) to
// T(L−), a force standing on a support being the support's. The values at
// the ends are those given, as the sampled lines take them from the end
// forces: M(0−) = ML and M(L+) = −MP; T(0+) and T(L−).
TEkstrema EkstremaDokladneM(const TWielomianyPrzesla& w, float L, double poczatek, double koniec);
TEkstrema EkstremaDokladneT(const TWielomianyPrzesla& w, float L, double poczatek, double koniec);

// The roots of a + b·t + c·t² in (od, do_), ascending; none when the
// polynomial is 0 throughout.
std::vector<double> PierwiastkiKwadratowe(double a, double b, double c, double od, double do_);
// The same into t[0], t[1], without allocating; returns how many there are.
int32_t PierwiastkiKwadratowe(double a, double b, double c, double od, double do_, double* t);
