#include "Pomocnicze.h"

#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "drawing/WydrukPdf.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"
#include "tools/przyklady/Przyklady.h"

#include <regex>
#include <stdexcept>

namespace {

const std::vector<std::string> TytulyObwiedni{"OBWIEDNIA MOMENTY [kNm]", "OBWIEDNIA SIŁY POPRZECZNE [kN]",
                                              "OBWIEDNIA REAKCJE [kN]", "OBWIEDNIA UGIĘCIA E·J·w (E = J = 1) [kNm3]"},
                               TytulyKombinacji{"REAKCJE", "MOMENTY [kNm]", "SIŁY POPRZECZNE [kN]",
                                                "UGIĘCIA E·J·w (E = J = 1) [kNm3]"};

// The composition at 1000 pixels per cm showing sheet x from −30 to 70, y from −5 to 95; no printer.
class Kompozycja : public ::testing::Test {
protected:
    TDaneZadania zad;
    TWyniki wyn;
    TWidok widok{.SkalaWidoku = 1, .SrodekX = 20, .SrodekY = -45};
    std::unique_ptr<TCzcionka> czcionka = std::make_unique<TCzcionka>();
    TRejestrKomunikatow kom;
    TKompozycja k{zad, wyn, widok, *czcionka, kom};
    TPowierzchniaZapis ekran{100000, 100000};

    void SetUp() override
    {
        UstawCzcionkeDoOdczytu(*czcionka);
        NowyTemat(zad);
    }
    TSkutekKompozycji Rysuj()
    {
        ekran.Wyczysc();
        return Przerysuj(k, &ekran);
    }
    // As after reading a task: a composition for the sheet size, the layout, the picture.
    void Rozmiesc()
    {
        Rysuj();
        RozmiescArkusze(zad, widok);
        Rysuj();
    }
    // One hinged span of 6 m under 10 kN/m and `ile` combinations of the one group.
    void Belka(int ile)
    {
        UstawGeometrie(zad, {6}, true, true);
        DodajLiniowe(zad, 0, 0, 6, 10);
        for (int c = 1; c < ile; ++c) {
            DodajKombinacje(zad, "K" + std::to_string(c + 1));
            zad.Wspolczynniki[size_t(c)][0] = 1.0f + c;
        }
        Rozmiesc();
    }
    std::vector<double> Arkusze() const // the white sheets' left edges, cm
    {
        std::vector<double> x;
        for (const TOperacja& o : ekran.Rodzaju(TOperacja::Rodzaj::Prostokat))
            if (o.Wypelnienie == Kolor::Bialy)
                x.push_back(o.X1 / 1000.0 - 30);
        return x;
    }
    long Ile(const std::string& tytul) const { return std::ranges::count(Tytuly(ekran), tytul); }
    std::vector<TNapisZapisany> Z(const std::string& t) const { return Napisy(ekran, t, 1000, 30, 5); }
};

} // namespace

TEST_F(Kompozycja, SheetsStandOnePitchApartWithTheEnvelopeSheetFourCentimetresFurtherLeft)
{
    // (3 + the beam's length) · 1 + 1 cm against the 21 cm sheet, plus 1; no spans or no length: the sheet.
    widok.ArkuszSzerokosc = 21;
    for (const auto& [L, L2, skok] : {std::tuple{8.0f, 0.0f, 22.0f}, {30.0f, 0.0f, 35.0f}, {20.0f, 10.0f, 35.0f},
                                      {0.0f, 0.0f, 22.0f}, {NAN, 0.0f, 22.0f}}) {
        NowyTemat(zad);
        if (L2 > 0)
            UstawGeometrie(zad, {L, L2}, false, false);
        else if (L != 0)
            UstawGeometrie(zad, {std::isnan(L) ? 6 : L}, false, false);
        if (std::isnan(L))
            zad.Przesla[0].L = NAN;
        RozmiescArkusze(zad, widok);
        for (size_t c = 0; c < TDaneZadania::MaxKombinacji; ++c)
            EXPECT_TRUE(zad.PolozenieKombinacji[c].x == skok * float(c) && zad.PolozenieKombinacji[c].y == 0) << L;
        EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, -skok - 4) << L;
    }
}

