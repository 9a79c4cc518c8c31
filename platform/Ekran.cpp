#include "platform/Ekran.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

const char* const KomunikatBrakEkranu =
    "Brak ekranu (nie ma serwera X ani Wayland), więc okno nie może się otworzyć; bez okna program "
    "liczy i rysuje z opcjami --wyniki, --json, --pdf i --png (quarvi --help).";

namespace {

std::string_view Zmienna(const char* nazwa)
{
    const char* w = std::getenv(nazwa);
    return w ? std::string_view(w) : std::string_view();
}

bool Polacz(const std::string& sciezka, bool abstrakcyjne)
{
    sockaddr_un adres{};
    adres.sun_family = AF_UNIX;
    const size_t poczatek = abstrakcyjne ? 1 : 0; // Linux's abstract names begin with a zero byte
    if (sciezka.size() + poczatek >= sizeof(adres.sun_path))
        return false;
    std::memcpy(adres.sun_path + poczatek, sciezka.data(), sciezka.size());
    const int gniazdo = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (gniazdo < 0)
        return false;
    const socklen_t dlugosc = socklen_t(offsetof(sockaddr_un, sun_path) + poczatek + sciezka.size());
    const bool udane = ::connect(gniazdo, reinterpret_cast<const sockaddr*>(&adres), dlugosc) == 0;
    ::close(gniazdo);
    return udane;
}

// DISPLAY is [host]:number[.screen]; only a local server can be tried cheaply.
bool SerwerX(std::string_view display)
{
    if (display.empty())
        return false;
    const size_t dwukropek = display.rfind(':');
    if (dwukropek == std::string_view::npos)
        return false;
    const std::string_view host = display.substr(0, dwukropek);
    if (!host.empty() && host != "unix" && host.rfind("/", 0) != 0)
        return true;
    if (host.rfind("/", 0) == 0) // a socket path (as XQuartz sets it)
        return Polacz(std::string(display), false);
    std::string_view numer = display.substr(dwukropek + 1);
    numer = numer.substr(0, numer.find('.'));
    const std::string sciezka = "/tmp/.X11-unix/X" + std::string(numer);
    return Polacz(sciezka, false) || Polacz(sciezka, true);
}

} // namespace

bool JestEkran()
{
    const std::string_view platforma = Zmienna("QT_QPA_PLATFORM");
    // Only the first platform of a list matters here; the ones that draw into memory or to a VNC client need no display.
    const std::string_view pierwsza = platforma.substr(0, platforma.find_first_of(";:"));
    if (pierwsza == "offscreen" || pierwsza == "minimal" || pierwsza == "vnc" || pierwsza == "linuxfb" ||
        pierwsza == "eglfs" || pierwsza == "vkkhrdisplay")
        return true;
    if (pierwsza.rfind("wayland", 0) == 0)
        return !Zmienna("WAYLAND_DISPLAY").empty();
    if (pierwsza == "xcb")
        return SerwerX(Zmienna("DISPLAY"));
    return !Zmienna("WAYLAND_DISPLAY").empty() || SerwerX(Zmienna("DISPLAY"));
}
