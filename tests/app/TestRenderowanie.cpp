#include "Katalog.h"

#include "app/Renderowanie.h"
#include "app/WierszPolecen.h"
#include "drawing/Widok.h"
#include "model/Budowa.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The colour at a point of the drawing (cm, y down) in the view of zoom all, as the window sets it.
uint32_t Kolor(const QImage& obraz, double x, double y)
{
    TWidok w;
    ZoomWszystko(w, obraz.width(), obraz.height());
    w.EkranSrodekX = obraz.width() / 2;
    w.EkranSrodekY = obraz.height() / 2;
    return obraz.pixel(w.NaEkranX(x), w.NaEkranY(-y)) & 0xFFFFFF;
}

// 'p' a FIFO, 'c' a character device, 'f' a regular file.
char Rodzaj(const std::string& sciezka)
{
    struct stat s {};
    if (::lstat(sciezka.c_str(), &s) != 0)
        return '-';
    return S_ISFIFO(s.st_mode) ? 'p' : S_ISCHR(s.st_mode) ? 'c' : S_ISREG(s.st_mode) ? 'f' : '?';
}

// The system's reason in the user's language, as the program gives it.
std::string Powod(int blad)
{
    return qt_error_string(blad).toStdString();
}

// Reads a FIFO from before a writer opens it until the writer closes it (or 60 s pass).
std::future<std::string> CzytajPotok(const std::string& sciezka)
{
    return std::async(std::launch::async, [fd = ::open(sciezka.c_str(), O_RDONLY | O_NONBLOCK)] {
        std::string dane;
        char bufor[65536];
        for (const auto koniec = std::chrono::steady_clock::now() + std::chrono::seconds(60);
             fd >= 0 && std::chrono::steady_clock::now() < koniec;) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 50);
            const ssize_t n = ::read(fd, bufor, sizeof bufor);
            if (n > 0)
                dane.append(bufor, size_t(n));
            else if (n == 0 && !dane.empty()) // end of data only once the writer has been there
                break;
        }
        if (fd >= 0)
            ::close(fd);
        return dane;
    });
}

class Renderowanie : public Katalog {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_app";
        static char* argv[] = {nazwa, nullptr};
        Aplikacja = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { Aplikacja.reset(); }
    static inline std::unique_ptr<QGuiApplication> Aplikacja;

    void SetUp() override
    {
        Katalog::SetUp();
        ASSERT_EQ(WczytajCzcionke(QUARVI_PLIK_CZCIONKI, *czcionka_), "");
    }

    int Uruchom(const std::vector<std::string>& argumenty)
    {
        bledy_.str("");
        return WykonajRysunek(RozbierzPolecenie(argumenty), *czcionka_, TRegionalne{}, bledy_);
    }

    // One hinged span of 6 m, 10 kN/m, and `ile` combinations.
    static TDaneZadania Belka(int ile)
    {
        TDaneZadania zad;
        UstawGeometrie(zad, {6}, true, true);
        DodajLiniowe(zad, 0, 0, 6, 10);
        for (int c = 1; c < ile; ++c) {
            DodajKombinacje(zad, "K" + std::to_string(c + 1));
            zad.Wspolczynniki[size_t(c)][0] = 1.0f + c;
        }
        return zad;
    }

    std::ostringstream bledy_;
    std::unique_ptr<TCzcionka> czcionka_ = std::make_unique<TCzcionka>();
};

} // namespace

TEST_F(Renderowanie, APngShowsTheDeskTheSheetsAndTheBeamWhereTheWindowWould)
{
    const std::string plik = Zapisz(Belka(2), "dwie.qvr");
    ASSERT_EQ(Uruchom({"--png", Sciezka("dwie.png"), plik, "--rozmiar", "1600x1000"}), 0) << bledy_.str();
    const QImage obraz(QString::fromStdString(Sciezka("dwie.png")));
    ASSERT_EQ(obraz.size(), QSize(1600, 1000));
    // The envelope sheet spans −25.5 … −5: the desk, the first sheet, the envelope sheet, the first one's shadow,
    // the beam's axis 3 cm in and 6 cm down, the desk's black outline just above the sheet.
    EXPECT_EQ((std::array{Kolor(obraz, -3, 15), Kolor(obraz, 15, 2), Kolor(obraz, -10, 3), Kolor(obraz, 20.65, 15),
                          Kolor(obraz, 6, 6), obraz.pixel(800, 0) & 0xFFFFFF}),
              (std::array<uint32_t, 6>{0xDCDCDC, 0xFFFFFF, 0xFFFFFF, 0x505050, 0x000000, 0x000000}));
}

