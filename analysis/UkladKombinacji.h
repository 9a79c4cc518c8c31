#pragma once
// The equation system of one combination as the matrix viewer shows it.
#include "analysis/Wyniki.h"

struct TDaneZadania;
class IKomunikaty;

struct TUkladKombinacji {
    MacierzKwad K;
    MacierzKwad KOdwrotna;
    MacierzWektor Q;
    MacierzWektor X;
    bool Rozwiazany = false; // false: a singular matrix, X and KOdwrotna are zeros
};

// Assembles and solves combination c again from the fixed-end moments the
// last recomputation stored, on a system of its own: the results stay
// exactly as they were. Order IloscPrzesel − 1. A combination the results
// do not hold (never computed, a change not yet recomputed, or no load at
// all) counts as unloaded.
// A singular matrix is reported through `kom`.
TUkladKombinacji UkladKombinacji(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, IKomunikaty& kom);
