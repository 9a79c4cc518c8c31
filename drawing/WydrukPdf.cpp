#include "drawing/WydrukPdf.h"

#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/Widok.h"
#include "model/Zadanie.h"
#include "platform/PlikWyjscia.h"
#include "platform/TekstQt.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

namespace {

// All pages in the one document of the PDF writer.
class TWydrukPdf : public IWydruk {
public:
    explicit TWydrukPdf(TPowierzchniaQt& powierzchnia)
        : strona_{powierzchnia, DpiPdf, DpiPdf}
        , powierzchnia_(powierzchnia)
    {
    }
    const TStronaDruku* Strona(int32_t strona) override
    {
        if (strona > 0 && !powierzchnia_.NowaStrona())
            return nullptr;
        return &strona_;
    }
    void KoniecStrony(int32_t) override {}

private:
    TStronaDruku strona_;
    TPowierzchniaQt& powierzchnia_;
};

// The sheets laid out for the sheet size of the composition's printer.
void UlozArkusze(TKompozycja& k)
{
    UstawRozmiarArkusza(k.Widok, k.Drukarka, k.Zadanie.Nastawy, k.Zadanie.SkalaX, k.Zadanie.SkalaY);
    RozmiescArkusze(k.Zadanie, k.Widok);
}

} // namespace

// The 20.5 × 28.5 cm printable area centred on the A4 paper: the sheet
// the program lays out when it has no printer to ask.
QPageLayout UkladStronyPdf()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(2.5, 6, 2.5, 6),
                       QPageLayout::Millimeter);
}

TInformacjaDrukarki StronaPdf()
{
    const QRect strona = UkladStronyPdf().paintRectPixels(DpiPdf);
    return {DpiPdf, DpiPdf, strona.width(), strona.height()};
}

TPdfJakoDrukarka::TPdfJakoDrukarka(TKompozycja& k) : k_(k), drukarka_(k.Drukarka)
{
    k_.Drukarka = StronaPdf();
    UlozArkusze(k_);
}

TPdfJakoDrukarka::~TPdfJakoDrukarka()
{
    k_.Drukarka = drukarka_;
    UlozArkusze(k_);
}

namespace {

// The pages into `plik`: nothing when all were written, otherwise why not.
std::optional<QString> PiszPdf(TKompozycja& k, QIODevice& plik, const std::string& tytul)
{
    QPdfWriter pdf(&plik);
    pdf.setResolution(DpiPdf);
    pdf.setCreator(QStringLiteral("QUARVI"));
    pdf.setTitle(ZUtf8(tytul));
    pdf.setPageLayout(UkladStronyPdf());
    TPowierzchniaQt powierzchnia(pdf);
    if (!powierzchnia.Aktywna())
        return QStringLiteral("nie udało się zacząć dokumentu PDF");
    int32_t strony = 0;
    {
        // The PDF is the printer printed on, until the print is done.
        const TPdfJakoDrukarka naPdf(k);
        TWydrukPdf wydruk(powierzchnia);
        strony = Drukuj(k, wydruk);
        powierzchnia.Zakoncz();
    }
    if (strony < IloscStronWydruku(k.Zadanie))
        return QStringLiteral("nie wszystkie strony zostały zapisane");
    return std::nullopt;
}

} // namespace

bool DrukujDoPdf(TKompozycja& k, const std::string& plik, const std::string& tytul, std::string& blad)
{
    // Written beside its name and renamed over it when complete: a failed
    // print leaves an older file as it was, and every failure says why.
    QString powod;
    if (ZapiszDoPliku(
            ZUtf8(plik), [&](QIODevice& urzadzenie) { return PiszPdf(k, urzadzenie, tytul); }, powod))
        return true;
    blad = "Nie można zapisać pliku " + plik + ": " + powod.toStdString() + ".";
    return false;
}
