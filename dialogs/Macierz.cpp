#include "dialogs/Macierz.h"

#include "analysis/UkladKombinacji.h"
#include "dialogs/Kontrolki.h"
#include "dialogs/OdmowyWynikow.h"
#include "dialogs/KontrolkiWynikow.h"
#include "dialogs/Siatka.h"
#include "drawing/Arkusze.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int SzerokoscMacierzy = 50;
constexpr int SzerokoscWektora = 60;

int WysokoscWiersza(int n)
{
    return n > 12 ? 16 : n > 10 ? 18 : 20;
}

// The grids of one equation side by side, each "=" between its neighbours.
QHBoxLayout* Rownanie(std::initializer_list<QWidget*> elementy)
{
    auto* rzad = new QHBoxLayout;
    rzad->setSpacing(6);
    for (QWidget* w : elementy)
        rzad->addWidget(w, 0, qobject_cast<QLabel*>(w) ? Qt::AlignVCenter : Qt::AlignTop);
    rzad->addStretch(1);
    return rzad;
}

} // namespace

TMacierz::TMacierz(const TKompozycja& k, QWidget* rodzic) : QDialog(rodzic), k_(k)
{
    setObjectName("Macierz");
    setWindowTitle("Macierz");
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    UtworzKontrolki();
    connect(SB_Wariant, &QScrollBar::valueChanged, this, &TMacierz::SB_WariantChange);
}

void TMacierz::UtworzKontrolki()
{
    StaticText2 = NowyNapis(this, "StaticText2", "UKŁAD RÓWNAŃ", true);
    StaticText6 = NowyNapis(this, "StaticText6", "K*x=Q", true);
    SG_Mac_A = SiatkaWynikow::Nowa(this, "SG_Mac_A");
    SG_X = SiatkaWynikow::Nowa(this, "SG_X");
    StaticRowne = NowyNapis(this, "StaticRowne", "=", true);
    SG_P = SiatkaWynikow::Nowa(this, "SG_P");
    StaticText5 = NowyNapis(this, "StaticText5", "ROZWIĄZANIE UKŁADU RÓWNAŃ", true);
    StaticText8 = NowyNapis(this, "StaticText8", "x=K^(-1)*Q", true);
    SG_X2 = SiatkaWynikow::Nowa(this, "SG_X2");
    StaticRowne2 = NowyNapis(this, "StaticRowne2", "=", true);
    SG_Mac_A1 = SiatkaWynikow::Nowa(this, "SG_Mac_A1");
    SG_P2 = SiatkaWynikow::Nowa(this, "SG_P2");
    StaticText1 = NowyNapis(this, "StaticText1", "Kombinacja obciążeń");
    SB_Wariant = new QScrollBar(Qt::Horizontal, this);
    SB_Wariant->setObjectName("SB_Wariant");
    SB_Wariant->setRange(1, 1);
    SB_Wariant->setValue(1);
    SB_Wariant->setPageStep(1);
    SB_Wariant->setFixedWidth(160);
    SB_Wariant->setFocusPolicy(Qt::StrongFocus);
    L_Opis = NowyNapis(this, "L_Opis", "", true);
    L_Opis->setMinimumWidth(200);

    // The grids take the focus only when clicked; the scroll bar's keys work in them too.
    for (QTableWidget* s : {SG_Mac_A, SG_X, SG_P, SG_X2, SG_Mac_A1, SG_P2}) {
        s->setFocusPolicy(Qt::ClickFocus);
        s->installEventFilter(this);
    }
    SB_Wariant->installEventFilter(this);

    auto* uklad = new QVBoxLayout(this);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    uklad->setContentsMargins(10, 8, 10, 8);
    auto* tytul1 = new QHBoxLayout;
    tytul1->addWidget(StaticText2);
    tytul1->addSpacing(20);
    tytul1->addWidget(StaticText6);
    tytul1->addStretch(1);
    uklad->addLayout(tytul1);
    uklad->addLayout(Rownanie({SG_Mac_A, SG_X, StaticRowne, SG_P}));
    uklad->addSpacing(8);
    auto* tytul2 = new QHBoxLayout;
    tytul2->addWidget(StaticText5);
    tytul2->addSpacing(20);
    tytul2->addWidget(StaticText8);
    tytul2->addStretch(1);
    uklad->addLayout(tytul2);
    uklad->addLayout(Rownanie({SG_X2, StaticRowne2, SG_Mac_A1, SG_P2}));
    uklad->addSpacing(8);
    auto* dol = new QHBoxLayout;
    dol->addWidget(StaticText1);
    dol->addWidget(SB_Wariant);
    dol->addWidget(L_Opis);
    dol->addStretch(1);
    uklad->addLayout(dol);
}

