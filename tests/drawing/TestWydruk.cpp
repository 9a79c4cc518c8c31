// What keeps a zoomed-out picture cheap without changing what it shows, and
// the pages of one printed document.
#include "Odczyt.h"
#include "Pomocnicze.h"

#include "drawing/PowierzchniaQt.h"
#include "drawing/Symbole.h"
#include "drawing/Widocznosc.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

// A view of `pikseleNaCm` with sheet (0, 0) at pixel (0, 0).
void Widok(TSrodowisko& S, double pikseleNaCm, double W = 100000, double H = 100000)
{
    S.Widok.SkalaWidoku = 1000 / pikseleNaCm;
    S.Widok.EkranSrodekX = W / 2;
    S.Widok.EkranSrodekY = H / 2;
    S.Widok.SrodekX = W / 2 / pikseleNaCm;
    S.Widok.SrodekY = -H / 2 / pikseleNaCm;
}

QImage Obraz(int w, int h)
{
    QImage o(w, h, QImage::Format_RGB32);
    o.fill(Qt::white);
    return o;
}

int StronyPdf(const QString& plik)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray dane = f.readAll();
    // Page objects, not the page tree ("/Type /Pages").
    int strony = 0;
    for (qsizetype i = dane.indexOf("/Type /Page"); i >= 0; i = dane.indexOf("/Type /Page", i + 1))
        if (dane.mid(i + 11, 1) != "s")
            ++strony;
    return strony;
}

} // namespace

TEST(Strony, APdfWriterTakesTheNextPageOfTheSameDocumentAndAPictureHasNone)
{
    const QString plik = QDir::temp().filePath("quarvi-test-strony.pdf");
    {
        QPdfWriter pdf(plik);
        pdf.setResolution(300);
        TPowierzchniaQt p(pdf);
        ASSERT_TRUE(p.Aktywna());
        p.UstawPioro({Kolor::Czarny, 3});
        p.Linia(10, 10, 500, 500);
        EXPECT_TRUE(p.NowaStrona());
        p.Linia(10, 500, 500, 10);
        EXPECT_TRUE(p.NowaStrona());
        p.Zakoncz();
        EXPECT_FALSE(p.NowaStrona()); // painting has ended
    }
    EXPECT_EQ(StronyPdf(plik), 3);
    QFile::remove(plik);

    QImage obraz = Obraz(50, 50);
    TPowierzchniaQt p(obraz);
    EXPECT_FALSE(p.NowaStrona());
}

TEST(Rzedy, ArrowsCloserThanAPixelOnScreenAreThinnedToAboutOnePerColumnButAllArePrinted)
{
    TSrodowisko S;
    Widok(S, 10); // 10 pixels per cm
    // 16 cm of arrows 1/64 cm high: n = 16 · 64 + 1 = 1025 spaces, 1026 arrows, 0.16 pixel apart on screen.
    ObciazenieRownomierne(S.R, Kolor::Czarny, true, 1, 17, 5, 1.0 / 64, 1.0 / 64, 0.2, 0.2, true);
    // On paper every arrow, four strokes each, and the top line.
    EXPECT_EQ(S.Druk.Linie().size(), 1u + 4u * 1026u);
    // On screen about one arrow per column (1026 / 6 of them), yet every
    // column from 10 to 170 still gets one, the last included.
    const auto linie = S.Ekran.Linie();
    EXPECT_LE(linie.size(), 1u + 4u * (1026u / 6u + 2u));
    std::set<int32_t> x;
    for (const TOperacja& o : linie)
        if (o.X1 == o.X2)
            x.insert(o.X1);
    for (int32_t k = 10; k <= 170; ++k)
        EXPECT_TRUE(x.count(k)) << k;

    // A row reaching far left of the picture: only the arrows in view are
    // drawn. 100 cm at 0.5 cm: 201 spaces, about half of them at x ≥ 0.
    TSrodowisko Z; // 1000 px/cm from x = 0 over 100 cm
    ObciazenieRownomierne(Z.R, Kolor::Czarny, true, -50, 50, 1, 0.5, 0.5, 0.2, 0.2, false);
    EXPECT_GE(Z.Ekran.Linie().size(), 1u + 4u * 100u);
    EXPECT_LE(Z.Ekran.Linie().size(), 1u + 4u * 103u);
}

TEST(Rzedy, AThinnedTrapezoidalRowKeepsTheHeightsOfItsPlaces)
{
    TSrodowisko S;
    Widok(S, 10);
    ObciazenieTrapezowe(S.R, Kolor::Czarny, true, 0, 20, 5, 0, 2, 0.02, 0.02, 0.2, 0.2, false);
    // Each shaft's top lies on the top line from (0, 5) to (20, 3).
    size_t trzony = 0;
    // Shafts: vertical strokes clear of the base line's row 50, where the heads end.
    for (const TOperacja& o : S.Ekran.Linie())
        if (o.X1 == o.X2 && o.Y1 != o.Y2 && std::max(o.Y1, o.Y2) < 50) {
            const double x = o.X1 / 10.0, gora = std::min(o.Y1, o.Y2) / 10.0;
            EXPECT_NEAR(gora, 5 - 2 * x / 20, 0.15) << x;
            ++trzony;
        }
    EXPECT_GT(trzony, 150u);
    EXPECT_LT(trzony, 250u);
}

