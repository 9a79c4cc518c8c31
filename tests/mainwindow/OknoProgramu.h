#pragma once
// The main window shown offscreen, driven through real events on its named controls; dialogs, printer and
// messages recorded, the settings in a folder of this process's own.
#include "dialogs/Dialogi.h"
#include "dialogs/DodajSile.h"
#include "dialogs/Geometria.h"
#include "drawing/PowierzchniaZapis.h"
#include "mainwindow/Podglad.h"
#include "mainwindow/Quarvi.h"
#include "platform/Komunikaty.h"
#include "platform/RegionalneQt.h"
#include "projectfile/PlikZadania.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

inline const fs::path FolderProgramu = QUARVI_OUT;
inline const std::string Strop = (FolderProgramu / "Przykłady" / "Strop trzyprzęsłowy.qvr").string();
inline const std::string Jednoprzeslowa = (FolderProgramu / "Przykłady" / "Belka jednoprzęsłowa stalowa.qvr").string();

// A dialog's control by the name the program gives it.
template <class T>
T* K(const QObject* okno, const char* nazwa)
{
    T* k = okno->findChild<T*>(QString::fromLatin1(nazwa));
    if (!k)
        throw std::runtime_error(std::string("no control ") + nazwa);
    return k;
}

// Near the left edge, where a check box has its indicator.
inline void Kliknij(const QObject* okno, const char* przycisk)
{
    QAbstractButton* b = K<QAbstractButton>(okno, przycisk);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(std::min(8, b->width() / 2), b->height() / 2));
}

// Cell (column c, row j) of a grid.
inline std::string Komorka(const QObject* okno, const char* siatka, int c, int j)
{
    const QTableWidgetItem* item = K<QTableWidget>(okno, siatka)->item(j, c);
    return item ? item->text().toStdString() : std::string();
}

// Typed key by key over the whole text of the edit.
inline void Napisz(QLineEdit* edycja, const QString& tekst)
{
    QTest::keyClick(edycja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edycja, tekst);
}

// The cell (column c, row j) clicked, its text typed over, Enter.
inline void NapiszWKomorce(const QObject* okno, const char* siatka, int c, int j, const QString& tekst)
{
    QTableWidget* s = K<QTableWidget>(okno, siatka);
    QTest::mouseClick(s->viewport(), Qt::LeftButton, {}, s->visualRect(s->model()->index(j, c)).center());
    auto* edytor = s->viewport()->findChild<QLineEdit*>();
    if (!edytor) {
        QTest::keyClick(s, Qt::Key_F2);
        edytor = s->viewport()->findChild<QLineEdit*>();
    }
    if (!edytor)
        throw std::runtime_error(std::string("no editor in ") + siatka);
    Napisz(edytor, tekst);
    QTest::keyClick(edytor, Qt::Key_Return);
    // The delegate commits on a queued call; the closed editor goes too, so that the next cell finds its own.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The scroll bar moved to `wartosc`: Home on the keyboard, then clicks on its right arrow.
inline void Przewin(const QObject* okno, const char* nazwa, int wartosc)
{
    QScrollBar* s = K<QScrollBar>(okno, nazwa);
    QTest::keyClick(s, Qt::Key_Home);
    for (int i = 0; i < 100 && s->value() < wartosc; ++i)
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() - 3, s->height() / 2));
    if (s->value() != wartosc)
        throw std::runtime_error(std::string(nazwa) + " does not reach " + std::to_string(wartosc));
}

// "Dodaj grupę" or "Dodaj kombinację" of the table: the name typed, "Wprowadź".
inline void NowaPozycja(const QObject* tabela, const char* przycisk, const char* okno, const char* nazwa)
{
    Kliknij(tabela, przycisk);
    QWidget* d = K<QWidget>(tabela, okno);
    QTest::keyClicks(K<QLineEdit>(d, "E_Nazwa"), QString::fromUtf8(nazwa));
    Kliknij(d, "Wprowadz");
}

