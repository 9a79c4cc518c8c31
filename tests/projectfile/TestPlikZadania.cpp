#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "projectfile/PlikZadaniaQt.h"
#include "tests/projectfile/fuzz/WlasnosciOdczytu.h"
#include "tools/przyklady/Przyklady.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const TChwila Chwila{2024, 3, 7, 9, 5, 3};

std::string (*const Cp)(std::string_view) = Utf8NaCp1250;

std::string Zapis(const TDaneZadania& zad, char separator = ',')
{
    std::string tekst, blad;
    EXPECT_TRUE(ZapiszDoTekstu(zad, separator, LiniaDatyZapisu({}, Chwila), tekst, blad)) << blad;
    return tekst;
}

// Writes what was read; fails the test when the text was refused.
std::string ZapisOdczytu(std::string_view tekst)
{
    const TOdczyt o = CzytajTekst(tekst);
    EXPECT_TRUE(o.Zadanie) << o.Blad;
    return o.Zadanie ? Zapis(*o.Zadanie) : "";
}

std::string Zamien(std::string tekst, std::string_view stary, std::string_view nowy)
{
    const size_t i = tekst.find(stary);
    EXPECT_NE(i, std::string::npos) << stary;
    return i == std::string::npos ? tekst : tekst.replace(i, stary.size(), nowy);
}

std::string Bajty(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// Three clamped spans, two groups, two combinations, one load of each kind.
std::unique_ptr<TDaneZadania> ZadanieTestowe()
{
    auto z = std::make_unique<TDaneZadania>();
    UstawGeometrie(*z, {4.0f, 5.0f, 6.0f}, false, false);
    DodajGrupe(*z, Cp("Użytkowe"), 0x0000FF);
    DodajKombinacje(*z, "SGN");
    z->Wspolczynniki[1] = {1.35f, 1.5f};
    DodajSile(*z, 1, 2.5f, 12.0f, 1);
    DodajLiniowe(*z, 0, 0.0f, 4.0f, 8.5f, 0);
    DodajTrojkat(*z, 2, 1.0f, 4.0f, 2.0f, 5.0f, 1);
    DodajMoment(*z, 0, 2.0f, 4.0f, 0);
    return z;
}

// The test task with a snow group: permanent, imposed of category D patterned, snow acting as a whole.
std::unique_ptr<TDaneZadania> ZadanieSklasyfikowane()
{
    auto z = ZadanieTestowe();
    DodajGrupe(*z, Cp("Śnieg"), 0xFF8000);
    z->Wspolczynniki[1][2] = 1.5f;
    z->Klasyfikacje[0].Rodzaj = TRodzajGrupy::Stale;
    z->Klasyfikacje[1] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::D, true};
    z->Klasyfikacje[2] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::Snieg, false};
    return z;
}

// The kinds section of ZadanieSklasyfikowane() with the lines around it.
const std::string SekcjaRodzajow = "\r\n\r\n*** Dane rodzaje grup obciążeń ***1\r\n1\r\nA\r\n1\r\n2\r\nD\r\n1\r\n2\r\n"
                                   "snieg\r\n0\r\n\r\n*** Dane wariantów";

// Files with a damaged kinds section the reader must refuse, each with its message.
std::vector<std::pair<std::string, std::string>> OdmowyRodzajow()
{
    const std::string tekst = Zapis(*ZadanieSklasyfikowane());
    const auto z = [&](std::string_view stary, std::string_view nowy) { return Zamien(tekst, Cp(stary), Cp(nowy)); };
    const std::string znane = "; znane są kategorie A, B, C, D, E, F, G, H, snieg, wiatr i temperatura.";
    const std::string rodzaje = "; znane są rodzaje 0 (nieklasyfikowane), 1 (stałe) i 2 (zmienne).";
    const std::string kody = "; znane są kody 0 (cała grupa naraz) i 1 (po przęsłach).";
    return {
        // Every field of a record: the kind, the category key, the pattern code.
        {z("***1\r\n1\r\nA", "***1\r\n3\r\nA"), "Grupa obciążeń nr 1 ma rodzaj 3" + rodzaje},
        {z("***1\r\n1\r\nA", "***1\r\nstałe\r\nA"),
         "'stałe' is not a valid integer value (rodzaje grup obciążeń, grupa 1)"},
        {z("2\r\nD\r\n1", "2\r\nd\r\n1"), "Grupa obciążeń nr 2 ma kategorię „d”" + znane},
        {z("snieg", "śnieg"), "Grupa obciążeń nr 3 ma kategorię „śnieg”" + znane},
        {z("snieg\r\n0", "snieg\r\n2"), "Grupa obciążeń nr 3 ma kod układu obciążenia 2" + kody},
        // Records that do not match the group count.
        {z("snieg\r\n0\r\n\r\n", "snieg\r\n0\r\n2\r\nA\r\n1\r\n\r\n"),
         "Sekcja „*** Dane rodzaje grup obciążeń ***” nie kończy się tam, gdzie wskazują dane ogólne: zamiast "
         "pustego wiersza stoi „2”."},
        {z("2\r\nsnieg\r\n0\r\n", ""), "'' is not a valid integer value (rodzaje grup obciążeń, grupa 3)"},
        // A cut, a marker twice or in the wrong place.
        {tekst.substr(0, tekst.find("snieg")),
         "Plik jest niekompletny: urywa się w sekcji „*** Dane rodzaje grup obciążeń ***” (grupa 3)."},
        {z("0\r\n\r\n*** Dane wariantów", "0\r\n\r\n*** Dane rodzaje grup obciążeń ***1\r\n*** Dane wariantów"),
         "Plik jest niekompletny: brak sekcji „*** Dane wariantów obciążeń ***”."},
        {Zamien(Zamien(tekst, Cp(SekcjaRodzajow), Cp("\r\n\r\n*** Dane wariantów")), Cp("*** Dane tabela"),
                Cp("*** Dane rodzaje grup obciążeń ***1\r\n1\r\nA\r\n1\r\n\r\n*** Dane tabela")),
         "Plik jest niekompletny: brak sekcji „*** Dane tabela współczynników ***”."},
    };
}

