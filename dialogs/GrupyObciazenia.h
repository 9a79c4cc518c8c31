#pragma once
// "Grupy obciażeń": adds one load group, or changes one, with its name,
// drawing colour and kind: not classified, permanent, or variable of a
// category (its ψ shown) acting span by span or as a whole. The swatch keeps
// its last colour between uses.
#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class IKomunikaty;
class TListaGrup;
struct TDaneZadania;
struct TKlasyfikacjaGrupy;

class TGrupyObciazenia : public QDialog {
public:
    // The colour chooser: the colour picked (0x00BBGGRR), nothing when cancelled.
    using TWyborKoloru = std::function<std::optional<int32_t>(int32_t obecny, QWidget* rodzic)>;

    TGrupyObciazenia(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, char separator = ',',
                     QWidget* rodzic = nullptr);

    // Group `numer` (1-based) with an empty name, not classified; the swatch takes `kolor` when given.
    void Przygotuj(int numer, std::optional<int32_t> kolor);
    // Group `numer` (1-based) in use, its name, colour and kind shown to be changed.
    void PrzygotujZmiane(int numer);
    // Modal over the table; returns at once.
    void Pokaz();
    int32_t Kolor() const { return kolor_; }

    void kolorekClick();
    void WprowadzClick();
    void PowrotClick();
    void RodzajGrupyChange();
    // The user chose a category: "po przęsłach" takes its default.
    void KategoriaGrupyChange();

    QLabel* L_Numer;
    QLineEdit* E_Nazwa;
    QPushButton* kolorek;
    QPushButton* Wprowadz;
    QPushButton* Powrot;
    QComboBox* RodzajGrupy;    // "nieklasyfikowane", "stałe", "zmienne"
    QComboBox* KategoriaGrupy; // NazwaKategorii, A … temperatura
    QCheckBox* PoPrzeslach;
    QLabel* L_Psi; // ψ0, ψ1, ψ2 of the category, read only
    TWyborKoloru CD_Kolorek; // Qt's colour dialog unless replaced

private:
    void UstawKolor(int32_t kolor);
    void UstawKlasyfikacje(const TKlasyfikacjaGrupy& k);
    TKlasyfikacjaGrupy Klasyfikacja() const;
    void Dostepnosc();

    TDaneZadania& zad_;
    TListaGrup& lista_;
    IKomunikaty& komunikaty_;
    char separator_;
    int32_t kolor_ = 0;
};
