// What the window's zoom buttons, mouse and wheel do to the view, and the rules the task's buttons pass first,
// without Qt: a window of record stands in for the paint box.
#include "mainwindow/Sterowanie.h"
#include "model/Budowa.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The paint box as the tools see it: 800 × 600 device pixels, and what they showed on it.
struct TOknoZapis : IOknoWidoku {
    std::vector<TKursor> Kursory;
    std::optional<TRamkaOkna> Ramka;
    std::string Odczyt;
    TRozmiarPowierzchni RozmiarPodgladu() const override { return {800, 600}; }
    void UstawKursor(TKursor kursor) override { Kursory.push_back(kursor); }
    void UstawRamke(const std::optional<TRamkaOkna>& ramka) override { Ramka = ramka; }
    void UstawOdczyt(const std::string& tekst) override { Odczyt = tekst; }
};

class Sterowanie : public ::testing::Test {
protected:
    Sterowanie()
    {
        NowyTemat(Program->Zadanie);
        Program->Regionalne.SeparatorDziesietny = ',';
        // As the first composition leaves it: 25 cm per 1000 pixels, the world's origin in the middle.
        TWidok& w = Program->Widok;
        w.SkalaWidoku = 25;
        w.EkranSrodekX = 400;
        w.EkranSrodekY = 300;
    }
    std::unique_ptr<TProgram> Program = std::make_unique<TProgram>();
    TRejestrKomunikatow Kom;
    TOknoZapis Okno;
    int Przerysowania = 0; // the sheets composed again
    int Widoki = 0;        // the composition shown at a new view
    TSterowanie S{*Program, Kom, Okno, [this] { ++Przerysowania; }, [this] { ++Widoki; }};
    TWidok& Widok() { return Program->Widok; }
    TKursor Kursor() const { return Okno.Kursory.empty() ? TKursor::Krzyz : Okno.Kursory.back(); }
};

} // namespace

TEST_F(Sterowanie, EveryViewCommandEndsInOneRepaintAndAnArmedToolShowsInTheCursor)
{
    const std::pair<void (TSterowanie::*)(), TKursor> polecenia[] = {
        {&TSterowanie::ZoomPan, TKursor::Dlon}, {&TSterowanie::ZoomOkno, TKursor::Okno},
        {&TSterowanie::ZoomWszystko, TKursor::Okno}, {&TSterowanie::Powieksz, TKursor::Okno},
        {&TSterowanie::Pomniejsz, TKursor::Okno}};
    int widoki = 0;
    for (const auto& [polecenie, kursor] : polecenia) {
        (S.*polecenie)();
        EXPECT_EQ(Widoki, ++widoki);
        EXPECT_EQ(Kursor(), kursor);
    }
    EXPECT_TRUE(Widok().TrybPrzesuwania && Widok().TrybOkna);
    EXPECT_TRUE(Kom.Komunikaty.empty());
    EXPECT_EQ(Przerysowania, 0) << "a view change composes nothing again";
}

// Before, a release with the zoom window armed but no press on the sheet
// zoomed to wherever the last press had been.
TEST_F(Sterowanie, AZoomWindowNeedsItsPressOnTheSheetAndShowsItsBoxUntilTheRelease)
{
    S.ZoomOkno();
    const TWidok przed = Widok();
    S.Puszczenie({300, 200});
    EXPECT_EQ(std::tuple(Widok().SkalaWidoku, Widok().SrodekX, Widok().TrybOkna, Widoki), std::tuple(25.0, 0.0, true, 1));
    S.Nacisniecie(TPrzyciskMyszy::Lewy, {100, 100});
    S.Ruch({300, 150});
    EXPECT_EQ(Okno.Ramka, (TRamkaOkna{{100, 100}, {300, 150}}));
    S.Ruch({500, 200});
    EXPECT_EQ(Okno.Ramka, (TRamkaOkna{{100, 100}, {500, 200}}));
    EXPECT_EQ(Widoki, 1) << "the box is drawn over the picture, not into it";
    EXPECT_EQ(Okno.Odczyt, "X=2,500 Y=2,500");
    S.Puszczenie({500, 200});
    EXPECT_EQ(std::tuple(Okno.Ramka, Widoki, Kursor()), std::tuple(std::optional<TRamkaOkna>(), 2, TKursor::Krzyz));
    EXPECT_FALSE(Widok().TrybOkna || Widok().RysowanieOkna);
    // 400 × 100 pixels: wider than tall, so its 10 cm width fills the 800 pixels.
    EXPECT_DOUBLE_EQ(Widok().SkalaWidoku, 10.0 * 600 / 800);
    EXPECT_DOUBLE_EQ(Widok().SrodekX, przed.SrodekX + (300 - 400) * 25.0 / 1000);
}

