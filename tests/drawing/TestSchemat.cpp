#include "Pomocnicze.h"

#include "analysis/Analiza.h"
#include "analysis/Odczyt.h"
#include "analysis/Probkowanie.h"
#include "analysis/Obciazenia.h"
#include "drawing/Schemat.h"
#include "drawing/Tekst.h"
#include "drawing/Wykresy.h"
#include "model/Budowa.h"

namespace {

constexpr TKolor KolorStalych = Rgb(10, 20, 30);

class Schemat : public Rysunek {};

} // namespace

TEST_F(Schemat, TheBeamHasItsAxisSupportsNumbersLettersAndDimensions)
{
    // Spans of 4 and 6 m clamped at both ends: codes 2 and 3.
    UstawGeometrie(zad, {4, 6}, false, false);
    SchematBelki(S.R, zad, Ekran, {2, 5}, {0.1, 0.5, Kolor::Czarny});
    const auto os = S.LiniePiora(0.5); // the axis and the clamps' walls
    EXPECT_TRUE(JestOdcinek(os, 2, 5, 6, 5) && JestOdcinek(os, 6, 5, 12, 5));
    EXPECT_TRUE(JestOdcinek(os, 2, 5.4, 2, 4.6) && JestOdcinek(os, 12, 5.4, 12, 4.6));
    const auto p1 = S.LiniePiora(0.1); // both spans' rollers on the inner support
    EXPECT_EQ(std::ranges::count_if(p1, [](const TOdcinekCm& o) { return Laczy(o, 6.2, 5.48, 5.8, 5.48); }), 2);
    const double t = 1.25 * S.Nastawy.WysokoscCzcionki;
    EXPECT_TRUE(Napis("2", 9, 5 + t)); // span numbers at mid-span under the axis, support letters under them
    EXPECT_TRUE(Napis("A", 2, 5 + t + 0.5) && Napis("1", 6, 5 + t + 0.5) && Napis("B", 12, 5 + t + 0.5));
    // The dimension 1.5 cm under: the line 0.5 past the ends, ticks, the label centred by the height factor.
    EXPECT_TRUE(JestOdcinek(p1, 1.5, 6.5, 6.5, 6.5) && JestOdcinek(p1, 2, 6.25, 2, 6.75));
    EXPECT_TRUE(JestOdcinek(S.LiniePiora(0.2), 2.15, 6.35, 1.85, 6.65) &&
                JestOdcinek(S.LiniePiora(0.2), 12.15, 6.35, 11.85, 6.65));
    EXPECT_TRUE(Napis("4,00m", 4 - DlugoscTekstu(*S.Czcionka, "4,00m", 0.3f) / 2, 6.45));
    EXPECT_TRUE(S.Druk.Operacje.empty());
}

TEST_F(Schemat, EachSupportCodeDrawsItsOwnSymbolsAndAnUnknownOneNone)
{
    // Code, strokes of the supports' pen, the axis and walls; a clamp at x1, at x2.
    for (const auto& [kod, podpory, sciany, lewy, prawy] :
         {std::tuple{1, 7u, 1u, false, false}, {4, 10u, 3u, true, true}, {5, 5u, 2u, true, false},
          {6, 5u, 2u, false, true}, {9, 0u, 1u, false, false}}) {
        S.Ekran.Wyczysc();
        PrzesloSchemat(S.R, Ekran, {1, 5}, {0.3, 0.5, Kolor::Czarny}, kod, 4);
        const auto p = S.LiniePiora(0.3), s = S.LiniePiora(0.5);
        EXPECT_EQ(std::tuple(p.size(), s.size(), JestOdcinek(s, 1, 5.4, 1, 4.6), JestOdcinek(s, 5, 5.4, 5, 4.6)),
                  std::tuple(podpory, sciany, lewy, prawy))
            << kod;
        // Code 1: a roller at x1, a pinned support at x2.
        EXPECT_TRUE(kod != 1 || (JestOdcinek(p, 1.2, 5.48, 0.8, 5.48) && JestOdcinek(p, 5, 5, 5.2, 5.4)));
    }
    S.Ekran.Wyczysc();
    S.Nastawy.PiszJednostki = false;
    PrzesloSchemat(S.R, Ekran, {1, 5}, {0.3, 0.5, Kolor::Czarny}, 1, 4);
    EXPECT_EQ(Napisy(S.Ekran, "4,00").size(), 1u); // without units
}

