#include "drawing/PodgladObciazen.h"

#include "analysis/Obciazenia.h"
#include "drawing/Schemat.h"
#include "drawing/Tekst.h"
#include "model/Zadanie.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int32_t SzaryBelki = Rgb(150, 150, 150);
constexpr int32_t Zolty = Rgb(255, 255, 0);
constexpr int32_t WysokoscNapisu = 12; // pixels

void Kreska(TRysowanie& r, TPunktCm A, TPunktCm B)
{
    OdcinekNaPowierzchni(*r.Ekran, r.Widok.NaEkranX(A.X), r.Widok.NaEkranY(-A.Y), r.Widok.NaEkranX(B.X),
                         r.Widok.NaEkranY(-B.Y));
}

TPunktCm Poczatek(const TDaneZadania& zad, int32_t c)
{
    const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
    return {P.x + zad.Nastawy.SchematX, P.y + zad.Nastawy.SchematY};
}

std::string Etykieta(const TRysowanie& r, double v, const char* jednostka)
{
    std::string t = FormatujMaska(v, Maska::Wartosc, r.Separator);
    if (r.Nastawy.PiszJednostki)
        t += jednostka;
    return t;
}

// Black on yellow, 4 pixels right of screen column x (left of it, ending
// there, when `wLewo`), 12 pixels above the screen row of world height w.
void Napis(TRysowanie& r, double x, double w, const std::string& tekst, bool wLewo)
{
    IPowierzchnia& p = *r.Ekran;
    int32_t kolumna = r.Widok.NaEkranX(x);
    kolumna = wLewo ? kolumna - 4 - p.SzerokoscNapisu(tekst, {}, WysokoscNapisu) : kolumna + 4;
    p.Napis(kolumna, r.Widok.NaEkranY(w) - WysokoscNapisu, tekst, {}, WysokoscNapisu, Kolor::Czarny, Zolty);
}

} // namespace

void ZnacznikPrzesla(TRysowanie& r, TDaneZadania& zad, int32_t przeslo, TPiora piora)
{
    if (!r.Ekran || przeslo < 0 || przeslo >= int32_t(zad.Przesla.size()))
        return;
    const TWyjscia na{.Ekran = true};
    const TPrzeslo& s = zad.Przesla[size_t(przeslo)];
    const double k = r.Widok.SkalaRysunkuX;
    const std::string numer = std::to_string(przeslo + 1);
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        const TPunktCm O = Poczatek(zad, c);
        ObciazeniaKombinacji(zad, c);
        ObciazeniaPodglad(r, zad, na, O);
        SchematBelki(r, zad, na, O, {.Glowne = 0.1, .Drugie = 0.5}, SzaryBelki);
        PrzesloSchemat(r, na, {s.X0 * k + O.X, O.Y}, piora, Kolor::Czarny, s.TypPodpor, s.L);
        Tekst(r, na, {(s.X0 + s.L / 2.0) * k + O.X, O.Y + 1.25 * zad.Nastawy.WysokoscCzcionki}, 0.5, Kolor::Czarny,
              numer, zad.Nastawy.WysokoscCzcionki, zad.Nastawy.SzerokoscCzcionki, 0);
    }
}

void StrzalkaPodgladu(TRysowanie& r, TPunktCm P, double a, double b)
{
    const TPunktCm L{P.X - 0.06 * b, P.Y - 0.2 * a}, Pr{P.X + 0.06 * b, P.Y - 0.2 * a};
    Kreska(r, P, L);
    Kreska(r, L, Pr);
    Kreska(r, Pr, P);
    Kreska(r, {P.X, P.Y - 0.2 * a}, {P.X, P.Y - a});
}

void MomentPodgladu(TRysowanie& r, TPunktCm P, double promien, bool dodatni)
{
    const auto punkt = [&](double t, double rr) { return TPunktCm{P.X - rr * std::cos(t), P.Y - rr * std::sin(t)}; };
    constexpr double Krok = 0.157;
    constexpr double Pi = 3.14159265358979;
    double t = Pi / 2;
    Kreska(r, P, punkt(t, promien));
    if (dodatni) {
        while (t + Krok <= 4.241150083) {
            Kreska(r, punkt(t, promien), punkt(t + Krok, promien));
            t += Krok;
        }
    } else {
        while (t - Krok > -1.099557429) {
            Kreska(r, punkt(t, promien), punkt(t - Krok, promien));
            t -= Krok;
        }
    }
    const TPunktCm A = punkt(t, 0.8 * promien), B = punkt(t, 1.2 * promien), C = punkt(-Pi / 2, promien);
    Kreska(r, A, B);
    Kreska(r, B, C);
    Kreska(r, C, A);
}

