#pragma once
// The deflection diagram "UGIĘCIA" of a combination sheet and its envelope
// on the envelope sheet: w(x) drawn downward, the largest |w| of the task at
// WysokoscUgiec, each span labelled at its extreme with the value and L/f,
// red where L/f falls below the limit of the settings (GranicaUgiec). While
// every span has E = J = 1 the diagram shows E·J·w in kNm³ and no L/f.
#include "drawing/Rysowanie.h"

#include <string>

// The label of a span's extreme: "12,4 (L/484)", or the value alone for E·J·w.
std::string OpisUgiecia(double w, double LprzezW, bool dlugosc, char separator);

// Combination z.Kombinacja; O the left end of the diagram's axis.
void WykresUgiec(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor K, TKolor KPrzekroczone);
// The largest and the smallest w over the combinations.
void WykresObwiedniUgiec(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax, TKolor KMin,
                         TKolor KPrzekroczone);
