// The calculation report and the CSV table of every shipped example, written by the program itself under the
// locale the process runs in, read back with pdftotext and by parsing the table.
#include "Katalog.h"

#include "analysis/Wyniki.h"
#include "app/TabelaCsv.h"
#include "app/TabeleRaportu.h"
#include "app/WierszPolecen.h"
#include "drawing/Arkusze.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/RegionalneQt.h"
#include "platform/TekstyLiczb.h"

#include <nlohmann/json.hpp>

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string Cytuj(const std::string& s)
{
    std::string w = "'";
    for (const char z : s)
        w += z == '\'' ? std::string("'\\''") : std::string(1, z);
    return w + "'";
}

// Standard output of a shell command.
std::string Wyjscie(const std::string& polecenie)
{
    std::string tekst;
    FILE* p = popen(polecenie.c_str(), "r");
    char bufor[4096];
    for (size_t n = 0; p && (n = fread(bufor, 1, sizeof bufor, p)) > 0;)
        tekst.append(bufor, n);
    if (p)
        pclose(p);
    return tekst;
}

// The PDF's pages as text; pdftotext ends each with a form feed.
std::vector<std::string> StronyPdf(const std::string& pdf)
{
    std::vector<std::string> strony;
    std::istringstream wejscie(Wyjscie("pdftotext -layout " + Cytuj(pdf) + " -"));
    for (std::string s; std::getline(wejscie, s, '\f');)
        strony.push_back(s);
    if (!strony.empty() && strony.back().find_first_not_of(" \n") == std::string::npos)
        strony.pop_back();
    return strony;
}

nlohmann::json Json(const std::string& plik)
{
    return nlohmann::json::parse(Wyjscie(Cytuj(QUARVI_PROGRAM) + " --json " + Cytuj(plik)));
}

struct TPrzyklad {
    std::string Plik;
    std::unique_ptr<TDaneZadania> Zad = std::make_unique<TDaneZadania>();
    std::unique_ptr<TWyniki> Wyn = std::make_unique<TWyniki>();
};

TPrzyklad Wczytaj(const std::string& plik)
{
    TPrzyklad p{plik};
    NowyTemat(*p.Zad);
    std::ostringstream bledy;
    EXPECT_TRUE(WczytajIPrzelicz(plik, *p.Zad, *p.Wyn, bledy)) << bledy.str();
    return p;
}

class Raport : public Katalog {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_raport";
        static char* argv[] = {nazwa, nullptr};
        // Sets the C library's locale from the environment, as the program's start does.
        Aplikacja = std::make_unique<QCoreApplication>(argc, argv);
    }
    static void TearDownTestSuite() { Aplikacja.reset(); }
    static inline std::unique_ptr<QCoreApplication> Aplikacja;

    int Program(const std::string& argumenty)
    {
        return std::system((Cytuj(QUARVI_PROGRAM) + " " + argumenty + " 2>" + Cytuj(Sciezka("bledy.txt"))).c_str());
    }
    const char sep = RegionalneSystemu().SeparatorDziesietny;
    std::string L(double v) const { return FormatujMaska(v, "0.00", sep); }
};

struct TWierszCsv {
    int Kombinacja = 0, Przeslo = 0;
    double X = 0, M = 0, T = 0, W = 0;
    std::string Punkt;
};

