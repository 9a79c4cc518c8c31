#include "mainwindow/Quarvi.h"

#include "dialogs/Dialogi.h"
#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/Macierz.h"
#include "dialogs/PamiecPol.h"
#include "dialogs/Ustawienia.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/Przegladanie.h"
#include "mainwindow/Akcje.h"
#include "mainwindow/PasekStanu.h"
#include "mainwindow/Podglad.h"
#include "platform/TekstQt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace {

// The only file of a drop, when it is a task file.
QString PlikZadania(const QMimeData* dane)
{
    if (!dane || !dane->hasUrls() || dane->urls().size() != 1 || !dane->urls().front().isLocalFile())
        return {};
    const QString plik = dane->urls().front().toLocalFile();
    return QFileInfo(plik).suffix().compare(QLatin1String("qvr"), Qt::CaseInsensitive) == 0 ? plik : QString();
}

// What the user set, kept per user between runs: the settings dialog's
// fields and the window's place.
std::unique_ptr<QSettings> UstawieniaUzytkownika()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quarvi"),
                                       QStringLiteral("Quarvi"));
}

const QString KluczOkna = QStringLiteral("Okno/Geometria");
const QString KluczOstatnich = QStringLiteral("OstatniePliki");

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
    , sterowanie_(std::make_unique<TSterowanie>(
          program, otoczenie.Komunikaty, static_cast<IOknoWidoku&>(*this), [this] { polecenia_->Przerysuj(); },
          [this] { polecenia_->WidokZmieniony(); }))
{
    ZaladujIkony();
    setObjectName(QStringLiteral("Quarvi"));
    setWindowTitle(QStringLiteral("QUARVI[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/ikony/geometria.svg")));
    setAcceptDrops(true);

    UtworzDialogi(otoczenie);
    UtworzOknaWynikow();
    UtworzStrone();
    UtworzPaski();
    StatusBar1 = new TPasekStanu(this);
    setStatusBar(StatusBar1);
    // The wheel zooms wherever over the window it is turned.
    qApp->installEventFilter(this);

    if (const QScreen* ekran = screen()) {
        const QRect dostepne = ekran->availableGeometry();
        const TRozmiarPowierzchni r = RozmiarOkna({dostepne.width(), dostepne.height()});
        resize(r.Szerokosc, r.Wysokosc);
    }
    if (const QVariant miejsce = UstawieniaUzytkownika()->value(KluczOkna); miejsce.isValid())
        restoreGeometry(miejsce.toByteArray());
}

TQuarvi::~TQuarvi() = default;

void TQuarvi::UtworzDialogi(TOtoczenie& otoczenie)
{
    // The dialogs size their grids from the task: a new one until the window shows.
    NowyTemat(program_.Zadanie);
    dialogi_ = std::make_unique<TDialogi>(
        program_.Zadanie, program_.Wyniki, program_.Widok, otoczenie.Komunikaty,
        program_.Regionalne.SeparatorDziesietny, [this] { polecenia_->Przerysuj(); }, *this);
    polecenia_->Dialogi.NowyTemat = [this] {
        dialogi_->NowyTemat();
        PrzywrocUstawienia();
    };
    polecenia_->Dialogi.PoOdczycie = [this](const TWidokiZPliku& widoki) { dialogi_->PoOdczycie(widoki); };
    polecenia_->Dialogi.Pokazuj = [this] { return dialogi_->Pokazuj(); };
    polecenia_->Dialogi.ListaGrup = [this] { return dialogi_->ListaGrup().Pozycje(); };
    for (TDodajObciazenie* d : std::initializer_list<TDodajObciazenie*>{
             &dialogi_->DodajSile(), &dialogi_->DodajMoment(), &dialogi_->DodajLiniowe(), &dialogi_->DodajTroj()})
        PolaczDodawanie(*d);
    dialogi_->ListaZamknieta = [this](bool rozbijSilyGrupy) { sterowanie_->ZamknijListe(rozbijSilyGrupy); };
    connect(&dialogi_->OknoUstawien(), &QDialog::accepted, this,
            [this] { ZapamietajPola(dialogi_->OknoUstawien(), *UstawieniaUzytkownika()); });
}

