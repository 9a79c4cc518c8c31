#include "drawing/Arkusze.h"

#include "analysis/Obciazenia.h"
#include "analysis/Analiza.h"
#include "analysis/Wyniki.h"
#include "platform/TekstyLiczb.h"
#include "drawing/Schemat.h"
#include "drawing/Symbole.h"
#include "drawing/Tekst.h"
#include "drawing/UkladEtykiet.h"
#include "drawing/Widocznosc.h"
#include "drawing/Wykresy.h"
#include "drawing/WykresUgiec.h"
#include "drawing/WykresyNormowe.h"
#include "drawing/WykresyObwiedni.h"
#include "model/Granice.h"
#include "model/Zadanie.h"
#include "platform/Cp1250.h"
#include "platform/Komunikaty.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Where the sheets not printed wait during a print: far off the paper.
constexpr TPunktArkusza PozaPapierem{1000, 1000};

void Kratki(TRysowanie& r, const TPasWidoczny& pas, TPunktCm P)
{
    const TWidok& w = r.Widok;
    if (const TWyjscia arkusz = pas.Wyjscia(P.X, P.X + w.ArkuszSzerokosc, 0.1))
        Kratka(r, arkusz, P, {P.X + w.ArkuszSzerokosc, P.Y + w.ArkuszWysokosc}, {0.01, Kolor::Kratka}, 0.5);
}

} // namespace

TKompozycja::TKompozycja(TDaneZadania& zad, TWyniki& wyn, TWidok& widok, const TCzcionka& czcionka,
                         IKomunikaty& komunikaty, char separator)
    : Zadanie(zad)
    , Wyniki(wyn)
    , Widok(widok)
    , Czcionka(czcionka)
    , Komunikaty(komunikaty)
    , Separator(separator)
{
}

void RozmiescArkusze(TDaneZadania& zad, const TWidok& widok)
{
    const int32_t N = IloscPrzeselRysunku(zad);
    float X0 = 0, L = 0; // of the last span; a beam without spans has no length
    if (N > 0) {
        X0 = zad.Przesla[size_t(N) - 1].X0;
        L = zad.Przesla[size_t(N) - 1].L;
    }
    // Single precision, as the positions are kept; the offset is added in metres.
    const float potrzebna = (zad.Nastawy.SchematyPretowX + X0 + L) * float(widok.SkalaRysunkuX) + 1;
    double szerokosc = std::isfinite(widok.ArkuszSzerokosc) ? widok.ArkuszSzerokosc : 0;
    // A beam of no finite length cannot widen the sheets.
    if (std::isfinite(potrzebna) && potrzebna > szerokosc)
        szerokosc = potrzebna;
    const double krok = szerokosc + 1;
    for (int32_t c = 0; c < TDaneZadania::MaxKombinacji; ++c)
        zad.PolozenieKombinacji[size_t(c)] = {float(c * krok), 0};
    zad.PolozenieObwiedni = {float(-krok - 4), 0};
    // Further left the design sheets, in the envelope sheet's place when it has none.
    const double od = zad.PolozenieObwiedni.x - (IloscUzytych(zad.Kombinacje) > 1 ? krok : 0);
    for (int32_t i = 0; i < IloscArkuszyNormowych; ++i)
        zad.PolozenieNormowych[size_t(i)] = {float(od - i * krok), 0};
}

void OpisKombinacji(TRysowanie& r, const TDaneZadania& zad, int32_t c, TWyjscia na, TPunktCm P)
{
    if (c < 0 || c >= TDaneZadania::MaxKombinacji)
        return;
    const double X = P.X, Y = P.Y;
    const TPasWidoczny pas = PasWidoczny(r, na);
    // The heading and the group names start at X: not put together where that cannot show.
    const bool widoczne = pas.TekstNaEkranie(X) || pas.NaDruku(X);
    if (widoczne) {
        const std::string naglowek =
            Utf8NaCp1250("KOMBINACJA OBCIĄŻEŃ  - ") + std::to_string(c + 1) + "   " + zad.Kombinacje[size_t(c)].Nazwa;
        TekstNaPasie(r, pas, na, P, {{0.6, Kolor::Czarny}, 0.4, 0.5}, naglowek);
    }
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        const TGrupa& grupa = zad.Grupy[size_t(g)];
        if (!grupa.Uzyta)
            continue;
        const double y = Y - (g + 1) * 0.48 - 0.5;
        const TStylTekstu styl{{0.3, TKolor::ZBgr(grupa.Kolor)}, 0.4, 0.5};
        if (widoczne)
            TekstNaPasie(r, pas, na, {X, y}, styl, std::to_string(g + 1) + "  " + grupa.Nazwa);
        Etykieta(r, pas, na,
                 {.P = {X + 6, y},
                  .Styl = styl,
                  .Wartosc = zad.Wspolczynniki[size_t(c)][size_t(g)],
                  .Maska = "#######0.00"});
    }
}

