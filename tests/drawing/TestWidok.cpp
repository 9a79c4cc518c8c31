#include "drawing/Widok.h"
#include "model/Zadanie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// 100 pixels per cm; pixel (0, 0) shows the sheet's top-left corner on a 1000 × 800 paint surface.
TWidok WidokProsty()
{
    TWidok w;
    w.SkalaWidoku = 10;
    w.SrodekX = 5;
    w.SrodekY = -4;
    w.EkranSrodekX = 500;
    w.EkranSrodekY = 400;
    return w;
}

} // namespace

TEST(Widok, ConvertsSheetPointsToScreenPixelsAndBack)
{
    const TWidok w = WidokProsty();
    EXPECT_EQ(w.NaEkranX(0.0), 0);
    EXPECT_EQ(w.NaEkranY(-0.0), 0);
    EXPECT_EQ(w.NaEkranX(2.5), 250);
    EXPECT_EQ(w.NaEkranY(-3.0), 300); // sheet y 3 cm is world y −3
    EXPECT_DOUBLE_EQ(w.ZEkranuX(250), 2.5);
    EXPECT_DOUBLE_EQ(w.ZEkranuY(300), -3.0);
    // Truncation toward zero, not flooring: −0.5 pixel is column 0, −1.5 is −1.
    EXPECT_EQ(w.NaEkranX(-0.005), 0);
    EXPECT_EQ(w.NaEkranX(-0.015), -1);
}

TEST(Widok, ReadsOutTheSheetCornerAndHalfACentimetreBelowIt)
{
    const TWidok w = WidokProsty();
    EXPECT_EQ(OdczytWspolrzednych(w, 0, 0, ','), "X=0,000 Y=0,000");
    EXPECT_EQ(OdczytWspolrzednych(w, 0, 50, ','), "X=0,000 Y=-0,500");
    EXPECT_EQ(OdczytWspolrzednych(w, 0, 50, '.'), "X=0.000 Y=-0.500");
}

TEST(Widok, ZoomAllFitsTheDefaultSheetAreaAndReadsItsCentre)
{
    TWidok w;
    ZoomWszystko(w, 1005, 1430);
    // max(20.5·1000/(W − 5), 28.5·1000/(H − 5)) = max(20.5, 20)
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, 20.5);
    EXPECT_DOUBLE_EQ(w.SrodekX, 10.25);
    EXPECT_DOUBLE_EQ(w.SrodekY, -14.25);

    ZoomWszystko(w, 805, 1005);
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, 28.5); // the height decides: 28.5·1000/1000

    // The centre pixel of a 806 × 1006 paint surface after zoom all.
    ZoomWszystko(w, 806, 1006);
    w.EkranSrodekX = 403;
    w.EkranSrodekY = 503;
    EXPECT_EQ(OdczytWspolrzednych(w, 403, 503, ','), "X=10,250 Y=-14,250");
}

TEST(Widok, ZoomAllOnATinyPaintSurfaceStaysFinite)
{
    TWidok w;
    ZoomWszystko(w, 3, 0);
    EXPECT_TRUE(std::isfinite(w.SkalaWidoku));
    EXPECT_GE(w.SkalaWidoku, MinSkalaWidoku);
    EXPECT_LE(w.SkalaWidoku, MaxSkalaWidoku);
}

TEST(Widok, ButtonsAndWheelScaleTheZoomAboutTheCentre)
{
    TWidok w = WidokProsty();
    Powieksz(w);
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, 10 * 0.9);
    Pomniejsz(w);
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, 10 * 0.9 * 1.1);
    EXPECT_DOUBLE_EQ(w.SrodekX, 5);
    EXPECT_DOUBLE_EQ(w.SrodekY, -4);

    w.SkalaWidoku = 10;
    for (int i = 0; i < 10; ++i)
        KolkoMyszy(w, true);
    for (int i = 0; i < 10; ++i)
        KolkoMyszy(w, false);
    // 0.9¹⁰ · 1.1¹⁰ = 0.99¹⁰ ≈ 0.904: the wheel does not return exactly.
    EXPECT_NEAR(w.SkalaWidoku, 10 * std::pow(0.99, 10), 1e-12);
    EXPECT_NEAR(w.SkalaWidoku / 10, 0.904, 0.001);
}

TEST(Widok, ZoomStaysWithinItsBoundsHoweverOftenItIsRepeated)
{
    TWidok w = WidokProsty();
    for (int i = 0; i < 2000; ++i)
        Powieksz(w);
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, MinSkalaWidoku);
    for (int i = 0; i < 2000; ++i)
        Pomniejsz(w);
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, MaxSkalaWidoku);
    EXPECT_DOUBLE_EQ(OgraniczSkale(std::numeric_limits<double>::quiet_NaN()), MaxSkalaWidoku);
}

