#include "dialogs/GrupyObciazenia.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/Zatwierdzanie.h"
#include "model/Zadanie.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"

#include <QColor>
#include <QColorDialog>
#include <QComboBox>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

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

TGrupyObciazenia::TGrupyObciazenia(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
                                   QWidget* rodzic)
    : QDialog(rodzic)
    , CD_Kolorek(KolorQt)
    , zad_(zad)
    , lista_(lista)
    , komunikaty_(komunikaty)
    , separator_(separator)
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
    // In the order of TRodzajGrupy and TKategoriaZmiennych: the index is the value.
    RodzajGrupy = new QComboBox(this);
    RodzajGrupy->setObjectName(QStringLiteral("RodzajGrupy"));
    RodzajGrupy->addItems({QStringLiteral("nieklasyfikowane"), QStringLiteral("stałe"), QStringLiteral("zmienne")});
    RodzajGrupy->setToolTip(QStringLiteral("Grupy niesklasyfikowane wchodzą tylko do kombinacji z tabeli, "
                                           "nie do obwiedni SGN i SGU"));
    KategoriaGrupy = new QComboBox(this);
    KategoriaGrupy->setObjectName(QStringLiteral("KategoriaGrupy"));
    for (int k = 0; k < IloscKategoriiZmiennych; ++k)
        KategoriaGrupy->addItem(QString::fromUtf8(NazwaKategorii(TKategoriaZmiennych(k))));
    PoPrzeslach = new QCheckBox(QStringLiteral("po przęsłach"), this);
    PoPrzeslach->setObjectName(QStringLiteral("PoPrzeslach"));
    PoPrzeslach->setToolTip(QStringLiteral("Obciąża każde przęsło osobno, tam gdzie działa niekorzystnie; "
                                           "bez zaznaczenia działa na całej belce albo wcale"));
    L_Psi = Etykieta(this, "L_Psi", QString());

    auto* pola = new QGridLayout;
    pola->addWidget(Etykieta(this, "StaticText3", QStringLiteral("Numer")), 0, 0);
    pola->addWidget(L_Numer, 0, 1);
    pola->addWidget(Etykieta(this, "StaticText2", QStringLiteral("Nazwa grupy (max. 20 znaków)")), 1, 0);
    pola->addWidget(E_Nazwa, 1, 1);
    pola->addWidget(Etykieta(this, "StaticText1", QStringLiteral("Rysuj kolorem ... ")), 2, 0);
    pola->addWidget(kolorek, 2, 1, Qt::AlignLeft);
    pola->addWidget(Etykieta(this, "StaticText4", QStringLiteral("Rodzaj obciążenia")), 3, 0);
    pola->addWidget(RodzajGrupy, 3, 1);
    pola->addWidget(Etykieta(this, "StaticText5", QStringLiteral("Kategoria")), 4, 0);
    pola->addWidget(KategoriaGrupy, 4, 1);
    pola->addWidget(PoPrzeslach, 5, 1);
    pola->addWidget(L_Psi, 6, 1);
    UlozZPrzyciskami(*this, pola, Wprowadz, Powrot);

    connect(kolorek, &QPushButton::clicked, this, &TGrupyObciazenia::kolorekClick);
    connect(Wprowadz, &QPushButton::clicked, this, &TGrupyObciazenia::WprowadzClick);
    connect(Powrot, &QPushButton::clicked, this, &TGrupyObciazenia::PowrotClick);
    // Only what the user chooses: the dialog filling itself sets no defaults.
    connect(RodzajGrupy, &QComboBox::activated, this, &TGrupyObciazenia::RodzajGrupyChange);
    connect(KategoriaGrupy, &QComboBox::activated, this, &TGrupyObciazenia::KategoriaGrupyChange);
    UstawKolor(0);
    UstawKlasyfikacje({});
}

void TGrupyObciazenia::Przygotuj(int numer, std::optional<int32_t> kolor)
{
    L_Numer->setText(QString::number(numer));
    E_Nazwa->clear();
    Wprowadz->setText(QStringLiteral("Wprowadź"));
    if (kolor)
        UstawKolor(*kolor);
    UstawKlasyfikacje({});
}

void TGrupyObciazenia::PrzygotujZmiane(int numer)
{
    const size_t i = size_t(std::clamp(numer, 1, int(TDaneZadania::MaxGrup)) - 1);
    L_Numer->setText(QString::number(i + 1));
    E_Nazwa->setText(QString::fromStdString(Cp1250NaUtf8(zad_.Grupy[i].Nazwa)));
    Wprowadz->setText(QStringLiteral("Zmień"));
    UstawKolor(zad_.Grupy[i].Kolor);
    UstawKlasyfikacje(zad_.Klasyfikacje[i]);
}

void TGrupyObciazenia::UstawKlasyfikacje(const TKlasyfikacjaGrupy& k)
{
    RodzajGrupy->setCurrentIndex(int(k.Rodzaj));
    KategoriaGrupy->setCurrentIndex(int(k.Kategoria));
    PoPrzeslach->setChecked(k.PoPrzeslach);
    Dostepnosc();
}

TKlasyfikacjaGrupy TGrupyObciazenia::Klasyfikacja() const
{
    TKlasyfikacjaGrupy k;
    k.Rodzaj = TRodzajGrupy(std::max(RodzajGrupy->currentIndex(), 0));
    k.Kategoria = TKategoriaZmiennych(std::max(KategoriaGrupy->currentIndex(), 0));
    k.PoPrzeslach = PoPrzeslach->isChecked();
    return k;
}

// The category, its switch and its ψ belong to a variable group only.
void TGrupyObciazenia::Dostepnosc()
{
    const bool zmienne = RodzajGrupy->currentIndex() == int(TRodzajGrupy::Zmienne);
    KategoriaGrupy->setEnabled(zmienne);
    PoPrzeslach->setEnabled(zmienne);
    L_Psi->setEnabled(zmienne);
    const TWspolczynnikiPsi psi = WspolczynnikiPsi(TKategoriaZmiennych(std::max(KategoriaGrupy->currentIndex(), 0)));
    const auto liczba = [&](double v) { return QString::fromStdString(FormatujMaska(v, "0.0", separator_)); };
    L_Psi->setText(
        zmienne
            ? QStringLiteral("ψ0 = %1   ψ1 = %2   ψ2 = %3").arg(liczba(psi.Psi0), liczba(psi.Psi1), liczba(psi.Psi2))
            : QString());
}

void TGrupyObciazenia::RodzajGrupyChange()
{
    Dostepnosc();
}

void TGrupyObciazenia::KategoriaGrupyChange()
{
    PoPrzeslach->setChecked(DomyslniePoPrzeslach(TKategoriaZmiennych(std::max(KategoriaGrupy->currentIndex(), 0))));
    Dostepnosc();
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
    const int32_t i = L_Numer->text().toInt() - 1;
    const std::string blad = WprowadzGrupe(zad_, i, E_Nazwa->text().toStdString(), kolor_);
    if (!blad.empty()) {
        komunikaty_.Komunikat(blad);
        return;
    }
    WprowadzRodzajGrupy(zad_, i, Klasyfikacja());
    lista_.Odbuduj(zad_);
    accept();
}

void TGrupyObciazenia::PowrotClick()
{
    reject();
}
