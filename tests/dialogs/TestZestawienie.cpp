#include "ProgramWynikow.h"

#include "analysis/Przekroj.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "platform/TekstyLiczb.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

namespace {

using TTeksty = std::vector<std::string>;

class Zestawienie : public OknaWynikow {
protected:
    TNakladkaZapis nakladka;

    // Spans of 4, 5, 4 m, clamped left, hinged right; group 0 uniform everywhere, group 1 a force mid-task.
    void TrzyPrzesla()
    {
        UstawGeometrie(zad, {4, 5, 4}, false, true);
        DodajGrupe(zad, "Wiatr", 0);
        for (int32_t s = 0; s < 3; ++s)
            DodajLiniowe(zad, s, 0, zad.Przesla[size_t(s)].L, 10, 0);
        DodajSile(zad, 1, 2.5f, 20, 1);
        Kombinacja(nullptr, {1, 0});
        Kombinacja("Z wiatrem", {1, 1});
        Kombinacja("Sam wiatr", {0, 1.5f});
        Przelicz();
    }

    std::unique_ptr<TZestawieniePrzekrojowych> Okno(int polozenie = 0)
    {
        auto okno = std::make_unique<TZestawieniePrzekrojowych>(k);
        okno->UstawNakladke(&nakladka);
        EXPECT_TRUE(okno->Pokaz());
        Pasek(*okno)->setValue(polozenie);
        return okno;
    }
    static QScrollBar* Pasek(const QObject& okno) { return K<QScrollBar>(&okno, "ScrollBar1"); }
    static std::string Napis(const QObject& okno, const char* nazwa)
    {
        return K<QLabel>(&okno, nazwa)->text().toStdString();
    }
    static TTeksty Wiersz(const QObject& okno, const char* siatka, int wiersz, int od, int ile)
    {
        TTeksty w;
        for (int k = od; k < od + ile; ++k)
            w.push_back(Komorka(&okno, siatka, k, wiersz));
        return w;
    }
    // The section, then the M and T row of the table.
    static TTeksty Odczyt(const QObject& okno, int kombinacje)
    {
        TTeksty w{Napis(okno, "L_NrBelki"), Napis(okno, "L_Polozenie")};
        for (int r = 1; r <= 2; ++r)
            for (const std::string& t : Wiersz(okno, "SG_TabelaSilPrzekrojowych", r, 1, kombinacje))
                w.push_back(t);
        return w;
    }
    static std::string Wartosc(double v) { return FormatujMaska(v, Maska::Wartosc, ','); }
    // What Ctrl+C copies: tab-separated rows, an empty line, the maxima.
    static QString Tabele(const QObject& okno, bool maxima)
    {
        QStringList wiersze;
        for (const char* siatka : {"SG_TabelaSilPrzekrojowych", "SG_Maxima"}) {
            if (!wiersze.isEmpty() && !maxima)
                break;
            if (!wiersze.isEmpty())
                wiersze << "";
            const QTableWidget* t = K<QTableWidget>(&okno, siatka);
            for (int w = 0; w < t->rowCount(); ++w) {
                QStringList wiersz;
                for (int k = 0; k < t->columnCount(); ++k)
                    wiersz << QString::fromStdString(Komorka(&okno, siatka, k, w)).trimmed();
                wiersze << wiersz.join('\t');
            }
        }
        return wiersze.join('\n') + '\n';
    }
};

} // namespace

