#include "drawing/WykresyObwiedni.h"

#include "analysis/Wyniki.h"
#include "drawing/EkranArkusza.h"
#include "drawing/StylWykresow.h"
#include "drawing/Symbole.h"
#include "drawing/Widocznosc.h"
#include "drawing/Wykresy.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace StylWykresow;

// One envelope kind: its two lines and their extremes, which way up it is
// drawn, and the colours of its maximum and minimum.
struct TObwiednia {
    const std::vector<std::vector<TPunktWykresu>>& Max;
    const std::vector<std::vector<TPunktWykresu>>& Min;
    const std::vector<TEkstrema>& Ekstrema;
    double ky; // sheet cm per unit of value, signed: moments down, shear forces up
    TKolor KMax, KMin;

    // Points of span s both lines hold: IloscPunktow + 1, or fewer when the
    // tables were filled for another task.
    int32_t Punkty(int32_t s) const
    {
        const int64_t n = int64_t(Ekstrema[size_t(s)].IloscPunktow) + 1;
        return int32_t(std::clamp<int64_t>(n, 0, int64_t(std::min(Max[size_t(s)].size(), Min[size_t(s)].size()))));
    }
};

TObwiednia Momenty(const TRysowanie& r, const TWyniki& wyn, TKolor KMax, TKolor KMin)
{
    return {wyn.ObwiedniaMaxM,
            wyn.ObwiedniaMinM,
            wyn.EkstremaObwiedniM,
            SkalaWykresu(r.Nastawy, r.Widok, wyn, true),
            KMax,
            KMin};
}

TObwiednia Tnace(const TRysowanie& r, const TWyniki& wyn, TKolor KMax, TKolor KMin)
{
    return {wyn.ObwiedniaMaxT,
            wyn.ObwiedniaMinT,
            wyn.EkstremaObwiedniT,
            SkalaWykresu(r.Nastawy, r.Widok, wyn, false),
            KMax,
            KMin};
}

// The envelope tables hold every span of the task, and an analysis has produced results.
bool SaObwiednie(const TDaneZadania& zad, const TWyniki& wyn)
{
    const size_t N = size_t(IloscPrzeselRysunku(zad));
    return N > 0 && wyn.IloscPoliczonych > 0 && wyn.ObwiedniaMaxM.size() >= N && wyn.ObwiedniaMinM.size() >= N &&
           wyn.ObwiedniaMaxT.size() >= N && wyn.ObwiedniaMinT.size() >= N && wyn.EkstremaObwiedniM.size() >= N &&
           wyn.EkstremaObwiedniT.size() >= N;
}

bool Przeslo(const TDaneZadania& zad, const TWyniki& wyn, int32_t s)
{
    return SaObwiednie(zad, wyn) && s >= 0 && s < IloscPrzeselRysunku(zad);
}

// The grey strokes between the two lines, one per section. Zoomed out,
// neighbouring sections land on the same pixels: a stroke that would repaint
// exactly the previous one's pixels is left out, on the screen by the screen.
template <class FX, class FY>
void Pas(TRysowanie& r, TWyjscia na, const std::vector<TPunktWykresu>& mini, const std::vector<TPunktWykresu>& maks,
         int32_t n, FX X, FY Y)
{
    const TWidok& w = r.Widok;
    struct TPiksele {
        double x1, y1, x2, y2;
        bool operator==(const TPiksele&) const = default;
    };
    const bool ekran = na.Ekran && r.Ekran, druk = na.Druk && r.Druk;
    std::vector<TOdcinekArkusza> kreski;
    TPiksele poprzednia{NAN, NAN, NAN, NAN};
    for (int32_t i = 0; i < n; ++i) {
        const double x1 = X(mini[size_t(i)]), y1 = Y(mini[size_t(i)]);
        const double x2 = X(maks[size_t(i)]), y2 = Y(maks[size_t(i)]);
        if (ekran)
            kreski.push_back({{x1, y1}, {x2, y2}});
        if (druk) {
            const TPiksele p{w.NaDrukXD(x1), w.NaDrukYD(y1), w.NaDrukXD(x2), w.NaDrukYD(y2)};
            if (!(p == poprzednia))
                Linia(r, {.Druk = true}, {x1, y1}, {x2, y2}, {PioroLinii, SzaryPasa});
            poprzednia = p;
        }
    }
    if (ekran)
        r.Ekran->Kreski(kreski, {PioroLinii, SzaryPasa});
}

