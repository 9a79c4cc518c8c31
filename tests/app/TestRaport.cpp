// The calculation report and the CSV table of every shipped example, written
// by the program itself under the locale the process runs in (the suite runs
// it under pl_PL.UTF-8 and C.UTF-8 as well), read back with pdftotext and by
// parsing the table.
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
#include <fstream>
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
    if (!p)
        return tekst;
    char bufor[4096];
    size_t n = 0;
    while ((n = fread(bufor, 1, sizeof bufor, p)) > 0)
        tekst.append(bufor, n);
    pclose(p);
    return tekst;
}

int Strony(const std::string& pdf)
{
    const std::string info = Wyjscie("pdfinfo " + Cytuj(pdf));
    std::smatch m;
    if (!std::regex_search(info, m, std::regex("Pages: *([0-9]+)")))
        return -1;
    return std::stoi(m[1]);
}

std::string TekstStrony(const std::string& pdf, int strona)
{
    const std::string s = std::to_string(strona);
    return Wyjscie("pdftotext -layout -f " + s + " -l " + s + " " + Cytuj(pdf) + " -");
}

struct TPrzyklad {
    std::string Plik;
    std::unique_ptr<TDaneZadania> Zad = std::make_unique<TDaneZadania>();
    std::unique_ptr<TWyniki> Wyn = std::make_unique<TWyniki>();
};

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

    static std::vector<TPrzyklad> Przyklady()
    {
        std::vector<TPrzyklad> przyklady;
        for (const auto& wpis : fs::directory_iterator(QUARVI_PRZYKLADY)) {
            TPrzyklad p;
            p.Plik = wpis.path().string();
            NowyTemat(*p.Zad);
            std::ostringstream bledy;
            EXPECT_TRUE(WczytajIPrzelicz(p.Plik, *p.Zad, *p.Wyn, bledy)) << bledy.str();
            przyklady.push_back(std::move(p));
        }
        EXPECT_EQ(przyklady.size(), 5u);
        return przyklady;
    }

    int Program(const std::string& argumenty)
    {
        return std::system((Cytuj(QUARVI_PROGRAM) + " " + argumenty + " 2>" + Cytuj(Sciezka("bledy.txt"))).c_str());
    }
};

} // namespace

