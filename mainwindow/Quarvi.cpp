#include "mainwindow/Quarvi.h"

#include "dialogs/Dialogi.h"
#include "dialogs/Macierz.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "drawing/PowierzchniaQt.h"
#include "dialogs/EdytowanieLiniowe.h"
#include "dialogs/EdytowanieMomentow.h"
#include "dialogs/EdytowanieSil.h"
#include "dialogs/EdytowanieTrojkat.h"
#include "dialogs/Ustawienia.h"
#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "mainwindow/Podglad.h"
#include "projectfile/PlikZadania.h"
#include "platform/Komunikaty.h"

#include <QAction>
#include <QCheckBox>
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
constexpr int JedenObrot = 120; // wheel angle of one notch, 1/8 degree

QString Tekst(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString Tekst(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The only file of a drop, when it is a task file.
QString PlikZadania(const QMimeData* dane)
{
    if (!dane || !dane->hasUrls() || dane->urls().size() != 1 || !dane->urls().front().isLocalFile())
        return {};
    const QString plik = dane->urls().front().toLocalFile();
    return QFileInfo(plik).suffix().compare(QLatin1String("qvr"), Qt::CaseInsensitive) == 0 ? plik : QString();
}

} // namespace

// The section markers of the summary window go onto the paint box's layer
// over the sheet picture, never into the picture itself.
class TNakladkaPodgladu : public INakladka {
public:
    explicit TNakladkaPodgladu(TPodglad& podglad) : podglad_(podglad) {}
    void Rysuj(const std::function<void(IPowierzchnia&)>& rysuj) override
    {
        podglad_.WyczyscNakladke();
        if (rysuj) {
            TPowierzchniaQt powierzchnia(podglad_.Nakladka());
            rysuj(powierzchnia);
        }
        podglad_.update();
    }

private:
    TPodglad& podglad_;
};

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
{
    ZaladujIkony();
    // The dialogs size their grids from the task: a new one until the window shows.
    NowyTemat(program.Zadanie);
    dialogi_ = std::make_unique<TDialogi>(program.Zadanie, program.Wyniki, program.Widok, otoczenie.Komunikaty,
                                          program.Regionalne.SeparatorDziesietny,
                                          [this] { polecenia_->Przerysuj(); }, this);
    polecenia_->Dialogi.NowyTemat = [this] { dialogi_->NowyTemat(); };
    polecenia_->Dialogi.PoOdczycie = [this](const TWidokiZPliku& widoki) { dialogi_->PoOdczycie(widoki); };
    polecenia_->Dialogi.Pokazuj = [this] { return dialogi_->Pokazuj(); };
    for (TDodajObciazenie* d : std::initializer_list<TDodajObciazenie*>{
             &dialogi_->DodajSile(), &dialogi_->DodajMoment(), &dialogi_->DodajLiniowe(), &dialogi_->DodajTroj()})
        PolaczDodawanie(*d);
    for (TEdytowanieObciazen* l : std::initializer_list<TEdytowanieObciazen*>{
             &dialogi_->EdytowanieSil(), &dialogi_->EdytowanieLiniowe(), &dialogi_->EdytowanieMomentow(),
             &dialogi_->EdytowanieTrojkat()}) {
        l->Przerysuj = [this] { polecenia_->Przerysuj(); };
        // The loads by groups come back as the settings have them.
        connect(l, &QDialog::finished, this, [this] {
            program_.Zadanie.Nastawy.RozbijSilyGrupy = dialogi_->OknoUstawien().CB_RozbijSilyGrupy->isChecked();
            polecenia_->Przerysuj();
        });
    }
    setObjectName(QStringLiteral("Quarvi"));
    setWindowTitle(QStringLiteral("QUARVI[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/ikony/geometria.svg")));
    setAcceptDrops(true);

    // The glyphs a missing or short file did not supply stay empty; the program goes on.
    const std::string blad = WczytajCzcionke(SciezkaCzcionki(program.FolderProgramu), program.Czcionka);
    if (!blad.empty())
        otoczenie.Komunikaty.Komunikat(blad);

    UtworzPaski();
    UtworzStrone();
    UtworzMenu();
    UtworzPasekStanu();
    Macierz_ = new TMacierz(polecenia_->Kompozycja, this);
    Zestawienie_ = new TZestawieniePrzekrojowych(polecenia_->Kompozycja, this);
    nakladka_ = std::make_unique<TNakladkaPodgladu>(*Podglad_);
    Zestawienie_->UstawNakladke(nakladka_.get());
    // The wheel zooms wherever over the window it is turned.
    qApp->installEventFilter(this);

    if (const QScreen* ekran = screen()) {
        const QRect dostepne = ekran->availableGeometry();
        resize(std::min(1400, dostepne.width() * 9 / 10), std::min(940, dostepne.height() * 9 / 10));
    }
}

