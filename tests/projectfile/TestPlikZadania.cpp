#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "projectfile/PlikZadania.h"
#include "tools/przyklady/Przyklady.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const TChwila Chwila{2024, 3, 7, 9, 5, 3};

std::string Cp(std::string_view utf8)
{
    return Utf8NaCp1250(utf8);
}

std::string Zapis(const TDaneZadania& zad, char separator = ',')
{
    TRegionalne r;
    r.SeparatorDziesietny = separator;
    std::string tekst, blad;
    EXPECT_TRUE(ZapiszDoTekstu(zad, r, Chwila, tekst, blad)) << blad;
    return tekst;
}

// Writes what was read; fails the test when the text was refused.
std::string ZapisOdczytu(std::string_view tekst)
{
    const TOdczyt o = CzytajTekst(tekst);
    EXPECT_TRUE(o.Zadanie) << o.Blad;
    return o.Zadanie ? Zapis(*o.Zadanie) : std::string();
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
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Three clamped spans, two groups, two combinations, one load of each kind.
std::unique_ptr<TDaneZadania> ZadanieTestowe()
{
    auto z = std::make_unique<TDaneZadania>();
    UstawGeometrie(*z, {4.0f, 5.0f, 6.0f}, false, false);
    DodajGrupe(*z, Cp("Użytkowe"), 0x0000FF);
    DodajKombinacje(*z, "SGN");
    z->Wspolczynniki[1][0] = 1.35f;
    z->Wspolczynniki[1][1] = 1.5f;
    DodajSile(*z, 1, 2.5f, 12.0f, 1);
    DodajLiniowe(*z, 0, 0.0f, 4.0f, 8.5f, 0);
    DodajTrojkat(*z, 2, 1.0f, 4.0f, 2.0f, 5.0f, 1);
    DodajMoment(*z, 0, 2.0f, 4.0f, 0);
    return z;
}

// Hinges, full tables, scientific values, reserved fields, 20-character Polish names, custom colours.
std::unique_ptr<TDaneZadania> PelneZadanie()
{
    auto z = std::make_unique<TDaneZadania>();
    UstawGeometrie(*z, {4.5f, 0.3f, 6.25f}, true, false);
    z->Przesla[1].E = 2.1e8f;
    z->Przesla[1].J = 1.234e-6f;
    for (TPrzeslo& p : z->Przesla)
        p.Rezerwa = {1.5, -2.25e-7, 3.14159265358979, 1e20, 0.1, -7, 123456.789, 1e-5};
    z->Grupy[0].Nazwa = Cp("Żółć gęślą jaźń 1234");
    for (int32_t g = 1; g < TDaneZadania::MaxGrup; ++g)
        DodajGrupe(*z, Cp("Grupa ąćęłńóśźż ") + std::to_string(g), g % 2 ? 0x123456 * g : 0x808000);
    for (int32_t c = 1; c < TDaneZadania::MaxKombinacji; ++c)
        DodajKombinacje(*z, Cp("Kombinacja Źdźbło ") + std::to_string(c));
    for (int32_t c = 0; c < TDaneZadania::MaxKombinacji; ++c) {
        z->Kombinacje[size_t(c)].Rezerwa = {0.5f, -1.25f * float(c)};
        for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
            z->Wspolczynniki[size_t(c)][size_t(g)] = 0.1f * float(c + 1) * float(g);
    }
    for (int32_t i = 0; i < 100; ++i) {
        DodajSile(*z, i % 3, 0.01f * float(i), -1.5f * float(i), i % 10);
        DodajLiniowe(*z, i % 3, 0.0f, 0.02f * float(i), 1e-7f * float(i), (i + 1) % 10);
        DodajTrojkat(*z, (i + 1) % 3, 0.0f, 0.3f, float(i), 100.0f - float(i), (i + 2) % 10);
        DodajMoment(*z, (i + 2) % 3, 0.1f, 1e16f * float(i), (i + 3) % 10);
    }
    return z;
}

fs::path NowyFolder(const char* nazwa)
{
    const fs::path folder = fs::temp_directory_path() / (std::string("quarvi_pf_") + nazwa + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

} // namespace

TEST(ZapiszDoTekstu, WritesASmallTaskByteForByteInCodePage1250WithCrLf)
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
        "\r\n"
        "Data zapisu 07.03.2024, godz. 09:05:03\r\n"
        "\r\n"
        "100\r\n"
        "1\r\n"
        "*******************************************************************\r\n"
        "\r\n"
        "*** Dane og\xF3lne ***1\r\n"
        "Ilo\x9C\xE6 belek\r\n1\r\n"
        "Ilo\x9C\xE6 Grup Obci\xB9\xBF" "e\xF1\r\n2\r\n"
        "Ilo\x9C\xE6 Wariant\xF3w\r\n1\r\n"
        "\r\n"
        "*** Dane geometryczne ***1\r\n"
        "1\r\n1\r\n4,5\r\n0\r\n"           // E, J, L, X0
        "3\r\n3\r\n0\r\n1\r\n"             // one span hinged at the left: codes 3 and 3, unknowns 0 and 1
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
        "Lewy przegub\r\nTRUE\r\n"
        "Prawy przegub\r\n"
        "\r\n"
        "*** Dane grupy obci\xB9\xBF" "e\xF1 ***1\r\n"
        "Sta\xB3" "e\r\nclBlack\r\n"
        "\x8Cnieg\r\n$00FF8000\r\n"
        "\r\n"
        "*** Dane wariant\xF3w obci\xB9\xBF" "e\xF1 ***1\r\n"
        "Sta\xB3" "e\r\n0\r\n0\r\n"
        "\r\n"
        "*** Dane tabela wsp\xF3\xB3" "czynnik\xF3w ***1\r\n"
        "1\r\n1,5\r\n"
        "\r\n"
        "*** Dane Si\xB3y ***1\r\n"
        "TRUE\r\n0\r\n2\r\n2\r\n10,5\r\n1\r\n"
        "\r\n"
        "*** Dane Liniowe ***1\r\n"
        "\r\n"
        "*** Dane Tr\xF3jk\xB9ty ***1\r\n"
        "\r\n"
        "*** Dane Momenty ***1\r\n"
        "TRUE\r\n0\r\n1\r\n1\r\n-3,25\r\n0\r\n";
    // The box is 67 bytes wide in the code page.
    for (size_t linia = 0, poz = 0; linia < 7; ++linia, poz = oczekiwany.find("\r\n", poz) + 2)
        ASSERT_EQ(oczekiwany.find("\r\n", poz) - poz, 67u) << "line " << linia + 1 << " of the expected text";

    EXPECT_EQ(Zapis(z), oczekiwany);
}

TEST(ZapiszDoTekstu, WritesTheDateLineInTheUsersDateAndTimeFormats)
{
    TRegionalne r;
    r.FormatDaty = "yyyy-MM-dd";
    r.FormatCzasu = "H:mm:ss";
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(*ZadanieTestowe(), r, Chwila, tekst, blad));
    EXPECT_NE(tekst.find("\r\n\r\nData zapisu 2024-03-07, godz. 9:05:03\r\n\r\n100\r\n"), std::string::npos);
}

