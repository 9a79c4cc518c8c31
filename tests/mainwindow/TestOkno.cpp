// The main window driven offscreen through real events on its controls.
#include "OknoProgramu.h"

#include "dialogs/EdytowanieTrojkat.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/PlikWzorcowy.h"
#include "dialogs/TabelaWariantow.h"
#include "dialogs/Ustawienia.h"
#include "dialogs/Zatwierdzanie.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "mainwindow/SystemQt.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"
#include "platform/Ekran.h"
#include "platform/TekstyLiczb.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QIcon>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace {

class Okno : public OknoProgramu {
protected:
    void Zdarzenie(QEvent::Type rodzaj, Qt::MouseButton b, QPointF p)
    {
        const Qt::MouseButtons wcisniete = rodzaj == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b);
        QMouseEvent e(rodzaj, p, Podglad().mapToGlobal(p), b, wcisniete, {});
        QApplication::sendEvent(&Podglad(), &e);
    }
    void Nacisnij(Qt::MouseButton b, QPoint p) { Zdarzenie(QEvent::MouseButtonPress, b, p); }
    void Przesun(QPointF p) { Zdarzenie(QEvent::MouseMove, Qt::NoButton, p); }
    void Pusc(Qt::MouseButton b, QPoint p) { Zdarzenie(QEvent::MouseButtonRelease, b, p); }
    void Kolko(QWidget* w, int kat)
    {
        QWheelEvent e(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, kat), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
    TRozmiarPowierzchni Rozmiar() { return Podglad().RozmiarUrzadzenia(); }
    // What a refused command must leave of the changed task: spans, its change, the mark, its file.
    std::tuple<int, std::string, bool, std::string> Zachowane()
    {
        return {Zad().IloscPrzesel, Zad().Grupy[0].Nazwa, Zad().NieZapisane, Quarvi->Polecenia().Plik()};
    }
};

} // namespace

TEST_F(Okno, StartsWithItsButtonsShownANewTaskZoomedAllAndTheStartPictureAndGoesOnWithoutItsFont)
{
    // Every button shown with an icon, its status tip the hint without its shortcut.
    QList<QToolButton*> przyciski = Quarvi->findChild<QWidget*>("ControlBar1")->findChildren<QToolButton*>();
    przyciski.removeIf([](QToolButton* b) { return !b->defaultAction(); }); // the bars' own overflow arrows
    EXPECT_EQ(przyciski.size(), 27);
    for (QToolButton* b : przyciski) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_TRUE(b->isVisible() && !b->icon().isNull() && !b->defaultAction()->toolTip().isEmpty());
        EXPECT_EQ(b->defaultAction()->statusTip(), b->defaultAction()->toolTip().section(" (Ctrl", 0, 0));
    }
    EXPECT_TRUE(Panel(1).contains("1.0.1") && Panel(1).contains("czerwiec 2009"));
    const TRozmiarPowierzchni r = Rozmiar();
    EXPECT_DOUBLE_EQ(Widok().SkalaWidoku, std::max(20.5 * 1000 / (r.Szerokosc - 5), 28.5 * 1000 / (r.Wysokosc - 5)));
    EXPECT_DOUBLE_EQ(Widok().SrodekX, 10.25);
    const QImage& obraz = Quarvi->Polecenia().ObrazArkusza;
    const double s = Podglad().Skala();
    EXPECT_EQ(obraz.size(), Quarvi->screen()->size() * s);
    EXPECT_EQ(obraz.pixel(5, 5), qRgb(0xDC, 0xDC, 0xDC));
    int tekst = 0; // dark pixels of the five lines, 20 pixels from the left
    for (int y = 0; y < int(110 * s); ++y)
        for (int x = int(20 * s); x < int(400 * s); ++x)
            tekst += qGray(obraz.pixel(x, y)) < 100;
    EXPECT_GT(tekst, 300);
    // Every icon, also those of buttons still to come, legible at the three sizes.
    for (const QString& ikona : QDir(":/ikony").entryList({"*.svg"}))
        for (int rozmiar : {16, 24, 32}) {
            const QImage i = QIcon(":/ikony/" + ikona).pixmap(rozmiar).toImage();
            int widoczne = 0;
            for (int y = 0; y < i.height(); ++y)
                for (int x = 0; x < i.width(); ++x)
                    widoczne += qAlpha(i.pixel(x, y)) > 128;
            EXPECT_GT(widoczne, rozmiar * rozmiar / 8) << ikona.toStdString() << " " << rozmiar;
        }
    // Without its font the program says so and goes on.
    Nowe(Tymczasowy);
    ASSERT_EQ(Kom.Komunikaty.size(), 1u);
    EXPECT_NE(Kom.Komunikaty[0].find("Romans100.Lzs"), std::string::npos) << Kom.Komunikaty[0];
    EXPECT_TRUE(Quarvi->Polecenia().Otworz(Strop));
}

