// The main window driven offscreen through real events on its controls.
#include "OknoProgramu.h"

#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/EdytowanieLiniowe.h"
#include "dialogs/EdytowanieMomentow.h"
#include "dialogs/EdytowanieSil.h"
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

#include <nlohmann/json.hpp>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <cmath>

namespace {

const std::string Jednoprzeslowa = (FolderProgramu / "Przykłady" / "Belka jednoprzęsłowa stalowa.qvr").string();

class Okno : public OknoProgramu {
protected:
    // The mouse over the middle of a device pixel of the paint box.
    QPointF Mysz(int kolumna, int wiersz)
    {
        const double s = Podglad().Skala();
        return QPointF((kolumna + 0.5) / s, (wiersz + 0.5) / s);
    }
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
};

} // namespace

TEST_F(Okno, StartsWithItsControlsNamedANewTaskZoomedAllAndTheStartPicture)
{
    EXPECT_EQ(Quarvi->objectName(), "Quarvi");
    EXPECT_EQ(Quarvi->windowHandle()->title(), "QUARVI");
    QWidget* bar = Quarvi->findChild<QWidget*>("ControlBar1");
    ASSERT_NE(bar, nullptr);
    // Every button shown with an icon, its status tip the hint without its shortcut.
    QList<QToolButton*> przyciski = bar->findChildren<QToolButton*>();
    przyciski.removeIf([](QToolButton* b) { return !b->defaultAction(); }); // the bars' own overflow arrows
    EXPECT_EQ(przyciski.size(), 27);
    for (QToolButton* b : przyciski) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_TRUE(b->isVisible() && !b->icon().isNull());
        EXPECT_FALSE(b->defaultAction()->toolTip().isEmpty());
        EXPECT_EQ(b->defaultAction()->statusTip(), b->defaultAction()->toolTip().section(" (Ctrl", 0, 0));
    }
    QStringList menu;
    for (QAction* a : Quarvi->findChild<QMenu*>("ZoomMenu")->actions())
        menu << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + ":" + a->text());
    EXPECT_EQ(menu,
              (QStringList{"Przesu1:Przesuń", "Okno1:Okno", "Wszystko1:Wszystko", "WszystkieArkusze1:Wszystkie arkusze",
                           "-", "Powiksz1:Powiększ", "Pomniejsz1:Pomniejsz", "-", "Raport1:Raport obliczeń…"}));
    EXPECT_EQ(Quarvi->findChild<QStatusBar*>("StatusBar1")->findChildren<QLabel*>().size(), 3);
    EXPECT_TRUE(Panel(1).contains("1.0.1") && Panel(1).contains("czerwiec 2009"));
    EXPECT_EQ(Panel(2), "");

    EXPECT_EQ(Zad().IloscPrzesel, -1);
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
    EXPECT_EQ(Podglad().grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(int(300 * s), int(40 * s)),
              obraz.pixel(int(300 * s), int(40 * s)));

    // Every icon, also those of buttons still to come, legible at the three sizes.
    const QStringList ikony = QDir(":/ikony").entryList({"*.svg"});
    EXPECT_EQ(ikony.size(), 27);
    for (const QString& ikona : ikony)
        for (int rozmiar : {16, 24, 32}) {
            const QImage i = QIcon(":/ikony/" + ikona).pixmap(rozmiar).toImage();
            int widoczne = 0;
            for (int y = 0; y < i.height(); ++y)
                for (int x = 0; x < i.width(); ++x)
                    widoczne += qAlpha(i.pixel(x, y)) > 128;
            EXPECT_GT(widoczne, rozmiar * rozmiar / 8) << ikona.toStdString() << " " << rozmiar;
        }
}

TEST_F(Okno, AMissingFontIsReportedAndTheProgramGoesOn)
{
    Nowe(Tymczasowy);
    ASSERT_EQ(Kom.Komunikaty.size(), 1u);
    EXPECT_NE(Kom.Komunikaty[0].find("Romans100.Lzs"), std::string::npos) << Kom.Komunikaty[0];
    EXPECT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    EXPECT_EQ(Zad().IloscPrzesel, 3);
}

