#include "app/Renderowanie.h"

#include "analysis/Wyniki.h"
#include "app/RaportPdf.h"
#include "app/TabeleRaportu.h"
#include "app/WierszPolecen.h"
#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/Widok.h"
#include "drawing/WydrukPdf.h"
#include "model/Zadanie.h"
#include "platform/KomunikatyStrumien.h"
#include "platform/PlikWyjscia.h"
#include "platform/Regionalne.h"
#include "platform/TekstQt.h"

#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QString>

#include <memory>
#include <ostream>

namespace {

// The sheets laid out for the sheet size of the composition's page.
void UlozArkusze(TKompozycja& k)
{
    UstawRozmiarArkusza(k.Widok, k.Drukarka, k.Zadanie.Nastawy, k.Zadanie.SkalaX, k.Zadanie.SkalaY);
    RozmiescArkusze(k.Zadanie, k.Widok);
}

// The same pages as the window's print command writes without a printer.
int Pdf(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
    {
        // As the print command asks, but a file is written all the same.
        const TPdfJakoDrukarka naPdf(k);
        if (RysunekSzerszyNizArkusz(k))
            bledy << TekstRysunekSzerszy(k) << '\n';
    }
    std::string blad;
    if (DrukujDoPdf(k, polecenie.Wyjscie, QFileInfo(ZUtf8(polecenie.Plik)).fileName().toStdString(), blad))
        return 0;
    bledy << blad << '\n';
    return 1;
}

int Raport(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
    const TMetryczkaRaportu m{k.NazwaPliku, k.DataWydruku};
    std::string blad;
    if (ZapiszRaport(k, m, polecenie.Wyjscie, blad))
        return 0;
    bledy << blad << '\n';
    return 1;
}

int Png(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
    if (const std::string uwaga = UwagaOPamieciObrazu(polecenie.Szerokosc, polecenie.Wysokosc); !uwaga.empty())
        bledy << uwaga << '\n';
    QImage obraz(polecenie.Szerokosc, polecenie.Wysokosc, QImage::Format_RGB32);
    if (obraz.isNull()) {
        bledy << "Brak pamięci na obraz " << polecenie.Szerokosc << "x" << polecenie.Wysokosc << ".\n";
        return 1;
    }
    // As the window after opening: sheets laid out for the sheet size, zoom all, one composition.
    UlozArkusze(k);
    ZoomWszystko(k.Widok, polecenie.Szerokosc, polecenie.Wysokosc);
    {
        TPowierzchniaQt powierzchnia(obraz);
        Przerysuj(k, &powierzchnia);
    }
    // Written beside its name and renamed over it when complete, so a failed write leaves an older file as it was.
    QString powod;
    const auto png = [&](QIODevice& plik) -> std::optional<QString> {
        QImageWriter pisarz(&plik, "PNG");
        if (!pisarz.write(obraz))
            return pisarz.errorString();
        return std::nullopt;
    };
    if (ZapiszDoPliku(ZUtf8(polecenie.Wyjscie), png, powod))
        return 0;
    bledy << "Nie można zapisać pliku " << polecenie.Wyjscie << ": " << powod.toStdString() << ".\n";
    return 1;
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
    for (const std::string& blad :
         {WyjscieNadpisujeZadanie(polecenie.Wyjscie, polecenie.Plik), WyjscieNieJestRysunkiem(polecenie.Wyjscie)})
        if (!blad.empty()) {
            bledy << blad << '\n';
            return 1;
        }
    // Large tables: on the heap.
    auto zad = std::make_unique<TDaneZadania>();
    auto wyn = std::make_unique<TWyniki>();
    TWidok widok;
    NowyTemat(*zad);
    if (!WczytajIPrzelicz(polecenie.Plik, *zad, *wyn, bledy))
        return 1;
    if (polecenie.SkalaX > 0)
        zad->SkalaX = polecenie.SkalaX;
    TKomunikatyStrumien komunikaty(bledy);
    const QString dzis = QDate::currentDate().toString(QString::fromStdString(regionalne.FormatDaty));
    // Whatever printer the machine has, none is asked: the same pages everywhere.
    TKompozycja k(*zad, *wyn, widok, czcionka, komunikaty, regionalne.SeparatorDziesietny);
    k.NazwaPliku = QFileInfo(ZUtf8(polecenie.Plik)).fileName().toStdString();
    k.DataWydruku = dzis.toStdString();
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Pdf)
        return Pdf(polecenie, k, bledy);
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Raport)
        return Raport(polecenie, k, bledy);
    return Png(polecenie, k, bledy);
}