TSkutekKompozycji Skomponuj(TKompozycja& k, TNagranie* ekran, const TStronaDruku* druk)
{
    TDaneZadania& zad = k.Zadanie;
    TWyniki& wyn = k.Wyniki;
    TWidok& widok = k.Widok;
    TSkutekKompozycji skutek;

    if (ekran)
        ekran->Wyczysc();
    UstawRozmiarArkusza(widok, k.Drukarka, zad.Nastawy, zad.SkalaX, zad.SkalaY);
    if (druk)
        UstawDruk(widok, druk->DpiX, druk->DpiY);

    PoliczKombinacje(zad);
    const bool obciazenia = zad.IloscPrzesel > 0 && SaObciazenia(zad);
    if (obciazenia && zad.DoPrzeliczenia) {
        skutek.Przeliczono = true;
        PrzeliczZadanie(zad, wyn, k.Komunikaty);
    }

    TRysowanie r{ekran, druk ? &druk->Powierzchnia : nullptr, widok, k.Czcionka, zad.Nastawy, k.Separator};
    const TWyjscia na{.Ekran = ekran != nullptr, .Druk = druk != nullptr};
    const TPasWidoczny pas = PasWidoczny(r, na);
    const TNastawy& n = zad.Nastawy;
    const TPokazuj& pokaz = k.Pokazuj;
    const int32_t K = zad.IloscKombinacji;
    // The labels of each sheet, the envelope sheet's and the design sheets'
    // last, drawn when all sheets are.
    std::vector<TUkladEtykiet> uklady(k.RozsuwajEtykiety ? size_t(K) + 1 + IloscArkuszyNormowych : 0);
    const auto arkusz = [&](int32_t i) { r.Etykiety = uklady.empty() ? nullptr : &uklady[size_t(i)]; };

    for (int32_t c = 0; c < K; ++c) {
        const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
        arkusz(c);
        RamkaArkusza(r, {P.x, P.y});
        if (n.RysujKratke)
            Kratki(r, pas, {P.x, P.y});
        if (zad.IloscPrzesel > 0 && pokaz.SchematStatyczny) {
            const TPunktCm O{P.x + n.SchematX, P.y + n.SchematY};
            ObciazeniaKombinacji(zad, c);
            if (n.RozbijSilyGrupy)
                ObciazeniaSchematGrupami(r, zad, na, O);
            else
                ObciazeniaSchemat(r, zad, na, O);
            SchematBelki(r, zad, na, O, {.Glowne = 0.1, .Drugie = 0.5, .Kolor = Kolor::Czarny});
        }
    }

    if (obciazenia) {
        for (int32_t c = 0; c < K; ++c) {
            const TPunktArkusza P = zad.PolozenieKombinacji[size_t(c)];
            arkusz(c);
            const TZrodloWykresu z{zad, wyn, c};
            if (pokaz.Reakcje)
                WykresReakcji(r, z, na, {P.x + n.ReakcjeX, P.y + n.ReakcjeY}, Kolor::Granatowy, Kolor::Zielony);
            if (pokaz.Momenty)
                WykresMomentow(r, z, na, {P.x + n.MomentyX, P.y + n.MomentyY}, Kolor::Bordowy);
            if (pokaz.SilyPoprzeczne)
                WykresSilPoprzecznych(r, z, na, {P.x + n.PoprzeczneX, P.y + n.PoprzeczneY}, Kolor::Bordowy);
            if (pokaz.Ugiecia)
                WykresUgiec(r, z, na, {P.x + n.UgieciaX, P.y + n.UgieciaY}, Kolor::Granatowy, Kolor::Czerwony);
            if (pokaz.SchematyPretow) {
                const TPunktCm O{P.x + n.SchematyPretowX, P.y + n.SchematyPretowY};
                SchematPretow(r, zad, na, O, {.Glowne = 0.1, .Drugie = 0.2, .Kolor = Kolor::Szary});
                SilyPretow(r, z, na, O, {.Glowne = 0.1, .Drugie = 0.2, .Kolor = Kolor::Zielony});
            }
            OpisKombinacji(r, zad, c, na, {P.x + n.SchematyPretowX + 4, -1});
        }
        if (K > 1) {
            const TPunktArkusza P = zad.PolozenieObwiedni;
            arkusz(K);
            RamkaArkusza(r, {P.x, P.y});
            if (n.RysujKratke)
                Kratki(r, pas, {P.x, P.y});
            // Envelopes exist only where an analysis of two or more
            // combinations produced them; a refused task has none.
            if (wyn.IloscPoliczonych > 1) {
                const TZrodloWykresu z{zad, wyn};
                WykresObwiedniMomentow(r, z, na, {P.x + n.MomentyX, P.y + n.MomentyY}, Kolor::Granatowy,
                                       Kolor::Czerwony);
                WykresObwiedniSilPoprzecznych(r, z, na, {P.x + n.PoprzeczneX, P.y + n.PoprzeczneY}, Kolor::Bordowy,
                                              Kolor::Zielony);
                WykresObwiedniReakcji(r, z, na, {P.x + n.ReakcjeX, P.y + n.ReakcjeY}, Kolor::Granatowy, Kolor::Zielony);
                WykresObwiedniUgiec(r, z, na, {P.x + n.UgieciaX, P.y + n.UgieciaY}, Kolor::Granatowy, Kolor::Zielony,
                                    Kolor::Czerwony);
            }
        }
        if (SaGrupySklasyfikowane(zad))
            for (int32_t i = 0; i < IloscArkuszyNormowych; ++i) {
                const TPunktArkusza P = zad.PolozenieNormowych[size_t(i)];
                arkusz(K + 1 + i);
                RamkaArkusza(r, {P.x, P.y});
                if (n.RysujKratke)
                    Kratki(r, pas, {P.x, P.y});
                ArkuszNormowy(r, zad, wyn, na, {P.x, P.y}, TArkuszNormowy(i));
            }
    }

    r.Etykiety = nullptr;
    for (TUkladEtykiet& u : uklady)
        u.Rysuj(r);

    const std::string wymiary = "Wymiary arkusza X = " + FormatujMaska(widok.ArkuszSzerokosc, "###.##", k.Separator) +
                                " ; Y = " + FormatujMaska(widok.ArkuszWysokosc, "###.##", k.Separator);
    TekstNaPasie(r, pas, na, {1, -0.5}, {{0.1, Kolor::Szary}, 0.3, 0.3}, wymiary);

    zad.DoPrzeliczenia = false;
    skutek.DaneNieZapisane = zad.NieZapisane;
    return skutek;
}