TEST_F(Okno, ZoomWindowAndPanFollowTheMouseInDevicePixelsAndTheWheelZoomsOverTheWholeWindow)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const TWidok poczatkowy = Widok();
    const double s = Podglad().Skala();
    // The box drawn over the paint box only, in device pixels; wider than tall, its width fills the window.
    Klik("TBOkno");
    Nacisnij(Qt::LeftButton, QPoint(120, 90));
    const QImage przed = Quarvi->Polecenia().ObrazArkusza.copy();
    Przesun(QPoint(420, 330));
    EXPECT_EQ(Podglad().Ramka(), QRect(QPoint(120, 90) * s, QPoint(420, 330) * s));
    EXPECT_EQ(Quarvi->Polecenia().ObrazArkusza, przed);
    Pusc(Qt::LeftButton, QPoint(420, 330));
    EXPECT_FALSE(Podglad().Ramka().has_value());
    const TRozmiarPowierzchni r = Rozmiar();
    EXPECT_NEAR(Widok().SkalaWidoku, double(float(300 * s * poczatkowy.SkalaWidoku / 1000)) * r.Wysokosc / r.Szerokosc,
                1e-9);
    // The pan tool and the middle button: the sheet follows the mouse during the drag.
    for (const auto& [uzbroj, przycisk] : {std::pair{true, Qt::LeftButton}, {false, Qt::MiddleButton}}) {
        if (uzbroj)
            Klik("TBZoomPan");
        const TWidok przed = Widok();
        Nacisnij(przycisk, QPoint(400, 300));
        Przesun(QPoint(350, 340));
        EXPECT_NEAR(Widok().SrodekX, przed.SrodekX + 50 * s * przed.SkalaWidoku / 1000, 1e-9);
        EXPECT_NEAR(Widok().SrodekY, przed.SrodekY + 40 * s * przed.SkalaWidoku / 1000, 1e-9);
        Pusc(przycisk, QPoint(340, 340));
        EXPECT_NEAR(Widok().SrodekX, przed.SrodekX + 60 * s * przed.SkalaWidoku / 1000, 1e-9);
        EXPECT_EQ(Podglad().cursor().shape(), Qt::CrossCursor);
    }
    // The wheel over the paint box, the status bar or a button; half notches add up.
    const double skala = Widok().SkalaWidoku;
    Kolko(&Podglad(), 120);
    EXPECT_NEAR(Widok().SkalaWidoku, skala * 0.9, 1e-9);
    Kolko(Quarvi->findChild<QStatusBar*>("StatusBar1"), -60);
    Kolko(Quarvi->findChild<QStatusBar*>("StatusBar1"), -60);
    Kolko(Quarvi->findChild<QToolButton*>("ToolButton6"), -120);
    EXPECT_NEAR(Widok().SkalaWidoku, skala * 0.9 * 1.1 * 1.1, 1e-9);
}

