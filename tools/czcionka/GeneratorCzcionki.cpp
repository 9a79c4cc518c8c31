// Builds the program's stroke font file from the Roman Simplex Hershey font
// (.jhf). Usage: quarvi_czcionka <rowmans.jhf> <Romans100.Lzs>
//
// Character codes are code page 1250: ASCII 32–126 come from the font in
// order, the Polish letters are composed here from their base letters and
// accent strokes, and the font's last glyph (a small ring) serves as the
// degree sign. Every coordinate is checked against its unsigned byte; any
// failure ends the program with a message and a non-zero exit code, which
// stops the build.
#include "drawing/Czcionka.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Hershey units: x right, y DOWN, the Roman capitals run from y = -12 to the
// base line at y = 9, so their cap height is 21 units.
constexpr double LiniaBazowa = 9;
constexpr double WysokoscWersalikow = 21;
constexpr double DocelowaWysokosc = 83; // cap height in font units
constexpr double Skala = DocelowaWysokosc / WysokoscWersalikow;

struct TOdcinek {
    double x1, y1, x2, y2;
};

struct TZnakHersheya {
    double Lewy = 0, Prawy = 0; // bearings
    std::vector<TOdcinek> Odcinki;
};

[[noreturn]] void Blad(const std::string& tekst)
{
    throw std::runtime_error(tekst);
}

// One glyph: "NNNNNVVVLR..." — a 5-character number, a 3-character vertex
// count (the bearing pair included), then pairs of characters offset from
// 'R'; the pair " R" lifts the pen. Long glyphs may continue on the next lines.
std::vector<TZnakHersheya> CzytajJhf(const std::string& sciezka)
{
    std::ifstream we(sciezka);
    if (!we)
        Blad("nie można otworzyć pliku " + sciezka);
    // A line without its CR, whichever line ends the file has.
    const auto wiersz = [&we](std::string& l) {
        if (!std::getline(we, l))
            return false;
        if (!l.empty() && l.back() == '\r')
            l.pop_back();
        return true;
    };
    std::vector<TZnakHersheya> znaki;
    std::string linia;
    while (wiersz(linia)) {
        if (linia.find_first_not_of(' ') == std::string::npos)
            continue;
        if (linia.size() < 10)
            Blad("zbyt krótki wiersz w " + sciezka + ": \"" + linia + "\"");
        const int wierzcholki = std::stoi(linia.substr(5, 3));
        std::string dane = linia.substr(8);
        std::string dalej;
        while (int(dane.size()) < 2 * wierzcholki && wiersz(dalej))
            dane += dalej;
        if (int(dane.size()) < 2 * wierzcholki)
            Blad("urwany znak nr " + std::to_string(znaki.size()) + " w " + sciezka);

        TZnakHersheya z;
        z.Lewy = dane[0] - 'R';
        z.Prawy = dane[1] - 'R';
        bool pioroWGorze = true;
        double px = 0, py = 0;
        for (int i = 1; i < wierzcholki; ++i) {
            const char cx = dane[size_t(2 * i)], cy = dane[size_t(2 * i + 1)];
            if (cx == ' ' && cy == 'R') {
                pioroWGorze = true;
                continue;
            }
            const double x = cx - 'R', y = cy - 'R';
            if (!pioroWGorze)
                z.Odcinki.push_back({px, py, x, y});
            px = x;
            py = y;
            pioroWGorze = false;
        }
        znaki.push_back(std::move(z));
    }
    return znaki;
}

void DodajLamana(TZnakHersheya& z, std::initializer_list<std::pair<double, double>> punkty)
{
    const auto* poprzedni = punkty.begin();
    for (const auto* p = poprzedni + 1; p != punkty.end(); poprzedni = p++)
        z.Odcinki.push_back({poprzedni->first, poprzedni->second, p->first, p->second});
}

double SrodekX(const TZnakHersheya& z)
{
    double mn = 1e9, mx = -1e9;
    for (const TOdcinek& o : z.Odcinki) {
        mn = std::min({mn, o.x1, o.x2});
        mx = std::max({mx, o.x1, o.x2});
    }
    return (mn + mx) / 2;
}