// A new task starts with the settings the user last confirmed, when there are any.
void TQuarvi::PrzywrocUstawienia()
{
    const std::unique_ptr<QSettings> u = UstawieniaUzytkownika();
    TUstawienia& dialog = dialogi_->OknoUstawien();
    if (!u->childGroups().contains(dialog.objectName()))
        return;
    PrzywrocPola(dialog, *u);
    // Values once accepted are accepted again; one edited by hand into the file is left as the task has it.
    dialog.Zastosuj();
}

void TQuarvi::UtworzPaski()
{
    const TCeleAkcji cele{*sterowanie_, *polecenia_, *dialogi_, *Macierz_, *Zestawienie_};
    setMenuWidget(::UtworzPaski(*this, AkcjeOkna(cele), *ZoomMenu));
    // The two tools show while they are armed.
    TBZoomPan = findChild<QAction*>(QStringLiteral("TBZoomPan"), Qt::FindDirectChildrenOnly);
    TBOkno = findChild<QAction*>(QStringLiteral("TBOkno"), Qt::FindDirectChildrenOnly);
    TBZoomPan->setCheckable(true);
    TBOkno->setCheckable(true);
    PolaczHistorie();
    UtworzOstatnie();

    // Commands with a shortcut and no button.
    const auto skrot = [this](const char* nazwa, QKeySequence klawisze, auto polecenie) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(nazwa));
        a->setShortcut(klawisze);
        addAction(a);
        connect(a, &QAction::triggered, this, polecenie);
    };
    skrot("ZapiszDoPliku", QKeySequence::Save, [this] { polecenia_->Zapisz(); });
    skrot("NastepnyArkusz", QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { sterowanie_->NastepnyArkusz(); });
    skrot("PoprzedniArkusz", QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { sterowanie_->PoprzedniArkusz(); });
}

// The two buttons are enabled while there is a step to take and name it in their hints.
void TQuarvi::PolaczHistorie()
{
    QUndoStack& historia = polecenia_->Historia();
    const auto polacz = [this](const char* nazwa, const QString& polecenie, auto moze, auto zmianaMozliwosci,
                               auto tekst, auto zmianaTekstu, QUndoStack& h) {
        QAction* akcja = findChild<QAction*>(QLatin1String(nazwa), Qt::FindDirectChildrenOnly);
        const QString skrot = QStringLiteral(" (") + akcja->shortcut().toString(QKeySequence::NativeText) + ')';
        const auto odswiez = [akcja, polecenie, skrot, moze, tekst, &h] {
            const QString t = (h.*tekst)();
            const QString podpowiedz = t.isEmpty() ? polecenie : polecenie + QStringLiteral(": ") + t;
            akcja->setEnabled((h.*moze)());
            akcja->setToolTip(podpowiedz + skrot);
            akcja->setStatusTip(podpowiedz);
        };
        connect(&h, zmianaMozliwosci, akcja, odswiez);
        connect(&h, zmianaTekstu, akcja, odswiez);
        odswiez();
    };
    polacz("TBCofnij", QStringLiteral("Cofnij"), &QUndoStack::canUndo, &QUndoStack::canUndoChanged,
           &QUndoStack::undoText, &QUndoStack::undoTextChanged, historia);
    polacz("TBPonow", QStringLiteral("Ponów"), &QUndoStack::canRedo, &QUndoStack::canRedoChanged, &QUndoStack::redoText,
           &QUndoStack::redoTextChanged, historia);
}

