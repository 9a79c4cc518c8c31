#pragma once
// The design envelopes' sheets, beside the envelope sheet of the user's
// combinations and drawn as it is: "OBWIEDNIA SGN" (the ULS moments, shear
// forces and reactions, largest and smallest) and "OBWIEDNIA SGU" (the
// characteristic moments and reactions, the deflections of the
// characteristic and the quasi-permanent combination with L/f, red past the
// limit of the settings). Each extreme's label ends with a letter, "(b)",
// keyed to a line of the sheet's legend saying what produced it: the
// expression, the leading group, the spans each patterned group loads. The
// sheet says which groups it covers and which it leaves out (not classified).
// Each diagram scales to its own largest value: the design values are not
// those of the user's combinations.
#include "drawing/Rysowanie.h"

#include <string>
#include <vector>

enum class TArkuszNormowy { SGN, SGU };
inline constexpr int32_t IloscArkuszyNormowych = 2;

// "OBWIEDNIA SGN", "OBWIEDNIA SGU" (UTF-8).
const char* TytulArkuszaNormowego(TArkuszNormowy a);

// "Grupy: 1 Stałe (stałe), 2 Użytkowe (zm. A, po przęsłach)" (UTF-8): the
// classified groups in use.
std::string TekstGrupNormowych(const TDaneZadania& zad);
// "Pominięte grupy (niesklasyfikowane): 3 Inne" (UTF-8); empty when none is left out.
std::string TekstPominietych(const TDaneZadania& zad, const TWyniki& wyn);

// The key of the n-th cause (from 0) in a sheet's legend: a … z, A … Z, then numbers.
std::string KluczPrzyczyny(int32_t n);

// The whole sheet with its corner at P; nothing of it without design
// envelopes (TWyniki::Normowe.Sa) that hold every span of the task.
void ArkuszNormowy(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, TWyjscia na, TPunktCm P,
                   TArkuszNormowy a);
