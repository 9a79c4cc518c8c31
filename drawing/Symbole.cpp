#include "drawing/Symbole.h"

#include "drawing/EkranArkusza.h"
#include "drawing/Tekst.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void Linia(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, TPioroArkusza pioro)
{
    const TWidok& w = r.Widok;
    if (na.Druk && r.Druk) {
        r.Druk->UstawPioro({pioro.Kolor, w.GruboscDruk(pioro.Grubosc)});
        OdcinekNaPowierzchni(*r.Druk, w.NaDrukXD(A.X), w.NaDrukYD(A.Y), w.NaDrukXD(B.X), w.NaDrukYD(B.Y));
    }
    if (na.Ekran && r.Ekran)
        r.Ekran->Linia(A, B, pioro);
}

std::array<TOdcinekArkusza, 4> TRzadStrzalek::Strzalka(int64_t i) const
{
    const double x = X1 + double(i) * Krok;
    // The height at x, taken from the arrow's place in the row: the same
    // as interpolating over the row's length, without dividing by it.
    const double h = H1 + (H2 - H1) * double(i) / double(Ostatnia);
    const double f = h / Wieksza;
    return {{{{x, Y - 0.2 * f * Wys}, {x, Y - h}},
             {{x + 0.08 * f * Szer, Y - 0.2 * f * Wys}, {x - 0.08 * f * Szer, Y - 0.2 * f * Wys}},
             {{x, Y}, {x - 0.08 * f * Szer, Y - 0.2 * f * Wys}},
             {{x, Y}, {x + 0.08 * f * Szer, Y - 0.2 * f * Wys}}}};
}

namespace {

// One symbol's strokes share outputs and pen.
struct TKreslarz {
    TRysowanie& r;
    TWyjscia na;
    TPioroArkusza Pioro;

    void operator()(double x1, double y1, double x2, double y2) const { Linia(r, na, {x1, y1}, {x2, y2}, Pioro); }
};

void Trojkat(const TKreslarz& k, double X, double Y, double Szer, double Wys)
{
    k(X, Y, X + Szer / 2, Y + Wys);
    k(X + Szer / 2, Y + Wys, X - Szer / 2, Y + Wys);
    k(X - Szer / 2, Y + Wys, X, Y);
}

// s = +1 hatches towards +x, −1 towards −x.
void Utwierdzenie(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double Szer, double Wys, double s)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, piora.PioroGlowne()};
    Linia(r, na, {X, Y + Wys}, {X, Y - Wys}, piora.PioroDrugie());
    k(X + s * Szer / 2, Y - Wys, X + s * Szer, Y - Wys / 2);
    k(X, Y - Wys, X + s * Szer, Y);
    k(X, Y - Wys / 2, X + s * Szer, Y + Wys / 2);
    k(X, Y, X + s * Szer, Y + Wys);
    k(X, Y + Wys / 2, X + s * Szer / 2, Y + Wys);
}

// The arcs: the point at angle a and radius factor f is
// (X + sx·f·Szer·cos a, Y + sy·f·Wys·sin a); sx = −1 runs over the left
// side, +1 over the right; sy = −1 puts a = π/2 at the top, +1 at the bottom.
// The arc runs from a = π/2 down in 17 chords of 0.157 rad, the last angle
// above −0.35π, so it ends about 63° past the horizontal; the tip is at −π/2.
constexpr int IloscCieciw = 17;
constexpr double KrokLuku = 0.157;
constexpr double KatPoczatku = std::numbers::pi / 2;
constexpr double KatKonca = KatPoczatku - IloscCieciw * KrokLuku;
constexpr double KatGrotu = -std::numbers::pi / 2;
static_assert(KatKonca > -0.35 * std::numbers::pi && KatKonca - KrokLuku <= -0.35 * std::numbers::pi);

struct TLuk {
    const TKreslarz& k;
    double X, Y, Szer, Wys, sx, sy;

    double Px(double f, double a) const { return X + sx * f * Szer * std::cos(a); }
    double Py(double f, double a) const { return Y + sy * f * Wys * std::sin(a); }
    void Odcinek(double f1, double a1, double f2, double a2) const
    {
        k(Px(f1, a1), Py(f1, a1), Px(f2, a2), Py(f2, a2));
    }
    void Cieciwy(double f) const
    {
        for (int i = 0; i < IloscCieciw; ++i)
            Odcinek(f, KatPoczatku - i * KrokLuku, f, KatPoczatku - (i + 1) * KrokLuku);
    }
};

