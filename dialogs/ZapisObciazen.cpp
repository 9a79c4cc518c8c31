#include "dialogs/ZapisObciazen.h"

#include "model/Granice.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"
#include "platform/TekstyLiczb.h"

namespace {

using R = TRodzajObciazenia;

struct TTeksty {
    const char* Pelna;        // the table has no free slot
    const char* BrakDoEdycji; // a listed row or a changed slot without a load
    const char* BrakDoUsuniecia;
};

TTeksty Teksty(R rodzaj)
{
    switch (rodzaj) {
    case R::Sila:
        return {"Tabela sił jest pełna (100). Usuń siłę, aby dodać nową.", "Nie wskazano siły do edycji!",
                "Nie wskazano siły do usunięcia!"};
    case R::Moment:
        return {"Tabela momentów jest pełna (100). Usuń moment, aby dodać nowy.", "Nie wskazano momentu do edycji!",
                "Nie wskazano momentu do usunięcia!"};
    case R::Liniowe:
        return {"Tabela obciążeń równomiernych jest pełna (100). Usuń obciążenie, aby dodać nowe.",
                "Nie wskazano siły do edycji!", "Nie wskazano obciążenia liniowego do usunięcia!"};
    case R::Trojkat:
        break;
    }
    return {"Tabela obciążeń liniowo zmiennych jest pełna (100). Usuń obciążenie, aby dodać nowe.",
            "Nie wskazano siły do edycji!", "Nie wskazano obciążenia liniowego do usunięcia!"};
}

constexpr const char* ZlaGrupa = "Nieprawidłowa grupa obciążeń";

std::string W(double x, char sep)
{
    return FormatujMaska(x, Maska::Wartosc, sep);
}

std::string Grupa(const TDaneZadania& zad, int32_t g, const char* odstep)
{
    std::string t = std::to_string(g + 1);
    if (g >= 0 && g < TDaneZadania::MaxGrup)
        t += odstep + Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa);
    return t;
}

// A number as typed, with either separator, when the task's single-precision field can hold it.
bool Czytaj(std::string_view tekst, char sep, double& v)
{
    return CzytajLiczbeNormalizujac(tekst, sep, v) && MiesciSieWFloat(v, tekst);
}

// The value and position checks; the last failing one names the message.
struct TOdczyt {
    bool Ok = true;
    std::string Komunikat;
    double Q1 = 0, Q2 = 0, X1 = 0, X2 = 0;
    void Blad(std::string tekst)
    {
        Ok = false;
        Komunikat = std::move(tekst);
    }
};

TOdczyt CzytajPunktowe(R rodzaj, TPolaObciazenia& pola, float L, char sep)
{
    const bool sila = rodzaj == R::Sila;
    TOdczyt o;
    // What is typed with either separator is accepted, and shown as it will be stored.
    pola.Wartosc1 = NormalizujSeparator(pola.Wartosc1, sep);
    if (!Czytaj(pola.Wartosc1, sep, o.Q1)) {
        o.Blad(sila ? "Nieprawidłowa wartość siły!" : "Nieprawidłowa wartość momentu!");
    } else {
        pola.Wartosc1 = FormatujStale(o.Q1, 2, 12, sep);
        CzytajLiczbe(pola.Wartosc1, sep, o.Q1);
        if (sila && o.Q1 <= 0)
            o.Blad("Siła musi mieć wartość dodatnią!");
        else if (!sila && o.Q1 == 0)
            o.Blad("Moment musi mieć wartość różną od 0!");
        else if (const auto usterka = sila ? UsterkaObciazeniaWpisu("Wartość siły", "kN", o.Q1)
                                           : UsterkaObciazeniaWpisu("Wartość bezwzględna momentu", "kNm", o.Q1))
            o.Blad(*usterka);
    }
    pola.Polozenie1 = NormalizujSeparator(pola.Polozenie1, sep);
    if (!Czytaj(pola.Polozenie1, sep, o.X1)) {
        o.Blad(sila ? "Nieprawidłowa wartość położenia siły!" : "Nieprawidłowa wartość położenia momentu!");
    } else if (o.Ok) {
        pola.Polozenie1 = FormatujStale(o.X1, 2, 12, sep);
        CzytajLiczbe(pola.Polozenie1, sep, o.X1);
        if (o.X1 < 0)
            o.Blad(sila ? "Położenie siły musi mieć wartość dodatnią!"
                        : "Położenie momentu musi mieć wartość dodatnią!");
        if (L < o.X1)
            o.Blad(sila ? "Położenie siły musi mieć wartość nie większą niż długość belki!"
                        : "Położenie momentu musi mieć wartość nie większą niż długość belki!");
    }
    return o;
}