TEST(PlikZadania, RoundTripsEveryExampleTaskAndTheShippedFilesMatchTheirBuilders)
{
    for (const TPrzyklad& p : ZbudujPrzyklady()) {
        const std::string tekst = Zapis(*p.Zadanie);
        EXPECT_EQ(ZapisOdczytu(tekst), tekst) << p.NazwaPliku;

        std::string wzor, blad;
        ASSERT_TRUE(ZapiszDoTekstu(*p.Zadanie, RegionalnePrzykladow(), ChwilaPrzykladow(), wzor, blad)) << blad;
        EXPECT_EQ(Bajty(fs::path(QUARVI_PRZYKLADY) / p.NazwaPliku), wzor) << p.NazwaPliku;
    }
}

TEST(PlikZadania, RoundTripsATaskThatFillsEveryFieldAndEveryTable)
{
    const auto z = PelneZadanie();
    const std::string tekst = Zapis(*z);
    EXPECT_EQ(ZapisOdczytu(tekst), tekst);
    const TOdczyt o = CzytajTekst(tekst);
    ASSERT_TRUE(o.Zadanie);
    EXPECT_EQ(IloscUzytych(o.Zadanie->Momenty), 100) << "a full table is within the limit";
    EXPECT_EQ(o.Zadanie->Grupy[0].Nazwa, z->Grupy[0].Nazwa);
    EXPECT_EQ(o.Zadanie->Przesla[2].Rezerwa, z->Przesla[2].Rezerwa);
    EXPECT_EQ(o.Widoki.Wspolczynniki.size(), 10u);
    EXPECT_EQ(o.Widoki.Wspolczynniki[9][9], z->Wspolczynniki[9][9]);
}

