#include "app/Renderowanie.h"

#include "analysis/Wyniki.h"
#include "app/WierszPolecen.h"
#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/Widok.h"
#include "model/Zadanie.h"
#include "platform/KomunikatyStrumien.h"
#include "platform/Regionalne.h"

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>

#include <memory>
#include <ostream>

namespace {

constexpr int DpiPdf = 300;


QString NazwaPliku(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

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

int Pdf(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
    QPdfWriter pdf(NazwaPliku(polecenie.Wyjscie));
    pdf.setResolution(DpiPdf);
    pdf.setCreator(QStringLiteral("QUARVI"));
    pdf.setTitle(NazwaPliku(polecenie.Plik));
    // A4 portrait whose printable area is the 20.5 × 28.5 cm sheet the
    // program lays out when it has no printer to ask, centred on the paper.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(2.5, 6, 2.5, 6),
                                  QPageLayout::Millimeter));
    TPowierzchniaQt powierzchnia(pdf);
    if (!powierzchnia.Aktywna()) {
        bledy << "Nie można zapisać pliku " << polecenie.Wyjscie << ".\n";
        return 1;
    }
    const QRect strona = pdf.pageLayout().paintRectPixels(DpiPdf);
    // The PDF is the printer printed on.
    k.Drukarka = TInformacjaDrukarki{DpiPdf, DpiPdf, strona.width(), strona.height()};
    k.DrukarkaZnana = true;
    UlozArkusze(k);
    TWydrukPdf wydruk(powierzchnia);
    const int32_t strony = Drukuj(k, wydruk);
    powierzchnia.Zakoncz();
    if (strony < IloscStronWydruku(k.Zadanie)) {
        bledy << "Nie można zapisać wszystkich stron pliku " << polecenie.Wyjscie << ".\n";
        return 1;
    }
    return 0;
}

int Png(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
    QImage obraz(polecenie.Szerokosc, polecenie.Wysokosc, QImage::Format_RGB32);
    if (obraz.isNull()) {
        bledy << "Brak pamięci na obraz " << polecenie.Szerokosc << "x" << polecenie.Wysokosc << ".\n";
        return 1;
    }
    OdswiezDrukarke(k);
    // As the window after opening: sheets laid out for the sheet size, zoom all, one composition.
    UlozArkusze(k);
    ZoomWszystko(k.Widok, polecenie.Szerokosc, polecenie.Wysokosc);
    {
        TPowierzchniaQt powierzchnia(obraz);
        Przerysuj(k, &powierzchnia);
    }
    if (!obraz.save(NazwaPliku(polecenie.Wyjscie), "PNG")) {
        bledy << "Nie można zapisać pliku " << polecenie.Wyjscie << ".\n";
        return 1;
    }
    return 0;
}

} // namespace

void WczytajCzcionkeProgramu(const std::filesystem::path& folderProgramu, TCzcionka& czcionka, std::ostream& bledy)
{
    const std::string blad = WczytajCzcionke(SciezkaCzcionki(folderProgramu), czcionka);
    if (!blad.empty())
        bledy << blad << '\n';
}

int WykonajRysunek(const TPolecenie& polecenie, const TCzcionka& czcionka, const TRegionalne& regionalne,
                   std::ostream& bledy)
{
    // Large tables: on the heap.
    auto zad = std::make_unique<TDaneZadania>();
    auto wyn = std::make_unique<TWyniki>();
    TWidok widok;
    NowyTemat(*zad);
    if (!WczytajIPrzelicz(polecenie.Plik, *zad, *wyn, bledy))
        return 1;
    TKomunikatyStrumien komunikaty(bledy);
    TKompozycja k{.Zadanie = *zad,
                  .Wyniki = *wyn,
                  .Widok = widok,
                  .Czcionka = czcionka,
                  .Komunikaty = komunikaty,
                  .Pokazuj = {},
                  .Separator = regionalne.SeparatorDziesietny,
                  .Drukarka = std::nullopt};
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Pdf)
        return Pdf(polecenie, k, bledy);
    return Png(polecenie, k, bledy);
}
