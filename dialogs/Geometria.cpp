#include "dialogs/Geometria.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/Siatka.h"
#include "dialogs/Zatwierdzanie.h"
#include "drawing/Arkusze.h"
#include "platform/FolderDanych.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"
#include "projectfile/PlikZadania.h"

#include "model/Sztywnosci.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int SzerokoscSiatki = 640; // the span columns share it as the count grows
constexpr int NajszerszaKolumna = 96;

} // namespace

TGeometria::TGeometria(TDaneZadania& zad, TWyniki& wyn, const TWidok& widok, IKomunikaty& komunikaty, char separator,
                       QWidget* rodzic)
    : QDialog(rodzic)
    , zad_(zad)
    , wyn_(wyn)
    , widok_(widok)
    , komunikaty_(komunikaty)
    , separator_(separator)
{
    setObjectName(QStringLiteral("Geometria"));
    setWindowTitle(QStringLiteral("Geometria"));
    using Kontrolki::Etykieta;

    SBPrzesla = new QScrollBar(Qt::Horizontal, this);
    SBPrzesla->setObjectName(QStringLiteral("SBPrzesla"));
    SBPrzesla->setRange(1, MaxPrzesel);
    SBPrzesla->setPageStep(1);
    SBPrzesla->setValue(2);
    SBPrzesla->setMinimumWidth(200);
    LIlosc = Etykieta(this, "LIlosc", QStringLiteral("2"));
    LIlosc->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8);

    SGRozpietosci = Siatka::Nowa(this, "SGRozpietosci");
    SGRozpietosci->setRowCount(4);

    EDomyslnaRozp = new QLineEdit(QString::fromStdString(FormatujMaska(4, Maska::Rozpietosc, separator_)), this);
    EDomyslnaRozp->setObjectName(QStringLiteral("EDomyslnaRozp"));
    EDomyslnaRozp->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000,00")) + 16);

    CB_LewaPrzegub = new QCheckBox(QStringLiteral("Przegub lewa skrajna podpora"), this);
    CB_LewaPrzegub->setObjectName(QStringLiteral("CB_LewaPrzegub"));
    CB_PrawaPrzegub = new QCheckBox(QStringLiteral("Przegub prawa skrajna podpora"), this);
    CB_PrawaPrzegub->setObjectName(QStringLiteral("CB_PrawaPrzegub"));

    // E and J of the spans.
    const auto kombi = [&](QWidget* rodzic, const char* nazwa) {
        auto* k = new QComboBox(rodzic);
        k->setObjectName(QString::fromLatin1(nazwa));
        return k;
    };
    const QString wzor = QStringLiteral("000000,00");
    auto* panelE = new QGroupBox(QStringLiteral("Moduł Younga E"), this);
    panelE->setObjectName(QStringLiteral("GB_ModulYounga"));
    ComboBeton = kombi(panelE, "ComboBeton");
    for (const TMaterial& m : Materialy())
        ComboBeton->addItem(QString::fromStdString(m.Nazwa));
    ComboBeton->setCurrentText(QStringLiteral("B37"));
    WstawMaterial = Kontrolki::Przycisk(panelE, "WstawMaterial", QStringLiteral("Wstaw"));
    E_Modul = Kontrolki::Edycja(panelE, "E_Modul", QString(), wzor);
    CB_Jednostki = kombi(panelE, "CB_Jednostki");
    for (const std::string_view j : JednostkiModulu)
        CB_Jednostki->addItem(QString::fromLatin1(j.data(), qsizetype(j.size())));
    CB_Jednostki->setCurrentText(QStringLiteral("GPa"));
    WstawModul = Kontrolki::Przycisk(panelE, "WstawModul", QStringLiteral("Wstaw"));
    auto* e = new QGridLayout(panelE);
    e->addWidget(Etykieta(panelE, "StaticTextBeton", QStringLiteral("Materiał")), 0, 0);
    e->addWidget(ComboBeton, 0, 1, 1, 2);
    e->addWidget(WstawMaterial, 0, 3);
    e->addWidget(Etykieta(panelE, "StaticTextModul", QStringLiteral("Wartość")), 1, 0);
    e->addWidget(E_Modul, 1, 1);
    e->addWidget(CB_Jednostki, 1, 2);
    e->addWidget(WstawModul, 1, 3);

    auto* panelJ = new QGroupBox(QStringLiteral("Moment bezwładności J"), this);
    panelJ->setObjectName(QStringLiteral("GB_MomentBezwladnosci"));
    E_B = Kontrolki::Edycja(panelJ, "E_B", QString(), wzor);
    E_H = Kontrolki::Edycja(panelJ, "E_H", QString(), wzor);
    WstawProstokat = Kontrolki::Przycisk(panelJ, "WstawProstokat", QStringLiteral("Wstaw"));
    E_Moment = Kontrolki::Edycja(panelJ, "E_Moment", QString(), wzor);
    CB_J_jednostki = kombi(panelJ, "CB_J_jednostki");
    for (const std::string_view j : JednostkiMomentu)
        CB_J_jednostki->addItem(QString::fromLatin1(j.data(), qsizetype(j.size())));
    CB_J_jednostki->setCurrentText(QStringLiteral("cm4"));
    WstawMoment = Kontrolki::Przycisk(panelJ, "WstawMoment", QStringLiteral("Wstaw"));
    CB_Profil = kombi(panelJ, "CB_Profil");
    {
        std::string blad;
        // Beside the program in the build folder, under share/ once installed.
        const auto folder = FolderDanych(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
        for (const TProfil& p : WczytajProfile(SciezkaProfili(folder), blad))
            CB_Profil->addItem(QString::fromStdString(p.Nazwa), p.J);
    }
    WstawProfil = Kontrolki::Przycisk(panelJ, "WstawProfil", QStringLiteral("Wstaw"));
    WstawProfil->setEnabled(CB_Profil->count() > 0);
    auto* j = new QGridLayout(panelJ);
    auto* bh = new QHBoxLayout;
    bh->addWidget(E_B);
    bh->addWidget(Etykieta(panelJ, "StaticTextRazy", QStringLiteral("×")));
    bh->addWidget(E_H);
    j->addWidget(Etykieta(panelJ, "StaticTextProstokat", QStringLiteral("Prostokąt b × h [cm]")), 0, 0);
    j->addLayout(bh, 0, 1, 1, 2);
    j->addWidget(WstawProstokat, 0, 3);
    j->addWidget(Etykieta(panelJ, "StaticTextMoment", QStringLiteral("Wartość")), 1, 0);
    j->addWidget(E_Moment, 1, 1);
    j->addWidget(CB_J_jednostki, 1, 2);
    j->addWidget(WstawMoment, 1, 3);
    j->addWidget(Etykieta(panelJ, "StaticTextProfil", QStringLiteral("Kształtownik")), 2, 0);
    j->addWidget(CB_Profil, 2, 1, 1, 2);
    j->addWidget(WstawProfil, 2, 3);
    CB_Wszystkie = new QCheckBox(QStringLiteral("Wstawiaj do wszystkich przęseł"), this);
    CB_Wszystkie->setObjectName(QStringLiteral("CB_Wszystkie"));

    Wprowadz = Kontrolki::Przycisk(this, "Wprowadz", QStringLiteral("Wprowadź"));
    Wprowadz->setDefault(true);
    Rezygnuj = Kontrolki::Przycisk(this, "Rezygnuj", QStringLiteral("Rezygnuj"));

    auto* ilosc = new QHBoxLayout;
    ilosc->addWidget(Etykieta(this, "StaticText1", QStringLiteral("Ilość przęseł belki")));
    ilosc->addWidget(SBPrzesla);
    ilosc->addWidget(LIlosc);
    ilosc->addStretch();

    auto* domyslna = new QHBoxLayout;
    domyslna->addWidget(Etykieta(this, "StaticText3", QStringLiteral("Domyślnie [m] ...... l =")));
    domyslna->addWidget(EDomyslnaRozp);
    domyslna->addStretch();

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(Wprowadz);
    przyciski->addWidget(Rezygnuj);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(ilosc);
    uklad->addWidget(SGRozpietosci, 0, Qt::AlignLeft);
    uklad->addLayout(domyslna);
    uklad->addWidget(CB_LewaPrzegub);
    uklad->addWidget(CB_PrawaPrzegub);
    auto* panele = new QHBoxLayout;
    panele->addWidget(panelE, 0, Qt::AlignTop);
    panele->addWidget(panelJ, 0, Qt::AlignTop);
    uklad->addLayout(panele);
    uklad->addWidget(CB_Wszystkie);
    uklad->addWidget(Etykieta(this, "StaticText2",
                              QStringLiteral("Rozpiętość w m, moment bezwładności J w cm4, moduł Younga E w GPa "
                                             "(puste pole: wartość dotychczasowa).")));
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(SBPrzesla, &QScrollBar::valueChanged, this, &TGeometria::SBPrzeslaChange);
    connect(Wprowadz, &QPushButton::clicked, this, &TGeometria::WprowadzClick);
    connect(Rezygnuj, &QPushButton::clicked, this, &TGeometria::RezygnujClick);
    connect(WstawMaterial, &QPushButton::clicked, this, &TGeometria::WstawMaterialClick);
    connect(WstawModul, &QPushButton::clicked, this, &TGeometria::WstawModulClick);
    connect(WstawProstokat, &QPushButton::clicked, this, &TGeometria::WstawProstokatClick);
    connect(WstawMoment, &QPushButton::clicked, this, &TGeometria::WstawMomentClick);
    connect(WstawProfil, &QPushButton::clicked, this, &TGeometria::WstawProfilClick);
    SBPrzeslaChange();
}

