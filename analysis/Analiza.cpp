#include "analysis/Analiza.h"

#include "analysis/Obciazenia.h"
#include "analysis/Obwiednie.h"
#include "analysis/Probkowanie.h"
#include "analysis/Rozwiazanie.h"
#include "analysis/Uklad.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"

#include <algorithm>
#include <cmath>

namespace {

// Longer spans would mean millions of samples per span; no real beam has them.
constexpr float NajdluzszePrzeslo = 1000.0f;

std::string Nr(int32_t i)
{
    return std::to_string(i + 1);
}

std::optional<std::string> SprawdzPrzesla(const TDaneZadania& zad)
{
    const int32_t n = zad.IloscPrzesel;
    if (n < 1 || n > MaxPrzesel || n != int32_t(zad.Przesla.size()))
        return "Zadanie ma " + std::to_string(n) + " przęseł — belka musi mieć od 1 do 12 przęseł.";
    for (int32_t s = 0; s < n; ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        const std::string przeslo = "Przęsło " + Nr(s);
        if (!std::isfinite(p.L))
            return przeslo + " ma nieokreśloną długość — podaj dodatnią rozpiętość.";
        if (p.L == 0)
            return przeslo + " ma długość 0 — podaj dodatnią rozpiętość.";
        if (p.L < 0)
            return przeslo + " ma ujemną długość — podaj dodatnią rozpiętość.";
        if (p.L > NajdluzszePrzeslo)
            return przeslo + " jest dłuższe niż 1000 m — podaj rzeczywistą rozpiętość.";
        if (!std::isfinite(p.E))
            return przeslo + " ma nieokreślony moduł sprężystości E.";
        if (!std::isfinite(p.J))
            return przeslo + " ma nieokreślony moment bezwładności J.";
        if (n >= 2) {
            const auto poprawna = [&](int32_t niewiadoma) { return niewiadoma >= -1 && niewiadoma <= n - 1; };
            if (!poprawna(p.NiewiadomaLewa) || !poprawna(p.NiewiadomaPrawa))
                return przeslo + " ma numer niewiadomej spoza układu (od 1 do " + std::to_string(n - 1) + ").";
        }
    }
    return std::nullopt;
}

// Common checks of one load record: its span and group exist, its numbers are finite.
template <class T>
std::optional<std::string> SprawdzObciazenie(const TDaneZadania& zad, const T& r, const std::string& nazwa,
                                             std::initializer_list<float> polozenia,
                                             std::initializer_list<float> wartosci)
{
    if (r.Przeslo < 0 || r.Przeslo >= zad.IloscPrzesel)
        return nazwa + " leży na przęśle " + Nr(r.Przeslo) + ", którego nie ma.";
    if (r.Grupa < 0 || r.Grupa >= TDaneZadania::MaxGrup)
        return nazwa + " należy do grupy " + Nr(r.Grupa) + ", której nie ma.";
    for (const float x : polozenia)
        if (!std::isfinite(x))
            return nazwa + " ma nieokreślone położenie.";
    for (const float v : wartosci)
        if (!std::isfinite(v))
            return nazwa + " ma nieokreśloną wartość.";
    return std::nullopt;
}

std::optional<std::string> SprawdzObciazenia(const TDaneZadania& zad)
{
    std::optional<std::string> blad;
    const auto kazdy = [&](const auto& tablica, const char* rodzaj, auto sprawdz) {
        for (size_t i = 0; i < tablica.size() && !blad; ++i)
            if (tablica[i].Uzyta)
                blad = sprawdz(tablica[i], std::string(rodzaj) + " nr " + Nr(int32_t(i)));
    };
    kazdy(zad.Sily, "Siła skupiona", [&](const TSila& f, const std::string& nazwa) {
        return SprawdzObciazenie(zad, f, nazwa, {f.X}, {f.Wartosc});
    });
    kazdy(zad.Momenty, "Moment skupiony", [&](const TMoment& m, const std::string& nazwa) {
        return SprawdzObciazenie(zad, m, nazwa, {m.X}, {m.Wartosc});
    });
    kazdy(zad.Liniowe, "Obciążenie równomierne", [&](const TLiniowe& q, const std::string& nazwa) {
        auto b = SprawdzObciazenie(zad, q, nazwa, {q.X1, q.X2}, {q.Wartosc});
        if (!b && q.X1 > q.X2)
            b = nazwa + " zaczyna się za swoim końcem (x1 > x2).";
        return b;
    });
    kazdy(zad.Trojkaty, "Obciążenie liniowo zmienne", [&](const TTrojkat& t, const std::string& nazwa) {
        auto b = SprawdzObciazenie(zad, t, nazwa, {t.X1, t.X2}, {t.WartoscStala, t.WartoscMalejaca, t.WartoscRosnaca});
        if (!b && t.X1 > t.X2)
            b = nazwa + " zaczyna się za swoim końcem (x1 > x2).";
        return b;
    });
    return blad;
}

std::optional<std::string> SprawdzWspolczynniki(const TDaneZadania& zad)
{
    for (int32_t c = 0; c < TDaneZadania::MaxKombinacji; ++c)
        for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g)
            if (!std::isfinite(zad.Wspolczynniki[c][g]))
                return "Współczynnik kombinacji " + Nr(c) + " dla grupy " + Nr(g) + " nie jest liczbą.";
    return std::nullopt;
}

