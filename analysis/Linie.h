#pragma once
// The sampled lines of the combinations and their envelopes, evaluated from
// the polynomials of the last analysis, span by span: the points of a span's
// lines are placed once for each set of groups acting on it, and the
// combinations only evaluate their polynomials there.
#include <cstdint>

struct TDaneZadania;
struct TEkstrema;
struct TWyniki;

struct TCoProbkowac {
    bool Linie = false;      // the lines' extremes, NajwiekszyM/T and, when kept, the lines
    bool ObwiedniaM = false; // the envelopes' extremes and, when kept, their lines
    bool ObwiedniaT = false;
};

// For combinations 0 … iloscKombinacji − 1 of the results' polynomials.
void ProbkujWyniki(const TDaneZadania& zad, TWyniki& wyn, int32_t iloscKombinacji, TCoProbkowac co);

// The values the lines of combination c, span s take at their ends, from the
// end forces: ML and −MP for M, T(0+) and T(L−) for T.
struct TKonceLinii {
    double Poczatek = 0;
    double Koniec = 0;
};
TKonceLinii KonceMomentow(const TWyniki& wyn, int32_t c, int32_t s);
TKonceLinii KonceTnacych(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s);

// The exact extremes of M and T of combination c, span s (EkstremaDokladneM/T
// of its polynomials with those end values); on request, as the sampled ones
// are reported.
TEkstrema EkstremaDokladneM(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s);
TEkstrema EkstremaDokladneT(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s);
