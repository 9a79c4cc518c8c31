#pragma once
// The envelope sheet's diagrams: maximum and minimum over all combinations
// of bending moments ("OBWIEDNIA MOMENTY"), of shear forces ("OBWIEDNIA SIŁY
// POPRZECZNE") and of the support reactions with the end moments of the
// extreme supports ("OBWIEDNIA REAKCJE"). They share the ordinate scales of
// the per-combination diagrams. O is a diagram's origin, P = (xs, O.Y) the
// left end of one span's axis (cm); the span routines draw span z.Przeslo,
// z.Kombinacja counts nothing. Nothing is drawn from envelope tables that do
// not hold every span of the task, or when no analysis has produced results.
#include "drawing/Rysowanie.h"

void WykresObwiedniMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax, TKolor KMin);
// The grey band between the two lines, the axis, the minimum and the maximum line of the span.
void LiniaObwiedniMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor KMax, TKolor KMin);
// The largest and the smallest value of the span, placed from the diagram's
// origin O as the sections of the whole beam are.
void OpisObwiedniMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax, TKolor KMin);

void WykresObwiedniSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax,
                                   TKolor KMin);
// As for moments, with both lines continued across the support from the previous span.
void LiniaObwiedniSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor KMax,
                                  TKolor KMin);
void OpisObwiedniSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax,
                                 TKolor KMin);

// Per support the most negative reaction (an arrow above the beam in KInne)
// and the largest positive one (below it in KPlus); at the extreme supports
// the extremes of the end moments.
void WykresObwiedniReakcji(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KPlus, TKolor KInne);