TEST(PlikZadania, WritesATrueLineOnlyForAHingedEndAndReadsEachCombinationBack)
{
    for (const bool lewy : {false, true})
        for (const bool prawy : {false, true}) {
            TDaneZadania z;
            UstawGeometrie(z, {3.0f, 4.0f}, lewy, prawy);
            const std::string tekst = Zapis(z);
            const std::string oczekiwane = std::string("Lewy przegub\r\n") + (lewy ? "TRUE\r\n" : "") +
                                           "Prawy przegub\r\n" + (prawy ? "TRUE\r\n" : "") + "\r\n*** Dane grupy";
            EXPECT_NE(tekst.find(oczekiwane), std::string::npos) << lewy << prawy;
            const TOdczyt o = CzytajTekst(tekst);
            ASSERT_TRUE(o.Zadanie) << o.Blad;
            EXPECT_EQ(o.Zadanie->LewyPrzegub, lewy);
            EXPECT_EQ(o.Zadanie->PrawyPrzegub, prawy);
            EXPECT_EQ(o.Widoki.LewyPrzegub, lewy);
            EXPECT_EQ(o.Widoki.PrawyPrzegub, prawy);
            EXPECT_EQ(o.Widoki.DlugosciPrzesel, (std::vector<float>{3.0f, 4.0f}));
        }
}

TEST(PlikZadania, WritesEmptyLoadSectionsAsBareMarkersAndReadsThemBackEmpty)
{
    TDaneZadania z;
    UstawGeometrie(z, {5.0f}, false, false);
    const std::string tekst = Zapis(z);
    const std::string koniec = Cp("*** Dane Siły ***1\r\n\r\n*** Dane Liniowe ***1\r\n\r\n"
                                  "*** Dane Trójkąty ***1\r\n\r\n*** Dane Momenty ***1\r\n");
    ASSERT_GE(tekst.size(), koniec.size());
    EXPECT_EQ(tekst.substr(tekst.size() - koniec.size()), koniec);
    const TOdczyt o = CzytajTekst(tekst);
    ASSERT_TRUE(o.Zadanie);
    EXPECT_FALSE(SaObciazenia(*o.Zadanie));
}

TEST(PlikZadania, ReadsLoadsSavedFromSlotsWithGapsIntoConsecutiveSlots)
{
    auto z = ZadanieTestowe();
    DodajSile(*z, 0, 1.0f, 20.0f);
    DodajSile(*z, 2, 3.0f, 30.0f);
    z->Sily[1].Uzyta = 0;
    const TOdczyt o = CzytajTekst(Zapis(*z));
    ASSERT_TRUE(o.Zadanie);
    EXPECT_EQ(IloscUzytych(o.Zadanie->Sily), 2);
    EXPECT_EQ(o.Zadanie->Sily[0].Wartosc, 12.0f);
    EXPECT_EQ(o.Zadanie->Sily[1].Wartosc, 30.0f);
    EXPECT_FALSE(o.Zadanie->Sily[2].Uzyta);
}