// The dialogs go first: their closing must not repaint a half-destroyed window.
TQuarvi::~TQuarvi()
{
    polecenia_->Dialogi = {};
    dialogi_.reset();
    delete Zestawienie_;
    delete Macierz_;
}

QAction* TQuarvi::Przycisk(QToolBar* pasek, const char* nazwa, const char* ikona, const char* podpowiedz,
                           const QKeySequence& skrot, void (TQuarvi::*klik)())
{
    auto* akcja = new QAction(QIcon(QStringLiteral(":/ikony/") + Tekst(ikona) + QStringLiteral(".svg")),
                              Tekst(podpowiedz), this);
    akcja->setObjectName(Tekst(nazwa));
    akcja->setStatusTip(Tekst(podpowiedz));
    QString wskazowka = Tekst(podpowiedz);
    if (!skrot.isEmpty()) {
        akcja->setShortcut(skrot);
        wskazowka += QStringLiteral(" (") + skrot.toString(QKeySequence::NativeText) + QStringLiteral(")");
    }
    akcja->setToolTip(wskazowka);
    connect(akcja, &QAction::triggered, this, klik);
    pasek->addAction(akcja);
    pasek->widgetForAction(akcja)->setObjectName(Tekst(nazwa));
    return akcja;
}

void TQuarvi::UtworzPaski()
{
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    auto* uklad = new QHBoxLayout(ControlBar1);
    uklad->setContentsMargins(2, 0, 2, 0);
    uklad->setSpacing(6);
    const auto pasek = [&](const char* nazwa) {
        auto* p = new QToolBar(ControlBar1);
        p->setObjectName(Tekst(nazwa));
        p->setWindowTitle(Tekst(nazwa));
        p->setMovable(false);
        p->setFloatable(false);
        p->setIconSize(QSize(24, 24));
        uklad->addWidget(p);
        return p;
    };
    TObcizenieDodawanie = pasek("TObcizenieDodawanie");
    ToolBar1 = pasek("ToolBar1");
    ToolBarZoomy = pasek("ToolBarZoomy");
    ToolBar2 = pasek("ToolBar2");
    TB_Edycja = pasek("TB_Edycja");
    uklad->addStretch(1);

    Przycisk(TB_Edycja, "ToolButton5", "edycja_sil", "Edycja, usuwanie sił skupionych", {}, &TQuarvi::ToolButton5Click);
    Przycisk(TB_Edycja, "ToolButton16", "edycja_liniowych", "Edycja, usuwanie obciążeń liniowych", {},
             &TQuarvi::ToolButton16Click);
    Przycisk(TB_Edycja, "ToolButton17", "edycja_zmiennych", "Edycja, usuwanie obciążenia liniowo zmiennego.", {},
             &TQuarvi::ToolButton17Click);
    Przycisk(TB_Edycja, "ToolButton18", "edycja_momentow", "Edycja, usuwanie momentów skupionych", {},
             &TQuarvi::ToolButton18Click);

    Przycisk(TObcizenieDodawanie, "ToolButton11", "sila", "Dodaj siłę", {}, &TQuarvi::ToolButton11Click);
    Przycisk(TObcizenieDodawanie, "ToolButton12", "obciazenie_liniowe", "Dodaj obciążenie liniowe", {},
             &TQuarvi::ToolButton12Click);
    Przycisk(TObcizenieDodawanie, "ToolButton13", "obciazenie_zmienne", "Dodaj obciążenie liniowo zmienne. ", {},
             &TQuarvi::ToolButton13Click);
    Przycisk(TObcizenieDodawanie, "ToolButton14", "moment", "Dodaj moment skupiony.", {}, &TQuarvi::ToolButton14Click);

    Przycisk(ToolBar1, "ToolButton1", "geometria", "Geometria", {}, &TQuarvi::ToolButton1Click);
    Przycisk(ToolBar1, "ToolButton2", "tabela", "Tabela kombinacji  i grup obciążeń", {}, &TQuarvi::ToolButton2Click);
    Przycisk(ToolBar1, "ToolButton3", "ustawienia", "Ustawienia", {}, &TQuarvi::ToolButton3Click);
    Przycisk(ToolBar1, "ToolButton4", "macierz", "Macierz sztywności.", {}, &TQuarvi::ToolButton4Click);
    Przycisk(ToolBar1, "ToolButton20", "obwiednie", "Obwiednie. Odczyt sił wewnętrznych.", {},
             &TQuarvi::ToolButton20Click);

    // The two tools show while they are armed.
    TBZoomPan = Przycisk(ToolBarZoomy, "TBZoomPan", "zoom_pan", "Zoom PAN", {}, &TQuarvi::TBZoomPanClick);
    TBOkno = Przycisk(ToolBarZoomy, "TBOkno", "zoom_okno", "Zoom okno.", {}, &TQuarvi::TBOknoClick);
    TBZoomPan->setCheckable(true);
    TBOkno->setCheckable(true);
    Przycisk(ToolBarZoomy, "TBWszystko", "zoom_wszystko", "Zoom wszystko.", QKeySequence(Qt::CTRL | Qt::Key_0),
             &TQuarvi::TBWszystkoClick);
    Przycisk(ToolBarZoomy, "TBPowieksz", "powieksz", "Powiększ.", QKeySequence::ZoomIn, &TQuarvi::TBPowiekszClick)
        ->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    Przycisk(ToolBarZoomy, "TBPomniejsz", "pomniejsz", "Pomniejsz.", QKeySequence::ZoomOut,
             &TQuarvi::TBPomniejszClick);

    Przycisk(ToolBar2, "ToolButton6", "nowe", "Nowe zadanie", QKeySequence::New, &TQuarvi::ToolButton6Click);
    Przycisk(ToolBar2, "ToolButton7", "otworz", "Odczyt danych", QKeySequence::Open, &TQuarvi::ToolButton7Click);
    Przycisk(ToolBar2, "ToolButton8", "zapisz", "Zapis danych", QKeySequence::Save, &TQuarvi::ToolButton8Click);
    Przycisk(ToolBar2, "ToolButton9", "schowek", "Kopiuj do schowka", QKeySequence::Copy, &TQuarvi::ToolButton9Click);
    Przycisk(ToolBar2, "ToolButton10", "drukuj", "Drukowanie", QKeySequence::Print, &TQuarvi::ToolButton10Click);

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
    connect(Podglad_, &TPodglad::Resize, this, &TQuarvi::PodgladResize);
}

