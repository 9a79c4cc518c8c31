#include "drawing/WykresyNormowe.h"

#include "analysis/ObwiednieNormowe.h"
#include "analysis/Ugiecia.h"
#include "analysis/Wyniki.h"
#include "drawing/StylWykresow.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/Widocznosc.h"
#include "drawing/Wykresy.h"
#include "model/Zadanie.h"
#include "platform/Cp1250.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace StylWykresow;

// The sheet's own lines at its top, above the reactions: the heading, the
// groups, and the legend in columns.
constexpr TStylTekstu StylOpisu{{0.2, Kolor::Czarny}, 0.35, 0.4};
constexpr double WierszOpisu = 0.45;
// The causes run long: narrower letters, so that one fits the sheet's width.
constexpr TStylTekstu StylLegendy{{0.15, Kolor::Czarny}, 0.3, 0.28};
constexpr double WierszLegendy = 0.38;

// The causes of one sheet's labels in the order the labels ask for them, each under its key.
class TLegenda {
public:
    std::string Klucz(const TPrzyczyna& p)
    {
        const auto i = std::find(przyczyny_.begin(), przyczyny_.end(), p);
        if (i != przyczyny_.end())
            return KluczPrzyczyny(int32_t(i - przyczyny_.begin()));
        przyczyny_.push_back(p);
        return KluczPrzyczyny(int32_t(przyczyny_.size()) - 1);
    }
    const std::vector<TPrzyczyna>& Przyczyny() const { return przyczyny_; }

private:
    std::vector<TPrzyczyna> przyczyny_;
};

// " (b)": what follows a value, in code page 1250 as the labels are.
std::string Dopisek(TLegenda& legenda, const TPrzyczyna& p)
{
    return " (" + legenda.Klucz(p) + ")";
}

bool SaNormowe(const TDaneZadania& zad, const TWyniki& wyn)
{
    const size_t N = size_t(IloscPrzeselRysunku(zad));
    if (N == 0 || !wyn.Normowe.Sa)
        return false;
    for (const TObwiedniaNormowa& o : wyn.Normowe.Stany)
        if (o.Przesla.size() < N || o.Reakcje.size() < N + 1)
            return false;
    return true;
}

// One kind of line pair of a state: its lines, its extremes and how it is drawn.
struct TRodzajLinii {
    std::vector<TPunktWykresu> TPrzesloNormowe::*Max;
    std::vector<TPunktWykresu> TPrzesloNormowe::*Min;
    TEkstremumNormowe TPrzesloNormowe::*EMax;
    TEkstremumNormowe TPrzesloNormowe::*EMin;
    bool Momenty; // moments drawn downward, shear forces upward and continued across the supports
};

constexpr TRodzajLinii LinieM{&TPrzesloNormowe::MaxM, &TPrzesloNormowe::MinM, &TPrzesloNormowe::Mmax,
                              &TPrzesloNormowe::Mmin, true};
constexpr TRodzajLinii LinieT{&TPrzesloNormowe::MaxT, &TPrzesloNormowe::MinT, &TPrzesloNormowe::Tmax,
                              &TPrzesloNormowe::Tmin, false};

double Najwiekszy(const TObwiedniaNormowa& o, int32_t N, TEkstremumNormowe TPrzesloNormowe::*a,
                  TEkstremumNormowe TPrzesloNormowe::*b)
{
    double m = 0;
    for (int32_t s = 0; s < N; ++s)
        m = std::max({m, std::abs((o.Przesla[size_t(s)].*a).Wartosc), std::abs((o.Przesla[size_t(s)].*b).Wartosc)});
    return m;
}

