#include "model/GrupyKombinacje.h"

#include "model/Granice.h"
#include "platform/Cp1250.h"
#include "platform/Odmiana.h"

namespace {

// What a new task holds in a slot no group uses.
const TGrupa WolnaGrupa{0, {}, 0xFFFFFF};

// Slot i of a table indexed by group or combination removed: the later slots
// move one down and the last takes `wolny`.
template <class T, size_t N>
void UsunSlot(std::array<T, N>& tablica, int32_t i, const T& wolny)
{
    for (size_t k = size_t(i); k + 1 < N; ++k)
        tablica[k] = tablica[k + 1];
    tablica[N - 1] = wolny;
}

// Every table of the task indexed by group.
void UsunSlotGrupy(TDaneZadania& zad, int32_t g)
{
    UsunSlot(zad.Grupy, g, WolnaGrupa);
    UsunSlot(zad.Klasyfikacje, g, TKlasyfikacjaGrupy{});
    for (auto& wiersz : zad.Wspolczynniki)
        UsunSlot(wiersz, g, 0.0f);
}

// Every table of the task indexed by combination. The last sheet place stays
// where it was: the next combination added is laid out there.
void UsunSlotKombinacji(TDaneZadania& zad, int32_t c)
{
    UsunSlot(zad.Kombinacje, c, TWariant{});
    UsunSlot(zad.Wspolczynniki, c, {});
    UsunSlot(zad.PolozenieKombinacji, c, zad.PolozenieKombinacji.back());
}

template <class T, size_t N>
int32_t ObciazeniaTablicy(const std::array<T, N>& tablica, int32_t g)
{
    int32_t n = 0;
    for (const T& r : tablica)
        n += r.Uzyta && r.Grupa == g;
    return n;
}

// The loads of group g deleted, those of later groups renumbered.
template <class T, size_t N>
void UsunObciazeniaGrupy(std::array<T, N>& tablica, int32_t g)
{
    for (int32_t i = IloscUzytych(tablica) - 1; i >= 0; --i)
        if (tablica[size_t(i)].Grupa == g)
            UsunZTablicy(tablica, i);
    for (T& r : tablica)
        if (r.Uzyta && r.Grupa > g)
            --r.Grupa;
}

std::optional<std::string> BrakGrupy(const TDaneZadania& zad, int32_t g)
{
    if (g < 0 || g >= IloscUzytych(zad.Grupy))
        return "Nie ma grupy obciążeń nr " + std::to_string(g + 1) + ".";
    return std::nullopt;
}

std::optional<std::string> BrakKombinacji(const TDaneZadania& zad, int32_t c)
{
    if (c < 0 || c >= IloscUzytych(zad.Kombinacje))
        return "Nie ma kombinacji obciążeń nr " + std::to_string(c + 1) + ".";
    return std::nullopt;
}

} // namespace

int32_t ObciazeniaGrupy(const TDaneZadania& zad, int32_t g)
{
    return ObciazeniaTablicy(zad.Sily, g) + ObciazeniaTablicy(zad.Liniowe, g) + ObciazeniaTablicy(zad.Trojkaty, g) +
           ObciazeniaTablicy(zad.Momenty, g);
}

std::optional<std::string> PytanieOUsunieciuGrupy(const TDaneZadania& zad, int32_t g)
{
    const int32_t n = ObciazeniaGrupy(zad, g);
    if (BrakGrupy(zad, g) || n == 0)
        return std::nullopt;
    return "Grupa " + std::to_string(g + 1) + " „" + Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa) + "” ma " +
           Ile(n, "obciążenie", "obciążenia", "obciążeń") + ". Usunąć grupę razem z " + (n == 1 ? "nim" : "nimi") + "?";
}

std::optional<std::string> ZmienNazweGrupy(TDaneZadania& zad, int32_t g, std::string_view nazwa)
{
    if (auto b = BrakGrupy(zad, g))
        return b;
    if (auto b = UsterkaNazwyGrupy(nazwa))
        return b;
    zad.Grupy[size_t(g)].Nazwa = nazwa;
    return std::nullopt;
}

std::optional<std::string> ZmienNazweKombinacji(TDaneZadania& zad, int32_t c, std::string_view nazwa)
{
    if (auto b = BrakKombinacji(zad, c))
        return b;
    if (auto b = UsterkaNazwyKombinacji(nazwa))
        return b;
    zad.Kombinacje[size_t(c)].Nazwa = nazwa;
    return std::nullopt;
}

std::optional<std::string> UsunGrupe(TDaneZadania& zad, int32_t g)
{
    if (auto b = BrakGrupy(zad, g))
        return b;
    if (IloscUzytych(zad.Grupy) == 1)
        return std::string("Zadanie musi mieć co najmniej jedną grupę obciążeń.");
    UsunObciazeniaGrupy(zad.Sily, g);
    UsunObciazeniaGrupy(zad.Liniowe, g);
    UsunObciazeniaGrupy(zad.Trojkaty, g);
    UsunObciazeniaGrupy(zad.Momenty, g);
    UsunSlotGrupy(zad, g);
    return std::nullopt;
}

std::optional<std::string> UsunKombinacje(TDaneZadania& zad, int32_t c)
{
    if (auto b = BrakKombinacji(zad, c))
        return b;
    if (IloscUzytych(zad.Kombinacje) == 1)
        return std::string("Zadanie musi mieć co najmniej jedną kombinację obciążeń.");
    UsunSlotKombinacji(zad, c);
    PoliczKombinacje(zad);
    return std::nullopt;
}
