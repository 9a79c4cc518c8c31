#include "drawing/Nagranie.h"

#include "drawing/EkranWidoku.h"
#include "drawing/Tekst.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Nieskonczonosc = std::numeric_limits<double>::infinity();
// Beyond its box an element's strokes reach no farther than this many pixels
// besides its own allowance: the truncation of the ends, a dot's pen.
constexpr double MarginesPikseli = 8;

template <class... F>
struct TWybor : F... {
    using F::operator()...;
};

// The box of the points with finite coordinates, widened by the pen (its
// width in mm is as many tenths of a cm). A point off the number line draws
// nothing: the lines that reach it are left out.
struct TZbieraczObszaru {
    double X1 = Nieskonczonosc, Y1 = Nieskonczonosc, X2 = -Nieskonczonosc, Y2 = -Nieskonczonosc;
    void Dodaj(TPunktCm P)
    {
        if (!std::isfinite(P.X) || !std::isfinite(P.Y))
            return;
        X1 = std::min(X1, P.X);
        Y1 = std::min(Y1, P.Y);
        X2 = std::max(X2, P.X);
        Y2 = std::max(Y2, P.Y);
    }
};

// The pen's reach beside a stroke in cm, and in pixels when its width is no number.
double PioroCm(TPioroArkusza p)
{
    return std::isfinite(p.Grubosc) ? std::fabs(p.Grubosc) / 10 : 0;
}

double PioroPiksele(TPioroArkusza p)
{
    return std::isfinite(p.Grubosc) ? 0 : MaxGruboscPiora;
}

} // namespace

TZasiegEkranu TNagranie::Zasieg() const
{
    return {-Nieskonczonosc, Nieskonczonosc, -Nieskonczonosc, Nieskonczonosc};
}

void TNagranie::Wyczysc()
{
    elementy_.clear();
    bloki_.clear();
}

void TNagranie::Dodaj(TObszar obszar, double piksele, decltype(TElement::Dane) dane)
{
    if (elementy_.size() % DlugoscBloku == 0)
        bloki_.push_back({{Nieskonczonosc, Nieskonczonosc, -Nieskonczonosc, -Nieskonczonosc},
                          0,
                          elementy_.size(),
                          elementy_.size()});
    TBlok& b = bloki_.back();
    b.Obszar = {std::min(b.Obszar.X1, obszar.X1), std::min(b.Obszar.Y1, obszar.Y1), std::max(b.Obszar.X2, obszar.X2),
                std::max(b.Obszar.Y2, obszar.Y2)};
    b.Piksele = std::max(b.Piksele, piksele);
    ++b.Do;
    elementy_.push_back({obszar, piksele, std::move(dane)});
}

namespace {

template <class Punkty>
auto ObszarPunktow(const Punkty& punkty, TPioroArkusza pioro)
{
    TZbieraczObszaru z;
    for (const TPunktCm& P : punkty)
        z.Dodaj(P);
    const double m = PioroCm(pioro);
    return std::array{z.X1 - m, z.Y1 - m, z.X2 + m, z.Y2 + m};
}

} // namespace

void TNagranie::Linia(TPunktCm A, TPunktCm B, TPioroArkusza pioro)
{
    const auto o = ObszarPunktow(std::array{A, B}, pioro);
    Dodaj({o[0], o[1], o[2], o[3]}, PioroPiksele(pioro), TLiniaZ{A, B, pioro});
}

void TNagranie::Lamana(std::span<const TPunktCm> punkty, TPioroArkusza pioro)
{
    if (punkty.empty())
        return;
    const auto o = ObszarPunktow(punkty, pioro);
    Dodaj({o[0], o[1], o[2], o[3]}, PioroPiksele(pioro),
          TLamanaZ{std::vector<TPunktCm>(punkty.begin(), punkty.end()), pioro});
}

void TNagranie::Kreski(std::span<const TOdcinekArkusza> kreski, TPioroArkusza pioro)
{
    if (kreski.empty())
        return;
    std::vector<TPunktCm> konce;
    konce.reserve(2 * kreski.size());
    for (const TOdcinekArkusza& k : kreski) {
        konce.push_back(k.A);
        konce.push_back(k.B);
    }
    const auto o = ObszarPunktow(konce, pioro);
    Dodaj({o[0], o[1], o[2], o[3]}, PioroPiksele(pioro),
          TKreskiZ{std::vector<TOdcinekArkusza>(kreski.begin(), kreski.end()), pioro});
}

void TNagranie::Strzalki(const TRzadStrzalek& rzad)
{
    if (rzad.Ostatnia <= 0)
        return;
    TZbieraczObszaru z;
    for (int64_t i = 0; i <= rzad.Ostatnia; ++i)
        for (const TOdcinekArkusza& k : rzad.Strzalka(i)) {
            z.Dodaj(k.A);
            z.Dodaj(k.B);
        }
    const double m = PioroCm(rzad.Pioro);
    Dodaj({z.X1 - m, z.Y1 - m, z.X2 + m, z.Y2 + m}, PioroPiksele(rzad.Pioro), rzad);
}