TEST_F(Okno, TheReadOutGivesWorldCoordinatesInTheUsersNumberFormat)
{
    // 100 device pixels per cm with the first sheet's corner on device pixel (10, 10).
    const TRozmiarPowierzchni r = Rozmiar();
    Widok().SkalaWidoku = 10;
    Widok().SrodekX = (r.Szerokosc / 2.0 - 10) * 10 / 1000;
    Widok().SrodekY = -((r.Wysokosc / 2.0 - 10) * 10 / 1000);
    Quarvi->Polecenia().Przerysuj();
    for (const auto& [kolumna, wiersz, tekst] :
         {std::tuple{10, 10, "X=0,000 Y=0,000"}, {10, 60, "X=0,000 Y=-0,500"}, {60, 110, "X=0,500 Y=-1,000"}}) {
        Przesun(QPointF(kolumna + 0.5, wiersz + 0.5) / Podglad().Skala()); // the middle of a device pixel
        EXPECT_EQ(Panel(0).toStdString(), S(tekst));
    }
}

// Before, a file named relative to the folder the program started in ("quarvi Strop.qvr" from the examples'
// folder) had no folder of its own: Ctrl+S opened the save dialog in "/" and saved there.
TEST_F(Okno, ATaskOpenedByARelativeNameIsSavedInTheFolderItCameFrom)
{
    const fs::path start = fs::current_path();
    fs::copy_file(Strop, Tymczasowy / "Strop.qvr");
    fs::current_path(Tymczasowy);
    const bool otwarte = Quarvi->Polecenia().Otworz("Strop.qvr");
    fs::current_path(start);
    ASSERT_TRUE(otwarte);
    Zad().Grupy[0].Nazwa = "Zmiana";
    Zad().NieZapisane = true;
    Wybory[TDialogPliku::TRodzaj::Zapis] = std::nullopt; // the dialog cancelled: only what it was asked to show
    Klik("ToolButton8");
    ASSERT_FALSE(Dialogi.empty());
    EXPECT_EQ(std::pair(Dialogi.back().Folder, Dialogi.back().Nazwa),
              std::pair(Tymczasowy.string(), (Tymczasowy / "Strop.qvr").string()));
    // Accepting what it proposes saves the file where it was read from.
    Wybory[TDialogPliku::TRodzaj::Zapis] = Dialogi.back().Nazwa;
    Klik("ToolButton8");
    EXPECT_NE(Czytaj(Tymczasowy / "Strop.qvr").find("Zmiana"), std::string::npos);
    EXPECT_TRUE(Kom.Komunikaty.empty());
}

TEST_F(Okno, AMessageBoxShowsTheWarningIconAndAQuestionTheQuestionIcon)
{
    TKomunikatyQt komunikaty;
    std::vector<QMessageBox::Icon> ikony;
    QTimer zamykanie;
    QObject::connect(&zamykanie, &QTimer::timeout, [&] {
        if (auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ikony.push_back(okno->icon());
            okno->done(QMessageBox::No);
        }
    });
    zamykanie.start(10);
    komunikaty.Komunikat("Nieprawidłowa wartość siły!");
    komunikaty.Pytanie("Potwierdź usuwanie siły");
    EXPECT_EQ(ikony, (std::vector{QMessageBox::Warning, QMessageBox::Question}));
}

