#pragma once
// The envelope sheet's diagrams: maximum and minimum over all combinations
// of bending moments ("OBWIEDNIA MOMENTY"), of shear forces ("OBWIEDNIA SIŁY
// POPRZECZNE") and of the support reactions with the end moments of the
// extreme supports ("OBWIEDNIA REAKCJE"). They share the ordinate scales of
// the per-combination diagrams. (ox, oy) is a diagram's origin, xs the sheet
// x of one span's start (cm). Nothing is drawn from envelope tables that do
// not hold every span of the task, or when no analysis has produced results.
#include "drawing/Rysowanie.h"

struct TDaneZadania;
struct TWyniki;

void WykresObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t KMax, int32_t KMin,
                            bool Ekran, bool Druk, double ox, double oy);
// The grey band between the two lines, the axis, the minimum and the maximum line of span s.
void LiniaObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, int32_t KMax,
                           int32_t KMin, bool Ekran, bool Druk, double oy, double xs);
// The largest and the smallest value of span s.
void OpisObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, int32_t KMax,
                          int32_t KMin, bool Ekran, bool Druk, double oy, double ox);

void WykresObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t KMax,
                                   int32_t KMin, bool Ekran, bool Druk, double ox, double oy);
// As for moments, with both lines continued across the support from the previous span.
void LiniaObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s,
                                  int32_t KMax, int32_t KMin, bool Ekran, bool Druk, double oy, double xs);
void OpisObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, int32_t KMax,
                                 int32_t KMin, bool Ekran, bool Druk, double oy, double ox);

// Per support the most negative reaction (an arrow above the beam in KInne)
// and the largest positive one (below it in KPlus); at the extreme supports
// the extremes of the end moments.
void WykresObwiedniReakcji(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t KPlus, int32_t KInne,
                           bool Ekran, bool Druk, double ox, double oy);
