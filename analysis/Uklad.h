#pragma once
// The stiffness matrix and load vector of the equation system; the unknowns
// are the rotations of the inner supports, numbered from 1.
#include "analysis/Wyniki.h"

#include <cstdint>

struct TDaneZadania;
struct TPrzeslo;

// The stiffness matrix of the beam, order IloscPrzesel − 1 (nothing for one span).
MacierzKwad MacierzSztywnosci(const TDaneZadania& zad);
// Subtracts the fixed-end moments of span p from the rows of its unknowns (size n).
void DodajDoWektora(const TPrzeslo& p, double momentUtwL, double momentUtwP, MacierzWektor& Q);

// Assembles MacierzK and WektorQ of combination c from the spans and the
// fixed-end moments held in MomentyKoncowe[c]. Order IloscPrzesel − 1.
void BudujUklad(const TDaneZadania& zad, TWyniki& wyn, int32_t c);