// Before, "quarvi --pdf a.qvr b.qvr", an easy slip, turned the task a.qvr into a PDF.
TEST_F(Renderowanie, RefusesToOverwriteTheTaskOrAFileThatIsNeitherAPdfNorAPngAndSaysWhyAnOutputCannotBeWritten)
{
    EXPECT_EQ(Uruchom({"--pdf", Sciezka("a.pdf"), Sciezka("brak.qvr")}), 1);
    EXPECT_TRUE(bledy_.str().find("brak.qvr") != std::string::npos && !fs::exists(Sciezka("a.pdf"))) << bledy_.str();

    // The task file named as the output, also by another path: refused before anything is written.
    const std::string plik = Zapisz(Belka(1), "jedna.qvr"), przed = Czytaj(plik);
    const std::string inna = (katalog_ / "." / ".." / katalog_.filename() / "jedna.qvr").string();
    for (const auto& [opcja, wyjscie] : {std::pair("--pdf", plik), {"--png", inna}}) {
        EXPECT_EQ(Uruchom({opcja, wyjscie, plik}), 1);
        EXPECT_NE(bledy_.str().find("jest plikiem zadania"), std::string::npos) << bledy_.str();
        EXPECT_EQ(Czytaj(plik), przed);
    }
    // The system's reason follows the name.
    for (const char* opcja : {"--pdf", "--png"}) {
        const std::string zly = (katalog_ / "nie-ma-takiego-folderu" / "w").string();
        EXPECT_EQ(Uruchom({opcja, zly, plik}), 1);
        EXPECT_TRUE(bledy_.str().starts_with("Nie można zapisać pliku " + zly + ": ") &&
                    bledy_.str().size() > zly.size() + 30)
            << bledy_.str();
    }
    const std::string b = Zapisz(Belka(2), "b.qvr");
    for (const char* opcja : {"--pdf", "--png"}) {
        EXPECT_EQ(Uruchom({opcja, plik, b}), 1);
        EXPECT_EQ(bledy_.str(), "Plik wyniku " + plik +
                                    " już istnieje i nie jest dokumentem PDF ani obrazem PNG, więc nie zostanie "
                                    "nadpisany. Plik wyniku stoi przed plikiem zadania: quarvi --pdf WYNIK.pdf "
                                    "PLIK.qvr.\n");
        EXPECT_EQ(Czytaj(plik), przed);
    }
    // A PDF or a PNG is replaced, whichever is asked for; so is an empty file.
    const std::string wynik = Sciezka("wynik"), pusty = Sciezka("pusty.pdf");
    std::ofstream(pusty).close();
    EXPECT_EQ(std::tuple(Uruchom({"--pdf", wynik, b}), Uruchom({"--png", wynik, b}), Uruchom({"--pdf", wynik, b}),
                         Uruchom({"--pdf", pusty, b})),
              std::tuple(0, 0, 0, 0))
        << bledy_.str();
    EXPECT_TRUE(Czytaj(wynik).starts_with("%PDF-") && Czytaj(pusty).starts_with("%PDF-"));
}