void TGeometria::Pokaz()
{
    WpiszSztywnosci();
    Kontrolki::PokazModalnie(*this);
}

int TGeometria::IloscPrzesel() const
{
    return SBPrzesla->value();
}

void TGeometria::UstawIloscPrzesel(int n)
{
    const QSignalBlocker cicho(SBPrzesla);
    SBPrzesla->setValue(n);
    SBPrzeslaChange();
}

void TGeometria::SBPrzeslaChange()
{
    const int n = SBPrzesla->value();
    LIlosc->setText(QString::number(n));
    SGRozpietosci->setColumnCount(n + 1); // cells that already hold lengths keep them
    Siatka::UstawStala(SGRozpietosci, 0, 0, QString());
    Siatka::UstawStala(SGRozpietosci, 0, 1, QStringLiteral("Rozpiętość "));
    Siatka::UstawStala(SGRozpietosci, 0, WierszJ, QStringLiteral("Mom. bezwł. "));
    Siatka::UstawStala(SGRozpietosci, 0, WierszE, QStringLiteral("Moduł Younga "));
    for (int i = 1; i <= n; ++i)
        Siatka::UstawStala(SGRozpietosci, i, 0, QStringLiteral("  ") + QString::number(i));
    const int stala = fontMetrics().horizontalAdvance(QStringLiteral("Moduł Younga ")) + 16;
    const int najwezsza = fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 12;
    const int kolumna = std::clamp((SzerokoscSiatki - stala) / n, najwezsza, std::max(najwezsza, NajszerszaKolumna));
    Siatka::Dopasuj(SGRozpietosci, stala, kolumna);
}

