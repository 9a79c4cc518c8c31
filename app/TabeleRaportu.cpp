#include "app/TabeleRaportu.h"

#include "analysis/Ugiecia.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"
#include "platform/Cp1250.h"
#include "platform/Odmiana.h"
#include "platform/TekstyLiczb.h"

#include <cmath>

namespace {

class TLiczby {
public:
    explicit TLiczby(char separator) : sep_(separator) {}
    std::string operator()(double v) const { return FormatujMaska(v, "0.00", sep_); }
    std::string Dokladnie(double v, int miejsca) const { return FormatujStale(v, miejsca, 15, sep_); }
    // An extreme the line does not reach (a maximum below 0) is a dash, with its position.
    std::pair<std::string, std::string> Ekstremum(bool jest, double v, double x) const
    {
        if (!jest)
            return {"—", "—"};
        return {(*this)(v), (*this)(x)};
    }

private:
    char sep_;
};

double Wspolczynnik(const TDaneZadania& zad, int32_t c, int32_t g)
{
    if (g < 0 || g >= TDaneZadania::MaxGrup)
        return 0;
    const double w = zad.Wspolczynniki[size_t(c)][size_t(g)];
    return w > 0 ? w : 0; // 0 or below drops the loads
}

TTabelaRaportu Ekstrema(const std::string& tytul, const std::vector<TEkstrema>& m, const std::vector<TEkstrema>& t,
                        int32_t n, const TLiczby& f)
{
    TTabelaRaportu tab{
        tytul,
        {"Przęsło", "Mmax [kNm]", "x [m]", "Mmin [kNm]", "x [m]", "Tmax [kN]", "x [m]", "Tmin [kN]", "x [m]"},
        {},
        {}};
    for (int32_t s = 0; s < n; ++s) {
        const TEkstrema& em = m[size_t(s)];
        const TEkstrema& et = t[size_t(s)];
        const auto [mmax, xmmax] = f.Ekstremum(em.JestMax, em.Max, em.XMax);
        const auto [mmin, xmmin] = f.Ekstremum(em.JestMin, em.Min, em.XMin);
        const auto [tmax, xtmax] = f.Ekstremum(et.JestMax, et.Max, et.XMax);
        const auto [tmin, xtmin] = f.Ekstremum(et.JestMin, et.Min, et.XMin);
        tab.Wiersze.push_back({std::to_string(s + 1), mmax, xmmax, mmin, xmmin, tmax, xtmax, tmin, xtmin});
    }
    tab.Uwagi.push_back("x mierzone od lewego końca przęsła.");
    return tab;
}

// Deflections downward positive, in mm, or E·J·w in kNm³ while every span has E = J = 1 (then no L/f).
TTabelaRaportu Ugiecia(const std::string& tytul, const TDaneZadania& zad, const std::vector<TEkstrema>& w, int32_t n,
                       const TLiczby& f)
{
    const std::string j = JednostkaUgiec(zad);
    const bool dlugosc = !SztywnoscJednostkowa(zad);
    TTabelaRaportu tab{tytul, {"Przęsło", "wmax [" + j + "]", "x [m]", "wmin [" + j + "]", "x [m]"}, {}, {}};
    if (dlugosc)
        tab.Kolumny.push_back("L/f [–]");
    const double skala = SkalaUgiec(zad);
    for (int32_t s = 0; s < n && size_t(s) < w.size(); ++s) {
        const TEkstrema& e = w[size_t(s)];
        const auto [wmax, xwmax] = f.Ekstremum(e.JestMax, e.Max * skala, e.XMax);
        const auto [wmin, xwmin] = f.Ekstremum(e.JestMin, e.Min * skala, e.XMin);
        std::vector<std::string> wiersz{std::to_string(s + 1), wmax, xwmax, wmin, xwmin};
        if (dlugosc) {
            const double l = LPrzezW(e, zad.Przesla[size_t(s)].L);
            wiersz.push_back(l > 0 ? "L/" + std::to_string(int64_t(std::floor(l))) : "—");
        }
        tab.Wiersze.push_back(std::move(wiersz));
    }
    tab.Uwagi.push_back(dlugosc
                            ? "Ugięcia dodatnie w dół; x mierzone od lewego końca przęsła."
                            : "Wszystkie przęsła mają E = J = 1: w oznacza E·J·w; x mierzone od lewego końca przęsła.");
    return tab;
}

TSekcjaRaportu Metryczka(const TDaneZadania& zad, const TMetryczkaRaportu& m, const TLiczby& f)
{
    const int32_t n = zad.IloscPrzesel;
    double dlugosc = 0;
    for (int32_t s = 0; s < n; ++s)
        dlugosc += zad.Przesla[size_t(s)].L;
    TSekcjaRaportu sek{"Raport obliczeń statycznych belki ciągłej", {}, {}};
    TTabelaRaportu t{"", {"Pozycja", "Wartość"}, {}, {}};
    t.Wiersze = {{"Plik zadania", m.Plik},
                 {"Data", m.Data},
                 {"Program", "QUARVI " + m.Wersja},
                 {"Metoda", "metoda przemieszczeń, belka ciągła na podporach nieprzesuwnych"},
                 {"Belka", Ile(n, "przęsło", "przęsła", "przęseł") + ", długość " + f(dlugosc) + " m"},
                 {"Kombinacje", std::to_string(zad.IloscKombinacji)}};
    sek.Tabele.push_back(std::move(t));
    sek.Akapity.push_back("Jednostki: m, kN, kNm, kN/m; E w kN/m², J w m⁴.");
    sek.Akapity.push_back("Znaki: obciążenia dodatnie w dół; momenty na końcach prętów dodatnie zgodnie z ruchem "
                          "wskazówek zegara; M(x) dodatni, gdy rozciąga spód belki; T(x) dodatnia, gdy lewą część "
                          "pcha w górę; reakcje dodatnie w górę.");
    return sek;
}

TSekcjaRaportu Dane(const TDaneZadania& zad, const TLiczby& f)
{
    const int32_t n = zad.IloscPrzesel;
    TSekcjaRaportu sek{"Dane", {}, {}};

    TTabelaRaportu przesla{"Przęsła", {"Przęsło", "L [m]", "x0 [m]", "E [kN/m²]", "J [m⁴]"}, {}, {}};
    for (int32_t s = 0; s < n; ++s) {
        const TPrzeslo& p = zad.Przesla[size_t(s)];
        przesla.Wiersze.push_back({std::to_string(s + 1), f(p.L), f(p.X0), f.Dokladnie(p.E, 2), f.Dokladnie(p.J, 8)});
    }
    sek.Tabele.push_back(std::move(przesla));

    TTabelaRaportu podpory{"Podpory", {"Podpora", "x [m]", "Rodzaj"}, {}, {}};
    for (int32_t k = 0; k <= n; ++k) {
        const double x =
            k < n ? zad.Przesla[size_t(k)].X0 : zad.Przesla[size_t(n - 1)].X0 + zad.Przesla[size_t(n - 1)].L;
        std::string rodzaj = "przegubowa nieprzesuwna";
        if ((k == 0 && !zad.LewyPrzegub) || (k == n && !zad.PrawyPrzegub))
            rodzaj = "utwierdzenie";
        podpory.Wiersze.push_back({NazwaPodpory(k, n), f(x), rodzaj});
    }
    sek.Tabele.push_back(std::move(podpory));

    TTabelaRaportu grupy{"Grupy obciążeń", {"Grupa", "Nazwa", "Obciążeń [szt.]"}, {}, {}};
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        if (!zad.Grupy[size_t(g)].Uzyta)
            continue;
        int32_t ile = 0;
        for (const TSila& s : zad.Sily)
            ile += s.Uzyta && s.Grupa == g;
        for (const TLiniowe& l : zad.Liniowe)
            ile += l.Uzyta && l.Grupa == g;
        for (const TTrojkat& t : zad.Trojkaty)
            ile += t.Uzyta && t.Grupa == g;
        for (const TMoment& m : zad.Momenty)
            ile += m.Uzyta && m.Grupa == g;
        grupy.Wiersze.push_back({std::to_string(g + 1), Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa), std::to_string(ile)});
    }
    sek.Tabele.push_back(std::move(grupy));

    TTabelaRaportu komb{"Kombinacje i współczynniki grup", {"Kombinacja", "Nazwa"}, {}, {}};
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
        if (zad.Grupy[size_t(g)].Uzyta)
            komb.Kolumny.push_back("γ gr. " + std::to_string(g + 1) + " [–]");
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        std::vector<std::string> w{std::to_string(c + 1), Cp1250NaUtf8(zad.Kombinacje[size_t(c)].Nazwa)};
        for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
            if (zad.Grupy[size_t(g)].Uzyta)
                w.push_back(f(zad.Wspolczynniki[size_t(c)][size_t(g)]));
        komb.Wiersze.push_back(std::move(w));
    }
    komb.Uwagi.push_back("Grupa wchodzi do kombinacji tylko ze współczynnikiem większym od 0.");
    sek.Tabele.push_back(std::move(komb));

    TTabelaRaportu sily{"Siły skupione", {"Nr", "Przęsło", "x [m]", "P [kN]", "Grupa"}, {}, {}};
    for (int32_t i = 0; i < IloscUzytych(zad.Sily); ++i) {
        const TSila& s = zad.Sily[size_t(i)];
        sily.Wiersze.push_back({std::to_string(i + 1), std::to_string(s.Przeslo + 1), f(s.X), f(s.Wartosc),
                                NazwaGrupyZNumerem(zad, s.Grupa)});
    }
    TTabelaRaportu liniowe{
        "Obciążenia równomierne", {"Nr", "Przęsło", "x1 [m]", "x2 [m]", "q [kN/m]", "Grupa"}, {}, {}};
    for (int32_t i = 0; i < IloscUzytych(zad.Liniowe); ++i) {
        const TLiniowe& l = zad.Liniowe[size_t(i)];
        liniowe.Wiersze.push_back({std::to_string(i + 1), std::to_string(l.Przeslo + 1), f(l.X1), f(l.X2), f(l.Wartosc),
                                   NazwaGrupyZNumerem(zad, l.Grupa)});
    }
    TTabelaRaportu trojkaty{
        "Obciążenia liniowo zmienne", {"Nr", "Przęsło", "x1 [m]", "x2 [m]", "q1 [kN/m]", "q2 [kN/m]", "Grupa"}, {}, {}};
    for (int32_t i = 0; i < IloscUzytych(zad.Trojkaty); ++i) {
        const TTrojkat& t = zad.Trojkaty[size_t(i)];
        trojkaty.Wiersze.push_back({std::to_string(i + 1), std::to_string(t.Przeslo + 1), f(t.X1), f(t.X2),
                                    f(double(t.WartoscStala) + t.WartoscMalejaca),
                                    f(double(t.WartoscStala) + t.WartoscRosnaca), NazwaGrupyZNumerem(zad, t.Grupa)});
    }
    TTabelaRaportu momenty{"Momenty skupione", {"Nr", "Przęsło", "x [m]", "M [kNm]", "Grupa"}, {}, {}};
    for (int32_t i = 0; i < IloscUzytych(zad.Momenty); ++i) {
        const TMoment& m = zad.Momenty[size_t(i)];
        momenty.Wiersze.push_back({std::to_string(i + 1), std::to_string(m.Przeslo + 1), f(m.X), f(m.Wartosc),
                                   NazwaGrupyZNumerem(zad, m.Grupa)});
    }
    for (TTabelaRaportu* t : {&sily, &liniowe, &trojkaty, &momenty}) {
        if (t->Wiersze.empty())
            t->Uwagi.push_back("Brak obciążeń tego rodzaju.");
        t->Uwagi.push_back("x mierzone od lewego końca przęsła.");
        sek.Tabele.push_back(std::move(*t));
    }
    return sek;
}

