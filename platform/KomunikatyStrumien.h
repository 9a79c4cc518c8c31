#pragma once
// Messages of the command line: written where the user reads them; a
// question cannot be answered there and counts as No (as Cancel when it can be cancelled).
#include "platform/Komunikaty.h"

#include <ostream>

class TKomunikatyStrumien : public IKomunikaty {
public:
    explicit TKomunikatyStrumien(std::ostream& out) : out_(out) {}
    void Komunikat(const std::string& tekst) override { out_ << tekst << '\n'; }
    bool Pytanie(const std::string& tekst) override
    {
        out_ << tekst << '\n';
        return false;
    }
    TOdpowiedz PytanieZAnulowaniem(const std::string& tekst) override
    {
        out_ << tekst << '\n';
        return TOdpowiedz::Anuluj;
    }

private:
    std::ostream& out_;
};
