#pragma once
// --pdf and --png: the sheets of a task file drawn without a window.
#include "drawing/Czcionka.h"

#include <filesystem>
#include <iosfwd>

struct TPolecenie;
struct TRegionalne;

// The stroke font beside the program (Dane/Romans100.Lzs under
// `folderProgramu`). A missing or short file is reported to `bledy`; the
// glyphs it did not supply stay empty and the drawing goes on without them.
void WczytajCzcionkeProgramu(const std::filesystem::path& folderProgramu, TCzcionka& czcionka, std::ostream& bledy);

// Writes what the command asks for and returns the program's exit code:
//  - PDF: the printed sheets in one A4 portrait document at 300 dpi, a page
//    per combination and one envelope page with two or more combinations;
//  - report: the calculation report (RaportPdf), its sheets as the PDF's;
//  - PNG: the picture of the given size the window shows after opening the
//    file: zoom all, the force scale recomputed, the screen composition.
// Needs a QGuiApplication. Messages (Polish) go to `bledy`.
int WykonajRysunek(const TPolecenie& polecenie, const TCzcionka& czcionka, const TRegionalne& regionalne,
                   std::ostream& bledy);
