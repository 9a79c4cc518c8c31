#pragma once
// The recomputation of every combination: gather each group's loads span by
// span → fixed-end actions → assemble and invert the stiffness matrix once →
// rotations and end forces of each unit analysis → each combination as the
// sum of its groups' unit analyses times their coefficients, M(x) and T(x) as
// piecewise polynomials → sampled lines → extremes.
#include "analysis/Wyniki.h"

#include <optional>
#include <string>

struct TDaneZadania;
class IKomunikaty;

// A Polish message (UTF-8) naming the first span or load that cannot be analysed:
// a length of 0 or below, a non-finite length, E, J, position or value, or
// an index outside the tables. Nothing when the task is sound.
std::optional<std::string> SprawdzZadanie(const TDaneZadania& zad);

// Recomputes all tables for the combinations in use (IloscKombinacji must be counted).
// A task refused by SprawdzZadanie is reported through `kom`, leaves the results
// empty (IloscPoliczonych = 0) and returns false.
bool Analiza(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom);

// The whole recomputation: Analiza and, when it succeeded with two or more
// combinations, the three envelopes (read in the same pass over the spans).
// False when the analysis refused the task.
bool PrzeliczZadanie(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom);
