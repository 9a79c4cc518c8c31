#pragma once
// The command line of the program: results, JSON and rendered sheets of a
// task file, without a window.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TDaneZadania;
struct TWyniki;
struct TRegionalne;

struct TPolecenie {
    enum class TRodzaj { Okno, Pomoc, Wyniki, Json, Pdf, Png, Raport, Csv, Blad };
    TRodzaj Rodzaj = TRodzaj::Okno;
    std::string Plik;    // the task file
    std::string Wyjscie; // the PDF, PNG, report or CSV table to write
    int Szerokosc = 1600;
    int Wysokosc = 1000;
    float SkalaX = 0;  // --skala: the horizontal scale denominator; 0 keeps the task's
    double Krok = 0.1; // --krok: the step of the CSV table's sections, m
    std::string Blad;  // what is wrong with the arguments (TRodzaj::Blad)
};

// Options come in any order; the file names keep theirs (output before input).
TPolecenie RozbierzPolecenie(const std::vector<std::string>& argumenty);

// The output file would overwrite the task file (the same file by any path
// or link): the message, else empty.
std::string WyjscieNadpisujeZadanie(const std::string& wyjscie, const std::string& plik);

// The first n bytes (fewer when shorter) of an existing regular file that
// is not empty; nothing for anything else: what an output may overwrite is
// known by how it begins.
std::optional<std::string> PoczatekPliku(const std::string& sciezka, size_t n);

// An existing regular file that is not empty and neither a PDF nor a PNG
// (a task file named first by a slip) is not overwritten: the message, else empty.
std::string WyjscieNieJestRysunkiem(const std::string& wyjscie);

// Said before a PNG is drawn whose picture takes 256 MB or more (4 bytes a
// pixel, held whole while it is drawn and written), else empty.
std::string UwagaOPamieciObrazu(int szerokosc, int wysokosc);

extern const char* const TekstPomocy;

// Reads the task file and analyses it as opening it in the window does, with
// the envelopes when there are two or more combinations. Messages go to
// `bledy`; false when the file or the task was refused or the analysis
// reported anything (a singular matrix among them).
bool WczytajIPrzelicz(const std::string& plik, TDaneZadania& zad, TWyniki& wyn, std::ostream& bledy);

// --wyniki and --json: the exit code of the program.
int WykonajTekstowe(const TPolecenie& polecenie, const TRegionalne& regionalne, std::ostream& out, std::ostream& bledy);

// Standard input, output and error that were closed when the program started
// are opened on /dev/null, so that no file the program opens takes their
// place (and gets its messages). True when standard output was closed.
bool ZajmijZamknieteStrumienie();

// The whole text written to standard output, every write checked: 0, or 1
// with the system's reason on `bledy` (a full disk, a closed output).
int WypiszNaWyjscie(std::string_view tekst, bool wyjscieZamkniete, std::ostream& bledy);
