#include "app/RaportPdf.h"

#include "app/TabeleRaportu.h"
#include "drawing/Arkusze.h"
#include "drawing/PowierzchniaQt.h"
#include "drawing/WydrukPdf.h"
#include "platform/PlikWyjscia.h"
#include "platform/TekstQt.h"
#include "platform/TekstyLiczb.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <optional>

const char* const KrojRaportu = "DejaVu Sans";

namespace {

// Page geometry in PDF pixels (300 dpi) from the top left corner of the
// printable area the sheets fill.
constexpr int MilimetrPx = DpiPdf * 10 / 254;

QString Html(const std::string& tekst)
{
    return ZUtf8(tekst).toHtmlEscaped();
}

// Numbers and dashes stand right in their cells, texts left.
bool Liczba(const std::string& tekst, char separator)
{
    double v = 0;
    return tekst == "—" || CzytajLiczbe(tekst, separator, v);
}

QString HtmlRaportu(const std::vector<TSekcjaRaportu>& sekcje, char separator)
{
    QString h = QStringLiteral("<html><body>");
    bool pierwsza = true;
    for (const TSekcjaRaportu& s : sekcje) {
        h += (pierwsza ? QStringLiteral("<h1>") : QStringLiteral("<h2>")) + Html(s.Tytul) +
             (pierwsza ? QStringLiteral("</h1>") : QStringLiteral("</h2>"));
        pierwsza = false;
        for (const std::string& a : s.Akapity)
            h += QStringLiteral("<p>") + Html(a) + QStringLiteral("</p>");
        for (const TTabelaRaportu& t : s.Tabele) {
            // The title a row of the table's head: it goes with the table onto every page the table runs over.
            h += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                "style=\"border-collapse: collapse; border-color: #808080\"><thead>");
            if (!t.Tytul.empty())
                h += QStringLiteral("<tr><th colspan=\"%1\" align=\"left\" style=\"border-style: none; "
                                    "font-size: 10pt; padding-top: 8px\">")
                         .arg(t.Kolumny.size()) +
                     Html(t.Tytul) + QStringLiteral("</th></tr>");
            h += QStringLiteral("<tr>");
            for (const std::string& k : t.Kolumny)
                h += QStringLiteral("<th bgcolor=\"#e8e8e8\">") + Html(k) + QStringLiteral("</th>");
            h += QStringLiteral("</tr></thead>");
            for (const auto& w : t.Wiersze) {
                h += QStringLiteral("<tr>");
                // The first column names the row: a span, a support, a load.
                for (size_t i = 0; i < w.size(); ++i)
                    h += (i > 0 && Liczba(w[i], separator) ? QStringLiteral("<td align=\"right\">")
                                                           : QStringLiteral("<td>")) +
                         Html(w[i]) + QStringLiteral("</td>");
                h += QStringLiteral("</tr>");
            }
            h += QStringLiteral("</table>");
            for (const std::string& u : t.Uwagi)
                h += QStringLiteral("<p style=\"font-size: 7pt\">") + Html(u) + QStringLiteral("</p>");
        }
    }
    return h + QStringLiteral("</body></html>");
}

QFont Kroj(double punkty)
{
    QFont f(QString::fromLatin1(KrojRaportu));
    f.setPointSizeF(punkty);
    return f;
}

// The header in the paper's top margin, above the printable area: the task
// and the report on the left, "strona k z n" on the right, a rule under them.
void Naglowek(QPainter& p, int szerokosc, const QString& lewy, int strona, int strony)
{
    p.save();
    p.resetTransform();
    p.setFont(Kroj(7.5));
    p.setPen(QColor(64, 64, 64));
    const QRect pas(0, -5 * MilimetrPx, szerokosc, 4 * MilimetrPx);
    p.drawText(pas, Qt::AlignLeft | Qt::AlignVCenter, lewy);
    p.drawText(pas, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("strona %1 z %2").arg(strona).arg(strony));
    p.drawLine(0, -MilimetrPx, szerokosc, -MilimetrPx);
    p.restore();
}

