#include "dialogs/ZestawieniePrzekrojowych.h"

#include "analysis/ObwiednieNormowe.h"
#include "analysis/Przekroj.h"
#include "analysis/Wyniki.h"
#include "analysis/Ugiecia.h"
#include "dialogs/OdmowyWynikow.h"
#include "dialogs/Kontrolki.h"
#include "dialogs/KontrolkiWynikow.h"
#include "dialogs/Siatka.h"
#include "drawing/Arkusze.h"
#include "drawing/ZnacznikiPrzekroju.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"

#include <QFontMetrics>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int SzerokoscMaksimow = 70;
constexpr int Margines = 5;
constexpr int KrokStrony = 100; // Page Up / Page Down: one metre
constexpr int SzerokoscPrzyczyny = 340;
// Room a cell keeps beside its text.
constexpr int Odstep = 16;

// The rows of the design envelopes' table: a state, a quantity and which extreme.
struct TWierszNormowy {
    const char* Naglowek;
    TStanNormowy Stan;
    char Wielkosc; // 'M', 'T' or 'w'
    bool Max;
};
constexpr TWierszNormowy WierszeNormowe[] = {
    {"SGN  M max", TStanNormowy::SGN, 'M', true},
    {"SGN  M min", TStanNormowy::SGN, 'M', false},
    {"SGN  T max", TStanNormowy::SGN, 'T', true},
    {"SGN  T min", TStanNormowy::SGN, 'T', false},
    {"SGU char.  M max", TStanNormowy::SGUCharakterystyczna, 'M', true},
    {"SGU char.  M min", TStanNormowy::SGUCharakterystyczna, 'M', false},
    {"SGU char.  w max", TStanNormowy::SGUCharakterystyczna, 'w', true},
    {"SGU char.  w min", TStanNormowy::SGUCharakterystyczna, 'w', false},
    {"SGU quasi  M max", TStanNormowy::SGUQuasi, 'M', true},
    {"SGU quasi  M min", TStanNormowy::SGUQuasi, 'M', false},
    {"SGU quasi  w max", TStanNormowy::SGUQuasi, 'w', true},
    {"SGU quasi  w min", TStanNormowy::SGUQuasi, 'w', false},
};

// Of the two sides of a jump, the one farther out: larger for a maximum, smaller for a minimum.
const TEkstremumNormowe& Dalszy(const TEkstremumNormowe& l, const TEkstremumNormowe& p, bool max)
{
    return (max ? p.Wartosc > l.Wartosc : p.Wartosc < l.Wartosc) ? p : l;
}

const TEkstremumNormowe& Ekstremum(const TPrzekrojNormowy& p, const TWierszNormowy& w)
{
    switch (w.Wielkosc) {
    case 'M':
        return w.Max ? Dalszy(p.MmaxL, p.MmaxP, true) : Dalszy(p.MminL, p.MminP, false);
    case 'T':
        return w.Max ? Dalszy(p.TmaxL, p.TmaxP, true) : Dalszy(p.TminL, p.TminP, false);
    default:
        return w.Max ? p.Wmax : p.Wmin;
    }
}

int SzerokoscKolumny(int iloscKombinacji)
{
    if (iloscKombinacji < 2)
        return 150;
    if (iloscKombinacji < 4)
        return 100;
    if (iloscKombinacji < 6)
        return 80;
    return 50;
}

// Beside the main window (right, then left) where the screen has room,
// otherwise in its bottom right corner; always whole on the screen.
QPoint MiejsceOkna(const QRect& glowne, const QSize& rozmiar, const QRect& ekran)
{
    QPoint p(glowne.right() + 1, glowne.bottom() - rozmiar.height());
    if (p.x() + rozmiar.width() > ekran.right() + 1) {
        p.setX(glowne.left() - rozmiar.width());
        if (p.x() < ekran.left())
            p.setX(glowne.right() - rozmiar.width());
    }
    p.setX(std::clamp(p.x(), ekran.left(), std::max(ekran.left(), ekran.right() + 1 - rozmiar.width())));
    p.setY(std::clamp(p.y(), ekran.top(), std::max(ekran.top(), ekran.bottom() + 1 - rozmiar.height())));
    return p;
}

} // namespace

