// The four load-entry dialogs driven through their controls, and the refusals left to the program.
#include "Okna.h"

#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/ZapisObciazen.h"
#include "model/Budowa.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <optional>
#include <tuple>
#include <vector>

namespace {

class Obciazenia : public Okna {
protected:
    void SetUp() override
    {
        Okna::SetUp();
        UstawGeometrie(zad, {3, 5.5f, 4}, false, false);
        DodajGrupe(zad, "Wiatr", 0);
        DodajGrupe(zad, "Snieg", 0);
        dialogi->ListaGrup().Odbuduj(zad);
    }
    static void Grupa(QWidget* okno, const QString& tekst)
    {
        Zastap(K<QComboBox>(okno, "CB_Grupy")->lineEdit(), tekst);
    }
    static QString Tekst(QWidget* okno, const char* edycja) { return K<QLineEdit>(okno, edycja)->text(); }
};

TEST_F(Obciazenia, TheForceAndMomentDialogsCheckWhatWasTypedAsTheirRulesSay)
{
    struct Przypadek {
        bool moment;
        const char *wartosc, *polozenie, *grupa;
        std::vector<std::string> komunikaty;
        std::optional<std::tuple<float, float, int32_t>> zapisane; // value, X, group
        const char *wartoscPotem, *polozeniePotem;
    };
    const std::string poza = "Położenie siły musi mieć wartość nie większą niż długość belki!",
                      zlePolozenie = "Nieprawidłowa wartość położenia siły!", zlaGrupa = "Nieprawidłowa grupa obciążeń";
    const std::vector<Przypadek> przypadki{
        {false, "2.5", "1", "1 Stale", {}, std::tuple(2.5f, 1.0f, 0), "2,50", "1,00"},
        {false, "0", "1", "1 Stale", {"Siła musi mieć wartość dodatnią!"}, {}, "0,00", "1"},
        {true, "-3", "0,5", "2 Wiatr", {}, std::tuple(-3.0f, 0.5f, 1), "-3,00", "0,50"},
        {true, "0", "1", "1 Stale", {"Moment musi mieć wartość różną od 0!"}, {}, "0,00", "1"},
        // The span is 3 m long: its end is accepted when typed.
        {false, "1", "3", "1 Stale", {}, std::tuple(1.0f, 3.0f, 0), "1,00", "3,00"},
        {false, "1", "3,01", "1 Stale", {poza}, {}, "1,00", "3,01"},
        {false, "1", "-1", "1 Stale", {"Położenie siły musi mieć wartość dodatnią!"}, {}, "1,00", "-1,00"},
        // Only the last of the value and position messages, the group's in a box of its own.
        {false, "x", "y", "1 Stale", {zlePolozenie}, {}, "x", "y"},
        {false, "x", "y", "Wiatr", {zlePolozenie, zlaGrupa}, {}, "x", "y"},
        {false, "4", "1", "  3 Snieg", {}, std::tuple(4.0f, 1.0f, 2), "4,00", "1,00"},
        // A group that does not exist is refused, not stored.
        {false, "4", "1", "4 Inna", {zlaGrupa}, {}, "4,00", "1,00"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(std::string(p.wartosc) + " / " + p.polozenie + " / " + p.grupa);
        TDodajObciazenie& d = p.moment ? static_cast<TDodajObciazenie&>(dialogi->DodajMoment())
                                       : static_cast<TDodajObciazenie&>(dialogi->DodajSile());
        const auto& tabela = p.moment ? zad.Momenty : zad.Sily;
        const int32_t przed = IloscUzytych(tabela);
        const std::string plik = Plik();
        d.Przygotuj();
        d.Pokaz();
        Zastap(&d, "Wartosc", QString::fromUtf8(p.wartosc));
        Zastap(&d, "Polozenie", QString::fromUtf8(p.polozenie));
        Grupa(&d, QString::fromUtf8(p.grupa));
        kom.Komunikaty.clear();
        Kliknij(&d, "Wprowadz");
        EXPECT_EQ(kom.Komunikaty, p.komunikaty);
        EXPECT_EQ(std::tuple(Tekst(&d, "Wartosc").toStdString(), Tekst(&d, "Polozenie").toStdString()),
                  std::tuple(std::string(p.wartoscPotem), std::string(p.polozeniePotem)));
        if (p.zapisane) {
            ASSERT_EQ(IloscUzytych(tabela), przed + 1);
            const TSila& s = tabela[size_t(przed)];
            EXPECT_EQ(std::tuple(s.Wartosc, s.X, s.Grupa, s.Przeslo), std::tuple_cat(*p.zapisane, std::tuple(0)));
        } else {
            EXPECT_EQ(Plik(), plik);
        }
        EXPECT_TRUE(d.isVisible()); // several loads one after another
        d.close();
    }
}

TEST_F(Obciazenia, ScrollBarsAndPresetsFillTheEditsAndTheSpanSetsTheRanges)
{
    TDodajSile& d = dialogi->DodajSile();
    d.Przygotuj();
    d.Pokaz();
    QScrollBar* pol = K<QScrollBar>(&d, "SBPolozenie");
    Kliknij(&d, "Button4");
    EXPECT_EQ(std::tuple(pol->value(), Tekst(&d, "Polozenie")), std::tuple(200, QString("2,00")));
    K<QScrollBar>(&d, "SBSilawart")->setValue(7);
    EXPECT_EQ(Tekst(&d, "Wartosc"), "7,00");
    K<QScrollBar>(&d, "SBPrzeslo")->setValue(1);
    EXPECT_EQ(std::tuple(K<QLabel>(&d, "LNrPrzesla")->text(), K<QLabel>(&d, "LMaxLPrzesla")->text(), pol->maximum()),
              std::tuple(QString("2"), QString("5,50)"), 549));
    Kliknij(&d, "Wprowadz");
    // X0 of the second span is 3 m.
    EXPECT_EQ(
        std::tuple(IloscUzytych(zad.Sily), zad.Sily[0].Przeslo, zad.Sily[0].X, zad.Sily[0].XAbs, zad.Sily[0].Wartosc),
        std::tuple(1, 1, 2.0f, 5.0f, 7.0f));
    EXPECT_TRUE(zad.NieZapisane && zad.DoPrzeliczenia && przerysowania == 0); // the repaint is the window's
    d.close();
}

TEST_F(Obciazenia, AfterAChangeTheForceDialogClosesAndTheMomentDialogStaysOpenToAdd)
{
    DodajSile(zad, 0, 1, 5, 0);
    DodajMoment(zad, 2, 1, 5, 0);
    for (const bool moment : {false, true}) {
        SCOPED_TRACE(moment);
        TDodajObciazenie& d = moment ? static_cast<TDodajObciazenie&>(dialogi->DodajMoment())
                                     : static_cast<TDodajObciazenie&>(dialogi->DodajSile());
        const auto rodzaj = moment ? TRodzajObciazenia::Moment : TRodzajObciazenia::Sila;
        d.PrzygotujZmiane(*PolaDoZmiany(zad, rodzaj, 0, ','));
        d.Pokaz();
        EXPECT_EQ(std::tuple(Tekst(&d, "Wartosc"), Tekst(&d, "Polozenie"), K<QComboBox>(&d, "CB_Grupy")->currentText()),
                  std::tuple(QString("5,00"), QString("1,00"), QString("1  Stałe")));
        Zastap(&d, "Wartosc", "6");
        Kliknij(&d, "Wprowadz");
        const auto& t = moment ? zad.Momenty : zad.Sily;
        EXPECT_EQ(std::tuple(IloscUzytych(t), t[0].Wartosc, d.isVisible()), std::tuple(1, 6.0f, moment));
        EXPECT_EQ(K<QPushButton>(&d, "Wprowadz")->text(), "Wprowadź"); // adding again
        d.close();
    }
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{});
}

TEST_F(Obciazenia, TheUniformAndLinearlyVaryingDialogsReachTheSpanEndAndSplitTheirValues)
{
    TDodajLiniowe& l = dialogi->DodajLiniowe();
    l.Przygotuj();
    l.Pokaz();
    EXPECT_EQ(std::tuple(K<QScrollBar>(&l, "SBPolozenie2")->value(), Tekst(&l, "pol_konc")),
              std::tuple(300, QString("3,00")));
    struct Przypadek {
        const char *wartosc, *pocz, *konc;
        std::vector<std::string> komunikaty;
    };
    for (const Przypadek& p : std::vector<Przypadek>{
             {"2", "1,5", "1,5", {"Położenie obciażenia końcowe musi być większe od początkowego !"}},
             {"2", "0", "3,5", {"Położenie obciążenia musi mieć wartość nie większą niż długość belki (koniec)!"}},
             // Either separator, the texts left as typed.
             {"2.0", "0", "3.0", {}}}) {
        Zastap(&l, "Wartosc", p.wartosc);
        Zastap(&l, "pol_pocz", p.pocz);
        Zastap(&l, "pol_konc", p.konc);
        kom.Komunikaty.clear();
        Kliknij(&l, "Wprowadz");
        EXPECT_EQ(kom.Komunikaty, p.komunikaty) << p.wartosc << " " << p.pocz << " " << p.konc;
        EXPECT_EQ(Tekst(&l, "Wartosc"), p.wartosc); // not rewritten
    }
    ASSERT_EQ(IloscUzytych(zad.Liniowe), 1);
    EXPECT_EQ(std::tuple(zad.Liniowe[0].X1, zad.Liniowe[0].X2, zad.Liniowe[0].Wartosc), std::tuple(0.0f, 3.0f, 2.0f));
    l.close();

    TDodajTroj& t = dialogi->DodajTroj();
    t.Przygotuj();
    t.Pokaz();
    const std::vector<std::tuple<const char*, const char*, std::vector<std::string>>> wartosci{
        {"0", "5", {}}, {"5", "2", {}}, {"0", "0", {"Obciążenie musi mieć wartość dodatnią!"}}};
    for (const auto& [q1, q2, komunikaty] : wartosci) {
        Zastap(&t, "Wr_pocz", q1);
        Zastap(&t, "Wr_konc", q2);
        kom.Komunikaty.clear();
        Kliknij(&t, "Wprowadz");
        EXPECT_EQ(kom.Komunikaty, komunikaty) << q1 << " " << q2;
    }
    EXPECT_EQ(std::tuple(IloscUzytych(zad.Trojkaty), zad.Trojkaty[1].WartoscStala), std::tuple(2, 2.0f)); // split
    t.close();
}

TEST_F(Obciazenia, AFullTableAndAVanishedSlotAreRefusedWithNothingWritten)
{
    using R = TRodzajObciazenia;
    const TPolaObciazenia punkt{0, "1", "", "1", "", "1 Stale", {}}, odcinek{0, "1", "2", "0", "1", "1 Stale", {}};
    const std::tuple<R, TPolaObciazenia, const char*, const char*> rodzaje[] = {
        {R::Sila, punkt, "Tabela sił jest pełna (100). Usuń siłę, aby dodać nową.", "Nie wskazano siły do edycji!"},
        {R::Moment, punkt, "Tabela momentów jest pełna (100). Usuń moment, aby dodać nowy.",
         "Nie wskazano momentu do edycji!"},
        {R::Liniowe, odcinek, "Tabela obciążeń równomiernych jest pełna (100). Usuń obciążenie, aby dodać nowe.",
         "Nie wskazano siły do edycji!"},
        {R::Trojkat, odcinek, "Tabela obciążeń liniowo zmiennych jest pełna (100). Usuń obciążenie, aby dodać nowe.",
         "Nie wskazano siły do edycji!"},
    };
    for (const auto& [rodzaj, pola, pelna, brak] : rodzaje) {
        SCOPED_TRACE(int(rodzaj));
        NowyTemat(zad);
        UstawGeometrie(zad, {3}, false, false);
        DodajGrupe(zad, "Wiatr", 0);
        const auto zapisz = [&](TPolaObciazenia p) {
            zad.NieZapisane = false;
            const std::string przed = Plik();
            const TWynikZapisu w = ZapiszObciazenie(zad, rodzaj, p, ',');
            EXPECT_TRUE(!w.Zapisano && Plik() == przed && !zad.NieZapisane);
            return w.Komunikaty;
        };
        // A change prepared for a slot, then the task replaced by one without loads.
        TPolaObciazenia zmiana = pola;
        for (const int32_t numer : {0, 100}) {
            zmiana.Numer = numer;
            EXPECT_EQ(zapisz(zmiana), std::vector<std::string>{brak});
        }
        for (int i = 0; i < 100; ++i) {
            TPolaObciazenia nowe = pola;
            ASSERT_TRUE(ZapiszObciazenie(zad, rodzaj, nowe, ',').Zapisano);
        }
        EXPECT_EQ(zapisz(pola), std::vector<std::string>{pelna});
        // With the table full a change still goes into its own slot.
        zmiana.Numer = 99;
        zmiana.Grupa = "2 Wiatr";
        EXPECT_TRUE(ZapiszObciazenie(zad, rodzaj, zmiana, ',').Zapisano);
    }
}

} // namespace

