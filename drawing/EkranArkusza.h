#pragma once
// The screen as the sheets' routines see it: they draw on it in sheet cm
// with pens in mm, and it decides the pixels. Two screens exist: the view
// itself (EkranWidoku.h), which draws every call at once on a surface, and
// a recording (Nagranie.h), which keeps the calls to be drawn through any
// view later. The composition draws the sheets once into a recording; zoom,
// pan and a resized window only replay it.
//
// Its calls are the shapes whose pixels depend on the view beyond the
// mapping of their points: a polyline passes over points falling into the
// pixel it stands at, a row of arrows thins out where they crowd, a text
// below a pixel's height becomes a dot.
#include "drawing/Rysowanie.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

struct TOdcinekArkusza {
    TPunktCm A, B;
};

// Where the screen can show something: sheet x from X1 to X2 (widened for
// pens), and where a text's reference point must stand for Tekst to draw it
// (TekstX1 < x < TekstX2). A recording can be shown anywhere: all of it.
struct TZasiegEkranu {
    double X1 = 0, X2 = 0;
    double TekstX1 = 0, TekstX2 = 0;
};

// A row of load arrows pointing down onto the base line Y: arrows 0 …
// Ostatnia, arrow i at X1 + i · Krok, its height running from H1 to H2 along
// the row and its head scaled by that height over Wieksza; at full size a
// head is 0.16 · Szer wide and 0.2 · Wys high.
struct TRzadStrzalek {
    TPioroArkusza Pioro;
    double X1 = 0, Y = 0, Krok = 0;
    int64_t Ostatnia = 0;
    double H1 = 0, H2 = 0, Wieksza = 1;
    double Szer = 0, Wys = 0;

    // The shaft, the head's base and its two sides.
    std::array<TOdcinekArkusza, 4> Strzalka(int64_t i) const;
    // How far beside its shaft an arrow reaches.
    double Zasieg() const { return 0.08 * Szer; }
};

class IEkranArkusza {
public:
    virtual ~IEkranArkusza() = default;

    virtual TZasiegEkranu Zasieg() const = 0;

    virtual void Linia(TPunktCm A, TPunktCm B, TPioroArkusza pioro) = 0;
    // A polyline: a point falling into the device pixel the line already
    // stands at is passed over, so thousands of sections zoomed out to a few
    // pixels reach the painter as a few segments; one that never leaves its
    // first pixel is that pixel.
    virtual void Lamana(std::span<const TPunktCm> punkty, TPioroArkusza pioro) = 0;
    // Strokes in order, each left out when it would repaint exactly the
    // pixels of the one before: the band between an envelope's two lines.
    virtual void Kreski(std::span<const TOdcinekArkusza> kreski, TPioroArkusza pioro) = 0;
    // Only the arrows that can reach the picture; where they would stand
    // less than a pixel apart, about one per pixel column, the last always.
    virtual void Strzalki(const TRzadStrzalek& rzad) = 0;
    // A text by Tekst's rules; with `kropka`, one less than a pixel high is
    // one pixel at its reference point, where all its strokes would land.
    virtual void Tekst(TPunktCm P, const TStylTekstu& styl, std::string_view tresc, bool kropka) = 0;
    // A heading by Tytul's rules.
    virtual void Tytul(TPunktCm P, TKolor kolor, std::string_view tresc, double wysokosc) = 0;
    // The white sheet with its shadow, its top-left corner at P.
    virtual void Arkusz(TPunktCm P, double szerokosc, double wysokosc) = 0;
};