// Hinges, full tables, scientific values, reserved fields, 20-character Polish names, custom colours.
std::unique_ptr<TDaneZadania> PelneZadanie()
{
    auto z = std::make_unique<TDaneZadania>();
    UstawGeometrie(*z, {4.5f, 0.3f, 6.25f}, true, false);
    std::tie(z->Przesla[1].E, z->Przesla[1].J) = std::tuple(2.1e8f, 1.234e-6f);
    for (TPrzeslo& p : z->Przesla)
        p.Rezerwa = {1.5, -2.25e-7, 3.14159265358979, 1e20, 0.1, -7, 123456.789, 1e-5};
    z->Grupy[0].Nazwa = Cp("Żółć gęślą jaźń 1234");
    for (int32_t i = 1; i < 10; ++i) { // ten groups and ten combinations
        DodajGrupe(*z, Cp("Grupa ąćęłńóśźż ") + std::to_string(i), i % 2 ? 0x123456 * i : 0x808000);
        DodajKombinacje(*z, Cp("Kombinacja Źdźbło ") + std::to_string(i));
    }
    for (size_t c = 0; c < 10; ++c) {
        z->Kombinacje[c].Rezerwa = {0.5f, -1.25f * float(c)};
        for (size_t g = 0; g < 10; ++g)
            z->Wspolczynniki[c][g] = 0.1f * float(c + 1) * float(g);
    }
    for (int32_t i = 0; i < 100; ++i) {
        DodajSile(*z, i % 3, 0.003f * float(i), -1.5f * float(i), i % 10);
        DodajLiniowe(*z, i % 3, 0.0f, 0.002f * float(i + 1), 1e-7f * float(i), (i + 1) % 10);
        DodajTrojkat(*z, (i + 1) % 3, 0.0f, 0.3f, float(i), 100.0f - float(i), (i + 2) % 10);
        DodajMoment(*z, (i + 2) % 3, 0.1f, 1e4f * float(i) + 0.125f, (i + 3) % 10);
    }
    return z;
}

