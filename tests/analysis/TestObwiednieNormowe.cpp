// The design envelopes against brute force: every arrangement run as an ordinary combination
// of the task with the unloaded spans' loads removed.
#include "Policzone.h"

#include "analysis/Analiza.h"
#include "analysis/ObwiednieNormowe.h"
#include "analysis/Probkowanie.h"
#include "analysis/Wyniki.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr int32_t G = TDaneZadania::MaxGrup;
using TKat = TKategoriaZmiennych;

struct TGrupaTestu {
    const char* Nazwa;
    TRodzajGrupy Rodzaj;
    TKat Kategoria = TKat::A;
    bool PoPrzeslach = true;
};

// Loads of group g on span s varying with g and s: some spans unloaded, forces on and off the grid.
void Obciaz(TDaneZadania& zad, int32_t g, int32_t s, float L)
{
    const int32_t r = (3 * g + 5 * s) % 7;
    if (r == 6)
        return;
    DodajLiniowe(zad, s, 0.1f * L * float(r % 3), L * (0.6f + 0.05f * float(r)), 4.0f + float(g + r), g);
    if (r % 2 == 0)
        DodajSile(zad, s, r == 2 ? 0.5f * L : 0.3137f * L, 10.0f + float(2 * g), g);
    if (r == 3)
        DodajMoment(zad, s, 0.4f * L + 0.004f, g % 2 ? 8.0f : -6.0f, g);
    if (r == 1 && g == 0)
        DodajSile(zad, s, 0, 5.0f, g); // on the support
}

TDaneZadania Zadanie(const std::vector<float>& dlugosci, const std::vector<TGrupaTestu>& grupy)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {1}, false, false);
    zad.Przesla.assign(dlugosci.size(), zad.Przesla[0]);
    zad.IloscPrzesel = int32_t(dlugosci.size());
    for (size_t s = 0; s < dlugosci.size(); ++s) {
        zad.Przesla[s].L = dlugosci[s];
        zad.Przesla[s].E = 2e8f;
        zad.Przesla[s].J = 1e-4f * float(1 + s % 2);
    }
    UstawKodyPrzesel(zad);
    for (size_t g = 0; g < grupy.size(); ++g) {
        if (g > 0)
            DodajGrupe(zad, grupy[g].Nazwa, 0);
        zad.Grupy[g].Nazwa = grupy[g].Nazwa;
        zad.Klasyfikacje[g] = {grupy[g].Rodzaj, grupy[g].Kategoria, grupy[g].PoPrzeslach};
        for (size_t s = 0; s < dlugosci.size(); ++s)
            Obciaz(zad, int32_t(g), int32_t(s), dlugosci[s]);
    }
    return zad;
}

// One arrangement: a coefficient per group and the spans each group loads.
struct TUklad {
    std::array<double, G> Wsp{};
    std::array<uint16_t, G> Przesla{};
};

// The groups' factors in each expression, as EN 1990 states them.
double Czynnik(const TDaneZadania& zad, TWyrazenie w, int32_t g, int32_t wiodaca, bool gorne)
{
    const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(g)];
    const bool slabe = w == TWyrazenie::W610a || w == TWyrazenie::W610b;
    if (k.Rodzaj == TRodzajGrupy::Stale)
        return !slabe || !gorne ? 1.0 : w == TWyrazenie::W610a ? 1.35 : 0.85 * 1.35;
    const TWspolczynnikiPsi p = WspolczynnikiPsi(k.Kategoria);
    const double czynniki[][2] = { // accompanying, leading
        {1.5 * p.Psi0, 1.5 * p.Psi0}, {1.5 * p.Psi0, 1.5}, {p.Psi0, 1}, {p.Psi2, p.Psi1}, {p.Psi2, p.Psi2}};
    return czynniki[int32_t(w)][g == wiodaca];
}

bool JestRodzaju(const TDaneZadania& zad, int32_t g, TRodzajGrupy r)
{
    return zad.Grupy[size_t(g)].Uzyta && zad.Klasyfikacje[size_t(g)].Rodzaj == r;
}

