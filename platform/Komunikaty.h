#pragma once
// Message boxes and questions as the program's code sees them.
// The window build shows them in Qt dialogs, the command line writes them to
// stderr, and tests record them instead of blocking.
#include <string>
#include <vector>

enum class TOdpowiedz { Tak, Nie, Anuluj };

class IKomunikaty {
public:
    virtual ~IKomunikaty() = default;
    // A plain message with an OK button; text in UTF-8.
    virtual void Komunikat(const std::string& tekst) = 0;
    // A question with Yes and No; true means Yes.
    virtual bool Pytanie(const std::string& tekst) = 0;
    // A question with Yes, No and Cancel.
    virtual TOdpowiedz PytanieZAnulowaniem(const std::string& tekst) = 0;
    // A question whose two buttons say what they do ("Drukuj mimo to",
    // "Anuluj"); true means the first. Where buttons cannot be shown, as Pytanie.
    virtual bool Wybor(const std::string& tekst, const std::string& /*tak*/, const std::string& /*nie*/)
    {
        return Pytanie(tekst);
    }
};

// Keeps every message and question; answers questions with preset replies.
class TRejestrKomunikatow : public IKomunikaty {
public:
    std::vector<std::string> Komunikaty;
    std::vector<std::string> Pytania;
    bool Odpowiedz = true;
    TOdpowiedz OdpowiedzZAnulowaniem = TOdpowiedz::Anuluj;

    void Komunikat(const std::string& tekst) override { Komunikaty.push_back(tekst); }
    bool Pytanie(const std::string& tekst) override
    {
        Pytania.push_back(tekst);
        return Odpowiedz;
    }
    TOdpowiedz PytanieZAnulowaniem(const std::string& tekst) override
    {
        Pytania.push_back(tekst);
        return OdpowiedzZAnulowaniem;
    }
    // The buttons of every Wybor, "tak|nie".
    std::vector<std::string> Przyciski;
    bool Wybor(const std::string& tekst, const std::string& tak, const std::string& nie) override
    {
        Przyciski.push_back(tak + "|" + nie);
        return Pytanie(tekst);
    }
};
