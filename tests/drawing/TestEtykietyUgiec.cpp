// Where the deflection diagram puts its labels: level, centred on each
// span's extreme and just outside the line, so that they stay out of the
// scheme drawn under the diagram, and clear of each other on the sheet.
#include "Pomocnicze.h"

#include "analysis/Analiza.h"
#include "drawing/Czcionka.h"
#include "drawing/UkladEtykiet.h"
#include "drawing/WykresUgiec.h"
#include "model/Budowa.h"

namespace {

constexpr TPunktCm O{1, 10}; // the diagram's axis, left end

class EtykietyUgiec : public Rysunek {
protected:
    TUkladEtykiet uklad;

    // The font the program draws with: the labels' widths are those of the sheets.
    void SetUp() override { ASSERT_EQ(WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *S.Czcionka), ""); }

    // Spans of steel (E = 210 GPa, J of an IPE 300).
    void Belka(std::initializer_list<float> dlugosci)
    {
        UstawGeometrie(zad, dlugosci, true, true);
        for (TPrzeslo& p : zad.Przesla) {
            p.E = 2.1e8f;
            p.J = 8.356e-5f;
        }
    }
    // The diagram drawn into the sheet's layout; the labels where the layout puts them.
    std::vector<TEtykietaArkusza> Etykiety()
    {
        EXPECT_TRUE(PrzeliczZadanie(zad, wyn, kom));
        S.R.Etykiety = &uklad;
        WykresUgiec(S.R, {zad, wyn, 0}, Ekran, O, Kolor::Granatowy, Kolor::Czerwony);
        S.R.Etykiety = nullptr;
        return uklad.Rozmiesc();
    }
    TRamkaCm Ramka(const TEtykietaArkusza& e) const { return RamkaTekstu(*S.Czcionka, e.Tekst, e.P, e.Styl); }
    // Sheet cm along y per m of w, as the diagram scales it: the largest |w| at WysokoscUgiec.
    double Ky() const
    {
        double f = 0;
        for (const TEkstrema& e : wyn.EkstremaW[0])
            f = std::max(f, e.Skala);
        return S.Widok.SkalaRysunkuY * S.Nastawy.WysokoscUgiec / f;
    }
};

} // namespace

// Before, the label stood upright under the line and ran 2 cm down into the
// loads of the scheme: "10,2 (L/589)" crossed "20kN" on the steel example.
TEST_F(EtykietyUgiec, ASaggingSpansLabelIsLevelCentredOnTheExtremeAndJustUnderTheLine)
{
    Belka({6});
    DodajLiniowe(zad, 0, 0, 6, 5);
    DodajSile(zad, 0, 3, 20);
    const std::vector<TEtykietaArkusza> e = Etykiety();
    ASSERT_EQ(e.size(), 1u);
    const TEkstrema& w = wyn.EkstremaW[0][0];
    EXPECT_EQ(e[0].Styl.Kat, 0);
    const TRamkaCm r = Ramka(e[0]);
    const double x = O.X + w.XMax * S.Widok.SkalaRysunkuX, y = O.Y + w.Max * Ky();
    EXPECT_NEAR((r.X1 + r.X2) / 2, x, 1e-9);
    const double h = S.Nastawy.WysokoscCzcionki;
    EXPECT_GT(r.Y1, y);           // under the line ...
    EXPECT_LT(r.Y2, y + 1.5 * h); // ... by no more than its height and a little
}

TEST_F(EtykietyUgiec, AnUpliftedSpansLabelStandsJustOverTheLine)
{
    Belka({6, 6});
    DodajLiniowe(zad, 0, 0, 6, 20); // the second span lifts
    const std::vector<TEtykietaArkusza> e = Etykiety();
    const TEkstrema& w = wyn.EkstremaW[0][1];
    ASSERT_EQ(e.size(), 2u);
    ASSERT_LT(w.Min, 0);
    const auto nad = std::ranges::find_if(e, [&](const TEtykietaArkusza& a) { return a.P.X > O.X + 6; });
    ASSERT_NE(nad, e.end());
    const TRamkaCm r = Ramka(*nad);
    const double y = O.Y + w.Min * Ky(), h = S.Nastawy.WysokoscCzcionki;
    EXPECT_LT(r.Y2, y);
    EXPECT_GT(r.Y1, y - 1.5 * h);
}

TEST_F(EtykietyUgiec, LabelsOfNeighbouringShortSpansAreMovedApartOnTheSheet)
{
    // Spans of 2 m: each label is wider than its span at 1:100.
    Belka({2, 2, 2, 2});
    for (int32_t s = 0; s < 4; ++s)
        DodajLiniowe(zad, s, 0, 2, 100 + 60 * float(s)); // four different labels: none written once for two
    const std::vector<TEtykietaArkusza> e = Etykiety();
    ASSERT_GE(e.size(), 4u); // and an uplift where the heavier neighbours lift a span
    for (size_t i = 0; i < e.size(); ++i)
        for (size_t j = i + 1; j < e.size(); ++j)
            EXPECT_FALSE(Nachodza(Ramka(e[i]), Ramka(e[j]), 0)) << e[i].Tekst << " / " << e[j].Tekst;
}