TEST(CzytajTekst, StoresTwentyBytesOfALongNameLineWhileTheGroupListKeepsTheWholeLine)
{
    std::string tekst = Zamien(Zapis(*ZadanieTestowe()), Cp("Użytkowe"), Cp("Ciężar ścianek działowych 1234"));
    tekst = Zamien(tekst, Cp("Stałe\r\nclBlack"), Cp("Ciężar własny\r\nclBlack"));
    const TOdczyt o = CzytajTekst(tekst);
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    EXPECT_EQ(o.Zadanie->Grupy[1].Nazwa, Cp("Ciężar ścianek dział"));
    EXPECT_EQ(o.Zadanie->Grupy[0].Nazwa, Cp("Ciężar własny"));
    EXPECT_EQ(o.Widoki.ListaGrup, (std::vector<std::string>{"1 Stale", "2 Ciężar ścianek działowych 1234"}));
}

TEST(ZapiszDoTekstu, KeepsANameWithALineBreakOnItsOwnLine)
{
    auto z = ZadanieTestowe();
    z->Kombinacje[1].Nazwa = "SGN\r\nTRUE";
    const TOdczyt o = CzytajTekst(Zapis(*z));
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    EXPECT_EQ(o.Zadanie->Kombinacje[1].Nazwa, "SGN  TRUE");
    EXPECT_EQ(o.Zadanie->Kombinacje[1].Rezerwa, z->Kombinacje[1].Rezerwa);
}

TEST(CzytajTekst, ReadsNumbersWrittenWithAPointOrAComma)
{
    const auto z = PelneZadanie();
    const std::string przecinek = Zapis(*z, ',');
    const std::string kropka = Zapis(*z, '.');
    ASSERT_NE(kropka, przecinek);
    EXPECT_EQ(ZapisOdczytu(kropka), przecinek);
    EXPECT_EQ(Zapis(*z, ';'), kropka) << "a separator that could not be read back";
}

TEST(CzytajTekst, ReadsATaskSavedBeforeAnyGeometryAsATaskWithoutGeometry)
{
    TDaneZadania z;
    NowyTemat(z);
    const std::string tekst = Zapis(z);
    EXPECT_NE(tekst.find(Cp("Ilość belek\r\n-1\r\n")), std::string::npos);
    const TOdczyt o = CzytajTekst(tekst);
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    EXPECT_EQ(o.Zadanie->IloscPrzesel, -1);
    EXPECT_TRUE(o.Zadanie->Przesla.empty());
    EXPECT_TRUE(o.Widoki.DlugosciPrzesel.empty());
}

TEST(CzytajTekst, ToleratesLfEndsMissingBlankLinesStrayLinesAndImpossibleLengths)
{
    const std::string tekst = Zapis(*ZadanieTestowe());
    std::string lf, bezPustych = tekst, obce = tekst;
    for (const char c : tekst)
        if (c != '\r')
            lf += c;
    EXPECT_EQ(ZapisOdczytu(lf), tekst);
    for (size_t i; (i = bezPustych.find("\r\n\r\n***")) != std::string::npos;)
        bezPustych.erase(i, 2);
    EXPECT_EQ(ZapisOdczytu(bezPustych), tekst);
    for (size_t i = obce.find("\r\n***"); i != std::string::npos; i = obce.find("\r\n***", i + 12))
        obce.insert(i + 2, "komentarz\r\n");
    EXPECT_EQ(ZapisOdczytu(obce), tekst);

    // The analysis refuses such a span later, with its own message.
    const TOdczyt o = CzytajTekst(Zamien(tekst, "***1\r\n1\r\n1\r\n4\r\n", "***1\r\n1\r\n1\r\n-2,5\r\n"));
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    EXPECT_EQ(o.Zadanie->Przesla[0].L, -2.5f);
}

TEST(CzytajTekst, LeavesAMissingSectionAtTheNewTaskDefaults)
{
    std::string tekst = Zamien(Zapis(*ZadanieTestowe()), Cp("*** Dane wariantów"), "*** Dane ");
    tekst = Zamien(tekst, Cp("*** Dane tabela"), "*** Dane ");
    const TOdczyt o = CzytajTekst(tekst);
    ASSERT_TRUE(o.Zadanie) << o.Blad;
    EXPECT_EQ(IloscUzytych(o.Zadanie->Kombinacje), 1);
    EXPECT_EQ(o.Zadanie->Kombinacje[0].Nazwa, Cp("Stałe"));
    EXPECT_EQ(o.Zadanie->Wspolczynniki[0][0], 1.0f);
    EXPECT_EQ(o.Zadanie->Wspolczynniki[1][1], 0.0f);
    EXPECT_EQ(IloscUzytych(o.Zadanie->Trojkaty), 1);
}

