// The window as used every day, driven offscreen through real events.
#include "OknoProgramu.h"

#include "dialogs/EdytowanieSil.h"
#include "dialogs/Geometria.h"
#include "dialogs/Siatka.h"
#include "dialogs/TabelaWariantow.h"
#include "dialogs/Ustawienia.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "drawing/Przegladanie.h"
#include "mainwindow/Historia.h"
#include "model/Budowa.h"
#include "platform/TekstyLiczb.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <cmath>
#include <utility>
#include <functional>

namespace {

class Codzienne : public OknoProgramu {};

} // namespace

// The names the window's own steps show are checked where they are taken; here the rest.
TEST(NazwyZmian, AStepIsNamedByWhatItChangedAddedLoadsByKindAndPageCountsInPolishPlurals)
{
    TDaneZadania a;
    NowyTemat(a);
    EXPECT_EQ(NazwaZmiany(a, a), "zmiana zadania");
    a.Sily[0] = {1, 0, 1, 1, 10, 0};
    const std::pair<std::function<void(TDaneZadania&)>, const char*> zmiany[] = {
        {[](TDaneZadania& c) { c.Sily[0].Wartosc = 12; }, "zmiana siły"},
        {[](TDaneZadania& c) { c.Trojkaty[0].Uzyta = 1; }, "dodanie obciążenia liniowo zmiennego"},
        {[](TDaneZadania& c) { c.Momenty[0].Uzyta = 1; }, "dodanie momentu skupionego"},
        {[](TDaneZadania& c) { c.Kombinacje[0].Nazwa = "Inna"; }, "zmiana nazwy kombinacji"}};
    for (const auto& [zmien, nazwa] : zmiany) {
        TDaneZadania c = a;
        zmien(c);
        EXPECT_EQ(NazwaZmiany(a, c), nazwa);
    }
    TDaneZadania c = a;
    DodajKombinacje(c, "Zima");
    EXPECT_EQ(NazwaZmiany(c, a), "usunięcie kombinacji");
    for (const auto& [ile, tekst] : {std::pair{1, "1 stronę"}, {4, "4 strony"}, {5, "5 stron"}, {12, "12 stron"},
                                     {22, "22 strony"}, {112, "112 stron"}})
        EXPECT_EQ(IleStron(ile), tekst);
}