// The distributed loads read the texts as they stand, with either separator.
TOdczyt CzytajRozlozone(R rodzaj, const TPolaObciazenia& pola, float L, char sep)
{
    TOdczyt o;
    if (rodzaj == R::Liniowe) {
        if (!Czytaj(pola.Wartosc1, sep, o.Q1))
            o.Blad("Nieprawidłowa wartość siły!");
        else if (o.Q1 <= 0)
            o.Blad("Obciążenie musi mieć wartość dodatnią!");
        else if (const auto usterka = UsterkaObciazeniaWpisu("Wartość obciążenia", "kN/m", o.Q1))
            o.Blad(*usterka);
    } else {
        if (!Czytaj(pola.Wartosc1, sep, o.Q1))
            o.Blad("Nieprawidłowa wartość początkowa obciążenia!");
        if (!Czytaj(pola.Wartosc2, sep, o.Q2))
            o.Blad("Nieprawidłowa wartość końcowa obciążenia!");
        // One of the two may be zero, not both.
        if (o.Ok && (o.Q1 + o.Q2 < 0.001 || o.Q1 < 0 || o.Q2 < 0))
            o.Blad("Obciążenie musi mieć wartość dodatnią!");
        else if (o.Ok) {
            if (const auto usterka = UsterkaObciazeniaWpisu("Wartość początkowa obciążenia", "kN/m", o.Q1))
                o.Blad(*usterka);
            else if (const auto usterka = UsterkaObciazeniaWpisu("Wartość końcowa obciążenia", "kN/m", o.Q2))
                o.Blad(*usterka);
        }
    }
    const bool liniowe = rodzaj == R::Liniowe;
    if (!Czytaj(pola.Polozenie1, sep, o.X1)) {
        o.Blad(liniowe ? "Nieprawidłowa wartość położenia obciąźenia (początek)!"
                       : "Nieprawidłowa wartość położenia obciążenia (początek)!");
    } else if (o.Ok) {
        if (o.X1 < 0)
            o.Blad("Położenie obciażenia musi mieć wartość dodatnią (początek)!");
        if (L < o.X1)
            o.Blad("Położenie obciążenia musi mieć wartość nie większą niż długość belki (początek)!");
    }
    if (!Czytaj(pola.Polozenie2, sep, o.X2)) {
        o.Blad(liniowe ? "Nieprawidłowa wartość położenia obciąźenia (koniec)!"
                       : "Nieprawidłowa wartość położenia obciążenia (koniec)!");
    } else if (o.Ok) {
        if (o.X2 < 0)
            o.Blad("Położenie obciażenia musi mieć wartość dodatnią (koniec) !");
        if (L < o.X2)
            o.Blad("Położenie obciążenia musi mieć wartość nie większą niż długość belki (koniec)!");
    }
    // A load of no length is refused.
    if (o.Ok && o.X2 <= o.X1)
        o.Blad("Położenie obciażenia końcowe musi być większe od początkowego !");
    return o;
}

// The slot the load goes into, or the message refusing it.
template <class T, size_t N>
std::optional<int32_t> Miejsce(const std::array<T, N>& tablica, const TPolaObciazenia& pola, const TTeksty& t,
                               std::string& komunikat)
{
    if (pola.Numer) {
        const int32_t j = *pola.Numer;
        // The task may have been replaced since the change was prepared.
        if (j < 0 || j >= int32_t(N) || !tablica[size_t(j)].Uzyta) {
            komunikat = t.BrakDoEdycji;
            return std::nullopt;
        }
        return j;
    }
    const int32_t j = IloscUzytych(tablica);
    if (j >= int32_t(N)) {
        komunikat = t.Pelna;
        return std::nullopt;
    }
    return j;
}

} // namespace