TEST_F(Okno, UnsavedChangesAreAskedAboutBeforeNewOpenDropAndClose)
{
    enum TPolecenie { Nowe_, Otworz, Upusc, Zamknij };
    // The answer, the task's file written (without a dialog), the command went on.
    const std::tuple<TOdpowiedz, bool, bool> przypadki[] = {
        {TOdpowiedz::Tak, true, true}, {TOdpowiedz::Nie, false, true}, {TOdpowiedz::Anuluj, false, false}};
    for (TPolecenie polecenie : {Nowe_, Otworz, Upusc, Zamknij})
        for (const auto& [odpowiedz, zapisano, dalej] : przypadki) {
            SCOPED_TRACE(testing::Message() << "polecenie " << polecenie << ", odpowiedź " << int(odpowiedz));
            Nowe(FolderProgramu);
            const fs::path plik = Zmienione(Strop);
            Dialogi.clear();
            Kom.Pytania.clear();
            Kom.OdpowiedzZAnulowaniem = odpowiedz;
            Wybory[TDialogPliku::TRodzaj::Odczyt] = Jednoprzeslowa;
            if (polecenie == Nowe_ || polecenie == Otworz)
                Klik(polecenie == Nowe_ ? "ToolButton6" : "ToolButton7");
            else if (polecenie == Zamknij)
                Quarvi->close();
            else {
                QMimeData dane;
                dane.setUrls({QUrl::fromLocalFile(QString::fromStdString(Jednoprzeslowa))});
                QDragEnterEvent wejscie(QPoint(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, {});
                QApplication::sendEvent(Quarvi.get(), &wejscie);
                ASSERT_TRUE(wejscie.isAccepted());
                QDropEvent upuszczenie(QPointF(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, {});
                QApplication::sendEvent(Quarvi.get(), &upuszczenie);
            }
            EXPECT_EQ(Kom.Pytania, std::vector<std::string>{"Dane nie zostały zapisane. Zapisać zmiany?"});
            EXPECT_EQ(Czytaj(plik).find("Zmiana") != std::string::npos, zapisano);
            for (const TDialogPliku& d : Dialogi)
                EXPECT_NE(d.Rodzaj, TDialogPliku::TRodzaj::Zapis);
            if (polecenie == Zamknij)
                EXPECT_EQ(Quarvi->isVisible(), !dalej);
            else if (dalej)
                EXPECT_EQ(std::pair(Zad().IloscPrzesel, Zad().NieZapisane), std::pair(polecenie == Nowe_ ? -1 : 1, false));
            else
                EXPECT_EQ(Zachowane(), std::tuple(3, std::string("Zmiana"), true, plik.string()));
        }
}

TEST_F(Okno, ACancelledOrFailedOpenLeavesTheTaskAsItWas)
{
    const fs::path ucieta = Tymczasowy / "ucięta.qvr";
    const std::string caly = Czytaj(Strop);
    std::ofstream(ucieta, std::ios::binary) << caly.substr(0, caly.size() / 2);
    const fs::path plik = Zmienione(Strop);
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    for (const auto& wybor : {std::optional<std::string>(), std::optional(ucieta.string()),
                              std::optional((Tymczasowy / "brak.qvr").string())}) {
        Kom.Komunikaty.clear();
        Wybory[TDialogPliku::TRodzaj::Odczyt] = wybor;
        Klik("ToolButton7");
        EXPECT_EQ(Kom.Komunikaty.size(), wybor ? 1u : 0u);
        EXPECT_EQ(Zachowane(), std::tuple(3, std::string("Zmiana"), true, plik.string()));
        EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    }
    // The open dialog starts beside the task's file; with no file, in the examples beside the program.
    EXPECT_EQ(Dialogi.back().Folder, Tymczasowy.string());
    Klik("ToolButton6");
    Wybory[TDialogPliku::TRodzaj::Odczyt] = std::nullopt;
    Klik("ToolButton7");
    EXPECT_EQ(Dialogi.back().Folder, (FolderProgramu / "Przykłady").string());
}

// Before, a platform that cannot start made Qt abort: xcb without a display, wayland without its plugin (with
// WAYLAND_DISPLAY set), a misspelt name. Without any display the program's own line ends the run.
TEST(Program, WithoutADisplayOrWithAPlatformThatCannotStartSaysSoInItsOwnLineAndExitsWithOne)
{
    const std::vector<std::vector<std::pair<const char*, const char*>>> srodowiska{
        {}, {{"DISPLAY", ":97"}}, {{"QT_QPA_PLATFORM", "xcb"}},
        {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}},
        {{"WAYLAND_DISPLAY", "wayland-0"}}, {{"QT_QPA_PLATFORM", "xbc"}}};
    for (const auto& zmienne : srodowiska) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* zmienna : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(zmienna);
        for (const auto& [nazwa, wartosc] : zmienne)
            env.insert(nazwa, wartosc);
        program.setProcessEnvironment(env);
        program.start(QUARVI_PROGRAM, {QString::fromStdString(Strop)});
        ASSERT_TRUE(program.waitForFinished(20000));
        const QString bledy = QString::fromUtf8(program.readAllStandardError());
        SCOPED_TRACE(bledy.toStdString());
        EXPECT_EQ(std::tuple(program.exitStatus(), program.exitCode()), std::tuple(QProcess::NormalExit, 1));
        EXPECT_EQ(bledy, QString::fromUtf8(KomunikatBrakEkranu) + '\n');
    }
}

