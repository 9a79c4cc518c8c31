#pragma once
// The task's dialogs, created once with the main window and kept for the
// whole run (they hold the hinges, the coefficient grid and the "show"
// switches between uses). How the main window uses them:
//
//   TDialogi dialogi(zadanie, wyniki, widok, komunikaty, separator, [this] { Przerysuj(); }, this);
//   ToolButton1  dialogi.Geometria();   // the span count rule, the grid rebuilt, shown
//   ToolButton2  dialogi.Tabela();      // refuses " Najpierw GEOMETRIA ! " without spans
//   ToolButton3  dialogi.Ustawienia();  // the twelve edits written from the task, shown
//   new task     NowyTemat(zadanie); dialogi.NowyTemat();   // only the group list starts again
//   open         after CzytajPlik(nazwa, zadanie, widoki, blad) succeeded:
//                dialogi.PoOdczycie(widoki);   // grids, hinges, group list, force scale
//                then the results resized, the sheets laid out, DoPrzeliczenia set,
//                NieZapisane cleared, and a repaint
//   repaint      kompozycja.Pokazuj = dialogi.Pokazuj(); before every Przerysuj
//   load dialogs fill their group combo boxes from dialogi.ListaGrup() and
//                register with ListaGrup().PoZmianie to refill them; the
//                four are kept here too, DodajSile() … DodajTroj(), and the
//                window gives them its drawing (ZaznaczPrzeslo, Podglad, Przerysuj)
//   load lists   EdytowanieSil() … EdytowanieTrojkat(), each with its entry
//                dialog; the window gives them Przerysuj and shows them with Pokaz
//
// Each of the three commands calls `przerysuj` once its dialog has closed
// (shown with exec()). Tests pass modalnie = false: the dialog is shown
// without blocking, and the repaint follows its closing.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class IKomunikaty;
class QWidget;
class TDodajLiniowe;
class TDodajMoment;
class TDodajObciazenie;
class TDodajSile;
class TDodajTroj;
class TEdytowanieLiniowe;
class TEdytowanieMomentow;
class TEdytowanieObciazen;
class TEdytowanieSil;
class TEdytowanieTrojkat;
class TGeometria;
class TListaGrup;
class TTabelaWariantow;
class TUstawienia;
struct TDaneZadania;
struct TPokazuj;
struct TWidok;
struct TWidokiZPliku;
struct TWyniki;

class TDialogi {
public:
    TDialogi(TDaneZadania& zad, TWyniki& wyn, TWidok& widok, IKomunikaty& komunikaty, char separator,
             std::function<void()> przerysuj, QWidget* rodzic = nullptr);
    ~TDialogi();
    TDialogi(const TDialogi&) = delete;
    TDialogi& operator=(const TDialogi&) = delete;

    void Geometria(bool modalnie = true);
    void Tabela(bool modalnie = true);
    void Ustawienia(bool modalnie = true);

    void NowyTemat();
    // What reading a file writes into the dialogs, and the force scale of the
    // task read (kept when the settings' length is no number).
    void PoOdczycie(const TWidokiZPliku& widoki);

    TPokazuj Pokazuj() const;
    TListaGrup& ListaGrup() { return *lista_; }

    TGeometria& OknoGeometrii() { return *geometria_; }
    TTabelaWariantow& OknoTabeli() { return *tabela_; }
    TUstawienia& OknoUstawien() { return *ustawienia_; }

    TDodajSile& DodajSile() { return *sila_; }
    TDodajMoment& DodajMoment() { return *moment_; }
    TDodajLiniowe& DodajLiniowe() { return *liniowe_; }
    TDodajTroj& DodajTroj() { return *trojkat_; }

    TEdytowanieSil& EdytowanieSil() { return *listaSil_; }
    TEdytowanieLiniowe& EdytowanieLiniowe() { return *listaLiniowych_; }
    TEdytowanieMomentow& EdytowanieMomentow() { return *listaMomentow_; }
    TEdytowanieTrojkat& EdytowanieTrojkat() { return *listaTrojkatow_; }

private:
    TDaneZadania& zad_;
    IKomunikaty& komunikaty_;
    std::unique_ptr<TListaGrup> lista_;
    // Owned here; without a parent window they would otherwise never be deleted.
    std::unique_ptr<TGeometria> geometria_;
    std::unique_ptr<TTabelaWariantow> tabela_;
    std::unique_ptr<TUstawienia> ustawienia_;
    std::unique_ptr<TDodajSile> sila_;
    std::unique_ptr<TDodajMoment> moment_;
    std::unique_ptr<TDodajLiniowe> liniowe_;
    std::unique_ptr<TDodajTroj> trojkat_;
    std::unique_ptr<TEdytowanieSil> listaSil_;
    std::unique_ptr<TEdytowanieLiniowe> listaLiniowych_;
    std::unique_ptr<TEdytowanieMomentow> listaMomentow_;
    std::unique_ptr<TEdytowanieTrojkat> listaTrojkatow_;
};