void TQuarvi::UtworzMenu()
{
    ZoomMenu = new QMenu(Podglad_);
    ZoomMenu->setObjectName(QStringLiteral("ZoomMenu"));
    const auto pozycja = [&](const char* nazwa, const char* tekst, void (TQuarvi::*klik)()) {
        QAction* a = ZoomMenu->addAction(Tekst(tekst));
        a->setObjectName(Tekst(nazwa));
        connect(a, &QAction::triggered, this, klik);
    };
    pozycja("Przesu1", "Przesuń", &TQuarvi::TBZoomPanClick);
    pozycja("Okno1", "Okno", &TQuarvi::TBOknoClick);
    pozycja("Wszystko1", "Wszystko", &TQuarvi::TBWszystkoClick);
    ZoomMenu->addSeparator();
    pozycja("Powiksz1", "Powiększ", &TQuarvi::TBPowiekszClick);
    pozycja("Pomniejsz1", "Pomniejsz", &TQuarvi::TBPomniejszClick);
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
    Panele_[1]->setText(Tekst(LiniaIdentyfikacji));
    Panele_[2]->setMinimumWidth(fm.horizontalAdvance(Tekst(NieZapisane)) + 12);
    pasek->addWidget(Panele_[0]);
    pasek->addWidget(Panele_[1], 1);
    pasek->addPermanentWidget(Panele_[2]);
    setStatusBar(pasek);
}