// Every step undone and redone gives byte for byte the file, and the group list, it had when first reached.
TEST_F(Codzienne, EveryKindOfChangeIsUndoneAndRedoneBackToTheSameFileAtEachStep)
{
    QToolButton* cofnij = Przycisk("TBCofnij");
    QToolButton* ponow = Przycisk("TBPonow");
    EXPECT_FALSE(cofnij->isEnabled() || ponow->isEnabled());
    QComboBox* grupy = K<QComboBox>(&Quarvi->Dialogi().DodajSile(), "CB_Grupy");
    const auto stan = [&] {
        std::string s = Stan();
        for (int i = 0; i < grupy->count(); ++i)
            s += "|" + grupy->itemText(i).toStdString();
        return s;
    };
    std::vector<std::string> stany{stan()};
    std::vector<QString> nazwy;
    const auto krok = [&](const char* nazwa) {
        stany.push_back(stan());
        nazwy.push_back(QString::fromUtf8(nazwa));
        EXPECT_NE(stany.back(), stany[stany.size() - 2]) << nazwa;
        EXPECT_EQ(cofnij->toolTip(), QStringLiteral("Cofnij: ") + nazwy.back() + QStringLiteral(" (Ctrl+Z)"));
        EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    };
    // Before, undoing to no beam left the geometry dialog showing the undone length, and E, J as "1e+08" and "1e-06".
    QWidget* g = &Quarvi->Dialogi().OknoGeometrii();
    const auto geometria = [&] {
        Klik("ToolButton1");
        std::vector<QString> w{QString::number(K<QScrollBar>(g, "SBPrzesla")->value())};
        for (const int j : {1, TGeometria::WierszJ, TGeometria::WierszE})
            w.push_back(Siatka::Tekst(K<QTableWidget>(g, "SGRozpietosci"), 1, j));
        Kliknij(g, "Rezygnuj");
        return w;
    };
    const std::vector<QString> bezBelki = geometria();
    EXPECT_TRUE(bezBelki[1].isEmpty());
    Geometria({"4,5", "6", "4,5"});
    krok("zmiana geometrii");
    // E = 1 kPa shown in GPa, J = 1 m⁴ in cm⁴, as typed numbers are; confirmed as shown, no step.
    Klik("ToolButton1");
    EXPECT_EQ(std::pair(Siatka::Tekst(K<QTableWidget>(g, "SGRozpietosci"), 1, TGeometria::WierszJ),
                        Siatka::Tekst(K<QTableWidget>(g, "SGRozpietosci"), 1, TGeometria::WierszE)),
              std::pair(T("100000000"), T("0,000001")));
    Kliknij(g, "Wprowadz");
    EXPECT_EQ(stan(), stany.back());
    QWidget* tabela = &Quarvi->Dialogi().OknoTabeli();
    QTableWidget* siatka = K<QTableWidget>(tabela, "Tabela");
    Klik("ToolButton2");
    // Before, an addition's default coefficients reached the task only with "Powrót": undoing the confirmation
    // brought back zeros.
    NowaPozycja(tabela, "Button1", "GrupyObciazenia", "Wiatr");
    krok("dodanie grupy");
    NowaPozycja(tabela, "Button2", "DodajWariant", "AB");
    krok("dodanie kombinacji");
    EXPECT_EQ(std::tuple(Zad().Wspolczynniki[0][1], Zad().Wspolczynniki[1][0], Zad().Wspolczynniki[1][1]),
              std::tuple(1.0f, 1.0f, 1.0f));
    NapiszWKomorce(tabela, "Tabela", 1, 1, T("1,35"));
    Kliknij(tabela, "Button3");
    krok("zmiana tabeli kombinacji");
    DodajSileKlawiszami(1, "3", "12,5");
    krok("dodanie siły");
    Obciazenie("ToolButton12", 0, {{"Wartosc", T("5,5")}});
    krok("dodanie obciążenia liniowego");
    // A wrong force, deleted through its list after the question.
    DodajSileKlawiszami(2, "1", "99");
    krok("dodanie siły");
    QWidget* lista = &Quarvi->Dialogi().EdytowanieSil();
    Klik("ToolButton5");
    QTableWidget* sily = K<QTableWidget>(lista, "SG_Tab");
    QTest::mouseClick(sily->viewport(), Qt::LeftButton, {}, sily->visualRect(sily->model()->index(2, 1)).center());
    Kom.Odpowiedz = true;
    Kliknij(lista, "UsunSile");
    Kliknij(lista, "Button4");
    krok("usunięcie siły");
    EXPECT_EQ(IloscUzytych(Zad().Sily), 1);
    QWidget* ustawienia = &Quarvi->Dialogi().OknoUstawien();
    Klik("ToolButton3");
    Napisz(K<QComboBox>(ustawienia, "CB_SkalaX")->lineEdit(), QStringLiteral("200"));
    Kliknij(ustawienia, "Powrot");
    krok("zmiana ustawień");
    // The first group's kind: the row's header double-clicked, the kind chosen by the keyboard.
    Klik("ToolButton2");
    const QPoint naglowek = siatka->visualRect(siatka->model()->index(1, 0)).center();
    QTest::mouseClick(siatka->viewport(), Qt::LeftButton, {}, naglowek);
    QTest::mouseDClick(siatka->viewport(), Qt::LeftButton, {}, naglowek);
    QComboBox* rodzaj = K<QComboBox>(K<QWidget>(tabela, "GrupyObciazenia"), "RodzajGrupy");
    rodzaj->setFocus();
    QTest::keyClick(rodzaj, Qt::Key_Down); // "stałe"
    Kliknij(K<QWidget>(tabela, "GrupyObciazenia"), "Wprowadz");
    Kliknij(tabela, "Button3");
    krok("zmiana rodzaju grupy");
    EXPECT_EQ(Zad().Klasyfikacje[0].Rodzaj, TRodzajGrupy::Stale);
    // The second group with a force of its own renamed, then deleted with its loads.
    DodajSileKlawiszami(0, "1", "10", 2);
    krok("dodanie siły");
    Klik("ToolButton2");
    QTest::mouseClick(siatka->viewport(), Qt::LeftButton, {}, siatka->visualRect(siatka->model()->index(2, 0)).center());
    Kliknij(tabela, "ZmianaNazwyGrupy");
    QWidget* nazwa = K<QWidget>(tabela, "ZmianaNazwy");
    Napisz(K<QLineEdit>(nazwa, "E_Nazwa"), QStringLiteral("Wiatr boczny"));
    Kliknij(nazwa, "Wprowadz");
    krok("zmiana nazwy grupy");
    Kliknij(tabela, "UsuniecieGrupy");
    EXPECT_EQ(Kom.Pytania.back(), "Grupa 2 „Wiatr boczny” ma 1 obciążenie. Usunąć grupę razem z nim?");
    krok("usunięcie grupy");
    EXPECT_EQ(siatka->rowCount(), 2);
    Kliknij(tabela, "Button3");
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    // Back to the empty task: Ctrl+Z, then the button.
    for (size_t i = stany.size() - 1; i > 0; --i) {
        SCOPED_TRACE(nazwy[i - 1].toStdString());
        if (i % 2)
            Klawisz(Qt::Key_Z);
        else
            Klik("TBCofnij");
        EXPECT_EQ(stan(), stany[i - 1]);
        EXPECT_EQ(ponow->toolTip(), QStringLiteral("Ponów: ") + nazwy[i - 1] + QStringLiteral(" (Ctrl+Y)"));
    }
    EXPECT_FALSE(cofnij->isEnabled());
    EXPECT_EQ(Panel(2), ""); // the new task's state: nothing to save
    EXPECT_EQ(geometria(), bezBelki);
    // Forward again: Ctrl+Y, Ctrl+Shift+Z and the button in turn; the results follow.
    for (size_t i = 1; i < stany.size(); ++i) {
        SCOPED_TRACE(nazwy[i - 1].toStdString());
        if (i % 3 == 0)
            Klawisz(Qt::Key_Y);
        else if (i % 3 == 1)
            Klawisz(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            Klik("TBPonow");
        EXPECT_EQ(stan(), stany[i]);
    }
    EXPECT_FALSE(ponow->isEnabled());
    // 12.5 kN and 5.5 kN/m over 4.5 m in the first group: 1.35 in the first combination, 1 in the added one.
    EXPECT_NEAR(SumaReakcji(0), (12.5 + 5.5 * 4.5) * 1.35, 1e-3);
    EXPECT_NEAR(SumaReakcji(1), 12.5 + 5.5 * 4.5, 1e-3);
    // A new step after undoing drops what could be redone.
    Klik("TBCofnij");
    EXPECT_TRUE(ponow->isEnabled());
    DodajSileKlawiszami(0, "1", "7");
    EXPECT_FALSE(ponow->isEnabled());
    // A new task starts a history of its own.
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    Klik("ToolButton6");
    EXPECT_FALSE(cofnij->isEnabled() || ponow->isEnabled());
}

// Memory: a long session keeps the last LimitHistorii steps, not all of them.
TEST_F(Codzienne, TheHistoryKeepsTheLastHundredStepsAndTheOldestFallsOff)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    std::vector<std::string> stany{Stan()};
    for (int i = 1; i <= LimitHistorii + 1; ++i) {
        Zad().Sily[0].Wartosc = float(i);
        Quarvi->Polecenia().Przerysuj();
        stany.push_back(Stan());
    }
    QToolButton* cofnij = Przycisk("TBCofnij");
    int cofniete = 0;
    while (cofnij->isEnabled() && cofniete <= LimitHistorii + 1) {
        Klik("TBCofnij");
        ++cofniete;
    }
    EXPECT_EQ(cofniete, LimitHistorii);
    // The first step is gone: the file as read is out of reach, and so is its clean mark.
    EXPECT_EQ(Stan(), stany[1]);
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
}

