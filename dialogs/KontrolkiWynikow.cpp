#include "dialogs/KontrolkiWynikow.h"

#include "model/Zadanie.h"
#include "platform/Cp1250.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace SiatkaWynikow {

namespace {

const QColor TloStalych(212, 208, 200);
const QColor TloSzare(192, 192, 192);

// The cell font: small enough for rows of 16 pixels.
constexpr int WysokoscCzcionki = 11;

} // namespace

QTableWidget* Nowa(QWidget* rodzic, const char* nazwa)
{
    auto* s = new QTableWidget(rodzic);
    s->setObjectName(nazwa);
    s->horizontalHeader()->hide();
    s->verticalHeader()->hide();
    s->horizontalHeader()->setMinimumSectionSize(1);
    s->verticalHeader()->setMinimumSectionSize(1);
    s->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s->setSelectionMode(QAbstractItemView::SingleSelection);
    s->setWordWrap(false);
    QFont f = s->font();
    f.setPixelSize(WysokoscCzcionki);
    s->setFont(f);
    return s;
}

void Ustaw(QTableWidget* s, const TUklad& u, int szerokosc)
{
    s->clear();
    s->setColumnCount(u.Kolumny);
    s->setRowCount(u.Wiersze);
    s->horizontalHeader()->setDefaultSectionSize(u.SzerokoscKolumny);
    s->verticalHeader()->setDefaultSectionSize(u.WysokoscWiersza);
    for (int k = 0; k < u.Kolumny; ++k)
        s->setColumnWidth(k, u.SzerokoscKolumny);
    for (int w = 0; w < u.Wiersze; ++w)
        s->setRowHeight(w, u.WysokoscWiersza);
    s->setEditTriggers(u.Edytowalna ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    QFont pogrubiona = s->font();
    pogrubiona.setBold(u.Pogrubiona);
    for (int w = 0; w < u.Wiersze; ++w)
        for (int k = 0; k < u.Kolumny; ++k) {
            auto* item = new QTableWidgetItem;
            const bool stala = w < u.StaleWiersze || k < u.StaleKolumny;
            if (stala) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(TloStalych);
            } else {
                if (!u.Edytowalna)
                    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                if (u.Szara)
                    item->setBackground(TloSzare);
                item->setFont(pogrubiona);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            s->setItem(w, k, item);
        }
    const int ramka = 2 * s->frameWidth();
    const int szer = szerokosc > 0 ? szerokosc : u.Kolumny * u.SzerokoscKolumny + ramka;
    s->setFixedSize(szer, u.Wiersze * u.WysokoscWiersza + ramka);
}

void UstawTekst(QTableWidget* s, int kolumna, int wiersz, const QString& tekst)
{
    if (QTableWidgetItem* item = s->item(wiersz, kolumna))
        item->setText(tekst);
}

QString Tekst(const QTableWidget* s, int kolumna, int wiersz)
{
    const QTableWidgetItem* item = s->item(wiersz, kolumna);
    return item ? item->text() : QString();
}

} // namespace SiatkaWynikow

bool KlawiszPaska(QScrollBar* pasek, const QEvent* zdarzenie)
{
    if (zdarzenie->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<const QKeyEvent*>(zdarzenie)->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        pasek->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        pasek->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_PageDown:
        pasek->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_PageUp:
        pasek->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    default:
        return false;
    }
}

QLabel* NowyNapis(QWidget* rodzic, const char* nazwa, const char* tekst, bool pogrubiony)
{
    auto* l = new QLabel(QString::fromUtf8(tekst), rodzic);
    l->setObjectName(nazwa);
    if (pogrubiony) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QString NazwaKombinacji(const TDaneZadania& zad, int c)
{
    return QString::fromStdString(Cp1250NaUtf8(zad.Kombinacje[size_t(c)].Nazwa));
}
