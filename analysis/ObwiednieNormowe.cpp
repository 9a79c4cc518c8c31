#include "analysis/ObwiednieNormowe.h"

#include "analysis/Wyniki.h"

const char* NazwaWyrazenia(TWyrazenie w)
{
    switch (w) {
    case TWyrazenie::W610a:
        return "6.10a";
    case TWyrazenie::W610b:
        return "6.10b";
    case TWyrazenie::W614b:
        return "6.14b";
    case TWyrazenie::W615b:
        return "6.15b";
    case TWyrazenie::W616b:
        return "6.16b";
    }
    return "";
}

void LiczObwiednieNormowe(const TDaneZadania&, const TWyniki&, TObwiednieNormowe& wynik)
{
    wynik = TObwiednieNormowe{};
}

// Stand-ins until the computation lands: no section values, the expression alone.
TPrzekrojNormowy PrzekrojNormowy(const TDaneZadania&, const TWyniki&, TStanNormowy, int32_t, double)
{
    return {};
}

std::string OpisPrzyczyny(const TDaneZadania&, const TPrzyczyna& p)
{
    return NazwaWyrazenia(p.Wyrazenie);
}