TEST_F(Okno, ZoomWindowClickZoomsFiveHundredFoldAndBothDragDirectionsGiveOneView)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const TWidok poczatkowy = Widok();
    Klik("TBOkno");
    EXPECT_EQ(Podglad().cursor().shape(), Qt::DragMoveCursor);
    Nacisnij(Qt::LeftButton, QPoint(200, 150));
    Pusc(Qt::LeftButton, QPoint(200, 150));
    EXPECT_NEAR(Widok().SkalaWidoku / poczatkowy.SkalaWidoku, 0.002, 1e-7);
    EXPECT_FALSE(Widok().TrybOkna);
    EXPECT_EQ(Podglad().cursor().shape(), Qt::CrossCursor);

    // The same box dragged both ways; the rectangle is drawn over the paint box only.
    std::vector<std::tuple<double, double, double>> widoki;
    for (const auto& [od, do_] : {std::pair{QPoint(120, 90), QPoint(420, 330)}, {QPoint(420, 330), QPoint(120, 90)}}) {
        Widok() = poczatkowy;
        Quarvi->Polecenia().Przerysuj();
        Quarvi->findChild<QAction*>("Okno1")->trigger();
        Nacisnij(Qt::LeftButton, od);
        const QImage przed = Quarvi->Polecenia().ObrazArkusza.copy();
        Przesun((od + do_) / 2);
        Przesun(do_);
        ASSERT_TRUE(Podglad().Ramka().has_value());
        EXPECT_EQ(Podglad().Ramka()->normalized(), QRect(od * Podglad().Skala(), do_ * Podglad().Skala()).normalized());
        EXPECT_EQ(Quarvi->Polecenia().ObrazArkusza, przed);
        Pusc(Qt::LeftButton, do_);
        EXPECT_FALSE(Podglad().Ramka().has_value());
        widoki.emplace_back(Widok().SkalaWidoku, Widok().SrodekX, Widok().SrodekY);
    }
    EXPECT_EQ(widoki[0], widoki[1]);
    // A box wider than tall: its width in cm, scaled by the window's height to width.
    const TRozmiarPowierzchni r = Rozmiar();
    EXPECT_NEAR(std::get<0>(widoki[0]),
                double(float(300 * Podglad().Skala() * poczatkowy.SkalaWidoku / 1000)) * r.Wysokosc / r.Szerokosc,
                1e-9);
}

TEST_F(Okno, TenWheelTurnsUpThenDownAnywhereOverTheWindowLeaveTheZoomAtNinetyPerCent)
{
    const TWidok poczatkowy = Widok();
    for (int i = 0; i < 10; ++i)
        Kolko(&Podglad(), 120);
    EXPECT_NEAR(Widok().SkalaWidoku, poczatkowy.SkalaWidoku * std::pow(0.9, 10), 1e-9);
    for (int i = 0; i < 10; ++i)
        Kolko(Quarvi->findChild<QStatusBar*>("StatusBar1"), -60); // half notches add up
    Kolko(Quarvi->findChild<QToolButton*>("ToolButton6"), -600);
    EXPECT_NEAR(Widok().SkalaWidoku / poczatkowy.SkalaWidoku, std::pow(0.9, 10) * std::pow(1.1, 10), 1e-12);
    EXPECT_EQ(std::pair(Widok().SrodekX, Widok().SrodekY), std::pair(poczatkowy.SrodekX, poczatkowy.SrodekY));
}

TEST_F(Okno, ThePanToolServesOneDragWhileTheMiddleButtonPansAtAnyTime)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const double s = Podglad().Skala();
    for (const auto& [uzbroj, przycisk] :
         {std::pair{true, Qt::LeftButton}, {false, Qt::LeftButton}, {false, Qt::MiddleButton}}) {
        if (uzbroj)
            Klik("TBZoomPan");
        EXPECT_EQ(Podglad().cursor().shape(), uzbroj ? Qt::OpenHandCursor : Qt::CrossCursor);
        const TWidok przed = Widok();
        const QImage obraz = Quarvi->Polecenia().ObrazArkusza.copy();
        const bool przesuwa = uzbroj || przycisk == Qt::MiddleButton;
        Nacisnij(przycisk, QPoint(400, 300));
        Przesun(QPoint(350, 340));
        // The sheet follows the mouse during the drag.
        EXPECT_NEAR(Widok().SrodekX, przed.SrodekX + (przesuwa ? 50 * s * przed.SkalaWidoku / 1000 : 0), 1e-9);
        EXPECT_NEAR(Widok().SrodekY, przed.SrodekY + (przesuwa ? 40 * s * przed.SkalaWidoku / 1000 : 0), 1e-9);
        EXPECT_EQ(Quarvi->Polecenia().ObrazArkusza != obraz, przesuwa);
        Pusc(przycisk, QPoint(340, 340));
        EXPECT_NEAR(Widok().SrodekX, przed.SrodekX + (przesuwa ? 60 * s * przed.SkalaWidoku / 1000 : 0), 1e-9);
        EXPECT_FALSE(Widok().TrybPrzesuwania || Widok().Przeciaganie);
        EXPECT_EQ(Podglad().cursor().shape(), Qt::CrossCursor);
    }
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
        Przesun(Mysz(kolumna, wiersz));
        EXPECT_EQ(Panel(0).toStdString(), S(tekst));
    }
}

