#include "drawing/PowierzchniaZapis.h"

#include <cmath>

TPowierzchniaZapis::TPowierzchniaZapis(int32_t szerokosc, int32_t wysokosc) : RozmiarP{szerokosc, wysokosc} {}

std::vector<TOperacja> TPowierzchniaZapis::Rodzaju(TOperacja::Rodzaj co) const
{
    std::vector<TOperacja> wynik;
    for (const TOperacja& o : Operacje)
        if (o.Co == co)
            wynik.push_back(o);
    return wynik;
}

std::vector<TOperacja> TPowierzchniaZapis::Linie() const
{
    return Rodzaju(TOperacja::Rodzaj::Linia);
}

void TPowierzchniaZapis::UstawPioro(const TPioro& pioro)
{
    Biezace = pioro;
    Operacje.push_back({.Co = TOperacja::Rodzaj::Pioro, .Pioro = pioro});
}

void TPowierzchniaZapis::Linia(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Operacje.push_back({.Co = TOperacja::Rodzaj::Linia, .Pioro = Biezace, .X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2});
}

void TPowierzchniaZapis::Prostokat(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::optional<TKolor> wypelnienie)
{
    Operacje.push_back({.Co = TOperacja::Rodzaj::Prostokat,
                        .Pioro = Biezace,
                        .X1 = x1,
                        .Y1 = y1,
                        .X2 = x2,
                        .Y2 = y2,
                        .Wypelnienie = wypelnienie});
}

void TPowierzchniaZapis::Napis(int32_t x, int32_t y, const std::string& tekst, const TStylNapisu& styl)
{
    Operacje.push_back({.Co = TOperacja::Rodzaj::Napis,
                        .Pioro = Biezace,
                        .X1 = x,
                        .Y1 = y,
                        .Wypelnienie = styl.Tlo,
                        .Tekst = tekst,
                        .KrojPisma = styl.KrojPisma,
                        .Wysokosc = styl.Wysokosc,
                        .KolorTekstu = styl.Kolor});
}

int32_t TPowierzchniaZapis::SzerokoscNapisu(const std::string& tekst, const TStylNapisu& styl)
{
    const int32_t wysokosc = styl.Wysokosc;
    size_t znaki = 0;
    for (const char c : tekst)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) // count UTF-8 lead bytes only
            ++znaki;
    return int32_t(std::lround(double(znaki) * SzerokoscZnaku * wysokosc));
}

void TPowierzchniaZapis::ProstokatXor(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    Operacje.push_back(
        {.Co = TOperacja::Rodzaj::ProstokatXor, .Pioro = Biezace, .X1 = x1, .Y1 = y1, .X2 = x2, .Y2 = y2});
}
