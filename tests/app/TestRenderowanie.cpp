#include "Katalog.h"

#include "app/Renderowanie.h"
#include "app/WierszPolecen.h"
#include "drawing/Widok.h"
#include "model/Budowa.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string Czytaj(const fs::path& plik)
{
    std::ifstream f(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// The colour at a point of the drawing (cm, y down) in the view of zoom all, as the window sets it.
uint32_t Kolor(const QImage& obraz, double x, double y)
{
    TWidok w;
    ZoomWszystko(w, obraz.width(), obraz.height());
    w.EkranSrodekX = obraz.width() / 2;
    w.EkranSrodekY = obraz.height() / 2;
    return obraz.pixel(w.NaEkranX(x), w.NaEkranY(-y)) & 0xFFFFFF;
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
    // Pitch max((3 + 6) + 1, 20.5) + 1 = 21.5: the envelope sheet spans −25.5 … −5. The desk between it and
    // the first sheet, the first sheet, the envelope sheet, the first one's shadow, the beam's axis 3 cm into
    // it and 6 cm down, the desk's black outline just above the sheet.
    EXPECT_EQ((std::array{Kolor(obraz, -3, 15), Kolor(obraz, 15, 2), Kolor(obraz, -10, 3), Kolor(obraz, 20.65, 15),
                          Kolor(obraz, 6, 6), obraz.pixel(800, 0) & 0xFFFFFF}),
              (std::array<uint32_t, 6>{0xDCDCDC, 0xFFFFFF, 0xFFFFFF, 0x505050, 0x000000, 0x000000}));
}

TEST_F(Renderowanie, RefusesToOverwriteTheTaskAndSaysWhyAnOutputCannotBeWritten)
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
        EXPECT_TRUE(bledy_.str().starts_with("Nie można zapisać pliku " + zly + ": ") && bledy_.str().size() > zly.size() + 30)
            << bledy_.str();
    }
}

TEST_F(Renderowanie, OptionsComeInAnyOrderAndTheScaleFitsALongBeamOnTheSheet)
{
    TDaneZadania zad;
    UstawGeometrie(zad, {15, 15}, false, false);
    DodajLiniowe(zad, 0, 0, 15, 10);
    const std::string plik = Zapisz(zad, "dluga.qvr");
    ASSERT_EQ(Uruchom({"--png", Sciezka("100.png"), "--rozmiar", "800x600", plik}), 0) << bledy_.str();
    ASSERT_EQ(Uruchom({"--skala", "200", "--png", Sciezka("200.png"), plik, "--rozmiar", "800x600"}), 0) << bledy_.str();
    const QImage sto(QString::fromStdString(Sciezka("100.png"))), dwiescie(QString::fromStdString(Sciezka("200.png")));
    ASSERT_EQ(sto.size(), QSize(800, 600));
    // At 1:100 the 30 m beam runs 3 + 30 cm across the first sheet, at 1:200 it ends at 3 + 15 cm.
    EXPECT_EQ(std::tuple(Kolor(sto, 19.5, 6), Kolor(dwiescie, 17.5, 6)), std::tuple(0u, 0u));
    EXPECT_NE(Kolor(dwiescie, 19.5, 6), 0x000000u);

    // At 1:100 the PDF is written all the same, with the print command's warning; at 1:200 it fits.
    const std::string ostrzezenie =
        "Rysunek belki jest szerszy niż arkusz. Zmień skalę poziomą w Ustawieniach, np. na 1:200.\n";
    // Braces: evaluated in order, the run first.
    EXPECT_EQ(
        (std::tuple{Uruchom({"--pdf", Sciezka("dluga.pdf"), plik}), bledy_.str(), fs::exists(Sciezka("dluga.pdf"))}),
        std::tuple(0, ostrzezenie, true));
    ASSERT_EQ(Uruchom({"--pdf", Sciezka("dluga.pdf"), plik, "--skala", "200"}), 0) << bledy_.str();
    EXPECT_EQ(bledy_.str(), "");
    QFile pdf(QString::fromStdString(Sciezka("dluga.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    // The document title is the file's name, not its path (UTF-16 in the PDF; the name is ASCII).
    QByteArray tytul("/Title (\xFE\xFF");
    for (const char z : std::string("dluga.qvr"))
        tytul.append('\0').append(z);
    EXPECT_TRUE(pdf.readAll().contains(tytul + ")"));
    for (const auto& zle : {std::vector<std::string>{"--skala", "0", "--pdf", "a.pdf", plik},
                            {"--wyniki", plik, "--skala", "200"}, {"--pdf", "a.pdf", plik, "--rozmiar", "800x600"}})
        EXPECT_EQ(RozbierzPolecenie(zle).Rodzaj, TPolecenie::TRodzaj::Blad) << zle[1];
}

TEST_F(Renderowanie, TheProgramDrawsWithoutADisplayAndWithoutItsFontFile)
{
    const std::string plik = Zapisz(Belka(2), "dwie.qvr");
    const fs::path wyjscie = katalog_ / "z programu.png", bledy = katalog_ / "bledy.txt";
    const auto uruchom = [&](const fs::path& program) {
        const std::string polecenie = "env -u QT_QPA_PLATFORM \"" + program.string() + "\" --png \"" +
                                      wyjscie.string() + "\" \"" + plik + "\" --rozmiar 400x300 2>\"" +
                                      bledy.string() + "\"";
        return std::system(polecenie.c_str());
    };
    ASSERT_EQ(uruchom(QUARVI_PROGRAM), 0) << Czytaj(bledy);
    EXPECT_EQ(QImage(QString::fromStdString(wyjscie.string())).size(), QSize(400, 300));

    // A copy of the program in a folder without Dane/: the font's message, and the picture all the same.
    const fs::path kopia = katalog_ / "quarvi";
    fs::copy_file(QUARVI_PROGRAM, kopia);
    fs::remove(wyjscie);
    ASSERT_EQ(uruchom(kopia), 0) << Czytaj(bledy);
    EXPECT_TRUE(Czytaj(bledy).find("Romans100.Lzs") != std::string::npos && fs::exists(wyjscie)) << Czytaj(bledy);
}
