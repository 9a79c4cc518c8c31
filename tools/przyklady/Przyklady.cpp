#include "tools/przyklady/Przyklady.h"

#include "model/Budowa.h"
#include "platform/Cp1250.h"

namespace {

// Colours as 0x00BBGGRR.
constexpr int32_t Czarny = 0x000000;
constexpr int32_t Czerwony = 0x0000FF;
constexpr int32_t Niebieski = 0xFF0000;
constexpr int32_t Granatowy = 0x800000;
constexpr int32_t Pomaranczowy = 0x0080FF;   // RGB 255, 128, 0: none of the named colours
constexpr int32_t Jasnoniebieski = 0xFF8000; // RGB 0, 128, 255

std::string Cp(const char* utf8)
{
    return Utf8NaCp1250(utf8);
}

void NazwijKombinacje(TDaneZadania& zad, int32_t c, const char* nazwa)
{
    zad.Kombinacje[size_t(c)].Nazwa = PrzytnijNazwe(Cp(nazwa));
}

void Wspolczynniki(TDaneZadania& zad, int32_t c, std::initializer_list<float> poGrupach)
{
    size_t g = 0;
    for (const float w : poGrupach)
        zad.Wspolczynniki[size_t(c)][g++] = w;
}

// Floor beam over three spans on masonry walls (hinged at both ends), with
// every kind of load: self weight and finishes, imposed load in a pattern, a
// partition wall as a point force, a stored heap as a linearly varying load and
// a bracket moment. 15 m long, so that at 1:100 the labels beside its last
// support still stand on the sheet.
std::unique_ptr<TDaneZadania> StropTrzyprzeslowy()
{
    auto zad = std::make_unique<TDaneZadania>();
    UstawGeometrie(*zad, {4.5f, 6.0f, 4.5f}, true, true);
    const int32_t stale = 0; // black
    const int32_t uzytkowe = DodajGrupe(*zad, Cp("Użytkowe"), Czerwony);
    const int32_t scianki = DodajGrupe(*zad, Cp("Ścianki działowe"), Jasnoniebieski);

    NazwijKombinacje(*zad, 0, "SGN 1,35G+1,5Q");
    DodajKombinacje(*zad, Cp("Charakterystyczna"));
    DodajKombinacje(*zad, Cp("Prawie stała"));
    Wspolczynniki(*zad, 0, {1.35f, 1.5f, 1.5f});
    Wspolczynniki(*zad, 1, {1.0f, 1.0f, 1.0f});
    Wspolczynniki(*zad, 2, {1.0f, 0.3f, 0.3f});

    for (int32_t s = 0; s < 3; ++s)
        DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 8.5f, stale);
    DodajLiniowe(*zad, 0, 0.0f, 4.5f, 6.0f, uzytkowe);
    DodajLiniowe(*zad, 2, 0.0f, 4.5f, 6.0f, uzytkowe);
    DodajLiniowe(*zad, 1, 1.5f, 4.5f, 4.0f, uzytkowe);
    DodajSile(*zad, 1, 2.5f, 12.0f, scianki);
    DodajSile(*zad, 0, 3.2f, 7.5f, scianki);
    DodajTrojkat(*zad, 2, 1.0f, 4.0f, 2.0f, 5.0f, uzytkowe);
    DodajMoment(*zad, 0, 2.0f, 4.0f, stale);
    return zad;
}

// Two spans clamped in a wall at the left and resting on a column at the right.
std::unique_ptr<TDaneZadania> BelkaDwuprzeslowa()
{
    auto zad = std::make_unique<TDaneZadania>();
    UstawGeometrie(*zad, {4.5f, 6.0f}, false, true);
    const int32_t snieg = DodajGrupe(*zad, Cp("Śnieg"), Niebieski);
    DodajKombinacje(*zad, Cp("SGN"));
    Wspolczynniki(*zad, 0, {1.0f, 0.0f});
    Wspolczynniki(*zad, 1, {1.35f, 1.5f});

    DodajLiniowe(*zad, 0, 0.0f, 4.5f, 10.0f, 0);
    DodajLiniowe(*zad, 1, 0.0f, 6.0f, 10.0f, 0);
    DodajLiniowe(*zad, 0, 0.0f, 4.5f, 3.2f, snieg);
    DodajLiniowe(*zad, 1, 0.0f, 6.0f, 3.2f, snieg);
    DodajSile(*zad, 1, 3.0f, 25.0f, 0);
    DodajTrojkat(*zad, 1, 0.0f, 2.0f, 2.4f, 0.0f, snieg); // drift at the wall
    return zad;
}

// A simply supported steel beam, IPE 300 (E = 205 GPa, J = 8356 cm⁴).
std::unique_ptr<TDaneZadania> BelkaJednoprzeslowa()
{
    auto zad = std::make_unique<TDaneZadania>();
    UstawGeometrie(*zad, {6.0f}, true, true);
    zad->Przesla[0].E = 2.05e8f;
    zad->Przesla[0].J = 8.356e-5f;
    DodajLiniowe(*zad, 0, 0.0f, 6.0f, 5.0f, 0);
    DodajSile(*zad, 0, 3.0f, 20.0f, 0);
    return zad;
}