TEST_F(Okno, ALoadIsRefusedBeforeTheGeometryPreviewedWhileTypedAndTheClosedDialogLeavesTheSheetToTheClipboard)
{
    Klik("ToolButton13");
    EXPECT_EQ(Kom.Komunikaty, std::vector<std::string>{" Najpierw GEOMETRIA ! "});
    Geometria({"4", "5"});
    Kom.Komunikaty.clear();
    QWidget* sila = &Quarvi->Dialogi().DodajSile();
    Klik("ToolButton11");
    ASSERT_TRUE(sila->isVisible());
    const auto czerwone = [&] {
        const QImage& n = Podglad().Nakladka();
        int ile = 0;
        for (int y = 0; y < n.height(); ++y)
            for (int x = 0; x < n.width(); ++x)
                ile += n.pixelColor(x, y) == QColor(255, 0, 0);
        return ile;
    };
    EXPECT_EQ(czerwone(), 0);
    K<QScrollBar>(sila, "SBPolozenie")->setValue(150);
    QLineEdit* wartosc = K<QLineEdit>(sila, "Wartosc");
    wartosc->selectAll();
    QTest::keyClicks(wartosc, QStringLiteral("20"));
    EXPECT_GT(czerwone(), 0); // the preview over the sheet
    // A point is a separator as well as a comma: the preview follows it before "Wprowadź" normalises it.
    const QImage przed = Podglad().Nakladka().copy();
    QTest::keyClicks(wartosc, QStringLiteral(".5"));
    EXPECT_NE(Podglad().Nakladka(), przed);
    Kliknij(sila, "Wprowadz");
    ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    EXPECT_EQ(std::tuple(Zad().Sily[0].X, Zad().Sily[0].Wartosc, wartosc->text()),
              std::tuple(1.5f, 20.5f, QString::fromStdString(S("20,50"))));
    EXPECT_NEAR(SumaReakcji(0), 20.5, 1e-4); // recomputed
    // Closed, the paint box shows exactly the sheet picture again, and the clipboard gets it.
    Kliknij(sila, "Rezygnuj");
    EXPECT_EQ(czerwone(), 0);
    const TRozmiarPowierzchni r = Rozmiar();
    const QImage arkusz = Quarvi->Polecenia().ObrazArkusza.copy(0, 0, r.Szerokosc, r.Wysokosc);
    EXPECT_EQ(Podglad().grab().toImage().convertToFormat(QImage::Format_RGB32), arkusz);
    Klik("ToolButton9");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), arkusz);
}

TEST_F(Okno, TheListButtonsShowTheLoadsUnsplitWhileTheirListIsOpen)
{
    UstawGeometrie(Zad(), {4}, false, false);
    DodajTrojkat(Zad(), 0, 0, 4, 5, 2);
    K<QCheckBox>(&Quarvi->Dialogi().OknoUstawien(), "CB_RozbijSilyGrupy")->setChecked(true);
    Zad().Nastawy.RozbijSilyGrupy = true;
    QWidget* lista = &Quarvi->Dialogi().EdytowanieTrojkat();
    Klik("ToolButton17");
    EXPECT_EQ(Modalny(), lista);
    EXPECT_FALSE(Zad().Nastawy.RozbijSilyGrupy);
    Kliknij(lista, "Button4");
    EXPECT_TRUE(Zad().Nastawy.RozbijSilyGrupy);
}