TEST(ZoomOkno, AClickWithoutDragZoomsFiveHundredFoldAboutTheClick)
{
    constexpr int W = 1000, H = 800;
    TWidok w = WidokProsty();
    w.TrybOkna = true;
    PoczatekOkna(w, 300, 200, H);
    EXPECT_TRUE(w.RysowanieOkna);
    const double oczekiwanyX = w.ZEkranuX(299); // middle of the 2-pixel strip 298 … 300
    const double oczekiwanyY = w.ZEkranuY(201);
    EXPECT_TRUE(KoniecOkna(w, 300, 200, W, H));
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, double(float(2 * 10 / 1000.0))); // h = 2 pixels in cm, single precision
    EXPECT_NEAR(w.SkalaWidoku / 10, 0.002, 1e-8);
    EXPECT_DOUBLE_EQ(w.SrodekX, oczekiwanyX);
    EXPECT_DOUBLE_EQ(w.SrodekY, oczekiwanyY);
    EXPECT_FALSE(w.TrybOkna);
    EXPECT_FALSE(w.RysowanieOkna);
}

TEST(ZoomOkno, DraggingEitherWayGivesTheSameZoom)
{
    constexpr int W = 1000, H = 800;
    TWidok a = WidokProsty(), b = WidokProsty();
    a.TrybOkna = b.TrybOkna = true;
    PoczatekOkna(a, 100, 100, H);
    KoniecOkna(a, 400, 300, W, H);
    PoczatekOkna(b, 400, 300, H);
    KoniecOkna(b, 100, 100, W, H);
    EXPECT_DOUBLE_EQ(a.SkalaWidoku, b.SkalaWidoku);
    EXPECT_DOUBLE_EQ(a.SrodekX, b.SrodekX);
    EXPECT_DOUBLE_EQ(a.SrodekY, b.SrodekY);
    // A box wider than tall: w · H / W with w = 300 pixels in cm.
    EXPECT_NEAR(a.SkalaWidoku, 3.0 * H / W, 1e-6);
    EXPECT_NEAR(a.SrodekX, 2.5, 1e-12);
    EXPECT_NEAR(a.SrodekY, -2.0, 1e-12);
}

TEST(ZoomOkno, ABoxAtLeastAsTallAsWideTakesItsHeightAsTheZoom)
{
    constexpr int W = 1000, H = 800;
    TWidok w = WidokProsty();
    w.TrybOkna = true;
    PoczatekOkna(w, 100, 100, H);
    KoniecOkna(w, 200, 400, W, H);
    EXPECT_NEAR(w.SkalaWidoku, 3.0, 1e-6); // 300 pixels at 10 cm per 1000 pixels
}

TEST(ZoomOkno, ANarrowDragBecomesATwoPixelStripEndingWhereItBegan)
{
    constexpr int W = 1000, H = 800;
    TWidok w = WidokProsty();
    w.TrybOkna = true;
    PoczatekOkna(w, 500, 100, H);
    const double oczekiwanyX = w.ZEkranuX(499); // strip 498 … 500
    KoniecOkna(w, 504, 500, W, H);
    EXPECT_DOUBLE_EQ(w.SrodekX, oczekiwanyX);
    EXPECT_NEAR(w.SkalaWidoku, 4.0, 1e-6); // the 400-pixel height decides
}

TEST(ZoomOkno, IgnoresTheMouseUnlessTheToolIsArmed)
{
    TWidok w = WidokProsty();
    PoczatekOkna(w, 100, 100, 800);
    EXPECT_FALSE(w.RysowanieOkna);
    EXPECT_FALSE(KoniecOkna(w, 300, 300, 1000, 800));
    EXPECT_DOUBLE_EQ(w.SkalaWidoku, 10);
}

TEST(Przesuwanie, TheSheetFollowsTheMouseAndTheToolServesOneDrag)
{
    constexpr int H = 800;
    TWidok w = WidokProsty();
    w.TrybPrzesuwania = true;
    PoczatekPrzesuwania(w, 100, 100, H);
    EXPECT_TRUE(w.Przeciaganie);
    EXPECT_TRUE(Przesuwanie(w, 150, 120, H));
    // (PunktX − column) and (PunktY − (H − row)) pixels at 10 cm per 1000 pixels
    EXPECT_DOUBLE_EQ(w.SrodekX, 5 + (100 - 150) * 10 / 1000.0);
    EXPECT_DOUBLE_EQ(w.SrodekY, -4 + ((H - 100) - (H - 120)) * 10 / 1000.0);
    EXPECT_TRUE(KoniecPrzesuwania(w, 200, 100, H));
    EXPECT_DOUBLE_EQ(w.SrodekX, 5 + (100 - 200) * 10 / 1000.0);
    EXPECT_DOUBLE_EQ(w.SrodekY, -4.0);
    EXPECT_FALSE(w.TrybPrzesuwania);
    EXPECT_FALSE(w.Przeciaganie);
    EXPECT_FALSE(Przesuwanie(w, 300, 300, H));
}