// The arrangement a cause describes.
TUklad Odtworz(const TDaneZadania& zad, const TPrzyczyna& p)
{
    TUklad u;
    const uint16_t wszystkie = uint16_t((1u << zad.IloscPrzesel) - 1);
    for (int32_t g = 0; g < G; ++g) {
        if (JestRodzaju(zad, g, TRodzajGrupy::Stale)) {
            u.Wsp[g] = Czynnik(zad, p.Wyrazenie, g, p.Wiodaca, (p.StaleGorne >> g) & 1);
            u.Przesla[g] = wszystkie;
        } else if (JestRodzaju(zad, g, TRodzajGrupy::Zmienne)) {
            const bool calosc = !zad.Klasyfikacje[g].PoPrzeslach;
            u.Przesla[g] = calosc ? ((p.Calosc >> g) & 1 ? wszystkie : 0) : p.Przesla[g];
            u.Wsp[g] = u.Przesla[g] ? Czynnik(zad, p.Wyrazenie, g, p.Wiodaca, true) : 0;
        }
    }
    return u;
}

// Every arrangement of a state: each expression with each leading group, each permanent group's
// factor and each variable group's spans; a roof's imposed load and snow or wind never together.
std::vector<TUklad> Wszystkie(const TDaneZadania& zad, TStanNormowy stan)
{
    std::vector<int32_t> stale, zmienne;
    uint16_t dach = 0, snieg = 0;
    for (int32_t g = 0; g < G; ++g) {
        if (JestRodzaju(zad, g, TRodzajGrupy::Stale))
            stale.push_back(g);
        if (JestRodzaju(zad, g, TRodzajGrupy::Zmienne)) {
            zmienne.push_back(g);
            const TKat k = zad.Klasyfikacje[g].Kategoria;
            dach |= uint16_t(k == TKat::H) << g;
            snieg |= uint16_t(k == TKat::Snieg || k == TKat::Wiatr) << g;
        }
    }
    const std::map<TStanNormowy, std::vector<std::pair<TWyrazenie, bool>>> wyrazenia = { // with a leading group?
        {TStanNormowy::SGN, {{TWyrazenie::W610a, false}, {TWyrazenie::W610b, true}}},
        {TStanNormowy::SGUCharakterystyczna, {{TWyrazenie::W614b, true}}},
        {TStanNormowy::SGUCzesta, {{TWyrazenie::W615b, true}}},
        {TStanNormowy::SGUQuasi, {{TWyrazenie::W616b, false}}}};
    std::vector<TUklad> uklady;
    for (const uint16_t wykluczone : dach && snieg ? std::vector<uint16_t>{dach, snieg} : std::vector<uint16_t>{0}) {
        std::vector<int32_t> obecne;
        for (const int32_t g : zmienne)
            if (!((wykluczone >> g) & 1))
                obecne.push_back(g);
        for (const auto& [w, zWiodaca] : wyrazenia.at(stan))
            for (const int32_t wiodaca : zWiodaca && !obecne.empty() ? obecne : std::vector<int32_t>{-1}) {
                // Odometer over the permanent groups' factors and the variable groups' presence.
                std::vector<int32_t> zakres(stale.size(), 2);
                for (const int32_t g : obecne)
                    zakres.push_back(zad.Klasyfikacje[g].PoPrzeslach ? 1 << zad.IloscPrzesel : 2);
                std::vector<int32_t> licznik(zakres.size(), 0);
                for (bool dalej = true; dalej;) {
                    TPrzyczyna p{w, wiodaca};
                    for (size_t i = 0; i < stale.size(); ++i)
                        p.StaleGorne |= uint16_t(licznik[i] << stale[i]);
                    for (size_t i = 0; i < obecne.size(); ++i) {
                        const int32_t g = obecne[i], v = licznik[stale.size() + i];
                        if (zad.Klasyfikacje[g].PoPrzeslach)
                            p.Przesla[g] = uint16_t(v);
                        else
                            p.Calosc |= uint16_t(v << g);
                    }
                    uklady.push_back(Odtworz(zad, p));
                    size_t k = 0;
                    while (k < licznik.size() && ++licznik[k] == zakres[k])
                        licznik[k++] = 0;
                    dalej = k < licznik.size();
                }
            }
    }
    return uklady;
}

