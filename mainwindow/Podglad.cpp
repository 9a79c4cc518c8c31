#include "mainwindow/Podglad.h"

#include "drawing/PowierzchniaQt.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

TPodglad::TPodglad(QWidget* rodzic) : QWidget(rodzic)
{
    setObjectName(QStringLiteral("Podglad"));
    // The read-out follows the mouse without a button held.
    setMouseTracking(true);
    // Every pixel is painted from the picture: no background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 90);
}

void TPodglad::UstawObraz(const QImage* obraz)
{
    obraz_ = obraz;
    update();
}

void TPodglad::UstawRamke(std::optional<QRect> ramka)
{
    ramka_ = ramka;
    update();
}

QImage& TPodglad::Nakladka()
{
    const TRozmiarPowierzchni r = RozmiarUrzadzenia();
    if (nakladka_.width() != r.Szerokosc || nakladka_.height() != r.Wysokosc) {
        nakladka_ = QImage(std::max(r.Szerokosc, 1), std::max(r.Wysokosc, 1), QImage::Format_ARGB32_Premultiplied);
        nakladka_.fill(Qt::transparent);
    }
    return nakladka_;
}

void TPodglad::WyczyscNakladke()
{
    if (!nakladka_.isNull())
        nakladka_.fill(Qt::transparent);
    update();
}

double TPodglad::Skala() const
{
    return devicePixelRatioF();
}

TRozmiarPowierzchni TPodglad::RozmiarUrzadzenia() const
{
    const double s = Skala();
    return {int32_t(std::ceil(width() * s)), int32_t(std::ceil(height() * s))};
}

QPoint TPodglad::Piksel(const QPointF& polozenie) const
{
    const double s = Skala();
    return {int(polozenie.x() * s), int(polozenie.y() * s)};
}

void TPodglad::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double s = Skala();
    const TRozmiarPowierzchni r = RozmiarUrzadzenia();
    if (!obraz_ || obraz_->isNull()) {
        p.fillRect(rect(), NaQColor(Kolor::JasnySzary));
        return;
    }
    // Device pixel for device pixel; a box larger than the picture shows grey beyond it.
    p.drawImage(QRectF(0, 0, r.Szerokosc / s, r.Wysokosc / s), *obraz_, QRectF(0, 0, r.Szerokosc, r.Wysokosc));
    if (!nakladka_.isNull())
        p.drawImage(QRectF(0, 0, nakladka_.width() / s, nakladka_.height() / s), nakladka_);
    if (ramka_) {
        const QRectF w = QRectF(QPointF(ramka_->topLeft()) / s, QPointF(ramka_->bottomRight()) / s).normalized();
        // Dots on a light trace: visible on the white sheet and on the grey desk alike.
        p.setPen(QPen(QColor(255, 255, 255, 200), 0));
        p.drawRect(w);
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.drawRect(w);
    }
}

void TPodglad::mousePressEvent(QMouseEvent* zdarzenie)
{
    emit MouseDown(zdarzenie);
}

void TPodglad::mouseMoveEvent(QMouseEvent* zdarzenie)
{
    emit MouseMove(zdarzenie);
}

void TPodglad::mouseReleaseEvent(QMouseEvent* zdarzenie)
{
    emit MouseUp(zdarzenie);
}

void TPodglad::resizeEvent(QResizeEvent* zdarzenie)
{
    QWidget::resizeEvent(zdarzenie);
    emit Resize();
}
