#pragma once
// The internal forces of every combination and span as a CSV table for other
// programs: x with M and T at every step of the span and at every extreme.
#include <iosfwd>
#include <string>

struct TDaneZadania;
struct TWyniki;
struct TPolecenie;
struct TRegionalne;

// The field separator that does not clash with the decimal one: ";" where
// numbers are written with a comma, "," otherwise.
char SeparatorPol(char separatorDziesietny);

// Rows "Kombinacja;Przęsło;x [m];M [kNm];T [kN];Punkt" after a header row.
// Per combination and span, ascending in x: x = 0, krok, 2·krok … and L
// itself (its own row however close the last step is), each extreme as a row
// of its own named in "Punkt" ("Mmax", "Mmin", "Tmax", "Tmin"). M and T are
// the values at x (at the ends the end values, T inside the span); in the row
// of an extreme its own column holds the extreme, the side of a jump it lies
// on. Numbers with the user's separator, lines ended by "\r\n".
std::string WynikiCsv(const TDaneZadania& zad, const TWyniki& wyn, char separator, double krok);

// --csv: the table of the task file into the output, written beside it and
// renamed over it when complete. Refuses to overwrite the task file or an
// existing file that is not such a table. The exit code of the program.
int WykonajCsv(const TPolecenie& polecenie, const TRegionalne& regionalne, std::ostream& bledy);
