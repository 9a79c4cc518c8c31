#pragma once
// The group list of the four load-entry dialogs: one list, rebuilt in one
// place, that each of them shows in its group combo box. Items are UTF-8,
// "number name"; NumerGrupy (platform/TekstyLiczb.h) reads the number back.
#include <functional>
#include <string>
#include <vector>

struct TDaneZadania;

class TListaGrup {
public:
    TListaGrup();

    const std::vector<std::string>& Pozycje() const { return pozycje_; }

    // As after a new task: the single item "1 Stale".
    void NowyTemat();
    // After a group was added: every group in use with its stored name.
    void Odbuduj(const TDaneZadania& zad);
    // After a file was read: the items as the reader made them.
    void Ustaw(std::vector<std::string> pozycje);

    // Called after every change, so an open combo box can refill itself.
    void PoZmianie(std::function<void()> sluchacz);

private:
    void Zmieniona();

    std::vector<std::string> pozycje_;
    std::vector<std::function<void()>> sluchacze_;
};
