#pragma once
// The static scheme of one combination's sheet: the beam on its supports
// with span numbers, support letters and span dimensions; the loads of the
// working lists as arrows in their groups' colours; and the bar schemes,
// each span a short bar with its fixed-end moments and reactions.
//
// (Ox, Oy) is the left end of the beam axis on the sheet (cm); a beam
// position x (m) lies at Ox + x · SkalaRysunkuX. Pens in mm.
#include "drawing/Rysowanie.h"

struct TDaneZadania;
struct TWyniki;

// Beam, supports, span numbers, "A", "B" and the numbers of the inner supports.
void SchematBelki(TRysowanie& r, const TDaneZadania& zad, int32_t Kolor, bool Ekran, double Ox, double Oy, double p1,
                  double p2, double p3, bool Druk);
// One span from x1 (sheet cm) of length L (m), its supports chosen by TypPodpor,
// with its dimension line 1.5 cm under the axis.
void PrzesloSchemat(TRysowanie& r, int32_t Kolor, int32_t TypPodpor, double x1, double Oy, double L, double p1,
                    double p2, double p3, bool Ekran, bool Druk);

// The loads of the working lists (SilyKomb …, filled for the combination
// drawn): forces, uniform loads, linearly varying loads, then moments. The
// arrows always take 0.2 mm and the labels 0.1 mm, whatever pens are passed.
void ObciazeniaSchemat(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                       double p1, double p2, double p3);
// The same with the loads of group g standing g cm above the axis.
void ObciazeniaSchematGrupami(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                              double p1, double p2, double p3);
// The same as ObciazeniaSchemat all in grey, for the load dialogs' previews.
void ObciazeniaPodglad(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                       double p1, double p2, double p3);

// Every span as a bar over the middle 60 % of its length, its ends by TypPrzesla.
void SchematPretow(TRysowanie& r, const TDaneZadania& zad, int32_t Kolor, bool Ekran, double Ox, double Oy, double p1,
                   double p2, double p3, bool Druk);
void PretSchemat(TRysowanie& r, int32_t Kolor, int32_t TypPrzesla, double x1, double Oy, double L, double p1,
                 double p2, double p3, bool Ekran, bool Druk);

// The fixed-end moments and reactions of combination c on the bars; nothing
// when the results do not hold combination c.
void SilyPretow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t Kolor, int32_t c, bool Ekran,
                double Ox, double Oy, double p1, double p2, double p3, bool Druk);
void PretSily(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t Kolor, int32_t c, int32_t s,
              bool Ekran, double Ox, double Oy, double p1, double p2, double p3, bool Druk);
