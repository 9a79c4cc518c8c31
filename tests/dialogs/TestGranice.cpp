// Numbers a single-precision field cannot hold, typed into every dialog: before, 1e39 was stored as INF
// (nothing could be computed or saved afterwards), 1e-300 became 0 and a span of 1E-45 m was taken.
#include "Okna.h"

#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/ListaGrup.h"
#include "model/Budowa.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Too large for a float, turned into 0, turned into a subnormal.
const char* const PozaFloat[] = {"1e39", "1e-300", "1E-45"};

class Granice : public Okna {
protected:
    void SetUp() override
    {
        Okna::SetUp();
        UstawGeometrie(zad, {3, 5.5f, 4}, false, false);
        dialogi->ListaGrup().Odbuduj(zad);
    }
    // A grid cell typed into: F2 opens the cell's editor, the old text is deleted, Return closes the editor.
    static void WpiszKlawiszami(QWidget* okno, const char* siatka, int c, int j, const std::string& tekst)
    {
        QTableWidget* s = K<QTableWidget>(okno, siatka);
        s->setCurrentCell(j, c);
        QTest::keyClick(s, Qt::Key_F2);
        QLineEdit* edytor = nullptr;
        for (QLineEdit* e : s->findChildren<QLineEdit*>())
            if (e->isVisible())
                edytor = e;
        ASSERT_NE(edytor, nullptr) << "no editor opened";
        Zastap(edytor, QString::fromStdString(tekst));
        QTest::keyClick(edytor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the item view takes the editor's text queued
        ASSERT_EQ(Komorka(okno, siatka, c, j), tekst);
    }
};

struct TPoleObciazenia {
    const char* edycja;
    const char* dobre;     // what the other cases type into it
    const char* komunikat; // its own message for what is no number
};

// Every edit of the dialog filled with good texts, then one replaced; Wprowadź clicked.
std::vector<std::string> Wprowadz(QWidget* d, const std::vector<TPoleObciazenia>& pola, const char* edycja,
                                  const char* tekst, TRejestrKomunikatow& kom)
{
    for (const TPoleObciazenia& p : pola) {
        QLineEdit* e = d->findChild<QLineEdit*>(QString::fromLatin1(p.edycja));
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::fromUtf8(p.edycja == std::string(edycja) ? tekst : p.dobre));
    }
    kom.Komunikaty.clear();
    QAbstractButton* b = d->findChild<QAbstractButton*>(QStringLiteral("Wprowadz"));
    QTest::mouseClick(b, Qt::LeftButton);
    return kom.Komunikaty;
}

} // namespace

TEST_F(Granice, EachLoadDialogRefusesWhatAFloatCannotHoldWithTheFieldsOwnMessageAndNamesAValueNoBeamHas)
{
    struct TDialog {
        TDodajObciazenie* okno;
        std::vector<TPoleObciazenia> pola;
        std::vector<std::tuple<const char*, const char*, std::string>> zaDuze; // edit, text, message
        const char* najwieksza; // into the first edit: the largest value a beam may have, taken
    };
    const std::vector<TDialog> dialogi_{
        {&dialogi->DodajSile(),
         {{"Wartosc", "10", "Nieprawidłowa wartość siły!"},
          {"Polozenie", "1", "Nieprawidłowa wartość położenia siły!"}},
         {{"Wartosc", "1000000,01", "Wartość siły nie może przekraczać 1000000 kN!"}},
         "1000000"},
        {&dialogi->DodajMoment(),
         {{"Wartosc", "-10", "Nieprawidłowa wartość momentu!"},
          {"Polozenie", "1", "Nieprawidłowa wartość położenia momentu!"}},
         {{"Wartosc", "-2e6", "Wartość bezwzględna momentu nie może przekraczać 1000000 kNm!"}},
         "-1000000"},
        {&dialogi->DodajLiniowe(),
         {{"Wartosc", "5", "Nieprawidłowa wartość siły!"},
          {"pol_pocz", "0", "Nieprawidłowa wartość położenia obciąźenia (początek)!"},
          {"pol_konc", "2", "Nieprawidłowa wartość położenia obciąźenia (koniec)!"}},
         {{"Wartosc", "1e14", "Wartość obciążenia nie może przekraczać 1000000 kN/m!"}},
         "1000000"},
        {&dialogi->DodajTroj(),
         {{"Wr_pocz", "1", "Nieprawidłowa wartość początkowa obciążenia!"},
          {"Wr_konc", "2", "Nieprawidłowa wartość końcowa obciążenia!"},
          {"pol_pocz", "0", "Nieprawidłowa wartość położenia obciążenia (początek)!"},
          {"pol_konc", "2", "Nieprawidłowa wartość położenia obciążenia (koniec)!"}},
         {{"Wr_pocz", "1e14", "Wartość początkowa obciążenia nie może przekraczać 1000000 kN/m!"},
          {"Wr_konc", "3e38", "Wartość końcowa obciążenia nie może przekraczać 1000000 kN/m!"}},
         "1000000"},
    };
    for (const TDialog& d : dialogi_) {
        SCOPED_TRACE(d.okno->objectName().toStdString());
        d.okno->Przygotuj();
        d.okno->Pokaz();
        const std::string przed = Plik();
        for (const TPoleObciazenia& p : d.pola)
            for (const char* liczba : PozaFloat)
                EXPECT_EQ(Wprowadz(d.okno, d.pola, p.edycja, liczba, kom), std::vector<std::string>{p.komunikat})
                    << p.edycja << " " << liczba;
        for (const auto& [edycja, tekst, komunikat] : d.zaDuze)
            EXPECT_EQ(Wprowadz(d.okno, d.pola, edycja, tekst, kom), std::vector<std::string>{komunikat}) << tekst;
        EXPECT_EQ(Plik(), przed) << "nothing stored";
        EXPECT_TRUE(d.okno->isVisible());
        EXPECT_EQ(Wprowadz(d.okno, d.pola, d.pola[0].edycja, d.najwieksza, kom), std::vector<std::string>{});
        d.okno->close();
    }
    EXPECT_EQ(std::tuple(zad.Sily[0].Wartosc, zad.Momenty[0].Wartosc, zad.Liniowe[0].Wartosc,
                         zad.Trojkaty[0].WartoscMalejaca),
              std::tuple(1e6f, -1e6f, 1e6f, 1e6f - 2));
}

