#include "mainwindow/PasekStanu.h"

#include "platform/TekstQt.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr const char* LiniaIdentyfikacji = "QUARVI wer. 1.0.1 — statyka belki ciągłej — czerwiec 2009";
constexpr const char* NieZapisane = "  Dane nie zapisane!";

} // namespace

TPasekStanu::TPasekStanu(QWidget* rodzic) : QStatusBar(rodzic)
{
    setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 3; ++i) {
        Panele_[i] = new QLabel(this);
        Panele_[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        Panele_[i]->setContentsMargins(4, 0, 4, 0);
    }
    const QFontMetrics fm(Panele_[0]->font());
    Panele_[0]->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("X=-00000,000 Y=-00000,000")) + 12);
    Panele_[1]->setText(ZUtf8(LiniaIdentyfikacji));
    Panele_[2]->setMinimumWidth(fm.horizontalAdvance(ZUtf8(NieZapisane)) + 12);
    addWidget(Panele_[0]);
    addWidget(Panele_[1], 1);
    addPermanentWidget(Panele_[2]);
}

void TPasekStanu::UstawOdczyt(const std::string& tekst)
{
    Panele_[0]->setText(ZUtf8(tekst));
}

void TPasekStanu::UstawNieZapisane(bool nieZapisane)
{
    Panele_[2]->setText(nieZapisane ? ZUtf8(NieZapisane) : QString());
}
