#include "drawing/Widok.h"

#include "platform/TekstyLiczb.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

int32_t NaInt32(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double Min = std::numeric_limits<int32_t>::min();
    constexpr double Max = std::numeric_limits<int32_t>::max();
    if (v <= Min)
        return std::numeric_limits<int32_t>::min();
    if (v >= Max)
        return std::numeric_limits<int32_t>::max();
    return int32_t(v); // truncates toward zero
}

int32_t TWidok::NaEkranX(double x) const
{
    return NaInt32(NaEkranXD(x));
}

int32_t TWidok::NaEkranY(double w) const
{
    return NaInt32(NaEkranYD(w));
}

double TWidok::ZEkranuX(double kolumna) const
{
    return (kolumna - EkranSrodekX) * SkalaWidoku / 1000 + SrodekX;
}

double TWidok::ZEkranuY(double wiersz) const
{
    return (EkranSrodekY - wiersz) * SkalaWidoku / 1000 + SrodekY;
}

double TWidok::NaDrukXD(double x) const
{
    return std::trunc(x * DrukSkalaX);
}

double TWidok::NaDrukYD(double y) const
{
    return std::trunc(y * DrukSkalaY);
}

int32_t TWidok::NaDrukX(double x) const
{
    return NaInt32(NaDrukXD(x));
}

int32_t TWidok::NaDrukY(double y) const
{
    return NaInt32(NaDrukYD(y));
}

namespace {

int32_t Grubosc(double piksele)
{
    if (!(piksele > 0))
        return 0;
    return std::min(NaInt32(piksele), MaxGruboscPiora);
}

} // namespace

int32_t TWidok::GruboscEkran(double mm) const
{
    return Grubosc(1000 / SkalaWidoku * 0.1 * mm);
}

int32_t TWidok::GruboscDruk(double mm) const
{
    return Grubosc(DrukDpiX * mm * 0.1 / 2.54);
}

double OgraniczSkale(double skala)
{
    if (std::isnan(skala))
        return MaxSkalaWidoku;
    return std::clamp(skala, MinSkalaWidoku, MaxSkalaWidoku);
}

void ZoomWszystko(TWidok& widok, int32_t W, int32_t H)
{
    // A paint surface of 5 pixels or less still gets a finite view.
    const double w = std::max(double(W) - 5, 1.0);
    const double h = std::max(double(H) - 5, 1.0);
    widok.SkalaWidoku = OgraniczSkale(std::max(20.5 * 1000 / w, 28.5 * 1000 / h));
    widok.SrodekX = 10.25;
    widok.SrodekY = -14.25;
}

void Powieksz(TWidok& widok)
{
    widok.SkalaWidoku = OgraniczSkale(widok.SkalaWidoku * 0.9);
}

void Pomniejsz(TWidok& widok)
{
    widok.SkalaWidoku = OgraniczSkale(widok.SkalaWidoku * 1.1);
}

void KolkoMyszy(TWidok& widok, bool wGore)
{
    if (wGore)
        Powieksz(widok);
    else
        Pomniejsz(widok);
}

bool PoczatekPrzesuwania(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H)
{
    if (!widok.TrybPrzesuwania)
        return false;
    widok.PunktX = kolumna;
    widok.PunktY = H - wiersz;
    widok.Przeciaganie = true;
    widok.ZapSrodekX = widok.SrodekX;
    widok.ZapSrodekY = widok.SrodekY;
    return false;
}

namespace {

void PrzesunDo(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H)
{
    widok.SrodekX = widok.ZapSrodekX + (double(widok.PunktX) - kolumna) * widok.SkalaWidoku / 1000;
    widok.SrodekY = widok.ZapSrodekY + (double(widok.PunktY) - (double(H) - wiersz)) * widok.SkalaWidoku / 1000;
}

} // namespace

bool Przesuwanie(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H)
{
    if (!widok.Przeciaganie)
        return false;
    PrzesunDo(widok, kolumna, wiersz, H);
    return true;
}