TEST_F(Raport, EveryExamplesReportHasItsTablesThenItsSheetsEveryPageNumberedAndTheReactionsInTheUsersFormat)
{
    const char sep = RegionalneSystemu().SeparatorDziesietny;
    for (TPrzyklad& p : Przyklady()) {
        SCOPED_TRACE(p.Plik);
        const std::string pdf = Sciezka("raport.pdf");
        ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(p.Plik) + " --skala 250"), 0);
        const int strony = Strony(pdf);
        const int arkusze = IloscStronWydruku(*p.Zad);
        ASSERT_GT(strony, arkusze) << "the tables come first";
        std::string tabele;
        const std::string nazwa = fs::path(p.Plik).filename().string();
        for (int s = 1; s <= strony; ++s) {
            const std::string tekst = TekstStrony(pdf, s);
            EXPECT_NE(tekst.find("strona " + std::to_string(s) + " z " + std::to_string(strony)), std::string::npos)
                << s;
            EXPECT_NE(tekst.find(nazwa), std::string::npos) << "the header names the task, page " << s;
            // Every sheet names its moment diagram (the SLS sheet its characteristic one); no table page does.
            const bool arkusz = tekst.find("MOMENTY [kNm]") != std::string::npos ||
                                tekst.find("MOMENTY CHARAKTERYSTYCZNE [kNm]") != std::string::npos;
            EXPECT_EQ(arkusz, s > strony - arkusze) << s;
            // A sheet's header names it, as the sheets' own footer would: the combinations, the envelopes
            // of two or more, then the design envelopes where a group is classified.
            if (s > strony - arkusze) {
                const int n = s - (strony - arkusze), K = p.Zad->IloscKombinacji;
                const int normowe = arkusze - (K > 1 ? K + 1 : K);
                // Only the four-span floor has classified groups.
                ASSERT_EQ(normowe, nazwa == "Strop czteroprzęsłowy.qvr" ? 2 : 0) << arkusze;
                const std::string arkusz = n <= K                  ? "KOMBINACJA OBCIĄŻEŃ - " + std::to_string(n)
                                           : n <= arkusze - normowe ? std::string("OBWIEDNIE")
                                           : n == arkusze - 1       ? std::string("OBWIEDNIA SGN")
                                                                    : std::string("OBWIEDNIA SGU");
                EXPECT_NE(tekst.find(arkusz), std::string::npos) << s << " " << arkusz;
            }
            if (s <= strony - arkusze)
                tabele += tekst;
        }
        std::vector<std::string> naglowki{"Raport obliczeń statycznych belki ciągłej", "Reakcje podpór"};
        for (int32_t c = 0; c < p.Wyn->IloscPoliczonych; ++c)
            naglowki.push_back("Wyniki: kombinacja " + std::to_string(c + 1));
        if (p.Wyn->IloscPoliczonych >= 2)
            naglowki.push_back("Obwiednia reakcji");
        for (const std::string& n : naglowki)
            EXPECT_NE(tabele.find(n), std::string::npos) << n;
        // The span lengths, in the user's format, in the spans' table.
        EXPECT_NE(tabele.find(FormatujMaska(p.Zad->Przesla[0].L, "0.00", sep)), std::string::npos);
        // The three-span floor's reactions under each combination, and their sum: the check a reader makes first.
        if (nazwa != "Strop trzyprzęsłowy.qvr")
            continue;
        const int32_t n = p.Zad->IloscPrzesel;
        ASSERT_TRUE(n == 3 && p.Wyn->IloscPoliczonych >= 2);
        for (int32_t c = 0; c < p.Wyn->IloscPoliczonych; ++c) {
            const size_t od = tabele.find("Wyniki: kombinacja " + std::to_string(c + 1));
            const size_t reakcje = tabele.find("Reakcje podpór", od);
            ASSERT_NE(reakcje, std::string::npos) << c;
            const std::string tabela = tabele.substr(reakcje, tabele.find("Ekstremalne", reakcje) - reakcje);
            const char* podpory[] = {"A", "1", "2", "B"};
            double suma = 0;
            for (int32_t k = 0; k <= n; ++k) {
                const double r = Reakcja(*p.Wyn, c, k, n);
                suma += r;
                const std::string wiersz =
                    std::string("\n *") + podpory[k] + " +" + FormatujMaska(r, "0.00", sep) + " *\n";
                EXPECT_TRUE(std::regex_search(tabela, std::regex(wiersz))) << c << " " << k << "\n" << tabela;
            }
            EXPECT_NE(tabela.find("Suma obciążeń pionowych kombinacji: " + FormatujMaska(suma, "0.00", sep) + " kN"),
                      std::string::npos)
                << tabela;
        }
    }
}

namespace {

struct TWierszCsv {
    int Kombinacja = 0;
    int Przeslo = 0;
    double X = 0;
    double M = 0;
    double T = 0;
    double W = 0;
    std::string Punkt;
};

std::vector<std::string> Pola(const std::string& linia, char pole)
{
    std::vector<std::string> pola;
    std::string biezace;
    for (const char z : linia) {
        if (z == pole) {
            pola.push_back(biezace);
            biezace.clear();
        } else if (z != '\r') {
            biezace += z;
        }
    }
    pola.push_back(biezace);
    return pola;
}

std::vector<TWierszCsv> CzytajCsv(const std::string& tekst, char sep)
{
    std::istringstream wejscie(tekst);
    std::string linia;
    std::getline(wejscie, linia);
    const char pole = sep == ',' ? ';' : ',';
    const std::vector<std::string> naglowek = Pola(linia, pole);
    EXPECT_TRUE(naglowek == (std::vector<std::string>{"Kombinacja", "Przęsło", "x [m]", "M [kNm]", "T [kN]", "w [mm]",
                                                      "Punkt"}) ||
                naglowek == (std::vector<std::string>{"Kombinacja", "Przęsło", "x [m]", "M [kNm]", "T [kN]", "w [kNm3]",
                                                      "Punkt"}))
        << linia;
    std::vector<TWierszCsv> wiersze;
    while (std::getline(wejscie, linia)) {
        const auto p = Pola(linia, pole);
        EXPECT_EQ(p.size(), 7u) << linia;
        if (p.size() != 7)
            continue;
        TWierszCsv w;
        double k = 0, s = 0;
        EXPECT_TRUE(CzytajLiczbe(p[0], sep, k) && CzytajLiczbe(p[1], sep, s) && CzytajLiczbe(p[2], sep, w.X) &&
                    CzytajLiczbe(p[3], sep, w.M) && CzytajLiczbe(p[4], sep, w.T) && CzytajLiczbe(p[5], sep, w.W))
            << linia;
        w.Kombinacja = int(k);
        w.Przeslo = int(s);
        w.Punkt = p[6];
        wiersze.push_back(w);
    }
    return wiersze;
}

} // namespace

