#include "Okna.h"

#include "model/Budowa.h"

#include <QComboBox>

namespace {

class Geometria : public Okna {
protected:
    QWidget* okno() { return &dialogi->OknoGeometrii(); }
};

TEST_F(Geometria, FewerSpansDeleteTheLoadsOfTheRestAlsoFromConsecutiveSlots)
{
    UstawGeometrie(zad, {4, 4, 4, 4}, false, false);
    for (const int przeslo : {0, 2, 3, 1, 3})
        DodajSile(zad, przeslo, 1, float(przeslo + 1));
    DodajLiniowe(zad, 3, 0, 1, 1);
    DodajMoment(zad, 2, 1, 1);
    DodajTrojkat(zad, 2, 0, 1, 1, 1);
    Zatwierdz({"4", "4"});
    EXPECT_EQ(std::tuple(IloscUzytych(zad.Sily), zad.Sily[0].Wartosc, zad.Sily[1].Wartosc, bool(zad.Liniowe[0].Uzyta),
                         bool(zad.Momenty[0].Uzyta), bool(zad.Trojkaty[0].Uzyta)),
              std::tuple(2, 1.0f, 2.0f, false, false, false));
}

// Before, nothing pinned that a shortened span leaves the other spans' loads where they are.
TEST_F(Geometria, ShorteningOneSpanMovesOrCutsOnlyItsOwnLoadsAndDeletesALineLoadCutToNoLength)
{
    UstawGeometrie(zad, {6, 6}, false, false);
    DodajSile(zad, 1, 5, 10);
    DodajMoment(zad, 1, 5, 4);
    DodajLiniowe(zad, 1, 4, 6, 2);
    DodajTrojkat(zad, 1, 5, 6, 1, 2);
    DodajLiniowe(zad, 0, 3, 6, 3);    // cut at 3 m to no length
    DodajTrojkat(zad, 0, 3, 5, 1, 1); // likewise
    DodajSile(zad, 0, 5, 7);          // moved to the new end
    DodajLiniowe(zad, 0, 1, 5, 2);    // cut to 1–3 m
    Zatwierdz({"3", "6"});
    EXPECT_EQ(std::tuple(zad.Sily[0].Przeslo, zad.Sily[0].X, zad.Sily[0].XAbs, zad.Sily[1].X, zad.Sily[1].XAbs),
              std::tuple(1, 5.0f, 8.0f, 3.0f, 3.0f));
    EXPECT_EQ(std::tuple(zad.Momenty[0].X, zad.Momenty[0].XAbs), std::tuple(5.0f, 8.0f));
    ASSERT_EQ(std::tuple(IloscUzytych(zad.Liniowe), IloscUzytych(zad.Trojkaty)), std::tuple(2, 1));
    EXPECT_EQ(std::tuple(zad.Liniowe[1].X1, zad.Liniowe[1].X2, zad.Liniowe[1].X2Abs, zad.Liniowe[1].Wartosc),
              std::tuple(1.0f, 3.0f, 3.0f, 2.0f));
    EXPECT_EQ(std::tuple(zad.Liniowe[0].Przeslo, zad.Liniowe[0].X1, zad.Liniowe[0].X2, zad.Liniowe[0].X2Abs),
              std::tuple(1, 4.0f, 6.0f, 9.0f));
    EXPECT_EQ(std::tuple(zad.Trojkaty[0].Przeslo, zad.Trojkaty[0].X1, zad.Trojkaty[0].X2), std::tuple(1, 5.0f, 6.0f));
}

TEST_F(Geometria, ABadCellOrDefaultIsNamedAndLeavesTheTaskAndTheGridAsTheyWere)
{
    UstawGeometrie(zad, {6, 6}, false, false);
    DodajSile(zad, 1, 5, 10);
    zad.DoPrzeliczenia = false;
    const std::string przed = Plik();
    struct Przypadek {
        std::vector<std::string> komorki;
        std::string domyslna;
        std::string komunikat;
    };
    for (const Przypadek& p : {
             Przypadek{{"3", "4.5,0"}, "4,00", "'4.5,0' is not a valid floating point value"}, // two separators
             Przypadek{{"3", ""}, "x", "'x' is not a valid floating point value"},
             Przypadek{{"3", "0", "-1"}, "4,00", "Przęsło 2: rozpiętość musi być większa od zera."},
             Przypadek{{"3", ""}, "-2", "Przęsło 2: rozpiętość musi być większa od zera."},
             Przypadek{{"1000,5"}, "4,00", "Przęsło 1: rozpiętość nie może przekraczać 1000 m."},
         }) {
        kom.Komunikaty.clear();
        K<QLineEdit>(okno(), "EDomyslnaRozp")->setText(QString::fromStdString(p.domyslna));
        Zatwierdz(p.komorki, true, true);
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{p.komunikat});
        EXPECT_EQ(Plik(), przed);
        EXPECT_TRUE(okno()->isVisible() && !zad.DoPrzeliczenia);
        for (size_t i = 0; i < p.komorki.size(); ++i) // an empty cell stays empty
            EXPECT_EQ(Komorka(okno(), "SGRozpietosci", int(i) + 1, 1), p.komorki[i]);
        okno()->hide();
    }
    EXPECT_EQ(przerysowania, 0);
    // 1000 m itself is a span the analysis can take.
    Zatwierdz({"1000"});
    EXPECT_EQ(zad.Przesla.at(0).L, 1000.0f);
}

