#include "dialogs/EdytowanieSil.h"

namespace {

const TOpisListy Roznice{TRodzajObciazenia::Sila,
                         "EdytowanieSil",
                         "Edycja sił.",
                         "SG_Tab",
                         {"DodawanieSil", "EdytowanieSil", "UsunSile", "Button4"}};

} // namespace

TEdytowanieSil::TEdytowanieSil(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty, char separator,
                               QWidget* rodzic)
    : TEdytowanieObciazen(Roznice, zad, wpis, komunikaty, separator, rodzic)
{
}
