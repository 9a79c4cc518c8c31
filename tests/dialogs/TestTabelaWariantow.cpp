#include "Okna.h"

#include "dialogs/GrupyObciazenia.h"
#include "dialogs/ListaGrup.h"
#include "model/Budowa.h"
#include "platform/Cp1250.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

class Tabela : public Okna {
protected:
    QWidget* okno() { return &dialogi->OknoTabeli(); }
    QDialog* grupy() { return K<QDialog>(okno(), "GrupyObciazenia"); }
    QDialog* warianty() { return K<QDialog>(okno(), "DodajWariant"); }
    QTableWidget* Siatka() { return K<QTableWidget>(okno(), "Tabela"); }

    void SetUp() override
    {
        Okna::SetUp();
        UstawGeometrie(zad, {4, 4}, false, false);
        dialogi->Tabela();
    }
    std::string Komorka(int c, int j) { return Okna::Komorka(okno(), "Tabela", c, j); }
    QDialog* nazwa() { return K<QDialog>(okno(), "ZmianaNazwy"); }
    // The cell clicked with the mouse, as the user picks a group's row or a combination's column.
    void Wybierz(int c, int j)
    {
        QTableWidget* s = K<QTableWidget>(okno(), "Tabela");
        QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, s->visualRect(s->model()->index(j, c)).center());
    }
    bool Wlaczony(const char* przycisk) { return K<QPushButton>(okno(), przycisk)->isEnabled(); }
    // The name typed over the one offered, "Zmień".
    void NowaNazwa(const char* przycisk, const char* tekst)
    {
        Kliknij(okno(), przycisk);
        ASSERT_TRUE(nazwa()->isVisible());
        QTest::keyClick(K<QLineEdit>(nazwa(), "E_Nazwa"), Qt::Key_A, Qt::ControlModifier);
        Pisz(K<QLineEdit>(nazwa(), "E_Nazwa"), QString::fromUtf8(tekst));
        Kliknij(nazwa(), "Wprowadz");
    }
};

