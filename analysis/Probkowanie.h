#pragma once
// Internal forces along one span: M(x) and T(x) at a section from the span's
// left-end values and the working load tables (SilyKomb …, filled for the
// span), the sampled polylines, and their extremes (sign convention: analysis/Konwencje.h).
#include "analysis/Wyniki.h"

struct TDaneZadania;

// M(x) and T(x) of one span from its left-end values and the working load
// tables; a load at a ≤ x counts at x.
double MomentWPrzekroju(const TDaneZadania& zad, double ML, double TL, float x);
double TnacaWPrzekroju(const TDaneZadania& zad, double TL, float x);

// Sample one span into WykresRoboczyM / WykresRoboczyT: the end values, a
// point where the line bends, two where it jumps (also at the span's ends).
// The moment line runs from ML to −MP, both sides of a point moment at an
// end in it; the shear line from T(0+) to T(L−), the limits inside the span,
// so a force standing on a support is no shear of the span.
void ProbkujMomenty(const TDaneZadania& zad, TWyniki& wyn, float L, double MP, double ML, double TL);
void ProbkujTnace(const TDaneZadania& zad, TWyniki& wyn, float L, double TP, double TL);

// The sampling grid of a span of length L (m), shared by the lines and the
// envelopes: the inner samples x_i = XSiatki(i), i = 1 … IloscProbek(L), one
// per centimetre up to the last that stands at least 5 mm before the end
// (never more than the 99999 of the longest span analysed); then x = L itself.
int32_t IloscProbek(float L);
float XSiatki(int32_t i);

// Extremes of the first n points of a polyline.
TEkstrema EkstremaWykresu(const std::vector<TPunktWykresu>& punkty, int32_t n);
// The rule behind it, one point at a time: a value strictly above Max or below
// Min replaces it (the first of equal extremes wins; they never cross 0) ...
void DodajDoEkstremow(TEkstrema& e, const TPunktWykresu& p);
// ... and at the end the scale: the larger magnitude, 1 when that is about 0.
void UstalSkale(TEkstrema& e);
