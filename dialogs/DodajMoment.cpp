#include "dialogs/DodajMoment.h"

namespace {

const TOpisDodawania Roznice{TRodzajObciazenia::Moment,
                             "DodajMoment",
                             "Dodawanie momentu.",
                             -100,
                             {"[kNm]    .......  Wartość momentu.", ""},
                             {"[m]    ......................  Położenie.", ""},
                             "...............  Grupa.",
                             /*ZamykaPoZmianie*/ false,
                             /*PodgladPrzyPisaniu*/ false,
                             /*PodgladPrzyGrupie*/ false,
                             /*ZnacznikPrzyPrzewijaniu*/ true,
                             /*ZnacznikPrzyOtwarciu*/ true,
                             {.Glowne = 0.5, .Drugie = 0.5}};

} // namespace

TDodajMoment::TDodajMoment(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
                           QWidget* rodzic)
    : TDodajObciazenie(Roznice, zad, lista, komunikaty, separator, rodzic)
{
}
