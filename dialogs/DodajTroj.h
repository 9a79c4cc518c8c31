#pragma once
// The entry dialog of a load varying linearly over a stretch of one span; what it does otherwise than its family is in its description.
#include "dialogs/DodajObciazenie.h"

class TDodajTroj : public TDodajObciazenie {
public:
    TDodajTroj(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
               QWidget* rodzic = nullptr);
};
