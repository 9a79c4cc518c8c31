#include "ProgramWynikow.h"

#include "analysis/Przekroj.h"
#include "dialogs/ZestawieniePrzekrojowych.h"
#include "platform/TekstyLiczb.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

class Zestawienie : public OknaWynikow {
protected:
    TNakladkaZapis nakladka;

    // Three spans of 4, 5 and 4 m, clamped on the left, hinged on the right;
    // group 0 a uniform load on every span, group 1 a force in the middle span.
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

    std::unique_ptr<TZestawieniePrzekrojowych> Okno()
    {
        auto okno = std::make_unique<TZestawieniePrzekrojowych>(k);
        okno->UstawNakladke(&nakladka);
        return okno;
    }

    static std::string Napis(const QObject* okno, const char* nazwa)
    {
        return K<QLabel>(okno, nazwa)->text().toStdString();
    }
    static std::vector<std::string> Wiersz(const QObject* okno, const char* siatka, int wiersz, int od, int ile)
    {
        std::vector<std::string> w;
        for (int k = od; k < od + ile; ++k)
            w.push_back(Komorka(okno, siatka, k, wiersz));
        return w;
    }
    static std::string Wartosc(double v) { return FormatujMaska(v, Maska::Wartosc, ','); }
};

} // namespace

TEST_F(Zestawienie, AtPositionZeroEveryCombinationReadsTheLeftEndMomentOfSpanZero)
{
    TrzyPrzesla();
    auto okno = Okno();
    ASSERT_TRUE(okno->Pokaz());
    EXPECT_TRUE(okno->isVisible());
    EXPECT_FALSE(okno->isModal());
    EXPECT_EQ(okno->windowTitle().toStdString(), "Zestawienie sił przekrojowych");
    const QScrollBar* sb = K<QScrollBar>(okno.get(), "ScrollBar1");
    EXPECT_EQ(std::tuple(sb->minimum(), sb->maximum(), sb->value()), std::tuple(0, 1300, 0));
    EXPECT_EQ(Napis(okno.get(), "L_NrBelki"), "0");
    EXPECT_EQ(Napis(okno.get(), "L_Polozenie"), "0,00");

    const char* T = "SG_TabelaSilPrzekrojowych";
    EXPECT_EQ(Wiersz(okno.get(), T, 0, 0, 4),
              (std::vector<std::string>{"M,T\\Kombin.", "0  Stałe", "1  Z wiatrem", "2  Sam wiatr"}));
    EXPECT_EQ(Komorka(okno.get(), T, 0, 1), "M...[kNm]");
    EXPECT_EQ(Komorka(okno.get(), T, 0, 2), "T....[kN]");
    std::vector<std::string> M, Tn;
    std::vector<double> m;
    for (int c = 0; c < 3; ++c) {
        m.push_back(wyn.MomentyKoncowe[c][0].MomentL);
        M.push_back(Wartosc(m.back()));
        Tn.push_back(Wartosc(-wyn.SilyKoncowe[c][0].TL)); // the upward left end reaction
    }
    EXPECT_EQ(Wiersz(okno.get(), T, 1, 1, 3), M);
    EXPECT_EQ(Wiersz(okno.get(), T, 2, 1, 3), Tn);
    EXPECT_NE(M[0], M[2]) << "the combinations differ";
    EXPECT_EQ(Wiersz(okno.get(), "SG_Maxima", 0, 0, 2), (std::vector<std::string>{"  Max", "  Min"}));
    EXPECT_EQ(Wiersz(okno.get(), "SG_Maxima", 1, 0, 2),
              (std::vector<std::string>{Wartosc(*std::max_element(m.begin(), m.end())),
                                        Wartosc(*std::min_element(m.begin(), m.end()))}));
    // Three combinations: columns of 100 pixels, the window as wide as both grids and 10 pixels.
    const QTableWidget* t = K<QTableWidget>(okno.get(), T);
    EXPECT_EQ(t->columnWidth(3), 100);
    EXPECT_EQ(t->width(), 102 * 4);
    EXPECT_EQ(okno->width(), t->width() + K<QWidget>(okno.get(), "SG_Maxima")->width() + 10);
}

