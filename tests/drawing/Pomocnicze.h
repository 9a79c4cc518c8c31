#pragma once
// Recording screen and printer surfaces at 1000 screen pixels per cm, sheet (0, 0) at pixel (0, 0),
// and a font whose strokes spell out the texts drawn.
#include "analysis/Wyniki.h"
#include "drawing/EkranWidoku.h"
#include "drawing/PowierzchniaZapis.h"
#include "drawing/Rysowanie.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

inline constexpr TWyjscia Ekran{.Ekran = true}, Druk{.Druk = true};

// A colour in a failed expectation, as the task stores it.
inline void PrintTo(TKolor kolor, std::ostream* os)
{
    *os << "0x" << std::hex << kolor.Bgr() << std::dec;
}

struct TOdcinekCm {
    double x1, y1, x2, y2;
};

struct TSrodowisko {
    TWidok Widok;
    TNastawy Nastawy;
    std::unique_ptr<TCzcionka> Czcionka = std::make_unique<TCzcionka>();
    TPowierzchniaZapis Ekran{100000, 100000};
    TPowierzchniaZapis Druk{100000, 100000};
    // The screen drawn at once through the view.
    TEkranWidoku EkranWidoku{Ekran, Widok, *Czcionka};
    TRysowanie R{&EkranWidoku, &Druk, Widok, *Czcionka, Nastawy, ','};
    // The overlays' drawing on the same screen.
    TRysowanieNakladki Nakladka{Ekran, Widok, Nastawy, ','};

    TSrodowisko()
    {
        UstawSkale(1000);
        UstawDruk(Widok, 254, 254);
    } // 100 printer pixels per cm
    // `pikseleNaCm` on a W × H paint surface, sheet (0, 0) still at pixel (0, 0).
    void UstawSkale(double pikseleNaCm, double W = 100000, double H = 100000)
    {
        Widok.SkalaWidoku = 1000 / pikseleNaCm;
        Widok.EkranSrodekX = W / 2;
        Widok.EkranSrodekY = H / 2;
        Widok.SrodekX = W / 2 / pikseleNaCm;
        Widok.SrodekY = -H / 2 / pikseleNaCm;
    }
    // The lines in cm; only those of the pen `pioro` pixels wide if given.
    static std::vector<TOdcinekCm> Cm(const TPowierzchniaZapis& p, double pikseleNaCm = 1000, int32_t pioro = -1)
    {
        std::vector<TOdcinekCm> w;
        for (const TOperacja& o : p.Linie())
            if (pioro < 0 || o.Pioro.Grubosc == pioro)
                w.push_back({o.X1 / pikseleNaCm, o.Y1 / pikseleNaCm, o.X2 / pikseleNaCm, o.Y2 / pikseleNaCm});
        return w;
    }
    std::vector<TOdcinekCm> EkranCm() const { return Cm(Ekran); }
    std::vector<TOdcinekCm> LiniePiora(double mm) const { return Cm(Ekran, 1000, Widok.GruboscEkran(mm)); }
};

// True when the segment joins the two points (in either direction).
inline bool Laczy(const TOdcinekCm& o, double xa, double ya, double xb, double yb, double tol = 0.0015)
{
    auto B = [tol](double a, double b) { return std::abs(a - b) <= tol; };
    return (B(o.x1, xa) && B(o.y1, ya) && B(o.x2, xb) && B(o.y2, yb)) ||
           (B(o.x1, xb) && B(o.y1, yb) && B(o.x2, xa) && B(o.y2, ya));
}

inline bool JestOdcinek(const std::vector<TOdcinekCm>& w, double xa, double ya, double xb, double yb,
                        double tol = 0.0015)
{
    return std::any_of(w.begin(), w.end(), [&](const TOdcinekCm& o) { return Laczy(o, xa, ya, xb, yb, tol); });
}

// Glyph c is two strokes along the base line, 250 and c units long, so
// c = 250 · (second) / (first) at any size and angle; every advance is 255.
inline void UstawCzcionkeDoOdczytu(TCzcionka& cz)
{
    for (int c = 1; c < 256; ++c) {
        cz[size_t(c)] = Glif{.IloscKresek = 2, .Przesuniecie = 255};
        cz[size_t(c)].X2[0] = 250;
        cz[size_t(c)].X2[1] = uint8_t(c);
    }
}

struct TNapisZapisany {
    std::string Tekst;   // code page 1250
    double X = 0, Y = 0; // reference point: pixel / skala − (x0, y0)
    TPioro Pioro;
    bool Pionowy = false; // runs upward (90°)
    double Dlugosc = 0;   // from the reference point to the farthest stroke end, along the text
};

// The texts on a surface, `tekst` only if given: a pen, pairs of strokes
// from one origin, then the pen of width 1 Tekst leaves. In cm by default.
inline std::vector<TNapisZapisany> Napisy(const TPowierzchniaZapis& p, const std::string& tekst = "",
                                          double skala = 1000, double x0 = 0, double y0 = 0)
{
    std::vector<TNapisZapisany> wynik;
    const auto& o = p.Operacje;
    auto Dl = [&](size_t k) { return std::hypot(o[k].X2 - o[k].X1, o[k].Y2 - o[k].Y1); };
    size_t poczatek = 0; // first operation after the last pen
    TPioro pioro;
    for (size_t i = 0; i < o.size(); ++i) {
        if (o[i].Co != TOperacja::Rodzaj::Pioro)
            continue;
        bool napis = o[i].Pioro == TPioro{pioro.Kolor, 1} && i - poczatek >= 2 && (i - poczatek) % 2 == 0;
        for (size_t k = poczatek; napis && k < i; ++k)
            napis = o[k].Co == TOperacja::Rodzaj::Linia;
        if (napis) {
            const TOperacja& a = o[poczatek];
            TNapisZapisany t{"", a.X1 / skala - x0, a.Y1 / skala - y0, pioro,
                             std::abs(a.X2 - a.X1) < std::abs(a.Y2 - a.Y1)};
            for (size_t k = poczatek; k + 1 < i; k += 2)
                t.Tekst += char(int(std::lround(250 * Dl(k + 1) / Dl(k))));
            for (size_t k = poczatek; k < i; ++k)
                t.Dlugosc = std::max(t.Dlugosc, std::hypot(o[k].X2 - a.X1, o[k].Y2 - a.Y1) / skala);
            if (tekst.empty() || t.Tekst == tekst)
                wynik.push_back(t);
        }
        pioro = o[i].Pioro;
        poczatek = i + 1;
    }
    return wynik;
}

// Whether `tekst` stands at (x, y) cm.
inline bool JestNapis(const TPowierzchniaZapis& p, const std::string& tekst, double x, double y)
{
    const auto n = Napisy(p, tekst);
    return std::any_of(n.begin(), n.end(),
                       [&](const auto& t) { return std::abs(t.X - x) <= 0.002 && std::abs(t.Y - y) <= 0.002; });
}

// The system-font headings (Tytul) on a surface.
inline std::vector<std::string> Tytuly(const TPowierzchniaZapis& p)
{
    std::vector<std::string> w;
    for (const TOperacja& o : p.Rodzaju(TOperacja::Rodzaj::Napis))
        w.push_back(o.Tekst);
    return w;
}

// A task and its results drawn on the recording surfaces, in the font that reads the texts back.
class Rysunek : public ::testing::Test {
protected:
    TSrodowisko S;
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;

    void SetUp() override { UstawCzcionkeDoOdczytu(*S.Czcionka); }
    bool Napis(const std::string& t, double x, double y) const { return JestNapis(S.Ekran, t, x, y); }
};