void TNagranie::Tekst(TPunktCm P, const TStylTekstu& styl, std::string_view tresc, bool kropka)
{
    // Along the text its strokes reach from the least to the greatest pen
    // position plus a glyph's width, across it a glyph's height: 255 font
    // units at most, each 0.012 of the style's sizes (cm). Turned any way,
    // within that reach of the reference point.
    const size_t ile = std::min(tresc.size(), MaxDlugoscTekstu);
    double pozycja = 0, od = 0, do_ = 0;
    for (size_t k = 0; k < ile; ++k) {
        pozycja += czcionka_[static_cast<unsigned char>(tresc[k])].Przesuniecie;
        od = std::min(od, pozycja);
        do_ = std::max(do_, pozycja);
    }
    const double wzdluz = (std::max(-od, do_) + 255) * 0.012 * std::fabs(styl.Szerokosc);
    const double wpoprzek = 255 * 0.012 * std::fabs(styl.Wysokosc);
    const double zasieg = wzdluz + wpoprzek + PioroCm(styl.Pioro);
    TObszar o{P.X - zasieg, P.Y - zasieg, P.X + zasieg, P.Y + zasieg};
    // Whatever is no number here is decided when it is drawn.
    if (!(std::isfinite(zasieg) && std::isfinite(P.X) && std::isfinite(P.Y)))
        o = {-Nieskonczonosc, -Nieskonczonosc, Nieskonczonosc, Nieskonczonosc};
    // The pen moves on in whole pixels after each character.
    const double piksele = double(ile) + 2 + PioroPiksele(styl.Pioro);
    Dodaj(o, piksele, TTekstZ{P, styl, std::string(tresc.substr(0, ile)), kropka});
}

void TNagranie::Tytul(TPunktCm P, TKolor kolor, std::string_view tresc, double wysokosc)
{
    // A system face's cell: 1.2 · wysokosc high on screen; no character is
    // wider than twice that, none reaches below by as much as the height.
    const double h = std::fabs(wysokosc);
    TObszar o{P.X, P.Y - 2 * h, P.X + 2.4 * h * double(tresc.size()), P.Y + h};
    if (!(std::isfinite(h) && std::isfinite(P.X) && std::isfinite(P.Y)))
        o = {-Nieskonczonosc, -Nieskonczonosc, Nieskonczonosc, Nieskonczonosc};
    Dodaj(o, MarginesPikseli, TTytulZ{P, kolor, std::string(tresc), wysokosc});
}

void TNagranie::Arkusz(TPunktCm P, double szerokosc, double wysokosc)
{
    const auto o = ObszarPunktow(std::array{P, TPunktCm{P.X + szerokosc + 0.3, P.Y + wysokosc + 0.3}}, {});
    TObszar obszar{o[0], o[1], o[2], o[3]};
    if (!(std::isfinite(szerokosc) && std::isfinite(wysokosc)))
        obszar = {-Nieskonczonosc, -Nieskonczonosc, Nieskonczonosc, Nieskonczonosc};
    Dodaj(obszar, 0, TArkuszZ{P, szerokosc, wysokosc});
}

void TNagranie::Rysuj(IPowierzchnia& ekran, const TWidok& widok) const
{
    TEkranWidoku cel(ekran, widok, czcionka_);
    // The picture in sheet cm: columns 0 … W, rows 0 … H.
    const TRozmiarPowierzchni r = ekran.Rozmiar();
    const double x1 = widok.ZEkranuX(0), x2 = widok.ZEkranuX(r.Szerokosc);
    const double y1 = -widok.ZEkranuY(0), y2 = -widok.ZEkranuY(r.Wysokosc);
    const double cmNaPiksel = widok.SkalaWidoku / 1000;
    const auto widoczny = [&](const TObszar& o, double piksele) {
        const double m = (MarginesPikseli + piksele) * cmNaPiksel;
        return !(o.X2 < x1 - m || o.X1 > x2 + m || o.Y2 < y1 - m || o.Y1 > y2 + m);
    };
    const TWybor rysuj{
        [&](const TLiniaZ& l) { cel.Linia(l.A, l.B, l.Pioro); },
        [&](const TLamanaZ& l) { cel.Lamana(l.Punkty, l.Pioro); },
        [&](const TKreskiZ& k) { cel.Kreski(k.Kreski, k.Pioro); },
        [&](const TRzadStrzalek& s) { cel.Strzalki(s); },
        [&](const TTekstZ& t) { cel.Tekst(t.P, t.Styl, t.Tresc, t.Kropka); },
        [&](const TTytulZ& t) { cel.Tytul(t.P, t.Kolor, t.Tresc, t.Wysokosc); },
        [&](const TArkuszZ& a) { cel.Arkusz(a.P, a.Szerokosc, a.Wysokosc); },
    };
    for (const TBlok& b : bloki_) {
        if (!widoczny(b.Obszar, b.Piksele))
            continue;
        for (size_t i = b.Od; i < b.Do; ++i)
            if (widoczny(elementy_[i].Obszar, elementy_[i].Piksele))
                std::visit(rysuj, elementy_[i].Dane);
    }
}

void Odtworz(const TNagranie& nagranie, TWidok& widok, IPowierzchnia& ekran)
{
    const TRozmiarPowierzchni rozmiar = ekran.Rozmiar();
    widok.EkranSrodekX = rozmiar.Szerokosc / 2.0;
    widok.EkranSrodekY = rozmiar.Wysokosc / 2.0;
    ekran.UstawPioro({Kolor::Czarny, 1});
    ekran.Prostokat(0, 0, rozmiar.Szerokosc, rozmiar.Wysokosc, Kolor::JasnySzary);
    nagranie.Rysuj(ekran, widok);
    ekran.UstawPioro({ekran.Pioro().Kolor, 1});
}