void TGeometria::WpiszSztywnosci()
{
    const int n = std::min(SBPrzesla->value(), int(zad_.IloscPrzesel >= 1 ? zad_.Przesla.size() : 0));
    for (int i = 0; i < n; ++i) {
        const TPrzeslo& p = zad_.Przesla[size_t(i)];
        Siatka::UstawTekst(SGRozpietosci, i + 1, WierszJ, QString::fromStdString(TekstJ(p.J, separator_)));
        Siatka::UstawTekst(SGRozpietosci, i + 1, WierszE, QString::fromStdString(TekstE(p.E, separator_)));
    }
}

void TGeometria::WpiszZPliku(const TWidokiZPliku& widoki)
{
    const int n = int(widoki.DlugosciPrzesel.size());
    if (n == 0) {
        // A task with no beam yet (undone back to the start): the grid as at the start, nothing typed.
        SGRozpietosci->setColumnCount(1);
        UstawIloscPrzesel(1);
    }
    if (n >= 1) {
        UstawIloscPrzesel(n);
        for (int i = 0; i < n; ++i)
            Siatka::UstawTekst(
                SGRozpietosci, i + 1, 1,
                QString::fromStdString(FormatujMaska(widoki.DlugosciPrzesel[size_t(i)], Maska::Wartosc, separator_)));
    }
    CB_LewaPrzegub->setChecked(widoki.LewyPrzegub);
    CB_PrawaPrzegub->setChecked(widoki.PrawyPrzegub);
}

