#pragma once
// Reading drawings back from a recording surface: a stroke font whose
// glyphs encode their character codes, the texts drawn with it, and the
// view the composition tests use.
#include "drawing/PowierzchniaZapis.h"
#include "drawing/Rysowanie.h"

#include <cmath>
#include <string>
#include <vector>

// Glyph c is two strokes from its origin along the base line: 250 units
// and c units, so c = 250 · (second length) / (first length) whatever the
// text's size and angle. Every glyph advances 255 units.
inline void UstawCzcionkeDoOdczytu(TCzcionka& cz)
{
    for (int c = 1; c < 256; ++c) {
        Glif& g = cz[size_t(c)];
        g = Glif{};
        g.IloscKresek = 2;
        g.Przesuniecie = 255;
        g.X2[0] = 250;
        g.X2[1] = uint8_t(c);
    }
}

struct TNapisZapisany {
    std::string Tekst; // code page 1250
    double X = 0, Y = 0; // reference pixel
    TPioro Pioro;
    bool Pionowy = false; // runs upward (90°)
};

// Every text on the surface: a pen, then pairs of strokes from one origin,
// then the pen of width 1 the text routine leaves behind.
inline std::vector<TNapisZapisany> Napisy(const TPowierzchniaZapis& p)
{
    std::vector<TNapisZapisany> wynik;
    const auto& o = p.Operacje;
    size_t poczatek = 0; // first operation after the last pen
    TPioro pioro;
    for (size_t i = 0; i < o.size(); ++i) {
        if (o[i].Co != TOperacja::Rodzaj::Pioro)
            continue;
        const size_t n = i - poczatek;
        bool tekst = o[i].Pioro.Grubosc == 1 && o[i].Pioro.Kolor == pioro.Kolor && n >= 2 && n % 2 == 0;
        for (size_t k = poczatek; tekst && k < i; ++k)
            tekst = o[k].Co == TOperacja::Rodzaj::Linia;
        if (tekst) {
            TNapisZapisany t;
            t.X = o[poczatek].X1;
            t.Y = o[poczatek].Y1;
            t.Pioro = pioro;
            t.Pionowy = std::abs(o[poczatek].X2 - o[poczatek].X1) < std::abs(o[poczatek].Y2 - o[poczatek].Y1);
            for (size_t k = poczatek; k + 1 < i; k += 2) {
                const double a = std::hypot(o[k].X2 - o[k].X1, o[k].Y2 - o[k].Y1);
                const double b = std::hypot(o[k + 1].X2 - o[k + 1].X1, o[k + 1].Y2 - o[k + 1].Y1);
                t.Tekst += char(int(std::lround(250 * b / a)));
            }
            wynik.push_back(t);
        }
        pioro = o[i].Pioro;
        poczatek = i + 1;
    }
    return wynik;
}

inline std::vector<TNapisZapisany> NapisyZ(const TPowierzchniaZapis& p, const std::string& tekst)
{
    std::vector<TNapisZapisany> w;
    for (const TNapisZapisany& n : Napisy(p))
        if (n.Tekst == tekst)
            w.push_back(n);
    return w;
}

// The system-font headings (Tytul) on a surface.
inline std::vector<std::string> Tytuly(const TPowierzchniaZapis& p)
{
    std::vector<std::string> w;
    for (const TOperacja& o : p.Rodzaju(TOperacja::Rodzaj::Napis))
        w.push_back(o.Tekst);
    return w;
}
