#pragma once
// The date line of the file header, in the user's short date and long time format.
#include "projectfile/PlikZadania.h"

#include <string>

// Code page 1250.
std::string LiniaDatyZapisu(const TRegionalne& regionalne, const TChwila& chwila);