TEST_F(Renderowanie, OptionsComeInAnyOrderAndTheScaleFitsALongBeamOnTheSheet)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {15, 15}, false, false);
    DodajLiniowe(zad, 0, 0, 15, 10);
    const std::string plik = Zapisz(zad, "dluga.qvr");
    ASSERT_EQ(Uruchom({"--png", Sciezka("100.png"), "--rozmiar", "800x600", plik}), 0) << bledy_.str();
    ASSERT_EQ(Uruchom({"--skala", "200", "--png", Sciezka("200.png"), plik, "--rozmiar", "800x600"}), 0)
        << bledy_.str();
    const QImage sto(QString::fromStdString(Sciezka("100.png"))), dwiescie(QString::fromStdString(Sciezka("200.png")));
    ASSERT_EQ(sto.size(), QSize(800, 600));
    // At 1:100 the 30 m beam runs 3 + 30 cm across the first sheet, at 1:200 it ends at 3 + 15 cm.
    EXPECT_EQ(std::tuple(Kolor(sto, 19.5, 6), Kolor(dwiescie, 17.5, 6)), std::tuple(0u, 0u));
    EXPECT_NE(Kolor(dwiescie, 19.5, 6), 0x000000u);

    // At 1:100 the PDF is written all the same, with the print command's warning (braces: the run first).
    EXPECT_EQ(
        (std::tuple{Uruchom({"--pdf", Sciezka("dluga.pdf"), plik}), bledy_.str(), fs::exists(Sciezka("dluga.pdf"))}),
        std::tuple(0, "Rysunek belki jest szerszy niż arkusz. Zmień skalę poziomą w Ustawieniach, np. na 1:200.\n",
                   true));
    EXPECT_EQ((std::pair{Uruchom({"--pdf", Sciezka("dluga.pdf"), plik, "--skala", "200"}), bledy_.str()}),
              std::pair(0, std::string()));
    QFile pdf(QString::fromStdString(Sciezka("dluga.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    // The document title is the file's name, not its path (UTF-16 in the PDF; the name is ASCII).
    QByteArray tytul("/Title (\xFE\xFF");
    for (const char z : std::string("dluga.qvr"))
        tytul.append('\0').append(z);
    EXPECT_TRUE(pdf.readAll().contains(tytul + ")"));
    for (const auto& zle : {std::vector<std::string>{"--skala", "0", "--pdf", "a.pdf", plik},
                            {"--wyniki", plik, "--skala", "200"},
                            {"--pdf", "a.pdf", plik, "--rozmiar", "800x600"}})
        EXPECT_EQ(RozbierzPolecenie(zle).Rodzaj, TPolecenie::TRodzaj::Blad) << zle[1];
}

// Before, an output that was a device or a pipe was replaced by a regular file (as root, --png /dev/null
// replaced the system's /dev/null) and the run ended with 0. The devices here are made in the test's folder.
TEST_F(Renderowanie, AnOutputOntoAPipeOrADeviceIsWrittenIntoInPlaceOrRefusedButNeverReplaced)
{
    const std::string plik = Zapisz(Belka(2), "dwie.qvr");
    const std::string potok = Sciezka("potok");
    ASSERT_EQ(::mkfifo(potok.c_str(), 0600), 0) << std::strerror(errno);
    // What each output is, by what it begins with.
    const auto pdf = [&](const std::string& cel) { return Uruchom({"--pdf", cel, plik}); };
    const auto png = [&](const std::string& cel) { return Uruchom({"--png", cel, plik, "--rozmiar", "200x100"}); };
    const auto zapis = [&](const std::string& cel) {
        bledy_.str("");
        std::string blad;
        if (ZapiszPlik(cel, Belka(1), TRegionalne{}, blad))
            return 0;
        bledy_ << blad << '\n';
        return 1;
    };
    const std::tuple<const char*, std::function<int(const std::string&)>, std::string> wyjscia[] = {
        {"--pdf", pdf, "%PDF-"}, {"--png", png, "\x89PNG\r\n\x1a\n"}, {"zapis", zapis, std::string(67, '*') + "\r\n"}};
    for (const auto& [nazwa, uruchom, poczatek] : wyjscia) {
        SCOPED_TRACE(nazwa);
        {
            std::future<std::string> czytelnik = CzytajPotok(potok);
            EXPECT_EQ(uruchom(potok), 0) << bledy_.str();
            EXPECT_TRUE(czytelnik.get().starts_with(poczatek));
        }
        // Nobody reads: refused at once with the reason, not waited on.
        EXPECT_EQ(uruchom(potok), 1);
        EXPECT_TRUE(bledy_.str().starts_with("Nie można zapisać pliku ") &&
                    bledy_.str().find(potok) != std::string::npos &&
                    bledy_.str().ends_with(": nikt nie czyta z tego potoku (" + Powod(ENXIO) + ").\n"))
            << bledy_.str();
        EXPECT_EQ(Rodzaj(potok), 'p');
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(katalog_), fs::directory_iterator()), 2) << "no file left beside";

    // The null and the full device, made here: needs the right to make devices and a folder that allows them.
    const std::string pusty = Sciezka("pusty"), pelny = Sciezka("pelny");
    if (::mknod(pusty.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        ::mknod(pelny.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "mknod: " << std::strerror(errno) << " (making a device needs CAP_MKNOD)";
    if (const int fd = ::open(pusty.c_str(), O_WRONLY); fd < 0)
        GTEST_SKIP() << "the temporary folder does not open devices: " << std::strerror(errno);
    else
        ::close(fd);
    for (const auto& [nazwa, uruchom, poczatek] : wyjscia) {
        SCOPED_TRACE(nazwa);
        EXPECT_EQ(uruchom(pusty), 0) << bledy_.str();
        // A full disk: the system's reason, not "Unknown error".
        EXPECT_EQ(uruchom(pelny), 1);
        EXPECT_TRUE(bledy_.str().find("pelny") != std::string::npos &&
                    bledy_.str().ends_with(": " + Powod(ENOSPC) + ".\n"))
            << bledy_.str();
        EXPECT_EQ(std::pair(Rodzaj(pusty), Rodzaj(pelny)), std::pair('c', 'c'));
    }
}

// Before, a PNG that did not fit the disk was reported as "Unknown error".
TEST_F(Renderowanie, APngCutShortByTheFileSizeLimitSaysTheSystemsReasonAndLeavesTheOldFile)
{
    const std::string plik = Zapisz(Belka(2), "dwie.qvr"), obraz = Sciezka("stary.png");
    std::ofstream(obraz, std::ios::binary) << "\x89PNG\r\n\x1a\nstary";
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit maly{2048, limit.rlim_max};
    const auto sygnal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &maly);
    const int kod = Uruchom({"--png", obraz, plik, "--rozmiar", "800x600"});
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, sygnal);
    EXPECT_TRUE(kod == 1 && bledy_.str().ends_with(": " + Powod(EFBIG) + ".\n")) << bledy_.str();
    EXPECT_EQ(Czytaj(obraz), "\x89PNG\r\n\x1a\nstary");
}

// Before, --pdf and --png aborted (SIGABRT, Qt's English text) when QT_QPA_PLATFORM named a platform that
// cannot start: xcb without a display, wayland without its plugin, a misspelt name.
TEST_F(Renderowanie, TheProgramDrawsWithoutADisplayWithoutItsFontFileAndOnAPlatformThatCannotStart)
{
    const std::string plik = Zapisz(Belka(2), "dwie.qvr");
    const fs::path bledy = katalog_ / "bledy.txt", kopia = katalog_ / "quarvi";
    // A copy of the program in a folder without Dane/: the font's message, and the picture all the same.
    fs::copy_file(QUARVI_PROGRAM, kopia);
    for (const char* srodowisko : {"-u QT_QPA_PLATFORM", "QT_QPA_PLATFORM=xcb",
                                   "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0", "QT_QPA_PLATFORM=xbc"})
        for (const auto& [opcja, poczatek] : {std::pair("--pdf", "%PDF-"), {"--png", "\x89PNG"}}) {
            const fs::path wyjscie = katalog_ / (std::string("wynik ") + opcja);
            const std::string polecenie = std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") + srodowisko + " \"" +
                                          kopia.string() + "\" " + opcja + " \"" + wyjscie.string() + "\" \"" + plik +
                                          "\" 2>\"" + bledy.string() + "\"";
            const int stan = std::system(polecenie.c_str());
            EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0) << srodowisko << " " << opcja << "\n"
                                                                   << Czytaj(bledy);
            EXPECT_TRUE(Czytaj(wyjscie).starts_with(poczatek)) << srodowisko << " " << opcja;
            EXPECT_TRUE(Czytaj(bledy).find("plugin") == std::string::npos &&
                        Czytaj(bledy).find("Romans100.Lzs") != std::string::npos)
                << Czytaj(bledy);
        }
}
