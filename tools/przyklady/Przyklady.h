#pragma once
// The example tasks shipped in the folder "Przykłady" beside the program.
// The generator writes them and the tests read them back from the same code.
#include "model/Zadanie.h"
#include "platform/Regionalne.h"
#include "projectfile/PlikZadaniaQt.h"

#include <memory>
#include <string>
#include <vector>

struct TPrzyklad {
    std::string NazwaPliku; // UTF-8
    std::unique_ptr<TDaneZadania> Zadanie;
};

std::vector<TPrzyklad> ZbudujPrzyklady();

// The shipped files are the same on every machine: Polish number and date
// settings and a fixed moment, whatever the build machine's locale and clock.
TRegionalne RegionalnePrzykladow();
TChwila ChwilaPrzykladow();
