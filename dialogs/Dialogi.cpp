#include "dialogs/Dialogi.h"

#include "dialogs/DodajLiniowe.h"
#include "dialogs/DodajMoment.h"
#include "dialogs/DodajSile.h"
#include "dialogs/DodajTroj.h"
#include "dialogs/EdytowanieLiniowe.h"
#include "dialogs/EdytowanieMomentow.h"
#include "dialogs/EdytowanieSil.h"
#include "dialogs/EdytowanieTrojkat.h"
#include "dialogs/Geometria.h"
#include "dialogs/ListaGrup.h"
#include "dialogs/TabelaWariantow.h"
#include "dialogs/Ustawienia.h"
#include "drawing/Arkusze.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"
#include "projectfile/PlikZadania.h"

TDialogi::TDialogi(TDaneZadania& zad, TWyniki& wyn, TWidok& widok, IKomunikaty& komunikaty, char separator,
                   std::function<void()> przerysuj, QWidget* rodzic)
    : zad_(zad), komunikaty_(komunikaty), lista_(std::make_unique<TListaGrup>()),
      geometria_(std::make_unique<TGeometria>(zad, wyn, widok, komunikaty, separator, rodzic)),
      tabela_(std::make_unique<TTabelaWariantow>(zad, wyn, widok, *lista_, komunikaty, separator, rodzic)),
      ustawienia_(std::make_unique<TUstawienia>(zad, komunikaty, separator, rodzic)),
      sila_(std::make_unique<TDodajSile>(zad, *lista_, komunikaty, separator, rodzic)),
      moment_(std::make_unique<TDodajMoment>(zad, *lista_, komunikaty, separator, rodzic)),
      liniowe_(std::make_unique<TDodajLiniowe>(zad, *lista_, komunikaty, separator, rodzic)),
      trojkat_(std::make_unique<TDodajTroj>(zad, *lista_, komunikaty, separator, rodzic)),
      listaSil_(std::make_unique<TEdytowanieSil>(zad, *sila_, komunikaty, separator, rodzic)),
      listaLiniowych_(std::make_unique<TEdytowanieLiniowe>(zad, *liniowe_, komunikaty, separator, rodzic)),
      listaMomentow_(std::make_unique<TEdytowanieMomentow>(zad, *moment_, komunikaty, separator, rodzic)),
      listaTrojkatow_(std::make_unique<TEdytowanieTrojkat>(zad, *trojkat_, komunikaty, separator, rodzic))
{
    for (QDialog* d : {static_cast<QDialog*>(geometria_.get()), static_cast<QDialog*>(tabela_.get()),
                       static_cast<QDialog*>(ustawienia_.get())})
        QObject::connect(d, &QDialog::finished, d, [przerysuj] {
            if (przerysuj)
                przerysuj();
        });
}

TDialogi::~TDialogi() = default;

void TDialogi::Geometria(bool modalnie)
{
    geometria_->UstawIloscPrzesel(zad_.IloscPrzesel < 0 ? 1 : geometria_->IloscPrzesel());
    geometria_->Pokaz(modalnie);
}

void TDialogi::Tabela(bool modalnie)
{
    if (zad_.IloscPrzesel < 1) {
        komunikaty_.Komunikat(" Najpierw GEOMETRIA ! ");
        return;
    }
    tabela_->OdbudujWiersze();
    tabela_->OdbudujKolumny();
    tabela_->Pokaz(modalnie);
}

void TDialogi::Ustawienia(bool modalnie)
{
    ustawienia_->Przygotuj();
    ustawienia_->Pokaz(modalnie);
}

void TDialogi::NowyTemat()
{
    lista_->NowyTemat();
}

void TDialogi::PoOdczycie(const TWidokiZPliku& widoki)
{
    geometria_->WpiszZPliku(widoki);
    tabela_->WpiszZPliku(widoki);
    lista_->Ustaw(widoki.ListaGrup);
    if (const std::optional<float> s = ustawienia_->SkalaSil())
        zad_.Nastawy.SkalaSil = *s;
}

TPokazuj TDialogi::Pokazuj() const
{
    return ustawienia_->Pokazuj();
}
