#include "platform/RegionalneQt.h"

#include <QLocale>

TRegionalne RegionalneSystemu()
{
    const QLocale locale = QLocale::system();
    TRegionalne r;
    const QString sep = locale.decimalPoint();
    // A multi-character or non-Latin-1 separator cannot go into an 8-bit file.
    r.SeparatorDziesietny = (sep.size() == 1 && sep.at(0).unicode() < 0x80) ? char(sep.at(0).unicode()) : '.';
    r.FormatDaty = locale.dateFormat(QLocale::ShortFormat).toStdString();
    // The long format may carry the time zone ("t"); the file wants hours, minutes and seconds only.
    QString czas = locale.timeFormat(QLocale::LongFormat);
    czas.remove(QLatin1Char('t'));
    r.FormatCzasu = czas.trimmed().toStdString();
    return r;
}
