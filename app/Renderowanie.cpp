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

struct TZadanieWczytane {
    TDaneZadania Zadanie;
    TWyniki Wyniki;
    TWidok Widok;
};

int Pdf(const TPolecenie& polecenie, TZadanieWczytane& z, const TCzcionka& czcionka, char separator,
        std::ostream& bledy)
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
    TKomunikatyStrumien komunikaty(bledy);
    TKompozycja k{z.Zadanie, z.Wyniki, z.Widok, czcionka, komunikaty, TPokazuj{}, separator, {}, true};
    // The PDF is the printer printed on.
    k.Drukarka = TInformacjaDrukarki{DpiPdf, DpiPdf, strona.width(), strona.height()};
    UstawRozmiarArkusza(z.Widok, k.Drukarka, z.Zadanie.Nastawy, z.Zadanie.SkalaX, z.Zadanie.SkalaY);
    RozmiescArkusze(z.Zadanie, z.Widok);
    TWydrukPdf wydruk(powierzchnia);
    const int32_t strony = Drukuj(k, wydruk);
    powierzchnia.Zakoncz();
    if (strony < IloscStronWydruku(z.Zadanie)) {
        bledy << "Nie można zapisać wszystkich stron pliku " << polecenie.Wyjscie << ".\n";
        return 1;
    }
    return 0;
}

int Png(const TPolecenie& polecenie, TZadanieWczytane& z, const TCzcionka& czcionka, char separator,
        std::ostream& bledy)
{
    QImage obraz(polecenie.Szerokosc, polecenie.Wysokosc, QImage::Format_RGB32);
    if (obraz.isNull()) {
        bledy << "Brak pamięci na obraz " << polecenie.Szerokosc << "x" << polecenie.Wysokosc << ".\n";
        return 1;
    }
    TKomunikatyStrumien komunikaty(bledy);
    TKompozycja k{z.Zadanie, z.Wyniki, z.Widok, czcionka, komunikaty, TPokazuj{}, separator, {}, false};
    OdswiezDrukarke(k);
    // As the window after opening: sheets laid out for the sheet size, zoom all, one composition.
    UstawRozmiarArkusza(z.Widok, k.Drukarka, z.Zadanie.Nastawy, z.Zadanie.SkalaX, z.Zadanie.SkalaY);
    RozmiescArkusze(z.Zadanie, z.Widok);
    ZoomWszystko(z.Widok, polecenie.Szerokosc, polecenie.Wysokosc);
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
    auto z = std::make_unique<TZadanieWczytane>();
    NowyTemat(z->Zadanie);
    if (!WczytajIPrzelicz(polecenie.Plik, z->Zadanie, z->Wyniki, bledy))
        return 1;
    // Reading analysed the task as the first composition would.
    z->Zadanie.DoPrzeliczenia = false;
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Pdf)
        return Pdf(polecenie, *z, czcionka, regionalne.SeparatorDziesietny, bledy);
    return Png(polecenie, *z, czcionka, regionalne.SeparatorDziesietny, bledy);
}