// Moments or shear forces of one state: title, band, axis, both lines and the labelled extremes.
void WykresSil(TRysowanie& r, const TDaneZadania& zad, const TObwiedniaNormowa& o, TWyjscia na, TPunktCm O,
               const TRodzajLinii& rodzaj, const std::string& tytul, TLegenda& legenda, TKolor KMax, TKolor KMin)
{
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TNastawy& n = r.Nastawy;
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 3.5}, tytul, 0.5);
    const int32_t N = IloscPrzeselRysunku(zad);
    const float najwiekszy = float(Najwiekszy(o, N, rodzaj.EMax, rodzaj.EMin));
    const double ky = (rodzaj.Momenty ? 1.0 : -1.0) * r.Widok.SkalaRysunkuY *
                      SkalaRzednych(rodzaj.Momenty ? n.WysokoscMomentow : n.WysokoscPoprzecznych, najwiekszy);
    const double sx = r.Widok.SkalaRysunkuX;
    const double h = n.WysokoscCzcionki, w = n.SzerokoscCzcionki;
    DlaWidocznychPrzesel(r, pas, zad, O, Zapas, [&](int32_t s, double xs, TWyjscia przeslo) {
        const TPrzesloNormowe& p = o.Przesla[size_t(s)];
        const std::vector<TPunktWykresu>& maks = p.*rodzaj.Max;
        const std::vector<TPunktWykresu>& mini = p.*rodzaj.Min;
        const size_t ile = std::min(maks.size(), mini.size());
        const auto X = [&](const TPunktWykresu& q) { return xs + q.X * sx; };
        const auto Y = [&](const TPunktWykresu& q) { return O.Y + q.Wartosc * ky; };
        for (size_t i = 0; i < ile; ++i)
            Linia(r, przeslo, {X(mini[i]), Y(mini[i])}, {X(maks[i]), Y(maks[i])}, {PioroLinii, SzaryPasa});
        Linia(r, przeslo, {xs, O.Y}, {xs + zad.Przesla[size_t(s)].L * sx, O.Y}, {PioroOsi, Kolor::Czarny});
        const auto linia = [&](const std::vector<TPunktWykresu>& l, TKolor K) {
            TLamana lamana(r, przeslo, {PioroLinii, K});
            for (size_t i = 0; i < ile; ++i)
                lamana.Punkt(X(l[i]), Y(l[i]));
            lamana.Koniec();
        };
        linia(mini, KMin);
        linia(maks, KMax);
        // The jump of the shear force over the support, from the previous span's end.
        if (!rodzaj.Momenty && s > 0) {
            const TPrzesloNormowe& poprzednie = o.Przesla[size_t(s) - 1];
            const double Lp = zad.Przesla[size_t(s) - 1].L;
            for (const auto& [l, K] : {std::pair{rodzaj.Min, KMin}, std::pair{rodzaj.Max, KMax}}) {
                const std::vector<TPunktWykresu>& a = poprzednie.*l;
                const std::vector<TPunktWykresu>& b = p.*l;
                if (!a.empty() && !b.empty())
                    Linia(r, przeslo, {(a.back().X - Lp) * sx + xs, O.Y + a.back().Wartosc * ky},
                          {X(b.front()), Y(b.front())}, {PioroLinii, K});
            }
        }
        // A moment's minimum runs up from its ordinate, its maximum lies under it; shear forces the other way.
        const auto etykieta = [&](const TEkstremumNormowe& e, TKolor K, bool naLinii) {
            if (!(std::fabs(e.Wartosc) > 0.01))
                return;
            const std::string dopisek = Dopisek(legenda, e.Przyczyna);
            Etykieta(r, pas, przeslo,
                     {.P = {xs + e.X * sx + 0.5 * h, O.Y + e.Wartosc * ky},
                      .Styl = {{PioroEtykiet, K}, h, w, 90},
                      .Wartosc = e.Wartosc,
                      .Maska = MaskaWartosci,
                      .Jednostka = dopisek,
                      .Polozenie = naLinii ? TPolozenieEtykiety::NaRzednej : TPolozenieEtykiety::PodRzedna});
        };
        etykieta(p.*rodzaj.EMin, KMin, rodzaj.Momenty);
        etykieta(p.*rodzaj.EMax, KMax, !rodzaj.Momenty);
    });
}

