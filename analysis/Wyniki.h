#pragma once
// The result tables of the analysis (sign convention: analysis/Konwencje.h).
#include "analysis/Obciazenia.h"
#include "analysis/ObwiednieNormowe.h"
#include "analysis/PunktWykresu.h"
#include "analysis/Ugiecia.h"
#include "analysis/Wielomiany.h"

#include <cstdint>
#include <vector>

struct TDaneZadania;

using MacierzWektor = std::vector<double>;
using MacierzKwad = std::vector<std::vector<double>>;

struct TMomentyPrzesla {
    double MomentUtwL = 0; // fixed-end moments
    double MomentUtwP = 0;
    double MomentL = 0; // final end moments
    double MomentP = 0;
};

struct TSilyPrzesla {
    double ReakcjaUtwL = 0; // fixed-end reactions, upward
    double ReakcjaUtwP = 0;
    double TL = 0; // final end forces: minus the upward end reactions
    double TP = 0;
};

struct TEkstrema {
    uint8_t JestMax = 0;
    uint8_t JestMin = 0;
    double Max = 0;
    double Min = 0;
    double Skala = 0;
    double XMax = 0;
    double XMin = 0;
    int32_t IloscPunktow = 0; // for envelopes: the index of the last point
};

// The rule of the reported extremes, one point at a time: a value strictly
// above Max or below Min replaces it (the first of equal extremes wins; they
// never cross 0) ...
void DodajDoEkstremow(TEkstrema& e, const TPunktWykresu& p);
void DodajDoEkstremow(TEkstrema& e, double x, double v);
// ... and at the end the scale: the larger magnitude, 1 when that is about 0.
void UstalSkale(TEkstrema& e);

// One group's loads on one span analysed alone, as entered (coefficient 1).
// A combination is the sum of these over the groups whose coefficient is
// above 0, each times its coefficient.
struct TStanJednostkowy {
    int32_t Grupa = 0;
    int32_t Przeslo = 0; // the span carrying the loads
    TObciazeniaPrzesla Obciazenia;
    // The joint rotations, and the end moments and forces of every span.
    MacierzWektor Obroty;
    std::vector<TMomentyPrzesla> Momenty;
    std::vector<TSilyPrzesla> Sily;
    // M and T of the loads alone on their span (no end values), on the
    // boundaries of every load of that span.
    TWielomianyPrzesla Wielomiany;
};

struct TReakcjaObwiedni {
    double Max = 0;
    double Min = 0;
};

struct TMomentyPodporoweObwiedni {
    double MaxL = 0; // MomentL of the first span
    double MinL = 0;
    double MaxP = 0; // MomentP of the last span
    double MinP = 0;
};

struct TWyniki {
    // The equation system of the combination assembled and solved last.
    MacierzKwad MacierzK;
    MacierzKwad MacierzKOdwrotna;
    MacierzWektor WektorQ;
    MacierzWektor WektorX;

    // [combination][unknown]: the joint rotations (clockwise), kept per combination.
    std::vector<MacierzWektor> Obroty;
    // [combination][span]
    std::vector<std::vector<TMomentyPrzesla>> MomentyKoncowe;
    std::vector<std::vector<TSilyPrzesla>> SilyKoncowe;
    // [combination][span][point]; the first Ekstrema*[c][s].IloscPunktow points are valid.
    std::vector<std::vector<std::vector<TPunktWykresu>>> WykresM;
    std::vector<std::vector<std::vector<TPunktWykresu>>> WykresT;
    std::vector<std::vector<TEkstrema>> EkstremaM;
    std::vector<std::vector<TEkstrema>> EkstremaT;
    float NajwiekszyM = 0.01f; // largest Skala over all combinations and spans
    float NajwiekszyT = 0.01f;

    // What the lines are made of: the unit analyses of every group and span
    // that carries a load, and M(x), T(x) of every combination [combination][span].
    std::vector<TStanJednostkowy> Jednostkowe;
    std::vector<std::vector<TWielomianyPrzesla>> Wielomiany;

    // φ(x) and w(x) of every combination and the exact extremes of w
    // [combination][span]; the envelope's extremes of w [span] (with two or
    // more combinations). Skipped when LiczUgiecia is false.
    bool LiczUgiecia = true;
    std::vector<std::vector<TUgieciaPrzesla>> Ugiecia;
    std::vector<std::vector<TEkstrema>> EkstremaW;
    std::vector<TEkstrema> EkstremaObwiedniW;

    // False: the sampled lines (WykresM, WykresT) and the envelope lines are
    // not kept, only their extremes; the command line's texts need no more,
    // and the lines of a long beam take hundreds of megabytes.
    bool ZapisujWykresy = true;

    // Envelopes: [span][k], one point per centimetre from x = 0 and the last at
    // x = L itself: the sampling grid of the lines (IloscProbek) with both ends.
    // Empty when the lines are not kept.
    std::vector<std::vector<TPunktWykresu>> ObwiedniaMaxM;
    std::vector<std::vector<TPunktWykresu>> ObwiedniaMinM;
    std::vector<std::vector<TPunktWykresu>> ObwiedniaMaxT;
    std::vector<std::vector<TPunktWykresu>> ObwiedniaMinT;
    std::vector<TEkstrema> EkstremaObwiedniM;
    std::vector<TEkstrema> EkstremaObwiedniT;
    std::vector<TReakcjaObwiedni> ObwiedniaReakcji; // [support], IloscPrzesel + 1 entries
    TMomentyPodporoweObwiedni ObwiedniaMomentowPodporowych;

    // The design envelopes of the classified groups (Normowe.Sa false when none is).
    TObwiednieNormowe Normowe;

    // How many combinations the per-combination tables hold: 0 until an analysis
    // has run and after an analysis refused the task.
    int32_t IloscPoliczonych = 0;
};

// Zeroes the first n entries of the vectors and the leading n × n block of the matrices.
void ZerujUklad(TWyniki& wyn, int32_t n);
// Gives the equation system order n and zeroes it.
void UstawRozmiarUkladu(TWyniki& wyn, int32_t n);
// Sizes MomentyKoncowe and SilyKoncowe: MaxKombinacji rows of IloscPrzesel spans.
void DopasujWyniki(const TDaneZadania& zad, TWyniki& wyn);
// Gives the per-span tables of the sampled lines, their extremes and the envelopes one entry per span.
void DopasujProbki(const TDaneZadania& zad, TWyniki& wyn);
// The result side of a change of the span count: the reaction envelope, the
// equation system and DopasujWyniki.
void DopasujDoIlosciPrzesel(const TDaneZadania& zad, TWyniki& wyn);

// Support reaction k (0 … N, upward) of combination c from the end forces.
double Reakcja(const TWyniki& wyn, int32_t c, int32_t k, int32_t iloscPrzesel);
