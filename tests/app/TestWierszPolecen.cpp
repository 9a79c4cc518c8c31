#include "Katalog.h"

#include "app/WierszPolecen.h"
#include "model/Budowa.h"

#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cerrno>
#include <cmath>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using TRodzaj = TPolecenie::TRodzaj;

class WierszPolecenTest : public Katalog {
protected:
    int Uruchom(std::vector<std::string> argumenty)
    {
        out_.str("");
        bledy_.str("");
        return WykonajTekstowe(RozbierzPolecenie(argumenty), TRegionalne{}, out_, bledy_);
    }

    // Two spans of 6 m clamped at both ends, 10 kN/m on the first.
    static TDaneZadania DwaPrzesla()
    {
        TDaneZadania zad;
        UstawGeometrie(zad, {6, 6}, false, false);
        DodajLiniowe(zad, 0, 0, 6, 10);
        return zad;
    }

    std::ostringstream out_;
    std::ostringstream bledy_;
};

} // namespace

TEST_F(WierszPolecenTest, JsonHoldsTheResultsUnderTheAgreedKeysInNineDigitsAndEnvelopesOnlyForTwoCombinations)
{
    TDaneZadania zad = DwaPrzesla();
    ASSERT_EQ(Uruchom({"--json", Zapisz(zad, "dwa.qvr")}), 0) << bledy_.str();
    auto j = nlohmann::json::parse(out_.str());
    ASSERT_EQ(std::tuple(j["przesla"].size(), j["kombinacje"].size()), std::tuple(2u, 1u));
    const auto& k = j["kombinacje"][0];
    const auto& s0 = k["przesla"][0];
    ASSERT_EQ(std::tuple(k["reakcje"].size(), k["obroty"].size()), std::tuple(3u, 1u));
    EXPECT_EQ(std::tuple(j["przesla"][1]["X0"], k["numer"], k["nazwa"]), std::tuple(6.0, 1, "Stałe"));
    const double wartosci[] = {s0["MomentL"],   s0["MomentP"], s0["TL"], s0["MomentUtwL"], k["przesla"][1]["MomentP"],
                               k["reakcje"][0], k["obroty"][0]};
    const double oczekiwane[] = {-37.5, 15.0, -33.75, -30.0, -7.5, 33.75, -22.5};
    for (size_t i = 0; i < std::size(wartosci); ++i)
        EXPECT_NEAR(wartosci[i], oczekiwane[i], 1e-5) << i;
    EXPECT_TRUE(j["obwiednie"].is_null()) << "one combination has no envelopes";

    // Single precision values are written with nine digits.
    zad.Przesla[0].J = 0.3f;
    DodajKombinacje(zad, "Druga");
    zad.Wspolczynniki[1][0] = 1.5f;
    ASSERT_EQ(Uruchom({"--json", Zapisz(zad, "f32.qvr")}), 0) << bledy_.str();
    EXPECT_NE(out_.str().find("\"J\": 0.300000012"), std::string::npos) << out_.str().substr(0, 300);
    j = nlohmann::json::parse(out_.str());
    const auto& o = j["obwiednie"];
    ASSERT_TRUE(o.is_object() && o["reakcje"].size() == 3u && o["przesla"].size() == 2u) << o;
    EXPECT_TRUE(o["momentyPodporowe"].contains("MinP"));
    EXPECT_NEAR(o["reakcje"][0]["max"].get<double>(), 1.5 * j["kombinacje"][0]["reakcje"][0].get<double>(), 1e-4);
    EXPECT_NEAR(o["przesla"][0]["Mmin"].get<double>(), 1.5 * j["kombinacje"][0]["przesla"][0]["MomentL"].get<double>(),
                1e-3);
}

TEST_F(WierszPolecenTest, ARefusedFileOrTaskAndASingularMatrixPrintNoResultsAndExitWithOne)
{
    EXPECT_EQ(Uruchom({"--wyniki", (katalog_ / "brak.qvr").string()}), 1);
    EXPECT_TRUE(out_.str().empty() && !bledy_.str().empty());

    // Damaged files of the fuzz corpus: every one refused with its message.
    int odmowy = 0;
    for (const auto& wpis : fs::directory_iterator(QUARVI_KORPUS))
        if (wpis.path().filename().string().starts_with("odmowa")) {
            ++odmowy;
            EXPECT_EQ(Uruchom({"--json", wpis.path().string()}), 1) << wpis.path();
            EXPECT_TRUE(out_.str().empty() && bledy_.str().size() > 10) << wpis.path() << bledy_.str();
        }
    EXPECT_GE(odmowy, 15);

    // Two spans hinged where they meet: no stiffness against the middle rotation.
    TDaneZadania zad = DwaPrzesla();
    zad.Przesla[0].TypPrzesla = 2;
    zad.Przesla[1].TypPrzesla = 3;
    EXPECT_EQ(Uruchom({"--wyniki", Zapisz(zad, "osobliwa.qvr")}), 1);
    EXPECT_EQ(std::pair(bledy_.str(), out_.str()),
              std::pair(std::string("det A = 0; Macierz osobliwa \n"), std::string()));

    TDaneZadania bez;
    NowyTemat(bez);
    EXPECT_EQ(Uruchom({"--wyniki", Zapisz(bez, "bez.qvr")}), 1);
    EXPECT_NE(bledy_.str().find("nie zawiera geometrii"), std::string::npos);
}