TEST_F(Schemat, LoadsAreArrowsAndArcsOfTheirValueTimesTheScaleLabelledByTheMask)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajSile(zad, 0, 2, 10);
    DodajSile(zad, 0, 4, -5);
    DodajMoment(zad, 0, 1, 10);
    DodajMoment(zad, 0, 5, -10);
    DodajLiniowe(zad, 0, 0, 3, 0.5);
    DodajTrojkat(zad, 0, 1, 4, 0, 10);  // from 0 to 10 kN/m: the zero end is not labelled
    DodajTrojkat(zad, 0, 4, 6, -2, -6); // upward, both ends labelled
    zad.Grupy[0].Kolor = KolorStalych.Bgr();
    ObciazeniaKombinacji(zad, 0);
    ObciazeniaSchemat(S.R, zad, Ekran, {0, 5});
    const double k = 0.04; // cm per kN
    const auto l = S.LiniePiora(0.2);
    // Shafts with their tips on the axis, a negative force under it pointing up; a clockwise arc starts above.
    EXPECT_TRUE(JestOdcinek(l, 2, 5 - 0.2 * 10 * k, 2, 5 - 10 * k) && JestOdcinek(l, 4, 5 + 0.2 * 5 * k, 4, 5 + 5 * k));
    EXPECT_TRUE(JestOdcinek(l, 1, 5, 1, 5 - 10 * k) && JestOdcinek(l, 5, 5, 5, 5 + 10 * k));
    EXPECT_TRUE(Napis("10kN", 2.05, 5 - 0.65 * 10 * k) && Napis("-5kN", 4.05, 5 + 0.65 * 5 * k));
    EXPECT_TRUE(Napis("10kNm", 1, 5 - 1.2 * 10 * k) && Napis("-10kNm", 5, 5 + 1.2 * 10 * k));
    EXPECT_TRUE(Napis(",5kN/m", 0, 5 - 1.25 * 0.5 * k) && Napis("10kN/m", 4, 5 - 1.25 * 10 * k));
    EXPECT_TRUE(Napis("-2kN/m", 4, 5 + 1.25 * 2 * k) && Napis("-6kN/m", 6, 5 + 1.25 * 6 * k));
    // Labels with the 0.1 mm pen; everything in the group's colour, or all grey in the preview.
    for (const auto& [rysuj, kolor] :
         {std::pair{&ObciazeniaSchemat, KolorStalych}, {&ObciazeniaPodglad, Rgb(150, 150, 150)}}) {
        S.Ekran.Wyczysc();
        rysuj(S.R, zad, Ekran, {0, 5});
        EXPECT_EQ(Napisy(S.Ekran).size(), 8u);
        for (const TNapisZapisany& t : Napisy(S.Ekran))
            EXPECT_EQ(t.Pioro, (TPioro{kolor, S.Widok.GruboscEkran(0.1)})) << t.Tekst;
        for (const TOperacja& o : S.Ekran.Linie())
            EXPECT_EQ(o.Pioro.Kolor, kolor);
    }
}

TEST_F(Schemat, SplitByGroupEachGroupStandsOneCentimetreHigherAndAStrayGroupStaysOnTheAxis)
{
    UstawGeometrie(zad, {6}, true, true);
    DodajGrupe(zad, "G2", Rgb(0, 200, 0).Bgr());
    const int32_t g3 = DodajGrupe(zad, "G3", Rgb(0, 0, 200).Bgr());
    zad.Wspolczynniki[0][1] = zad.Wspolczynniki[0][2] = 1;
    DodajSile(zad, 0, 2, 10, g3);
    ObciazeniaKombinacji(zad, 0);
    zad.SilyKomb[1] = TSila{1, 0, 4, 4, 10, 42}; // a group outside the table, as a damaged list could hold
    ObciazeniaSchematGrupami(S.R, zad, Ekran, {0, 5});
    const auto l = S.LiniePiora(0.2); // the third group 2 cm up
    EXPECT_TRUE(JestOdcinek(l, 2, 3 - 0.08, 2, 3 - 0.4) && JestOdcinek(l, 4, 5 - 0.08, 4, 5 - 0.4));
    EXPECT_TRUE(Napis("10kN", 2.05, 3 - 0.26));
    for (const TNapisZapisany& n : Napisy(S.Ekran))
        EXPECT_EQ(n.Pioro.Kolor, n.X < 3 ? Rgb(0, 0, 200) : Kolor::Czarny);
}

