#include "dialogs/DodajLiniowe.h"

namespace {

const TOpisDodawania Roznice{TRodzajObciazenia::Liniowe,
                             "DodajLiniowe",
                             "Dodawanie Liniowe",
                             0,
                             {"[kN]    ................  Wartość siły.", ""},
                             {"[m]    ......  Położenie początek.", "Położenie koniec  ............ [m]. "},
                             "....................................  Grupa.",
                             /*ZamykaPoZmianie*/ true,
                             /*PodgladPrzyPisaniu*/ true,
                             /*PodgladPrzyGrupie*/ true,
                             /*ZnacznikPrzyPrzewijaniu*/ false,
                             /*ZnacznikPrzyOtwarciu*/ true,
                             {.Glowne = 0.5, .Drugie = 0.5}};

} // namespace

TDodajLiniowe::TDodajLiniowe(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
                             QWidget* rodzic)
    : TDodajObciazenie(Roznice, zad, lista, komunikaty, separator, rodzic)
{
}