TSekcjaRaportu Kombinacja(const TDaneZadania& zad, const TWyniki& wyn, int32_t c, const TLiczby& f)
{
    const int32_t n = zad.IloscPrzesel;
    TSekcjaRaportu sek{
        "Wyniki: kombinacja " + std::to_string(c + 1) + " — " + Cp1250NaUtf8(zad.Kombinacje[size_t(c)].Nazwa), {}, {}};
    TTabelaRaportu konce{"Momenty i siły na końcach przęseł",
                         {"Przęsło", "Mutw,L [kNm]", "Mutw,P [kNm]", "ML [kNm]", "MP [kNm]", "TL [kN]", "TP [kN]"},
                         {},
                         {}};
    for (int32_t s = 0; s < n; ++s) {
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[size_t(c)][size_t(s)];
        const TSilyPrzesla& t = wyn.SilyKoncowe[size_t(c)][size_t(s)];
        konce.Wiersze.push_back(
            {std::to_string(s + 1), f(m.MomentUtwL), f(m.MomentUtwP), f(m.MomentL), f(m.MomentP), f(t.TL), f(t.TP)});
    }
    konce.Uwagi.push_back("Mutw — momenty przęsła o unieruchomionych węzłach (przy skrajnej podporze przegubowej "
                          "koniec przegubowy); ML, MP — momenty końcowe po rozwiązaniu układu; TL, TP — siły "
                          "końcowe: reakcje końców przęsła w górę ze znakiem minus.");
    sek.Tabele.push_back(std::move(konce));

    TTabelaRaportu reakcje{"Reakcje podpór", {"Podpora", "R [kN]"}, {}, {}};
    double suma = 0;
    for (int32_t k = 0; k <= n; ++k) {
        const double r = Reakcja(wyn, c, k, n);
        suma += r;
        reakcje.Wiersze.push_back({NazwaPodpory(k, n), f(r)});
    }
    reakcje.Wiersze.push_back({"suma", f(suma)});
    reakcje.Uwagi.push_back("Suma obciążeń pionowych kombinacji: " + f(SumaObciazenPionowych(zad, c)) + " kN.");
    sek.Tabele.push_back(std::move(reakcje));

    sek.Tabele.push_back(Ekstrema("Ekstremalne momenty i siły poprzeczne w przęsłach", wyn.EkstremaM[size_t(c)],
                                  wyn.EkstremaT[size_t(c)], n, f));
    if (size_t(c) < wyn.EkstremaW.size())
        sek.Tabele.push_back(Ugiecia("Ugięcia w przęsłach", zad, wyn.EkstremaW[size_t(c)], n, f));
    return sek;
}