// Files the reader must refuse, each with its message: single edits of the test task's file.
std::vector<std::pair<std::string, std::string>> Odmowy()
{
    const std::string tekst = Zapis(*ZadanieTestowe());
    const auto z = [&](std::string_view stary, std::string_view nowy) { return Zamien(tekst, Cp(stary), Cp(nowy)); };
    std::string stoJeden = tekst, bezPustej = tekst;
    for (int i = 0; i < 100; ++i)
        stoJeden += "TRUE\r\n0\r\n2\r\n2\r\n4\r\n0\r\n";
    bezPustej.erase(bezPustej.find(Cp("\r\n\r\n*** Dane tabela")), 2);
    const std::string bezOgolnych = "Plik jest niekompletny: brak sekcji „*** Dane ogólne ***”.";
    return {
        {z("belek\r\n3", "belek\r\n13"), "Plik podaje 13 przęseł; program obsługuje od 1 do 12."},
        {z("belek\r\n3", "belek\r\n-2"), "Plik podaje ujemną liczbę przęseł (-2)."},
        {z("Obciążeń\r\n2", "Obciążeń\r\n11"), "Plik podaje 11 grup obciążeń; program obsługuje najwyżej 10."},
        {z("Obciążeń\r\n2", "Obciążeń\r\n-1"), "Plik podaje ujemną liczbę grup obciążeń (-1)."},
        {z("Wariantów\r\n2", "Wariantów\r\n12"), "Plik podaje 12 wariantów obciążeń; program obsługuje najwyżej 10."},
        {z("Wariantów\r\n2", "Wariantów\r\n-3"), "Plik podaje ujemną liczbę wariantów obciążeń (-3)."},
        // Counts that do not match what is written.
        {z("belek\r\n3", "belek\r\n2"), "W sekcji „*** Dane geometryczne ***” zamiast „Lewy przegub” stoi „1”."},
        {z("belek\r\n3", "belek\r\n4"),
         "'Lewy przegub' is not a valid floating point value (dane geometryczne, przęsło 4)"},
        {z("Obciążeń\r\n2", "Obciążeń\r\n1"), "Sekcja „*** Dane grupy obciążeń ***” nie kończy się tam, gdzie wskazują "
                                              "dane ogólne: zamiast pustego wiersza stoi „Użytkowe”."},
        {bezPustej, "Sekcja „*** Dane wariantów obciążeń ***” nie kończy się tam, gdzie wskazują dane ogólne: zamiast "
                    "pustego wiersza stoi „*** Dane tabela współczynników ***1”."},
        // Markers and load records.
        {z("ogólne ***1", "ogolne ***1"), bezOgolnych},
        {"", bezOgolnych},
        {z("Liniowe ***1", "Liniowe ***1 "), "Plik jest niekompletny: brak sekcji „*** Dane Liniowe ***”."},
        {z("TRUE\r\n1\r\n", "true\r\n1\r\n"),
         "W sekcji „*** Dane Siły ***” na początku stoi „true” zamiast „TRUE” albo pustego wiersza."},
        {z("Lewy przegub", "Lewy  przegub"),
         "W sekcji „*** Dane geometryczne ***” zamiast „Lewy przegub” stoi „Lewy  przegub”."},
        {stoJeden, "Plik zawiera więcej niż 100 momentów skupionych; program obsługuje najwyżej 100."},
        // Values the program cannot have written.
        {z("TRUE\r\n1\r\n", "TRUE\r\n7\r\n"), "Siła skupiona nr 1 leży na przęśle nr 8, a plik podaje 3 przęsła."},
        {z("12\r\n1\r\n", "12\r\n-1\r\n"),
         "Siła skupiona nr 1 należy do grupy obciążeń nr 0, a plik podaje 2 grupy obciążeń."},
        {z("2,5\r\n6,5\r\n12", "100\r\n104\r\n12"),
         "Siła skupiona nr 1 leży poza swoim przęsłem: x = 100 m, przęsło ma 5 m."},
        {z("2,5\r\n6,5\r\n12", "2,5\r\n6,4\r\n12"), "Siła skupiona nr 1 ma położenie na belce 6,4 m zamiast 6,5 m."},
        {z("Liniowe ***1\r\nTRUE\r\n0\r\n0\r\n4\r\n0\r\n", "Liniowe ***1\r\nTRUE\r\n0\r\n4\r\n4\r\n4\r\n"),
         "Obciążenie równomierne nr 1 leży poza swoim przęsłem albo nie ma długości: od 4 do 4 m, przęsło ma 4 m."},
        {z("***1\r\n1\r\n1\r\n4\r\n", "***1\r\n0\r\n1\r\n4\r\n"),
         "Przęsło 1 ma moduł sprężystości E = 0; musi być dodatni."},
        {z("***1\r\n1\r\n1\r\n4\r\n0\r\n4\r\n", "***1\r\n1\r\n1\r\n4\r\n0\r\n99\r\n"),
         "Przęsło 1 ma kod końców pręta 99; znane są kody od 1 do 4."},
        {z("4\r\n0\r\n4\r\n2\r\n-1\r\n1\r\n", "4\r\n0\r\n4\r\n2\r\n1\r\n1\r\n"),
         "Przęsło 1 ma numery niewiadomych 1 i 1 zamiast -1 i 1."},
        {z("5\r\n4\r\n4\r\n1\r\n", "5\r\n4,5\r\n4\r\n1\r\n"),
         "Przęsło 2 zaczyna się w x = 4,5 m, a przęsła przed nim mają razem 4 m."},
        {z("belek\r\n3", "belek\r\n3.0"), "'3.0' is not a valid integer value (dane ogólne)"},
        {z("TRUE\r\n1\r\n", "TRUE\r\n1,0\r\n"), "'1,0' is not a valid integer value (siły skupione, siła 1)"},
        {z("clRed", "clFoo"), "'clFoo' is not a valid integer value (dane grup obciążeń, grupa 2)"},
        {z("6,5\r\n12\r\n", "6,5\r\nnan\r\n"), "'nan' is not a valid floating point value (siły skupione, siła 1)"},
        {tekst.substr(0, tekst.find("geometryczne ***1\r\n") + 22),
         "Plik jest niekompletny: urywa się w sekcji „*** Dane geometryczne ***” (przęsło 1)."},
        {tekst.substr(0, tekst.find("TRUE\r\n1\r\n") + 9),
         "Plik jest niekompletny: urywa się w sekcji „*** Dane Siły ***” (siła 1)."},
        {tekst + "\r\nTRUE\r\n",
         "W sekcji „*** Dane Momenty ***” po pustym wierszu za rekordem nr 1 stoi jeszcze „TRUE”; "
         "pusty wiersz kończy sekcję, więc dalsze rekordy zostałyby pominięte."},
        {tekst + "\r\n\r\n" + Cp("*** Dane Siły ***1\r\n"),
         "Za sekcją „*** Dane Momenty ***” stoi jeszcze „*** Dane Siły ***1”."},
        // A stray marker where another section is expected.
        {z("*** Dane Siły ***1", "*** Dane Liniowe ***1\r\n*** Dane Siły ***1"),
         "Plik jest niekompletny: brak sekcji „*** Dane Siły ***”."},
        // Cut inside its last line: the line end is missing.
        {tekst.substr(0, tekst.size() - 2),
         "Plik jest niekompletny: ostatni wiersz („0”) nie ma końca wiersza, więc plik urywa się w jego środku."},
        // Magnitudes no beam has, each named where it stands.
        {z("6,5\r\n12\r\n", "6,5\r\n1E14\r\n"),
         "Siła skupiona nr 1 ma wartość 1E14 kN; obciążenie musi leżeć między -1000000 a 1000000 kN."},
        {z("4\r\n8,5\r\n0\r\n", "4\r\n-2000000\r\n0\r\n"),
         "Obciążenie równomierne nr 1 ma wartość -2000000 kN/m; obciążenie musi leżeć między -1000000 a 1000000 kN/m."},
        {z("13\r\n2\r\n0\r\n3\r\n", "13\r\n2\r\n0\r\n999999\r\n"),
         "Obciążenie liniowo zmienne nr 1 ma wartość 1000001 kN/m; obciążenie musi leżeć między -1000000 a 1000000 "
         "kN/m."},
        {z("TRUE\r\n0\r\n2\r\n2\r\n4\r\n", "TRUE\r\n0\r\n2\r\n2\r\n1000000,5\r\n"),
         "Moment skupiony nr 1 ma wartość 1000000,5 kNm; obciążenie musi leżeć między -1000000 a 1000000 kNm."},
        {z("1,35000002384186", "1E30"),
         "Współczynnik kombinacji 2 dla grupy 1 wynosi 1E30; współczynnik musi leżeć między -1000 a 1000."},
        {z("geometryczne ***1\r\n1\r\n1\r\n4\r\n", "geometryczne ***1\r\n1\r\n1\r\n0,001\r\n"),
         "Przęsło 1 ma rozpiętość 0,001 m; przęsło musi mieć od 0,01 do 1000 m."},
    };
}

