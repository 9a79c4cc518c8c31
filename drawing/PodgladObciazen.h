#pragma once
// The live aids of the load dialogs over every combination's scheme: the
// span marker (drawn into the sheet picture, gone with the next repaint) and
// the red preview of the load being typed (drawn onto a layer of its own
// over the sheet picture, so clearing that layer erases it).
#include "drawing/Rysowanie.h"

struct TDaneZadania;

struct TObciazeniePodgladu {
    enum class TRodzaj { Sila, Moment, Liniowe, Trojkat };
    TRodzaj Rodzaj = TRodzaj::Sila;
    int32_t Przeslo = 0;
    double X1 = 0, X2 = 0; // m from the span's left end; a point load has X1 only
    double Q1 = 0, Q2 = 0; // the value, or the start and end values
};

// Every combination's loads and beam in grey, span `przeslo` over them in
// black with its number; on r.Ekran only. Fills the working load tables.
void ZnacznikPrzesla(TRysowanie& r, TDaneZadania& zad, int32_t przeslo, TPiora piora);

// The load in red with its value on yellow, for every combination; on r.Ekran only.
void PodgladObciazenia(TRysowanie& r, const TDaneZadania& zad, const TObciazeniePodgladu& o);

// The shapes the preview is made of, at a sheet point (cm, y down) with
// sizes in cm, each line mapped to the screen on its own.
void StrzalkaPodgladu(TRysowanie& r, TPunktCm P, double a, double b);
void MomentPodgladu(TRysowanie& r, TPunktCm P, double promien, bool dodatni);
void PasPodgladu(TRysowanie& r, double xs, double xe, double y, double h, double b);
void TrapezPodgladu(TRysowanie& r, double xs, double xe, double y, double hs, double he, double a, double b);