TZestawieniePrzekrojowych::TZestawieniePrzekrojowych(const TKompozycja& k, QWidget* rodzic) : QDialog(rodzic), k_(k)
{
    setObjectName("ZestawieniePrzekrojowych");
    setWindowTitle(QString::fromUtf8("Zestawienie sił przekrojowych"));
    setModal(false);
    UtworzKontrolki();
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TZestawieniePrzekrojowych::ScrollBar1Change);
    connect(Button1, &QPushButton::clicked, this, &TZestawieniePrzekrojowych::Button1Click);
    connect(E_Polozenie, &QLineEdit::returnPressed, this, &TZestawieniePrzekrojowych::E_PolozenieEnter);
}

void TZestawieniePrzekrojowych::UtworzKontrolki()
{
    StaticText1 = NowyNapis(this, "StaticText1", "Nr belki....", false);
    L_NrBelki = NowyNapis(this, "L_NrBelki", "1", true);
    StaticText2 = NowyNapis(this, "StaticText2", "x[m] .......", false);
    L_Polozenie = NowyNapis(this, "L_Polozenie", "0", true);
    // Room for the longest texts, so the labels do not jump as the section moves.
    L_NrBelki->setMinimumWidth(L_NrBelki->fontMetrics().horizontalAdvance("00"));
    L_Polozenie->setMinimumWidth(L_Polozenie->fontMetrics().horizontalAdvance("00000,00"));
    SG_TabelaSilPrzekrojowych = SiatkaWynikow::Nowa(this, "SG_TabelaSilPrzekrojowych");
    SG_Maxima = SiatkaWynikow::Nowa(this, "SG_Maxima");
    // The keys belong to the scroll bar.
    SG_TabelaSilPrzekrojowych->setFocusPolicy(Qt::NoFocus);
    SG_Maxima->setFocusPolicy(Qt::NoFocus);
    StaticText4 = NowyNapis(this, "StaticText4", "Obwiednie normowe (grupy sklasyfikowane) w przekroju", true);
    SG_Normowe = SiatkaWynikow::Nowa(this, "SG_Normowe");
    SG_Normowe->setFocusPolicy(Qt::NoFocus);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(0, 0);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(KrokStrony);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    StaticText3 = NowyNapis(this, "StaticText3", "x od lewego końca [m]", false);
    E_Polozenie = new QLineEdit(this);
    E_Polozenie->setObjectName("E_Polozenie");
    E_Polozenie->setMaximumWidth(E_Polozenie->fontMetrics().horizontalAdvance("000000,00") + 12);
    Button1 = Kontrolki::Przycisk(this, "Button1", "Zamknij");
    Button1->setFocusPolicy(Qt::NoFocus);
    for (QWidget* w :
         std::initializer_list<QWidget*>{SG_TabelaSilPrzekrojowych, SG_Maxima, SG_Normowe, ScrollBar1, Button1})
        w->installEventFilter(this);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(Margines, Margines, Margines, Margines);
    uklad->setSpacing(6);
    auto* opis = new QHBoxLayout;
    opis->addWidget(StaticText1);
    opis->addWidget(L_NrBelki);
    opis->addSpacing(30);
    opis->addWidget(StaticText2);
    opis->addWidget(L_Polozenie);
    opis->addSpacing(30);
    opis->addWidget(StaticText3);
    opis->addWidget(E_Polozenie);
    opis->addStretch(1);
    uklad->addLayout(opis);
    auto* tabele = new QHBoxLayout;
    tabele->setSpacing(0);
    tabele->addWidget(SG_TabelaSilPrzekrojowych, 0, Qt::AlignTop);
    tabele->addWidget(SG_Maxima, 0, Qt::AlignTop);
    tabele->addStretch(1);
    uklad->addLayout(tabele);
    uklad->addWidget(StaticText4);
    uklad->addWidget(SG_Normowe, 0, Qt::AlignLeft);
    uklad->addWidget(ScrollBar1);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Button1);
    uklad->addLayout(przyciski);
}