TEST_F(Kompozycja, TheEnvelopeSheetComesOnlyWithTwoCombinationsLeftOfTheFirstAndAnUnusedSlotEndsTheList)
{
    Belka(1); // the desk and the sheet's frame and shadow: one white sheet at the corner
    EXPECT_EQ(Arkusze(), std::vector<double>{0});
    EXPECT_TRUE(Ile("MOMENTY [kNm]") == 1 && Ile("OBWIEDNIA MOMENTY [kNm]") == 0);
    // Three combinations: pitch max(3 + 6 + 1, 20.5) + 1 = 21.5, the envelope at −25.5.
    Belka(3);
    EXPECT_EQ(Arkusze(), (std::vector<double>{0, 21.5, 43, -25.5}));
    EXPECT_TRUE(Ile("MOMENTY [kNm]") == 3 && Ile("OBWIEDNIA MOMENTY [kNm]") == 1);
    zad.Kombinacje[1].Uzyta = 0; // an unused slot ends the list
    Rysuj();
    EXPECT_EQ(std::tuple(zad.IloscKombinacji, Arkusze(), Ile("REAKCJE")), std::tuple(1, std::vector<double>{0}, 1));
}

TEST_F(Kompozycja, TheShowSwitchesRuleTheCombinationSheetsButNotTheEnvelopesAndUnitsCanBeLeftOut)
{
    Belka(2);
    k.Pokazuj.Momenty = false;
    Rysuj();
    EXPECT_EQ(std::tuple(Ile("MOMENTY [kNm]"), Ile("OBWIEDNIA MOMENTY [kNm]"), Ile("SIŁY POPRZECZNE [kN]")),
              std::tuple(0, 1, 2));
    k.Pokazuj = TPokazuj{false, false, false, false, false, false};
    Rysuj();
    EXPECT_EQ(Tytuly(ekran), TytulyObwiedni);
    EXPECT_TRUE(Z("A").empty());
    k.Pokazuj.SchematyPretow = true; // the bars' numbers in grey
    Rysuj();
    const auto n = Z("1");
    EXPECT_EQ(std::count_if(n.begin(), n.end(), [](const auto& t) { return t.Pioro.Kolor == Kolor::Szary; }), 2);
    zad.Nastawy.PiszJednostki = false; // no units in titles or values
    k.Pokazuj = TPokazuj{};
    Rysuj();
    // The two reactions and the shear line's start, T(0+) = -TL, the load's start written once over it.
    EXPECT_TRUE(Ile("SIŁY POPRZECZNE") == 2 && Z("30,00").size() == 3);
}

TEST_F(Kompozycja, ResultsAreRecomputedOnlyWhenTheTaskSaysItChangedAndARefusalIsReportedOnce)
{
    Rozmiesc(); // no spans: a sheet with its size line alone
    EXPECT_TRUE(Arkusze() == std::vector<double>{0} && Napisy(ekran).size() == 1);
    UstawGeometrie(zad, {6}, true, true); // no loads: nothing to compute, no envelope sheet
    DodajKombinacje(zad, "Druga");
    EXPECT_FALSE(Rysuj().Przeliczono || zad.DoPrzeliczenia);
    RozmiescArkusze(zad, widok);
    Rysuj();
    EXPECT_TRUE(Arkusze().size() == 2 && Tytuly(ekran).empty() && Z("A").size() == 2);

    DodajLiniowe(zad, 0, 0, 6, 10);
    zad.DoPrzeliczenia = true;
    Rysuj();
    EXPECT_EQ(Z("30,00 kN").size(), 2u); // qL/2, on the first sheet: the group counts nothing in the second
    zad.Liniowe[0].Wartosc = 20;         // without setting the flag: the old results
    EXPECT_FALSE(Rysuj().Przeliczono);
    EXPECT_EQ(Z("30,00 kN").size(), 2u);
    zad.DoPrzeliczenia = zad.NieZapisane = true;
    const TSkutekKompozycji s = Rysuj();
    EXPECT_TRUE(s.Przeliczono && s.DaneNieZapisane && !zad.DoPrzeliczenia && Z("60,00 kN").size() == 2);

    zad.Przesla[0].L = 0; // refused: no results drawn, one message, the envelope sheet's frame laid out all the same
    zad.DoPrzeliczenia = true;
    kom.Komunikaty.clear();
    Rysuj();
    Rysuj();
    ASSERT_EQ(kom.Komunikaty.size(), 1u);
    EXPECT_NE(kom.Komunikaty[0].find("Przęsło 1"), std::string::npos);
    EXPECT_TRUE(Tytuly(ekran).empty() && Z("A").size() == 2 && Arkusze().size() == 3);
}