// sx as for TLuk.
void MomentPojedynczy(const TKreslarz& k, TPunktCm P, double Szer, double Wys, double sx)
{
    const double X = P.X, Y = P.Y;
    const TLuk l{k, X, Y, Szer, Wys, sx, -1};
    k(X, Y, l.Px(1, KatPoczatku), l.Py(1, KatPoczatku));
    l.Cieciwy(1);
    l.Odcinek(0.8, KatKonca, 1.2, KatKonca);
    l.Odcinek(0.8, KatKonca, 1, KatGrotu);
    l.Odcinek(1.2, KatKonca, 1, KatGrotu);
}

void MomentPodwojny(const TKreslarz& k, TPunktCm P, double Szer, double Wys, double sx, double sy)
{
    const TLuk l{k, P.X, P.Y, Szer, Wys, sx, sy};
    l.Odcinek(0.9, KatPoczatku, 1.1, KatPoczatku);
    l.Cieciwy(0.9);
    l.Cieciwy(1.1);
    // The gap between the two lines stays open into the head.
    l.Odcinek(0.75, KatKonca, 0.9, KatKonca);
    l.Odcinek(1.1, KatKonca, 1.25, KatKonca);
    l.Odcinek(0.75, KatKonca, 1, KatGrotu);
    l.Odcinek(1.25, KatKonca, 1, KatGrotu);
}

// Spaces between the arrows of a row over [X1, X2] with arrows about Wys
// apart: trunc(|X2 − X1| / |Wys|) + 1, never more than the cap; 0 when the
// row has no sensible arrows (Wys of zero, a non-number).
int64_t OdstepyRzedu(double X1, double X2, double Wys)
{
    const double ile = std::trunc(std::fabs(X2 - X1) / std::fabs(Wys)) + 1;
    if (!std::isfinite(ile) || ile < 1)
        return 0;
    return ile > double(MaxStrzalekRzedu - 1) ? MaxStrzalekRzedu - 1 : int64_t(ile);
}

// The screen thins the arrows out itself; the printer gets every one.
void Strzalki(TRysowanie& r, TWyjscia na, const TRzadStrzalek& rzad)
{
    if (rzad.Ostatnia <= 0)
        return;
    if (na.Ekran && r.Ekran)
        r.Ekran->Strzalki(rzad);
    if (na.Druk && r.Druk)
        for (int64_t i = 0; i <= rzad.Ostatnia; ++i)
            for (const TOdcinekArkusza& k : rzad.Strzalka(i))
                Linia(r, {.Druk = true}, k.A, k.B, rzad.Pioro);
}

} // namespace

void PodporaStala(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    Trojkat({r, na, pioro}, P.X, P.Y, Szer, Wys);
}

void PodporaPrzesuwna(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, pioro};
    Trojkat(k, X, Y, Szer, Wys);
    k(X + Szer / 2, Y + 1.2 * Wys, X - Szer / 2, Y + 1.2 * Wys);
}

void UtwierdzeniePrawe(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double Szer, double Wys)
{
    Utwierdzenie(r, na, P, piora, Szer, Wys, +1);
}

void UtwierdzenieLewe(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double Szer, double Wys)
{
    Utwierdzenie(r, na, P, piora, Szer, Wys, -1);
}

void StrzalkaSily(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, pioro};
    k(X, Y, X + 0.06 * Szer, Y - 0.2 * Wys);
    k(X + 0.06 * Szer, Y - 0.2 * Wys, X - 0.06 * Szer, Y - 0.2 * Wys);
    k(X - 0.06 * Szer, Y - 0.2 * Wys, X, Y);
    k(X, Y - 0.2 * Wys, X, Y - Wys);
}

void StrzalkaReakcji(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, pioro};
    const double glowa = 0.1 * Szer, trzon = 0.03 * Szer, y2 = Y + 0.2 * Wys, y3 = Y + Wys;
    k(X, Y, X + glowa, y2);
    k(X + glowa, y2, X + trzon, y2);
    k(X + trzon, y2, X + trzon, y3);
    k(X + trzon, y3, X - trzon, y3);
    k(X - trzon, y3, X - trzon, y2);
    k(X - trzon, y2, X - glowa, y2);
    k(X - glowa, y2, X, Y);
}

void MomentLewoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    MomentPojedynczy({r, na, pioro}, P, Szer, Wys, -1);
}

void MomentPrawoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    MomentPojedynczy({r, na, pioro}, P, Szer, Wys, +1);
}

void MomentPodwojnyA(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    MomentPodwojny({r, na, pioro}, P, Szer, Wys, -1, +1);
}

void MomentPodwojnyB(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    MomentPodwojny({r, na, pioro}, P, Szer, Wys, -1, -1);
}

