#include "drawing/Schemat.h"

#include "analysis/Wyniki.h"
#include "platform/TekstyLiczb.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/Widocznosc.h"
#include "drawing/Wykresy.h"
#include "model/Zadanie.h"

#include <cmath>
#include <string>

namespace {

constexpr int32_t SzaryPodgladu = Rgb(150, 150, 150);
constexpr double PioroStrzalek = 0.2;
constexpr double PioroEtykiet = 0.1;
constexpr std::string_view MaskaObciazen = "########.##";
constexpr std::string_view MaskaPretow = "##0.00";

// Room a symbol or a label start may take beside the point it stands on.
constexpr double Zapas = 1.0;

std::string EtykietaWymiaru(const TRysowanie& r, double L)
{
    std::string tekst = FormatujStale(L, 2, 12, r.Separator);
    if (r.Nastawy.PiszJednostki)
        tekst += 'm';
    return tekst;
}

enum class TStylObciazen { WKolorachGrup, Grupami, Podglad };

void RysujObciazenia(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                     TStylObciazen styl)
{
    const TNastawy& n = r.Nastawy;
    const double s = r.Widok.SkalaRysunkuX;
    const double k = n.SkalaSil;
    const double t = n.WysokoscCzcionki, w = n.SzerokoscCzcionki;
    const bool jednostki = n.PiszJednostki;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    const auto kolor = [&](int32_t g) { return styl == TStylObciazen::Podglad ? SzaryPodgladu : KolorGrupy(zad, g); };
    // Each group on its own level one centimetre above the previous; a group
    // index outside the table stays on the axis.
    const auto os = [&](int32_t g) {
        const bool poziom = styl == TStylObciazen::Grupami && g > 0 && g < TDaneZadania::MaxGrup;
        return poziom ? Oy - g * 1.0 : Oy;
    };
    // Outputs a load over sheet x from x1 to x2 can reach, its arrows
    // spreading `szer` beside it.
    bool ekran = false, druk = false;
    const auto widoczne = [&](double x1, double x2, double szer) {
        const double m = std::fabs(szer) + Zapas;
        ekran = Ekran && pas.NaEkranie(std::fmin(x1, x2) - m, std::fmax(x1, x2) + m);
        druk = Druk && pas.NaDruku(std::fmin(x1, x2) - m);
        return ekran || druk;
    };

    for (const TSila& f : zad.SilyKomb) {
        if (!f.Uzyta)
            continue;
        const double x = Ox + f.XAbs * s, P = f.Wartosc * k, y = os(f.Grupa);
        if (!widoczne(x, x, 0.06 * P))
            continue;
        const int32_t kol = kolor(f.Grupa);
        StrzalkaSily(r, kol, ekran, x, y, P, P, PioroStrzalek, PioroStrzalek, druk);
        Etykieta(r, pas, f.Wartosc, MaskaObciazen, jednostki ? "kN" : "", kol, x + 0.05, y - 0.65 * P, t, w,
                 PioroEtykiet, 0, ekran, druk);
    }
    for (const TLiniowe& q : zad.LinioweKomb) {
        if (!q.Uzyta)
            continue;
        const double x1 = Ox + q.X1Abs * s, x2 = Ox + q.X2Abs * s, h = q.Wartosc * k, y = os(q.Grupa);
        if (!widoczne(x1, x2, 0.08 * h))
            continue;
        const int32_t kol = kolor(q.Grupa);
        ObciazenieRownomierne(r, kol, ekran, x1, x2, y, h, h, PioroStrzalek, PioroStrzalek, druk);
        Etykieta(r, pas, q.Wartosc, MaskaObciazen, jednostki ? "kN/m" : "", kol, x1, y - 1.25 * h, t, w,
                 PioroEtykiet, 0, ekran, druk);
    }
    for (const TTrojkat& q : zad.TrojkatyKomb) {
        if (!q.Uzyta)
            continue;
        const double x1 = Ox + q.X1Abs * s, x2 = Ox + q.X2Abs * s, y = os(q.Grupa);
        const double lewa = double(q.WartoscStala) + q.WartoscMalejaca;
        const double prawa = double(q.WartoscStala) + q.WartoscRosnaca;
        const double h = (double(q.WartoscStala) + q.WartoscMalejaca + q.WartoscRosnaca) * k;
        if (!widoczne(x1, x2, 0.08 * h))
            continue;
        const int32_t kol = kolor(q.Grupa);
        ObciazenieTrapezowe(r, kol, ekran, x1, x2, y, lewa * k, prawa * k, h, h, PioroStrzalek, PioroStrzalek, druk);
        // The zero end of a triangle has no label; an upward load keeps its values.
        if (std::fabs(lewa) > 0.001)
            Etykieta(r, pas, lewa, MaskaObciazen, jednostki ? "kN/m" : "", kol, x1, y - 1.25 * lewa * k, t, w,
                     PioroEtykiet, 0, ekran, druk);
        if (std::fabs(prawa) > 0.001)
            Etykieta(r, pas, prawa, MaskaObciazen, jednostki ? "kN/m" : "", kol, x2, y - 1.25 * prawa * k, t, w,
                     PioroEtykiet, 0, ekran, druk);
    }
    for (const TMoment& m : zad.MomentyKomb) {
        if (!m.Uzyta)
            continue;
        const double x = Ox + m.XAbs * s, M = m.Wartosc * k, y = os(m.Grupa);
        if (!widoczne(x, x, 1.25 * M))
            continue;
        const int32_t kol = kolor(m.Grupa);
        if (m.Wartosc > 0)
            MomentPrawoskretny(r, kol, ekran, x, y, M, M, PioroStrzalek, PioroStrzalek, druk);
        else
            MomentLewoskretny(r, kol, ekran, x, y, M, M, PioroStrzalek, PioroStrzalek, druk);
        Etykieta(r, pas, m.Wartosc, MaskaObciazen, jednostki ? "kNm" : "", kol, x, y - 1.2 * M, t, w, PioroEtykiet, 0,
                 ekran, druk);
    }
}

} // namespace

