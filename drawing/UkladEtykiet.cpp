#include "drawing/UkladEtykiet.h"

#include "drawing/Tekst.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

// Beyond this a label would leave its diagram: it stays where it is.
constexpr double MaxPrzesuniecie = 4.0;
// Rounding of a shifted box must not make it touch what it was moved clear of.
constexpr double Luz = 1e-9;
// A system face's capitals, digits and brackets are at most this many ems wide on average.
constexpr double SzerokoscZnakuTytulu = 0.72;

// Boxes filed by columns of the sheet, so that a query looks at its neighbourhood only.
class TSiatka {
public:
    TSiatka(double x1, double x2)
    {
        const double zakres = std::max(x2 - x1, 1.0);
        krok_ = std::max(1.0, zakres / 4096);
        x0_ = x1;
        kolumny_.resize(size_t(zakres / krok_) + 2);
    }
    void Dodaj(const TRamkaCm& r, int32_t kto)
    {
        ramki_.push_back({r, kto});
        for (size_t k = Kolumna(r.X1); k <= Kolumna(r.X2); ++k)
            kolumny_[k].push_back(int32_t(ramki_.size()) - 1);
    }
    // Every box filed in a column that the stretch x1 … x2 reaches, some more than once.
    template <class F>
    void Dla(double x1, double x2, F f) const
    {
        for (size_t k = Kolumna(x1); k <= Kolumna(x2); ++k)
            for (const int32_t i : kolumny_[k])
                f(ramki_[size_t(i)].Ramka, ramki_[size_t(i)].Kto);
    }

private:
    size_t Kolumna(double x) const
    {
        const double k = std::floor((x - x0_) / krok_);
        return size_t(std::clamp(k, 0.0, double(kolumny_.size() - 1)));
    }
    struct TWpis {
        TRamkaCm Ramka;
        int32_t Kto; // the label, JestTytul or JestKreska
    };
    double x0_ = 0, krok_ = 1;
    std::vector<TWpis> ramki_;
    std::vector<std::vector<int32_t>> kolumny_;
};

enum class TKierunek { Prawo, Lewo, Gora, Dol };

// What else the grid holds besides labels.
constexpr int32_t JestTytul = -1;
constexpr int32_t JestKreska = -2;

// How far R must move in direction k to overlap none of the boxes of the
// siatka; infinity when not within MaxPrzesuniecie. The boxes in R's band
// are swept in the order they are met, keeping the first gap R fits in.
double Przesuniecie(const TSiatka& siatka, const TRamkaCm& R, TKierunek k)
{
    const double d = OdstepEtykiet + Luz;
    const bool poziomo = k == TKierunek::Prawo || k == TKierunek::Lewo;
    const double x1 = k == TKierunek::Lewo ? R.X1 - MaxPrzesuniecie : R.X1;
    const double x2 = k == TKierunek::Prawo ? R.X2 + MaxPrzesuniecie : R.X2;
    // Intervals along the direction of motion, of the boxes across R's band.
    std::vector<std::pair<double, double>> przeszkody;
    siatka.Dla(x1 - d, x2 + d, [&](const TRamkaCm& o, int32_t) {
        if (poziomo ? (o.Y1 < R.Y2 + d && o.Y2 > R.Y1 - d) : (o.X1 < R.X2 + d && o.X2 > R.X1 - d))
            przeszkody.push_back(poziomo ? std::pair{o.X1, o.X2} : std::pair{o.Y1, o.Y2});
    });
    const double a = poziomo ? R.X1 : R.Y1, b = poziomo ? R.X2 : R.Y2, w = b - a;
    if (k == TKierunek::Prawo || k == TKierunek::Dol) {
        std::sort(przeszkody.begin(), przeszkody.end());
        double pos = a;
        for (const auto& [p1, p2] : przeszkody) {
            if (p2 + d <= pos)
                continue;
            if (p1 - d >= pos + w)
                break;
            pos = std::max(pos, p2 + d);
        }
        return pos - a <= MaxPrzesuniecie ? pos - a : std::numeric_limits<double>::infinity();
    }
    std::sort(przeszkody.begin(), przeszkody.end(), [](const auto& u, const auto& v) { return u.second > v.second; });
    double pos = b;
    for (const auto& [p1, p2] : przeszkody) {
        if (p1 - d >= pos)
            continue;
        if (p2 + d <= pos - w)
            break;
        pos = std::min(pos, p1 - d);
    }
    return b - pos <= MaxPrzesuniecie ? b - pos : std::numeric_limits<double>::infinity();
}

} // namespace