TSkutekKompozycji Przerysuj(TKompozycja& k, IPowierzchnia* ekran, const TStronaDruku* druk)
{
    if (!ekran)
        return Skomponuj(k, nullptr, druk);
    TNagranie nagranie(k.Czcionka);
    const TSkutekKompozycji skutek = Skomponuj(k, &nagranie, druk);
    Odtworz(nagranie, k.Widok, *ekran);
    return skutek;
}

int32_t IloscStronWydruku(TDaneZadania& zad)
{
    const int32_t K = PoliczKombinacje(zad);
    return (K > 1 ? K + 1 : K) + (SaGrupySklasyfikowane(zad) ? IloscArkuszyNormowych : 0);
}

std::string NazwaArkusza(const TDaneZadania& zad, int32_t strona)
{
    const int32_t K = std::min<int32_t>(zad.IloscKombinacji, TDaneZadania::MaxKombinacji);
    if (strona >= 0 && strona < K)
        return "KOMBINACJA OBCIĄŻEŃ - " + std::to_string(strona + 1) + "   " +
               Cp1250NaUtf8(zad.Kombinacje[size_t(strona)].Nazwa);
    const int32_t normowy = strona - (K > 1 ? K + 1 : K);
    if (SaGrupySklasyfikowane(zad) && normowy >= 0 && normowy < IloscArkuszyNormowych)
        return TytulArkuszaNormowego(TArkuszNormowy(normowy));
    return "OBWIEDNIE";
}

