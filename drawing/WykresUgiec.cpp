#include "drawing/WykresUgiec.h"

#include "analysis/Wyniki.h"
#include "drawing/StylWykresow.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/UkladEtykiet.h"
#include "drawing/Widocznosc.h"
#include "drawing/Wykresy.h"
#include "model/Zadanie.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace StylWykresow;

// Points per span of the drawn line: w is smooth, a polyline of this many is exact to the pen.
constexpr int32_t PunktyPrzesla = 100;

bool SaUgiecia(const TDaneZadania& zad, const TWyniki& wyn, int32_t c)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    return N >= 1 && c >= 0 && c < IloscWynikow(zad, wyn) && size_t(c) < wyn.Ugiecia.size() &&
           wyn.Ugiecia[size_t(c)].size() >= size_t(N) && wyn.EkstremaW[size_t(c)].size() >= size_t(N);
}

// Sheet cm along y (downward) per unit of w shown (mm or kNm³): the largest
// |w| of every combination reaches WysokoscUgiec.
double Skala(const TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn)
{
    double najwiekszy = 0;
    for (int32_t c = 0; c < IloscWynikow(zad, wyn); ++c)
        if (SaUgiecia(zad, wyn, c))
            for (int32_t s = 0; s < IloscPrzeselRysunku(zad); ++s)
                najwiekszy = std::max(najwiekszy, wyn.EkstremaW[size_t(c)][size_t(s)].Skala);
    if (!(najwiekszy > 0) || !std::isfinite(najwiekszy))
        return 0;
    return r.Widok.SkalaRysunkuY * r.Nastawy.WysokoscUgiec / (najwiekszy * SkalaUgiec(zad));
}

void Tytul(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm O, const TDaneZadania& zad, bool obwiednia)
{
    const bool dlugosc = !SztywnoscJednostkowa(zad);
    std::string t = obwiednia ? "OBWIEDNIA " : "";
    t += dlugosc ? "UGIĘCIA" : "UGIĘCIA E·J·w (E = J = 1)";
    if (r.Nastawy.PiszJednostki)
        t += dlugosc ? " [mm]" : " [kNm3]";
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 1.5}, t, 0.5);
}

// A value that its label does not write as 0,0.
bool Znaczace(double w, double skala)
{
    return std::abs(skala * w) >= 0.05;
}

// The extreme of one span labelled with the value and " (L/f)", red past
// the limit. Level and centred on the extreme, just outside the line (under
// a downward one, over an upward one): an upright label as long as
// "10,2 (L/589)" would reach into the loads of the scheme drawn under the
// diagram. A label that still meets another is moved clear of it by the
// sheet's layout, up into its own diagram rather than down into the loads.
void Opis(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, const TDaneZadania& zad, int32_t s, double xs, double oy,
          double ky, double x, double w, TKolor K, TKolor KPrzekroczone)
{
    const TPrzeslo& p = zad.Przesla[size_t(s)];
    const bool dlugosc = !SztywnoscJednostkowa(zad);
    const double l = std::abs(w) > 0 ? double(p.L) / std::abs(w) : 0;
    const bool przekroczone = dlugosc && l > 0 && r.Nastawy.GranicaUgiec > 0 && l < r.Nastawy.GranicaUgiec;
    const double skala = SkalaUgiec(zad);
    const std::string stosunek = dlugosc && l > 0 ? " (L/" + FormatujMaska(l, "0", r.Separator) + ")" : "";
    const double h = r.Nastawy.WysokoscCzcionki, sz = r.Nastawy.SzerokoscCzcionki;
    // The box of a level text is 1.2 times its advances wide (RamkaTekstu).
    const double szerokosc = 1.2 * DlugoscTekstu(r.Czcionka, OpisUgiecia(skala * w, l, dlugosc, r.Separator), sz);
    const double y = oy + skala * w * ky, odstep = 0.25 * h;
    Etykieta(r, pas, na,
             {.P = {xs + x * r.Widok.SkalaRysunkuX - szerokosc / 2, w > 0 ? y + odstep + h : y - odstep},
              .Styl = {{PioroEtykiet, przekroczone ? KPrzekroczone : K}, h, sz, 0},
              .Wartosc = skala * w,
              .Maska = MaskaUgiec,
              .Jednostka = stosunek,
              .Ustep = TUstep::WGore});
}

} // namespace