TEST_F(Granice, TheGeometryRefusesWhatAFloatCannotHoldAndASpanUnderOneCentimetre)
{
    DodajSile(zad, 1, 5, 10);
    const std::string przed = Plik();
    QWidget* g = &dialogi->OknoGeometrii();
    const auto zatwierdz = [&](const char* komorka, const char* domyslna) {
        dialogi->Geometria();
        K<QScrollBar>(g, "SBPrzesla")->setValue(2);
        WpiszKlawiszami(g, "SGRozpietosci", 1, 1, "3");
        WpiszKlawiszami(g, "SGRozpietosci", 2, 1, komorka);
        Zastap(g, "EDomyslnaRozp", domyslna);
        kom.Komunikaty.clear();
        Kliknij(g, "Wprowadz");
        return kom.Komunikaty;
    };
    for (const char* liczba : PozaFloat) {
        EXPECT_EQ(zatwierdz(liczba, "4"),
                  std::vector<std::string>{"'" + std::string(liczba) + "' is not a valid floating point value"});
        EXPECT_EQ(zatwierdz("", liczba),
                  std::vector<std::string>{"'" + std::string(liczba) + "' is not a valid floating point value"});
    }
    EXPECT_EQ(zatwierdz("0,009", "4"),
              std::vector<std::string>{"Przęsło 2: rozpiętość musi wynosić co najmniej 1 cm."});
    EXPECT_EQ(Plik(), przed);
    EXPECT_EQ(zatwierdz("0,01", "4"), std::vector<std::string>{});
    EXPECT_EQ(zad.Przesla.at(1).L, 0.01f);
}

TEST_F(Granice, TheCoefficientTableAndTheSettingsRefuseWhatAFloatCannotHoldWithTheirOwnMessages)
{
    QWidget* t = &dialogi->OknoTabeli();
    dialogi->Tabela();
    for (const char* liczba : PozaFloat) {
        WpiszKlawiszami(t, "Tabela", 1, 1, liczba);
        kom.Komunikaty.clear();
        Kliknij(t, "Button3");
        EXPECT_EQ(kom.Komunikaty,
                  std::vector<std::string>{"Błędny współczynnik obciążenia Kombinacja - 1; Grupa - 1 !"})
            << liczba;
        EXPECT_EQ(zad.Wspolczynniki[0][0], 1.0f);
    }
    WpiszKlawiszami(t, "Tabela", 1, 1, "1e4");
    Kliknij(t, "Button3");
    EXPECT_EQ(kom.Komunikaty.back(),
              "Współczynnik obciążenia Kombinacja - 1; Grupa - 1 musi mieć wartość od -1000 do 1000!");
    WpiszKlawiszami(t, "Tabela", 1, 1, "-1000");
    Kliknij(t, "Button3");
    EXPECT_EQ(zad.Wspolczynniki[0][0], -1000.0f);

    QWidget* u = &dialogi->OknoUstawien();
    for (const char* liczba : PozaFloat) {
        dialogi->Ustawienia();
        Zastap(u, "Schem_Xo", liczba);
        kom.Komunikaty.clear();
        Kliknij(u, "Powrot");
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Nieprawidłowa wartość X - SCHEMAT!"}) << liczba;
        Zastap(u, "Schem_Xo", "3");
        Zastap(K<QComboBox>(u, "CB_SkalaX")->lineEdit(), liczba);
        kom.Komunikaty.clear();
        Kliknij(u, "Powrot");
        EXPECT_EQ(kom.Komunikaty,
                  std::vector<std::string>{"'" + std::string(liczba) + "' is not a valid floating point value"});
        // Taken at once while typed ("1e3"), but never beyond the scales a sheet can show ("1e-30").
        EXPECT_TRUE(zad.SkalaX >= 1 && zad.SkalaX <= 1e5 && zad.Nastawy.SchematX == 3) << zad.SkalaX;
        u->hide();
    }
}