// A number a field cannot hold, in each kind of place: beyond single precision, turned into 0, or into a subnormal.
std::vector<std::pair<std::string, std::string>> LiczbyPozaPolem()
{
    const std::string tekst = Zapis(*ZadanieTestowe());
    struct TMiejsce {
        const char *przed, *wartosc, *po, *gdzie;
    };
    const TMiejsce miejsca[] = {
        {"geometryczne ***1\r\n", "1", "\r\n1\r\n4\r\n", "dane geometryczne, przęsło 1"},      // E
        {"geometryczne ***1\r\n1\r\n1\r\n", "4", "\r\n0\r\n", "dane geometryczne, przęsło 1"}, // L
        {"***1\r\n1\r\n0\r\n", "1,35000002384186", "\r\n", "tabela współczynników, kombinacja 2, grupa 1"},
        {"TRUE\r\n1\r\n", "2,5", "\r\n6,5\r\n", "siły skupione, siła 1"},
        {"6,5\r\n", "12", "\r\n1\r\n", "siły skupione, siła 1"},
        {"4\r\n0\r\n4\r\n", "8,5", "\r\n0\r\n", "obciążenia równomierne, obciążenie 1"},
        {"10\r\n13\r\n", "2", "\r\n0\r\n3\r\n", "obciążenia liniowo zmienne, obciążenie 1"},
        {"TRUE\r\n0\r\n2\r\n2\r\n", "4", "\r\n0\r\n", "momenty skupione, moment 1"},
    };
    std::vector<std::pair<std::string, std::string>> pliki;
    const std::string liczby[] = {"1e39", "1e-300", "1E-45", "-1,2E-39"};
    for (size_t i = 0; i < std::size(miejsca); ++i) // two of the numbers in each place, each number in four
        for (const std::string& liczba : {liczby[i % 4], liczby[(i + 1) % 4]}) {
            const TMiejsce& m = miejsca[i];
            pliki.push_back({Zamien(tekst, Cp(std::string(m.przed) + m.wartosc + m.po), Cp(m.przed + liczba + m.po)),
                             "'" + liczba + "' is not a valid floating point value (" + m.gdzie + ")"});
        }
    // A double field turns only a number below its own range into 0.
    pliki.push_back({Zamien(tekst, "0\r\n4\r\n2\r\n-1\r\n1\r\n0\r\n", "0\r\n4\r\n2\r\n-1\r\n1\r\n1E-320\r\n"),
                     "'1E-320' is not a valid floating point value (dane geometryczne, przęsło 1)"});
    return pliki;
}

} // namespace

