#include "drawing/Tekst.h"

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

// Strokes of every character; (x0, y0) the reference pixel, (px, py) where the pen starts.
void RysujZnaki(IPowierzchnia& p, const TCzcionka& czcionka, std::string_view tresc, double x0, double y0,
                double px, double py, double sx, double sy, double kat)
{
    const double c = std::cos(kat), s = std::sin(kat);
    auto Punkt = [&](double gx, double gy, double& x, double& y) {
        const double u = gx * sx + px - x0;
        const double v = gy * sy + py - y0;
        x = std::trunc(x0 + u * c - v * s);
        y = std::trunc(y0 - (u * s + v * c));
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
        px = std::trunc(px + g.Przesuniecie * sx);
    }
}

} // namespace

void Tekst(TRysowanie& r, TWyjscia na, TPunktCm P, double GruboscMm, int32_t Kolor, std::string_view Tresc,
           double Wysokosc, double Szerokosc, double Kat)
{
    const TWidok& w = r.Widok;
    const double X = P.X, Y = P.Y;
    const double kat = Kat * std::numbers::pi / 180;
    if (na.Ekran && r.Ekran) {
        IPowierzchnia& e = *r.Ekran;
        e.UstawPioro({Kolor, w.GruboscEkran(GruboscMm)});
        const double x0 = w.NaEkranXD(X);
        const double y0 = w.NaEkranYD(-Y);
        const double szerokoscPodgladu = 2 * w.EkranSrodekX;
        // Only the start is tested: a text beginning left or right of the
        // paint surface is left out whole, however much of it would show.
        if (x0 > -10 && x0 < szerokoscPodgladu + 1 && std::isfinite(y0)) {
            const double sx = Szerokosc * 12 / w.SkalaWidoku;
            const double sy = Wysokosc * 12 / w.SkalaWidoku;
            RysujZnaki(e, r.Czcionka, Tresc, x0, y0, x0, y0, sx, sy, kat);
        }
        e.UstawPioro({Kolor, 1});
    }
    if (na.Druk && r.Druk) {
        IPowierzchnia& d = *r.Druk;
        d.UstawPioro({Kolor, w.GruboscDruk(GruboscMm)});
        const double x0 = w.NaDrukXD(X);
        const double y0 = w.NaDrukYD(Y);
        // Pixels of a 300 dpi printer per font unit, truncated there, then
        // carried over to this printer's pixels: the page looks the same
        // whatever the resolution.
        const double sx300 = 1.4 * (std::trunc(DpiWzorcowe * Szerokosc / 2.54) * 2.54 / DpiWzorcowe);
        const double sy300 = 1.4 * (std::trunc(DpiWzorcowe * Wysokosc / 2.54) * 2.54 / DpiWzorcowe);
        const double sx = sx300 * w.DrukDpiX / DpiWzorcowe;
        const double sy = sy300 * w.DrukDpiY / DpiWzorcowe;
        RysujZnaki(d, r.Czcionka, Tresc, x0, y0, x0 + 2, y0 + 1, sx, sy, kat);
        d.UstawPioro({Kolor, 1});
    }
}

double DlugoscTekstu(const TCzcionka& czcionka, std::string_view Tresc, double Wsp)
{
    double suma = 0;
    const size_t ile = std::min(Tresc.size(), MaxDlugoscTekstu);
    for (size_t k = 0; k < ile; ++k)
        suma += czcionka[static_cast<unsigned char>(Tresc[k])].Przesuniecie;
    return 0.01 * Wsp * suma;
}

void Tytul(TRysowanie& r, TWyjscia na, TPunktCm P, int32_t Kolor, std::string_view Tresc, double Wysokosc)
{
    const TWidok& w = r.Widok;
    const double X = P.X, Y = P.Y;
    const std::string tresc(Tresc);
    if (na.Ekran && r.Ekran) {
        IPowierzchnia& e = *r.Ekran;
        const double h = std::trunc(Wysokosc * 1200 / w.SkalaWidoku);
        const double cx = w.NaEkranXD(X);
        const double cy = w.NaEkranYD(-Y);
        const TRozmiarPowierzchni rozmiar = e.Rozmiar();
        if (h > 12) {
            // Left out when it cannot reach the picture.
            const bool widoczny = h <= MaxWysokoscNapisu && std::isfinite(cx) && std::isfinite(cy) &&
                                  cx < rozmiar.Szerokosc && cy > 0 && cy - h < rozmiar.Wysokosc &&
                                  cx > -double(MaxDlugoscTekstu) * MaxWysokoscNapisu;
            if (widoczny && (cx >= 0 || cx + e.SzerokoscNapisu(tresc, {}, int32_t(h)) > 0))
                e.Napis(int32_t(cx), int32_t(cy - h), tresc, {}, int32_t(h), Kolor, BezWypelnienia);
        } else {
            // Too small to read: a grey box of about the text's size.
            const double szer = e.SzerokoscNapisu(tresc, {}, 12);
            e.UstawPioro({Kolor::Szary, e.Pioro().Grubosc});
            ProstokatNaPowierzchni(e, cx, cy - h, cx + std::trunc(szer * h / 12 * 0.9), cy, BezWypelnienia);
        }
    }
    if (na.Druk && r.Druk) {
        IPowierzchnia& d = *r.Druk;
        const double h = std::trunc(Wysokosc * 1.25 * w.DrukDpiY / 2.54);
        const double x = w.NaDrukXD(X);
        const double y = w.NaDrukYD(Y) - h;
        const TRozmiarPowierzchni rozmiar = d.Rozmiar();
        if (h > 0 && h <= MaxWysokoscNapisu && std::isfinite(x) && std::isfinite(y) && x < rozmiar.Szerokosc &&
            y < rozmiar.Wysokosc && y + h > 0 && x > -double(MaxDlugoscTekstu) * MaxWysokoscNapisu)
            d.Napis(int32_t(x), int32_t(y), tresc, "Tahoma", int32_t(h), Kolor, BezWypelnienia);
    }
}
