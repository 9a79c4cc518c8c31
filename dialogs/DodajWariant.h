#pragma once
// "Dodaj wariant obciążenia": adds one load combination with its name.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class IKomunikaty;
struct TDaneZadania;

class TDodajWariant : public QDialog {
public:
    TDodajWariant(TDaneZadania& zad, IKomunikaty& komunikaty, QWidget* rodzic = nullptr);

    // Combination `numer` (1-based) with an empty name.
    void Przygotuj(int numer);
    // Modal over the table; returns at once.
    void Pokaz();

    void WprowadzClick();
    void PowrotClick();

    QLabel* L_Numer;
    QLineEdit* E_Nazwa;
    QPushButton* Wprowadz;
    QPushButton* Powrot;

private:
    TDaneZadania& zad_;
    IKomunikaty& komunikaty_;
};
