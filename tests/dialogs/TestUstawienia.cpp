#include "Okna.h"

#include "dialogs/Zatwierdzanie.h"
#include "drawing/Arkusze.h"
#include "model/Budowa.h"

#include <QComboBox>
#include <QLabel>

namespace {

const std::array<const char*, PoleUstawien::Ilosc> Edycje{
    "PSchem_Xo", "Pschem_Yo", "Schem_Xo", "Schem_Yo", "Reakc_Xo", "Reakc_Yo",      "Poprz_Xo",   "Poprz_Yo",
    "Momen_Xo",  "Momen_Yo",  "E_HPoprz", "E_HMomen", "E_HRozCz", "E_WRozCz",      "E_HMaxSila", "E_HMax100kN",
    "E_ArkuszL", "E_ArkuszH", "Ugiec_Xo", "Ugiec_Yo", "E_HUgiec", "E_GranicaUgiec"};

class Ustawienia : public Okna {
protected:
    QWidget* okno() { return &dialogi->OknoUstawien(); }
    QLineEdit* E(const char* nazwa) { return K<QLineEdit>(okno(), nazwa); }
    void Wpisz(const char* edycja, const QString& tekst)
    {
        E(edycja)->clear();
        Pisz(E(edycja), tekst);
    }
    void SetUp() override
    {
        Okna::SetUp();
        dialogi->Ustawienia();
    }
};

TEST_F(Ustawienia, EveryEditTakesAPointOrACommaAndShowsTheComma)
{
    Kliknij(okno(), "RB_ArkuszUser");
    Kliknij(okno(), "RB_SilySchem_MAX");
    UstawGeometrie(zad, {5}, false, false);
    DodajSile(zad, 0, 1, 3);
    for (size_t i = 0; i < Edycje.size(); ++i)
        Wpisz(Edycje[i], i % 2 ? QStringLiteral("1.5") : QStringLiteral("1,5"));
    Kliknij(okno(), "Powrot");
    EXPECT_TRUE(kom.Komunikaty.empty() && !okno()->isVisible());
    for (int p = 0; p < PoleUstawien::Ilosc; ++p) {
        EXPECT_EQ(E(Edycje[size_t(p)])->text(), QStringLiteral("1,5")) << Edycje[size_t(p)];
        if (float TNastawy::*pole = PoleNastaw(p)) {
            EXPECT_EQ(zad.Nastawy.*pole, 1.5f) << Edycje[size_t(p)];
        }
    }
    // E_HMaxSila 1.5 cm for the largest load, 3 kN.
    EXPECT_EQ(std::tuple(zad.Nastawy.SkalaSil, zad.Nastawy.ArkuszUzytkownika, przerysowania),
              std::tuple(0.5f, true, 1));
}

TEST_F(Ustawienia, TheForceScaleFollowsTheChosenRule)
{
    struct Przypadek {
        const char* wybor;
        QString dlugosc; // into the edit of that rule
        std::vector<float> sily;
        float skala;
    };
    for (const Przypadek& p : {
             Przypadek{"RB_SilySchem_AUTO", "", {-200, 20}, 0.01f},     // 200 kN drawn 2 cm long
             Przypadek{"RB_SilySchem_100kN", "1,00", {50, 300}, 0.01f}, // 100 kN → 1 cm whatever the loads
             Przypadek{"RB_SilySchem_MAX", "2", {40, 400}, 0.005f},     // the largest load → 2 cm
         }) {
        UstawGeometrie(zad, {5}, false, false);
        for (const float f : p.sily)
            DodajSile(zad, 0, 1, f);
        dialogi->Ustawienia();
        Kliknij(okno(), p.wybor);
        if (!p.dlugosc.isEmpty())
            Wpisz(p.wybor == std::string("RB_SilySchem_MAX") ? "E_HMaxSila" : "E_HMax100kN", p.dlugosc);
        Kliknij(okno(), "Powrot");
        EXPECT_FLOAT_EQ(zad.Nastawy.SkalaSil, p.skala) << p.wybor;

        zad.Nastawy.SkalaSil = 0; // opening a file recomputes it by the same rule
        dialogi->PoOdczycie(TWidokiZPliku{});
        EXPECT_FLOAT_EQ(zad.Nastawy.SkalaSil, p.skala) << p.wybor;
    }
}

TEST_F(Ustawienia, TheLastFailingCheckIsShownAndOnlyTheImmediateFieldsAreStored)
{
    struct Przypadek {
        std::vector<const char*> zle;
        std::string komunikat;
    };
    Kliknij(okno(), "RB_ArkuszUser"); // the sheet size can be typed
    for (const Przypadek& p : {
             Przypadek{{"E_ArkuszH"}, "Nieprawidłowa wartość rozmiaru arkusza!"},
             Przypadek{{"E_ArkuszH", "E_HRozCz"}, "Nieprawidłowa wartość wysokość czcionki!"},
             Przypadek{{"Momen_Yo", "Reakc_Xo"}, "Nieprawidłowa wartość Y - MOMENTY!"},
             Przypadek{{"E_WRozCz", "E_HMax100kN"}, "Nieprawidłowa wartość wysokość sił na schemacie dla  siły 100kN!"},
             Przypadek{{"PSchem_Xo"}, "'x' is not a valid floating point value"},
         }) {
        dialogi->Ustawienia();
        for (const char* e : p.zle)
            Wpisz(e, QStringLiteral("x"));
        Wpisz("Schem_Xo", QStringLiteral("7"));
        K<QCheckBox>(okno(), "CB_SISchem")->setChecked(false);
        K<QScrollBar>(okno(), "SB_WspGrubosci")->setValue(50);
        kom.Komunikaty.clear();
        Kliknij(okno(), "Powrot");
        EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{p.komunikat});
        EXPECT_TRUE(okno()->isVisible());
        EXPECT_EQ(std::tuple(zad.Nastawy.SchematX, zad.Nastawy.PiszJednostki, zad.Nastawy.WspGrubosci),
                  std::tuple(3.0f, false, 1.5f));
        for (const char* e : p.zle)
            Wpisz(e, QStringLiteral("1"));
        zad.Nastawy = TNastawy{};
    }
    EXPECT_EQ(K<QLabel>(okno(), "L_GWspGR")->text(), QStringLiteral("1,50"));
    Wpisz("E_ArkuszL", QStringLiteral("0")); // a sheet of no width cannot be drawn on
    kom.Komunikaty.clear();
    Kliknij(okno(), "Powrot");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"Nieprawidłowa wartość rozmiaru arkusza!"});
}