std::vector<TWierszCsv> CzytajCsv(const std::string& tekst, char sep)
{
    const char pole = sep == ',' ? ';' : ',';
    std::vector<TWierszCsv> wiersze;
    std::istringstream wejscie(tekst);
    std::string linia;
    std::getline(wejscie, linia);
    const auto naglowek = [&](const std::string& w) {
        std::string t = "Kombinacja;Przęsło;x [m];M [kNm];T [kN];w [" + w + "];Punkt";
        std::ranges::replace(t, ';', pole);
        return t;
    };
    std::erase(linia, '\r');
    EXPECT_TRUE(linia == naglowek("mm") || linia == naglowek("kNm3")) << linia;
    while (std::getline(wejscie, linia)) {
        std::vector<std::string> p(1);
        for (const char z : linia)
            if (z == pole)
                p.emplace_back();
            else if (z != '\r')
                p.back() += z;
        EXPECT_EQ(p.size(), 7u) << linia;
        if (p.size() != 7)
            continue;
        TWierszCsv w;
        double k = 0, s = 0;
        EXPECT_TRUE(CzytajLiczbe(p[0], sep, k) && CzytajLiczbe(p[1], sep, s) && CzytajLiczbe(p[2], sep, w.X) &&
                    CzytajLiczbe(p[3], sep, w.M) && CzytajLiczbe(p[4], sep, w.T) && CzytajLiczbe(p[5], sep, w.W))
            << linia;
        std::tie(w.Kombinacja, w.Przeslo, w.Punkt) = std::tuple(int(k), int(s), p[6]);
        wiersze.push_back(w);
    }
    return wiersze;
}

} // namespace

