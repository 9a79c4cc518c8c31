#include "ProgramWynikow.h"

#include "analysis/Rozwiazanie.h"
#include "dialogs/Macierz.h"
#include "dialogs/OdmowyWynikow.h"
#include "platform/Cp1250.h"
#include "platform/TekstyLiczb.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

class Macierz : public OknaWynikow {
protected:
    // Every grid of the window with its columns and rows.
    struct TSiatka {
        const char* Nazwa;
        int Kolumny;
        int Szerokosc;
    };

    // Each grid shows all its cells: rows of `wysokosc`, columns of the given width, no scroll bars.
    static void SprawdzSiatki(const QObject& okno, int n, int wysokosc)
    {
        const TSiatka siatki[] = {{"SG_Mac_A", n + 1, 50}, {"SG_Mac_A1", n + 1, 50}, {"SG_X", 1, 60},
                                  {"SG_P", 1, 60},         {"SG_X2", 1, 60},         {"SG_P2", 1, 60}};
        for (const auto& [nazwa, kolumny, szerokosc] : siatki) {
            SCOPED_TRACE(nazwa);
            const QTableWidget* s = K<QTableWidget>(&okno, nazwa);
            ASSERT_EQ(s->columnCount(), kolumny);
            ASSERT_EQ(s->rowCount(), n + 1);
            for (int k = 0; k < kolumny; ++k)
                EXPECT_EQ(s->columnWidth(k), szerokosc);
            for (int w = 0; w <= n; ++w)
                EXPECT_EQ(s->rowHeight(w), wysokosc);
            EXPECT_GE(s->viewport()->width(), kolumny * szerokosc);
            EXPECT_GE(s->viewport()->height(), (n + 1) * wysokosc);
            EXPECT_LT(s->width(), kolumny * szerokosc + 8) << "sized to its cells";
            EXPECT_EQ(s->horizontalScrollBar()->maximum(), 0);
            EXPECT_EQ(s->verticalScrollBar()->maximum(), 0);
        }
    }

    // Left to right, each right of the one before and overlapping it vertically.
    static void SprawdzKolejnosc(const QObject& okno, std::initializer_list<const char*> nazwy)
    {
        const QWidget* poprzedni = nullptr;
        for (const char* nazwa : nazwy) {
            const QWidget* w = K<QWidget>(&okno, nazwa);
            if (poprzedni) {
                EXPECT_GE(w->x(), poprzedni->x() + poprzedni->width()) << nazwa;
                EXPECT_LT(w->y(), poprzedni->y() + poprzedni->height()) << nazwa;
                EXPECT_GT(w->y() + w->height(), poprzedni->y()) << nazwa;
            }
            poprzedni = w;
        }
    }

    std::string Opis(const TMacierz& okno) { return K<QLabel>(&okno, "L_Opis")->text().toStdString(); }
};

// Fixed-end moments of a uniform load on a span clamped at both ends: ∓qL²/12.
double Utwierdzenie(double q, double L)
{
    return q * L * L / 12;
}

} // namespace

TEST_F(Macierz, TwoSpansGiveOneUnknownWhoseInverseIsOneOverK)
{
    UstawGeometrie(zad, {6, 6}, false, false);
    DodajLiniowe(zad, 0, 0, 6, 10);
    Przelicz();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz(false));
    SprawdzSiatki(okno, 1, 20);
    // K = 4EJ/L + 4EJ/L, Q = −qL²/12 of the loaded span's right end, x = Q/K.
    const double K11 = 8.0 / 6, Q = -Utwierdzenie(10, 6);
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 0, 0), "nr w\\k");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 1, 0), "1");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 0, 1), "1");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 1, 1), "1,333");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A1", 1, 1), "0,750") << 1 / K11;
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A1", 0, 0), "nr w\\k");
    for (const char* s : {"SG_P", "SG_P2"})
        EXPECT_EQ(Komorka(&okno, s, 0, 1), "-30,000") << s << Q;
    for (const char* s : {"SG_X", "SG_X2"})
        EXPECT_EQ(Komorka(&okno, s, 0, 1), "-22,500") << s << Q / K11;
    EXPECT_EQ(Opis(okno), "1.. " + Cp1250NaUtf8(zad.Kombinacje[0].Nazwa));
    EXPECT_TRUE(kom.Komunikaty.empty());
}