TEST_F(Zestawienie, ShowsEachCombinationAtTheSectionMovesCopiesFollowsTheTaskAndClosesClearingTheOverlay)
{
    TrzyPrzesla();
    auto okno = Okno();
    const char* T = "SG_TabelaSilPrzekrojowych";
    EXPECT_TRUE(okno->isVisible() && !okno->isModal());
    EXPECT_EQ(Wiersz(*okno, T, 0, 1, 3), (TTeksty{"0  Stałe", "1  Z wiatrem", "2  Sam wiatr"}));
    TTeksty oczekiwane{"0", "0,00"};
    std::vector<double> M0;
    for (int c = 0; c < 3; ++c)
        oczekiwane.push_back(Wartosc(M0.emplace_back(wyn.MomentyKoncowe[c][0].MomentL)));
    for (int c = 0; c < 3; ++c)
        oczekiwane.push_back(Wartosc(-wyn.SilyKoncowe[c][0].TL)); // the left end reaction
    EXPECT_EQ(Odczyt(*okno, 3), oczekiwane);
    const auto [Mmin, Mmax] = std::minmax_element(M0.begin(), M0.end());
    EXPECT_EQ(Wiersz(*okno, "SG_Maxima", 1, 0, 2), (TTeksty{Wartosc(*Mmax), Wartosc(*Mmin)}));

    // A section at an inner support lies in the span to its right.
    const auto lewy = [&](const char* s) {
        TTeksty w{s, "0,00"};
        for (int c = 0; c < 3; ++c)
            w.push_back(Wartosc(wyn.MomentyKoncowe[c][std::stoi(s)].MomentL));
        return w;
    };
    for (const auto& [polozenie, oczekiwane] : {std::pair<int, TTeksty>{400, lewy("1")},
                                                {900, lewy("2")},
                                                {1300, {"2", "4,00", "0,00", "0,00", "0,00"}}}) { // the hinged end
        Pasek(*okno)->setValue(polozenie);
        const TTeksty odczyt = Odczyt(*okno, 3);
        EXPECT_EQ(TTeksty(odczyt.begin(), odczyt.begin() + 5), oczekiwane) << polozenie;
    }

    // With E = J = 1 the deflection and rotation rows read E·J·w and E·J·φ.
    Pasek(*okno)->setValue(650); // span 1 at x = 2,50 m, under the force
    TTeksty w, fi;
    for (int c = 0; c < 3; ++c) {
        w.push_back(Wartosc(wyn.Ugiecia[size_t(c)][1].W(2.5)));
        fi.push_back(FormatujMaska(wyn.Ugiecia[size_t(c)][1].Fi(2.5), "###0.000000", ','));
    }
    EXPECT_EQ(Wiersz(*okno, T, 3, 1, 3), w);
    EXPECT_EQ(Wiersz(*okno, T, 4, 1, 3), fi);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(Pasek(*okno), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Tabele(*okno, true));

    Pasek(*okno)->setValue(0);
    const std::pair<Qt::Key, int> kroki[] = {{Qt::Key_Right, 1},  {Qt::Key_PageDown, 101}, {Qt::Key_Down, 102},
                                             {Qt::Key_Left, 101}, {Qt::Key_PageUp, 1},     {Qt::Key_Up, 0}};
    for (const auto& [klawisz, polozenie] : kroki) {
        QTest::keyClick(K<QWidget>(okno.get(), T), klawisz);
        EXPECT_EQ(Pasek(*okno)->value(), polozenie) << QTest::toString(klawisz);
    }
    Pasek(*okno)->setValue(450);
    EXPECT_EQ(Napis(*okno, "L_Polozenie"), "0,50");
    // Either way of closing clears the overlay: Escape here, the button below.
    const auto zamkniete = [&](int rysowania) {
        EXPECT_FALSE(okno->isVisible());
        EXPECT_EQ(nakladka.Rysowania, rysowania + 1);
        EXPECT_TRUE(nakladka.Powierzchnia.Operacje.empty()) << "the sheet picture alone again";
    };
    int rysowania = nakladka.Rysowania;
    ASSERT_FALSE(nakladka.Powierzchnia.Operacje.empty());
    QTest::keyClick(Pasek(*okno), Qt::Key_Escape);
    zamkniete(rysowania);

    // Real stiffness: millimetres.
    for (TPrzeslo& p : zad.Przesla)
        std::tie(p.E, p.J) = std::tuple(2.1e8f, 8.356e-5f);
    Przelicz();
    okno = Okno(650);
    std::vector<double> mm;
    for (int c = 0; c < 3; ++c)
        mm.push_back(1000 * wyn.Ugiecia[size_t(c)][1].W(2.5));
    const auto [mn, mx] = std::minmax_element(mm.begin(), mm.end());
    EXPECT_EQ(std::tuple(Komorka(okno.get(), T, 0, 3), Komorka(okno.get(), T, 1, 3)),
              std::tuple(std::string("w....[mm]"), Wartosc(mm[0])));
    EXPECT_EQ(Wiersz(*okno, "SG_Maxima", 3, 0, 2), (TTeksty{Wartosc(*mx), Wartosc(*mn)}));

    // Heavier loads and a last span of 2 m: the open window moves its section back onto the shorter beam.
    Pasek(*okno)->setValue(1250);
    const TTeksty przed = Odczyt(*okno, 3);
    for (int i = 0; i < 3; ++i)
        zad.Liniowe[size_t(i)].Wartosc = 25;
    zad.Przesla[2].L = 2;
    UstawKodyPrzesel(zad);
    Przelicz();
    rysowania = nakladka.Rysowania;
    okno->ZadanieZmienione();
    ASSERT_TRUE(okno->isVisible());
    EXPECT_EQ(std::tuple(Pasek(*okno)->maximum(), Pasek(*okno)->value()), std::tuple(1100, 1100));
    EXPECT_EQ(nakladka.Rysowania, rysowania + 1) << "the markers drawn again";
    EXPECT_NE(Odczyt(*okno, 3), przed);
    EXPECT_EQ(Odczyt(*okno, 3), Odczyt(*Okno(1100), 3)) << "what a window opened afresh shows";
    rysowania = nakladka.Rysowania;
    QTest::mouseClick(K<QPushButton>(okno.get(), "Button1"), Qt::LeftButton);
    zamkniete(rysowania);

    // A change waiting for its recomputation: nothing is read from results that no longer fit.
    ASSERT_TRUE(okno->Pokaz());
    zad.DoPrzeliczenia = true;
    Pasek(*okno)->setValue(100);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(nakladka.Powierzchnia.Operacje.empty());
    zad.DoPrzeliczenia = false;
    ASSERT_TRUE(okno->Pokaz());
    NowyTemat(zad);
    okno->ZadanieZmienione();
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(nakladka.Powierzchnia.Operacje.empty());
}

