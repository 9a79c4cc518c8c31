#include "drawing/PowierzchniaQt.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>

#include <algorithm>
#include <vector>

QColor NaQColor(TKolor kolor)
{
    return QColor(kolor.Czerwona(), kolor.Zielona(), kolor.Niebieska());
}

namespace {

QPen NaQPen(const TPioro& p)
{
    QPen pen(NaQColor(p.Kolor));
    pen.setWidth(std::max<int32_t>(p.Grubosc, 0));
    // Wide pens as the strokes of a plotter: text strokes and symbols meet without notches.
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Rows and columns x1 … x2 − 1; a stroked QRect covers one pixel more than its size.
QRect Obszar(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return QRect(x1, y1, std::max(x2 - x1 - 1, 0), std::max(y2 - y1 - 1, 0));
}

QFont Czcionka(const std::string& kroj, int32_t wysokosc)
{
    QFont f;
    if (!kroj.empty())
        f.setFamily(QString::fromStdString(kroj));
    f.setPixelSize(std::max<int32_t>(wysokosc, 1));
    return f;
}

// The pixels of a 32-bit picture, written directly where the painter would
// write exactly the same ones: a line of the thinnest pen that is one pixel,
// runs along a row or a column, or joins two diagonal neighbours covers its
// two ends and every pixel between them, as far as it lies in the picture.
// Most strokes of small text are such, and the painter takes far longer to
// set up each line than to draw it.
class TPiksele {
public:
    // Nothing to write to unless `u` is such a picture, one pixel a pixel.
    explicit TPiksele(QPaintDevice& u)
    {
        auto* obraz = dynamic_cast<QImage*>(&u);
        if (!obraz ||
            (obraz->format() != QImage::Format_RGB32 && obraz->format() != QImage::Format_ARGB32 &&
             obraz->format() != QImage::Format_ARGB32_Premultiplied) ||
            obraz->devicePixelRatio() != 1.0)
            return;
        obraz_ = obraz;
    }
    // After the painter began: the memory it paints into.
    void Zacznij()
    {
        if (!obraz_)
            return;
        bity_ = obraz_->bits();
        wiersz_ = obraz_->bytesPerLine();
        W_ = obraz_->width();
        H_ = obraz_->height();
    }
    // False when the painter must draw the line.
    bool Linia(const TPioro& pioro, int32_t x1, int32_t y1, int32_t x2, int32_t y2) const
    {
        if (!bity_ || pioro.Grubosc > 0)
            return false;
        const int64_t dx = int64_t(x2) - x1, dy = int64_t(y2) - y1;
        const QRgb kolor = qRgb(pioro.Kolor.Czerwona(), pioro.Kolor.Zielona(), pioro.Kolor.Niebieska());
        if (dy == 0) {
            if (y1 < 0 || y1 >= H_)
                return true;
            const int32_t od = std::max(std::min(x1, x2), 0), do_ = std::min(std::max(x1, x2), W_ - 1);
            QRgb* w = reinterpret_cast<QRgb*>(bity_ + qsizetype(y1) * wiersz_);
            for (int32_t x = od; x <= do_; ++x)
                w[x] = kolor;
            return true;
        }
        if (dx == 0) {
            if (x1 < 0 || x1 >= W_)
                return true;
            const int32_t od = std::max(std::min(y1, y2), 0), do_ = std::min(std::max(y1, y2), H_ - 1);
            for (int32_t y = od; y <= do_; ++y)
                reinterpret_cast<QRgb*>(bity_ + qsizetype(y) * wiersz_)[x1] = kolor;
            return true;
        }
        if ((dx == 1 || dx == -1) && (dy == 1 || dy == -1)) {
            Piksel(x1, y1, kolor);
            Piksel(x2, y2, kolor);
            return true;
        }
        return false;
    }

private:
    void Piksel(int32_t x, int32_t y, QRgb kolor) const
    {
        if (x >= 0 && x < W_ && y >= 0 && y < H_)
            reinterpret_cast<QRgb*>(bity_ + qsizetype(y) * wiersz_)[x] = kolor;
    }

    QImage* obraz_ = nullptr;
    uchar* bity_ = nullptr;
    qsizetype wiersz_ = 0;
    int32_t W_ = 0, H_ = 0;
};

} // namespace

struct TPowierzchniaQt::TDane {
    QPaintDevice& Urzadzenie;
    QPainter Painter;
    TPiksele Piksele;
    TPioro Biezace;
    TPioro PioroBuforu;
    std::vector<QLine> Bufor;
    bool Aktywna = false;
    // Asked once: every line asks for it.
    TRozmiarPowierzchni Rozmiar;

