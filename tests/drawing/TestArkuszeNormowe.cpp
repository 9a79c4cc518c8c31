#include "Pomocnicze.h"

#include "analysis/ObwiednieNormowe.h"
#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "drawing/Przegladanie.h"
#include "drawing/WykresyNormowe.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <memory>

namespace {

// Two spans of 5 m under a permanent, an imposed and a third group, at 1000 pixels per cm showing sheet x from −70
// to 30, y from −5 to 95: the design sheets left of the envelope sheet are in view.
class ArkuszeNormowe : public ::testing::Test {
protected:
    TDaneZadania zad;
    TWyniki wyn;
    TWidok widok{.SkalaWidoku = 1, .SrodekX = -20, .SrodekY = -45};
    double pikseleNaCm = 1000, x0 = 70, y0 = 5; // sheet (x0, y0) at pixel (0, 0)
    std::unique_ptr<TCzcionka> czcionka = std::make_unique<TCzcionka>();
    TRejestrKomunikatow kom;
    TKompozycja k{zad, wyn, widok, *czcionka, kom};
    TPowierzchniaZapis ekran{100000, 100000};

    void SetUp() override
    {
        UstawCzcionkeDoOdczytu(*czcionka);
        NowyTemat(zad);
        UstawGeometrie(zad, {5, 5}, true, true);
        DodajGrupe(zad, Utf8NaCp1250("Użytkowe"), 0x800000);
        DodajGrupe(zad, "Inne", 0x008000);
        DodajLiniowe(zad, 0, 0, 5, 10, 0);
        DodajLiniowe(zad, 1, 0, 5, 6, 1);
        DodajLiniowe(zad, 0, 0, 5, 1, 2);
    }
    void Klasyfikuj()
    {
        zad.Klasyfikacje[0] = {TRodzajGrupy::Stale};
        zad.Klasyfikacje[1] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::B, true};
    }
    // As the window does it, with the design envelopes written over whatever the analysis gave.
    void Rysuj()
    {
        zad.DoPrzeliczenia = true;
        Przerysuj(k, &ekran);
        RozmiescArkusze(zad, widok);
        Wypelnij();
        ekran.Wyczysc();
        Przerysuj(k, &ekran);
    }
    static TPrzyczyna Przyczyna(TWyrazenie w, int32_t wiodaca, uint16_t przesla)
    {
        return {w, wiodaca, {0, przesla}, 0, 1};
    }
    // Span s: M up to 100 + s at midspan (imposed on s alone), −50 over the support with both loaded; T ±(60 + s);
    // w down to 12 mm characteristic and 25 mm quasi-permanent (L/200, past L/250).
    void Wypelnij()
    {
        TObwiednieNormowe& o = wyn.Normowe;
        o = {};
        if (!SaGrupySklasyfikowane(zad))
            return;
        o.Sa = true;
        o.Pominiete = {2};
        for (int32_t st = 0; st < IloscStanowNormowych; ++st) {
            const TWyrazenie w = st == 0 ? TWyrazenie::W610b : st == 3 ? TWyrazenie::W616b : TWyrazenie::W614b;
            TObwiedniaNormowa& s = o.Stany[size_t(st)];
            s.Przesla.resize(2);
            s.Reakcje.resize(3);
            for (int32_t p = 0; p < 2; ++p) {
                TPrzesloNormowe& n = s.Przesla[size_t(p)];
                const double v = 100 + p;
                n.MaxM = {{0, 0}, {2.5, v}, {5, 0}};
                n.MinM = {{0, 0}, {2.5, 0}, {5, p == 0 ? -50.0 : 0.0}};
                n.MaxT = {{0, 60.0 + p}, {5, 0}};
                n.MinT = {{0, 0}, {5, -60.0 - p}};
                n.MaxW = {{0, 0}, {2.5, st == 3 ? 0.025 : 0.012}, {5, 0}};
                n.MinW = {{0, 0}, {2.5, 0}, {5, 0}};
                n.Mmax = {v, 2.5, Przyczyna(w, 1, uint16_t(1 << p))};
                if (p == 0)
                    n.Mmin = {-50, 5, Przyczyna(w, 1, 3)};
                n.Tmax = {60.0 + p, 0, Przyczyna(w, 1, uint16_t(1 << p))};
                n.Tmin = {-60.0 - p, 5, Przyczyna(w, 1, 3)};
                n.Wmax = {st == 3 ? 0.025 : 0.012, 2.5, Przyczyna(w, st == 3 ? -1 : 1, uint16_t(1 << p))};
            }
            for (int32_t j = 0; j < 3; ++j)
                s.Reakcje[size_t(j)].Max = {150.0 + j, 0, Przyczyna(w, 1, 3)};
            s.Reakcje[0].Min = {-5, 0, Przyczyna(w, 1, 2)};
        }
    }
    std::vector<TNapisZapisany> Z(const TPowierzchniaZapis& p, const std::string& utf8) const
    {
        return Napisy(p, Utf8NaCp1250(utf8), pikseleNaCm, x0, y0);
    }
    std::string Liczba(double v, std::string_view maska = "#######0.00") const
    {
        return FormatujMaska(v, maska, k.Separator);
    }
    long Ile(const std::string& tytul) const { return std::ranges::count(Tytuly(ekran), tytul); }
};

} // namespace

