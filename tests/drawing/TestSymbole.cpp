#include "Pomocnicze.h"

#include "drawing/Symbole.h"
#include "drawing/Tekst.h"

#include <array>
#include <set>

namespace {

// Shafts of a load row, left to right: vertical strokes that do not touch the base line y.
std::vector<TOdcinekCm> Trzony(const std::vector<TOdcinekCm>& linie, double y)
{
    std::vector<TOdcinekCm> w;
    for (const TOdcinekCm& o : linie)
        if (std::abs(o.x1 - o.x2) < 0.0015 && std::abs(o.y1 - y) > 0.002 && std::abs(o.y2 - y) > 0.002)
            w.push_back(o);
    std::ranges::sort(w, {}, &TOdcinekCm::x1);
    return w;
}

constexpr TPioroArkusza Pioro{0.2, Kolor::Czarny};

// A symbol of one pen drawn as one of two: the first pen is its own.
template <auto Symbol>
void JednoPioro(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double Szer, double Wys)
{
    Symbol(r, na, P, piora.PioroGlowne(), Szer, Wys);
}

} // namespace

TEST(Linia, DrawsOnEachOutputAskedForSkippingWhatIsOutsideAndClippingFarEnds)
{
    TSrodowisko S;
    Linia(S.R, {true, true}, {1, 2}, {3, 4}, {0.5, Kolor::Granatowy});
    Linia(S.R, {.Druk = true}, {1, 2}, {3, 4}, {0.5, Kolor::Czarny});
    ASSERT_TRUE(S.Ekran.Linie().size() == 1 && S.Druk.Linie().size() == 2);
    EXPECT_TRUE(Laczy(S.EkranCm()[0], 1, 2, 3, 4) && Laczy(TSrodowisko::Cm(S.Druk, 100)[0], 1, 2, 3, 4, 0.011));
    // 0.05 cm at 1000 and at 100 pixels per cm.
    EXPECT_EQ(std::tuple(S.Ekran.Linie()[0].Pioro, S.Druk.Linie()[0].Pioro),
              std::tuple(TPioro{Kolor::Granatowy, 50}, TPioro{Kolor::Granatowy, 5}));
    S.Ekran.Wyczysc();
    Linia(S.R, Ekran, {-50, 1}, {-40, 2}, {0.1, Kolor::Czarny});  // left of the picture
    Linia(S.R, Ekran, {1, 150}, {2, 160}, {0.1, Kolor::Czarny});  // below it
    Linia(S.R, Ekran, {-1e9, 5}, {1e9, 5}, {0.1, Kolor::Czarny}); // cut to the picture's neighbourhood
    // The visible end used to move by the rounding of the far difference; it stays exactly put.
    Linia(S.R, Ekran, {-1e15, 5}, {5, 5}, {0.1, Kolor::Czarny});
    const auto l = S.Ekran.Linie();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_TRUE(l[0].Y1 == 5000 && l[0].Y2 == 5000 && l[0].X1 < 0 && l[0].X1 > -100 && l[0].X2 > 100000 &&
                l[0].X2 < 100100);
    EXPECT_EQ(l[1].X2, 5000);
}