TEST_F(Raport, EveryExamplesReportHasItsTablesThenItsNumberedSheetsAndItsCsvReadsBackToTheJsonValues)
{
    int przyklady = 0;
    for (const auto& wpis : fs::directory_iterator(QUARVI_PRZYKLADY)) {
        ++przyklady;
        const TPrzyklad p = Wczytaj(wpis.path().string());
        SCOPED_TRACE(p.Plik);
        const std::string pdf = Sciezka("raport.pdf"), nazwa = wpis.path().filename().string();
        ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(p.Plik) + " --skala 250"), 0);
        const std::vector<std::string> strony = StronyPdf(pdf);
        const int n = int(strony.size()), arkusze = IloscStronWydruku(*p.Zad), K = p.Zad->IloscKombinacji;
        ASSERT_GT(n, arkusze) << "the tables come first";
        // Only the four-span floor has classified groups: its two design sheets follow the envelopes.
        const int normowe = arkusze - (K > 1 ? K + 1 : K);
        ASSERT_EQ(normowe, nazwa == "Strop czteroprzęsłowy.qvr" ? 2 : 0) << arkusze;
        std::string tabele;
        for (int s = 1; s <= n; ++s) {
            const std::string& tekst = strony[size_t(s - 1)];
            EXPECT_NE(tekst.find("strona " + std::to_string(s) + " z " + std::to_string(n)), std::string::npos) << s;
            EXPECT_NE(tekst.find(nazwa), std::string::npos) << "the header names the task, page " << s;
            // Every sheet names its moment diagram, and its header names the sheet; no table page does.
            const int a = s - (n - arkusze);
            const bool arkusz = tekst.find("MOMENTY [kNm]") != std::string::npos ||
                                tekst.find("MOMENTY CHARAKTERYSTYCZNE [kNm]") != std::string::npos;
            EXPECT_EQ(arkusz, a > 0) << s;
            if (a <= 0) {
                tabele += tekst;
                continue;
            }
            const std::string tytul = a <= K                   ? "KOMBINACJA OBCIĄŻEŃ - " + std::to_string(a)
                                      : a <= arkusze - normowe ? std::string("OBWIEDNIE")
                                      : a == arkusze - 1       ? std::string("OBWIEDNIA SGN")
                                                               : std::string("OBWIEDNIA SGU");
            EXPECT_NE(tekst.find(tytul), std::string::npos) << s << " " << tytul;
        }
        std::vector<std::string> naglowki{"Raport obliczeń statycznych belki ciągłej", "Reakcje podpór",
                                          FormatujMaska(p.Zad->Przesla[0].L, "0.00", sep)};
        for (int32_t c = 0; c < p.Wyn->IloscPoliczonych; ++c)
            naglowki.push_back("Wyniki: kombinacja " + std::to_string(c + 1));
        if (p.Wyn->IloscPoliczonych >= 2)
            naglowki.push_back("Obwiednia reakcji");
        for (const std::string& t : naglowki)
            EXPECT_NE(tabele.find(t), std::string::npos) << t;
        // The three-span floor's reactions under each combination, and their sum: the check a reader makes first.
        if (nazwa == "Strop trzyprzęsłowy.qvr") {
            ASSERT_TRUE(p.Zad->IloscPrzesel == 3 && p.Wyn->IloscPoliczonych >= 2);
            for (int32_t c = 0; c < p.Wyn->IloscPoliczonych; ++c) {
                const size_t od = tabele.find("Reakcje podpór", tabele.find("Wyniki: kombinacja " + std::to_string(c + 1)));
                ASSERT_NE(od, std::string::npos) << c;
                const std::string tabela = tabele.substr(od, tabele.find("Ekstremalne", od) - od);
                double suma = 0;
                for (int32_t k = 0; k <= 3; ++k) {
                    const double r = Reakcja(*p.Wyn, c, k, 3);
                    suma += r;
                    const std::string wiersz = std::string("\n *") + "A12B"[k] + " +" + L(r) + " *\n";
                    EXPECT_TRUE(std::regex_search(tabela, std::regex(wiersz))) << c << " " << k << "\n" << tabela;
                }
                EXPECT_NE(tabela.find("Suma obciążeń pionowych kombinacji: " + L(suma) + " kN"), std::string::npos)
                    << tabela;
            }
        }

        // The table at a step of 0.25 m, in the user's format, against the JSON's ends and extremes.
        const std::string csv = Sciezka("wyniki.csv");
        ASSERT_EQ(Program("--csv " + Cytuj(csv) + " " + Cytuj(p.Plik) + " --krok 0" + std::string(1, sep) + "25"), 0);
        std::map<std::pair<int, int>, std::vector<TWierszCsv>> przesla;
        for (const TWierszCsv& w : CzytajCsv(Czytaj(csv), sep))
            przesla[{w.Kombinacja, w.Przeslo}].push_back(w);
        const auto json = Json(p.Plik);
        const int kombinacje = int(json["kombinacje"].size()), ile = int(json["przesla"].size());
        ASSERT_EQ(przesla.size(), size_t(kombinacje * ile));
        for (int c = 0; c < kombinacje; ++c)
            for (int s = 0; s < ile; ++s) {
                SCOPED_TRACE("kombinacja " + std::to_string(c + 1) + ", przęsło " + std::to_string(s + 1));
                const auto& j = json["kombinacje"][c]["przesla"][s];
                const double dl = json["przesla"][s]["L"];
                const std::vector<TWierszCsv>& w = przesla[{c + 1, s + 1}];
                std::vector<const TWierszCsv*> kroki;
                for (const TWierszCsv& r : w)
                    if (r.Punkt.empty())
                        kroki.push_back(&r);
                ASSERT_EQ(kroki.size(), size_t(std::ceil(dl / 0.25 - 1e-9)) + 1) << "every step and the end";
                for (size_t i = 0; i + 1 < kroki.size(); ++i)
                    EXPECT_NEAR(kroki[i]->X, 0.25 * double(i), 1e-9);
                EXPECT_NEAR(kroki.back()->X, dl, 1e-4);
                EXPECT_NEAR(kroki.front()->M, j["MomentL"].get<double>(), 1e-6);
                EXPECT_NEAR(kroki.back()->M, -j["MomentP"].get<double>(), 1e-6);
                EXPECT_NEAR(kroki.front()->T, -j["TL"].get<double>(), 1e-6);
                EXPECT_NEAR(kroki.back()->T, j["TP"].get<double>(), 1e-6);
                // The deflection is 0 on the supports and within its extremes everywhere between.
                EXPECT_EQ(std::pair(kroki.front()->W, kroki.back()->W), std::pair(0.0, 0.0));
                const double wmax = j["Wmax"], wmin = j["Wmin"];
                const double tol = 1e-6 * std::max({1.0, std::fabs(wmax), std::fabs(wmin)});
                std::map<std::string, int> ekstrema;
                for (size_t i = 0; i < w.size(); ++i) {
                    const TWierszCsv& r = w[i];
                    EXPECT_TRUE(r.W <= wmax + tol && r.W >= wmin - tol) << r.X;
                    EXPECT_TRUE(i == 0 || w[i - 1].X <= r.X) << "ascending in x";
                    if (r.Punkt.empty())
                        continue;
                    ++ekstrema[r.Punkt];
                    EXPECT_NEAR(r.X, j["X" + r.Punkt].get<double>(), 1e-4) << r.Punkt;
                    EXPECT_NEAR(r.Punkt[0] == 'M' ? r.M : r.T, j[r.Punkt].get<double>(), 1e-6) << r.Punkt;
                }
                for (const char* e : {"Mmax", "Mmin", "Tmax", "Tmin"})
                    EXPECT_LE(ekstrema[e], 1) << e;
                EXPECT_GE(ekstrema.size(), 2u) << "a loaded span has a largest and a smallest value";
            }
    }
    EXPECT_EQ(przyklady, 5);
}