void SchematBelki(TRysowanie& r, const TDaneZadania& zad, int32_t Kolor, bool Ekran, double Ox, double Oy, double p1,
                  double p2, double p3, bool Druk)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    if (N < 1)
        return;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    const double s = r.Widok.SkalaRysunkuX;
    const double t = r.Nastawy.WysokoscCzcionki, w = r.Nastawy.SzerokoscCzcionki;
    for (int32_t i = 0; i < N; ++i) {
        const TPrzeslo& p = zad.Przesla[size_t(i)];
        const double x1 = Ox + p.X0 * s, x2 = x1 + p.L * s;
        // The dimension's label is centred on the span and may be wider than it.
        const double polowaEtykiety = DlugoscTekstu(r.Czcionka, EtykietaWymiaru(r, p.L), t) / 2;
        const double srodek = (x1 + x2) / 2;
        const double od = std::fmin(x1, srodek - polowaEtykiety) - Zapas;
        const bool ekran = Ekran && pas.NaEkranie(od, std::fmax(x2, srodek + polowaEtykiety) + Zapas);
        const bool druk = Druk && pas.NaDruku(od);
        if (ekran || druk)
            PrzesloSchemat(r, Kolor, p.TypPodpor, x1, Oy, p.L, p1, p2, p3, ekran, druk);
        TekstNaPasie(r, pas, std::to_string(i + 1), Kolor, Ox + (p.X0 + p.L / 2) * s, Oy + 1.25 * t, t, w, p1, Ekran, Druk);
    }
    const double yPodpor = Oy + 1.25 * t + 0.5;
    const TPrzeslo& ostatnie = zad.Przesla[size_t(N) - 1];
    TekstNaPasie(r, pas, "A", Kolor, Ox, yPodpor, t, w, p1, Ekran, Druk);
    TekstNaPasie(r, pas, "B", Kolor, Ox + (ostatnie.X0 + ostatnie.L) * s, yPodpor, t, w, p1, Ekran, Druk);
    for (int32_t j = 0; j + 1 < N; ++j) {
        const TPrzeslo& p = zad.Przesla[size_t(j)];
        TekstNaPasie(r, pas, std::to_string(j + 1), Kolor, Ox + (p.X0 + p.L) * s, yPodpor, t, w, p1, Ekran, Druk);
    }
}

