#pragma once
// The entry dialog of a uniform load over a stretch of one span; what it does otherwise than its family is in its description.
#include "dialogs/DodajObciazenie.h"

class TDodajLiniowe : public TDodajObciazenie {
public:
    TDodajLiniowe(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator,
                  QWidget* rodzic = nullptr);
};