// Keeps the loads of the table that the predicate keeps, in order.
template <class T, size_t N, class P>
void Zostaw(std::array<T, N>& t, P zostaw)
{
    std::array<T, N> nowa{};
    size_t i = 0;
    for (const T& r : t)
        if (r.Uzyta && zostaw(r))
            nowa[i++] = r;
    t = nowa;
}

// The values at one section, both sides.
struct TStrony {
    double L = 0, P = 0;
};

// The sections the envelope is read at, the grid's and the loads' positions: x → index on the
// envelope's grid, −1 for a load's position between samples.
std::map<float, int32_t> Przekroje(const TDaneZadania& zad, int32_t s)
{
    std::map<float, int32_t> x;
    const auto dodaj = [&](const auto& tablica, auto... pola) {
        for (const auto& r : tablica)
            if (r.Uzyta && r.Przeslo == s)
                (x.emplace(r.*pola, -1), ...);
    };
    dodaj(zad.Sily, &TSila::X);
    dodaj(zad.Momenty, &TMoment::X);
    dodaj(zad.Liniowe, &TLiniowe::X1, &TLiniowe::X2);
    const std::vector<float> siatka = PrzekrojeObwiedni(zad.Przesla[size_t(s)].L);
    for (size_t k = 0; k < siatka.size(); ++k)
        x[siatka[k]] = int32_t(k);
    return x;
}

// What combination c of the analysed task gives at span s, x: 'M', 'T' (both sides, the
// span's own shear only), 'W', or 'R' at support s.
TStrony Odczyt(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, char co, int32_t s, double x)
{
    if (co == 'R')
        return {Reakcja(wyn, c, s, zad.IloscPrzesel), Reakcja(wyn, c, s, zad.IloscPrzesel)};
    if (co == 'W')
        return {wyn.Ugiecia[size_t(c)][size_t(s)].W(x), wyn.Ugiecia[size_t(c)][size_t(s)].W(x)};
    const TWielomianyPrzesla& w = wyn.Wielomiany[size_t(c)][size_t(s)];
    const int32_t j = w.Odcinek(x);
    TStrony t = co == 'M' ? TStrony{w.M(x), w.M(x)} : TStrony{w.T(x), w.T(x)};
    if (j > 0 && double(w.Granice()[size_t(j) - 1]) == x) {
        const TStronyPrzekroju g = co == 'M' ? w.MNaGranicy(j - 1) : w.TNaGranicy(j - 1);
        t = {g.Lewa, g.Prawa};
    }
    if (co == 'T' && x == 0) // a force on a support is the support's
        t.L = t.P;
    if (co == 'T' && x == double(zad.Przesla[size_t(s)].L))
        t.P = t.L;
    return t;
}

// Runs the arrangements as ordinary combinations, ten to a task, one task
// per set of loaded spans; calls f(wyn, c) for each.
template <class F>
void Uruchom(const TDaneZadania& zad, const std::vector<TUklad>& uklady, F f)
{
    std::map<std::array<uint16_t, G>, std::vector<const TUklad*>> wzory;
    for (const TUklad& u : uklady)
        wzory[u.Przesla].push_back(&u);
    for (const auto& [przesla, lista] : wzory) {
        TDaneZadania z = zad;
        z.Klasyfikacje = {};
        const auto zostaw = [&](const auto& r) { return (przesla[size_t(r.Grupa)] >> r.Przeslo) & 1; };
        Zostaw(z.Sily, zostaw);
        Zostaw(z.Momenty, zostaw);
        Zostaw(z.Liniowe, zostaw);
        Zostaw(z.Trojkaty, zostaw);
        for (size_t od = 0; od < lista.size(); od += TDaneZadania::MaxKombinacji) {
            const size_t ile = std::min<size_t>(TDaneZadania::MaxKombinacji, lista.size() - od);
            for (size_t c = 0; c < size_t(TDaneZadania::MaxKombinacji); ++c) {
                z.Kombinacje[c].Uzyta = c < ile;
                z.Kombinacje[c].Nazwa = "K";
                for (int32_t g = 0; g < G; ++g)
                    z.Wspolczynniki[c][size_t(g)] = c < ile ? float(lista[od + c]->Wsp[size_t(g)]) : 0.0f;
            }
            TWyniki wyn;
            wyn.ZapisujWykresy = false;
            TRejestrKomunikatow kom;
            ASSERT_TRUE(Analiza(z, wyn, kom));
            for (size_t c = 0; c < ile; ++c)
                f(wyn, int32_t(c));
        }
    }
}

