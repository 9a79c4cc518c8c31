#include "ProgramWynikow.h"

#include "analysis/Rozwiazanie.h"
#include "dialogs/Macierz.h"
#include "platform/Cp1250.h"
#include "platform/TekstyLiczb.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

class Macierz : public OknaWynikow {
protected:
    static std::string Opis(const TMacierz& okno) { return K<QLabel>(&okno, "L_Opis")->text().toStdString(); }
    std::string Nazwa(int c) const { return Cp1250NaUtf8(zad.Kombinacje[size_t(c)].Nazwa); }
};

// Fixed-end moment of a uniform load on a span clamped at both ends: qL²/12.
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
    ASSERT_TRUE(okno.Pokaz());
    EXPECT_EQ(QApplication::activeModalWidget(), &okno);
    // K = 4EJ/L from each span, Q = −qL²/12 of the loaded span's right end, x = Q/K.
    const double K11 = 8.0 / 6, Q = -Utwierdzenie(10, 6);
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A", 1, 1), FormatujStale(K11, 3, 15, ','));
    EXPECT_EQ(Komorka(&okno, "SG_Mac_A1", 1, 1), "0,750") << "1 / " << K11;
    EXPECT_EQ((std::vector{Komorka(&okno, "SG_P", 0, 1), Komorka(&okno, "SG_P2", 0, 1), Komorka(&okno, "SG_X", 0, 1),
                           Komorka(&okno, "SG_X2", 0, 1)}),
              (std::vector<std::string>{"-30,000", "-30,000", "-22,500", "-22,500"}))
        << Q << " / " << K11;
    EXPECT_EQ(Opis(okno), "1.. " + Nazwa(0));
}

TEST_F(Macierz, TwelveSpansHingedAtBothEndsGiveElevenUnknowns)
{
    UstawGeometrie(zad, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, true, true);
    DodajSile(zad, 5, 1, 10);
    Przelicz();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz());
    // 3EJ/L from a span hinged at its far end, 4EJ/L from the others, 2EJ/L beside the diagonal.
    EXPECT_EQ((std::vector{Komorka(&okno, "SG_Mac_A", 1, 1), Komorka(&okno, "SG_Mac_A", 2, 2),
                           Komorka(&okno, "SG_Mac_A", 3, 2), Komorka(&okno, "SG_Mac_A", 4, 2),
                           Komorka(&okno, "SG_Mac_A", 11, 0), Komorka(&okno, "SG_Mac_A", 0, 11)}),
              (std::vector<std::string>{"2,333", "2,667", "0,667", "0,000", "11", "11"}));
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
    ASSERT_TRUE(okno.Pokaz());
    QScrollBar* sb = K<QScrollBar>(&okno, "SB_Wariant");
    // Q_i = −(the fixed-end moment of span i at its right end) − (of span i + 1 at its left end).
    const auto q = [](double lewe, double prawe) { return -Utwierdzenie(lewe, 4) + Utwierdzenie(prawe, 4); };
    const struct {
        int polozenie;
        std::string opis;
        double Q1, Q2;
        const char* X1; // from [2 ½; ½ 2]·x = Q
    } przypadki[] = {
        {3, "2.. Ostatnia", q(6, 3), q(3, 0), "-1,600"},
        {1, "0.. " + Nazwa(0), q(0, 6), q(6, 0), "5,333"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        sb->setValue(p.polozenie);
        EXPECT_EQ(Opis(okno), p.opis);
        EXPECT_EQ(
            (std::vector{Komorka(&okno, "SG_P", 0, 1), Komorka(&okno, "SG_P", 0, 2), Komorka(&okno, "SG_P2", 0, 2)}),
            (std::vector{FormatujMaska(p.Q1, Maska::Uklad, ','), FormatujMaska(p.Q2, Maska::Uklad, ','),
                         FormatujMaska(p.Q2, Maska::Uklad, ',')}));
        EXPECT_EQ(Komorka(&okno, "SG_X", 0, 1), p.X1);
        EXPECT_EQ((std::vector{Komorka(&okno, "SG_Mac_A", 1, 1), Komorka(&okno, "SG_Mac_A", 2, 1),
                               Komorka(&okno, "SG_Mac_A1", 1, 1)}),
                  (std::vector<std::string>{"2,000", "0,500", "0,533"}));
    }
    // The system of the last recomputation (combination 2) and every end moment stay as computed.
    EXPECT_EQ(std::tie(wyn.MacierzK, wyn.WektorQ, wyn.WektorX, wyn.MacierzKOdwrotna),
              std::tie(przed.MacierzK, przed.WektorQ, przed.WektorX, przed.MacierzKOdwrotna));
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 3; ++s) {
            const TMomentyPrzesla &a = wyn.MomentyKoncowe[c][s], &b = przed.MomentyKoncowe[c][s];
            EXPECT_EQ(std::tie(a.MomentL, a.MomentP, a.MomentUtwL, a.MomentUtwP),
                      std::tie(b.MomentL, b.MomentP, b.MomentUtwL, b.MomentUtwP));
        }
}