TEST_F(Sterowanie, WithBothToolsArmedALeftDragPansThenZoomsToTheBoxItDrew)
{
    S.ZoomPan();
    S.ZoomOkno();
    S.Nacisniecie(TPrzyciskMyszy::Lewy, {100, 100});
    EXPECT_EQ(Kursor(), TKursor::Chwyt);
    S.Ruch({200, 150});
    EXPECT_EQ(std::pair(Widoki, Okno.Ramka), std::pair(3, std::optional<TRamkaOkna>())) << "the sheet follows the mouse";
    S.Puszczenie({200, 150});
    EXPECT_EQ(std::pair(Widoki, Kursor()), std::pair(4, TKursor::Krzyz));
    EXPECT_FALSE(Widok().TrybPrzesuwania || Widok().Przeciaganie || Widok().TrybOkna);
    // 100 × 50 pixels from the press to the release, its 2.5 cm width fitted to the width.
    EXPECT_DOUBLE_EQ(Widok().SkalaWidoku, 2.5 * 600 / 800);
}

TEST_F(Sterowanie, TheMiddleButtonPansAtAnyTimeAndTheRightOneLeavesTheViewToItsMenu)
{
    for (const TPrzyciskMyszy przycisk : {TPrzyciskMyszy::Inny, TPrzyciskMyszy::Lewy, TPrzyciskMyszy::Srodkowy}) {
        S.Nacisniecie(przycisk, {400, 300});
        S.Ruch({350, 340});
        S.Puszczenie({340, 340});
    }
    // Only the middle button's drag: the world point under the mouse stays under it.
    EXPECT_EQ(std::tuple(Widok().SrodekX, Widok().SrodekY, Widoki), std::tuple(60 * 25.0 / 1000, 40 * 25.0 / 1000, 2));
    EXPECT_EQ(Okno.Kursory, (std::vector{TKursor::Chwyt, TKursor::Krzyz}));
    EXPECT_FALSE(Widok().TrybPrzesuwania);
}

TEST_F(Sterowanie, TheWheelStepsOncePerWholeNotchAndRepaintsOncePerTurn)
{
    // The angle turned and the steps it makes, up positive.
    const std::pair<int, int> obroty[] = {{60, 0}, {60, 1}, {-600, -5}, {-119, 0}, {-1, -1}, {240, 2}, {30, 0}, {-30, 0}, {-120, -1}};
    int widoki = 0;
    for (const auto& [kat, kroki] : obroty) {
        S.Kolko(kat);
        widoki += kroki != 0;
        EXPECT_EQ(Widoki, widoki) << kat;
    }
    EXPECT_NEAR(Widok().SkalaWidoku, 25 * std::pow(0.9, 3) * std::pow(1.1, 7), 1e-12);
}

TEST_F(Sterowanie, WithoutASpanTheLoadButtonsTheListsAndTheTableAreRefusedWithTheirOwnMessages)
{
    const auto wszystkie = [&] { return std::tuple(S.MoznaDodawac(), S.OtworzListe(), S.MoznaTabele()); };
    EXPECT_EQ(wszystkie(), std::tuple(false, false, false));
    EXPECT_EQ(Kom.Komunikaty,
              (std::vector<std::string>{" Najpierw GEOMETRIA ! ", " Najpierw GEOMETRIA ! (i obciążenie do edycji) ",
                                        " Najpierw GEOMETRIA ! "}));
    EXPECT_EQ(Przerysowania, 1); // the refusal repaints, as the closing of the dialog would
    // One span is enough.
    Kom.Komunikaty.clear();
    UstawGeometrie(Program->Zadanie, {4}, false, false);
    EXPECT_EQ(wszystkie(), std::tuple(true, true, true));
    EXPECT_TRUE(Kom.Komunikaty.empty());
    EXPECT_EQ(Przerysowania, 1);
}

TEST_F(Sterowanie, AnOpenListShowsTheLoadsUnsplitAndItsClosingTakesTheSettingsSwitch)
{
    UstawGeometrie(Program->Zadanie, {4}, false, false);
    TNastawy& n = Program->Zadanie.Nastawy;
    n.RozbijSilyGrupy = true;
    ASSERT_TRUE(S.OtworzListe());
    EXPECT_EQ(std::pair(n.RozbijSilyGrupy, Przerysowania), std::pair(false, 1));
    S.ZamknijListe(true);
    EXPECT_EQ(std::pair(n.RozbijSilyGrupy, Przerysowania), std::pair(true, 2));
    // Unsplit already: nothing to repaint on opening.
    S.ZamknijListe(false);
    ASSERT_TRUE(S.OtworzListe());
    EXPECT_EQ(std::pair(n.RozbijSilyGrupy, Przerysowania), std::pair(false, 3));
}

TEST_F(Sterowanie, TheWindowStartsAt1400By940OrNineTenthsOfASmallerScreen)
{
    for (const auto& [dostepne, okno] : {std::pair{std::pair{1920, 1080}, std::pair{1400, 940}},
                                         {{1280, 800}, {1152, 720}}, {{1600, 900}, {1400, 810}}}) {
        const TRozmiarPowierzchni r = RozmiarOkna({dostepne.first, dostepne.second});
        EXPECT_EQ(std::pair(r.Szerokosc, r.Wysokosc), okno) << dostepne.first;
    }
}
