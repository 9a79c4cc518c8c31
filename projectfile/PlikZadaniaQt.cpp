// The file side of the project file: dates, the output file, QFile.
#include "projectfile/PlikZadaniaQt.h"

#include "platform/Cp1250.h"
#include "platform/PlikWyjscia.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

namespace {

// A project file holds a few thousand lines; anything far larger is not one.
constexpr qint64 NajwiekszyPlik = 16 * 1024 * 1024;

std::string Nazwa(const std::string& nazwaPliku)
{
    return "„" + nazwaPliku + "”";
}

} // namespace

TChwila ChwilaTeraz()
{
    const QDateTime teraz = QDateTime::currentDateTime();
    const QDate d = teraz.date();
    const QTime t = teraz.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::string LiniaDatyZapisu(const TRegionalne& regionalne, const TChwila& chwila)
{
    const QLocale locale;
    const QDate data(chwila.Rok, chwila.Miesiac, chwila.Dzien);
    const QTime czas(chwila.Godzina, chwila.Minuta, chwila.Sekunda);
    const QString d = locale.toString(data, QString::fromStdString(regionalne.FormatDaty));
    const QString c = locale.toString(czas, QString::fromStdString(regionalne.FormatCzasu));
    return "Data zapisu " + Utf8NaCp1250(d.toStdString()) + ", godz. " + Utf8NaCp1250(c.toStdString());
}

bool ZapiszPlik(const std::string& nazwaPliku, const TDaneZadania& zad, const TRegionalne& regionalne,
                std::string& blad)
{
    return ZapiszPlik(nazwaPliku, zad, regionalne, ChwilaTeraz(), blad);
}

bool ZapiszPlik(const std::string& nazwaPliku, const TDaneZadania& zad, const TRegionalne& regionalne,
                const TChwila& chwila, std::string& blad)
{
    std::string tekst;
    if (!ZapiszDoTekstu(zad, regionalne.SeparatorDziesietny, LiniaDatyZapisu(regionalne, chwila), tekst, blad))
        return false;

    // The temporary file is renamed over the old one only after a complete write.
    const auto pisz = [&](QIODevice& plik) -> std::optional<QString> {
        if (plik.write(tekst.data(), qint64(tekst.size())) != qint64(tekst.size()))
            return QString(); // the file knows why
        return std::nullopt;
    };
    QString powod;
    if (!ZapiszDoPliku(QString::fromStdString(nazwaPliku), pisz, powod)) {
        blad = "Nie można zapisać pliku " + Nazwa(nazwaPliku) + ": " + powod.toStdString() + ".";
        return false;
    }
    blad.clear();
    return true;
}

TOdczyt CzytajPlik(const std::string& nazwaPliku)
{
    TOdczyt wynik;
    QFile plik(QString::fromStdString(nazwaPliku));
    if (!plik.open(QIODevice::ReadOnly)) {
        wynik.Blad = "Nie można otworzyć pliku " + Nazwa(nazwaPliku) + ": " + plik.errorString().toStdString() + ".";
        return wynik;
    }
    if (plik.size() > NajwiekszyPlik) {
        wynik.Blad = "Plik " + Nazwa(nazwaPliku) + " jest za duży (" + std::to_string(plik.size()) +
                     " bajtów) jak na plik zadania.";
        return wynik;
    }
    // In blocks: a read of the largest size at once would take that much memory for any file.
    QByteArray bajty;
    char blok[65536];
    qint64 n = 0;
    while (bajty.size() <= NajwiekszyPlik && (n = plik.read(blok, sizeof blok)) > 0)
        bajty.append(blok, n);
    if (n < 0 || plik.error() != QFileDevice::NoError) {
        wynik.Blad = "Nie można odczytać pliku " + Nazwa(nazwaPliku) + ": " + plik.errorString().toStdString() + ".";
        return wynik;
    }
    if (bajty.size() > NajwiekszyPlik) {
        wynik.Blad = "Plik " + Nazwa(nazwaPliku) + " jest za duży jak na plik zadania.";
        return wynik;
    }
    return CzytajTekst(std::string_view(bajty.constData(), size_t(bajty.size())));
}

bool CzytajPlik(const std::string& nazwaPliku, TDaneZadania& zadanie, TWidokiZPliku& widoki, std::string& blad)
{
    TOdczyt odczyt = CzytajPlik(nazwaPliku);
    if (!odczyt.Zadanie) {
        blad = odczyt.Blad;
        return false;
    }
    PrzyjmijWczytane(zadanie, std::move(*odczyt.Zadanie));
    widoki = std::move(odczyt.Widoki);
    blad.clear();
    return true;
}