TEST_F(ArkuszeNormowe, TheDesignSheetsExistOnlyWithAClassifiedGroupLeftOfTheEnvelopeSheetOnePitchApart)
{
    DodajKombinacje(zad, "Druga");
    Rysuj();
    EXPECT_EQ(std::tuple(Ile("OBWIEDNIA SGN") + Ile("OBWIEDNIA SGU"), IloscStronWydruku(zad), ArkuszeOdLewej(zad).size()),
              std::tuple(0, 3, 3u));

    Klasyfikuj();
    Rysuj();
    EXPECT_EQ(std::tuple(Ile("OBWIEDNIA SGN"), Ile("OBWIEDNIA SGU")), std::tuple(1, 1));
    const float krok = zad.PolozenieKombinacji[1].x - zad.PolozenieKombinacji[0].x;
    EXPECT_EQ(std::pair(zad.PolozenieNormowych[0].x, zad.PolozenieNormowych[1].x),
              std::pair(zad.PolozenieObwiedni.x - krok, zad.PolozenieObwiedni.x - 2 * krok));
    // Found by the sheet navigation, left to right: SGU, SGN, the envelopes, the combinations.
    const std::vector<TPunktArkusza> arkusze = ArkuszeOdLewej(zad);
    ASSERT_EQ(arkusze.size(), 5u);
    EXPECT_EQ(std::tuple(arkusze[0].x, arkusze[1].x, arkusze[2].x),
              std::tuple(zad.PolozenieNormowych[1].x, zad.PolozenieNormowych[0].x, zad.PolozenieObwiedni.x));
    // Each diagram of its own sheet, titled; the combination sheets share the first two titles.
    for (const auto& [t, ile] : {std::pair{"MOMENTY [kNm]", 3}, {"SIŁY POPRZECZNE [kN]", 3}, {"REAKCJE [kN]", 1},
                                 {"MOMENTY CHARAKTERYSTYCZNE [kNm]", 1}, {"REAKCJE CHARAKTERYSTYCZNE [kN]", 1}})
        EXPECT_EQ(Ile(t), ile) << t;

    // With one combination there is no envelope sheet: SGN takes its place.
    zad.Kombinacje[1].Uzyta = 0;
    Rysuj();
    EXPECT_EQ(std::tuple(zad.PolozenieNormowych[0].x, ArkuszeOdLewej(zad).size(), Ile("OBWIEDNIA SGN"),
                         Ile("OBWIEDNIA SGU")),
              std::tuple(zad.PolozenieObwiedni.x, 3u, 1, 1));
}

TEST_F(ArkuszeNormowe, EveryExtremeIsLabelledWithTheKeyOfTheLegendLineSayingWhichSpansWereLoaded)
{
    Klasyfikuj();
    Rysuj();
    const TObwiedniaNormowa& sgn = wyn.Normowe[TStanNormowy::SGN];
    // The SGN sheet's extremes: both spans' M and T, the reactions; the causes keyed in order of drawing.
    const TPunktArkusza P = zad.PolozenieNormowych[0];
    std::vector<std::string> klucze;
    const TPrzesloNormowe& p0 = sgn.Przesla[0];
    for (const TEkstremumNormowe* e : {&sgn.Reakcje[0].Min, &sgn.Reakcje[0].Max, &p0.Tmin, &p0.Tmax,
                                       &sgn.Przesla[1].Tmax, &p0.Mmin, &p0.Mmax}) {
        const auto [v, przyczyna] = std::pair(e->Wartosc, e->Przyczyna);
        const bool reakcja = std::abs(v) > 100 || v == -5;
        const std::string maska = reakcja ? "#####0.00" : "#######0.00";
        std::string klucz;
        for (const std::string c : {"a", "b", "c", "d"})
            for (const TNapisZapisany& n : Z(ekran, Liczba(v, maska) + " (" + c + ")"))
                if (n.X > P.x && n.X < P.x + widok.ArkuszSzerokosc)
                    klucz = c;
        ASSERT_FALSE(klucz.empty()) << v;
        // The legend line of that key says what produced the value.
        const std::vector<TNapisZapisany> legenda = Z(ekran, klucz + ": " + OpisPrzyczyny(zad, przyczyna));
        EXPECT_TRUE(std::ranges::any_of(legenda, [&](const TNapisZapisany& n) { return std::abs(n.X - P.x - 1) < 1e-3; }))
            << klucz;
        klucze.push_back(klucz);
    }
    // Equal causes share one key: the reactions' maximum and the support moment are both spans loaded.
    EXPECT_EQ(klucze[1], klucze[5]);
    EXPECT_NE(klucze[3], klucze[4]);
    // The span with no minimum (0) is not labelled.
    EXPECT_TRUE(Z(ekran, Liczba(0) + " (a)").empty());
}

