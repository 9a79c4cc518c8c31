#pragma once
// The view: how sheet centimetres map to pixels of the screen picture and of
// the printer, and the arithmetic of zoom and pan.
//
// Sheet coordinates: cm, x right, y down, origin at a sheet's top-left corner.
// World coordinates: the same plane with y up (world y = −sheet y); the view
// centre and the coordinate read-out are world coordinates.
// One view exists per run, owned by the application and passed by reference.
#include "platform/Drukarka.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

struct TNastawy;

struct TWidok {
    double SkalaWidoku = 25; // sheet cm per 1000 screen pixels
    double SrodekX = 0;      // world point shown at the centre of the paint surface
    double SrodekY = 0;
    double EkranSrodekX = 0; // half the paint surface size, pixels
    double EkranSrodekY = 0;
    int32_t DrukDpiX = 300;
    int32_t DrukDpiY = 300;
    double DrukSkalaX = 300 / 2.54; // printer pixels per cm
    double DrukSkalaY = 300 / 2.54;
    double ArkuszSzerokosc = 20.5; // one sheet, cm
    double ArkuszWysokosc = 28.5;
    double SkalaRysunkuX = 1; // sheet cm per metre of beam
    double SkalaRysunkuY = 1; // factor on the ordinates of the result diagrams

    bool TrybPrzesuwania = false;
    bool TrybOkna = false;
    bool Przeciaganie = false;
    bool RysowanieOkna = false;
    int32_t PunktX = 0; // where the button went down; PunktY is stored as H − row
    int32_t PunktY = 0;
    double ZapSrodekX = 0;
    double ZapSrodekY = 0;

    // Conversions. Integer results are truncated toward zero and saturate at
    // the 32-bit range; the ...D forms give the same truncated value as a
    // double, unlimited, for code that must clip before it narrows.
    int32_t NaEkranX(double x) const;
    int32_t NaEkranY(double w) const; // w is a world y: pass −y for a sheet y
    double NaEkranXD(double x) const { return std::trunc((x - SrodekX) * 1000 / SkalaWidoku + EkranSrodekX); }
    double NaEkranYD(double w) const { return std::trunc(EkranSrodekY - (w - SrodekY) * 1000 / SkalaWidoku); }
    double ZEkranuX(double kolumna) const;
    double ZEkranuY(double wiersz) const;
    int32_t NaDrukX(double x) const;
    int32_t NaDrukY(double y) const; // sheet y, downward
    double NaDrukXD(double x) const;
    double NaDrukYD(double y) const;
    // Pen widths in pixels from millimetres; 0 is the thinnest pen.
    int32_t GruboscEkran(double mm) const;
    int32_t GruboscDruk(double mm) const;
};

// The zoom is kept within these bounds by every view command: between them
// all sheet coordinates of a drawing map to pixels far inside 32 bits.
inline constexpr double MinSkalaWidoku = 1e-4;
inline constexpr double MaxSkalaWidoku = 1e7;
// No pen is wider than this many pixels, however far one zooms in.
inline constexpr int32_t MaxGruboscPiora = 4096;

double OgraniczSkale(double skala);

// Truncation toward zero into 32 bits; NaN gives 0, the rest saturates.
int32_t NaInt32(double v);

// Zoom all (also the first view): the 20.5 × 28.5 cm area of a default sheet
// at the origin fitted into a paint surface of W × H pixels.
void ZoomWszystko(TWidok& widok, int32_t W, int32_t H);
// The tool bar buttons and the wheel; the view centre stays put.
void Powieksz(TWidok& widok);
void Pomniejsz(TWidok& widok);
void KolkoMyszy(TWidok& widok, bool wGore);

// Pan: press, move and release of the button with the pan tool armed
// (column, row of the paint surface; H its height). Release also disarms the tool.
// Each returns true when the view changed and the picture must be composed again.
bool PoczatekPrzesuwania(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H);
bool Przesuwanie(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H);
bool KoniecPrzesuwania(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H);

// Zoom window: press, then release with the window tool armed. A box
// narrower than 5 pixels becomes a 2-pixel strip ending where it began.
bool PoczatekOkna(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H);
bool KoniecOkna(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t W, int32_t H);

// The status bar read-out "X=… Y=…" of a pixel: world coordinates, 3 decimals.
std::string OdczytWspolrzednych(const TWidok& widok, int32_t kolumna, int32_t wiersz, char separator);

// Sheet size and printer resolution: the printer's printable page, 20.5 ×
// 28.5 cm at 300 dpi without a printer, the user's size when the settings
// ask for it; and the drawing scales from the task's scale denominators.
void UstawRozmiarArkusza(TWidok& widok, const std::optional<TInformacjaDrukarki>& drukarka, const TNastawy& nastawy,
                         float skalaX, float skalaY);
// When a print starts: pixels per cm of the device printed on.
void UstawDruk(TWidok& widok, int32_t dpiX, int32_t dpiY);