// The reactions' extremes of one state as the envelope sheet draws them: the
// most negative above the beam, the largest positive below it.
void WykresReakcjiNormowych(TRysowanie& r, const TDaneZadania& zad, const TObwiedniaNormowa& o, TWyjscia na, TPunktCm O,
                            const std::string& tytul, TLegenda& legenda)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    const TPasWidoczny pas = PasWidoczny(r, na);
    const double h = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
    const double sx = r.Widok.SkalaRysunkuX;
    const auto podpora = [&](int32_t j) {
        return j == 0 ? O.X : (double(zad.Przesla[size_t(j) - 1].X0) + zad.Przesla[size_t(j) - 1].L) * sx + O.X;
    };
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 2.0}, tytul, 0.5);
    Linia(r, na, {O.X, O.Y}, {podpora(N), O.Y}, {PioroOsi, Kolor::Czarny});
    for (int32_t j = 0; j <= N; ++j) {
        const double xj = podpora(j);
        const TWyjscia przy = pas.Wyjscia(xj, xj, Zapas);
        if (!przy)
            continue;
        const TReakcjaNormowa& R = o.Reakcje[size_t(j)];
        const auto etykieta = [&](const TEkstremumNormowe& e, double y, TKolor K, TUstep ustep) {
            const std::string dopisek = Dopisek(legenda, e.Przyczyna);
            // Right of the arrow; at the last support left of it, as the key makes the label too long
            // for the margin beyond the beam.
            const double dlugosc =
                1.2 * DlugoscTekstu(r.Czcionka, FormatujMaska(e.Wartosc, MaskaReakcji, r.Separator) + dopisek, w);
            Etykieta(r, pas, przy,
                     {.P = {j == N && N > 0 ? xj - 0.3 - dlugosc : xj + 0.3, y},
                      .Styl = {{0.2, K}, h, w},
                      .Wartosc = e.Wartosc,
                      .Maska = MaskaReakcji,
                      .Jednostka = dopisek,
                      .Ustep = ustep});
        };
        if (R.Min.Wartosc < -0.01) {
            StrzalkaReakcji(r, przy, {xj, O.Y - 0.2}, {0.2, Kolor::Zielony}, 1.2, -1.2);
            etykieta(R.Min, O.Y - 0.7, Kolor::Zielony, TUstep::WGore);
        }
        if (R.Max.Wartosc > 0.01) {
            StrzalkaReakcji(r, przy, {xj, O.Y + 0.2}, {0.2, Kolor::Granatowy}, 1.2, 1.2);
            etykieta(R.Max, O.Y + 1.5, Kolor::Granatowy, TUstep::WDol);
        }
    }
}

// The deflections of the characteristic and the quasi-permanent combination
// in one diagram, downward positive, each extreme with L/f, red past the limit.
void WykresUgiecNormowych(TRysowanie& r, const TDaneZadania& zad, const TObwiednieNormowe& obw, TWyjscia na, TPunktCm O,
                          TLegenda& legenda)
{
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TNastawy& n = r.Nastawy;
    const bool dlugosc = !SztywnoscJednostkowa(zad);
    const double skala = SkalaUgiec(zad);
    std::string tytul = dlugosc ? "UGIĘCIA" : "UGIĘCIA E·J·w (E = J = 1)";
    if (n.PiszJednostki)
        tytul += dlugosc ? " [mm]" : " [kNm3]";
    tytul += ": charakterystyczne i quasi-stałe";
    Naglowek(r, pas, na, {O.X + 1.0, O.Y - 1.5}, tytul, 0.5);

    struct TStan {
        const TObwiedniaNormowa& O;
        TKolor K;
    };
    const TStan stany[] = {{obw[TStanNormowy::SGUCharakterystyczna], Kolor::Granatowy},
                           {obw[TStanNormowy::SGUQuasi], Kolor::Zielony}};
    const int32_t N = IloscPrzeselRysunku(zad);
    double najwiekszy = 0;
    for (const TStan& s : stany)
        najwiekszy = std::max(najwiekszy, Najwiekszy(s.O, N, &TPrzesloNormowe::Wmax, &TPrzesloNormowe::Wmin));
    if (!(najwiekszy * skala > 0) || !std::isfinite(najwiekszy))
        return;
    const double ky = r.Widok.SkalaRysunkuY * n.WysokoscUgiec / (najwiekszy * skala);
    const double sx = r.Widok.SkalaRysunkuX;
    const double h = n.WysokoscCzcionki, w = n.SzerokoscCzcionki;
    DlaWidocznychPrzesel(r, pas, zad, O, Zapas, [&](int32_t s, double xs, TWyjscia przeslo) {
        const double L = zad.Przesla[size_t(s)].L;
        Linia(r, przeslo, {xs, O.Y}, {xs + L * sx, O.Y}, {PioroOsi, Kolor::Czarny});
        for (const TStan& stan : stany) {
            const TPrzesloNormowe& p = stan.O.Przesla[size_t(s)];
            for (const std::vector<TPunktWykresu>* l : {&p.MaxW, &p.MinW}) {
                TLamana lamana(r, przeslo, {PioroLinii, stan.K});
                for (const TPunktWykresu& q : *l)
                    lamana.Punkt(xs + q.X * sx, O.Y + skala * q.Wartosc * ky);
                lamana.Koniec();
            }
            // A tenth of a millimetre of uplift beside centimetres of sag says
            // nothing for the check and crowds the reactions: only extremes of
            // a tenth of the sheet's largest or more are written.
            const double najmniejszy = std::max(0.05, 0.1 * najwiekszy * skala);
            for (const TEkstremumNormowe* e : {&p.Wmax, &p.Wmin}) {
                const double v = skala * e->Wartosc;
                if (!(std::abs(v) >= najmniejszy))
                    continue;
                const double lf = L / std::abs(e->Wartosc);
                const bool przekroczone = dlugosc && n.GranicaUgiec > 0 && lf < n.GranicaUgiec;
                const std::string dopisek =
                    (dlugosc ? " (L/" + FormatujMaska(lf, "0", r.Separator) + ")" : std::string()) +
                    Dopisek(legenda, e->Przyczyna);
                Etykieta(r, pas, przeslo,
                         {.P = {xs + e->X * sx + 0.5 * h, O.Y + v * ky},
                          .Styl = {{PioroEtykiet, przekroczone ? Kolor::Czerwony : stan.K}, h, w, 90},
                          .Wartosc = v,
                          .Maska = MaskaUgiec,
                          .Jednostka = dopisek,
                          .Polozenie = v > 0 ? TPolozenieEtykiety::PodRzedna : TPolozenieEtykiety::NaRzednej});
            }
        }
    });
}