TEST_F(Codzienne, CtrlSSavesIntoTheTasksFileWithoutADialogRefusesWhatTheFileCannotHoldAndTheMarkFollowsTheHistory)
{
    const fs::path kopia = Tymczasowy / "Strop.qvr";
    fs::copy_file(Strop, kopia);
    Wybory[TDialogPliku::TRodzaj::Odczyt] = kopia.string();
    Klik("ToolButton7");
    EXPECT_FALSE(Przycisk("TBCofnij")->isEnabled()); // opening cleared the history
    const std::string zapisany = Stan();
    DodajSileKlawiszami(0, "2", "30");
    EXPECT_EQ(Quarvi->windowHandle()->title(), "Strop.qvr* – QUARVI");
    const std::string zSila = Stan();
    Dialogi.clear();
    // A value the file cannot hold: the save refuses, the file and the mark stay.
    const float wartosc = std::exchange(Zad().Sily[0].Wartosc, NAN);
    Klawisz(Qt::Key_S);
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
    EXPECT_EQ(Czytaj(kopia), Czytaj(Strop));
    EXPECT_TRUE(Zad().NieZapisane && Quarvi->isWindowModified());
    Zad().Sily[0].Wartosc = wartosc;
    Klawisz(Qt::Key_S);
    EXPECT_TRUE(Dialogi.empty());
    EXPECT_EQ(std::pair(Panel(2), Quarvi->windowHandle()->title()), std::pair(QString(), QString("Strop.qvr – QUARVI")));
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(Zad(), Separator(), "Data zapisu", tekst, blad));
    EXPECT_EQ(BezDaty(Czytaj(kopia)), BezDaty(tekst));
    // Undone, the task is no longer the one saved; redone, it is again.
    Klik("TBCofnij");
    EXPECT_EQ(Stan(), zapisany);
    EXPECT_TRUE(Panel(2) == "  Dane nie zapisane!" && Quarvi->isWindowModified());
    Klik("TBPonow");
    EXPECT_EQ(Stan(), zSila);
    EXPECT_FALSE(Panel(2) == "  Dane nie zapisane!" || Quarvi->isWindowModified());
    // The tool button and Ctrl+Shift+S ask, proposing the task's file; a task without a file asks on Ctrl+S.
    Wybory[TDialogPliku::TRodzaj::Zapis] = std::nullopt;
    Klik("ToolButton8");
    Klawisz(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Dialogi.size(), 2u);
    EXPECT_EQ(std::pair(Dialogi[0].Nazwa, Dialogi[1].Nazwa), std::pair(kopia.string(), kopia.string()));
    Klik("ToolButton6");
    Klawisz(Qt::Key_S);
    EXPECT_EQ(Dialogi.size(), 3u);
}