struct TZakres {
    TStrony Maks{-INFINITY, -INFINITY}, Mini{INFINITY, INFINITY}; // each side apart
    double Max() const { return std::max(Maks.L, Maks.P); }
    double Min() const { return std::min(Mini.L, Mini.P); }
};

// The value a cause gives when replayed at x: the side of x nearer to `wartosc`.
double Odtworzona(const TDaneZadania& zad, const TPrzyczyna& p, char co, int32_t s, double x, double wartosc)
{
    double v = NAN;
    Uruchom(zad, {Odtworz(zad, p)}, [&](const TWyniki& wyn, int32_t c) {
        const TStrony t = Odczyt(zad, wyn, c, co, s, x);
        v = std::abs(t.L - wartosc) < std::abs(t.P - wartosc) ? t.L : t.P;
    });
    return v;
}

struct TPrzypadekPelny {
    const char* Opis;
    std::vector<float> Dlugosci;
    std::vector<TGrupaTestu> Grupy;
};

constexpr TRodzajGrupy Stale = TRodzajGrupy::Stale, Zmienne = TRodzajGrupy::Zmienne;

const TPrzypadekPelny PrzypadkiPelne[] = {
    {"two spans, permanent and patterned imposed", {4.0f, 5.5f}, {{"Stale", Stale}, {"Uzytkowe", Zmienne, TKat::B}}},
    {"three spans, two permanent, two patterned categories and wind as a whole",
     {3.5f, 4.2f, 3.0f},
     {{"G1", Stale}, {"Q biuro", Zmienne, TKat::B}, {"Wiatr", Zmienne, TKat::Wiatr, false}, {"G2", Stale},
      {"Q magazyn", Zmienne, TKat::E}}},
    {"four spans, a roof's imposed load never with snow, an unclassified group left out",
     {3.0f, 3.6f, 2.5f, 3.1f},
     {{"G", Stale}, {"Dach", Zmienne, TKat::H, true}, {"Snieg", Zmienne, TKat::Snieg, false},
      {"Inne", TRodzajGrupy::Niesklasyfikowana}, {"Q", Zmienne, TKat::C, false}}},
    {"five spans, patterned imposed and temperature as a whole",
     {2.0f, 3.0f, 2.5f, 3.0f, 2.0f},
     {{"G", Stale}, {"Q", Zmienne, TKat::A}, {"Temp", Zmienne, TKat::Temperatura, false}}},
    {"variable groups only", {3.0f, 4.0f}, {{"Q1", Zmienne, TKat::D}, {"Q2", Zmienne, TKat::G}}},
};

} // namespace