TEST_F(Raport, EveryExamplesCsvReadsBackToTheJsonValuesAtItsEndsAndExtremes)
{
    const char sep = RegionalneSystemu().SeparatorDziesietny;
    for (TPrzyklad& p : Przyklady()) {
        SCOPED_TRACE(p.Plik);
        const std::string csv = Sciezka("wyniki.csv");
        ASSERT_EQ(Program("--csv " + Cytuj(csv) + " " + Cytuj(p.Plik) + " --krok 0" + std::string(1, sep) + "25"), 0);
        const std::vector<TWierszCsv> wiersze = CzytajCsv(Czytaj(csv), sep);
        const auto json = nlohmann::json::parse(Wyjscie(Cytuj(QUARVI_PROGRAM) + " --json " + Cytuj(p.Plik)));

        std::map<std::pair<int, int>, std::vector<TWierszCsv>> przesla;
        for (const TWierszCsv& w : wiersze)
            przesla[{w.Kombinacja, w.Przeslo}].push_back(w);
        const int kombinacje = int(json["kombinacje"].size());
        const int n = int(json["przesla"].size());
        ASSERT_EQ(przesla.size(), size_t(kombinacje * n));
        for (int c = 0; c < kombinacje; ++c)
            for (int s = 0; s < n; ++s) {
                SCOPED_TRACE("kombinacja " + std::to_string(c + 1) + ", przęsło " + std::to_string(s + 1));
                const auto& j = json["kombinacje"][c]["przesla"][s];
                const double L = json["przesla"][s]["L"];
                const std::vector<TWierszCsv>& w = przesla[{c + 1, s + 1}];
                std::vector<const TWierszCsv*> kroki;
                for (const TWierszCsv& r : w)
                    if (r.Punkt.empty())
                        kroki.push_back(&r);
                // Every step of 0.25 m and the end itself.
                ASSERT_EQ(kroki.size(), size_t(std::ceil(L / 0.25 - 1e-9)) + 1);
                for (size_t i = 0; i + 1 < kroki.size(); ++i)
                    EXPECT_NEAR(kroki[i]->X, 0.25 * double(i), 1e-9);
                EXPECT_NEAR(kroki.back()->X, L, 1e-4);
                for (size_t i = 1; i < w.size(); ++i)
                    EXPECT_LE(w[i - 1].X, w[i].X) << "ascending in x";
                EXPECT_NEAR(kroki.front()->M, j["MomentL"].get<double>(), 1e-6);
                EXPECT_NEAR(kroki.back()->M, -j["MomentP"].get<double>(), 1e-6);
                EXPECT_NEAR(kroki.front()->T, -j["TL"].get<double>(), 1e-6);
                EXPECT_NEAR(kroki.back()->T, j["TP"].get<double>(), 1e-6);
                // The deflection is 0 on the supports and within its extremes everywhere between.
                EXPECT_EQ(std::pair(kroki.front()->W, kroki.back()->W), std::pair(0.0, 0.0));
                const double wmax = j["Wmax"].get<double>(), wmin = j["Wmin"].get<double>();
                const double tolerancja = 1e-6 * std::max({1.0, std::fabs(wmax), std::fabs(wmin)});
                for (const TWierszCsv& r : w) {
                    EXPECT_LE(r.W, wmax + tolerancja) << r.X;
                    EXPECT_GE(r.W, wmin - tolerancja) << r.X;
                }
                std::map<std::string, int> ekstrema;
                for (const TWierszCsv& r : w) {
                    if (r.Punkt.empty())
                        continue;
                    ++ekstrema[r.Punkt];
                    const bool moment = r.Punkt[0] == 'M';
                    EXPECT_NEAR(r.X, j["X" + r.Punkt].get<double>(), 1e-4) << r.Punkt;
                    EXPECT_NEAR(moment ? r.M : r.T, j[r.Punkt].get<double>(), 1e-6) << r.Punkt;
                }
                for (const char* e : {"Mmax", "Mmin", "Tmax", "Tmin"})
                    EXPECT_LE(ekstrema[e], 1) << e;
                EXPECT_GE(ekstrema.size(), 2u) << "a loaded span has a largest and a smallest value";
            }
    }
}

