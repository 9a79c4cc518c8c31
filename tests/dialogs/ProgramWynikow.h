#pragma once
// The result windows' data, with an overlay that records what is drawn on it.
#include "analysis/Analiza.h"
#include "analysis/Wyniki.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaZapis.h"
#include "model/Budowa.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"

#include "Okna.h"

class TNakladkaZapis : public INakladka {
public:
    TPowierzchniaZapis Powierzchnia{2000, 1500};
    int Rysowania = 0;

    void Rysuj(const std::function<void(IPowierzchnia&)>& rysuj) override
    {
        ++Rysowania;
        Powierzchnia.Wyczysc();
        if (rysuj)
            rysuj(Powierzchnia);
    }
};

class OknaWynikow : public AplikacjaQt {
protected:
    TDaneZadania zad;
    TWyniki wyn;
    TWidok widok;
    std::unique_ptr<TCzcionka> czcionka = std::make_unique<TCzcionka>();
    TRejestrKomunikatow kom;
    TKompozycja k{zad, wyn, widok, *czcionka, kom, ','};

    void SetUp() override { NowyTemat(zad); }

    // What the composition does before it draws.
    void Przelicz()
    {
        PoliczKombinacje(zad);
        ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom));
        zad.DoPrzeliczenia = false;
        RozmiescArkusze(zad, widok);
    }

    // A combination weighting the groups by `wsp`.
    void Kombinacja(const char* nazwa, std::initializer_list<float> wsp)
    {
        const int32_t c = nazwa ? DodajKombinacje(zad, nazwa) : 0;
        int32_t g = 0;
        for (const float w : wsp)
            zad.Wspolczynniki[size_t(c)][size_t(g++)] = w;
    }
};
