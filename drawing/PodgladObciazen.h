#pragma once
// The live aids of the load dialogs over every combination's scheme: the
// span marker (drawn into the sheet picture, gone with the next repaint) and
// the red preview of the load being typed (drawn onto a layer of its own
// over the sheet picture, so clearing that layer erases it).
#include "drawing/Rysowanie.h"
#include "drawing/Symbole.h"

struct TObciazeniePodgladu {
    enum class TRodzaj { Sila, Moment, Liniowe, Trojkat };
    TRodzaj Rodzaj = TRodzaj::Sila;
    int32_t Przeslo = 0;
    double X1 = 0, X2 = 0; // m from the span's left end; a point load has X1 only
    double Q1 = 0, Q2 = 0; // the value, or the start and end values
};

// Every combination's loads and beam in grey, span `przeslo` over them in
// black with its number, with piora's widths; on r.Ekran only. Fills the
// working load tables.
void ZnacznikPrzesla(TRysowanie& r, TDaneZadania& zad, int32_t przeslo, const TPiora& piora);

// The load in red with its value on yellow, for every combination.
void PodgladObciazenia(const TRysowanieNakladki& n, const TDaneZadania& zad, const TObciazeniePodgladu& o);

// The shapes the preview is made of, at a sheet point (cm, y down) with
// sizes in cm, each line mapped to the screen on its own.
// An arrow of height a, its head 0.12 · b wide.
void StrzalkaPodgladu(const TRysowanieNakladki& n, TPunktCm P, double a, double b);
void MomentPodgladu(const TRysowanieNakladki& n, TPunktCm P, double promien, bool dodatni);
// A band from P to rzad.X2, rzad.Wys high and its arrows as far apart, heads sized by rzad.Szer.
void PasPodgladu(const TRysowanieNakladki& n, TPunktCm P, const TRzadObciazenia& rzad);
// A band from the height rzad.H1 at P to rzad.H2 at rzad.X2, arrows rzad.Wys apart.
void TrapezPodgladu(const TRysowanieNakladki& n, TPunktCm P, const TRzadObciazenia& rzad);