TWynikZapisu ZapiszObciazenie(TDaneZadania& zad, TRodzajObciazenia rodzaj, TPolaObciazenia& pola, char separator)
{
    TWynikZapisu wynik;
    if (pola.Przeslo < 0 || pola.Przeslo >= zad.IloscPrzesel || pola.Przeslo >= int32_t(zad.Przesla.size())) {
        wynik.Komunikaty.push_back(" Najpierw GEOMETRIA ! ");
        return wynik;
    }
    const TPrzeslo& przeslo = zad.Przesla[size_t(pola.Przeslo)];
    const bool punktowe = rodzaj == R::Sila || rodzaj == R::Moment;
    const TOdczyt o = punktowe ? CzytajPunktowe(rodzaj, pola, przeslo.L, separator)
                               : CzytajRozlozone(rodzaj, pola, przeslo.L, separator);
    const std::optional<int32_t> grupa = NumerGrupy(pola.Grupa);
    const bool grupaOk = grupa && *grupa >= 1 && *grupa <= IloscUzytych(zad.Grupy);
    if (!o.Ok || !grupaOk) {
        if (!o.Ok)
            wynik.Komunikaty.push_back(o.Komunikat);
        if (!grupaOk)
            wynik.Komunikaty.push_back(ZlaGrupa);
        return wynik;
    }

    const TTeksty t = Teksty(rodzaj);
    std::string odmowa;
    const int32_t g = *grupa - 1;
    const auto zapisz = [&](auto& tablica, auto rekord) {
        const std::optional<int32_t> j = Miejsce(tablica, pola, t, odmowa);
        if (!j)
            return;
        rekord.Uzyta = 1;
        rekord.Przeslo = pola.Przeslo;
        rekord.Grupa = g;
        tablica[size_t(*j)] = rekord;
        wynik.Zapisano = true;
    };
    switch (rodzaj) {
    case R::Sila:
    case R::Moment: {
        TSila s;
        s.X = float(o.X1);
        s.XAbs = przeslo.X0 + float(o.X1);
        s.Wartosc = float(o.Q1);
        zapisz(rodzaj == R::Sila ? zad.Sily : zad.Momenty, s);
        break;
    }
    case R::Liniowe: {
        TLiniowe l;
        l.X1 = float(o.X1);
        l.X2 = float(o.X2);
        l.X1Abs = przeslo.X0 + l.X1;
        l.X2Abs = przeslo.X0 + l.X2;
        l.Wartosc = float(o.Q1);
        zapisz(zad.Liniowe, l);
        break;
    }
    case R::Trojkat: {
        TTrojkat l;
        l.X1 = float(o.X1);
        l.X2 = float(o.X2);
        l.X1Abs = przeslo.X0 + l.X1;
        l.X2Abs = przeslo.X0 + l.X2;
        UstawWartosciTrojkata(l, float(o.Q1), float(o.Q2));
        zapisz(zad.Trojkaty, l);
        break;
    }
    }
    if (!wynik.Zapisano) {
        wynik.Komunikaty.push_back(odmowa);
        return wynik;
    }
    zad.DoPrzeliczenia = true;
    zad.NieZapisane = true;
    return wynik;
}

std::vector<std::string> NaglowkiListy(TRodzajObciazenia rodzaj)
{
    switch (rodzaj) {
    case R::Sila:
    case R::Moment:
        return {"Nr/Opis", " Położenie[m]", "   Wartość [kN]", "   Nr przęsła", "    Grupa"};
    case R::Liniowe:
        return {"Nr/Opis", " Poł. x1[m]", " Poł. x2[m]", "   Wartość [kN]", " Nr przęsła", "    Grupa"};
    case R::Trojkat:
        break;
    }
    return {"Nr/Opis", " Poł. x1[m]", " Poł. x2[m]", " Wr. pocz. [kN]", " Wr. konc. [kN]", " Nr przęsła", "    Grupa"};
}

std::vector<std::vector<std::string>> WierszeListy(const TDaneZadania& zad, TRodzajObciazenia rodzaj, char sep)
{
    std::vector<std::vector<std::string>> w;
    const auto wiersz = [&](int32_t i, std::vector<std::string> srodek, int32_t przeslo, int32_t g) {
        srodek.insert(srodek.begin(), std::to_string(i + 1));
        srodek.push_back(std::to_string(przeslo + 1));
        srodek.push_back(Grupa(zad, g, "   "));
        w.push_back(std::move(srodek));
    };
    switch (rodzaj) {
    case R::Sila:
    case R::Moment: {
        const auto& t = rodzaj == R::Sila ? zad.Sily : zad.Momenty;
        for (int32_t i = 0; i < IloscUzytych(t); ++i)
            wiersz(i, {W(t[size_t(i)].X, sep), W(t[size_t(i)].Wartosc, sep)}, t[size_t(i)].Przeslo, t[size_t(i)].Grupa);
        break;
    }
    case R::Liniowe:
        for (int32_t i = 0; i < IloscUzytych(zad.Liniowe); ++i) {
            const TLiniowe& l = zad.Liniowe[size_t(i)];
            wiersz(i, {W(l.X1, sep), W(l.X2, sep), W(l.Wartosc, sep)}, l.Przeslo, l.Grupa);
        }
        break;
    case R::Trojkat:
        for (int32_t i = 0; i < IloscUzytych(zad.Trojkaty); ++i) {
            const TTrojkat& l = zad.Trojkaty[size_t(i)];
            wiersz(i,
                   {W(l.X1, sep), W(l.X2, sep), W(double(l.WartoscStala) + l.WartoscMalejaca, sep),
                    W(double(l.WartoscStala) + l.WartoscRosnaca, sep)},
                   l.Przeslo, l.Grupa);
        }
        break;
    }
    return w;
}