TEST_F(Codzienne, TheOpenButtonsMenuOffersTheLastEightFilesAcrossARestartAndDropsOnesGone)
{
    std::vector<fs::path> pliki;
    for (int i = 1; i <= 9; ++i) {
        pliki.push_back(Tymczasowy / ("Strop " + std::to_string(i) + ".qvr"));
        fs::copy_file(Strop, pliki.back());
    }
    Wybory[TDialogPliku::TRodzaj::Odczyt] = pliki[0].string();
    Klik("ToolButton7");
    for (int i = 1; i < 8; ++i)
        ASSERT_TRUE(Quarvi->Polecenia().Otworz(pliki[size_t(i)].string()));
    // Saved under a new name, the file goes to the top; the oldest falls off.
    Wybory[TDialogPliku::TRodzaj::Zapis] = pliki[8].string();
    Klik("ToolButton8");
    EXPECT_EQ(Quarvi->windowHandle()->title(), "Strop 9.qvr – QUARVI");
    QStringList oczekiwane;
    for (int i = 8; i >= 1; --i)
        oczekiwane << QString::fromStdString(pliki[size_t(i)].string());
    EXPECT_EQ(UstawieniaUzytkownika().value(QStringLiteral("OstatniePliki")).toStringList(), oczekiwane);
    Nowe();
    // The menu as the user opens it, the button held down; an item clicked while it is up.
    const auto wybierz = [&](int pozycja) {
        QStringList teksty;
        QTimer czekanie;
        QObject::connect(&czekanie, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            czekanie.stop();
            // The path in the hint; the item numbered, its path shortened in the middle when long.
            for (QAction* a : menu->actions()) {
                teksty << a->toolTip();
                EXPECT_TRUE(a->text().startsWith(QStringLiteral("&%1  ").arg(teksty.size())) &&
                            a->text().endsWith(QFileInfo(a->toolTip()).fileName()))
                    << a->text().toStdString();
            }
            if (QAction* a = menu->actions().value(pozycja - 1))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            else
                menu->close();
        });
        czekanie.start(20);
        QTest::mousePress(Przycisk("ToolButton7"), Qt::LeftButton);
        for (int i = 0; i < 100 && czekanie.isActive(); ++i)
            QTest::qWait(20);
        QTest::mouseRelease(Przycisk("ToolButton7"), Qt::LeftButton);
        QCoreApplication::processEvents();
        return teksty;
    };
    Dialogi.clear();
    EXPECT_EQ(wybierz(0), oczekiwane);
    wybierz(3);
    EXPECT_EQ(Quarvi->Polecenia().Plik(), pliki[6].string());
    EXPECT_EQ(wybierz(0)[0], QString::fromStdString(pliki[6].string()));
    fs::remove(pliki[8]);
    wybierz(2);
    EXPECT_EQ(Kom.Komunikaty, std::vector<std::string>{"Pliku „" + pliki[8].string() +
                                                       "” już nie ma — usunięto go z listy ostatnich plików."});
    EXPECT_EQ(Quarvi->Polecenia().Plik(), pliki[6].string());
    // Held down, the button offered its menu and never the open dialog.
    EXPECT_TRUE(Dialogi.empty());
    Nowe();
    EXPECT_EQ(Quarvi->Polecenia().Ostatnie().size(), 7u);
}