void MomentPodwojnyC(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    MomentPodwojny({r, na, pioro}, P, Szer, Wys, +1, +1);
}

void MomentPodwojnyD(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, double Szer, double Wys)
{
    MomentPodwojny({r, na, pioro}, P, Szer, Wys, +1, -1);
}

void ObciazenieRownomierne(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, const TRzadObciazenia& rzad)
{
    const double X1 = P.X, Y = P.Y, X2 = rzad.X2, Wys = rzad.Wys;
    Linia(r, na, {X1, Y - Wys}, {X2, Y - Wys}, pioro);
    // Counted on magnitudes, so a negative load (arrows under the base line,
    // pointing up at it) and a row given right to left get their arrows too.
    const int64_t n = OdstepyRzedu(X1, X2, Wys);
    const double krok = n > 0 ? (X2 - X1) / double(n) : 0;
    // Every arrow as high as the row, its head at full size.
    Strzalki(r, na,
             {.Pioro = pioro,
              .X1 = X1,
              .Y = Y,
              .Krok = krok,
              .Ostatnia = n,
              .H1 = Wys,
              .H2 = Wys,
              .Wieksza = Wys,
              .Szer = rzad.Szer,
              .Wys = Wys});
}

void ObciazenieTrapezowe(TRysowanie& r, TWyjscia na, TPunktCm P, TPioroArkusza pioro, const TRzadObciazenia& rzad)
{
    const double X1 = P.X, Y = P.Y, X2 = rzad.X2, H1 = rzad.H1, H2 = rzad.H2;
    Linia(r, na, {X1, Y - H1}, {X2, Y - H2}, pioro);
    const int64_t n = OdstepyRzedu(X1, X2, rzad.Wys);
    // Heads are sized relative to the end of larger magnitude; with both
    // ends zero there is nothing to show.
    const double wieksza = std::fabs(H2) >= std::fabs(H1) ? H2 : H1;
    if (n <= 0 || wieksza == 0 || !std::isfinite(wieksza))
        return;
    Strzalki(r, na,
             {.Pioro = pioro,
              .X1 = X1,
              .Y = Y,
              .Krok = (X2 - X1) / double(n),
              .Ostatnia = n,
              .H1 = H1,
              .H2 = H2,
              .Wieksza = wieksza,
              .Szer = rzad.Szer,
              .Wys = rzad.Wys});
}

void Kratka(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, TPioroArkusza pioro, double Krok)
{
    if (!(Krok > 0) || !std::isfinite(Krok))
        return;
    const double X1 = A.X, Y1 = A.Y, X2 = B.X, Y2 = B.Y;
    // A hair's breadth keeps a line that lands on the far edge by rounding off it.
    const double luz = Krok * 1e-9;
    for (int64_t i = 1; i <= MaxLiniiKratki; ++i) {
        const double y = Y1 + double(i) * Krok;
        if (!(y < Y2 - luz))
            break;
        Linia(r, na, {X1 + 0.05, y}, {X2 - 0.05, y}, pioro);
    }
    for (int64_t i = 1; i <= MaxLiniiKratki; ++i) {
        const double x = X1 + double(i) * Krok;
        if (!(x < X2 - luz))
            break;
        Linia(r, na, {x, Y1 + 0.05}, {x, Y2 - 0.05}, pioro);
    }
}

void RamkaArkusza(TRysowanie& r, TPunktCm P)
{
    if (r.Ekran)
        r.Ekran->Arkusz(P, r.Widok.ArkuszSzerokosc, r.Widok.ArkuszWysokosc);
}

void Wymiar(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, double X2, std::string_view Tresc)
{
    const double X1 = P.X, Y = P.Y;
    const TNastawy& n = r.Nastawy;
    const double w = DlugoscTekstu(r.Czcionka, Tresc, n.WysokoscCzcionki);
    Tekst(r, na, {(X1 + X2) / 2 - w / 2, Y - 0.05}, {piora.PioroGlowne(), n.WysokoscCzcionki, n.SzerokoscCzcionki},
          Tresc);
    const TKreslarz k{r, na, piora.PioroGlowne()};
    k(X1 - 0.5, Y, X2 + 0.5, Y);
    k(X1, Y - 0.25, X1, Y + 0.25);
    k(X2, Y - 0.25, X2, Y + 0.25);
    const TKreslarz k2{r, na, piora.PioroDrugie()};
    k2(X1 + 0.15, Y - 0.15, X1 - 0.15, Y + 0.15);
    k2(X2 + 0.15, Y - 0.15, X2 - 0.15, Y + 0.15);
}
