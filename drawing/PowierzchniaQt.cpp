#include "drawing/PowierzchniaQt.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
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

} // namespace

struct TPowierzchniaQt::TDane {
    QPaintDevice& Urzadzenie;
    QPainter Painter;
    TPioro Biezace;
    TPioro PioroBuforu;
    std::vector<QLine> Bufor;
    bool Aktywna = false;

    explicit TDane(QPaintDevice& u) : Urzadzenie(u) {}
};

TPowierzchniaQt::TPowierzchniaQt(QPaintDevice& urzadzenie) : D(std::make_unique<TDane>(urzadzenie))
{
    D->Aktywna = D->Painter.begin(&urzadzenie);
    if (D->Aktywna) {
        D->Painter.setRenderHint(QPainter::Antialiasing, false);
        D->Painter.setBackgroundMode(Qt::TransparentMode);
        D->Painter.setPen(NaQPen(D->Biezace));
    }
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
    return {D->Urzadzenie.width(), D->Urzadzenie.height()};
}