bool Nachodza(const TRamkaCm& a, const TRamkaCm& b, double odstep)
{
    return a.X1 < b.X2 + odstep && b.X1 < a.X2 + odstep && a.Y1 < b.Y2 + odstep && b.Y1 < a.Y2 + odstep;
}

TRamkaCm RamkaTekstu(const TCzcionka& czcionka, std::string_view Tresc, TPunktCm P, const TStylTekstu& styl)
{
    const double dlugosc = 1.2 * DlugoscTekstu(czcionka, Tresc, styl.Szerokosc);
    if (styl.Kat == 90)
        return {P.X - styl.Wysokosc, P.Y - dlugosc, P.X, P.Y};
    return {P.X, P.Y - styl.Wysokosc, P.X + dlugosc, P.Y};
}

TRamkaCm RamkaTytulu(std::string_view Tresc, TPunktCm P, double Wysokosc)
{
    const double em = 1.25 * Wysokosc;
    const double znaki = double(std::count_if(Tresc.begin(), Tresc.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80; // UTF-8 lead bytes
    }));
    return {P.X, P.Y - em, P.X + znaki * SzerokoscZnakuTytulu * em, P.Y};
}

void TUkladEtykiet::Kreska(double x, double y1, double y2)
{
    if (std::isfinite(x) && std::isfinite(y1) && std::isfinite(y2) && y1 != y2)
        Kreski_.push_back({x - 0.01, std::min(y1, y2), x + 0.01, std::max(y1, y2)});
}

void TUkladEtykiet::Etykieta(const TCzcionka& czcionka, TEtykietaArkusza e)
{
    Ramki_.push_back(RamkaTekstu(czcionka, e.Tekst, e.P, e.Styl));
    Etykiety_.push_back(std::move(e));
}