// Before, a dialog modal to the main window alone lost the keyboard to it under a window manager.
TEST_F(Okno, WhileADialogIsOpenTheWindowTakesNoClickButBesideTheSummaryItDoes)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    QWidget* ustawienia = &Quarvi->Dialogi().OknoUstawien();
    const auto klikOkna = [&](const char* przycisk) {
        auto* b = Quarvi->findChild<QToolButton*>(przycisk);
        QTest::mouseClick(Quarvi->windowHandle(), Qt::LeftButton, {}, b->mapTo(Quarvi.get(), b->rect().center()));
    };
    Klik("ToolButton1");
    QWidget* geometria = Modalny();
    ASSERT_EQ(geometria, &Quarvi->Dialogi().OknoGeometrii());
    klikOkna("ToolButton3");
    EXPECT_FALSE(ustawienia->isVisible());
    QTest::keyClick(geometria, Qt::Key_Escape);
    EXPECT_EQ(Modalny(), nullptr);
    Klik("ToolButton20");
    ASSERT_TRUE(Quarvi->Zestawienie().isVisible());
    EXPECT_EQ(Modalny(), nullptr); // the summary stays open beside the window
    klikOkna("ToolButton3");
    EXPECT_EQ(Modalny(), ustawienia);
    EXPECT_EQ(ustawienia->windowModality(), Qt::ApplicationModal);
    // The window goes with both open, and its dialogs with it; none repaints a window half gone.
    Quarvi.reset();
}