TSekcjaRaportu Obwiednie(const TDaneZadania& zad, const TWyniki& wyn, const TLiczby& f)
{
    const int32_t n = zad.IloscPrzesel;
    TSekcjaRaportu sek{"Obwiednie (kombinacje 1–" + std::to_string(wyn.IloscPoliczonych) + ")", {}, {}};
    TTabelaRaportu reakcje{"Obwiednia reakcji", {"Podpora", "Rmax [kN]", "Rmin [kN]"}, {}, {}};
    for (int32_t k = 0; k <= n; ++k)
        reakcje.Wiersze.push_back(
            {NazwaPodpory(k, n), f(wyn.ObwiedniaReakcji[size_t(k)].Max), f(wyn.ObwiedniaReakcji[size_t(k)].Min)});
    sek.Tabele.push_back(std::move(reakcje));
    const TMomentyPodporoweObwiedni& mp = wyn.ObwiedniaMomentowPodporowych;
    sek.Tabele.push_back({"Momenty na skrajnych podporach",
                          {"Podpora", "Mmax [kNm]", "Mmin [kNm]"},
                          {{"A", f(mp.MaxL), f(mp.MinL)}, {"B", f(mp.MaxP), f(mp.MinP)}},
                          {}});
    sek.Tabele.push_back(Ekstrema("Obwiednia momentów i sił poprzecznych w przęsłach", wyn.EkstremaObwiedniM,
                                  wyn.EkstremaObwiedniT, n, f));
    if (!wyn.EkstremaObwiedniW.empty())
        sek.Tabele.push_back(Ugiecia("Obwiednia ugięć w przęsłach", zad, wyn.EkstremaObwiedniW, n, f));
    return sek;
}

