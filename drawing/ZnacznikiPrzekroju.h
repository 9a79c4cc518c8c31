#pragma once
// The section read in the internal force summary, marked over the sheets: a
// red line through every combination's moment and shear diagram and through
// the two envelope diagrams, with the values written black on yellow beside
// it at the diagrams' ordinates. The caller gives the overlay above the sheet
// picture, never the picture itself, so clearing the overlay erases the markers.
#include "drawing/Rysowanie.h"

struct TPokazuj;
struct TSilyPrzekroju;

// The labels' system-font height in pixels.
inline constexpr int32_t WysokoscNapisuZnacznika = 12;

// Combination sheets get markers on the diagrams `pokaz` shows; the envelope
// sheet, when the section has extremes, on both of its diagrams.
void ZnacznikiPrzekroju(const TRysowanieNakladki& n, const TDaneZadania& zad, const TWyniki& wyn, const TPokazuj& pokaz,
                        const TSilyPrzekroju& sily);