TEST_F(Codzienne, SettingsAndTheWindowsPlaceSurviveARestartAndReturnToTheDefaultsOnCommand)
{
    QWidget* u = &Quarvi->Dialogi().OknoUstawien();
    Klik("ToolButton3");
    Napisz(K<QComboBox>(u, "CB_SkalaX")->lineEdit(), QStringLiteral("250"));
    Kliknij(u, "CB_kratka");
    Kliknij(u, "CB_Reakcje");
    Kliknij(u, "RB_SilySchem_MAX");
    Napisz(K<QLineEdit>(u, "E_HMaxSila"), T("2,5"));
    Kliknij(u, "RB_ArkuszUser");
    Napisz(K<QLineEdit>(u, "E_ArkuszL"), T("30"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(K<QScrollBar>(u, "SB_WspGrubosci"), Qt::Key_Right);
    Kliknij(u, "Powrot");
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    const auto kontrolki = [&] {
        return std::tuple(K<QCheckBox>(u, "CB_Reakcje")->isChecked(), K<QRadioButton>(u, "RB_SilySchem_MAX")->isChecked(),
                          K<QLineEdit>(u, "E_HMaxSila")->text(), K<QScrollBar>(u, "SB_WspGrubosci")->value());
    };
    const auto ustawione = kontrolki();
    EXPECT_NE(std::get<3>(ustawione), 0);
    Quarvi->resize(812, 640);
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    ASSERT_TRUE(Quarvi->close());
    Nowe(FolderProgramu, false);
    EXPECT_EQ(Quarvi->size(), QSize(812, 640));
    const auto nastawy = [&] {
        const TNastawy& n = Zad().Nastawy;
        return std::tuple(Zad().SkalaX, n.RysujKratke, n.ArkuszUzytkownika, n.ArkuszL, Quarvi->Dialogi().Pokazuj().Reakcje);
    };
    EXPECT_EQ(nastawy(), std::tuple(250.0f, true, true, 30.0f, false));
    u = &Quarvi->Dialogi().OknoUstawien();
    EXPECT_EQ(kontrolki(), ustawione);
    // The settings are the start of the new task, not a change of it.
    EXPECT_FALSE(Przycisk("TBCofnij")->isEnabled());
    EXPECT_EQ(Panel(2), "");
    Klik("ToolButton3");
    Kliknij(u, "Domyslne");
    Kliknij(u, "Powrot");
    EXPECT_EQ(nastawy(), std::tuple(100.0f, false, false, std::get<3>(nastawy()), true));
    EXPECT_EQ(K<QScrollBar>(u, "SB_WspGrubosci")->value(), 0);
    EXPECT_TRUE(K<QRadioButton>(u, "RB_SilySchem_AUTO")->isChecked());
    Nowe();
    EXPECT_EQ(nastawy(), std::tuple(100.0f, false, false, std::get<3>(nastawy()), true));
}

TEST_F(Codzienne, PrintingSendsADocumentPerSheetTheStatusBarSaysWhereAndAWideBeamIsAskedAboutFirst)
{
    Drukarka = TInformacjaDrukarki{600, 600, 4840, 6730};
    Nowe();
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const auto uklad = Zad().PolozenieKombinacji;
    Klik("ToolButton10");
    // The envelopes and three combinations, each a document; the layout not moved by the print.
    EXPECT_EQ(Dokumenty.size(), 4u);
    EXPECT_EQ(Quarvi->statusBar()->currentMessage(), "Wysłano 4 strony do drukarki domyślnej.");
    EXPECT_EQ(Zad().PolozenieKombinacji[1].x, uklad[1].x);
    // Without a printer: the pages the command line's --pdf writes, into the file chosen.
    Drukarka.reset();
    const fs::path pdf = Tymczasowy / "wydruk.pdf";
    Wybory[TDialogPliku::TRodzaj::ZapisPdf] = pdf.string();
    Klik("ToolButton10");
    EXPECT_EQ(Quarvi->statusBar()->currentMessage().toStdString(), "Zapisano 4 strony w pliku " + pdf.string() + ".");
    EXPECT_EQ(StronyPdf(pdf), 4);
    EXPECT_TRUE(Kom.Pytania.empty());
    // One combination, no envelopes: one sheet. 6 m at 1:25 is 24 cm: asked first, No prints nothing.
    Drukarka = TInformacjaDrukarki{600, 600, 4840, 6730};
    Nowe();
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Jednoprzeslowa));
    Zad().SkalaX = 25;
    Kom.Odpowiedz = false;
    Dokumenty.clear();
    Klik("ToolButton10");
    EXPECT_EQ(Kom.Pytania, std::vector<std::string>{"Rysunek belki jest szerszy niż arkusz. Zmień skalę poziomą w "
                                                    "Ustawieniach, np. na 1:50."});
    EXPECT_EQ(Kom.Przyciski, std::vector<std::string>{"Drukuj mimo to|Anuluj"});
    EXPECT_EQ(Dokumenty.size(), 0u);
    Kom.Odpowiedz = true;
    Klik("ToolButton10");
    EXPECT_EQ(Dokumenty.size(), 1u);
}

