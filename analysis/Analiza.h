#pragma once
// The recomputation of every combination: gather loads → fixed-end actions →
// assemble → solve → end forces → sampled lines → extremes.
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

// Final end moments and forces of every span of combination c from WektorX.
void ObliczKonce(const TDaneZadania& zad, TWyniki& wyn, int32_t c);

// The whole recomputation: Analiza and, when it succeeded with two or more
// combinations, the three envelopes. False when the analysis refused the task.
bool PrzeliczZadanie(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom);
