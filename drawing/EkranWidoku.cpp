#include "drawing/EkranWidoku.h"

#include "drawing/Tekst.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// Beyond the picture by this much a stroke of the widest pen the sheets use
// (0.6 mm) can still reach into it.
constexpr double MarginesPiora = 0.6;
constexpr double MarginesPikseli = 4;
// A system font larger than this could not be seen whole anyway, and
// enormous fonts are slow to lay out.
constexpr double MaxWysokoscNapisu = 32767;

} // namespace

TZasiegEkranu TEkranWidoku::Zasieg() const
{
    const double szerokosc = std::max<double>(p_.Rozmiar().Szerokosc, 2 * w_.EkranSrodekX);
    const double margines = w_.GruboscEkran(MarginesPiora) + MarginesPikseli;
    // The text's stretch a pixel wider than Tekst's own test on both sides; Tekst decides exactly.
    return {.X1 = w_.ZEkranuX(-margines),
            .X2 = w_.ZEkranuX(szerokosc + margines),
            .TekstX1 = w_.ZEkranuX(-11),
            .TekstX2 = w_.ZEkranuX(2 * w_.EkranSrodekX + 2)};
}

void TEkranWidoku::Linia(TPunktCm A, TPunktCm B, TPioroArkusza pioro)
{
    p_.UstawPioro({pioro.Kolor, w_.GruboscEkran(pioro.Grubosc)});
    OdcinekNaPowierzchni(p_, w_.NaEkranXD(A.X), w_.NaEkranYD(-A.Y), w_.NaEkranXD(B.X), w_.NaEkranYD(-B.Y));
}

void TEkranWidoku::Lamana(std::span<const TPunktCm> punkty, TPioroArkusza pioro)
{
    if (punkty.empty())
        return;
    TPunktCm stoi = punkty[0]; // the point the line stands at
    double px = w_.NaEkranXD(stoi.X), py = w_.NaEkranYD(-stoi.Y);
    bool narysowana = false;
    for (const TPunktCm& P : punkty.subspan(1)) {
        const double x = w_.NaEkranXD(P.X), y = w_.NaEkranYD(-P.Y);
        if (x == px && y == py)
            continue;
        Linia(stoi, P, pioro);
        stoi = P;
        px = x;
        py = y;
        narysowana = true;
    }
    if (!narysowana)
        Linia(punkty[0], stoi, pioro);
}

void TEkranWidoku::Kreski(std::span<const TOdcinekArkusza> kreski, TPioroArkusza pioro)
{
    struct TPiksele {
        double x1, y1, x2, y2;
        bool operator==(const TPiksele&) const = default;
    };
    TPiksele poprzednia{NAN, NAN, NAN, NAN};
    for (const TOdcinekArkusza& k : kreski) {
        const TPiksele p{w_.NaEkranXD(k.A.X), w_.NaEkranYD(-k.A.Y), w_.NaEkranXD(k.B.X), w_.NaEkranYD(-k.B.Y)};
        if (!(p == poprzednia))
            Linia(k.A, k.B, pioro);
        poprzednia = p;
    }
}

void TEkranWidoku::Strzalki(const TRzadStrzalek& rzad)
{
    const int64_t n = rzad.Ostatnia;
    if (n <= 0)
        return;
    const auto strzalka = [&](int64_t i) {
        for (const TOdcinekArkusza& k : rzad.Strzalka(i))
            Linia(k.A, k.B, rzad.Pioro);
    };
    // The arrows whose strokes can reach the picture, widened by a pen's width;
    // the others would be culled stroke by stroke.
    const double piksele = std::fabs(rzad.Krok) * 1000 / w_.SkalaWidoku;
    const int64_t co = piksele > 0 && piksele < 1 ? int64_t(std::min(1 / piksele, double(n) + 1)) : 1;
    const double margines = w_.GruboscEkran(std::fabs(rzad.Pioro.Grubosc)) + 4.0;
    const double a = w_.ZEkranuX(-margines) - std::fabs(rzad.Zasieg());
    const double b = w_.ZEkranuX(p_.Rozmiar().Szerokosc + margines) + std::fabs(rzad.Zasieg());
    double od = 0, do_ = double(n);
    if (rzad.Krok != 0) {
        const double i1 = (a - rzad.X1) / rzad.Krok, i2 = (b - rzad.X1) / rzad.Krok;
        od = std::max(std::floor(std::min(i1, i2)), 0.0);
        do_ = std::min(std::ceil(std::max(i1, i2)), double(n));
    } else if (!(rzad.X1 >= a && rzad.X1 <= b)) {
        od = 1, do_ = 0;
    }
    if (std::isnan(od) || std::isnan(do_))
        od = 1, do_ = 0;
    // Where they would stand less than a pixel apart they would paint the
    // same columns again, and a long row of a small load would send
    // thousands of strokes into a few pixels. Thinned arrows keep their
    // places in the row wherever the view stands.
    const int64_t pierwsza = od <= do_ ? int64_t(od) / co * co : 1;
    const int64_t ostatnia = od <= do_ ? int64_t(do_) : 0;
    for (int64_t i = pierwsza; i <= ostatnia; i += co)
        strzalka(i);
    if (co > 1 && ostatnia == n && n % co != 0)
        strzalka(n);
}

