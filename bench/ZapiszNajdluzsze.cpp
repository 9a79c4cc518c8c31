// Writes the longest task (NajdluzszeZadanie) as a task file, for timing the
// command line on it: bench/PamiecJson.sh.
#include "NajwiekszeZadanie.h"

#include "projectfile/PlikZadania.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "użycie: zapisz_najdluzsze <plik.qvr>\n";
        return 2;
    }
    TDaneZadania zad;
    NajdluzszeZadanie(zad);
    std::string tekst, blad;
    if (!ZapiszDoTekstu(zad, '.', "Data zapisu 05.01.2026 12:00:00", tekst, blad)) {
        std::cerr << blad << "\n";
        return 1;
    }
    std::ofstream plik(argv[1], std::ios::binary);
    plik << tekst;
    plik.close();
    if (!plik) {
        std::cerr << "Nie można zapisać " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