// Typed with commas and with points: one task, the file built in code, read back with the user's separator.
TEST_F(Okno, ATaskTypedKeyByKeyWithACommaOrAPointIsOneTaskReadBackWithTheUsersSeparator)
{
    TDaneZadania oczekiwane;
    UstawGeometrie(oczekiwane, {4.25f, 5.5f, 4}, true, false);
    const int32_t wiatr = DodajGrupe(oczekiwane, "Wiatr", *KolorNowejGrupy(1));
    DodajKombinacje(oczekiwane, "Zima");
    auto& w = oczekiwane.Wspolczynniki; // a new group's cells take the table's default 1
    std::tie(w[0][0], w[0][1], w[1][0], w[1][1]) = std::tuple(1.5f, 1.0f, 1.25f, 0.0f);
    DodajSile(oczekiwane, 1, 2.25f, 12.5f, wiatr);
    DodajLiniowe(oczekiwane, 0, 0.5f, 4, 5.5f);
    DodajTrojkat(oczekiwane, 2, 0, 4, 2.5f, 6, wiatr);
    DodajMoment(oczekiwane, 1, 1.5f, -8.25f);
    std::string wzor, blad;
    ASSERT_TRUE(ZapiszDoTekstu(oczekiwane, Separator(), "Data zapisu", wzor, blad)) << blad;
    for (const char wpisany : {',', '.'}) {
        SCOPED_TRACE(std::string("typed with '") + wpisany + "'");
        const auto T = [wpisany](std::string tekst) {
            std::replace(tekst.begin(), tekst.end(), ',', wpisany);
            return QString::fromStdString(tekst);
        };
        Nowe(FolderProgramu);
        QWidget* g = &Quarvi->Dialogi().OknoGeometrii();
        Klik("ToolButton1");
        Przewin(g, "SBPrzesla", 3);
        NapiszWKomorce(g, "SGRozpietosci", 1, 1, T("4,25"));
        NapiszWKomorce(g, "SGRozpietosci", 2, 1, T("5,5"));
        Kliknij(g, "CB_LewaPrzegub");
        Kliknij(g, "Wprowadz");
        QWidget* t = &Quarvi->Dialogi().OknoTabeli();
        Klik("ToolButton2");
        NowaPozycja(t, "Button1", "GrupyObciazenia", "Wiatr");
        NowaPozycja(t, "Button2", "DodajWariant", "Zima");
        NapiszWKomorce(t, "Tabela", 1, 1, T("1,5"));
        NapiszWKomorce(t, "Tabela", 2, 1, T("1,25"));
        NapiszWKomorce(t, "Tabela", 2, 2, T("0"));
        Kliknij(t, "Button3");
        Obciazenie("ToolButton11", 1, {{"Wartosc", T("12,5")}, {"Polozenie", T("2,25")}}, 2);
        Obciazenie("ToolButton12", 0, {{"Wartosc", T("5,5")}, {"pol_pocz", T("0,5")}, {"pol_konc", T("4")}});
        Obciazenie("ToolButton13", 2,
                   {{"Wr_pocz", T("2,5")}, {"Wr_konc", T("6,0")}, {"pol_pocz", T("0")}, {"pol_konc", T("4,00")}}, 2);
        Obciazenie("ToolButton14", 1, {{"Wartosc", T("-8,25")}, {"Polozenie", T("1,5")}});
        ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
        const fs::path plik = Tymczasowy / (std::string("typed") + (wpisany == ',' ? "_comma" : "_point") + ".qvr");
        Wybory[TDialogPliku::TRodzaj::Zapis] = plik.string();
        Klik("ToolButton8");
        EXPECT_EQ(Cp1250NaUtf8(BezDaty(Czytaj(plik))), Cp1250NaUtf8(BezDaty(wzor)));
    }
    // Read back into a new window: the table and the lists with the user's separator.
    const std::string plik = Quarvi->Polecenia().Plik();
    Nowe(FolderProgramu);
    Wybory[TDialogPliku::TRodzaj::Odczyt] = plik;
    Klik("ToolButton7");
    Klik("ToolButton2");
    QWidget* t = &Quarvi->Dialogi().OknoTabeli();
    EXPECT_EQ((std::vector{Komorka(t, "Tabela", 1, 1), Komorka(t, "Tabela", 1, 2), Komorka(t, "Tabela", 2, 1),
                           Komorka(t, "Tabela", 2, 2)}),
              (std::vector{S("1,50"), S("1,00"), S("1,25"), S("0,00")}));
    Kliknij(t, "Button3");
    const std::tuple<const char*, const char*, std::vector<int>, std::vector<std::string>> listy[] = {
        {"ToolButton5", "SG_Tab", {1, 2}, {"2,25", "12,50"}},
        {"ToolButton16", "SG_TabL", {1, 2, 3}, {"0,50", "4,00", "5,50"}},
        {"ToolButton17", "SG_TabL", {1, 2, 3, 4}, {"0,00", "4,00", "2,50", "6,00"}},
        {"ToolButton18", "SG_TabM", {1, 2}, {"1,50", "-8,25"}}};
    for (const auto& [przycisk, siatka, kolumny, oczekiwane] : listy) {
        Klik(przycisk);
        for (size_t i = 0; i < kolumny.size(); ++i)
            EXPECT_EQ(Komorka(Modalny(), siatka, kolumny[i], 1), S(oczekiwane[i])) << przycisk;
        Kliknij(Modalny(), "Button4");
    }
    // A new task starts the group list again.
    EXPECT_EQ(Quarvi->Dialogi().ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stale", "2 Wiatr"}));
    Klik("ToolButton6");
    EXPECT_EQ(Quarvi->Dialogi().ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stale"}));
}

TEST_F(Okno, TheReportButtonWritesTheReportBesideTheTaskANewTaskHasNoneAndEachPrintedPageIsAJob)
{
    // A new task: nothing to report, and no file asked for.
    Klik("TBRaport");
    EXPECT_TRUE(Dialogi.empty());
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
    Kom.Komunikaty.clear();
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const fs::path pdf = Tymczasowy / "raport.pdf";
    Wybory[TDialogPliku::TRodzaj::ZapisRaportu] = pdf.string();
    K<QAction>(Quarvi.get(), "TBRaport")->trigger();
    ASSERT_FALSE(Dialogi.empty());
    EXPECT_EQ(fs::path(Dialogi.back().Nazwa).filename().string(), "Strop trzyprzęsłowy - raport.pdf");
    EXPECT_GT(StronyPdf(pdf), 4); // the tables on pages of their own, then the four sheets
    EXPECT_TRUE(Kom.Komunikaty.empty());
    // On a real printer each page is a print job of its own.
    int zadania = 0;
    TWydrukDrukarki wydruk([&] {
        auto d = std::make_unique<QPrinter>(QPrinter::HighResolution);
        d->setOutputFormat(QPrinter::PdfFormat);
        d->setOutputFileName(QString::fromStdString((Tymczasowy / (std::to_string(zadania++) + ".pdf")).string()));
        return d;
    });
    EXPECT_EQ(Drukuj(Quarvi->Polecenia().Kompozycja, wydruk), 4);
    EXPECT_EQ(zadania, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(fs::file_size(Tymczasowy / (std::to_string(i) + ".pdf")), 1000u) << i;
}
