#pragma once
// Finding the sheets on the plane: the view moved from sheet to sheet at the
// zoom it has, or zoomed out onto every sheet at once.
#include "drawing/Widok.h"
#include "model/Zadanie.h"

#include <optional>
#include <vector>

// The top-left corners of the sheets drawn, left to right: the envelope
// sheet (drawn for two or more combinations) lies left of the first, the
// design sheets (with a classified group) further left.
std::vector<TPunktArkusza> ArkuszeOdLewej(const TDaneZadania& zad);

// The view centred on the next sheet (krok 1) or the previous one (krok −1)
// from the sheet nearest the view's centre; the zoom stays. False, with the
// view as it was, when there is no sheet that way.
bool SasiedniArkusz(TWidok& widok, const TDaneZadania& zad, int krok);

// Every sheet fitted into a paint surface of W × H pixels.
void WszystkieArkusze(TWidok& widok, const TDaneZadania& zad, int32_t W, int32_t H);

// The section, in metres from the beam's left end, under a world point of a
// sheet: along the diagram (scheme, reactions, shear or moments) whose axis
// lies nearest the point. Nothing off the sheets or beyond the beam's ends.
std::optional<double> PrzekrojWPunkcie(const TDaneZadania& zad, const TWidok& widok, double x, double y);