TEST(ObwiednieNormowe, EqualTheExtremesOfEveryArrangementAtEverySectionOnEachSideAndTheirCausesReproduceThem)
{
    for (const TPrzypadekPelny& przypadek : PrzypadkiPelne) {
        SCOPED_TRACE(przypadek.Opis);
        TDaneZadania zad = Zadanie(przypadek.Dlugosci, przypadek.Grupy);
        TWyniki wyn;
        TRejestrKomunikatow kom;
        ASSERT_TRUE(PrzeliczZadanie(zad, wyn, kom));
        ASSERT_TRUE(wyn.Normowe.Sa);
        const int32_t n = zad.IloscPrzesel;
        std::vector<std::map<float, int32_t>> przekroje;
        for (int32_t s = 0; s < n; ++s)
            przekroje.push_back(Przekroje(zad, s));
        for (int32_t st = 0; st < IloscStanowNormowych; ++st) {
            SCOPED_TRACE(st);
            const TStanNormowy stan = TStanNormowy(st);
            const TObwiedniaNormowa& o = wyn.Normowe[stan];
            // Extremes over every arrangement: [quantity][span or support][section].
            std::map<char, std::vector<std::map<float, TZakres>>> pelne;
            for (const char co : {'M', 'T', 'W', 'R'})
                pelne[co].resize(size_t(n) + 1);
            Uruchom(zad, Wszystkie(zad, stan), [&](const TWyniki& w, int32_t c) {
                for (const char co : {'M', 'T', 'W', 'R'})
                    for (int32_t s = 0; s < n + (co == 'R'); ++s) {
                        const std::map<float, int32_t> jeden{{0.0f, 0}};
                        for (const auto& [x, k] : co == 'R' ? jeden : przekroje[size_t(s)]) {
                            const TStrony t = Odczyt(zad, w, c, co, s, x);
                            TZakres& z = pelne[co][size_t(s)][x];
                            z.Maks = {std::max(z.Maks.L, t.L), std::max(z.Maks.P, t.P)};
                            z.Mini = {std::min(z.Mini.L, t.L), std::min(z.Mini.P, t.P)};
                        }
                    }
            });
            for (const char co : {'M', 'T', 'W', 'R'}) {
                if (co == 'W' && stan == TStanNormowy::SGN)
                    continue;
                double tol = 0;
                const auto skala = [&](int32_t od, int32_t ile) {
                    tol = 1e-18;
                    for (int32_t s = od; s < od + ile; ++s)
                        for (const auto& [x, z] : pelne[co][size_t(s)])
                            tol = std::max({tol, 1e-6 * std::abs(z.Max()), 1e-6 * std::abs(z.Min())});
                };
                const auto sprawdz = [&](const TEkstremumNormowe& e, double oczekiwana, int32_t s) {
                    EXPECT_NEAR(e.Wartosc, oczekiwana, tol) << co << " span " << s;
                    if (e.Wartosc != 0) {
                        EXPECT_NEAR(Odtworzona(zad, e.Przyczyna, co, s, e.X, e.Wartosc), e.Wartosc, tol)
                            << co << " span " << s << " x " << e.X << ": " << OpisPrzyczyny(zad, e.Przyczyna);
                    }
                };
                for (int32_t s = 0; s < n + (co == 'R'); ++s) {
                    co == 'R' ? skala(0, n + 1) : skala(s, 1);
                    double najwiekszy = 0, najmniejszy = 0;
                    for (const auto& [x, z] : pelne[co][size_t(s)]) {
                        najwiekszy = std::max(najwiekszy, z.Max());
                        najmniejszy = std::min(najmniejszy, z.Min());
                    }
                    if (co == 'R') {
                        sprawdz(o.Reakcje[size_t(s)].Max, najwiekszy, s);
                        sprawdz(o.Reakcje[size_t(s)].Min, najmniejszy, s);
                        continue;
                    }
                    const TPrzesloNormowe& p = o.Przesla[size_t(s)];
                    const auto& maks = co == 'M' ? p.MaxM : co == 'T' ? p.MaxT : p.MaxW;
                    const auto& mini = co == 'M' ? p.MinM : co == 'T' ? p.MinT : p.MinW;
                    for (const auto& [x, k] : przekroje[size_t(s)]) {
                        const TZakres& z = pelne[co][size_t(s)][x];
                        if (k < 0 || k % 37 == 0) { // a section's values, both sides apart
                            const TPrzekrojNormowy pn = PrzekrojNormowy(zad, wyn, stan, s, x);
                            const std::map<char, std::array<const TEkstremumNormowe*, 4>> strony = {
                                {'M', {&pn.MmaxL, &pn.MmaxP, &pn.MminL, &pn.MminP}},
                                {'T', {&pn.TmaxL, &pn.TmaxP, &pn.TminL, &pn.TminP}},
                                {'W', {&pn.Wmax, &pn.Wmax, &pn.Wmin, &pn.Wmin}}};
                            const auto& e = strony.at(co);
                            ExpectBliskie({e[0]->Wartosc, e[1]->Wartosc, e[2]->Wartosc, e[3]->Wartosc},
                                          {z.Maks.L, z.Maks.P, z.Mini.L, z.Mini.P}, tol);
                        }
                        if (k < 0)
                            continue;
                        ASSERT_LT(size_t(k), maks.size());
                        EXPECT_EQ(maks[size_t(k)].X, x);
                        EXPECT_NEAR(maks[size_t(k)].Wartosc, z.Max(), tol) << co << s << " x " << x;
                        EXPECT_NEAR(mini[size_t(k)].Wartosc, z.Min(), tol) << co << s << " x " << x;
                    }
                    sprawdz(co == 'M' ? p.Mmax : co == 'T' ? p.Tmax : p.Wmax, najwiekszy, s);
                    sprawdz(co == 'M' ? p.Mmin : co == 'T' ? p.Tmin : p.Wmin, najmniejszy, s);
                }
            }
        }
    }
}