TEST(ZapiszDoTekstu, WritesASmallTaskByteForByteInCodePage1250WithCrLfAndTheUsersDateFormat)
{
    TDaneZadania z;
    UstawGeometrie(z, {4.5f}, true, false);
    DodajGrupe(z, Cp("Śnieg"), 0xFF8000);
    z.Wspolczynniki[0][1] = 1.5f;
    DodajSile(z, 0, 2.0f, 10.5f, 1);
    DodajMoment(z, 0, 1.0f, -3.25f, 0);

    const std::string oczekiwany =
        "*******************************************************************\r\n"
        "*              DANE PROGRAMU QUARVI                               *\r\n"
        "*              Autor: zesp\xF3\xB3 QUARVI                               *\r\n"
        "*******************************************************************\r\n"
        "*  UWAGA!                                                         *\r\n"
        "*               Nie nale\xBFy zmienia\xE6 wpis\xF3w w pliku!               *\r\n"
        "*******************************************************************\r\n"
        "\r\nData zapisu 07.03.2024, godz. 09:05:03\r\n\r\n100\r\n1\r\n"
        "*******************************************************************\r\n\r\n"
        "*** Dane og\xF3lne ***1\r\nIlo\x9C\xE6 belek\r\n1\r\n"
        "Ilo\x9C\xE6 Grup Obci\xB9\xBF"
        "e\xF1\r\n2\r\nIlo\x9C\xE6 Wariant\xF3w\r\n1\r\n\r\n"
        "*** Dane geometryczne ***1\r\n1\r\n1\r\n4,5\r\n0\r\n3\r\n3\r\n0\r\n1\r\n" // E J L X0, codes, unknowns
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nLewy przegub\r\nTRUE\r\nPrawy przegub\r\n\r\n"
        "*** Dane grupy obci\xB9\xBF"
        "e\xF1 ***1\r\nSta\xB3"
        "e\r\nclBlack\r\n\x8Cnieg\r\n$00FF8000\r\n\r\n"
        "*** Dane wariant\xF3w obci\xB9\xBF"
        "e\xF1 ***1\r\nSta\xB3"
        "e\r\n0\r\n0\r\n\r\n"
        "*** Dane tabela wsp\xF3\xB3"
        "czynnik\xF3w ***1\r\n1\r\n1,5\r\n\r\n"
        "*** Dane Si\xB3y ***1\r\nTRUE\r\n0\r\n2\r\n2\r\n10,5\r\n1\r\n\r\n"
        "*** Dane Liniowe ***1\r\n\r\n*** Dane Tr\xF3jk\xB9ty ***1\r\n\r\n"
        "*** Dane Momenty ***1\r\nTRUE\r\n0\r\n1\r\n1\r\n-3,25\r\n0\r\n";
    EXPECT_EQ(Zapis(z), oczekiwany);

    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(z, ',', LiniaDatyZapisu({',', "yyyy-MM-dd", "H:mm:ss"}, Chwila), tekst, blad)) << blad;
    EXPECT_EQ(tekst, Zamien(oczekiwany, "07.03.2024, godz. 09:05:03", "2024-03-07, godz. 9:05:03"));
}

TEST(PlikZadania, RoundTripsEveryExampleAFullTaskAndOneWithoutGeometryWithAPointOrAComma)
{
    auto zadania = ZbudujPrzyklady();
    for (const TPrzyklad& p : zadania) {
        std::string wzor, blad;
        ASSERT_TRUE(ZapiszDoTekstu(*p.Zadanie, RegionalnePrzykladow().SeparatorDziesietny,
                                   LiniaDatyZapisu(RegionalnePrzykladow(), ChwilaPrzykladow()), wzor, blad))
            << blad;
        EXPECT_EQ(Bajty(fs::path(QUARVI_PRZYKLADY) / p.NazwaPliku), wzor) << p.NazwaPliku << " is not as built";
    }
    zadania.push_back({"bez geometrii", std::make_unique<TDaneZadania>()});
    NowyTemat(*zadania.back().Zadanie);
    zadania.push_back({"pelne", PelneZadanie()});
    zadania.push_back({"sklasyfikowane", ZadanieSklasyfikowane()});
    for (const TPrzyklad& p : zadania) {
        const std::string tekst = Zapis(*p.Zadanie);
        EXPECT_EQ(ZapisOdczytu(tekst), tekst) << p.NazwaPliku;
        EXPECT_EQ(ZapisOdczytu(Zapis(*p.Zadanie, ';')), tekst) << p.NazwaPliku; // ';' is written as '.'
    }
    EXPECT_NE(Zapis(*zadania[zadania.size() - 2].Zadanie, ';'), Zapis(*zadania[zadania.size() - 2].Zadanie));
}

