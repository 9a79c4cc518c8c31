#include "platform/Drukarka.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

std::optional<TInformacjaDrukarki> ZapytajDrukarke()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter drukarka(info, QPrinter::HighResolution);
    if (!drukarka.isValid())
        return std::nullopt;
    drukarka.setPageOrientation(QPageLayout::Portrait);
    const QRect strona = drukarka.pageLayout().paintRectPixels(drukarka.resolution());
    TInformacjaDrukarki wynik;
    wynik.DpiX = drukarka.logicalDpiX();
    wynik.DpiY = drukarka.logicalDpiY();
    wynik.SzerokoscStrony = strona.width();
    wynik.WysokoscStrony = strona.height();
    return wynik;
}
