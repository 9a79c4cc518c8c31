#include "dialogs/Kontrolki.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Kontrolki {

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst)
{
    auto* l = new QLabel(tekst, rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    return l;
}

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst)
{
    auto* p = new QPushButton(tekst, rodzic);
    p->setObjectName(QString::fromLatin1(nazwa));
    p->setAutoDefault(false);
    return p;
}

QLineEdit* Edycja(QWidget* rodzic, const char* nazwa, const QString& tekst, const QString& wzor)
{
    auto* e = new QLineEdit(tekst, rodzic);
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(wzor) + 16);
    return e;
}

void PokazModalnie(QDialog& dialog)
{
    if (dialog.windowModality() != Qt::ApplicationModal)
        dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
}

} // namespace Kontrolki
