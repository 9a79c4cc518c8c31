#include "drawing/Widocznosc.h"

#include "platform/TekstyLiczb.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond the picture by this much a stroke of the widest pen the sheets use
// (0.6 mm) can still reach into it.
constexpr double MarginesPiora = 0.6;
constexpr double MarginesPikseli = 4;

} // namespace

TPasWidoczny PasWidoczny(const TRysowanie& r, bool Ekran, bool Druk)
{
    TPasWidoczny p;
    const TWidok& w = r.Widok;
    p.Ekran = Ekran && r.Ekran;
    p.Druk = Druk && r.Druk;
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

void RysujKropke(TRysowanie& r, int32_t Kolor, double X, double Y, double GruboscMm)
{
    Linia(r, Kolor, true, X, Y, X, Y, GruboscMm, false);
}

} // namespace

void Etykieta(TRysowanie& r, const TPasWidoczny& pas, double wartosc, std::string_view maska,
              std::string_view jednostka, int32_t Kolor, double X, double Y, double Wysokosc, double Szerokosc,
              double GruboscMm, double Kat, bool Ekran, bool Druk, TPolozenieEtykiety polozenie)
{
    const bool druk = Druk && pas.NaDruku(X);
    const bool naEkranie = Ekran && pas.TekstNaEkranie(X);
    if (!naEkranie && !druk)
        return;
    const bool kropka = naEkranie && Kropka(pas, Wysokosc);
    const bool pod = polozenie == TPolozenieEtykiety::PodRzedna;
    if (kropka && !druk && !pod) {
        RysujKropke(r, Kolor, X, Y, GruboscMm);
        return;
    }
    std::string tekst = FormatujMaska(wartosc, maska, r.Separator);
    tekst += jednostka;
    if (pod)
        Y += 1.25 * DlugoscTekstu(r.Czcionka, tekst, Szerokosc);
    if (kropka)
        RysujKropke(r, Kolor, X, Y, GruboscMm);
    if (!kropka || druk)
        Tekst(r, tekst, Kolor, X, Y, Wysokosc, Szerokosc, GruboscMm, Kat, naEkranie && !kropka, druk);
}

void TekstNaPasie(TRysowanie& r, const TPasWidoczny& pas, std::string_view Tresc, int32_t Kolor, double X, double Y,
                  double Wysokosc, double Szerokosc, double GruboscMm, bool Ekran, bool Druk)
{
    const bool druk = Druk && pas.NaDruku(X);
    bool ekran = Ekran && pas.TekstNaEkranie(X);
    if (ekran && Kropka(pas, Wysokosc)) {
        RysujKropke(r, Kolor, X, Y, GruboscMm);
        ekran = false;
    }
    if (ekran || druk)
        Tekst(r, Tresc, Kolor, X, Y, Wysokosc, Szerokosc, GruboscMm, 0, ekran, druk);
}

void Naglowek(TRysowanie& r, const TPasWidoczny& pas, std::string_view Tresc, double X, double Y, double Wysokosc,
              bool Ekran, bool Druk)
{
    // No character of a system font is wider than its cell is high, 1.2 · Wysokosc.
    const double szerokosc = 1.2 * Wysokosc * double(Tresc.size());
    const bool ekran = Ekran && pas.NaEkranie(X, X + szerokosc);
    const bool druk = Druk && pas.NaDruku(X);
    if (ekran || druk)
        Tytul(r, Tresc, Kolor::Czarny, X, Y, Wysokosc, ekran, druk);
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

void DlaWidocznychPrzesel(const TRysowanie& r, const TDaneZadania& zad, const TPasWidoczny& pas, double ox,
                          double zapas, bool Ekran, bool Druk,
                          const std::function<void(int32_t s, double xs, TWyjscia na)>& f)
{
    const double sx = r.Widok.SkalaRysunkuX;
    for (int32_t s = 0; s < IloscPrzeselRysunku(zad); ++s) {
        const TPrzeslo& p = zad.Przesla[size_t(s)];
        const double xs = p.X0 * sx + ox;
        if (const TWyjscia na = pas.Wyjscia(xs, xs + p.L * sx, zapas, Ekran, Druk))
            f(s, xs, na);
    }
}

TLamana::TLamana(TRysowanie& r, int32_t Kolor, double GruboscMm, bool Ekran, bool Druk)
    : r_(r)
    , Kolor_(Kolor)
    , Grubosc_(GruboscMm)
{
    Ekran_.Rysuj = Ekran && r.Ekran;
    Druk_.Rysuj = Druk && r.Druk;
}

void TLamana::Dodaj(TWyjscie& w, bool ekran, double x, double y, double px, double py)
{
    if (w.Pierwszy) {
        w = {true, false, false, x, y, px, py, x, y};
        return;
    }
    if (px == w.PX && py == w.PY)
        return;
    Linia(r_, Kolor_, ekran, w.X, w.Y, x, y, Grubosc_, !ekran);
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
            Linia(r_, Kolor_, w == &Ekran_, w->X0, w->Y0, w->X, w->Y, Grubosc_, w == &Druk_);
            w->Narysowany = true;
        }
}