// A long purlin over twelve spans, clamped at both ends, with the imposed
// load on every other span.
std::unique_ptr<TDaneZadania> BelkaDwunastoprzeslowa()
{
    auto zad = std::make_unique<TDaneZadania>();
    UstawGeometrie(*zad, {3.6f, 3.0f, 3.0f, 3.0f, 3.0f, 3.0f, 3.0f, 3.0f, 3.0f, 3.0f, 3.0f, 3.6f}, false, false);
    const int32_t uzytkowe = DodajGrupe(*zad, Cp("Użytkowe"), Pomaranczowy);
    const int32_t szachownica = DodajGrupe(*zad, Cp("Użytkowe co drugie"), Granatowy);
    NazwijKombinacje(*zad, 0, "Pełne");
    DodajKombinacje(*zad, Cp("Szachownica"));
    Wspolczynniki(*zad, 0, {1.35f, 1.5f, 0.0f});
    Wspolczynniki(*zad, 1, {1.35f, 0.0f, 1.5f});
    for (int32_t s = 0; s < 12; ++s) {
        DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 4.0f, 0);
        DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 3.0f, uzytkowe);
        if (s % 2 == 0)
            DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 3.0f, szachownica);
    }
    zad->Grupy[0].Kolor = Czarny;
    return zad;
}

// A steel floor beam over four spans (IPE 270, E = 210 GPa, J = 5790 cm⁴,
// beams 3 m apart) with the kinds of its groups set for the design
// envelopes: the slab and a partition wall permanent, flats (category A) on
// the first two spans and an assembly room (category C) on the last two, both
// patterned span by span. The two combinations typed by hand load every span
// at once, so the design envelopes show what patterning adds. 15.6 m long,
// so that it fits its sheet at 1:100.
std::unique_ptr<TDaneZadania> StropCzteroprzeslowy()
{
    auto zad = std::make_unique<TDaneZadania>();
    UstawGeometrie(*zad, {3.6f, 4.2f, 4.2f, 3.6f}, true, true);
    for (TPrzeslo& p : zad->Przesla) {
        p.E = 2.1e8f;
        p.J = 5.79e-5f;
    }
    const int32_t stale = 0; // black
    const int32_t mieszkania = DodajGrupe(*zad, Cp("Użytkowe A"), Czerwony);
    const int32_t sala = DodajGrupe(*zad, Cp("Użytkowe C"), Niebieski);
    zad->Klasyfikacje[size_t(stale)].Rodzaj = TRodzajGrupy::Stale;
    zad->Klasyfikacje[size_t(mieszkania)] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::A, true};
    zad->Klasyfikacje[size_t(sala)] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::C, true};

    NazwijKombinacje(*zad, 0, "SGN 1,35G+1,5Q");
    DodajKombinacje(*zad, Cp("Charakterystyczna"));
    Wspolczynniki(*zad, 0, {1.35f, 1.5f, 1.5f});
    Wspolczynniki(*zad, 1, {1.0f, 1.0f, 1.0f});

    for (int32_t s = 0; s < 4; ++s)
        DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 14.0f, stale); // slab 4,5 kN/m² and the beam
    DodajSile(*zad, 1, 2.1f, 8.0f, stale);                                    // partition wall across the beam
    for (int32_t s = 0; s < 2; ++s)
        DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 6.0f, mieszkania); // 2 kN/m²
    for (int32_t s = 2; s < 4; ++s)
        DodajLiniowe(*zad, s, 0.0f, zad->Przesla[size_t(s)].L, 15.0f, sala); // 5 kN/m²
    return zad;
}

} // namespace

std::vector<TPrzyklad> ZbudujPrzyklady()
{
    std::vector<TPrzyklad> p;
    p.push_back({"Strop trzyprzęsłowy.qvr", StropTrzyprzeslowy()});
    p.push_back({"Belka dwuprzęsłowa utwierdzona.qvr", BelkaDwuprzeslowa()});
    p.push_back({"Belka jednoprzęsłowa stalowa.qvr", BelkaJednoprzeslowa()});
    p.push_back({"Belka dwunastoprzęsłowa.qvr", BelkaDwunastoprzeslowa()});
    p.push_back({"Strop czteroprzęsłowy.qvr", StropCzteroprzeslowy()});
    return p;
}

TRegionalne RegionalnePrzykladow()
{
    TRegionalne r;
    r.SeparatorDziesietny = ',';
    r.FormatDaty = "dd.MM.yyyy";
    r.FormatCzasu = "HH:mm:ss";
    return r;
}

TChwila ChwilaPrzykladow()
{
    return {2026, 1, 5, 12, 0, 0};
}
