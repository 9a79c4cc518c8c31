#pragma once
// When the two result windows refuse to open, and what they say then (UTF-8).
#include <optional>
#include <string>

struct TDaneZadania;
struct TWyniki;

// The matrix viewer begins with a blank, the summary does not.
inline constexpr const char* NajpierwGeometriaMacierz = " Najpierw GEOMETRIA ! (i potem obciążenie)";
inline constexpr const char* NajpierwGeometriaZestawienie = "Najpierw GEOMETRIA ! (i potem obciążenie)";

// The viewer needs an equation system: two spans or more. A task the
// analysis refuses is refused here with the analysis's own reason.
std::optional<std::string> OdmowaMacierzy(const TDaneZadania& zad);

// The summary needs a span and a load, and results of the task as it is.
std::optional<std::string> OdmowaZestawienia(const TDaneZadania& zad, const TWyniki& wyn);