TEST_F(Raport, TheCsvOfASimplySupportedSpanIsTheParabolaAtEveryStepWithTheFieldSeparatorApartFromTheDecimalOne)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {6}, true, true);
    DodajLiniowe(zad, 0, 0, 6, 10);
    TWyniki wyn;
    std::ostringstream bledy;
    ASSERT_TRUE(WczytajIPrzelicz(Zapisz(zad, "jedno.qvr"), zad, wyn, bledy)) << bledy.str();
    for (const char sep : {',', '.'}) {
        const std::vector<TWierszCsv> w = CzytajCsv(WynikiCsv(zad, wyn, sep, 0.5), sep);
        ASSERT_EQ(w.size(), 13u + 3u) << "13 steps, Mmax at midspan, Tmax at 0 and Tmin at L";
        int mmax = 0;
        for (const TWierszCsv& r : w) {
            EXPECT_NEAR(r.M, 10 * r.X * (6 - r.X) / 2, 1e-9) << r.X; // q·x·(L − x)/2, simply supported
            EXPECT_NEAR(r.T, 10 * (3 - r.X), 1e-9) << r.X;           // q·(L/2 − x)
            if (r.Punkt == "Mmax") {
                ++mmax;
                EXPECT_NEAR(r.X, 3, 1e-9);
                EXPECT_NEAR(r.M, 45, 1e-9); // q·L²/8
            }
        }
        EXPECT_EQ(mmax, 1);
    }
}

TEST_F(Raport, TheReportAndTheTableTakeTheirOutputFirstAndTheStepOnlyForTheTable)
{
    using R = TPolecenie::TRodzaj;
    EXPECT_DOUBLE_EQ(RozbierzPolecenie({"--krok", "0,05", "--csv", "w.csv", "z.qvr"}).Krok, 0.05);
    EXPECT_DOUBLE_EQ(RozbierzPolecenie({"--csv", "w.csv", "z.qvr"}).Krok, 0.1);
    for (const std::vector<std::string>& zle : {std::vector<std::string>{"--raport", "z.qvr"},
                                                {"--csv", "z.qvr"},
                                                {"--raport", "r.pdf", "z.qvr", "--krok", "1"},
                                                {"--csv", "w.csv", "z.qvr", "--krok", "0"},
                                                {"--csv", "w.csv", "z.qvr", "--krok", "x"},
                                                {"--csv", "w.csv", "z.qvr", "--skala", "100"},
                                                {"--csv", "w.csv", "z.qvr", "--krok", "1", "--krok", "2"},
                                                {"--raport", "r.pdf", "--csv", "w.csv", "z.qvr"}})
        EXPECT_EQ(RozbierzPolecenie(zle).Rodzaj, R::Blad) << zle[0] << " " << zle.back();
}

TEST_F(Raport, TheTableNeverOverwritesTheTaskFileNamedFirstByASlip)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {4}, true, true);
    DodajSile(zad, 0, 2, 10);
    const std::string a = Zapisz(zad, "a.qvr"), b = Zapisz(zad, "b.qvr");
    const std::string tresc = Czytaj(a);
    EXPECT_EQ(Program("--csv " + Cytuj(a) + " " + Cytuj(b)), 1 << 8);
    EXPECT_EQ(Program("--csv " + Cytuj(a) + " " + Cytuj(a)), 1 << 8);
    EXPECT_EQ(Czytaj(a), tresc);
    // An earlier table is written over.
    const std::string csv = Sciezka("w.csv");
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

const char* const KluczeStanow[] = {"SGN", "SGU_charakterystyczna", "SGU_czesta", "SGU_quasi"};

std::string NazwaGrupy(const TDaneZadania& zad, int32_t g)
{
    return Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa);
}

