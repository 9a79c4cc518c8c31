#include "drawing/Widocznosc.h"

#include "drawing/EkranArkusza.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "model/Zadanie.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond the page by this much a stroke of the widest pen the sheets use
// (0.6 mm) can still reach onto it.
constexpr double MarginesPiora = 0.6;
constexpr double MarginesPikseli = 4;

} // namespace

TPasWidoczny PasWidoczny(const TRysowanie& r, TWyjscia na)
{
    TPasWidoczny p;
    const TWidok& w = r.Widok;
    p.Ekran = na.Ekran && r.Ekran;
    p.Druk = na.Druk && r.Druk;
    if (p.Ekran) {
        const TZasiegEkranu z = r.Ekran->Zasieg();
        p.EkranX1 = z.X1;
        p.EkranX2 = z.X2;
        p.TekstX1 = z.TekstX1;
        p.TekstX2 = z.TekstX2;
    }
    if (p.Druk)
        p.DrukX2 = (r.Druk->Rozmiar().Szerokosc + w.GruboscDruk(MarginesPiora) + MarginesPikseli) / w.DrukSkalaX;
    return p;
}

void Etykieta(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, const TEtykieta& e)
{
    const bool druk = na.Druk && pas.NaDruku(e.P.X);
    const bool ekran = na.Ekran && pas.TekstNaEkranie(e.P.X);
    if (!ekran && !druk)
        return;
    std::string tekst = FormatujMaska(e.Wartosc, e.Maska, r.Separator);
    tekst += e.Jednostka;
    TPunktCm P = e.P;
    if (e.Polozenie == TPolozenieEtykiety::PodRzedna)
        P.Y += 1.25 * DlugoscTekstu(r.Czcionka, tekst, e.Styl.Szerokosc);
    if (r.Etykiety) {
        // Drawn when the sheet is complete, clear of the others.
        r.Etykiety->Etykieta(r.Czcionka, {{ekran, druk}, P, e.Styl, std::move(tekst), e.Ustep});
        return;
    }
    TekstEtykiety(r, {ekran, druk}, P, e.Styl, tekst);
}

void TekstNaPasie(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, const TStylTekstu& styl,
                  std::string_view Tresc)
{
    const bool druk = na.Druk && pas.NaDruku(P.X);
    const bool ekran = na.Ekran && pas.TekstNaEkranie(P.X);
    if (ekran || druk)
        TekstEtykiety(r, {ekran, druk}, P, styl, Tresc);
}

void Naglowek(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, std::string_view Tresc, double Wysokosc)
{
    // No character of a system font is wider than its cell is high, 1.2 · Wysokosc.
    const double szerokosc = 1.2 * Wysokosc * double(Tresc.size());
    const bool ekran = na.Ekran && pas.NaEkranie(P.X, P.X + szerokosc);
    const bool druk = na.Druk && pas.NaDruku(P.X);
    // Whether it shows or not: the labels of the sheet keep clear of it alike.
    if (r.Etykiety)
        r.Etykiety->Tytul(RamkaTytulu(Tresc, P, Wysokosc));
    if (ekran || druk)
        Tytul(r, {ekran, druk}, P, Kolor::Czarny, Tresc, Wysokosc);
}

TKolor KolorGrupy(const TDaneZadania& zad, int32_t g)
{
    if (g < 0 || g >= TDaneZadania::MaxGrup)
        return Kolor::Czarny;
    return TKolor::ZBgr(zad.Grupy[size_t(g)].Kolor);
}

int32_t IloscPrzeselRysunku(const TDaneZadania& zad)
{
    return std::clamp<int32_t>(zad.IloscPrzesel, 0, int32_t(zad.Przesla.size()));
}

void DlaWidocznychPrzesel(const TRysowanie& r, const TPasWidoczny& pas, const TDaneZadania& zad, TPunktCm O,
                          double zapas, const std::function<void(int32_t s, double xs, TWyjscia na)>& f)
{
    const double sx = r.Widok.SkalaRysunkuX;
    for (int32_t s = 0; s < IloscPrzeselRysunku(zad); ++s) {
        const TPrzeslo& p = zad.Przesla[size_t(s)];
        const double xs = p.X0 * sx + O.X;
        if (const TWyjscia przeslo = pas.Wyjscia(xs, xs + p.L * sx, zapas))
            f(s, xs, przeslo);
    }
}

TLamana::TLamana(TRysowanie& r, TWyjscia na, TPioroArkusza pioro)
    : r_(r)
    , pioro_(pioro)
    , ekran_(na.Ekran && r.Ekran)
    , druk_(na.Druk && r.Druk)
{
}

void TLamana::Punkt(double x, double y)
{
    if (ekran_)
        punkty_.push_back({x, y});
    if (!druk_)
        return;
    const TWidok& w = r_.Widok;
    const double px = w.NaDrukXD(x), py = w.NaDrukYD(y);
    if (pierwszy_) {
        pierwszy_ = false;
        x_ = x0_ = x;
        y_ = y0_ = y;
        px_ = px;
        py_ = py;
        return;
    }
    if (px == px_ && py == py_)
        return;
    Linia(r_, {.Druk = true}, {x_, y_}, {x, y}, pioro_);
    x_ = x;
    y_ = y;
    px_ = px;
    py_ = py;
    narysowany_ = true;
}

void TLamana::Koniec()
{
    if (ekran_) {
        r_.Ekran->Lamana(punkty_, pioro_);
        punkty_.clear();
    }
    if (druk_ && !pierwszy_ && !narysowany_) {
        Linia(r_, {.Druk = true}, {x0_, y0_}, {x_, y_}, pioro_);
        narysowany_ = true;
    }
}