namespace {

std::string ZIlosciami(const std::string& n, const std::string& g, const std::string& k)
{
    return Zamien(Zapis(*ZadanieTestowe()), Cp("belek\r\n3\r\nIlość Grup Obciążeń\r\n2\r\nIlość Wariantów\r\n2\r\n"),
                  Cp("belek\r\n" + n + "\r\nIlość Grup Obciążeń\r\n" + g + "\r\nIlość Wariantów\r\n" + k + "\r\n"));
}

const std::string Sila = "TRUE\r\n1\r\n2,5\r\n6,5\r\n12\r\n1\r\n";

std::string ZSila(const std::string& sila)
{
    return Zamien(Zapis(*ZadanieTestowe()), Sila, sila);
}

// A file the reader must refuse, and the message it gives.
struct TOdmowa {
    std::string Tekst;
    std::string Komunikat;
};

std::vector<TOdmowa> Odmowy()
{
    const std::string tekst = Zapis(*ZadanieTestowe());
    const std::string moment = "TRUE\r\n0\r\n2\r\n2\r\n4\r\n0\r\n";
    std::string stoJeden = Zamien(tekst, moment, moment);
    for (int i = 0; i < 100; ++i)
        stoJeden += moment;
    return {
        {ZIlosciami("13", "2", "2"), "Plik podaje 13 przęseł; program obsługuje od 1 do 12."},
        {ZIlosciami("0", "2", "2"), "Plik podaje 0 przęseł; program obsługuje od 1 do 12."},
        {ZIlosciami("-2", "2", "2"), "Plik podaje ujemną liczbę przęseł (-2)."},
        {ZIlosciami("3", "11", "2"), "Plik podaje 11 grup obciążeń; program obsługuje najwyżej 10."},
        {ZIlosciami("3", "-1", "2"), "Plik podaje ujemną liczbę grup obciążeń (-1)."},
        {ZIlosciami("3", "2", "12"), "Plik podaje 12 wariantów obciążeń; program obsługuje najwyżej 10."},
        {ZIlosciami("3", "2", "-3"), "Plik podaje ujemną liczbę wariantów obciążeń (-3)."},
        {ZIlosciami("2", "2", "2"), "Obciążenie liniowo zmienne nr 1 leży na przęśle nr 3, a plik podaje 2 przęsła."},
        {ZIlosciami("-1", "2", "2"), "Siła skupiona nr 1 leży na przęśle nr 2, a plik podaje 0 przęseł."},
        {ZIlosciami("3", "1", "2"), "Siła skupiona nr 1 należy do grupy obciążeń nr 2, a plik podaje 1 grupę obciążeń."},
        {ZSila("TRUE\r\n7\r\n2,5\r\n6,5\r\n12\r\n1\r\n"), "Siła skupiona nr 1 leży na przęśle nr 8, a plik podaje 3 przęsła."},
        {ZSila("TRUE\r\n1\r\n2,5\r\n6,5\r\n12\r\n-1\r\n"), "Siła skupiona nr 1 należy do grupy obciążeń nr 0, a plik podaje 2 grupy obciążeń."},
        {stoJeden, "Plik zawiera więcej niż 100 momentów skupionych; program obsługuje najwyżej 100."},
        {Zamien(tekst, Cp("ogólne ***1"), "ogolne ***1"), "To nie jest plik zadania: brak sekcji „*** Dane ogólne ***1”."},
        {"", "To nie jest plik zadania: brak sekcji „*** Dane ogólne ***1”."},
        {ZIlosciami("3.0", "2", "2"), "'3.0' is not a valid integer value"},
        {ZSila("TRUE\r\n1,0\r\n"), "'1,0' is not a valid integer value"},
        {Zamien(tekst, "clRed", "clFoo"), "'clFoo' is not a valid integer value"},
        {ZSila("TRUE\r\n1\r\n2,5\r\n6,5\r\nnan\r\n1\r\n"), "'nan' is not a valid floating point value"},
        {ZSila("TRUE\r\n1\r\n2,5\r\n6,5\r\n1E39\r\n1\r\n"), "'1E39' is not a valid floating point value"},
        {ZSila("TRUE\r\n1\r\n2,5\r\n6,5\r\n1 000\r\n1\r\n"), "'1 000' is not a valid floating point value"},
        {ZSila("TRUE\r\n1\r\n2,5\r\n6,5\r\n\r\n1\r\n"), "'' is not a valid floating point value"},
        {tekst.substr(0, tekst.find("geometryczne ***1\r\n") + 22),
         "Nieoczekiwany koniec pliku podczas czytania danych przęsła nr 1."},
        {tekst.substr(0, tekst.find(Sila) + 9), "Nieoczekiwany koniec pliku podczas czytania siły skupionej nr 1."},
    };
}

} // namespace

