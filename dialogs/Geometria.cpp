#include "dialogs/Geometria.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/Siatka.h"
#include "dialogs/Zatwierdzanie.h"
#include "drawing/Arkusze.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"
#include "projectfile/PlikZadania.h"

#include <QCheckBox>
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
    uklad->addWidget(Etykieta(this, "StaticText2",
                              QStringLiteral("Rozpiętość w m, moment bezwładności J w cm4, moduł Younga E w GPa "
                                             "(puste pole: wartość dotychczasowa).")));
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(SBPrzesla, &QScrollBar::valueChanged, this, &TGeometria::SBPrzeslaChange);
    connect(Wprowadz, &QPushButton::clicked, this, &TGeometria::WprowadzClick);
    connect(Rezygnuj, &QPushButton::clicked, this, &TGeometria::RezygnujClick);
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