TEST_F(Zestawienie, ASectionAtAnInnerSupportLiesInTheSpanToItsRight)
{
    TrzyPrzesla();
    auto okno = Okno();
    ASSERT_TRUE(okno->Pokaz());
    const auto lewy = [&](int s) {
        std::vector<std::string> w;
        for (int c = 0; c < 3; ++c)
            w.push_back(Wartosc(wyn.MomentyKoncowe[c][s].MomentL));
        return w;
    };
    const struct {
        int polozenie;
        const char *przeslo, *x;
        std::vector<std::string> M;
    } przypadki[] = {
        {400, "1", "0,00", lewy(1)},
        {900, "2", "0,00", lewy(2)},
        {1300, "2", "4,00", {"0,00", "0,00", "0,00"}}, // the hinged right end
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.polozenie);
        K<QScrollBar>(okno.get(), "ScrollBar1")->setValue(p.polozenie);
        EXPECT_EQ(Napis(okno.get(), "L_NrBelki"), p.przeslo);
        EXPECT_EQ(Napis(okno.get(), "L_Polozenie"), p.x);
        EXPECT_EQ(Wiersz(okno.get(), "SG_TabelaSilPrzekrojowych", 1, 1, 3), p.M);
    }
}

TEST_F(Zestawienie, ColumnsNarrowAsCombinationsAreAdded)
{
    const struct {
        int kombinacje, szerokosc;
    } przypadki[] = {{1, 150}, {4, 80}, {7, 50}};
    for (const auto& [ile, w] : przypadki) {
        SCOPED_TRACE(ile);
        UstawGeometrie(zad, {4}, true, true);
        DodajSile(zad, 0, 2, 10);
        for (int c = 1; c < ile; ++c)
            Kombinacja(("K" + std::to_string(c)).c_str(), {float(c)});
        Przelicz();
        auto okno = Okno();
        ASSERT_TRUE(okno->Pokaz());
        K<QScrollBar>(okno.get(), "ScrollBar1")->setValue(200);
        const QTableWidget* t = K<QTableWidget>(okno.get(), "SG_TabelaSilPrzekrojowych");
        ASSERT_EQ(t->columnCount(), ile + 1);
        for (int c = 0; c <= ile; ++c)
            EXPECT_EQ(t->columnWidth(c), w);
        EXPECT_EQ(t->width(), (w + 2) * (ile + 1));
        // M = P·L/4 at midspan, the force weighted by each combination.
        EXPECT_EQ(Komorka(okno.get(), "SG_TabelaSilPrzekrojowych", ile, 1), Wartosc(10.0 * std::max(ile - 1, 1)));
    }
}

TEST_F(Zestawienie, OneCombinationLeavesTheMaximaGridAlone)
{
    UstawGeometrie(zad, {4}, true, true);
    DodajSile(zad, 0, 2, 10);
    Przelicz();
    auto okno = Okno();
    ASSERT_TRUE(okno->Pokaz());
    EXPECT_EQ(Wiersz(okno.get(), "SG_Maxima", 1, 0, 2), (std::vector<std::string>{"", ""}))
        << "a grid laid out afresh holds nothing of an earlier task";
    QTableWidget* maxima = K<QTableWidget>(okno.get(), "SG_Maxima");
    maxima->item(1, 0)->setText("poprzednie");
    K<QScrollBar>(okno.get(), "ScrollBar1")->setValue(200);
    EXPECT_EQ(Komorka(okno.get(), "SG_TabelaSilPrzekrojowych", 1, 1), "10,00");
    EXPECT_EQ(Komorka(okno.get(), "SG_Maxima", 0, 1), "poprzednie");
}

