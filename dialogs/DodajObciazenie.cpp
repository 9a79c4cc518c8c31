#include "dialogs/DodajObciazenie.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/ListaGrup.h"
#include "platform/Komunikaty.h"
#include "platform/TekstQt.h"
#include "platform/TekstyLiczb.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

using Kontrolki::Etykieta;

namespace {

constexpr const char* Presety[5] = {"1/4", "1/3", "1/2", "2/3", "3/4"};
// Percent of the span length, slightly above the thirds so that they land on them.
constexpr double Czynniki[5] = {25, 33.334, 50, 66.667, 75};

std::string Utf8(const QString& t)
{
    return t.toStdString();
}

QScrollBar* Suwak(QWidget* rodzic, const char* nazwa, int min, int max)
{
    auto* s = new QScrollBar(Qt::Horizontal, rodzic);
    s->setObjectName(QString::fromLatin1(nazwa));
    s->setRange(min, max);
    s->setPageStep(0);
    s->setSingleStep(1);
    s->setMinimumWidth(220);
    return s;
}

} // namespace

TDodajObciazenie::TDodajObciazenie(const TOpisDodawania& opis, TDaneZadania& zad, TListaGrup& lista,
                                   IKomunikaty& komunikaty, char separator, QWidget* rodzic)
    : QDialog(rodzic)
    , opis_(opis)
    , zad_(zad)
    , lista_(lista)
    , komunikaty_(komunikaty)
    , separator_(separator)
{
    setObjectName(QString::fromLatin1(opis.Nazwa));
    setWindowTitle(ZUtf8(opis.Tytul));
    const bool punktowe = IloscPolozen() == 1;
    const QString zero = FormatujMaska(0, Maska::Edycja, separator).c_str();
    const QString wzor = QStringLiteral("-0000000,00");

    auto* siatka = new QGridLayout(this);
    int w = 0;
    SBPrzeslo = Suwak(this, "SBPrzeslo", 0, 0);
    LNrPrzesla = Etykieta(this, "LNrPrzesla", QStringLiteral("1"));
    auto* przeslo = new QHBoxLayout;
    przeslo->addWidget(Etykieta(this, punktowe ? "StaticText4" : "StaticText5", ZUtf8("Nr przęsła")));
    przeslo->addWidget(LNrPrzesla);
    przeslo->addSpacing(12);
    przeslo->addWidget(Etykieta(this, "StaticText6", QStringLiteral("(max=")));
    LMaxLPrzesla = Etykieta(this, "LMaxLPrzesla", QStringLiteral("0)"));
    przeslo->addWidget(LMaxLPrzesla);
    przeslo->addStretch(1);
    siatka->addWidget(SBPrzeslo, w, 0);
    siatka->addLayout(przeslo, w++, 1, 1, 2);

    for (int k = 0; k < IloscWartosci(); ++k) {
        const bool dwie = IloscWartosci() == 2;
        EWartosc[k] = Kontrolki::Edycja(this, dwie ? (k == 0 ? "Wr_pocz" : "Wr_konc") : "Wartosc", zero, wzor);
        SBWartosc[k] = Suwak(this, k == 0 ? "SBSilawart" : "SBSilaWart2", opis.MinWartosci, 100);
        siatka->addWidget(SBWartosc[k], w, 0);
        siatka->addWidget(EWartosc[k], w, 1);
        siatka->addWidget(Etykieta(this, k == 0 ? "StaticText1" : "StaticText7", ZUtf8(opis.EtykietyWartosci[k])), w++,
                          2);
        connect(SBWartosc[k], &QScrollBar::valueChanged, this, [this, k] { SBWartoscChange(k); });
        if (opis.PodgladPrzyPisaniu)
            connect(EWartosc[k], &QLineEdit::textChanged, this, [this] { RysujPodglad(); });
    }
    for (int k = 0; k < IloscPolozen(); ++k) {
        EPolozenie[k] =
            Kontrolki::Edycja(this, punktowe ? "Polozenie" : (k == 0 ? "pol_pocz" : "pol_konc"), zero, wzor);
        SBPolozenie[k] = Suwak(this, punktowe ? "SBPolozenie" : (k == 0 ? "SBPolozenie1" : "SBPolozenie2"), 0, 0);
        siatka->addWidget(SBPolozenie[k], w, 0);
        siatka->addWidget(EPolozenie[k], w, 1);
        siatka->addWidget(Etykieta(this, punktowe ? "StaticText2" : (k == 0 ? "StaticText4" : "StaticText2"),
                                   ZUtf8(opis.EtykietyPolozenia[k])),
                          w++, 2);
        auto* presety = new QHBoxLayout;
        for (int b = 0; b < 5; ++b) {
            const std::string nazwa = "Button" + std::to_string(k * 5 + b + 1);
            QPushButton* p = Kontrolki::Przycisk(this, nazwa.c_str(), QString::fromLatin1(Presety[b]));
            presety->addWidget(p);
            connect(p, &QPushButton::clicked, this, [this, k, b] { PresetClick(k, Czynniki[b]); });
        }
        presety->addStretch(1);
        siatka->addLayout(presety, w++, 0, 1, 3);
        connect(SBPolozenie[k], &QScrollBar::valueChanged, this, [this, k] { SBPolozenieChange(k); });
        if (opis.PodgladPrzyPisaniu)
            connect(EPolozenie[k], &QLineEdit::textChanged, this, [this] { RysujPodglad(); });
    }

    CB_Grupy = new QComboBox(this);
    CB_Grupy->setObjectName(QStringLiteral("CB_Grupy"));
    // Typed into as well: the number before the first blank is the group.
    CB_Grupy->setEditable(true);
    CB_Grupy->setInsertPolicy(QComboBox::NoInsert);
    CB_Grupy->setMinimumContentsLength(24);
    if (opis.PodgladPrzyGrupie)
        connect(CB_Grupy, &QComboBox::currentTextChanged, this, [this] { RysujPodglad(); });
    siatka->addWidget(CB_Grupy, w, 0);
    siatka->addWidget(Etykieta(this, "StaticText3", ZUtf8(opis.EtykietaGrupy)), w++, 1, 1, 2);

    Wprowadz = Kontrolki::Przycisk(this, "Wprowadz", ZUtf8("Wprowadź"));
    Rezygnuj = Kontrolki::Przycisk(this, "Rezygnuj", QStringLiteral("Zamknij"));
    Numer = Etykieta(this, "Numer", QStringLiteral("0"));
    Numer->hide();
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(Wprowadz);
    przyciski->addWidget(Rezygnuj);
    siatka->addLayout(przyciski, w++, 0, 1, 3);

    connect(SBPrzeslo, &QScrollBar::valueChanged, this, &TDodajObciazenie::SBPrzesloChange);
    connect(Wprowadz, &QPushButton::clicked, this, &TDodajObciazenie::WprowadzClick);
    connect(Rezygnuj, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this] {
        if (Przerysuj)
            Przerysuj();
    });

    OdswiezGrupy();
    if (!lista_.Pozycje().empty())
        CB_Grupy->setEditText(QString::fromStdString(lista_.Pozycje().front()));
    lista_.PoZmianie([this] { OdswiezGrupy(); });
}

