#pragma once
// Creating the named controls every dialog is built of.
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Kontrolki {

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst);
QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst);
// An edit wide enough for `wzor`.
QLineEdit* Edycja(QWidget* rodzic, const char* nazwa, const QString& tekst, const QString& wzor);

// How the program shows its dialogs: modal to the whole program, as exec()
// would show them, but returning at once; the closing comes as finished().
// Not open(): a dialog modal to its window alone loses the keyboard to that
// window when the user clicks it (it then takes no input, and nothing does).
void PokazModalnie(QDialog& dialog);

} // namespace Kontrolki
