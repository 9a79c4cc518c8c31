#include "drawing/Czcionka.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr size_t PolozenieX1 = 8;
constexpr size_t PolozenieY1 = PolozenieX1 + MaxKresek;
constexpr size_t PolozenieX2 = PolozenieY1 + MaxKresek;
constexpr size_t PolozenieY2 = PolozenieX2 + MaxKresek;
static_assert(PolozenieY2 + MaxKresek == RozmiarRekorduGlifu);

void Zapisz32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

uint32_t Odczytaj32(const uint8_t* p)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(p[i]) << (8 * i);
    return v;
}

std::string NazwaPliku(const std::filesystem::path& plik)
{
    const std::u8string u8 = plik.u8string();
    return std::string(u8.begin(), u8.end());
}

} // namespace

int32_t KreskiGlifu(const Glif& g)
{
    return g.IloscKresek <= 0 ? 0 : (g.IloscKresek > MaxKresek ? MaxKresek : g.IloscKresek);
}

void ZakodujGlif(const Glif& g, uint8_t* rekord)
{
    Zapisz32(rekord, uint32_t(g.IloscKresek));
    Zapisz32(rekord + 4, std::bit_cast<uint32_t>(g.Przesuniecie));
    std::memcpy(rekord + PolozenieX1, g.X1, MaxKresek);
    std::memcpy(rekord + PolozenieY1, g.Y1, MaxKresek);
    std::memcpy(rekord + PolozenieX2, g.X2, MaxKresek);
    std::memcpy(rekord + PolozenieY2, g.Y2, MaxKresek);
}

Glif OdkodujGlif(const uint8_t* rekord)
{
    Glif g;
    g.IloscKresek = int32_t(Odczytaj32(rekord));
    g.Przesuniecie = std::bit_cast<float>(Odczytaj32(rekord + 4));
    std::memcpy(g.X1, rekord + PolozenieX1, MaxKresek);
    std::memcpy(g.Y1, rekord + PolozenieY1, MaxKresek);
    std::memcpy(g.X2, rekord + PolozenieX2, MaxKresek);
    std::memcpy(g.Y2, rekord + PolozenieY2, MaxKresek);
    return g;
}

std::filesystem::path SciezkaCzcionki(const std::filesystem::path& folderProgramu)
{
    return folderProgramu / "Dane" / "Romans100.Lzs";
}

std::string WczytajCzcionke(const std::filesystem::path& plik, TCzcionka& czcionka)
{
    for (Glif& g : czcionka)
        g = Glif{};

    std::ifstream we(plik, std::ios::binary);
    if (!we)
        return "Nie można otworzyć pliku czcionki \"" + NazwaPliku(plik) + "\". Napisy na rysunkach nie będą widoczne.";

    std::vector<uint8_t> rekord(RozmiarRekorduGlifu);
    int32_t wczytane = 0;
    for (; wczytane < IloscGlifow; ++wczytane) {
        if (!we.read(reinterpret_cast<char*>(rekord.data()), std::streamsize(rekord.size())))
            break;
        Glif g = OdkodujGlif(rekord.data());
        // A damaged record must not make the text routines read past the
        // stroke arrays or move the pen by a non-number.
        g.IloscKresek = KreskiGlifu(g);
        if (!std::isfinite(g.Przesuniecie))
            g.Przesuniecie = 0;
        czcionka[size_t(wczytane)] = g;
    }
    if (wczytane < IloscGlifow)
        return "Plik czcionki \"" + NazwaPliku(plik) + "\" jest niepełny: odczytano " + std::to_string(wczytane) +
               " z " + std::to_string(IloscGlifow) + " znaków. Brakujące znaki nie będą rysowane.";
    return {};
}
