#pragma once
// Numbers and colours as the project file writes and reads them: one value
// per line, 8-bit text.
#include <cstdint>
#include <string>
#include <string_view>

// A real number with at most 15 significant digits: fixed notation for 0 and
// for 1e-5 <= |v| < 1e15 (after rounding), else "mantissaE-exp"; trailing zeros
// dropped, no separator when whole. v must be finite.
std::string TekstLiczby(double v, char separator);

// Integers are read by CzytajCalkowita of platform/TekstyLiczb.h.
// Real number with either "," or "." as separator and an optional exponent.
// Refuses nan, inf, thousands separators, anything that overflows double and
// a number other than 0 that would be stored as 0 or as a subnormal.
bool CzytajRzeczywista(std::string_view tekst, double& wynik);
// As above, but the value must also fit a float (see MiesciSieWFloat); near
// the top of the float range it is rounded as the conversion rounds.
bool CzytajRzeczywista(std::string_view tekst, float& wynik);

// A colour as 0x00BBGGRR: one of the twenty colour names, else "$" and 8 hex digits.
std::string TekstKoloru(int32_t kolor);
// A colour name, a system-colour name, "$" and hex digits, or a decimal number.
bool CzytajKolor(std::string_view tekst, int32_t& kolor);