TEST_F(Okno, TheUnsavedMarkStaysAfterAFailedSaveAndGoesAfterASuccessfulOne)
{
    const fs::path plik = Zmienione(Strop);
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    EXPECT_EQ(Quarvi->windowHandle()->title(), "Strop trzyprzęsłowy.qvr* – QUARVI");
    EXPECT_TRUE(Quarvi->isWindowModified());
    const std::string naDysku = Czytaj(plik);

    // A value the file cannot hold: the save refuses, the file and the mark stay.
    Zad().Sily[0].Wartosc = NAN;
    Wybory[TDialogPliku::TRodzaj::Zapis] = plik.string();
    Klik("ToolButton8");
    ASSERT_EQ(Kom.Komunikaty.size(), 1u);
    EXPECT_EQ(Czytaj(plik), naDysku);
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    EXPECT_TRUE(Zad().NieZapisane && Quarvi->isWindowModified());
    // The save dialog proposes the task's file.
    EXPECT_EQ(Dialogi.back().Nazwa, plik.string());
    EXPECT_EQ(Dialogi.back().Filtr, "Pliki Quarvi|*.qvr|Wszystkie pliki| *.*");

    Zad().Sily[0].Wartosc = 10;
    const fs::path nowy = Tymczasowy / "nowy.qvr";
    Wybory[TDialogPliku::TRodzaj::Zapis] = nowy.string();
    Klik("ToolButton8");
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);
    EXPECT_EQ(Panel(2), "");
    EXPECT_FALSE(Zad().NieZapisane || Quarvi->isWindowModified());
    EXPECT_EQ(Quarvi->windowHandle()->title(), "nowy.qvr – QUARVI");
    EXPECT_NE(Czytaj(nowy).find("Zmiana"), std::string::npos);
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
    EXPECT_EQ(Quarvi->Polecenia().Plik(), (Tymczasowy / "Strop.qvr").string());
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
    EXPECT_FALSE(Zad().NieZapisane);
    EXPECT_TRUE(Kom.Komunikaty.empty());
}

// Before, refusals and failures came in a box with the information icon.
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
    struct TPrzypadek {
        TOdpowiedz Odpowiedz;
        bool Zapisano; // the task's file written (a task with a file is saved without a dialog)
        bool Dalej;    // the command went on
    };
    const TPrzypadek przypadki[] = {
        {TOdpowiedz::Tak, true, true},
        {TOdpowiedz::Nie, false, true},
        {TOdpowiedz::Anuluj, false, false},
    };
    for (TPolecenie polecenie : {Nowe_, Otworz, Upusc, Zamknij})
        for (const TPrzypadek& p : przypadki) {
            SCOPED_TRACE(testing::Message() << "polecenie " << polecenie << ", odpowiedź " << int(p.Odpowiedz)
                                            << (p.Zapisano ? ", zapisano" : ""));
            Nowe(FolderProgramu);
            const fs::path plik = Zmienione(Strop);
            Dialogi.clear();
            Kom.Pytania.clear();
            Kom.OdpowiedzZAnulowaniem = p.Odpowiedz;
            Wybory[TDialogPliku::TRodzaj::Odczyt] = Jednoprzeslowa;
            switch (polecenie) {
            case Nowe_:
                Klik("ToolButton6");
                break;
            case Otworz:
                Klik("ToolButton7");
                break;
            case Upusc: {
                QMimeData dane;
                dane.setUrls({QUrl::fromLocalFile(QString::fromStdString(Jednoprzeslowa))});
                QDragEnterEvent wejscie(QPoint(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, {});
                QApplication::sendEvent(Quarvi.get(), &wejscie);
                ASSERT_TRUE(wejscie.isAccepted());
                QDropEvent upuszczenie(QPointF(50, 50), Qt::CopyAction, &dane, Qt::LeftButton, {});
                QApplication::sendEvent(Quarvi.get(), &upuszczenie);
                break;
            }
            case Zamknij:
                Quarvi->close();
                break;
            }
            EXPECT_EQ(Kom.Pytania, std::vector<std::string>{"Dane nie zostały zapisane. Zapisać zmiany?"});
            EXPECT_EQ(Czytaj(plik).find("Zmiana") != std::string::npos, p.Zapisano);
            for (const TDialogPliku& d : Dialogi)
                EXPECT_NE(d.Rodzaj, TDialogPliku::TRodzaj::Zapis);
            if (polecenie == Zamknij) {
                EXPECT_EQ(Quarvi->isVisible(), !p.Dalej);
            } else if (p.Dalej) {
                EXPECT_EQ(Zad().IloscPrzesel, polecenie == Nowe_ ? -1 : 1);
                EXPECT_FALSE(Zad().NieZapisane);
            } else {
                // The task kept as it was, with its mark.
                EXPECT_EQ(Zad().IloscPrzesel, 3);
                EXPECT_EQ(Zad().Grupy[0].Nazwa, "Zmiana");
                EXPECT_TRUE(Zad().NieZapisane);
                EXPECT_EQ(Quarvi->Polecenia().Plik(), plik.string());
            }
        }
}

