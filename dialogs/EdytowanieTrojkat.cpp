#include "dialogs/EdytowanieTrojkat.h"

namespace {

const TOpisListy Roznice{TRodzajObciazenia::Trojkat,
                         "EdytowanieTrojkat",
                         "",
                         "SG_TabL",
                         {"DodawanieSil", "EdytowanieSil", "UsunSile", "Button4"}};

} // namespace

TEdytowanieTrojkat::TEdytowanieTrojkat(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty,
                                       char separator, QWidget* rodzic)
    : TEdytowanieObciazen(Roznice, zad, wpis, komunikaty, separator, rodzic)
{
}