TEST_F(Raport, TheCsvOfASimplySupportedSpanIsTheParabolaAtEveryStepWithTheFieldSeparatorApartFromTheDecimalOne)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    const TPrzyklad p = Wczytaj(Zapisz(zad, "jedno.qvr"));
    for (const char s : {',', '.'}) {
        const std::vector<TWierszCsv> w = CzytajCsv(WynikiCsv(*p.Zad, *p.Wyn, s, 0.5), s);
        ASSERT_EQ(w.size(), 13u + 3u) << "13 steps, Mmax at midspan, Tmax at 0 and Tmin at L";
        int mmax = 0;
        for (const TWierszCsv& r : w) {
            EXPECT_NEAR(r.M, 10 * r.X * (6 - r.X) / 2, 1e-9) << r.X; // q·x·(L − x)/2
            EXPECT_NEAR(r.T, 10 * (3 - r.X), 1e-9) << r.X;           // q·(L/2 − x)
            if (r.Punkt == "Mmax") {
                ++mmax;
                EXPECT_TRUE(std::abs(r.X - 3) < 1e-9 && std::abs(r.M - 45) < 1e-9) << r.X; // q·L²/8
            }
        }
        EXPECT_EQ(mmax, 1);
    }
}

TEST_F(Raport, TheTableTakesItsOutputFirstAndTheStepAloneAndNeverOverwritesTheTaskFileNamedFirstByASlip)
{
    EXPECT_DOUBLE_EQ(RozbierzPolecenie({"--krok", "0,05", "--csv", "w.csv", "z.qvr"}).Krok, 0.05);
    EXPECT_DOUBLE_EQ(RozbierzPolecenie({"--csv", "w.csv", "z.qvr"}).Krok, 0.1);
    for (const std::vector<std::string>& zle :
         {std::vector<std::string>{"--raport", "z.qvr"}, {"--csv", "z.qvr"}, {"--raport", "r.pdf", "z.qvr", "--krok", "1"},
          {"--csv", "w.csv", "z.qvr", "--krok", "0"}, {"--csv", "w.csv", "z.qvr", "--krok", "x"},
          {"--csv", "w.csv", "z.qvr", "--skala", "100"}, {"--csv", "w.csv", "z.qvr", "--krok", "1", "--krok", "2"},
          {"--raport", "r.pdf", "--csv", "w.csv", "z.qvr"}})
        EXPECT_EQ(RozbierzPolecenie(zle).Rodzaj, TPolecenie::TRodzaj::Blad) << zle[0] << " " << zle.back();
    TDaneZadania zad;
    UstawGeometrie(zad, {4}, true, true);
    DodajSile(zad, 0, 2, 10);
    const std::string a = Zapisz(zad, "a.qvr"), b = Zapisz(zad, "b.qvr"), tresc = Czytaj(a), csv = Sciezka("w.csv");
    EXPECT_EQ(std::tuple(Program("--csv " + Cytuj(a) + " " + Cytuj(b)), Program("--csv " + Cytuj(a) + " " + Cytuj(a)),
                         Czytaj(a) == tresc),
              std::tuple(1 << 8, 1 << 8, true));
    // An earlier table is written over.
    EXPECT_EQ(Program("--csv " + Cytuj(csv) + " " + Cytuj(b)), 0);
    EXPECT_EQ(Program("--csv " + Cytuj(csv) + " " + Cytuj(b) + " --krok 1"), 0);
}