void TZestawieniePrzekrojowych::Przygotuj()
{
    const TDaneZadania& zad = k_.Zadanie;
    const int K = zad.IloscKombinacji;
    {
        // The section stays where it was when the beam is long enough; the
        // caller then reads it once.
        const QSignalBlocker cisza(ScrollBar1);
        ScrollBar1->setRange(0, DlugoscBelkiCm(zad));
    }
    const int w = SzerokoscKolumny(K);
    QTableWidget* t = SG_TabelaSilPrzekrojowych;
    SiatkaWynikow::Ustaw(t, {.Kolumny = K + 1, .Wiersze = 5, .StaleKolumny = 1, .SzerokoscKolumny = w},
                         (w + 2) * (K + 1));
    Siatka::UstawTekst(t, 0, 0, "M,T\\Kombin.");
    Siatka::UstawTekst(t, 0, 1, "M...[kNm]");
    Siatka::UstawTekst(t, 0, 2, "T....[kN]");
    const bool dlugosc = !SztywnoscJednostkowa(zad);
    Siatka::UstawTekst(t, 0, 3, dlugosc ? "w....[mm]" : "EJw.[kNm3]");
    Siatka::UstawTekst(t, 0, 4, dlugosc ? QStringLiteral("φ...[rad]") : QStringLiteral("EJφ.[kNm2]"));
    for (int c = 0; c < K; ++c)
        Siatka::UstawTekst(t, c + 1, 0, QString::number(c) + "  " + NazwaKombinacji(zad, c));
    // Laid out afresh, so no extremes of an earlier task stay in it.
    SiatkaWynikow::Ustaw(SG_Maxima, {.Kolumny = 2, .Wiersze = 4, .SzerokoscKolumny = SzerokoscMaksimow});
    Siatka::UstawTekst(SG_Maxima, 0, 0, "  Max");
    Siatka::UstawTekst(SG_Maxima, 1, 0, "  Min");
    const bool normowe = k_.Wyniki.Normowe.Sa;
    StaticText4->setVisible(normowe);
    SG_Normowe->setVisible(normowe);
    if (normowe) {
        const int wiersze = int(std::size(WierszeNormowe)) + 1;
        SiatkaWynikow::Ustaw(SG_Normowe,
                             {.Kolumny = 3, .Wiersze = wiersze, .StaleKolumny = 1, .SzerokoscKolumny = 110});
        const QString w = dlugosc ? QStringLiteral("[mm]") : QStringLiteral("[kNm3]");
        Siatka::UstawTekst(SG_Normowe, 0, 0, QString());
        Siatka::UstawTekst(SG_Normowe, 1, 0, QStringLiteral("Wartość"));
        Siatka::UstawTekst(SG_Normowe, 2, 0, QStringLiteral("Przyczyna"));
        QFont pogrubiona = SG_Normowe->font(); // as wide as the cells may draw their text
        pogrubiona.setBold(true);
        const QFontMetrics miara(pogrubiona);
        int naglowki = 110;
        for (int i = 0; i < wiersze - 1; ++i) {
            const TWierszNormowy& n = WierszeNormowe[i];
            const QString jednostka = n.Wielkosc == 'M'   ? QStringLiteral("[kNm]")
                                      : n.Wielkosc == 'T' ? QStringLiteral("[kN]")
                                                          : w;
            const QString naglowek = QString::fromUtf8(n.Naglowek) + QStringLiteral(" ") + jednostka;
            Siatka::UstawTekst(SG_Normowe, 0, i + 1, naglowek);
            naglowki = std::max(naglowki, miara.horizontalAdvance(naglowek) + Odstep);
        }
        // Wide enough for every cause the beam's extremes have, so a cause at
        // any section reads whole: they are the same kinds of text.
        int przyczyny = SzerokoscPrzyczyny;
        const auto szerokosc = [&](const TPrzyczyna& p) {
            return miara.horizontalAdvance(QString::fromStdString(OpisPrzyczyny(zad, p))) + Odstep;
        };
        for (const TObwiedniaNormowa& o : k_.Wyniki.Normowe.Stany) {
            for (const TPrzesloNormowe& pr : o.Przesla)
                for (const TEkstremumNormowe* e : {&pr.Mmax, &pr.Mmin, &pr.Tmax, &pr.Tmin, &pr.Wmax, &pr.Wmin})
                    przyczyny = std::max(przyczyny, szerokosc(e->Przyczyna));
            // The reactions' minima name the permanent groups at their lower factor, as sections may.
            for (const TReakcjaNormowa& r : o.Reakcje)
                przyczyny = std::max({przyczyny, szerokosc(r.Max.Przyczyna), szerokosc(r.Min.Przyczyna)});
        }
        SG_Normowe->setColumnWidth(0, naglowki);
        SG_Normowe->setColumnWidth(2, przyczyny);
        SG_Normowe->setFixedWidth(SG_Normowe->width() + naglowki + przyczyny - 2 * 110);
    }
    // As wide as the tables, or as the line above them with the x edit when that is wider.
    const int opis = layout()->itemAt(0)->sizeHint().width() + 2 * Margines;
    setFixedWidth(std::max({SG_TabelaSilPrzekrojowych->width() + SG_Maxima->width() + 2 * Margines, opis,
                            normowe ? SG_Normowe->width() + 2 * Margines : 0}));
    setFixedHeight(sizeHint().height());
}