TEST(PlikZadania, KeepsTheKindsOfAClassifiedTaskInASectionAfterTheGroupsAndWritesItOnlyWhenAGroupIsClassified)
{
    const auto z = ZadanieSklasyfikowane();
    const std::string tekst = Zapis(*z);
    EXPECT_NE(tekst.find(Cp("\r\n$00FF8000" + SekcjaRodzajow)), std::string::npos) << Cp1250NaUtf8(tekst);

    // Every category by its key, each kind, both pattern codes; an unclassified group keeps its record.
    for (int32_t k = 0; k < IloscKategoriiZmiennych; ++k) {
        auto w = ZadanieSklasyfikowane();
        w->Klasyfikacje[0] = {TRodzajGrupy::Niesklasyfikowana, TKategoriaZmiennych(k), k % 2 == 0};
        w->Klasyfikacje[2] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych(k), k % 2 == 1};
        const TOdczyt o = CzytajTekst(Zapis(*w));
        ASSERT_TRUE(o.Zadanie) << o.Blad;
        EXPECT_EQ(o.Zadanie->Klasyfikacje, w->Klasyfikacje) << KluczKategorii(TKategoriaZmiennych(k));
    }

    // No classified group: today's file to the byte, whatever category an unclassified group was last given,
    // and the reader gives every group of such a file (and of every older one) no kind.
    auto bez = ZadanieSklasyfikowane();
    bez->Klasyfikacje[0].Rodzaj = bez->Klasyfikacje[1].Rodzaj = bez->Klasyfikacje[2].Rodzaj =
        TRodzajGrupy::Niesklasyfikowana;
    const std::string bezRodzajow = Zamien(tekst, Cp(SekcjaRodzajow), Cp("\r\n\r\n*** Dane wariantów"));
    EXPECT_EQ(Zapis(*bez), bezRodzajow);
    const TOdczyt o = CzytajTekst(bezRodzajow);
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    EXPECT_EQ(o.Zadanie->Klasyfikacje, (std::array<TKlasyfikacjaGrupy, TDaneZadania::MaxGrup>{}));

    // A kind on a free slot would be lost: the writer refuses the task.
    auto wolna = ZadanieSklasyfikowane();
    wolna->Klasyfikacje[3].Rodzaj = TRodzajGrupy::Stale;
    std::string nic, blad;
    EXPECT_FALSE(ZapiszDoTekstu(*wolna, ',', "", nic, blad));
    EXPECT_EQ(blad, "Grupa obciążeń nr 4 ma rodzaj „stałe”, a zadanie ma 3 grupy obciążeń; rodzaj nieużywanej grupy "
                    "nie zostałby zapisany. Plik nie został zapisany.");
}

TEST(PlikZadania, ReadsBackEachPairOfHingesIntoTheTaskAndTheViews)
{
    for (const auto& [lewy, prawy] : {std::pair(false, false), {true, false}, {false, true}, {true, true}}) {
        TDaneZadania z;
        UstawGeometrie(z, {3.0f, 4.0f}, lewy, prawy);
        const TOdczyt o = CzytajTekst(Zapis(z));
        ASSERT_TRUE(o.Zadanie) << o.Blad;
        EXPECT_EQ(std::tuple(o.Zadanie->LewyPrzegub, o.Zadanie->PrawyPrzegub, o.Widoki.LewyPrzegub,
                             o.Widoki.PrawyPrzegub, o.Widoki.DlugosciPrzesel),
                  std::tuple(lewy, prawy, lewy, prawy, std::vector<float>{3.0f, 4.0f}));
    }
}

TEST(CzytajTekst, ReadsSlotsWithGapsConsecutivelyAndCutsALongNameLineTo20BytesButNotInTheGroupList)
{
    auto z = ZadanieTestowe();
    DodajSile(*z, 0, 1.0f, 20.0f);
    DodajSile(*z, 2, 3.0f, 30.0f);
    z->Sily[1].Uzyta = 0;
    z->Kombinacje[1].Nazwa = "SGN\r\nTRUE"; // written on one line
    const std::string tekst = Zamien(Zapis(*z), Cp("Użytkowe"), Cp("Ciężar ścianek działowych 1234"));
    const TOdczyt o = CzytajTekst(Zamien(tekst, Cp("Stałe\r\nclBlack"), Cp("Ciężar własny\r\nclBlack")));
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    const TDaneZadania& w = *o.Zadanie;
    EXPECT_EQ(std::tuple(IloscUzytych(w.Sily), w.Sily[0].Wartosc, w.Sily[1].Wartosc, bool(w.Sily[2].Uzyta)),
              std::tuple(2, 12.0f, 30.0f, false));
    EXPECT_EQ(std::tuple(w.Kombinacje[1].Nazwa, w.Grupy[1].Nazwa, w.Grupy[0].Nazwa),
              std::tuple("SGN  TRUE", Cp("Ciężar ścianek dział"), Cp("Ciężar własny")));
    EXPECT_EQ(o.Widoki.ListaGrup, (std::vector<std::string>{"1 Stale", "2 Ciężar ścianek działowych 1234"}));
}