// The refusal without a beam is the main window's (tests/mainwindow/TestSterowanie.cpp).
TEST_F(Tabela, AddsGroupsInTheirColoursAndCombinationsWithinTheNameRulesUpToTen)
{
    EXPECT_EQ((std::vector{Komorka(0, 0), Komorka(1, 0), Komorka(0, 1), Komorka(1, 1)}),
              (std::vector<std::string>{"nr w\\k", "1  Stałe", "1  Stałe", "1"}));
    EXPECT_FALSE(Siatka()->item(1, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(QApplication::activeModalWidget(), okno());
    struct Przypadek {
        const char *przycisk, *nazwa;
        std::string komunikat; // empty: accepted
    };
    for (const Przypadek& p :
         {Przypadek{"Button1", "Ś", "Nazwa musi składać się z min. 2 znaków!"}, Przypadek{"Button1", "Wi", ""},
          Przypadek{"Button2", "Ł", "Nazwa wariantu musi składać się z min. 2 znaków!"},
          Przypadek{"Button2", "Zł", ""}}) {
        kom.Komunikaty.clear();
        QDialog* d = p.przycisk == std::string("Button1") ? grupy() : warianty();
        Dodaj(p.przycisk, p.nazwa);
        EXPECT_EQ(kom.Komunikaty, p.komunikat.empty() ? std::vector<std::string>{} : std::vector{p.komunikat});
        EXPECT_EQ(d->isVisible(), !p.komunikat.empty()) << p.nazwa;
        EXPECT_EQ(QApplication::activeModalWidget(), p.komunikat.empty() ? okno() : d); // modal on top of the table
        d->hide();                                                                      // as "Anuluj" would
    }
    EXPECT_EQ(std::tuple(Cp1250NaUtf8(zad.Grupy[1].Nazwa), Komorka(2, 0)), std::tuple("Wi", "2  Zł"));
    EXPECT_EQ(wyn.MomentyKoncowe.size(), size_t(TDaneZadania::MaxKombinacji));

    // The preset colours in turn; the last one picked.
    TGrupyObciazenia* d = dialogi->OknoTabeli().GrupyObciazenia;
    d->CD_Kolorek = [](int32_t, QWidget*) { return std::optional<int32_t>(0x123456); };
    for (int i = 3; i <= 10; ++i) {
        Kliknij(okno(), "Button1");
        EXPECT_EQ(K<QLabel>(d, "L_Numer")->text().toInt(), i);
        if (i == 10)
            Kliknij(d, "kolorek");
        Pisz(K<QLineEdit>(d, "E_Nazwa"), QStringLiteral("Grupa ") + QString::number(i));
        Kliknij(d, "Wprowadz");
    }
    std::vector<int32_t> kolory;
    for (size_t g = 1; g < 10; ++g)
        kolory.push_back(zad.Grupy[g].Kolor);
    EXPECT_EQ(kolory, (std::vector<int32_t>{0x0000FF, 0x800000, 0xFF0000, 0x008000, 0x800080, 0x000080, 0x008080,
                                            0x008080, 0x123456})); // the last preset stays
    const std::vector<std::string>& lista = dialogi->ListaGrup().Pozycje();
    EXPECT_EQ(std::tuple(lista.size(), lista[1], Komorka(0, 10)), std::tuple(10u, "2 Wi", "10  Grupa 10"));

    // An eleventh group and combination are refused before their dialog opens.
    for (int c = 3; c <= TDaneZadania::MaxKombinacji; ++c)
        DodajKombinacje(zad, "K" + std::to_string(c));
    kom.Komunikaty.clear();
    Kliknij(okno(), "Button1");
    Kliknij(okno(), "Button2");
    EXPECT_EQ(kom.Komunikaty, (std::vector<std::string>{"Można utworzyć najwyżej 10 grup obciążeń.",
                                                        "Można utworzyć najwyżej 10 kombinacji obciążeń."}));
    EXPECT_FALSE(grupy()->isVisible() || warianty()->isVisible());
    EXPECT_EQ(std::tuple(Cp1250NaUtf8(zad.Grupy[9].Nazwa), zad.Kombinacje[9].Nazwa), std::tuple("Grupa 10", "K10"));
}

TEST_F(Tabela, PowrotStoresNormalisedCellsOrNamesTheLastBadOneAndStoresNothing)
{
    Dodaj("Button2", "Zima");
    EXPECT_EQ(Komorka(2, 1), "1");
    Kliknij(okno(), "WstawDomyslny"); // new cells now empty
    Dodaj("Button1", "Wiatr");
    EXPECT_EQ(std::tuple(Komorka(1, 2), Komorka(2, 2)), std::tuple(std::string(), std::string()));
    Kliknij(okno(), "Button3");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Błędny współczynnik obciążenia Kombinacja - 2; Grupa - 2 !"});
    EXPECT_EQ(przerysowania, 2); // each addition a step of the history of its own
    przerysowania = 0;
    zad.DoPrzeliczenia = zad.NieZapisane = false;
    Wpisz(okno(), "Tabela", 1, 1, "1.35");
    Wpisz(okno(), "Tabela", 1, 2, "x");
    Wpisz(okno(), "Tabela", 2, 1, "1,2,3");
    Wpisz(okno(), "Tabela", 2, 2, "0");
    kom.Komunikaty.clear();
    Kliknij(okno(), "Button3");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Błędny współczynnik obciążenia Kombinacja - 2; Grupa - 1 !"});
    EXPECT_EQ(zad.Wspolczynniki[0][0], 1.0f);
    EXPECT_TRUE(okno()->isVisible() && zad.DoPrzeliczenia && zad.NieZapisane);
    EXPECT_EQ(przerysowania, 0);

    Wpisz(okno(), "Tabela", 1, 2, "0.5");
    Wpisz(okno(), "Tabela", 2, 1, "2");
    Kliknij(okno(), "Button3");
    EXPECT_EQ(std::tuple(Komorka(1, 1), Komorka(1, 2)), std::tuple(std::string("1,35"), std::string("0,5")));
    EXPECT_EQ((std::array{zad.Wspolczynniki[0][0], zad.Wspolczynniki[0][1], zad.Wspolczynniki[1][0],
                          zad.Wspolczynniki[1][1]}),
              (std::array{1.35f, 0.5f, 2.0f, 0.0f}));
    EXPECT_EQ(std::tuple(okno()->isVisible(), przerysowania), std::tuple(false, 1));
}

TEST_F(Tabela, DeletedOrRenamedRowsAndColumnsCarryTheirTypedCellsAndTheLastOfEachStays)
{
    Dodaj("Button1", "Wiatr");
    Dodaj("Button1", "Śnieg");
    Dodaj("Button2", "Zima");
    Dodaj("Button2", "Lato");
    DodajSile(zad, 0, 1, 10, 1);
    Wpisz(okno(), "Tabela", 2, 3, "1,5"); // typed, not yet stored: Zima × Śnieg
    Wpisz(okno(), "Tabela", 3, 1, "0,9"); // Lato × Stałe
    zad.PolozenieKombinacji[2] = {77, 0};
    przerysowania = 0;
    Wybierz(1, 2);
    kom.Odpowiedz = false;
    Kliknij(okno(), "UsuniecieGrupy");
    EXPECT_EQ(std::tuple(kom.Pytania.size(), IloscUzytych(zad.Grupy), przerysowania), std::tuple(1u, 3, 0));
    kom.Odpowiedz = true;
    Kliknij(okno(), "UsuniecieGrupy");
    EXPECT_EQ(std::tuple(IloscUzytych(zad.Grupy), IloscUzytych(zad.Sily), Komorka(0, 2), Komorka(2, 2), przerysowania),
              std::tuple(2, 0, "2  Śnieg", "1,5", 1));
    EXPECT_EQ(dialogi->ListaGrup().Pozycje(), (std::vector<std::string>{"1 Stałe", "2 Śnieg"}));

    // A combination goes without a question; the later ones move with their cells and sheet place.
    kom.Pytania.clear();
    Wybierz(1, 0);
    Kliknij(okno(), "UsuniecieKombinacji");
    EXPECT_EQ(std::tuple(kom.Pytania.size(), Komorka(1, 0), Komorka(2, 0), Komorka(2, 1), Komorka(1, 2),
                         zad.PolozenieKombinacji[1].x),
              std::tuple(0u, "1  Zima", "2  Lato", "0,9", "1,5", 77.0f));
    // Renamed through its heading, its present name offered, within the name rules.
    Wybierz(2, 0);
    EXPECT_FALSE(Wlaczony("ZmianaNazwyGrupy"));
    Kliknij(okno(), "ZmianaNazwyKombinacji");
    EXPECT_EQ(K<QLineEdit>(nazwa(), "E_Nazwa")->text(), "Lato");
    Kliknij(nazwa(), "Powrot");
    NowaNazwa("ZmianaNazwyKombinacji", "Z");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Nazwa wariantu musi składać się z min. 2 znaków!"});
    EXPECT_TRUE(nazwa()->isVisible());
    Kliknij(nazwa(), "Powrot");
    NowaNazwa("ZmianaNazwyKombinacji", "Lato ze śniegiem");
    EXPECT_EQ(std::tuple(Cp1250NaUtf8(zad.Kombinacje[1].Nazwa), Komorka(2, 0)),
              std::tuple("Lato ze śniegiem", "2  Lato ze śniegiem"));

    // The first group goes too; the last group and combination stay.
    Wybierz(0, 1);
    Kliknij(okno(), "UsuniecieGrupy");
    Wybierz(2, 0);
    Kliknij(okno(), "UsuniecieKombinacji");
    EXPECT_EQ(std::tuple(kom.Pytania.size(), Komorka(0, 1), Komorka(1, 1)), std::tuple(0u, "1  Śnieg", "1,5"));
    Wybierz(1, 1);
    EXPECT_FALSE(Wlaczony("UsuniecieGrupy") || Wlaczony("UsuniecieKombinacji"));
    Kliknij(okno(), "Button3"); // stores the cells the rows and columns carried
    EXPECT_EQ(std::tuple(zad.Wspolczynniki[0][0], Cp1250NaUtf8(zad.Kombinacje[0].Nazwa)), std::tuple(1.5f, "Zima"));
}

} // namespace

namespace {

// The item `indeks` chosen from the keyboard, as the user steps through a closed list.
void WybierzZListy(QComboBox* lista, int indeks)
{
    lista->setFocus();
    QTest::keyClick(lista, Qt::Key_Home);
    for (int i = 0; i < indeks; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
    ASSERT_EQ(lista->currentIndex(), indeks);
}

class RodzajeGrup : public Tabela {
protected:
    QComboBox* Rodzaj() { return K<QComboBox>(grupy(), "RodzajGrupy"); }
    QComboBox* Kategoria() { return K<QComboBox>(grupy(), "KategoriaGrupy"); }
    // The ψ line as the dialog writes it with the separator it was given.
    QString Psi() { return K<QLabel>(grupy(), "L_Psi")->text().replace(QChar(separator), QChar(',')); }
    bool PoPrzeslach() { return K<QCheckBox>(grupy(), "PoPrzeslach")->isChecked(); }
    // A double click on group j's heading in the table.
    void Dwuklik(int j)
    {
        QTableWidget* s = K<QTableWidget>(okno(), "Tabela");
        const QPoint srodek = s->visualRect(s->model()->index(j, 0)).center();
        // As the window system sends it: the first click, then the second as a double click.
        QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, srodek);
        QTest::mouseDClick(s->viewport(), Qt::LeftButton, {}, srodek);
    }
};

} // namespace

TEST_F(RodzajeGrup, ANewGroupIsVariableOfTheCategoryChosenWithItsPsiAndItsPatternDefaultUntilTheUserUnticksIt)
{
    Kliknij(okno(), "Button1");
    // A new group starts not classified, its category greyed.
    EXPECT_EQ(std::tuple(Rodzaj()->currentIndex(), Kategoria()->isEnabled(), Psi()), std::tuple(0, false, QString()));
    Pisz(K<QLineEdit>(grupy(), "E_Nazwa"), QStringLiteral("Użytkowe"));
    WybierzZListy(Rodzaj(), 2);
    EXPECT_EQ(std::tuple(Kategoria()->isEnabled(), Psi()),
              std::tuple(true, QStringLiteral("ψ0 = 0,7   ψ1 = 0,5   ψ2 = 0,3")));
    // Snow acts as a whole by default, an office floor span by span.
    WybierzZListy(Kategoria(), int(TKategoriaZmiennych::Snieg));
    EXPECT_EQ(std::tuple(PoPrzeslach(), Psi()), std::tuple(false, QStringLiteral("ψ0 = 0,5   ψ1 = 0,2   ψ2 = 0,0")));
    WybierzZListy(Kategoria(), int(TKategoriaZmiennych::C));
    EXPECT_TRUE(PoPrzeslach());
    Kliknij(grupy(), "PoPrzeslach");
    zad.NieZapisane = false;
    Kliknij(grupy(), "Wprowadz");
    EXPECT_EQ(zad.Klasyfikacje[1], (TKlasyfikacjaGrupy{TRodzajGrupy::Zmienne, TKategoriaZmiennych::C, false}));
    EXPECT_EQ(std::tuple(grupy()->isVisible(), zad.NieZapisane, zad.Klasyfikacje[0]),
              std::tuple(false, true, TKlasyfikacjaGrupy{}));
    // Shown under the group's name; the group not classified keeps its one line.
    EXPECT_EQ(std::tuple(Komorka(0, 2), Komorka(0, 1)), std::tuple("2  Użytkowe\nzm. C", "1  Stałe"));
    EXPECT_GT(Siatka()->rowHeight(2), Siatka()->rowHeight(1));
    // The next group added starts not classified again.
    Kliknij(okno(), "Button1");
    EXPECT_EQ(Rodzaj()->currentIndex(), 0);
    Kliknij(grupy(), "Powrot");
}

TEST_F(RodzajeGrup, AGroupsHeadingOpensItsKindToChangeAndCancelKeepsTheOldOne)
{
    Dodaj("Button1", "Użytkowe");
    Dwuklik(1);
    ASSERT_TRUE(grupy()->isVisible());
    EXPECT_EQ(K<QLineEdit>(grupy(), "E_Nazwa")->text(), QStringLiteral("Stałe"));
    WybierzZListy(Rodzaj(), 1);
    EXPECT_FALSE(Kategoria()->isEnabled());
    Kliknij(grupy(), "Wprowadz");
    EXPECT_EQ(std::tuple(zad.Klasyfikacje[0].Rodzaj, Cp1250NaUtf8(zad.Grupy[0].Nazwa), Komorka(0, 1)),
              std::tuple(TRodzajGrupy::Stale, "Stałe", "1  Stałe\nstałe"));
    // Opened again it shows what the group is; cancelled, nothing changes.
    Dwuklik(1);
    EXPECT_EQ(Rodzaj()->currentIndex(), int(TRodzajGrupy::Stale));
    WybierzZListy(Rodzaj(), 2);
    WybierzZListy(Kategoria(), int(TKategoriaZmiennych::E));
    Kliknij(grupy(), "Powrot");
    EXPECT_EQ(zad.Klasyfikacje[0], (TKlasyfikacjaGrupy{TRodzajGrupy::Stale, TKategoriaZmiennych::A, true}));
    EXPECT_EQ(Komorka(0, 1), "1  Stałe\nstałe");
    // From the keyboard's reach: a cell of the second group's row, then "Rodzaj grupy…".
    Wybierz(1, 2);
    QTest::keyClick(Siatka(), Qt::Key_Escape); // out of the cell's editor
    Kliknij(okno(), "ZmianaRodzajuGrupy");
    ASSERT_TRUE(grupy()->isVisible());
    EXPECT_EQ(std::tuple(K<QLineEdit>(grupy(), "E_Nazwa")->text(), Rodzaj()->currentIndex()),
              std::tuple(QStringLiteral("Użytkowe"), 0));
    Kliknij(grupy(), "Powrot");
    // A double click on a coefficient opens nothing.
    const QPoint wspolczynnik = Siatka()->visualRect(Siatka()->model()->index(1, 1)).center();
    QTest::mouseClick(Siatka()->viewport(), Qt::LeftButton, {}, wspolczynnik);
    QTest::mouseDClick(Siatka()->viewport(), Qt::LeftButton, {}, wspolczynnik);
    EXPECT_FALSE(grupy()->isVisible());
}
