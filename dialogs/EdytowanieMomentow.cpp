#include "dialogs/EdytowanieMomentow.h"

namespace {

const TOpisListy Roznice{TRodzajObciazenia::Moment,
                         "EdytowanieMomentow",
                         "MOMENTY (dodawanie, edycja, usuwanie)",
                         "SG_TabM",
                         {"DodawanieMomentu", "EdytowanieMomentu", "UsunMomentu", "Button4"}};

} // namespace

TEdytowanieMomentow::TEdytowanieMomentow(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty,
                                         char separator, QWidget* rodzic)
    : TEdytowanieObciazen(Roznice, zad, wpis, komunikaty, separator, rodzic)
{
}
