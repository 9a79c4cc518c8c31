// The four load lists driven through their buttons and grids.
#include "Okna.h"

#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/EdytowanieLiniowe.h"
#include "dialogs/EdytowanieMomentow.h"
#include "dialogs/EdytowanieSil.h"
#include "dialogs/EdytowanieTrojkat.h"
#include "dialogs/ListaGrup.h"
#include "model/Budowa.h"
#include "platform/TekstyLiczb.h"

#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace {

class Edytowanie : public Okna {
protected:
    void SetUp() override
    {
        Okna::SetUp();
        UstawGeometrie(zad, {3, 4}, false, false);
        DodajGrupe(zad, "Wiatr", 0);
        dialogi->ListaGrup().Odbuduj(zad);
    }
    static std::vector<std::string> Wiersz(const QObject* okno, const char* siatka, int j)
    {
        std::vector<std::string> w;
        for (int c = 0; c < K<QTableWidget>(okno, siatka)->columnCount(); ++c)
            w.push_back(Komorka(okno, siatka, c, j));
        return w;
    }
};

TEST_F(Edytowanie, TheForceListDeletesAfterTheQuestionAndChangesThroughTheEntryDialog)
{
    DodajSile(zad, 0, 1, 5, 0);
    DodajSile(zad, 1, 2.5f, 7, 1);
    DodajSile(zad, 1, 3, 9, 0);
    TEdytowanieSil& l = dialogi->EdytowanieSil();
    l.Pokaz();
    EXPECT_EQ(Wiersz(&l, "SG_Tab", 2), (std::vector<std::string>{"2", "2,50", "7,00", "2", "2   Wiatr"}));

    // An empty row is no number; a "No" changes nothing.
    K<QTableWidget>(&l, "SG_Tab")->setCurrentCell(5, 0);
    Kliknij(&l, "UsunSile");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{KomunikatCalkowitej("")});
    K<QTableWidget>(&l, "SG_Tab")->setCurrentCell(1, 0);
    const std::string plik = Plik();
    kom.Odpowiedz = false;
    Kliknij(&l, "UsunSile");
    EXPECT_EQ(kom.Pytania, std::vector<std::string>{"Potwierdź usuwanie siły 5,00[kN]; położenie 1,00[m]"});
    EXPECT_EQ(Plik(), plik);
    kom.Odpowiedz = true;
    Kliknij(&l, "UsunSile");
    EXPECT_EQ((std::vector{Komorka(&l, "SG_Tab", 0, 1), Komorka(&l, "SG_Tab", 2, 1), Komorka(&l, "SG_Tab", 0, 2),
                           Komorka(&l, "SG_Tab", 2, 2), Komorka(&l, "SG_Tab", 0, 3)}),
              (std::vector<std::string>{"1", "7,00", "2", "9,00", ""}));
    EXPECT_TRUE(IloscUzytych(zad.Sily) == 2 && zad.NieZapisane);
    // A change cancelled leaves the force, and the edit button back.
    TDodajSile& wpis = dialogi->DodajSile();
    K<QTableWidget>(&l, "SG_Tab")->setCurrentCell(1, 0);
    Kliknij(&l, "EdytowanieSil");
    EXPECT_EQ(std::tuple(l.isVisible(), QApplication::activeModalWidget(), K<QLineEdit>(&wpis, "Polozenie")->text()),
              std::tuple(false, static_cast<QWidget*>(&wpis), QString("2,50")));
    Kliknij(&wpis, "Rezygnuj");
    EXPECT_EQ(std::tuple(QApplication::activeModalWidget(), zad.Sily[0].Wartosc,
                         K<QPushButton>(&l, "EdytowanieSil")->isHidden()),
              std::tuple(static_cast<QWidget*>(&l), 7.0f, false));
    // And one confirmed, opened by a double click on its row, is listed.
    QTableWidget* siatka = K<QTableWidget>(&l, "SG_Tab");
    const QRect komorka = siatka->visualRect(siatka->model()->index(1, 1));
    // A double click starts with a click, as the user gives it.
    QTest::mouseClick(siatka->viewport(), Qt::LeftButton, {}, komorka.center());
    QTest::mouseDClick(siatka->viewport(), Qt::LeftButton, {}, komorka.center());
    ASSERT_TRUE(wpis.isVisible());
    QLineEdit* w = K<QLineEdit>(&wpis, "Wartosc");
    w->selectAll();
    QTest::keyClicks(w, "8");
    Kliknij(&wpis, "Wprowadz");
    EXPECT_TRUE(!wpis.isVisible() && l.isVisible() && IloscUzytych(zad.Sily) == 2);
    EXPECT_EQ(Wiersz(&l, "SG_Tab", 1), (std::vector<std::string>{"1", "2,50", "8,00", "2", "2   Wiatr"}));
    l.close();
}

