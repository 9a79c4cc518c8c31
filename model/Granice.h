#pragma once
// What a number of the task may be, wherever it comes from: typed into a
// dialog or read from a file. The dialogs and the reader call these and word
// the refusal each in its own way.
#include <string_view>

// The analysis samples every centimetre: a shorter span has no sample inside.
inline constexpr float NajkrotszePrzeslo = 0.01f;
// Longer spans would mean millions of samples per span.
inline constexpr float NajdluzszePrzeslo = 1000.0f;
// No beam carries more: kN of a force, kN/m of a line load, kNm of a moment.
inline constexpr double NajwiekszeObciazenie = 1e6;
// Partial factors are around 1; this is far past any of them.
inline constexpr double NajwiekszyWspolczynnik = 1e3;
// The horizontal scale 1:N of the drawing: from full size to a 1000 m span in a centimetre.
inline constexpr double NajmniejszaSkala = 1;
inline constexpr double NajwiekszaSkala = 1e5;

// Whether a single-precision field can hold `v`, read from `tekst`: within
// the float range, and neither turned into 0 nor into a subnormal (digits
// lost) from a text that is not a zero.
bool MiesciSieWFloat(double v, std::string_view tekst);
// The same for a double-precision field.
bool MiesciSieWDouble(double v, std::string_view tekst);

bool PrzesloWGranicach(double L);       // NajkrotszePrzeslo ≤ L ≤ NajdluzszePrzeslo
bool ObciazenieWGranicach(double v);    // |v| ≤ NajwiekszeObciazenie
bool WspolczynnikWGranicach(double v); // |v| ≤ NajwiekszyWspolczynnik
bool SkalaWGranicach(double n);        // NajmniejszaSkala ≤ n ≤ NajwiekszaSkala