TEST_F(Zestawienie, ColumnsNarrowAsCombinationsAreAddedAndOneCombinationLeavesTheMaximaAlone)
{
    const struct {
        int kombinacje, szerokosc;
    } przypadki[] = {{1, 150}, {3, 100}, {4, 80}, {7, 50}};
    for (const auto& [ile, w] : przypadki) {
        SCOPED_TRACE(ile);
        UstawGeometrie(zad, {4}, true, true);
        DodajSile(zad, 0, 2, 10);
        for (int c = 1; c < ile; ++c)
            Kombinacja(("K" + std::to_string(c)).c_str(), {float(c)});
        Przelicz();
        auto okno = Okno();
        QTest::keyClick(Pasek(*okno), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), Tabele(*okno, ile > 1)) << "the maxima only with two";
        // Written into the maxima after opening; only two or more combinations write over it.
        K<QTableWidget>(okno.get(), "SG_Maxima")->item(1, 0)->setText("x");
        Pasek(*okno)->setValue(200);
        const QTableWidget* t = K<QTableWidget>(okno.get(), "SG_TabelaSilPrzekrojowych");
        ASSERT_EQ(t->columnCount(), ile + 1);
        for (int c = 0; c <= ile; ++c)
            EXPECT_EQ(t->columnWidth(c), w);
        EXPECT_EQ(t->width(), (w + 2) * (ile + 1));
        // M = P·L/4 at midspan, the force weighted by each combination.
        const std::string Mmax = Wartosc(10.0 * std::max(ile - 1, 1));
        EXPECT_EQ(Komorka(okno.get(), "SG_TabelaSilPrzekrojowych", ile, 1), Mmax);
        EXPECT_EQ(Komorka(okno.get(), "SG_Maxima", 0, 1), ile == 1 ? "x" : Mmax);
    }
}

TEST_F(Zestawienie, CombinationsDifferingInTheThirdDecimalHaveEqualExtremes)
{
    // M = P·L/4 at midspan: 10,001 and 10,004.
    UstawGeometrie(zad, {4}, true, true);
    DodajSile(zad, 0, 2, 10.001f);
    Kombinacja("Bis", {1.0003f});
    Przelicz();
    const TSilyPrzekroju sily = SilyPrzekroju(zad, wyn, PrzekrojBelki(zad, 200), ',');
    EXPECT_LT(sily.M[0], sily.M[1]);
    auto okno = Okno(200);
    EXPECT_EQ(Wiersz(*okno, "SG_Maxima", 1, 0, 2), (TTeksty{"10,00", "10,00"}));
}

