#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

std::string_view BezOdstepow(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

namespace {

bool Cyfra(char c)
{
    return c >= '0' && c <= '9';
}

// The largest double written with 15 digits lies above the largest double;
// it is still taken as that (inclusive bound).
constexpr long double GranicaDouble = 1.79769313486232e308L;

// |value| as decimal digits: the integer part without leading zeros (empty
// for zero) and enough fraction digits that rounding at the first few
// places sees the binary value exactly.
struct TCyfry {
    std::string Calkowite;
    std::string Ulamek;
};

constexpr int CyfryUlamka = 60;

TCyfry Rozloz(double modul)
{
    // 60 fixed decimals expand a double exactly far enough for our roundings:
    // a double cannot lie within 1e-60 of a decimal tie without being the tie
    // itself. to_chars, unlike printf, ignores the process locale.
    char bufor[DBL_MAX_10_EXP + 2 + CyfryUlamka + 1];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, modul, std::chars_format::fixed, CyfryUlamka);
    const std::string_view s(bufor, size_t(wynik.ptr - bufor));
    const size_t kropka = s.find('.');
    TCyfry c;
    c.Calkowite = std::string(s.substr(0, kropka));
    c.Ulamek = std::string(s.substr(kropka + 1));
    const size_t pierwsza = c.Calkowite.find_first_not_of('0');
    c.Calkowite = pierwsza == std::string::npos ? std::string() : c.Calkowite.substr(pierwsza);
    return c;
}

// Keeps `miejsca` fraction digits, rounding half away from zero.
void Zaokraglij(TCyfry& c, int miejsca)
{
    miejsca = std::clamp(miejsca, 0, CyfryUlamka - 1);
    const bool wGore = c.Ulamek[size_t(miejsca)] >= '5';
    c.Ulamek.resize(size_t(miejsca));
    if (!wGore)
        return;
    std::string wszystkie = c.Calkowite + c.Ulamek;
    int i = int(wszystkie.size()) - 1;
    for (; i >= 0; --i) {
        if (wszystkie[size_t(i)] == '9') {
            wszystkie[size_t(i)] = '0';
        } else {
            ++wszystkie[size_t(i)];
            break;
        }
    }
    size_t dlugoscCalkowitych = c.Calkowite.size();
    if (i < 0) {
        wszystkie.insert(wszystkie.begin(), '1');
        ++dlugoscCalkowitych;
    }
    c.Calkowite = wszystkie.substr(0, dlugoscCalkowitych);
    c.Ulamek = wszystkie.substr(dlugoscCalkowitych);
}

bool Zero(const TCyfry& c)
{
    return c.Calkowite.find_first_not_of('0') == std::string::npos &&
           c.Ulamek.find_first_not_of('0') == std::string::npos;
}

std::string NieLiczba(double wartosc)
{
    if (std::isnan(wartosc))
        return "NAN";
    return wartosc < 0 ? "-INF" : "INF";
}

// d,dddE+XX with up to `cyfry` significant digits, trailing zeros dropped.
std::string Wykladniczo(double wartosc, int cyfry, char separator)
{
    char bufor[64];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(wartosc), std::chars_format::scientific,
                                     std::max(cyfry - 1, 0));
    const std::string_view s(bufor, size_t(wynik.ptr - bufor));
    const size_t e = s.find('e');
    std::string mantysa(s.substr(0, e));
    const std::string_view wykladnik = s.substr(e + 1); // sign and at least two digits
    if (mantysa.find('.') != std::string::npos) {
        while (mantysa.back() == '0')
            mantysa.pop_back();
        if (mantysa.back() == '.')
            mantysa.pop_back();
    }
    std::replace(mantysa.begin(), mantysa.end(), '.', separator);
    return (wartosc < 0 ? "-" : "") + mantysa + "E" + std::string(wykladnik);
}

} // namespace

std::string FormatujMaska(double wartosc, std::string_view maska, char separator)
{
    if (!std::isfinite(wartosc))
        return NieLiczba(wartosc);
    const size_t kropka = maska.find('.');
    const std::string_view czescCalkowita = maska.substr(0, kropka);
    const std::string_view czescUlamkowa =
        kropka == std::string_view::npos ? std::string_view() : maska.substr(kropka + 1);

    const int miejsca =
        int(std::count_if(czescUlamkowa.begin(), czescUlamkowa.end(), [](char z) { return z == '#' || z == '0'; }));
    const size_t ostatniaZero = czescUlamkowa.rfind('0');
    const size_t minUlamka = ostatniaZero == std::string_view::npos ? 0 : ostatniaZero + 1;
    const size_t pierwszaZero = czescCalkowita.find('0');
    const size_t minCalkowitych = pierwszaZero == std::string_view::npos ? 0 : czescCalkowita.size() - pierwszaZero;

    TCyfry c = Rozloz(std::fabs(wartosc));
    Zaokraglij(c, miejsca);
    const bool ujemna = wartosc < 0 && !Zero(c);

    while (c.Ulamek.size() > minUlamka && c.Ulamek.back() == '0')
        c.Ulamek.pop_back();
    if (c.Calkowite.size() < minCalkowitych)
        c.Calkowite.insert(0, minCalkowitych - c.Calkowite.size(), '0');
    // A mask of '#' only would write nothing for zero; a label needs its number.
    if (c.Calkowite.empty() && c.Ulamek.empty())
        c.Calkowite = "0";

    std::string wynik = ujemna ? "-" : "";
    wynik += c.Calkowite;
    if (!c.Ulamek.empty()) {
        wynik += separator;
        wynik += c.Ulamek;
    }
    return wynik;
}

