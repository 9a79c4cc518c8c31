#pragma once
// The recomputation of every combination: gather loads → fixed-end actions →
// assemble → solve → end forces → sampled lines → extremes.
#include "analysis/Wyniki.h"

#include <optional>
#include <string>

struct TDaneZadania;
class IKomunikaty;

// A Polish message (UTF-8) naming the first span or load that cannot be analysed:
// a length of 0 or below, a non-finite length, E, J, position or value, or
// an index outside the tables. Nothing when the task is sound.
std::optional<std::string> SprawdzZadanie(const TDaneZadania& zad);

// Recomputes all tables for the combinations in use (IloscKombinacji must be counted).
// A task refused by SprawdzZadanie is reported through `kom`, leaves the results
// empty (IloscPoliczonych = 0) and returns false.
bool Analiza(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom);

// Final end moments and forces of every span of combination c from WektorX.
void ObliczKonce(const TDaneZadania& zad, TWyniki& wyn, int32_t c);

// M(x) and T(x) of one span from its left-end values and the working load tables.
float MomentWPrzekroju(const TDaneZadania& zad, float ML, float TL, float x);
float TnacaWPrzekroju(const TDaneZadania& zad, float TL, float x);

// Sample one span into WykresRoboczyM / WykresRoboczyT.
void ProbkujMomenty(const TDaneZadania& zad, TWyniki& wyn, float L, float MP, float ML, float TL);
void ProbkujTnace(const TDaneZadania& zad, TWyniki& wyn, float L, float TP, float TL);

// Whole centimetres in a span of length L (m): the grid of the sampled lines
// and the envelopes; never more than the 100000 of the longest span analysed.
int32_t IloscCentymetrow(float L);

// Extremes of the first n points of a polyline.
TEkstrema EkstremaWykresu(const std::vector<TPunktWykresu>& punkty, int32_t n);
// The rule behind it, one point at a time: a value strictly above Max or below
// Min replaces it (the first of equal extremes wins; they never cross 0) ...
void DodajDoEkstremow(TEkstrema& e, const TPunktWykresu& p);
// ... and at the end the scale: the larger magnitude, 1 when that is about 0.
void UstalSkale(TEkstrema& e);

// M and T read off the sampled lines of combination c, span s, at local x (m);
// at a jump the value just right of it.
float MomentZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x);
float TnacaZWykresu(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double x);

// Reads one sampled line at non-decreasing x with exactly the results of
// MomentZWykresu / TnacaZWykresu, walking on from the last point found
// instead of searching the whole line each time.
class TOdczytKolejny {
public:
    TOdczytKolejny(const std::vector<TPunktWykresu>& punkty, int32_t ilosc, float L, double przesuniecie);
    float operator()(double x);

private:
    const std::vector<TPunktWykresu>& punkty_;
    int32_t ilosc_;
    float L_;
    double przesuniecie_;
    int32_t kursor_ = 1;
};

TOdczytKolejny OdczytMomentow(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s);
TOdczytKolejny OdczytTnacych(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s);
