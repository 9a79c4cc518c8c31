#pragma once
// What the sheets, diagrams and schemes leave out before it reaches an
// output: whatever cannot show is skipped before its numbers are formatted
// or its strokes computed. Only whole stretches along x are tested (the
// sheets stand side by side); lines are culled one by one further down
// anyway. A recording of the screen can show everything: only the printed
// page leaves anything out while the sheets are composed.
#include "drawing/Rysowanie.h"
#include "drawing/UkladEtykiet.h"

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

    // Outputs on which a drawing covering sheet x from x1 to x2 can show.
    // The printer only loses what starts right of its page: printing moves the
    // sheets not printed far to the right and below.
    bool NaEkranie(double x1, double x2) const { return Ekran && x2 >= EkranX1 && x1 <= EkranX2; }
    bool NaDruku(double x1) const { return Druk && x1 <= DrukX2; }
    // Tekst's own rule: only the reference point's column decides.
    bool TekstNaEkranie(double x) const { return Ekran && x > TekstX1 && x < TekstX2; }

    // Of the outputs in use, those a drawing over sheet x from x1 to x2
    // (either order), widened by `zapas` on both sides, can reach.
    TWyjscia Wyjscia(double x1, double x2, double zapas) const
    {
        const double od = (x1 < x2 ? x1 : x2) - zapas, do_ = (x1 < x2 ? x2 : x1) + zapas;
        return {NaEkranie(od, do_), NaDruku(od)};
    }
};

TPasWidoczny PasWidoczny(const TRysowanie& r, TWyjscia na);

// Where a value label stands against its section's ordinate y: on it
// (running away from it) or 1.25 of its length further down.
enum class TPolozenieEtykiety { NaRzednej, PodRzedna };

// A value label: the number written with the mask and followed by the unit
// (code page 1250), by Tekst at P.
struct TEtykieta {
    TPunktCm P;
    TStylTekstu Styl;
    double Wartosc = 0;
    std::string_view Maska;
    std::string_view Jednostka{};
    TPolozenieEtykiety Polozenie = TPolozenieEtykiety::NaRzednej;
    TUstep Ustep = TUstep::WGore;
};

// The label, formatted only when it can show on an output. With PodRzedna
// the reference y is P.Y + 1.25 · DlugoscTekstu(label, Szerokosc). On screen
// a label less than a pixel high is one pixel at its reference point: all
// its strokes would land there anyway.
void Etykieta(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, const TEtykieta& e);

// A text (code page 1250) by Tekst, left out where its reference point
// cannot show; on screen less than a pixel high it is one pixel, as a label.
void TekstNaPasie(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, const TStylTekstu& styl,
                  std::string_view Tresc);

// A heading (UTF-8) by Tytul, left out where it cannot reach an output.
void Naglowek(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, std::string_view Tresc, double Wysokosc);

// A polyline drawn by Linia on the printer and by IEkranArkusza::Lamana on
// the screen: on each, a point falling into the device pixel the line
// already stands at is passed over, so a diagram of thousands of sections
// zoomed out to a few pixels reaches the painter as a few segments. The
// pixels drawn are those of every segment drawn one by one: a segment within
// one pixel adds nothing to its neighbours' round ends. Koniec draws it.
class TLamana {
public:
    TLamana(TRysowanie& r, TWyjscia na, TPioroArkusza pioro);
    void Punkt(double x, double y);
    // Hands the screen its polyline and draws the lone pixel of a printed one that never left it.
    void Koniec();

private:
    TRysowanie& r_;
    TPioroArkusza pioro_;
    bool ekran_ = false, druk_ = false;
    std::vector<TPunktCm> punkty_; // of the screen
    bool pierwszy_ = true;
    bool narysowany_ = false;
    double x_ = 0, y_ = 0;   // the point the printed line stands at, sheet cm
    double px_ = 0, py_ = 0; // its pixel
    double x0_ = 0, y0_ = 0; // the first point
};

// The colour of load group g; a group index outside the table draws black.
TKolor KolorGrupy(const TDaneZadania& zad, int32_t g);

// Spans that can be drawn: IloscPrzesel, never more than Przesla holds.
int32_t IloscPrzeselRysunku(const TDaneZadania& zad);

// Calls f(span, xs) for each drawable span whose stretch of the sheet, from
// xs = O.X + X0 · SkalaRysunkuX over its length, widened by `zapas`, can
// reach one of the outputs of `pas`; f's `na` holds those it reaches.
void DlaWidocznychPrzesel(const TRysowanie& r, const TPasWidoczny& pas, const TDaneZadania& zad, TPunktCm O,
                          double zapas, const std::function<void(int32_t s, double xs, TWyjscia na)>& f);
