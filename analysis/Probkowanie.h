#pragma once
// The sampled lines of one span: where their points stand and which section
// each is read at, decided by the loads acting, and their values from the
// span's polynomials (sign convention: analysis/Konwencje.h).
#include <cstdint>
#include <vector>

struct TObciazeniaPrzesla;
class TWielomianyPrzesla;

// The sampling grid of a span of length L (m), shared by the lines and the
// envelopes: the inner samples x_i = XSiatki(i), i = 1 … IloscProbek(L), one
// per centimetre up to the last that stands at least 5 mm before the end
// (never more than the 99999 of the longest span analysed); then x = L itself.
int32_t IloscProbek(float L);
// i/100 in single precision, correctly rounded.
float XSiatki(int32_t i);

// The points of one line: its abscissae, never decreasing, and the section
// each value is read at. The moment line has its end values, a point at a
// sample where it bends (a point force near it, a line load over it) and
// two where it jumps (a point moment near it, read just left and right of
// it), also at x = 0 and x = L when a moment stands within 5 mm of an end.
// The shear line jumps at the point forces, bends at the ends of the line
// loads and is sampled along the linearly varying ones; a force standing on
// a support is no shear of the span. The first and the last value are the
// end values themselves (see the Wartosci… functions).
struct TProbkiLinii {
    struct TPunkt {
        float X = 0;
        float Przekroj = 0;
    };
    std::vector<TPunkt> Punkty;

    // Consecutive points whose sections lie in one segment of the polynomials.
    struct TPrzebieg {
        int32_t Od = 0;
        int32_t Do = 0; // one past the last
        int32_t Odcinek = 0;
    };
    std::vector<TPrzebieg> Przebiegi;
};

// `dzialajace` are the loads acting on the span (only their positions count),
// `granice` the boundaries of the span's polynomials.
TProbkiLinii ProbkiMomentow(const TObciazeniaPrzesla& dzialajace, float L, const std::vector<float>& granice);
TProbkiLinii ProbkiTnacych(const TObciazeniaPrzesla& dzialajace, float L, const std::vector<float>& granice);

// The values of the points: the polynomial at each section, the first and
// the last point replaced by the end values given, which come from the end
// forces and so agree with the reactions to the last digit: ML and −MP for
// the moments, T(0+) and T(L−) for the shear.
void WartosciMomentow(const TProbkiLinii& p, const TWielomianyPrzesla& w, double poczatek, double koniec,
                      std::vector<double>& v);
void WartosciTnacych(const TProbkiLinii& p, const TWielomianyPrzesla& w, double poczatek, double koniec,
                     std::vector<double>& v);

// Where the sections of the envelope meet a line: x = 0, every inner sample
// of the grid and x = L. In runs of sections [Od, Do) read alike:
//  - Ile = 1: section k stands on point Pierwszy + (k − Od) alone;
//  - Ile = 0: no point stands on them; they lie between points Pierwszy − 1
//    and Pierwszy (before the first point when Pierwszy = 0, after the last
//    when it is the number of points);
//  - Ile ≥ 2: one section on which points Pierwszy … Pierwszy + Ile − 1 stand.
struct TPrzebiegPrzekrojow {
    int32_t Od = 0;
    int32_t Do = 0;
    int32_t Pierwszy = 0;
    int32_t Ile = 0;
};
std::vector<float> PrzekrojeObwiedni(float L);
std::vector<TPrzebiegPrzekrojow> PrzebiegiPrzekrojow(const TProbkiLinii& p, const std::vector<float>& przekroje);