TEST_F(Kompozycja, TheSheetSizeLineAndTheCombinationsHeadingStandAboveTheFirstSheet)
{
    UstawGeometrie(zad, {6}, true, true);
    const int32_t g = DodajGrupe(zad, Utf8NaCp1250("Śnieg"), Rgb(0, 0, 255).Bgr());
    zad.Kombinacje[0].Nazwa = Utf8NaCp1250("Podstawowa");
    zad.Wspolczynniki[0][g] = 1.5f;
    DodajLiniowe(zad, 0, 0, 6, 10);
    Rozmiesc();
    const auto Jest = [&](const std::string& t, double x, double y, TKolor kolor) {
        const auto n = Z(Utf8NaCp1250(t));
        return n.size() == 1 && (std::isnan(x) || std::abs(n[0].X - x) < 0.002) && std::abs(n[0].Y - y) < 0.002 &&
               n[0].Pioro.Kolor == kolor;
    };
    EXPECT_TRUE(Jest("Wymiary arkusza X = 20,5 ; Y = 28,5", 1, -0.5, Kolor::Szary));
    // The name 4 cm right of the bar schemes' x, above it each group in its colour with its coefficient.
    EXPECT_TRUE(Jest("KOMBINACJA OBCIĄŻEŃ  - 1   Podstawowa", 7, -1, Kolor::Czarny));
    EXPECT_TRUE(Jest("2  Śnieg", NAN, -1 - 2 * 0.48 - 0.5, Rgb(0, 0, 255)));
    EXPECT_NEAR(Z("1,50").at(0).X, 13, 0.002);

    // A composition given no page never asks the system for one: the sheet of no printer.
    TKompozycja nowa{zad, wyn, widok, *czcionka, kom};
    ekran.Wyczysc();
    Przerysuj(nowa, &ekran);
    EXPECT_TRUE(!nowa.Drukarka && Z("Wymiary arkusza X = 20,5 ; Y = 28,5").size() == 1);
}

namespace {

// Pages recorded one by one, A4 at 100 pixels per cm unless told; none after `Ostatnia`.
struct TWydrukZapis : IWydruk {
    int32_t W = 2100, H = 2970, Dpi = 254, Ostatnia = 1000;
    std::vector<std::unique_ptr<TPowierzchniaZapis>> Strony;
    std::vector<int32_t> Zakonczone;
    std::unique_ptr<TStronaDruku> Biezaca;

    const TStronaDruku* Strona(int32_t strona) override
    {
        if (strona > Ostatnia)
            return nullptr;
        Strony.push_back(std::make_unique<TPowierzchniaZapis>(W, H));
        Biezaca = std::make_unique<TStronaDruku>(TStronaDruku{*Strony.back(), Dpi, Dpi});
        return Biezaca.get();
    }
    void KoniecStrony(int32_t strona) override { Zakonczone.push_back(strona); }
};
// At 4000 pixels per cm, fine enough to read the test font's texts, and wide
// enough to hold them whole: its characters are four times the real ones.
TWydrukZapis Dokladny()
{
    TWydrukZapis w;
    std::tie(w.W, w.H, w.Dpi) = std::tuple(400000, 118000, 10160);
    return w;
}

} // namespace