TEST_F(Okno, ACancelledOrFailedOpenLeavesTheTaskAsItWas)
{
    const fs::path ucieta = Tymczasowy / "ucięta.qvr";
    const std::string caly = Czytaj(Strop);
    std::ofstream(ucieta, std::ios::binary) << caly.substr(0, caly.size() / 2);
    const std::vector<std::optional<std::string>> wybory{std::nullopt, ucieta.string(),
                                                         (Tymczasowy / "brak.qvr").string()};
    const fs::path plik = Zmienione(Strop);
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    for (const auto& wybor : wybory) {
        Kom.Komunikaty.clear();
        Wybory[TDialogPliku::TRodzaj::Odczyt] = wybor;
        Klik("ToolButton7");
        EXPECT_EQ(Kom.Komunikaty.size(), wybor ? 1u : 0u);
        EXPECT_EQ(Zad().IloscPrzesel, 3);
        EXPECT_EQ(Zad().Grupy[0].Nazwa, "Zmiana");
        EXPECT_TRUE(Zad().NieZapisane);
        EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
        EXPECT_EQ(Quarvi->Polecenia().Plik(), plik.string());
    }
    // The open dialog starts beside the task's file; with no file, in the examples beside the program.
    EXPECT_EQ(Dialogi.back().Folder, Tymczasowy.string());
    EXPECT_EQ(Dialogi.back().Filtr, "Pliki Quarvi|*.qvr|Wszystkie pliki|*.*");
    Kom.OdpowiedzZAnulowaniem = TOdpowiedz::Nie;
    Klik("ToolButton6");
    Wybory[TDialogPliku::TRodzaj::Odczyt] = std::nullopt;
    Klik("ToolButton7");
    EXPECT_EQ(Dialogi.back().Folder, (FolderProgramu / "Przykłady").string());
}

TEST_F(Okno, PrintingSendsADocumentPerCombinationSheetAndOneForTheEnvelopes)
{
    struct TPrzypadek {
        std::string Plik;
        bool JestDrukarka;
        int Strony;
    };
    const TPrzypadek przypadki[] = {{Strop, true, 4}, {Jednoprzeslowa, true, 1}, {Strop, false, 4}};
    for (const TPrzypadek& p : przypadki) {
        SCOPED_TRACE(p.Plik + (p.JestDrukarka ? "" : ", bez drukarki"));
        Drukarka = p.JestDrukarka ? std::optional(TInformacjaDrukarki{600, 600, 4840, 6730}) : std::nullopt;
        Nowe(FolderProgramu);
        ASSERT_TRUE(Quarvi->Polecenia().Otworz(p.Plik));
        const auto uklad = Zad().PolozenieKombinacji;
        Dokumenty.clear();
        const fs::path pdf = Tymczasowy / "wydruk.pdf";
        Wybory[TDialogPliku::TRodzaj::ZapisPdf] = pdf.string();
        Klik("ToolButton10");
        if (p.JestDrukarka) {
            EXPECT_EQ(int(Dokumenty.size()), p.Strony);
        } else {
            // The pages the command line's --pdf writes, into the file chosen.
            EXPECT_TRUE(Dokumenty.empty());
            const std::string tekst = Czytaj(pdf);
            int strony = 0;
            for (size_t i = tekst.find("/Type /Page"); i != std::string::npos; i = tekst.find("/Type /Page", i + 1))
                strony += tekst[i + 11] != 's';
            EXPECT_EQ(strony, p.Strony);
        }
        EXPECT_EQ(Zad().PolozenieKombinacji[1].x, uklad[1].x);
        EXPECT_TRUE(Kom.Komunikaty.empty() && Kom.Pytania.empty()) << Kom.Komunikaty.size() << Kom.Pytania.size();
    }
    // A beam wider than the page is asked about first; No prints nothing.
    Drukarka = TInformacjaDrukarki{600, 600, 4840, 6730};
    Nowe(FolderProgramu);
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Jednoprzeslowa));
    Zad().SkalaX = 25;
    Kom.Odpowiedz = false;
    Dokumenty.clear();
    Klik("ToolButton10");
    // 6 m at 1:25 is 24 cm; at 1:50 it fits.
    EXPECT_EQ(Kom.Pytania, std::vector<std::string>{"Rysunek belki jest szerszy niż arkusz. Zmień skalę poziomą w "
                                                    "Ustawieniach, np. na 1:50."});
    EXPECT_TRUE(Dokumenty.empty());
}

