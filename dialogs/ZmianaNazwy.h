#pragma once
// "Zmiana nazwy grupy" / "Zmiana nazwy kombinacji": a new name for a group or
// a combination of the coefficient table, with the number it keeps.
#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class IKomunikaty;

class TZmianaNazwy : public QDialog {
public:
    TZmianaNazwy(IKomunikaty& komunikaty, QWidget* rodzic = nullptr);

    // Takes the name typed (UTF-8); the message when it is refused.
    using TZmiana = std::function<std::optional<std::string>(const std::string&)>;
    // The caption, the edit's label, the number and the present name, selected to be typed over.
    void Przygotuj(const QString& tytul, const QString& opis, int numer, const QString& nazwa, TZmiana zmiana);
    // Modal over the table; returns at once.
    void Pokaz();

    void WprowadzClick();
    void PowrotClick();

    QLabel* L_Numer;
    QLabel* L_Nazwa;
    QLineEdit* E_Nazwa;
    QPushButton* Wprowadz;
    QPushButton* Powrot;

private:
    IKomunikaty& komunikaty_;
    TZmiana zmiana_;
};
