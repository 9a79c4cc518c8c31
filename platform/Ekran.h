#pragma once
// Which platform the window can start on, asked before Qt starts: Qt aborts
// when the platform it is given cannot connect to a display or has no plugin.
#include <string>
#include <vector>

// The entry of QT_QPA_PLATFORM ("name[:options]") the window starts on: the
// first of that list whose plugin is among `wtyczki` (plugin keys, lower
// case) and whose display answers; when QT_QPA_PLATFORM is not set or none of
// its entries can start, xcb or wayland (the session's own first). Platforms
// that draw into memory or to a VNC client need no display. Empty when
// nothing can start.
std::string PlatformaOkna(const std::vector<std::string>& wtyczki);

// The one Polish line the program prints when there is no display.
extern const char* const KomunikatBrakEkranu;
