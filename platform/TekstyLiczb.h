#pragma once
// Numbers as text, the way the drawings, tables and dialogs write and read
// them. Written numbers hold only ASCII digits, '-' and the given decimal
// separator, so they serve both the code page 1250 labels of the stroke
// font and UTF-8 texts (for an ASCII separator).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The masks the program writes its numbers with.
namespace Maska {
inline constexpr std::string_view Wartosc = "#######0.00";        // loads and results in lists, labels, summaries
inline constexpr std::string_view Edycja = "######0.00";          // an edit filled from its scroll bar
inline constexpr std::string_view Rozpietosc = "########0.00";    // a span length cell
inline constexpr std::string_view Wspolczynnik = "#########0.00"; // a cell of the coefficient table
inline constexpr std::string_view Ustawienie = "####0.0#";        // a position or height of the settings
inline constexpr std::string_view DlugoscPrzesla = "###0.00";     // "(max=" … ")" of the load dialogs
inline constexpr std::string_view Polozenie = "####0.00";         // a section's position in its span
inline constexpr std::string_view Uklad = "#######0.000";         // load vector and rotations
inline constexpr std::string_view Wsp = "##0.00";                 // a factor
} // namespace Maska

// A mask such as "#######0.00": '#' an optional digit, '0' a digit always
// written, '.' the place of the separator. Digits beyond the mask's integer
// places are written all the same; fractions are rounded half away from zero
// to the mask's places; a number that rounds to zero has no minus sign; the
// separator appears only when fraction digits follow it.
std::string FormatujMaska(double wartosc, std::string_view maska, char separator);

// Fixed notation with `miejsca` decimals and at most `cyfry` significant
// digits (digits past them are written as zeros). A number with more than
// `cyfry` integer digits is written in exponent notation.
std::string FormatujStale(double wartosc, int miejsca, int cyfry, char separator);

// Every "." and "," replaced by the user's separator, so that either is
// accepted where the program normalises what was typed.
std::string NormalizujSeparator(std::string_view tekst, char separator);

// A real number: blanks around it, an optional sign, digits with at most one
// of the `separatory`, an optional exponent ("E", "e" and digits). No nan,
// inf, hex or thousands separators; nothing that overflows a double.
bool CzytajLiczbe(std::string_view tekst, std::string_view separatory, double& wynik);
// With the given separator only, as the program reads back its own texts.
inline bool CzytajLiczbe(std::string_view tekst, char separator, double& wynik)
{
    return CzytajLiczbe(tekst, std::string_view(&separator, 1), wynik);
}
// As typed into any number field of the dialogs: "," and "." both taken for
// the decimal separator (normalised first, see NormalizujSeparator).
bool CzytajLiczbeNormalizujac(std::string_view tekst, char separator, double& wynik);
// A decimal integer; blanks around it and a leading sign are allowed.
bool CzytajCalkowita(std::string_view tekst, int32_t& wynik);

// The 1-based group number at the start of a group list item such as
// "  3 Wiatr": leading blanks skipped, the text up to the first blank read as
// an integer. Nothing when that is no integer.
std::optional<int32_t> NumerGrupy(std::string_view tekst);

// The text without the blanks and tabs around it.
std::string_view BezOdstepow(std::string_view tekst);

// The system's own messages for a text that is no number (UTF-8).
std::string KomunikatRzeczywistej(std::string_view tekst);
std::string KomunikatCalkowitej(std::string_view tekst);
