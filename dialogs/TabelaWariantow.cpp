#include "dialogs/TabelaWariantow.h"

#include "dialogs/DodajWariant.h"
#include "dialogs/GrupyObciazenia.h"
#include "dialogs/Kontrolki.h"
#include "dialogs/Siatka.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/Zatwierdzanie.h"
#include "dialogs/ZmianaNazwy.h"
#include "drawing/Arkusze.h"
#include "model/GrupyKombinacje.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"
#include "projectfile/PlikZadania.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int NajwezszaKolumna = 70;

QString Naglowek(int numer, const std::string& nazwaCp1250)
{
    return QString::number(numer) + QStringLiteral("  ") + QString::fromStdString(Cp1250NaUtf8(nazwaCp1250));
}

} // namespace

TTabelaWariantow::TTabelaWariantow(TDaneZadania& zad, TWyniki& wyn, const TWidok& widok, TListaGrup& lista,
                                   IKomunikaty& komunikaty, char separator, QWidget* rodzic)
    : QDialog(rodzic)
    , zad_(zad)
    , wyn_(wyn)
    , widok_(widok)
    , lista_(lista)
    , komunikaty_(komunikaty)
    , separator_(separator)
{
    setObjectName(QStringLiteral("TabelaWariantow"));
    setWindowTitle(QStringLiteral("Tabela wariantów"));
    using namespace Kontrolki;

    auto* tytul = Etykieta(this, "StaticText4", QStringLiteral("TABELA WSPÓŁCZYNNIKÓW"));
    QFont gruba = tytul->font();
    gruba.setBold(true);
    tytul->setFont(gruba);
    Tabela = Siatka::Nowa(this, "Tabela");
    Tabela->setRowCount(2);
    Tabela->setColumnCount(2);
    Button1 = Przycisk(this, "Button1", QStringLiteral("Dodaj grupę obciążeń"));
    Button2 = Przycisk(this, "Button2", QStringLiteral("Dodaj kombinację obciążeń"));
    WstawDomyslny = new QCheckBox(QStringLiteral("Wstaw domyślą wartość wsp. ="), this);
    WstawDomyslny->setObjectName(QStringLiteral("WstawDomyslny"));
    WstawDomyslny->setChecked(true);
    Wsp_dom = Edycja(this, "Wsp_dom", QStringLiteral("1"), QStringLiteral("0000,00"));
    Button3 = Przycisk(this, "Button3", QStringLiteral("Powrót"));
    Button3->setDefault(true);
    ZmianaNazwyGrupy = Przycisk(this, "ZmianaNazwyGrupy", QStringLiteral("Zmień nazwę grupy"));
    UsuniecieGrupy = Przycisk(this, "UsuniecieGrupy", QStringLiteral("Usuń grupę"));
    ZmianaRodzajuGrupy = Przycisk(this, "ZmianaRodzajuGrupy", QStringLiteral("Rodzaj grupy…"));
    ZmianaNazwyKombinacji = Przycisk(this, "ZmianaNazwyKombinacji", QStringLiteral("Zmień nazwę kombinacji"));
    UsuniecieKombinacji = Przycisk(this, "UsuniecieKombinacji", QStringLiteral("Usuń kombinację"));
    for (QPushButton* b : {ZmianaNazwyGrupy, UsuniecieGrupy, ZmianaRodzajuGrupy})
        b->setToolTip(QStringLiteral("Grupa z wiersza zaznaczonej komórki"));
    for (QPushButton* b : {ZmianaNazwyKombinacji, UsuniecieKombinacji})
        b->setToolTip(QStringLiteral("Kombinacja z kolumny zaznaczonej komórki"));

    auto* siatka = new QGridLayout;
    siatka->addWidget(Etykieta(this, "StaticText1", QStringLiteral("Kombinacje obciążeń")), 0, 1, Qt::AlignHCenter);
    auto* grupy = new QVBoxLayout;
    grupy->addWidget(Etykieta(this, "StaticText2", QStringLiteral("Grupy")));
    grupy->addWidget(Etykieta(this, "StaticText3", QStringLiteral("obciążeń")));
    grupy->addStretch();
    siatka->addLayout(grupy, 1, 0);
    siatka->addWidget(Tabela, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    siatka->setColumnStretch(2, 1);

    auto* dodaj = new QHBoxLayout;
    dodaj->addWidget(Button1);
    dodaj->addWidget(Button2);
    dodaj->addStretch();
    auto* zmiany = new QHBoxLayout;
    zmiany->addWidget(ZmianaNazwyGrupy);
    zmiany->addWidget(UsuniecieGrupy);
    zmiany->addWidget(ZmianaRodzajuGrupy);
    zmiany->addSpacing(12);
    zmiany->addWidget(ZmianaNazwyKombinacji);
    zmiany->addWidget(UsuniecieKombinacji);
    zmiany->addStretch();
    auto* domyslny = new QHBoxLayout;
    domyslny->addWidget(WstawDomyslny);
    domyslny->addWidget(Wsp_dom);
    domyslny->addStretch();
    domyslny->addWidget(Button3);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(tytul, 0, Qt::AlignHCenter);
    uklad->addLayout(siatka);
    uklad->addLayout(dodaj);
    uklad->addLayout(zmiany);
    uklad->addLayout(domyslny);
    uklad->setSizeConstraint(QLayout::SetFixedSize); // the dialog grows and shrinks with the grid

    GrupyObciazenia = new TGrupyObciazenia(zad, lista, komunikaty, separator, this);
    DodajWariant = new TDodajWariant(zad, komunikaty, this);
    ZmianaNazwy = new TZmianaNazwy(komunikaty, this);

    connect(Button1, &QPushButton::clicked, this, &TTabelaWariantow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TTabelaWariantow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TTabelaWariantow::Button3Click);
    connect(Tabela, &QTableWidget::cellDoubleClicked, this, &TTabelaWariantow::TabelaDblClick);
    connect(ZmianaNazwyGrupy, &QPushButton::clicked, this, &TTabelaWariantow::ZmianaNazwyGrupyClick);
    connect(ZmianaRodzajuGrupy, &QPushButton::clicked, this, &TTabelaWariantow::ZmianaRodzajuGrupyClick);
    connect(UsuniecieGrupy, &QPushButton::clicked, this, &TTabelaWariantow::UsuniecieGrupyClick);
    connect(ZmianaNazwyKombinacji, &QPushButton::clicked, this, &TTabelaWariantow::ZmianaNazwyKombinacjiClick);
    connect(UsuniecieKombinacji, &QPushButton::clicked, this, &TTabelaWariantow::UsuniecieKombinacjiClick);
    connect(Tabela, &QTableWidget::currentCellChanged, this, &TTabelaWariantow::UstawPrzyciski);
    Tabela->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Tabela, &QWidget::customContextMenuRequested, this, &TTabelaWariantow::TabelaContextPopup);
    // Whether the user confirmed or cancelled, the grid follows the task.
    connect(GrupyObciazenia, &QDialog::finished, this, [this] {
        const int bylo = Tabela->rowCount() - 1;
        OdbudujWiersze();
        OdbudujKolumny();
        ZapiszNowe(1, Tabela->columnCount() - 1, bylo + 1, Tabela->rowCount() - 1);
        // A group's kind brings the design sheets or takes them away.
        RozmiescArkusze(zad_, widok_);
        Zmieniona();
    });
    connect(DodajWariant, &QDialog::finished, this, [this] {
        const int bylo = Tabela->columnCount() - 1;
        OdbudujKolumny();
        OdbudujWiersze();
        ZapiszNowe(bylo + 1, Tabela->columnCount() - 1, 1, Tabela->rowCount() - 1);
        Zmieniona();
    });
    connect(ZmianaNazwy, &QDialog::accepted, this, [this] {
        OdbudujWiersze();
        OdbudujKolumny();
        lista_.Odbuduj(zad_);
        Zmieniona();
    });
}

