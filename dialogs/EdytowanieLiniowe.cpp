#include "dialogs/EdytowanieLiniowe.h"

namespace {

const TOpisListy Roznice{TRodzajObciazenia::Liniowe,
                         "EdytowanieLiniowe",
                         "Obciążenie liniowe (dodawanie, edycja, usuwanie)",
                         "SG_TabL",
                         {"DodawanieSil", "EdytowanieSil", "UsunSile", "Button4"}};

} // namespace

TEdytowanieLiniowe::TEdytowanieLiniowe(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty,
                                       char separator, QWidget* rodzic)
    : TEdytowanieObciazen(Roznice, zad, wpis, komunikaty, separator, rodzic)
{
}
