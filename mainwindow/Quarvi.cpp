#include "mainwindow/Quarvi.h"

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
#include "drawing/PowierzchniaQt.h"
#include "mainwindow/Akcje.h"
#include "mainwindow/Podglad.h"
#include "platform/TekstQt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr const char* LiniaIdentyfikacji = "QUARVI wer. 1.0.1 — statyka belki ciągłej — czerwiec 2009";
constexpr const char* NieZapisane = "  Dane nie zapisane!";

// The only file of a drop, when it is a task file.
QString PlikZadania(const QMimeData* dane)
{
    if (!dane || !dane->hasUrls() || dane->urls().size() != 1 || !dane->urls().front().isLocalFile())
        return {};
    const QString plik = dane->urls().front().toLocalFile();
    return QFileInfo(plik).suffix().compare(QLatin1String("qvr"), Qt::CaseInsensitive) == 0 ? plik : QString();
}

} // namespace

// The icons live in this library's resources: a static library must pull them
// in itself (outside any namespace, as the macro declares a global function).
static void ZaladujIkony()
{
    Q_INIT_RESOURCE(Ikony);
}

TQuarvi::TQuarvi(TProgram& program, TOtoczenie& otoczenie, QWidget* rodzic)
    : QMainWindow(rodzic)
    , program_(program)
    , polecenia_(std::make_unique<TPolecenia>(program, otoczenie, static_cast<IPodglad&>(*this)))
    , sterowanie_(std::make_unique<TSterowanie>(program, otoczenie.Komunikaty, static_cast<IOknoWidoku&>(*this),
                                                [this] { polecenia_->Przerysuj(); }))
{
    ZaladujIkony();
    setObjectName(QStringLiteral("Quarvi"));
    setWindowTitle(QStringLiteral("QUARVI[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/ikony/geometria.svg")));
    setAcceptDrops(true);

    UtworzDialogi(otoczenie);
    UtworzStrone();
    UtworzPaski();
    UtworzPasekStanu();
    UtworzOknaWynikow();
    // The wheel zooms wherever over the window it is turned.
    qApp->installEventFilter(this);

    if (const QScreen* ekran = screen()) {
        const QRect dostepne = ekran->availableGeometry();
        const TRozmiarPowierzchni r = RozmiarOkna({dostepne.width(), dostepne.height()});
        resize(r.Szerokosc, r.Wysokosc);
    }
}

TQuarvi::~TQuarvi() = default;

void TQuarvi::UtworzDialogi(TOtoczenie& otoczenie)
{
    // The dialogs size their grids from the task: a new one until the window shows.
    NowyTemat(program_.Zadanie);
    dialogi_ = std::make_unique<TDialogi>(program_.Zadanie, program_.Wyniki, program_.Widok, otoczenie.Komunikaty,
                                          program_.Regionalne.SeparatorDziesietny,
                                          [this] { polecenia_->Przerysuj(); }, *this);
    polecenia_->Dialogi.NowyTemat = [this] { dialogi_->NowyTemat(); };
    polecenia_->Dialogi.PoOdczycie = [this](const TWidokiZPliku& widoki) { dialogi_->PoOdczycie(widoki); };
    polecenia_->Dialogi.Pokazuj = [this] { return dialogi_->Pokazuj(); };
    for (TDodajObciazenie* d : std::initializer_list<TDodajObciazenie*>{
             &dialogi_->DodajSile(), &dialogi_->DodajMoment(), &dialogi_->DodajLiniowe(), &dialogi_->DodajTroj()})
        PolaczDodawanie(*d);
    dialogi_->ListaZamknieta = [this](bool rozbijSilyGrupy) { sterowanie_->ZamknijListe(rozbijSilyGrupy); };
}

