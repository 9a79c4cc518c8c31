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

constexpr TKolor SzaryPodgladu = Rgb(150, 150, 150);
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

void RysujObciazenia(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O, TStylObciazen styl)
{
    const double Ox = O.X, Oy = O.Y;
    const TNastawy& n = r.Nastawy;
    const double s = r.Widok.SkalaRysunkuX;
    const double k = n.SkalaSil;
    const bool jednostki = n.PiszJednostki;
    const TPasWidoczny pas = PasWidoczny(r, na);
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
        ekran = na.Ekran && pas.NaEkranie(std::fmin(x1, x2) - m, std::fmax(x1, x2) + m);
        druk = na.Druk && pas.NaDruku(std::fmin(x1, x2) - m);
        return ekran || druk;
    };
    // The value of a load in its group's colour at P.
    const auto etykieta = [&](TPunktCm P, TKolor kol, double wartosc, std::string_view jednostka) {
        Etykieta(r, pas, {ekran, druk},
                 {.P = P,
                  .Styl = {{PioroEtykiet, kol}, n.WysokoscCzcionki, n.SzerokoscCzcionki},
                  .Wartosc = wartosc,
                  .Maska = MaskaObciazen,
                  .Jednostka = jednostki ? jednostka : ""});
    };

    for (const TSila& f : zad.SilyKomb) {
        if (!f.Uzyta)
            continue;
        const double x = Ox + f.XAbs * s, P = f.Wartosc * k, y = os(f.Grupa);
        if (!widoczne(x, x, 0.06 * P))
            continue;
        const TKolor kol = kolor(f.Grupa);
        StrzalkaSily(r, {ekran, druk}, {x, y}, {PioroStrzalek, kol}, P, P);
        etykieta({x + 0.05, y - 0.65 * P}, kol, f.Wartosc, "kN");
    }
    for (const TLiniowe& q : zad.LinioweKomb) {
        if (!q.Uzyta)
            continue;
        const double x1 = Ox + q.X1Abs * s, x2 = Ox + q.X2Abs * s, h = q.Wartosc * k, y = os(q.Grupa);
        if (!widoczne(x1, x2, 0.08 * h))
            continue;
        const TKolor kol = kolor(q.Grupa);
        ObciazenieRownomierne(r, {ekran, druk}, {x1, y}, {PioroStrzalek, kol}, {.X2 = x2, .Szer = h, .Wys = h});
        etykieta({x1, y - 1.25 * h}, kol, q.Wartosc, "kN/m");
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
        const TKolor kol = kolor(q.Grupa);
        ObciazenieTrapezowe(r, {ekran, druk}, {x1, y}, {PioroStrzalek, kol},
                            {.X2 = x2, .Szer = h, .Wys = h, .H1 = lewa * k, .H2 = prawa * k});
        // The zero end of a triangle has no label; an upward load keeps its values.
        if (std::fabs(lewa) > 0.001)
            etykieta({x1, y - 1.25 * lewa * k}, kol, lewa, "kN/m");
        if (std::fabs(prawa) > 0.001)
            etykieta({x2, y - 1.25 * prawa * k}, kol, prawa, "kN/m");
    }
    for (const TMoment& m : zad.MomentyKomb) {
        if (!m.Uzyta)
            continue;
        const double x = Ox + m.XAbs * s, M = m.Wartosc * k, y = os(m.Grupa);
        if (!widoczne(x, x, 1.25 * M))
            continue;
        const TKolor kol = kolor(m.Grupa);
        if (m.Wartosc > 0)
            MomentPrawoskretny(r, {ekran, druk}, {x, y}, {PioroStrzalek, kol}, M, M);
        else
            MomentLewoskretny(r, {ekran, druk}, {x, y}, {PioroStrzalek, kol}, M, M);
        etykieta({x, y - 1.2 * M}, kol, m.Wartosc, "kNm");
    }
}

} // namespace

