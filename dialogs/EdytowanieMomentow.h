#pragma once
// The list of the task's point moments.
#include "dialogs/EdytowanieObciazen.h"

class TEdytowanieMomentow : public TEdytowanieObciazen {
public:
    TEdytowanieMomentow(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty, char separator,
                        QWidget* rodzic = nullptr);
};
