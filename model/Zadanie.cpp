#include "model/Zadanie.h"

#include <algorithm>
#include <cmath>

namespace {

// "Stałe" in code page 1250 (ł = 0xB3).
const std::string NazwaStale = "Sta\xB3"
                               "e";
constexpr int32_t Bialy = 0xFFFFFF;

template <class T, size_t N>
void ZwolnijSloty(std::array<T, N>& tablica)
{
    for (T& r : tablica) {
        const int32_t grupa = r.Grupa; // a new task leaves the group index as it was
        r = T{};
        r.Grupa = grupa;
    }
}

} // namespace

bool TaSamaTresc(const TDaneZadania& a, const TDaneZadania& b)
{
    return a.SkalaX == b.SkalaX && a.SkalaY == b.SkalaY && a.Przesla == b.Przesla && a.IloscPrzesel == b.IloscPrzesel &&
           a.LewyPrzegub == b.LewyPrzegub && a.PrawyPrzegub == b.PrawyPrzegub && a.Sily == b.Sily &&
           a.Liniowe == b.Liniowe && a.Trojkaty == b.Trojkaty && a.Momenty == b.Momenty && a.Grupy == b.Grupy &&
           a.Klasyfikacje == b.Klasyfikacje && a.Kombinacje == b.Kombinacje && a.Wspolczynniki == b.Wspolczynniki &&
           a.Nastawy == b.Nastawy && a.PolozenieKombinacji == b.PolozenieKombinacji &&
           a.PolozenieObwiedni == b.PolozenieObwiedni;
}

std::string PrzytnijNazwe(std::string_view nazwa)
{
    return std::string(nazwa.substr(0, MaxDlugoscNazwy));
}

void NowyTemat(TDaneZadania& zad)
{
    ZwolnijSloty(zad.SilyKomb);
    ZwolnijSloty(zad.Sily);
    ZwolnijSloty(zad.LinioweKomb);
    ZwolnijSloty(zad.Liniowe);
    ZwolnijSloty(zad.TrojkatyKomb);
    ZwolnijSloty(zad.Trojkaty);
    ZwolnijSloty(zad.MomentyKomb);
    ZwolnijSloty(zad.Momenty);

    zad.Przesla.clear();

    for (size_t g = 0; g < zad.Grupy.size(); ++g) {
        TGrupa& grupa = zad.Grupy[g];
        grupa.Uzyta = g == 0;
        grupa.Nazwa = g == 0 ? NazwaStale : std::string();
        grupa.Kolor = g == 0 ? 0 : Bialy;
    }
    for (size_t c = 0; c < zad.Kombinacje.size(); ++c) {
        TWariant& komb = zad.Kombinacje[c];
        komb.Uzyta = c == 0;
        komb.Nazwa = c == 0 ? NazwaStale : std::string();
    }
    zad.Klasyfikacje = {};
    zad.Wspolczynniki[0][0] = 1.0f;

    zad.SkalaX = 100;
    zad.SkalaY = 100;
    zad.IloscPrzesel = -1;

    TNastawy& n = zad.Nastawy;
    const TNastawy domyslne;
    const float wspGrubosci = n.WspGrubosci;
    const bool arkuszUzytkownika = n.ArkuszUzytkownika;
    const float arkuszL = n.ArkuszL;
    const float arkuszH = n.ArkuszH;
    n = domyslne;
    n.WspGrubosci = wspGrubosci;
    n.ArkuszUzytkownika = arkuszUzytkownika;
    n.ArkuszL = arkuszL;
    n.ArkuszH = arkuszH;

    zad.PolozenieKombinacji[0] = {0, 0};
}

void UstawIloscPrzesel(TDaneZadania& zad)
{
    zad.Przesla.resize(size_t(std::clamp(zad.IloscPrzesel, 0, MaxPrzesel)));
    for (TPrzeslo& p : zad.Przesla) {
        p.L = 4.0f;
        p.Rezerwa[0] = p.Rezerwa[1] = p.Rezerwa[4] = p.Rezerwa[5] = 0;
        p.TypPrzesla = 0;
    }
}

int32_t PoliczKombinacje(TDaneZadania& zad)
{
    zad.IloscKombinacji = IloscUzytych(zad.Kombinacje);
    return zad.IloscKombinacji;
}

bool SaObciazenia(const TDaneZadania& zad)
{
    return zad.Sily[0].Uzyta || zad.Liniowe[0].Uzyta || zad.Trojkaty[0].Uzyta || zad.Momenty[0].Uzyta;
}