TEST_F(Macierz, TwelveSpansGiveElevenUnknownsInRowsOfEighteenPixels)
{
    UstawGeometrie(zad, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, true, true);
    DodajSile(zad, 5, 1, 10);
    Przelicz();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz(false));
    SprawdzSiatki(okno, 11, 18);
    // 4EJ/L from each side on the diagonal, 3EJ/L from a span hinged at its far end, 2EJ/L beside it.
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 1, 1), "2,333");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 2, 2), "2,667");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 3, 2), "0,667");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 4, 2), "0,000");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 11, 0), "11");
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 0, 11), "11");
    // The two equations, each in its order and the second below the first.
    SprawdzKolejnosc(okno, {"SG_Mac_A", "SG_X", "StaticRowne", "SG_P"});
    SprawdzKolejnosc(okno, {"SG_X2", "StaticRowne2", "SG_Mac_A1", "SG_P2"});
    const QWidget* K1 = K<QWidget>(&okno, "SG_Mac_A");
    EXPECT_GT(K<QWidget>(&okno, "SG_Mac_A1")->y(), K1->y() + K1->height());
}

TEST_F(Macierz, TheLastCombinationShowsItsOwnLoadVectorWithTheSameMatrixAndLeavesTheResultsAlone)
{
    // Three clamped spans of 4 m; group 0 loads the middle span, group 1 the first.
    UstawGeometrie(zad, {4, 4, 4}, false, false);
    DodajGrupe(zad, "Wiatr", 0);
    DodajLiniowe(zad, 1, 0, 4, 6, 0);
    DodajLiniowe(zad, 0, 0, 4, 3, 1);
    Kombinacja(nullptr, {1, 0});
    Kombinacja("Druga", {1, 1});
    Kombinacja("Ostatnia", {0.5, 2});
    Przelicz();
    const TWyniki przed = wyn;

    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz(false));
    QScrollBar* sb = K<QScrollBar>(&okno, "SB_Wariant");
    EXPECT_EQ(sb->minimum(), 1);
    EXPECT_EQ(sb->maximum(), 3);
    // Q_i = −(fixed-end moment of span i on the right) − (of span i+1 on the left).
    const auto q = [](double lewe, double prawe) { return -Utwierdzenie(lewe, 4) + Utwierdzenie(prawe, 4); };
    const struct {
        int polozenie;
        std::string opis;
        double Q1, Q2;
        const char* X1;
    } przypadki[] = {
        {3, "2.. Ostatnia", q(6, 3), q(3, 0), "-1,600"}, // [2 ½; ½ 2]·x = (−4, −4)
        {1, "0.. " + Cp1250NaUtf8(zad.Kombinacje[0].Nazwa), q(0, 6), q(6, 0), "5,333"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        sb->setValue(p.polozenie);
        EXPECT_EQ(Opis(okno), p.opis);
        EXPECT_EQ(Komorka(&okno, "SG_P", 0, 1), FormatujMaska(p.Q1, Maska::Uklad, ','));
        EXPECT_EQ(Komorka(&okno, "SG_P", 0, 2), FormatujMaska(p.Q2, Maska::Uklad, ','));
        EXPECT_EQ(Komorka(&okno, "SG_P2", 0, 2), Komorka(&okno, "SG_P", 0, 2));
        EXPECT_EQ(Komorka(&okno, "SG_X", 0, 1), p.X1);
        EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 1, 1), "2,000");
        EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 2, 1), "0,500");
        EXPECT_EQ(Komorka(&okno, "SG_Mac_A1", 1, 1), "0,533") << "2 / 3,75";
    }
    // The system of the last recomputation (combination 2) and every end force stay as computed.
    EXPECT_EQ(wyn.MacierzK, przed.MacierzK);
    EXPECT_EQ(wyn.WektorQ, przed.WektorQ);
    EXPECT_EQ(wyn.WektorX, przed.WektorX);
    EXPECT_EQ(wyn.MacierzKOdwrotna, przed.MacierzKOdwrotna);
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 3; ++s) {
            const TMomentyPrzesla &a = wyn.MomentyKoncowe[c][s], &b = przed.MomentyKoncowe[c][s];
            EXPECT_EQ(std::tie(a.MomentL, a.MomentP, a.MomentUtwL, a.MomentUtwP),
                      std::tie(b.MomentL, b.MomentP, b.MomentUtwL, b.MomentUtwP));
        }
}

