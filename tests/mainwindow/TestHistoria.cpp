// The window as used every day, driven offscreen through real events.
#include "OknoProgramu.h"

#include "dialogs/EdytowanieSil.h"
#include "dialogs/Geometria.h"
#include "dialogs/DodajLiniowe.h"
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
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <cmath>

namespace {

class Codzienne : public OknoProgramu {};

} // namespace

// The names the window's own steps show are checked where they are taken; here the rest.
TEST(NazwyZmian, AStepIsNamedByWhatItChangedAddedLoadsByKind)
{
    TDaneZadania a;
    NowyTemat(a);
    TDaneZadania b = a;
    EXPECT_EQ(NazwaZmiany(a, b), "zmiana zadania");
    b.Sily[0] = {1, 0, 1, 1, 10, 0};
    TDaneZadania c = b;
    c.Sily[0].Wartosc = 12;
    EXPECT_EQ(NazwaZmiany(b, c), "zmiana siły");
    c = b;
    c.Trojkaty[0].Uzyta = 1;
    EXPECT_EQ(NazwaZmiany(b, c), "dodanie obciążenia liniowo zmiennego");
    c = b;
    c.Momenty[0].Uzyta = 1;
    EXPECT_EQ(NazwaZmiany(b, c), "dodanie momentu skupionego");
    c = b;
    DodajKombinacje(c, "Zima");
    EXPECT_EQ(NazwaZmiany(c, b), "usunięcie kombinacji");
    c = b;
    c.Kombinacje[0].Nazwa = "Inna";
    EXPECT_EQ(NazwaZmiany(b, c), "zmiana nazwy kombinacji");
}

TEST(NazwyZmian, PageCountsTakeThePolishPluralForms)
{
    for (const auto& [ile, tekst] : {std::pair{1, "1 stronę"}, {4, "4 strony"}, {5, "5 stron"}, {12, "12 stron"},
                                     {22, "22 strony"}, {112, "112 stron"}})
        EXPECT_EQ(IleStron(ile), tekst);
}

