#include "Pomocnicze.h"

#include "drawing/PowierzchniaQt.h"
#include "drawing/Symbole.h"
#include "drawing/Widocznosc.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>

namespace {

QImage Bialy(int w, int h)
{
    QImage obraz(w, h, QImage::Format_RGB32);
    obraz.fill(Qt::white);
    return obraz;
}

constexpr QRgb CzarnyQ = 0x000000, BialyQ = 0xFFFFFF, CzerwonyQ = 0xFF0000, NiebieskiQ = 0x0000FF;

void Sprawdz(const QImage& obraz, std::initializer_list<std::tuple<int, int, QRgb>> probki)
{
    for (const auto& [x, y, kolor] : probki)
        EXPECT_EQ(obraz.pixel(x, y) & 0xFFFFFF, kolor) << x << ", " << y;
}

} // namespace

TEST(PowierzchniaQt, LinesAndRectanglesCoverTheirPixelsOnlyAndBatchedLinesKeepTheirPens)
{
    QImage obraz = Bialy(200, 100);
    {
        TPowierzchniaQt p(obraz);
        ASSERT_TRUE(p.Aktywna());
        p.UstawPioro({Rgb(255, 0, 0), 1}); // left: lines batched across pen changes and other operations
        p.Linia(0, 10, 99, 10);
        p.Linia(0, 20, 99, 20);
        p.UstawPioro({Rgb(0, 0, 255), 1});
        p.Linia(0, 30, 99, 30);
        p.UstawPioro({Rgb(255, 0, 0), 1});
        p.Linia(0, 40, 99, 40);
        p.Prostokat(0, 60, 100, 70, Rgb(0, 0, 0)); // between two batches of one pen
        p.Linia(0, 65, 99, 65);
        p.UstawPioro({Rgb(0, 0, 255), 5});
        p.Linia(50, 80, 60, 80);
        p.UstawPioro({Rgb(0, 0, 0), 1}); // right: crisp lines, outlines and fills up to the far corner
        p.Linia(110, 50, 190, 50);
        p.Linia(120, 10, 120, 40);
        p.Prostokat(160, 60, 180, 80, Rgb(255, 0, 0));
        p.Prostokat(185, 85, 195, 95, BezWypelnienia);
    }
    Sprawdz(obraz,
            {{50, 10, CzerwonyQ}, {50, 20, CzerwonyQ},  {50, 30, NiebieskiQ}, {50, 40, CzerwonyQ}, {30, 65, CzerwonyQ},
             {30, 62, CzarnyQ},   {55, 82, NiebieskiQ}, {55, 86, BialyQ},     {111, 50, CzarnyQ},  {189, 50, CzarnyQ},
             {150, 49, BialyQ},   {150, 51, BialyQ},    {120, 25, CzarnyQ},   {121, 25, BialyQ},   {119, 25, BialyQ},
             {160, 60, CzarnyQ},  {179, 79, CzarnyQ},   {170, 70, CzerwonyQ}, {180, 80, BialyQ},   {159, 70, BialyQ},
             {185, 90, CzarnyQ},  {190, 90, BialyQ}});
}

