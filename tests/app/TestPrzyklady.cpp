// The shipped examples opened, drawn and printed as the command line does, under the locale the process runs in;
// Qt sets the C library's locale from the environment when the application starts, as in the program.
#include "drawing/Pomocnicze.h"

#include "app/WierszPolecen.h"
#include "drawing/Arkusze.h"
#include "drawing/WydrukPdf.h"
#include "platform/Cp1250.h"
#include "platform/RegionalneQt.h"

#include <QGuiApplication>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr double PikseleNaCm = 4000; // fine enough to read the test font's texts back

// Every page printed on a recording surface as wide as the sheets may grow.
struct TWydrukZapis : IWydruk {
    std::vector<std::unique_ptr<TPowierzchniaZapis>> Strony;
    std::unique_ptr<TStronaDruku> Biezaca;
    const TStronaDruku* Strona(int32_t) override
    {
        Strony.push_back(std::make_unique<TPowierzchniaZapis>(int32_t(100 * PikseleNaCm), int32_t(29.5 * PikseleNaCm)));
        const int32_t dpi = int32_t(PikseleNaCm * 2.54);
        Biezaca = std::make_unique<TStronaDruku>(TStronaDruku{*Strony.back(), dpi, dpi});
        return Biezaca.get();
    }
    void KoniecStrony(int32_t) override {}
};

class Przyklady : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_przyklady";
        static char* argv[] = {nazwa, nullptr};
        Aplikacja = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { Aplikacja.reset(); }
    static inline std::unique_ptr<QGuiApplication> Aplikacja;
};

// Whether the environment asks for the Polish locale.
bool PolskieUstawienia()
{
    for (const char* zmienna : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* v = std::getenv(zmienna); v && *v)
            return std::string_view(v).starts_with("pl_PL");
    return false;
}

std::string Wzorzec(char separator)
{
    return separator == '.' ? "\\." : std::string(1, separator);
}

} // namespace

TEST_F(Przyklady, EveryLabelOfEveryExampleIsAShortNumberWithTheUsersSeparator)
{
    const TRegionalne regionalne = RegionalneSystemu();
    const char sep = regionalne.SeparatorDziesietny;
    if (PolskieUstawienia()) {
        // The condition the program meets on a Polish machine: the C library itself writes a comma.
        ASSERT_EQ(sep, ',') << "pl_PL.UTF-8 is not installed; tools/deps.sh generates it";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    const std::string s = Wzorzec(sep);
    // A value with its unit, or a whole load with its unit, at most five integer digits and two decimals;
    // a deflection with its span's ratio L/f; on the design sheets the key of what produced it, "(a)".
    const std::regex etykieta("-?(0|[1-9][0-9]{0,4})(" + s +
                              "[0-9]{1,2})?( ?(m|kN|kNm|kN/m| \\(L/[1-9][0-9]{0,6}\\)))?( \\([a-zA-Z]\\))?");
    const std::regex zSeparatorem(".*[0-9]" + s + "[0-9].*");
    // A number ends in a digit: "przęsła 1, 2" lists two.
    const std::regex liczba("[0-9]([0-9.,Ee+-]*[0-9])?");
    // The design sheets name the expressions of the combinations as the standard numbers them.
    const std::regex wyrazenie("6\\.1[0-6][ab]?");
    const std::regex krotkaLiczba("(0|[1-9][0-9]{0,4})(" + s + "[0-9]{1,2})?");
    const std::regex numerZNazwa("[0-9]{1,2}  .*"); // a group's number and its name

    auto czcionka = std::make_unique<TCzcionka>();
    UstawCzcionkeDoOdczytu(*czcionka);
    int przyklady = 0;
    for (const auto& wpis : fs::directory_iterator(QUARVI_PRZYKLADY)) {
        const std::string plik = wpis.path().filename().string();
        SCOPED_TRACE(plik);
        ++przyklady;
        auto zad = std::make_unique<TDaneZadania>();
        auto wyn = std::make_unique<TWyniki>();
        NowyTemat(*zad);
        std::ostringstream bledy;
        ASSERT_TRUE(WczytajIPrzelicz(wpis.path().string(), *zad, *wyn, bledy)) << bledy.str();
        TWidok widok;
        TRejestrKomunikatow kom;
        TKompozycja k{*zad, *wyn, widok, *czcionka, kom, sep};
        k.NazwaPliku = plik;
        k.DataWydruku = "06.12.2026";

        // The screen composition of --png, fine enough to read, over every sheet.
        UstawRozmiarArkusza(widok, k.Drukarka, zad->Nastawy, zad->SkalaX, zad->SkalaY);
        RozmiescArkusze(*zad, widok);
        // From the leftmost sheet: the design sheets stand left of the envelope sheet.
        double od = zad->PolozenieObwiedni.x - 2;
        for (const TPunktArkusza& P : zad->PolozenieNormowych)
            od = std::min(od, double(P.x) - 2);
        // The test font's characters are four times as wide as the real ones: room for them on the right.
        const double do_ = zad->PolozenieKombinacji[size_t(zad->IloscKombinacji)].x + 60;
        TPowierzchniaZapis ekran(int32_t((do_ - od) * PikseleNaCm), int32_t(40 * PikseleNaCm));
        widok.SkalaWidoku = 1000 / PikseleNaCm;
        widok.SrodekX = (od + do_) / 2;
        widok.SrodekY = -15;
        Przerysuj(k, &ekran);
        std::vector<std::string> napisy;
        for (const TNapisZapisany& n : Napisy(ekran))
            napisy.push_back(Cp1250NaUtf8(n.Tekst));
        // The pages of --pdf; their footers name the file and the sheet, written by the user.
        TWydrukZapis wydruk;
        const int32_t strony = Drukuj(k, wydruk);
        for (int32_t strona = 0; strona < strony; ++strona)
            for (const TNapisZapisany& n : Napisy(*wydruk.Strony[size_t(strona)], "", PikseleNaCm))
                if (Cp1250NaUtf8(n.Tekst) != TekstStopki(k, strona, strony))
                    napisy.push_back(Cp1250NaUtf8(n.Tekst));
        for (const TPowierzchniaZapis* p : {&ekran, wydruk.Strony.front().get()})
            for (const TOperacja& o : p->Rodzaju(TOperacja::Rodzaj::Napis))
                napisy.push_back(o.Tekst); // the titles, in the system's font

        int zUlamkiem = 0;
        for (const std::string& t : napisy) {
            if (t.starts_with("KOMBINACJA") || std::regex_match(t, numerZNazwa))
                continue; // the names of combinations and groups are the user's texts
            const bool wartosc = !t.empty() && (t[0] == '-' || (t[0] >= '0' && t[0] <= '9'));
            if (wartosc) {
                EXPECT_TRUE(std::regex_match(t, etykieta)) << "label \"" << t << "\"";
                zUlamkiem += std::regex_match(t, zSeparatorem);
                continue;
            }
            // Any other text: each number in it short, with the user's separator.
            const std::string bezWyrazen = std::regex_replace(t, wyrazenie, "");
            for (auto i = std::sregex_iterator(bezWyrazen.begin(), bezWyrazen.end(), liczba);
                 i != std::sregex_iterator(); ++i)
                EXPECT_TRUE(std::regex_match(i->str(), krotkaLiczba)) << "\"" << i->str() << "\" in \"" << t << "\"";
        }
        // Not vacuous: the diagrams are labelled on screen and on paper.
        EXPECT_GT(zUlamkiem, 20);
    }
    EXPECT_EQ(przyklady, 5);
}