// The accents. yDol is the lower end of the accent (Hershey y grows downward).
void Kreska(TZnakHersheya& z, double yDol)
{
    const double x = SrodekX(z);
    DodajLamana(z, {{x - 1.0, yDol}, {x + 2.0, yDol - 3.5}});
}

void Kropka(TZnakHersheya& z, double ySrodek)
{
    const double x = SrodekX(z);
    DodajLamana(z, {{x - 1, ySrodek}, {x, ySrodek + 1}, {x + 1, ySrodek}, {x, ySrodek - 1}, {x - 1, ySrodek}});
}

// Hangs from the base line at x, bends left and curls back to the right
// below it. It must stay large enough to be seen at the usual 0,3 cm: the
// file cannot hold points below the base line, so the letter is lifted by
// the ogonek's depth (see NaGlif) and a small one would vanish into its foot.
void Ogonek(TZnakHersheya& z, double x, double wielkosc)
{
    const auto p = [&](double dx, double dy) { return std::pair(x + dx * wielkosc, LiniaBazowa + dy * wielkosc); };
    DodajLamana(z, {p(0, 0), p(-1.4, 1.3), p(-2.1, 2.8), p(-1.9, 4.0), p(-1.0, 4.7), p(0.6, 4.8)});
}

constexpr double AkcentMale = -7;     // just above the x-height (-5)
constexpr double AkcentWielkie = -14; // just above the cap height (-12)
constexpr double KropkaMale = -9;
constexpr double KropkaWielkie = -15.5;

// Font units, rounded and checked. The file's unsigned bytes cannot hold a
// negative y, so glyphs reaching below the base line are squeezed until
// their lowest point lands on it, their top staying put; one that rises less
// above the line than it hangs below (the comma) is lifted whole instead.
Glif NaGlif(const TZnakHersheya& z, int kod)
{
    struct TPunkt {
        double x, y;
    };
    std::vector<TPunkt> p;
    for (const TOdcinek& o : z.Odcinki) {
        p.push_back({(o.x1 - z.Lewy) * Skala, (LiniaBazowa - o.y1) * Skala});
        p.push_back({(o.x2 - z.Lewy) * Skala, (LiniaBazowa - o.y2) * Skala});
    }
    if (!p.empty()) {
        double ymin = p[0].y, ymax = p[0].y;
        for (const TPunkt& q : p) {
            ymin = std::min(ymin, q.y);
            ymax = std::max(ymax, q.y);
        }
        if (ymin < 0) {
            const bool podnies = ymax < -ymin;
            for (TPunkt& q : p)
                q.y = podnies ? q.y - ymin : (q.y - ymin) * ymax / (ymax - ymin);
        }
    }

    if (p.size() / 2 > size_t(MaxKresek))
        Blad("znak " + std::to_string(kod) + " ma " + std::to_string(p.size() / 2) + " kresek, więcej niż " +
             std::to_string(MaxKresek));
    auto Bajt = [kod](double v) {
        const long r = std::lround(v);
        if (r < 0 || r > 255)
            Blad("współrzędna " + std::to_string(v) + " znaku " + std::to_string(kod) + " nie mieści się w bajcie");
        return uint8_t(r);
    };
    Glif g;
    g.IloscKresek = int32_t(p.size() / 2);
    for (size_t i = 0; i < p.size() / 2; ++i) {
        g.X1[i] = Bajt(p[2 * i].x);
        g.Y1[i] = Bajt(p[2 * i].y);
        g.X2[i] = Bajt(p[2 * i + 1].x);
        g.Y2[i] = Bajt(p[2 * i + 1].y);
    }
    const double przesuniecie = (z.Prawy - z.Lewy) * Skala;
    if (!(przesuniecie >= 0 && przesuniecie <= 255))
        Blad("niewłaściwe przesunięcie znaku " + std::to_string(kod));
    g.Przesuniecie = float(przesuniecie);
    return g;
}

struct TPolskaLitera {
    uint8_t Kod; // code page 1250
    char Baza;   // ASCII base letter
    enum { Ostry, Kropka, Ogonek, Przekreslenie } Znak;
};