TEST_F(Kompozycja, PrintingGivesAPagePerCombinationAndOneForTheEnvelopesEachWithItsFooterThenRestoresTheLayout)
{
    Belka(3);
    zad.Kombinacje[0].Nazwa = "Podstawowa";
    k.NazwaPliku = "Belka.qvr";
    k.DataWydruku = "06.12.2026";
    const auto uklad = zad.PolozenieKombinacji;
    const float obwiednia = zad.PolozenieObwiedni.x;
    TWydrukZapis wydruk = Dokladny();
    EXPECT_EQ((std::tuple{IloscStronWydruku(zad), Drukuj(k, wydruk)}), std::tuple(4, 4));
    ASSERT_EQ(wydruk.Strony.size(), 4u);
    EXPECT_EQ(wydruk.Zakonczone, (std::vector<int32_t>{0, 1, 2, 3}));
    const char* const stopki[] = {"KOMBINACJA OBCIĄŻEŃ - 1   Podstawowa  |  strona 1 z 4",
                                  "KOMBINACJA OBCIĄŻEŃ - 2   K2  |  strona 2 z 4",
                                  "KOMBINACJA OBCIĄŻEŃ - 3   K3  |  strona 3 z 4", "OBWIEDNIE  |  strona 4 z 4"};
    for (size_t s = 0; s < 4; ++s) {
        // Each sheet at the paper's corner: its beam axis 3 cm in, 6 cm down; no desk, no frames.
        const TPowierzchniaZapis& p = *wydruk.Strony[s];
        EXPECT_TRUE(s == 3 || JestOdcinek(TSrodowisko::Cm(p, 4000), 3, 6, 9, 6, 0.011)) << s;
        EXPECT_EQ(Tytuly(p), s < 3 ? TytulyKombinacji : TytulyObwiedni);
        EXPECT_TRUE(p.Rodzaju(TOperacja::Rodzaj::Prostokat).empty());
        // The grey footer 0.4 cm above the bottom of the printable page, 1 cm in.
        const auto n = Napisy(p, Utf8NaCp1250("Belka.qvr  |  " + std::string(stopki[s]) + "  |  06.12.2026"), 4000);
        ASSERT_EQ(n.size(), 1u) << s;
        EXPECT_TRUE(std::abs(n[0].X - 1) < 0.01 && std::abs(n[0].Y - (118000 / 4000.0 - 0.4)) < 0.01 &&
                    n[0].Pioro.Kolor == Kolor::Szary && !n[0].Pionowy)
            << s << ": " << n[0].X << ", " << n[0].Y;
    }
    // Only the printed page has one: the screen shows the heading above the sheet instead.
    Rysuj();
    EXPECT_TRUE(Z(Utf8NaCp1250("Belka.qvr  |  " + std::string(stopki[0]) + "  |  06.12.2026")).empty());
    // Also after a print stopped on its second page the layout is back.
    TWydrukZapis przerwany;
    przerwany.Ostatnia = 1;
    EXPECT_EQ(Drukuj(k, przerwany), 2);
    for (size_t c = 0; c < uklad.size(); ++c)
        EXPECT_FLOAT_EQ(zad.PolozenieKombinacji[c].x, uklad[c].x) << c;
    EXPECT_FLOAT_EQ(zad.PolozenieObwiedni.x, obwiednia);
}