void WyczyscWyniki(TWyniki& wyn)
{
    wyn.IloscPoliczonych = 0;
    wyn.NajwiekszyM = 0.01f;
    wyn.NajwiekszyT = 0.01f;
}

bool SkonczoneWyniki(const TWyniki& wyn, int32_t iloscKombinacji)
{
    for (int32_t c = 0; c < iloscKombinacji; ++c) {
        for (const TMomentyPrzesla& m : wyn.MomentyKoncowe[c])
            if (!std::isfinite(m.MomentL) || !std::isfinite(m.MomentP))
                return false;
        for (const TSilyPrzesla& f : wyn.SilyKoncowe[c])
            if (!std::isfinite(f.TL) || !std::isfinite(f.TP))
                return false;
    }
    return std::isfinite(wyn.NajwiekszyM) && std::isfinite(wyn.NajwiekszyT);
}

// Fixed-end moments and reactions of every span of combination c.
void StanUtwierdzenia(TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    for (int32_t s = 0; s < zad.IloscPrzesel; ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        ObciazeniaPrzesla(zad, c, s);
        const TParaKoncow m = MomentyUtwierdzenia(zad, p.TypPrzesla, p.L);
        const TParaKoncow r = ReakcjeUtwierdzenia(zad, m.L, m.P, p.L);
        wyn.MomentyKoncowe[c][s].MomentUtwL = m.L;
        wyn.MomentyKoncowe[c][s].MomentUtwP = m.P;
        wyn.SilyKoncowe[c][s].ReakcjaUtwL = r.L;
        wyn.SilyKoncowe[c][s].ReakcjaUtwP = r.P;
    }
}

// End moments and forces of a span whose ends do not rotate as unknowns: its fixed-end state.
void KonceUtwierdzenia(TMomentyPrzesla& m, TSilyPrzesla& f)
{
    m.MomentL = m.MomentUtwL;
    m.MomentP = m.MomentUtwP;
    f.TL = -f.ReakcjaUtwL;
    f.TP = -f.ReakcjaUtwP;
}

void ProbkujPrzesla(TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    for (int32_t s = 0; s < zad.IloscPrzesel; ++s) {
        const float L = zad.Przesla[s].L;
        const TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
        const TSilyPrzesla& f = wyn.SilyKoncowe[c][s];
        ObciazeniaPrzesla(zad, c, s);

        ProbkujMomenty(zad, wyn, L, m.MomentP, m.MomentL, f.TL);
        wyn.WykresM[c][s].assign(wyn.WykresRoboczyM.begin(), wyn.WykresRoboczyM.end());
        wyn.EkstremaM[c][s] = EkstremaWykresu(wyn.WykresRoboczyM, int32_t(wyn.WykresRoboczyM.size()));
        if (wyn.NajwiekszyM < wyn.EkstremaM[c][s].Skala)
            wyn.NajwiekszyM = float(wyn.EkstremaM[c][s].Skala);

        ProbkujTnace(zad, wyn, L, f.TP, f.TL);
        wyn.WykresT[c][s].assign(wyn.WykresRoboczyT.begin(), wyn.WykresRoboczyT.end());
        wyn.EkstremaT[c][s] = EkstremaWykresu(wyn.WykresRoboczyT, int32_t(wyn.WykresRoboczyT.size()));
        if (wyn.NajwiekszyT < wyn.EkstremaT[c][s].Skala)
            wyn.NajwiekszyT = float(wyn.EkstremaT[c][s].Skala);
    }
}

} // namespace