std::optional<TPolaObciazenia> PolaDoZmiany(const TDaneZadania& zad, TRodzajObciazenia rodzaj, int32_t i, char sep)
{
    // The four tables are of one size.
    static_assert(TDaneZadania::MaxSil == TDaneZadania::MaxMomentow &&
                  TDaneZadania::MaxSil == TDaneZadania::MaxLiniowych &&
                  TDaneZadania::MaxSil == TDaneZadania::MaxTrojkatow);
    if (i < 0 || i >= TDaneZadania::MaxSil)
        return std::nullopt;
    TPolaObciazenia p;
    p.Numer = i;
    const auto wspolne = [&](const auto& rekord) {
        p.Przeslo = rekord.Przeslo;
        p.Grupa = Grupa(zad, rekord.Grupa, "  ");
        return bool(rekord.Uzyta);
    };
    switch (rodzaj) {
    case R::Sila:
    case R::Moment: {
        const TSila& s = (rodzaj == R::Sila ? zad.Sily : zad.Momenty)[size_t(i)];
        p.Wartosc1 = W(s.Wartosc, sep);
        p.Polozenie1 = W(s.X, sep);
        return wspolne(s) ? std::optional(p) : std::nullopt;
    }
    case R::Liniowe: {
        const TLiniowe& l = zad.Liniowe[size_t(i)];
        p.Wartosc1 = W(l.Wartosc, sep);
        p.Polozenie1 = W(l.X1, sep);
        p.Polozenie2 = W(l.X2, sep);
        return wspolne(l) ? std::optional(p) : std::nullopt;
    }
    case R::Trojkat:
        break;
    }
    const TTrojkat& l = zad.Trojkaty[size_t(i)];
    p.Wartosc1 = W(double(l.WartoscStala) + l.WartoscMalejaca, sep);
    p.Wartosc2 = W(double(l.WartoscStala) + l.WartoscRosnaca, sep);
    p.Polozenie1 = W(l.X1, sep);
    p.Polozenie2 = W(l.X2, sep);
    return wspolne(l) ? std::optional(p) : std::nullopt;
}

bool UsunObciazenie(TDaneZadania& zad, TRodzajObciazenia rodzaj, int32_t i, IKomunikaty& komunikaty, char sep)
{
    const std::optional<TPolaObciazenia> p = PolaDoZmiany(zad, rodzaj, i, sep);
    if (!p) {
        komunikaty.Komunikat(Teksty(rodzaj).BrakDoUsuniecia);
        return false;
    }
    std::string pytanie;
    switch (rodzaj) {
    case R::Sila:
        pytanie = "Potwierdź usuwanie siły " + p->Wartosc1 + "[kN]; położenie " + p->Polozenie1 + "[m]";
        break;
    case R::Moment:
        pytanie = "Potwierdź usuwanie momentu " + p->Wartosc1 + "[kN]; położenie " + p->Polozenie1 + "[m]";
        break;
    case R::Liniowe:
        pytanie = "Potwierdź usuwanie obciążenia " + p->Wartosc1 + "[kN]; poł. " + p->Polozenie1 + "-" + p->Polozenie2 +
                  "[m]";
        break;
    case R::Trojkat:
        pytanie = "Potwierdź usuwanie obciążenia " + p->Wartosc1 + " - " + p->Wartosc2 + "[kN]; poł. " + p->Polozenie1 +
                  "-" + p->Polozenie2 + "[m]";
        break;
    }
    if (!komunikaty.Pytanie(pytanie))
        return false;
    switch (rodzaj) {
    case R::Sila:
        UsunZTablicy(zad.Sily, i);
        break;
    case R::Moment:
        UsunZTablicy(zad.Momenty, i);
        break;
    case R::Liniowe:
        UsunZTablicy(zad.Liniowe, i);
        break;
    case R::Trojkat:
        UsunZTablicy(zad.Trojkaty, i);
        break;
    }
    zad.DoPrzeliczenia = true;
    zad.NieZapisane = true;
    return true;
}

std::string KomunikatBrakuDoEdycji(TRodzajObciazenia rodzaj)
{
    return Teksty(rodzaj).BrakDoEdycji;
}
