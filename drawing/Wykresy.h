#pragma once
// The result diagrams of one combination: bending moments ("MOMENTY"),
// shear forces ("SIŁY POPRZECZNE") and support reactions ("REAKCJE").
//
// (ox, oy) is the diagram's origin on the sheet (cm): the left end of its
// axis; xs the sheet x of one span's start. Ordinates are scaled so that the
// largest value of the whole task reaches WysokoscMomentow (or
// WysokoscPoprzecznych) times SkalaRysunkuY; moments are drawn positive
// downward, shear forces positive upward. Every routine draws nothing of
// combination c when the results do not hold it (IloscWynikow).
#include "drawing/Rysowanie.h"

struct TDaneZadania;
struct TWyniki;

// How many combinations, from 0, the results can be drawn for: those the
// last analysis computed and that are still in use, as long as every table
// holds all spans of the task; 0 after a refused analysis.
int32_t IloscWynikow(const TDaneZadania& zad, const TWyniki& wyn);

// Sheet cm per kN (kNm) of the ordinates: the largest value of the task,
// `najwiekszy`, reaches `wysokosc`; a scale below 0.01 counts as 0.01.
double SkalaRzednych(double wysokosc, float najwiekszy);
// Sheet cm along y per kNm of moment (Momenty) or per kN of shear force, with
// SkalaRysunkuY and the sign that draws moments downward, shear forces upward.
double SkalaWykresu(const TRysowanie& r, const TWyniki& wyn, bool Momenty);

void WykresMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t K, bool Ekran,
                    bool Druk, double ox, double oy);
// Axis and outline of span s.
void LiniaMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, bool Ekran,
                   bool Druk, int32_t K, double oy, double xs);
// Value labels of span s: its ends, the loads of groups counted in c, and the
// extremes where the shear force changes sign.
void OpisMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, bool Ekran,
                  bool Druk, int32_t K, double oy, double xs);

void WykresSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t K,
                           bool Ekran, bool Druk, double ox, double oy);
void LiniaSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s,
                          bool Ekran, bool Druk, int32_t K, double oy, double xs);
void OpisSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s,
                         bool Ekran, bool Druk, int32_t K, double oy, double xs);

// Reactions in KPlus when zero or upward, in KMinus when downward, and the end
// moments of clamped extreme supports.
void WykresReakcji(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t KPlus,
                   int32_t KMinus, bool Ekran, bool Druk, double ox, double oy);