namespace {

// Loads at supports and at one section, point moments, large negative shears near the titles; three combinations.
void Tlok(TDaneZadania& zad)
{
    NowyTemat(zad);
    UstawGeometrie(zad, {4, 5, 4}, false, true);
    const int32_t uzytkowe = DodajGrupe(zad, Utf8NaCp1250("Użytkowe"), Rgb(255, 0, 0).Bgr());
    const int32_t wiatr = DodajGrupe(zad, "Wiatr", Rgb(0, 0, 255).Bgr());
    zad.Kombinacje[0].Nazwa = "Podstawowa";
    DodajKombinacje(zad, "Bez wiatru");
    DodajKombinacje(zad, "Z wiatrem");
    zad.Wspolczynniki[0] = {1.35f, 1.5f, 0};
    zad.Wspolczynniki[1] = {1, 1, 0};
    zad.Wspolczynniki[2] = {1, 0.5f, 1.5f};
    for (int32_t s = 0; s < 3; ++s)
        DodajLiniowe(zad, s, 0, zad.Przesla[size_t(s)].L, 10);
    DodajLiniowe(zad, 1, 0, 2.5f, 8, uzytkowe);
    DodajSile(zad, 0, 2, 30, uzytkowe);
    DodajLiniowe(zad, 0, 2, 4, 6, wiatr);
    DodajSile(zad, 1, 0, 20, wiatr);
    DodajMoment(zad, 1, 0, 15, uzytkowe);
    DodajMoment(zad, 2, 2, -12);
    DodajTrojkat(zad, 2, 0, 4, 0, 12, uzytkowe);
    DodajSile(zad, 2, 4, 25, wiatr);
}

struct TRamka {
    std::string Tekst;
    double X1, Y1, X2, Y2, X, Y; // the box, the reference point
};

// Closer than `odstep` on both axes.
bool Blisko(const TRamka& a, const TRamka& b, double odstep)
{
    return a.X1 < b.X2 + odstep && b.X1 < a.X2 + odstep && a.Y1 < b.Y2 + odstep && b.Y1 < a.Y2 + odstep;
}

// A number as the diagrams, reactions and loads write it, with or without its unit;
// on the design sheets followed by the key of what produced it, "(a)".
bool Wartosc(const std::string& t)
{
    static const std::regex liczba(R"(-?\d*(,\d+)?( ?(kN|kNm|kN/m))?( \([a-zA-Z]\))?)");
    return std::regex_match(t, liczba) && (t.find(',') != std::string::npos || t.find('k') != std::string::npos);
}

} // namespace

