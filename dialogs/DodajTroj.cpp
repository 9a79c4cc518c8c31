#include "dialogs/DodajTroj.h"

namespace {

const TOpisDodawania Roznice{
    TRodzajObciazenia::Trojkat,
    "DodajTroj",
    "Dodawanie trapez",
    0,
    {"[kN]    ................  Wartość początkowa.", "Wartość końcowa   ................  [kN]"},
    {"[m]    ......  Położenie początek.", "Położenie koniec  ............ [m]. "},
    "....................................  Grupa.",
    /*ZamykaPoZmianie*/ true,
    /*PodgladPrzyPisaniu*/ false,
    /*PodgladPrzyGrupie*/ false,
    /*ZnacznikPrzyPrzewijaniu*/ true,
    /*ZnacznikPrzyOtwarciu*/ false,
    {.Glowne = 0.5, .Drugie = 0.5}};

} // namespace

TDodajTroj::TDodajTroj(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator, QWidget* rodzic)
    : TDodajObciazenie(Roznice, zad, lista, komunikaty, separator, rodzic)
{
}
