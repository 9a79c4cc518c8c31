#pragma once
// The commands of the main window as plain sequences over the program's
// data: new task, open, save, copy, print, the report, and the picture every command
// ends with. The window calls them and shows what they drew; tests call them
// without a window. A command that changed the task, its results or the
// settings composes the sheets again (Przerysuj); one that moved or resized
// the view only replays the composition (WidokZmieniony).
#include "drawing/Arkusze.h"
#include "mainwindow/Program.h"

#include <QImage>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QUndoStack;
struct TObciazeniePodgladu;
struct TWidokiZPliku;

// What the commands need of the window.
class IPodglad {
public:
    virtual ~IPodglad() = default;
    // The paint box, in device pixels.
    virtual TRozmiarPowierzchni RozmiarPodgladu() const = 0;
    // The picture, the task's file or its unsaved mark changed.
    virtual void Pokaz() = 0;
    // What a command did, for the status bar (UTF-8).
    virtual void Wiadomosc(const std::string& tekst) = 0;
};

// "1 stronę", "3 strony", "5 stron" (as the object of a verb).
std::string IleStron(int32_t n);

inline constexpr const char* FiltrOdczytu = "Pliki Quarvi|*.qvr|Wszystkie pliki|*.*";
inline constexpr const char* FiltrZapisu = "Pliki Quarvi|*.qvr|Wszystkie pliki| *.*";
inline constexpr const char* FiltrPdf = "Dokumenty PDF|*.pdf";
inline constexpr const char* PytanieONiezapisanych = "Dane nie zostały zapisane. Zapisać zmiany?";
// Steps the history keeps: older ones fall off, so a long session does not grow without bound.
inline constexpr int LimitHistorii = 100;
// Files the open button's menu offers.
inline constexpr size_t IloscOstatnich = 8;

class TPolecenia {
public:
    // Loads the font the sheets are drawn with from beside the program.
    TPolecenia(TProgram& program, TOtoczenie& otoczenie, IPodglad& podglad);
    ~TPolecenia();

    // What the task's dialogs must hear of the commands; left empty without them.
    struct TZaczepy {
        std::function<void()> NowyTemat;
        std::function<void(const TWidokiZPliku&)> PoOdczycie;
        // The settings' "show" switches, taken before every composition.
        std::function<TPokazuj()> Pokazuj;
        // The load dialogs' group list, kept with every step of the history.
        std::function<std::vector<std::string>()> ListaGrup;
    };
    TZaczepy Dialogi;

    TKompozycja Kompozycja;
    // The sheets as last composed, in sheet cm.
    TNagranie Nagranie;
    // The picture of the view, in device pixels, as large as the screen; the
    // paint box shows its top-left corner.
    QImage ObrazArkusza;

    // The task's file (UTF-8, an absolute path); empty until the task is read or saved.
    const std::string& Plik() const { return plik_; }

    // The window is shown for the first time: the picture for a screen of
    // `ekran` device pixels, the first view, a new task, zoom all and the
    // start picture drawn at `skala` device pixels per pixel.
    void Start(TRozmiarPowierzchni ekran, double skala);
    // The content changed: the sheets composed again into the recording,
    // then the picture of the view.
    void Przerysuj();
    // The view changed (zoom, pan, a zoom window, the paint box's size): the
    // recording replayed into ObrazArkusza for the paint box's present size,
    // then shown. Before the first composition the start picture stays.
    void WidokZmieniony();

    // Each returns true when it did what it was asked.
    bool NoweZadanie();
    bool Otworz();                        // through the open dialog
    bool Otworz(const std::string& plik); // a file given on the command line or dropped
    // Entry i of Ostatnie(); a file that is gone is said so and leaves the list.
    bool OtworzOstatni(size_t i);
    // Into the task's file without a question when it has one, else as ZapiszJako.
    bool Zapisz();
    // Through the save dialog, the task's file proposed.
    bool ZapiszJako();
    void Kopiuj();
    void Drukuj();
    // The calculation report of the task into a PDF file the user names.
    void Raport();
    // Unsaved changes are saved or let go, or the user keeps them (false).
    bool MoznaPorzucic();

    void Komunikat(const std::string& tekst);

    // The files last read or saved (UTF-8, absolute), the latest first.
    const std::vector<std::string>& Ostatnie() const { return ostatnie_; }
    // The list kept from the last run.
    void UstawOstatnie(std::vector<std::string> pliki);
    // Called when the list changed, so the window keeps it.
    std::function<void()> PoZmianieOstatnich;

    // Every change to the task is a step of this history: a composition that
    // finds the task changed since the last one records it. The unsaved mark
    // follows the history's clean state; a new task or an open clears it.
    QUndoStack& Historia() { return *historia_; }
    void Cofnij();
    void Ponow();

    // The load dialogs' aids: the span marker into ObrazArkusza, then shown;
    // the load preview onto `nakladka`, a transparent layer over it.
    void ZaznaczPrzeslo(int32_t przeslo, const TPiora& piora);
    void RysujPodglad(QImage& nakladka, const TObciazeniePodgladu& obciazenie);

    // The task and the group list as one step of the history left them.
    struct TStan {
        TDaneZadania Zadanie;
        std::vector<std::string> ListaGrup;
    };
    void Przywroc(const TStan& stan);

private:
    bool Czytaj(const std::string& plik);
    bool ZapiszDo(const std::string& nazwa);
    TStan StanTeraz() const;
    // After a composition: a changed task becomes a step, the mark follows.
    void ZapiszKrok();
    void NowaHistoria();
    // The paint box's corner of ObrazArkusza, sharing its pixels, enlarged
    // first when the paint box outgrew it (moved to a larger screen).
    QImage Okno();
    TDialogPliku Dialog(TDialogPliku::TRodzaj rodzaj) const;
    void ZapytajDrukarke();
    void ZapamietajOstatni(const std::string& plik);

    TProgram& program_;
    TOtoczenie& otoczenie_;
    IPodglad& podglad_;
    std::string plik_;
    std::vector<std::string> ostatnie_;
    std::unique_ptr<QUndoStack> historia_;
    // The task as the last step left it; none until the first composition of a task.
    std::optional<TStan> stan_;
    bool przywracanie_ = false;
};
