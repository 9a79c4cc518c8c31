#pragma once
// The family of the four load-entry dialogs: a span scroll bar, one or two
// values and one or two positions each with an edit and a scroll bar, the
// position presets, the group combo box and "Wprowadź", whose caption ("Zmień")
// is the only mark of the change mode. The members differ by TOpisDodawania.
#include "dialogs/ZapisObciazen.h"
#include "drawing/PodgladObciazen.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class IKomunikaty;
class TListaGrup;

// What one member of the family does otherwise.
struct TOpisDodawania {
    TRodzajObciazenia Rodzaj;
    const char* Nazwa; // the form's object name
    const char* Tytul;
    int MinWartosci; // the value scroll bars run from here to 100
    const char* EtykietyWartosci[2];
    const char* EtykietyPolozenia[2];
    const char* EtykietaGrupy;
    bool ZamykaPoZmianie;         // a stored change closes the dialog
    bool PodgladPrzyPisaniu;      // typing into an edit redraws the preview
    bool PodgladPrzyGrupie;       // so does a change of the group
    bool ZnacznikPrzyPrzewijaniu; // a value or position scroll bar redraws the span marker first
    bool ZnacznikPrzyOtwarciu;    // opening draws the span marker and clears the old preview
    TPiora PioraZnacznika;
};

class TDodajObciazenie : public QDialog {
public:
    TDodajObciazenie(const TOpisDodawania& opis, TDaneZadania& zad, TListaGrup& lista, IKomunikaty& komunikaty,
                     char separator, QWidget* rodzic);

    // The main window's drawing; empty ones draw nothing.
    std::function<void(int32_t przeslo, TPiora piora)> ZaznaczPrzeslo;
    // Clears the preview layer and, given a load, draws it there.
    std::function<void(const std::optional<TObciazeniePodgladu>&)> Podglad;
    // After every "Wprowadź" and when the dialog closes.
    std::function<void()> Przerysuj;

    // Opening from the main window: the span range, its length, the position
    // ranges (a distributed load's end at the span's end), the span marker.
    void Przygotuj();
    // Opening from a list for slot pola.Numer: the edits, then the scroll bars.
    void PrzygotujZmiane(const TPolaObciazenia& pola);
    // Shown modally; returns at once, the closing comes as finished().
    void Pokaz();
    const TOpisDodawania& Opis() const { return opis_; }

    void SBPrzesloChange();
    void SBWartoscChange(int k);
    void SBPolozenieChange(int k);
    void PresetClick(int k, double f);
    void WprowadzClick();

    QScrollBar* SBPrzeslo;
    QLabel* LNrPrzesla;
    QLabel* LMaxLPrzesla;
    QLineEdit* EWartosc[2] = {};     // Wartosc, or Wr_pocz and Wr_konc
    QScrollBar* SBWartosc[2] = {};   // SBSilawart, SBSilaWart2
    QLineEdit* EPolozenie[2] = {};   // Polozenie, or pol_pocz and pol_konc
    QScrollBar* SBPolozenie[2] = {}; // SBPolozenie, or SBPolozenie1 and SBPolozenie2
    QComboBox* CB_Grupy;
    QPushButton* Wprowadz;
    QPushButton* Rezygnuj;
    QLabel* Numer;

private:
    int IloscWartosci() const;
    int IloscPolozen() const;
    int32_t Przeslo() const; // LNrPrzesla − 1
    float DlugoscPrzesla() const;
    void UstawZakresyPolozen();
    void RysujZnacznik();
    void RysujPodglad();
    void OdswiezGrupy();

    const TOpisDodawania& opis_;
    TDaneZadania& zad_;
    TListaGrup& lista_;
    IKomunikaty& komunikaty_;
    char separator_;
};
