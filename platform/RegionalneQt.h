#pragma once
#include "platform/Regionalne.h"

// The settings of the system locale.
TRegionalne RegionalneSystemu();
