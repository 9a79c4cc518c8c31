#pragma once
// The printed sheets as one PDF document: what the print command writes when
// the machine has no printer, and what the command line's --pdf writes.
#include "platform/Drukarka.h"

#include <optional>
#include <string>

struct TKompozycja;
class QPageLayout;

// A4 portrait, the printable area the 20.5 × 28.5 cm sheet centred on the paper.
QPageLayout UkladStronyPdf();
inline constexpr int DpiPdf = 300;

// The printable area of the PDF page, as a printer would give it.
TInformacjaDrukarki StronaPdf();

// While it lives, the composition's printer is the PDF page and its sheets
// are laid out for that page; when it goes, however its scope is left, the
// printer is the composition's own again and the sheets are laid out for it.
class TPdfJakoDrukarka {
public:
    explicit TPdfJakoDrukarka(TKompozycja& k);
    ~TPdfJakoDrukarka();
    TPdfJakoDrukarka(const TPdfJakoDrukarka&) = delete;
    TPdfJakoDrukarka& operator=(const TPdfJakoDrukarka&) = delete;

private:
    TKompozycja& k_;
    std::optional<TInformacjaDrukarki> drukarka_;
};

// A4 portrait at 300 dpi whose printable area is the 20.5 × 28.5 cm sheet,
// a page per combination in use and, with two or more, one envelope page.
// While printing the sheets are laid out for that page; afterwards for the
// composition's own printer again. False with a Polish message (UTF-8) in
// `blad` when the file cannot be written or a page is missing.
bool DrukujDoPdf(TKompozycja& k, const std::string& plik, const std::string& tytul, std::string& blad);