namespace {
// Where the end symbols of a span or bar stand: the two ends and the symbol size.
struct TKonce {
    double Lewy, Prawy, Rozmiar;
};

// The supports of an end-condition code: codes 1-4 at `oba`, a lone fixed end (5, 6) at `sam`;
// a code no dialog sets draws none.
void PodporyKoncow(TRysowanie& r, int32_t Kolor, int32_t Typ, TKonce oba, TKonce sam, double Oy, double p1, double p2,
                   bool Ekran, bool Druk)
{
    const double d = oba.Rozmiar, D = sam.Rozmiar;
    switch (Typ) {
    case 1:
        PodporaPrzesuwna(r, Kolor, Ekran, oba.Lewy, Oy, d, d, p1, p2, Druk);
        PodporaStala(r, Kolor, Ekran, oba.Prawy, Oy, d, d, p1, p2, Druk);
        break;
    case 2:
        UtwierdzenieLewe(r, Kolor, Ekran, oba.Lewy, Oy, d, d, p1, p2, Druk);
        PodporaPrzesuwna(r, Kolor, Ekran, oba.Prawy, Oy, d, d, p1, p2, Druk);
        break;
    case 3:
        PodporaPrzesuwna(r, Kolor, Ekran, oba.Lewy, Oy, d, d, p1, p2, Druk);
        UtwierdzeniePrawe(r, Kolor, Ekran, oba.Prawy, Oy, d, d, p1, p2, Druk);
        break;
    case 4:
        UtwierdzenieLewe(r, Kolor, Ekran, oba.Lewy, Oy, d, d, p1, p2, Druk);
        UtwierdzeniePrawe(r, Kolor, Ekran, oba.Prawy, Oy, d, d, p1, p2, Druk);
        break;
    case 5:
        UtwierdzenieLewe(r, Kolor, Ekran, sam.Lewy, Oy, D, D, p1, p2, Druk);
        break;
    case 6:
        UtwierdzeniePrawe(r, Kolor, Ekran, sam.Prawy, Oy, D, D, p1, p2, Druk);
        break;
    default:
        break;
    }
}
} // namespace

void PrzesloSchemat(TRysowanie& r, int32_t Kolor, int32_t TypPodpor, double x1, double Oy, double L, double p1,
                    double p2, double /*p3: not used by the span*/, bool Ekran, bool Druk)
{
    const double x2 = x1 + L * r.Widok.SkalaRysunkuX;
    constexpr double d = 0.4;
    PodporyKoncow(r, Kolor, TypPodpor, {x1, x2, d}, {x1, x2, d}, Oy, p1, p2, Ekran, Druk);
    Linia(r, Kolor, Ekran, x1, Oy, x2, Oy, p2, Druk);
    Wymiar(r, EtykietaWymiaru(r, L), Kolor, x1, x2, Oy + 1.5, 0.1, 0.2, Ekran, Druk);
}

void ObciazeniaSchemat(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                       double /*p1*/, double /*p2*/, double /*p3*/)
{
    RysujObciazenia(r, zad, Ekran, Druk, Ox, Oy, TStylObciazen::WKolorachGrup);
}

void ObciazeniaSchematGrupami(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                              double /*p1*/, double /*p2*/, double /*p3*/)
{
    RysujObciazenia(r, zad, Ekran, Druk, Ox, Oy, TStylObciazen::Grupami);
}

void ObciazeniaPodglad(TRysowanie& r, const TDaneZadania& zad, bool Ekran, bool Druk, double Ox, double Oy,
                       double /*p1*/, double /*p2*/, double /*p3*/)
{
    RysujObciazenia(r, zad, Ekran, Druk, Ox, Oy, TStylObciazen::Podglad);
}

void SchematPretow(TRysowanie& r, const TDaneZadania& zad, int32_t Kolor, bool Ekran, double Ox, double Oy, double p1,
                   double p2, double p3, bool Druk)
{
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    const double s = r.Widok.SkalaRysunkuX;
    const double t = 0.8 * r.Nastawy.WysokoscCzcionki, w = 0.8 * r.Nastawy.SzerokoscCzcionki;
    const int32_t N = IloscPrzeselRysunku(zad);
    for (int32_t i = 0; i < N; ++i) {
        const TPrzeslo& p = zad.Przesla[size_t(i)];
        const double x1 = Ox + p.X0 * s;
        const double od = std::fmin(x1, x1 + p.L * s) - Zapas;
        const bool ekran = Ekran && pas.NaEkranie(od, std::fmax(x1, x1 + p.L * s) + Zapas);
        const bool druk = Druk && pas.NaDruku(od);
        if (ekran || druk)
            PretSchemat(r, Kolor, p.TypPrzesla, x1, Oy, p.L, p1, p2, p3, ekran, druk);
        TekstNaPasie(r, pas, std::to_string(i + 1), Kolor, Ox + (p.X0 + p.L / 2) * s, Oy + 1.25 * t, t, w, p1, Ekran, Druk);
    }
}