// The band, the axis (first, or after the band), the minimum and the maximum line of span z.Przeslo.
void Linie(TRysowanie& r, const TObwiednia& o, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, bool osPierwsza)
{
    const int32_t s = z.Przeslo;
    const double L = z.Zadanie.Przesla[size_t(s)].L;
    const double xs = P.X, oy = P.Y;
    const double sx = r.Widok.SkalaRysunkuX;
    const auto X = [&](const TPunktWykresu& p) { return xs + p.X * sx; };
    const auto Y = [&](const TPunktWykresu& p) { return oy + p.Wartosc * o.ky; };
    const std::vector<TPunktWykresu>& maks = o.Max[size_t(s)];
    const std::vector<TPunktWykresu>& mini = o.Min[size_t(s)];
    const int32_t n = o.Punkty(s);
    const auto os = [&] { Linia(r, na, {xs, oy}, {xs + L * sx, oy}, {PioroOsi, Kolor::Czarny}); };
    if (osPierwsza)
        os();
    Pas(r, na, mini, maks, n, X, Y);
    if (!osPierwsza)
        os();
    const auto linia = [&](const std::vector<TPunktWykresu>& p, TKolor K) {
        TLamana l(r, na, {PioroLinii, K});
        for (int32_t i = 0; i < n; ++i)
            l.Punkt(X(p[size_t(i)]), Y(p[size_t(i)]));
        l.Koniec();
    };
    linia(mini, o.KMin);
    linia(maks, o.KMax);
}

// The two extremes of span z.Przeslo: `minNaLinii` puts the minimum's label
// on its ordinate and the maximum's below it, or the other way round.
void Opis(TRysowanie& r, const TObwiednia& o, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, bool minNaLinii)
{
    const TDaneZadania& zad = z.Zadanie;
    const int32_t s = z.Przeslo;
    const double ox = O.X, oy = O.Y;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const double h = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
    const double X0 = zad.Przesla[size_t(s)].X0, sx = r.Widok.SkalaRysunkuX;
    const TEkstrema& e = o.Ekstrema[size_t(s)];
    const auto etykieta = [&](double v, double p, TKolor K, bool naLinii) {
        if (!(std::fabs(v) > 0.01))
            return;
        Etykieta(r, pas, na,
                 {.P = {(X0 + p) * sx + ox + 0.5 * h, oy + v * o.ky},
                  .Styl = {{PioroEtykiet, K}, h, w, 90},
                  .Wartosc = v,
                  .Maska = MaskaWartosci,
                  .Polozenie = naLinii ? TPolozenieEtykiety::NaRzednej : TPolozenieEtykiety::PodRzedna});
    };
    etykieta(e.Min, e.XMin, o.KMin, minNaLinii);
    etykieta(e.Max, e.XMax, o.KMax, !minNaLinii);
}

} // namespace

void WykresObwiedniMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax, TKolor KMin)
{
    if (!SaObwiednie(z.Zadanie, z.Wyniki))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 3.5},
             r.Nastawy.PiszJednostki ? "OBWIEDNIA MOMENTY [kNm]" : "OBWIEDNIA MOMENTY", 0.5);
    DlaWidocznychPrzesel(r, pas, z.Zadanie, O, Zapas, [&](int32_t s, double xs, TWyjscia przeslo) {
        const TZrodloWykresu zrodlo{z.Zadanie, z.Wyniki, z.Kombinacja, s};
        LiniaObwiedniMomentow(r, zrodlo, przeslo, {xs, O.Y}, KMax, KMin);
        OpisObwiedniMomentow(r, zrodlo, przeslo, O, KMax, KMin);
    });
}

void LiniaObwiedniMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor KMax, TKolor KMin)
{
    const int32_t s = z.Przeslo;
    if (!Przeslo(z.Zadanie, z.Wyniki, s))
        return;
    Linie(r, Momenty(r, z.Wyniki, KMax, KMin), z, na, P, false);
}

void OpisObwiedniMomentow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax, TKolor KMin)
{
    if (!Przeslo(z.Zadanie, z.Wyniki, z.Przeslo))
        return;
    Opis(r, Momenty(r, z.Wyniki, KMax, KMin), z, na, O, true);
}

void WykresObwiedniSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax,
                                   TKolor KMin)
{
    if (!SaObwiednie(z.Zadanie, z.Wyniki))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 3.5},
             r.Nastawy.PiszJednostki ? "OBWIEDNIA SIŁY POPRZECZNE [kN]" : "OBWIEDNIA SIŁY POPRZECZNE", 0.5);
    DlaWidocznychPrzesel(r, pas, z.Zadanie, O, Zapas, [&](int32_t s, double xs, TWyjscia przeslo) {
        const TZrodloWykresu zrodlo{z.Zadanie, z.Wyniki, z.Kombinacja, s};
        LiniaObwiedniSilPoprzecznych(r, zrodlo, przeslo, {xs, O.Y}, KMax, KMin);
        OpisObwiedniSilPoprzecznych(r, zrodlo, przeslo, O, KMax, KMin);
    });
}

void LiniaObwiedniSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, TKolor KMax,
                                  TKolor KMin)
{
    const TDaneZadania& zad = z.Zadanie;
    const int32_t s = z.Przeslo;
    if (!Przeslo(zad, z.Wyniki, s))
        return;
    const double xs = P.X, oy = P.Y;
    const TObwiednia o = Tnace(r, z.Wyniki, KMax, KMin);
    Linie(r, o, z, na, P, true);
    // After the span's own lines, so that no grey stroke covers the jump.
    if (s > 0) {
        // The jump at the support: from the previous span's last point to this span's first.
        const double sx = r.Widok.SkalaRysunkuX;
        const double Lp = zad.Przesla[size_t(s) - 1].L;
        const int32_t np = o.Punkty(s - 1);
        const int32_t n = o.Punkty(s);
        const auto przez = [&](const std::vector<std::vector<TPunktWykresu>>& linie, TKolor K) {
            if (np < 1 || n < 1)
                return;
            const TPunktWykresu& a = linie[size_t(s) - 1][size_t(np) - 1];
            const TPunktWykresu& b = linie[size_t(s)][0];
            Linia(r, na, {(a.X - Lp) * sx + xs, oy + a.Wartosc * o.ky}, {xs + b.X * sx, oy + b.Wartosc * o.ky},
                  {PioroLinii, K});
        };
        przez(o.Min, KMin);
        przez(o.Max, KMax);
    }
}

void OpisObwiedniSilPoprzecznych(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KMax,
                                 TKolor KMin)
{
    if (!Przeslo(z.Zadanie, z.Wyniki, z.Przeslo))
        return;
    Opis(r, Tnace(r, z.Wyniki, KMax, KMin), z, na, O, false);
}

void WykresObwiedniReakcji(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, TKolor KPlus, TKolor KInne)
{
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t N = IloscPrzeselRysunku(zad);
    if (!SaObwiednie(zad, wyn) || wyn.ObwiedniaReakcji.size() < size_t(N) + 1)
        return;
    const double ox = O.X, oy = O.Y;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const double h = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
    const double sx = r.Widok.SkalaRysunkuX;
    const auto podpora = [&](int32_t j) {
        return j == 0 ? ox : (double(zad.Przesla[size_t(j) - 1].X0) + zad.Przesla[size_t(j) - 1].L) * sx + ox;
    };
    const double xN = podpora(N);
    Naglowek(r, pas, na, {ox + 1.0, oy - 2.0}, r.Nastawy.PiszJednostki ? "OBWIEDNIA REAKCJE [kN]" : "OBWIEDNIA REAKCJE",
             0.5);
    Linia(r, na, {ox, oy}, {xN, oy}, {PioroOsi, Kolor::Czarny});
    const auto etykieta = [&](TWyjscia gdzie, double x, double y, TKolor K, double v, TUstep ustep = TUstep::WGore) {
        Etykieta(r, pas, gdzie,
                 {.P = {x, y}, .Styl = {{0.2, K}, h, w}, .Wartosc = v, .Maska = MaskaReakcji, .Ustep = ustep});
    };
    for (int32_t j = 0; j <= N; ++j) {
        const double xj = podpora(j);
        const TWyjscia przy = pas.Wyjscia(xj, xj, Zapas);
        if (!przy)
            continue;
        const TReakcjaObwiedni& R = wyn.ObwiedniaReakcji[size_t(j)];
        if (R.Min < 0) {
            StrzalkaReakcji(r, przy, {xj, oy - 0.2}, {0.2, KInne}, 1.2, -1.2);
            etykieta(przy, xj + 0.3, oy - 0.7, KInne, R.Min);
        }
        if (R.Max > 0) {
            StrzalkaReakcji(r, przy, {xj, oy + 0.2}, {0.2, KPlus}, 1.2, 1.2);
            etykieta(przy, xj + 0.3, oy + 1.5, KPlus, R.Max, TUstep::WDol);
        }
    }

    // End moment extremes: the left end's arc turns over the left side, the right end's over the right.
    const TMomentyPodporoweObwiedni& m = wyn.ObwiedniaMomentowPodporowych;
    const TWyjscia lewy = pas.Wyjscia(ox, ox, Zapas);
    const TWyjscia prawy = pas.Wyjscia(xN, xN, Zapas);
    const auto moment = [&](double v, bool lewa, TPunktCm luk, TPunktCm napis, TWyjscia przy) {
        if (!(std::fabs(v) > 0.01) || !przy)
            return;
        const TKolor K = v > 0 ? KPlus : KInne;
        if (lewa && v > 0)
            MomentPodwojnyA(r, przy, luk, {0.2, K}, 0.5, 0.5);
        else if (lewa)
            MomentPodwojnyB(r, przy, luk, {0.2, K}, 0.5, 0.5);
        else if (v > 0)
            MomentPodwojnyD(r, przy, luk, {0.2, K}, 0.5, 0.5);
        else
            MomentPodwojnyC(r, przy, luk, {0.2, K}, 0.5, 0.5);
        etykieta(przy, napis.X, napis.Y, K, v);
    };
    moment(m.MinL, true, {ox - 0.25, oy}, {ox - 1.0, oy - 0.75}, lewy);
    moment(m.MaxL, true, {ox - 0.25, oy - 2.0}, {ox - 1.0, oy - 2.75}, lewy);
    moment(m.MinP, false, {xN + 0.25, oy}, {xN + 0.25, oy - 0.75}, prawy);
    moment(m.MaxP, false, {xN + 0.25, oy - 2.0}, {xN + 0.25, oy - 2.75}, prawy);
}
