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
#include "projectfile/PlikZadania.h"

#include <QCheckBox>

TDialogi::TDialogi(TDaneZadania& zad, TWyniki& wyn, TWidok& widok, IKomunikaty& komunikaty, char separator,
                   std::function<void()> przerysuj, QWidget& rodzic)
    : zad_(zad)
    , lista_(std::make_unique<TListaGrup>())
    , geometria_(new TGeometria(zad, wyn, widok, komunikaty, separator, &rodzic))
    , tabela_(new TTabelaWariantow(zad, wyn, widok, *lista_, komunikaty, separator, &rodzic))
    , ustawienia_(new TUstawienia(zad, komunikaty, separator, &rodzic))
    , sila_(new TDodajSile(zad, *lista_, komunikaty, separator, &rodzic))
    , moment_(new TDodajMoment(zad, *lista_, komunikaty, separator, &rodzic))
    , liniowe_(new TDodajLiniowe(zad, *lista_, komunikaty, separator, &rodzic))
    , trojkat_(new TDodajTroj(zad, *lista_, komunikaty, separator, &rodzic))
    , listaSil_(new TEdytowanieSil(zad, *sila_, komunikaty, separator, &rodzic))
    , listaLiniowych_(new TEdytowanieLiniowe(zad, *liniowe_, komunikaty, separator, &rodzic))
    , listaMomentow_(new TEdytowanieMomentow(zad, *moment_, komunikaty, separator, &rodzic))
    , listaTrojkatow_(new TEdytowanieTrojkat(zad, *trojkat_, komunikaty, separator, &rodzic))
{
    // Each group or combination added, renamed or deleted is a step of its own.
    tabela_->PoZmianie = przerysuj;
    for (QDialog* d :
         {static_cast<QDialog*>(geometria_), static_cast<QDialog*>(tabela_), static_cast<QDialog*>(ustawienia_)})
        QObject::connect(d, &QDialog::finished, d, [przerysuj] {
            if (przerysuj)
                przerysuj();
        });
    for (TEdytowanieObciazen* l :
         {static_cast<TEdytowanieObciazen*>(listaSil_), static_cast<TEdytowanieObciazen*>(listaLiniowych_),
          static_cast<TEdytowanieObciazen*>(listaMomentow_), static_cast<TEdytowanieObciazen*>(listaTrojkatow_)}) {
        l->Przerysuj = przerysuj;
        QObject::connect(l, &QDialog::finished, l, [this] {
            if (ListaZamknieta)
                ListaZamknieta(ustawienia_->CB_RozbijSilyGrupy->isChecked());
        });
    }
}

TDialogi::~TDialogi() = default;

TGeometria& TDialogi::OknoGeometrii()
{
    return *geometria_;
}

TTabelaWariantow& TDialogi::OknoTabeli()
{
    return *tabela_;
}

TUstawienia& TDialogi::OknoUstawien()
{
    return *ustawienia_;
}

TDodajSile& TDialogi::DodajSile()
{
    return *sila_;
}

TDodajMoment& TDialogi::DodajMoment()
{
    return *moment_;
}

TDodajLiniowe& TDialogi::DodajLiniowe()
{
    return *liniowe_;
}

TDodajTroj& TDialogi::DodajTroj()
{
    return *trojkat_;
}

TEdytowanieSil& TDialogi::EdytowanieSil()
{
    return *listaSil_;
}

TEdytowanieLiniowe& TDialogi::EdytowanieLiniowe()
{
    return *listaLiniowych_;
}

TEdytowanieMomentow& TDialogi::EdytowanieMomentow()
{
    return *listaMomentow_;
}

TEdytowanieTrojkat& TDialogi::EdytowanieTrojkat()
{
    return *listaTrojkatow_;
}

void TDialogi::Geometria()
{
    geometria_->UstawIloscPrzesel(zad_.IloscPrzesel < 0 ? 1 : geometria_->IloscPrzesel());
    geometria_->Pokaz();
}

void TDialogi::Tabela()
{
    tabela_->OdbudujWiersze();
    tabela_->OdbudujKolumny();
    tabela_->Pokaz();
}

void TDialogi::Ustawienia()
{
    ustawienia_->Przygotuj();
    ustawienia_->Pokaz();
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