TEST(Lamana, PassingOverPointsInTheSamePixelPaintsExactlyTheSamePixels)
{
    // Drawn segment by segment and through TLamana: a parabola of 2501 sections, and a dot of three points.
    std::vector<std::pair<double, double>> parabola, kropka{{10.01, 10.01}, {10.02, 10.03}, {10.04, 10.02}};
    for (int i = 0; i <= 2500; ++i)
        parabola.emplace_back(1 + i * 0.01, 2 + 0.02 * i * 0.01 * (25 - i * 0.01));
    for (const auto& [punkty, piksele, mm] : {std::tuple{&parabola, 4.0, 0.1}, {&parabola, 10.0, 0.1},
                                              {&parabola, 60.0, 0.5}, {&parabola, 100.0, 0.2}, {&kropka, 4.0, 0.1}}) {
        QImage obrazy[2] = {Bialy(300, 200), Bialy(300, 200)};
        for (int sposob = 0; sposob < 2; ++sposob) {
            TPowierzchniaQt p(obrazy[sposob]);
            TSrodowisko S;
            S.UstawSkale(piksele, 300, 200);
            TEkranWidoku ekran(p, S.Widok, *S.Czcionka);
            TRysowanie R{&ekran, nullptr, S.Widok, *S.Czcionka, S.Nastawy, ','};
            TLamana l(R, {.Ekran = sposob == 1}, {mm, Kolor::Bordowy});
            for (size_t i = 0; i < punkty->size(); ++i) {
                const auto [x, y] = (*punkty)[i];
                if (sposob == 1)
                    l.Punkt(x, y);
                else if (i > 0)
                    Linia(R, {.Ekran = true}, {(*punkty)[i - 1].first, (*punkty)[i - 1].second}, {x, y},
                          {mm, Kolor::Bordowy});
            }
            l.Koniec();
        }
        EXPECT_EQ(obrazy[0], obrazy[1]) << piksele << " px/cm";
        EXPECT_NE(obrazy[1], Bialy(300, 200)) << piksele; // the lone pixel too
    }
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

TEST_F(NapisyQt, ATextIsWrittenInItsCellTransparentOrOverItsFilledBackground)
{
    constexpr QRgb ZoltyQ = 0xFFFF00;
    for (const bool tlo : {false, true}) {
        QImage obraz = Bialy(200, 60);
        int szerokosc = 0;
        {
            TPowierzchniaQt p(obraz);
            const TStylNapisu styl{
                .Wysokosc = 12, .Kolor = Kolor::Czarny, .Tlo = tlo ? Rgb(255, 255, 0) : BezWypelnienia};
            szerokosc = p.SzerokoscNapisu("P = 10 kN", styl);
            p.Napis(10, 20, "P = 10 kN", styl);
        }
        QFont czcionka; // the surface's default face
        czcionka.setPixelSize(12);
        const int wysokosc = QFontMetrics(czcionka, &obraz).height();
        ASSERT_TRUE(szerokosc > 20 && wysokosc >= 12) << szerokosc << " " << wysokosc;
        int zolte = 0, czarne = 0, poza = 0; // pixels of the cell yellow and black; others changed outside it
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x) {
                const QRgb k = obraz.pixel(x, y) & 0xFFFFFF;
                if (!(x >= 10 && x < 10 + szerokosc && y >= 20 && y < 20 + wysokosc))
                    poza += k != BialyQ;
                else
                    (k == ZoltyQ ? zolte : czarne) += k == ZoltyQ || k == CzarnyQ;
            }
        EXPECT_EQ(poza, 0) << tlo;    // nothing above, left of or beyond the cell
        EXPECT_GT(czarne, 10) << tlo; // the glyphs are black, over the yellow where no glyph is
        EXPECT_EQ(tlo, zolte > 4 * czarne) << zolte;
        EXPECT_EQ(obraz.pixel(10, 20) & 0xFFFFFF, tlo ? ZoltyQ : BialyQ); // the corner, above every glyph
    }
}

TEST(PowierzchniaQt, TheThinnestPensLinesInAPictureOfItsOwnArePixelForPixelThePaintersAmongFillsAndOtherPens)
{
    // The same drawing in a 32-bit picture, whose thinnest lines are written
    // straight into its memory, and in a 24-bit one, which the painter draws.
    const auto rysuj = [](QImage& obraz) {
        obraz.fill(Qt::white);
        TPowierzchniaQt p(obraz);
        for (int32_t grubosc : {0, 1, 3}) {
            const int32_t d = grubosc * 40;
            p.UstawPioro({Rgb(200, 0, 0), grubosc});
            p.Linia(5 + d, 5, 35 + d, 5); // a row, both ways
            p.Linia(35 + d, 8, 5 + d, 8);
            p.Linia(10 + d, 10, 10 + d, 40); // a column, both ways
            p.Linia(14 + d, 40, 14 + d, 10);
            p.Linia(20 + d, 20, 21 + d, 21); // diagonal neighbours
            p.Linia(23 + d, 21, 22 + d, 20);
            p.Linia(25 + d, 25, 25 + d, 25);                     // a point
            p.Linia(26 + d, 30, 34 + d, 37);                     // slanted
            p.Prostokat(28 + d, 10, 36 + d, 18, Rgb(0, 0, 200)); // over the lines drawn so far
            p.Linia(27 + d, 14, 37 + d, 14);                     // and under the ones after it
            p.UstawPioro({Rgb(0, 150, 0), grubosc});
            p.Linia(30 + d, 4, 30 + d, 12);
        }
        p.UstawPioro({Rgb(0, 0, 0), 0}); // off the picture on every side
        p.Linia(-20, 45, 200, 45);
        p.Linia(100, -10, 100, 80);
        p.Linia(-5, 60, -1, 60);
        p.Linia(130, 70, 130, 90);
        p.Linia(-1, 48, 0, 49);
    };
    QImage wprost(160, 60, QImage::Format_RGB32), malarz(160, 60, QImage::Format_RGB888);
    rysuj(wprost);
    rysuj(malarz);
    EXPECT_EQ(wprost, malarz.convertToFormat(QImage::Format_RGB32));
    Sprawdz(wprost, {{5, 5, 0xC80000}, {35, 5, 0xC80000}, {10, 40, 0xC80000}, {21, 21, 0xC80000}, {25, 25, 0xC80000},
                     {32, 14, 0xC80000}, {30, 12, 0x009600}, {0, 45, CzarnyQ}, {159, 45, CzarnyQ}, {100, 0, CzarnyQ},
                     {0, 49, CzarnyQ}});
}
