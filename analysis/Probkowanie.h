#pragma once
// Internal forces along one span: M(x) and T(x) at a section from the span's
// left-end values and the working load tables (SilyKomb …, filled for the
// span), the sampled polylines, and their extremes (sign convention: analysis/Konwencje.h).
#include "analysis/Wyniki.h"

struct TDaneZadania;

// M(x) and T(x) of one span from its left-end values and the working load tables.
float MomentWPrzekroju(const TDaneZadania& zad, float ML, float TL, float x);
float TnacaWPrzekroju(const TDaneZadania& zad, float TL, float x);

// Sample one span into WykresRoboczyM / WykresRoboczyT: the end values, a
// point where the line bends, two where it jumps (also at the span's ends).
void ProbkujMomenty(const TDaneZadania& zad, TWyniki& wyn, float L, float MP, float ML, float TL);
void ProbkujTnace(const TDaneZadania& zad, TWyniki& wyn, float L, float TP, float TL);

// Whole centimetres in a span of length L (m): the grid of the sampled lines
// and the envelopes; never more than the 100000 of the longest span analysed.
int32_t IloscCentymetrow(float L);

// Extremes of the first n points of a polyline.
TEkstrema EkstremaWykresu(const std::vector<TPunktWykresu>& punkty, int32_t n);
// The rule behind it, one point at a time: a value strictly above Max or below
// Min replaces it (the first of equal extremes wins; they never cross 0) ...
void DodajDoEkstremow(TEkstrema& e, const TPunktWykresu& p);
// ... and at the end the scale: the larger magnitude, 1 when that is about 0.
void UstalSkale(TEkstrema& e);