TEST_F(Zestawienie, CombinationsDifferingInTheThirdDecimalHaveEqualExtremes)
{
    // M = P·L/4 at midspan: 10,001 and 10,004.
    UstawGeometrie(zad, {4}, true, true);
    DodajSile(zad, 0, 2, 10.001f);
    Kombinacja("Bis", {1.0003f});
    Przelicz();
    const TSilyPrzekroju sily = SilyPrzekroju(zad, wyn, PrzekrojBelki(zad, 200), ',');
    ASSERT_TRUE(sily.SaEkstrema);
    EXPECT_LT(sily.M[0], sily.M[1]);
    EXPECT_EQ(sily.MaxM, 10.0);
    EXPECT_EQ(sily.MinM, 10.0);

    auto okno = Okno();
    ASSERT_TRUE(okno->Pokaz());
    K<QScrollBar>(okno.get(), "ScrollBar1")->setValue(200);
    EXPECT_EQ(Wiersz(okno.get(), "SG_Maxima", 1, 0, 2), (std::vector<std::string>{"10,00", "10,00"}));
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
    // 10 pixels per cm, sheet point (−30, 0) at pixel (0, 0): the envelope sheet at x = −25,5 cm shows too.
    widok.SkalaWidoku = 100;
    widok.EkranSrodekX = 1000;
    widok.EkranSrodekY = 750;
    widok.SrodekX = 70;
    widok.SrodekY = -75;
    const auto kol = [&](double x) { return widok.NaEkranX(x); };
    const auto wiersz = [&](double y) { return widok.NaEkranY(-y); };

    auto okno = Okno();
    ASSERT_TRUE(okno->Pokaz());
    K<QScrollBar>(okno.get(), "ScrollBar1")->setValue(150);
    const TSilyPrzekroju s = SilyPrzekroju(zad, wyn, PrzekrojBelki(zad, 150), ',');
    ASSERT_EQ(s.M.size(), 2u);

    struct TNapisOczekiwany {
        std::string tekst;
        int32_t x, y; // pixels
    };
    struct TLiniaOczekiwana {
        int32_t x, y1, y2;
    };
    std::vector<TNapisOczekiwany> napisy;
    std::vector<TLiniaOczekiwana> linie;
    const TNastawy& n = zad.Nastawy;
    const double kM = double(n.WysokoscMomentow) / wyn.NajwiekszyM; // cm per kNm, moments down
    const double kT = double(n.WysokoscPoprzecznych) / wyn.NajwiekszyT; // shear forces up
    // A diagram with its axis from (Ox, Oy): the line through x = 1,5 m and the "x" label 3 cm above the axis.
    const auto wykres = [&](double Ox, double Oy) -> int32_t {
        const double x = Ox + 1.5;
        linie.push_back({kol(x), wiersz(Oy - 2), wiersz(Oy + 2)});
        napisy.push_back({"x [m] = 1,50", kol(x + 0.2), wiersz(Oy - 3)});
        return kol(x + 0.2);
    };
    for (int c = 0; c < 2; ++c) {
        const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
        const int32_t xm = wykres(P.x + n.MomentyX, P.y + n.MomentyY);
        napisy.push_back({"M [kNm] = " + s.TekstyM[c], xm, wiersz(P.y + n.MomentyY + s.M[c] * kM)});
        const int32_t xt = wykres(P.x + n.PoprzeczneX, P.y + n.PoprzeczneY);
        napisy.push_back({"T [kNm] = " + s.TekstyT[c], xt, wiersz(P.y + n.PoprzeczneY - s.T[c] * kT) - 13});
    }
    const TPunktArkusza E = zad.PolozenieObwiedni;
    const int32_t xm = wykres(E.x + n.MomentyX, E.y + n.MomentyY);
    napisy.push_back({"Max [kNm] = " + Wartosc(s.MaxM), xm, wiersz(E.y + n.MomentyY + s.MaxM * kM) + 1});
    napisy.push_back({"Min [kNm] = " + Wartosc(s.MinM), xm, wiersz(E.y + n.MomentyY + s.MinM * kM) - 12});
    const int32_t xt = wykres(E.x + n.PoprzeczneX, E.y + n.PoprzeczneY);
    napisy.push_back({"T1 [kN] = " + Wartosc(s.MaxT), xt, wiersz(E.y + n.PoprzeczneY - s.MaxT * kT) - 12});
    napisy.push_back({"T2 [kN] = " + Wartosc(s.MinT), xt, wiersz(E.y + n.PoprzeczneY - s.MinT * kT) + 1});
    ASSERT_GT(s.MaxT, s.MinT + 5) << "the two shear labels apart";

    const TPowierzchniaZapis& p = nakladka.Powierzchnia;
    const auto zapisane = p.Rodzaju(TOperacja::Rodzaj::Napis);
    ASSERT_EQ(zapisane.size(), napisy.size());
    for (const auto& o : napisy) {
        SCOPED_TRACE(o.tekst);
        const auto z = std::find_if(zapisane.begin(), zapisane.end(), [&](const TOperacja& t) {
            return t.Tekst == o.tekst && t.X1 == o.x && t.Y1 == o.y;
        });
        ASSERT_NE(z, zapisane.end()) << "at " << o.x << ", " << o.y;
        EXPECT_EQ(std::tuple(z->KolorTekstu, z->Wypelnienie, z->Wysokosc),
                  std::tuple(Kolor::Czarny, Rgb(255, 255, 0), 12));
    }
    const auto kreski = p.Linie();
    ASSERT_EQ(kreski.size(), linie.size());
    for (const auto& l : linie) {
        const auto z = std::find_if(kreski.begin(), kreski.end(), [&](const TOperacja& o) {
            return o.X1 == l.x && o.X2 == l.x && std::min(o.Y1, o.Y2) == l.y1 && std::max(o.Y1, o.Y2) == l.y2;
        });
        ASSERT_NE(z, kreski.end()) << l.x << ", " << l.y1;
        EXPECT_EQ(z->Pioro.Kolor, Kolor::Czerwony);
    }
}

