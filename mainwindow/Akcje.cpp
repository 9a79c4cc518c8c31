#include "mainwindow/Akcje.h"

#include "dialogs/Dialogi.h"
#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/EdytowanieLiniowe.h"
#include "dialogs/EdytowanieMomentow.h"
#include "dialogs/EdytowanieSil.h"
#include "dialogs/EdytowanieTrojkat.h"
#include "dialogs/Macierz.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "mainwindow/Polecenia.h"
#include "mainwindow/Sterowanie.h"
#include "platform/TekstQt.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QLayout>
#include <QToolBar>

#include <array>

namespace {

using enum TPasek;

constexpr std::array NazwyPaskow{"TObcizenieDodawanie", "ToolBar1", "ToolBarZoomy", "ToolBar2", "TB_Edycja"};

std::function<void()> Dodaj(TSterowanie& s, TDodajObciazenie& dialog)
{
    return [&s, &dialog] {
        if (!s.MoznaDodawac())
            return;
        dialog.Przygotuj();
        dialog.Pokaz();
    };
}

std::function<void()> Edytuj(TSterowanie& s, TEdytowanieObciazen& lista)
{
    return [&s, &lista] {
        if (s.OtworzListe())
            lista.Pokaz();
    };
}

QToolBar* NowyPasek(QWidget& rodzic, const char* nazwa)
{
    auto* p = new QToolBar(&rodzic);
    p->setObjectName(ZUtf8(nazwa));
    p->setWindowTitle(ZUtf8(nazwa));
    p->setMovable(false);
    p->setFloatable(false);
    p->setIconSize(QSize(24, 24));
    // Tight, so that every button shows in a window 900 pixels wide.
    p->layout()->setContentsMargins(0, 0, 0, 0);
    p->layout()->setSpacing(0);
    return p;
}

void DodajAkcje(QWidget& okno, QToolBar& pasek, const TAkcja& a, QMenu& menu)
{
    auto* akcja = new QAction(QIcon(QStringLiteral(":/ikony/") + ZUtf8(a.Ikona) + QStringLiteral(".svg")),
                              ZUtf8(a.Podpowiedz), &okno);
    akcja->setObjectName(ZUtf8(a.Nazwa));
    akcja->setStatusTip(ZUtf8(a.Podpowiedz));
    QString wskazowka = ZUtf8(a.Podpowiedz);
    if (!a.Skroty.isEmpty()) {
        akcja->setShortcuts(a.Skroty);
        wskazowka += QStringLiteral(" (") + a.Skroty.front().toString(QKeySequence::NativeText) + QStringLiteral(")");
    }
    akcja->setToolTip(wskazowka);
    QObject::connect(akcja, &QAction::triggered, &okno, a.Polecenie);
    pasek.addAction(akcja);
    pasek.widgetForAction(akcja)->setObjectName(ZUtf8(a.Nazwa));
    if (a.Menu.Nazwa) {
        if (a.Menu.Oddzielona)
            menu.addSeparator();
        QAction* pozycja = menu.addAction(ZUtf8(a.Menu.Tekst));
        pozycja->setObjectName(ZUtf8(a.Menu.Nazwa));
        QObject::connect(pozycja, &QAction::triggered, &okno, a.Polecenie);
    }
}

} // namespace