// A kind as the dialogs name it.
std::string NazwaRodzaju(const TKlasyfikacjaGrupy& k)
{
    switch (k.Rodzaj) {
    case TRodzajGrupy::Stale:
        return "stałe";
    case TRodzajGrupy::Zmienne:
        return "zmienne";
    default:
        return "nieklasyfikowane";
    }
}

TTabelaRaportu RodzajeGrup(const TDaneZadania& zad, const TLiczby& f)
{
    TTabelaRaportu tab{
        "Rodzaje grup obciążeń", {"Grupa", "Rodzaj", "Kategoria", "Działa", "ψ0 [–]", "ψ1 [–]", "ψ2 [–]"}, {}, {}};
    for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
        if (!zad.Grupy[size_t(g)].Uzyta)
            continue;
        const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(g)];
        std::vector<std::string> w{NazwaGrupyZNumerem(zad, g), NazwaRodzaju(k), "—", "—", "—", "—", "—"};
        if (k.Rodzaj == TRodzajGrupy::Stale)
            w[3] = "cała, γG,sup albo γG,inf";
        if (k.Rodzaj == TRodzajGrupy::Zmienne) {
            const TWspolczynnikiPsi psi = WspolczynnikiPsi(k.Kategoria);
            w[2] = NazwaKategorii(k.Kategoria);
            w[3] = k.PoPrzeslach ? "po przęsłach" : "cała naraz";
            w[4] = f(psi.Psi0);
            w[5] = f(psi.Psi1);
            w[6] = f(psi.Psi2);
        }
        tab.Wiersze.push_back(std::move(w));
    }
    tab.Uwagi.push_back("Grupy nieklasyfikowane nie wchodzą do obwiedni normowych, tylko do kombinacji wpisanych "
                        "przez użytkownika.");
    return tab;
}