// `styl` narrowed, where the text (UTF-8) would run longer than `szerokosc` cm, until it does not.
TStylTekstu Zwezony(const TCzcionka& czcionka, const std::string& tekst, TStylTekstu styl, double szerokosc)
{
    const double dlugosc = 1.2 * DlugoscTekstu(czcionka, Utf8NaCp1250(tekst), styl.Szerokosc);
    if (dlugosc > szerokosc && szerokosc > 0)
        styl.Szerokosc *= szerokosc / dlugosc;
    return styl;
}

// The sheet's own lines at its top: heading, groups covered and left out, and
// the legend of the causes, all kept within the sheet's width.
void Opis(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, TWyjscia na, TPunktCm P, TArkuszNormowy a,
          const TLegenda& legenda)
{
    const TPasWidoczny pas = PasWidoczny(r, na);
    const double x = P.X + 1.0;
    const double szerokosc = std::max(1.0, r.Widok.ArkuszSzerokosc - 1.5);
    Naglowek(r, pas, na, {x, P.Y + 1.3}, TytulArkuszaNormowego(a), 0.6);
    std::vector<std::string> wiersze;
    wiersze.push_back(a == TArkuszNormowy::SGN ? "SGN (STR): niekorzystniejsze z wyrażeń 6.10a i 6.10b"
                                               : "SGU: momenty i reakcje w kombinacji charakterystycznej (6.14b), "
                                                 "ugięcia w charakterystycznej i quasi-stałej (6.16b)");
    wiersze.push_back(TekstGrupNormowych(zad));
    if (const std::string pominiete = TekstPominietych(zad, wyn); !pominiete.empty())
        wiersze.push_back(pominiete);
    double y = P.Y + 2.0;
    for (const std::string& w : wiersze) {
        TekstNaPasie(r, pas, na, {x, y}, Zwezony(r.Czcionka, w, StylOpisu, szerokosc), Utf8NaCp1250(w));
        y += WierszOpisu;
    }
    const std::vector<TPrzyczyna>& przyczyny = legenda.Przyczyny();
    if (przyczyny.empty())
        return;
    // Down one column to the reactions' title, then the next; the columns
    // share the width, each cause narrowed to its column.
    const double od = y + 0.15, do_ = P.Y + r.Nastawy.ReakcjeY - 2.6;
    const int32_t wierszy = std::max(1, int32_t((do_ - od) / WierszLegendy) + 1);
    const int32_t kolumn = (int32_t(przyczyny.size()) + wierszy - 1) / wierszy;
    const double kolumna = szerokosc / kolumn;
    for (size_t i = 0; i < przyczyny.size(); ++i) {
        const TPunktCm Q{x + double(int32_t(i) / wierszy) * kolumna, od + double(int32_t(i) % wierszy) * WierszLegendy};
        const std::string w = KluczPrzyczyny(int32_t(i)) + ": " + OpisPrzyczyny(zad, przyczyny[i]);
        TekstNaPasie(r, pas, na, Q, Zwezony(r.Czcionka, w, StylLegendy, kolumna - 0.3), Utf8NaCp1250(w));
    }
}

} // namespace