TEST_F(ArkuszeNormowe, EachDesignSheetNamesTheGroupsItCoversAndThoseItLeavesOut)
{
    // Sheets wide enough for the reading font's lines; each design sheet looked at in turn at 500 pixels per cm.
    zad.Nastawy.ArkuszUzytkownika = true;
    zad.Nastawy.ArkuszL = 115;
    widok.SkalaWidoku = 2;
    widok.SrodekY = -90;
    const auto naArkuszach = [&](const std::string& utf8) {
        std::vector<TNapisZapisany> w;
        for (const TPunktArkusza& P : zad.PolozenieNormowych) {
            widok.SrodekX = P.x + 99.0;
            std::tie(pikseleNaCm, x0, y0) = std::tuple(500, 100 - widok.SrodekX, 10);
            ekran.Wyczysc();
            Przerysuj(k, &ekran);
            for (const TNapisZapisany& n : Napisy(ekran, "", pikseleNaCm, x0, y0))
                if ((utf8.empty() || n.Tekst == Utf8NaCp1250(utf8)) && n.X >= P.x && n.X < P.x + widok.ArkuszSzerokosc)
                    w.push_back(n);
        }
        return w;
    };
    Klasyfikuj();
    Rysuj();
    const std::string pominiete = "Pominięte grupy (niesklasyfikowane): 3 Inne";
    EXPECT_EQ(TekstPominietych(zad, wyn), pominiete);
    EXPECT_EQ(naArkuszach(pominiete).size(), 2u);
    EXPECT_EQ(naArkuszach("Grupy: 1 Stałe (stałe), 2 Użytkowe (zm. B, po przęsłach)").size(), 2u);

    // Every group classified: nothing left out, no such line.
    zad.Klasyfikacje[2] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::Snieg, false};
    Rysuj();
    wyn.Normowe.Pominiete.clear();
    EXPECT_EQ(TekstPominietych(zad, wyn), "");
    EXPECT_EQ(
        naArkuszach("Grupy: 1 Stałe (stałe), 2 Użytkowe (zm. B, po przęsłach), 3 Inne (zm. śnieg, w całości)").size(),
        2u);
    for (const TNapisZapisany& n : naArkuszach(""))
        EXPECT_EQ(n.Tekst.find(Utf8NaCp1250("Pominięte")), std::string::npos);
}

TEST_F(ArkuszeNormowe, DeflectionsPastTheLimitAreRedWithTheirRatioAndTheCharacteristicOnesKeepTheirColour)
{
    for (TPrzeslo& p : zad.Przesla)
        std::tie(p.E, p.J) = std::tuple(30e6f, 0.001f);
    Klasyfikuj();
    Rysuj();
    const auto kolor = [&](double mm, const char* stosunek) {
        std::vector<TKolor> k;
        for (const std::string c : {"a", "b", "c", "d", "e", "f", "g", "h"})
            for (const TNapisZapisany& n :
                 Z(ekran, Liczba(mm, "#######0.0") + " (L/" + stosunek + ") (" + c + ")"))
                k.push_back(n.Pioro.Kolor);
        return k;
    };
    // 25 mm on 5 m is L/200, past L/250; 12 mm is L/417 (both spans each).
    EXPECT_EQ(kolor(25, "200"), (std::vector<TKolor>{Kolor::Czerwony, Kolor::Czerwony}));
    EXPECT_EQ(kolor(12, "417"), (std::vector<TKolor>{Kolor::Granatowy, Kolor::Granatowy}));
    EXPECT_EQ(Ile("UGIĘCIA [mm]: charakterystyczne i quasi-stałe"), 1);
}
