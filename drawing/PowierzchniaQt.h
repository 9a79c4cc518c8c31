#pragma once
// The drawing surface over a QPainter: the screen picture (QImage), a printer
// page (QPrinter) or a PDF page (QPdfWriter). Painting begins in the
// constructor and ends with Zakoncz or the destructor; on a printer or PDF
// writer that ends the document.
//
// Lines are the bulk of every picture: consecutive lines with one pen are
// collected and handed to the painter in one batch.
#include "drawing/Powierzchnia.h"

#include <memory>

class QColor;
class QPaintDevice;
class QPainter;

// A colour of the drawing as Qt takes it.
QColor NaQColor(TKolor kolor);

class TPowierzchniaQt final : public IPowierzchnia {
public:
    explicit TPowierzchniaQt(QPaintDevice& urzadzenie);
    ~TPowierzchniaQt() override;
    TPowierzchniaQt(const TPowierzchniaQt&) = delete;
    TPowierzchniaQt& operator=(const TPowierzchniaQt&) = delete;

    // False when the device refused to be painted on (e.g. the printer could not start).
    bool Aktywna() const;
    // Draws what is waiting and ends painting; later calls draw nothing.
    void Zakoncz();
    // On a printer or PDF writer: draws what is waiting on the current page
    // and begins the next one of the same document. False on other devices,
    // after Zakoncz, or when the device refuses.
    bool NowaStrona();
    // The painter itself, what is waiting drawn first: for what is typeset
    // rather than drawn on the same pages (the report's tables).
    QPainter& Malarz();

    void UstawPioro(const TPioro& pioro) override;
    TPioro Pioro() const override;
    void Linia(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void Prostokat(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::optional<TKolor> wypelnienie) override;
    void Napis(int32_t x, int32_t y, const std::string& tekst, const TStylNapisu& styl) override;
    int32_t SzerokoscNapisu(const std::string& tekst, const TStylNapisu& styl) override;
    void ProstokatXor(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    TRozmiarPowierzchni Rozmiar() const override;

private:
    struct TDane;
    std::unique_ptr<TDane> D;

    void Oproznij();
};