// Every step undone and redone gives byte for byte the file written when it was first reached.
TEST_F(Codzienne, EveryKindOfChangeIsUndoneAndRedoneBackToTheSameFileAtEachStep)
{
    QToolButton* cofnij = Przycisk("TBCofnij");
    QToolButton* ponow = Przycisk("TBPonow");
    EXPECT_FALSE(cofnij->isEnabled() || ponow->isEnabled());
    EXPECT_EQ(cofnij->toolTip(), "Cofnij (Ctrl+Z)");

    std::vector<std::string> stany{Stan()};
    std::vector<QString> nazwy;
    const auto krok = [&](const char* nazwa) {
        stany.push_back(Stan());
        nazwy.push_back(QString::fromUtf8(nazwa));
        EXPECT_NE(stany.back(), stany[stany.size() - 2]) << nazwa;
        EXPECT_EQ(cofnij->toolTip(), QStringLiteral("Cofnij: ") + nazwy.back() + QStringLiteral(" (Ctrl+Z)"));
        EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    };

    Geometria({"4,5", "6", "4,5"});
    krok("zmiana geometrii");

    QWidget* tabela = &Quarvi->Dialogi().OknoTabeli();
    Klik("ToolButton2");
    Kliknij(tabela, "Button1");
    QTest::keyClicks(K<QLineEdit>(K<QWidget>(tabela, "GrupyObciazenia"), "E_Nazwa"), QStringLiteral("Uzytkowe"));
    Kliknij(K<QWidget>(tabela, "GrupyObciazenia"), "Wprowadz");
    krok("dodanie grupy");
    NapiszWKomorce(tabela, "Tabela", 1, 1, T("1,35"));
    Kliknij(tabela, "Button3");
    krok("zmiana tabeli kombinacji");

    DodajSileKlawiszami(1, "3", "12,5");
    krok("dodanie siły");

    QWidget* liniowe = &Quarvi->Dialogi().DodajLiniowe();
    Klik("ToolButton12");
    Przewin(liniowe, "SBPrzeslo", 0);
    Napisz(K<QLineEdit>(liniowe, "Wartosc"), T("5,5"));
    Kliknij(liniowe, "Wprowadz");
    Kliknij(liniowe, "Rezygnuj");
    krok("dodanie obciążenia liniowego");

    // A wrong force, deleted through its list after the question.
    DodajSileKlawiszami(2, "1", "99");
    krok("dodanie siły");
    QWidget* lista = &Quarvi->Dialogi().EdytowanieSil();
    Klik("ToolButton5");
    ASSERT_TRUE(lista->isVisible());
    QTableWidget* siatka = K<QTableWidget>(lista, "SG_Tab");
    QTest::mouseClick(siatka->viewport(), Qt::LeftButton, {},
                      siatka->visualRect(siatka->model()->index(2, 1)).center());
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
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});

    // Back to the empty task: Ctrl+Z, then the button.
    for (size_t i = stany.size() - 1; i > 0; --i) {
        SCOPED_TRACE(nazwy[i - 1].toStdString());
        if (i % 2)
            Klawisz(Qt::Key_Z);
        else
            Klik("TBCofnij");
        EXPECT_EQ(Stan(), stany[i - 1]);
        EXPECT_EQ(ponow->toolTip(), QStringLiteral("Ponów: ") + nazwy[i - 1] + QStringLiteral(" (Ctrl+Y)"));
    }
    EXPECT_FALSE(cofnij->isEnabled());
    // The first state is the new task's: nothing to save.
    EXPECT_EQ(Panel(2), "");
    EXPECT_EQ(Zad().IloscPrzesel, -1);
    // Its group list too: the load dialogs offer the first group only.
    EXPECT_EQ(K<QComboBox>(&Quarvi->Dialogi().DodajSile(), "CB_Grupy")->count(), 1);

    // Forward again: Ctrl+Y, Ctrl+Shift+Z and the button in turn; the results follow.
    for (size_t i = 1; i < stany.size(); ++i) {
        SCOPED_TRACE(nazwy[i - 1].toStdString());
        switch (i % 3) {
        case 0:
            Klawisz(Qt::Key_Y);
            break;
        case 1:
            Klawisz(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        default:
            Klik("TBPonow");
        }
        EXPECT_EQ(Stan(), stany[i]);
    }
    EXPECT_FALSE(ponow->isEnabled());
    EXPECT_EQ(Zad().SkalaX, 200);
    EXPECT_EQ(K<QComboBox>(&Quarvi->Dialogi().DodajSile(), "CB_Grupy")->count(), 2);
    // The force of 12.5 kN and 5.5 kN/m over 4.5 m, both of the first group, carried by the reactions of
    // the first combination.
    EXPECT_NEAR(SumaReakcji(0), (12.5 + 5.5 * 4.5) * 1.35, 1e-3);

    // A new step after undoing drops what could be redone.
    Klik("TBCofnij");
    EXPECT_TRUE(ponow->isEnabled());
    DodajSileKlawiszami(0, "1", "7");
    EXPECT_FALSE(ponow->isEnabled());
    EXPECT_EQ(cofnij->toolTip(), "Cofnij: dodanie siły (Ctrl+Z)");

    // A new task starts a history of its own.
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    Klik("ToolButton6");
    EXPECT_FALSE(cofnij->isEnabled() || ponow->isEnabled());
}