TEST(Etykiety, ALabelUnderAPixelHighIsItsReferencePixelOnScreenAndWholeOnPaper)
{
    TSrodowisko S;
    UstawCzcionkeDoOdczytu(*S.Czcionka);
    UstawDruk(S.Widok, 2540, 2540); // a fine printer, for reading the strokes back
    Widok(S, 2);                    // 0.3 cm is 0.6 pixel
    const TPasWidoczny pas = PasWidoczny(S.R, true, true);
    Etykieta(S.R, pas, 12.5, "#######0.00", " kN", Kolor::Zielony, 10, 20, 0.3, 0.22, 0.2, 0, true, true);
    const auto e = S.Ekran.Linie();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].X1, 20);
    EXPECT_EQ(e[0].Y1, 40);
    EXPECT_EQ(e[0].X2, 20);
    EXPECT_EQ(e[0].Pioro.Kolor, Kolor::Zielony);
    ASSERT_EQ(Napisy(S.Druk).size(), 1u);
    EXPECT_EQ(Napisy(S.Druk)[0].Tekst, "12,50 kN");

    // Zoomed in, the label itself; off the picture's columns, nothing at all.
    S.Ekran.Wyczysc();
    Widok(S, 1000);
    const TPasWidoczny blisko = PasWidoczny(S.R, true, false);
    Etykieta(S.R, blisko, 12.5, "#######0.00", " kN", Kolor::Zielony, 10, 20, 0.3, 0.22, 0.2, 0, true, false);
    EXPECT_EQ(Napisy(S.Ekran).at(0).Tekst, "12,50 kN");
    S.Ekran.Wyczysc();
    Etykieta(S.R, blisko, 12.5, "#######0.00", " kN", Kolor::Zielony, 150, 20, 0.3, 0.22, 0.2, 0, true, false);
    Etykieta(S.R, blisko, 12.5, "#######0.00", " kN", Kolor::Zielony, -0.02, 20, 0.3, 0.22, 0.2, 0, true, false);
    EXPECT_TRUE(S.Ekran.Operacje.empty());
}

namespace {

// The same polyline drawn segment by segment and through TLamana, onto pictures.
struct TPorownanie {
    QImage Kazdy = Obraz(300, 200);
    QImage Lamana = Obraz(300, 200);
};

template <class Punkty>
TPorownanie Porownaj(double pikseleNaCm, double mm, const Punkty& punkty)
{
    TPorownanie w;
    for (int sposob = 0; sposob < 2; ++sposob) {
        QImage& obraz = sposob == 0 ? w.Kazdy : w.Lamana;
        TPowierzchniaQt p(obraz);
        TSrodowisko S;
        Widok(S, pikseleNaCm, 300, 200);
        TRysowanie R{&p, nullptr, S.Widok, *S.Czcionka, S.Nastawy, ','};
        if (sposob == 0) {
            for (size_t i = 1; i < punkty.size(); ++i)
                Linia(R, Kolor::Bordowy, true, punkty[i - 1].first, punkty[i - 1].second, punkty[i].first,
                      punkty[i].second, mm, false);
        } else {
            TLamana l(R, Kolor::Bordowy, mm, true, false);
            for (const auto& [x, y] : punkty)
                l.Punkt(x, y);
            l.Koniec();
        }
    }
    return w;
}

} // namespace

TEST(Lamana, PassingOverPointsInTheSamePixelPaintsExactlyTheSamePixels)
{
    // A parabola of 2501 sections over 25 cm, as a moment diagram's span.
    std::vector<std::pair<double, double>> parabola;
    for (int i = 0; i <= 2500; ++i) {
        const double x = i * 0.01;
        parabola.emplace_back(1 + x, 2 + 0.02 * x * (25 - x));
    }
    for (const auto& [piksele, mm] : {std::pair{4.0, 0.1}, {10.0, 0.1}, {60.0, 0.5}, {100.0, 0.2}}) {
        const TPorownanie p = Porownaj(piksele, mm, parabola);
        EXPECT_EQ(p.Kazdy, p.Lamana) << piksele << " px/cm";
    }
    // A polyline that never leaves its pixel is still that pixel.
    const std::vector<std::pair<double, double>> kropka{{10.01, 10.01}, {10.02, 10.03}, {10.04, 10.02}};
    const TPorownanie k = Porownaj(4, 0.1, kropka);
    EXPECT_EQ(k.Kazdy, k.Lamana);
    EXPECT_NE(k.Lamana.pixel(40, 40) & 0xFFFFFF, 0xFFFFFFu);
}
