#pragma once
// What the drawing needs of an output: the screen picture, a printer page or
// a PDF page (PowierzchniaQt.h), or a recording for tests (PowierzchniaZapis.h).
// Everything is in device pixels of the surface.
#include <cstdint>
#include <string>

// Colours are 0x00BBGGRR, as the task stores its group colours.
constexpr int32_t Rgb(int r, int g, int b)
{
    return int32_t(uint32_t(r & 0xFF) | uint32_t(g & 0xFF) << 8 | uint32_t(b & 0xFF) << 16);
}

namespace Kolor {
inline constexpr int32_t Czarny = Rgb(0, 0, 0);
inline constexpr int32_t Bialy = Rgb(255, 255, 255);
inline constexpr int32_t Szary = Rgb(128, 128, 128);
inline constexpr int32_t CiemnySzary = Rgb(80, 80, 80);
inline constexpr int32_t JasnySzary = Rgb(220, 220, 220);
inline constexpr int32_t Granatowy = Rgb(0, 0, 128);
inline constexpr int32_t Zielony = Rgb(0, 128, 0);
inline constexpr int32_t Bordowy = Rgb(128, 0, 0);
inline constexpr int32_t Czerwony = Rgb(255, 0, 0);
inline constexpr int32_t Kratka = Rgb(210, 230, 230);
} // namespace Kolor

// The fill "colour" of an outline-only rectangle.
inline constexpr int32_t BezWypelnienia = -1;

struct TPioro {
    int32_t Kolor = Kolor::Czarny;
    int32_t Grubosc = 1; // pixels; 0 is the thinnest pen the device has
    friend bool operator==(const TPioro&, const TPioro&) = default;
};

struct TRozmiarPowierzchni {
    int32_t Szerokosc = 0;
    int32_t Wysokosc = 0;
};

class IPowierzchnia {
public:
    virtual ~IPowierzchnia() = default;

    virtual void UstawPioro(const TPioro& pioro) = 0;
    virtual TPioro Pioro() const = 0;

    // A straight line with the current pen.
    virtual void Linia(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;

    // A rectangle outlined with the current pen covering columns x1 … x2 − 1 and
    // rows y1 … y2 − 1, filled with `wypelnienie` unless that is BezWypelnienia.
    virtual void Prostokat(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t wypelnienie) = 0;

    // A system-font text (UTF-8) whose cell has its top-left corner at (x, y).
    // The cell is filled with `tlo` first, unless that is BezWypelnienia (the
    // sheets' headings): the load previews and section markers must stay
    // readable over the diagrams. An empty face is the surface's default one.
    virtual void Napis(int32_t x, int32_t y, const std::string& tekst, const std::string& krojPisma,
                       int32_t wysokosc, int32_t kolor, int32_t tlo) = 0;
    virtual int32_t SzerokoscNapisu(const std::string& tekst, const std::string& krojPisma, int32_t wysokosc) = 0;

    // The dotted focus rectangle of the zoom window; drawing it twice erases it.
    virtual void ProstokatXor(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;

    virtual TRozmiarPowierzchni Rozmiar() const = 0;
};