std::string OpisUgiecia(double w, double LprzezW, bool dlugosc, char separator)
{
    std::string t = FormatujMaska(w, MaskaUgiec, separator);
    if (dlugosc && LprzezW > 0)
        t += " (L/" + FormatujMaska(LprzezW, "0", separator) + ")";
    return t;
}

void WykresUgiec(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor K, TKolor KPrzekroczone)
{
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t c = z.Kombinacja;
    if (!SaUgiecia(zad, wyn, c))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    Tytul(r, pas, na, O, zad, false);
    const double ky = Skala(r, zad, wyn), skala = SkalaUgiec(zad);
    DlaWidocznychPrzesel(r, pas, zad, O, 1.5, [&](int32_t s, double xs, TWyjscia przeslo) {
        const TUgieciaPrzesla& u = wyn.Ugiecia[size_t(c)][size_t(s)];
        const double L = zad.Przesla[size_t(s)].L, sx = r.Widok.SkalaRysunkuX;
        Linia(r, przeslo, {xs, O.Y}, {xs + L * sx, O.Y}, {PioroOsi, Kolor::Czarny});
        TLamana linia(r, przeslo, {PioroLinii, K});
        for (int32_t i = 0; i <= PunktyPrzesla; ++i) {
            const double x = L * i / PunktyPrzesla;
            linia.Punkt(xs + x * sx, O.Y + skala * u.W(x) * ky);
        }
        linia.Koniec();
        const TEkstrema& e = wyn.EkstremaW[size_t(c)][size_t(s)];
        if (e.JestMax && Znaczace(e.Max, skala))
            Opis(r, pas, przeslo, zad, s, xs, O.Y, ky, e.XMax, e.Max, K, KPrzekroczone);
        if (e.JestMin && Znaczace(e.Min, skala))
            Opis(r, pas, przeslo, zad, s, xs, O.Y, ky, e.XMin, e.Min, K, KPrzekroczone);
    });
}

void WykresObwiedniUgiec(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax, TKolor KMin,
                         TKolor KPrzekroczone)
{
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t K = IloscWynikow(zad, wyn);
    if (K < 2 || wyn.EkstremaObwiedniW.size() < size_t(IloscPrzeselRysunku(zad)))
        return;
    for (int32_t c = 0; c < K; ++c)
        if (!SaUgiecia(zad, wyn, c))
            return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    Tytul(r, pas, na, O, zad, true);
    const double ky = Skala(r, zad, wyn), skala = SkalaUgiec(zad);
    DlaWidocznychPrzesel(r, pas, zad, O, 1.5, [&](int32_t s, double xs, TWyjscia przeslo) {
        const double L = zad.Przesla[size_t(s)].L, sx = r.Widok.SkalaRysunkuX;
        Linia(r, przeslo, {xs, O.Y}, {xs + L * sx, O.Y}, {PioroOsi, Kolor::Czarny});
        TLamana gorna(r, przeslo, {PioroLinii, KMax}), dolna(r, przeslo, {PioroLinii, KMin});
        for (int32_t i = 0; i <= PunktyPrzesla; ++i) {
            const double x = L * i / PunktyPrzesla;
            double mx = 0, mn = 0;
            for (int32_t c = 0; c < K; ++c) {
                const double w = wyn.Ugiecia[size_t(c)][size_t(s)].W(x);
                mx = std::max(mx, w);
                mn = std::min(mn, w);
            }
            gorna.Punkt(xs + x * sx, O.Y + skala * mx * ky);
            dolna.Punkt(xs + x * sx, O.Y + skala * mn * ky);
        }
        gorna.Koniec();
        dolna.Koniec();
        const TEkstrema& e = wyn.EkstremaObwiedniW[size_t(s)];
        if (e.JestMax && Znaczace(e.Max, skala))
            Opis(r, pas, przeslo, zad, s, xs, O.Y, ky, e.XMax, e.Max, KMax, KPrzekroczone);
        if (e.JestMin && Znaczace(e.Min, skala))
            Opis(r, pas, przeslo, zad, s, xs, O.Y, ky, e.XMin, e.Min, KMin, KPrzekroczone);
    });
}
