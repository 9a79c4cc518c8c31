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

constexpr TKolor SzaryBelki = Rgb(150, 150, 150);
constexpr int32_t WysokoscNapisu = 12; // pixels

void Kreska(const TRysowanieNakladki& n, TPunktCm A, TPunktCm B)
{
    OdcinekNaPowierzchni(n.Ekran, n.Widok.NaEkranX(A.X), n.Widok.NaEkranY(-A.Y), n.Widok.NaEkranX(B.X),
                         n.Widok.NaEkranY(-B.Y));
}

TPunktCm Poczatek(const TDaneZadania& zad, int32_t c)
{
    const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
    return {P.x + zad.Nastawy.SchematX, P.y + zad.Nastawy.SchematY};
}

std::string Etykieta(const TRysowanieNakladki& n, double v, const char* jednostka)
{
    std::string t = FormatujMaska(v, Maska::Wartosc, n.Separator);
    if (n.Nastawy.PiszJednostki)
        t += jednostka;
    return t;
}

// Black on yellow, 4 pixels right of screen column x (left of it, ending
// there, when `wLewo`), 12 pixels above the screen row of world height w.
void Napis(const TRysowanieNakladki& n, double x, double w, const std::string& tekst, bool wLewo)
{
    IPowierzchnia& p = n.Ekran;
    const TStylNapisu styl{.Wysokosc = WysokoscNapisu, .Kolor = Kolor::Czarny, .Tlo = Kolor::Zolty};
    int32_t kolumna = n.Widok.NaEkranX(x);
    kolumna = wLewo ? kolumna - 4 - p.SzerokoscNapisu(tekst, styl) : kolumna + 4;
    p.Napis(kolumna, n.Widok.NaEkranY(w) - WysokoscNapisu, tekst, styl);
}

} // namespace

void ZnacznikPrzesla(TRysowanie& r, TDaneZadania& zad, int32_t przeslo, const TPiora& piora)
{
    if (!r.Ekran || przeslo < 0 || przeslo >= int32_t(zad.Przesla.size()))
        return;
    const TWyjscia na{.Ekran = true};
    const TPrzeslo& s = zad.Przesla[size_t(przeslo)];
    const double k = r.Widok.SkalaRysunkuX;
    const std::string numer = std::to_string(przeslo + 1);
    const TPiora czarne{piora.Glowne, piora.Drugie, Kolor::Czarny};
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        const TPunktCm O = Poczatek(zad, c);
        ObciazeniaKombinacji(zad, c);
        ObciazeniaPodglad(r, zad, na, O);
        SchematBelki(r, zad, na, O, {.Glowne = 0.1, .Drugie = 0.5, .Kolor = SzaryBelki});
        PrzesloSchemat(r, na, {s.X0 * k + O.X, O.Y}, czarne, s.TypPodpor, s.L);
        Tekst(r, na, {(s.X0 + s.L / 2.0) * k + O.X, O.Y + 1.25 * zad.Nastawy.WysokoscCzcionki},
              {{0.5, Kolor::Czarny}, zad.Nastawy.WysokoscCzcionki, zad.Nastawy.SzerokoscCzcionki}, numer);
    }
}

void StrzalkaPodgladu(const TRysowanieNakladki& n, TPunktCm P, double a, double b)
{
    const TPunktCm L{P.X - 0.06 * b, P.Y - 0.2 * a}, Pr{P.X + 0.06 * b, P.Y - 0.2 * a};
    Kreska(n, P, L);
    Kreska(n, L, Pr);
    Kreska(n, Pr, P);
    Kreska(n, {P.X, P.Y - 0.2 * a}, {P.X, P.Y - a});
}

void MomentPodgladu(const TRysowanieNakladki& n, TPunktCm P, double promien, bool dodatni)
{
    const auto punkt = [&](double t, double rr) { return TPunktCm{P.X - rr * std::cos(t), P.Y - rr * std::sin(t)}; };
    constexpr double Krok = 0.157;
    constexpr double Pi = 3.14159265358979;
    double t = Pi / 2;
    Kreska(n, P, punkt(t, promien));
    if (dodatni) {
        while (t + Krok <= 4.241150083) {
            Kreska(n, punkt(t, promien), punkt(t + Krok, promien));
            t += Krok;
        }
    } else {
        while (t - Krok > -1.099557429) {
            Kreska(n, punkt(t, promien), punkt(t - Krok, promien));
            t -= Krok;
        }
    }
    const TPunktCm A = punkt(t, 0.8 * promien), B = punkt(t, 1.2 * promien), C = punkt(-Pi / 2, promien);
    Kreska(n, A, B);
    Kreska(n, B, C);
    Kreska(n, C, A);
}

