#pragma once
// Creating the named controls every dialog is built of.
#include <QString>

class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Kontrolki {

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst);
QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst);
// An edit wide enough for `wzor`.
QLineEdit* Edycja(QWidget* rodzic, const char* nazwa, const QString& tekst, const QString& wzor);

// Puts the dialog's fields and, right-aligned under them, its two buttons
// in place, the dialog fixed at the size they need.
void UlozZPrzyciskami(QDialog& dialog, QGridLayout* pola, QPushButton* wprowadz, QPushButton* powrot);

// How the program shows its dialogs: modal to the whole program, as exec()
// would show them, but returning at once; the closing comes as finished().
// Not open(): a dialog modal to its window alone loses the keyboard to that
// window when the user clicks it (it then takes no input, and nothing does).
void PokazModalnie(QDialog& dialog);

} // namespace Kontrolki