TEST_F(Schemat, BarsStandOnTheMiddleSixtyPercentOfTheirSpansWithTheirFixedEndForcesLabelledBySign)
{
    // A clamped span of 6 m under 12 kN/m: end moments ∓qL²/12 = ∓36, reactions qL/2 = 36.
    UstawGeometrie(zad, {6}, false, false);
    DodajLiniowe(zad, 0, 0, 6, 12);
    ASSERT_TRUE(Analiza(zad, wyn, kom));
    SchematPretow(S.R, zad, Ekran, {0, 5}, {0.3, 0.5, Kolor::Szary});
    const auto pret = S.LiniePiora(0.5); // with 0.15 cm clamps at both ends
    EXPECT_TRUE(JestOdcinek(pret, 1.2, 5, 4.8, 5) && JestOdcinek(pret, 1.2, 5.15, 1.2, 4.85) &&
                JestOdcinek(pret, 4.8, 5.15, 4.8, 4.85));
    EXPECT_TRUE(Napis("1", 3, 5 + 1.25 * 0.8 * S.Nastawy.WysokoscCzcionki));
    S.Ekran.Wyczysc();
    SilyPretow(S.R, {zad, wyn, 0}, Ekran, {0, 5}, {0.1, 0.2, Kolor::Zielony});
    EXPECT_TRUE(Napis("-36,00", 0.6, 4.5) && Napis("36,00", 4.8, 4.5));
    EXPECT_TRUE(Napis("36,00", 1.5, 5.8) && Napis("36,00", 5.1, 5.8)); // reactions at 0.25 L and 0.85 L
    const auto l = S.LiniePiora(0.1); // reaction arrows, tips 0.3 under the axis; the arcs' tails
    EXPECT_TRUE(JestOdcinek(l, 1.2, 5.3, 1.28, 5.46) && JestOdcinek(l, 4.8, 5.3, 4.88, 5.46));
    EXPECT_TRUE(JestOdcinek(l, 0.9, 4.82, 0.9, 4.78) && JestOdcinek(l, 5.1, 4.82, 5.1, 4.78));

    // A negative right moment turns the other way, mirrored as at the left end; a bar's axis point is its own.
    wyn.MomentyKoncowe[0][0].MomentUtwP = -5;
    S.Ekran.Wyczysc();
    PretSily(S.R, {zad, wyn, 0, 0}, Ekran, {10, 5}, {0.1, 0.2, Kolor::Zielony});
    EXPECT_TRUE(Napis("-5,00", 14.8, 4.5) && JestOdcinek(S.LiniePiora(0.1), 15.7, 4.82, 15.7, 4.78));
    // Hinged at both ends: two arrows and no values.
    zad.Przesla[0].TypPrzesla = 1;
    S.Ekran.Wyczysc();
    PretSily(S.R, {zad, wyn, 0, 0}, Ekran, {0, 5}, {0.1, 0.2, Kolor::Zielony});
    EXPECT_TRUE(S.Ekran.Linie().size() == 2u * 7u && Napisy(S.Ekran).empty());
    // Nothing for a combination not in use, a span that does not exist or a refused task.
    S.Ekran.Wyczysc();
    SilyPretow(S.R, {zad, wyn, 1}, Ekran, {0, 5}, {0.1, 0.2, Kolor::Zielony});
    PretSily(S.R, {zad, wyn, 0, 3}, Ekran, {0, 5}, {0.1, 0.2, Kolor::Zielony});
    zad.Przesla[0].L = 0;
    EXPECT_FALSE(Analiza(zad, wyn, kom));
    SilyPretow(S.R, {zad, wyn, 0}, Ekran, {0, 5}, {0.1, 0.2, Kolor::Zielony});
    EXPECT_TRUE(S.Ekran.Operacje.empty());
}
