#include "drawing/PowierzchniaQt.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>

#include <memory>

namespace {

QImage Bialy(int w, int h)
{
    QImage obraz(w, h, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    return obraz;
}

QRgb Piksel(const QImage& obraz, int x, int y)
{
    return obraz.pixel(x, y) & 0xFFFFFF;
}

constexpr QRgb CzarnyQ = 0x000000, BialyQ = 0xFFFFFF, CzerwonyQ = 0xFF0000, NiebieskiQ = 0x0000FF;

} // namespace

TEST(PowierzchniaQt, ALineIsCrispAndCoversItsPixelsOnly)
{
    QImage obraz = Bialy(100, 100);
    {
        TPowierzchniaQt p(obraz);
        ASSERT_TRUE(p.Aktywna());
        EXPECT_EQ(p.Rozmiar().Szerokosc, 100);
        EXPECT_EQ(p.Rozmiar().Wysokosc, 100);
        p.UstawPioro({Rgb(0, 0, 0), 1});
        p.Linia(10, 50, 90, 50);
        p.Linia(20, 10, 20, 40);
    }
    for (int x = 11; x < 90; ++x)
        EXPECT_EQ(Piksel(obraz, x, 50), CzarnyQ) << x;
    EXPECT_EQ(Piksel(obraz, 50, 49), BialyQ);
    EXPECT_EQ(Piksel(obraz, 50, 51), BialyQ);
    EXPECT_EQ(Piksel(obraz, 20, 25), CzarnyQ);
    EXPECT_EQ(Piksel(obraz, 21, 25), BialyQ); // no antialiased fringe
    EXPECT_EQ(Piksel(obraz, 19, 25), BialyQ);
}

TEST(PowierzchniaQt, AFilledRectangleHasItsOutlineAndFillUpToTheFarCorner)
{
    QImage obraz = Bialy(60, 60);
    {
        TPowierzchniaQt p(obraz);
        p.UstawPioro({Rgb(0, 0, 0), 1});
        p.Prostokat(20, 20, 40, 40, Rgb(255, 0, 0));
        p.Prostokat(45, 45, 55, 55, BezWypelnienia);
    }
    EXPECT_EQ(Piksel(obraz, 20, 20), CzarnyQ);
    EXPECT_EQ(Piksel(obraz, 39, 39), CzarnyQ);
    EXPECT_EQ(Piksel(obraz, 30, 30), CzerwonyQ);
    EXPECT_EQ(Piksel(obraz, 40, 40), BialyQ);
    EXPECT_EQ(Piksel(obraz, 19, 30), BialyQ);
    EXPECT_EQ(Piksel(obraz, 45, 50), CzarnyQ);
    EXPECT_EQ(Piksel(obraz, 50, 50), BialyQ); // outline only
}

TEST(PowierzchniaQt, BatchedLinesKeepTheirOwnPensAcrossPenChangesAndOtherOperations)
{
    QImage obraz = Bialy(100, 100);
    {
        TPowierzchniaQt p(obraz);
        p.UstawPioro({Rgb(255, 0, 0), 1});
        p.Linia(0, 10, 99, 10);
        p.Linia(0, 20, 99, 20);
        p.UstawPioro({Rgb(0, 0, 255), 1});
        p.Linia(0, 30, 99, 30);
        p.UstawPioro({Rgb(255, 0, 0), 1});
        p.Linia(0, 40, 99, 40);
        p.Prostokat(0, 60, 100, 70, Rgb(0, 0, 0)); // drawn between two batches of one pen
        p.Linia(0, 65, 99, 65);
        p.UstawPioro({Rgb(0, 0, 255), 5});
        p.Linia(50, 80, 60, 80);
    }
    EXPECT_EQ(Piksel(obraz, 50, 10), CzerwonyQ);
    EXPECT_EQ(Piksel(obraz, 50, 20), CzerwonyQ);
    EXPECT_EQ(Piksel(obraz, 50, 30), NiebieskiQ);
    EXPECT_EQ(Piksel(obraz, 50, 40), CzerwonyQ);
    EXPECT_EQ(Piksel(obraz, 30, 65), CzerwonyQ); // the later line lies over the rectangle
    EXPECT_EQ(Piksel(obraz, 30, 62), CzarnyQ);
    EXPECT_EQ(Piksel(obraz, 55, 82), NiebieskiQ); // a 5-pixel pen
    EXPECT_EQ(Piksel(obraz, 55, 86), BialyQ);
}

TEST(PowierzchniaQt, TheFocusRectangleErasesItselfWhenDrawnTwice)
{
    QImage obraz = Bialy(50, 50);
    const QImage przed = obraz;
    {
        TPowierzchniaQt p(obraz);
        p.ProstokatXor(10, 10, 40, 40);
    }
    EXPECT_NE(obraz, przed);
    {
        TPowierzchniaQt p(obraz);
        p.ProstokatXor(10, 10, 40, 40);
    }
    EXPECT_EQ(obraz, przed);
}

// System-font texts need the font database of a GUI application.
class NapisyQt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_drawing";
        static char* argv[] = {nazwa, nullptr};
        Aplikacja = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { Aplikacja.reset(); }
    static inline std::unique_ptr<QGuiApplication> Aplikacja;
};

TEST_F(NapisyQt, ATextIsWrittenBelowAndRightOfItsCellCorner)
{
    QImage obraz = Bialy(200, 60);
    int szerokosc = 0;
    {
        TPowierzchniaQt p(obraz);
        szerokosc = p.SzerokoscNapisu("MOMENTY", "", 20);
        p.Napis(10, 20, "MOMENTY", "", 20, Rgb(0, 0, 0));
    }
    EXPECT_GT(szerokosc, 40);
    EXPECT_LT(szerokosc, 190);
    int ciemne = 0, ponadKomorka = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(obraz.pixel(x, y)) < 128) {
                ++ciemne;
                if (y < 20 || x < 10)
                    ++ponadKomorka;
            }
    EXPECT_GT(ciemne, 50);
    EXPECT_EQ(ponadKomorka, 0);
}

TEST_F(NapisyQt, APdfPageIsASurfaceOfPrinterPixels)
{
    const QString plik = QString::fromStdString(::testing::TempDir()) + "/powierzchnia.pdf";
    {
        QPdfWriter pdf(plik);
        pdf.setResolution(600);
        TPowierzchniaQt p(pdf);
        ASSERT_TRUE(p.Aktywna());
        // A4 at 600 dpi is about 4960 pixels wide, less the writer's margins.
        EXPECT_GT(p.Rozmiar().Szerokosc, 4000);
        EXPECT_LT(p.Rozmiar().Szerokosc, 5000);
        EXPECT_GT(p.SzerokoscNapisu("REAKCJE", "Tahoma", 60), 0);
        p.UstawPioro({Rgb(0, 0, 0), 3});
        p.Linia(100, 100, 1000, 1000);
        p.Napis(100, 1200, "REAKCJE", "Tahoma", 60, Rgb(0, 0, 0));
    }
    EXPECT_GT(QFileInfo(plik).size(), 500);
    QFile::remove(plik);
}