TEST_F(Kompozycja, NoValueLabelOverlapsAnotherOrATitleAndThoseThatOverlappedNothingStayPut)
{
    // At 4000 pixels per cm, sheet x from -80 (the design sheets) to 120, y from -5; the reading font, four times
    // as wide as the real one, narrowed to the real font's lengths.
    widok.SkalaWidoku = 0.25;
    TPowierzchniaZapis duzy(800000, 400000);
    // The sheets' value labels as drawn, each t = 0.3 cm across.
    const auto Etykiety = [&](const TPowierzchniaZapis& p, double x0, double y0) {
        std::vector<TRamka> w;
        const double t = zad.Nastawy.WysokoscCzcionki;
        for (const TNapisZapisany& n : Napisy(p, "", 4000, x0, y0))
            if (Wartosc(n.Tekst) && n.Y > 0)
                w.push_back(n.Pionowy ? TRamka{n.Tekst, n.X - t, n.Y - n.Dlugosc, n.X, n.Y, n.X, n.Y}
                                      : TRamka{n.Tekst, n.X, n.Y - t, n.X + n.Dlugosc, n.Y, n.X, n.Y});
        return w;
    };
    // The titles' cells, `em` of their height wide per character: 0.65 as capitals, 0.8 to tell a label near one.
    const auto Tytuly = [&](double em) {
        std::vector<TRamka> w;
        for (const TOperacja& o : duzy.Rodzaju(TOperacja::Rodzaj::Napis)) {
            const double x = o.X1 / 4000.0 - 80, y = o.Y1 / 4000.0 - 5, h = o.Wysokosc / 4000.0;
            const auto znaki = std::ranges::count_if(o.Tekst, [](char c) { return (uint8_t(c) & 0xC0) != 0x80; });
            w.push_back({o.Tekst, x, y, x + double(znaki) * em * h, y + h, x, y});
        }
        return w;
    };
    std::vector<TPrzyklad> zadania = ZbudujPrzyklady();
    zadania.push_back({"tłok", std::make_unique<TDaneZadania>()});
    Tlok(*zadania.back().Zadanie);
    for (const auto& [nazwa, zadanie] : zadania) {
        zad = *zadanie;
        zad.Nastawy.SzerokoscCzcionki = 0.056f;
        if (zad.IloscPrzesel == 12)
            zad.SkalaX = 250; // as the README says: so that the beam fits its sheet
        zad.DoPrzeliczenia = true;
        const auto rysuj = [&](bool rozsuwaj) {
            k.RozsuwajEtykiety = rozsuwaj;
            duzy.Wyczysc();
            Przerysuj(k, &duzy);
            return Etykiety(duzy, 80, 5);
        };
        rysuj(false);
        RozmiescArkusze(zad, widok);
        const std::vector<TRamka> przedtem = rysuj(false);
        const std::vector<TRamka> teraz = rysuj(true);
        const std::vector<TRamka> tytuly = Tytuly(0.65), obok = Tytuly(0.8);
        ASSERT_GT(teraz.size(), 5u) << nazwa;

        for (size_t i = 0; i < teraz.size(); ++i) {
            for (size_t j = i + 1; j < teraz.size(); ++j)
                EXPECT_FALSE(Blisko(teraz[i], teraz[j], 0))
                    << nazwa << ": " << teraz[i].Tekst << " over " << teraz[j].Tekst << " at " << teraz[i].X;
            for (const TRamka& t : tytuly)
                EXPECT_FALSE(Blisko(teraz[i], t, 0)) << nazwa << ": " << teraz[i].Tekst << " under " << t.Tekst;
        }
        // A label with a millimetre to spare all round stands exactly where it stood.
        size_t kolizje = 0;
        for (size_t i = 0; i < przedtem.size(); ++i) {
            const TRamka& a = przedtem[i];
            bool wolna = std::ranges::none_of(obok, [&](const TRamka& t) { return Blisko(a, t, 0.1); });
            for (size_t j = 0; j < przedtem.size() && wolna; ++j)
                wolna = j == i || !Blisko(a, przedtem[j], 0.1);
            kolizje += !wolna;
            EXPECT_TRUE(!wolna || std::ranges::any_of(teraz,
                                                      [&](const TRamka& b) {
                                                          return b.Tekst == a.Tekst && std::abs(b.X - a.X) < 0.001 &&
                                                                 std::abs(b.Y - a.Y) < 0.001;
                                                      }))
                << nazwa << ": " << a.Tekst << " moved from " << a.X << ", " << a.Y;
        }
        EXPECT_TRUE(nazwa != "tłok" || kolizje >= 10) << kolizje;

        // The printed pages hold the same labels where the screen shows them on their sheets.
        TWydrukZapis wydruk = Dokladny();
        Drukuj(k, wydruk);
        const std::vector<TRamka> naEkranie = rysuj(true);
        // The combinations' sheets, the envelope sheet when there are two or more, then the design sheets.
        const size_t K = size_t(zad.IloscKombinacji), normowe = K > 1 ? K + 1 : K;
        for (size_t s = 0; s < wydruk.Strony.size(); ++s) {
            const TPunktArkusza P = s < K          ? zad.PolozenieKombinacji[s]
                                    : s < normowe ? zad.PolozenieObwiedni
                                                  : zad.PolozenieNormowych.at(s - normowe);
            const std::vector<TRamka> strona = Etykiety(*wydruk.Strony[s], 0, 0);
            const auto naArkuszu = std::ranges::count_if(
                naEkranie, [&](const TRamka& b) { return b.X >= P.x && b.X < P.x + widok.ArkuszSzerokosc; });
            EXPECT_EQ(long(strona.size()), naArkuszu) << nazwa << " page " << s;
            for (const TRamka& a : strona)
                EXPECT_TRUE(std::ranges::any_of(naEkranie,
                                                [&](const TRamka& b) {
                                                    return b.Tekst == a.Tekst && std::abs(b.X - P.x - a.X) < 0.01 &&
                                                           std::abs(b.Y - P.y - a.Y) < 0.01;
                                                }))
                    << nazwa << " page " << s << ": " << a.Tekst << " at " << a.X << ", " << a.Y;
        }
    }
}

