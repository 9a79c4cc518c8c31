#pragma once
// The list of the task's linearly varying loads.
#include "dialogs/EdytowanieObciazen.h"

class TEdytowanieTrojkat : public TEdytowanieObciazen {
public:
    TEdytowanieTrojkat(TDaneZadania& zad, TDodajObciazenie& wpis, IKomunikaty& komunikaty, char separator,
                       QWidget* rodzic = nullptr);
};