namespace {

// Three spans of an IPE 300 with every kind of group: permanent, imposed of category B patterned span by span,
// snow acting as a whole, and an erection load left unclassified.
TDaneZadania Sklasyfikowane()
{
    TDaneZadania zad;
    UstawGeometrie(zad, {5.0f, 6.0f, 5.0f}, true, true);
    for (TPrzeslo& p : zad.Przesla)
        std::tie(p.E, p.J) = std::tuple(2.05e8f, 8.356e-5f);
    const int32_t q = DodajGrupe(zad, Utf8NaCp1250("Użytkowe"), 0x0000FF);
    const int32_t snieg = DodajGrupe(zad, Utf8NaCp1250("Śnieg"), 0xFF0000);
    const int32_t montaz = DodajGrupe(zad, Utf8NaCp1250("Montaż"), 0x00FF00);
    zad.Klasyfikacje[0].Rodzaj = TRodzajGrupy::Stale;
    zad.Klasyfikacje[size_t(q)] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::B, true};
    zad.Klasyfikacje[size_t(snieg)] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::Snieg, false};
    for (int32_t s = 0; s < 3; ++s) {
        const float L = zad.Przesla[size_t(s)].L;
        DodajLiniowe(zad, s, 0, L, 12, 0);
        DodajLiniowe(zad, s, 0, L, 9, q);
        DodajLiniowe(zad, s, 0, L, 4, snieg);
    }
    DodajSile(zad, 1, 3, 20, montaz);
    zad.Wspolczynniki[0] = {1.35f, 1.5f, 0.75f, 1.5f};
    return zad;
}

// How often the causes of a whole output show each part: several spans of one group, a whole group, no leading
// group, G at γG,inf, all causes; a test that saw none of them proves little.
using TPokrycie = std::array<int, 5>;

void PorownajPrzyczyne(const nlohmann::json& j, const TDaneZadania& zad, const TPrzyczyna& p, TPokrycie& pokrycie)
{
    const auto grupa = [&](int32_t g) { return Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa); };
    EXPECT_EQ(j["wyrazenie"], NazwaWyrazenia(p.Wyrazenie));
    EXPECT_EQ(j["wiodaca"], p.Wiodaca < 0 ? nlohmann::json(nullptr) : nlohmann::json(grupa(p.Wiodaca)));
    nlohmann::json przesla = nlohmann::json::array(), calosc = nlohmann::json::array();
    for (int32_t g = 0; g < IloscUzytych(zad.Grupy); ++g) {
        std::vector<int> numery;
        for (int32_t s = 0; s < zad.IloscPrzesel; ++s)
            if (p.Przesla[size_t(g)] & (1u << s))
                numery.push_back(s + 1);
        if (!numery.empty())
            przesla.push_back({{"grupa", grupa(g)}, {"przesla", numery}});
        pokrycie[0] += numery.size() >= 2;
        if (p.Calosc & (1u << g))
            calosc.push_back(grupa(g));
    }
    EXPECT_EQ(std::pair(j["przesla"], j["calosc"]), std::pair(przesla, calosc));
    pokrycie[1] += !calosc.empty();
    pokrycie[2] += p.Wiodaca < 0;
    pokrycie[3] += !j["staleDolne"].empty();
    ++pokrycie[4];
}

} // namespace

