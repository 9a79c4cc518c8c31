#include "dialogs/EdytowanieObciazen.h"

#include "dialogs/DodajObciazenie.h"
#include "dialogs/Kontrolki.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

QTableWidgetItem* Komorka(const std::string& tekst)
{
    auto* k = new QTableWidgetItem(QString::fromStdString(tekst));
    k->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return k;
}

} // namespace

TEdytowanieObciazen::TEdytowanieObciazen(const TOpisListy& opis, TDaneZadania& zad, TDodajObciazenie& wpis,
                                         IKomunikaty& komunikaty, char separator, QWidget* rodzic)
    : QDialog(rodzic)
    , opis_(opis)
    , zad_(zad)
    , wpis_(wpis)
    , komunikaty_(komunikaty)
    , separator_(separator)
{
    setObjectName(QString::fromLatin1(opis.Nazwa));
    setWindowTitle(QString::fromUtf8(opis.Tytul));
    const std::vector<std::string> naglowki = NaglowkiListy(opis.Rodzaj);

    SG_Tab = new QTableWidget(100, int(naglowki.size()), this);
    SG_Tab->setObjectName(QString::fromLatin1(opis.Siatka));
    SG_Tab->horizontalHeader()->hide();
    SG_Tab->verticalHeader()->hide();
    SG_Tab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG_Tab->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG_Tab->setSelectionMode(QAbstractItemView::SingleSelection);
    SG_Tab->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    SG_Tab->setMinimumSize(560, 320);

    Dodawanie = Kontrolki::Przycisk(this, opis.Przyciski[0], QStringLiteral("Dodaj"));
    Edytowanie = Kontrolki::Przycisk(this, opis.Przyciski[1], QStringLiteral("Edytuj"));
    Usun = Kontrolki::Przycisk(this, opis.Przyciski[2], QStringLiteral("Usuń"));
    Button4 = Kontrolki::Przycisk(this, opis.Przyciski[3], QStringLiteral("Powrót"));
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(SG_Tab);
    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {Dodawanie, Edytowanie, Usun})
        przyciski->addWidget(b);
    przyciski->addStretch(1);
    przyciski->addWidget(Button4);
    uklad->addLayout(przyciski);

    connect(Dodawanie, &QPushButton::clicked, this, &TEdytowanieObciazen::DodawanieClick);
    connect(Edytowanie, &QPushButton::clicked, this, &TEdytowanieObciazen::EdytowanieClick);
    connect(Usun, &QPushButton::clicked, this, &TEdytowanieObciazen::UsunClick);
    connect(Button4, &QPushButton::clicked, this, &QDialog::accept);
    connect(SG_Tab, &QTableWidget::cellDoubleClicked, this, &TEdytowanieObciazen::EdytowanieClick);
}

void TEdytowanieObciazen::Pokaz()
{
    const std::vector<std::string> naglowki = NaglowkiListy(opis_.Rodzaj);
    for (int c = 0; c < int(naglowki.size()); ++c) {
        QTableWidgetItem* k = Komorka(naglowki[size_t(c)]);
        k->setFlags(Qt::ItemIsEnabled);
        k->setBackground(palette().brush(QPalette::Button));
        SG_Tab->setItem(0, c, k);
    }
    Wypelnij();
    // Every column readable without scrolling sideways.
    int szerokosc = 2 * SG_Tab->frameWidth() + SG_Tab->verticalScrollBar()->sizeHint().width();
    SG_Tab->resizeColumnsToContents();
    for (int c = 0; c < SG_Tab->columnCount(); ++c)
        szerokosc += SG_Tab->columnWidth(c);
    SG_Tab->setMinimumWidth(std::max(szerokosc + 24, 560));
    // Not exec(): hiding an exec'd dialog would end it, and the list hides
    // while its entry dialog is open.
    Kontrolki::PokazModalnie(*this);
}

void TEdytowanieObciazen::Wypelnij()
{
    for (int j = 1; j < SG_Tab->rowCount(); ++j)
        for (int c = 0; c < SG_Tab->columnCount(); ++c)
            SG_Tab->setItem(j, c, Komorka({}));
    const auto wiersze = WierszeListy(zad_, opis_.Rodzaj, separator_);
    // Row i + 1 shows slot i: a hundredth load has no row.
    for (size_t i = 0; i < wiersze.size() && int(i) + 1 < SG_Tab->rowCount(); ++i)
        for (size_t c = 0; c < wiersze[i].size(); ++c)
            SG_Tab->setItem(int(i) + 1, int(c), Komorka(wiersze[i][c]));
}

bool TEdytowanieObciazen::WybranySlot(int32_t& i)
{
    const int wiersz = SG_Tab->currentRow();
    const QTableWidgetItem* k = wiersz >= 1 ? SG_Tab->item(wiersz, 0) : nullptr;
    const std::string tekst = k ? k->text().toStdString() : std::string();
    if (!CzytajCalkowita(tekst, i)) {
        komunikaty_.Komunikat(KomunikatCalkowitej(tekst));
        return false;
    }
    --i;
    return true;
}

void TEdytowanieObciazen::PokazWpis(std::function<void()> potem)
{
    hide();
    auto polaczenie = std::make_shared<QMetaObject::Connection>();
    *polaczenie = connect(&wpis_, &QDialog::finished, this, [this, polaczenie, potem] {
        disconnect(*polaczenie);
        potem();
        show();
    });
    wpis_.Pokaz();
}

void TEdytowanieObciazen::DodawanieClick()
{
    // In whatever state it was left.
    PokazWpis([this] { Wypelnij(); });
}

void TEdytowanieObciazen::EdytowanieClick()
{
    int32_t i = 0;
    if (!WybranySlot(i))
        return;
    const std::optional<TPolaObciazenia> pola = PolaDoZmiany(zad_, opis_.Rodzaj, i, separator_);
    if (!pola) {
        komunikaty_.Komunikat(KomunikatBrakuDoEdycji(opis_.Rodzaj));
        return;
    }
    wpis_.PrzygotujZmiane(*pola);
    Edytowanie->hide();
    PokazWpis([this] {
        Edytowanie->show();
        Wypelnij();
    });
}

void TEdytowanieObciazen::UsunClick()
{
    int32_t i = 0;
    if (!WybranySlot(i))
        return;
    if (UsunObciazenie(zad_, opis_.Rodzaj, i, komunikaty_, separator_))
        Wypelnij();
    if (Przerysuj)
        Przerysuj();
}