TEST(Przesuwanie, ReleaseAfterArmingWithoutAPressEndsThePanAndKeepsTheView)
{
    TWidok w = WidokProsty();
    w.ZapSrodekX = 99; // left over from an earlier drag
    w.PunktX = 900;
    w.TrybPrzesuwania = true;
    EXPECT_TRUE(KoniecPrzesuwania(w, 10, 10, 800));
    EXPECT_FALSE(w.TrybPrzesuwania);
    EXPECT_DOUBLE_EQ(w.SrodekX, 5);
    EXPECT_DOUBLE_EQ(w.SrodekY, -4);
}

TEST(Widok, PenWidthsComeFromMillimetresAndStayBounded)
{
    TWidok w = WidokProsty();
    EXPECT_EQ(w.GruboscEkran(0.5), 5);  // 100 px/cm · 0.1 · 0.5
    EXPECT_EQ(w.GruboscEkran(0.05), 0); // below a pixel: the thinnest pen
    EXPECT_EQ(w.GruboscDruk(0.5), 5);   // trunc(300 · 0.5 · 0.1 / 2.54) = trunc(5.9)
    UstawDruk(w, 600, 600);
    EXPECT_EQ(w.GruboscDruk(0.5), 11);  // trunc(600 · 0.05 / 2.54) = trunc(11.8)
    EXPECT_EQ(w.NaDrukX(2.54), 600);
    EXPECT_EQ(w.NaDrukY(-2.54), -600);  // sheet y, sign kept
    w.SkalaWidoku = 1e-9;
    EXPECT_EQ(w.GruboscEkran(0.5), MaxGruboscPiora);
    EXPECT_EQ(w.GruboscEkran(-1), 0);
}

TEST(Widok, ConversionsSaturateInsteadOfOverflowing)
{
    TWidok w = WidokProsty();
    w.SkalaWidoku = 1e-12;
    EXPECT_EQ(w.NaEkranX(1e6), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(w.NaEkranX(-1e6), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(NaInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(NaInt32(-7.9), -7);
}

TEST(RozmiarArkusza, TakesThePrintablePageOfThePrinter)
{
    TWidok w;
    TNastawy n;
    UstawRozmiarArkusza(w, TInformacjaDrukarki{600, 600, 4800, 6600}, n, 100, 100);
    EXPECT_EQ(w.DrukDpiX, 600);
    EXPECT_EQ(w.DrukDpiY, 600);
    EXPECT_DOUBLE_EQ(w.ArkuszSzerokosc, 4800 / (600 / 2.54)); // 20.32 cm
    EXPECT_DOUBLE_EQ(w.ArkuszWysokosc, 6600 / (600 / 2.54));  // 27.94 cm
    EXPECT_DOUBLE_EQ(w.SkalaRysunkuX, 1.0);
    EXPECT_DOUBLE_EQ(w.SkalaRysunkuY, 1.0);
}

TEST(RozmiarArkusza, FallsBackToTheDefaultSheetWithoutAPrinter)
{
    TWidok w;
    w.DrukDpiX = 600;
    TNastawy n;
    UstawRozmiarArkusza(w, std::nullopt, n, 50, 200);
    EXPECT_DOUBLE_EQ(w.ArkuszSzerokosc, 20.5);
    EXPECT_DOUBLE_EQ(w.ArkuszWysokosc, 28.5);
    EXPECT_EQ(w.DrukDpiX, 300);
    EXPECT_EQ(w.DrukDpiY, 300);
    EXPECT_DOUBLE_EQ(w.SkalaRysunkuX, 2.0); // 100 / 50
    EXPECT_DOUBLE_EQ(w.SkalaRysunkuY, 0.5); // 100 / 200

    // A printer that reports no resolution is no printer.
    UstawRozmiarArkusza(w, TInformacjaDrukarki{0, 0, 4800, 6600}, n, 100, 100);
    EXPECT_DOUBLE_EQ(w.ArkuszSzerokosc, 20.5);
    EXPECT_EQ(w.DrukDpiX, 300);
}

TEST(RozmiarArkusza, TheUsersSizeWinsOverThePrinterButKeepsItsResolution)
{
    TWidok w;
    TNastawy n;
    n.ArkuszUzytkownika = true;
    n.ArkuszL = 21;
    n.ArkuszH = 28;
    UstawRozmiarArkusza(w, TInformacjaDrukarki{600, 600, 4800, 6600}, n, 100, 100);
    EXPECT_DOUBLE_EQ(w.ArkuszSzerokosc, 21);
    EXPECT_DOUBLE_EQ(w.ArkuszWysokosc, 28);
    EXPECT_EQ(w.DrukDpiX, 600);

    // A scale denominator of zero would make every drawing infinite: 1:100 instead.
    UstawRozmiarArkusza(w, std::nullopt, n, 0, -5);
    EXPECT_DOUBLE_EQ(w.SkalaRysunkuX, 1.0);
    EXPECT_DOUBLE_EQ(w.SkalaRysunkuY, 1.0);
}