bool TZestawieniePrzekrojowych::Pokaz()
{
    if (const auto odmowa = OdmowaZestawienia(k_.Zadanie, k_.Wyniki)) {
        k_.Komunikaty.Komunikat(*odmowa);
        return false;
    }
    Przygotuj();
    {
        const QSignalBlocker cisza(ScrollBar1);
        ScrollBar1->setValue(0);
    }
    // The first time beside the main window, off the diagrams; later where the user left it.
    const bool umiescic = !umieszczone_ && parentWidget();
    if (umiescic)
        Umiesc();
    show();
    // Shown, the frame is known: whole on the screen with it.
    if (umiescic)
        Umiesc();
    raise();
    activateWindow();
    ScrollBar1->setFocus();
    ScrollBar1Change();
    return true;
}

void TZestawieniePrzekrojowych::Umiesc()
{
    const QRect r = parentWidget()->frameGeometry();
    const QScreen* ekran = parentWidget()->screen();
    const QSize rozmiar = frameGeometry().size().expandedTo(sizeHint());
    move(MiejsceOkna(r, rozmiar, ekran ? ekran->availableGeometry() : r));
    umieszczone_ = true;
}

void TZestawieniePrzekrojowych::ZadanieZmienione()
{
    if (!isVisible())
        return;
    if (OdmowaZestawienia(k_.Zadanie, k_.Wyniki)) {
        close();
        return;
    }
    Przygotuj();
    ScrollBar1Change();
}

void TZestawieniePrzekrojowych::ScrollBar1Change()
{
    const TDaneZadania& zad = k_.Zadanie;
    // Results that no longer belong to the task are never shown.
    if (!SaWynikiPrzekrojow(zad, k_.Wyniki)) {
        close();
        return;
    }
    const TPrzekroj p = PrzekrojBelki(zad, ScrollBar1->value());
    L_NrBelki->setText(QString::number(p.Przeslo));
    L_Polozenie->setText(QString::fromStdString(FormatujMaska(p.X, Maska::Polozenie, k_.Separator)));
    E_Polozenie->setText(
        QString::fromStdString(FormatujMaska(ScrollBar1->value() / 100.0, Maska::Polozenie, k_.Separator)));

    const TSilyPrzekroju sily = SilyPrzekroju(zad, k_.Wyniki, p, k_.Separator);
    QTableWidget* t = SG_TabelaSilPrzekrojowych;
    for (size_t c = 0; c < sily.M.size(); ++c) {
        Siatka::UstawTekst(t, int(c) + 1, 1, QString::fromStdString(sily.TekstyM[c]));
        Siatka::UstawTekst(t, int(c) + 1, 2, QString::fromStdString(sily.TekstyT[c]));
    }
    for (size_t c = 0; c < sily.W.size(); ++c) {
        Siatka::UstawTekst(t, int(c) + 1, 3, QString::fromStdString(sily.TekstyW[c]));
        Siatka::UstawTekst(t, int(c) + 1, 4, QString::fromStdString(sily.TekstyFi[c]));
    }
    if (sily.SaEkstrema) {
        const auto wartosc = [&](double v) {
            return QString::fromStdString(FormatujMaska(v, Maska::Wartosc, k_.Separator));
        };
        Siatka::UstawTekst(SG_Maxima, 0, 1, wartosc(sily.MaxM));
        Siatka::UstawTekst(SG_Maxima, 1, 1, wartosc(sily.MinM));
        Siatka::UstawTekst(SG_Maxima, 0, 2, wartosc(sily.MaxT));
        Siatka::UstawTekst(SG_Maxima, 1, 2, wartosc(sily.MinT));
        if (!sily.W.empty()) {
            Siatka::UstawTekst(SG_Maxima, 0, 3, wartosc(sily.MaxW));
            Siatka::UstawTekst(SG_Maxima, 1, 3, wartosc(sily.MinW));
        }
    }
    RysujZnaczniki(&sily);
    PokazNormowe(p.Przeslo, p.X);
}