// How often the causes of a whole output show each part: a test that saw none of them proves little.
struct TPokrycie {
    int WielePrzeselJednejGrupy = 0, Calosc = 0, BezWiodacej = 0, StaleDolne = 0, Przyczyn = 0;
};

void PorownajPrzyczyne(const nlohmann::json& j, const TDaneZadania& zad, const TPrzyczyna& p, TPokrycie& pokrycie)
{
    ++pokrycie.Przyczyn;
    EXPECT_EQ(j["wyrazenie"], NazwaWyrazenia(p.Wyrazenie));
    EXPECT_EQ(j["wiodaca"], p.Wiodaca < 0 ? nlohmann::json(nullptr) : nlohmann::json(NazwaGrupy(zad, p.Wiodaca)));
    pokrycie.BezWiodacej += p.Wiodaca < 0;
    nlohmann::json przesla = nlohmann::json::array(), calosc = nlohmann::json::array();
    for (int32_t g = 0; g < IloscUzytych(zad.Grupy); ++g) {
        std::vector<int> numery;
        for (int32_t s = 0; s < zad.IloscPrzesel; ++s)
            if (p.Przesla[size_t(g)] & (1u << s))
                numery.push_back(s + 1);
        if (!numery.empty())
            przesla.push_back({{"grupa", NazwaGrupy(zad, g)}, {"przesla", numery}});
        pokrycie.WielePrzeselJednejGrupy += numery.size() >= 2;
        if (p.Calosc & (1u << g))
            calosc.push_back(NazwaGrupy(zad, g));
    }
    EXPECT_EQ(j["przesla"], przesla);
    EXPECT_EQ(j["calosc"], calosc);
    pokrycie.Calosc += !calosc.empty();
    pokrycie.StaleDolne += !j["staleDolne"].empty();
}

} // namespace