// One row per extreme: the value, where it is and what produced it.
TTabelaRaportu EkstremaNormowe(const TDaneZadania& zad, const TObwiedniaNormowa& o, const TOpisStanuNormowego& stan,
                               const TLiczby& f)
{
    TTabelaRaportu tab{
        std::string(stan.Tytul) + ": przęsła", {"Przęsło", "Wielkość", "Wartość", "x [m]", "Przyczyna"}, {}, {}};
    const std::string ugiecia = JednostkaUgiec(zad);
    const double skala = SkalaUgiec(zad);
    for (size_t s = 0; s < o.Przesla.size(); ++s)
        for (const TPoleNormowe& p : PolaNormowe()) {
            if (p.Ugiecie && !stan.ZUgieciami)
                continue;
            const TEkstremumNormowe& e = o.Przesla[s].*p.Pole;
            const std::string jednostka = p.Ugiecie ? ugiecia : p.Jednostka;
            std::string nazwa = p.Klucz;
            if (p.Ugiecie)
                nazwa[0] = 'w';
            tab.Wiersze.push_back({std::to_string(s + 1), nazwa + " [" + jednostka + "]",
                                   f(p.Ugiecie ? e.Wartosc * skala : e.Wartosc), f(e.X),
                                   OpisPrzyczyny(zad, e.Przyczyna)});
        }
    tab.Uwagi.push_back("x mierzone od lewego końca przęsła; przęsła w przyczynie numerowane od 1.");
    return tab;
}

TTabelaRaportu ReakcjeNormowe(const TDaneZadania& zad, const TObwiedniaNormowa& o, const TOpisStanuNormowego& stan,
                              const TLiczby& f)
{
    TTabelaRaportu tab{std::string(stan.Tytul) + ": reakcje", {"Podpora", "Wielkość", "Wartość", "Przyczyna"}, {}, {}};
    const int32_t n = int32_t(o.Reakcje.size()) - 1;
    for (int32_t k = 0; k <= n; ++k) {
        const TReakcjaNormowa& r = o.Reakcje[size_t(k)];
        tab.Wiersze.push_back({NazwaPodpory(k, n), "Rmax [kN]", f(r.Max.Wartosc), OpisPrzyczyny(zad, r.Max.Przyczyna)});
        tab.Wiersze.push_back({NazwaPodpory(k, n), "Rmin [kN]", f(r.Min.Wartosc), OpisPrzyczyny(zad, r.Min.Przyczyna)});
    }
    return tab;
}

TSekcjaRaportu ObwiednieNormowe(const TDaneZadania& zad, const TWyniki& wyn, const TLiczby& f)
{
    TSekcjaRaportu sek{"Obwiednie normowe (PN-EN 1990)", {}, {}};
    sek.Akapity.push_back(
        "SGN (STR): mniej korzystne z wyrażeń 6.10a i 6.10b, γG,sup = 1,35, γG,inf = 1,00, ξ = 0,85, γQ = 1,50 "
        "(0, gdy obciążenie zmienne jest korzystne); każda grupa zmienna po kolei wiodąca. SGU: kombinacja "
        "charakterystyczna (6.14b), częsta (6.15b) i quasi-stała (6.16b), wszystkie współczynniki γ = 1.");
    sek.Akapity.push_back("Grupa zmienna działająca po przęsłach obciąża tylko te przęsła, na których jest "
                          "niekorzystna; grupa działająca cała naraz jest obecna albo nieobecna w całości. Przyczyna "
                          "podaje wyrażenie, grupę wiodącą, przęsła obciążone przez każdą grupę i grupy obecne w "
                          "całości.");
    if (!wyn.Normowe.Pominiete.empty()) {
        std::string pominiete;
        for (const int32_t g : wyn.Normowe.Pominiete)
            pominiete += (pominiete.empty() ? "" : ", ") + NazwaGrupyZNumerem(zad, g);
        sek.Akapity.push_back("Pominięte grupy nieklasyfikowane: " + pominiete + ".");
    }
    sek.Tabele.push_back(RodzajeGrup(zad, f));
    for (int32_t i = 0; i < IloscStanowNormowych; ++i) {
        const TOpisStanuNormowego& stan = OpisStanuNormowego(i);
        const TObwiedniaNormowa& o = wyn.Normowe.Stany[size_t(i)];
        sek.Tabele.push_back(EkstremaNormowe(zad, o, stan, f));
        sek.Tabele.push_back(ReakcjeNormowe(zad, o, stan, f));
    }
    return sek;
}

} // namespace