std::string TekstStopki(const TKompozycja& k, int32_t strona, int32_t strony)
{
    const std::string arkusz = NazwaArkusza(k.Zadanie, strona);
    std::string stopka;
    for (const std::string& pole :
         {k.NazwaPliku, arkusz, "strona " + std::to_string(strona + 1) + " z " + std::to_string(strony), k.DataWydruku})
        if (!pole.empty())
            stopka += (stopka.empty() ? "" : "  |  ") + pole;
    return stopka;
}

namespace {

// A page that keeps only how far right its strokes reach.
class TZasiegStrony final : public IPowierzchnia {
public:
    explicit TZasiegStrony(TRozmiarPowierzchni rozmiar) : rozmiar_(rozmiar) {}
    int32_t PrawaKrawedz = 0; // pixels; 0 when nothing was drawn

    void UstawPioro(const TPioro& pioro) override { pioro_ = pioro; }
    TPioro Pioro() const override { return pioro_; }
    void Linia(int32_t x1, int32_t, int32_t x2, int32_t) override { PrawaKrawedz = std::max({PrawaKrawedz, x1, x2}); }
    void Prostokat(int32_t, int32_t, int32_t x2, int32_t, std::optional<TKolor>) override
    {
        PrawaKrawedz = std::max(PrawaKrawedz, x2);
    }
    // The headings stand at the left of their blocks, far from the right edge.
    void Napis(int32_t, int32_t, const std::string&, const TStylNapisu&) override {}
    int32_t SzerokoscNapisu(const std::string&, const TStylNapisu&) override { return 0; }
    void ProstokatXor(int32_t, int32_t, int32_t, int32_t) override {}
    TRozmiarPowierzchni Rozmiar() const override { return rozmiar_; }

private:
    TPioro pioro_;
    TRozmiarPowierzchni rozmiar_;
};

// The pages of a print, three sheets wide, so that what runs off the paper is drawn too.
class TWydrukProbny final : public IWydruk {
public:
    TWydrukProbny(TRozmiarPowierzchni rozmiar, int32_t dpiX, int32_t dpiY)
        : strona_(rozmiar)
        , druk_{strona_, dpiX, dpiY}
    {
    }
    const TStronaDruku* Strona(int32_t) override { return &druk_; }
    void KoniecStrony(int32_t) override {}
    // The footer is the page's, not the drawing's.
    bool Stopki() const override { return false; }
    int32_t PrawaKrawedz() const { return strona_.PrawaKrawedz; }

private:
    TZasiegStrony strona_;
    TStronaDruku druk_;
};

} // namespace

bool RysunekSzerszyNizArkusz(TKompozycja& k)
{
    if (IloscPrzeselRysunku(k.Zadanie) < 1)
        return false;
    const TInformacjaDrukarki drukarka = k.Drukarka.value_or(TInformacjaDrukarki{});
    const int32_t dpiX = drukarka.DpiX > 0 ? drukarka.DpiX : 300, dpiY = drukarka.DpiY > 0 ? drukarka.DpiY : 300;
    UstawRozmiarArkusza(k.Widok, k.Drukarka, k.Zadanie.Nastawy, k.Zadanie.SkalaX, k.Zadanie.SkalaY);
    const double szerokosc = k.Widok.ArkuszSzerokosc * dpiX / 2.54;
    if (!(szerokosc > 0 && szerokosc < 1e6))
        return false;
    TWydrukProbny wydruk({int32_t(3 * szerokosc), int32_t(k.Widok.ArkuszWysokosc * dpiY / 2.54)}, dpiX, dpiY);
    Drukuj(k, wydruk);
    // Half a pixel for the rounding of what ends right at the edge.
    return wydruk.PrawaKrawedz() > szerokosc + 0.5;
}

