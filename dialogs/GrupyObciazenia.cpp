#include "dialogs/GrupyObciazenia.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/Zatwierdzanie.h"
#include "platform/Komunikaty.h"

#include <QColor>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QColor NaQColor(int32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::optional<int32_t> KolorQt(int32_t obecny, QWidget* rodzic)
{
    const QColor c = QColorDialog::getColor(NaQColor(obecny), rodzic);
    if (!c.isValid())
        return std::nullopt;
    return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

} // namespace

TGrupyObciazenia::TGrupyObciazenia(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, QWidget* rodzic)
    : QDialog(rodzic)
    , CD_Kolorek(KolorQt)
    , zad_(zad)
    , lista_(lista)
    , komunikaty_(komunikaty)
{
    setObjectName(QStringLiteral("GrupyObciazenia"));
    setWindowTitle(QStringLiteral("Grupy obciażeń"));
    using namespace Kontrolki;

    L_Numer = Etykieta(this, "L_Numer", QStringLiteral("1"));
    E_Nazwa = Edycja(this, "E_Nazwa", QString(), QStringLiteral("WWWWWWWWWWWWWWWWWW"));
    E_Nazwa->setMaxLength(MaxDlugoscNazwy);
    kolorek = Przycisk(this, "kolorek", QString());
    kolorek->setFixedSize(E_Nazwa->sizeHint().height() * 2, E_Nazwa->sizeHint().height());
    kolorek->setToolTip(QStringLiteral("Kliknij, aby wybrać kolor"));
    Wprowadz = Przycisk(this, "Wprowadz", QStringLiteral("Wprowadź"));
    Wprowadz->setDefault(true);
    Powrot = Przycisk(this, "Powrot", QStringLiteral("Anuluj"));

    auto* pola = new QGridLayout;
    pola->addWidget(Etykieta(this, "StaticText3", QStringLiteral("Numer")), 0, 0);
    pola->addWidget(L_Numer, 0, 1);
    pola->addWidget(Etykieta(this, "StaticText2", QStringLiteral("Nazwa grupy (max. 20 znaków)")), 1, 0);
    pola->addWidget(E_Nazwa, 1, 1);
    pola->addWidget(Etykieta(this, "StaticText1", QStringLiteral("Rysuj kolorem ... ")), 2, 0);
    pola->addWidget(kolorek, 2, 1, Qt::AlignLeft);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(Wprowadz);
    przyciski->addWidget(Powrot);
    pola->addLayout(przyciski, 3, 0, 1, 2);
    setLayout(pola);
    pola->setSizeConstraint(QLayout::SetFixedSize);

    connect(kolorek, &QPushButton::clicked, this, &TGrupyObciazenia::kolorekClick);
    connect(Wprowadz, &QPushButton::clicked, this, &TGrupyObciazenia::WprowadzClick);
    connect(Powrot, &QPushButton::clicked, this, &TGrupyObciazenia::PowrotClick);
    UstawKolor(0);
}

void TGrupyObciazenia::Przygotuj(int numer, std::optional<int32_t> kolor)
{
    L_Numer->setText(QString::number(numer));
    E_Nazwa->clear();
    Wprowadz->setText(QStringLiteral("Wprowadź"));
    if (kolor)
        UstawKolor(*kolor);
}

void TGrupyObciazenia::Pokaz()
{
    E_Nazwa->setFocus();
    Kontrolki::PokazModalnie(*this);
}

void TGrupyObciazenia::UstawKolor(int32_t kolor)
{
    kolor_ = kolor;
    kolorek->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid palette(dark);").arg(NaQColor(kolor).name()));
}

void TGrupyObciazenia::kolorekClick()
{
    if (const std::optional<int32_t> k = CD_Kolorek(kolor_, this))
        UstawKolor(*k);
}

void TGrupyObciazenia::WprowadzClick()
{
    const std::string blad = WprowadzGrupe(zad_, L_Numer->text().toInt() - 1, E_Nazwa->text().toStdString(), kolor_);
    if (!blad.empty()) {
        komunikaty_.Komunikat(blad);
        return;
    }
    lista_.Odbuduj(zad_);
    accept();
}

void TGrupyObciazenia::PowrotClick()
{
    reject();
}