void TQuarvi::UtworzPaski()
{
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    auto* uklad = new QHBoxLayout(ControlBar1);
    uklad->setContentsMargins(2, 0, 2, 0);
    uklad->setSpacing(6);
    for (auto [pasek, nazwa] : {std::pair{&TObcizenieDodawanie, "TObcizenieDodawanie"}, {&ToolBar1, "ToolBar1"},
                                {&ToolBarZoomy, "ToolBarZoomy"}, {&ToolBar2, "ToolBar2"}, {&TB_Edycja, "TB_Edycja"}})
        uklad->addWidget(*pasek = NowyPasek(*ControlBar1, nazwa));
    uklad->addStretch(1);

    TSterowanie* s = sterowanie_.get();
    TPolecenia* p = polecenia_.get();
    TDialogi* d = dialogi_.get();
    const auto edytuj = [this](TEdytowanieObciazen& lista) { return [this, &lista] { Edytuj(lista); }; };
    const auto dodaj = [this](TDodajObciazenie& wpis) { return [this, &wpis] { Dodaj(wpis); }; };
    const TAkcja akcje[] = {
        {TB_Edycja, "ToolButton5", "edycja_sil", "Edycja, usuwanie sił skupionych", {}, edytuj(d->EdytowanieSil())},
        {TB_Edycja, "ToolButton16", "edycja_liniowych", "Edycja, usuwanie obciążeń liniowych", {},
         edytuj(d->EdytowanieLiniowe())},
        {TB_Edycja, "ToolButton17", "edycja_zmiennych", "Edycja, usuwanie obciążenia liniowo zmiennego.", {},
         edytuj(d->EdytowanieTrojkat())},
        {TB_Edycja, "ToolButton18", "edycja_momentow", "Edycja, usuwanie momentów skupionych", {},
         edytuj(d->EdytowanieMomentow())},

        {TObcizenieDodawanie, "ToolButton11", "sila", "Dodaj siłę", {}, dodaj(d->DodajSile())},
        {TObcizenieDodawanie, "ToolButton12", "obciazenie_liniowe", "Dodaj obciążenie liniowe", {},
         dodaj(d->DodajLiniowe())},
        {TObcizenieDodawanie, "ToolButton13", "obciazenie_zmienne", "Dodaj obciążenie liniowo zmienne. ", {},
         dodaj(d->DodajTroj())},
        {TObcizenieDodawanie, "ToolButton14", "moment", "Dodaj moment skupiony.", {}, dodaj(d->DodajMoment())},

        {ToolBar1, "ToolButton1", "geometria", "Geometria", {}, [d] { d->Geometria(); }},
        {ToolBar1, "ToolButton2", "tabela", "Tabela kombinacji  i grup obciążeń", {},
         [s, d] {
             if (s->MoznaTabele())
                 d->Tabela();
         }},
        {ToolBar1, "ToolButton3", "ustawienia", "Ustawienia", {}, [d] { d->Ustawienia(); }},
        // Neither result window changes the task: no repaint.
        {ToolBar1, "ToolButton4", "macierz", "Macierz sztywności.", {}, [this] { Macierz_->Pokaz(); }},
        {ToolBar1, "ToolButton20", "obwiednie", "Obwiednie. Odczyt sił wewnętrznych.", {},
         [this] { Zestawienie_->Pokaz(); }},

        {ToolBarZoomy, "TBZoomPan", "zoom_pan", "Zoom PAN", {}, [s] { s->ZoomPan(); }, {"Przesu1", "Przesuń"}},
        {ToolBarZoomy, "TBOkno", "zoom_okno", "Zoom okno.", {}, [s] { s->ZoomOkno(); }, {"Okno1", "Okno"}},
        {ToolBarZoomy, "TBWszystko", "zoom_wszystko", "Zoom wszystko.", {QKeySequence(Qt::CTRL | Qt::Key_0)},
         [s] { s->ZoomWszystko(); }, {"Wszystko1", "Wszystko"}},
        {ToolBarZoomy, "TBPowieksz", "powieksz", "Powiększ.",
         {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [s] { s->Powieksz(); },
         {"Powiksz1", "Powiększ", true}},
        {ToolBarZoomy, "TBPomniejsz", "pomniejsz", "Pomniejsz.", {QKeySequence::ZoomOut}, [s] { s->Pomniejsz(); },
         {"Pomniejsz1", "Pomniejsz"}},

        {ToolBar2, "ToolButton6", "nowe", "Nowe zadanie", {QKeySequence::New}, [p] { p->NoweZadanie(); }},
        {ToolBar2, "ToolButton7", "otworz", "Odczyt danych", {QKeySequence::Open}, [p] { p->Otworz(); }},
        {ToolBar2, "ToolButton8", "zapisz", "Zapis danych", {QKeySequence::Save}, [p] { p->Zapisz(); }},
        {ToolBar2, "ToolButton9", "schowek", "Kopiuj do schowka", {QKeySequence::Copy}, [p] { p->Kopiuj(); }},
        {ToolBar2, "ToolButton10", "drukuj", "Drukowanie", {QKeySequence::Print}, [p] { p->Drukuj(); }},
    };
    for (const TAkcja& a : akcje)
        DodajAkcje(*this, a, *ZoomMenu);
    // The two tools show while they are armed.
    TBZoomPan = findChild<QAction*>(QStringLiteral("TBZoomPan"), Qt::FindDirectChildrenOnly);
    TBOkno = findChild<QAction*>(QStringLiteral("TBOkno"), Qt::FindDirectChildrenOnly);
    TBZoomPan->setCheckable(true);
    TBOkno->setCheckable(true);
    setMenuWidget(ControlBar1);
}

void TQuarvi::UtworzStrone()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);
    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* uklad = new QVBoxLayout(TabSheet1);
    uklad->setContentsMargins(0, 0, 0, 0);
    Podglad_ = new TPodglad(TabSheet1);
    Podglad_->UstawObraz(&polecenia_->ObrazArkusza);
    uklad->addWidget(Podglad_);
    PageControl1->addTab(TabSheet1, QStringLiteral("Statyka"));
    setCentralWidget(PageControl1);

    connect(Podglad_, &TPodglad::MouseDown, this, &TQuarvi::PodgladMouseDown);
    connect(Podglad_, &TPodglad::MouseMove, this, &TQuarvi::PodgladMouseMove);
    connect(Podglad_, &TPodglad::MouseUp, this, &TQuarvi::PodgladMouseUp);

    // Its items come with the tool bars' actions.
    ZoomMenu = new QMenu(Podglad_);
    ZoomMenu->setObjectName(QStringLiteral("ZoomMenu"));
    Podglad_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Podglad_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ZoomMenu->popup(Podglad_->mapToGlobal(p)); });
}