namespace {

// The system's reason in the user's language, as the program gives it.
std::string Powod(int blad)
{
    std::setlocale(LC_MESSAGES, "");
    return std::strerror(blad);
}

struct TPrzebieg {
    int Kod;
    std::string Wyjscie, Bledy;
};

// The program run by the shell; `przekierowanie` goes after the arguments ("> /dev/full", ">&-").
TPrzebieg Program(const fs::path& katalog, const std::string& argumenty, const std::string& przekierowanie = "")
{
    const fs::path wyjscie = katalog / "stdout.txt", bledy = katalog / "stderr.txt";
    const std::string polecenie = "\"" + std::string(QUARVI_PROGRAM) + "\" " + argumenty + " >\"" + wyjscie.string() +
                                  "\" 2>\"" + bledy.string() + "\" " + przekierowanie;
    const int stan = std::system(polecenie.c_str());
    return {WIFEXITED(stan) ? WEXITSTATUS(stan) : -1, Czytaj(wyjscie), Czytaj(bledy)};
}

} // namespace

// Before, "--json BIG.qvr > /dev/full" and "--wyniki X.qvr >&-" ended with 0, the JSON cut at 8 192 bytes.
TEST_F(WierszPolecenTest, AFullOrClosedStandardOutputEndsWithOneAndTheSystemsReason)
{
    const std::string plik = "\"" + Zapisz(DwaPrzesla(), "dwa.qvr") + "\"";
    for (const std::string& argumenty : {"--json " + plik, "--wyniki " + plik, std::string("--help")}) {
        SCOPED_TRACE(argumenty);
        const TPrzebieg pelne = Program(katalog_, argumenty, "> /dev/full");
        EXPECT_EQ(std::pair(pelne.Kod, pelne.Bledy),
                  std::pair(1, "Nie można pisać na standardowe wyjście: " + Powod(ENOSPC) + ".\n"));
        const TPrzebieg zamkniete = Program(katalog_, argumenty, ">&-");
        EXPECT_EQ(std::pair(zamkniete.Kod, zamkniete.Bledy),
                  std::pair(1, "Nie można pisać na standardowe wyjście: " + Powod(EBADF) + ".\n"));
        const TPrzebieg zwykle = Program(katalog_, argumenty);
        EXPECT_TRUE(zwykle.Kod == 0 && zwykle.Bledy.empty() && zwykle.Wyjscie.size() > 500) << zwykle.Bledy;
    }
    // A closed standard error takes no file's place either: the JSON is whole.
    const TPrzebieg bezBledow = Program(katalog_, "--json " + plik, "2>&-");
    EXPECT_EQ(bezBledow.Kod, 0);
    EXPECT_TRUE(nlohmann::json::accept(bezBledow.Wyjscie));
}

// Nothing pinned the exit status of a bad command line, nor that a second task file is refused.
TEST_F(WierszPolecenTest, ABadCommandLineEndsWithOneAndComputesNothing)
{
    const std::string a = "\"" + Zapisz(DwaPrzesla(), "a.qvr") + "\"", b = "\"" + Zapisz(DwaPrzesla(), "b.qvr") + "\"";
    const std::pair<std::string, std::string> zle[] = {
        {"--cokolwiek " + a, "Nieznana opcja: --cokolwiek. Opis użycia: quarvi --help"},
        {"--wyniki " + a + " " + b, "Opcja --wyniki wymaga jednego argumentu: pliku zadania."},
        {"--json --json " + a, "Opcja --json jest podana dwa razy."},
        {"--pdf x.pdf " + a + " --skala \"\"", "Opcja --skala wymaga wartości, np. --skala 200."},
        {"--png x.png " + a + " --skala 200 --skala 300", "Opcja --skala jest podana dwa razy."},
        {"--png x.png " + a + " --rozmiar 800x600 --rozmiar 900x600", "Opcja --rozmiar jest podana dwa razy."},
        {"--png x.png " + a + " --skala 0,5",
         "Skalę poziomą podaje się jako mianownik od 1 do 100000, np. --skala 200 dla 1:200."},
    };
    for (const auto& [argumenty, komunikat] : zle) {
        const TPrzebieg p = Program(katalog_, argumenty);
        EXPECT_EQ(std::tuple(p.Kod, p.Wyjscie, p.Bledy), std::tuple(1, std::string(), komunikat + "\n")) << argumenty;
    }
    EXPECT_FALSE(fs::exists(katalog_ / "x.png") || fs::exists("x.png") || fs::exists("x.pdf"));
}

