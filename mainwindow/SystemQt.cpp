#include "mainwindow/SystemQt.h"

#include "drawing/PowierzchniaQt.h"
#include "platform/Drukarka.h"
#include "platform/TekstQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

namespace {

// The program speaks Polish whatever Qt's translations the system has.
QMessageBox::StandardButton Pokaz(QMessageBox::Icon ikona, const std::string& tekst,
                                  QMessageBox::StandardButtons przyciski)
{
    QMessageBox okno(ikona, QStringLiteral("QUARVI"), ZUtf8(tekst), przyciski, QApplication::activeWindow());
    const std::pair<QMessageBox::StandardButton, const char*> napisy[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "Tak"}, {QMessageBox::No, "Nie"}, {QMessageBox::Cancel, "Anuluj"}};
    for (const auto& [przycisk, napis] : napisy)
        if (QAbstractButton* b = okno.button(przycisk))
            b->setText(QString::fromUtf8(napis));
    return QMessageBox::StandardButton(okno.exec());
}

} // namespace

// Every plain message of the program refuses something or reports a failure.
void TKomunikatyQt::Komunikat(const std::string& tekst)
{
    Pokaz(QMessageBox::Warning, tekst, QMessageBox::Ok);
}

bool TKomunikatyQt::Pytanie(const std::string& tekst)
{
    return Pokaz(QMessageBox::Question, tekst, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

TOdpowiedz TKomunikatyQt::PytanieZAnulowaniem(const std::string& tekst)
{
    switch (Pokaz(QMessageBox::Question, tekst, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return TOdpowiedz::Tak;
    case QMessageBox::No:
        return TOdpowiedz::Nie;
    default:
        return TOdpowiedz::Anuluj; // also the window's close button and Escape
    }
}

bool TKomunikatyQt::Wybor(const std::string& tekst, const std::string& tak, const std::string& nie)
{
    QMessageBox okno(QMessageBox::Question, QStringLiteral("QUARVI"), ZUtf8(tekst), QMessageBox::NoButton,
                     QApplication::activeWindow());
    QAbstractButton* pierwszy = okno.addButton(ZUtf8(tak), QMessageBox::AcceptRole);
    okno.setEscapeButton(okno.addButton(ZUtf8(nie), QMessageBox::RejectRole));
    okno.exec();
    return okno.clickedButton() == pierwszy;
}

QStringList FiltryQt(const std::string& filtr)
{
    const QStringList czesci = ZUtf8(filtr).split(QLatin1Char('|'));
    QStringList filtry;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2)
        filtry << czesci[i] + QStringLiteral(" (") + czesci[i + 1].trimmed() + QLatin1Char(')');
    return filtry;
}

std::optional<std::string> WybierzPlikQt(const TDialogPliku& d)
{
    QFileDialog dialog(QApplication::activeWindow());
    const bool odczyt = d.Rodzaj == TDialogPliku::TRodzaj::Odczyt;
    dialog.setObjectName(odczyt ? QStringLiteral("OpenDialog1") : QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(odczyt ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(odczyt ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setWindowTitle(odczyt                                     ? QStringLiteral("Odczyt danych")
                          : d.Rodzaj == TDialogPliku::TRodzaj::Zapis ? QStringLiteral("Zapis danych")
                                                                     : QStringLiteral("Drukowanie do pliku PDF"));
    dialog.setNameFilters(FiltryQt(d.Filtr));
    dialog.setDefaultSuffix(ZUtf8(d.Rozszerzenie));
    dialog.setDirectory(ZUtf8(d.Folder));
    if (!d.Nazwa.empty())
        dialog.selectFile(ZUtf8(d.Nazwa));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

TWydrukDrukarki::TWydrukDrukarki(TNowaDrukarka nowaDrukarka) : nowaDrukarka_(std::move(nowaDrukarka)) {}

TWydrukDrukarki::~TWydrukDrukarki() = default;

const TStronaDruku* TWydrukDrukarki::Strona(int32_t)
{
    drukarka_ = nowaDrukarka_();
    if (!drukarka_)
        return nullptr;
    powierzchnia_ = std::make_unique<TPowierzchniaQt>(*drukarka_);
    if (!powierzchnia_->Aktywna())
        return nullptr;
    strona_ = std::make_unique<TStronaDruku>(
        TStronaDruku{*powierzchnia_, drukarka_->logicalDpiX(), drukarka_->logicalDpiY()});
    return strona_.get();
}

void TWydrukDrukarki::KoniecStrony(int32_t)
{
    // Ending the painting ends the job: the page goes to the printer.
    strona_.reset();
    powierzchnia_.reset();
    drukarka_.reset();
}

std::unique_ptr<QPrinter> DrukarkaDomyslna()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto drukarka = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    drukarka->setPageOrientation(QPageLayout::Portrait);
    drukarka->setDocName(QStringLiteral("QUARVI"));
    return drukarka;
}

TOtoczenie OtoczenieQt(IKomunikaty& komunikaty)
{
    return {komunikaty, WybierzPlikQt, [] { return std::make_unique<TWydrukDrukarki>(DrukarkaDomyslna); },
            ZapytajDrukarke};
}
