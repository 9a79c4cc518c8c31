#pragma once
// Creating the named controls every dialog is built of.
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace Kontrolki {

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst);
QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst);
// An edit wide enough for `wzor`.
QLineEdit* Edycja(QWidget* rodzic, const char* nazwa, const QString& tekst, const QString& wzor);

} // namespace Kontrolki