void UstawKodyPrzesel(TDaneZadania& zad)
{
    const int32_t n = int32_t(zad.Przesla.size());
    float x0 = 0;
    for (int32_t i = 0; i < n; ++i) {
        TPrzeslo& p = zad.Przesla[i];
        p.X0 = x0;
        x0 += p.L;
        p.NiewiadomaLewa = i;
        p.NiewiadomaPrawa = i + 1;
        const bool pierwsze = i == 0;
        const bool ostatnie = i == n - 1;
        const bool lewyPrzegub = pierwsze && zad.LewyPrzegub;
        const bool prawyPrzegub = ostatnie && zad.PrawyPrzegub;
        if (n == 1) {
            p.TypPrzesla = lewyPrzegub ? (prawyPrzegub ? 1 : 3) : (prawyPrzegub ? 2 : 4);
            p.TypPodpor = p.TypPrzesla;
            continue;
        }
        if (pierwsze)
            p.NiewiadomaLewa = -1;
        if (ostatnie)
            p.NiewiadomaPrawa = -1;
        if (lewyPrzegub) {
            p.TypPrzesla = 3;
            p.TypPodpor = 1;
        } else if (prawyPrzegub) {
            p.TypPrzesla = 2;
            p.TypPodpor = 1;
        } else {
            p.TypPrzesla = 4;
            p.TypPodpor = pierwsze ? 2 : (ostatnie ? 3 : 1);
        }
    }

    const auto x0Przesla = [&](int32_t s) { return s >= 0 && s < n ? zad.Przesla[s].X0 : 0.0f; };
    for (TSila& f : zad.Sily)
        if (f.Uzyta)
            f.XAbs = f.X + x0Przesla(f.Przeslo);
    for (TMoment& m : zad.Momenty)
        if (m.Uzyta)
            m.XAbs = m.X + x0Przesla(m.Przeslo);
    for (TLiniowe& q : zad.Liniowe)
        if (q.Uzyta) {
            q.X1Abs = q.X1 + x0Przesla(q.Przeslo);
            q.X2Abs = q.X2 + x0Przesla(q.Przeslo);
        }
    for (TTrojkat& t : zad.Trojkaty)
        if (t.Uzyta) {
            t.X1Abs = t.X1 + x0Przesla(t.Przeslo);
            t.X2Abs = t.X2 + x0Przesla(t.Przeslo);
        }
}

void UstawWartosciTrojkata(TTrojkat& t, float q1, float q2)
{
    t.WartoscStala = std::min(q1, q2);
    t.WartoscMalejaca = q2 < q1 ? q1 - q2 : 0.0f;
    t.WartoscRosnaca = q2 >= q1 ? q2 - q1 : 0.0f;
}

float SkalaSilSchematu(const TDaneZadania& zad, TSkalowanieSil rodzaj, float dlugosc)
{
    float fmax = 0.01f;
    const auto uwzglednij = [&](float v) {
        if (std::isfinite(v))
            fmax = std::max(fmax, std::fabs(v));
    };
    for (const TSila& f : zad.Sily)
        if (f.Uzyta)
            uwzglednij(f.Wartosc);
    for (const TLiniowe& q : zad.Liniowe)
        if (q.Uzyta)
            uwzglednij(q.Wartosc);
    for (const TTrojkat& t : zad.Trojkaty)
        if (t.Uzyta) {
            uwzglednij(t.WartoscStala + t.WartoscMalejaca);
            uwzglednij(t.WartoscStala + t.WartoscRosnaca);
        }
    for (const TMoment& m : zad.Momenty)
        if (m.Uzyta)
            uwzglednij(m.Wartosc);
    switch (rodzaj) {
    case TSkalowanieSil::NajwiekszaDo:
        return dlugosc / fmax;
    case TSkalowanieSil::Sila100kNDo:
        return dlugosc / 100;
    case TSkalowanieSil::Automatyczne:
        break;
    }
    return fmax >= 100 ? 2.0f / fmax : 0.04f;
}

namespace {

struct TOpisKategorii {
    const char* Klucz;
    const char* Nazwa;
    TWspolczynnikiPsi Psi;
};

// PN-EN 1990 Table A1.1 as the Polish annex adopts it.
constexpr std::array<TOpisKategorii, IloscKategoriiZmiennych> OpisyKategorii{{
    {"A", "A – powierzchnie mieszkalne", {0.7, 0.5, 0.3}},
    {"B", "B – powierzchnie biurowe", {0.7, 0.5, 0.3}},
    {"C", "C – miejsca zebrań", {0.7, 0.7, 0.6}},
    {"D", "D – powierzchnie handlowe", {0.7, 0.7, 0.6}},
    {"E", "E – powierzchnie magazynowe", {1.0, 0.9, 0.8}},
    {"F", "F – ruch pojazdów do 30 kN", {0.7, 0.7, 0.6}},
    {"G", "G – ruch pojazdów 30–160 kN", {0.7, 0.5, 0.3}},
    {"H", "H – dachy", {0.0, 0.0, 0.0}},
    {"snieg", "śnieg", {0.5, 0.2, 0.0}},
    {"wiatr", "wiatr", {0.6, 0.2, 0.0}},
    {"temperatura", "temperatura", {0.6, 0.5, 0.0}},
}};

const TOpisKategorii& Opis(TKategoriaZmiennych k)
{
    const auto i = size_t(k);
    return OpisyKategorii[i < OpisyKategorii.size() ? i : 0];
}

} // namespace

TWspolczynnikiPsi WspolczynnikiPsi(TKategoriaZmiennych k)
{
    return Opis(k).Psi;
}

bool DomyslniePoPrzeslach(TKategoriaZmiennych k)
{
    return k <= TKategoriaZmiennych::G;
}

const char* KluczKategorii(TKategoriaZmiennych k)
{
    return Opis(k).Klucz;
}

bool KategoriaKlucza(std::string_view klucz, TKategoriaZmiennych& k)
{
    for (size_t i = 0; i < OpisyKategorii.size(); ++i)
        if (klucz == OpisyKategorii[i].Klucz) {
            k = TKategoriaZmiennych(i);
            return true;
        }
    return false;
}

const char* NazwaKategorii(TKategoriaZmiennych k)
{
    return Opis(k).Nazwa;
}

bool SaGrupySklasyfikowane(const TDaneZadania& zad)
{
    for (size_t g = 0; g < zad.Grupy.size(); ++g)
        if (zad.Grupy[g].Uzyta && zad.Klasyfikacje[g].Rodzaj != TRodzajGrupy::Niesklasyfikowana)
            return true;
    return false;
}