// Before, "Zoom wszystko" showed the first sheet alone; the others had to be searched for.
TEST_F(Codzienne, CtrlPageDownAndUpGoFromSheetToSheetAtTheZoomAndOneButtonShowsThemAll)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    TWidok& widok = Program->Widok;
    const std::vector<TPunktArkusza> arkusze = ArkuszeOdLewej(Zad());
    ASSERT_EQ(arkusze.size(), 4u); // the envelope and three combinations
    Klik("TBPowieksz");
    const TWidok przed = widok;
    // Where the view stands on each sheet, from the first combination's; past the last or the first it stays.
    const auto na = [&](size_t i) { return przed.SrodekX + arkusze[i].x - arkusze[1].x; };
    for (const auto& [klawisz, arkusz] : {std::pair{Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 3},
                                          {Qt::Key_PageDown, 3}, {Qt::Key_PageUp, 2}, {Qt::Key_PageUp, 1},
                                          {Qt::Key_PageUp, 0}, {Qt::Key_PageUp, 0}}) {
        Klawisz(klawisz);
        EXPECT_DOUBLE_EQ(widok.SrodekX, na(size_t(arkusz)));
    }
    EXPECT_EQ(std::tuple(widok.SkalaWidoku, widok.SrodekY), std::tuple(przed.SkalaWidoku, przed.SrodekY));
    Klik("TBWszystkieArkusze");
    const TRozmiarPowierzchni r = Quarvi->Podglad().RozmiarUrzadzenia();
    for (const TPunktArkusza& a : arkusze) {
        EXPECT_GE(widok.NaEkranX(a.x), 0);
        EXPECT_LE(widok.NaEkranX(a.x + widok.ArkuszSzerokosc), r.Szerokosc);
        EXPECT_GE(widok.NaEkranY(-a.y), 0);
        EXPECT_LE(widok.NaEkranY(-(a.y + widok.ArkuszWysokosc)), r.Wysokosc);
    }
}

