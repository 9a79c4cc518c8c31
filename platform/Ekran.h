#pragma once
// Which platform the window can start on, asked before Qt starts: Qt aborts
// when the platform it is given cannot connect to a display or has no plugin.
#include <string>
#include <utility>
#include <vector>

// The probe's connection to the display, closed when this goes. It is kept
// while Qt connects: a bare X server (Xvfb) with no other client resets when
// its last client leaves, and refuses the next one meanwhile.
class TProbaEkranu {
public:
    TProbaEkranu() = default;
    explicit TProbaEkranu(int gniazdo) : gniazdo_(gniazdo) {}
    TProbaEkranu(TProbaEkranu&& p) noexcept : gniazdo_(std::exchange(p.gniazdo_, -1)) {}
    TProbaEkranu& operator=(TProbaEkranu&& p) noexcept;
    ~TProbaEkranu();
    explicit operator bool() const { return gniazdo_ >= 0; }

private:
    int gniazdo_ = -1;
};

struct TPlatformaOkna {
    std::string Platforma; // empty: none can start
    TProbaEkranu Proba;
};

// The entry of QT_QPA_PLATFORM ("name[:options]") the window starts on: the
// first of that list whose plugin is among `wtyczki` (plugin keys, lower
// case) and whose display answers; when QT_QPA_PLATFORM is not set or none of
// its entries can start, xcb or wayland (the session's own first). Platforms
// that draw into memory or to a VNC client need no display. Empty when
// nothing can start.
TPlatformaOkna PlatformaOkna(const std::vector<std::string>& wtyczki);

// The one Polish line the program prints when there is no display.
extern const char* const KomunikatBrakEkranu;
