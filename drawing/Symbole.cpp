#include "drawing/Symbole.h"

#include "drawing/Tekst.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void Linia(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, double GruboscMm, int32_t Kolor)
{
    const TWidok& w = r.Widok;
    const double X1 = A.X, Y1 = A.Y, X2 = B.X, Y2 = B.Y;
    if (na.Druk && r.Druk) {
        r.Druk->UstawPioro({Kolor, w.GruboscDruk(GruboscMm)});
        OdcinekNaPowierzchni(*r.Druk, w.NaDrukXD(X1), w.NaDrukYD(Y1), w.NaDrukXD(X2), w.NaDrukYD(Y2));
    }
    if (na.Ekran && r.Ekran) {
        r.Ekran->UstawPioro({Kolor, w.GruboscEkran(GruboscMm)});
        OdcinekNaPowierzchni(*r.Ekran, w.NaEkranXD(X1), w.NaEkranYD(-Y1), w.NaEkranXD(X2), w.NaEkranYD(-Y2));
    }
}

namespace {

// One symbol's strokes share outputs, pen and colour.
struct TKreslarz {
    TRysowanie& r;
    TWyjscia na;
    double Grubosc;
    int32_t Kolor;

    void operator()(double x1, double y1, double x2, double y2) const
    {
        Linia(r, na, {x1, y1}, {x2, y2}, Grubosc, Kolor);
    }
};

void Trojkat(const TKreslarz& k, double X, double Y, double Szer, double Wys)
{
    k(X, Y, X + Szer / 2, Y + Wys);
    k(X + Szer / 2, Y + Wys, X - Szer / 2, Y + Wys);
    k(X - Szer / 2, Y + Wys, X, Y);
}

// s = +1 hatches towards +x, −1 towards −x.
void Utwierdzenie(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double Szer, double Wys,
                  double s)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, piora.Glowne, Kolor};
    Linia(r, na, {X, Y + Wys}, {X, Y - Wys}, piora.Drugie, Kolor);
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
    void Odcinek(double f1, double a1, double f2, double a2) const { k(Px(f1, a1), Py(f1, a1), Px(f2, a2), Py(f2, a2)); }
    void Cieciwy(double f) const
    {
        for (int i = 0; i < IloscCieciw; ++i)
            Odcinek(f, KatPoczatku - i * KrokLuku, f, KatPoczatku - (i + 1) * KrokLuku);
    }
};

void MomentPojedynczy(TRysowanie& r, TWyjscia na, TPunktCm P, double Grubosc, int32_t Kolor, double Szer,
                      double Wys, double sx)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, Grubosc, Kolor};
    const TLuk l{k, X, Y, Szer, Wys, sx, -1};
    k(X, Y, l.Px(1, KatPoczatku), l.Py(1, KatPoczatku));
    l.Cieciwy(1);
    l.Odcinek(0.8, KatKonca, 1.2, KatKonca);
    l.Odcinek(0.8, KatKonca, 1, KatGrotu);
    l.Odcinek(1.2, KatKonca, 1, KatGrotu);
}