std::optional<float> SkalaMieszczaca(TKompozycja& k)
{
    TDaneZadania& zad = k.Zadanie;
    const float skala = zad.SkalaX;
    std::vector<float> okragle;
    for (double potega = 1; potega <= NajwiekszaSkala; potega *= 10)
        for (const double m : {1.0, 2.0, 2.5, 5.0})
            if (m * potega > skala && m * potega <= NajwiekszaSkala)
                okragle.push_back(float(m * potega));
    // A smaller drawing fits wherever a larger one does: the first that fits by halving.
    size_t od = 0, ile = okragle.size();
    while (ile > 0) {
        const size_t polowa = ile / 2;
        zad.SkalaX = okragle[od + polowa];
        if (RysunekSzerszyNizArkusz(k)) {
            od += polowa + 1;
            ile -= polowa + 1;
        } else {
            ile = polowa;
        }
    }
    zad.SkalaX = skala;
    UstawRozmiarArkusza(k.Widok, k.Drukarka, zad.Nastawy, zad.SkalaX, zad.SkalaY);
    RozmiescArkusze(zad, k.Widok);
    if (od == okragle.size())
        return std::nullopt;
    return okragle[od];
}

std::string TekstRysunekSzerszy(TKompozycja& k)
{
    const std::optional<float> skala = SkalaMieszczaca(k);
    const std::string tekst = "Rysunek belki jest szerszy niż arkusz. ";
    if (!skala)
        return tekst + "Nie mieści się nawet w skali 1:100000 — zmniejsz czcionkę albo powiększ arkusz w Ustawieniach.";
    // Round denominators: whole, or 2,5.
    const int64_t calkowita = int64_t(*skala);
    const std::string mianownik = std::to_string(calkowita) + (*skala > float(calkowita) ? ",5" : "");
    return tekst + "Zmień skalę poziomą w Ustawieniach, np. na 1:" + mianownik + ".";
}

bool PotwierdzWydruk(TKompozycja& k, IKomunikaty& komunikaty)
{
    return !RysunekSzerszyNizArkusz(k) || komunikaty.Wybor(TekstRysunekSzerszy(k), "Drukuj mimo to", "Anuluj");
}

int32_t Drukuj(TKompozycja& k, IWydruk& wydruk)
{
    TDaneZadania& zad = k.Zadanie;
    const int32_t K = PoliczKombinacje(zad);
    const int32_t wszystkie = IloscStronWydruku(zad);
    int32_t strony = 0;
    const auto strona = [&] {
        const TStronaDruku* s = wydruk.Strona(strony);
        if (!s)
            return false;
        Skomponuj(k, nullptr, s);
        // The heading stands above the sheet, off the paper: the footer says what the page shows.
        if (wydruk.Stopki()) {
            TRysowanie r{nullptr, &s->Powierzchnia, k.Widok, k.Czcionka, zad.Nastawy, k.Separator};
            const double dol = s->Powierzchnia.Rozmiar().Wysokosc / k.Widok.DrukSkalaY;
            Tekst(r, {.Druk = true}, {1.0, dol - 0.4}, {{0.1, Kolor::Szary}, 0.25, 0.2},
                  Utf8NaCp1250(TekstStopki(k, strony, wszystkie)));
        }
        wydruk.KoniecStrony(strony);
        ++strony;
        return true;
    };
    // Every sheet far off the paper but the one printed.
    const auto tylko = [&](TPunktArkusza* drukowany) {
        for (int32_t i = 0; i < K; ++i)
            zad.PolozenieKombinacji[size_t(i)] = PozaPapierem;
        zad.PolozenieObwiedni = PozaPapierem;
        zad.PolozenieNormowych.fill(PozaPapierem);
        *drukowany = {0, 0};
    };
    bool dalej = true;
    for (int32_t c = 0; c < K && dalej; ++c) {
        tylko(&zad.PolozenieKombinacji[size_t(c)]);
        dalej = strona();
    }
    if (K > 1 && dalej) {
        tylko(&zad.PolozenieObwiedni);
        dalej = strona();
    }
    if (SaGrupySklasyfikowane(zad))
        for (int32_t i = 0; i < IloscArkuszyNormowych && dalej; ++i) {
            tylko(&zad.PolozenieNormowych[size_t(i)]);
            dalej = strona();
        }
    RozmiescArkusze(zad, k.Widok);
    return strony;
}