TEST_F(Okno, EachPageOfAPrinterPrintIsAPrintJobOfItsOwn)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
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

TEST_F(Okno, TheClipboardGetsWhatThePaintBoxShows)
{
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    Klik("ToolButton9");
    const TRozmiarPowierzchni r = Rozmiar();
    const QImage schowek = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(schowek, Quarvi->Polecenia().ObrazArkusza.copy(0, 0, r.Szerokosc, r.Wysokosc));
}

// Before, a platform that cannot start made Qt abort: xcb without a display, wayland without its plugin (with
// WAYLAND_DISPLAY set), a misspelt name. Without any display the program's own line ends the run.
TEST(Program, WithoutADisplayOrWithAPlatformThatCannotStartSaysSoInItsOwnLineAndExitsWithOne)
{
    const std::vector<std::vector<std::pair<const char*, const char*>>> srodowiska{
        {},
        {{"DISPLAY", ":97"}},
        {{"QT_QPA_PLATFORM", "xcb"}},
        {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}},
        {{"WAYLAND_DISPLAY", "wayland-0"}},
        {{"QT_QPA_PLATFORM", "xbc"}}};
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

TEST_F(Okno, TheRoadOfOneLoadFromTheGeometryToTheSameResultsReadBack)
{
    for (const char* b : {"ToolButton11", "ToolButton12", "ToolButton13", "ToolButton14"}) {
        Kom.Komunikaty.clear();
        Klik(b);
        EXPECT_EQ(Kom.Komunikaty, std::vector<std::string>{" Najpierw GEOMETRIA ! "}) << b;
    }
    EXPECT_FALSE(SaObciazenia(Zad()));

    QWidget* geometria = &Quarvi->Dialogi().OknoGeometrii();
    Klik("ToolButton1");
    K<QScrollBar>(geometria, "SBPrzesla")->setValue(2);
    Wpisz(geometria, "SGRozpietosci", 1, 1, "4");
    Wpisz(geometria, "SGRozpietosci", 2, 1, "5");
    Kliknij(geometria, "Wprowadz");
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
    ASSERT_EQ(IloscUzytych(Zad().Sily), 1);
    EXPECT_EQ(std::tuple(Zad().Sily[0].X, Zad().Sily[0].Wartosc, wartosc->text()),
              std::tuple(1.5f, 20.5f, QString::fromStdString(S("20,50"))));
    EXPECT_EQ(Panel(2), "  Dane nie zapisane!");
    const auto reakcje = [&] {
        std::vector<double> r;
        for (int k = 0; k <= Zad().IloscPrzesel; ++k)
            r.push_back(Reakcja(Program->Wyniki, 0, k, Zad().IloscPrzesel));
        return r;
    };
    const std::vector<double> policzone = reakcje();
    // Recomputed: the reactions carry the force.
    EXPECT_NEAR(policzone[0] + policzone[1] + policzone[2], 20.5, 1e-4);

    // Closed, the paint box shows exactly the sheet picture again.
    Kliknij(sila, "Rezygnuj");
    EXPECT_FALSE(sila->isVisible());
    EXPECT_EQ(czerwone(), 0);
    const TRozmiarPowierzchni r = Rozmiar();
    EXPECT_EQ(Podglad().grab().toImage().convertToFormat(QImage::Format_RGB32),
              Quarvi->Polecenia().ObrazArkusza.copy(0, 0, r.Szerokosc, r.Wysokosc));

    const fs::path plik = Tymczasowy / "jedna.qvr";
    Wybory[TDialogPliku::TRodzaj::Zapis] = plik.string();
    Klik("ToolButton8");
    EXPECT_EQ(Panel(2), "");
    Nowe(FolderProgramu);
    Wybory[TDialogPliku::TRodzaj::Odczyt] = plik.string();
    Klik("ToolButton7");
    EXPECT_EQ(reakcje(), policzone);
}