void MomentPodwojny(TRysowanie& r, TWyjscia na, TPunktCm P, double Grubosc, int32_t Kolor, double Szer, double Wys,
                    double sx, double sy)
{
    const TKreslarz k{r, na, Grubosc, Kolor};
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

// A down-pointing arrow of a load row at x; its head scaled by f.
void StrzalkaRzedu(const TKreslarz& k, double x, double Y, double h, double Szer, double Wys, double f)
{
    k(x, Y - 0.2 * f * Wys, x, Y - h);
    k(x + 0.08 * f * Szer, Y - 0.2 * f * Wys, x - 0.08 * f * Szer, Y - 0.2 * f * Wys);
    k(x, Y, x - 0.08 * f * Szer, Y - 0.2 * f * Wys);
    k(x, Y, x + 0.08 * f * Szer, Y - 0.2 * f * Wys);
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

// Arrows 0 … n of a row starting at X1, `krok` apart, each reaching `zasieg`
// beside its shaft. On screen only those that can reach the picture are
// drawn (the others would be culled stroke by stroke), and where they would
// stand less than a pixel apart only about one per pixel column, the last
// always: the others would paint the same columns again, and a long row of
// a small load would send thousands of strokes into a few pixels. The
// printer gets every arrow.
template <class Strzalka>
void StrzalkiRzedu(const TKreslarz& k, int64_t n, double X1, double krok, double zasieg, Strzalka strzalka)
{
    if (n <= 0)
        return;
    TRysowanie& r = k.r;
    if (!(k.na.Ekran && r.Ekran)) {
        for (int64_t i = 0; i <= n; ++i)
            strzalka(k, i);
        return;
    }
    const TWidok& w = r.Widok;
    const double piksele = std::fabs(krok) * 1000 / w.SkalaWidoku;
    const int64_t co = piksele > 0 && piksele < 1 ? int64_t(std::min(1 / piksele, double(n) + 1)) : 1;
    // The arrows whose strokes can reach the picture, widened by a pen's width.
    const double margines = w.GruboscEkran(std::fabs(k.Grubosc)) + 4.0;
    const double a = w.ZEkranuX(-margines) - std::fabs(zasieg);
    const double b = w.ZEkranuX(r.Ekran->Rozmiar().Szerokosc + margines) + std::fabs(zasieg);
    double od = 0, do_ = double(n);
    if (krok != 0) {
        const double i1 = (a - X1) / krok, i2 = (b - X1) / krok;
        od = std::max(std::floor(std::min(i1, i2)), 0.0);
        do_ = std::min(std::ceil(std::max(i1, i2)), double(n));
    } else if (!(X1 >= a && X1 <= b)) {
        od = 1, do_ = 0;
    }
    if (std::isnan(od) || std::isnan(do_))
        od = 1, do_ = 0;
    const TKreslarz ekran{r, {.Ekran = true}, k.Grubosc, k.Kolor};
    // Thinned arrows keep their places in the row wherever the view stands.
    const int64_t pierwsza = od <= do_ ? int64_t(od) / co * co : 1;
    const int64_t ostatnia = od <= do_ ? int64_t(do_) : 0;
    for (int64_t i = pierwsza; i <= ostatnia; i += co)
        strzalka(ekran, i);
    if (co > 1 && ostatnia == n && n % co != 0)
        strzalka(ekran, n);
    if (k.na.Druk) {
        const TKreslarz druk{r, {.Druk = true}, k.Grubosc, k.Kolor};
        for (int64_t i = 0; i <= n; ++i)
            strzalka(druk, i);
    }
}

} // namespace

void PodporaStala(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer, double Wys)
{
    Trojkat({r, na, GruboscMm, Kolor}, P.X, P.Y, Szer, Wys);
}

void PodporaPrzesuwna(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                      double Wys)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, GruboscMm, Kolor};
    Trojkat(k, X, Y, Szer, Wys);
    k(X + Szer / 2, Y + 1.2 * Wys, X - Szer / 2, Y + 1.2 * Wys);
}

void UtwierdzeniePrawe(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double Szer, double Wys)
{
    Utwierdzenie(r, na, P, piora, Kolor, Szer, Wys, +1);
}

void UtwierdzenieLewe(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double Szer, double Wys)
{
    Utwierdzenie(r, na, P, piora, Kolor, Szer, Wys, -1);
}

void StrzalkaSily(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer, double Wys)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, GruboscMm, Kolor};
    k(X, Y, X + 0.06 * Szer, Y - 0.2 * Wys);
    k(X + 0.06 * Szer, Y - 0.2 * Wys, X - 0.06 * Szer, Y - 0.2 * Wys);
    k(X - 0.06 * Szer, Y - 0.2 * Wys, X, Y);
    k(X, Y - 0.2 * Wys, X, Y - Wys);
}

void StrzalkaReakcji(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys)
{
    const double X = P.X, Y = P.Y;
    const TKreslarz k{r, na, GruboscMm, Kolor};
    const double glowa = 0.1 * Szer, trzon = 0.03 * Szer, y2 = Y + 0.2 * Wys, y3 = Y + Wys;
    k(X, Y, X + glowa, y2);
    k(X + glowa, y2, X + trzon, y2);
    k(X + trzon, y2, X + trzon, y3);
    k(X + trzon, y3, X - trzon, y3);
    k(X - trzon, y3, X - trzon, y2);
    k(X - trzon, y2, X - glowa, y2);
    k(X - glowa, y2, X, Y);
}

void MomentLewoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                       double Wys)
{
    MomentPojedynczy(r, na, P, GruboscMm, Kolor, Szer, Wys, -1);
}

void MomentPrawoskretny(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                        double Wys)
{
    MomentPojedynczy(r, na, P, GruboscMm, Kolor, Szer, Wys, +1);
}

void MomentPodwojnyA(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys)
{
    MomentPodwojny(r, na, P, GruboscMm, Kolor, Szer, Wys, -1, +1);
}

void MomentPodwojnyB(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys)
{
    MomentPodwojny(r, na, P, GruboscMm, Kolor, Szer, Wys, -1, -1);
}

void MomentPodwojnyC(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys)
{
    MomentPodwojny(r, na, P, GruboscMm, Kolor, Szer, Wys, +1, +1);
}

void MomentPodwojnyD(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double Szer,
                     double Wys)
{
    MomentPodwojny(r, na, P, GruboscMm, Kolor, Szer, Wys, +1, -1);
}