TEST(UwagaOPamieci, IsSaidFromAPictureOf256MegabytesOn)
{
    EXPECT_EQ(UwagaOPamieciObrazu(8191, 8192), "");
    EXPECT_EQ(UwagaOPamieciObrazu(8192, 8192), "Obraz 8192x8192 zajmie w pamięci 256 MB.");
    EXPECT_EQ(UwagaOPamieciObrazu(16384, 16384), "Obraz 16384x16384 zajmie w pamięci 1024 MB.");
}

TEST_F(WierszPolecenTest, DeflectionsAndSupportRotationsAreWrittenInMillimetresOrAsEJTimesWWhenEveryEJIsOne)
{
    // One simple span of 6 m, 10 kN/m, an IPE 300 (E = 210 GPa, J = 8356 cm⁴).
    TDaneZadania zad;
    UstawGeometrie(zad, {6}, true, true);
    std::tie(zad.Przesla[0].E, zad.Przesla[0].J) = std::tuple(2.1e8f, 8.356e-5f);
    DodajLiniowe(zad, 0, 0, 6, 10);
    ASSERT_EQ(Uruchom({"--json", Zapisz(zad, "stal.qvr")}), 0) << bledy_.str();
    auto j = nlohmann::json::parse(out_.str());
    const double EJ = double(2.1e8f) * double(8.356e-5f);
    const double f = 5 * 10 * std::pow(6.0, 4) / (384 * EJ); // m, simple span under a uniform load
    const auto& s = j["kombinacje"][0]["przesla"][0];
    const auto& katy = j["kombinacje"][0]["katyObrotu"];
    ASSERT_TRUE(j["jednostkaW"] == "mm" && katy.size() == 2u && s["Wmin"] == 0.0) << j;
    const double fi = 10 * std::pow(6.0, 3) / (24 * EJ); // qL³/24EJ, clockwise
    const double wartosci[] = {s["Wmax"], s["XWmax"], s["LprzezW"], katy[0], katy[1]};
    const double oczekiwane[] = {1000 * f, 3, 6 / f, fi, -fi};
    for (size_t i = 0; i < std::size(wartosci); ++i)
        EXPECT_NEAR(wartosci[i], oczekiwane[i], i == 1 ? 1e-6 : 1e-9 * std::abs(oczekiwane[i])) << i;

    ASSERT_EQ(Uruchom({"--wyniki", Zapisz(zad, "stal.qvr")}), 0) << bledy_.str();
    EXPECT_TRUE(out_.str().find("wmax = 9,62 mm w x = 3,00 m") != std::string::npos &&
                out_.str().find("L/f = 624") != std::string::npos)
        << out_.str();

    // E = J = 1 everywhere: E·J·w in kNm³, and no L/f.
    std::tie(zad.Przesla[0].E, zad.Przesla[0].J) = std::tuple(1.0f, 1.0f);
    DodajKombinacje(zad, "Druga");
    zad.Wspolczynniki[1][0] = 2;
    ASSERT_EQ(Uruchom({"--json", Zapisz(zad, "jeden.qvr")}), 0) << bledy_.str();
    j = nlohmann::json::parse(out_.str());
    EXPECT_EQ(j["jednostkaW"], "kNm3");
    EXPECT_NEAR(j["kombinacje"][0]["przesla"][0]["Wmax"].get<double>(), 5 * 10 * std::pow(6.0, 4) / 384, 1e-9);
    EXPECT_TRUE(j["kombinacje"][0]["przesla"][0]["LprzezW"].is_null());
    EXPECT_NEAR(j["obwiednie"]["przesla"][0]["Wmax"].get<double>(), 2 * 5 * 10 * std::pow(6.0, 4) / 384, 1e-9);
    ASSERT_EQ(Uruchom({"--wyniki", Zapisz(zad, "jeden.qvr")}), 0) << bledy_.str();
    EXPECT_NE(out_.str().find("E·J·w [kNm3]"), std::string::npos) << out_.str();
}
