#include "dialogs/Ustawienia.h"

#include "dialogs/Kontrolki.h"
#include "dialogs/PamiecPol.h"
#include "dialogs/Zatwierdzanie.h"
#include "drawing/Arkusze.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, PoleUstawien::Ilosc> NazwyEdycji{
    "PSchem_Xo", "Pschem_Yo", "Schem_Xo", "Schem_Yo", "Reakc_Xo", "Reakc_Yo",      "Poprz_Xo",   "Poprz_Yo",
    "Momen_Xo",  "Momen_Yo",  "E_HPoprz", "E_HMomen", "E_HRozCz", "E_WRozCz",      "E_HMaxSila", "E_HMax100kN",
    "E_ArkuszL", "E_ArkuszH", "Ugiec_Xo", "Ugiec_Yo", "E_HUgiec", "E_GranicaUgiec"};
static_assert(std::tuple_size_v<decltype(TUstawienia::Edycje)> == PoleUstawien::Ilosc);

QCheckBox* Pole(QWidget* rodzic, const char* nazwa, const QString& tekst, bool zaznaczone)
{
    auto* c = new QCheckBox(tekst, rodzic);
    c->setObjectName(QString::fromLatin1(nazwa));
    c->setChecked(zaznaczone);
    return c;
}

QRadioButton* Wybor(QWidget* rodzic, const char* nazwa, const QString& tekst, bool wybrany)
{
    auto* r = new QRadioButton(tekst, rodzic);
    r->setObjectName(QString::fromLatin1(nazwa));
    r->setChecked(wybrany);
    return r;
}

} // namespace