int TDodajObciazenie::IloscWartosci() const
{
    return opis_.Rodzaj == TRodzajObciazenia::Trojkat ? 2 : 1;
}

int TDodajObciazenie::IloscPolozen() const
{
    return opis_.Rodzaj == TRodzajObciazenia::Sila || opis_.Rodzaj == TRodzajObciazenia::Moment ? 1 : 2;
}

int32_t TDodajObciazenie::Przeslo() const
{
    return LNrPrzesla->text().toInt() - 1;
}

float TDodajObciazenie::DlugoscPrzesla() const
{
    const int32_t s = Przeslo();
    return s >= 0 && s < int32_t(zad_.Przesla.size()) ? zad_.Przesla[size_t(s)].L : 0.0f;
}

void TDodajObciazenie::OdswiezGrupy()
{
    // The items follow the task's groups; what stands typed in the box stays.
    const QString tekst = CB_Grupy->currentText();
    const QSignalBlocker blokada(CB_Grupy);
    CB_Grupy->clear();
    for (const std::string& p : lista_.Pozycje())
        CB_Grupy->addItem(QString::fromStdString(p));
    CB_Grupy->setEditText(tekst);
}

// The point loads stop one centimetre short of the span's end, the distributed ones reach it.
void TDodajObciazenie::UstawZakresyPolozen()
{
    const int max = int(std::trunc(DlugoscPrzesla() * 100.0)) - (IloscPolozen() == 1 ? 1 : 0);
    for (int k = 0; k < IloscPolozen(); ++k)
        SBPolozenie[k]->setMaximum(max);
}

