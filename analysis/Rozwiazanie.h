#pragma once
// Explicit inversion: determinant by expansion along the first row, inverse
// as adjugate over determinant, solution as inverse times load vector.
#include "analysis/Wyniki.h"

class IKomunikaty;

#include <optional>

// Determinant of the leading n × n block of A.
double Wyznacznik(const MacierzKwad& A, int32_t n);
// The inverse of the leading n × n block of A, as RozwiazUklad computes it;
// nothing when its determinant is 0.
std::optional<MacierzKwad> Odwrotnosc(const MacierzKwad& A, int32_t n);
// Fills WektorX and MacierzKOdwrotna from MacierzK and WektorQ. A zero
// determinant is reported once through `kom` and changes nothing; returns false then.
bool RozwiazUklad(TWyniki& wyn, int32_t n, IKomunikaty& kom);

// The text of the singular-matrix message.
inline constexpr const char* KomunikatOsobliwa = "det A = 0; Macierz osobliwa ";