TEST_F(Raport, TheJsonTheTextAndTheReportGiveEveryDesignExtremeAsTheAnalysisComputedItWithWhatProducedIt)
{
    TDaneZadania zad = Sklasyfikowane();
    const std::string plik = Zapisz(zad, "normowe.qvr");
    const TPrzyklad p = Wczytaj(plik);
    const TWyniki& wyn = *p.Wyn;
    ASSERT_TRUE(wyn.Normowe.Sa);
    const auto j = Json(plik);
    const auto& o = j["obwiednieNormowe"];
    ASSERT_TRUE(o.is_object() && o.size() == 4u && j["jednostkaW"] == "mm") << o;
    const std::string tekst = Wyjscie(Cytuj(QUARVI_PROGRAM) + " --wyniki " + Cytuj(plik));
    ASSERT_NE(tekst.find("\nOBWIEDNIE NORMOWE (PN-EN 1990)\n"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("Grupa 4 Montaż: nieklasyfikowane — pominięta\n"), std::string::npos);
    EXPECT_NE(tekst.find("Grupa 3 Śnieg: zmienne, śnieg, cała naraz (ψ0 = " + L(0.5) + ", ψ1 = " + L(0.2) +
                         ", ψ2 = " + L(0) + ")\n"),
              std::string::npos);
    const auto blisko = [](const nlohmann::json& v, double oczekiwana) {
        EXPECT_NEAR(v.get<double>(), oczekiwana, 1e-9 * (1 + std::fabs(oczekiwana)));
    };
    const char* const klucze[] = {"SGN", "SGU_charakterystyczna", "SGU_czesta", "SGU_quasi"};
    TPokrycie pokrycie{};
    double najwiekszyM = 0;
    size_t od = 0;
    for (int32_t i = 0; i < IloscStanowNormowych; ++i) {
        SCOPED_TRACE(klucze[i]);
        const TObwiedniaNormowa& stan = wyn.Normowe.Stany[size_t(i)];
        const auto& js = o[klucze[i]];
        ASSERT_EQ(std::pair(js["przesla"].size(), js["reakcje"].size()), std::pair(size_t(3), size_t(4)));
        od = tekst.find(std::string("  ") + OpisStanuNormowego(i).Tytul + "\n", od);
        ASSERT_NE(od, std::string::npos);
        for (size_t s = 0; s < 3; ++s) {
            const TPrzesloNormowe& ps = stan.Przesla[s];
            const auto& jp = js["przesla"][s];
            EXPECT_EQ(jp.contains("Wmax"), i > 0) << "deflections in the serviceability states only";
            const std::pair<const char*, const TEkstremumNormowe*> ekstrema[] = {
                {"Mmax", &ps.Mmax}, {"Mmin", &ps.Mmin}, {"Tmax", &ps.Tmax},
                {"Tmin", &ps.Tmin}, {"Wmax", &ps.Wmax}, {"Wmin", &ps.Wmin}};
            for (const auto& [klucz, e] : ekstrema) {
                SCOPED_TRACE(std::string(klucz) + " przęsła " + std::to_string(s + 1));
                const bool ugiecie = klucz[0] == 'W';
                const double v = ugiecie ? 1000 * e->Wartosc : e->Wartosc; // the example's w in mm
                const std::string linia = "      " + std::string(ugiecie ? "w" : "") + (klucz + ugiecie) + " = " +
                                          L(v) + (ugiecie ? " mm" : klucz[0] == 'M' ? " kNm" : " kN") + " w x = " +
                                          L(e->X) + " m  (" + OpisPrzyczyny(*p.Zad, e->Przyczyna) + ")\n";
                EXPECT_EQ(tekst.find(linia, od) != std::string::npos, !ugiecie || i > 0) << linia;
                if (ugiecie && i == 0)
                    continue;
                blisko(jp[klucz], v);
                if (!ugiecie)
                    blisko(jp[std::string("X") + klucz], e->X);
                PorownajPrzyczyne(jp["przyczyny"][klucz], zad, e->Przyczyna, pokrycie);
            }
            najwiekszyM = std::max(najwiekszyM, ps.Mmax.Wartosc);
        }
        for (size_t k = 0; k < 4; ++k) {
            const TReakcjaNormowa& r = stan.Reakcje[k];
            const auto& jr = js["reakcje"][k];
            blisko(jr["max"], r.Max.Wartosc);
            blisko(jr["min"], r.Min.Wartosc);
            PorownajPrzyczyne(jr["przyczyny"]["max"], zad, r.Max.Przyczyna, pokrycie);
            PorownajPrzyczyne(jr["przyczyny"]["min"], zad, r.Min.Przyczyna, pokrycie);
            EXPECT_TRUE(k != 2 || tekst.find("      2: max " + L(r.Max.Wartosc) + " (" +
                                                 OpisPrzyczyny(*p.Zad, r.Max.Przyczyna) + "), min " + L(r.Min.Wartosc) +
                                                 " (" + OpisPrzyczyny(*p.Zad, r.Min.Przyczyna) + ")\n",
                                             od) != std::string::npos);
        }
    }
    // Not vacuous: real moments, and causes with each part.
    EXPECT_GT(najwiekszyM, 50);
    EXPECT_EQ(pokrycie[4], 3 * 4 + 4 * 2 + 3 * (3 * 6 + 4 * 2));
    EXPECT_TRUE(pokrycie[0] > 0 && pokrycie[1] > 0 && pokrycie[2] > 0 && pokrycie[3] > 0);
    EXPECT_EQ(j["grupy"], nlohmann::json::parse(R"([
        {"nazwa": "Stałe", "rodzaj": "stale", "kategoria": null, "poPrzeslach": null,
         "psi0": null, "psi1": null, "psi2": null},
        {"nazwa": "Użytkowe", "rodzaj": "zmienne", "kategoria": "B", "poPrzeslach": true,
         "psi0": 0.7, "psi1": 0.5, "psi2": 0.3},
        {"nazwa": "Śnieg", "rodzaj": "zmienne", "kategoria": "snieg", "poPrzeslach": false,
         "psi0": 0.5, "psi1": 0.2, "psi2": 0.0},
        {"nazwa": "Montaż", "rodzaj": null, "kategoria": null, "poPrzeslach": null,
         "psi0": null, "psi1": null, "psi2": null}])"));

    // Typeset: the section, its tables and the groups left out stand in the PDF.
    const std::string pdf = Sciezka("normowe.pdf");
    ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(plik)), 0);
    std::string strony;
    for (const std::string& s : StronyPdf(pdf))
        strony += s;
    const double w3 = 1000 * wyn.Normowe.Stany[3].Przesla[2].Wmax.Wartosc;
    EXPECT_GT(w3, 0);
    for (const std::string& t : {std::string("Obwiednie normowe (PN-EN 1990)"), std::string("Rodzaje grup obciążeń"),
                                 std::string("SGN (6.10a, 6.10b): przęsła"),
                                 std::string("SGU — kombinacja quasi-stała (6.16b): reakcje"),
                                 std::string("kowane: 4 Montaż."), // the typeset "fi" is one glyph
                                 L(wyn.Normowe.Stany[0].Przesla[1].Mmax.Wartosc), L(w3)})
        EXPECT_NE(strony.find(t), std::string::npos) << t;

    // No classified group: no design envelopes anywhere, and every group listed without a kind.
    for (TKlasyfikacjaGrupy& k : zad.Klasyfikacje)
        k.Rodzaj = TRodzajGrupy::Niesklasyfikowana;
    const std::string bez = Zapisz(zad, "bez.qvr");
    const auto jb = Json(bez);
    EXPECT_TRUE(jb.contains("obwiednieNormowe") && jb["obwiednieNormowe"].is_null());
    ASSERT_EQ(jb["grupy"].size(), 4u);
    for (const auto& g : jb["grupy"])
        EXPECT_TRUE(g["rodzaj"].is_null() && g["kategoria"].is_null() && g["psi0"].is_null()) << g;
    EXPECT_EQ(Wyjscie(Cytuj(QUARVI_PROGRAM) + " --wyniki " + Cytuj(bez)).find("NORMOWE"), std::string::npos);
    ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(bez)), 0);
    for (const std::string& s : StronyPdf(pdf))
        EXPECT_EQ(s.find("normowe"), std::string::npos);
}