void SchematBelki(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O, const TPiora& piora)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    if (N < 1)
        return;
    const double Ox = O.X, Oy = O.Y;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const double s = r.Widok.SkalaRysunkuX;
    const double t = r.Nastawy.WysokoscCzcionki;
    const TStylTekstu styl{piora.PioroGlowne(), t, r.Nastawy.SzerokoscCzcionki};
    for (int32_t i = 0; i < N; ++i) {
        const TPrzeslo& p = zad.Przesla[size_t(i)];
        const double x1 = Ox + p.X0 * s, x2 = x1 + p.L * s;
        // The dimension's label is centred on the span and may be wider than it.
        const double polowaEtykiety = DlugoscTekstu(r.Czcionka, EtykietaWymiaru(r, p.L), t) / 2;
        const double srodek = (x1 + x2) / 2;
        const double od = std::fmin(x1, srodek - polowaEtykiety) - Zapas;
        const bool ekran = na.Ekran && pas.NaEkranie(od, std::fmax(x2, srodek + polowaEtykiety) + Zapas);
        const bool druk = na.Druk && pas.NaDruku(od);
        if (ekran || druk)
            PrzesloSchemat(r, {ekran, druk}, {x1, Oy}, piora, p.TypPodpor, p.L);
        TekstNaPasie(r, pas, na, {Ox + (p.X0 + p.L / 2) * s, Oy + 1.25 * t}, styl, std::to_string(i + 1));
    }
    const double yPodpor = Oy + 1.25 * t + 0.5;
    const TPrzeslo& ostatnie = zad.Przesla[size_t(N) - 1];
    TekstNaPasie(r, pas, na, {Ox, yPodpor}, styl, "A");
    TekstNaPasie(r, pas, na, {Ox + (ostatnie.X0 + ostatnie.L) * s, yPodpor}, styl, "B");
    for (int32_t j = 0; j + 1 < N; ++j) {
        const TPrzeslo& p = zad.Przesla[size_t(j)];
        TekstNaPasie(r, pas, na, {Ox + (p.X0 + p.L) * s, yPodpor}, styl, std::to_string(j + 1));
    }
}

namespace {
// Where the end symbols of a span or bar stand: the two ends and the symbol size.
struct TKonce {
    double Lewy, Prawy, Rozmiar;
};

// The supports of an end-condition code: codes 1-4 at `oba`, a lone fixed end (5, 6) at `sam`;
// a code no dialog sets draws none.
void PodporyKoncow(TRysowanie& r, TWyjscia na, double Oy, const TPiora& piora, int32_t Typ, TKonce oba, TKonce sam)
{
    const double d = oba.Rozmiar, D = sam.Rozmiar;
    const TPioroArkusza p1 = piora.PioroGlowne();
    switch (Typ) {
    case 1:
        PodporaPrzesuwna(r, na, {oba.Lewy, Oy}, p1, d, d);
        PodporaStala(r, na, {oba.Prawy, Oy}, p1, d, d);
        break;
    case 2:
        UtwierdzenieLewe(r, na, {oba.Lewy, Oy}, piora, d, d);
        PodporaPrzesuwna(r, na, {oba.Prawy, Oy}, p1, d, d);
        break;
    case 3:
        PodporaPrzesuwna(r, na, {oba.Lewy, Oy}, p1, d, d);
        UtwierdzeniePrawe(r, na, {oba.Prawy, Oy}, piora, d, d);
        break;
    case 4:
        UtwierdzenieLewe(r, na, {oba.Lewy, Oy}, piora, d, d);
        UtwierdzeniePrawe(r, na, {oba.Prawy, Oy}, piora, d, d);
        break;
    case 5:
        UtwierdzenieLewe(r, na, {sam.Lewy, Oy}, piora, D, D);
        break;
    case 6:
        UtwierdzeniePrawe(r, na, {sam.Prawy, Oy}, piora, D, D);
        break;
    default:
        break;
    }
}
} // namespace

void PrzesloSchemat(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, int32_t TypPodpor, double L)
{
    const double x1 = P.X, Oy = P.Y;
    const double x2 = x1 + L * r.Widok.SkalaRysunkuX;
    constexpr double d = 0.4;
    PodporyKoncow(r, na, Oy, piora, TypPodpor, {x1, x2, d}, {x1, x2, d});
    Linia(r, na, {x1, Oy}, {x2, Oy}, piora.PioroDrugie());
    Wymiar(r, na, {x1, Oy + 1.5}, {0.1, 0.2, piora.Kolor}, x2, EtykietaWymiaru(r, L));
}

void ObciazeniaSchemat(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O)
{
    RysujObciazenia(r, zad, na, O, TStylObciazen::WKolorachGrup);
}

void ObciazeniaSchematGrupami(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O)
{
    RysujObciazenia(r, zad, na, O, TStylObciazen::Grupami);
}

void ObciazeniaPodglad(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O)
{
    RysujObciazenia(r, zad, na, O, TStylObciazen::Podglad);
}