    explicit TDane(QPaintDevice& u) : Urzadzenie(u), Piksele(u) {}
};

TPowierzchniaQt::TPowierzchniaQt(QPaintDevice& urzadzenie) : D(std::make_unique<TDane>(urzadzenie))
{
    D->Aktywna = D->Painter.begin(&urzadzenie);
    if (D->Aktywna) {
        D->Painter.setRenderHint(QPainter::Antialiasing, false);
        D->Painter.setBackgroundMode(Qt::TransparentMode);
        D->Painter.setPen(NaQPen(D->Biezace));
        D->Piksele.Zacznij();
    }
    D->Rozmiar = {urzadzenie.width(), urzadzenie.height()};
    D->Bufor.reserve(4096);
}

TPowierzchniaQt::~TPowierzchniaQt()
{
    Zakoncz();
}

bool TPowierzchniaQt::Aktywna() const
{
    return D->Aktywna;
}

void TPowierzchniaQt::Zakoncz()
{
    if (!D->Aktywna)
        return;
    Oproznij();
    D->Painter.end();
    D->Aktywna = false;
}

bool TPowierzchniaQt::NowaStrona()
{
    auto* strony = dynamic_cast<QPagedPaintDevice*>(&D->Urzadzenie);
    if (!D->Aktywna || !strony)
        return false;
    // The lines collected so far belong to the page being finished.
    Oproznij();
    return strony->newPage();
}

QPainter& TPowierzchniaQt::Malarz()
{
    Oproznij();
    return D->Painter;
}

void TPowierzchniaQt::Oproznij()
{
    if (D->Bufor.empty())
        return;
    D->Painter.setPen(NaQPen(D->PioroBuforu));
    D->Painter.drawLines(D->Bufor.data(), int(D->Bufor.size()));
    D->Bufor.clear();
}

void TPowierzchniaQt::UstawPioro(const TPioro& pioro)
{
    D->Biezace = pioro;
}

TPioro TPowierzchniaQt::Pioro() const
{
    return D->Biezace;
}

void TPowierzchniaQt::Linia(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (!D->Aktywna)
        return;
    if (!D->Bufor.empty() && !(D->PioroBuforu == D->Biezace))
        Oproznij();
    // Among the lines of one pen the order makes no difference: written now,
    // while the batch waiting has the same pen.
    if (D->Piksele.Linia(D->Biezace, x1, y1, x2, y2))
        return;
    if (D->Bufor.empty())
        D->PioroBuforu = D->Biezace;
    D->Bufor.emplace_back(x1, y1, x2, y2);
}

void TPowierzchniaQt::Prostokat(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::optional<TKolor> wypelnienie)
{
    if (!D->Aktywna)
        return;
    Oproznij();
    D->Painter.setPen(NaQPen(D->Biezace));
    if (!wypelnienie)
        D->Painter.setBrush(Qt::NoBrush);
    else
        D->Painter.setBrush(NaQColor(*wypelnienie));
    D->Painter.drawRect(Obszar(x1, y1, x2, y2));
    D->Painter.setBrush(Qt::NoBrush);
}

void TPowierzchniaQt::Napis(int32_t x, int32_t y, const std::string& tekst, const TStylNapisu& styl)
{
    if (!D->Aktywna)
        return;
    Oproznij();
    const QFont f = Czcionka(styl.KrojPisma, styl.Wysokosc);
    const QString t = QString::fromStdString(tekst);
    D->Painter.setFont(f);
    const QFontMetrics fm(f, &D->Urzadzenie);
    if (styl.Tlo)
        D->Painter.fillRect(x, y, fm.horizontalAdvance(t), fm.height(), NaQColor(*styl.Tlo));
    D->Painter.setPen(NaQColor(styl.Kolor));
    D->Painter.drawText(x, y + fm.ascent(), t);
}

int32_t TPowierzchniaQt::SzerokoscNapisu(const std::string& tekst, const TStylNapisu& styl)
{
    const QFontMetrics fm(Czcionka(styl.KrojPisma, styl.Wysokosc), &D->Urzadzenie);
    return fm.horizontalAdvance(QString::fromStdString(tekst));
}

void TPowierzchniaQt::ProstokatXor(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (!D->Aktywna)
        return;
    Oproznij();
    D->Painter.save();
    D->Painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 0, Qt::DotLine);
    D->Painter.setPen(pen);
    D->Painter.setBrush(Qt::NoBrush);
    D->Painter.drawRect(Obszar(x1, y1, x2, y2));
    D->Painter.restore();
}

TRozmiarPowierzchni TPowierzchniaQt::Rozmiar() const
{
    return D->Rozmiar;
}