TEST(CzytajTekst, ToleratesLfEndsAndStrayLinesBeforeTheMarkersOfCountedSectionsButRefusesEveryCutBeforeTheLastSection)
{
    const std::string tekst = Zapis(*ZadanieSklasyfikowane()); // the kinds' section a counted one too
    std::string lf = tekst, obce = tekst;
    std::erase(lf, '\r');
    // Up to the forces' marker; after a load section only empty lines may stand.
    for (size_t i = obce.find("\r\n***"); i + 2 < obce.find(Cp("*** Dane Liniowe")); i = obce.find("\r\n***", i + 12))
        obce.insert(i + 2, "komentarz\r\n");
    for (const std::string& t : {lf, obce})
        EXPECT_EQ(ZapisOdczytu(t), tekst);

    // A file cut short by a full disk or an interrupted copy is never read as a smaller task; inside the last
    // section only a cut at a line end can pass (the format has no end marker).
    for (const TPrzyklad& p : ZbudujPrzyklady()) {
        const std::string plik = Zapis(*p.Zadanie);
        const size_t od = plik.find(Cp("*** Dane ogólne")), momenty = plik.find(Cp("*** Dane Momenty ***1\r\n"));
        for (size_t i = plik.find("\r\n", od); i < momenty; i = plik.find("\r\n", i + 2))
            for (const size_t ciecie : {i, i + 2})
                EXPECT_FALSE(CzytajTekst(std::string_view(plik).substr(0, ciecie)).Zadanie)
                    << p.NazwaPliku << " cut at " << ciecie;
        for (size_t ciecie = momenty; ciecie < plik.size(); ++ciecie) {
            const bool naKoncuLinii = plik[ciecie - 1] == '\r' || plik[ciecie - 1] == '\n';
            EXPECT_TRUE(naKoncuLinii || !CzytajTekst(std::string_view(plik).substr(0, ciecie)).Zadanie)
                << p.NazwaPliku << " cut at " << ciecie;
        }
    }
}

// Before, a load section ended at its first empty line and the records after it were passed over as lines
// between sections: four of the six uniform loads of the floor example vanished and the file was read.
TEST(CzytajTekst, AnEmptyLineOrAnErasedTrueInEachLoadSectionOfEveryExampleRefusesTheFileNamingSectionAndRecord)
{
    const std::pair<const char*, const char*> sekcje[] = {{"*** Dane Siły ***1", "„*** Dane Siły ***”"},
                                                          {"*** Dane Liniowe ***1", "„*** Dane Liniowe ***”"},
                                                          {"*** Dane Trójkąty ***1", "„*** Dane Trójkąty ***”"},
                                                          {"*** Dane Momenty ***1", "„*** Dane Momenty ***”"}};
    int rekordy = 0;
    for (const TPrzyklad& p : ZbudujPrzyklady()) {
        const std::string plik = Zapis(*p.Zadanie);
        for (const auto& [znacznik, nazwa] : sekcje) {
            const size_t poczatek = plik.find(Cp(znacznik)),
                         koniec = std::min(plik.find("\r\n\r\n", poczatek), plik.size());
            int nr = 0;
            for (size_t i = plik.find("\r\nTRUE\r\n", poczatek); i < koniec;
                 i = plik.find("\r\nTRUE\r\n", i + 2), ++nr) {
                const size_t linia = i + 8, konieclinii = plik.find("\r\n", linia);
                std::string pusta = plik, bezTrue = plik;
                pusta.insert(i + 2, "\r\n");
                bezTrue.erase(i + 2, 4);
                const std::string gdzie =
                    "W sekcji " + std::string(nazwa) + " po pustym wierszu " +
                    (nr == 0 ? std::string("na początku") : "za rekordem nr " + std::to_string(nr));
                const std::string reszta = "”; pusty wiersz kończy sekcję, więc dalsze rekordy zostałyby pominięte.";
                EXPECT_EQ(CzytajTekst(pusta).Blad, gdzie + " stoi jeszcze „TRUE" + reszta) << p.NazwaPliku;
                EXPECT_EQ(CzytajTekst(bezTrue).Blad,
                          gdzie + " stoi jeszcze „" + plik.substr(linia, konieclinii - linia) + reszta)
                    << p.NazwaPliku;
                ++rekordy;
            }
        }
    }
    EXPECT_GE(rekordy, 40);
    // Empty lines alone may follow a section's empty line.
    const std::string plik = Zapis(*ZadanieTestowe());
    EXPECT_EQ(ZapisOdczytu(Zamien(plik, Cp("\r\n*** Dane Trójkąty"), Cp("\r\n\r\n\r\n*** Dane Trójkąty"))), plik);
}

