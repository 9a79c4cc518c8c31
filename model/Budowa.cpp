#include "model/Budowa.h"

namespace {

float X0(const TDaneZadania& zad, int32_t przeslo)
{
    return przeslo >= 0 && przeslo < int32_t(zad.Przesla.size()) ? zad.Przesla[przeslo].X0 : 0.0f;
}

} // namespace

void UstawGeometrie(TDaneZadania& zad, std::initializer_list<float> dlugosci, bool lewyPrzegub, bool prawyPrzegub)
{
    NowyTemat(zad);
    zad.IloscPrzesel = int32_t(dlugosci.size());
    UstawIloscPrzesel(zad);
    size_t i = 0;
    for (const float L : dlugosci) {
        TPrzeslo& p = zad.Przesla[i++];
        p.L = L;
        p.E = 1.0f;
        p.J = 1.0f;
    }
    zad.LewyPrzegub = lewyPrzegub;
    zad.PrawyPrzegub = prawyPrzegub;
    UstawKodyPrzesel(zad);
    zad.DoPrzeliczenia = true;
}

int32_t DodajGrupe(TDaneZadania& zad, std::string_view nazwa, int32_t kolor)
{
    TGrupa g;
    g.Nazwa = PrzytnijNazwe(nazwa);
    g.Kolor = kolor;
    return DodajDoTablicy(zad.Grupy, g);
}

int32_t DodajKombinacje(TDaneZadania& zad, std::string_view nazwa)
{
    TWariant w;
    w.Nazwa = PrzytnijNazwe(nazwa);
    return DodajDoTablicy(zad.Kombinacje, w);
}

int32_t DodajSile(TDaneZadania& zad, int32_t przeslo, float x, float wartosc, int32_t grupa)
{
    TSila f;
    f.Przeslo = przeslo;
    f.X = x;
    f.XAbs = x + X0(zad, przeslo);
    f.Wartosc = wartosc;
    f.Grupa = grupa;
    return DodajDoTablicy(zad.Sily, f);
}

int32_t DodajMoment(TDaneZadania& zad, int32_t przeslo, float x, float wartosc, int32_t grupa)
{
    TMoment m;
    m.Przeslo = przeslo;
    m.X = x;
    m.XAbs = x + X0(zad, przeslo);
    m.Wartosc = wartosc;
    m.Grupa = grupa;
    return DodajDoTablicy(zad.Momenty, m);
}

int32_t DodajLiniowe(TDaneZadania& zad, int32_t przeslo, float x1, float x2, float wartosc, int32_t grupa)
{
    TLiniowe q;
    q.Przeslo = przeslo;
    q.X1 = x1;
    q.X2 = x2;
    q.X1Abs = x1 + X0(zad, przeslo);
    q.X2Abs = x2 + X0(zad, przeslo);
    q.Wartosc = wartosc;
    q.Grupa = grupa;
    return DodajDoTablicy(zad.Liniowe, q);
}

int32_t DodajTrojkat(TDaneZadania& zad, int32_t przeslo, float x1, float x2, float q1, float q2, int32_t grupa)
{
    TTrojkat t;
    t.Przeslo = przeslo;
    t.X1 = x1;
    t.X2 = x2;
    t.X1Abs = x1 + X0(zad, przeslo);
    t.X2Abs = x2 + X0(zad, przeslo);
    UstawWartosciTrojkata(t, q1, q2);
    t.Grupa = grupa;
    return DodajDoTablicy(zad.Trojkaty, t);
}