void ObciazenieRownomierne(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double X2,
                           double Szer, double Wys)
{
    const double X1 = P.X, Y = P.Y;
    const TKreslarz k{r, na, GruboscMm, Kolor};
    k(X1, Y - Wys, X2, Y - Wys);
    // Counted on magnitudes, so a negative load (arrows under the base line,
    // pointing up at it) and a row given right to left get their arrows too.
    const int64_t n = OdstepyRzedu(X1, X2, Wys);
    const double krok = n > 0 ? (X2 - X1) / double(n) : 0;
    StrzalkiRzedu(k, n, X1, krok, 0.08 * Szer, [&](const TKreslarz& kk, int64_t i) {
        StrzalkaRzedu(kk, X1 + double(i) * krok, Y, Wys, Szer, Wys, 1);
    });
}

void ObciazenieTrapezowe(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, double X2,
                         double H1, double H2, double Szer, double Wys)
{
    const double X1 = P.X, Y = P.Y;
    const TKreslarz k{r, na, GruboscMm, Kolor};
    k(X1, Y - H1, X2, Y - H2);
    const int64_t n = OdstepyRzedu(X1, X2, Wys);
    // Heads are sized relative to the end of larger magnitude; with both
    // ends zero there is nothing to show.
    const double wieksza = std::fabs(H2) >= std::fabs(H1) ? H2 : H1;
    if (n <= 0 || wieksza == 0 || !std::isfinite(wieksza))
        return;
    const double krok = (X2 - X1) / double(n);
    StrzalkiRzedu(k, n, X1, krok, 0.08 * Szer, [&](const TKreslarz& kk, int64_t i) {
        const double x = X1 + double(i) * krok;
        // The height at x, taken from the arrow's place in the row: the same
        // as interpolating over X2 − X1, without dividing by it.
        const double h = H1 + (H2 - H1) * double(i) / double(n);
        StrzalkaRzedu(kk, x, Y, h, Szer, Wys, h / wieksza);
    });
}

void Kratka(TRysowanie& r, TWyjscia na, TPunktCm A, TPunktCm B, double GruboscMm, int32_t Kolor, double Krok)
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
        Linia(r, na, {X1 + 0.05, y}, {X2 - 0.05, y}, GruboscMm, Kolor);
    }
    for (int64_t i = 1; i <= MaxLiniiKratki; ++i) {
        const double x = X1 + double(i) * Krok;
        if (!(x < X2 - luz))
            break;
        Linia(r, na, {x, Y1 + 0.05}, {x, Y2 - 0.05}, GruboscMm, Kolor);
    }
}

void RamkaArkusza(TRysowanie& r, TPunktCm P)
{
    if (!r.Ekran)
        return;
    const double X = P.X, Y = P.Y;
    IPowierzchnia& e = *r.Ekran;
    const TWidok& w = r.Widok;
    const double szer = w.ArkuszSzerokosc, wys = w.ArkuszWysokosc;
    e.UstawPioro({Kolor::CiemnySzary, 1});
    ProstokatNaPowierzchni(e, w.NaEkranXD(X + 0.3), w.NaEkranYD(-(Y + 0.3)), w.NaEkranXD(X + szer + 0.3),
                           w.NaEkranYD(-(Y + wys + 0.3)), Kolor::CiemnySzary);
    e.UstawPioro({Kolor::Czarny, 1});
    ProstokatNaPowierzchni(e, w.NaEkranXD(X), w.NaEkranYD(-Y), w.NaEkranXD(X + szer), w.NaEkranYD(-(Y + wys)),
                           Kolor::Bialy);
}

void Wymiar(TRysowanie& r, TWyjscia na, TPunktCm P, TPiora piora, int32_t Kolor, double X2, std::string_view Tresc)
{
    const double X1 = P.X, Y = P.Y;
    const TNastawy& n = r.Nastawy;
    const double w = DlugoscTekstu(r.Czcionka, Tresc, n.WysokoscCzcionki);
    Tekst(r, na, {(X1 + X2) / 2 - w / 2, Y - 0.05}, piora.Glowne, Kolor, Tresc, n.WysokoscCzcionki,
          n.SzerokoscCzcionki, 0);
    const TKreslarz k{r, na, piora.Glowne, Kolor};
    k(X1 - 0.5, Y, X2 + 0.5, Y);
    k(X1, Y - 0.25, X1, Y + 0.25);
    k(X2, Y - 0.25, X2, Y + 0.25);
    const TKreslarz k2{r, na, piora.Drugie, Kolor};
    k2(X1 + 0.15, Y - 0.15, X1 - 0.15, Y + 0.15);
    k2(X2 + 0.15, Y - 0.15, X2 - 0.15, Y + 0.15);
}