TEST(PlikNaDysku, ReplacesTheTaskOnlyWithAWholeFileAndTheOldFileOnlyWithACompleteSave)
{
    const fs::path folder = fs::temp_directory_path() / ("quarvi_pf_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string plik = (folder / "Zadanie.qvr").string(), brak = (folder / "brak" / "Zadanie.qvr").string();
    std::string blad;

    // A refused or missing file leaves the caller's task and views as they were.
    auto zadanie = PelneZadanie();
    TNastawy& n = zadanie->Nastawy;
    n.ArkuszUzytkownika = n.RysujKratke = zadanie->NieZapisane = zadanie->DoPrzeliczenia = true;
    std::tie(n.ArkuszL, n.ArkuszH, n.WspGrubosci) = std::tuple(30.0f, 20.0f, 1.5f);
    const std::string przed = Zapis(*zadanie);
    TWidokiZPliku widoki;
    widoki.ListaGrup = {"1 Stale", "2 poprzednia"};
    auto odmowy = Odmowy();
    for (auto& p : OdmowyRodzajow())
        odmowy.push_back(std::move(p));
    for (auto& p : LiczbyPozaPolem())
        odmowy.push_back(std::move(p));
    for (const auto& [tekst, komunikat] : odmowy) {
        std::ofstream(plik, std::ios::binary) << tekst;
        EXPECT_FALSE(CzytajPlik(plik, *zadanie, widoki, blad));
        EXPECT_EQ(blad, komunikat);
        EXPECT_TRUE(Zapis(*zadanie) == przed && widoki.ListaGrup.size() == 2) << komunikat;
    }
    EXPECT_FALSE(CzytajPlik(brak, *zadanie, widoki, blad));
    EXPECT_TRUE(blad.starts_with("Nie można otworzyć pliku „" + brak + "”: ")) << blad;

    // A task the reader would refuse, or a write that fails, leaves the old file byte-identical. A file size
    // limit makes the write fail after the first kilobyte (even for root).
    std::ofstream(plik, std::ios::binary) << "stara zawartość";
    const auto nan = ZadanieTestowe(), pozaPrzeslami = ZadanieTestowe(), drobne = ZadanieTestowe();
    nan->Przesla[1].Rezerwa[3] = std::numeric_limits<double>::quiet_NaN();
    pozaPrzeslami->Liniowe[0].Przeslo = 3;
    const std::string nieZapisany = " Plik nie został zapisany.";
    const std::tuple<const TDaneZadania*, std::string, std::string> zapisy[] = {
        {nan.get(), plik,
         "Zadanie zawiera liczbę nieskończoną lub nieokreśloną (w danych geometrycznych)." + nieZapisany},
        {pozaPrzeslami.get(), plik,
         "Obciążenie równomierne nr 1 leży na przęśle nr 4, a zadanie ma 3 przęsła." + nieZapisany},
        {zadanie.get(), plik, "Nie można zapisać pliku „" + plik + "”: "},
        // Regression: a file smaller than the write buffer failed only at its last write, and the cut file replaced the old one.
        {drobne.get(), plik, "Nie można zapisać pliku „" + plik + "”: " + std::strerror(EFBIG) + "."},
        {zadanie.get(), brak, "Nie można zapisać pliku „" + brak + "”: "}};
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit maly{1024, limit.rlim_max};
    const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &maly);
    for (const auto& [zad, nazwa, komunikat] : zapisy) {
        EXPECT_TRUE(!ZapiszPlik(nazwa, *zad, TRegionalne{}, Chwila, blad) && blad.starts_with(komunikat)) << blad;
        EXPECT_EQ(Bajty(plik), "stara zawartość");
    }
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, sygnal);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary file left";

    // A whole file replaces the task but not the sheet settings and the change flags; other settings are a new task's.
    ASSERT_TRUE(ZapiszPlik(plik, *ZadanieTestowe(), TRegionalne{}, blad)) << blad;
    ASSERT_TRUE(CzytajPlik(plik, *zadanie, widoki, blad)) << blad;
    EXPECT_EQ(Zapis(*zadanie), Zapis(*ZadanieTestowe()));
    EXPECT_EQ(std::tuple(n.ArkuszUzytkownika, n.ArkuszL, n.ArkuszH, n.WspGrubosci, zadanie->NieZapisane,
                         zadanie->DoPrzeliczenia, n.RysujKratke),
              std::tuple(true, 30.0f, 20.0f, 1.5f, true, true, false));
    EXPECT_EQ(zadanie->Wspolczynniki[5][5], 0.0f) << "no coefficient of the previous task survives";
    EXPECT_EQ(widoki.ListaGrup, (std::vector<std::string>{"1 Stale", "2 Użytkowe"}));
    EXPECT_EQ(widoki.Wspolczynniki, (std::vector<std::vector<float>>{{1.0f, 0.0f}, {1.35f, 1.5f}}));
    fs::remove_all(folder);
}

// Memory errors show in the sanitizer build.
TEST(KorpusFuzz, EveryFileAndEveryTruncationOfAValidOneIsReadSoundlyOrRefusedWithAMessage)
{
    EXPECT_GE(std::distance(fs::directory_iterator(QUARVI_KORPUS), fs::directory_iterator()), 40) << "no corpus";
    for (const auto& wpis : fs::directory_iterator(QUARVI_KORPUS)) {
        const std::string bajty = Bajty(wpis.path()), nazwa = wpis.path().filename().string();
        EXPECT_EQ(SprawdzOdczyt(bajty), "") << nazwa;
        if (nazwa.starts_with("odmowa")) {
            EXPECT_FALSE(CzytajTekst(bajty).Zadanie) << nazwa << " was read";
        }
        for (size_t dlugosc = 0; nazwa.starts_with("prawidlowy") && dlugosc < bajty.size(); ++dlugosc)
            ASSERT_EQ(SprawdzOdczyt(std::string_view(bajty).substr(0, dlugosc)), "") << nazwa << " cut at " << dlugosc;
    }
}
