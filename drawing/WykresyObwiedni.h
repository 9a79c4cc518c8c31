#pragma once
// The envelope sheet's diagrams: maximum and minimum over all combinations
// of bending moments ("OBWIEDNIA MOMENTY"), of shear forces ("OBWIEDNIA SIŁY
// POPRZECZNE") and of the support reactions with the end moments of the
// extreme supports ("OBWIEDNIA REAKCJE"). They share the ordinate scales of
// the per-combination diagrams. O is a diagram's origin, P = (xs, O.Y) the
// left end of one span's axis (cm). Nothing is drawn from envelope tables that do
// not hold every span of the task, or when no analysis has produced results.
#include "drawing/Rysowanie.h"

struct TDaneZadania;
struct TWyniki;

void WykresObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, TWyjscia na, TPunktCm O,
                            int32_t KMax, int32_t KMin);
// The grey band between the two lines, the axis, the minimum and the maximum line of span s.
void LiniaObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, TWyjscia na,
                           TPunktCm P, int32_t KMax, int32_t KMin);
// The largest and the smallest value of span s, placed from the diagram's
// origin O as the sections of the whole beam are.
void OpisObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, TWyjscia na,
                          TPunktCm O, int32_t KMax, int32_t KMin);

void WykresObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, TWyjscia na,
                                   TPunktCm O, int32_t KMax, int32_t KMin);
// As for moments, with both lines continued across the support from the previous span.
void LiniaObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, TWyjscia na,
                                  TPunktCm P, int32_t KMax, int32_t KMin);
void OpisObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, TWyjscia na,
                                 TPunktCm O, int32_t KMax, int32_t KMin);

// Per support the most negative reaction (an arrow above the beam in KInne)
// and the largest positive one (below it in KPlus); at the extreme supports
// the extremes of the end moments.
void WykresObwiedniReakcji(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, TWyjscia na, TPunktCm O,
                           int32_t KPlus, int32_t KInne);