namespace {

// A beam of the given spans, pinned at both ends, every group a uniform load over every span.
struct TRownomierna {
    const char* Nazwa; // UTF-8
    TRodzajGrupy Rodzaj;
    TKat Kategoria;
    bool PoPrzeslach;
    float Q;
};

TDaneZadania Belka(std::initializer_list<float> dlugosci, const std::vector<TRownomierna>& grupy)
{
    TDaneZadania zad;
    UstawGeometrie(zad, dlugosci, true, true);
    for (size_t g = 0; g < grupy.size(); ++g) {
        if (g > 0)
            DodajGrupe(zad, Utf8NaCp1250(grupy[g].Nazwa), 0);
        zad.Grupy[g].Nazwa = Utf8NaCp1250(grupy[g].Nazwa);
        zad.Klasyfikacje[g] = {grupy[g].Rodzaj, grupy[g].Kategoria, grupy[g].PoPrzeslach};
        for (int32_t s = 0; s < zad.IloscPrzesel; ++s)
            DodajLiniowe(zad, s, 0, zad.Przesla[size_t(s)].L, grupy[g].Q, int32_t(g));
    }
    return zad;
}

TObwiednieNormowe Licz(TDaneZadania& zad, TWyniki& wyn)
{
    TRejestrKomunikatow kom;
    EXPECT_TRUE(PrzeliczZadanie(zad, wyn, kom));
    return wyn.Normowe;
}

} // namespace

