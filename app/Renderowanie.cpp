#include "app/Renderowanie.h"

#include "analysis/Wyniki.h"
#include "app/WierszPolecen.h"
#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/Widok.h"
#include "drawing/WydrukPdf.h"
#include "model/Zadanie.h"
#include "platform/KomunikatyStrumien.h"
#include "platform/Regionalne.h"

#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <ostream>

namespace {

QString NazwaPliku(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The output is written beside its name and renamed over it when complete,
// so a failed write leaves an older file as it was; every failure says why.
class TPlikWyjscia {
public:
    TPlikWyjscia(const std::string& nazwa, std::ostream& bledy)
        : plik_(NazwaPliku(nazwa))
        , nazwa_(nazwa)
        , bledy_(bledy)
    {
        plik_.setDirectWriteFallback(false);
    }
    QSaveFile& Plik() { return plik_; }
    bool Otworz()
    {
        return plik_.open(QIODevice::WriteOnly) || Blad();
    }
    bool Zatwierdz()
    {
        return plik_.commit() || Blad();
    }
    bool Blad()
    {
        bledy_ << "Nie można zapisać pliku " << nazwa_ << ": " << plik_.errorString().toStdString() << ".\n";
        plik_.cancelWriting();
        return false;
    }

private:
    QSaveFile plik_;
    std::string nazwa_;
    std::ostream& bledy_;
};

// The sheets laid out for the sheet size of the composition's page.
void UlozArkusze(TKompozycja& k)
{
    UstawRozmiarArkusza(k.Widok, k.Drukarka, k.Zadanie.Nastawy, k.Zadanie.SkalaX, k.Zadanie.SkalaY);
    RozmiescArkusze(k.Zadanie, k.Widok);
}

// The same pages as the window's print command writes without a printer.
int Pdf(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
    // As the print command asks, but a file is written all the same.
    const auto drukarka = k.Drukarka;
    k.Drukarka = StronaPdf();
    if (RysunekSzerszyNizArkusz(k))
        bledy << TekstRysunekSzerszy << '\n';
    k.Drukarka = drukarka;
    std::string blad;
    if (DrukujDoPdf(k, polecenie.Wyjscie, QFileInfo(NazwaPliku(polecenie.Plik)).fileName().toStdString(), blad))
        return 0;
    bledy << blad << '\n';
    return 1;
}

int Png(const TPolecenie& polecenie, TKompozycja& k, std::ostream& bledy)
{
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
    TPlikWyjscia wyjscie(polecenie.Wyjscie, bledy);
    if (!wyjscie.Otworz())
        return 1;
    QImageWriter pisarz(&wyjscie.Plik(), "PNG");
    if (!pisarz.write(obraz)) {
        bledy << "Nie można zapisać pliku " << polecenie.Wyjscie << ": " << pisarz.errorString().toStdString() << ".\n";
        wyjscie.Plik().cancelWriting();
        return 1;
    }
    return wyjscie.Zatwierdz() ? 0 : 1;
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
    if (const std::string blad = WyjscieNadpisujeZadanie(polecenie.Wyjscie, polecenie.Plik); !blad.empty()) {
        bledy << blad << '\n';
        return 1;
    }
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
    TKompozycja k{.Zadanie = *zad,
                  .Wyniki = *wyn,
                  .Widok = widok,
                  .Czcionka = czcionka,
                  .Komunikaty = komunikaty,
                  .Pokazuj = {},
                  .Separator = regionalne.SeparatorDziesietny,
                  // Whatever printer the machine has: the same pages everywhere.
                  .Drukarka = std::nullopt,
                  .NazwaPliku = QFileInfo(NazwaPliku(polecenie.Plik)).fileName().toStdString(),
                  .DataWydruku = dzis.toStdString()};
    if (polecenie.Rodzaj == TPolecenie::TRodzaj::Pdf)
        return Pdf(polecenie, k, bledy);
    return Png(polecenie, k, bledy);
}