TEST(Symbole, EachSymbolHasItsStrokesPensAndExtentAboutItsAnchor)
{
    using F = void (*)(TRysowanie&, TWyjscia, TPunktCm, const TPiora&, double, double);
    const double n = std::nan("");
    struct TSymbol {
        F Rysuj;
        double X, Y, Szer, Wys;
        size_t Kreski;
        int32_t PioroPierwszej; // pixels, −1: not checked; the other strokes take the first pen
        std::vector<std::array<double, 4>> Odcinki;
        std::array<double, 4> Zakres; // MinX, MaxX, MinY, MaxY; NaN: not checked
        double GrotY = std::nan("");  // where the last two strokes end
        size_t Ciag[2] = {0, 0};      // strokes from the first to before the second each start where the last ended
    };
    const TSymbol symbole[] = {
        {JednoPioro<PodporaStala>, 2, 3, 0.4, 0.4, 3, 10, {{2, 3, 2.2, 3.4}, {2.2, 3.4, 1.8, 3.4}, {1.8, 3.4, 2, 3}},
         {1.8, 2.2, 3, 3.4}},
        // The wall takes the second pen.
        {UtwierdzeniePrawe, 2, 3, 0.4, 0.4, 6, 50, {{2, 3.4, 2, 2.6}, {2.2, 2.6, 2.4, 2.8}}, {2, n, n, n}},
        {UtwierdzenieLewe, 2, 3, 0.4, 0.4, 6, 50, {{2, 3.4, 2, 2.6}, {2, 3.2, 1.8, 3.4}}, {n, 2, n, n}},
        {JednoPioro<StrzalkaSily>, 2, 3, 0.5, 0.5, 4, -1, {{2, 3, 2.03, 2.9}, {2, 2.9, 2, 2.5}}, {n, n, n, n}},
        // Head 2 · 0.1 · Szer wide, the shaft's bottom 2 · 0.03 · Szer.
        {JednoPioro<StrzalkaReakcji>, 2, 3, 2, 1, 7, -1, {{1.8, 3.2, 2, 3}, {2.06, 4, 1.94, 4}}, {1.8, 2.2, 3, 4}, n,
         {1, 7}},
        // Arcs from the radius to the top over their side to the tip at the bottom; the second an ellipse.
        {JednoPioro<MomentLewoskretny>, 5, 5, 1, 1, 21, -1, {{5, 5, 5, 4}}, {4, n, 4, n}, 6, {1, 18}},
        {JednoPioro<MomentPrawoskretny>, 5, 5, 2, 1, 21, -1, {{5, 5, 5, 4}}, {n, 7, 4, n}, 6, {1, 18}},
        // Double arcs: the outer line 1.1 · Szer out, the tail from 0.9 to 1.1 opposite the tip.
        {JednoPioro<MomentPodwojnyA>, 5, 5, 1, 1, 39, -1, {{5, 5.9, 5, 6.1}}, {3.9, n, n, n}, 4, {2, 18}},
        {JednoPioro<MomentPodwojnyD>, 5, 5, 1, 1, 39, -1, {{5, 4.1, 5, 3.9}}, {n, 6.1, n, n}, 6, {2, 18}},
    };
    for (size_t i = 0; i < std::size(symbole); ++i) {
        const TSymbol& s = symbole[i];
        TSrodowisko S;
        s.Rysuj(S.R, Ekran, {s.X, s.Y}, {0.1, 0.5, Kolor::Czarny}, s.Szer, s.Wys);
        const auto l = S.EkranCm();
        const auto o = S.Ekran.Linie();
        ASSERT_EQ(l.size(), s.Kreski) << i;
        for (const auto& [x1, y1, x2, y2] : s.Odcinki)
            EXPECT_TRUE(JestOdcinek(l, x1, y1, x2, y2, 0.002)) << i << ": " << x1 << " " << y1;
        for (size_t k = 0; s.PioroPierwszej >= 0 && k < o.size(); ++k)
            EXPECT_EQ(o[k].Pioro.Grubosc, k == 0 ? s.PioroPierwszej : 10) << i << " " << k;
        std::array<double, 4> r{1e300, -1e300, 1e300, -1e300};
        for (const TOdcinekCm& c : l)
            r = {std::min({r[0], c.x1, c.x2}), std::max({r[1], c.x1, c.x2}), std::min({r[2], c.y1, c.y2}),
                 std::max({r[3], c.y1, c.y2})};
        for (size_t k = 0; k < 4; ++k)
            EXPECT_TRUE(std::isnan(s.Zakres[k]) || std::abs(r[k] - s.Zakres[k]) < 0.0015) << i << " " << k;
        for (size_t k = l.size() - 2; !std::isnan(s.GrotY) && k < l.size(); ++k)
            EXPECT_NEAR(l[k].y2, s.GrotY, 0.0015) << i;
        for (size_t k = s.Ciag[0]; k < s.Ciag[1]; ++k) // the outline and the arcs are unbroken
            EXPECT_TRUE(std::abs(l[k].x1 - l[k - 1].x2) < 0.0015 && std::abs(l[k].y1 - l[k - 1].y2) < 0.0015)
                << i << " " << k;
    }
}

