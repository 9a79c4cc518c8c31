#include "NajwiekszeZadanie.h"

#include "model/Budowa.h"

#include <string>

namespace {

// Every group and every combination in use, each group in each combination.
void WszystkieGrupyIKombinacje(TDaneZadania& zad)
{
    for (int32_t g = 1; g < TDaneZadania::MaxGrup; ++g)
        DodajGrupe(zad, "Grupa " + std::to_string(g + 1), 0x102030 * g);
    for (int32_t c = 1; c < TDaneZadania::MaxKombinacji; ++c)
        DodajKombinacje(zad, "Kombinacja " + std::to_string(c + 1));
    for (int32_t c = 0; c < TDaneZadania::MaxKombinacji; ++c)
        for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
            zad.Wspolczynniki[c][g] = 0.5f + 0.1f * float((c * 7 + g * 3) % 11);
}

} // namespace

void NajwiekszeZadanie(TDaneZadania& zad)
{
    UstawGeometrie(zad, {25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25, 25}, false, true);
    WszystkieGrupyIKombinacje(zad);

    for (int32_t i = 0; i < 100; ++i) {
        const int32_t przeslo = i % 12;
        const int32_t grupa = i % 10;
        const float a = 0.25f * float(1 + (i * 37) % 99);    // 0.25 … 24.75 m, on the centimetre grid
        const float x1 = 0.01f * float(50 + (i * 13) % 150); // 0.5 … 2.0 m
        const float x2 = 25.0f - 0.01f * float(20 + (i * 29) % 180);
        DodajSile(zad, przeslo, a, 5.0f + float(i % 17), grupa);
        DodajMoment(zad, przeslo, 25.0f - a, float(i % 2 ? 12 : -9), grupa);
        DodajLiniowe(zad, przeslo, x1, x2, 2.0f + float(i % 5), grupa);
        DodajTrojkat(zad, przeslo, x1 + 0.3f, x2, float(i % 3), float(i % 4 + 1), grupa);
    }
}

void NajdluzszeZadanie(TDaneZadania& zad)
{
    UstawGeometrie(zad, {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}, false, true);
    WszystkieGrupyIKombinacje(zad);

    for (int32_t i = 0; i < 100; ++i) {
        const int32_t przeslo = i % 12;
        const int32_t grupa = i % 10;
        const float a = 10.0f * float(1 + (i * 37) % 99); // 10 … 990 m, on the centimetre grid
        DodajSile(zad, przeslo, a, 5.0f + float(i % 17), grupa);
        DodajMoment(zad, przeslo, 1000.0f - a, float(i % 2 ? 12 : -9), grupa);
        DodajLiniowe(zad, przeslo, 0, 1000, 2.0f + float(i % 5), grupa);
        DodajTrojkat(zad, przeslo, 0, 1000, float(i % 3), float(i % 4 + 1), grupa);
    }
}
