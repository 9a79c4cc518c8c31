#pragma once
// The list of the task's uniform loads.
#include "dialogs/EdytowanieObciazen.h"

class TEdytowanieLiniowe : public TEdytowanieObciazen {
public:
    TEdytowanieLiniowe(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty, char separator,
                       QWidget* rodzic = nullptr);
};