// The file's lines but its date line.
inline std::string BezDaty(const std::string& plik)
{
    std::string wynik;
    std::istringstream s(plik);
    for (std::string linia; std::getline(s, linia);)
        if (linia.rfind("Data zapisu", 0) != 0)
            wynik += linia + '\n';
    return wynik;
}

inline std::string Czytaj(const fs::path& plik)
{
    std::ifstream f(plik, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The pages of a PDF file: its page objects, not the page tree's.
inline int StronyPdf(const fs::path& plik)
{
    const std::string tekst = Czytaj(plik);
    int strony = 0;
    for (size_t i = tekst.find("/Type /Page"); i != std::string::npos; i = tekst.find("/Type /Page", i + 1))
        strony += tekst[i + 11] != 's';
    return strony;
}

// The pages of a print job by job, on one recording page.
struct TWydrukZapis : IWydruk {
    TPowierzchniaZapis Strona_{2400, 3300};
    TStronaDruku S{Strona_, 300, 300};
    std::vector<int32_t>& Dokumenty;
    explicit TWydrukZapis(std::vector<int32_t>& dokumenty) : Dokumenty(dokumenty) {}
    const TStronaDruku* Strona(int32_t) override { return &S; }
    void KoniecStrony(int32_t strona) override { Dokumenty.push_back(strona); }
};

class OknoProgramu : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_okno";
        static char* argv[] = {nazwa, nullptr};
        Aplikacja = std::make_unique<QApplication>(argc, argv);
        // Never the user's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, UstawieniaTestu());
    }
    static void TearDownTestSuite()
    {
        Aplikacja.reset();
        fs::remove_all(UstawieniaTestu().toStdString());
    }
    static QString UstawieniaTestu()
    {
        return QDir::tempPath() + QStringLiteral("/quarvi_okno_ustawienia_") + QString::number(getpid());
    }
    static QSettings UstawieniaUzytkownika()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quarvi"),
                         QStringLiteral("Quarvi"));
    }
    static inline std::unique_ptr<QApplication> Aplikacja;

    fs::path Tymczasowy = fs::temp_directory_path() / ("quarvi_okno_" + std::to_string(getpid()) + "_" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::unique_ptr<TProgram> Program;
    TRejestrKomunikatow Kom;
    // What each kind of file dialog answers, and every dialog asked for.
    std::map<TDialogPliku::TRodzaj, std::optional<std::string>> Wybory;
    std::vector<TDialogPliku> Dialogi;
    std::optional<TInformacjaDrukarki> Drukarka;
    std::vector<int32_t> Dokumenty;
    TOtoczenie Otoczenie{Kom,
                         [this](const TDialogPliku& d) {
                             Dialogi.push_back(d);
                             return Wybory[d.Rodzaj];
                         },
                         [this] { return std::make_unique<TWydrukZapis>(Dokumenty); }, [this] { return Drukarka; }};
    std::unique_ptr<TQuarvi> Quarvi;

    void SetUp() override
    {
        fs::create_directories(Tymczasowy);
        // Each test starts as on a first run.
        UstawieniaUzytkownika().clear();
        Nowe();
    }
    void TearDown() override
    {
        Quarvi.reset();
        fs::remove_all(Tymczasowy);
    }

    // A window started as the program starts, at 900 × 700 unless it keeps the size of the last run.
    void Nowe(const fs::path& folder = FolderProgramu, bool rozmiarTestu = true)
    {
        Quarvi.reset();
        Program = std::make_unique<TProgram>();
        Program->FolderProgramu = folder;
        Program->Regionalne = RegionalneSystemu();
        Quarvi = std::make_unique<TQuarvi>(*Program, Otoczenie);
        if (rozmiarTestu)
            Quarvi->resize(900, 700);
        Quarvi->show();
        Quarvi->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Quarvi.get()));
    }

    TPodglad& Podglad() { return Quarvi->Podglad(); }
    TWidok& Widok() { return Program->Widok; }
    TDaneZadania& Zad() { return Program->Zadanie; }
    QString Panel(int i) { return K<QLabel>(Quarvi.get(), QStringLiteral("Panel%1").arg(i).toLatin1())->text(); }
    QToolButton* Przycisk(const char* nazwa) { return K<QToolButton>(Quarvi.get(), nazwa); }
    void Klik(const char* nazwa) { QTest::mouseClick(Przycisk(nazwa), Qt::LeftButton); }
    // A shortcut as the window system delivers it, to the window the user is back in.
    void Klawisz(Qt::Key klawisz, Qt::KeyboardModifiers mod = Qt::ControlModifier)
    {
        Quarvi->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Quarvi.get()));
        QTest::keyClick(Quarvi->windowHandle(), klawisz, mod);
    }
    // The dialog the user faces: the window's modal dialog on top.
    static QWidget* Modalny() { return QApplication::activeModalWidget(); }
    char Separator() const { return Program->Regionalne.SeparatorDziesietny; }
    // A text written with a comma as it shows with the user's separator.
    std::string S(std::string tekst) const
    {
        std::replace(tekst.begin(), tekst.end(), ',', Separator());
        return tekst;
    }
    QString T(const std::string& tekst) const { return QString::fromStdString(S(tekst)); }

    // The task as a save would write it (the date line fixed) with the horizontal scale the file does not keep.
    std::string Stan()
    {
        std::string tekst, blad;
        EXPECT_TRUE(ZapiszDoTekstu(Zad(), Separator(), "Data zapisu", tekst, blad)) << blad;
        return tekst + "SkalaX=" + std::to_string(Zad().SkalaX);
    }
    // The reactions of one combination added up: the loads it carries.
    double SumaReakcji(int kombinacja)
    {
        double suma = 0;
        for (int k = 0; k <= Zad().IloscPrzesel; ++k)
            suma += Reakcja(Program->Wyniki, kombinacja, k, Zad().IloscPrzesel);
        return suma;
    }
    // The task opened from a copy of an example, with a change not saved yet.
    fs::path Zmienione(const std::string& przyklad)
    {
        const fs::path kopia = Tymczasowy / fs::path(przyklad).filename();
        fs::copy_file(przyklad, kopia, fs::copy_options::overwrite_existing);
        EXPECT_TRUE(Quarvi->Polecenia().Otworz(kopia.string()));
        Zad().Grupy[0].Nazwa = "Zmiana";
        Zad().NieZapisane = true;
        Quarvi->Polecenia().Przerysuj();
        return kopia;
    }
    // The geometry dialog: the span count, each length typed into its cell, "Wprowadź".
    void Geometria(std::vector<const char*> dlugosci)
    {
        QWidget* g = &Quarvi->Dialogi().OknoGeometrii();
        Klik("ToolButton1");
        ASSERT_TRUE(g->isVisible());
        Przewin(g, "SBPrzesla", int(dlugosci.size()));
        for (size_t i = 0; i < dlugosci.size(); ++i)
            NapiszWKomorce(g, "SGRozpietosci", int(i) + 1, 1, T(dlugosci[i]));
        Kliknij(g, "Wprowadz");
    }
    // A load typed into its dialog: the span by the keyboard, the fields, the group's number, "Wprowadź", "Zamknij".
    void Obciazenie(const char* przycisk, int przeslo, const std::vector<std::pair<const char*, QString>>& pola,
                    int grupa = 1)
    {
        Klik(przycisk);
        QWidget* d = Modalny();
        ASSERT_NE(d, nullptr) << przycisk;
        Przewin(d, "SBPrzeslo", przeslo);
        for (const auto& [pole, tekst] : pola)
            Napisz(K<QLineEdit>(d, pole), tekst);
        Napisz(K<QComboBox>(d, "CB_Grupy")->lineEdit(), QString::number(grupa));
        Kliknij(d, "Wprowadz");
        Kliknij(d, "Rezygnuj");
    }
    void DodajSileKlawiszami(int przeslo, const char* polozenie, const char* wartosc, int grupa = 1)
    {
        Obciazenie("ToolButton11", przeslo, {{"Wartosc", T(wartosc)}, {"Polozenie", T(polozenie)}}, grupa);
    }
};