void TQuarvi::UtworzPasekStanu()
{
    auto* pasek = new QStatusBar(this);
    pasek->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        Panele_[i] = new QLabel(pasek);
        Panele_[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        Panele_[i]->setContentsMargins(4, 0, 4, 0);
    }
    const QFontMetrics fm(Panele_[0]->font());
    Panele_[0]->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("X=-00000,000 Y=-00000,000")) + 12);
    Panele_[1]->setText(ZUtf8(LiniaIdentyfikacji));
    Panele_[2]->setMinimumWidth(fm.horizontalAdvance(ZUtf8(NieZapisane)) + 12);
    pasek->addWidget(Panele_[0]);
    pasek->addWidget(Panele_[1], 1);
    pasek->addPermanentWidget(Panele_[2]);
    setStatusBar(pasek);
}

void TQuarvi::UtworzOknaWynikow()
{
    Macierz_ = new TMacierz(polecenia_->Kompozycja, this);
    Zestawienie_ = new TZestawieniePrzekrojowych(polecenia_->Kompozycja, this);
    Zestawienie_->UstawNakladke(this);
}

TRozmiarPowierzchni TQuarvi::RozmiarPodgladu() const
{
    return Podglad_->RozmiarUrzadzenia();
}

void TQuarvi::Pokaz()
{
    const TDaneZadania& zad = program_.Zadanie;
    Podglad_->update();
    Panele_[2]->setText(zad.NieZapisane ? ZUtf8(NieZapisane) : QString());
    const std::string& plik = polecenia_->Plik();
    setWindowTitle(plik.empty() ? QStringLiteral("QUARVI[*]")
                                : QFileInfo(ZUtf8(plik)).fileName() + QStringLiteral("[*] – QUARVI"));
    setWindowModified(zad.NieZapisane);
    TBZoomPan->setChecked(program_.Widok.TrybPrzesuwania);
    TBOkno->setChecked(program_.Widok.TrybOkna);
    // An open summary shows the results now composed, at the view now set, or closes.
    if (Zestawienie_)
        Zestawienie_->ZadanieZmienione();
}

// The section markers of the summary window go onto the paint box's layer
// over the sheet picture, never into the picture itself.
void TQuarvi::Rysuj(const std::function<void(IPowierzchnia&)>& rysuj)
{
    Podglad_->WyczyscNakladke();
    if (rysuj) {
        TPowierzchniaQt powierzchnia(Podglad_->Nakladka());
        rysuj(powierzchnia);
    }
    Podglad_->update();
}

