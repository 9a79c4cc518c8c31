#pragma once
// Rotation φ(x) and deflection w(x) of one span (sign convention:
// analysis/Konwencje.h; w in m, positive downward; φ = dw/dx in rad,
// clockwise positive, as the joint rotations).
//
// EJ·w'' = −M: on each segment of the moment polynomials φ is a polynomial
// of degree four and w one of degree five, integrated in closed form from
// M's coefficients. The constants follow from continuity of φ and w over
// the segment boundaries and from w = 0 at both supports; the rotations at
// the ends then agree with those the equation system solves for.
#include "analysis/Wielomiany.h"

#include <cstdint>
#include <vector>

struct TDaneZadania;
struct TEkstrema;
struct TWyniki;

struct TOdcinekUgiec {
    double Poczatek = 0; // the origin of t, as in the moment polynomials
    TWielomian<4> Fi;
    TWielomian<5> W;
};

class TUgieciaPrzesla {
public:
    TUgieciaPrzesla() = default;
    // From the span's M(x), its stiffness E·J (kNm²) and length L (m); an
    // E·J that is not positive gives w = φ = 0.
    TUgieciaPrzesla(const TWielomianyPrzesla& momenty, double EJ, float L);

    const std::vector<float>& Granice() const { return granice_; }
    float L() const { return L_; }
    const std::vector<TOdcinekUgiec>& Odcinki() const { return odcinki_; }

    double Fi(double x) const;
    double W(double x) const;
    // Adds w times another set on the same boundaries.
    void Dodaj(const TUgieciaPrzesla& inne, double w);

private:
    const TOdcinekUgiec& Odcinek(double x) const;

    std::vector<float> granice_;
    float L_ = 0;
    std::vector<TOdcinekUgiec> odcinki_;
};

// The exact extremes of w over [0, L] by the rule of the sampled ones (a
// maximum at least 0, a minimum at most 0): at the boundaries and where φ = 0.
TEkstrema EkstremaUgiec(const TUgieciaPrzesla& u, float L);

// The real roots of Σ a[k]·t^k, k = 0 … stopien (at most five), in
// (od, do_), ascending, into t; returns how many. Each is found between the
// extremes of the polynomial, where it is monotone, to within a few units in
// the last place. None when the polynomial is 0 throughout.
int32_t PierwiastkiWielomianu(const double* a, int32_t stopien, double od, double do_, double* t);
std::vector<double> PierwiastkiWielomianu(std::vector<double> a, double od, double do_);

// True when every span has E = J = 1 (a new task, every older file): w then
// stands for E·J·w in kNm³ and φ for E·J·φ in kNm², not for lengths and angles.
bool SztywnoscJednostkowa(const TDaneZadania& zad);
// What w is shown in: "mm", or "kNm3" under SztywnoscJednostkowa.
const char* JednostkaUgiec(const TDaneZadania& zad);
// The factor from w in m to the unit shown: 1000, or 1 for kNm³.
double SkalaUgiec(const TDaneZadania& zad);
// L divided by the largest |w| of the extremes, both in m (484 for L/484);
// 0 when w is 0 throughout.
double LPrzezW(const TEkstrema& w, float L);
// The rotations of the supports 0 … n of combination c (rad, clockwise):
// the left ends of the spans and the right end of the last.
std::vector<double> KatyObrotu(const TWyniki& wyn, int32_t c);
