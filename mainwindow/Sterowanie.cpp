#include "mainwindow/Sterowanie.h"

#include "drawing/Przegladanie.h"
#include "platform/Komunikaty.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

TSterowanie::TSterowanie(TProgram& program, IKomunikaty& komunikaty, IOknoWidoku& okno, std::function<void()> przerysuj,
                         std::function<void()> widokZmieniony)
    : program_(program)
    , komunikaty_(komunikaty)
    , okno_(okno)
    , przerysuj_(std::move(przerysuj))
    , widokZmieniony_(std::move(widokZmieniony))
{
}

void TSterowanie::ZoomPan()
{
    program_.Widok.TrybPrzesuwania = true;
    okno_.UstawKursor(TKursor::Dlon);
    widokZmieniony_();
}

void TSterowanie::ZoomOkno()
{
    program_.Widok.TrybOkna = true;
    okno_.UstawKursor(TKursor::Okno);
    widokZmieniony_();
}

void TSterowanie::ZoomWszystko()
{
    const TRozmiarPowierzchni r = okno_.RozmiarPodgladu();
    ::ZoomWszystko(program_.Widok, r.Szerokosc, r.Wysokosc);
    widokZmieniony_();
}

void TSterowanie::NastepnyArkusz()
{
    if (SasiedniArkusz(program_.Widok, program_.Zadanie, 1))
        widokZmieniony_();
}

void TSterowanie::PoprzedniArkusz()
{
    if (SasiedniArkusz(program_.Widok, program_.Zadanie, -1))
        widokZmieniony_();
}

void TSterowanie::WszystkieArkusze()
{
    const TRozmiarPowierzchni r = okno_.RozmiarPodgladu();
    ::WszystkieArkusze(program_.Widok, program_.Zadanie, r.Szerokosc, r.Wysokosc);
    widokZmieniony_();
}

void TSterowanie::Powieksz()
{
    ::Powieksz(program_.Widok);
    widokZmieniony_();
}

void TSterowanie::Pomniejsz()
{
    ::Pomniejsz(program_.Widok);
    widokZmieniony_();
}

void TSterowanie::Kolko(int kat)
{
    // A fine-grained wheel adds up to whole notches.
    kat_ += kat;
    const int kroki = kat_ / JedenObrotKolka;
    if (kroki == 0)
        return;
    kat_ -= kroki * JedenObrotKolka;
    for (int i = 0; i < std::abs(kroki); ++i)
        KolkoMyszy(program_.Widok, kroki > 0);
    widokZmieniony_();
}

void TSterowanie::Nacisniecie(TPrzyciskMyszy przycisk, TPiksel p)
{
    TWidok& w = program_.Widok;
    if (przycisk == TPrzyciskMyszy::Inny)
        return;
    const int32_t H = okno_.RozmiarPodgladu().Wysokosc;
    // The middle button pans at any time.
    if (przycisk == TPrzyciskMyszy::Srodkowy)
        w.TrybPrzesuwania = true;
    PoczatekPrzesuwania(w, p.Kolumna, p.Wiersz, H);
    if (w.Przeciaganie)
        okno_.UstawKursor(TKursor::Chwyt);
    if (przycisk == TPrzyciskMyszy::Lewy)
        PoczatekOkna(w, p.Kolumna, p.Wiersz, H);
}

void TSterowanie::Ruch(TPiksel p)
{
    TWidok& w = program_.Widok;
    const int32_t H = okno_.RozmiarPodgladu().Wysokosc;
    okno_.UstawOdczyt(OdczytWspolrzednych(w, p.Kolumna, p.Wiersz, program_.Regionalne.SeparatorDziesietny));
    // The sheet follows the mouse.
    if (Przesuwanie(w, p.Kolumna, p.Wiersz, H))
        widokZmieniony_();
    else if (w.RysowanieOkna)
        okno_.UstawRamke(TRamkaOkna{{w.PunktX, H - w.PunktY}, p});
}

void TSterowanie::Puszczenie(TPiksel p)
{
    TWidok& w = program_.Widok;
    const TRozmiarPowierzchni r = okno_.RozmiarPodgladu();
    const bool przeciagano = w.Przeciaganie;
    bool zmiana = KoniecPrzesuwania(w, p.Kolumna, p.Wiersz, r.Wysokosc);
    // A zoom window needs its press on the sheet (or the pan's, with both tools armed):
    // a release alone would zoom to wherever the last press was.
    if (w.TrybOkna && (w.RysowanieOkna || przeciagano) && KoniecOkna(w, p.Kolumna, p.Wiersz, r.Szerokosc, r.Wysokosc)) {
        okno_.UstawRamke(std::nullopt);
        zmiana = true;
    }
    if (!zmiana)
        return;
    okno_.UstawKursor(w.TrybOkna ? TKursor::Okno : TKursor::Krzyz);
    widokZmieniony_();
}

bool TSterowanie::MoznaDodawac()
{
    if (program_.Zadanie.IloscPrzesel >= 1)
        return true;
    komunikaty_.Komunikat(NajpierwGeometria);
    przerysuj_();
    return false;
}

bool TSterowanie::OtworzListe()
{
    TDaneZadania& zad = program_.Zadanie;
    if (zad.IloscPrzesel < 1) {
        komunikaty_.Komunikat(NajpierwGeometriaDoEdycji);
        return false;
    }
    // The list shows every load where it is, not split by groups.
    if (zad.Nastawy.RozbijSilyGrupy) {
        zad.Nastawy.RozbijSilyGrupy = false;
        przerysuj_();
    }
    return true;
}

void TSterowanie::ZamknijListe(bool rozbijSilyGrupy)
{
    program_.Zadanie.Nastawy.RozbijSilyGrupy = rozbijSilyGrupy;
    przerysuj_();
}

bool TSterowanie::MoznaTabele()
{
    if (program_.Zadanie.IloscPrzesel >= 1)
        return true;
    komunikaty_.Komunikat(NajpierwGeometria);
    return false;
}

TRozmiarPowierzchni RozmiarOkna(TRozmiarPowierzchni dostepne)
{
    return {std::min(1400, dostepne.Szerokosc * 9 / 10), std::min(940, dostepne.Wysokosc * 9 / 10)};
}
