#pragma once
// M and T read off the sampled lines of the last analysis.
#include "analysis/Wyniki.h"

struct TDaneZadania;

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
