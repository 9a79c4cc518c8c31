#include "dialogs/OdmowyWynikow.h"

#include "analysis/Analiza.h"
#include "analysis/Przekroj.h"
#include "model/Zadanie.h"

std::optional<std::string> OdmowaMacierzy(const TDaneZadania& zad)
{
    if (zad.IloscPrzesel < 2)
        return NajpierwGeometriaMacierz;
    return SprawdzZadanie(zad);
}

std::optional<std::string> OdmowaZestawienia(const TDaneZadania& zad, const TWyniki& wyn)
{
    if (zad.IloscPrzesel < 1 || !SaObciazenia(zad))
        return NajpierwGeometriaZestawienie;
    if (SaWynikiPrzekrojow(zad, wyn))
        return std::nullopt;
    // No results to read: the analysis refused the task and says why.
    if (auto blad = SprawdzZadanie(zad))
        return blad;
    return NajpierwGeometriaZestawienie;
}