// Before, the section moved a centimetre per key press and the window opened partly below the screen.
TEST_F(Codzienne, TheSummarysSectionIsTypedWithACommaOrAPointOrClickedOnADiagramAndTheWindowIsWholeOnTheScreen)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    Klik("ToolButton20");
    QWidget* z = &Quarvi->Zestawienie();
    ASSERT_TRUE(z->isVisible());
    EXPECT_TRUE(Quarvi->screen()->availableGeometry().contains(z->frameGeometry()));
    QScrollBar* pasek = K<QScrollBar>(z, "ScrollBar1");
    QLineEdit* x = K<QLineEdit>(z, "E_Polozenie");
    const auto wpisz = [&](const char* tekst, Qt::Key klawisz = Qt::Key_Return) {
        Napisz(x, QString::fromLatin1(tekst));
        QTest::keyClick(x, klawisz);
        return pasek->value();
    };
    EXPECT_EQ(wpisz("5,25"), 525);
    EXPECT_TRUE(z->isVisible()); // Enter moved the section, it did not close the window
    EXPECT_EQ(wpisz("7.5", Qt::Key_Enter), 750);
    EXPECT_EQ(wpisz("99"), 1500); // past the end: the beam's end
    // Text that is no number is refused with the program's message; the section stays.
    EXPECT_EQ(wpisz("piec"), 1500);
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
    // A click on the first combination's moment diagram at 5 m, then on the envelope sheet's shear at 12 m.
    const TWidok& w = Program->Widok;
    const TNastawy& n = Zad().Nastawy;
    const auto klik = [&](TPunktArkusza arkusz, float osX, float osY, double metry) {
        const double s = Quarvi->Podglad().Skala();
        const QPoint p(int((w.NaEkranXD(arkusz.x + osX + metry * w.SkalaRysunkuX) + 0.5) / s),
                       int((w.NaEkranYD(-(arkusz.y + osY)) + 0.5) / s));
        QTest::mouseClick(&Quarvi->Podglad(), Qt::LeftButton, {}, p);
        // A pixel of the view is some centimetres of the beam.
        return int(std::ceil(w.SkalaWidoku / 1000 / w.SkalaRysunkuX * 100 * s));
    };
    int piksel = klik(Zad().PolozenieKombinacji[0], n.MomentyX, n.MomentyY, 5);
    EXPECT_NEAR(pasek->value(), 500, piksel);
    Klik("TBWszystkieArkusze");
    piksel = klik(Zad().PolozenieObwiedni, n.PoprzeczneX, n.PoprzeczneY, 12);
    EXPECT_NEAR(pasek->value(), 1200, piksel);
    // Off the sheets the click is the view's as before: the section stays.
    const int przed = pasek->value();
    klik(Zad().PolozenieObwiedni, -50, 0, 0);
    EXPECT_EQ(pasek->value(), przed);
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
}
