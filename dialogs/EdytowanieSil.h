#pragma once
// The list of the task's point forces.
#include "dialogs/EdytowanieObciazen.h"

class TEdytowanieSil : public TEdytowanieObciazen {
public:
    TEdytowanieSil(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty, char separator,
                   QWidget* rodzic = nullptr);
};