TEST(Rzedy, ArrowsStandAboutTheirLengthApartWithBothEndsIncludedAndGrowTowardsTheHigherEnd)
{
    // n = trunc(L / Wys) + 1 spaces, n + 1 arrows; a negative load points up from under the base line.
    for (const auto& [dlugosc, wys, strzalki, odstep] :
         {std::tuple{4.0, 1.0, 6u, 0.8}, {3.5, 1.0, 5u, 0.875}, {4.0, -1.0, 6u, 0.8}}) {
        TSrodowisko S;
        ObciazenieRownomierne(S.R, Ekran, {1, 5}, {0.2, Kolor::Czarny}, {.X2 = 1 + dlugosc, .Szer = wys, .Wys = wys});
        const auto l = S.EkranCm();
        EXPECT_TRUE(Laczy(l[0], 1, 5 - wys, 1 + dlugosc, 5 - wys)); // the top line at height Wys
        const auto trzony = Trzony(l, 5);
        ASSERT_EQ(trzony.size(), strzalki) << dlugosc;
        for (size_t i = 0; i < trzony.size(); ++i) // from 0.2 · Wys up to Wys
            EXPECT_TRUE(Laczy(trzony[i], 1 + double(i) * odstep, 5 - 0.2 * wys, 1 + double(i) * odstep, 5 - wys)) << i;
    }
    // A trapezoid from H1 = 1 to H2 = 2: the first arrow is half the last, its head half as wide.
    TSrodowisko S;
    ObciazenieTrapezowe(S.R, Ekran, {1, 5}, {0.2, Kolor::Czarny}, {.X2 = 5, .Szer = 2, .Wys = 1, .H1 = 1, .H2 = 2});
    const auto l = S.EkranCm();
    const auto trzony = Trzony(l, 5);
    ASSERT_EQ(trzony.size(), 6u);
    EXPECT_TRUE(Laczy(l[0], 1, 4, 5, 3) && Laczy(trzony.front(), 1, 4.9, 1, 4) && Laczy(trzony.back(), 5, 4.8, 5, 3));
    EXPECT_TRUE(JestOdcinek(l, 1.08, 4.9, 0.92, 4.9) && JestOdcinek(l, 5.16, 4.8, 4.84, 4.8));
}

