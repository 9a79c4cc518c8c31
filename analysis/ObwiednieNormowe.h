#pragma once
// Design envelopes of the classified groups (PN-EN 1990): ULS (STR) by the
// less favourable of 6.10a and 6.10b, and the characteristic (6.14b),
// frequent (6.15b) and quasi-permanent (6.16b) SLS combinations.
//
// A linear beam superposes: every section's value is a sum over the unit
// states of the last analysis (one group's loads on one span, analysed
// alone). So the extreme over every pattern of a patterned variable group is
// the sum of its spans' contributions of one sign, a permanent group takes
// γG,sup or γG,inf by the sign of its whole contribution, and a variable group
// acting as a whole is present where its sum is unfavourable. No pattern is
// ever enumerated: each section costs one pass over the groups' positive,
// negative and whole sums per expression and leading group.
//
// Signs as the user's envelope: a maximum is at least 0, a minimum at most 0;
// M and T on both sides of a jump; w in m, downward positive.
#include "analysis/PunktWykresu.h"
#include "model/Zadanie.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TDaneZadania;
struct TWyniki;

enum class TWyrazenie : int32_t { W610a, W610b, W614b, W615b, W616b };
// "6.10a", "6.10b", "6.14b", "6.15b", "6.16b".
const char* NazwaWyrazenia(TWyrazenie w);

// What produced one extreme.
struct TPrzyczyna {
    TWyrazenie Wyrazenie = TWyrazenie::W610b;
    int32_t Wiodaca = -1; // the leading variable group, −1 for none (6.10a, no variable group)
    // Bit s set: the patterned variable group g loads span s (0-based) [group].
    std::array<uint16_t, TDaneZadania::MaxGrup> Przesla{};
    // Bit g set: the variable group g acting as a whole is present.
    uint16_t Calosc = 0;
    // Bit g set: the permanent group g enters with γG,sup (else with γG,inf).
    uint16_t StaleGorne = 0;

    bool operator==(const TPrzyczyna&) const = default;
};

struct TEkstremumNormowe {
    double Wartosc = 0; // 0 with a default cause when nothing is unfavourable
    double X = 0;       // m from the span's left end; 0 for reactions
    TPrzyczyna Przyczyna;
};

struct TPrzesloNormowe {
    TEkstremumNormowe Mmax, Mmin, Tmax, Tmin, Wmax, Wmin;
    // The lines for the sheets on the envelope's sampling grid (x = 0, every
    // centimetre, x = L), empty when TWyniki::ZapisujWykresy is false. At a
    // jump the line holds the more extreme side, as the user's envelope does.
    std::vector<TPunktWykresu> MaxM, MinM, MaxT, MinT, MaxW, MinW;
};

struct TReakcjaNormowa {
    TEkstremumNormowe Max, Min;
};

struct TObwiedniaNormowa {
    std::vector<TPrzesloNormowe> Przesla; // [span]
    std::vector<TReakcjaNormowa> Reakcje; // [support], IloscPrzesel + 1
};

enum class TStanNormowy : int32_t { SGN, SGUCharakterystyczna, SGUCzesta, SGUQuasi };
inline constexpr int32_t IloscStanowNormowych = 4;

struct TObwiednieNormowe {
    // False when no group in use is classified: then the rest is empty.
    bool Sa = false;
    std::array<TObwiedniaNormowa, IloscStanowNormowych> Stany; // [TStanNormowy]
    // The groups in use left out because they are not classified.
    std::vector<int32_t> Pominiete;

    const TObwiedniaNormowa& operator[](TStanNormowy s) const { return Stany[size_t(s)]; }
};

// From the unit states of the last analysis (TWyniki::Jednostkowe); called by
// the analysis after the user's envelopes. Deflections only when
// TWyniki::LiczUgiecia is set.
void LiczObwiednieNormowe(const TDaneZadania& zad, const TWyniki& wyn, TObwiednieNormowe& wynik);

// The design envelope at one section (span s, x from its left end), both
// sides of a jump: for the summary window.
struct TPrzekrojNormowy {
    TEkstremumNormowe MmaxL, MmaxP, MminL, MminP; // L: left side of x, P: right side
    TEkstremumNormowe TmaxL, TmaxP, TminL, TminP;
    TEkstremumNormowe Wmax, Wmin;
};
TPrzekrojNormowy PrzekrojNormowy(const TDaneZadania& zad, const TWyniki& wyn, TStanNormowy stan, int32_t s, double x);

// "6.10b, wiodące: Użytkowe, przęsła 1, 3" (UTF-8): the expression, the
// leading group, the spans of each patterned group and the whole groups.
std::string OpisPrzyczyny(const TDaneZadania& zad, const TPrzyczyna& p);
