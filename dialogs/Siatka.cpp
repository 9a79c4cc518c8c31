#include "dialogs/Siatka.h"

#include <QBrush>
#include <QHeaderView>
#include <QPalette>
#include <QTableWidget>

namespace Siatka {

QTableWidget* Nowa(QWidget* rodzic, const char* nazwa)
{
    auto* s = new QTableWidget(rodzic);
    s->setObjectName(QString::fromLatin1(nazwa));
    s->horizontalHeader()->hide();
    s->verticalHeader()->hide();
    s->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    s->setEditTriggers(QAbstractItemView::AllEditTriggers);
    s->setSelectionMode(QAbstractItemView::SingleSelection);
    return s;
}

void UstawStala(QTableWidget* s, int kolumna, int wiersz, const QString& tekst)
{
    auto* item = new QTableWidgetItem(tekst);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(s->palette().brush(QPalette::Button));
    item->setForeground(s->palette().brush(QPalette::ButtonText));
    s->setItem(wiersz, kolumna, item);
}

QString Tekst(const QTableWidget* s, int kolumna, int wiersz)
{
    const QTableWidgetItem* item = s->item(wiersz, kolumna);
    return item ? item->text() : QString();
}

void UstawTekst(QTableWidget* s, int kolumna, int wiersz, const QString& tekst)
{
    if (QTableWidgetItem* item = s->item(wiersz, kolumna))
        item->setText(tekst);
    else
        s->setItem(wiersz, kolumna, new QTableWidgetItem(tekst));
}

void Dopasuj(QTableWidget* s, int szerokoscStalej, int szerokoscKolumny)
{
    const int wysokosc = s->fontMetrics().height() + 8;
    s->setColumnWidth(0, szerokoscStalej);
    for (int k = 1; k < s->columnCount(); ++k)
        s->setColumnWidth(k, szerokoscKolumny);
    for (int w = 0; w < s->rowCount(); ++w)
        s->setRowHeight(w, wysokosc);
    const int ramka = 2 * s->frameWidth();
    s->setFixedSize(szerokoscStalej + (s->columnCount() - 1) * szerokoscKolumny + ramka,
                    s->rowCount() * wysokosc + ramka);
}

} // namespace Siatka