namespace {

// An arrow of a band: shaft from the top down to 0.2 of the reference, head ± 0.08 b.
void StrzalkaPasa(TRysowanie& r, double x, double y, double h, double glowa, double b)
{
    Kreska(r, {x, y - h}, {x, y - glowa});
    const TPunktCm T{x, y}, L{x - 0.08 * b, y - glowa}, P{x + 0.08 * b, y - glowa};
    Kreska(r, T, L);
    Kreska(r, L, P);
    Kreska(r, P, T);
}

} // namespace

void PasPodgladu(TRysowanie& r, double xs, double xe, double y, double h, double b)
{
    h = std::max(h, 0.001);
    const int n = int((xe - xs) / h) + 1;
    const double krok = std::abs(xe - xs) / n;
    Kreska(r, {xs, y - h}, {xe, y - h});
    for (int i = 0; i < n; ++i) {
        const double x = xs + i * krok;
        if (!(x < xe))
            break;
        StrzalkaPasa(r, x, y, h, 0.2 * h, b);
    }
    StrzalkaPasa(r, xe, y, h, 0.2 * h, b);
}

void TrapezPodgladu(TRysowanie& r, double xs, double xe, double y, double hs, double he, double a, double b)
{
    a = std::max(a, 0.001);
    hs = std::max(hs, 0.001);
    he = std::max(he, 0.001);
    const int n = int((xe - xs) / a) + 1;
    const double krok = std::abs(xe - xs) / n;
    const double hmax = std::max(hs, he);
    Kreska(r, {xs, y - hs}, {xe, y - he});
    double f = hs / hmax;
    for (int i = 0; i < n; ++i) {
        const double x = xs + i * krok;
        if (!(x < xe))
            break;
        const double h = xe > xs ? hs + (x - xs) * (he - hs) / (xe - xs) : hs;
        f = h / hmax;
        StrzalkaPasa(r, x, y, h, 0.2 * f * a, f * b);
    }
    // The last arrow's head is sized as the one before it.
    StrzalkaPasa(r, xe, y, he, 0.2 * f * a, f * b);
}

void PodgladObciazenia(TRysowanie& r, const TDaneZadania& zad, const TObciazeniePodgladu& o)
{
    if (!r.Ekran || o.Przeslo < 0 || o.Przeslo >= int32_t(zad.Przesla.size()))
        return;
    r.Ekran->UstawPioro({Kolor::Czerwony, 1});
    const double k = zad.Nastawy.SkalaSil;
    const double X0 = zad.Przesla[size_t(o.Przeslo)].X0;
    const double sx = r.Widok.SkalaRysunkuX;
    using R = TObciazeniePodgladu::TRodzaj;
    double x1 = o.X1 + X0, x2 = o.X2 + X0;
    if (o.Rodzaj == R::Trojkat && x1 >= x2) {
        // A sliver at the beam's start rather than no drawing.
        x1 = 0.001;
        x2 = 0.002;
    }
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        const TPunktCm O = Poczatek(zad, c);
        r.Ekran->UstawPioro({Kolor::Czerwony, 1});
        const double xs = x1 * sx + O.X, xe = x2 * sx + O.X;
        switch (o.Rodzaj) {
        case R::Sila: {
            const double a = o.Q1 * k;
            StrzalkaPodgladu(r, {xs, O.Y}, a, a);
            Napis(r, xs, 0.65 * a - O.Y, Etykieta(r, o.Q1, "kN"), false);
            break;
        }
        case R::Moment: {
            const double a = o.Q1 * k;
            MomentPodgladu(r, {xs, O.Y}, a, o.Q1 >= 0);
            Napis(r, xs, a - O.Y, Etykieta(r, o.Q1, "kNm"), false);
            break;
        }
        case R::Liniowe: {
            const double a = o.Q1 * k;
            PasPodgladu(r, xs, xe, O.Y, a, a);
            Napis(r, xe, 0.65 * a - O.Y, Etykieta(r, o.Q1, "kN"), false);
            break;
        }
        case R::Trojkat: {
            const double podst = std::min(o.Q1, o.Q2);
            const double d1 = o.Q1 - podst, d2 = o.Q2 - podst;
            const double a = (podst + d1 + d2) * k;
            TrapezPodgladu(r, xs, xe, O.Y, (podst + d1) * k, (podst + d2) * k, a, a);
            Napis(r, xe, 0.65 * podst * k - O.Y, Etykieta(r, o.Q2, "kN"), false);
            Napis(r, xs, 0.65 * podst * k - O.Y, Etykieta(r, o.Q1, "kN"), true);
            break;
        }
        }
    }
}
