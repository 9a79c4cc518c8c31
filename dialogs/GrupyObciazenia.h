#pragma once
// "Grupy obciażeń": adds one load group, with its name and drawing colour.
// The swatch keeps its last colour between uses.
#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class IKomunikaty;
class TListaGrup;
struct TDaneZadania;

class TGrupyObciazenia : public QDialog {
public:
    // The colour chooser: the colour picked (0x00BBGGRR), nothing when cancelled.
    using TWyborKoloru = std::function<std::optional<int32_t>(int32_t obecny, QWidget* rodzic)>;

    TGrupyObciazenia(TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty, QWidget* rodzic = nullptr);

    // Group `numer` (1-based) with an empty name; the swatch takes `kolor` when given.
    void Przygotuj(int numer, std::optional<int32_t> kolor);
    // Modal over the table; returns at once.
    void Pokaz();
    int32_t Kolor() const { return kolor_; }

    void kolorekClick();
    void WprowadzClick();
    void PowrotClick();

    QLabel* L_Numer;
    QLineEdit* E_Nazwa;
    QPushButton* kolorek;
    QPushButton* Wprowadz;
    QPushButton* Powrot;
    TWyborKoloru CD_Kolorek; // Qt's colour dialog unless replaced

private:
    void UstawKolor(int32_t kolor);

    TDaneZadania& zad_;
    TListaGrup& lista_;
    IKomunikaty& komunikaty_;
    int32_t kolor_ = 0;
};
