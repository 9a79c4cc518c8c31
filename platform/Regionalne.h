#pragma once
// The user's number, date and time settings. The window build and the
// command line take them from the system locale (RegionalneSystemu in
// RegionalneQt.h); tests build their own.
#include <string>

struct TRegionalne {
    char SeparatorDziesietny = ',';
    // Qt date/time format strings: short date and long time of the user.
    std::string FormatDaty = "dd.MM.yyyy";
    std::string FormatCzasu = "HH:mm:ss";
};