TEST_F(Macierz, ARememberedPositionStaysWithinFewerCombinationsAndTheKeysMoveIt)
{
    UstawGeometrie(zad, {4, 4}, true, true);
    DodajSile(zad, 0, 2, 10);
    for (const char* nazwa : {"B", "C", "D"})
        Kombinacja(nazwa, {1});
    Przelicz();
    TMacierz okno(k);
    ASSERT_TRUE(okno.Pokaz());
    QScrollBar* sb = K<QScrollBar>(&okno, "SB_Wariant");
    sb->setValue(4);
    okno.close();

    UsunZTablicy(zad.Kombinacje, 3);
    Przelicz();
    ASSERT_TRUE(okno.Pokaz());
    EXPECT_EQ(std::tuple(sb->maximum(), sb->value()), std::tuple(3, 3));
    EXPECT_EQ(Opis(okno), "1.. " + Nazwa(0)) << "opening shows combination 0 whatever the position";
    // The keys work typed into a grid as well.
    const std::pair<Qt::Key, const char*> kroki[] = {{Qt::Key_PageUp, "1.. B"}, {Qt::Key_Up, "0.. "},
                                                     {Qt::Key_Right, "1.. B"},  {Qt::Key_PageDown, "2.. C"},
                                                     {Qt::Key_Down, "2.. C"},   {Qt::Key_Left, "1.. B"}};
    for (const auto& [klawisz, opis] : kroki) {
        QTest::keyClick(K<QWidget>(&okno, "SG_Mac_A1"), klawisz);
        EXPECT_EQ(Opis(okno).substr(0, std::string(opis).size()), opis) << QTest::toString(klawisz);
    }
    QTest::keyClick(sb, Qt::Key_Escape);
    EXPECT_TRUE(!okno.isVisible() && kom.Komunikaty.empty());
}

TEST_F(Macierz, ATaskWithoutAnEquationSystemIsRefusedAndASingularOneShowsItsSolutionAsZeros)
{
    TMacierz okno(k);
    for (const bool jednoPrzeslo : {false, true}) {
        SCOPED_TRACE(jednoPrzeslo);
        NowyTemat(zad);
        if (jednoPrzeslo) {
            UstawGeometrie(zad, {5}, false, false);
            DodajSile(zad, 0, 2, 10);
            Przelicz();
        }
        kom.Komunikaty.clear();
        EXPECT_FALSE(okno.Pokaz());
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{" Najpierw GEOMETRIA ! (i potem obciążenie)"});
        EXPECT_FALSE(okno.isVisible());
    }
    UstawGeometrie(zad, {4, 4}, false, false);
    for (TPrzeslo& p : zad.Przesla)
        p.E = 0;
    DodajLiniowe(zad, 0, 0, 4, 6);
    Przelicz();
    kom.Komunikaty.clear();
    ASSERT_TRUE(okno.Pokaz());
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{KomunikatOsobliwa});
    EXPECT_EQ((std::vector{Komorka(&okno, "SG_Mac_A", 1, 1), Komorka(&okno, "SG_P", 0, 1), Komorka(&okno, "SG_X", 0, 1),
                           Komorka(&okno, "SG_X2", 0, 1), Komorka(&okno, "SG_Mac_A1", 1, 1)}),
              (std::vector<std::string>{"0,000", "-8,000", "0,000", "0,000", "0,000"}));
}