TUstawienia::TUstawienia(TDaneZadania& zad, IKomunikaty& komunikaty, char separator, QWidget* rodzic)
    : QDialog(rodzic)
    , zad_(zad)
    , komunikaty_(komunikaty)
    , separator_(separator)
{
    setObjectName(QStringLiteral("Ustawienia"));
    setWindowTitle(QStringLiteral("Ustawienia"));
    using namespace Kontrolki;
    using namespace PoleUstawien;

    const QString wzor = QStringLiteral("0000,00");
    const std::array<const char*, Ilosc> poczatkowe{"0", "0",   "0",    "0",   "0",    "0",  "0",  "0", "0", "0", "0",
                                                    "0", "0.3", "0.25", "1.0", "1.00", "21", "28", "0", "0", "0", "0"};
    for (int p = 0; p < Ilosc; ++p)
        Edycje[size_t(p)] =
            Edycja(this, NazwyEdycji[size_t(p)],
                   QString::fromStdString(NormalizujSeparator(poczatkowe[size_t(p)], separator_)), wzor);

    // Opcje rysunków
    auto* opcje = new QGroupBox(QStringLiteral("Opcje rysunków"), this);
    opcje->setObjectName(QStringLiteral("GB_Opcje"));
    CB_SkalaX = new QComboBox(opcje);
    CB_SkalaX->setObjectName(QStringLiteral("CB_SkalaX"));
    CB_SkalaX->setEditable(true);
    CB_SkalaX->setInsertPolicy(QComboBox::NoInsert);
    CB_SkalaX->addItems({"50", "100", "200", "10", "20", "25", "50", "75", "150", "500"});
    CB_SkalaX->setCurrentIndex(1);
    CB_kratka = Pole(opcje, "CB_kratka", QStringLiteral(" ....................................Rysuj kratkę"), false);
    CB_SISchem = Pole(opcje, "CB_SISchem", QStringLiteral(" ....................................Pisz jednostki"), true);
    CB_Kombinacje =
        Pole(opcje, "CB_Kombinacje", QStringLiteral(".............................. Opisz kombinacje"), true);
    CB_RozbijSilyGrupy =
        Pole(opcje, "CB_RozbijSilyGrupy", QStringLiteral(".......................... Rozbij siły wg grupy"), false);
    SB_WspGrubosci = new QScrollBar(Qt::Horizontal, opcje);
    SB_WspGrubosci->setObjectName(QStringLiteral("SB_WspGrubosci"));
    SB_WspGrubosci->setRange(-50, 200);
    SB_WspGrubosci->setValue(0);
    SB_WspGrubosci->setMinimumWidth(160);
    L_GWspGR = Etykieta(opcje, "L_GWspGR", QString::fromStdString(FormatujMaska(1, Maska::Wsp, separator_)));
    RB_ArkuszDruk = Wybor(opcje, "RB_ArkuszDruk", QStringLiteral("Rozmiar arkusza domyślny"), true);
    RB_ArkuszUser = Wybor(opcje, "RB_ArkuszUser", QStringLiteral("Rozmiar użytkownika"), false);
    L_Arkusz = Etykieta(opcje, "L_Arkusz", QStringLiteral("[cm]...Rozmiar arkusza h,l"));

    auto* o = new QGridLayout(opcje);
    int w = 0;
    o->addWidget(CB_SkalaX, w, 0);
    o->addWidget(Etykieta(opcje, "StaticTextSkala", QStringLiteral("..........................Skala pozioma")), w++, 1,
                 1, 2);
    o->addWidget(CB_kratka, w++, 0, 1, 3);
    o->addWidget(Edycje[E_HRozCz], w, 0);
    o->addWidget(Etykieta(opcje, "StaticTextHRozCz", QStringLiteral("[cm] ................Rozmiar czcionki")), w++, 1,
                 1, 2);
    o->addWidget(Edycje[E_WRozCz], w, 0);
    o->addWidget(Etykieta(opcje, "StaticTextWRozCz", QStringLiteral("...........Wsp szerokości czcionki")), w++, 1, 1,
                 2);
    o->addWidget(CB_SISchem, w++, 0, 1, 3);
    o->addWidget(CB_Kombinacje, w++, 0, 1, 3);
    o->addWidget(CB_RozbijSilyGrupy, w++, 0, 1, 3);
    auto* grubosc = new QHBoxLayout;
    grubosc->addWidget(Etykieta(opcje, "StaticTextGrubosc", QStringLiteral("Globalny współczynnik szerokości = ")));
    grubosc->addWidget(L_GWspGR);
    grubosc->addStretch();
    o->addLayout(grubosc, w++, 0, 1, 3);
    o->addWidget(SB_WspGrubosci, w++, 0, 1, 3);
    o->addWidget(RB_ArkuszDruk, w++, 0, 1, 3);
    o->addWidget(RB_ArkuszUser, w++, 0, 1, 3);
    auto* arkusz = new QHBoxLayout;
    arkusz->addWidget(Edycje[E_ArkuszH]);
    arkusz->addWidget(Edycje[E_ArkuszL]);
    arkusz->addWidget(L_Arkusz);
    arkusz->addStretch();
    o->addLayout(arkusz, w++, 0, 1, 3);
    o->setColumnStretch(2, 1);
    o->setRowStretch(w, 1);

    // Pokazuj
    auto* pokazuj = new QGroupBox(QStringLiteral("Pokazuj"), this);
    pokazuj->setObjectName(QStringLiteral("GB_Pokazuj"));
    CB_SchematStatyczny = Pole(pokazuj, "CB_SchematStatyczny", QStringLiteral("Schemat statyczny"), true);
    CB_Reakcje = Pole(pokazuj, "CB_Reakcje", QStringLiteral("Reakcje"), true);
    CB_SilyPoprzeczne = Pole(pokazuj, "CB_SilyPoprzeczne", QStringLiteral("Siły Poprzeczne"), true);
    CB_Momenty = Pole(pokazuj, "CB_Momenty", QStringLiteral("Momenty"), true);
    CB_SchemPretow = Pole(pokazuj, "CB_SchemPretow", QStringLiteral("Schematy prętów"), false);
    CB_Ugiecia = Pole(pokazuj, "CB_Ugiecia", QStringLiteral("Ugięcia"), true);
    auto* p = new QGridLayout(pokazuj);
    w = 0;
    const auto polozenie = [&](QCheckBox* pole, int x, int y) {
        p->addWidget(pole, w, 0);
        p->addWidget(Edycje[size_t(x)], w, 1);
        p->addWidget(Edycje[size_t(y)], w, 2);
        p->addWidget(new QLabel(QStringLiteral("[cm]...Wsp. X,Y na arkuszu"), pokazuj), w++, 3);
    };
    const auto wysokosc = [&](int h) {
        p->addWidget(Edycje[size_t(h)], w, 1);
        p->addWidget(new QLabel(QStringLiteral("[cm] .............Wysokość wykresu"), pokazuj), w++, 2, 1, 2);
    };
    polozenie(CB_SchematStatyczny, Schem_Xo, Schem_Yo);
    polozenie(CB_Reakcje, Reakc_Xo, Reakc_Yo);
    polozenie(CB_SilyPoprzeczne, Poprz_Xo, Poprz_Yo);
    wysokosc(E_HPoprz);
    polozenie(CB_Momenty, Momen_Xo, Momen_Yo);
    wysokosc(E_HMomen);
    polozenie(CB_Ugiecia, Ugiec_Xo, Ugiec_Yo);
    wysokosc(E_HUgiec);
    p->addWidget(Edycje[E_GranicaUgiec], w, 1);
    p->addWidget(new QLabel(QStringLiteral(".............Dopuszczalne ugięcie L / ..."), pokazuj), w++, 2, 1, 2);
    polozenie(CB_SchemPretow, PSchem_Xo, Pschem_Yo);
    p->setColumnStretch(3, 1);
    p->setRowStretch(w, 1);

    // Skalowanie sił na schemacie
    auto* skalowanie = new QGroupBox(QStringLiteral("Skalowanie sił na schemacie"), this);
    skalowanie->setObjectName(QStringLiteral("GB_Skalowanie"));
    RB_SilySchem_AUTO = Wybor(skalowanie, "RB_SilySchem_AUTO", QStringLiteral("Automatycznie(zalecane)"), true);
    RB_SilySchem_MAX = Wybor(skalowanie, "RB_SilySchem_MAX", QStringLiteral("Max. siłę skaluj do"), false);
    RB_SilySchem_100kN = Wybor(skalowanie, "RB_SilySchem_100kN", QStringLiteral("Siłę 100kN skaluj do"), false);
    auto* s = new QGridLayout(skalowanie);
    s->addWidget(RB_SilySchem_AUTO, 0, 0, 1, 3);
    s->addWidget(RB_SilySchem_MAX, 1, 0);
    s->addWidget(Edycje[E_HMaxSila], 1, 1);
    s->addWidget(new QLabel(QStringLiteral("cm"), skalowanie), 1, 2);
    s->addWidget(RB_SilySchem_100kN, 2, 0);
    s->addWidget(Edycje[E_HMax100kN], 2, 1);
    s->addWidget(new QLabel(QStringLiteral("cm"), skalowanie), 2, 2);
    s->setColumnStretch(2, 1);

    Powrot = Przycisk(this, "Powrot", QStringLiteral("Powrót"));
    Powrot->setDefault(true);
    Domyslne = Przycisk(this, "Domyslne", QStringLiteral("Domyślne"));

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(pokazuj);
    prawa->addWidget(skalowanie);
    auto* grupy = new QHBoxLayout;
    grupy->addWidget(opcje);
    grupy->addLayout(prawa);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(Domyslne);
    przyciski->addStretch();
    przyciski->addWidget(Powrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(grupy);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(CB_SkalaX, &QComboBox::currentTextChanged, this, &TUstawienia::CB_SkalaXChange);
    connect(SB_WspGrubosci, &QScrollBar::valueChanged, this, &TUstawienia::SB_WspGrubosciChange);
    connect(RB_ArkuszDruk, &QRadioButton::clicked, this, &TUstawienia::RB_ArkuszDrukClick);
    connect(RB_ArkuszUser, &QRadioButton::clicked, this, &TUstawienia::RB_ArkuszUserClick);
    connect(Powrot, &QPushButton::clicked, this, &TUstawienia::PowrotClick);
    connect(Domyslne, &QPushButton::clicked, this, &TUstawienia::DomyslneClick);
    WlaczRozmiarArkusza();
    domyslne_ = WartosciPol(*this);
}

void TUstawienia::Przygotuj()
{
    TPolaUstawien pola;
    WypelnijPolaUstawien(zad_.Nastawy, pola, separator_);
    for (const int p : PolaZNastaw)
        Edycje[size_t(p)]->setText(QString::fromStdString(pola.Edycje[size_t(p)]));
}

void TUstawienia::Pokaz()
{
    Kontrolki::PokazModalnie(*this);
}

TPokazuj TUstawienia::Pokazuj() const
{
    return TPokazuj{CB_SchematStatyczny->isChecked(), CB_Reakcje->isChecked(),     CB_SilyPoprzeczne->isChecked(),
                    CB_Momenty->isChecked(),          CB_SchemPretow->isChecked(), CB_Ugiecia->isChecked()};
}

TPolaUstawien TUstawienia::Pola() const
{
    TPolaUstawien pola;
    for (int p = 0; p < PoleUstawien::Ilosc; ++p)
        pola.Edycje[size_t(p)] = Edycje[size_t(p)]->text().toStdString();
    pola.SkalaX = CB_SkalaX->currentText().toStdString();
    pola.PiszJednostki = CB_SISchem->isChecked();
    pola.RysujKratke = CB_kratka->isChecked();
    pola.RozbijSilyGrupy = CB_RozbijSilyGrupy->isChecked();
    pola.ArkuszUzytkownika = RB_ArkuszUser->isChecked();
    pola.WspGrubosci = SB_WspGrubosci->value();
    pola.Skalowanie = RB_SilySchem_MAX->isChecked()     ? TSkalowanieSil::NajwiekszaDo
                      : RB_SilySchem_100kN->isChecked() ? TSkalowanieSil::Sila100kNDo
                                                        : TSkalowanieSil::Automatyczne;
    return pola;
}

std::optional<float> TUstawienia::SkalaSil() const
{
    return SkalaSilUstawien(zad_, Pola(), separator_);
}

void TUstawienia::CB_SkalaXChange()
{
    // A text still being typed is not yet a scale; leaving the dialog reports it.
    if (const std::optional<float> s = SkalaPozioma(CB_SkalaX->currentText().toStdString(), separator_))
        zad_.SkalaX = *s;
}

void TUstawienia::SB_WspGrubosciChange()
{
    L_GWspGR->setText(
        QString::fromStdString(FormatujMaska(WspolczynnikGrubosci(SB_WspGrubosci->value()), Maska::Wsp, separator_)));
}

void TUstawienia::RB_ArkuszDrukClick()
{
    WlaczRozmiarArkusza();
}

void TUstawienia::RB_ArkuszUserClick()
{
    WlaczRozmiarArkusza();
}

// The sheet size can be typed only for the user's size.
void TUstawienia::WlaczRozmiarArkusza()
{
    const bool uzytkownika = RB_ArkuszUser->isChecked();
    Edycje[PoleUstawien::E_ArkuszH]->setEnabled(uzytkownika);
    Edycje[PoleUstawien::E_ArkuszL]->setEnabled(uzytkownika);
    L_Arkusz->setEnabled(uzytkownika);
}

std::string TUstawienia::Zastosuj()
{
    TPolaUstawien pola = Pola();
    const std::string blad = ZastosujUstawienia(zad_, pola, separator_);
    for (int p = 0; p < PoleUstawien::Ilosc; ++p)
        Edycje[size_t(p)]->setText(QString::fromStdString(pola.Edycje[size_t(p)]));
    return blad;
}

void TUstawienia::PowrotClick()
{
    const std::string blad = Zastosuj();
    if (!blad.empty()) {
        komunikaty_.Komunikat(blad);
        return;
    }
    accept();
}

void TUstawienia::DomyslneClick()
{
    WpiszPola(*this, domyslne_);
    TDaneZadania nowe;
    NowyTemat(nowe);
    TPolaUstawien pola;
    WypelnijPolaUstawien(nowe.Nastawy, pola, separator_);
    for (const int p : PolaZNastaw)
        Edycje[size_t(p)]->setText(QString::fromStdString(pola.Edycje[size_t(p)]));
    WlaczRozmiarArkusza();
}
