#include "drawing/Widocznosc.h"

#include "platform/TekstyLiczb.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/UkladEtykiet.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond the picture by this much a stroke of the widest pen the sheets use
// (0.6 mm) can still reach into it.
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
        const double szerokosc = std::max<double>(r.Ekran->Rozmiar().Szerokosc, 2 * w.EkranSrodekX);
        const double margines = w.GruboscEkran(MarginesPiora) + MarginesPikseli;
        p.EkranX1 = w.ZEkranuX(-margines);
        p.EkranX2 = w.ZEkranuX(szerokosc + margines);
        // A pixel wider than Tekst's own test on both sides; Tekst decides exactly.
        p.TekstX1 = w.ZEkranuX(-11);
        p.TekstX2 = w.ZEkranuX(2 * w.EkranSrodekX + 2);
        p.PikseleNaCm = 1000 / w.SkalaWidoku;
    }
    if (p.Druk)
        p.DrukX2 = (r.Druk->Rozmiar().Szerokosc + w.GruboscDruk(MarginesPiora) + MarginesPikseli) / w.DrukSkalaX;
    return p;
}

namespace {

// A text less than a pixel high on screen: all its strokes land on its
// reference pixel and the few around it, the advances truncating to nothing.
bool Kropka(const TPasWidoczny& pas, double Wysokosc)
{
    return !(std::fabs(Wysokosc) * pas.PikseleNaCm >= 1);
}

void RysujKropke(TRysowanie& r, TPunktCm P, double GruboscMm, int32_t Kolor)
{
    Linia(r, {.Ekran = true}, P, P, GruboscMm, Kolor);
}

} // namespace

void Etykieta(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor,
              double wartosc, std::string_view maska, std::string_view jednostka, double Wysokosc, double Szerokosc,
              double Kat, TPolozenieEtykiety polozenie, TUstep ustep)
{
    const bool druk = na.Druk && pas.NaDruku(P.X);
    const bool naEkranie = na.Ekran && pas.TekstNaEkranie(P.X);
    if (!naEkranie && !druk)
        return;
    const bool kropka = naEkranie && Kropka(pas, Wysokosc);
    const bool pod = polozenie == TPolozenieEtykiety::PodRzedna;
    if (kropka && !druk && !pod) {
        RysujKropke(r, P, GruboscMm, Kolor);
        return;
    }
    std::string tekst = FormatujMaska(wartosc, maska, r.Separator);
    tekst += jednostka;
    if (pod)
        P.Y += 1.25 * DlugoscTekstu(r.Czcionka, tekst, Szerokosc);
    if (kropka)
        RysujKropke(r, P, GruboscMm, Kolor);
    if (r.Etykiety) {
        // Drawn when the sheet is complete, clear of the others; a dot takes no room.
        if (const TWyjscia gdzie{naEkranie && !kropka, druk})
            r.Etykiety->Etykieta(r.Czcionka,
                                 {gdzie, P, GruboscMm, Kolor, std::move(tekst), Wysokosc, Szerokosc, Kat, ustep});
        return;
    }
    if (!kropka || druk)
        Tekst(r, {naEkranie && !kropka, druk}, P, GruboscMm, Kolor, tekst, Wysokosc, Szerokosc, Kat);
}

void TekstNaPasie(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor,
                  std::string_view Tresc, double Wysokosc, double Szerokosc)
{
    const bool druk = na.Druk && pas.NaDruku(P.X);
    bool ekran = na.Ekran && pas.TekstNaEkranie(P.X);
    if (ekran && Kropka(pas, Wysokosc)) {
        RysujKropke(r, P, GruboscMm, Kolor);
        ekran = false;
    }
    if (ekran || druk)
        Tekst(r, {ekran, druk}, P, GruboscMm, Kolor, Tresc, Wysokosc, Szerokosc, 0);
}

void Naglowek(TRysowanie& r, const TPasWidoczny& pas, TWyjscia na, TPunktCm P, std::string_view Tresc,
              double Wysokosc)
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

int32_t KolorGrupy(const TDaneZadania& zad, int32_t g)
{
    if (g < 0 || g >= TDaneZadania::MaxGrup)
        return Kolor::Czarny;
    return zad.Grupy[size_t(g)].Kolor;
}

int32_t IloscPrzeselRysunku(const TDaneZadania& zad)
{
    return std::clamp<int32_t>(zad.IloscPrzesel, 0, int32_t(zad.Przesla.size()));
}

void DlaWidocznychPrzesel(const TRysowanie& r, const TPasWidoczny& pas, const TDaneZadania& zad, TWyjscia na,
                          TPunktCm O, double zapas, const std::function<void(int32_t s, double xs, TWyjscia na)>& f)
{
    const double sx = r.Widok.SkalaRysunkuX;
    for (int32_t s = 0; s < IloscPrzeselRysunku(zad); ++s) {
        const TPrzeslo& p = zad.Przesla[size_t(s)];
        const double xs = p.X0 * sx + O.X;
        if (const TWyjscia przeslo = pas.Wyjscia(na, xs, xs + p.L * sx, zapas))
            f(s, xs, przeslo);
    }
}

TLamana::TLamana(TRysowanie& r, TWyjscia na, double GruboscMm, int32_t Kolor)
    : r_(r)
    , Kolor_(Kolor)
    , Grubosc_(GruboscMm)
{
    Ekran_.Rysuj = na.Ekran && r.Ekran;
    Druk_.Rysuj = na.Druk && r.Druk;
}

void TLamana::Dodaj(TWyjscie& w, bool ekran, double x, double y, double px, double py)
{
    if (w.Pierwszy) {
        w = {true, false, false, x, y, px, py, x, y};
        return;
    }
    if (px == w.PX && py == w.PY)
        return;
    Linia(r_, {ekran, !ekran}, {w.X, w.Y}, {x, y}, Grubosc_, Kolor_);
    w.X = x;
    w.Y = y;
    w.PX = px;
    w.PY = py;
    w.Narysowany = true;
}

void TLamana::Punkt(double x, double y)
{
    const TWidok& w = r_.Widok;
    if (Ekran_.Rysuj)
        Dodaj(Ekran_, true, x, y, w.NaEkranXD(x), w.NaEkranYD(-y));
    if (Druk_.Rysuj)
        Dodaj(Druk_, false, x, y, w.NaDrukXD(x), w.NaDrukYD(y));
}

void TLamana::Koniec()
{
    for (TWyjscie* w : {&Ekran_, &Druk_})
        if (w->Rysuj && !w->Pierwszy && !w->Narysowany) {
            Linia(r_, {w == &Ekran_, w == &Druk_}, {w->X0, w->Y0}, {w->X, w->Y}, Grubosc_, Kolor_);
            w->Narysowany = true;
        }
}
