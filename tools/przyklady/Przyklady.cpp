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

} // namespace

std::vector<TPrzyklad> ZbudujPrzyklady()
{
    std::vector<TPrzyklad> p;
    p.push_back({"Strop trzyprzęsłowy.qvr", StropTrzyprzeslowy()});
    p.push_back({"Belka dwuprzęsłowa utwierdzona.qvr", BelkaDwuprzeslowa()});
    p.push_back({"Belka jednoprzęsłowa stalowa.qvr", BelkaJednoprzeslowa()});
    p.push_back({"Belka dwunastoprzęsłowa.qvr", BelkaDwunastoprzeslowa()});
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