void TZestawieniePrzekrojowych::PokazNormowe(int32_t przeslo, double x)
{
    const TDaneZadania& zad = k_.Zadanie;
    if (!k_.Wyniki.Normowe.Sa || !SG_Normowe->isVisible())
        return;
    const double skalaW = SkalaUgiec(zad);
    TStanNormowy stan{};
    TPrzekrojNormowy p;
    for (int i = 0; i < int(std::size(WierszeNormowe)); ++i) {
        const TWierszNormowy& n = WierszeNormowe[i];
        if (i == 0 || n.Stan != stan) {
            stan = n.Stan;
            p = PrzekrojNormowy(zad, k_.Wyniki, stan, przeslo, x);
        }
        const TEkstremumNormowe& e = Ekstremum(p, n);
        const bool w = n.Wielkosc == 'w';
        const double v = w ? skalaW * e.Wartosc : e.Wartosc;
        Siatka::UstawTekst(SG_Normowe, 1, i + 1,
                           QString::fromStdString(FormatujMaska(v, w ? "#######0.0" : Maska::Wartosc, k_.Separator)));
        // A zero has no cause worth naming: nothing was unfavourable.
        const QString przyczyna =
            std::abs(v) > 0.005 ? QString::fromStdString(OpisPrzyczyny(zad, e.Przyczyna)) : QString();
        Siatka::UstawTekst(SG_Normowe, 2, i + 1, przyczyna);
        if (QTableWidgetItem* komorka = SG_Normowe->item(i + 1, 2)) {
            komorka->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            komorka->setToolTip(przyczyna);
        }
    }
}

void TZestawieniePrzekrojowych::E_PolozenieEnter()
{
    const std::string tekst = E_Polozenie->text().toStdString();
    double x = 0;
    if (!CzytajLiczbeNormalizujac(tekst, k_.Separator, x)) {
        k_.Komunikaty.Komunikat(KomunikatRzeczywistej(tekst));
        return;
    }
    UstawPrzekroj(x);
    // The same value again leaves the bar still: the edit shows it as the program writes it.
    ScrollBar1Change();
}

void TZestawieniePrzekrojowych::UstawPrzekroj(double metry)
{
    const double cm = std::round(metry * 100);
    ScrollBar1->setValue(int(std::clamp(cm, double(ScrollBar1->minimum()), double(ScrollBar1->maximum()))));
}

void TZestawieniePrzekrojowych::Button1Click()
{
    close();
}

void TZestawieniePrzekrojowych::RysujZnaczniki(const TSilyPrzekroju* sily)
{
    if (!nakladka_)
        return;
    if (!sily) {
        nakladka_->Rysuj({});
        return;
    }
    nakladka_->Rysuj([&](IPowierzchnia& p) {
        ZnacznikiPrzekroju({p, k_.Widok, k_.Zadanie.Nastawy, k_.Separator}, k_.Zadanie, k_.Wyniki, k_.Pokazuj, *sily);
    });
}

bool TZestawieniePrzekrojowych::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(zdarzenie)->matches(QKeySequence::Copy)) {
        KopiujTabele();
        return true;
    }
    if (KlawiszPaska(ScrollBar1, zdarzenie))
        return true;
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TZestawieniePrzekrojowych::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (zdarzenie->matches(QKeySequence::Copy)) {
        KopiujTabele();
        return;
    }
    // Enter in the x edit moves the section; it never closes the window.
    if (zdarzenie->key() == Qt::Key_Return || zdarzenie->key() == Qt::Key_Enter)
        return;
    if (!KlawiszPaska(ScrollBar1, zdarzenie))
        QDialog::keyPressEvent(zdarzenie);
}

namespace {

// A row a line, cells apart by tabs, without the blanks that align them on screen.
QString TekstTabeli(const QTableWidget& t)
{
    QString tekst;
    for (int w = 0; w < t.rowCount(); ++w) {
        QStringList komorki;
        for (int k = 0; k < t.columnCount(); ++k) {
            const QTableWidgetItem* i = t.item(w, k);
            komorki << (i ? i->text().trimmed() : QString());
        }
        tekst += komorki.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return tekst;
}

} // namespace

void TZestawieniePrzekrojowych::KopiujTabele()
{
    QString tekst = TekstTabeli(*SG_TabelaSilPrzekrojowych);
    // The maxima only when they hold values: with two or more combinations.
    const QTableWidgetItem* max = SG_Maxima->item(1, 0);
    if (max && !max->text().trimmed().isEmpty())
        tekst += QLatin1Char('\n') + TekstTabeli(*SG_Maxima);
    QGuiApplication::clipboard()->setText(tekst);
}

void TZestawieniePrzekrojowych::done(int wynik)
{
    // The sheet picture alone again.
    RysujZnaczniki(nullptr);
    QDialog::done(wynik);
}
