#include "drawing/WykresyObwiedni.h"

#include "analysis/Wyniki.h"
#include "drawing/Symbole.h"
#include "drawing/Widocznosc.h"
#include "drawing/Wykresy.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view MaskaWartosci = "#######0.00";
constexpr std::string_view MaskaReakcji = "#####0.00";
constexpr int32_t SzaryPasa = Rgb(200, 200, 200);
constexpr double PioroOsi = 0.2;
constexpr double PioroLinii = 0.1;
constexpr double PioroEtykiet = 0.15;
constexpr double Zapas = 1.5;

// One envelope kind: its two lines and their extremes, and which way up it is drawn.
struct TObwiednia {
    const std::vector<std::vector<TPunktWykresu>>& Max;
    const std::vector<std::vector<TPunktWykresu>>& Min;
    const std::vector<TEkstrema>& Ekstrema;
    double ky; // sheet cm per unit of value, signed: moments down, shear forces up

    // Points of span s both lines hold: IloscPunktow + 1, or fewer when the
    // tables were filled for another task.
    int32_t Punkty(int32_t s) const
    {
        const int64_t n = int64_t(Ekstrema[size_t(s)].IloscPunktow) + 1;
        return int32_t(std::clamp<int64_t>(n, 0, int64_t(std::min(Max[size_t(s)].size(), Min[size_t(s)].size()))));
    }
};

TObwiednia Momenty(const TRysowanie& r, const TWyniki& wyn)
{
    return {wyn.ObwiedniaMaxM, wyn.ObwiedniaMinM, wyn.EkstremaObwiedniM, SkalaWykresu(r, wyn, true)};
}

TObwiednia Tnace(const TRysowanie& r, const TWyniki& wyn)
{
    return {wyn.ObwiedniaMaxT, wyn.ObwiedniaMinT, wyn.EkstremaObwiedniT, SkalaWykresu(r, wyn, false)};
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
// exactly the previous one's pixels is left out.
template <class FX, class FY>
void Pas(TRysowanie& r, const std::vector<TPunktWykresu>& mini, const std::vector<TPunktWykresu>& maks, int32_t n,
         bool Ekran, bool Druk, FX X, FY Y)
{
    const TWidok& w = r.Widok;
    struct TPiksele {
        double x1, y1, x2, y2;
        bool operator==(const TPiksele&) const = default;
    };
    TPiksele ekran{NAN, NAN, NAN, NAN}, druk = ekran;
    for (int32_t i = 0; i < n; ++i) {
        const double x1 = X(mini[size_t(i)]), y1 = Y(mini[size_t(i)]);
        const double x2 = X(maks[size_t(i)]), y2 = Y(maks[size_t(i)]);
        bool e = false, d = false;
        if (Ekran && r.Ekran) {
            const TPiksele p{w.NaEkranXD(x1), w.NaEkranYD(-y1), w.NaEkranXD(x2), w.NaEkranYD(-y2)};
            e = !(p == ekran);
            ekran = p;
        }
        if (Druk && r.Druk) {
            const TPiksele p{w.NaDrukXD(x1), w.NaDrukYD(y1), w.NaDrukXD(x2), w.NaDrukYD(y2)};
            d = !(p == druk);
            druk = p;
        }
        if (e || d)
            Linia(r, SzaryPasa, e, x1, y1, x2, y2, PioroLinii, d);
    }
}

void Linie(TRysowanie& r, const TObwiednia& o, int32_t s, int32_t KMax, int32_t KMin, bool Ekran, bool Druk,
           double oy, double xs, double L, bool osPierwsza)
{
    const double sx = r.Widok.SkalaRysunkuX;
    const auto X = [&](const TPunktWykresu& p) { return xs + p.X * sx; };
    const auto Y = [&](const TPunktWykresu& p) { return oy + p.Wartosc * o.ky; };
    const std::vector<TPunktWykresu>& maks = o.Max[size_t(s)];
    const std::vector<TPunktWykresu>& mini = o.Min[size_t(s)];
    const int32_t n = o.Punkty(s);
    const auto os = [&] { Linia(r, Kolor::Czarny, Ekran, xs, oy, xs + L * sx, oy, PioroOsi, Druk); };
    if (osPierwsza)
        os();
    Pas(r, mini, maks, n, Ekran, Druk, X, Y);
    if (!osPierwsza)
        os();
    const auto linia = [&](const std::vector<TPunktWykresu>& p, int32_t K) {
        TLamana l(r, K, PioroLinii, Ekran, Druk);
        for (int32_t i = 0; i < n; ++i)
            l.Punkt(X(p[size_t(i)]), Y(p[size_t(i)]));
        l.Koniec();
    };
    linia(mini, KMin);
    linia(maks, KMax);
}

// The two extremes of span s: `minNaLinii` puts the minimum's label on its
// ordinate and the maximum's below it, or the other way round.
void Opis(TRysowanie& r, const TDaneZadania& zad, const TObwiednia& o, int32_t s, int32_t KMax, int32_t KMin,
          bool Ekran, bool Druk, double oy, double ox, bool minNaLinii)
{
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    const double h = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
    const double X0 = zad.Przesla[size_t(s)].X0, sx = r.Widok.SkalaRysunkuX;
    const TEkstrema& e = o.Ekstrema[size_t(s)];
    const auto etykieta = [&](double v, double p, int32_t K, bool naLinii) {
        if (!(std::fabs(v) > 0.01))
            return;
        Etykieta(r, pas, v, MaskaWartosci, "", K, (X0 + p) * sx + ox + 0.5 * h, oy + v * o.ky, h, w, PioroEtykiet, 90,
                 Ekran, Druk, naLinii ? TPolozenieEtykiety::NaRzednej : TPolozenieEtykiety::PodRzedna);
    };
    etykieta(e.Min, e.XMin, KMin, minNaLinii);
    etykieta(e.Max, e.XMax, KMax, !minNaLinii);
}

} // namespace

void WykresObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t KMax, int32_t KMin,
                            bool Ekran, bool Druk, double ox, double oy)
{
    if (!SaObwiednie(zad, wyn))
        return;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    Naglowek(r, pas, r.Nastawy.PiszJednostki ? "OBWIEDNIA MOMENTY [kNm]" : "OBWIEDNIA MOMENTY", ox + 1.0, oy - 3.5,
             0.5, Ekran, Druk);
    DlaWidocznychPrzesel(r, zad, pas, ox, Zapas, Ekran, Druk, [&](int32_t s, double xs, TWyjscia na) {
        LiniaObwiedniMomentow(r, zad, wyn, s, KMax, KMin, na.Ekran, na.Druk, oy, xs);
        OpisObwiedniMomentow(r, zad, wyn, s, KMax, KMin, na.Ekran, na.Druk, oy, ox);
    });
}

void LiniaObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, int32_t KMax,
                           int32_t KMin, bool Ekran, bool Druk, double oy, double xs)
{
    if (!Przeslo(zad, wyn, s))
        return;
    Linie(r, Momenty(r, wyn), s, KMax, KMin, Ekran, Druk, oy, xs, zad.Przesla[size_t(s)].L, false);
}

void OpisObwiedniMomentow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, int32_t KMax,
                          int32_t KMin, bool Ekran, bool Druk, double oy, double ox)
{
    if (!Przeslo(zad, wyn, s))
        return;
    Opis(r, zad, Momenty(r, wyn), s, KMax, KMin, Ekran, Druk, oy, ox, true);
}

void WykresObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t KMax,
                                   int32_t KMin, bool Ekran, bool Druk, double ox, double oy)
{
    if (!SaObwiednie(zad, wyn))
        return;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    Naglowek(r, pas, r.Nastawy.PiszJednostki ? "OBWIEDNIA SIŁY POPRZECZNE [kN]" : "OBWIEDNIA SIŁY POPRZECZNE",
             ox + 1.0, oy - 3.5, 0.5, Ekran, Druk);
    DlaWidocznychPrzesel(r, zad, pas, ox, Zapas, Ekran, Druk, [&](int32_t s, double xs, TWyjscia na) {
        LiniaObwiedniSilPoprzecznych(r, zad, wyn, s, KMax, KMin, na.Ekran, na.Druk, oy, xs);
        OpisObwiedniSilPoprzecznych(r, zad, wyn, s, KMax, KMin, na.Ekran, na.Druk, oy, ox);
    });
}

void LiniaObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s,
                                  int32_t KMax, int32_t KMin, bool Ekran, bool Druk, double oy, double xs)
{
    if (!Przeslo(zad, wyn, s))
        return;
    const TObwiednia o = Tnace(r, wyn);
    if (s > 0) {
        // The jump at the support: from the previous span's last point to this span's first.
        const double sx = r.Widok.SkalaRysunkuX;
        const double Lp = zad.Przesla[size_t(s) - 1].L;
        const int32_t np = o.Punkty(s - 1);
        const int32_t n = o.Punkty(s);
        const auto przez = [&](const std::vector<std::vector<TPunktWykresu>>& linie, int32_t K) {
            if (np < 1 || n < 1)
                return;
            const TPunktWykresu& a = linie[size_t(s) - 1][size_t(np) - 1];
            const TPunktWykresu& b = linie[size_t(s)][0];
            Linia(r, K, Ekran, (a.X - Lp) * sx + xs, oy + a.Wartosc * o.ky, xs + b.X * sx, oy + b.Wartosc * o.ky,
                  PioroLinii, Druk);
        };
        przez(o.Min, KMin);
        przez(o.Max, KMax);
    }
    Linie(r, o, s, KMax, KMin, Ekran, Druk, oy, xs, zad.Przesla[size_t(s)].L, true);
}