void TTabelaWariantow::Zmieniona()
{
    PoDodaniuGrupyLubKombinacji(zad_, wyn_);
    UstawPrzyciski();
    if (PoZmianie)
        PoZmianie();
}

void TTabelaWariantow::UstawPrzyciski()
{
    const int j = Tabela->currentRow(), c = Tabela->currentColumn();
    const int g = Tabela->rowCount() - 1, k = Tabela->columnCount() - 1;
    ZmianaNazwyGrupy->setEnabled(j >= 1 && j <= g);
    ZmianaRodzajuGrupy->setEnabled(j >= 1 && j <= g);
    UsuniecieGrupy->setEnabled(j >= 1 && j <= g && g > 1);
    ZmianaNazwyKombinacji->setEnabled(c >= 1 && c <= k);
    UsuniecieKombinacji->setEnabled(c >= 1 && c <= k && k > 1);
}

void TTabelaWariantow::ZmianaNazwyGrupyClick()
{
    const int j = Tabela->currentRow();
    if (j < 1 || j > IloscUzytych(zad_.Grupy))
        return;
    ZmianaNazwy->Przygotuj(QStringLiteral("Zmiana nazwy grupy"), QStringLiteral("Nazwa grupy (max. 20 znaków)"), j,
                           QString::fromStdString(Cp1250NaUtf8(zad_.Grupy[size_t(j - 1)].Nazwa)),
                           [this, j](const std::string& nazwa) {
                               return ZmienNazweGrupy(zad_, j - 1, Utf8NaCp1250(nazwa));
                           });
    ZmianaNazwy->Pokaz();
}