TEST_F(Edytowanie, EachListShowsItsColumnsAndAsksAndRefusesInItsOwnWords)
{
    DodajLiniowe(zad, 0, 0.5f, 2, 3, 0);
    DodajMoment(zad, 1, 1, -4, 1);
    DodajTrojkat(zad, 1, 0, 4, 5, 2, 0);
    struct Lista {
        TEdytowanieObciazen* okno;
        const char *siatka, *usun, *edytuj;
        std::vector<std::string> wiersz;
        std::string pytanie, brakUsuniecia, brakEdycji;
    };
    const std::vector<Lista> listy{
        {&dialogi->EdytowanieLiniowe(),
         "SG_TabL",
         "UsunSile",
         "EdytowanieSil",
         {"1", "0,50", "2,00", "3,00", "1", "1   Stałe"},
         "Potwierdź usuwanie obciążenia 3,00[kN]; poł. 0,50-2,00[m]",
         "Nie wskazano obciążenia liniowego do usunięcia!",
         "Nie wskazano siły do edycji!"},
        {&dialogi->EdytowanieMomentow(),
         "SG_TabM",
         "UsunMomentu",
         "EdytowanieMomentu",
         {"1", "1,00", "-4,00", "2", "2   Wiatr"},
         "Potwierdź usuwanie momentu -4,00[kN]; położenie 1,00[m]",
         "Nie wskazano momentu do usunięcia!",
         "Nie wskazano momentu do edycji!"},
        {&dialogi->EdytowanieTrojkat(),
         "SG_TabL",
         "UsunSile",
         "EdytowanieSil",
         {"1", "0,00", "4,00", "5,00", "2,00", "2", "1   Stałe"},
         "Potwierdź usuwanie obciążenia 5,00 - 2,00[kN]; poł. 0,00-4,00[m]",
         "Nie wskazano obciążenia liniowego do usunięcia!",
         "Nie wskazano siły do edycji!"},
    };
    kom.Odpowiedz = false;
    for (const Lista& l : listy) {
        SCOPED_TRACE(l.okno->objectName().toStdString());
        l.okno->Pokaz();
        EXPECT_EQ(Wiersz(l.okno, l.siatka, 1), l.wiersz);
        kom.Pytania.clear();
        K<QTableWidget>(l.okno, l.siatka)->setCurrentCell(1, 0);
        Kliknij(l.okno, l.usun);
        EXPECT_EQ(kom.Pytania, std::vector<std::string>{l.pytanie});
        // A number whose slot is free: the row of a load deleted meanwhile.
        K<QTableWidget>(l.okno, l.siatka)->item(1, 0)->setText("2");
        kom.Komunikaty.clear();
        Kliknij(l.okno, l.usun);
        Kliknij(l.okno, l.edytuj);
        EXPECT_EQ(kom.Komunikaty, (std::vector<std::string>{l.brakUsuniecia, l.brakEdycji}));
        l.okno->close();
    }
}

} // namespace