TEST(Rzedy, DegenerateRowsAndGridsFinishWithABoundedNumberOfFiniteStrokes)
{
    // Rows as {X2, Szer, Wys, H1, H2}: of height 0, of arrows closer than any pixel, of trapezoids without length,
    // width or height; grids of a negative or a vanishing mesh.
    const std::pair<void (*)(TRysowanie&), size_t> przypadki[] = {
        {[](TRysowanie& r) { ObciazenieRownomierne(r, Ekran, {1, 5}, Pioro, {5, 1, 0}); }, 1},
        {[](TRysowanie& r) { ObciazenieRownomierne(r, Ekran, {0, 5}, Pioro, {50, 1e-12, 1e-12}); },
         1 + 4 * MaxStrzalekRzedu},
        {[](TRysowanie& r) { ObciazenieTrapezowe(r, Ekran, {3, 5}, Pioro, {3, 2, 1, 1, 2}); }, 100},
        {[](TRysowanie& r) { ObciazenieTrapezowe(r, Ekran, {1, 5}, Pioro, {5, 0, 1, 0, 0}); }, 1},
        {[](TRysowanie& r) { ObciazenieTrapezowe(r, Ekran, {1, 5}, Pioro, {5, 2, 0, 1, 2}); }, 1},
        {[](TRysowanie& r) { Kratka(r, Ekran, {1, 1}, {3, 2.5}, {0.01, Kolor::Czarny}, -0.5); }, 0},
        {[](TRysowanie& r) { Kratka(r, Ekran, {0, 0}, {1e9, 1e9}, {0.01, Kolor::Czarny}, 1e-9); }, 2 * MaxLiniiKratki},
    };
    for (size_t i = 0; i < std::size(przypadki); ++i) {
        TSrodowisko S;
        przypadki[i].first(S.R);
        EXPECT_LE(S.Ekran.Linie().size(), przypadki[i].second) << i;
        for (const TOdcinekCm& o : S.EkranCm())
            EXPECT_TRUE(std::isfinite(o.x1 + o.y1 + o.x2 + o.y2)) << i;
    }
    // A sound grid: inner lines only, stopping 0.05 short of the edges; y + 0.5, y + 1.0, then three along x.
    TSrodowisko S;
    Kratka(S.R, Ekran, {1, 1}, {3, 2.5}, {0.01, Kolor::Kratka}, 0.5);
    const auto l = S.EkranCm();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_TRUE(Laczy(l[1], 1.05, 2, 2.95, 2) && Laczy(l[4], 2.5, 1.05, 2.5, 2.45));
}

TEST(Rzedy, ArrowsCloserThanAPixelAreThinnedOnScreenToAboutOnePerColumnButAllArePrinted)
{
    TSrodowisko S;
    S.UstawSkale(10);
    // 16 cm of arrows 1/64 cm high: 1026 arrows 0.16 pixel apart on screen.
    ObciazenieRownomierne(S.R, {true, true}, {1, 5}, {0.2, Kolor::Czarny},
                          {.X2 = 17, .Szer = 1.0 / 64, .Wys = 1.0 / 64});
    EXPECT_EQ(S.Druk.Linie().size(), 1u + 4u * 1026u);
    EXPECT_LE(S.Ekran.Linie().size(), 1u + 4u * (1026u / 6u + 2u));
    std::set<int32_t> x; // every column still gets one, the last included
    for (const TOperacja& o : S.Ekran.Linie())
        x.insert(o.X1 == o.X2 ? o.X1 : -1);
    for (int32_t k = 10; k <= 170; ++k)
        EXPECT_TRUE(x.count(k)) << k;
    // Thinned, a trapezoidal row keeps its heights: the shafts' tops lie on the line from (0, 5) to (20, 3).
    S.Ekran.Wyczysc();
    ObciazenieTrapezowe(S.R, Ekran, {0, 5}, {0.2, Kolor::Czarny},
                        {.X2 = 20, .Szer = 0.02, .Wys = 0.02, .H1 = 0, .H2 = 2});
    size_t trzony = 0;
    for (const TOperacja& o : S.Ekran.Linie())
        if (o.X1 == o.X2 && o.Y1 != o.Y2 && std::max(o.Y1, o.Y2) < 50) { // clear of the base line's row
            EXPECT_NEAR(std::min(o.Y1, o.Y2) / 10.0, 5 - o.X1 / 100.0, 0.15) << o.X1;
            ++trzony;
        }
    EXPECT_TRUE(trzony > 150 && trzony < 250) << trzony;
    // A row reaching far left of the picture: only the arrows in view, about half of 201.
    TSrodowisko Z;
    ObciazenieRownomierne(Z.R, Ekran, {-50, 1}, {0.2, Kolor::Czarny}, {.X2 = 50, .Szer = 0.5, .Wys = 0.5});
    EXPECT_TRUE(Z.Ekran.Linie().size() >= 1 + 4 * 100 && Z.Ekran.Linie().size() <= 1 + 4 * 103);
}

// A zoom no user can reach: nothing drawn may leave the surface's neighbourhood, and every call finishes.
class SkrajnyZoom : public ::testing::TestWithParam<double> {};