TEST_F(Codzienne, AGroupRenamedAndDeletedWithItsLoadsIsUndoneStepByStepToTheSameFile)
{
    Geometria({"4", "5"});
    QWidget* tabela = &Quarvi->Dialogi().OknoTabeli();
    Klik("ToolButton2");
    Kliknij(tabela, "Button1");
    QTest::keyClicks(K<QLineEdit>(K<QWidget>(tabela, "GrupyObciazenia"), "E_Nazwa"), QStringLiteral("Wiatr"));
    Kliknij(K<QWidget>(tabela, "GrupyObciazenia"), "Wprowadz");
    Kliknij(tabela, "Button3");
    DodajSileKlawiszami(0, "1", "10", 1);
    DodajSileKlawiszami(1, "2", "20", 0);
    DodajSileKlawiszami(1, "3", "30", 1);
    ASSERT_EQ(std::tuple(Zad().Sily[0].Grupa, Zad().Sily[1].Grupa, Zad().Sily[2].Grupa), std::tuple(1, 0, 1));
    QComboBox* grupy = K<QComboBox>(&Quarvi->Dialogi().DodajSile(), "CB_Grupy");
    std::vector<std::string> stany{Stan()};

    Klik("ToolButton2");
    QTableWidget* siatka = K<QTableWidget>(tabela, "Tabela");
    QTest::mouseClick(siatka->viewport(), Qt::LeftButton, {}, siatka->visualRect(siatka->model()->index(2, 0)).center());
    Kliknij(tabela, "ZmianaNazwyGrupy");
    QWidget* nazwa = K<QWidget>(tabela, "ZmianaNazwy");
    ASSERT_TRUE(nazwa->isVisible());
    Napisz(K<QLineEdit>(nazwa, "E_Nazwa"), QStringLiteral("Wiatr boczny"));
    Kliknij(nazwa, "Wprowadz");
    stany.push_back(Stan());
    EXPECT_EQ(grupy->itemText(1), "2 Wiatr boczny");
    EXPECT_EQ(Przycisk("TBCofnij")->toolTip(), "Cofnij: zmiana nazwy grupy (Ctrl+Z)");

    Kom.Odpowiedz = true;
    Kliknij(tabela, "UsuniecieGrupy");
    EXPECT_EQ(Kom.Pytania, std::vector<std::string>{"Grupa 2 „Wiatr boczny” ma 2 obciążenia. Usunąć grupę razem z nimi?"});
    stany.push_back(Stan());
    EXPECT_EQ(std::tuple(IloscUzytych(Zad().Grupy), IloscUzytych(Zad().Sily), Zad().Sily[0].Wartosc),
              std::tuple(1, 1, 20.0f));
    EXPECT_EQ(grupy->count(), 1);
    EXPECT_EQ(siatka->rowCount(), 2);
    Kliknij(tabela, "Button3");
    EXPECT_EQ(Przycisk("TBCofnij")->toolTip(), "Cofnij: usunięcie grupy (Ctrl+Z)");
    // The results follow: one force of 20 kN left on the beam.
    EXPECT_NEAR(SumaReakcji(0), 20, 1e-3);

    Klawisz(Qt::Key_Z);
    EXPECT_EQ(Stan(), stany[1]);
    EXPECT_EQ(grupy->count(), 2);
    EXPECT_EQ(K<QTableWidget>(tabela, "Tabela")->rowCount(), 3);
    Klawisz(Qt::Key_Z);
    EXPECT_EQ(Stan(), stany[0]);
    EXPECT_EQ(grupy->itemText(1), "2 Wiatr");
    Klawisz(Qt::Key_Y);
    Klawisz(Qt::Key_Y);
    EXPECT_EQ(Stan(), stany[2]);
    EXPECT_EQ(grupy->count(), 1);
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

TEST_F(Codzienne, CtrlSSavesIntoTheTasksFileWithoutADialogAndTheMarkFollowsTheHistory)
{
    const fs::path kopia = Tymczasowy / "Strop.qvr";
    fs::copy_file(Strop, kopia);
    Wybory[TDialogPliku::TRodzaj::Odczyt] = kopia.string();
    Klik("ToolButton7");
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    // Opening cleared the history.
    EXPECT_FALSE(Przycisk("TBCofnij")->isEnabled());
    const std::string zapisany = Stan();

    DodajSileKlawiszami(0, "2", "30");
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    const std::string zSila = Stan();
    Dialogi.clear();
    Klawisz(Qt::Key_S);
    EXPECT_TRUE(Dialogi.empty());
    EXPECT_EQ(Panel(2), "");
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(Zad(), Separator(), "Data zapisu", tekst, blad));
    EXPECT_EQ(BezDaty(Czytaj(kopia)), BezDaty(tekst));

    // Undone, the task is no longer the one saved; redone, it is again.
    Klik("TBCofnij");
    EXPECT_EQ(Stan(), zapisany);
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    EXPECT_TRUE(Quarvi->isWindowModified());
    Klik("TBPonow");
    EXPECT_EQ(Stan(), zSila);
    EXPECT_EQ(Panel(2), "");
    EXPECT_FALSE(Quarvi->isWindowModified());

    // The tool button and Ctrl+Shift+S ask, proposing the task's file.
    Wybory[TDialogPliku::TRodzaj::Zapis] = std::nullopt;
    Klik("ToolButton8");
    Klawisz(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(Dialogi.size(), 2u);
    EXPECT_EQ(Dialogi[0].Nazwa, kopia.string());
    EXPECT_EQ(Dialogi[1].Nazwa, kopia.string());

    // A task without a file asks for a name on Ctrl+S.
    Klik("ToolButton6");
    Dialogi.clear();
    Klawisz(Qt::Key_S);
    EXPECT_EQ(Dialogi.size(), 1u);
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
    ASSERT_EQ(Quarvi->Polecenia().Plik(), pliki[0].string());
    for (int i = 1; i < 8; ++i)
        ASSERT_TRUE(Quarvi->Polecenia().Otworz(pliki[size_t(i)].string()));
    // Saved under a new name, the file goes to the top; the oldest falls off.
    Wybory[TDialogPliku::TRodzaj::Zapis] = pliki[8].string();
    Klik("ToolButton8");
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    QStringList oczekiwane;
    for (int i = 8; i >= 1; --i)
        oczekiwane << QString::fromStdString(pliki[size_t(i)].string());
    EXPECT_EQ(UstawieniaUzytkownika().value(QStringLiteral("OstatniePliki"))
                  .toStringList(),
              oczekiwane);

    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    Nowe();
    // The menu as the user opens it, the button held down; an item clicked while it is up.
    const auto wybierz = [&](int pozycja) {
        QToolButton* otworz = Przycisk("ToolButton7");
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
        QTest::mousePress(otworz, Qt::LeftButton);
        for (int i = 0; i < 100 && czekanie.isActive(); ++i)
            QTest::qWait(20);
        QTest::mouseRelease(otworz, Qt::LeftButton);
        QCoreApplication::processEvents();
        return teksty;
    };
    Dialogi.clear();
    const QStringList teksty = wybierz(0);
    ASSERT_EQ(teksty.size(), 8);
    EXPECT_EQ(teksty[0], QString::fromStdString(pliki[8].string()));
    EXPECT_EQ(teksty[7], QString::fromStdString(pliki[1].string()));

    wybierz(3);
    EXPECT_EQ(Quarvi->Polecenia().Plik(), pliki[6].string());
    EXPECT_EQ(Zad().IloscPrzesel, 3);
    EXPECT_EQ(wybierz(0)[0], QString::fromStdString(pliki[6].string()));

    fs::remove(pliki[8]);
    wybierz(2);
    EXPECT_EQ(Kom.Komunikaty, std::vector<std::string>{"Pliku „" + pliki[8].string() +
                                                       "” już nie ma — usunięto go z listy ostatnich plików."});
    EXPECT_EQ(Quarvi->Polecenia().Plik(), pliki[6].string());
    EXPECT_EQ(Quarvi->Polecenia().Ostatnie().size(), 7u);
    // Held down, the button offered its menu and never the open dialog.
    EXPECT_TRUE(Dialogi.empty());
    Nowe();
    EXPECT_EQ(Quarvi->Polecenia().Ostatnie().size(), 7u);
}

TEST_F(Codzienne, SettingsAndTheWindowsPlaceSurviveARestartAndReturnToTheDefaultsOnCommand)
{
    QWidget* u = &Quarvi->Dialogi().OknoUstawien();
    Klik("ToolButton3");
    ASSERT_TRUE(u->isVisible());
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
    ASSERT_FALSE(u->isVisible());
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    const QString sila = K<QLineEdit>(u, "E_HMaxSila")->text();
    const int grubosc = K<QScrollBar>(u, "SB_WspGrubosci")->value();
    EXPECT_NE(grubosc, 0);
    Quarvi->resize(812, 640);
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    ASSERT_TRUE(Quarvi->close());

    Nowe(FolderProgramu, false);
    EXPECT_EQ(Quarvi->size(), QSize(812, 640));
    EXPECT_EQ(Zad().SkalaX, 250);
    EXPECT_TRUE(Zad().Nastawy.RysujKratke);
    EXPECT_TRUE(Zad().Nastawy.ArkuszUzytkownika);
    EXPECT_EQ(Zad().Nastawy.ArkuszL, 30);
    u = &Quarvi->Dialogi().OknoUstawien();
    EXPECT_FALSE(K<QCheckBox>(u, "CB_Reakcje")->isChecked());
    EXPECT_FALSE(Quarvi->Dialogi().Pokazuj().Reakcje);
    EXPECT_TRUE(K<QRadioButton>(u, "RB_SilySchem_MAX")->isChecked());
    EXPECT_EQ(K<QLineEdit>(u, "E_HMaxSila")->text(), sila);
    EXPECT_EQ(K<QScrollBar>(u, "SB_WspGrubosci")->value(), grubosc);
    // The settings are the start of the new task, not a change of it.
    EXPECT_FALSE(Przycisk("TBCofnij")->isEnabled());
    EXPECT_EQ(Panel(2), "");

    Klik("ToolButton3");
    Kliknij(u, "Domyslne");
    Kliknij(u, "Powrot");
    EXPECT_EQ(Zad().SkalaX, 100);
    EXPECT_FALSE(Zad().Nastawy.RysujKratke || Zad().Nastawy.ArkuszUzytkownika);
    EXPECT_TRUE(K<QCheckBox>(u, "CB_Reakcje")->isChecked());
    EXPECT_TRUE(K<QRadioButton>(u, "RB_SilySchem_AUTO")->isChecked());
    EXPECT_EQ(K<QScrollBar>(u, "SB_WspGrubosci")->value(), 0);
    Nowe();
    EXPECT_EQ(Zad().SkalaX, 100);
    EXPECT_FALSE(Zad().Nastawy.RysujKratke);
    EXPECT_TRUE(Quarvi->Dialogi().Pokazuj().Reakcje);
}

TEST_F(Codzienne, AfterAPrintOrAPdfTheStatusBarSaysHowManyPagesWentWhereAndTheWideBeamQuestionSaysWhatItDoes)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const fs::path pdf = Tymczasowy / "wydruk.pdf";
    Wybory[TDialogPliku::TRodzaj::ZapisPdf] = pdf.string();
    Klik("ToolButton10");
    EXPECT_EQ(Quarvi->statusBar()->currentMessage().toStdString(), "Zapisano 4 strony w pliku " + pdf.string() + ".");
    EXPECT_TRUE(Kom.Pytania.empty());

    Drukarka = TInformacjaDrukarki{300, 300, 2400, 3300};
    Klik("ToolButton10");
    EXPECT_EQ(Dokumenty.size(), 4u);
    EXPECT_EQ(Quarvi->statusBar()->currentMessage(), "Wysłano 4 strony do drukarki domyślnej.");

    // 15 m at 1:25 is 60 cm: asked first, with buttons that say what they do.
    Zad().SkalaX = 25;
    Kom.Odpowiedz = false;
    Dokumenty.clear();
    Klik("ToolButton10");
    EXPECT_EQ(Kom.Przyciski, std::vector<std::string>{"Drukuj mimo to|Anuluj"});
    EXPECT_EQ(Dokumenty.size(), 0u);
    Kom.Odpowiedz = true;
    Klik("ToolButton10");
    EXPECT_EQ(Dokumenty.size(), 4u);
}

