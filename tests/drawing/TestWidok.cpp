#include "drawing/Widok.h"
#include "model/Zadanie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// 100 pixels per cm on a 1000 × 800 paint surface; pixel (0, 0) is the sheet's corner.
TWidok WidokProsty()
{
    return {.SkalaWidoku = 10, .SrodekX = 5, .SrodekY = -4, .EkranSrodekX = 500, .EkranSrodekY = 400};
}

} // namespace

TEST(Widok, ConvertsSheetPointsToPixelsTruncatingTowardZeroWithBoundedPensAndNoOverflow)
{
    TWidok w = WidokProsty();
    // Sheet y 3 cm is world y −3; −0.5 pixel is column 0, −1.5 is −1.
    EXPECT_EQ(std::tuple(w.NaEkranX(2.5), w.NaEkranY(-3.0), w.NaEkranX(-0.005), w.NaEkranX(-0.015)),
              std::tuple(250, 300, 0, -1));
    EXPECT_EQ(OdczytWspolrzednych(w, 0, 50, ','), "X=0,000 Y=-0,500");
    // 100 px/cm · 0.05 cm; below a pixel the thinnest pen; trunc(5.9) at 300 dpi.
    EXPECT_EQ(std::tuple(w.GruboscEkran(0.5), w.GruboscEkran(0.05), w.GruboscDruk(0.5)), std::tuple(5, 0, 5));
    UstawDruk(w, 600, 600);
    EXPECT_EQ(w.NaDrukY(-2.54), -600); // sheet y, sign kept
    w.SkalaWidoku = 1e-12;
    EXPECT_EQ(std::tuple(w.GruboscEkran(0.5), w.NaEkranX(1e6), w.NaEkranX(-1e6), NaInt32(std::nan(""))),
              std::tuple(MaxGruboscPiora, INT32_MAX, INT32_MIN, 0));
}

TEST(Widok, ZoomAllFitsTheSheetAndTheButtonsAndWheelScaleAboutTheCentreWithinTheBounds)
{
    TWidok w;
    ZoomWszystko(w, 1005, 1430); // max(20.5 · 1000 / (W − 5), 28.5 · 1000 / (H − 5))
    EXPECT_EQ(std::tie(w.SkalaWidoku, w.SrodekX, w.SrodekY), std::tuple(20.5, 10.25, -14.25));
    ZoomWszystko(w, 805, 1005);
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, 28.5); // the height decides
    ZoomWszystko(w, 3, 0);
    EXPECT_TRUE(w.SkalaWidoku >= MinSkalaWidoku && w.SkalaWidoku <= MaxSkalaWidoku) << w.SkalaWidoku;

    w = WidokProsty();
    Powieksz(w);
    Pomniejsz(w);
    EXPECT_EQ(std::tie(w.SkalaWidoku, w.SrodekX, w.SrodekY), std::tuple(10 * 0.9 * 1.1, 5.0, -4.0));
    for (const auto& [krok, granica] : {std::pair{&Powieksz, MinSkalaWidoku}, {&Pomniejsz, MaxSkalaWidoku}}) {
        for (int i = 0; i < 2000; ++i)
            krok(w);
        EXPECT_DOUBLE_EQ(w.SkalaWidoku, granica);
    }
    EXPECT_DOUBLE_EQ(OgraniczSkale(std::numeric_limits<double>::quiet_NaN()), MaxSkalaWidoku);
}

TEST(ZoomOkno, TheBoxDrawnSetsZoomAndCentreWhicheverWayItIsDraggedOnceTheToolIsArmed)
{
    struct TPrzypadek {
        bool Uzbrojone;
        int x1, y1, x2, y2;
        double Skala, SrodekX, SrodekY;
    };
    const TPrzypadek przypadki[] = {
        {true, 300, 200, 300, 200, 0.02, 2.99, -2.01}, // a click: a 2-pixel box, 500-fold, about the click
        {true, 400, 300, 100, 100, 2.4, 2.5, -2.0},    // wider than tall, dragged up: w · H / W
        {true, 100, 100, 200, 400, 3.0, 1.5, -2.5},    // at least as tall as wide: its height
        {true, 500, 100, 504, 500, 4.0, 4.99, -3.0},   // too narrow: a strip 498 … 500
        {false, 100, 100, 300, 300, 10, 5, -4},        // unarmed: nothing happens
    };
    for (const TPrzypadek& p : przypadki) {
        TWidok w = WidokProsty();
        w.TrybOkna = p.Uzbrojone;
        PoczatekOkna(w, p.x1, p.y1, 800);
        EXPECT_EQ(w.RysowanieOkna, p.Uzbrojone);
        EXPECT_EQ(KoniecOkna(w, p.x2, p.y2, 1000, 800), p.Uzbrojone);
        EXPECT_NEAR(w.SkalaWidoku, p.Skala, 1e-6) << p.x1 << " " << p.x2;
        EXPECT_TRUE(std::abs(w.SrodekX - p.SrodekX) < 1e-9 && std::abs(w.SrodekY - p.SrodekY) < 1e-9)
            << p.x1 << " " << p.x2 << ": " << w.SrodekX << " " << w.SrodekY;
        EXPECT_FALSE(w.TrybOkna || w.RysowanieOkna);
    }
}

// The drag itself the window's tests follow with the mouse.
TEST(Przesuwanie, AReleaseAfterArmingWithoutAPressEndsThePanAndUsesNothingLeftFromAnEarlierDrag)
{
    TWidok w = WidokProsty();
    w.ZapSrodekX = 99;
    w.PunktX = 900;
    w.TrybPrzesuwania = true;
    EXPECT_TRUE(KoniecPrzesuwania(w, 10, 10, 800));
    EXPECT_EQ(std::tie(w.SrodekX, w.TrybPrzesuwania), std::tuple(5.0, false));
}

TEST(RozmiarArkusza, ThePrinterPageOrTheDefaultSheetOrTheUsersSizeWithTheScales)
{
    const TInformacjaDrukarki a4{600, 600, 4800, 6600};
    // Printer, the user's size, scale denominators; then width, height, resolution and drawing scales.
    const std::tuple<std::optional<TInformacjaDrukarki>, bool, float, float, std::array<double, 5>> przypadki[] = {
        {a4, false, 100, 100, {20.32, 27.94, 600, 1, 1}},
        {std::nullopt, false, 50, 200, {20.5, 28.5, 300, 2, 0.5}},
        {TInformacjaDrukarki{0, 0, 4800, 6600}, false, 100, 100, {20.5, 28.5, 300, 1, 1}}, // reports no resolution
        {a4, true, 100, 100, {21, 28, 600, 1, 1}},        // the user's size, the printer's resolution
        {std::nullopt, true, 0, -5, {21, 28, 300, 1, 1}}, // no scale denominator: 1:100
    };
    for (const auto& [drukarka, uzytkownika, skalaX, skalaY, oczekiwany] : przypadki) {
        TWidok w{.DrukDpiX = 1200};
        UstawRozmiarArkusza(w, drukarka, TNastawy{.ArkuszUzytkownika = uzytkownika, .ArkuszL = 21, .ArkuszH = 28},
                            skalaX, skalaY);
        EXPECT_EQ(w.DrukDpiX, w.DrukDpiY);
        const double wynik[] = {w.ArkuszSzerokosc, w.ArkuszWysokosc, double(w.DrukDpiX), w.SkalaRysunkuX,
                                w.SkalaRysunkuY};
        for (size_t i = 0; i < 5; ++i)
            EXPECT_NEAR(wynik[i], oczekiwany[i], 1e-9) << oczekiwany[0] << " " << i;
    }
}