void TDodajObciazenie::Przygotuj()
{
    SBPrzeslo->setMaximum(std::max(zad_.IloscPrzesel - 1, 0));
    LNrPrzesla->setText(QString::number(SBPrzeslo->value() + 1));
    LMaxLPrzesla->setText(
        QString::fromStdString(FormatujMaska(DlugoscPrzesla(), Maska::DlugoscPrzesla, separator_) + ")"));
    UstawZakresyPolozen();
    if (IloscPolozen() == 2)
        SBPolozenie[1]->setValue(SBPolozenie[1]->maximum());
    if (opis_.ZnacznikPrzyOtwarciu) {
        RysujZnacznik();
        if (Podglad)
            Podglad(std::nullopt);
    }
}

void TDodajObciazenie::PrzygotujZmiane(const TPolaObciazenia& pola)
{
    Numer->setText(QString::number(pola.Numer.value_or(0)));
    const std::string* wartosci[2] = {&pola.Wartosc1, &pola.Wartosc2};
    const std::string* polozenia[2] = {&pola.Polozenie1, &pola.Polozenie2};
    for (int k = 0; k < IloscWartosci(); ++k)
        EWartosc[k]->setText(QString::fromStdString(*wartosci[k]));
    for (int k = 0; k < IloscPolozen(); ++k)
        EPolozenie[k]->setText(QString::fromStdString(*polozenia[k]));
    CB_Grupy->setEditText(QString::fromStdString(pola.Grupa));
    Wprowadz->setText(QStringLiteral("Zmień"));
    // The scroll bars last: one that moves rewrites its edit in whole units.
    SBPrzeslo->setMaximum(std::max(zad_.IloscPrzesel - 1, 0));
    SBPrzeslo->setValue(pola.Przeslo);
    for (int k = 0; k < IloscWartosci(); ++k) {
        double v = 0;
        CzytajLiczbeNormalizujac(*wartosci[k], separator_, v);
        SBWartosc[k]->setValue(int(std::trunc(v)));
    }
    const float L =
        pola.Przeslo >= 0 && pola.Przeslo < int32_t(zad_.Przesla.size()) ? zad_.Przesla[size_t(pola.Przeslo)].L : 0;
    for (int k = 0; k < IloscPolozen(); ++k) {
        double x = 0;
        CzytajLiczbeNormalizujac(*polozenia[k], separator_, x);
        SBPolozenie[k]->setMaximum(int(std::trunc(L * 100.0)) + 1);
        SBPolozenie[k]->setValue(int(std::trunc(x * 100)));
    }
}

void TDodajObciazenie::Pokaz()
{
    Kontrolki::PokazModalnie(*this);
}

void TDodajObciazenie::SBPrzesloChange()
{
    LNrPrzesla->setText(QString::number(SBPrzeslo->value() + 1));
    LMaxLPrzesla->setText(
        QString::fromStdString(FormatujMaska(DlugoscPrzesla(), Maska::DlugoscPrzesla, separator_) + ")"));
    UstawZakresyPolozen();
    if (IloscPolozen() == 2)
        SBPolozenie[1]->setValue(SBPolozenie[1]->maximum());
    RysujZnacznik();
    RysujPodglad();
}