void OpisObwiedniSilPoprzecznych(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t s, int32_t KMax,
                                 int32_t KMin, bool Ekran, bool Druk, double oy, double ox)
{
    if (!Przeslo(zad, wyn, s))
        return;
    Opis(r, zad, Tnace(r, wyn), s, KMax, KMin, Ekran, Druk, oy, ox, false);
}

void WykresObwiedniReakcji(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t KPlus, int32_t KInne,
                           bool Ekran, bool Druk, double ox, double oy)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    if (!SaObwiednie(zad, wyn) || wyn.ObwiedniaReakcji.size() < size_t(N) + 1)
        return;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    const double h = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
    const double sx = r.Widok.SkalaRysunkuX;
    const auto podpora = [&](int32_t j) {
        return j == 0 ? ox : (double(zad.Przesla[size_t(j) - 1].X0) + zad.Przesla[size_t(j) - 1].L) * sx + ox;
    };
    const double xN = podpora(N);
    Naglowek(r, pas, r.Nastawy.PiszJednostki ? "OBWIEDNIA REAKCJE [kN]" : "OBWIEDNIA REAKCJE", ox + 1.0, oy - 2.0,
             0.5, Ekran, Druk);
    Linia(r, Kolor::Czarny, Ekran, ox, oy, xN, oy, PioroOsi, Druk);
    const auto etykieta = [&](double v, int32_t K, double x, double y, const TWyjscia& na) {
        Etykieta(r, pas, v, MaskaReakcji, "", K, x, y, h, w, 0.2, 0, na.Ekran, na.Druk);
    };
    for (int32_t j = 0; j <= N; ++j) {
        const double xj = podpora(j);
        const TWyjscia na = pas.Wyjscia(xj, xj, Zapas, Ekran, Druk);
        if (!na)
            continue;
        const TReakcjaObwiedni& R = wyn.ObwiedniaReakcji[size_t(j)];
        if (R.Min < 0) {
            StrzalkaReakcji(r, KInne, na.Ekran, xj, oy - 0.2, 1.2, -1.2, 0.2, 0.2, na.Druk);
            etykieta(R.Min, KInne, xj + 0.3, oy - 0.7, na);
        }
        if (R.Max > 0) {
            StrzalkaReakcji(r, KPlus, na.Ekran, xj, oy + 0.2, 1.2, 1.2, 0.2, 0.2, na.Druk);
            etykieta(R.Max, KPlus, xj + 0.3, oy + 1.5, na);
        }
    }

    // End moment extremes: the left end's arc turns over the left side, the right end's over the right.
    const TMomentyPodporoweObwiedni& m = wyn.ObwiedniaMomentowPodporowych;
    const TWyjscia lewy = pas.Wyjscia(ox, ox, Zapas, Ekran, Druk);
    const TWyjscia prawy = pas.Wyjscia(xN, xN, Zapas, Ekran, Druk);
    const auto moment = [&](double v, bool lewa, double xs, double ys, double xe, double ye, const TWyjscia& na) {
        if (!(std::fabs(v) > 0.01) || !na)
            return;
        const int32_t K = v > 0 ? KPlus : KInne;
        if (lewa && v > 0)
            MomentPodwojnyA(r, K, na.Ekran, xs, ys, 0.5, 0.5, 0.2, 0.2, na.Druk);
        else if (lewa)
            MomentPodwojnyB(r, K, na.Ekran, xs, ys, 0.5, 0.5, 0.2, 0.2, na.Druk);
        else if (v > 0)
            MomentPodwojnyD(r, K, na.Ekran, xs, ys, 0.5, 0.5, 0.2, 0.2, na.Druk);
        else
            MomentPodwojnyC(r, K, na.Ekran, xs, ys, 0.5, 0.5, 0.2, 0.2, na.Druk);
        etykieta(v, K, xe, ye, na);
    };
    moment(m.MinL, true, ox - 0.25, oy, ox - 1.0, oy - 0.75, lewy);
    moment(m.MaxL, true, ox - 0.25, oy - 2.0, ox - 1.0, oy - 2.75, lewy);
    moment(m.MinP, false, xN + 0.25, oy, xN + 0.25, oy - 0.75, prawy);
    moment(m.MaxP, false, xN + 0.25, oy - 2.0, xN + 0.25, oy - 2.75, prawy);
}
