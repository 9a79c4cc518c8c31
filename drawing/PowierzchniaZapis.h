#pragma once
// A surface that only records what is drawn on it, for tests.
#include "drawing/Powierzchnia.h"

#include <vector>

struct TOperacja {
    enum class Rodzaj { Pioro, Linia, Prostokat, Napis, ProstokatXor };
    Rodzaj Co = Rodzaj::Linia;
    TPioro Pioro;           // in force when the operation ran (the new one for Rodzaj::Pioro)
    int32_t X1 = 0, Y1 = 0; // line ends, rectangle corners, text cell corner
    int32_t X2 = 0, Y2 = 0;
    std::optional<TKolor> Wypelnienie = BezWypelnienia; // of a rectangle, or a text's background
    std::string Tekst{};
    std::string KrojPisma{};
    int32_t Wysokosc = 0; // text height
    TKolor KolorTekstu{};
};

class TPowierzchniaZapis final : public IPowierzchnia {
public:
    explicit TPowierzchniaZapis(int32_t szerokosc = 1000, int32_t wysokosc = 800);

    std::vector<TOperacja> Operacje;
    // Text widths are the number of characters times this share of the height.
    double SzerokoscZnaku = 0.5;

    std::vector<TOperacja> Linie() const;
    std::vector<TOperacja> Rodzaju(TOperacja::Rodzaj co) const;
    void Wyczysc() { Operacje.clear(); }

    void UstawPioro(const TPioro& pioro) override;
    TPioro Pioro() const override { return Biezace; }
    void Linia(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Prostokat(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::optional<TKolor> wypelnienie) override;
    void Napis(int32_t x, int32_t y, const std::string& tekst, const TStylNapisu& styl) override;
    int32_t SzerokoscNapisu(const std::string& tekst, const TStylNapisu& styl) override;
    void ProstokatXor(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    TRozmiarPowierzchni Rozmiar() const override { return RozmiarP; }

private:
    TPioro Biezace;
    TRozmiarPowierzchni RozmiarP;
};
