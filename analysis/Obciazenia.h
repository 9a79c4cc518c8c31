#pragma once
// The loads of a span and their fixed-end actions (sign convention: analysis/Konwencje.h).
#include <cstdint>
#include <vector>

struct TDaneZadania;

struct TParaKoncow {
    double L = 0; // left end
    double P = 0; // right end
};

// The loads one span carries in one load case, values in double precision,
// positions as stored: single precision, as the sections they are compared with.
struct TObciazeniaPrzesla {
    struct TPunktowe { // a force (kN) or a moment (kNm, clockwise) at X
        float X = 0;
        double Wartosc = 0;
    };
    struct TRownomierne {
        float X1 = 0;
        float X2 = 0;
        double Wartosc = 0;
    };
    // A uniform part over [X1, X2] plus at most one triangular part.
    struct TZmienne {
        float X1 = 0;
        float X2 = 0;
        double Stala = 0;
        double Malejaca = 0; // peak at X1 falling to 0 at X2
        double Rosnaca = 0;  // rising from 0 at X1 to a peak at X2
    };
    std::vector<TPunktowe> Sily;
    std::vector<TPunktowe> Momenty;
    std::vector<TRownomierne> Liniowe;
    std::vector<TZmienne> Trojkaty;

    bool Puste() const { return Sily.empty() && Momenty.empty() && Liniowe.empty() && Trojkaty.empty(); }
    // The forces standing on the supports: at the start (X ≤ 0) and at the end (X ≥ L).
    double SilyNaPoczatku() const;
    double SilyNaKoncu(float L) const;
    // Appends the other set's loads.
    void Dolacz(const TObciazeniaPrzesla& inne);
};

// The loads of every group on every span as entered (coefficient 1), in
// table order: element [g · IloscPrzesel + s]. A load on a span or in a group
// that does not exist is left out.
std::vector<TObciazeniaPrzesla> ObciazeniaGrup(const TDaneZadania& zad);
// The loads of span s acting in combination c, each times its coefficient
// (in double); loads whose coefficient is 0 or below are left out.
TObciazeniaPrzesla ObciazeniaWKombinacji(const TDaneZadania& zad, int32_t c, int32_t s);

// Fills the working tables (SilyKomb …) with the loads acting in combination
// c, multiplied by their coefficients, for the schemes of the sheets; loads
// whose coefficient is 0 or below are left out.
void ObciazeniaKombinacji(TDaneZadania& zad, int32_t c);

// Fixed-end moments (kNm, clockwise on the member end) of the loads, for a
// span with end code `kod` and length L.
TParaKoncow MomentyUtwierdzenia(const TObciazeniaPrzesla& obc, int32_t kod, float L);
// Upward end reactions (kN) of the span carrying the loads and the given end moments.
TParaKoncow ReakcjeUtwierdzenia(const TObciazeniaPrzesla& obc, double momentUtwL, double momentUtwP, float L);

// The kernels for single loads, a = distance from the left end.
TParaKoncow MomentyOdSily(double P, double a, double L, int32_t kod);
TParaKoncow MomentyOdMomentu(double M, double a, double L, int32_t kod);
TParaKoncow MomentyOdRownomiernego(double q, double x1, double x2, double L, int32_t kod);
// A triangle over [x1, x2] of height qMalejaca at x1 falling to 0, or rising to qRosnaca at x2.
TParaKoncow MomentyOdTrojkata(double qMalejaca, double qRosnaca, double x1, double x2, double L, int32_t kod);
