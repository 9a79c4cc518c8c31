#include "tests/projectfile/fuzz/WlasnosciOdczytu.h"

#include "projectfile/PlikZadania.h"

namespace {

// What is wrong with a slot table read from a file, or null.
template <class T, size_t N>
const char* BladTablicy(const std::array<T, N>& t, int32_t przesel, int32_t grup)
{
    int32_t uzyte = 0;
    for (const T& r : t) {
        uzyte += r.Uzyta ? 1 : 0;
        if constexpr (requires { r.Nazwa; })
            if (r.Nazwa.size() > size_t(MaxDlugoscNazwy))
                return "name longer than 20";
        if constexpr (requires { r.Przeslo; })
            if (r.Uzyta && (r.Przeslo < 0 || r.Przeslo >= przesel || r.Grupa < 0 || r.Grupa >= grup))
                return "a load refers to a span or group that does not exist";
    }
    return uzyte == IloscUzytych(t) ? nullptr : "used slots are not one run from slot 0";
}

} // namespace

std::string SprawdzOdczyt(std::string_view bajty)
{
    const TOdczyt o = CzytajTekst(bajty);
    if (!o.Zadanie)
        return o.Blad.empty() ? "refused without a message" : "";
    if (!o.Blad.empty())
        return "a task and a message";
    const TDaneZadania& z = *o.Zadanie;
    const int32_t n = z.IloscPrzesel, p = int32_t(z.Przesla.size()), g = IloscUzytych(z.Grupy);
    if (!(n == -1 || (n >= 1 && n <= MaxPrzesel)) || p != (n < 0 ? 0 : n))
        return "span count outside the tables";
    for (const char* blad : {BladTablicy(z.Grupy, p, g), BladTablicy(z.Kombinacje, p, g), BladTablicy(z.Sily, p, g),
                             BladTablicy(z.Liniowe, p, g), BladTablicy(z.Trojkaty, p, g), BladTablicy(z.Momenty, p, g)})
        if (blad)
            return blad;
    const auto& lista = o.Widoki.ListaGrup;
    if (lista.empty() || lista[0] != "1 Stale" || lista.size() > size_t(TDaneZadania::MaxGrup) ||
        o.Widoki.DlugosciPrzesel.size() != z.Przesla.size())
        return "the group list of the load dialogs or the length row of the geometry dialog";

    const std::string_view data = "Data zapisu 29.02.2024, godz. 23:59:59";
    std::string pierwszy, drugi, blad;
    if (!ZapiszDoTekstu(z, ',', data, pierwszy, blad))
        return "a task read cannot be written: " + blad;
    const TOdczyt ponownie = CzytajTekst(pierwszy);
    if (!ponownie.Zadanie)
        return "a written task cannot be read: " + ponownie.Blad;
    if (!ZapiszDoTekstu(*ponownie.Zadanie, ',', data, drugi, blad) || drugi != pierwszy)
        return "writing, reading and writing again changes the file";
    return {};
}
