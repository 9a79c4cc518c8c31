#pragma once
// The printed sheets as one PDF document: what the print command writes when
// the machine has no printer, and what the command line's --pdf writes.
#include <string>

struct TKompozycja;

// A4 portrait at 300 dpi whose printable area is the 20.5 × 28.5 cm sheet,
// a page per combination in use and, with two or more, one envelope page.
// While printing the sheets are laid out for that page; afterwards for the
// composition's own printer again. False with a Polish message (UTF-8) in
// `blad` when the file cannot be written or a page is missing.
bool DrukujDoPdf(TKompozycja& k, const std::string& plik, const std::string& tytul, std::string& blad);