namespace {

// An arrow of a band: shaft from the top down to 0.2 of the reference, head ± 0.08 b.
void StrzalkaPasa(const TRysowanieNakladki& n, TPunktCm T, double h, double glowa, double b)
{
    const double x = T.X, y = T.Y;
    Kreska(n, {x, y - h}, {x, y - glowa});
    const TPunktCm L{x - 0.08 * b, y - glowa}, P{x + 0.08 * b, y - glowa};
    Kreska(n, T, L);
    Kreska(n, L, P);
    Kreska(n, P, T);
}

} // namespace

void PasPodgladu(const TRysowanieNakladki& n, TPunktCm P, const TRzadObciazenia& rzad)
{
    const double xs = P.X, xe = rzad.X2, y = P.Y, b = rzad.Szer;
    const double h = std::max(rzad.Wys, 0.001);
    const int ile = int((xe - xs) / h) + 1;
    const double krok = std::abs(xe - xs) / ile;
    Kreska(n, {xs, y - h}, {xe, y - h});
    for (int i = 0; i < ile; ++i) {
        const double x = xs + i * krok;
        if (!(x < xe))
            break;
        StrzalkaPasa(n, {x, y}, h, 0.2 * h, b);
    }
    StrzalkaPasa(n, {xe, y}, h, 0.2 * h, b);
}

void TrapezPodgladu(const TRysowanieNakladki& n, TPunktCm P, const TRzadObciazenia& rzad)
{
    const double xs = P.X, xe = rzad.X2, y = P.Y, b = rzad.Szer;
    const double a = std::max(rzad.Wys, 0.001);
    const double hs = std::max(rzad.H1, 0.001);
    const double he = std::max(rzad.H2, 0.001);
    const int ile = int((xe - xs) / a) + 1;
    const double krok = std::abs(xe - xs) / ile;
    const double hmax = std::max(hs, he);
    Kreska(n, {xs, y - hs}, {xe, y - he});
    double f = hs / hmax;
    for (int i = 0; i < ile; ++i) {
        const double x = xs + i * krok;
        if (!(x < xe))
            break;
        const double h = xe > xs ? hs + (x - xs) * (he - hs) / (xe - xs) : hs;
        f = h / hmax;
        StrzalkaPasa(n, {x, y}, h, 0.2 * f * a, f * b);
    }
    // The last arrow's head is sized as the one before it.
    StrzalkaPasa(n, {xe, y}, he, 0.2 * f * a, f * b);
}

void PodgladObciazenia(const TRysowanieNakladki& n, const TDaneZadania& zad, const TObciazeniePodgladu& o)
{
    if (o.Przeslo < 0 || o.Przeslo >= int32_t(zad.Przesla.size()))
        return;
    n.Ekran.UstawPioro({Kolor::Czerwony, 1});
    const double k = zad.Nastawy.SkalaSil;
    const double X0 = zad.Przesla[size_t(o.Przeslo)].X0;
    const double sx = n.Widok.SkalaRysunkuX;
    using R = TObciazeniePodgladu::TRodzaj;
    double x1 = o.X1 + X0, x2 = o.X2 + X0;
    if (o.Rodzaj == R::Trojkat && x1 >= x2) {
        // A sliver at the beam's start rather than no drawing.
        x1 = 0.001;
        x2 = 0.002;
    }
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        const TPunktCm O = Poczatek(zad, c);
        n.Ekran.UstawPioro({Kolor::Czerwony, 1});
        const double xs = x1 * sx + O.X, xe = x2 * sx + O.X;
        switch (o.Rodzaj) {
        case R::Sila: {
            const double a = o.Q1 * k;
            StrzalkaPodgladu(n, {xs, O.Y}, a, a);
            Napis(n, xs, 0.65 * a - O.Y, Etykieta(n, o.Q1, "kN"), false);
            break;
        }
        case R::Moment: {
            const double a = o.Q1 * k;
            MomentPodgladu(n, {xs, O.Y}, a, o.Q1 >= 0);
            Napis(n, xs, a - O.Y, Etykieta(n, o.Q1, "kNm"), false);
            break;
        }
        case R::Liniowe: {
            const double a = o.Q1 * k;
            PasPodgladu(n, {xs, O.Y}, {.X2 = xe, .Szer = a, .Wys = a});
            Napis(n, xe, 0.65 * a - O.Y, Etykieta(n, o.Q1, "kN"), false);
            break;
        }
        case R::Trojkat: {
            const double podst = std::min(o.Q1, o.Q2);
            const double d1 = o.Q1 - podst, d2 = o.Q2 - podst;
            const double a = (podst + d1 + d2) * k;
            TrapezPodgladu(n, {xs, O.Y},
                           {.X2 = xe, .Szer = a, .Wys = a, .H1 = (podst + d1) * k, .H2 = (podst + d2) * k});
            Napis(n, xe, 0.65 * podst * k - O.Y, Etykieta(n, o.Q2, "kN"), false);
            Napis(n, xs, 0.65 * podst * k - O.Y, Etykieta(n, o.Q1, "kN"), true);
            break;
        }
        }
    }
}