void SchematPretow(TRysowanie& r, const TDaneZadania& zad, TWyjscia na, TPunktCm O, const TPiora& piora)
{
    const double Ox = O.X, Oy = O.Y;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const double s = r.Widok.SkalaRysunkuX;
    const double t = 0.8 * r.Nastawy.WysokoscCzcionki, w = 0.8 * r.Nastawy.SzerokoscCzcionki;
    const int32_t N = IloscPrzeselRysunku(zad);
    for (int32_t i = 0; i < N; ++i) {
        const TPrzeslo& p = zad.Przesla[size_t(i)];
        const double x1 = Ox + p.X0 * s;
        const double od = std::fmin(x1, x1 + p.L * s) - Zapas;
        const bool ekran = na.Ekran && pas.NaEkranie(od, std::fmax(x1, x1 + p.L * s) + Zapas);
        const bool druk = na.Druk && pas.NaDruku(od);
        if (ekran || druk)
            PretSchemat(r, {ekran, druk}, {x1, Oy}, piora, p.TypPrzesla, p.L);
        TekstNaPasie(r, pas, na, {Ox + (p.X0 + p.L / 2) * s, Oy + 1.25 * t}, {piora.PioroGlowne(), t, w},
                     std::to_string(i + 1));
    }
}

void PretSchemat(TRysowanie& r, TWyjscia na, TPunktCm P, const TPiora& piora, int32_t TypPrzesla, double L)
{
    const double x1 = P.X, Oy = P.Y;
    const double Ls = L * r.Widok.SkalaRysunkuX;
    const double xa = x1 + 0.2 * Ls, xb = x1 + 0.8 * Ls;
    constexpr double d = 0.15, D = 0.4;
    PodporyKoncow(r, na, Oy, piora, TypPrzesla, {xa, xb, d}, {x1, x1 + Ls, D});
    Linia(r, na, {xa, Oy}, {xb, Oy}, piora.PioroDrugie());
}

void SilyPretow(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm O, const TPiora& piora)
{
    if (z.Kombinacja < 0 || z.Kombinacja >= IloscWynikow(z.Zadanie, z.Wyniki))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    DlaWidocznychPrzesel(r, pas, z.Zadanie, O, Zapas, [&](int32_t i, double xs, TWyjscia przeslo) {
        PretSily(r, {z.Zadanie, z.Wyniki, z.Kombinacja, i}, przeslo, {xs, O.Y}, piora);
    });
}

void PretSily(TRysowanie& r, const TZrodloWykresu& z, TWyjscia na, TPunktCm P, const TPiora& piora)
{
    const TDaneZadania& zad = z.Zadanie;
    const TWyniki& wyn = z.Wyniki;
    const int32_t c = z.Kombinacja, s = z.Przeslo;
    if (c < 0 || c >= IloscWynikow(zad, wyn) || s < 0 || s >= IloscPrzeselRysunku(zad))
        return;
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TPrzeslo& p = zad.Przesla[size_t(s)];
    const double x1 = P.X, Oy = P.Y;
    const TPioroArkusza p1 = piora.PioroGlowne();
    const double Ls = p.L * r.Widok.SkalaRysunkuX;
    const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
    const TSilyPrzesla& f = wyn.SilyKoncowe[size_t(c)][size_t(s)];
    const auto etykieta = [&](double v, double x, double y) {
        Etykieta(r, pas, na, {.P = {x, y}, .Styl = {p1, 0.25, 0.2}, .Wartosc = v, .Maska = MaskaPretow});
    };
    const auto reakcja = [&](double x) { StrzalkaReakcji(r, na, {x, Oy + 0.3}, p1, 0.8, 0.8); };
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
                MomentPodwojnyD(r, na, {x1 + 0.05 * Ls, Oy}, p1, 0.35, 0.2);
            else
                MomentPodwojnyB(r, na, {x1 + 0.15 * Ls, Oy}, p1, 0.35, 0.2);
            etykieta(m.MomentUtwL, x1 + 0.1 * Ls, Oy - 0.5);
        }
        if (std::fabs(m.MomentUtwP) > 0.001) {
            etykieta(m.MomentUtwP, x1 + 0.8 * Ls, Oy - 0.5);
            // The arc turns the way the moment does, mirrored as at the left end.
            if (m.MomentUtwP > 0)
                MomentPodwojnyD(r, na, {x1 + 0.85 * Ls, Oy}, p1, 0.35, 0.2);
            else
                MomentPodwojnyB(r, na, {x1 + 0.95 * Ls, Oy}, p1, 0.35, 0.2);
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
        UtwierdzenieLewe(r, na, {x1, Oy}, piora, 0.4, 0.4);
        break;
    case 6:
        UtwierdzeniePrawe(r, na, {x1 + Ls, Oy}, piora, 0.4, 0.4);
        break;
    default:
        break;
    }
}
