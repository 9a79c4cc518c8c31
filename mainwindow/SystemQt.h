#pragma once
// The seams of the window program over Qt: message boxes, file dialogs and
// the default printer, a print job per page.
#include "drawing/Arkusze.h"
#include "mainwindow/Program.h"
#include "platform/Komunikaty.h"

#include <functional>
#include <memory>

class QPrinter;
#include <QtCore/qcontainerfwd.h>
class TPowierzchniaQt;

// Message boxes over the active window, captioned "QUARVI": a message with
// the warning icon (each refuses or reports a failure), questions with the question icon.
class TKomunikatyQt : public IKomunikaty {
public:
    void Komunikat(const std::string& tekst) override;
    bool Pytanie(const std::string& tekst) override;
    TOdpowiedz PytanieZAnulowaniem(const std::string& tekst) override;
    bool Wybor(const std::string& tekst, const std::string& tak, const std::string& nie) override;
};

// "Opis|maska|Opis|maska" as the name filters of a Qt file dialog.
QStringList FiltryQt(const std::string& filtr);

// Qt's file dialog over the active window.
std::optional<std::string> WybierzPlikQt(const TDialogPliku& dialog);

// Every page a print job of its own, each on a printer the factory gives.
class TWydrukDrukarki : public IWydruk {
public:
    using TNowaDrukarka = std::function<std::unique_ptr<QPrinter>()>;
    explicit TWydrukDrukarki(TNowaDrukarka nowaDrukarka);
    ~TWydrukDrukarki() override;

    const TStronaDruku* Strona(int32_t strona) override;
    void KoniecStrony(int32_t strona) override;

private:
    TNowaDrukarka nowaDrukarka_;
    std::unique_ptr<QPrinter> drukarka_;
    std::unique_ptr<TPowierzchniaQt> powierzchnia_;
    std::unique_ptr<TStronaDruku> strona_;
};

// The default printer at its own resolution, portrait.
std::unique_ptr<QPrinter> DrukarkaDomyslna();

// The seams of the program itself.
TOtoczenie OtoczenieQt(IKomunikaty& komunikaty);
