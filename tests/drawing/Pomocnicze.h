#pragma once
// A drawing set-up for tests: recording screen and printer surfaces and a
// view in which sheet (0, 0) is pixel (0, 0) and one cm is 1000 pixels, so
// recorded pixels read back as sheet cm to within 0.001.
#include "drawing/PowierzchniaZapis.h"
#include "drawing/Rysowanie.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <memory>
#include <vector>

struct TOdcinekCm {
    double x1, y1, x2, y2;
};

struct TSrodowisko {
    static constexpr double PikseleNaCm = 1000;

    TWidok Widok;
    TNastawy Nastawy;
    std::unique_ptr<TCzcionka> Czcionka = std::make_unique<TCzcionka>();
    TPowierzchniaZapis Ekran{100000, 100000};
    TPowierzchniaZapis Druk{100000, 100000};
    TRysowanie R{&Ekran, &Druk, Widok, *Czcionka, Nastawy, ','};

    TSrodowisko()
    {
        Widok.SkalaWidoku = 1000 / PikseleNaCm;
        Widok.EkranSrodekX = 50000;
        Widok.EkranSrodekY = 50000;
        Widok.SrodekX = 50;
        Widok.SrodekY = -50;
        UstawDruk(Widok, 254, 254); // 100 printer pixels per cm
    }

    static std::vector<TOdcinekCm> Cm(const TPowierzchniaZapis& p, double pikseleNaCm = PikseleNaCm)
    {
        std::vector<TOdcinekCm> w;
        for (const TOperacja& o : p.Linie())
            w.push_back({o.X1 / pikseleNaCm, o.Y1 / pikseleNaCm, o.X2 / pikseleNaCm, o.Y2 / pikseleNaCm});
        return w;
    }
    std::vector<TOdcinekCm> EkranCm() const { return Cm(Ekran); }
};

// True when the recorded segment joins the two points (in either direction).
inline bool Laczy(const TOdcinekCm& o, double xa, double ya, double xb, double yb, double tol = 0.0015)
{
    auto Blisko = [tol](double a, double b) { return std::abs(a - b) <= tol; };
    return (Blisko(o.x1, xa) && Blisko(o.y1, ya) && Blisko(o.x2, xb) && Blisko(o.y2, yb)) ||
           (Blisko(o.x1, xb) && Blisko(o.y1, yb) && Blisko(o.x2, xa) && Blisko(o.y2, ya));
}

inline bool JestOdcinek(const std::vector<TOdcinekCm>& w, double xa, double ya, double xb, double yb,
                        double tol = 0.0015)
{
    return std::any_of(w.begin(), w.end(), [&](const TOdcinekCm& o) { return Laczy(o, xa, ya, xb, yb, tol); });
}