TEST_F(Zestawienie, TheSectionIsMarkedOnEveryDiagramAtTheOrdinatesOfItsValues)
{
    UstawGeometrie(zad, {4, 4}, true, true);
    DodajGrupe(zad, "Sila", 0);
    DodajLiniowe(zad, 0, 0, 4, 10, 0);
    DodajLiniowe(zad, 1, 0, 4, 10, 0);
    DodajSile(zad, 0, 2, 20, 1);
    Kombinacja(nullptr, {1, 0});
    Kombinacja("Z sila", {1, 1});
    Przelicz();
    // 10 pixels per cm and sheet point (−30, 0) at pixel (0, 0), so the envelope sheet at x = −25,5 cm shows.
    std::tie(widok.SkalaWidoku, widok.EkranSrodekX, widok.EkranSrodekY, widok.SrodekX, widok.SrodekY) =
        std::tuple(100, 1000, 750, 70, -75);
    auto okno = Okno(150);
    const TSilyPrzekroju s = SilyPrzekroju(zad, wyn, PrzekrojBelki(zad, 150), ',');
    ASSERT_GT(s.MaxT, s.MinT + 5) << "the two shear labels apart";

    struct TNapisOczekiwany {
        std::string tekst;
        int32_t x, y; // pixels
    };
    std::vector<TNapisOczekiwany> napisy;
    std::vector<std::tuple<int32_t, int32_t, int32_t>> linie; // x, y1, y2
    const TNastawy& n = zad.Nastawy;
    const double kM = double(n.WysokoscMomentow) / wyn.NajwiekszyM;     // cm per kNm, moments down
    const double kT = double(n.WysokoscPoprzecznych) / wyn.NajwiekszyT; // shear forces up
    // The diagram with its axis from O: a line through x = 1,5 m from 2 cm above to 2 cm below
    // the axis, the "x" label 3 cm above it, each label 0,2 cm right of the line.
    const auto wykres = [&](double Ox, double Oy, std::initializer_list<std::pair<std::string, double>> wartosci,
                            std::initializer_list<int> przesuniecia) {
        const double x = Ox + 1.5;
        const int32_t xn = widok.NaEkranX(x + 0.2);
        linie.emplace_back(widok.NaEkranX(x), widok.NaEkranY(-(Oy - 2)), widok.NaEkranY(-(Oy + 2)));
        napisy.push_back({"x [m] = 1,50", xn, widok.NaEkranY(-(Oy - 3))});
        auto p = przesuniecia.begin();
        for (const auto& [tekst, y] : wartosci)
            napisy.push_back({tekst, xn, widok.NaEkranY(-(Oy + y)) + *p++});
    };
    for (int c = 0; c < 2; ++c) {
        const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
        wykres(P.x + n.MomentyX, P.y + n.MomentyY, {{"M [kNm] = " + s.TekstyM[c], s.M[c] * kM}}, {0});
        wykres(P.x + n.PoprzeczneX, P.y + n.PoprzeczneY, {{"T [kNm] = " + s.TekstyT[c], -s.T[c] * kT}}, {-13});
    }
    const TPunktArkusza E = zad.PolozenieObwiedni;
    wykres(E.x + n.MomentyX, E.y + n.MomentyY,
           {{"Max [kNm] = " + Wartosc(s.MaxM), s.MaxM * kM}, {"Min [kNm] = " + Wartosc(s.MinM), s.MinM * kM}},
           {1, -12});
    wykres(E.x + n.PoprzeczneX, E.y + n.PoprzeczneY,
           {{"T1 [kN] = " + Wartosc(s.MaxT), -s.MaxT * kT}, {"T2 [kN] = " + Wartosc(s.MinT), -s.MinT * kT}}, {-12, 1});

    const TPowierzchniaZapis& p = nakladka.Powierzchnia;
    const auto zapisane = p.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_EQ(zapisane.size(), napisy.size());
    for (const auto& o : napisy) {
        const auto z = std::find_if(zapisane.begin(), zapisane.end(), [&](const TOperacja& t) {
            return t.Tekst == o.tekst && t.X1 == o.x && t.Y1 == o.y;
        });
        ASSERT_NE(z, zapisane.end()) << o.tekst << " at " << o.x << ", " << o.y;
        EXPECT_EQ(std::tuple(z->KolorTekstu, z->Wypelnienie, z->Wysokosc),
                  std::tuple(Kolor::Czarny, Rgb(255, 255, 0), 12));
    }
    const auto kreski = p.Linie();
    ASSERT_EQ(kreski.size(), linie.size());
    for (const auto& [x, y1, y2] : linie)
        EXPECT_TRUE(std::any_of(kreski.begin(), kreski.end(),
                                [&](const TOperacja& o) {
                                    return o.X1 == x && o.X2 == x && std::min(o.Y1, o.Y2) == y1 &&
                                           std::max(o.Y1, o.Y2) == y2 && o.Pioro.Kolor == Kolor::Czerwony;
                                }))
            << "red line at " << x << ", " << y1;
}