TEST_F(Raport, TheJsonHoldsEveryDesignEnvelopeAsTheAnalysisComputedItWithWhatProducedEachExtreme)
{
    TDaneZadania zad = Sklasyfikowane();
    const std::string plik = Zapisz(zad, "normowe.qvr");
    auto wczytane = std::make_unique<TDaneZadania>();
    auto wyn = std::make_unique<TWyniki>();
    NowyTemat(*wczytane);
    std::ostringstream bledy;
    ASSERT_TRUE(WczytajIPrzelicz(plik, *wczytane, *wyn, bledy)) << bledy.str();
    ASSERT_TRUE(wyn->Normowe.Sa);
    const auto j = nlohmann::json::parse(Wyjscie(Cytuj(QUARVI_PROGRAM) + " --json " + Cytuj(plik)));
    const auto& o = j["obwiednieNormowe"];
    ASSERT_TRUE(o.is_object()) << o;
    ASSERT_EQ(o.size(), 4u);

    const auto blisko = [](const nlohmann::json& v, double oczekiwana) {
        EXPECT_NEAR(v.get<double>(), oczekiwana, 1e-9 * (1 + std::fabs(oczekiwana)));
    };
    const double mm = 1000; // the example's w is in mm, the analysis' in m
    ASSERT_EQ(j["jednostkaW"], "mm");
    TPokrycie pokrycie;
    double najwiekszyM = 0;
    for (int32_t i = 0; i < IloscStanowNormowych; ++i) {
        SCOPED_TRACE(KluczeStanow[i]);
        const TObwiedniaNormowa& stan = wyn->Normowe.Stany[size_t(i)];
        const auto& js = o[KluczeStanow[i]];
        ASSERT_EQ(std::pair(js["przesla"].size(), js["reakcje"].size()), std::pair(size_t(3), size_t(4)));
        for (size_t s = 0; s < 3; ++s) {
            const TPrzesloNormowe& p = stan.Przesla[s];
            const auto& jp = js["przesla"][s];
            EXPECT_EQ(jp.contains("Wmax"), i > 0) << "deflections in the serviceability states only";
            const std::pair<const char*, const TEkstremumNormowe*> ekstrema[] = {{"Mmax", &p.Mmax}, {"Mmin", &p.Mmin},
                                                                                 {"Tmax", &p.Tmax}, {"Tmin", &p.Tmin},
                                                                                 {"Wmax", &p.Wmax}, {"Wmin", &p.Wmin}};
            for (const auto& [klucz, e] : ekstrema) {
                SCOPED_TRACE(std::string(klucz) + " przęsła " + std::to_string(s + 1));
                const bool ugiecie = klucz[0] == 'W';
                if (ugiecie && i == 0)
                    continue;
                blisko(jp[klucz], ugiecie ? mm * e->Wartosc : e->Wartosc);
                if (!ugiecie)
                    blisko(jp[std::string("X") + klucz], e->X);
                PorownajPrzyczyne(jp["przyczyny"][klucz], zad, e->Przyczyna, pokrycie);
            }
            najwiekszyM = std::max(najwiekszyM, p.Mmax.Wartosc);
        }
        for (size_t k = 0; k < 4; ++k) {
            const auto& jr = js["reakcje"][k];
            blisko(jr["max"], stan.Reakcje[k].Max.Wartosc);
            blisko(jr["min"], stan.Reakcje[k].Min.Wartosc);
            PorownajPrzyczyne(jr["przyczyny"]["max"], zad, stan.Reakcje[k].Max.Przyczyna, pokrycie);
            PorownajPrzyczyne(jr["przyczyny"]["min"], zad, stan.Reakcje[k].Min.Przyczyna, pokrycie);
        }
    }
    // Not vacuous: real moments, and causes with several spans, whole groups, no leading group, G at γG,inf.
    EXPECT_GT(najwiekszyM, 50);
    EXPECT_EQ(pokrycie.Przyczyn, 3 * 4 + 4 * 2 + 3 * (3 * 6 + 4 * 2));
    EXPECT_GT(pokrycie.WielePrzeselJednejGrupy, 0);
    EXPECT_GT(pokrycie.Calosc, 0);
    EXPECT_GT(pokrycie.BezWiodacej, 0);
    EXPECT_GT(pokrycie.StaleDolne, 0);

    const auto grupy = nlohmann::json::parse(R"([
        {"nazwa": "Stałe", "rodzaj": "stale", "kategoria": null, "poPrzeslach": null,
         "psi0": null, "psi1": null, "psi2": null},
        {"nazwa": "Użytkowe", "rodzaj": "zmienne", "kategoria": "B", "poPrzeslach": true,
         "psi0": 0.7, "psi1": 0.5, "psi2": 0.3},
        {"nazwa": "Śnieg", "rodzaj": "zmienne", "kategoria": "snieg", "poPrzeslach": false,
         "psi0": 0.5, "psi1": 0.2, "psi2": 0.0},
        {"nazwa": "Montaż", "rodzaj": null, "kategoria": null, "poPrzeslach": null,
         "psi0": null, "psi1": null, "psi2": null}])");
    EXPECT_EQ(j["grupy"], grupy);

    // Without a classified group there are no design envelopes, and every group is listed without a kind.
    for (TKlasyfikacjaGrupy& k : zad.Klasyfikacje)
        k.Rodzaj = TRodzajGrupy::Niesklasyfikowana;
    const auto bez = nlohmann::json::parse(Wyjscie(Cytuj(QUARVI_PROGRAM) + " --json " + Cytuj(Zapisz(zad, "bez.qvr"))));
    EXPECT_TRUE(bez.contains("obwiednieNormowe") && bez["obwiednieNormowe"].is_null());
    ASSERT_EQ(bez["grupy"].size(), 4u);
    for (const auto& g : bez["grupy"])
        EXPECT_TRUE(g["rodzaj"].is_null() && g["kategoria"].is_null() && g["psi0"].is_null()) << g;
}

