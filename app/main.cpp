// The program: the window, or the command line without one.
#include "app/Renderowanie.h"
#include "app/WierszPolecen.h"
#include "mainwindow/Okna.h"
#include "platform/RegionalneQt.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>

namespace {

// Drawing the sheets needs fonts and a painter, not a display.
int Rysunek(const TPolecenie& polecenie, int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikacja(argc, argv);
    auto czcionka = std::make_unique<TCzcionka>();
    WczytajCzcionkeProgramu(QCoreApplication::applicationDirPath().toStdString(), *czcionka, std::cerr);
    return WykonajRysunek(polecenie, *czcionka, RegionalneSystemu(), std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    const TPolecenie polecenie = RozbierzPolecenie(std::vector<std::string>(argv + 1, argv + argc));
    switch (polecenie.Rodzaj) {
    case TPolecenie::TRodzaj::Blad:
        std::cerr << polecenie.Blad << '\n';
        return 1;
    case TPolecenie::TRodzaj::Okno:
        return UruchomOkno(argc, argv, polecenie.Plik);
    case TPolecenie::TRodzaj::Pomoc:
        std::cout << TekstPomocy;
        return 0;
    case TPolecenie::TRodzaj::Wyniki:
    case TPolecenie::TRodzaj::Json:
        return WykonajTekstowe(polecenie, RegionalneSystemu(), std::cout, std::cerr);
    case TPolecenie::TRodzaj::Pdf:
    case TPolecenie::TRodzaj::Png:
        return Rysunek(polecenie, argc, argv);
    }
    return 1;
}