TEST_F(Ustawienia, OpeningWritesTheTwelveEditsAndKeepsTheRest)
{
    zad.Nastawy.MomentyY = 24.125f;
    zad.Nastawy.SchematyPretowX = 3;
    Wpisz("E_HRozCz", QStringLiteral("0,5"));
    okno()->hide();
    dialogi->Ustawienia();
    EXPECT_EQ(std::tuple(E("Momen_Yo")->text(), E("PSchem_Xo")->text(), E("E_HRozCz")->text()),
              std::tuple(QStringLiteral("24,13"), QStringLiteral("3,0"), QStringLiteral("0,5")));

    // The sheet size controls work only for the user's size.
    EXPECT_FALSE(E("E_ArkuszH")->isEnabled());
    Kliknij(okno(), "RB_ArkuszUser");
    EXPECT_TRUE(E("E_ArkuszH")->isEnabled() && E("E_ArkuszL")->isEnabled());

    // The horizontal scale is taken at once; a text that is no scale waits for "Powrót".
    auto* skala = K<QComboBox>(okno(), "CB_SkalaX");
    skala->setCurrentIndex(2);
    EXPECT_EQ(zad.SkalaX, 200.0f);
    skala->setEditText(QStringLiteral("abc"));
    Kliknij(okno(), "Powrot");
    EXPECT_EQ(kom.Komunikaty, std::vector<std::string>{"'abc' is not a valid floating point value"});
}

// What each part of the picture then looks like is the composition's business.
TEST_F(Ustawienia, EachShowBoxSwitchesItsOwnPartOfThePictureOnly)
{
    const auto pola = [&] {
        const TPokazuj p = dialogi->Pokazuj();
        return std::array{p.SchematStatyczny, p.Reakcje, p.SilyPoprzeczne, p.Momenty, p.SchematyPretow};
    };
    const char* pudla[] = {"CB_SchematStatyczny", "CB_Reakcje", "CB_SilyPoprzeczne", "CB_Momenty", "CB_SchemPretow"};
    for (size_t i = 0; i < std::size(pudla); ++i) {
        auto oczekiwane = pola();
        oczekiwane[i] = !oczekiwane[i];
        Kliknij(okno(), pudla[i]);
        EXPECT_EQ(pola(), oczekiwane) << pudla[i];
    }
}

} // namespace
