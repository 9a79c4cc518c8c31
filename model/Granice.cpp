#include "model/Granice.h"

#include <cfloat>
#include <cmath>

namespace {

// A text whose mantissa has a digit other than 0 means a number other than 0.
bool Niezerowy(std::string_view tekst)
{
    for (const char c : tekst) {
        if (c == 'e' || c == 'E')
            break;
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

bool Miesci(double v, std::string_view tekst, double najmniejsza, double najwieksza)
{
    const double m = std::fabs(v);
    if (!(m <= najwieksza))
        return false;
    return m >= najmniejsza || (m == 0 && !Niezerowy(tekst));
}

} // namespace

bool MiesciSieWFloat(double v, std::string_view tekst)
{
    return Miesci(v, tekst, FLT_MIN, FLT_MAX);
}

bool MiesciSieWDouble(double v, std::string_view tekst)
{
    return Miesci(v, tekst, DBL_MIN, DBL_MAX);
}

bool PrzesloWGranicach(double L)
{
    return L >= NajkrotszePrzeslo && L <= NajdluzszePrzeslo;
}

bool ObciazenieWGranicach(double v)
{
    return std::fabs(v) <= NajwiekszeObciazenie;
}

bool WspolczynnikWGranicach(double v)
{
    return std::fabs(v) <= NajwiekszyWspolczynnik;
}

bool SkalaWGranicach(double n)
{
    return n >= NajmniejszaSkala && n <= NajwiekszaSkala;
}