// Before, "Zoom wszystko" showed the first sheet alone; the others had to be searched for.
TEST_F(Codzienne, CtrlPageDownAndUpGoFromSheetToSheetAtTheZoomAndOneButtonShowsThemAll)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    TWidok& widok = Program->Widok;
    const std::vector<TPunktArkusza> arkusze = ArkuszeOdLewej(Zad());
    ASSERT_EQ(arkusze.size(), 4u); // the envelope and three combinations
    EXPECT_EQ(arkusze[0].x, Zad().PolozenieObwiedni.x);
    EXPECT_EQ(arkusze[1].x, Zad().PolozenieKombinacji[0].x);
    Klik("TBPowieksz");
    const double skala = widok.SkalaWidoku;
    const double x0 = widok.SrodekX, y0 = widok.SrodekY;
    // Where the view stands on each sheet, from the first combination's.
    const auto na = [&](size_t i) { return x0 + arkusze[i].x - arkusze[1].x; };

    Klawisz(Qt::Key_PageDown);
    EXPECT_DOUBLE_EQ(widok.SrodekX, na(2));
    Klawisz(Qt::Key_PageDown);
    Klawisz(Qt::Key_PageDown); // past the last sheet: stays
    EXPECT_DOUBLE_EQ(widok.SrodekX, na(3));
    for (int i = 0; i < 4; ++i)
        Klawisz(Qt::Key_PageUp);
    EXPECT_DOUBLE_EQ(widok.SrodekX, na(0));
    EXPECT_EQ(std::tuple(widok.SkalaWidoku, widok.SrodekY), std::tuple(skala, y0));
    // The picture follows: the paint box shows the envelope sheet's frame where the view puts it.
    const int lewa = widok.NaEkranX(arkusze[0].x);
    EXPECT_TRUE(lewa >= 0 && lewa < Quarvi->Podglad().RozmiarUrzadzenia().Szerokosc);

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
    // The edit and its caption whole in the window, beside the section's labels.
    EXPECT_LE(x->mapTo(z, QPoint(x->width(), 0)).x(), z->width());
    EXPECT_GE(K<QLabel>(z, "StaticText3")->width(), K<QLabel>(z, "StaticText3")->sizeHint().width());

    Napisz(x, QStringLiteral("5,25"));
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_TRUE(z->isVisible()); // Enter moved the section, it did not close the window
    EXPECT_EQ(pasek->value(), 525);
    EXPECT_EQ(K<QLabel>(z, "L_Polozenie")->text().toStdString(), FormatujMaska(0.75, Maska::Polozenie, Separator()));
    Napisz(x, QStringLiteral("7.5"));
    QTest::keyClick(x, Qt::Key_Enter);
    EXPECT_EQ(pasek->value(), 750);
    // Past the end: the beam's end.
    Napisz(x, QStringLiteral("99"));
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(pasek->value(), pasek->maximum());
    EXPECT_EQ(pasek->maximum(), 1500);
    // The edit follows the bar.
    pasek->setValue(300);
    EXPECT_EQ(x->text().toStdString(), FormatujMaska(3.0, Maska::Polozenie, Separator()));
    // Text that is no number is refused with the program's message; the section stays.
    Napisz(x, QStringLiteral("piec"));
    QTest::keyClick(x, Qt::Key_Return);
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
    EXPECT_EQ(pasek->value(), 300);

    // A click on the first combination's moment diagram at 5 m, then on the envelope sheet's shear at 12 m.
    const TWidok& w = Program->Widok;
    const TNastawy& n = Zad().Nastawy;
    const auto klik = [&](TPunktArkusza arkusz, float osX, float osY, double metry) {
        const double kolumna = w.NaEkranXD(arkusz.x + osX + metry * w.SkalaRysunkuX);
        const double wiersz = w.NaEkranYD(-(arkusz.y + osY));
        const double s = Quarvi->Podglad().Skala();
        const QPointF p((kolumna + 0.5) / s, (wiersz + 0.5) / s);
        QMouseEvent e(QEvent::MouseButtonPress, p, Quarvi->Podglad().mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                      {});
        QApplication::sendEvent(&Quarvi->Podglad(), &e);
        QMouseEvent puszczenie(QEvent::MouseButtonRelease, p, Quarvi->Podglad().mapToGlobal(p), Qt::LeftButton,
                               Qt::NoButton, {});
        QApplication::sendEvent(&Quarvi->Podglad(), &puszczenie);
    };
    // A pixel of zoom all is some 5 cm of the beam at 1:100.
    const int piksel = int(std::ceil(w.SkalaWidoku / 1000 / w.SkalaRysunkuX * 100));
    klik(Zad().PolozenieKombinacji[0], n.MomentyX, n.MomentyY, 5);
    EXPECT_NEAR(pasek->value(), 500, piksel);
    Klik("TBWszystkieArkusze");
    klik(Zad().PolozenieObwiedni, n.PoprzeczneX, n.PoprzeczneY, 12);
    EXPECT_NEAR(pasek->value(), 1200, int(std::ceil(w.SkalaWidoku / 1000 / w.SkalaRysunkuX * 100)));
    // Off the sheets the click is the view's as before: the section stays.
    const int przed = pasek->value();
    klik(Zad().PolozenieObwiedni, -50, 0, 0);
    EXPECT_EQ(pasek->value(), przed);
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
}

