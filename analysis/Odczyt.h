#pragma once
// M and T read off the sampled lines of the last analysis.
#include "analysis/Wyniki.h"

struct TDaneZadania;

// M and T read off the sampled lines of combination c, span s, at local x (m):
// at x ≤ 0 the line's first point, at x ≥ L its last (the end values); in
// between the line at x itself, at a jump the value just right of it. A
// section where the line has a point reads that point's value exactly.
double MomentZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x);
double TnacaZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x);

// The values a line takes at one section: both sides of a jump there, or
// its one value (Min = Max).
struct TWartosciPrzekroju {
    double Min = 0;
    double Max = 0;
};

// Reads one sampled line at increasing sections, walking on from the last
// point found instead of searching the whole line each time. Between two
// points it reads what MomentZWykresu / TnacaZWykresu read; at a section
// holding points, every one of them (both sides of a jump, also at x = 0 and
// x = L), so nothing the line reaches is lost to the envelopes.
class TOdczytKolejny {
public:
    TOdczytKolejny(const std::vector<TPunktWykresu>& punkty, int32_t ilosc);
    TWartosciPrzekroju operator()(float x);

private:
    const std::vector<TPunktWykresu>& punkty_;
    int32_t ilosc_;
    int32_t kursor_ = 0; // the first point at or right of the last section read
};

TOdczytKolejny OdczytMomentow(const TWyniki& wyn, int32_t c, int32_t s);
TOdczytKolejny OdczytTnacych(const TWyniki& wyn, int32_t c, int32_t s);
