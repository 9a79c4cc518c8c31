#include "app/TabelaCsv.h"

#include "analysis/Linie.h"
#include "analysis/Ugiecia.h"
#include "app/WierszPolecen.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"
#include "platform/PlikWyjscia.h"
#include "platform/Regionalne.h"
#include "platform/TekstQt.h"
#include "platform/TekstyLiczb.h"

#include <QIODevice>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

namespace {

struct TWiersz {
    double X = 0;
    double M = 0;
    double T = 0;
    double W = 0;
    const char* Punkt = "";
};

std::vector<TWiersz> Wiersze(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, int32_t s, double krok)
{
    const double L = zad.Przesla[size_t(s)].L;
    const TWielomianyPrzesla& w = wyn.Wielomiany[size_t(c)][size_t(s)];
    const TKonceLinii m = KonceMomentow(wyn, c, s);
    const TKonceLinii t = KonceTnacych(zad, wyn, c, s);
    // w in the unit the sheets show it in; 0 at the supports.
    const TUgieciaPrzesla* u = size_t(c) < wyn.Ugiecia.size() ? &wyn.Ugiecia[size_t(c)][size_t(s)] : nullptr;
    const double skala = SkalaUgiec(zad);
    const auto ugiecie = [&](double x) { return u ? u->W(x) * skala : 0.0; };
    const auto wartosc = [&](double x) {
        if (x <= 0)
            return TWiersz{0, m.Poczatek, t.Poczatek, 0, ""};
        if (x >= L)
            return TWiersz{L, m.Koniec, t.Koniec, 0, ""};
        return TWiersz{x, w.M(x), w.T(x), ugiecie(x), ""};
    };
    std::vector<TWiersz> wiersze;
    // Steps counted, not added up, so that no rounding drifts past L.
    for (int64_t i = 0;; ++i) {
        const double x = double(i) * krok;
        if (x >= L - 1e-9)
            break;
        wiersze.push_back(wartosc(x));
    }
    wiersze.push_back(wartosc(L));

    const auto ekstremum = [&](bool jest, double x, double v, bool momentu, const char* nazwa) {
        if (!jest)
            return;
        TWiersz r = wartosc(x);
        (momentu ? r.M : r.T) = v;
        r.Punkt = nazwa;
        wiersze.push_back(r);
    };
    const TEkstrema& em = wyn.EkstremaM[size_t(c)][size_t(s)];
    const TEkstrema& et = wyn.EkstremaT[size_t(c)][size_t(s)];
    ekstremum(em.JestMax, em.XMax, em.Max, true, "Mmax");
    ekstremum(em.JestMin, em.XMin, em.Min, true, "Mmin");
    ekstremum(et.JestMax, et.XMax, et.Max, false, "Tmax");
    ekstremum(et.JestMin, et.XMin, et.Min, false, "Tmin");
    std::stable_sort(wiersze.begin(), wiersze.end(), [](const TWiersz& a, const TWiersz& b) { return a.X < b.X; });
    return wiersze;
}

const std::string_view Naglowek = "Kombinacja";

// A file named first by a slip (a task file) is not overwritten; an earlier table is.
std::string WyjscieNieJestTabela(const std::string& wyjscie)
{
    const std::optional<std::string> poczatek = PoczatekPliku(wyjscie, Naglowek.size());
    if (!poczatek || *poczatek == Naglowek)
        return {};
    return "Plik wyniku " + wyjscie +
           " już istnieje i nie jest tabelą CSV wyników, więc nie zostanie nadpisany. Plik wyniku stoi przed "
           "plikiem zadania: quarvi --csv WYNIKI.csv PLIK.qvr.";
}

} // namespace

char SeparatorPol(char separatorDziesietny)
{
    return separatorDziesietny == ',' ? ';' : ',';
}

std::string WynikiCsv(const TDaneZadania& zad, const TWyniki& wyn, char separator, double krok)
{
    const char pole = SeparatorPol(separator);
    std::string csv;
    const auto wiersz = [&](std::initializer_list<std::string> pola) {
        bool pierwsze = true;
        for (const std::string& p : pola) {
            if (!pierwsze)
                csv += pole;
            csv += p;
            pierwsze = false;
        }
        csv += "\r\n";
    };
    wiersz({"Kombinacja", "Przęsło", "x [m]", "M [kNm]", "T [kN]", std::string("w [") + JednostkaUgiec(zad) + "]",
            "Punkt"});
    for (int32_t c = 0; c < wyn.IloscPoliczonych; ++c)
        for (int32_t s = 0; s < zad.IloscPrzesel; ++s)
            for (const TWiersz& r : Wiersze(zad, wyn, c, s, krok))
                wiersz({std::to_string(c + 1), std::to_string(s + 1), FormatujStale(r.X, 4, 15, separator),
                        FormatujStale(r.M, 6, 15, separator), FormatujStale(r.T, 6, 15, separator),
                        FormatujStale(r.W, 6, 15, separator), r.Punkt});
    return csv;
}

int WykonajCsv(const TPolecenie& polecenie, const TRegionalne& regionalne, std::ostream& bledy)
{
    for (const std::string& blad :
         {WyjscieNadpisujeZadanie(polecenie.Wyjscie, polecenie.Plik), WyjscieNieJestTabela(polecenie.Wyjscie)})
        if (!blad.empty()) {
            bledy << blad << '\n';
            return 1;
        }
    auto zad = std::make_unique<TDaneZadania>();
    auto wyn = std::make_unique<TWyniki>();
    NowyTemat(*zad);
    wyn->ZapisujWykresy = false; // the polynomials give every value
    if (!WczytajIPrzelicz(polecenie.Plik, *zad, *wyn, bledy))
        return 1;
    const std::string csv = WynikiCsv(*zad, *wyn, regionalne.SeparatorDziesietny, polecenie.Krok);
    QString powod;
    const auto pisz = [&](QIODevice& plik) -> std::optional<QString> {
        if (plik.write(csv.data(), qint64(csv.size())) != qint64(csv.size()))
            return plik.errorString();
        return std::nullopt;
    };
    if (ZapiszDoPliku(ZUtf8(polecenie.Wyjscie), pisz, powod))
        return 0;
    bledy << "Nie można zapisać pliku " << polecenie.Wyjscie << ": " << powod.toStdString() << ".\n";
    return 1;
}