TEST_F(Zestawienie, ATaskWithoutLoadsOrResultsIsRefused)
{
    TZestawieniePrzekrojowych okno(k);
    const std::string geometria = "Najpierw GEOMETRIA ! (i potem obciążenie)";
    // No beam, a beam without loads, a span of no length: the analysis says why.
    for (const auto& [przesla, komunikat] :
         {std::pair{0, geometria}, {1, geometria}, {2, "Przęsło 2 ma długość 0 — podaj dodatnią rozpiętość."}}) {
        NowyTemat(zad);
        if (przesla == 1)
            UstawGeometrie(zad, {4}, true, true);
        if (przesla == 2) {
            UstawGeometrie(zad, {4, 0}, true, true);
            DodajSile(zad, 0, 2, 10);
            PoliczKombinacje(zad);
            PrzeliczZadanie(zad, wyn, kom);
            zad.DoPrzeliczenia = false;
        }
        kom.Komunikaty.clear();
        EXPECT_FALSE(okno.Pokaz());
        EXPECT_EQ(kom.Komunikaty, TTeksty{komunikat});
        EXPECT_FALSE(okno.isVisible());
    }
}

// Two spans of 5 m, hinged: a permanent 10 kN/m and an imposed 15 kN/m (A,
// span by span) on both. At midspan of the first: G gives qL²/16 (both spans
// loaded), Q on its own span 3qL²/32, Q on the other span −qL²/32.
TEST_F(Zestawienie, AtTheSectionTheDesignEnvelopesShowEachExtremeWithWhatProducedIt)
{
    UstawGeometrie(zad, {5, 5}, true, true);
    DodajGrupe(zad, "Uzytkowe", 0);
    for (int32_t s = 0; s < 2; ++s) {
        DodajLiniowe(zad, s, 0, 5, 10, 0);
        DodajLiniowe(zad, s, 0, 5, 15, 1);
    }
    Kombinacja(nullptr, {1, 1});
    Przelicz();
    auto okno = Okno();
    // No group classified: no design envelopes, no table.
    EXPECT_FALSE(K<QWidget>(okno.get(), "SG_Normowe")->isVisible());

    zad.Klasyfikacje[0] = {TRodzajGrupy::Stale};
    zad.Klasyfikacje[1] = {TRodzajGrupy::Zmienne, TKategoriaZmiennych::A, true};
    Przelicz();
    okno = Okno();
    ASSERT_TRUE(K<QWidget>(okno.get(), "SG_Normowe")->isVisible());
    Pasek(*okno)->setValue(250);

    const double G = 10 * 25 / 16.0, Q = 3 * 15 * 25 / 32.0, Qdrugie = -15 * 25 / 32.0;
    const auto wiersz = [&](int r) { return Wiersz(*okno, "SG_Normowe", r, 0, 3); };
    EXPECT_EQ(wiersz(1),
              (TTeksty{"SGN  M max [kNm]", Wartosc(0.85 * 1.35 * G + 1.5 * Q), "6.10b, wiodące: Uzytkowe, przęsło 1"}));
    // The imposed load on the other span only lifts the section: G then at γG,inf.
    EXPECT_EQ(wiersz(2), (TTeksty{"SGN  M min [kNm]", Wartosc(1.0 * G + 1.5 * Qdrugie),
                                  "6.10b, wiodące: Uzytkowe, przęsło 2; γG,inf: Stałe"}));
    EXPECT_EQ(wiersz(5), (TTeksty{"SGU char.  M max [kNm]", Wartosc(G + Q), "6.14b, wiodące: Uzytkowe, przęsło 1"}));
}
