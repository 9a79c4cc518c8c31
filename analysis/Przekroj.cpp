#include "analysis/Przekroj.h"

#include "analysis/Odczyt.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>

int32_t DlugoscBelkiCm(const TDaneZadania& zad)
{
    // Summed in single precision, as X0 is.
    float suma = 0;
    for (const TPrzeslo& p : zad.Przesla)
        suma += p.L;
    // A length typed as 2,55 is stored just below it; its last centimetre must stay reachable.
    const double cm = std::floor(double(suma) * 100 + 1e-4);
    return std::isfinite(cm) && cm > 0 ? int32_t(std::min(cm, 1e9)) : 0;
}

TPrzekroj PrzekrojBelki(const TDaneZadania& zad, int32_t centymetry)
{
    TPrzekroj p;
    p.XGlobalne = float(centymetry * 0.01);
    const int32_t n = std::min<int32_t>(zad.IloscPrzesel, int32_t(zad.Przesla.size()));
    const double x = centymetry / 100.0;
    // A length stored in single precision lies up to half its last bit from
    // the one typed: a section that close to a support stands on it, and reads
    // the end value there rather than the line a hair inside the span.
    const auto tolerancja = [](double polozenie) { return 2.5e-7 * std::fabs(polozenie) + 1e-9; };
    double x0 = 0;
    int32_t s = 0;
    for (; s + 1 < n; ++s) {
        const double koniec = x0 + double(zad.Przesla[size_t(s)].L);
        if (x < koniec - tolerancja(koniec))
            break;
        x0 = koniec;
    }
    p.Przeslo = s;
    p.X = x - x0;
    if (std::fabs(p.X) <= tolerancja(x0))
        p.X = 0;
    else if (n > 0 && std::fabs(x - x0 - double(zad.Przesla[size_t(s)].L)) <= tolerancja(x))
        p.X = zad.Przesla[size_t(s)].L;
    return p;
}

bool SaWynikiPrzekrojow(const TDaneZadania& zad, const TWyniki& wyn)
{
    const int32_t K = zad.IloscKombinacji;
    const int32_t N = zad.IloscPrzesel;
    if (N < 1 || N != int32_t(zad.Przesla.size()) || !SaObciazenia(zad) || zad.DoPrzeliczenia || K < 1 ||
        wyn.IloscPoliczonych != K)
        return false;
    const auto pelna = [&](const auto& tablica) {
        if (int32_t(tablica.size()) < K)
            return false;
        for (int32_t c = 0; c < K; ++c)
            if (int32_t(tablica[size_t(c)].size()) < N)
                return false;
        return true;
    };
    return pelna(wyn.WykresM) && pelna(wyn.WykresT) && pelna(wyn.EkstremaM) && pelna(wyn.EkstremaT);
}

namespace {

struct TZakres {
    double Max = 0;
    double Min = 0;
};

// The first value starts both; later ones replace them only when strictly beyond.
TZakres ZakresTekstow(const std::vector<std::string>& teksty, char separator)
{
    TZakres z;
    bool pierwszy = true;
    for (const std::string& t : teksty) {
        double v = 0;
        if (!CzytajLiczbe(t, separator, v))
            continue;
        if (pierwszy || v > z.Max)
            z.Max = v;
        if (pierwszy || v < z.Min)
            z.Min = v;
        pierwszy = false;
    }
    return z;
}

} // namespace

TSilyPrzekroju SilyPrzekroju(const TDaneZadania& zad, const TWyniki& wyn, const TPrzekroj& przekroj, char separator)
{
    TSilyPrzekroju w;
    w.Przekroj = przekroj;
    if (!SaWynikiPrzekrojow(zad, wyn))
        return w;
    const int32_t s = przekroj.Przeslo;
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        const double M = MomentZWykresu(zad, wyn, c, s, przekroj.X);
        const double T = TnacaZWykresu(zad, wyn, c, s, przekroj.X);
        w.M.push_back(M);
        w.T.push_back(T);
        w.TekstyM.push_back(FormatujMaska(M, Maska::Wartosc, separator));
        w.TekstyT.push_back(FormatujMaska(T, Maska::Wartosc, separator));
    }
    const auto maUgiecia = [&] {
        if (wyn.Ugiecia.size() < size_t(zad.IloscKombinacji))
            return false;
        for (int32_t c = 0; c < zad.IloscKombinacji; ++c)
            if (wyn.Ugiecia[size_t(c)].size() <= size_t(s))
                return false;
        return true;
    };
    if (maUgiecia()) {
        const double skala = SkalaUgiec(zad);
        for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
            const TUgieciaPrzesla& u = wyn.Ugiecia[size_t(c)][size_t(s)];
            w.W.push_back(skala * u.W(przekroj.X));
            w.Fi.push_back(u.Fi(przekroj.X));
            w.TekstyW.push_back(FormatujMaska(w.W.back(), Maska::Wartosc, separator));
            w.TekstyFi.push_back(FormatujMaska(w.Fi.back(), "###0.000000", separator));
        }
        const TZakres u = ZakresTekstow(w.TekstyW, separator);
        w.MaxW = u.Max;
        w.MinW = u.Min;
    }
    if (zad.IloscKombinacji > 1) {
        const TZakres m = ZakresTekstow(w.TekstyM, separator);
        const TZakres t = ZakresTekstow(w.TekstyT, separator);
        w.SaEkstrema = true;
        w.MaxM = m.Max;
        w.MinM = m.Min;
        w.MaxT = t.Max;
        w.MinT = t.Min;
    }
    return w;
}