TEST_F(Macierz, ARememberedPositionBeyondFewerCombinationsStaysWithinThem)
{
    UstawGeometrie(zad, {4, 4}, true, true);
    DodajSile(zad, 0, 2, 10);
    Kombinacja("B", {2});
    Kombinacja("C", {3});
    Przelicz();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz(false));
    QScrollBar* sb = K<QScrollBar>(&okno, "SB_Wariant");
    sb->setValue(3);
    okno.close();

    UsunZTablicy(zad.Kombinacje, 2);
    Przelicz();
    ASSERT_TRUE(okno.Pokaz(false));
    EXPECT_EQ(sb->maximum(), 2);
    EXPECT_EQ(sb->value(), 2);
    // Opening shows combination 0 whatever the position.
    EXPECT_EQ(Opis(okno), "1.. " + Cp1250NaUtf8(zad.Kombinacje[0].Nazwa));
    QTest::keyClick(sb, Qt::Key_Left);
    EXPECT_EQ(Opis(okno), "0.. " + Cp1250NaUtf8(zad.Kombinacje[0].Nazwa));
    QTest::keyClick(sb, Qt::Key_Right);
    EXPECT_EQ(Opis(okno), "1.. B");
    EXPECT_TRUE(kom.Komunikaty.empty());
}

TEST_F(Macierz, ASingularMatrixIsReportedAndItsSolutionShownAsZeros)
{
    UstawGeometrie(zad, {4, 4}, false, false);
    for (TPrzeslo& p : zad.Przesla)
        p.E = 0;
    DodajLiniowe(zad, 0, 0, 4, 6);
    Przelicz();
    kom.Komunikaty.clear();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz(false));
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{KomunikatOsobliwa});
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 1, 1), "0,000");
    EXPECT_EQ(Komorka(&okno, "SG_P", 0, 1), "-8,000");
    for (const char* s : {"SG_X", "SG_X2"})
        EXPECT_EQ(Komorka(&okno, s, 0, 1), "0,000") << s;
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A1", 1, 1), "0,000");
}

TEST_F(Macierz, ArrowsAndPageKeysMoveTheCombinationAndEscapeCloses)
{
    UstawGeometrie(zad, {4, 4}, true, true);
    DodajSile(zad, 0, 2, 10);
    for (const char* nazwa : {"B", "C", "D"})
        Kombinacja(nazwa, {1});
    Przelicz();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz(false));
    QScrollBar* sb = K<QScrollBar>(&okno, "SB_Wariant");
    sb->setValue(1);
    const struct {
        Qt::Key klawisz;
        int polozenie;
    } kroki[] = {{Qt::Key_Right, 2}, {Qt::Key_PageDown, 3}, {Qt::Key_Down, 4}, {Qt::Key_Left, 3},
                 {Qt::Key_PageUp, 2}, {Qt::Key_Up, 1}};
    for (const auto& [klawisz, polozenie] : kroki) {
        // Sent to the grid, too: the keys belong to the scroll bar wherever they are typed.
        QTest::keyClick(K<QWidget>(&okno, "SG_Mac_A1"), klawisz);
        EXPECT_EQ(sb->value(), polozenie) << QTest::toString(klawisz);
        EXPECT_EQ(Opis(okno).substr(0, 3), std::to_string(polozenie - 1) + "..");
    }
    QTest::keyClick(sb, Qt::Key_Escape);
    EXPECT_FALSE(okno.isVisible());
}

TEST_F(Macierz, ATaskWithoutAnEquationSystemIsRefused)
{
    TMacierz okno(k);
    for (const bool geometria : {false, true}) {
        SCOPED_TRACE(geometria);
        NowyTemat(zad);
        if (geometria) {
            UstawGeometrie(zad, {5}, false, false);
            DodajSile(zad, 0, 2, 10);
            Przelicz();
        }
        kom.Komunikaty.clear();
        EXPECT_FALSE(okno.Pokaz(false));
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{" Najpierw GEOMETRIA ! (i potem obciążenie)"});
        EXPECT_FALSE(okno.isVisible());
    }
}
