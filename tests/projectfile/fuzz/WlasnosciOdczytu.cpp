#include "tests/projectfile/fuzz/WlasnosciOdczytu.h"

#include "projectfile/PlikZadania.h"

namespace {

template <class T, size_t N>
bool JedenCiag(const std::array<T, N>& t)
{
    size_t uzyte = 0;
    for (const T& r : t)
        uzyte += r.Uzyta ? 1 : 0;
    return int32_t(uzyte) == IloscUzytych(t);
}

template <class T, size_t N>
bool OdwolaniaIstnieja(const std::array<T, N>& t, int32_t przesel, int32_t grup)
{
    for (const T& r : t)
        if (r.Uzyta && (r.Przeslo < 0 || r.Przeslo >= przesel || r.Grupa < 0 || r.Grupa >= grup))
            return false;
    return true;
}

std::string SprawdzZadanie(const TOdczyt& o)
{
    const TDaneZadania& z = *o.Zadanie;
    const int32_t n = z.IloscPrzesel;
    if (!(n == -1 || (n >= 1 && n <= MaxPrzesel)) || z.Przesla.size() != size_t(n < 0 ? 0 : n))
        return "span count outside the tables";
    if (!JedenCiag(z.Grupy) || !JedenCiag(z.Kombinacje) || !JedenCiag(z.Sily) || !JedenCiag(z.Liniowe) ||
        !JedenCiag(z.Trojkaty) || !JedenCiag(z.Momenty))
        return "used slots are not one run from slot 0";
    const int32_t grup = IloscUzytych(z.Grupy);
    const int32_t przesel = int32_t(z.Przesla.size());
    if (!OdwolaniaIstnieja(z.Sily, przesel, grup) || !OdwolaniaIstnieja(z.Liniowe, przesel, grup) ||
        !OdwolaniaIstnieja(z.Trojkaty, przesel, grup) || !OdwolaniaIstnieja(z.Momenty, przesel, grup))
        return "a load refers to a span or group that does not exist";
    for (const TGrupa& g : z.Grupy)
        if (g.Nazwa.size() > size_t(MaxDlugoscNazwy))
            return "group name longer than 20";
    if (o.Widoki.ListaGrup.empty() || o.Widoki.ListaGrup[0] != "1 Stale" ||
        o.Widoki.ListaGrup.size() > size_t(TDaneZadania::MaxGrup))
        return "group list of the load dialogs";
    if (o.Widoki.DlugosciPrzesel.size() != z.Przesla.size())
        return "length row of the geometry dialog";
    return {};
}

} // namespace

std::string SprawdzOdczyt(std::string_view bajty)
{
    const TOdczyt o = CzytajTekst(bajty);
    if (!o.Zadanie)
        return o.Blad.empty() ? "refused without a message" : std::string();
    if (!o.Blad.empty())
        return "a task and a message";
    std::string blad = SprawdzZadanie(o);
    if (!blad.empty())
        return blad;

    TRegionalne r;
    const TChwila chwila{2024, 2, 29, 23, 59, 59};
    std::string pierwszy;
    if (!ZapiszDoTekstu(*o.Zadanie, r, chwila, pierwszy, blad))
        return "a task read cannot be written: " + blad;
    const TOdczyt ponownie = CzytajTekst(pierwszy);
    if (!ponownie.Zadanie)
        return "a written task cannot be read: " + ponownie.Blad;
    std::string drugi;
    if (!ZapiszDoTekstu(*ponownie.Zadanie, r, chwila, drugi, blad) || drugi != pierwszy)
        return "writing, reading and writing again changes the file";
    return {};
}