void TTabelaWariantow::ZmianaNazwyKombinacjiClick()
{
    const int c = Tabela->currentColumn();
    if (c < 1 || c > IloscUzytych(zad_.Kombinacje))
        return;
    ZmianaNazwy->Przygotuj(QStringLiteral("Zmiana nazwy kombinacji"),
                           QStringLiteral("Nazwa wariantu (max. 20 znaków)"), c,
                           QString::fromStdString(Cp1250NaUtf8(zad_.Kombinacje[size_t(c - 1)].Nazwa)),
                           [this, c](const std::string& nazwa) {
                               return ZmienNazweKombinacji(zad_, c - 1, Utf8NaCp1250(nazwa));
                           });
    ZmianaNazwy->Pokaz();
}

void TTabelaWariantow::UsuniecieGrupyClick()
{
    const int j = Tabela->currentRow();
    if (j < 1)
        return;
    if (const std::optional<std::string> pytanie = PytanieOUsunieciuGrupy(zad_, j - 1))
        if (!komunikaty_.Pytanie(*pytanie))
            return;
    if (const std::optional<std::string> blad = UsunGrupe(zad_, j - 1)) {
        komunikaty_.Komunikat(*blad);
        return;
    }
    // The cells typed and not yet stored go with their rows.
    Tabela->removeRow(j);
    OdbudujWiersze();
    lista_.Odbuduj(zad_);
    Zmieniona();
}

void TTabelaWariantow::UsuniecieKombinacjiClick()
{
    const int c = Tabela->currentColumn();
    if (c < 1)
        return;
    if (const std::optional<std::string> blad = UsunKombinacje(zad_, c - 1)) {
        komunikaty_.Komunikat(*blad);
        return;
    }
    Tabela->removeColumn(c);
    OdbudujKolumny();
    Zmieniona();
}

void TTabelaWariantow::TabelaContextPopup(const QPoint& miejsce)
{
    const QModelIndex komorka = Tabela->indexAt(miejsce);
    if (!komorka.isValid())
        return;
    Tabela->setCurrentCell(komorka.row(), komorka.column());
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("MenuTabeli"));
    for (QPushButton* b :
         {ZmianaNazwyGrupy, UsuniecieGrupy, ZmianaRodzajuGrupy, ZmianaNazwyKombinacji, UsuniecieKombinacji}) {
        QAction* a = menu.addAction(b->text(), b, &QPushButton::click);
        a->setEnabled(b->isEnabled());
    }
    menu.exec(Tabela->viewport()->mapToGlobal(miejsce));
}

void TTabelaWariantow::WstawDomyslne(int kolumnaOd, int kolumnaDo, int wierszOd, int wierszDo)
{
    if (!WstawDomyslny->isChecked())
        return;
    kolumnaDo = std::min(kolumnaDo, Tabela->columnCount() - 1);
    wierszDo = std::min(wierszDo, Tabela->rowCount() - 1);
    for (int c = kolumnaOd; c <= kolumnaDo; ++c)
        for (int j = wierszOd; j <= wierszDo; ++j)
            if (Siatka::Tekst(Tabela, c, j).isEmpty())
                Siatka::UstawTekst(Tabela, c, j, Wsp_dom->text());
}

void TTabelaWariantow::ZapiszNowe(int kolumnaOd, int kolumnaDo, int wierszOd, int wierszDo)
{
    for (int c = kolumnaOd; c <= kolumnaDo; ++c)
        for (int j = wierszOd; j <= wierszDo; ++j) {
            std::string tekst = Siatka::Tekst(Tabela, c, j).toStdString();
            if (ZapiszNowyWspolczynnik(zad_, c - 1, j - 1, tekst, separator_))
                Siatka::UstawTekst(Tabela, c, j, QString::fromStdString(tekst));
        }
}

void TTabelaWariantow::OdbudujWiersze()
{
    const int g = IloscUzytych(zad_.Grupy);
    const int k = IloscUzytych(zad_.Kombinacje);
    Tabela->setRowCount(g + 1);
    Siatka::UstawStala(Tabela, 0, 0, QStringLiteral("nr w\\k"));
    for (int j = 1; j <= g; ++j) {
        // The kind of a classified group under its name.
        const std::string rodzaj = SkrotRodzaju(zad_.Klasyfikacje[size_t(j - 1)]);
        Siatka::UstawStala(Tabela, 0, j,
                           Naglowek(j, zad_.Grupy[size_t(j - 1)].Nazwa) +
                               (rodzaj.empty() ? QString() : QStringLiteral("\n") + QString::fromStdString(rodzaj)));
        Tabela->item(j, 0)->setToolTip(QStringLiteral("Dwuklik: nazwa, kolor i rodzaj grupy"));
    }
    WstawDomyslne(1, k, g, g);
    Dopasuj();
    UstawPrzyciski();
}