// Numbers a single-precision field cannot hold, typed into every dialog: before, 1e39 was stored as INF
// (nothing could be computed or saved afterwards), 1e-300 became 0 and a span of 1E-45 m was taken.
namespace {

// Too large for a float, turned into 0, turned into a subnormal.
const char* const PozaFloat[] = {"1e39", "1e-300", "1E-45"};

struct TPoleObciazenia {
    const char* edycja;
    const char* dobre;     // what the other cases type into it
    const char* komunikat; // its own message for what is no number
};

class Granice : public Obciazenia {
protected:
    // Every edit of the dialog filled with good texts, then one replaced; Wprowadź clicked.
    std::vector<std::string> Wprowadz(QWidget* d, const std::vector<TPoleObciazenia>& pola, const char* edycja,
                                      const char* tekst)
    {
        for (const TPoleObciazenia& p : pola)
            Zastap(d, p.edycja, QString::fromUtf8(p.edycja == std::string(edycja) ? tekst : p.dobre));
        kom.Komunikaty.clear();
        Kliknij(d, "Wprowadz");
        return kom.Komunikaty;
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
                EXPECT_EQ(Wprowadz(d.okno, d.pola, p.edycja, liczba), std::vector<std::string>{p.komunikat})
                    << p.edycja << " " << liczba;
        for (const auto& [edycja, tekst, komunikat] : d.zaDuze)
            EXPECT_EQ(Wprowadz(d.okno, d.pola, edycja, tekst), std::vector<std::string>{komunikat}) << tekst;
        EXPECT_EQ(Plik(), przed) << "nothing stored";
        EXPECT_TRUE(d.okno->isVisible());
        EXPECT_EQ(Wprowadz(d.okno, d.pola, d.pola[0].edycja, d.najwieksza), std::vector<std::string>{});
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
