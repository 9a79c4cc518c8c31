#pragma once
// Renaming and deleting load groups and combinations. A group or a
// combination is a slot of several tables at once; each delete moves every
// one of them in one place, so that a table added to the task is moved by
// adding one line there. Names are code page 1250; g and c count from 0.
#include "model/Zadanie.h"

#include <optional>
#include <string>
#include <string_view>

// How many loads of the four kinds belong to group g.
int32_t ObciazeniaGrupy(const TDaneZadania& zad, int32_t g);

// The question asked before group g is deleted with its loads (UTF-8);
// nothing when no load belongs to it.
std::optional<std::string> PytanieOUsunieciuGrupy(const TDaneZadania& zad, int32_t g);

// Each returns nothing when done, else the message, and the task is left as it was.
std::optional<std::string> ZmienNazweGrupy(TDaneZadania& zad, int32_t g, std::string_view nazwa);
std::optional<std::string> ZmienNazweKombinacji(TDaneZadania& zad, int32_t c, std::string_view nazwa);
// Group g goes with its loads; the loads of later groups take their group's
// new number, and the later groups move one slot down with their names,
// colours and coefficients. The last group in use is kept.
std::optional<std::string> UsunGrupe(TDaneZadania& zad, int32_t g);
// Combination c goes; the later ones move one slot down with their names,
// coefficients and sheet places. The last combination in use is kept.
std::optional<std::string> UsunKombinacje(TDaneZadania& zad, int32_t c);
