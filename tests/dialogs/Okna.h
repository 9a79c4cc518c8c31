#pragma once
// The dialogs of one application; a dialog opens modally and returns at once, the test then works in it.
#include "analysis/Wyniki.h"
#include "dialogs/Dialogi.h"
#include "dialogs/Geometria.h"
#include "dialogs/TabelaWariantow.h"
#include "dialogs/Ustawienia.h"
#include "drawing/Widok.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"
#include "projectfile/PlikZadania.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A QApplication for the suite, and controls found by the names the program gives them.
class AplikacjaQt : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char nazwa[] = "test_qt";
        static char* argv[] = {nazwa, nullptr};
        Aplikacja = std::make_unique<QApplication>(argc, argv);
    }
    // Before Qt's own globals go at exit.
    static void TearDownTestSuite() { Aplikacja.reset(); }
    static inline std::unique_ptr<QApplication> Aplikacja;

    template <class T>
    static T* K(const QObject* okno, const char* nazwa)
    {
        T* k = okno->findChild<T*>(QString::fromLatin1(nazwa));
        if (!k)
            throw std::runtime_error(std::string("no control ") + nazwa);
        return k;
    }
    // Cell (column c, row j) of a grid, as the dialogs number them.
    static std::string Komorka(const QObject* okno, const char* siatka, int c, int j)
    {
        const QTableWidgetItem* item = K<QTableWidget>(okno, siatka)->item(j, c);
        return item ? item->text().toStdString() : std::string();
    }
};

class Okna : public AplikacjaQt {
protected:
    TDaneZadania zad;
    TWyniki wyn;
    TWidok widok;
    TRejestrKomunikatow kom;
    int przerysowania = 0;
    // Owns the dialogs, as the main window does.
    QWidget glowne;
    std::unique_ptr<TDialogi> dialogi;
    // The decimal separator the dialogs are given.
    char separator = ',';

    void SetUp() override
    {
        NowyTemat(zad);
        dialogi = std::make_unique<TDialogi>(
            zad, wyn, widok, kom, separator, [this] { ++przerysowania; }, glowne);
    }

    // Near the left edge, where a check box has its indicator.
    static void Kliknij(const QObject* okno, const char* przycisk)
    {
        QAbstractButton* b = K<QAbstractButton>(okno, przycisk);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(std::min(8, b->width() / 2), b->height() / 2));
    }
    // Typed key by key; letters beyond ASCII come as the text of a key event.
    static void Pisz(QWidget* edycja, const QString& tekst)
    {
        for (const QChar c : tekst) {
            if (c.unicode() < 0x80)
                QTest::keyClick(edycja, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edycja, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // An edit's text replaced as the user would: selected, deleted, typed.
    static void Zastap(QLineEdit* e, const QString& tekst)
    {
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, tekst);
    }
    static void Zastap(const QObject* okno, const char* edycja, const QString& tekst)
    {
        Zastap(K<QLineEdit>(okno, edycja), tekst);
    }
    static void Wpisz(const QObject* okno, const char* siatka, int c, int j, const std::string& tekst)
    {
        QTableWidget* s = K<QTableWidget>(okno, siatka);
        if (!s->item(j, c))
            s->setItem(j, c, new QTableWidgetItem);
        ASSERT_TRUE(s->item(j, c)->flags() & Qt::ItemIsEditable);
        s->item(j, c)->setText(QString::fromStdString(tekst));
    }
    // Opens the geometry as ToolButton1 does, sets the span count, types the cells and confirms.
    void Zatwierdz(const std::vector<std::string>& komorki, bool lewy = false, bool prawy = false)
    {
        dialogi->Geometria();
        QWidget* okno = &dialogi->OknoGeometrii();
        K<QScrollBar>(okno, "SBPrzesla")->setValue(int(komorki.size()));
        for (size_t i = 0; i < komorki.size(); ++i)
            Wpisz(okno, "SGRozpietosci", int(i) + 1, 1, komorki[i]);
        for (const auto& [pole, zaznacz] : {std::pair{"CB_LewaPrzegub", lewy}, {"CB_PrawaPrzegub", prawy}})
            if (K<QCheckBox>(okno, pole)->isChecked() != zaznacz)
                Kliknij(okno, pole);
        Kliknij(okno, "Wprowadz");
    }
    // Button1 (a group) or Button2 (a combination) of the table, the name typed, "Wprowadź".
    void Dodaj(const char* przycisk, const char* nazwa)
    {
        QWidget* tabela = &dialogi->OknoTabeli();
        Kliknij(tabela, przycisk);
        QWidget* d = K<QWidget>(tabela, przycisk == std::string("Button1") ? "GrupyObciazenia" : "DodajWariant");
        Pisz(K<QLineEdit>(d, "E_Nazwa"), QString::fromUtf8(nazwa));
        Kliknij(d, "Wprowadz");
    }
    // The task as its file would hold it, to see that a refusal changed nothing.
    std::string Plik() const
    {
        std::string tekst, blad;
        ZapiszDoTekstu(zad, separator, "Data zapisu", tekst, blad);
        return tekst + blad;
    }
};
