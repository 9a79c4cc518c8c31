#pragma once
// The stiffness matrix and load vector of one combination; the unknowns are
// the rotations of the inner supports.
#include <cstdint>

struct TDaneZadania;
struct TWyniki;

// Assembles MacierzK and WektorQ of combination c from the spans and the
// fixed-end moments held in MomentyKoncowe[c]. Order IloscPrzesel − 1.
void BudujUklad(const TDaneZadania& zad, TWyniki& wyn, int32_t c);