TRozmiarPowierzchni TQuarvi::RozmiarPodgladu() const
{
    return Podglad_->RozmiarUrzadzenia();
}

void TQuarvi::Pokaz()
{
    const TDaneZadania& zad = program_.Zadanie;
    Podglad_->update();
    Panele_[2]->setText(zad.NieZapisane ? Tekst(NieZapisane) : QString());
    const std::string& plik = polecenia_->Plik();
    setWindowTitle(plik.empty() ? QStringLiteral("QUARVI[*]")
                                : QFileInfo(Tekst(plik)).fileName() + QStringLiteral("[*] – QUARVI"));
    setWindowModified(zad.NieZapisane);
    TBZoomPan->setChecked(program_.Widok.TrybPrzesuwania);
    TBOkno->setChecked(program_.Widok.TrybOkna);
    // An open summary shows the results now composed, at the view now set, or closes.
    if (Zestawienie_)
        Zestawienie_->ZadanieZmienione();
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
    if (polecenia_->MoznaPorzucic())
        zdarzenie->accept();
    else
        zdarzenie->ignore();
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
    if (program_.Zadanie.IloscPrzesel < 1) {
        polecenia_->Komunikat(" Najpierw GEOMETRIA ! ");
        polecenia_->Przerysuj();
        return;
    }
    dialog.Przygotuj();
    dialog.Pokaz(DialogiModalne);
}

void TQuarvi::ToolButton11Click()
{
    Dodaj(dialogi_->DodajSile());
}

void TQuarvi::ToolButton12Click()
{
    Dodaj(dialogi_->DodajLiniowe());
}

void TQuarvi::ToolButton13Click()
{
    Dodaj(dialogi_->DodajTroj());
}

void TQuarvi::ToolButton14Click()
{
    Dodaj(dialogi_->DodajMoment());
}

// The list shows every load where it is, not split by groups.
void TQuarvi::Edytuj(TEdytowanieObciazen& lista)
{
    TDaneZadania& zad = program_.Zadanie;
    if (zad.IloscPrzesel < 1) {
        polecenia_->Komunikat(" Najpierw GEOMETRIA ! (i obciążenie do edycji) ");
        return;
    }
    if (zad.Nastawy.RozbijSilyGrupy) {
        zad.Nastawy.RozbijSilyGrupy = false;
        polecenia_->Przerysuj();
    }
    lista.Pokaz(DialogiModalne);
}

void TQuarvi::ToolButton5Click()
{
    Edytuj(dialogi_->EdytowanieSil());
}

void TQuarvi::ToolButton16Click()
{
    Edytuj(dialogi_->EdytowanieLiniowe());
}

void TQuarvi::ToolButton17Click()
{
    Edytuj(dialogi_->EdytowanieTrojkat());
}

void TQuarvi::ToolButton18Click()
{
    Edytuj(dialogi_->EdytowanieMomentow());
}

void TQuarvi::ToolButton1Click()
{
    dialogi_->Geometria(DialogiModalne);
}

void TQuarvi::ToolButton2Click()
{
    dialogi_->Tabela(DialogiModalne);
}

void TQuarvi::ToolButton3Click()
{
    dialogi_->Ustawienia(DialogiModalne);
}

// Neither result window changes the task: no repaint.
void TQuarvi::ToolButton4Click()
{
    Macierz_->Pokaz(DialogiModalne);
}

void TQuarvi::ToolButton20Click()
{
    Zestawienie_->Pokaz();
}

void TQuarvi::TBZoomPanClick()
{
    program_.Widok.TrybPrzesuwania = true;
    Podglad_->setCursor(Qt::OpenHandCursor);
    polecenia_->WidokZmieniony();
}

void TQuarvi::TBOknoClick()
{
    program_.Widok.TrybOkna = true;
    Podglad_->setCursor(Qt::DragMoveCursor);
    polecenia_->WidokZmieniony();
}