// Before, the question proposed 1:200 whatever the scale: also for twelve kilometres at 1:12000.
TEST_F(Kompozycja, ABeamWiderThanTheSheetIsPrintedOnlyWhenTheUserSaysYesToTheFirstRoundScaleAtWhichItFits)
{
    const std::string pytanie =
        "Rysunek belki jest szerszy niż arkusz. Zmień skalę poziomą w Ustawieniach, np. na 1:200.";
    // The labels beside the last support count: with the font the program draws them in.
    ASSERT_EQ(WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *czcionka), "");
    UstawGeometrie(zad, {10, 10, 10}, true, true);
    DodajLiniowe(zad, 2, 0, 10, 10);
    for (const auto& [skala, za_szeroka] : {std::pair{100.0f, true}, {200.0f, false}}) {
        zad.SkalaX = skala;
        for (const bool tak : {false, true}) {
            kom.Pytania.clear();
            kom.Odpowiedz = tak;
            EXPECT_EQ(PotwierdzWydruk(k, kom), tak || !za_szeroka) << skala;
            EXPECT_EQ(kom.Pytania, za_szeroka ? std::vector{pytanie} : std::vector<std::string>{}) << skala;
        }
    }
    // The examples fit at the scale they need: 1:100, the twelve spans at 1:250.
    for (const TPrzyklad& p : ZbudujPrzyklady()) {
        zad = *p.Zadanie;
        EXPECT_EQ(RysunekSzerszyNizArkusz(k), zad.IloscPrzesel == 12) << p.NazwaPliku;
        zad.SkalaX = 250;
        EXPECT_FALSE(RysunekSzerszyNizArkusz(k)) << p.NazwaPliku;
    }
    const std::string poczatek = "Rysunek belki jest szerszy niż arkusz. ";
    UstawGeometrie(zad, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}, false, false);
    zad.SkalaX = 12000; // 100 cm; 12 cm at 1:100000, 24 cm at 1:50000
    EXPECT_EQ(TekstRysunekSzerszy(k), poczatek + "Zmień skalę poziomą w Ustawieniach, np. na 1:100000.");
    EXPECT_EQ(zad.SkalaX, 12000.0f);
    UstawGeometrie(zad, {8, 8}, false, false);
    zad.SkalaX = 90; // 3 + 16 cm at 1:100 fits the 20.5 cm sheet
    EXPECT_EQ(TekstRysunekSzerszy(k), poczatek + "Zmień skalę poziomą w Ustawieniach, np. na 1:100.");
    // A sheet of 3 cm holds no beam: nothing to propose.
    std::tie(zad.Nastawy.ArkuszUzytkownika, zad.Nastawy.ArkuszL, zad.Nastawy.ArkuszH) = std::tuple(true, 3.0f, 29.0f);
    EXPECT_EQ(TekstRysunekSzerszy(k),
              poczatek +
                  "Nie mieści się nawet w skali 1:100000 — zmniejsz czcionkę albo powiększ arkusz w Ustawieniach.");
}

TEST_F(Kompozycja, WhileThePdfPageIsThePrinterTheSheetsAreLaidOutForItAndAfterwardsForTheOwnPrinterEvenAfterAFault)
{
    Belka(2);
    k.Drukarka = TInformacjaDrukarki{300, 300, 2400, 3300};
    Rozmiesc();
    const auto wlasne = zad.PolozenieKombinacji;
    const TWidok widokWlasny = widok;
    EXPECT_THROW(
        {
            const TPdfJakoDrukarka naPdf(k);
            EXPECT_EQ(k.Drukarka->SzerokoscStrony, StronaPdf().SzerokoscStrony);
            // The PDF's 20.5 cm sheet is wider than the printer's 20.32 cm: the sheets stand further apart.
            EXPECT_GT(zad.PolozenieKombinacji[1].x, wlasne[1].x);
            throw std::runtime_error("przerwany wydruk");
        },
        std::runtime_error);
    EXPECT_EQ(k.Drukarka->SzerokoscStrony, 2400);
    EXPECT_EQ(zad.PolozenieKombinacji[1].x, wlasne[1].x);
    EXPECT_EQ(widok.ArkuszSzerokosc, widokWlasny.ArkuszSzerokosc);
}