TEST_F(Codzienne, AGroupsKindSetInItsDialogIsOneStepThatUndoTakesBackAndRedoSetsAgain)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const TDaneZadania przed = Zad();
    QWidget* tabela = &Quarvi->Dialogi().OknoTabeli();
    Klik("ToolButton2");
    ASSERT_TRUE(tabela->isVisible());
    QTableWidget* s = K<QTableWidget>(tabela, "Tabela");
    const QPoint naglowek = s->visualRect(s->model()->index(1, 0)).center();
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, naglowek);
    QTest::mouseDClick(s->viewport(), Qt::LeftButton, {}, naglowek);
    QWidget* grupy = K<QWidget>(tabela, "GrupyObciazenia");
    ASSERT_TRUE(grupy->isVisible());
    QComboBox* rodzaj = K<QComboBox>(grupy, "RodzajGrupy");
    rodzaj->setFocus();
    QTest::keyClick(rodzaj, Qt::Key_Down); // "stałe"
    Kliknij(grupy, "Wprowadz");
    Kliknij(tabela, "Button3");
    ASSERT_FALSE(tabela->isVisible());
    EXPECT_EQ(Zad().Klasyfikacje[0].Rodzaj, TRodzajGrupy::Stale);
    EXPECT_EQ(Przycisk("TBCofnij")->toolTip(), "Cofnij: zmiana rodzaju grupy (Ctrl+Z)");
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");

    Klawisz(Qt::Key_Z);
    EXPECT_TRUE(TaSamaTresc(Zad(), przed));
    EXPECT_EQ(Zad().Klasyfikacje[0].Rodzaj, TRodzajGrupy::Niesklasyfikowana);
    EXPECT_FALSE(Zad().NieZapisane);
    Klik("TBPonow");
    EXPECT_EQ(Zad().Klasyfikacje[0].Rodzaj, TRodzajGrupy::Stale);
}