void TEkranWidoku::Tekst(TPunktCm P, const TStylTekstu& styl, std::string_view tresc, bool kropka)
{
    if (kropka && !(std::fabs(styl.Wysokosc) * (1000 / w_.SkalaWidoku) >= 1)) {
        Linia(P, P, styl.Pioro);
        return;
    }
    const TKolor kolor = styl.Pioro.Kolor;
    p_.UstawPioro({kolor, w_.GruboscEkran(styl.Pioro.Grubosc)});
    const double x0 = w_.NaEkranXD(P.X);
    const double y0 = w_.NaEkranYD(-P.Y);
    const double szerokoscPodgladu = 2 * w_.EkranSrodekX;
    // Only the start is tested: a text beginning left or right of the
    // paint surface is left out whole, however much of it would show.
    if (x0 > -10 && x0 < szerokoscPodgladu + 1 && std::isfinite(y0))
        RysujZnaki(p_, czcionka_, tresc,
                   {.X0 = x0,
                    .Y0 = y0,
                    .PX = x0,
                    .PY = y0,
                    .SX = styl.Szerokosc * 12 / w_.SkalaWidoku,
                    .SY = styl.Wysokosc * 12 / w_.SkalaWidoku,
                    .Kat = styl.Kat * std::numbers::pi / 180});
    p_.UstawPioro({kolor, 1});
}

void TEkranWidoku::Tytul(TPunktCm P, TKolor kolor, std::string_view tresc, double wysokosc)
{
    const std::string t(tresc);
    const double h = std::trunc(wysokosc * 1200 / w_.SkalaWidoku);
    const double cx = w_.NaEkranXD(P.X);
    const double cy = w_.NaEkranYD(-P.Y);
    const TRozmiarPowierzchni rozmiar = p_.Rozmiar();
    if (h > 12) {
        // Left out when it cannot reach the picture.
        const bool widoczny = h <= MaxWysokoscNapisu && std::isfinite(cx) && std::isfinite(cy) &&
                              cx < rozmiar.Szerokosc && cy > 0 && cy - h < rozmiar.Wysokosc &&
                              cx > -double(MaxDlugoscTekstu) * MaxWysokoscNapisu;
        const TStylNapisu styl{.Wysokosc = int32_t(h), .Kolor = kolor};
        if (widoczny && (cx >= 0 || cx + p_.SzerokoscNapisu(t, styl) > 0))
            p_.Napis(int32_t(cx), int32_t(cy - h), t, styl);
    } else {
        // Too small to read: a grey box of about the text's size.
        const double szer = p_.SzerokoscNapisu(t, {.Wysokosc = 12});
        p_.UstawPioro({Kolor::Szary, p_.Pioro().Grubosc});
        ProstokatNaPowierzchni(p_, cx, cy - h, cx + std::trunc(szer * h / 12 * 0.9), cy, BezWypelnienia);
    }
}

void TEkranWidoku::Arkusz(TPunktCm P, double szer, double wys)
{
    const double X = P.X, Y = P.Y;
    p_.UstawPioro({Kolor::CiemnySzary, 1});
    ProstokatNaPowierzchni(p_, w_.NaEkranXD(X + 0.3), w_.NaEkranYD(-(Y + 0.3)), w_.NaEkranXD(X + szer + 0.3),
                           w_.NaEkranYD(-(Y + wys + 0.3)), Kolor::CiemnySzary);
    p_.UstawPioro({Kolor::Czarny, 1});
    ProstokatNaPowierzchni(p_, w_.NaEkranXD(X), w_.NaEkranYD(-Y), w_.NaEkranXD(X + szer), w_.NaEkranYD(-(Y + wys)),
                           Kolor::Bialy);
}
