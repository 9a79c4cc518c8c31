#pragma once
// The project file (*.qvr): the whole task as 8-bit code page 1250 text, one
// value per line, CR LF, in nine sections introduced by marker lines. A file
// is read whole or not at all: every marker must be there, a counted section
// must end at its empty line, a load section holds "TRUE" records only and
// nothing but empty lines after its own empty line, the last line ends with
// its line end, every number fits the field it is read into (model/Granice.h),
// and what is read must be a task the program can have written.
//
// The text itself (ZapiszDoTekstu, CzytajTekst) needs no Qt; the files and
// the date are in PlikZadaniaQt.cpp.
//
// Reading never works on the live task: the file is read into a fresh task,
// and only a file read to its end replaces the caller's task. The caller
// then resizes the result tables, lays out the sheets and recomputes.
#include "model/Zadanie.h"
#include "platform/Regionalne.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the views outside the model show of a task just read.
struct TWidokiZPliku {
    // The geometry dialog: span count, the length row, the hinge check boxes.
    std::vector<float> DlugosciPrzesel;
    bool LewyPrzegub = false;
    bool PrawyPrzegub = false;
    // The coefficient grid: [combination][group], combinations and groups in use.
    std::vector<std::vector<float>> Wspolczynniki;
    // The group lists of the four load-entry dialogs, UTF-8: "1 Stale", then
    // the number and the whole name line of every further group.
    std::vector<std::string> ListaGrup;
};

struct TOdczyt {
    std::unique_ptr<TDaneZadania> Zadanie; // null when the file was refused
    TWidokiZPliku Widoki;
    std::string Blad; // UTF-8, empty on success
};

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

// The file's bytes, with the user's separator (',' or, for anything else,
// '.') and the date line as given (code page 1250). False, with the message in
// blad, when the task holds something the reader would refuse.
bool ZapiszDoTekstu(const TDaneZadania& zad, char separator, std::string_view liniaDaty, std::string& tekst,
                    std::string& blad);

// Reads a whole file held in memory. Either Zadanie is set or Blad is not empty.
TOdczyt CzytajTekst(std::string_view tekst);

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

// Replaces the live task with one just read, keeping what a new task keeps:
// the sheet size and line width settings and the two change flags.
void PrzyjmijWczytane(TDaneZadania& zadanie, TDaneZadania&& wczytane);
