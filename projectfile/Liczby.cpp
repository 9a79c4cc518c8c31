#include "projectfile/Liczby.h"

#include "model/Granice.h"
#include "platform/TekstyLiczb.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Above the largest finite float, but still taken as it: the magnitudes that round to it.
constexpr double GranicaFloat = 0x1.ffffffp127; // exclusive

struct TKolor {
    const char* Nazwa;
    uint32_t Wartosc;
};

// Written and read.
constexpr std::array<TKolor, 20> Kolory = {{
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},       {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},     {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

// Read only: aliases and the system colours, with the usual default scheme of
// a desktop of our users. Their numeric form is 0xFF000000 + index.
struct TKolorSystemu {
    const char* Nazwa;
    uint32_t Indeks;
    uint32_t Wartosc;
};
constexpr std::array<TKolorSystemu, 31> KoloryWSystemu = {{
    {"clScrollBar", 0, 0xC8C8C8},
    {"clBackground", 1, 0x000000},
    {"clActiveCaption", 2, 0xD1B499},
    {"clInactiveCaption", 3, 0xDBCDBF},
    {"clMenu", 4, 0xF0F0F0},
    {"clWindow", 5, 0xFFFFFF},
    {"clWindowFrame", 6, 0x646464},
    {"clMenuText", 7, 0x000000},
    {"clWindowText", 8, 0x000000},
    {"clCaptionText", 9, 0x000000},
    {"clActiveBorder", 10, 0xB4B4B4},
    {"clInactiveBorder", 11, 0xFCF7F4},
    {"clAppWorkSpace", 12, 0xABABAB},
    {"clHighlight", 13, 0xD77800},
    {"clHighlightText", 14, 0xFFFFFF},
    {"clBtnFace", 15, 0xF0F0F0},
    {"clBtnShadow", 16, 0xA0A0A0},
    {"clGrayText", 17, 0x6D6D6D},
    {"clBtnText", 18, 0x000000},
    {"clInactiveCaptionText", 19, 0x000000},
    {"clBtnHighlight", 20, 0xFFFFFF},
    {"cl3DDkShadow", 21, 0x696969},
    {"cl3DLight", 22, 0xE3E3E3},
    {"clInfoText", 23, 0x000000},
    {"clInfoBk", 24, 0xE1FFFF},
    {"clHotLight", 26, 0xCC6600},
    {"clGradientActiveCaption", 27, 0xEAD1B9},
    {"clGradientInactiveCaption", 28, 0xF2E4D7},
    {"clMenuHighlight", 29, 0xD77800},
    {"clMenuBar", 30, 0xF0F0F0},
    // Not a colour: nothing drawn, so the sheet's white.
    {"clNone", 0xFFFFFFFF, 0xFFFFFF},
}};

// Read only: other names of colours above.
constexpr std::array<TKolor, 3> Aliasy = {{
    {"clLtGray", 0xC0C0C0},
    {"clDkGray", 0x808080},
    {"clDefault", 0x000000},
}};

bool TaSamaNazwa(std::string_view a, const char* b)
{
    const size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        const auto male = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (male(a[i]) != male(b[i]))
            return false;
    }
    return true;
}

// The colour of a name in one of the tables, compared without regard to case.
template <class Tablica>
bool KolorNazwy(const Tablica& tablica, std::string_view nazwa, int32_t& kolor)
{
    for (const auto& k : tablica)
        if (TaSamaNazwa(nazwa, k.Nazwa)) {
            kolor = int32_t(k.Wartosc);
            return true;
        }
    return false;
}

// A numeric colour: system colours by their index, anything else kept to 24 bits.
int32_t KolorZLiczby(uint32_t v)
{
    if ((v & 0xFFFFFF00u) == 0xFF000000u)
        for (const TKolorSystemu& k : KoloryWSystemu)
            if (k.Indeks == (v & 0xFFu))
                return int32_t(k.Wartosc);
    return int32_t(v & 0xFFFFFFu);
}

} // namespace

std::string TekstLiczby(double v, char separator)
{
    if (v == 0 || !std::isfinite(v))
        return "0";
    // 15 significant digits, correctly rounded; the exponent is that of the rounded value.
    char bufor[64];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::scientific, 14);
    const std::string_view s(bufor, size_t(wynik.ptr - bufor));
    const bool ujemna = s.front() == '-';
    const size_t poczatek = ujemna ? 1 : 0;
    const size_t e = s.find('e');
    std::string cyfry;
    for (size_t i = poczatek; i < e; ++i)
        if (s[i] != '.')
            cyfry += s[i];
    int wykladnik = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), wykladnik);
    while (cyfry.size() > 1 && cyfry.back() == '0')
        cyfry.pop_back();

    std::string tekst = ujemna ? "-" : "";
    if (wykladnik >= -5 && wykladnik < 15) {
        if (wykladnik < 0) {
            tekst += '0';
            tekst += separator;
            tekst.append(size_t(-wykladnik - 1), '0');
            tekst += cyfry;
        } else {
            const size_t calkowite = size_t(wykladnik) + 1;
            if (cyfry.size() <= calkowite) {
                tekst += cyfry;
                tekst.append(calkowite - cyfry.size(), '0');
            } else {
                tekst.append(cyfry, 0, calkowite);
                tekst += separator;
                tekst.append(cyfry, calkowite);
            }
        }
    } else {
        tekst += cyfry[0];
        if (cyfry.size() > 1) {
            tekst += separator;
            tekst.append(cyfry, 1);
        }
        tekst += 'E';
        tekst += std::to_string(wykladnik);
    }
    return tekst;
}

bool CzytajRzeczywista(std::string_view tekst, double& wynik)
{
    double v = 0;
    if (!CzytajLiczbe(tekst, ",.", v) || !MiesciSieWDouble(v, tekst))
        return false;
    wynik = v;
    return true;
}

bool CzytajRzeczywista(std::string_view tekst, float& wynik)
{
    double v = 0;
    if (!CzytajRzeczywista(tekst, v) || std::fabs(v) >= GranicaFloat)
        return false;
    const float f = std::fabs(v) > FLT_MAX ? std::copysign(FLT_MAX, float(v > 0 ? 1 : -1)) : float(v);
    if (!MiesciSieWFloat(f, tekst))
        return false;
    wynik = f;
    return true;
}

std::string TekstKoloru(int32_t kolor)
{
    for (const TKolor& k : Kolory)
        if (uint32_t(kolor) == k.Wartosc)
            return k.Nazwa;
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string tekst = "$";
    for (int przesuniecie = 28; przesuniecie >= 0; przesuniecie -= 4)
        tekst += Hex[(uint32_t(kolor) >> przesuniecie) & 0xFu];
    return tekst;
}

bool CzytajKolor(std::string_view tekst, int32_t& kolor)
{
    const std::string_view s = BezOdstepow(tekst);
    if (KolorNazwy(Kolory, s, kolor) || KolorNazwy(KoloryWSystemu, s, kolor) || KolorNazwy(Aliasy, s, kolor))
        return true;
    if (!s.empty() && s.front() == '$') {
        const std::string_view hex = s.substr(1);
        if (hex.empty() || hex.size() > 8)
            return false;
        uint32_t v = 0;
        const auto r = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
        if (r.ec != std::errc() || r.ptr != hex.data() + hex.size())
            return false;
        kolor = KolorZLiczby(v);
        return true;
    }
    int32_t v = 0;
    if (!CzytajCalkowita(s, v))
        return false;
    kolor = KolorZLiczby(uint32_t(v));
    return true;
}
