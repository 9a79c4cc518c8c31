#pragma once
// The project file (*.qvr): the whole task as 8-bit code page 1250 text, one
// value per line, CR LF, in nine sections introduced by marker lines, and a
// tenth for the kinds of the groups when one is classified. A file
// is read whole or not at all: every marker must be there, a counted section
// must end at its empty line, a load section holds "TRUE" records only and
// nothing but empty lines after its own empty line, the last line ends with
// its line end, every number fits the field it is read into (model/Granice.h),
// and what is read must be a task the program can have written (UsterkaZadania).
//
// The text itself needs no Qt; the files on disk and the date line are in
// PlikZadaniaQt.h.
//
// Reading never works on the live task: the file is read into a fresh task,
// and only a file read to its end replaces the caller's task. The caller
// then resizes the result tables, lays out the sheets and recomputes.
#include "model/Zadanie.h"

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

// What the views show of a task held in memory (a step taken back), with
// the group list as the load dialogs had it.
TWidokiZPliku WidokiZadania(const TDaneZadania& zad, std::vector<std::string> listaGrup);

struct TOdczyt {
    std::unique_ptr<TDaneZadania> Zadanie; // null when the file was refused
    TWidokiZPliku Widoki;
    std::string Blad; // UTF-8, empty on success
};

// The file's bytes, with the user's separator (',' or, for anything else,
// '.') and the date line as given (code page 1250). False, with the message in
// blad, when the task holds something the reader would refuse.
bool ZapiszDoTekstu(const TDaneZadania& zad, char separator, std::string_view liniaDaty, std::string& tekst,
                    std::string& blad);

// Reads a whole file held in memory. Either Zadanie is set or Blad is not empty.
TOdczyt CzytajTekst(std::string_view tekst);

// Replaces the live task with one just read, keeping what a new task keeps:
// the sheet size and line width settings and the two change flags.
void PrzyjmijWczytane(TDaneZadania& zadanie, TDaneZadania&& wczytane);