void TMacierz::UstawRozmiar(int n)
{
    if (n == n_)
        return;
    n_ = n;
    const int h = WysokoscWiersza(n);
    for (QTableWidget* s : {SG_Mac_A, SG_Mac_A1}) {
        const bool edytowalna = s == SG_Mac_A;
        SiatkaWynikow::Ustaw(s, {.Kolumny = n + 1,
                                 .Wiersze = n + 1,
                                 .StaleKolumny = 1,
                                 .SzerokoscKolumny = SzerokoscMacierzy,
                                 .WysokoscWiersza = h,
                                 .Edytowalna = edytowalna,
                                 .Szara = !edytowalna});
        Siatka::UstawTekst(s, 0, 0, "nr w\\k");
        for (int i = 1; i <= n; ++i) {
            Siatka::UstawTekst(s, i, 0, QString::number(i));
            Siatka::UstawTekst(s, 0, i, QString::number(i));
        }
    }
    for (QTableWidget* s : {SG_X, SG_P, SG_X2, SG_P2}) {
        const bool edytowalna = s == SG_P;
        SiatkaWynikow::Ustaw(s, {.Kolumny = 1,
                                 .Wiersze = n + 1,
                                 .SzerokoscKolumny = SzerokoscWektora,
                                 .WysokoscWiersza = h,
                                 .Edytowalna = edytowalna,
                                 .Szara = !edytowalna,
                                 .Pogrubiona = s == SG_X || s == SG_X2});
    }
}

void TMacierz::Wypelnij(int c)
{
    const TUkladKombinacji u = UkladKombinacji(k_.Zadanie, k_.Wyniki, c, k_.Komunikaty);
    const char sep = k_.Separator;
    const int n = std::min<int>(n_, int(u.Q.size()));
    const auto stale = [sep](double v) { return QString::fromStdString(FormatujStale(v, 3, 15, sep)); };
    const auto wektor = [sep](double v) { return QString::fromStdString(FormatujMaska(v, Maska::Uklad, sep)); };
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            Siatka::UstawTekst(SG_Mac_A, i + 1, j + 1, stale(u.K[i][j]));
            Siatka::UstawTekst(SG_Mac_A1, i + 1, j + 1, stale(u.KOdwrotna[i][j]));
        }
        for (QTableWidget* s : {SG_P, SG_P2})
            Siatka::UstawTekst(s, 0, i + 1, wektor(u.Q[i]));
        for (QTableWidget* s : {SG_X, SG_X2})
            Siatka::UstawTekst(s, 0, i + 1, wektor(u.X[i]));
    }
}

bool TMacierz::Pokaz()
{
    const TDaneZadania& zad = k_.Zadanie;
    if (const auto odmowa = OdmowaMacierzy(zad)) {
        k_.Komunikaty.Komunikat(*odmowa);
        return false;
    }
    UstawRozmiar(zad.IloscPrzesel - 1);
    {
        // Fewer combinations than the remembered position: the scroll bar
        // keeps within them, without showing the one it passes on the way.
        const QSignalBlocker cisza(SB_Wariant);
        SB_Wariant->setMaximum(std::max(1, IloscUzytych(zad.Kombinacje)));
    }
    Wypelnij(0);
    L_Opis->setText(("1.. " + NazwaKombinacji(zad, 0)).left(24));
    SB_Wariant->setFocus();
    adjustSize();
    if (const QScreen* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    Kontrolki::PokazModalnie(*this);
    return true;
}

void TMacierz::SB_WariantChange()
{
    const TDaneZadania& zad = k_.Zadanie;
    const int c = std::clamp(SB_Wariant->value() - 1, 0, TDaneZadania::MaxKombinacji - 1);
    Wypelnij(c);
    L_Opis->setText(QString::number(c) + ".. " + NazwaKombinacji(zad, c));
}

bool TMacierz::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (KlawiszPaska(SB_Wariant, zdarzenie))
        return true;
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TMacierz::keyPressEvent(QKeyEvent* zdarzenie)
{
    if (!KlawiszPaska(SB_Wariant, zdarzenie))
        QDialog::keyPressEvent(zdarzenie);
}