void TDodajObciazenie::SBWartoscChange(int k)
{
    EWartosc[k]->setText(QString::fromStdString(FormatujMaska(SBWartosc[k]->value(), Maska::Edycja, separator_)));
    if (opis_.ZnacznikPrzyPrzewijaniu)
        RysujZnacznik();
    RysujPodglad();
}

void TDodajObciazenie::SBPolozenieChange(int k)
{
    EPolozenie[k]->setText(
        QString::fromStdString(FormatujMaska(SBPolozenie[k]->value() / 100.0, Maska::Edycja, separator_)));
    if (opis_.ZnacznikPrzyPrzewijaniu)
        RysujZnacznik();
    RysujPodglad();
}

void TDodajObciazenie::PresetClick(int k, double f)
{
    SBPolozenie[k]->setValue(int(std::trunc(DlugoscPrzesla() * f)));
}

void TDodajObciazenie::RysujZnacznik()
{
    if (ZaznaczPrzeslo)
        ZaznaczPrzeslo(Przeslo(), opis_.PioraZnacznika);
}

void TDodajObciazenie::RysujPodglad()
{
    if (!Podglad)
        return;
    // Read as the store reads it: with either separator.
    TObciazeniePodgladu o;
    o.Rodzaj = TObciazeniePodgladu::TRodzaj(int(opis_.Rodzaj));
    o.Przeslo = Przeslo();
    double* q[2] = {&o.Q1, &o.Q2};
    for (int k = 0; k < IloscWartosci(); ++k)
        if (!CzytajLiczbeNormalizujac(Utf8(EWartosc[k]->text()), separator_, *q[k]))
            return;
    o.X1 = SBPolozenie[0]->value() * 0.01;
    if (IloscPolozen() == 2)
        o.X2 = SBPolozenie[1]->value() * 0.01;
    Podglad(o);
}

void TDodajObciazenie::WprowadzClick()
{
    TPolaObciazenia pola;
    pola.Przeslo = Przeslo();
    std::string* wartosci[2] = {&pola.Wartosc1, &pola.Wartosc2};
    std::string* polozenia[2] = {&pola.Polozenie1, &pola.Polozenie2};
    for (int k = 0; k < IloscWartosci(); ++k)
        *wartosci[k] = Utf8(EWartosc[k]->text());
    for (int k = 0; k < IloscPolozen(); ++k)
        *polozenia[k] = Utf8(EPolozenie[k]->text());
    pola.Grupa = Utf8(CB_Grupy->currentText());
    if (Wprowadz->text() == QStringLiteral("Zmień"))
        pola.Numer = Numer->text().toInt();

    const TWynikZapisu wynik = ZapiszObciazenie(zad_, opis_.Rodzaj, pola, separator_);
    // The point loads show what they normalised, stored or not.
    for (int k = 0; k < IloscWartosci(); ++k)
        if (EWartosc[k]->text() != QString::fromStdString(*wartosci[k]))
            EWartosc[k]->setText(QString::fromStdString(*wartosci[k]));
    for (int k = 0; k < IloscPolozen(); ++k)
        if (EPolozenie[k]->text() != QString::fromStdString(*polozenia[k]))
            EPolozenie[k]->setText(QString::fromStdString(*polozenia[k]));
    bool zamknij = false;
    if (wynik.Zapisano) {
        zamknij = pola.Numer && opis_.ZamykaPoZmianie;
        Wprowadz->setText(ZUtf8("Wprowadź"));
    }
    for (const std::string& k : wynik.Komunikaty)
        komunikaty_.Komunikat(k);
    if (zamknij)
        accept(); // repaints on closing
    else if (Przerysuj)
        Przerysuj();
}