TEST_F(Zestawienie, KeysMoveTheSectionAndEitherWayOfClosingClearsTheOverlay)
{
    TrzyPrzesla();
    auto okno = Okno();
    for (const bool przycisk : {false, true}) {
        SCOPED_TRACE(przycisk);
        ASSERT_TRUE(okno->Pokaz());
        QScrollBar* sb = K<QScrollBar>(okno.get(), "ScrollBar1");
        const struct {
            Qt::Key klawisz;
            int polozenie;
        } kroki[] = {{Qt::Key_Right, 1}, {Qt::Key_PageDown, 101}, {Qt::Key_Down, 102},
                     {Qt::Key_Left, 101}, {Qt::Key_PageUp, 1}, {Qt::Key_Up, 0}};
        for (const auto& [klawisz, polozenie] : kroki) {
            QTest::keyClick(K<QWidget>(okno.get(), "SG_TabelaSilPrzekrojowych"), klawisz);
            EXPECT_EQ(sb->value(), polozenie) << QTest::toString(klawisz);
        }
        sb->setValue(450);
        EXPECT_EQ(Napis(okno.get(), "L_Polozenie"), "0,50");
        EXPECT_FALSE(nakladka.Powierzchnia.Operacje.empty());
        const int rysowania = nakladka.Rysowania;
        if (przycisk)
            QTest::mouseClick(K<QPushButton>(okno.get(), "Button1"), Qt::LeftButton);
        else
            QTest::keyClick(sb, Qt::Key_Escape);
        EXPECT_FALSE(okno->isVisible());
        EXPECT_EQ(nakladka.Rysowania, rysowania + 1);
        EXPECT_TRUE(nakladka.Powierzchnia.Operacje.empty()) << "the sheet picture alone again";
    }
}