std::vector<TAkcja> AkcjeOkna(const TCeleAkcji& cele)
{
    TSterowanie& s = cele.Sterowanie;
    TPolecenia& p = cele.Polecenia;
    TDialogi& d = cele.Dialogi;
    TMacierz& macierz = cele.Macierz;
    TZestawieniePrzekrojowych& zestawienie = cele.Zestawienie;
    return {
        {TObcizenieDodawanie, "ToolButton11", "sila", "Dodaj siłę", {}, Dodaj(s, d.DodajSile())},
        {TObcizenieDodawanie,
         "ToolButton12",
         "obciazenie_liniowe",
         "Dodaj obciążenie liniowe",
         {},
         Dodaj(s, d.DodajLiniowe())},
        {TObcizenieDodawanie,
         "ToolButton13",
         "obciazenie_zmienne",
         "Dodaj obciążenie liniowo zmienne. ",
         {},
         Dodaj(s, d.DodajTroj())},
        {TObcizenieDodawanie, "ToolButton14", "moment", "Dodaj moment skupiony.", {}, Dodaj(s, d.DodajMoment())},

        {ToolBar1, "ToolButton1", "geometria", "Geometria", {}, [&d] { d.Geometria(); }},
        {ToolBar1,
         "ToolButton2",
         "tabela",
         "Tabela kombinacji  i grup obciążeń",
         {},
         [&s, &d] {
             if (s.MoznaTabele())
                 d.Tabela();
         }},
        {ToolBar1, "ToolButton3", "ustawienia", "Ustawienia", {}, [&d] { d.Ustawienia(); }},
        // Neither result window changes the task: no repaint.
        {ToolBar1, "ToolButton4", "macierz", "Macierz sztywności.", {}, [&macierz] { macierz.Pokaz(); }},
        {ToolBar1,
         "ToolButton20",
         "obwiednie",
         "Obwiednie. Odczyt sił wewnętrznych.",
         {},
         [&zestawienie] { zestawienie.Pokaz(); }},

        {ToolBarZoomy, "TBZoomPan", "zoom_pan", "Zoom PAN", {}, [&s] { s.ZoomPan(); }, {"Przesu1", "Przesuń"}},
        {ToolBarZoomy, "TBOkno", "zoom_okno", "Zoom okno.", {}, [&s] { s.ZoomOkno(); }, {"Okno1", "Okno"}},
        {ToolBarZoomy,
         "TBWszystko",
         "zoom_wszystko",
         "Zoom wszystko.",
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [&s] { s.ZoomWszystko(); },
         {"Wszystko1", "Wszystko"}},
        // Ctrl+PgDown and Ctrl+PgUp move from sheet to sheet (the window's own actions).
        {ToolBarZoomy,
         "TBWszystkieArkusze",
         "wszystkie_arkusze",
         "Wszystkie arkusze",
         {},
         [&s] { s.WszystkieArkusze(); },
         {"WszystkieArkusze1", "Wszystkie arkusze"}},
        {ToolBarZoomy,
         "TBPowieksz",
         "powieksz",
         "Powiększ.",
         {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         [&s] { s.Powieksz(); },
         {"Powiksz1", "Powiększ", true}},
        {ToolBarZoomy,
         "TBPomniejsz",
         "pomniejsz",
         "Pomniejsz.",
         {QKeySequence::ZoomOut},
         [&s] { s.Pomniejsz(); },
         {"Pomniejsz1", "Pomniejsz"}},

        {ToolBar2, "ToolButton6", "nowe", "Nowe zadanie", {QKeySequence::New}, [&p] { p.NoweZadanie(); }},
        {ToolBar2, "ToolButton7", "otworz", "Odczyt danych", {QKeySequence::Open}, [&p] { p.Otworz(); }},
        // Ctrl+S saves without a question when the task has a file (the window's own action).
        {ToolBar2,
         "ToolButton8",
         "zapisz",
         "Zapis danych",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         [&p] { p.ZapiszJako(); }},
        {ToolBar2, "ToolButton9", "schowek", "Kopiuj do schowka", {QKeySequence::Copy}, [&p] { p.Kopiuj(); }},
        {ToolBar2, "ToolButton10", "drukuj", "Drukowanie", {QKeySequence::Print}, [&p] { p.Drukuj(); }},
        {ToolBar2,
         "TBRaport",
         "raport",
         "Raport obliczeń (PDF): dane i wyniki w tabelach, arkusze",
         {QKeySequence(Qt::CTRL | Qt::Key_R)},
         [&p] { p.Raport(); },
         {"Raport1", "Raport obliczeń…", true}},

        // The hints name the step (the window keeps them up to date).
        {TB_Edycja, "TBCofnij", "cofnij", "Cofnij", {QKeySequence::Undo}, [&p] { p.Cofnij(); }},
        {TB_Edycja,
         "TBPonow",
         "ponow",
         "Ponów",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         [&p] { p.Ponow(); }},
        {TB_Edycja, "ToolButton5", "edycja_sil", "Edycja, usuwanie sił skupionych", {}, Edytuj(s, d.EdytowanieSil())},
        {TB_Edycja,
         "ToolButton16",
         "edycja_liniowych",
         "Edycja, usuwanie obciążeń liniowych",
         {},
         Edytuj(s, d.EdytowanieLiniowe())},
        {TB_Edycja,
         "ToolButton17",
         "edycja_zmiennych",
         "Edycja, usuwanie obciążenia liniowo zmiennego.",
         {},
         Edytuj(s, d.EdytowanieTrojkat())},
        {TB_Edycja,
         "ToolButton18",
         "edycja_momentow",
         "Edycja, usuwanie momentów skupionych",
         {},
         Edytuj(s, d.EdytowanieMomentow())},
    };
}

QWidget* UtworzPaski(QWidget& okno, const std::vector<TAkcja>& akcje, QMenu& menu)
{
    auto* ControlBar1 = new QWidget(&okno);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    auto* uklad = new QHBoxLayout(ControlBar1);
    uklad->setContentsMargins(2, 0, 2, 0);
    uklad->setSpacing(6);
    std::array<QToolBar*, NazwyPaskow.size()> paski{};
    for (size_t i = 0; i < paski.size(); ++i)
        uklad->addWidget(paski[i] = NowyPasek(*ControlBar1, NazwyPaskow[i]));
    uklad->addStretch(1);
    for (const TAkcja& a : akcje)
        DodajAkcje(okno, *paski[size_t(a.Pasek)], a, menu);
    return ControlBar1;
}
