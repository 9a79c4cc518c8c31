// The program: the window, or the command line without one.
#include "app/Renderowanie.h"
#include "app/TabelaCsv.h"
#include "app/WierszPolecen.h"
#include "mainwindow/Okna.h"
#include "platform/FolderDanych.h"
#include "platform/RegionalneQt.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <clocale>
#include <iostream>
#include <memory>
#include <sstream>

namespace {

// Drawing the sheets needs fonts and a painter, not a display: whatever
// platform the environment names (one that cannot start would abort Qt),
// the one that draws into memory.
int Rysunek(const TPolecenie& polecenie, int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikacja(argc, argv);
    auto czcionka = std::make_unique<TCzcionka>();
    WczytajCzcionkeProgramu(FolderDanych(QCoreApplication::applicationDirPath().toStdString()), *czcionka, std::cerr);
    return WykonajRysunek(polecenie, *czcionka, RegionalneSystemu(), std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    // The system's reasons in the user's language; numbers are written and read by our own code.
    std::setlocale(LC_MESSAGES, "");
    const bool wyjscieZamkniete = ZajmijZamknieteStrumienie();
    const TPolecenie polecenie = RozbierzPolecenie(std::vector<std::string>(argv + 1, argv + argc));
    switch (polecenie.Rodzaj) {
    case TPolecenie::TRodzaj::Blad:
        std::cerr << polecenie.Blad << '\n';
        return 1;
    case TPolecenie::TRodzaj::Okno:
        return UruchomOkno(argc, argv, polecenie.Plik);
    case TPolecenie::TRodzaj::Pomoc:
        return WypiszNaWyjscie(TekstPomocy, wyjscieZamkniete, std::cerr);
    case TPolecenie::TRodzaj::Wyniki:
    case TPolecenie::TRodzaj::Json: {
        // Written whole at the end, so that a failed write is seen and reported.
        std::ostringstream wyniki;
        const int kod = WykonajTekstowe(polecenie, RegionalneSystemu(), wyniki, std::cerr);
        return kod != 0 ? kod : WypiszNaWyjscie(wyniki.str(), wyjscieZamkniete, std::cerr);
    }
    case TPolecenie::TRodzaj::Csv:
        return WykonajCsv(polecenie, RegionalneSystemu(), std::cerr);
    case TPolecenie::TRodzaj::Pdf:
    case TPolecenie::TRodzaj::Png:
    case TPolecenie::TRodzaj::Raport:
        return Rysunek(polecenie, argc, argv);
    }
    return 1;
}
