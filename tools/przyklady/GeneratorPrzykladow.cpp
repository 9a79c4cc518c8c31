// Writes the example tasks into the folder given on the command line.
#include "tools/przyklady/Przyklady.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "użycie: quarvi_przyklady <folder>\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::cerr << "Nie można utworzyć folderu " << folder.string() << ": " << ec.message() << "\n";
        return 1;
    }
    for (const TPrzyklad& p : ZbudujPrzyklady()) {
        std::string blad;
        const std::string nazwa = (folder / p.NazwaPliku).string();
        if (!ZapiszPlik(nazwa, *p.Zadanie, RegionalnePrzykladow(), ChwilaPrzykladow(), blad)) {
            std::cerr << blad << "\n";
            return 1;
        }
    }
    return 0;
}
