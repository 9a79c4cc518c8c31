#pragma once
// The entry dialog of a point moment (clockwise positive); what it does otherwise than its family is in its description.
#include "dialogs/DodajObciazenie.h"

class TDodajMoment : public TDodajObciazenie {
public:
    TDodajMoment(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
                 QWidget* rodzic = nullptr);
};