TEST(CzytajTekst, RefusesFilesOutsideTheTablesOrHoldingNonNumbersWithAMessageNamingTheFault)
{
    for (const TOdmowa& odmowa : Odmowy()) {
        const TOdczyt o = CzytajTekst(odmowa.Tekst);
        EXPECT_FALSE(o.Zadanie) << odmowa.Komunikat;
        EXPECT_EQ(o.Blad, odmowa.Komunikat);
    }
}

TEST(CzytajTekst, GivesATaskOrAMessageForEveryTruncationOfAFile)
{
    const std::string tekst = Zapis(*ZadanieTestowe());
    for (size_t dlugosc = 0; dlugosc < tekst.size(); ++dlugosc) {
        const TOdczyt o = CzytajTekst(std::string_view(tekst).substr(0, dlugosc));
        ASSERT_NE(bool(o.Zadanie), !o.Blad.empty()) << dlugosc;
    }
}

TEST(CzytajPlik, LeavesTheCallersTaskAndViewsUntouchedWhenAFileIsRefused)
{
    const fs::path folder = NowyFolder("odmowy");
    auto zadanie = PelneZadanie();
    zadanie->Nastawy.ArkuszL = 42;
    const std::string przed = Zapis(*zadanie);
    TWidokiZPliku widoki;
    widoki.ListaGrup = {"1 Stale", "2 poprzednia"};
    int nr = 0;
    for (const TOdmowa& odmowa : Odmowy()) {
        const fs::path plik = folder / ("zly" + std::to_string(nr++) + ".qvr");
        std::ofstream(plik, std::ios::binary) << odmowa.Tekst;
        std::string blad;
        EXPECT_FALSE(CzytajPlik(plik.string(), *zadanie, widoki, blad));
        EXPECT_EQ(blad, odmowa.Komunikat);
    }
    EXPECT_EQ(Zapis(*zadanie), przed);
    EXPECT_EQ(zadanie->Nastawy.ArkuszL, 42.0f);
    EXPECT_EQ(widoki.ListaGrup.size(), 2u);

    std::string blad;
    const std::string brak = (folder / "brak.qvr").string();
    EXPECT_FALSE(CzytajPlik(brak, *zadanie, widoki, blad));
    EXPECT_EQ(blad.rfind("Nie można otworzyć pliku „" + brak + "”: ", 0), 0u) << blad;
    fs::remove_all(folder);
}