void TTabelaWariantow::OdbudujKolumny()
{
    const int g = IloscUzytych(zad_.Grupy);
    const int k = IloscUzytych(zad_.Kombinacje);
    Tabela->setColumnCount(k + 1);
    Siatka::UstawStala(Tabela, 0, 0, QStringLiteral("nr w\\k"));
    for (int c = 1; c <= k; ++c)
        Siatka::UstawStala(Tabela, c, 0, Naglowek(c, zad_.Kombinacje[size_t(c - 1)].Nazwa));
    WstawDomyslne(k, k, 1, g);
    Dopasuj();
    UstawPrzyciski();
}

void TTabelaWariantow::Dopasuj()
{
    int szerokosc = NajwezszaKolumna;
    for (int c = 0; c < Tabela->columnCount(); ++c)
        for (int j = 0; j < Tabela->rowCount(); ++j)
            if (c == 0 || j == 0)
                szerokosc = std::max(szerokosc, fontMetrics().horizontalAdvance(Siatka::Tekst(Tabela, c, j)) + 14);
    Siatka::Dopasuj(Tabela, szerokosc, szerokosc);
    // A heading with the group's kind under its name takes two lines.
    int dodatek = 0;
    for (int j = 1; j < Tabela->rowCount(); ++j)
        if (Siatka::Tekst(Tabela, 0, j).contains(QLatin1Char('\n'))) {
            Tabela->setRowHeight(j, Tabela->rowHeight(j) + fontMetrics().height());
            dodatek += fontMetrics().height();
        }
    if (dodatek > 0)
        Tabela->setFixedHeight(Tabela->height() + dodatek);
}

void TTabelaWariantow::WpiszZPliku(const TWidokiZPliku& widoki)
{
    OdbudujWiersze();
    OdbudujKolumny();
    for (size_t c = 0; c < widoki.Wspolczynniki.size(); ++c)
        for (size_t j = 0; j < widoki.Wspolczynniki[c].size(); ++j)
            Siatka::UstawTekst(
                Tabela, int(c) + 1, int(j) + 1,
                QString::fromStdString(FormatujMaska(widoki.Wspolczynniki[c][j], Maska::Wspolczynnik, separator_)));
}

void TTabelaWariantow::Pokaz()
{
    Kontrolki::PokazModalnie(*this);
}

void TTabelaWariantow::Button1Click()
{
    const int g = IloscUzytych(zad_.Grupy);
    if (g >= TDaneZadania::MaxGrup) {
        komunikaty_.Komunikat(KomunikatLimituGrup());
        return;
    }
    GrupyObciazenia->Przygotuj(g + 1, KolorNowejGrupy(g));
    GrupyObciazenia->Pokaz();
}

void TTabelaWariantow::ZmianaRodzajuGrupyClick()
{
    TabelaDblClick(Tabela->currentRow(), 0);
}

void TTabelaWariantow::TabelaDblClick(int wiersz, int kolumna)
{
    if (kolumna != 0 || wiersz < 1 || wiersz > IloscUzytych(zad_.Grupy))
        return;
    GrupyObciazenia->PrzygotujZmiane(wiersz);
    GrupyObciazenia->Pokaz();
}

void TTabelaWariantow::Button2Click()
{
    const int k = IloscUzytych(zad_.Kombinacje);
    if (k >= TDaneZadania::MaxKombinacji) {
        komunikaty_.Komunikat(KomunikatLimituKombinacji());
        return;
    }
    DodajWariant->Przygotuj(k + 1);
    DodajWariant->Pokaz();
}

void TTabelaWariantow::Button3Click()
{
    const int k = Tabela->columnCount() - 1;
    const int g = Tabela->rowCount() - 1;
    std::vector<std::vector<std::string>> komorki(size_t(std::max(k, 0)));
    for (int c = 1; c <= k; ++c)
        for (int j = 1; j <= g; ++j)
            komorki[size_t(c - 1)].push_back(Siatka::Tekst(Tabela, c, j).toStdString());
    const std::string blad = ZapiszWspolczynniki(zad_, komorki, separator_);
    for (int c = 1; c <= k; ++c)
        for (int j = 1; j <= g; ++j)
            Siatka::UstawTekst(Tabela, c, j, QString::fromStdString(komorki[size_t(c - 1)][size_t(j - 1)]));
    if (!blad.empty()) {
        komunikaty_.Komunikat(blad);
        return;
    }
    RozmiescArkusze(zad_, widok_);
    accept();
}
