#pragma once
// What the program owns for its whole run, and the seams through which its
// windows reach the user and the system. main() makes one of each; a test
// makes its own.
#include "analysis/Wyniki.h"
#include "drawing/Arkusze.h"
#include "drawing/Czcionka.h"
#include "drawing/Widok.h"
#include "model/Zadanie.h"
#include "platform/Regionalne.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class IKomunikaty;

struct TProgram {
    TDaneZadania Zadanie;
    TWyniki Wyniki;
    TWidok Widok;
    TCzcionka Czcionka{};
    // The "show" switches of the settings; the settings dialog takes them over.
    TPokazuj Pokazuj;
    TRegionalne Regionalne;
    // Where the font (Dane/) and the examples (Przykłady/) lie.
    std::filesystem::path FolderProgramu;
};

// A file dialog as the commands ask for one.
struct TDialogPliku {
    enum class TRodzaj { Odczyt, Zapis, ZapisPdf, ZapisRaportu };
    TRodzaj Rodzaj = TRodzaj::Odczyt;
    std::string Filtr;        // "Opis|maska|Opis|maska"
    std::string Rozszerzenie; // added to a name typed without one
    std::string Folder;       // UTF-8
    std::string Nazwa;        // proposed file, UTF-8; empty for none
};

// The chosen file (UTF-8), nothing when the user cancelled.
using TWyborPliku = std::function<std::optional<std::string>(const TDialogPliku&)>;

// A print whose every page is a print job of its own on the default printer.
using TNowyWydruk = std::function<std::unique_ptr<IWydruk>()>;

// The default printer's page and resolution; nothing when there is none.
using TZapytanieDrukarki = std::function<std::optional<TInformacjaDrukarki>()>;

struct TOtoczenie {
    IKomunikaty& Komunikaty;
    TWyborPliku WybierzPlik;
    TNowyWydruk NowyWydruk;
    TZapytanieDrukarki Drukarka;
};
