#pragma once
// The task's dialogs, created once with the main window and kept for the
// whole run (they hold the hinges, the coefficient grid and the "show"
// switches between uses). How the main window uses them:
//
//   dialogi = std::make_unique<TDialogi>(program.Zadanie, program.Wyniki, program.Widok, komunikaty,
//       program.Regionalne.SeparatorDziesietny,
//       [this] { program.Pokazuj = dialogi->Pokazuj(); polecenia->Przerysuj(); }, this);
//   ToolButton1  dialogi->Geometria();   // the span count rule, the grid rebuilt, shown
//   ToolButton2  dialogi->Tabela();      // refuses " Najpierw GEOMETRIA ! " without spans
//   ToolButton3  dialogi->Ustawienia();  // the twelve edits written from the task, shown
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
//                dialog; the window gives them Przerysuj and shows them with Pokaz
//
// Each of the three commands calls `przerysuj` once its dialog has closed
// (shown with exec()). Tests pass modalnie = false: the dialog is shown
// without blocking, and the repaint follows its closing.
#include <QPointer>

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
    IKomunikaty& komunikaty_;
    std::unique_ptr<TListaGrup> lista_;
    // Children of `rodzic` when there is one, which may delete them first;
    // deleted here otherwise.
    QPointer<TGeometria> geometria_;
    QPointer<TTabelaWariantow> tabela_;
    QPointer<TUstawienia> ustawienia_;
    QPointer<TDodajSile> sila_;
    QPointer<TDodajMoment> moment_;
    QPointer<TDodajLiniowe> liniowe_;
    QPointer<TDodajTroj> trojkat_;
    QPointer<TEdytowanieSil> listaSil_;
    QPointer<TEdytowanieLiniowe> listaLiniowych_;
    QPointer<TEdytowanieMomentow> listaMomentow_;
    QPointer<TEdytowanieTrojkat> listaTrojkatow_;
};