TEST_F(Geometria, CancellingOrANewTaskKeepsWhatWasTypedButChangesNothing)
{
    Zatwierdz({"5", "6"});
    dialogi->Geometria();
    Wpisz(okno(), "SGRozpietosci", 1, 1, "7");
    Kliknij(okno(), "CB_LewaPrzegub");
    Kliknij(okno(), "Rezygnuj");
    EXPECT_EQ(std::tuple(zad.Przesla[0].L, zad.LewyPrzegub, przerysowania), std::tuple(5.0f, false, 2));

    NowyTemat(zad);
    dialogi->NowyTemat();
    dialogi->Geometria();
    EXPECT_EQ(std::tuple(Komorka(okno(), "SGRozpietosci", 1, 1), K<QCheckBox>(okno(), "CB_LewaPrzegub")->isChecked()),
              std::tuple(std::string("7"), true));
}

// Before, confirming wrote E = J = 1 into every span: a file with a steel
// and a concrete span came back with other moments after "Wprowadź" alone.
TEST_F(Geometria, ConfirmingATaskReadFromAFileKeepsEverySpansEAndJ)
{
    TDaneZadania zapisane;
    NowyTemat(zapisane);
    UstawGeometrie(zapisane, {6, 5, 4}, false, true);
    const std::vector<std::pair<float, float>> sztywnosci{
        {2.1e8f, 8.356e-5f}, {3.2e7f, 0.0054f}, {2.05e8f, 1.2345678e-4f}};
    for (size_t i = 0; i < 3; ++i)
        std::tie(zapisane.Przesla[i].E, zapisane.Przesla[i].J) = sztywnosci[i];
    std::string tekst, blad;
    ASSERT_TRUE(ZapiszDoTekstu(zapisane, separator, "Data zapisu", tekst, blad)) << blad;
    TOdczyt odczyt = CzytajTekst(tekst);
    ASSERT_TRUE(odczyt.Zadanie) << odczyt.Blad;
    PrzyjmijWczytane(zad, std::move(*odczyt.Zadanie));
    dialogi->PoOdczycie(odczyt.Widoki);

    dialogi->Geometria();
    // J in cm⁴ and E in GPa, as typed.
    EXPECT_EQ(std::tuple(Komorka(okno(), "SGRozpietosci", 1, 2), Komorka(okno(), "SGRozpietosci", 1, 3)),
              std::tuple("8356", "210"));
    Kliknij(okno(), "Wprowadz");
    ASSERT_TRUE(kom.Komunikaty.empty()) << kom.Komunikaty.front();
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::pair(zad.Przesla[i].E, zad.Przesla[i].J), sztywnosci[i]) << i;
}

