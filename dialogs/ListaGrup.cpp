#include "dialogs/ListaGrup.h"

#include "model/Zadanie.h"
#include "platform/Cp1250.h"

TListaGrup::TListaGrup() : pozycje_{"1 Stale"} {}

void TListaGrup::NowyTemat()
{
    Ustaw({"1 Stale"});
}

void TListaGrup::Odbuduj(const TDaneZadania& zad)
{
    std::vector<std::string> p;
    for (int32_t g = 0; g < IloscUzytych(zad.Grupy); ++g)
        p.push_back(std::to_string(g + 1) + " " + Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa));
    Ustaw(std::move(p));
}

void TListaGrup::Ustaw(std::vector<std::string> pozycje)
{
    pozycje_ = std::move(pozycje);
    Zmieniona();
}

void TListaGrup::PoZmianie(std::function<void()> sluchacz)
{
    sluchacze_.push_back(std::move(sluchacz));
}

void TListaGrup::Zmieniona()
{
    for (const auto& s : sluchacze_)
        s();
}