// Code page 1250 code points of the Polish letters.
constexpr TPolskaLitera PolskieLitery[] = {
    {0xB9, 'a', TPolskaLitera::Ogonek},        {0xA5, 'A', TPolskaLitera::Ogonek},
    {0xE6, 'c', TPolskaLitera::Ostry},         {0xC6, 'C', TPolskaLitera::Ostry},
    {0xEA, 'e', TPolskaLitera::Ogonek},        {0xCA, 'E', TPolskaLitera::Ogonek},
    {0xB3, 'l', TPolskaLitera::Przekreslenie}, {0xA3, 'L', TPolskaLitera::Przekreslenie},
    {0xF1, 'n', TPolskaLitera::Ostry},         {0xD1, 'N', TPolskaLitera::Ostry},
    {0xF3, 'o', TPolskaLitera::Ostry},         {0xD3, 'O', TPolskaLitera::Ostry},
    {0x9C, 's', TPolskaLitera::Ostry},         {0x8C, 'S', TPolskaLitera::Ostry},
    {0x9F, 'z', TPolskaLitera::Ostry},         {0x8F, 'Z', TPolskaLitera::Ostry},
    {0xBF, 'z', TPolskaLitera::Kropka},        {0xAF, 'Z', TPolskaLitera::Kropka},
};

TZnakHersheya PolskaLitera(const TZnakHersheya& baza, const TPolskaLitera& l)
{
    TZnakHersheya z = baza;
    const bool wielka = l.Baza >= 'A' && l.Baza <= 'Z';
    switch (l.Znak) {
    case TPolskaLitera::Ostry:
        Kreska(z, wielka ? AkcentWielkie : AkcentMale);
        break;
    case TPolskaLitera::Kropka:
        Kropka(z, wielka ? KropkaWielkie : KropkaMale);
        break;
    case TPolskaLitera::Ogonek:
        // At the right foot of A, the right end of E's foot, a's stem, e's bowl.
        Ogonek(z, l.Baza == 'A' ? 8 : l.Baza == 'E' ? 5 : l.Baza == 'a' ? 6 : 3, wielka ? 1.3 : 1.05);
        break;
    case TPolskaLitera::Przekreslenie:
        if (wielka)
            DodajLamana(z, {{-9, 1}, {-2, -4}}); // across the stem at x = -6
        else
            DodajLamana(z, {{-3, 0.5}, {3, -3.5}}); // across the stem at x = 0
        break;
    }
    return z;
}

void Generuj(const std::string& jhf, const std::string& wyjscie)
{
    const std::vector<TZnakHersheya> znaki = CzytajJhf(jhf);
    constexpr int PierwszyKod = 32, OstatniKod = 126;
    if (znaki.size() < size_t(OstatniKod - PierwszyKod + 1))
        Blad(jhf + " ma " + std::to_string(znaki.size()) + " znaków, za mało na ASCII 32–126");

    TCzcionka czcionka{};
    for (int kod = PierwszyKod; kod <= OstatniKod; ++kod)
        czcionka[size_t(kod)] = NaGlif(znaki[size_t(kod - PierwszyKod)], kod);
    if (znaki.size() > size_t(OstatniKod - PierwszyKod + 1))
        czcionka[0xB0] = NaGlif(znaki[size_t(OstatniKod - PierwszyKod + 1)], 0xB0); // degree sign
    for (const TPolskaLitera& l : PolskieLitery)
        czcionka[l.Kod] = NaGlif(PolskaLitera(znaki[size_t(l.Baza - PierwszyKod)], l), l.Kod);

    std::vector<uint8_t> dane(size_t(IloscGlifow) * RozmiarRekorduGlifu);
    for (size_t i = 0; i < czcionka.size(); ++i)
        ZakodujGlif(czcionka[i], dane.data() + i * RozmiarRekorduGlifu);
    std::ofstream wy(wyjscie, std::ios::binary | std::ios::trunc);
    if (!wy.write(reinterpret_cast<const char*>(dane.data()), std::streamsize(dane.size())) || !wy.flush())
        Blad("nie można zapisać pliku " + wyjscie);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "użycie: quarvi_czcionka <rowmans.jhf> <Romans100.Lzs>\n";
        return 2;
    }
    try {
        Generuj(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "quarvi_czcionka: " << e.what() << '\n';
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
