#pragma once
// The sheets as composed for the screen, kept in sheet cm: the composition
// draws into a recording once after every change of the task, its results or
// the settings (labels laid out then), and every picture of a view replays
// it. Zoom, pan, the zoom window and a resized window lay out nothing and
// format no number: a replay draws what it holds through the view, in the
// order it was drawn, leaving out what cannot reach the picture.
#include "drawing/EkranArkusza.h"

#include <string>
#include <variant>
#include <vector>

class TNagranie final : public IEkranArkusza {
public:
    // The font the texts are recorded in and drawn with later.
    explicit TNagranie(const TCzcionka& czcionka) : czcionka_(czcionka) {}

    // All of the sheet plane: the recording is shown through any view.
    TZasiegEkranu Zasieg() const override;
    void Linia(TPunktCm A, TPunktCm B, TPioroArkusza pioro) override;
    void Lamana(std::span<const TPunktCm> punkty, TPioroArkusza pioro) override;
    void Kreski(std::span<const TOdcinekArkusza> kreski, TPioroArkusza pioro) override;
    void Strzalki(const TRzadStrzalek& rzad) override;
    void Tekst(TPunktCm P, const TStylTekstu& styl, std::string_view tresc, bool kropka) override;
    void Tytul(TPunktCm P, TKolor kolor, std::string_view tresc, double wysokosc) override;
    void Arkusz(TPunktCm P, double szerokosc, double wysokosc) override;

    void Wyczysc();
    bool Puste() const { return elementy_.empty(); }
    size_t Ilosc() const { return elementy_.size(); }

    // What was recorded that can reach the surface, drawn on it through the
    // view in the order recorded: the same calls, to the pixel, as the view's
    // own screen (TEkranWidoku) makes when the sheets are drawn on it at once.
    void Rysuj(IPowierzchnia& ekran, const TWidok& widok) const;

private:
    // A box of the sheet, cm, y down.
    struct TObszar {
        double X1, Y1, X2, Y2;
    };
    struct TLiniaZ {
        TPunktCm A, B;
        TPioroArkusza Pioro;
    };
    struct TLamanaZ {
        std::vector<TPunktCm> Punkty;
        TPioroArkusza Pioro;
    };
    struct TKreskiZ {
        std::vector<TOdcinekArkusza> Kreski;
        TPioroArkusza Pioro;
    };
    struct TTekstZ {
        TPunktCm P;
        TStylTekstu Styl;
        std::string Tresc;
        bool Kropka;
    };
    struct TTytulZ {
        TPunktCm P;
        TKolor Kolor;
        std::string Tresc;
        double Wysokosc;
    };
    struct TArkuszZ {
        TPunktCm P;
        double Szerokosc, Wysokosc;
    };
    struct TElement {
        TObszar Obszar;
        // Pixels its strokes may reach beyond the box: a text's pen moves on
        // in whole pixels after each character.
        double Piksele;
        std::variant<TLiniaZ, TLamanaZ, TKreskiZ, TRzadStrzalek, TTekstZ, TTytulZ, TArkuszZ> Dane;
    };
    // Consecutive elements lie close on the sheet: a replay passes over a
    // run of them whose common box is out of the picture.
    struct TBlok {
        TObszar Obszar;
        double Piksele;
        size_t Od, Do;
    };
    static constexpr size_t DlugoscBloku = 32;

    void Dodaj(TObszar obszar, double piksele, decltype(TElement::Dane) dane);

    const TCzcionka& czcionka_;
    std::vector<TElement> elementy_;
    std::vector<TBlok> bloki_;
};

// The picture of the view on the whole surface: the grey desk and on it the
// recording, the view centred on the surface (its EkranSrodek set to the
// surface's middle, which the read-out and the mouse then use).
void Odtworz(const TNagranie& nagranie, TWidok& widok, IPowierzchnia& ekran);
