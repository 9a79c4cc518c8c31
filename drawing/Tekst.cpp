#include "drawing/Tekst.h"

#include "drawing/EkranArkusza.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// The printed stroke text keeps the size it has on a printer of this resolution.
constexpr double DpiWzorcowe = 300;
// A system font larger than this could not be seen whole anyway, and
// enormous fonts are slow to lay out.
constexpr double MaxWysokoscNapisu = 32767;

void TekstNaDruku(TRysowanie& r, TPunktCm P, const TStylTekstu& styl, std::string_view Tresc)
{
    const TWidok& w = r.Widok;
    IPowierzchnia& d = *r.Druk;
    d.UstawPioro({styl.Pioro.Kolor, w.GruboscDruk(styl.Pioro.Grubosc)});
    const double x0 = w.NaDrukXD(P.X);
    const double y0 = w.NaDrukYD(P.Y);
    // Pixels of a 300 dpi printer per font unit, truncated there, then
    // carried over to this printer's pixels: the page looks the same
    // whatever the resolution.
    const double sx300 = 1.4 * (std::trunc(DpiWzorcowe * styl.Szerokosc / 2.54) * 2.54 / DpiWzorcowe);
    const double sy300 = 1.4 * (std::trunc(DpiWzorcowe * styl.Wysokosc / 2.54) * 2.54 / DpiWzorcowe);
    RysujZnaki(d, r.Czcionka, Tresc,
               {.X0 = x0,
                .Y0 = y0,
                .PX = x0 + 2,
                .PY = y0 + 1,
                .SX = sx300 * w.DrukDpiX / DpiWzorcowe,
                .SY = sy300 * w.DrukDpiY / DpiWzorcowe,
                .Kat = styl.Kat * std::numbers::pi / 180});
    d.UstawPioro({styl.Pioro.Kolor, 1});
}

} // namespace

void RysujZnaki(IPowierzchnia& p, const TCzcionka& czcionka, std::string_view tresc, TZnakiNaPowierzchni z)
{
    const double c = std::cos(z.Kat), s = std::sin(z.Kat);
    auto Punkt = [&](double gx, double gy, double& x, double& y) {
        const double u = gx * z.SX + z.PX - z.X0;
        const double v = gy * z.SY + z.PY - z.Y0;
        x = std::trunc(z.X0 + u * c - v * s);
        y = std::trunc(z.Y0 - (u * s + v * c));
    };
    const size_t ile = std::min(tresc.size(), MaxDlugoscTekstu);
    for (size_t k = 0; k < ile; ++k) {
        const Glif& g = czcionka[static_cast<unsigned char>(tresc[k])];
        const int32_t n = KreskiGlifu(g);
        for (int32_t i = 0; i < n; ++i) {
            double xa, ya, xb, yb;
            Punkt(g.X1[i], g.Y1[i], xa, ya);
            Punkt(g.X2[i], g.Y2[i], xb, yb);
            OdcinekNaPowierzchni(p, xa, ya, xb, yb);
        }
        // Whole pixels after every character, as the pen moves on screen.
        z.PX = std::trunc(z.PX + g.Przesuniecie * z.SX);
    }
}

void Tekst(TRysowanie& r, TWyjscia na, TPunktCm P, const TStylTekstu& styl, std::string_view Tresc)
{
    if (na.Ekran && r.Ekran)
        r.Ekran->Tekst(P, styl, Tresc, false);
    if (na.Druk && r.Druk)
        TekstNaDruku(r, P, styl, Tresc);
}

void TekstEtykiety(TRysowanie& r, TWyjscia na, TPunktCm P, const TStylTekstu& styl, std::string_view Tresc)
{
    if (na.Ekran && r.Ekran)
        r.Ekran->Tekst(P, styl, Tresc, true);
    if (na.Druk && r.Druk)
        TekstNaDruku(r, P, styl, Tresc);
}

double DlugoscTekstu(const TCzcionka& czcionka, std::string_view Tresc, double Wsp)
{
    double suma = 0;
    const size_t ile = std::min(Tresc.size(), MaxDlugoscTekstu);
    for (size_t k = 0; k < ile; ++k)
        suma += czcionka[static_cast<unsigned char>(Tresc[k])].Przesuniecie;
    return 0.01 * Wsp * suma;
}

void Tytul(TRysowanie& r, TWyjscia na, TPunktCm P, TKolor Kolor, std::string_view Tresc, double Wysokosc)
{
    if (na.Ekran && r.Ekran)
        r.Ekran->Tytul(P, Kolor, Tresc, Wysokosc);
    if (na.Druk && r.Druk) {
        const TWidok& w = r.Widok;
        IPowierzchnia& d = *r.Druk;
        const double h = std::trunc(Wysokosc * 1.25 * w.DrukDpiY / 2.54);
        const double x = w.NaDrukXD(P.X);
        const double y = w.NaDrukYD(P.Y) - h;
        const TRozmiarPowierzchni rozmiar = d.Rozmiar();
        if (h > 0 && h <= MaxWysokoscNapisu && std::isfinite(x) && std::isfinite(y) && x < rozmiar.Szerokosc &&
            y < rozmiar.Wysokosc && y + h > 0 && x > -double(MaxDlugoscTekstu) * MaxWysokoscNapisu)
            d.Napis(int32_t(x), int32_t(y), std::string(Tresc),
                    {.KrojPisma = "Tahoma", .Wysokosc = int32_t(h), .Kolor = Kolor});
    }
}