const char* TytulArkuszaNormowego(TArkuszNormowy a)
{
    return a == TArkuszNormowy::SGN ? "OBWIEDNIA SGN" : "OBWIEDNIA SGU";
}

std::string KluczPrzyczyny(int32_t n)
{
    if (n < 26)
        return std::string(1, char('a' + n));
    if (n < 52)
        return std::string(1, char('A' + n - 26));
    return std::to_string(n - 51);
}

std::string TekstGrupNormowych(const TDaneZadania& zad)
{
    std::string tekst;
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(g)];
        if (!zad.Grupy[size_t(g)].Uzyta || k.Rodzaj == TRodzajGrupy::Niesklasyfikowana)
            continue;
        std::string rodzaj = "stałe";
        if (k.Rodzaj == TRodzajGrupy::Zmienne) {
            const std::string klucz = KluczKategorii(k.Kategoria);
            rodzaj = "zm. " + (klucz.size() == 1 ? klucz : std::string(NazwaKategorii(k.Kategoria))) +
                     (k.PoPrzeslach ? ", po przęsłach" : ", w całości");
        }
        tekst += (tekst.empty() ? "Grupy: " : ", ") + std::to_string(g + 1) + " " +
                 Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa) + " (" + rodzaj + ")";
    }
    return tekst;
}

std::string TekstPominietych(const TDaneZadania& zad, const TWyniki& wyn)
{
    std::string tekst;
    for (const int32_t g : wyn.Normowe.Pominiete)
        if (g >= 0 && g < TDaneZadania::MaxGrup)
            tekst += (tekst.empty() ? "Pominięte grupy (niesklasyfikowane): " : ", ") + std::to_string(g + 1) + " " +
                     Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa);
    return tekst;
}

void ArkuszNormowy(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, TWyjscia na, TPunktCm P,
                   TArkuszNormowy a)
{
    if (!SaNormowe(zad, wyn))
        return;
    const TNastawy& n = r.Nastawy;
    const TObwiednieNormowe& obw = wyn.Normowe;
    const std::string kN = n.PiszJednostki ? " [kN]" : "", kNm = n.PiszJednostki ? " [kNm]" : "";
    TLegenda legenda;
    const TPunktCm reakcje{P.X + n.ReakcjeX, P.Y + n.ReakcjeY};
    const TPunktCm srodek{P.X + n.PoprzeczneX, P.Y + n.PoprzeczneY};
    const TPunktCm momenty{P.X + n.MomentyX, P.Y + n.MomentyY};
    if (a == TArkuszNormowy::SGN) {
        const TObwiedniaNormowa& o = obw[TStanNormowy::SGN];
        WykresReakcjiNormowych(r, zad, o, na, reakcje, "REAKCJE" + kN, legenda);
        WykresSil(r, zad, o, na, srodek, LinieT, "SIŁY POPRZECZNE" + kN, legenda, Kolor::Bordowy, Kolor::Zielony);
        WykresSil(r, zad, o, na, momenty, LinieM, "MOMENTY" + kNm, legenda, Kolor::Granatowy, Kolor::Czerwony);
    } else {
        const TObwiedniaNormowa& o = obw[TStanNormowy::SGUCharakterystyczna];
        WykresReakcjiNormowych(r, zad, o, na, reakcje, "REAKCJE CHARAKTERYSTYCZNE" + kN, legenda);
        // The deflections take the shear forces' place (this sheet has none),
        // their axis raised so that the labels under it keep off the moments' title.
        WykresUgiecNormowych(r, zad, obw, na, {srodek.X, srodek.Y - 1.5}, legenda);
        WykresSil(r, zad, o, na, momenty, LinieM, "MOMENTY CHARAKTERYSTYCZNE" + kNm, legenda, Kolor::Granatowy,
                  Kolor::Czerwony);
    }
    Opis(r, zad, wyn, na, P, a, legenda);
}
