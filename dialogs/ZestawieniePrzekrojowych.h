#pragma once
// The internal force summary: a section slid along the whole beam by
// centimetres, M and T there for every combination and their largest and
// smallest over the combinations, and the section marked over the sheets
// through an overlay the main window lends. Non-modal: the main window
// stays usable, and tells the window after every composition that the task
// or its results may have changed.
//
// The main window makes one with itself as the parent and keeps it:
//   TZestawieniePrzekrojowych zestawienie(polecenia.Kompozycja, this);
//   zestawienie.UstawNakladke(&nakladka); // an INakladka over Podglad's overlay layer
//   ToolButton20  zestawienie.Pokaz();    // the refusal or the window beside it; no repaint
//   after every composition (recomputation, new task, open, zoom, pan):
//                 zestawienie.ZadanieZmienione();
#include <QDialog>

#include <cstdint>
#include <functional>

class IPowierzchnia;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;
struct TKompozycja;
struct TSilyPrzekroju;

// The layer over the sheet picture on which the section is marked; the
// picture itself is never drawn on.
class INakladka {
public:
    virtual ~INakladka() = default;
    // Clears the layer, so that the sheet picture shows alone again, then
    // lets `rysuj` (when given) draw on it, and shows it. The layer is as
    // large as the sheet picture and in its pixels, the pixels of the view.
    virtual void Rysuj(const std::function<void(IPowierzchnia&)>& rysuj) = 0;
};

class TZestawieniePrzekrojowych : public QDialog {
    Q_OBJECT
public:
    // Reads the task, results, view, font, "show" switches, messages and
    // separator of `k` whenever it shows something.
    explicit TZestawieniePrzekrojowych(const TKompozycja& k, QWidget* rodzic = nullptr);

    // Where the markers go; nullptr: nowhere.
    void UstawNakladke(INakladka* nakladka) { nakladka_ = nakladka; }

    // The tool bar button: refused with a message when the task has no span,
    // no load or no results, otherwise the table laid out for the task, the
    // section at the beam's start and the window shown. False when refused.
    bool Pokaz();
    // After every composition, a new task and an open: an open window shows
    // the current results at its section (kept within the beam), or closes
    // when there are none.
    void ZadanieZmienione();

    void ScrollBar1Change();
    void Button1Click();
    // Ctrl+C: both tables to the clipboard as tab-separated text, for a spreadsheet.
    void KopiujTabele();
    // x typed from the beam's left end, in metres, with "," or "."; Enter moves the section there.
    void E_PolozenieEnter();
    // A click on a diagram: the section at `metry` from the beam's left end.
    void UstawPrzekroj(double metry);

protected:
    // The keys of the scroll bar work wherever they are typed.
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void done(int wynik) override;

private:
    void UtworzKontrolki();
    void Przygotuj();
    void Umiesc();
    void RysujZnaczniki(const TSilyPrzekroju* sily);
    // The design envelopes at the section, with what produced each extreme.
    void PokazNormowe(int32_t przeslo, double x);

    const TKompozycja& k_;
    INakladka* nakladka_ = nullptr;
    bool umieszczone_ = false;

    QLabel* StaticText1 = nullptr;
    QLabel* L_NrBelki = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* L_Polozenie = nullptr;
    QTableWidget* SG_TabelaSilPrzekrojowych = nullptr;
    QTableWidget* SG_Maxima = nullptr;
    // Shown only with design envelopes (a classified group): a row per
    // extreme, its value and its cause.
    QLabel* StaticText4 = nullptr;
    QTableWidget* SG_Normowe = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* StaticText3 = nullptr;
    QLineEdit* E_Polozenie = nullptr;
};
