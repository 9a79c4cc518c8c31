#pragma once
// What the sheets, diagrams and schemes leave out before it reaches a
// surface: panning redraws everything on every mouse move, so whatever
// cannot show is skipped before its numbers are formatted or its strokes
// computed. Only whole stretches along x are tested (the sheets stand side
// by side); lines are culled one by one further down anyway.
#include "drawing/Rysowanie.h"

#include <functional>
#include <string_view>

struct TDaneZadania;

struct TPasWidoczny {
    bool Ekran = false; // outputs in use
    bool Druk = false;
    // Sheet x (cm) the screen shows, widened by a margin for pens.
    double EkranX1 = 0, EkranX2 = 0;
    // Where a screen text's reference point must lie for Tekst to draw it.
    double TekstX1 = 0, TekstX2 = 0;
    // Right edge of the printed page (cm): nothing starting right of it shows there.
    double DrukX2 = 0;
    // Screen pixels per sheet cm.
    double PikseleNaCm = 0;

    // Outputs on which a drawing covering sheet x from x1 to x2 can show.
    // The printer only loses what starts right of its page: printing moves the
    // sheets not printed far to the right and below.
    bool NaEkranie(double x1, double x2) const { return Ekran && x2 >= EkranX1 && x1 <= EkranX2; }
    bool NaDruku(double x1) const { return Druk && x1 <= DrukX2; }
    // Tekst's own rule: only the reference point's column decides.
    bool TekstNaEkranie(double x) const { return Ekran && x > TekstX1 && x < TekstX2; }

    // Of the outputs asked for, those a drawing over sheet x from x1 to x2
    // (either order), widened by `zapas` on both sides, can reach.
    TWyjscia Wyjscia(TWyjscia na, double x1, double x2, double zapas) const
    {
        const double od = (x1 < x2 ? x1 : x2) - zapas, do_ = (x1 < x2 ? x2 : x1) + zapas;
        return {na.Ekran && NaEkranie(od, do_), na.Druk && NaDruku(od)};
    }
};

TPasWidoczny PasWidoczny(const TRysowanie& r, TWyjscia na);

// Where a value label stands against its section's ordinate y: on it
// (running away from it) or 1.25 of its length further down.
enum class TPolozenieEtykiety { NaRzednej, PodRzedna };

// Which way a level label gives room when it must: away from what it names,
// up from load arrows, down from the reaction arrows over it.
enum class TUstep { WGore, WDol };

// A number written with the mask, followed by the unit (code page 1250),
// by Tekst at P; formatted only when it can show on an output. With
// PodRzedna the reference y is P.Y + 1.25 · DlugoscTekstu(label, Szerokosc).
// On screen a label less than a pixel high is one pixel at its reference
// point, all its strokes would land there anyway: zoomed out over all
// sheets, tens of thousands of labels would otherwise cost a frame each.
void Etykieta(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor,
              double wartosc, std::string_view maska, std::string_view jednostka, double Wysokosc, double Szerokosc,
              double Kat, TPolozenieEtykiety polozenie = TPolozenieEtykiety::NaRzednej, TUstep ustep = TUstep::WGore);

// A text (code page 1250) by Tekst at angle 0, left out where it cannot
// show; on screen less than a pixel high it is one pixel, as a label.
void TekstNaPasie(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor,
                  std::string_view Tresc, double Wysokosc, double Szerokosc);

// A heading (UTF-8) by Tytul, left out where it cannot reach an output.
void Naglowek(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, std::string_view Tresc,
              double Wysokosc);

// A polyline drawn by Linia on each output on its own: a point falling into
// the device pixel the line already stands at is passed over, so a diagram
// of thousands of sections zoomed out to a few pixels reaches the painter as
// a few segments. The pixels drawn are those of every segment drawn one by
// one: a segment within one pixel adds nothing to its neighbours' round ends.
class TLamana {
public:
    TLamana(TRysowanie& r, TWyjscia na, double GruboscMm, int32_t Kolor);
    void Punkt(double x, double y);
    // Draws the lone pixel of a polyline that never left it.
    void Koniec();

private:
    struct TWyjscie {
        bool Rysuj = false;
        bool Pierwszy = true;
        bool Narysowany = false;
        double X = 0, Y = 0;   // the point the line stands at, sheet cm
        double PX = 0, PY = 0; // its pixel
        double X0 = 0, Y0 = 0; // the first point
    };
    void Dodaj(TWyjscie& w, bool ekran, double x, double y, double px, double py);

    TRysowanie& r_;
    int32_t Kolor_;
    double Grubosc_;
    TWyjscie Ekran_, Druk_;
};

// The colour of load group g; a group index outside the table draws black.
int32_t KolorGrupy(const TDaneZadania& zad, int32_t g);

// Spans that can be drawn: IloscPrzesel, never more than Przesla holds.
int32_t IloscPrzeselRysunku(const TDaneZadania& zad);

// Calls f(span, xs) for each drawable span whose stretch of the sheet, from
// xs = O.X + X0 · SkalaRysunkuX over its length, widened by `zapas`, can
// reach one of the outputs `na`; f's `na` holds those it reaches.
void DlaWidocznychPrzesel(const TRysowanie& r, const TPasWidoczny& pas, const TDaneZadania& zad, TWyjscia na,
                          TPunktCm O, double zapas, const std::function<void(int32_t s, double xs, TWyjscia na)>& f);