// Before, the defaults reached the task only with "Powrót": undoing a later confirmation
// brought back the addition with zero coefficients and the combination's results went to zero.
TEST_F(Codzienne, UndoingAConfirmationAfterAnAdditionKeepsTheDefaultCoefficientsTheTableShowed)
{
    Geometria({"4", "5"});
    DodajSileKlawiszami(0, "2", "10");
    QWidget* tabela = &Quarvi->Dialogi().OknoTabeli();
    QTableWidget* siatka = K<QTableWidget>(tabela, "Tabela");

    // A combination: its column shows the default 1 under both groups once a group is added too.
    Klik("ToolButton2");
    ASSERT_TRUE(tabela->isVisible());
    Kliknij(tabela, "Button2");
    QWidget* wariant = K<QWidget>(tabela, "DodajWariant");
    ASSERT_TRUE(wariant->isVisible());
    QTest::keyClicks(K<QLineEdit>(wariant, "E_Nazwa"), QStringLiteral("AB"));
    Kliknij(wariant, "Wprowadz");
    ASSERT_EQ(siatka->columnCount(), 3);
    const QString pokazany = siatka->item(1, 2)->text();
    double widziany = 0;
    ASSERT_TRUE(CzytajLiczbeNormalizujac(pokazany.toStdString(), Separator(), widziany)) << pokazany.toStdString();
    EXPECT_EQ(widziany, 1);
    const std::string poDodaniu = Stan();
    NapiszWKomorce(tabela, "Tabela", 1, 1, T("1,4"));
    Kliknij(tabela, "Button3");
    ASSERT_FALSE(tabela->isVisible());
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    EXPECT_EQ(Zad().Wspolczynniki[0][0], 1.4f);

    Klawisz(Qt::Key_Z);
    EXPECT_EQ(Przycisk("TBCofnij")->toolTip(), "Cofnij: dodanie kombinacji (Ctrl+Z)");
    EXPECT_EQ(Stan(), poDodaniu);
    EXPECT_EQ(Zad().Wspolczynniki[0][0], 1.0f);
    EXPECT_EQ(Zad().Wspolczynniki[1][0], 1.0f);
    // The combination carries the force, as the table showed it would.
    EXPECT_NEAR(SumaReakcji(1), 10, 1e-3);
    Klik("ToolButton2");
    ASSERT_TRUE(tabela->isVisible());
    ASSERT_TRUE(CzytajLiczbeNormalizujac(siatka->item(1, 2)->text().toStdString(), Separator(), widziany));
    EXPECT_EQ(widziany, 1);
    Kliknij(tabela, "Button3");
    EXPECT_EQ(Stan(), poDodaniu);

    // A group: its row shows the default 1 in both combinations.
    Klik("ToolButton2");
    Kliknij(tabela, "Button1");
    QWidget* grupa = K<QWidget>(tabela, "GrupyObciazenia");
    ASSERT_TRUE(grupa->isVisible());
    QTest::keyClicks(K<QLineEdit>(grupa, "E_Nazwa"), QStringLiteral("Wiatr"));
    Kliknij(grupa, "Wprowadz");
    ASSERT_EQ(siatka->rowCount(), 3);
    const std::string poGrupie = Stan();
    NapiszWKomorce(tabela, "Tabela", 2, 1, T("0,9"));
    Kliknij(tabela, "Button3");
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});

    Klawisz(Qt::Key_Z);
    EXPECT_EQ(Przycisk("TBCofnij")->toolTip(), "Cofnij: dodanie grupy (Ctrl+Z)");
    EXPECT_EQ(Stan(), poGrupie);
    EXPECT_EQ(Zad().Wspolczynniki[0][1], 1.0f);
    EXPECT_EQ(Zad().Wspolczynniki[1][1], 1.0f);
    // Redo brings the confirmation back over the same state.
    Klawisz(Qt::Key_Y);
    EXPECT_EQ(Zad().Wspolczynniki[1][0], 0.9f);
    EXPECT_EQ(Zad().Wspolczynniki[1][1], 1.0f);
}

