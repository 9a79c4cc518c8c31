// The deflection diagram's labels: level, centred on each span's extreme, just outside the line, clear of each other.
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
        for (TPrzeslo& p : zad.Przesla)
            std::tie(p.E, p.J) = std::tuple(2.1e8f, 8.356e-5f);
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
TEST_F(EtykietyUgiec, ASpansLabelIsLevelCentredOnTheExtremeAndJustOutsideTheLine)
{
    for (const bool uniesione : {false, true}) {
        SCOPED_TRACE(uniesione ? "uplift" : "sag");
        uklad = {};
        zad = TDaneZadania{};
        if (uniesione) {
            Belka({6, 6});
            DodajLiniowe(zad, 0, 0, 6, 20); // the second span lifts
        } else {
            Belka({6});
            DodajLiniowe(zad, 0, 0, 6, 5);
            DodajSile(zad, 0, 3, 20);
        }
        const std::vector<TEtykietaArkusza> e = Etykiety();
        ASSERT_EQ(e.size(), uniesione ? 2u : 1u);
        const TEtykietaArkusza& a = e[0].P.X > O.X + 6 || !uniesione ? e[0] : e[1];
        const TEkstrema& w = wyn.EkstremaW[0][uniesione ? 1 : 0];
        const double wy = uniesione ? w.Min : w.Max;
        const double xw = zad.Przesla[uniesione ? 1 : 0].X0 + (uniesione ? w.XMin : w.XMax);
        ASSERT_EQ(wy < 0, uniesione);
        const TRamkaCm r = Ramka(a);
        const double y = O.Y + wy * Ky(), h = S.Nastawy.WysokoscCzcionki;
        EXPECT_EQ(a.Styl.Kat, 0);
        EXPECT_NEAR((r.X1 + r.X2) / 2, O.X + xw * S.Widok.SkalaRysunkuX, 1e-9);
        if (uniesione) // over the line by no more than its height and a little
            EXPECT_TRUE(r.Y2 < y && r.Y1 > y - 1.5 * h) << r.Y1 << " " << r.Y2 << " " << y;
        else // under it
            EXPECT_TRUE(r.Y1 > y && r.Y2 < y + 1.5 * h) << r.Y1 << " " << r.Y2 << " " << y;
    }
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
