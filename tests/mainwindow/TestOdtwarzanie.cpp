// The window's picture, replayed after a view change, is what a composition at that view draws.
#include "drawing/Czcionka.h"
#include "drawing/PowierzchniaQt.h"
#include "mainwindow/Polecenia.h"
#include "platform/Komunikaty.h"
#include "platform/RegionalneQt.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path FolderProgramu = QUARVI_OUT;

// A paint box of a size the test sets, counting what it was asked to show.
struct TPodgladTestu : IPodglad {
    TRozmiarPowierzchni Rozmiar{900, 700};
    int32_t Pokazano = 0;
    TRozmiarPowierzchni RozmiarPodgladu() const override { return Rozmiar; }
    void Pokaz() override { ++Pokazano; }
    void Wiadomosc(const std::string&) override {}
};

class Odtwarzanie : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_odtwarzanie";
        static char* argv[] = {nazwa, nullptr};
        Aplikacja = std::make_unique<QApplication>(argc, argv);
    }
    static void TearDownTestSuite() { Aplikacja.reset(); }
    static inline std::unique_ptr<QApplication> Aplikacja;

    TProgram Program;
    TRejestrKomunikatow Kom;
    TOtoczenie Otoczenie{Kom, {}, {}, {}};
    TPodgladTestu Podglad;
    std::unique_ptr<TPolecenia> Polecenia;

    void SetUp() override
    {
        Program.FolderProgramu = FolderProgramu;
        Program.Regionalne = RegionalneSystemu();
        ASSERT_EQ(WczytajCzcionke(SciezkaCzcionki(FolderProgramu), Program.Czcionka), "");
        Polecenia = std::make_unique<TPolecenia>(Program, Otoczenie, Podglad);
        Polecenia->Start({1200, 900}, 1.0);
    }

    // What the paint box shows.
    QImage Okno() const
    {
        return Polecenia->ObrazArkusza.copy(0, 0, Podglad.Rozmiar.Szerokosc, Podglad.Rozmiar.Wysokosc);
    }
    // The sheets composed anew at the present view, straight into a picture of the paint box's size.
    QImage Bezposrednio()
    {
        QImage obraz(Podglad.Rozmiar.Szerokosc, Podglad.Rozmiar.Wysokosc, QImage::Format_RGB32);
        TPowierzchniaQt powierzchnia(obraz);
        Przerysuj(Polecenia->Kompozycja, &powierzchnia);
        return obraz;
    }
};

} // namespace

TEST_F(Odtwarzanie, AfterZoomPanAZoomWindowAndAResizeThePictureIsTheCompositionAtThatViewButATaskChangeWaits)
{
    ASSERT_TRUE(Polecenia->Otworz((FolderProgramu / "Przykłady" / "Strop trzyprzęsłowy.qvr").string()));
    ASSERT_GT(Program.Zadanie.IloscKombinacji, 1); // the envelope sheet too
    TWidok& w = Program.Widok;
    const int32_t H = Podglad.Rozmiar.Wysokosc;
    const auto kolko = [&] { KolkoMyszy(w, false); };
    const auto pomniejsz = [&] { Pomniejsz(w); };
    const auto przesun = [&] {
        w.TrybPrzesuwania = true;
        PoczatekPrzesuwania(w, 400, 300, H);
        Przesuwanie(w, 317, 361, H);
        KoniecPrzesuwania(w, 290, 371, H);
    };
    const auto okno = [&] {
        w.TrybOkna = true;
        PoczatekOkna(w, 120, 90, H);
        KoniecOkna(w, 520, 330, Podglad.Rozmiar.Szerokosc, H);
    };
    const auto wszystko = [&] { ZoomWszystko(w, Podglad.Rozmiar.Szerokosc, Podglad.Rozmiar.Wysokosc); };
    const std::vector<std::pair<const char*, std::vector<std::function<void()>>>> kroki{
        {"zoom in", {[&] { Powieksz(w); }}},
        {"two wheel notches down", {kolko, kolko}},
        {"a pan", {przesun}},
        {"a zoom window", {okno}},
        {"zoom out", {pomniejsz, pomniejsz, pomniejsz}},
        {"zoom all", {wszystko}},
        {"a smaller paint box", {[&] { Podglad.Rozmiar = {640, 480}; }}},
        {"a larger paint box than the picture", {[&] { Podglad.Rozmiar = {1400, 1000}; }}},
    };
    const QImage start = Okno();
    for (const auto& [krok, zmiany] : kroki) {
        SCOPED_TRACE(krok);
        const QImage przed = Okno();
        for (const auto& zmien : zmiany)
            zmien();
        const int32_t pokazano = Podglad.Pokazano;
        Polecenia->WidokZmieniony();
        EXPECT_EQ(Podglad.Pokazano, pokazano + 1);
        EXPECT_NE(Okno(), przed);
        EXPECT_EQ(Okno(), Bezposrednio());
    }
    EXPECT_NE(Okno().copy(0, 0, start.width(), start.height()), start);
    // A change of the task (the grid on every sheet) shows only once the content is composed again.
    const QImage przed = Okno();
    Program.Zadanie.Nastawy.RysujKratke = !Program.Zadanie.Nastawy.RysujKratke;
    Polecenia->WidokZmieniony();
    EXPECT_EQ(Okno(), przed);
    Polecenia->Przerysuj();
    EXPECT_NE(Okno(), przed);
    EXPECT_EQ(Okno(), Bezposrednio());
}
