#pragma once
// The entry dialog of a point force; what it does otherwise than its family is in its description.
#include "dialogs/DodajObciazenie.h"

class TDodajSile : public TDodajObciazenie {
public:
    TDodajSile(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
               QWidget* rodzic = nullptr);
};
