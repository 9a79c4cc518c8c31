#include "dialogs/DodajWariant.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/Zatwierdzanie.h"
#include "platform/Komunikaty.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TDodajWariant::TDodajWariant(TDaneZadania& zad, IKomunikaty& komunikaty, QWidget* rodzic)
    : QDialog(rodzic)
    , zad_(zad)
    , komunikaty_(komunikaty)
{
    setObjectName(QStringLiteral("DodajWariant"));
    setWindowTitle(QStringLiteral("Dodaj wariant obciążenia"));
    using namespace Kontrolki;

    L_Numer = Etykieta(this, "L_Numer", QStringLiteral("1"));
    E_Nazwa = Edycja(this, "E_Nazwa", QString(), QStringLiteral("WWWWWWWWWWWWWWWWWW"));
    E_Nazwa->setMaxLength(MaxDlugoscNazwy);
    Wprowadz = Przycisk(this, "Wprowadz", QStringLiteral("Wprowadź"));
    Wprowadz->setDefault(true);
    Powrot = Przycisk(this, "Powrot", QStringLiteral("Anuluj"));

    auto* pola = new QGridLayout;
    pola->addWidget(Etykieta(this, "StaticText3", QStringLiteral("Numer")), 0, 0);
    pola->addWidget(L_Numer, 0, 1);
    pola->addWidget(Etykieta(this, "StaticText2", QStringLiteral("Nazwa wariantu (max. 20 znaków)")), 1, 0);
    pola->addWidget(E_Nazwa, 1, 1);
    UlozZPrzyciskami(*this, pola, Wprowadz, Powrot);

    connect(Wprowadz, &QPushButton::clicked, this, &TDodajWariant::WprowadzClick);
    connect(Powrot, &QPushButton::clicked, this, &TDodajWariant::PowrotClick);
}

void TDodajWariant::Przygotuj(int numer)
{
    L_Numer->setText(QString::number(numer));
    E_Nazwa->clear();
    Wprowadz->setText(QStringLiteral("Wprowadź"));
}

void TDodajWariant::Pokaz()
{
    E_Nazwa->setFocus();
    Kontrolki::PokazModalnie(*this);
}

void TDodajWariant::WprowadzClick()
{
    const std::string blad = WprowadzKombinacje(zad_, L_Numer->text().toInt() - 1, E_Nazwa->text().toStdString());
    if (!blad.empty()) {
        komunikaty_.Komunikat(blad);
        return;
    }
    accept();
}

void TDodajWariant::PowrotClick()
{
    reject();
}
