#pragma once
// The task's dialogs, created once with the main window and kept for the
// whole run (they hold the hinges, the coefficient grid and the "show"
// switches between uses). Each is a child of the main window, which alone
// owns them; this class only finds them. How the main window uses them:
//
//   dialogi = std::make_unique<TDialogi>(program.Zadanie, program.Wyniki, program.Widok, komunikaty,
//       program.Regionalne.SeparatorDziesietny, [this] { polecenia->Przerysuj(); }, *this);
//   ToolButton1  dialogi->Geometria();   // the span count rule, the grid rebuilt, shown
//   ToolButton2  dialogi->Tabela();      // once the task has a span: the grid rebuilt, shown
//   ToolButton3  dialogi->Ustawienia();  // the sixteen edits written from the task, shown
//   new task     after NowyTemat: dialogi->NowyTemat();   // only the group list starts again
//   open         once CzytajPlik(nazwa, zadanie, widoki, blad) succeeded:
//                dialogi->PoOdczycie(widoki);   // grids, hinges, group list, and the force
//                scale by the settings' rule (in place of the automatic one); then the
//                sheets laid out and the repaint, as now
//   "show"       the composition's TPokazuj is dialogi->Pokazuj(); the check boxes change
//                only while the settings are open, so taking it when they close is enough
//   load dialogs fill their group combo boxes from dialogi->ListaGrup() and
//                register with ListaGrup().PoZmianie to refill them; the
//                four are kept here too, DodajSile() … DodajTroj(), and the
//                window gives them its drawing (ZaznaczPrzeslo, Podglad, Przerysuj)
//   load lists   EdytowanieSil() … EdytowanieTrojkat(), each with its entry
//                dialog, repainting through `przerysuj`; the window shows them
//                with Pokaz and hears of their closing through ListaZamknieta
//
// Every dialog is modal (Kontrolki::PokazModalnie): the call returns at once
// and the main window takes no input until the dialog closes. Each of the
// three commands calls `przerysuj` once its dialog has closed.
#include <functional>
#include <memory>

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
    // The dialogs become children of `rodzic`, the main window.
    TDialogi(TDaneZadania& zad, TWyniki& wyn, TWidok& widok, IKomunikaty& komunikaty, char separator,
             std::function<void()> przerysuj, QWidget& rodzic);
    ~TDialogi();
    TDialogi(const TDialogi&) = delete;
    TDialogi& operator=(const TDialogi&) = delete;

    void Geometria();
    void Tabela();
    void Ustawienia();

    void NowyTemat();
    // What reading a file writes into the dialogs, and the force scale of the
    // task read (kept when the settings' length is no number).
    void PoOdczycie(const TWidokiZPliku& widoki);

    TPokazuj Pokazuj() const;
    // A load list closed, with the settings' loads-by-groups switch as it stands.
    std::function<void(bool rozbijSilyGrupy)> ListaZamknieta;
    TListaGrup& ListaGrup() { return *lista_; }

    TGeometria& OknoGeometrii();
    TTabelaWariantow& OknoTabeli();
    TUstawienia& OknoUstawien();

    TDodajSile& DodajSile();
    TDodajMoment& DodajMoment();
    TDodajLiniowe& DodajLiniowe();
    TDodajTroj& DodajTroj();

    TEdytowanieSil& EdytowanieSil();
    TEdytowanieLiniowe& EdytowanieLiniowe();
    TEdytowanieMomentow& EdytowanieMomentow();
    TEdytowanieTrojkat& EdytowanieTrojkat();

private:
    TDaneZadania& zad_;
    std::unique_ptr<TListaGrup> lista_;
    // Owned by the main window.
    TGeometria* geometria_;
    TTabelaWariantow* tabela_;
    TUstawienia* ustawienia_;
    TDodajSile* sila_;
    TDodajMoment* moment_;
    TDodajLiniowe* liniowe_;
    TDodajTroj* trojkat_;
    TEdytowanieSil* listaSil_;
    TEdytowanieLiniowe* listaLiniowych_;
    TEdytowanieMomentow* listaMomentow_;
    TEdytowanieTrojkat* listaTrojkatow_;
};