TEST(CzytajPlik, ReplacesTheTaskButKeepsTheSheetSettingsAndChangeFlags)
{
    const fs::path folder = NowyFolder("wczytanie");
    const std::string plik = (folder / "Zadanie.qvr").string();
    std::string blad;
    ASSERT_TRUE(ZapiszPlik(plik, *ZadanieTestowe(), TRegionalne{}, blad)) << blad;

    auto zadanie = PelneZadanie();
    zadanie->Nastawy.ArkuszUzytkownika = true;
    zadanie->Nastawy.ArkuszL = 30;
    zadanie->Nastawy.WspGrubosci = 1.5f;
    zadanie->Nastawy.RysujKratke = true;
    zadanie->Wspolczynniki[5][5] = 7.0f;
    zadanie->NieZapisane = true;
    TWidokiZPliku widoki;
    ASSERT_TRUE(CzytajPlik(plik, *zadanie, widoki, blad)) << blad;
    EXPECT_EQ(Zapis(*zadanie), Zapis(*ZadanieTestowe()));
    EXPECT_TRUE(zadanie->Nastawy.ArkuszUzytkownika);
    EXPECT_EQ(zadanie->Nastawy.ArkuszL, 30.0f);
    EXPECT_EQ(zadanie->Nastawy.WspGrubosci, 1.5f);
    EXPECT_FALSE(zadanie->Nastawy.RysujKratke) << "the other settings are those of a new task";
    EXPECT_EQ(zadanie->Wspolczynniki[5][5], 0.0f) << "no coefficient of the previous task survives";
    EXPECT_TRUE(zadanie->NieZapisane);
    EXPECT_EQ(widoki.ListaGrup, (std::vector<std::string>{"1 Stale", "2 Użytkowe"}));
    EXPECT_EQ(widoki.Wspolczynniki, (std::vector<std::vector<float>>{{1.0f, 0.0f}, {1.35f, 1.5f}}));
    fs::remove_all(folder);
}

TEST(ZapiszPlik, RefusesATaskItCouldNotReadBackWithoutTouchingTheFile)
{
    const fs::path folder = NowyFolder("niezapisywalne");
    const std::string plik = (folder / "Zadanie.qvr").string();
    std::ofstream(plik, std::ios::binary) << "stara zawartość";
    std::string blad;

    auto z = ZadanieTestowe();
    z->Przesla[1].Rezerwa[3] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(ZapiszPlik(plik, *z, TRegionalne{}, blad));
    EXPECT_EQ(blad, "Zadanie zawiera liczbę nieskończoną lub nieokreśloną (w danych geometrycznych). "
                    "Plik nie został zapisany.");

    z = ZadanieTestowe();
    z->Liniowe[0].Przeslo = 3;
    EXPECT_FALSE(ZapiszPlik(plik, *z, TRegionalne{}, blad));
    EXPECT_EQ(blad, "Obciążenie równomierne nr 1 leży na przęśle nr 4, a zadanie ma 3 przęsła. "
                    "Plik nie został zapisany.");
    EXPECT_EQ(Bajty(plik), "stara zawartość");
    fs::remove_all(folder);
}

TEST(ZapiszPlik, LeavesTheOldFileByteIdenticalWhenWritingFailsHalfway)
{
    const fs::path folder = NowyFolder("przerwany");
    const std::string plik = (folder / "Zadanie.qvr").string();
    std::string blad;
    ASSERT_TRUE(ZapiszPlik(plik, *ZadanieTestowe(), TRegionalne{}, Chwila, blad)) << blad;
    const std::string stary = Bajty(plik);

    // A file size limit makes the write fail after the first kilobyte (even for root).
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit maly{1024, limit.rlim_max};
    const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &maly);
    const bool zapisany = ZapiszPlik(plik, *PelneZadanie(), TRegionalne{}, Chwila, blad);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, sygnal);

    EXPECT_FALSE(zapisany);
    EXPECT_EQ(blad.rfind("Nie można zapisać pliku „" + plik + "”: ", 0), 0u) << blad;
    EXPECT_EQ(Bajty(plik), stary);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary file left";

    const std::string wBrakujacymFolderze = (folder / "brak" / "Zadanie.qvr").string();
    EXPECT_FALSE(ZapiszPlik(wBrakujacymFolderze, *ZadanieTestowe(), TRegionalne{}, blad));
    EXPECT_EQ(blad.rfind("Nie można zapisać pliku „" + wBrakujacymFolderze + "”: ", 0), 0u) << blad;
    fs::remove_all(folder);
}