void TQuarvi::TBWszystkoClick()
{
    const TRozmiarPowierzchni r = RozmiarPodgladu();
    ZoomWszystko(program_.Widok, r.Szerokosc, r.Wysokosc);
    polecenia_->WidokZmieniony();
}

void TQuarvi::TBPowiekszClick()
{
    Powieksz(program_.Widok);
    polecenia_->WidokZmieniony();
}

void TQuarvi::TBPomniejszClick()
{
    Pomniejsz(program_.Widok);
    polecenia_->WidokZmieniony();
}

void TQuarvi::FormMouseWheel(int kat)
{
    // One step per notch; a fine-grained wheel adds up to whole notches.
    kat_ += kat;
    const int kroki = kat_ / JedenObrot;
    if (kroki == 0)
        return;
    kat_ -= kroki * JedenObrot;
    for (int i = 0; i < std::abs(kroki); ++i)
        KolkoMyszy(program_.Widok, kroki > 0);
    polecenia_->WidokZmieniony();
}

void TQuarvi::ToolButton6Click()
{
    polecenia_->NoweZadanie();
}

void TQuarvi::ToolButton7Click()
{
    polecenia_->Otworz();
}

void TQuarvi::ToolButton8Click()
{
    polecenia_->Zapisz();
}

void TQuarvi::ToolButton9Click()
{
    polecenia_->Kopiuj();
}

void TQuarvi::ToolButton10Click()
{
    polecenia_->Drukuj();
}

void TQuarvi::PodgladMouseDown(QMouseEvent* zdarzenie)
{
    TWidok& w = program_.Widok;
    const Qt::MouseButton przycisk = zdarzenie->button();
    if (przycisk != Qt::LeftButton && przycisk != Qt::MiddleButton)
        return;
    const QPoint p = Podglad_->Piksel(zdarzenie->position());
    const int32_t H = RozmiarPodgladu().Wysokosc;
    // The middle button pans at any time.
    if (przycisk == Qt::MiddleButton)
        w.TrybPrzesuwania = true;
    PoczatekPrzesuwania(w, p.x(), p.y(), H);
    if (w.Przeciaganie)
        Podglad_->setCursor(Qt::ClosedHandCursor);
    if (przycisk == Qt::LeftButton)
        PoczatekOkna(w, p.x(), p.y(), H);
}

void TQuarvi::PodgladMouseMove(QMouseEvent* zdarzenie)
{
    TWidok& w = program_.Widok;
    const QPoint p = Podglad_->Piksel(zdarzenie->position());
    const int32_t H = RozmiarPodgladu().Wysokosc;
    Panele_[0]->setText(Tekst(OdczytWspolrzednych(w, p.x(), p.y(), program_.Regionalne.SeparatorDziesietny)));
    // The sheet follows the mouse.
    if (Przesuwanie(w, p.x(), p.y(), H))
        polecenia_->WidokZmieniony();
    else if (w.RysowanieOkna)
        Podglad_->UstawRamke(QRect(QPoint(w.PunktX, H - w.PunktY), p));
}

void TQuarvi::PodgladMouseUp(QMouseEvent* zdarzenie)
{
    TWidok& w = program_.Widok;
    const QPoint p = Podglad_->Piksel(zdarzenie->position());
    const TRozmiarPowierzchni r = RozmiarPodgladu();
    const bool przeciagano = w.Przeciaganie;
    bool zmiana = KoniecPrzesuwania(w, p.x(), p.y(), r.Wysokosc);
    // A zoom window needs its press on the sheet (or the pan's, with both tools armed):
    // a release alone would zoom to wherever the last press was.
    if (w.TrybOkna && (w.RysowanieOkna || przeciagano) && KoniecOkna(w, p.x(), p.y(), r.Szerokosc, r.Wysokosc)) {
        Podglad_->UstawRamke(std::nullopt);
        zmiana = true;
    }
    if (!zmiana)
        return;
    Podglad_->setCursor(w.TrybOkna ? Qt::DragMoveCursor : Qt::CrossCursor);
    polecenia_->WidokZmieniony();
}

void TQuarvi::PodgladResize()
{
    polecenia_->WidokZmieniony();
}