TEST_F(Zestawienie, AnOpenWindowFollowsTheTaskOrCloses)
{
    TrzyPrzesla();
    auto okno = Okno();
    ASSERT_TRUE(okno->Pokaz());
    QScrollBar* sb = K<QScrollBar>(okno.get(), "ScrollBar1");
    sb->setValue(1250);
    // What a window opened afresh at the same section shows.
    const auto swieze = [&] {
        auto drugie = std::make_unique<TZestawieniePrzekrojowych>(k);
        drugie->Pokaz();
        K<QScrollBar>(drugie.get(), "ScrollBar1")->setValue(sb->value());
        std::vector<std::string> w = Wiersz(drugie.get(), "SG_TabelaSilPrzekrojowych", 1, 1, 3);
        const auto t = Wiersz(drugie.get(), "SG_TabelaSilPrzekrojowych", 2, 1, 3);
        w.insert(w.end(), t.begin(), t.end());
        w.push_back(Napis(drugie.get(), "L_Polozenie"));
        return w;
    };
    const auto widoczne = [&] {
        std::vector<std::string> w = Wiersz(okno.get(), "SG_TabelaSilPrzekrojowych", 1, 1, 3);
        const auto t = Wiersz(okno.get(), "SG_TabelaSilPrzekrojowych", 2, 1, 3);
        w.insert(w.end(), t.begin(), t.end());
        w.push_back(Napis(okno.get(), "L_Polozenie"));
        return w;
    };
    const auto przed = widoczne();

    // Heavier loads and a last span of 2 m: the section moves back onto the shorter beam.
    for (int i = 0; i < 3; ++i)
        zad.Liniowe[size_t(i)].Wartosc = 25;
    zad.Przesla[2].L = 2;
    UstawKodyPrzesel(zad);
    zad.DoPrzeliczenia = true;
    Przelicz();
    const int rysowania = nakladka.Rysowania;
    okno->ZadanieZmienione();
    ASSERT_TRUE(okno->isVisible());
    EXPECT_EQ(std::tuple(sb->maximum(), sb->value()), std::tuple(1100, 1100));
    EXPECT_EQ(nakladka.Rysowania, rysowania + 1) << "the markers drawn again";
    EXPECT_NE(widoczne(), przed);
    EXPECT_EQ(widoczne(), swieze());

    // A change waiting for its recomputation: the section is not read from results that no longer fit.
    zad.DoPrzeliczenia = true;
    sb->setValue(100);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(nakladka.Powierzchnia.Operacje.empty());

    zad.DoPrzeliczenia = false;
    ASSERT_TRUE(okno->Pokaz());
    NowyTemat(zad);
    okno->ZadanieZmienione();
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(nakladka.Powierzchnia.Operacje.empty());
}

TEST_F(Zestawienie, ATaskWithoutLoadsOrResultsIsRefused)
{
    const std::string geometria = "Najpierw GEOMETRIA ! (i potem obciążenie)";
    const struct {
        const char* przypadek;
        std::function<void()> zadanie;
        std::string komunikat;
    } przypadki[] = {
        {"no geometry", [] {}, geometria},
        {"no load", [&] { UstawGeometrie(zad, {4}, true, true); }, geometria},
        {"a task the analysis refused",
         [&] {
             UstawGeometrie(zad, {4, 0}, true, true);
             DodajSile(zad, 0, 2, 10);
             PoliczKombinacje(zad);
             PrzeliczZadanie(zad, wyn, kom);
             zad.DoPrzeliczenia = false;
         },
         "Przęsło 2 ma długość 0 — podaj dodatnią rozpiętość."},
    };
    auto okno = Okno();
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.przypadek);
        NowyTemat(zad);
        p.zadanie();
        kom.Komunikaty.clear();
        EXPECT_FALSE(okno->Pokaz());
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{p.komunikat});
        EXPECT_FALSE(okno->isVisible());
    }
}
