// The calculation report and the CSV table of every shipped example, written
// by the program itself under the locale the process runs in (the suite runs
// it under pl_PL.UTF-8 and C.UTF-8 as well), read back with pdftotext and by
// parsing the table.
#include "Katalog.h"

#include "analysis/Wyniki.h"
#include "app/TabelaCsv.h"
#include "app/WierszPolecen.h"
#include "drawing/Arkusze.h"
#include "model/Budowa.h"
#include "platform/RegionalneQt.h"
#include "platform/TekstyLiczb.h"

#include <nlohmann/json.hpp>

#include <QCoreApplication>

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

TEST_F(Raport, EveryExamplesReportHasItsTablesThenItsSheetsAPageEachAndEveryPageNumbered)
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
            // Every sheet names its moment diagram; no table page does.
            const bool arkusz = tekst.find("MOMENTY [kNm]") != std::string::npos;
            EXPECT_EQ(arkusz, s > strony - arkusze) << s;
            // A sheet's header names it, as the sheets' own footer would.
            if (s > strony - arkusze) {
                const std::string arkusz = arkusze > 1 && s == strony
                                               ? std::string("OBWIEDNIE")
                                               : "KOMBINACJA OBCIĄŻEŃ - " + std::to_string(s - (strony - arkusze));
                EXPECT_NE(tekst.find(arkusz), std::string::npos) << s;
            }
            if (s <= strony - arkusze)
                tabele += tekst;
        }
        std::vector<std::string> naglowki{"Raport obliczeń statycznych belki ciągłej",
                                          "Przęsła",
                                          "L [m]",
                                          "E [kN/m²]",
                                          "Podpory",
                                          "Grupy obciążeń",
                                          "Kombinacje i współczynniki grup",
                                          "Siły skupione",
                                          "Obciążenia równomierne",
                                          "Obciążenia liniowo zmienne",
                                          "Momenty skupione",
                                          "P [kN]",
                                          "q [kN/m]"};
        for (int32_t c = 0; c < p.Wyn->IloscPoliczonych; ++c)
            naglowki.push_back("Wyniki: kombinacja " + std::to_string(c + 1));
        for (const char* n : {"Momenty i siły na końcach przęseł", "ML [kNm]", "Reakcje podpór", "R [kN]",
                              "Ekstremalne momenty i siły poprzeczne w przęsłach", "Mmax [kNm]", "Ugięcia w przęsłach"})
            naglowki.push_back(n);
        if (p.Wyn->IloscPoliczonych >= 2)
            for (const char* n : {"Obwiednia reakcji", "Rmax [kN]", "Obwiednia momentów i sił poprzecznych w przęsłach",
                                  "Obwiednia ugięć w przęsłach"})
                naglowki.push_back(n);
        for (const std::string& n : naglowki)
            EXPECT_NE(tabele.find(n), std::string::npos) << n;
        // The span lengths, in the user's format, in the spans' table.
        EXPECT_NE(tabele.find(FormatujMaska(p.Zad->Przesla[0].L, "0.00", sep)), std::string::npos);
    }
}

TEST_F(Raport, TheFloorExamplesReactionsStandInItsReportInTheUsersFormatUnderEachCombination)
{
    const char sep = RegionalneSystemu().SeparatorDziesietny;
    for (TPrzyklad& p : Przyklady()) {
        if (p.Plik.find("Strop") == std::string::npos)
            continue;
        const std::string pdf = Sciezka("strop.pdf");
        ASSERT_EQ(Program("--raport " + Cytuj(pdf) + " " + Cytuj(p.Plik)), 0);
        std::string tekst;
        for (int s = 1; s <= Strony(pdf); ++s)
            tekst += TekstStrony(pdf, s);
        const int32_t n = p.Zad->IloscPrzesel;
        ASSERT_EQ(n, 3);
        ASSERT_GE(p.Wyn->IloscPoliczonych, 2);
        for (int32_t c = 0; c < p.Wyn->IloscPoliczonych; ++c) {
            const size_t od = tekst.find("Wyniki: kombinacja " + std::to_string(c + 1));
            const size_t reakcje = tekst.find("Reakcje podpór", od);
            ASSERT_NE(reakcje, std::string::npos) << c;
            const std::string tabela = tekst.substr(reakcje, tekst.find("Ekstremalne", reakcje) - reakcje);
            const char* podpory[] = {"A", "1", "2", "B"};
            double suma = 0;
            for (int32_t k = 0; k <= n; ++k) {
                const double r = Reakcja(*p.Wyn, c, k, n);
                suma += r;
                const std::string wiersz =
                    std::string("\n *") + podpory[k] + " +" + FormatujMaska(r, "0.00", sep) + " *\n";
                EXPECT_TRUE(std::regex_search(tabela, std::regex(wiersz))) << c << " " << k << "\n" << tabela;
            }
            // The reactions carry the loads: the check a reader makes first.
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
        std::ifstream plik(csv, std::ios::binary);
        const std::vector<TWierszCsv> wiersze =
            CzytajCsv(std::string(std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()), sep);
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
    const TPolecenie raport = RozbierzPolecenie({"--raport", "r.pdf", "z.qvr", "--skala", "200"});
    EXPECT_EQ(std::tuple(raport.Rodzaj, raport.Wyjscie, raport.Plik, raport.SkalaX),
              std::tuple(R::Raport, std::string("r.pdf"), std::string("z.qvr"), 200.0f));
    const TPolecenie csv = RozbierzPolecenie({"--krok", "0,05", "--csv", "w.csv", "z.qvr"});
    EXPECT_EQ(std::tuple(csv.Rodzaj, csv.Wyjscie, csv.Plik),
              std::tuple(R::Csv, std::string("w.csv"), std::string("z.qvr")));
    EXPECT_DOUBLE_EQ(csv.Krok, 0.05);
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
    std::ifstream przed(a, std::ios::binary);
    const std::string tresc((std::istreambuf_iterator<char>(przed)), std::istreambuf_iterator<char>());
    EXPECT_EQ(Program("--csv " + Cytuj(a) + " " + Cytuj(b)), 1 << 8);
    EXPECT_EQ(Program("--csv " + Cytuj(a) + " " + Cytuj(a)), 1 << 8);
    std::ifstream po(a, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(po)), std::istreambuf_iterator<char>()), tresc);
    // An earlier table is written over.
    const std::string csv = Sciezka("w.csv");
    EXPECT_EQ(Program("--csv " + Cytuj(csv) + " " + Cytuj(b)), 0);
    EXPECT_EQ(Program("--csv " + Cytuj(csv) + " " + Cytuj(b) + " --krok 1"), 0);
}