void TQuarvi::UstawKursor(TKursor kursor)
{
    static constexpr Qt::CursorShape Ksztalty[] = {Qt::CrossCursor, Qt::OpenHandCursor, Qt::ClosedHandCursor,
                                                   Qt::DragMoveCursor};
    Podglad_->setCursor(Ksztalty[int(kursor)]);
}

void TQuarvi::UstawRamke(const std::optional<TRamkaOkna>& ramka)
{
    if (ramka)
        Podglad_->UstawRamke(
            QRect(QPoint(ramka->Od.Kolumna, ramka->Od.Wiersz), QPoint(ramka->Do.Kolumna, ramka->Do.Wiersz)));
    else
        Podglad_->UstawRamke(std::nullopt);
}

void TQuarvi::UstawOdczyt(const std::string& tekst)
{
    Panele_[0]->setText(ZUtf8(tekst));
}

void TQuarvi::showEvent(QShowEvent* zdarzenie)
{
    QMainWindow::showEvent(zdarzenie);
    if (pokazane_)
        return;
    pokazane_ = true;
    const double s = Podglad_->Skala();
    QSize ekran(1920, 1080);
    if (const QScreen* e = screen())
        ekran = e->size();
    polecenia_->Start({int32_t(std::ceil(ekran.width() * s)), int32_t(std::ceil(ekran.height() * s))}, s);
}

void TQuarvi::closeEvent(QCloseEvent* zdarzenie)
{
    zdarzenie->setAccepted(polecenia_->MoznaPorzucic());
}

void TQuarvi::dragEnterEvent(QDragEnterEvent* zdarzenie)
{
    if (!PlikZadania(zdarzenie->mimeData()).isEmpty())
        zdarzenie->acceptProposedAction();
}

void TQuarvi::dropEvent(QDropEvent* zdarzenie)
{
    const QString plik = PlikZadania(zdarzenie->mimeData());
    if (plik.isEmpty())
        return;
    zdarzenie->acceptProposedAction();
    polecenia_->Otworz(plik.toStdString());
}

bool TQuarvi::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::Wheel) {
        auto* w = qobject_cast<QWidget*>(obiekt);
        if (w && w->window() == this) {
            FormMouseWheel(static_cast<QWheelEvent*>(zdarzenie)->angleDelta().y());
            return true;
        }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

// The dialog draws its span marker into the sheet picture and its preview on
// the paint box's layer; a repaint clears that layer with the picture.
void TQuarvi::PolaczDodawanie(TDodajObciazenie& dialog)
{
    dialog.ZaznaczPrzeslo = [this](int32_t przeslo, TPiora piora) { polecenia_->ZaznaczPrzeslo(przeslo, piora); };
    dialog.Podglad = [this](const std::optional<TObciazeniePodgladu>& o) {
        Podglad_->WyczyscNakladke();
        if (o)
            polecenia_->RysujPodglad(Podglad_->Nakladka(), *o);
    };
    dialog.Przerysuj = [this] {
        Podglad_->WyczyscNakladke();
        polecenia_->Przerysuj();
    };
}

void TQuarvi::Dodaj(TDodajObciazenie& dialog)
{
    if (!sterowanie_->MoznaDodawac())
        return;
    dialog.Przygotuj();
    dialog.Pokaz();
}

void TQuarvi::Edytuj(TEdytowanieObciazen& lista)
{
    if (sterowanie_->OtworzListe())
        lista.Pokaz();
}

TPiksel TQuarvi::Piksel(const QMouseEvent* zdarzenie) const
{
    const QPoint p = Podglad_->Piksel(zdarzenie->position());
    return {p.x(), p.y()};
}

void TQuarvi::PodgladMouseDown(QMouseEvent* zdarzenie)
{
    const Qt::MouseButton b = zdarzenie->button();
    sterowanie_->Nacisniecie(b == Qt::LeftButton     ? TPrzyciskMyszy::Lewy
                             : b == Qt::MiddleButton ? TPrzyciskMyszy::Srodkowy
                                                     : TPrzyciskMyszy::Inny,
                             Piksel(zdarzenie));
}

void TQuarvi::PodgladMouseMove(QMouseEvent* zdarzenie)
{
    sterowanie_->Ruch(Piksel(zdarzenie));
}

void TQuarvi::PodgladMouseUp(QMouseEvent* zdarzenie)
{
    sterowanie_->Puszczenie(Piksel(zdarzenie));
}

void TQuarvi::FormMouseWheel(int kat)
{
    sterowanie_->Kolko(kat);
}