TEST_F(Geometria, TypedStiffnessIsStoredInTheTasksUnitsAndANewSpanTakesTheLastOnes)
{
    Zatwierdz({"5"});
    EXPECT_EQ(std::pair(zad.Przesla[0].E, zad.Przesla[0].J), std::pair(1.0f, 1.0f)); // a new task
    dialogi->Geometria();
    Wpisz(okno(), "SGRozpietosci", 1, 2, "8356");
    Wpisz(okno(), "SGRozpietosci", 1, 3, "210");
    Kliknij(okno(), "Wprowadz");
    EXPECT_FLOAT_EQ(zad.Przesla[0].J, 8.356e-5f);
    EXPECT_FLOAT_EQ(zad.Przesla[0].E, 2.1e8f);
    Zatwierdz({"5", "6"});
    EXPECT_EQ(std::pair(zad.Przesla[1].E, zad.Przesla[1].J), std::pair(zad.Przesla[0].E, zad.Przesla[0].J));
    EXPECT_EQ(Komorka(okno(), "SGRozpietosci", 2, 2), "8356");

    // Zero, a negative value or no number: named, and nothing changes.
    for (const auto& [wiersz, komorka, komunikat] :
         {std::tuple{2, "0", "Przęsło 2: moment bezwładności musi być dodatni."},
          std::tuple{3, "-30", "Przęsło 2: moduł Younga musi być dodatni."},
          std::tuple{2, "abc", "'abc' is not a valid floating point value"}}) {
        const std::string przed = Plik();
        kom.Komunikaty.clear();
        dialogi->Geometria();
        Wpisz(okno(), "SGRozpietosci", 2, wiersz, komorka);
        Kliknij(okno(), "Wprowadz");
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{komunikat});
        EXPECT_EQ(Plik(), przed);
        Kliknij(okno(), "Rezygnuj");
    }
}

TEST_F(Geometria, ThePanelsFillTheChosenSpanOrEverySpanFromAClassASectionOrAValue)
{
    Zatwierdz({"5", "6", "4"});
    dialogi->Geometria();
    QTableWidget* siatka = K<QTableWidget>(okno(), "SGRozpietosci");
    // No span chosen: said so, nothing written.
    siatka->setCurrentCell(1, 0);
    Kliknij(okno(), "WstawProfil");
    EXPECT_EQ(kom.Komunikaty.size(), 1u);
    // A rolled section from the shipped table into span 2.
    siatka->setCurrentCell(1, 2);
    K<QComboBox>(okno(), "CB_Profil")->setCurrentText("HEB 200");
    Kliknij(okno(), "WstawProfil");
    EXPECT_EQ(Komorka(okno(), "SGRozpietosci", 2, 2), "5696");
    // A 30 × 60 cm rectangle into span 3.
    siatka->setCurrentCell(1, 3);
    K<QLineEdit>(okno(), "E_B")->setText("30");
    K<QLineEdit>(okno(), "E_H")->setText("60");
    Kliknij(okno(), "WstawProstokat");
    EXPECT_EQ(Komorka(okno(), "SGRozpietosci", 3, 2), "540000");
    // A value with its unit into span 1.
    siatka->setCurrentCell(1, 1);
    K<QLineEdit>(okno(), "E_Moment")->setText("0,8356");
    K<QComboBox>(okno(), "CB_J_jednostki")->setCurrentText("dm4");
    Kliknij(okno(), "WstawMoment");
    EXPECT_EQ(Komorka(okno(), "SGRozpietosci", 1, 2), "8356");
    // Concrete C30/37 (Ecm 33 GPa) into every span, then 21 000 kN/cm² into span 1.
    Kliknij(okno(), "CB_Wszystkie");
    K<QComboBox>(okno(), "ComboBeton")->setCurrentText("C30/37");
    Kliknij(okno(), "WstawMaterial");
    Kliknij(okno(), "CB_Wszystkie");
    K<QLineEdit>(okno(), "E_Modul")->setText("21000");
    K<QComboBox>(okno(), "CB_Jednostki")->setCurrentText("kN/cm2");
    Kliknij(okno(), "WstawModul");
    EXPECT_EQ(std::tuple(Komorka(okno(), "SGRozpietosci", 1, 3), Komorka(okno(), "SGRozpietosci", 2, 3),
                         Komorka(okno(), "SGRozpietosci", 3, 3)),
              std::tuple("210", "33", "33"));
    Kliknij(okno(), "Wprowadz");
    EXPECT_EQ(kom.Komunikaty.size(), 1u);
    EXPECT_FLOAT_EQ(zad.Przesla[1].J, 5696e-8f);
    EXPECT_FLOAT_EQ(zad.Przesla[2].J, 540000e-8f);
    EXPECT_FLOAT_EQ(zad.Przesla[0].E, 210e6f);
    EXPECT_FLOAT_EQ(zad.Przesla[2].E, 33e6f);
}

} // namespace