bool TGeometria::Wstaw(int wiersz, const QString& tekst)
{
    const int n = SBPrzesla->value();
    int od = 1, do_ = n;
    if (!CB_Wszystkie->isChecked()) {
        const int k = SGRozpietosci->currentColumn();
        if (k < 1 || k > n) {
            komunikaty_.Komunikat("Wskaż przęsło w tabeli (kliknij jego kolumnę) albo zaznacz „Wstawiaj do wszystkich "
                                  "przęseł”.");
            return false;
        }
        od = do_ = k;
    }
    for (int i = od; i <= do_; ++i)
        Siatka::UstawTekst(SGRozpietosci, i, wiersz, tekst);
    return true;
}

std::optional<double> TGeometria::Liczba(const QLineEdit* edycja)
{
    double v = 0;
    const std::string tekst = edycja->text().toStdString();
    if (!CzytajLiczbeNormalizujac(tekst, separator_, v)) {
        komunikaty_.Komunikat(KomunikatRzeczywistej(tekst));
        return std::nullopt;
    }
    return v;
}

void TGeometria::WstawMaterialClick()
{
    const int i = ComboBeton->currentIndex();
    if (i >= 0 && size_t(i) < Materialy().size())
        Wstaw(WierszE, QString::fromStdString(TekstE(float(Materialy()[size_t(i)].E), separator_)));
}

void TGeometria::WstawModulClick()
{
    const std::optional<double> v = Liczba(E_Modul);
    if (!v)
        return;
    if (const auto E = ModulWJednostce(*v, CB_Jednostki->currentText().toStdString()))
        Wstaw(WierszE, QString::fromStdString(TekstE(float(*E), separator_)));
}

void TGeometria::WstawProstokatClick()
{
    const std::optional<double> b = Liczba(E_B);
    const std::optional<double> h = b ? Liczba(E_H) : std::nullopt;
    if (b && h)
        Wstaw(WierszJ, QString::fromStdString(TekstJ(float(MomentProstokata(*b, *h)), separator_)));
}

void TGeometria::WstawMomentClick()
{
    const std::optional<double> v = Liczba(E_Moment);
    if (!v)
        return;
    if (const auto J = MomentWJednostce(*v, CB_J_jednostki->currentText().toStdString()))
        Wstaw(WierszJ, QString::fromStdString(TekstJ(float(*J), separator_)));
}

void TGeometria::WstawProfilClick()
{
    if (CB_Profil->currentIndex() >= 0)
        Wstaw(WierszJ, QString::fromStdString(TekstJ(float(CB_Profil->currentData().toDouble()), separator_)));
}

// The grid and the check boxes keep what was typed.
void TGeometria::RezygnujClick()
{
    reject();
}

void TGeometria::WprowadzClick()
{
    TPolaGeometrii pola;
    for (int i = 1; i <= SBPrzesla->value(); ++i) {
        pola.Dlugosci.push_back(Siatka::Tekst(SGRozpietosci, i, 1).toStdString());
        pola.Momenty.push_back(Siatka::Tekst(SGRozpietosci, i, WierszJ).toStdString());
        pola.Moduly.push_back(Siatka::Tekst(SGRozpietosci, i, WierszE).toStdString());
    }
    pola.Domyslna = EDomyslnaRozp->text().toStdString();
    pola.LewyPrzegub = CB_LewaPrzegub->isChecked();
    pola.PrawyPrzegub = CB_PrawaPrzegub->isChecked();
    const std::string blad = ZatwierdzGeometrie(zad_, wyn_, pola, separator_);
    if (!blad.empty()) {
        komunikaty_.Komunikat(blad);
        return;
    }
    RozmiescArkusze(zad_, widok_);
    for (int i = 1; i <= SBPrzesla->value(); ++i) {
        Siatka::UstawTekst(SGRozpietosci, i, 1, QString::fromStdString(pola.Dlugosci[size_t(i - 1)]));
        Siatka::UstawTekst(SGRozpietosci, i, WierszJ, QString::fromStdString(pola.Momenty[size_t(i - 1)]));
        Siatka::UstawTekst(SGRozpietosci, i, WierszE, QString::fromStdString(pola.Moduly[size_t(i - 1)]));
    }
    accept();
}