void TQuarvi::UtworzOstatnie()
{
    std::vector<std::string> pliki;
    for (const QString& p : UstawieniaUzytkownika()->value(KluczOstatnich).toStringList())
        pliki.push_back(p.toStdString());
    polecenia_->UstawOstatnie(std::move(pliki));
    polecenia_->PoZmianieOstatnich = [this] {
        QStringList pliki;
        for (const std::string& p : polecenia_->Ostatnie())
            pliki << ZUtf8(p);
        UstawieniaUzytkownika()->setValue(KluczOstatnich, pliki);
    };

    auto* otworz = findChild<QToolButton*>(QStringLiteral("ToolButton7"));
    OstatnieMenu = new QMenu(otworz);
    OstatnieMenu->setObjectName(QStringLiteral("OstatnieMenu"));
    OstatnieMenu->setToolTipsVisible(true);
    otworz->setMenu(OstatnieMenu);
    // A click opens the dialog as before; held down, or clicked with the right
    // button, it offers the recent files. A separate arrow would push the last
    // buttons of the bars out of a window 900 pixels wide.
    otworz->setPopupMode(QToolButton::DelayedPopup);
    otworz->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(otworz, &QWidget::customContextMenuRequested, otworz, &QToolButton::showMenu);
    connect(OstatnieMenu, &QMenu::aboutToShow, this, &TQuarvi::OstatnieMenuAboutToShow);
}

void TQuarvi::OstatnieMenuAboutToShow()
{
    OstatnieMenu->clear();
    const std::vector<std::string>& pliki = polecenia_->Ostatnie();
    if (pliki.empty()) {
        OstatnieMenu->addAction(QStringLiteral("Brak ostatnio otwieranych plików"))->setEnabled(false);
        return;
    }
    const QFontMetrics miara(OstatnieMenu->font());
    for (size_t i = 0; i < pliki.size(); ++i) {
        const QString plik = QDir::toNativeSeparators(ZUtf8(pliki[i]));
        const QString tekst = miara.elidedText(plik, Qt::ElideMiddle, miara.averageCharWidth() * 70);
        QAction* a = OstatnieMenu->addAction(QStringLiteral("&%1  ").arg(i + 1) +
                                             QString(tekst).replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setObjectName(QStringLiteral("OstatniPlik%1").arg(i + 1));
        a->setToolTip(plik);
        // Queued: the menu closes before the file is read or a question asked.
        connect(a, &QAction::triggered, this, [this, i] { polecenia_->OtworzOstatni(i); }, Qt::QueuedConnection);
    }
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

    // Its items come with the tool bars' actions.
    ZoomMenu = new QMenu(Podglad_);
    ZoomMenu->setObjectName(QStringLiteral("ZoomMenu"));
    Podglad_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Podglad_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ZoomMenu->popup(Podglad_->mapToGlobal(p)); });
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
    StatusBar1->UstawNieZapisane(zad.NieZapisane);
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

void TQuarvi::Wiadomosc(const std::string& tekst)
{
    StatusBar1->showMessage(ZUtf8(tekst), 30000);
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
    StatusBar1->UstawOdczyt(tekst);
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
    if (zdarzenie->isAccepted())
        UstawieniaUzytkownika()->setValue(KluczOkna, saveGeometry());
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

TPiksel TQuarvi::Piksel(const QMouseEvent* zdarzenie) const
{
    const QPoint p = Podglad_->Piksel(zdarzenie->position());
    return {p.x(), p.y()};
}

void TQuarvi::PodgladMouseDown(QMouseEvent* zdarzenie)
{
    const Qt::MouseButton b = zdarzenie->button();
    // While the summary is open a click on a diagram sets its section (the zoom tools first).
    const TWidok& widok = program_.Widok;
    if (b == Qt::LeftButton && Zestawienie_->isVisible() && !widok.TrybPrzesuwania && !widok.TrybOkna) {
        const TPiksel p = Piksel(zdarzenie);
        if (const std::optional<double> x =
                PrzekrojWPunkcie(program_.Zadanie, widok, widok.ZEkranuX(p.Kolumna), widok.ZEkranuY(p.Wiersz))) {
            Zestawienie_->UstawPrzekroj(*x);
            return;
        }
    }
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

void TQuarvi::PodgladResize()
{
    polecenia_->WidokZmieniony();
}