std::vector<TEtykietaArkusza> TUkladEtykiet::Rozmiesc()
{
    const size_t n = Etykiety_.size();
    std::vector<char> pominieta(n, 0); // written once: an equal one stands over it
    // Which labels overlap anything as the diagrams put them: a sweep along x.
    std::vector<char> koliduje(n, 0);
    std::vector<size_t> wgX(n);
    std::iota(wgX.begin(), wgX.end(), size_t(0));
    std::sort(wgX.begin(), wgX.end(), [&](size_t a, size_t b) { return Ramki_[a].X1 < Ramki_[b].X1; });
    double xMin = 0, xMax = 0;
    for (size_t i = 0; i < n; ++i) {
        const TRamkaCm& a = Ramki_[wgX[i]];
        if (i == 0 || a.X1 < xMin)
            xMin = a.X1;
        xMax = i == 0 ? a.X2 : std::max(xMax, a.X2);
        for (size_t j = i + 1; j < n && Ramki_[wgX[j]].X1 < a.X2 + OdstepEtykiet; ++j)
            if (Nachodza(a, Ramki_[wgX[j]]))
                koliduje[wgX[i]] = koliduje[wgX[j]] = 1;
        for (const TRamkaCm& t : Tytuly_)
            if (Nachodza(a, t))
                koliduje[wgX[i]] = 1;
    }
    if (n > 0) {
        TSiatka siatka(xMin - MaxPrzesuniecie - 1, xMax + MaxPrzesuniecie + 1);
        for (const TRamkaCm& t : Tytuly_)
            siatka.Dodaj(t, JestTytul);
        for (const TRamkaCm& k : Kreski_)
            siatka.Dodaj(k, JestKreska);
        for (size_t i = 0; i < n; ++i)
            if (!koliduje[i])
                siatka.Dodaj(Ramki_[i], int32_t(i));
        for (size_t i = 0; i < n; ++i) {
            TEtykietaArkusza& e = Etykiety_[i];
            if (koliduje[i]) {
                const TRamkaCm& R = Ramki_[i];
                bool zajete = false, takaSama = false;
                siatka.Dla(R.X1 - OdstepEtykiet, R.X2 + OdstepEtykiet, [&](const TRamkaCm& o, int32_t kto) {
                    if (kto == JestKreska || !Nachodza(R, o))
                        return;
                    zajete = true;
                    takaSama = takaSama || (kto >= 0 && Etykiety_[size_t(kto)].Tekst == e.Tekst);
                });
                if (takaSama) {
                    pominieta[i] = 1;
                    continue;
                }
                if (zajete) {
                    // Upright labels stand side by side, the later one right of
                    // the earlier; level ones one above the other, away from the
                    // arrows they name. The other ways count half as much again,
                    // into the arrows four times, so they win only when clearly shorter.
                    struct TDroga {
                        TKierunek Kierunek;
                        double Waga;
                    };
                    const TDroga drogi[3][4] = {
                        {{TKierunek::Gora, 1}, {TKierunek::Dol, 4}, {TKierunek::Prawo, 1.5}, {TKierunek::Lewo, 1.5}},
                        {{TKierunek::Dol, 1}, {TKierunek::Gora, 4}, {TKierunek::Prawo, 1.5}, {TKierunek::Lewo, 1.5}},
                        {{TKierunek::Prawo, 1}, {TKierunek::Lewo, 1.5}, {TKierunek::Gora, 1.5}, {TKierunek::Dol, 1.5}}};
                    double koszt = std::numeric_limits<double>::infinity(), dx = 0, dy = 0;
                    const auto sprobuj = [&](const TRamkaCm& od, double dx0, TKierunek k, double waga) {
                        const double d = Przesuniecie(siatka, od, k);
                        if ((dx0 + d) * waga < koszt) {
                            koszt = (dx0 + d) * waga;
                            dx = dx0 + (k == TKierunek::Prawo ? d : k == TKierunek::Lewo ? -d : 0);
                            dy = k == TKierunek::Dol ? d : k == TKierunek::Gora ? -d : 0;
                        }
                    };
                    for (const TDroga& droga : drogi[e.Styl.Kat == 90 ? 2 : e.Ustep == TUstep::WDol ? 1 : 0])
                        sprobuj(R, 0, droga.Kierunek, droga.Waga);
                    // An upright label moved along a vertical line of its diagram would
                    // lose its minus sign in it: also tried beside the line, then up or down.
                    if (e.Styl.Kat == 90) {
                        double obok = 0;
                        siatka.Dla(R.X1 - OdstepEtykiet, R.X2 + OdstepEtykiet, [&](const TRamkaCm& o, int32_t kto) {
                            if (kto == JestKreska && o.X1 < R.X2 + OdstepEtykiet && o.X2 > R.X1 - OdstepEtykiet &&
                                o.Y1 < R.Y2 + MaxPrzesuniecie && o.Y2 > R.Y1 - MaxPrzesuniecie)
                                obok = std::max(obok, o.X2 + OdstepEtykiet + Luz - R.X1);
                        });
                        if (obok > 0) {
                            const TRamkaCm B{R.X1 + obok, R.Y1, R.X2 + obok, R.Y2};
                            sprobuj(B, obok, TKierunek::Gora, 1.5);
                            sprobuj(B, obok, TKierunek::Dol, 1.5);
                        }
                    }
                    if (std::isfinite(koszt)) {
                        e.P.X += dx;
                        e.P.Y += dy;
                        Ramki_[i] = {R.X1 + dx, R.Y1 + dy, R.X2 + dx, R.Y2 + dy};
                    }
                }
                siatka.Dodaj(Ramki_[i], int32_t(i));
            }
        }
    }
    std::vector<TEtykietaArkusza> wynik;
    wynik.reserve(n);
    for (size_t i = 0; i < n; ++i)
        if (!pominieta[i])
            wynik.push_back(std::move(Etykiety_[i]));
    Tytuly_.clear();
    Kreski_.clear();
    Etykiety_.clear();
    Ramki_.clear();
    return wynik;
}

void TUkladEtykiet::Rysuj(TRysowanie& r)
{
    for (const TEtykietaArkusza& e : Rozmiesc())
        TekstEtykiety(r, e.Na, e.P, e.Styl, e.Tekst);
}
