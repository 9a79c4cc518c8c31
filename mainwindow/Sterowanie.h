#pragma once
// What the main window's zoom buttons, mouse and wheel do to the view, and
// the rules the task's buttons pass before their dialog opens, without Qt.
// The window maps its events here and shows what it is told; every change
// of the view ends in the one repaint the window was given.
#include "mainwindow/Program.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class IKomunikaty;

// The paint box's cursor: the cross, the pan tool armed, a pan dragging, the zoom window tool armed.
enum class TKursor { Krzyz, Dlon, Chwyt, Okno };

enum class TPrzyciskMyszy { Lewy, Srodkowy, Inny };

// A device pixel of the paint box, rows downward.
struct TPiksel {
    int32_t Kolumna = 0;
    int32_t Wiersz = 0;
    bool operator==(const TPiksel&) const = default;
};

// The zoom window's rectangle: from where the button went down to the mouse.
struct TRamkaOkna {
    TPiksel Od;
    TPiksel Do;
    bool operator==(const TRamkaOkna&) const = default;
};

// What the view tools need of the window.
class IOknoWidoku {
public:
    virtual ~IOknoWidoku() = default;
    // The paint box, in device pixels.
    virtual TRozmiarPowierzchni RozmiarPodgladu() const = 0;
    virtual void UstawKursor(TKursor kursor) = 0;
    // Nothing hides the rectangle.
    virtual void UstawRamke(const std::optional<TRamkaOkna>& ramka) = 0;
    // The status bar's read-out of the mouse position.
    virtual void UstawOdczyt(const std::string& tekst) = 0;
};

// One notch of a mouse wheel, in eighths of a degree.
inline constexpr int JedenObrotKolka = 120;

inline constexpr const char* NajpierwGeometria = " Najpierw GEOMETRIA ! ";
inline constexpr const char* NajpierwGeometriaDoEdycji = " Najpierw GEOMETRIA ! (i obciążenie do edycji) ";

class TSterowanie {
public:
    // `przerysuj` composes the sheets again and shows them (the task or its
    // settings changed); `widokZmieniony` only shows the composition at the
    // view as it now is (zoom, pan).
    TSterowanie(TProgram& program, IKomunikaty& komunikaty, IOknoWidoku& okno, std::function<void()> przerysuj,
                std::function<void()> widokZmieniony);

    // The zoom tool bar and the paint box's pop-up menu.
    void ZoomPan();  // arms the pan tool for one drag
    void ZoomOkno(); // arms the zoom window for one box
    void ZoomWszystko();
    // Ctrl+PgDown, Ctrl+PgUp: the next and the previous sheet at the zoom the view has.
    void NastepnyArkusz();
    void PoprzedniArkusz();
    // Every sheet at once.
    void WszystkieArkusze();
    void Powieksz();
    void Pomniejsz();
    // A wheel turned by `kat` eighths of a degree (up positive): a step per
    // whole notch, the rest kept for the next turn.
    void Kolko(int kat);

    // The mouse over the paint box.
    void Nacisniecie(TPrzyciskMyszy przycisk, TPiksel p);
    void Ruch(TPiksel p);
    void Puszczenie(TPiksel p);

    // The four buttons that add a load: false, after the message and a
    // repaint, while the task has no span.
    bool MoznaDodawac();
    // The four load lists: false, after the message, while the task has no
    // span; otherwise the loads are shown unsplit by groups while the list is open.
    bool OtworzListe();
    // The list closed: the loads by groups as the settings' switch says.
    void ZamknijListe(bool rozbijSilyGrupy);
    // The table of combinations: false, after the message, while the task has no span.
    bool MoznaTabele();

private:
    TProgram& program_;
    IKomunikaty& komunikaty_;
    IOknoWidoku& okno_;
    std::function<void()> przerysuj_;
    std::function<void()> widokZmieniony_;
    int kat_ = 0; // wheel angle not yet a whole notch
};

// The main window's first size: 1400 × 940, within nine tenths of the
// screen's free area.
TRozmiarPowierzchni RozmiarOkna(TRozmiarPowierzchni dostepne);
