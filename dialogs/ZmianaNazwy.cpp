#include "dialogs/ZmianaNazwy.h"

#include "dialogs/Kontrolki.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TZmianaNazwy::TZmianaNazwy(IKomunikaty& komunikaty, QWidget* rodzic) : QDialog(rodzic), komunikaty_(komunikaty)
{
    setObjectName(QStringLiteral("ZmianaNazwy"));
    using namespace Kontrolki;

    L_Numer = Etykieta(this, "L_Numer", QStringLiteral("1"));
    L_Nazwa = Etykieta(this, "L_Nazwa", QString());
    E_Nazwa = Edycja(this, "E_Nazwa", QString(), QStringLiteral("WWWWWWWWWWWWWWWWWW"));
    E_Nazwa->setMaxLength(MaxDlugoscNazwy);
    Wprowadz = Przycisk(this, "Wprowadz", QStringLiteral("Zmień"));
    Wprowadz->setDefault(true);
    Powrot = Przycisk(this, "Powrot", QStringLiteral("Anuluj"));

    auto* pola = new QGridLayout;
    pola->addWidget(Etykieta(this, "StaticText3", QStringLiteral("Numer")), 0, 0);
    pola->addWidget(L_Numer, 0, 1);
    pola->addWidget(L_Nazwa, 1, 0);
    pola->addWidget(E_Nazwa, 1, 1);
    UlozZPrzyciskami(*this, pola, Wprowadz, Powrot);

    connect(Wprowadz, &QPushButton::clicked, this, &TZmianaNazwy::WprowadzClick);
    connect(Powrot, &QPushButton::clicked, this, &TZmianaNazwy::PowrotClick);
}

void TZmianaNazwy::Przygotuj(const QString& tytul, const QString& opis, int numer, const QString& nazwa, TZmiana zmiana)
{
    setWindowTitle(tytul);
    L_Nazwa->setText(opis);
    L_Numer->setText(QString::number(numer));
    E_Nazwa->setText(nazwa);
    E_Nazwa->selectAll();
    zmiana_ = std::move(zmiana);
}

void TZmianaNazwy::Pokaz()
{
    E_Nazwa->setFocus();
    Kontrolki::PokazModalnie(*this);
}

void TZmianaNazwy::WprowadzClick()
{
    if (const std::optional<std::string> blad = zmiana_ ? zmiana_(E_Nazwa->text().toStdString()) : std::nullopt) {
        komunikaty_.Komunikat(*blad);
        return;
    }
    accept();
}

void TZmianaNazwy::PowrotClick()
{
    reject();
}