TEST_F(Raport, TheTextResultsAndTheReportGiveEveryDesignExtremeInTheUsersFormatWithWhatProducedIt)
{
    const char sep = RegionalneSystemu().SeparatorDziesietny;
    TDaneZadania zad = Sklasyfikowane();
    const std::string plik = Zapisz(zad, "normowe.qvr");
    auto wyn = std::make_unique<TWyniki>();
    NowyTemat(zad);
    std::ostringstream bledy;
    ASSERT_TRUE(WczytajIPrzelicz(plik, zad, *wyn, bledy)) << bledy.str();
    const auto L = [&](double v) { return FormatujMaska(v, "0.00", sep); };

    const std::string tekst = Wyjscie(Cytuj(QUARVI_PROGRAM) + " --wyniki " + Cytuj(plik));
    ASSERT_NE(tekst.find("\nOBWIEDNIE NORMOWE (PN-EN 1990)\n"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("Grupa 4 Montaż: nieklasyfikowane — pominięta\n"), std::string::npos);
    EXPECT_NE(tekst.find("Grupa 3 Śnieg: zmienne, śnieg, cała naraz (ψ0 = " + L(0.5) + ", ψ1 = " + L(0.2) +
                         ", ψ2 = " + L(0) + ")\n"),
              std::string::npos);
    size_t od = 0;
    for (int32_t i = 0; i < IloscStanowNormowych; ++i) {
        const TOpisStanuNormowego& opis = OpisStanuNormowego(i);
        const TObwiedniaNormowa& stan = wyn->Normowe.Stany[size_t(i)];
        od = tekst.find(std::string("  ") + opis.Tytul + "\n", od);
        ASSERT_NE(od, std::string::npos) << opis.Tytul;
        for (size_t s = 0; s < 3; ++s) {
            const TPrzesloNormowe& p = stan.Przesla[s];
            const std::pair<const char*, const TEkstremumNormowe*> ekstrema[] = {
                {"Mmax = ", &p.Mmax}, {"Mmin = ", &p.Mmin}, {"Tmax = ", &p.Tmax},
                {"Tmin = ", &p.Tmin}, {"wmax = ", &p.Wmax}, {"wmin = ", &p.Wmin}};
            for (const auto& [nazwa, e] : ekstrema) {
                const bool ugiecie = nazwa[0] == 'w';
                const std::string jednostka = ugiecie ? " mm" : nazwa[0] == 'M' ? " kNm" : " kN";
                const std::string linia = std::string("      ") + nazwa + L(ugiecie ? 1000 * e->Wartosc : e->Wartosc) +
                                          jednostka + " w x = " + L(e->X) + " m  (" + OpisPrzyczyny(zad, e->Przyczyna) +
                                          ")\n";
                EXPECT_EQ(tekst.find(linia, od) != std::string::npos, !ugiecie || i > 0) << linia;
            }
        }
        const TReakcjaNormowa& r = stan.Reakcje[2];
        EXPECT_NE(tekst.find("      2: max " + L(r.Max.Wartosc) + " (" + OpisPrzyczyny(zad, r.Max.Przyczyna) +
                                 "), min " + L(r.Min.Wartosc) + " (" + OpisPrzyczyny(zad, r.Min.Przyczyna) + ")\n",
                             od),
                  std::string::npos)
            << opis.Tytul;
    }

    const TEkstremumNormowe& m2 = wyn->Normowe.Stany[0].Przesla[1].Mmax;
    const TEkstremumNormowe& w3 = wyn->Normowe.Stany[3].Przesla[2].Wmax;
    EXPECT_GT(w3.Wartosc, 0);
    // Typeset: the section, its tables and the groups left out stand in the PDF.
    const std::string pdf = Sciezka("normowe.pdf");
    ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(plik)), 0);
    std::string strony;
    for (int s = 1; s <= Strony(pdf); ++s)
        strony += TekstStrony(pdf, s);
    const std::vector<std::string> napisy{"Obwiednie normowe (PN-EN 1990)",
                                          "Rodzaje grup obciążeń",
                                          "SGN (6.10a, 6.10b): przęsła",
                                          "SGU — kombinacja quasi-stała (6.16b): reakcje",
                                          "kowane: 4 Montaż.", // the typeset "fi" is one glyph
                                          L(m2.Wartosc),
                                          L(1000 * w3.Wartosc)};
    for (const std::string& t : napisy)
        EXPECT_NE(strony.find(t), std::string::npos) << t;

    // No classified group: no design envelopes in the text nor in the report.
    for (TKlasyfikacjaGrupy& k : zad.Klasyfikacje)
        k.Rodzaj = TRodzajGrupy::Niesklasyfikowana;
    const std::string bez = Zapisz(zad, "bez.qvr");
    EXPECT_EQ(Wyjscie(Cytuj(QUARVI_PROGRAM) + " --wyniki " + Cytuj(bez)).find("NORMOWE"), std::string::npos);
    ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(bez)), 0);
    for (int s = 1; s <= Strony(pdf); ++s)
        EXPECT_EQ(TekstStrony(pdf, s).find("normowe"), std::string::npos) << s;
}
