#include "dialogs/KontrolkiWynikow.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/Siatka.h"
#include "model/Zadanie.h"
#include "platform/Cp1250.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace SiatkaWynikow {

QTableWidget* Nowa(QWidget* rodzic, const char* nazwa)
{
    QTableWidget* s = Siatka::Nowa(rodzic, nazwa);
    s->horizontalHeader()->setMinimumSectionSize(1);
    s->verticalHeader()->setMinimumSectionSize(1);
    s->setWordWrap(false);
    QFont f = s->font();
    f.setPixelSize(11);
    s->setFont(f);
    return s;
}

void Ustaw(QTableWidget* s, const TUklad& u, int szerokosc)
{
    s->clear();
    s->setColumnCount(u.Kolumny);
    s->setRowCount(u.Wiersze);
    for (int k = 0; k < u.Kolumny; ++k)
        s->setColumnWidth(k, u.SzerokoscKolumny);
    for (int w = 0; w < u.Wiersze; ++w)
        s->setRowHeight(w, u.WysokoscWiersza);
    s->setEditTriggers(u.Edytowalna ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    QFont pogrubiona = s->font();
    pogrubiona.setBold(u.Pogrubiona);
    const QColor szare(192, 192, 192);
    for (int w = 0; w < u.Wiersze; ++w)
        for (int k = 0; k < u.Kolumny; ++k) {
            if (w < u.StaleWiersze || k < u.StaleKolumny) {
                Siatka::UstawStala(s, k, w, QString());
                continue;
            }
            auto* item = new QTableWidgetItem;
            if (!u.Edytowalna)
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (u.Szara)
                item->setBackground(szare);
            item->setFont(pogrubiona);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            s->setItem(w, k, item);
        }
    const int ramka = 2 * s->frameWidth();
    s->setFixedSize(szerokosc > 0 ? szerokosc : u.Kolumny * u.SzerokoscKolumny + ramka,
                    u.Wiersze * u.WysokoscWiersza + ramka);
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
    QLabel* l = Kontrolki::Etykieta(rodzic, nazwa, QString::fromUtf8(tekst));
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
