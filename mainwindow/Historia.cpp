#include "mainwindow/Historia.h"

namespace {

// A load table's change: added, deleted or changed in place; empty when it is the same.
template <class T, size_t N>
std::string ZmianaTablicy(const std::array<T, N>& przed, const std::array<T, N>& po, const char* nazwa)
{
    if (przed == po)
        return {};
    const int32_t a = IloscUzytych(przed), b = IloscUzytych(po);
    const char* rodzaj = b > a ? "dodanie " : b < a ? "usunięcie " : "zmiana ";
    return rodzaj + std::string(nazwa);
}

} // namespace

std::string NazwaZmiany(const TDaneZadania& przed, const TDaneZadania& po)
{
    // A new span count or length moves loads with it: the geometry is the change.
    if (przed.Przesla != po.Przesla || przed.IloscPrzesel != po.IloscPrzesel || przed.LewyPrzegub != po.LewyPrzegub ||
        przed.PrawyPrzegub != po.PrawyPrzegub)
        return "zmiana geometrii";
    // Deleting a group takes its loads along: the group is the change.
    const int32_t grupPrzed = IloscUzytych(przed.Grupy), grupPo = IloscUzytych(po.Grupy);
    if (grupPo != grupPrzed)
        return grupPo < grupPrzed ? "usunięcie grupy" : "dodanie grupy";
    const int32_t kombinacjiPrzed = IloscUzytych(przed.Kombinacje), kombinacjiPo = IloscUzytych(po.Kombinacje);
    if (kombinacjiPo != kombinacjiPrzed)
        return kombinacjiPo < kombinacjiPrzed ? "usunięcie kombinacji" : "dodanie kombinacji";
    if (przed.Grupy != po.Grupy)
        return "zmiana nazwy grupy";
    if (przed.Kombinacje != po.Kombinacje)
        return "zmiana nazwy kombinacji";
    if (przed.Wspolczynniki != po.Wspolczynniki)
        return "zmiana tabeli kombinacji";
    for (std::string zmiana :
         {ZmianaTablicy(przed.Sily, po.Sily, "siły"), ZmianaTablicy(przed.Liniowe, po.Liniowe, "obciążenia liniowego"),
          ZmianaTablicy(przed.Trojkaty, po.Trojkaty, "obciążenia liniowo zmiennego"),
          ZmianaTablicy(przed.Momenty, po.Momenty, "momentu skupionego")})
        if (!zmiana.empty())
            return zmiana;
    if (przed.Nastawy != po.Nastawy || przed.SkalaX != po.SkalaX || przed.SkalaY != po.SkalaY)
        return "zmiana ustawień";
    return "zmiana zadania";
}
