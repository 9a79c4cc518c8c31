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
