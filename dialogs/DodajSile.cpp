#include "dialogs/DodajSile.h"

namespace {

const TOpisDodawania Roznice{TRodzajObciazenia::Sila,
                             "DodajSile",
                             "Dodawanie sił",
                             0,
                             {"[kN]    ....  Wartość siły.", ""},
                             {"[m]    ....  Położenie.", ""},
                             "Grupa:",
                             /*ZamykaPoZmianie*/ true,
                             /*PodgladPrzyPisaniu*/ true,
                             /*PodgladPrzyGrupie*/ false,
                             /*ZnacznikPrzyPrzewijaniu*/ false,
                             /*ZnacznikPrzyOtwarciu*/ true,
                             {.Glowne = 0.1, .Drugie = 0.5}};

} // namespace

TDodajSile::TDodajSile(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator, QWidget* rodzic)
    : TDodajObciazenie(Roznice, zad, lista, komunikaty, separator, rodzic)
{
}