std::string FormatujStale(double wartosc, int miejsca, int cyfry, char separator)
{
    if (!std::isfinite(wartosc))
        return NieLiczba(wartosc);
    miejsca = std::clamp(miejsca, 0, 18);
    cyfry = std::clamp(cyfry, 1, 18);
    TCyfry c = Rozloz(std::fabs(wartosc));
    if (int(c.Calkowite.size()) > cyfry)
        return Wykladniczo(wartosc, cyfry, separator);

    // Significant digits count from the first non-zero digit.
    int dostepne;
    if (!c.Calkowite.empty()) {
        dostepne = cyfry - int(c.Calkowite.size());
    } else {
        const size_t pierwsza = c.Ulamek.find_first_not_of('0');
        dostepne = pierwsza == std::string::npos ? miejsca : int(pierwsza) + cyfry;
    }
    Zaokraglij(c, std::min(miejsca, dostepne));
    if (int(c.Calkowite.size()) > cyfry) // 999…9.5 rounded up past the digit count
        return Wykladniczo(wartosc, cyfry, separator);
    const bool ujemna = wartosc < 0 && !Zero(c);
    c.Ulamek.resize(size_t(miejsca), '0');
    if (c.Calkowite.empty())
        c.Calkowite = "0";

    std::string wynik = ujemna ? "-" : "";
    wynik += c.Calkowite;
    if (miejsca > 0) {
        wynik += separator;
        wynik += c.Ulamek;
    }
    return wynik;
}

bool CzytajCalkowita(std::string_view tekst, int32_t& wynik)
{
    std::string_view s = BezOdstepow(tekst);
    const bool znak = !s.empty() && (s.front() == '+' || s.front() == '-');
    if (s.size() <= size_t(znak) || !Cyfra(s[znak ? 1 : 0]))
        return false;
    if (s.front() == '+')
        s.remove_prefix(1);
    int32_t v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return false;
    wynik = v;
    return true;
}

bool CzytajLiczbe(std::string_view tekst, std::string_view separatory, double& wynik)
{
    const std::string_view s = BezOdstepow(tekst);
    // Checked by hand so that only [sign] digits [separator digits] [E [sign] digits]
    // reaches the conversion: no nan, inf, hex or thousands separators.
    std::string c;
    c.reserve(s.size());
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            c += '-';
        ++i;
    }
    size_t cyfryMantysy = 0;
    while (i < s.size() && Cyfra(s[i])) {
        c += s[i++];
        ++cyfryMantysy;
    }
    if (i < s.size() && separatory.find(s[i]) != std::string_view::npos) {
        c += '.';
        ++i;
        while (i < s.size() && Cyfra(s[i])) {
            c += s[i++];
            ++cyfryMantysy;
        }
    }
    if (cyfryMantysy == 0)
        return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        c += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            if (s[i] == '-')
                c += '-';
            ++i;
        }
        size_t cyfryWykladnika = 0;
        while (i < s.size() && Cyfra(s[i])) {
            c += s[i++];
            ++cyfryWykladnika;
        }
        if (cyfryWykladnika == 0)
            return false;
    }
    if (i != s.size())
        return false;

    // Extended precision, so that a value just above the largest double is
    // seen as such rather than as an overflow.
    long double v = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), v);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size() || !std::isfinite(v))
        return false;
    if (std::fabs(v) > GranicaDouble)
        return false;
    wynik = std::fabs(v) > DBL_MAX ? std::copysign(DBL_MAX, double(v > 0 ? 1 : -1)) : double(v);
    return true;
}

bool CzytajLiczbeNormalizujac(std::string_view tekst, char separator, double& wynik)
{
    return CzytajLiczbe(NormalizujSeparator(tekst, separator), separator, wynik);
}

std::string NormalizujSeparator(std::string_view tekst, char separator)
{
    std::string s(tekst);
    for (char& z : s)
        if (z == '.' || z == ',')
            z = separator;
    return s;
}

std::optional<int32_t> NumerGrupy(std::string_view tekst)
{
    while (!tekst.empty() && tekst.front() == ' ')
        tekst.remove_prefix(1);
    tekst = tekst.substr(0, tekst.find(' '));
    int32_t numer = 0;
    if (!CzytajCalkowita(tekst, numer))
        return std::nullopt;
    return numer;
}

std::string KomunikatRzeczywistej(std::string_view tekst)
{
    return "'" + std::string(tekst) + "' is not a valid floating point value";
}

std::string KomunikatCalkowitej(std::string_view tekst)
{
    return "'" + std::string(tekst) + "' is not a valid integer value";
}