TEST_F(Okno, TheListButtonsShowTheLoadsUnsplitWhileTheirListIsOpen)
{
    UstawGeometrie(Zad(), {4}, false, false);
    DodajTrojkat(Zad(), 0, 0, 4, 5, 2);
    QCheckBox* rozbij = K<QCheckBox>(&Quarvi->Dialogi().OknoUstawien(), "CB_RozbijSilyGrupy");
    rozbij->setChecked(true);
    Zad().Nastawy.RozbijSilyGrupy = true;
    QWidget* lista = &Quarvi->Dialogi().EdytowanieTrojkat();
    Klik("ToolButton17");
    ASSERT_TRUE(lista->isVisible());
    EXPECT_EQ(Modalny(), lista);
    EXPECT_FALSE(Zad().Nastawy.RozbijSilyGrupy);
    EXPECT_EQ((std::vector{Komorka(lista, "SG_TabL", 3, 1), Komorka(lista, "SG_TabL", 4, 1)}),
              (std::vector<std::string>{S("5,00"), S("2,00")}));
    Kliknij(lista, "Button4");
    EXPECT_FALSE(lista->isVisible());
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
    EXPECT_EQ(geometria->windowModality(), Qt::ApplicationModal);
    klikOkna("ToolButton3");
    EXPECT_FALSE(ustawienia->isVisible());
    EXPECT_EQ(Modalny(), geometria);
    QTest::keyClick(geometria, Qt::Key_Escape);
    EXPECT_EQ(Modalny(), nullptr);

    Klik("ToolButton20");
    ASSERT_TRUE(Quarvi->Zestawienie().isVisible());
    klikOkna("ToolButton3");
    EXPECT_EQ(Modalny(), ustawienia);
    EXPECT_EQ(ustawienia->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(Quarvi->Zestawienie().isVisible());
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
    oczekiwane.Wspolczynniki[0][0] = 1.5f;
    oczekiwane.Wspolczynniki[0][1] = 1; // a new group's cells take the table's default
    oczekiwane.Wspolczynniki[1][0] = 1.25f;
    oczekiwane.Wspolczynniki[1][1] = 0;
    DodajSile(oczekiwane, 1, 2.25f, 12.5f, wiatr);
    DodajLiniowe(oczekiwane, 0, 0.5f, 4, 5.5f);
    DodajTrojkat(oczekiwane, 2, 0, 4, 2.5f, 6, wiatr);
    DodajMoment(oczekiwane, 1, 1.5f, -8.25f);
    std::string wzor, blad;
    ASSERT_TRUE(ZapiszDoTekstu(oczekiwane, Separator(), "Data zapisu", wzor, blad)) << blad;

    std::vector<std::string> pliki;
    for (const char wpisany : {',', '.'}) {
        SCOPED_TRACE(std::string("typed with '") + wpisany + "'");
        const auto T = [wpisany](std::string tekst) {
            std::replace(tekst.begin(), tekst.end(), ',', wpisany);
            return QString::fromStdString(tekst);
        };
        Nowe(FolderProgramu);

        QWidget* g = &Quarvi->Dialogi().OknoGeometrii();
        Klik("ToolButton1");
        EXPECT_EQ(K<QLineEdit>(g, "EDomyslnaRozp")->text().toStdString(), S("4,00"));
        Przewin(g, "SBPrzesla", 3);
        NapiszWKomorce(g, "SGRozpietosci", 1, 1, T("4,25"));
        NapiszWKomorce(g, "SGRozpietosci", 2, 1, T("5,5"));
        Kliknij(g, "CB_LewaPrzegub");
        Kliknij(g, "Wprowadz");
        ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
        EXPECT_EQ((std::vector{Komorka(g, "SGRozpietosci", 1, 1), Komorka(g, "SGRozpietosci", 3, 1)}),
                  (std::vector{S("4,25"), S("4,00")}));

        QWidget* t = &Quarvi->Dialogi().OknoTabeli();
        Klik("ToolButton2");
        Kliknij(t, "Button1");
        QTest::keyClicks(K<QLineEdit>(K<QWidget>(t, "GrupyObciazenia"), "E_Nazwa"), QStringLiteral("Wiatr"));
        Kliknij(K<QWidget>(t, "GrupyObciazenia"), "Wprowadz");
        Kliknij(t, "Button2");
        QTest::keyClicks(K<QLineEdit>(K<QWidget>(t, "DodajWariant"), "E_Nazwa"), QStringLiteral("Zima"));
        Kliknij(K<QWidget>(t, "DodajWariant"), "Wprowadz");
        NapiszWKomorce(t, "Tabela", 1, 1, T("1,5"));
        NapiszWKomorce(t, "Tabela", 2, 1, T("1,25"));
        NapiszWKomorce(t, "Tabela", 2, 2, T("0"));
        Kliknij(t, "Button3");
        ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});

        // Each load dialog: the span by the keyboard, the numbers typed, the group typed, "Wprowadź", "Zamknij".
        const auto obciazenie = [&](const char* przycisk, QWidget* d, int przeslo,
                                    std::vector<std::pair<const char*, std::string>> pola, const char* grupa) {
            Klik(przycisk);
            ASSERT_TRUE(d->isVisible()) << przycisk;
            EXPECT_EQ(Modalny(), d) << przycisk;
            Przewin(d, "SBPrzeslo", przeslo);
            for (const auto& [pole, tekst] : pola)
                Napisz(K<QLineEdit>(d, pole), T(tekst));
            Napisz(K<QComboBox>(d, "CB_Grupy")->lineEdit(), QString::fromLatin1(grupa));
            Kliknij(d, "Wprowadz");
            Kliknij(d, "Rezygnuj");
            EXPECT_EQ(Kom.Komunikaty, std::vector<std::string>{}) << przycisk;
        };
        obciazenie("ToolButton11", &Quarvi->Dialogi().DodajSile(), 1, {{"Wartosc", "12,5"}, {"Polozenie", "2,25"}},
                   "2");
        obciazenie("ToolButton12", &Quarvi->Dialogi().DodajLiniowe(), 0,
                   {{"Wartosc", "5,5"}, {"pol_pocz", "0,5"}, {"pol_konc", "4"}}, "1");
        obciazenie("ToolButton13", &Quarvi->Dialogi().DodajTroj(), 2,
                   {{"Wr_pocz", "2,5"}, {"Wr_konc", "6,0"}, {"pol_pocz", "0"}, {"pol_konc", "4,00"}}, "2");
        obciazenie("ToolButton14", &Quarvi->Dialogi().DodajMoment(), 1, {{"Wartosc", "-8,25"}, {"Polozenie", "1,5"}},
                   "1");

        const fs::path plik = Tymczasowy / (std::string("typed") + (wpisany == ',' ? "_comma" : "_point") + ".qvr");
        Wybory[TDialogPliku::TRodzaj::Zapis] = plik.string();
        Klik("ToolButton8");
        pliki.push_back(BezDaty(Czytaj(plik)));
        EXPECT_EQ(Cp1250NaUtf8(pliki.back()), Cp1250NaUtf8(BezDaty(wzor)));

        // Read back into a new window: the dialogs and lists with the user's separator.
        Nowe(FolderProgramu);
        Wybory[TDialogPliku::TRodzaj::Odczyt] = plik.string();
        Klik("ToolButton7");
        ASSERT_EQ(Kom.Komunikaty, std::vector<std::string>{});
        Klik("ToolButton1");
        g = &Quarvi->Dialogi().OknoGeometrii();
        EXPECT_EQ((std::vector{Komorka(g, "SGRozpietosci", 1, 1), Komorka(g, "SGRozpietosci", 2, 1),
                               Komorka(g, "SGRozpietosci", 3, 1)}),
                  (std::vector{S("4,25"), S("5,50"), S("4,00")}));
        Kliknij(g, "Rezygnuj");
        Klik("ToolButton2");
        t = &Quarvi->Dialogi().OknoTabeli();
        EXPECT_EQ((std::vector{Komorka(t, "Tabela", 1, 1), Komorka(t, "Tabela", 1, 2), Komorka(t, "Tabela", 2, 1),
                               Komorka(t, "Tabela", 2, 2)}),
                  (std::vector{S("1,50"), S("1,00"), S("1,25"), S("0,00")}));
        Kliknij(t, "Button3");
        const auto lista = [&](const char* przycisk, QWidget* l, const char* siatka, std::vector<int> kolumny) {
            Klik(przycisk);
            EXPECT_EQ(Modalny(), l) << przycisk;
            std::vector<std::string> w;
            for (const int c : kolumny)
                w.push_back(Komorka(l, siatka, c, 1));
            Kliknij(l, "Button4");
            return w;
        };
        EXPECT_EQ(lista("ToolButton5", &Quarvi->Dialogi().EdytowanieSil(), "SG_Tab", {1, 2}),
                  (std::vector{S("2,25"), S("12,50")}));
        EXPECT_EQ(lista("ToolButton16", &Quarvi->Dialogi().EdytowanieLiniowe(), "SG_TabL", {1, 2, 3}),
                  (std::vector{S("0,50"), S("4,00"), S("5,50")}));
        EXPECT_EQ(lista("ToolButton17", &Quarvi->Dialogi().EdytowanieTrojkat(), "SG_TabL", {1, 2, 3, 4}),
                  (std::vector{S("0,00"), S("4,00"), S("2,50"), S("6,00")}));
        EXPECT_EQ(lista("ToolButton18", &Quarvi->Dialogi().EdytowanieMomentow(), "SG_TabM", {1, 2}),
                  (std::vector{S("1,50"), S("-8,25")}));
        EXPECT_EQ(Kom.Komunikaty, std::vector<std::string>{});
    }
    EXPECT_EQ(pliki[0], pliki[1]);

    // The summary at the first inner support (the second span at x = 0) agrees with the command line.
    Klik("ToolButton20");
    auto* zestawienie = &Quarvi->Zestawienie();
    ASSERT_TRUE(zestawienie->isVisible());
    EXPECT_EQ(Modalny(), nullptr); // the summary stays open beside the window
    K<QScrollBar>(zestawienie, "ScrollBar1")->setValue(425);
    const auto komorka = [&](int c, int r) {
        return K<QTableWidget>(zestawienie, "SG_TabelaSilPrzekrojowych")->item(r, c)->text().toStdString();
    };
    const std::vector<std::string> przekroj = {komorka(1, 1), komorka(2, 1), komorka(1, 2), komorka(2, 2)};
    Kliknij(zestawienie, "Button1");
    QProcess json;
    json.start(QUARVI_PROGRAM, {QStringLiteral("--json"), QString::fromStdString(Quarvi->Polecenia().Plik())});
    ASSERT_TRUE(json.waitForFinished(30000));
    const auto j = nlohmann::json::parse(json.readAllStandardOutput().toStdString());
    std::vector<std::string> zPliku;
    for (const char* wielkosc : {"MomentL", "TL"})
        for (int c = 0; c < 2; ++c) {
            const double v = j["kombinacje"][c]["przesla"][1][wielkosc].get<double>();
            zPliku.push_back(FormatujMaska(std::string(wielkosc) == "TL" ? -v : v, Maska::Wartosc, Separator()));
        }
    EXPECT_EQ(przekroj, zPliku);

    // A new task starts the group list again.
    EXPECT_EQ(Quarvi->Dialogi().ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stale", "2 Wiatr"}));
    Klik("ToolButton6");
    EXPECT_EQ(Quarvi->Dialogi().ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stale"}));
}

TEST_F(Okno, TheReportButtonWritesTheReportBesideTheTaskAndANewTaskIsToldItHasNoResults)
{
    auto* akcja = K<QAction>(Quarvi.get(), "TBRaport");
    // A new task: nothing to report, and no file asked for.
    Klik("TBRaport");
    EXPECT_TRUE(Dialogi.empty());
    EXPECT_EQ(Kom.Komunikaty.size(), 1u);

    Kom.Komunikaty.clear();
    ASSERT_TRUE(Quarvi->Polecenia().Otworz(Strop));
    const fs::path pdf = Tymczasowy / "raport.pdf";
    Wybory[TDialogPliku::TRodzaj::ZapisRaportu] = pdf.string();
    akcja->trigger();
    ASSERT_FALSE(Dialogi.empty());
    EXPECT_EQ(fs::path(Dialogi.back().Nazwa).filename().string(), "Strop trzyprzęsłowy - raport.pdf");
    const std::string tekst = Czytaj(pdf);
    int strony = 0;
    for (size_t i = tekst.find("/Type /Page"); i != std::string::npos; i = tekst.find("/Type /Page", i + 1))
        strony += tekst[i + 11] != 's';
    // The tables on pages of their own, then the four sheets.
    EXPECT_GT(strony, 4);
    EXPECT_TRUE(Kom.Komunikaty.empty());
}
