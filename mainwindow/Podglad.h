#pragma once
// The paint box of the sheet view: it shows the top-left corner of the sheet
// picture, pixel for pixel in device pixels, and over it the zoom window's
// dotted rectangle. Between the two lies a transparent layer of its own for
// what is drawn over the sheets for a while (the load previews of the load
// dialogs); clearing it leaves exactly the picture. Its paint event only
// copies; the picture is drawn elsewhere. Mouse events and a change of size
// go to the main window's handlers.
#include "drawing/Powierzchnia.h"

#include <QImage>
#include <QWidget>

#include <optional>

class TPodglad : public QWidget {
    Q_OBJECT
public:
    explicit TPodglad(QWidget* rodzic = nullptr);

    void UstawObraz(const QImage* obraz);
    // The zoom window's rectangle between two corners in device pixels; nothing hides it.
    void UstawRamke(std::optional<QRect> ramka);
    std::optional<QRect> Ramka() const { return ramka_; }

    // The layer over the picture, as large as the paint box in device pixels;
    // the caller draws on it and calls update().
    QImage& Nakladka();
    void WyczyscNakladke();

    // Device pixels per pixel of the widget, and the widget's size in device pixels.
    double Skala() const;
    TRozmiarPowierzchni RozmiarUrzadzenia() const;
    // The device pixel under a mouse position (truncated toward zero).
    QPoint Piksel(const QPointF& polozenie) const;

signals:
    void MouseDown(QMouseEvent* zdarzenie);
    void MouseMove(QMouseEvent* zdarzenie);
    void MouseUp(QMouseEvent* zdarzenie);
    // The paint box has a new size: the picture must be drawn for it.
    void Resize();

protected:
    void paintEvent(QPaintEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseMoveEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    const QImage* obraz_ = nullptr;
    std::optional<QRect> ramka_;
    QImage nakladka_;
};