bool KoniecPrzesuwania(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H)
{
    if (!widok.TrybPrzesuwania)
        return false;
    // Without a press since the tool was armed the saved centre is an old
    // one: moving there would make the view jump.
    if (widok.Przeciaganie)
        PrzesunDo(widok, kolumna, wiersz, H);
    widok.TrybPrzesuwania = false;
    widok.Przeciaganie = false;
    return true;
}

bool PoczatekOkna(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t H)
{
    if (!widok.TrybOkna || widok.TrybPrzesuwania)
        return false;
    widok.PunktX = kolumna;
    widok.PunktY = H - wiersz;
    widok.RysowanieOkna = true;
    return false;
}

bool KoniecOkna(TWidok& widok, int32_t kolumna, int32_t wiersz, int32_t W, int32_t H)
{
    if (!widok.TrybOkna)
        return false;
    int64_t x1 = widok.PunktX, y1 = widok.PunktY;
    int64_t x2 = kolumna, y2 = int64_t(H) - wiersz;
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 - x1 < 5) {
        x2 = x1;
        x1 -= 2;
    }
    if (y2 - y1 < 5) {
        y2 = y1;
        y1 -= 2;
    }
    const float w = float(double(x2 - x1) * widok.SkalaWidoku / 1000);
    const float h = float(double(y2 - y1) * widok.SkalaWidoku / 1000);
    widok.SrodekX = (widok.ZEkranuX(double(x1)) + widok.ZEkranuX(double(x2))) / 2;
    widok.SrodekY = (widok.ZEkranuY(double(H - y1)) + widok.ZEkranuY(double(H - y2))) / 2;
    // The box's height stands for 1000 pixels here, so a box at least as
    // tall as wide is not fitted exactly: its height becomes the new zoom.
    if (w > h && W > 0)
        widok.SkalaWidoku = OgraniczSkale(double(w) * H / W);
    else
        widok.SkalaWidoku = OgraniczSkale(double(h));
    widok.TrybOkna = false;
    widok.RysowanieOkna = false;
    return true;
}

std::string OdczytWspolrzednych(const TWidok& widok, int32_t kolumna, int32_t wiersz, char separator)
{
    return "X=" + FormatujStale(widok.ZEkranuX(kolumna), 3, 12, separator) +
           " Y=" + FormatujStale(widok.ZEkranuY(wiersz), 3, 12, separator);
}

void UstawRozmiarArkusza(TWidok& widok, const std::optional<TInformacjaDrukarki>& drukarka, const TNastawy& nastawy,
                         float skalaX, float skalaY)
{
    // A printer that answers with no resolution or no page counts as no printer.
    if (drukarka && drukarka->DpiX > 0 && drukarka->DpiY > 0 && drukarka->SzerokoscStrony > 0 &&
        drukarka->WysokoscStrony > 0) {
        widok.DrukDpiX = drukarka->DpiX;
        widok.DrukDpiY = drukarka->DpiY;
        widok.ArkuszSzerokosc = drukarka->SzerokoscStrony / (drukarka->DpiX / 2.54);
        widok.ArkuszWysokosc = drukarka->WysokoscStrony / (drukarka->DpiY / 2.54);
    } else {
        widok.ArkuszSzerokosc = 20.5;
        widok.ArkuszWysokosc = 28.5;
        widok.DrukDpiX = 300;
        widok.DrukDpiY = 300;
    }
    if (nastawy.ArkuszUzytkownika) {
        widok.ArkuszSzerokosc = nastawy.ArkuszL;
        widok.ArkuszWysokosc = nastawy.ArkuszH;
    }
    // A scale denominator of zero or less would make every drawing infinite; draw at 1:100 instead.
    widok.SkalaRysunkuX = skalaX > 0 && std::isfinite(skalaX) ? 100.0 / skalaX : 1.0;
    widok.SkalaRysunkuY = skalaY > 0 && std::isfinite(skalaY) ? 100.0 / skalaY : 1.0;
}

void UstawDruk(TWidok& widok, int32_t dpiX, int32_t dpiY)
{
    widok.DrukDpiX = dpiX > 0 ? dpiX : 300;
    widok.DrukDpiY = dpiY > 0 ? dpiY : 300;
    widok.DrukSkalaX = widok.DrukDpiX / 2.54;
    widok.DrukSkalaY = widok.DrukDpiY / 2.54;
}
