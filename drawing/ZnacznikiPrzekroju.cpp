#include "drawing/ZnacznikiPrzekroju.h"

#include "analysis/Przekroj.h"
#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "drawing/Wykresy.h"
#include "model/Zadanie.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Labels whose corner lies farther off the surface are not drawn: nothing
// of them could show, and text far outside the device is not worth the painter's time.
constexpr double MarginesNapisu = 2000;
struct TZnacznik {
    const TRysowanieNakladki& r;
    IPowierzchnia& p;
    int32_t tekstX; // where the labels start
    TPunktCm O;     // the diagram's origin

    void Napis(double wiersz, const std::string& tekst) const
    {
        const TRozmiarPowierzchni rozmiar = p.Rozmiar();
        if (!std::isfinite(wiersz) || wiersz < -MarginesNapisu || wiersz > rozmiar.Wysokosc + MarginesNapisu ||
            tekstX < -MarginesNapisu || tekstX > rozmiar.Szerokosc + MarginesNapisu)
            return;
        p.Napis(tekstX, int32_t(wiersz), tekst,
                {.Wysokosc = WysokoscNapisuZnacznika, .Kolor = Kolor::Czarny, .Tlo = Kolor::Zolty});
    }
    // The row of a sheet y (cm).
    double Wiersz(double y) const { return r.Widok.NaEkranYD(-y); }
};

TZnacznik Linia(const TRysowanieNakladki& r, IPowierzchnia& p, TPunktCm O, const TPrzekroj& przekroj)
{
    const TWidok& w = r.Widok;
    const double x = O.X + przekroj.XGlobalne * w.SkalaRysunkuX;
    const TZnacznik z{r, p, w.NaEkranX(x + 0.2), O};
    p.UstawPioro({Kolor::Czerwony, 1});
    OdcinekNaPowierzchni(p, w.NaEkranXD(x), z.Wiersz(O.Y - 2), w.NaEkranXD(x), z.Wiersz(O.Y + 2));
    z.Napis(z.Wiersz(O.Y - 3), "x [m] = " + FormatujMaska(przekroj.X, Maska::Wartosc, r.Separator));
    return z;
}

} // namespace

void ZnacznikiPrzekroju(const TRysowanieNakladki& r, const TDaneZadania& zad, const TWyniki& wyn, const TPokazuj& pokaz,
                        const TSilyPrzekroju& sily)
{
    IPowierzchnia& p = r.Ekran;
    const TNastawy& n = r.Nastawy;
    const double kM = SkalaWykresu(r.Nastawy, r.Widok, wyn, true);  // sheet cm per kNm, positive down
    const double kT = SkalaWykresu(r.Nastawy, r.Widok, wyn, false); // per kN, negative: positive values up
    const auto wartosc = [&](double v) { return FormatujMaska(v, Maska::Wartosc, r.Separator); };
    // The font height value of the labels (−11) less 2 or 1 pixels: a label
    // ending at the ordinate rather than starting there.
    constexpr int32_t NadRzedna = 13;
    constexpr int32_t NadRzednaObwiedni = 12;
    constexpr int32_t PodRzedna = 1;

    const int32_t K = std::min<int32_t>(int32_t(sily.M.size()), IloscWynikow(zad, wyn));
    for (int32_t c = 0; c < K; ++c) {
        const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
        if (pokaz.Momenty) {
            const TZnacznik z = Linia(r, p, {P.x + n.MomentyX, P.y + n.MomentyY}, sily.Przekroj);
            z.Napis(z.Wiersz(z.O.Y + sily.M[size_t(c)] * kM), "M [kNm] = " + sily.TekstyM[size_t(c)]);
        }
        if (pokaz.SilyPoprzeczne) {
            const TZnacznik z = Linia(r, p, {P.x + n.PoprzeczneX, P.y + n.PoprzeczneY}, sily.Przekroj);
            // The shear label reads kNm, as the program has always written it.
            z.Napis(z.Wiersz(z.O.Y + sily.T[size_t(c)] * kT) - NadRzedna, "T [kNm] = " + sily.TekstyT[size_t(c)]);
        }
    }

    // The envelope sheet is drawn only from an analysis of two or more combinations.
    if (!sily.SaEkstrema || wyn.IloscPoliczonych < 2)
        return;
    const TPunktArkusza P = zad.PolozenieObwiedni;
    const TZnacznik m = Linia(r, p, {P.x + n.MomentyX, P.y + n.MomentyY}, sily.Przekroj);
    m.Napis(m.Wiersz(m.O.Y + sily.MaxM * kM) + PodRzedna, "Max [kNm] = " + wartosc(sily.MaxM));
    m.Napis(m.Wiersz(m.O.Y + sily.MinM * kM) - NadRzednaObwiedni, "Min [kNm] = " + wartosc(sily.MinM));
    const TZnacznik t = Linia(r, p, {P.x + n.PoprzeczneX, P.y + n.PoprzeczneY}, sily.Przekroj);
    t.Napis(t.Wiersz(t.O.Y + sily.MaxT * kT) - NadRzednaObwiedni, "T1 [kN] = " + wartosc(sily.MaxT));
    t.Napis(t.Wiersz(t.O.Y + sily.MinT * kT) + PodRzedna, "T2 [kN] = " + wartosc(sily.MinT));
}
