#include "platform/Ekran.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
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

// A connection to the socket, or -1.
int Polacz(const std::string& sciezka, bool abstrakcyjne)
{
    sockaddr_un adres{};
    adres.sun_family = AF_UNIX;
    const size_t poczatek = abstrakcyjne ? 1 : 0; // Linux's abstract names begin with a zero byte
    if (sciezka.size() + poczatek >= sizeof(adres.sun_path))
        return -1;
    std::memcpy(adres.sun_path + poczatek, sciezka.data(), sciezka.size());
    const int gniazdo = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (gniazdo < 0)
        return -1;
    const socklen_t dlugosc = socklen_t(offsetof(sockaddr_un, sun_path) + poczatek + sciezka.size());
    if (::connect(gniazdo, reinterpret_cast<const sockaddr*>(&adres), dlugosc) != 0) {
        ::close(gniazdo);
        return -1;
    }
    return gniazdo;
}

// DISPLAY is [host]:number[.screen]; only a local server can be tried cheaply.
bool SerwerX(std::string_view display, TProbaEkranu& proba)
{
    if (display.empty())
        return false;
    const size_t dwukropek = display.rfind(':');
    if (dwukropek == std::string_view::npos)
        return false;
    const std::string_view host = display.substr(0, dwukropek);
    if (!host.empty() && host != "unix" && host.rfind("/", 0) != 0)
        return true;
    if (host.rfind("/", 0) == 0) { // a socket path (as XQuartz sets it)
        proba = TProbaEkranu(Polacz(std::string(display), false));
    } else {
        std::string_view numer = display.substr(dwukropek + 1);
        numer = numer.substr(0, numer.find('.'));
        const std::string sciezka = "/tmp/.X11-unix/X" + std::string(numer);
        proba = TProbaEkranu(Polacz(sciezka, false));
        if (!proba)
            proba = TProbaEkranu(Polacz(sciezka, true));
    }
    return bool(proba);
}

// The display a platform draws on answers (a Wayland compositor: its socket).
bool DzialaEkran(std::string_view nazwa, TProbaEkranu& proba)
{
    if (nazwa == "offscreen" || nazwa == "minimal" || nazwa == "minimalegl" || nazwa == "vnc" || nazwa == "linuxfb" ||
        nazwa == "eglfs" || nazwa == "vkkhrdisplay")
        return true;
    if (nazwa == "xcb")
        return SerwerX(Zmienna("DISPLAY"), proba);
    if (nazwa.rfind("wayland", 0) == 0) {
        const std::string_view gniazdo = Zmienna("WAYLAND_DISPLAY");
        const std::string_view folder = Zmienna("XDG_RUNTIME_DIR");
        if (gniazdo.empty() || (gniazdo.front() != '/' && folder.empty()))
            return false;
        proba = TProbaEkranu(Polacz(
            gniazdo.front() == '/' ? std::string(gniazdo) : std::string(folder) + "/" + std::string(gniazdo), false));
        return bool(proba);
    }
    return true; // a platform of its own kind: its plugin is there, the rest is taken on trust
}

std::string Male(std::string_view s)
{
    std::string m(s);
    for (char& c : m)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return m;
}

} // namespace

TProbaEkranu::~TProbaEkranu()
{
    if (gniazdo_ >= 0)
        ::close(gniazdo_);
}

TProbaEkranu& TProbaEkranu::operator=(TProbaEkranu&& p) noexcept
{
    std::swap(gniazdo_, p.gniazdo_);
    return *this;
}

TPlatformaOkna PlatformaOkna(const std::vector<std::string>& wtyczki)
{
    std::vector<std::string> kandydaci;
    const std::string_view lista = Zmienna("QT_QPA_PLATFORM");
    for (size_t poczatek = 0; poczatek < lista.size();) {
        const size_t koniec = std::min(lista.find(';', poczatek), lista.size());
        if (koniec > poczatek)
            kandydaci.emplace_back(lista.substr(poczatek, koniec - poczatek));
        poczatek = koniec + 1;
    }
    // As Qt itself chooses without QT_QPA_PLATFORM, then the other one.
    if (Zmienna("XDG_SESSION_TYPE") == "wayland")
        kandydaci.insert(kandydaci.end(), {"wayland", "xcb"});
    else
        kandydaci.insert(kandydaci.end(), {"xcb", "wayland"});
    for (const std::string& k : kandydaci) {
        const std::string nazwa = Male(std::string_view(k).substr(0, k.find(':')));
        TPlatformaOkna wybor;
        if (std::find(wtyczki.begin(), wtyczki.end(), nazwa) != wtyczki.end() && DzialaEkran(nazwa, wybor.Proba)) {
            wybor.Platforma = k;
            return wybor;
        }
    }
    return {};
}
