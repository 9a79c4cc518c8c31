#pragma once
// The project file on disk: the date line in the user's formats, saving
// through a temporary file, reading a whole file. The text itself is
// PlikZadania.h's.
#include "platform/Regionalne.h"
#include "projectfile/PlikZadania.h"

#include <string>

// Local time of saving, as written into the file's date line.
struct TChwila {
    int Rok = 2000;
    int Miesiac = 1;
    int Dzien = 1;
    int Godzina = 0;
    int Minuta = 0;
    int Sekunda = 0;
};
TChwila ChwilaTeraz();
// "Data zapisu " with the date and time in the user's formats, code page 1250.
std::string LiniaDatyZapisu(const TRegionalne& regionalne, const TChwila& chwila);

// Writes through a temporary file in the same folder, renamed over the target
// only when everything has been written: a failed save leaves the old file.
// A device or a pipe is written into in place (platform/PlikWyjscia.h).
bool ZapiszPlik(const std::string& nazwaPliku, const TDaneZadania& zad, const TRegionalne& regionalne,
                std::string& blad);
bool ZapiszPlik(const std::string& nazwaPliku, const TDaneZadania& zad, const TRegionalne& regionalne,
                const TChwila& chwila, std::string& blad);

TOdczyt CzytajPlik(const std::string& nazwaPliku);

// Reads the file and, only when it was read to its end, replaces zadanie
// with it (see PrzyjmijWczytane) and fills widoki. On failure zadanie and
// widoki are untouched and blad holds the message.
bool CzytajPlik(const std::string& nazwaPliku, TDaneZadania& zadanie, TWidokiZPliku& widoki, std::string& blad);
