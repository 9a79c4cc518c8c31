#pragma once
// The string grids of the dialogs: a QTableWidget whose row 0 and column 0
// are the fixed headings, drawn as headings and not editable, so that cell
// (column c, row j) is item(j, c) exactly as the dialogs number it.
#include <QString>

class QTableWidget;
class QWidget;

namespace Siatka {

QTableWidget* Nowa(QWidget* rodzic, const char* nazwa);
// A heading cell of row 0 or column 0.
void UstawStala(QTableWidget* s, int kolumna, int wiersz, const QString& tekst);
QString Tekst(const QTableWidget* s, int kolumna, int wiersz);
// An editable cell; one that has no item yet gets one.
void UstawTekst(QTableWidget* s, int kolumna, int wiersz, const QString& tekst);
// Gives every column of 1 … the same width and the grid the size of its cells.
void Dopasuj(QTableWidget* s, int szerokoscStalej, int szerokoscKolumny);

} // namespace Siatka
