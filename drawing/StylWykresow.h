#pragma once
// What every diagram of a sheet draws with: pens (cm), value masks and the
// room beside a span, so the combination, envelope, deflection and design
// diagrams look alike.
#include "drawing/Powierzchnia.h"

#include <string_view>

namespace StylWykresow {

inline constexpr std::string_view MaskaWartosci = "#######0.00";
inline constexpr std::string_view MaskaReakcji = "#####0.00";
inline constexpr std::string_view MaskaUgiec = "#######0.0";
inline constexpr TKolor SzaryPasa = Rgb(200, 200, 200);
inline constexpr double PioroOsi = 0.2;
inline constexpr double PioroLinii = 0.1;
inline constexpr double PioroEtykiet = 0.15;
// Room beside a span for the symbols and the label starts standing at its ends.
inline constexpr double Zapas = 1.5;

} // namespace StylWykresow
