#pragma once
// The composition of the sheets: one sheet per combination in use side by
// side, the envelope sheet left of them, each block drawn at its offset from
// its sheet's corner. Skomponuj is the one routine that turns the task into
// a picture: the window composes into a recording after every change and
// replays it for every view, printing composes once per page, and Przerysuj
// does both at once for a picture of its own.
#include "drawing/Nagranie.h"
#include "drawing/Rysowanie.h"
#include "platform/Drukarka.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TDaneZadania;
struct TWyniki;
class IKomunikaty;

// Which drawings the combination sheets show: the "show" check boxes of the
// settings. The envelope sheet shows all of its own always.
struct TPokazuj {
    bool SchematStatyczny = true; // "Schemat statyczny"
    bool Reakcje = true;          // "Reakcje"
    bool SilyPoprzeczne = true;   // "Siły Poprzeczne"
    bool Momenty = true;          // "Momenty"
    bool SchematyPretow = false;  // "Schematy prętów"
    bool Ugiecia = true;          // "Ugięcia"
};

// What a composition works on; the application owns all of it.
struct TKompozycja {
    // The task, its results, the view and the font of a composition, the
    // user's decimal separator; nothing else set: no printer (the 20.5 ×
    // 28.5 cm sheet at 300 dpi), every "show" switch as it starts, labels
    // kept apart, no footer names.
    TKompozycja(TDaneZadania& zad, TWyniki& wyn, TWidok& widok, const TCzcionka& czcionka, IKomunikaty& komunikaty,
                char separator = ',');

    TDaneZadania& Zadanie;
    TWyniki& Wyniki;
    TWidok& Widok;
    const TCzcionka& Czcionka;
    IKomunikaty& Komunikaty; // where the analysis reports a task it refuses
    TPokazuj Pokazuj{};
    char Separator = ','; // the user's decimal separator
    // The page the sheets are laid out for, as its owner found it: the window
    // asks the default printer; the command line assumes none, so that its
    // pages are the same on every machine. Nothing: no printer, the 20.5 ×
    // 28.5 cm sheet at 300 dpi. A composition never asks the system itself.
    std::optional<TInformacjaDrukarki> Drukarka{};
    // Off, every value label stands where its diagram puts it, over whatever is there.
    bool RozsuwajEtykiety = true;
    // What the footer of a printed page names: the task file (UTF-8, no
    // folder) and the day of printing as the user writes dates.
    std::string NazwaPliku{};
    std::string DataWydruku{};
};

// The page printed on and its resolution.
struct TStronaDruku {
    IPowierzchnia& Powierzchnia;
    int32_t DpiX = 300;
    int32_t DpiY = 300;
};

struct TSkutekKompozycji {
    bool Przeliczono = false;     // the analysis ran
    bool DaneNieZapisane = false; // the status bar shows "  Dane nie zapisane!"
};

// Draws every sheet into the recording of the screen `ekran`, emptied first,
// and/or onto the printer page `druk` (either may be nullptr; the frames
// exist on the screen only). First recounts the combinations and, when
// DoPrzeliczenia is set and the task has a span and a load, recomputes the
// analysis and, with two or more combinations, the envelopes; clears
// DoPrzeliczenia. Results are drawn only as far as the analysis produced them.
TSkutekKompozycji Skomponuj(TKompozycja& k, TNagranie* ekran, const TStronaDruku* druk = nullptr);

// The same, the screen's recording replayed at once into the picture `ekran`
// (Odtworz: the grey desk, the view centred on it).
TSkutekKompozycji Przerysuj(TKompozycja& k, IPowierzchnia* ekran, const TStronaDruku* druk = nullptr);

// Lays the sheets out: combination c at (c · pitch, 0), the envelope sheet at
// (−pitch − 4, 0) and the design sheets one and two pitches left of it (of
// its place, when there is no envelope sheet), the pitch one more than the
// wider of the sheet and of the beam with the bar schemes' offset. Uses the sheet size and the drawing
// scale of the view as the last composition set them.
void RozmiescArkusze(TDaneZadania& zad, const TWidok& widok);

// The heading of combination c's sheet at P with its groups and their
// coefficients stacked above it.
void OpisKombinacji(TRysowanie& r, const TDaneZadania& zad, int32_t c, TWyjscia na, TPunktCm P);

// Where the pages of a print go: a print job of its own for every page (the
// window's print command) or all pages in one document (the preview, the
// PDF of the command line).
class IWydruk {
public:
    virtual ~IWydruk() = default;
    // Begins page `strona` (from 0) and gives its surface; nullptr stops the print.
    virtual const TStronaDruku* Strona(int32_t strona) = 0;
    // Page `strona` has been drawn.
    virtual void KoniecStrony(int32_t strona) = 0;
    // Whether the pages end with their footer.
    virtual bool Stopki() const { return true; }
};

// The pages a print has: one per combination in use and, with two or more,
// one more for the envelopes; with a classified group, the two design sheets after them.
int32_t IloscStronWydruku(TDaneZadania& zad);

// Prints every page: the sheet printed moved to (0, 0) and the other sheets
// in use, the envelope sheet among them, to (1000, 1000), far off the paper;
// afterwards the sheets are laid out again. Every page ends with a grey
// footer 0.4 cm above the bottom of its printable area: the file, the sheet,
// "strona k z n" and the date. Returns the number of pages drawn.
int32_t Drukuj(TKompozycja& k, IWydruk& wydruk);

// The sheet printed on page `strona` (from 0), as the footer names it (UTF-8).
std::string NazwaArkusza(const TDaneZadania& zad, int32_t strona);

// The footer's line for page `strona` (from 0) of `strony` (UTF-8).
std::string TekstStopki(const TKompozycja& k, int32_t strona, int32_t strony);

// Whether a printed page would cut off some of what its sheet draws: the
// pages are drawn as the print would draw them, onto a page three times as
// wide, and any stroke right of the sheet's width counts. The task's
// horizontal scale and the printer as last asked decide; the sheets are laid
// out again afterwards, as after printing.
bool RysunekSzerszyNizArkusz(TKompozycja& k);

// The horizontal scale denominator to propose for a beam wider than its
// sheet: the first round one (1, 2, 2.5 or 5 times a power of ten) above the
// task's at which the drawing fits, at most 100000; nothing when none fits.
// The sheets are laid out for the task's own scale again afterwards.
std::optional<float> SkalaMieszczaca(TKompozycja& k);

// What the print command asks before printing a beam its sheet cannot hold,
// with the scale that fits: "Rysunek belki jest szerszy niż arkusz. Zmień
// skalę poziomą w Ustawieniach, np. na 1:200."
std::string TekstRysunekSzerszy(TKompozycja& k);

// Before printing: true when the drawing fits, or when asked through
// `komunikaty` the user answers Yes to printing it cut off.
bool PotwierdzWydruk(TKompozycja& k, IKomunikaty& komunikaty);
