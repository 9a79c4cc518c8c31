#pragma once
// "Geometria": the number of spans, their lengths and the hinges of the two
// extreme supports. The hinge check boxes and the length row keep what was
// typed between uses and across new tasks; reading a file, or an undo or a
// redo, rewrites them (an undo back to the task with no beam clears them).
#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;
class IKomunikaty;
struct TDaneZadania;
struct TWidok;
struct TWidokiZPliku;
struct TWyniki;

class TGeometria : public QDialog {
public:
    TGeometria(TDaneZadania& zad, TWyniki& wyn, const TWidok& widok, IKomunikaty& komunikaty, char separator,
               QWidget* rodzic = nullptr);

    // Shown modally; returns at once, the closing comes as finished().
    void Pokaz();
    // Sets the span count control and rebuilds the grid, also when the count stays.
    void UstawIloscPrzesel(int n);
    int IloscPrzesel() const;
    // What reading a file writes here: the span count, the lengths, the hinges.
    void WpiszZPliku(const TWidokiZPliku& widoki);

    // The grid's rows: 1 the lengths (m), then J (cm⁴) and E (GPa).
    static constexpr int WierszJ = 2;
    static constexpr int WierszE = 3;

    void SBPrzeslaChange();
    // The panels write E (GPa) or J (cm⁴) into the grid: into the span of the
    // grid's current column, or every span with CB_Wszystkie.
    void WstawMaterialClick();
    void WstawModulClick();
    void WstawProstokatClick();
    void WstawMomentClick();
    void WstawProfilClick();
    void WprowadzClick();
    void RezygnujClick();

    QScrollBar* SBPrzesla;
    QLabel* LIlosc;
    QTableWidget* SGRozpietosci;
    QLineEdit* EDomyslnaRozp;
    QCheckBox* CB_LewaPrzegub;
    QCheckBox* CB_PrawaPrzegub;
    QComboBox* ComboBeton;
    QPushButton* WstawMaterial;
    QLineEdit* E_Modul;
    QComboBox* CB_Jednostki;
    QPushButton* WstawModul;
    QLineEdit* E_B;
    QLineEdit* E_H;
    QPushButton* WstawProstokat;
    QLineEdit* E_Moment;
    QComboBox* CB_J_jednostki;
    QPushButton* WstawMoment;
    QComboBox* CB_Profil;
    QPushButton* WstawProfil;
    QCheckBox* CB_Wszystkie;
    QPushButton* Wprowadz;
    QPushButton* Rezygnuj;

private:
    // The E and J cells of the task's spans, as the task holds them now.
    void WpiszSztywnosci();
    // Writes the text into row `wiersz` of the chosen spans; false (with the message) when none is chosen.
    bool Wstaw(int wiersz, const QString& tekst);
    // The number typed into an edit, either separator; the message when it is none.
    std::optional<double> Liczba(const QLineEdit* edycja);

    TDaneZadania& zad_;
    TWyniki& wyn_;
    const TWidok& widok_;
    IKomunikaty& komunikaty_;
    char separator_;
};