TEST(ObwiednieNormowe, TextbookBeamsTakeTheirWorstArrangementAndExpressionAndNameThem)
{
    using R = TRodzajGrupy;
    using S = TStanNormowy;
    std::vector<TDaneZadania> belki = {
        Belka({6, 6}, {{"Stałe", R::Stale, TKat::A, false, 20}, {"Użytkowe", R::Zmienne, TKat::A, true, 12}}),
        // 6.10a: 1,35·g + 1,5·0,7·q; 6.10b: 0,85·1,35·g + 1,5·q; equal at q/g = 0,45.
        Belka({5, 5}, {{"G", R::Stale, TKat::A, false, 10}, {"Q", R::Zmienne, TKat::B, true, 3}}),
        Belka({5, 5}, {{"G", R::Stale, TKat::A, false, 10}, {"Q", R::Zmienne, TKat::B, true, 6}}),
        // A roof's imposed load never acts with snow: 6.14b with H leading would add 0,5·s.
        Belka({4}, {{"G", R::Stale, TKat::A, false, 3},
                    {"Dach", R::Zmienne, TKat::H, false, 2},
                    {"Śnieg", R::Zmienne, TKat::Snieg, false, 1.5f}}),
        Belka({5, 6, 5}, {{"Stałe", R::Stale, TKat::A, false, 25}, {"Użytkowe", R::Zmienne, TKat::A, true, 15}}),
    };
    // The end reaction of two 6 m spans with q on span 1 alone; the sagging moment is R²/2(g + q).
    const double R1 = 3 * 20 * 6.0 / 8 + 7 * 12 * 6.0 / 16;
    // 5 + 6 + 5 m by 6.10b, qa with Q, qb without, by the three-moment equation: with Q on spans 1, 3
    // 28·M1 = −(qa·125 + qb·216)/4; on spans 1, 2 22·M1 + 6·M2 = b1, 6·M1 + 22·M2 = b2.
    const double qb = 0.85 * 1.35 * 25, qa = qb + 1.5 * 15;
    const double M1 = -(qa * 125 + qb * 216) / 4 / 28, RA = qa * 5 / 2 + M1 / 5;
    const double b1 = -(qa * 125 + qa * 216) / 4, b2 = -(qa * 216 + qb * 125) / 4;
    const struct {
        size_t Belka;
        S Stan;
        int32_t Przeslo;
        bool Max;
        double Wartosc, Tol, X; // X < 0: not checked
        const char* Opis;
    } przypadki[] = {
        {0, S::SGUCharakterystyczna, 0, false, -32 * 36 / 8.0, 1e-9, 6, "6.14b, wiodące: Użytkowe, przęsła 1, 2"},
        {0, S::SGUCharakterystyczna, 0, true, R1 * R1 / (2 * 32), 1e-4, -1, "6.14b, wiodące: Użytkowe, przęsło 1"},
        {0, S::SGUQuasi, 0, false, -(20 + 0.3 * 12) * 36 / 8, 1e-9, 6, "6.16b; Użytkowe: przęsła 1, 2"},
        {1, S::SGN, 1, false, -(1.35 * 10 + 1.05 * 3) * 25 / 8, 1e-9, 0, "6.10a; Q: przęsła 1, 2"},
        {2, S::SGN, 1, false, -(0.85 * 1.35 * 10 + 1.5 * 6) * 25 / 8, 1e-9, 0, "6.10b, wiodące: Q, przęsła 1, 2"},
        {3, S::SGUCharakterystyczna, 0, true, (3 + 2) * 16 / 8.0, 1e-9, 2, "6.14b, wiodące: Dach"},
        {3, S::SGN, 0, true, (0.85 * 1.35 * 3 + 1.5 * 2) * 16 / 8, 1e-9, 2, "6.10b, wiodące: Dach"},
        {4, S::SGN, 0, true, RA * RA / (2 * qa), 1e-3, -1, "6.10b, wiodące: Użytkowe, przęsła 1, 3"},
        {4, S::SGN, 0, false, (22 * b1 - 6 * b2) / 448, 1e-4, 5, "6.10b, wiodące: Użytkowe, przęsła 1, 2"},
    };
    std::vector<TWyniki> wyniki(belki.size());
    for (size_t i = 0; i < belki.size(); ++i)
        Licz(belki[i], wyniki[i]);
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.Belka);
        const TPrzesloNormowe& p = wyniki[c.Belka].Normowe[c.Stan].Przesla[size_t(c.Przeslo)];
        const TEkstremumNormowe& e = c.Max ? p.Mmax : p.Mmin;
        EXPECT_NEAR(e.Wartosc, c.Wartosc, c.Tol);
        EXPECT_EQ(OpisPrzyczyny(belki[c.Belka], e.Przyczyna), c.Opis);
        if (c.X >= 0) {
            EXPECT_NEAR(e.X, c.X, 1e-6);
        }
    }
    EXPECT_NEAR(wyniki[0].Normowe[S::SGUCharakterystyczna].Reakcje[1].Max.Wartosc, 5 * 32 * 6.0 / 4, 1e-9);
}

TEST(ObwiednieNormowe, ExistOnlyWithAClassifiedGroupAndNameTheGroupsLeftOut)
{
    TDaneZadania zad = Belka({4, 4}, {{"G", TRodzajGrupy::Niesklasyfikowana, TKat::A, false, 3},
                                      {"Q", TRodzajGrupy::Niesklasyfikowana, TKat::A, true, 2}});
    TWyniki wyn;
    EXPECT_FALSE(Licz(zad, wyn).Sa);
    EXPECT_TRUE(wyn.Normowe.Stany[0].Przesla.empty());
    zad.Klasyfikacje[1].Rodzaj = TRodzajGrupy::Zmienne;
    const TObwiednieNormowe o = Licz(zad, wyn);
    ASSERT_TRUE(o.Sa);
    EXPECT_EQ(o.Pominiete, std::vector<int32_t>{0});
    // No permanent group: the imposed load alone, leading; 6.10b has no permanent part to lower.
    EXPECT_NEAR(o[TStanNormowy::SGN].Przesla[0].Mmin.Wartosc, -1.5 * 2 * 16 / 8, 1e-9);
    wyn.ZapisujWykresy = false;
    const TObwiednieNormowe bez = Licz(zad, wyn);
    EXPECT_TRUE(bez[TStanNormowy::SGN].Przesla[0].MaxM.empty());
    EXPECT_EQ(bez[TStanNormowy::SGN].Przesla[0].Mmax.Wartosc, o[TStanNormowy::SGN].Przesla[0].Mmax.Wartosc);
}