// The sheets after the tables: every page begins a new one of the same
// document and gets the report's header instead of the sheets' own footer.
class TWydrukRaportu : public IWydruk {
public:
    TWydrukRaportu(TPowierzchniaQt& powierzchnia, const TDaneZadania& zadanie, int szerokosc, QString naglowek,
                   int poprzednie, int strony)
        : strona_{powierzchnia, DpiPdf, DpiPdf}
        , powierzchnia_(powierzchnia)
        , zadanie_(zadanie)
        , szerokosc_(szerokosc)
        , naglowek_(std::move(naglowek))
        , poprzednie_(poprzednie)
        , strony_(strony)
    {
    }
    const TStronaDruku* Strona(int32_t) override
    {
        if (!powierzchnia_.NowaStrona())
            return nullptr;
        return &strona_;
    }
    void KoniecStrony(int32_t strona) override
    {
        // The sheets' own footer is left out: it counts their pages alone. The header names the sheet instead.
        Naglowek(powierzchnia_.Malarz(), szerokosc_,
                 naglowek_ + QStringLiteral("  |  ") + ZUtf8(NazwaArkusza(zadanie_, strona)), poprzednie_ + strona + 1,
                 strony_);
    }
    bool Stopki() const override { return false; }

private:
    TStronaDruku strona_;
    TPowierzchniaQt& powierzchnia_;
    const TDaneZadania& zadanie_;
    int szerokosc_;
    QString naglowek_;
    int poprzednie_;
    int strony_;
};

std::optional<QString> PiszRaport(TKompozycja& k, const TMetryczkaRaportu& m, QIODevice& plik)
{
    QPdfWriter pdf(&plik);
    pdf.setResolution(DpiPdf);
    pdf.setCreator(QStringLiteral("QUARVI"));
    pdf.setTitle(QStringLiteral("Raport obliczeń — ") + ZUtf8(m.Plik));
    pdf.setPageLayout(UkladStronyPdf());
    const QRect obszar = UkladStronyPdf().paintRectPixels(DpiPdf);

    // The tables run in the printable area less 12 mm at the sides and 4 mm at the top and bottom.
    QTextDocument dokument;
    dokument.documentLayout()->setPaintDevice(&pdf);
    dokument.setDefaultFont(Kroj(9));
    dokument.setDocumentMargin(0);
    const QSizeF strona(obszar.width() - 24 * MilimetrPx, obszar.height() - 8 * MilimetrPx);
    dokument.setPageSize(strona);
    dokument.setHtml(HtmlRaportu(SekcjeRaportu(k.Zadanie, k.Wyniki, m, k.Separator), k.Separator));
    const int tabele = dokument.pageCount();
    const int strony = tabele + IloscStronWydruku(k.Zadanie);
    const QString naglowek = QStringLiteral("QUARVI — raport obliczeń statycznych: ") + ZUtf8(m.Plik);

    TPowierzchniaQt powierzchnia(pdf);
    if (!powierzchnia.Aktywna())
        return QStringLiteral("nie udało się zacząć dokumentu PDF");
    for (int i = 0; i < tabele; ++i) {
        if (i > 0 && !powierzchnia.NowaStrona())
            return QStringLiteral("nie wszystkie strony zostały zapisane");
        QPainter& p = powierzchnia.Malarz();
        p.save();
        p.translate(12 * MilimetrPx, 4 * MilimetrPx - i * strona.height());
        dokument.drawContents(&p, QRectF(0, i * strona.height(), strona.width(), strona.height()));
        p.restore();
        Naglowek(p, obszar.width(), naglowek, i + 1, strony);
    }
    int32_t arkusze = 0;
    {
        // The sheets laid out for the page as --pdf lays them, until they are printed.
        const TPdfJakoDrukarka naPdf(k);
        TWydrukRaportu wydruk(powierzchnia, k.Zadanie, obszar.width(), naglowek, tabele, strony);
        arkusze = Drukuj(k, wydruk);
        powierzchnia.Zakoncz();
    }
    if (tabele + arkusze < strony)
        return QStringLiteral("nie wszystkie strony zostały zapisane");
    return std::nullopt;
}

} // namespace

bool ZapiszRaport(TKompozycja& k, const TMetryczkaRaportu& metryczka, const std::string& plik, std::string& blad)
{
    QString powod;
    if (ZapiszDoPliku(
            ZUtf8(plik), [&](QIODevice& urzadzenie) { return PiszRaport(k, metryczka, urzadzenie); }, powod))
        return true;
    blad = "Nie można zapisać pliku " + plik + ": " + powod.toStdString() + ".";
    return false;
}
