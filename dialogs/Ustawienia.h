#pragma once
// "Ustawienia": how the sheets are drawn. Most values go to the task's
// settings when the dialog is left; the horizontal scale at once; the five
// "show" check boxes stay here and the composition reads them (Pokazuj).
#include <QDialog>
#include <QVariantMap>

#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class IKomunikaty;
struct TDaneZadania;
struct TPokazuj;
struct TPolaUstawien;

class TUstawienia : public QDialog {
public:
    TUstawienia(TDaneZadania& zad, IKomunikaty& komunikaty, char separator, QWidget* rodzic = nullptr);

    // Opening: the twelve position and height edits from the task; the rest keeps its state.
    void Przygotuj();
    // Shown modally; returns at once, the closing comes as finished().
    void Pokaz();

    TPokazuj Pokazuj() const;
    // The force scale the controls choose; nothing when its length is no number.
    std::optional<float> SkalaSil() const;

    void CB_SkalaXChange();
    void SB_WspGrubosciChange();
    void RB_ArkuszDrukClick();
    void RB_ArkuszUserClick();
    void PowrotClick();
    // Every field as the program starts without remembered settings, the
    // positions as a new task has them; Powrót takes them over.
    void DomyslneClick();
    // The fields into the task without closing; the message of a refused value, else empty.
    std::string Zastosuj();

    QComboBox* CB_SkalaX;
    QCheckBox* CB_kratka;
    QCheckBox* CB_SISchem;
    QCheckBox* CB_Kombinacje;
    QCheckBox* CB_RozbijSilyGrupy;
    QScrollBar* SB_WspGrubosci;
    QLabel* L_GWspGR;
    QRadioButton* RB_ArkuszDruk;
    QRadioButton* RB_ArkuszUser;
    QLabel* L_Arkusz;
    QCheckBox* CB_SchematStatyczny;
    QCheckBox* CB_Reakcje;
    QCheckBox* CB_SilyPoprzeczne;
    QCheckBox* CB_Momenty;
    QCheckBox* CB_SchemPretow;
    QCheckBox* CB_Ugiecia;
    QRadioButton* RB_SilySchem_AUTO;
    QRadioButton* RB_SilySchem_MAX;
    QRadioButton* RB_SilySchem_100kN;
    QPushButton* Powrot;
    QPushButton* Domyslne;
    // The eighteen edits, indexed by PoleUstawien (dialogs/Zatwierdzanie.h).
    std::array<QLineEdit*, 22> Edycje{};

private:
    TPolaUstawien Pola() const;
    void WlaczRozmiarArkusza();

    TDaneZadania& zad_;
    IKomunikaty& komunikaty_;
    char separator_;
    QVariantMap domyslne_;
};
