#include "dialogs/Kontrolki.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
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

void UlozZPrzyciskami(QDialog& dialog, QGridLayout* pola, QPushButton* wprowadz, QPushButton* powrot)
{
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(wprowadz);
    przyciski->addWidget(powrot);
    pola->addLayout(przyciski, pola->rowCount(), 0, 1, 2);
    dialog.setLayout(pola);
    pola->setSizeConstraint(QLayout::SetFixedSize);
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
