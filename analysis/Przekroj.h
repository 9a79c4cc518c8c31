#pragma once
// One section of the beam read off the stored results of the last
// recomputation: where it lies, and M and T there for every combination with
// their extremes over the combinations. Nothing is recomputed.
#include <cstdint>
#include <string>
#include <vector>

struct TDaneZadania;
struct TWyniki;

struct TPrzekroj {
    float XGlobalne = 0; // m from the left end of the beam
    int32_t Przeslo = 0;
    double X = 0; // m from the left end of the span
};

// The beam's length in whole centimetres: the range of the summary's scroll bar.
int32_t DlugoscBelkiCm(const TDaneZadania& zad);

// The section `centymetry` cm from the left end of the beam. It lies in the
// last span whose left end is at or before it, so a section at an inner
// support belongs to the span on its right, at x = 0; the beam's right end is
// x = L of the last span; before the first span it counts to span 0. The
// supports stand where the span lengths put them, within the rounding of the
// lengths to single precision.
TPrzekroj PrzekrojBelki(const TDaneZadania& zad, int32_t centymetry);

// True when the results belong to the task as it is: it has a span and a
// load, no change waits for its recomputation (DoPrzeliczenia), and the
// tables hold every combination in use for every span.
bool SaWynikiPrzekrojow(const TDaneZadania& zad, const TWyniki& wyn);

struct TSilyPrzekroju {
    TPrzekroj Przekroj;
    // Per combination, and as the table writes them ("#######0.00").
    std::vector<double> M;
    std::vector<double> T;
    std::vector<std::string> TekstyM;
    std::vector<std::string> TekstyT;
    // The largest and smallest over the combinations, read back from the
    // texts, so combinations that agree to two decimals give equal extremes.
    // Only with two or more combinations.
    bool SaEkstrema = false;
    double MaxM = 0;
    double MinM = 0;
    double MaxT = 0;
    double MinT = 0;
    // Deflection (in the unit of JednostkaUgiec, "#######0.00") and rotation
    // (rad, "###0.000000") per combination, when the results hold them; the
    // extremes of w as those of M.
    std::vector<double> W;
    std::vector<double> Fi;
    std::vector<std::string> TekstyW;
    std::vector<std::string> TekstyFi;
    double MaxW = 0;
    double MinW = 0;
};

// M and T at the section for every combination the results hold (none when
// SaWynikiPrzekrojow is false).
TSilyPrzekroju SilyPrzekroju(const TDaneZadania& zad, const TWyniki& wyn, const TPrzekroj& przekroj, char separator);
