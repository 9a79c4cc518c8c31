#pragma once
// The results of an analysed task as text for an engineer and as JSON.
#include <iosfwd>
#include <string>

struct TDaneZadania;
struct TWyniki;

// Polish text, numbers with the given decimal separator. With two or more
// combinations the envelopes (already computed) follow the combinations.
void PiszWyniki(std::ostream& out, const TDaneZadania& zad, const TWyniki& wyn, char separator,
                const std::string& nazwaPliku);

// JSON with a decimal point: single-precision values with 9 significant
// digits, double-precision ones to full precision.
std::string WynikiJson(const TDaneZadania& zad, const TWyniki& wyn);
