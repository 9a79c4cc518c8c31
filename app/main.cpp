// The program: the command line runs without a window; the window comes later.
#include "app/WierszPolecen.h"
#include "platform/RegionalneQt.h"

#include <iostream>

int main(int argc, char** argv)
{
    const TPolecenie polecenie = RozbierzPolecenie(std::vector<std::string>(argv + 1, argv + argc));
    switch (polecenie.Rodzaj) {
    case TPolecenie::TRodzaj::Blad:
        std::cerr << polecenie.Blad << '\n';
        return 1;
    case TPolecenie::TRodzaj::Okno:
    case TPolecenie::TRodzaj::Pomoc:
        std::cout << TekstPomocy;
        return 0;
    case TPolecenie::TRodzaj::Wyniki:
    case TPolecenie::TRodzaj::Json:
        return WykonajTekstowe(polecenie, RegionalneSystemu(), std::cout, std::cerr);
    case TPolecenie::TRodzaj::Pdf:
    case TPolecenie::TRodzaj::Png:
        std::cerr << "Rysowanie arkuszy nie jest jeszcze dostępne.\n";
        return 1;
    }
    return 1;
}
