#pragma once
// What the drawing needs of an output: the screen picture, a printer page or
// a PDF page (PowierzchniaQt.h), or a recording for tests (PowierzchniaZapis.h).
// Everything is in device pixels of the surface.
#include <cstdint>
#include <optional>
#include <string>

// A colour: red, green and blue of 0 … 255, held as the task holds its group
// colours (0x00BBGGRR). Not a number, so that it is never passed where an
// index or a size is meant.
class TKolor {
public:
    constexpr TKolor() = default; // black
    // A colour as the task stores it.
    static constexpr TKolor ZBgr(int32_t bgr)
    {
        TKolor k;
        k.bgr_ = bgr;
        return k;
    }
    constexpr int32_t Bgr() const { return bgr_; }
    constexpr int Czerwona() const { return bgr_ & 0xFF; }
    constexpr int Zielona() const { return (bgr_ >> 8) & 0xFF; }
    constexpr int Niebieska() const { return (bgr_ >> 16) & 0xFF; }
    friend constexpr bool operator==(TKolor, TKolor) = default;

private:
    int32_t bgr_ = 0;
};

constexpr TKolor Rgb(int r, int g, int b)
{
    return TKolor::ZBgr(int32_t(uint32_t(r & 0xFF) | uint32_t(g & 0xFF) << 8 | uint32_t(b & 0xFF) << 16));
}

namespace Kolor {
inline constexpr TKolor Czarny = Rgb(0, 0, 0);
inline constexpr TKolor Bialy = Rgb(255, 255, 255);
inline constexpr TKolor Szary = Rgb(128, 128, 128);
inline constexpr TKolor CiemnySzary = Rgb(80, 80, 80);
inline constexpr TKolor JasnySzary = Rgb(220, 220, 220); // the desk under the sheets
inline constexpr TKolor Granatowy = Rgb(0, 0, 128);
inline constexpr TKolor Zielony = Rgb(0, 128, 0);
inline constexpr TKolor Bordowy = Rgb(128, 0, 0);
inline constexpr TKolor Czerwony = Rgb(255, 0, 0);
inline constexpr TKolor Kratka = Rgb(210, 230, 230);
inline constexpr TKolor Zolty = Rgb(255, 255, 0);
} // namespace Kolor

// The fill of an outline-only rectangle, the background of a text on what is under it.
inline constexpr std::optional<TKolor> BezWypelnienia{};

struct TPioro {
    TKolor Kolor = Kolor::Czarny;
    int32_t Grubosc = 1; // pixels; 0 is the thinnest pen the device has
    friend bool operator==(const TPioro&, const TPioro&) = default;
};

// How a system-font text is written: its face (empty: the surface's default
// one), its height in pixels, its colour and the fill of its cell first.
struct TStylNapisu {
    std::string KrojPisma{};
    int32_t Wysokosc = 12;
    TKolor Kolor = Kolor::Czarny;
    std::optional<TKolor> Tlo = BezWypelnienia;
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
    virtual void Prostokat(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::optional<TKolor> wypelnienie) = 0;

    // A system-font text (UTF-8) whose cell has its top-left corner at (x, y).
    // The cell is filled with the style's background first, if it has one:
    // the load previews and section markers must stay readable over the
    // diagrams; the sheets' headings have none.
    virtual void Napis(int32_t x, int32_t y, const std::string& tekst, const TStylNapisu& styl) = 0;
    virtual int32_t SzerokoscNapisu(const std::string& tekst, const TStylNapisu& styl) = 0;

    // The dotted focus rectangle of the zoom window; drawing it twice erases it.
    virtual void ProstokatXor(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;

    virtual TRozmiarPowierzchni Rozmiar() const = 0;
};