const TOpisStanuNormowego& OpisStanuNormowego(int32_t stan)
{
    static const TOpisStanuNormowego opisy[IloscStanowNormowych] = {
        {"SGN", "SGN (6.10a, 6.10b)", false},
        {"SGU_charakterystyczna", "SGU — kombinacja charakterystyczna (6.14b)", true},
        {"SGU_czesta", "SGU — kombinacja częsta (6.15b)", true},
        {"SGU_quasi", "SGU — kombinacja quasi-stała (6.16b)", true},
    };
    return opisy[stan >= 0 && stan < IloscStanowNormowych ? stan : 0];
}

const std::vector<TPoleNormowe>& PolaNormowe()
{
    static const std::vector<TPoleNormowe> pola{
        {"Mmax", "XMmax", "kNm", &TPrzesloNormowe::Mmax, false},
        {"Mmin", "XMmin", "kNm", &TPrzesloNormowe::Mmin, false},
        {"Tmax", "XTmax", "kN", &TPrzesloNormowe::Tmax, false},
        {"Tmin", "XTmin", "kN", &TPrzesloNormowe::Tmin, false},
        {"Wmax", "XWmax", "", &TPrzesloNormowe::Wmax, true},
        {"Wmin", "XWmin", "", &TPrzesloNormowe::Wmin, true},
    };
    return pola;
}

std::string NazwaGrupyZNumerem(const TDaneZadania& zad, int32_t g)
{
    if (g < 0 || g >= TDaneZadania::MaxGrup)
        return std::to_string(g + 1);
    return std::to_string(g + 1) + " " + Cp1250NaUtf8(zad.Grupy[size_t(g)].Nazwa);
}

// Supports are named as on the drawings: A, 1 … N−1, B.
std::string NazwaPodpory(int32_t k, int32_t n)
{
    if (k == 0)
        return "A";
    if (k == n)
        return "B";
    return std::to_string(k);
}

const char* WersjaProgramu()
{
    return QUARVI_WERSJA;
}

double SumaObciazenPionowych(const TDaneZadania& zad, int32_t c)
{
    double suma = 0;
    for (const TSila& s : zad.Sily)
        if (s.Uzyta)
            suma += Wspolczynnik(zad, c, s.Grupa) * s.Wartosc;
    for (const TLiniowe& l : zad.Liniowe)
        if (l.Uzyta)
            suma += Wspolczynnik(zad, c, l.Grupa) * l.Wartosc * (double(l.X2) - l.X1);
    for (const TTrojkat& t : zad.Trojkaty)
        if (t.Uzyta)
            suma += Wspolczynnik(zad, c, t.Grupa) *
                    (double(t.WartoscStala) + 0.5 * t.WartoscMalejaca + 0.5 * t.WartoscRosnaca) * (double(t.X2) - t.X1);
    return suma;
}

std::vector<TSekcjaRaportu> SekcjeRaportu(const TDaneZadania& zad, const TWyniki& wyn, const TMetryczkaRaportu& m,
                                          char separator)
{
    const TLiczby f(separator);
    std::vector<TSekcjaRaportu> sekcje{Metryczka(zad, m, f), Dane(zad, f)};
    for (int32_t c = 0; c < wyn.IloscPoliczonych; ++c)
        sekcje.push_back(Kombinacja(zad, wyn, c, f));
    if (wyn.IloscPoliczonych >= 2)
        sekcje.push_back(Obwiednie(zad, wyn, f));
    if (wyn.Normowe.Sa)
        sekcje.push_back(ObwiednieNormowe(zad, wyn, f));
    return sekcje;
}