TEST_P(SkrajnyZoom, ProducesOnlyPixelsNearThePictureAndFinishes)
{
    TSrodowisko S;
    ASSERT_EQ(WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *S.Czcionka), "");
    TPowierzchniaZapis ekran(1920, 1080), druk(4960, 7016);
    TEkranWidoku widok(ekran, S.Widok, *S.Czcionka);
    TRysowanie r{&widok, &druk, S.Widok, *S.Czcionka, S.Nastawy, ','};
    S.Widok = {.SkalaWidoku = GetParam(), .SrodekX = 3.3, .SrodekY = -6.2, .EkranSrodekX = 960, .EkranSrodekY = 540};
    const TWyjscia oba{true, true};
    Linia(r, oba, {0, 6}, {20, 6}, {0.5, Kolor::Czarny});
    Linia(r, oba, {3.3, 0}, {3.3001, 1e6}, {0.5, Kolor::Czarny});
    Linia(r, oba, {-1e30f, 6.2}, {1e30f, 6.2}, {0.5, Kolor::Czarny});
    Tekst(r, oba, {3.3, 6.2}, {{0.1, Kolor::Czarny}, 0.3, 0.22}, "KOMBINACJA OBCI\xA5\xAF\x45\xD1 12,50kN/m");
    Tekst(r, oba, {3.29, 6.25}, {{0.1, Kolor::Czarny}, 0.3, 0.22, 37}, "6,00m");
    Tytul(r, oba, {3.3, 6.2}, Kolor::Czarny, "MOMENTY [kNm]", 0.5);
    MomentPodwojnyD(r, oba, {3.3, 6.2}, {0.1, Kolor::Czarny}, 0.35, 0.2);
    StrzalkaReakcji(r, oba, {3.3, 6.2}, {0.1, Kolor::Granatowy}, 0.8, 0.8);
    UtwierdzenieLewe(r, oba, {3.3, 6.2}, {0.1, 0.5, Kolor::Czarny}, 0.4, 0.4);
    ObciazenieRownomierne(r, oba, {3, 6.2}, {0.2, Kolor::Czerwony}, {.X2 = 13, .Szer = 0.4, .Wys = 0.4});
    ObciazenieTrapezowe(r, oba, {3, 6.2}, {0.2, Kolor::Czerwony},
                        {.X2 = 13, .Szer = 0.5, .Wys = 0.5, .H1 = 0.1, .H2 = 0.5});
    Kratka(r, oba, {0, 0}, {20.5, 28.5}, {0.01, Kolor::Kratka}, 0.5);
    RamkaArkusza(r, {0, 0});
    Wymiar(r, oba, {3, 7.7}, {0.1, 0.2, Kolor::Czarny}, 9, "6,00m");

    for (const TPowierzchniaZapis* p : {&ekran, &druk}) {
        const int32_t m = MaxGruboscPiora + 10, W = p->Rozmiar().Szerokosc + m, H = p->Rozmiar().Wysokosc + m;
        for (const TOperacja& o : p->Operacje) { // pens, at (0, 0), pass as well; a text has one corner
            const bool napis = o.Co == TOperacja::Rodzaj::Napis;
            EXPECT_TRUE(o.X1 >= -m && o.Y1 >= -m && o.X1 <= W && o.Y1 <= H) << o.X1 << " " << o.Y1;
            EXPECT_TRUE(napis || (o.X2 >= -m && o.Y2 >= -m && o.X2 <= W && o.Y2 <= H)) << o.X2 << " " << o.Y2;
            EXPECT_LE(o.Pioro.Grubosc, MaxGruboscPiora);
        }
    }
    EXPECT_FALSE(ekran.Linie().empty()); // something of it shows at either end of the range
}

INSTANTIATE_TEST_SUITE_P(Drawing, SkrajnyZoom, ::testing::Values(1e-9, 1e12));
