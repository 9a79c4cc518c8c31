#pragma once
// The screen of a view: every call drawn at once in the device pixels of a
// surface, through the view's zoom and centre (Widok.h). It serves the
// replay of a recording, the span marker drawn into the sheet picture, and
// the tests of the single routines.
#include "drawing/EkranArkusza.h"

class TEkranWidoku final : public IEkranArkusza {
public:
    TEkranWidoku(IPowierzchnia& powierzchnia, const TWidok& widok, const TCzcionka& czcionka)
        : p_(powierzchnia)
        , w_(widok)
        , czcionka_(czcionka)
    {
    }

    TZasiegEkranu Zasieg() const override;
    void Linia(TPunktCm A, TPunktCm B, TPioroArkusza pioro) override;
    void Lamana(std::span<const TPunktCm> punkty, TPioroArkusza pioro) override;
    void Kreski(std::span<const TOdcinekArkusza> kreski, TPioroArkusza pioro) override;
    void Strzalki(const TRzadStrzalek& rzad) override;
    void Tekst(TPunktCm P, const TStylTekstu& styl, std::string_view tresc, bool kropka) override;
    void Tytul(TPunktCm P, TKolor kolor, std::string_view tresc, double wysokosc) override;
    void Arkusz(TPunktCm P, double szerokosc, double wysokosc) override;

private:
    IPowierzchnia& p_;
    const TWidok& w_;
    const TCzcionka& czcionka_;
};