// Before, undoing to no beam left the dialog showing the undone length, and E, J as "1e+08" and "1e-06".
TEST_F(Codzienne, TheGeometryDialogShowsTheTaskAfterAnUndoAndTheDefaultStiffnessesWithoutAnExponent)
{
    QWidget* g = &Quarvi->Dialogi().OknoGeometrii();
    QTableWidget* siatka = K<QTableWidget>(g, "SGRozpietosci");
    const auto komorka = [&](int c, int j) { return Siatka::Tekst(siatka, c, j); };
    Klik("ToolButton1");
    ASSERT_TRUE(g->isVisible());
    const int naPoczatku = K<QScrollBar>(g, "SBPrzesla")->value();
    const std::vector<QString> poczatek{komorka(1, 1), komorka(1, TGeometria::WierszJ), komorka(1, TGeometria::WierszE)};
    Kliknij(g, "Rezygnuj");

    Geometria({"7"});
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    ASSERT_EQ(std::tuple(Zad().Przesla[0].E, Zad().Przesla[0].J), std::tuple(1.0f, 1.0f));
    const std::string zBelka = Stan();
    Klik("ToolButton1");
    // E = 1 kPa shown in GPa, J = 1 m⁴ in cm⁴, as typed numbers are.
    EXPECT_EQ(komorka(1, TGeometria::WierszJ), T("100000000"));
    EXPECT_EQ(komorka(1, TGeometria::WierszE), T("0,000001"));
    // Confirmed as shown, they are the same numbers: no step.
    Kliknij(g, "Wprowadz");
    EXPECT_EQ(Stan(), zBelka);
    EXPECT_EQ(std::tuple(Zad().Przesla[0].E, Zad().Przesla[0].J), std::tuple(1.0f, 1.0f));
    EXPECT_EQ(Przycisk("TBCofnij")->toolTip(), "Cofnij: zmiana geometrii (Ctrl+Z)");

    Klawisz(Qt::Key_Z);
    EXPECT_EQ(Zad().IloscPrzesel, -1);
    Klik("ToolButton1");
    ASSERT_TRUE(g->isVisible());
    EXPECT_EQ(K<QScrollBar>(g, "SBPrzesla")->value(), naPoczatku);
    EXPECT_EQ((std::vector<QString>{komorka(1, 1), komorka(1, TGeometria::WierszJ), komorka(1, TGeometria::WierszE)}),
              poczatek);
    EXPECT_TRUE(komorka(1, 1).isEmpty());
    Kliknij(g, "Rezygnuj");

    Klawisz(Qt::Key_Y);
    EXPECT_EQ(Stan(), zBelka);
    Klik("ToolButton1");
    double L = 0;
    EXPECT_TRUE(CzytajLiczbeNormalizujac(komorka(1, 1).toStdString(), Separator(), L));
    EXPECT_EQ(L, 7);
    EXPECT_EQ(komorka(1, TGeometria::WierszE), T("0,000001"));
    Kliknij(g, "Rezygnuj");
}