std::optional<std::string> SprawdzZadanie(const TDaneZadania& zad)
{
    if (auto b = SprawdzPrzesla(zad))
        return b;
    if (auto b = SprawdzObciazenia(zad))
        return b;
    return SprawdzWspolczynniki(zad);
}

bool Analiza(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom)
{
    PoliczKombinacje(zad);
    if (const auto blad = SprawdzZadanie(zad)) {
        WyczyscWyniki(wyn);
        kom.Komunikat(*blad);
        return false;
    }
    // The tables follow the task as it is now, whatever was added since they were last sized.
    DopasujDoIlosciPrzesel(zad, wyn);
    DopasujProbki(zad, wyn);

    wyn.NajwiekszyM = 0.01f;
    wyn.NajwiekszyT = 0.01f;
    const int32_t n = zad.IloscPrzesel;
    wyn.Obroty.assign(size_t(zad.IloscKombinacji), MacierzWektor(size_t(n - 1), 0.0));
    for (int32_t c = 0; c < zad.IloscKombinacji; ++c) {
        StanUtwierdzenia(zad, wyn, c);
        if (n >= 2) {
            BudujUklad(zad, wyn, c);
            RozwiazUklad(wyn, n - 1, kom);
            ObliczKonce(zad, wyn, c);
            wyn.Obroty[c] = wyn.WektorX;
        } else {
            KonceUtwierdzenia(wyn.MomentyKoncowe[c][0], wyn.SilyKoncowe[c][0]);
        }
        ProbkujPrzesla(zad, wyn, c);
    }
    if (!SkonczoneWyniki(wyn, zad.IloscKombinacji)) {
        WyczyscWyniki(wyn);
        kom.Komunikat("Wyniki obliczeń wychodzą poza zakres liczb — sprawdź E, J, długości przęseł i wartości obciążeń.");
        return false;
    }
    wyn.IloscPoliczonych = zad.IloscKombinacji;
    return true;
}

void ObliczKonce(const TDaneZadania& zad, TWyniki& wyn, int32_t c)
{
    const int32_t rzad = int32_t(wyn.WektorX.size());
    const auto obrot = [&](int32_t niewiadoma) {
        return niewiadoma > 0 && niewiadoma <= rzad ? wyn.WektorX[niewiadoma - 1] : 0.0;
    };
    for (size_t s = 0; s < zad.Przesla.size(); ++s) {
        const TPrzeslo& p = zad.Przesla[s];
        TMomentyPrzesla& m = wyn.MomentyKoncowe[c][s];
        TSilyPrzesla& f = wyn.SilyKoncowe[c][s];
        const double thL = obrot(p.NiewiadomaLewa);
        const double thP = obrot(p.NiewiadomaPrawa);
        const double k = double(p.E) * p.J / p.L;
        const double kL2 = double(p.E) * p.J / (double(p.L) * p.L);
        switch (p.TypPrzesla) {
        case 4:
            m.MomentL = 2 * k * (2 * thL + thP) + m.MomentUtwL;
            m.MomentP = 2 * k * (2 * thP + thL) + m.MomentUtwP;
            f.TL = 6 * kL2 * (thL + thP) - f.ReakcjaUtwL;
            f.TP = -6 * kL2 * (thL + thP) - f.ReakcjaUtwP;
            break;
        case 2:
            m.MomentL = 3 * k * thL + m.MomentUtwL;
            m.MomentP = 0;
            f.TL = 3 * kL2 * thL - f.ReakcjaUtwL;
            f.TP = -3 * kL2 * thL - f.ReakcjaUtwP;
            break;
        case 3:
            m.MomentL = 0;
            m.MomentP = 3 * k * thP + m.MomentUtwP;
            f.TL = 3 * kL2 * thP - f.ReakcjaUtwL;
            f.TP = -3 * kL2 * thP - f.ReakcjaUtwP;
            break;
        default: // both ends hinged: a span between two hinges carries its loads alone
            KonceUtwierdzenia(m, f);
            break;
        }
    }
}

bool PrzeliczZadanie(TDaneZadania& zad, TWyniki& wyn, IKomunikaty& kom)
{
    if (!Analiza(zad, wyn, kom))
        return false;
    if (zad.IloscKombinacji > 1) {
        ObwiedniaM(zad, wyn);
        ObwiedniaT(zad, wyn);
        LiczObwiedniaReakcji(zad, wyn);
    }
    return true;
}
