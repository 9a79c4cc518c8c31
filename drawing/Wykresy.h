#pragma once
// The result diagrams of one combination: bending moments ("MOMENTY"),
// shear forces ("SIŁY POPRZECZNE") and support reactions ("REAKCJE").
//
// O is the diagram's origin on the sheet (cm): the left end of its axis; a
// span routine takes the left end of its span's axis, P = (xs, O.Y). Ordinates are scaled so that the
// largest value of the whole task reaches WysokoscMomentow (or
// WysokoscPoprzecznych) times SkalaRysunkuY; moments are drawn positive
// downward, shear forces positive upward. Every routine draws nothing of
// combination c when the results do not hold it (IloscWynikow).
#include "drawing/Rysowanie.h"

// How many combinations, from 0, the results can be drawn for: those the
// last analysis computed and that are still in use, as long as every table
// holds all spans of the task; 0 after a refused analysis.
int32_t IloscWynikow(const TDaneZadania& zad, const TWyniki& wyn);

// Sheet cm per kN (kNm) of the ordinates: the largest value of the task,
// `najwiekszy`, reaches `wysokosc`; a scale below 0.01 counts as 0.01.
double SkalaRzednych(double wysokosc, float najwiekszy);
// Sheet cm along y per kNm of moment (Momenty) or per kN of shear force, with
// SkalaRysunkuY and the sign that draws moments downward, shear forces upward.
double SkalaWykresu(const TNastawy& n, const TWidok& w, const TWyniki& wyn, bool Momenty);

// The diagram of combination z.Kombinacja, its span routines of span z.Przeslo.
void WykresMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor K);
// Axis and outline of the span.
void LiniaMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K);
// Value labels of the span: its ends, the loads of groups counted in the
// combination, and the extremes where the shear force changes sign.
void OpisMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K);

void WykresSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor K);
void LiniaSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K);
void OpisSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor K);

// Reactions in KPlus when zero or upward, in KMinus when downward, and the end
// moments of clamped extreme supports.
void WykresReakcji(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KPlus, TKolor KMinus);
