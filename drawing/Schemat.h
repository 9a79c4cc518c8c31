#pragma once
// The static scheme of one combination's sheet: the beam on its supports
// with span numbers, support letters and span dimensions; the loads of the
// working lists as arrows in their groups' colours; and the bar schemes,
// each span a short bar with its fixed-end moments and reactions.
//
// O is the left end of the beam axis on the sheet (cm); a beam position
// x (m) lies at O.X + x · SkalaRysunkuX. A span routine takes the left end
// of its own axis instead. The scheme's strokes, texts and labels take
// piora.Glowne, the beam or bar axis and the walls of clamps piora.Drugie.
#include "drawing/Rysowanie.h"

// Beam, supports, span numbers, "A", "B" and the numbers of the inner supports.
void SchematBelki(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O, const TPiora& piora);
// One span of length L (m) from the axis point P, its supports chosen by
// TypPodpor, with its dimension line 1.5 cm under the axis.
void PrzesloSchemat(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, int32_t TypPodpor, double L);

// The loads of the working lists (SilyKomb …, filled for the combination
// drawn): forces, uniform loads, linearly varying loads, then moments; the
// arrows with 0.2 mm, the labels with 0.1 mm.
void ObciazeniaSchemat(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O);
// The same with the loads of group g standing g cm above the axis.
void ObciazeniaSchematGrupami(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O);
// The same as ObciazeniaSchemat all in grey, for the load dialogs' previews.
void ObciazeniaPodglad(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O);

// Every span as a bar over the middle 60 % of its length, its ends by TypPrzesla.
void SchematPretow(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O, const TPiora& piora);
void PretSchemat(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, int32_t TypPrzesla, double L);

// The fixed-end moments and reactions of the combination on the bars;
// nothing when the results do not hold it.
void SilyPretow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, const TPiora& piora);
// Those of span z.Przeslo, its axis starting at P.
void PretSily(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, const TPiora& piora);