void PretSchemat(TRysowanie& r, int32_t Kolor, int32_t TypPrzesla, double x1, double Oy, double L, double p1,
                 double p2, double /*p3: not used by the bar*/, bool Ekran, bool Druk)
{
    const double Ls = L * r.Widok.SkalaRysunkuX;
    const double xa = x1 + 0.2 * Ls, xb = x1 + 0.8 * Ls;
    constexpr double d = 0.15, D = 0.4;
    PodporyKoncow(r, Kolor, TypPrzesla, {xa, xb, d}, {x1, x1 + Ls, D}, Oy, p1, p2, Ekran, Druk);
    Linia(r, Kolor, Ekran, xa, Oy, xb, Oy, p2, Druk);
}

void SilyPretow(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t Kolor, int32_t c, bool Ekran,
                double Ox, double Oy, double p1, double p2, double p3, bool Druk)
{
    if (c < 0 || c >= IloscWynikow(zad, wyn))
        return;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    DlaWidocznychPrzesel(r, zad, pas, Ox, Zapas, Ekran, Druk, [&](int32_t i, double, TWyjscia na) {
        PretSily(r, zad, wyn, Kolor, c, i, na.Ekran, Ox, Oy, p1, p2, p3, na.Druk);
    });
}

void PretSily(TRysowanie& r, const TDaneZadania& zad, const TWyniki& wyn, int32_t Kolor, int32_t c, int32_t s,
              bool Ekran, double Ox, double Oy, double p1, double p2, double /*p3*/, bool Druk)
{
    if (c < 0 || c >= IloscWynikow(zad, wyn) || s < 0 || s >= IloscPrzeselRysunku(zad))
        return;
    const TPasWidoczny pas = PasWidoczny(r, Ekran, Druk);
    const TPrzeslo& p = zad.Przesla[size_t(s)];
    const double x1 = Ox + p.X0 * r.Widok.SkalaRysunkuX;
    const double Ls = p.L * r.Widok.SkalaRysunkuX;
    const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
    const TSilyPrzesla& f = wyn.SilyKoncowe[size_t(c)][size_t(s)];
    const auto etykieta = [&](double v, double x, double y) {
        Etykieta(r, pas, v, MaskaPretow, "", Kolor, x, y, 0.25, 0.2, p1, 0, Ekran, Druk);
    };
    const auto reakcja = [&](double x) { StrzalkaReakcji(r, Kolor, Ekran, x, Oy + 0.3, 0.8, 0.8, p1, p2, Druk); };
    switch (p.TypPrzesla) {
    case 1:
        reakcja(x1 + 0.2 * Ls);
        reakcja(x1 + 0.8 * Ls);
        break;
    case 2:
    case 3:
    case 4:
        if (std::fabs(m.MomentUtwL) > 0.001) {
            if (m.MomentUtwL > 0)
                MomentPodwojnyD(r, Kolor, Ekran, x1 + 0.05 * Ls, Oy, 0.35, 0.2, p1, p2, Druk);
            else
                MomentPodwojnyB(r, Kolor, Ekran, x1 + 0.15 * Ls, Oy, 0.35, 0.2, p1, p2, Druk);
            etykieta(m.MomentUtwL, x1 + 0.1 * Ls, Oy - 0.5);
        }
        if (std::fabs(m.MomentUtwP) > 0.001) {
            etykieta(m.MomentUtwP, x1 + 0.8 * Ls, Oy - 0.5);
            // The arc turns the way the moment does, mirrored as at the left end.
            if (m.MomentUtwP > 0)
                MomentPodwojnyD(r, Kolor, Ekran, x1 + 0.85 * Ls, Oy, 0.35, 0.2, p1, p2, Druk);
            else
                MomentPodwojnyB(r, Kolor, Ekran, x1 + 0.95 * Ls, Oy, 0.35, 0.2, p1, p2, Druk);
        }
        if (std::fabs(f.ReakcjaUtwL) > 0.001) {
            reakcja(x1 + 0.2 * Ls);
            etykieta(f.ReakcjaUtwL, x1 + 0.25 * Ls, Oy + 0.8);
        }
        if (std::fabs(f.ReakcjaUtwP) > 0.001) {
            reakcja(x1 + 0.8 * Ls);
            etykieta(f.ReakcjaUtwP, x1 + 0.85 * Ls, Oy + 0.8);
        }
        break;
    case 5:
        UtwierdzenieLewe(r, Kolor, Ekran, x1, Oy, 0.4, 0.4, p1, p2, Druk);
        break;
    case 6:
        UtwierdzeniePrawe(r, Kolor, Ekran, x1 + Ls, Oy, 0.4, 0.4, p1, p2, Druk);
        break;
    default:
        break;
    }
}
