#include "model/Granice.h"

#include "model/Zadanie.h"
#include "platform/Odmiana.h"
#include "platform/TekstyLiczb.h"

#include <cfloat>
#include <charconv>
#include <array>
#include <cmath>

namespace {

// A text whose mantissa has a digit other than 0 means a number other than 0.
bool Niezerowy(std::string_view tekst)
{
    for (const char c : tekst) {
        if (c == 'e' || c == 'E')
            break;
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

bool Miesci(double v, std::string_view tekst, double najmniejsza, double najwieksza)
{
    const double m = std::fabs(v);
    if (!(m <= najwieksza))
        return false;
    return m >= najmniejsza || (m == 0 && !Niezerowy(tekst));
}

// A value as a message shows it: three decimals, or, far from 1, the shortest text of its float.
std::string Liczba(double v)
{
    const double m = std::fabs(v);
    if (m == 0 || (m >= 0.0005 && m < 1e7) || !std::isfinite(v))
        return FormatujMaska(v, "#########0.###", ',');
    char bufor[32];
    const auto wynik = m <= FLT_MAX ? std::to_chars(bufor, bufor + sizeof bufor, float(v))
                                    : std::to_chars(bufor, bufor + sizeof bufor, v);
    std::string tekst;
    for (const char* c = bufor; c != wynik.ptr; ++c)
        if (*c != '+')
            tekst += *c == '.' ? ',' : *c == 'e' ? 'E' : *c;
    return tekst;
}

// The number the user sees for index i: one more.
std::string Nr(int64_t i)
{
    return std::to_string(i + 1);
}

std::string ZDuzej(std::string_view tekst)
{
    std::string s(tekst);
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z')
        s[0] = char(s[0] - 'a' + 'A');
    return s;
}

// Positions derived from the lengths agree with them within a millimetre
// (and within what single precision can hold of a long beam).
bool Zgodne(float zapisana, float wyliczona)
{
    return std::fabs(double(zapisana) - wyliczona) <= 0.001 + 1e-6 * std::fabs(double(wyliczona));
}

// "„stałe”": a kind as the dialogs name it, in quotes; a code outside the enumeration as its number.
std::string NazwaRodzaju(TRodzajGrupy r)
{
    switch (r) {
    case TRodzajGrupy::Niesklasyfikowana:
        return "„nieklasyfikowane”";
    case TRodzajGrupy::Stale:
        return "„stałe”";
    case TRodzajGrupy::Zmienne:
        return "„zmienne”";
    }
    return std::to_string(int32_t(r));
}

std::optional<std::string> RodzajPozaZakresem(const std::string& co, int32_t rodzaj)
{
    if (rodzaj >= 0 && rodzaj <= 2)
        return std::nullopt;
    return co + " ma rodzaj " + std::to_string(rodzaj) +
           "; znane są rodzaje 0 (nieklasyfikowane), 1 (stałe) i 2 (zmienne).";
}

// The fault the dialogs, the reader, the writer and the analysis all word alike.
std::string PrzesloZaDlugie(int32_t s)
{
    return "Przęsło " + Nr(s) + ": rozpiętość nie może przekraczać " + Liczba(NajdluzszePrzeslo) + " m.";
}

struct TRodzaj {
    const char* Mianownik; // "Siła skupiona nr 3 leży ..."
    const char* Jednostka;
};
constexpr TRodzaj RodzajSily{"Siła skupiona", "kN"};
constexpr TRodzaj RodzajLiniowego{"Obciążenie równomierne", "kN/m"};
constexpr TRodzaj RodzajTrojkata{"Obciążenie liniowo zmienne", "kN/m"};
constexpr TRodzaj RodzajMomentu{"Moment skupiony", "kNm"};

// The values a load of the kind holds (a linearly varying one: its parts and its two end values).
struct TWartosci {
    std::array<double, 5> V{};
    size_t N = 0;
    const double* begin() const { return V.data(); }
    const double* end() const { return V.data() + N; }
};
TWartosci WartosciObciazenia(const TSila& f)
{
    return {{f.Wartosc}, 1};
}
TWartosci WartosciObciazenia(const TLiniowe& q)
{
    return {{q.Wartosc}, 1};
}
TWartosci WartosciObciazenia(const TTrojkat& t)
{
    return {{t.WartoscStala, t.WartoscMalejaca, t.WartoscRosnaca, double(t.WartoscStala) + t.WartoscMalejaca,
             double(t.WartoscStala) + t.WartoscRosnaca},
            5};
}

class TKontrolaZadania {
public:
    TKontrolaZadania(const TDaneZadania& zad, TKontrola kontrola)
        : zad_(zad)
        , plik_(kontrola != TKontrola::Obliczenia)
        , kto_(kontrola == TKontrola::Odczyt ? "plik podaje" : "zadanie ma")
        , grup_(IloscUzytych(zad.Grupy))
    {
    }

    std::optional<std::string> Usterka() const
    {
        if (auto b = Ilosci())
            return b;
        for (int32_t s = 0; s < int32_t(zad_.Przesla.size()); ++s)
            if (auto b = Przeslo(s))
                return b;
        if (auto b = Klasyfikacje())
            return b;
        if (auto b = Wspolczynniki())
            return b;
        if (auto b = Tablica(zad_.Sily, RodzajSily))
            return b;
        if (auto b = Tablica(zad_.Liniowe, RodzajLiniowego))
            return b;
        if (auto b = Tablica(zad_.Trojkaty, RodzajTrojkata))
            return b;
        return Tablica(zad_.Momenty, RodzajMomentu);
    }

private:
    std::optional<std::string> Ilosci() const
    {
        const int32_t n = zad_.IloscPrzesel;
        if (!plik_ && n == -1)
            return "Zadanie nie zawiera geometrii belki — nie ma czego policzyć.";
        if (auto b = UsterkaIlosci(n, grup_, IloscUzytych(zad_.Kombinacje), kto_))
            return b;
        if (n == -1 && !zad_.Przesla.empty())
            return "Zadanie ma przęsła, choć nie ma geometrii.";
        if (n != -1 && size_t(n) != zad_.Przesla.size())
            return "Zadanie ma niespójną geometrię (" + Ile(n, "przęsło", "przęsła", "przęseł") + ", w tablicy " +
                   std::to_string(zad_.Przesla.size()) + ").";
        return std::nullopt;
    }

    std::optional<std::string> Przeslo(int32_t s) const
    {
        const TPrzeslo& p = zad_.Przesla[size_t(s)];
        const int32_t przesel = int32_t(zad_.Przesla.size());
        const std::string co = "Przęsło " + Nr(s);
        if (!std::isfinite(p.L))
            return co + " ma nieokreśloną długość — podaj dodatnią rozpiętość.";
        if (p.L == 0)
            return co + " ma długość 0 — podaj dodatnią rozpiętość.";
        if (p.L < 0)
            return co + " ma ujemną długość — podaj dodatnią rozpiętość.";
        if (plik_ && p.L < NajkrotszePrzeslo)
            return co + " ma rozpiętość " + Liczba(p.L) + " m; przęsło musi mieć od " + Liczba(NajkrotszePrzeslo) +
                   " do " + Liczba(NajdluzszePrzeslo) + " m.";
        if (p.L > NajdluzszePrzeslo)
            return PrzesloZaDlugie(s);
        if (!std::isfinite(p.E))
            return co + " ma nieokreślony moduł sprężystości E.";
        if (plik_ && !(p.E > 0))
            return co + " ma moduł sprężystości E = " + Liczba(p.E) + "; musi być dodatni.";
        if (!std::isfinite(p.J))
            return co + " ma nieokreślony moment bezwładności J.";
        if (plik_ && !(p.J > 0))
            return co + " ma moment bezwładności J = " + Liczba(p.J) + "; musi być dodatni.";
        if (!plik_) {
            // The analysis numbers the unknowns from the codes it is given.
            const auto poprawna = [&](int32_t niewiadoma) { return niewiadoma >= -1 && niewiadoma <= przesel - 1; };
            if (przesel >= 2 && (!poprawna(p.NiewiadomaLewa) || !poprawna(p.NiewiadomaPrawa)))
                return co + " ma numer niewiadomej spoza układu (od 1 do " + std::to_string(przesel - 1) + ").";
            return std::nullopt;
        }
        if (p.TypPrzesla < 1 || p.TypPrzesla > 4)
            return co + " ma kod końców pręta " + std::to_string(p.TypPrzesla) + "; znane są kody od 1 do 4.";
        if (p.TypPodpor < 1 || p.TypPodpor > 6)
            return co + " ma kod podpór " + std::to_string(p.TypPodpor) + "; znane są kody od 1 do 6.";
        if (przesel >= 2) {
            const int32_t lewa = s == 0 ? -1 : s, prawa = s == przesel - 1 ? -1 : s + 1;
            if (p.NiewiadomaLewa != lewa || p.NiewiadomaPrawa != prawa)
                return co + " ma numery niewiadomych " + std::to_string(p.NiewiadomaLewa) + " i " +
                       std::to_string(p.NiewiadomaPrawa) + " zamiast " + std::to_string(lewa) + " i " +
                       std::to_string(prawa) + ".";
        }
        float x0 = 0;
        for (int32_t i = 0; i < s; ++i)
            x0 += zad_.Przesla[size_t(i)].L;
        if (!Zgodne(p.X0, x0))
            return co + " zaczyna się w x = " + Liczba(p.X0) + " m, a przęsła przed nim mają razem " + Liczba(x0) +
                   " m.";
        return std::nullopt;
    }

    // A kind outside its enumeration would index past the tables of the design
    // envelopes. The file holds the kinds of the groups in use only, so the
    // writer refuses a kind left on a free slot: it would be lost.
    std::optional<std::string> Klasyfikacje() const
    {
        for (int32_t g = 0; g < TDaneZadania::MaxGrup; ++g) {
            const TKlasyfikacjaGrupy& k = zad_.Klasyfikacje[size_t(g)];
            const std::string co = "Grupa obciążeń nr " + Nr(g);
            if (g >= grup_) {
                if (plik_ && k.Rodzaj != TRodzajGrupy::Niesklasyfikowana)
                    return co + " ma rodzaj " + NazwaRodzaju(k.Rodzaj) + ", a " + kto_ + " " +
                           Ile(grup_, "grupę obciążeń", "grupy obciążeń", "grup obciążeń") +
                           "; rodzaj nieużywanej grupy nie zostałby zapisany.";
                continue;
            }
            if (auto b = RodzajPozaZakresem(co, int32_t(k.Rodzaj)))
                return b;
            if (int32_t(k.Kategoria) < 0 || int32_t(k.Kategoria) >= IloscKategoriiZmiennych)
                return co + " ma kategorię nr " + std::to_string(int32_t(k.Kategoria)) +
                       "; znane są kategorie od 0 do " + std::to_string(IloscKategoriiZmiennych - 1) + ".";
        }
        return std::nullopt;
    }

    // The file holds the coefficients of the combinations and groups in use; the analysis reads any of them.
    std::optional<std::string> Wspolczynniki() const
    {
        const int32_t kombinacji = plik_ ? IloscUzytych(zad_.Kombinacje) : TDaneZadania::MaxKombinacji;
        const int32_t grup = plik_ ? grup_ : TDaneZadania::MaxGrup;
        for (int32_t c = 0; c < kombinacji; ++c)
            for (int32_t g = 0; g < grup; ++g) {
                const float w = zad_.Wspolczynniki[size_t(c)][size_t(g)];
                const std::string co = "Współczynnik kombinacji " + Nr(c) + " dla grupy " + Nr(g);
                if (!std::isfinite(w))
                    return co + " nie jest liczbą.";
                if (plik_ && !WspolczynnikWGranicach(w))
                    return co + " wynosi " + Liczba(w) + "; współczynnik musi leżeć między -" +
                           Liczba(NajwiekszyWspolczynnik) + " a " + Liczba(NajwiekszyWspolczynnik) + ".";
            }
        return std::nullopt;
    }

    template <class T, size_t N>
    std::optional<std::string> Tablica(const std::array<T, N>& tablica, const TRodzaj& rodzaj) const
    {
        int32_t nr = 0;
        for (const T& r : tablica)
            if (r.Uzyta)
                if (auto b = Obciazenie(r, ++nr, rodzaj))
                    return b;
        return std::nullopt;
    }

    // The load's name is put together only for a message: the analysis checks every load each time.
    template <class T>
    std::optional<std::string> Obciazenie(const T& r, int32_t nr, const TRodzaj& rodzaj) const
    {
        const auto co = [&] { return std::string(rodzaj.Mianownik) + " nr " + std::to_string(nr); };
        const TWartosci wartosci = WartosciObciazenia(r);
        for (const double v : wartosci)
            if (!std::isfinite(v))
                return co() + " ma nieokreśloną wartość.";
        for (const double v : wartosci)
            if (plik_ && !ObciazenieWGranicach(v))
                return co() + " ma wartość " + Liczba(v) + " " + rodzaj.Jednostka + "; obciążenie musi leżeć między -" +
                       Liczba(NajwiekszeObciazenie) + " a " + Liczba(NajwiekszeObciazenie) + " " + rodzaj.Jednostka +
                       ".";
        const int32_t przesel = int32_t(zad_.Przesla.size());
        if (r.Przeslo < 0 || r.Przeslo >= przesel) {
            if (!plik_)
                return co() + " leży na przęśle " + Nr(r.Przeslo) + ", którego nie ma.";
            return co() + " leży na przęśle nr " + Nr(r.Przeslo) + ", a " + kto_ + " " +
                   (przesel == 0 ? std::string("0 przęseł") : Ile(przesel, "przęsło", "przęsła", "przęseł")) + ".";
        }
        if (!plik_ && (r.Grupa < 0 || r.Grupa >= TDaneZadania::MaxGrup))
            return co() + " należy do grupy " + Nr(r.Grupa) + ", której nie ma.";
        if (plik_ && (r.Grupa < 0 || r.Grupa >= grup_))
            return co() + " należy do grupy obciążeń nr " + Nr(r.Grupa) + ", a " + kto_ + " " +
                   Ile(grup_, "grupę obciążeń", "grupy obciążeń", "grup obciążeń") + ".";
        return Polozenie(r, co, zad_.Przesla[size_t(r.Przeslo)]);
    }

    template <class Co>
    std::optional<std::string> Polozenie(const TSila& f, const Co& co, const TPrzeslo& p) const
    {
        if (!std::isfinite(f.X))
            return co() + " ma nieokreślone położenie.";
        if (!plik_)
            return std::nullopt;
        if (!(f.X >= 0 && f.X <= p.L))
            return co() + " leży poza swoim przęsłem: x = " + Liczba(f.X) + " m, przęsło ma " + Liczba(p.L) + " m.";
        if (!Zgodne(f.XAbs, f.X + p.X0))
            return co() + " ma położenie na belce " + Liczba(f.XAbs) + " m zamiast " + Liczba(f.X + p.X0) + " m.";
        return std::nullopt;
    }

    template <class T, class Co>
    std::optional<std::string> Polozenie(const T& q, const Co& co, const TPrzeslo& p) const
    {
        if (!std::isfinite(q.X1) || !std::isfinite(q.X2))
            return co() + " ma nieokreślone położenie.";
        // The analysis takes a load of no length; the program never writes one.
        const bool naPrzesle = plik_ ? q.X1 >= 0 && q.X2 <= p.L && q.X1 < q.X2 : q.X1 <= q.X2;
        if (!naPrzesle)
            return co() + " leży poza swoim przęsłem albo nie ma długości: od " + Liczba(q.X1) + " do " + Liczba(q.X2) +
                   " m, przęsło ma " + Liczba(p.L) + " m.";
        if (plik_ && (!Zgodne(q.X1Abs, q.X1 + p.X0) || !Zgodne(q.X2Abs, q.X2 + p.X0)))
            return co() + " ma położenie na belce od " + Liczba(q.X1Abs) + " do " + Liczba(q.X2Abs) + " m zamiast od " +
                   Liczba(q.X1 + p.X0) + " do " + Liczba(q.X2 + p.X0) + " m.";
        return std::nullopt;
    }

    const TDaneZadania& zad_;
    const bool plik_;
    const std::string kto_;
    const int32_t grup_;
};

} // namespace

bool MiesciSieWFloat(double v, std::string_view tekst)
{
    return Miesci(v, tekst, FLT_MIN, FLT_MAX);
}

bool MiesciSieWDouble(double v, std::string_view tekst)
{
    return Miesci(v, tekst, DBL_MIN, DBL_MAX);
}

bool PrzesloWGranicach(double L)
{
    return L >= NajkrotszePrzeslo && L <= NajdluzszePrzeslo;
}

bool ObciazenieWGranicach(double v)
{
    return std::fabs(v) <= NajwiekszeObciazenie;
}

bool WspolczynnikWGranicach(double v)
{
    return std::fabs(v) <= NajwiekszyWspolczynnik;
}

bool SkalaWGranicach(double n)
{
    return n >= NajmniejszaSkala && n <= NajwiekszaSkala;
}

std::optional<std::string> UsterkaIlosci(int32_t przesel, int32_t grup, int32_t kombinacji, std::string_view kto)
{
    const std::string Kto = ZDuzej(kto);
    if (przesel < -1)
        return Kto + " ujemną liczbę przęseł (" + std::to_string(przesel) + ").";
    if (przesel == 0 || przesel > MaxPrzesel)
        return Kto + " " + Ile(przesel, "przęsło", "przęsła", "przęseł") + "; program obsługuje od 1 do " +
               std::to_string(MaxPrzesel) + ".";
    if (grup < 0)
        return Kto + " ujemną liczbę grup obciążeń (" + std::to_string(grup) + ").";
    if (grup > TDaneZadania::MaxGrup)
        return Kto + " " + Ile(grup, "grupę obciążeń", "grupy obciążeń", "grup obciążeń") +
               "; program obsługuje najwyżej " + std::to_string(TDaneZadania::MaxGrup) + ".";
    if (kombinacji < 0)
        return Kto + " ujemną liczbę wariantów obciążeń (" + std::to_string(kombinacji) + ").";
    if (kombinacji > TDaneZadania::MaxKombinacji)
        return Kto + " " + Ile(kombinacji, "wariant obciążeń", "warianty obciążeń", "wariantów obciążeń") +
               "; program obsługuje najwyżej " + std::to_string(TDaneZadania::MaxKombinacji) + ".";
    return std::nullopt;
}

std::optional<std::string> UsterkaZadania(const TDaneZadania& zad, TKontrola kontrola)
{
    return TKontrolaZadania(zad, kontrola).Usterka();
}

std::optional<std::string> UsterkaRodzajuGrupy(int32_t g, int32_t rodzaj, std::string_view kategoria,
                                               int32_t poPrzeslach)
{
    const std::string co = "Grupa obciążeń nr " + Nr(g);
    if (auto b = RodzajPozaZakresem(co, rodzaj))
        return b;
    TKategoriaZmiennych k{};
    if (!KategoriaKlucza(kategoria, k)) {
        std::string znane;
        for (int32_t i = 0; i < IloscKategoriiZmiennych; ++i)
            znane += std::string(i == 0                             ? ""
                                 : i + 1 == IloscKategoriiZmiennych ? " i "
                                                                    : ", ") +
                     KluczKategorii(TKategoriaZmiennych(i));
        return co + " ma kategorię „" + std::string(kategoria) + "”; znane są kategorie " + znane + ".";
    }
    if (poPrzeslach != 0 && poPrzeslach != 1)
        return co + " ma kod układu obciążenia " + std::to_string(poPrzeslach) +
               "; znane są kody 0 (cała grupa naraz) i 1 (po przęsłach).";
    return std::nullopt;
}

std::optional<std::string> UsterkaRozpietosciWpisu(int32_t s, double L)
{
    const std::string rozpietosc = "Przęsło " + Nr(s) + ": rozpiętość ";
    if (!(L > 0))
        return rozpietosc + "musi być większa od zera.";
    if (L < NajkrotszePrzeslo)
        return rozpietosc + "musi wynosić co najmniej " + Liczba(100.0 * NajkrotszePrzeslo) + " cm.";
    if (L > NajdluzszePrzeslo)
        return PrzesloZaDlugie(s);
    return std::nullopt;
}

std::optional<std::string> UsterkaSztywnosciWpisu(int32_t s, double E, double J)
{
    if (!(E > 0) || !std::isfinite(E))
        return "Przęsło " + Nr(s) + ": moduł Younga musi być dodatni.";
    if (!(J > 0) || !std::isfinite(J))
        return "Przęsło " + Nr(s) + ": moment bezwładności musi być dodatni.";
    return std::nullopt;
}

std::optional<std::string> UsterkaWspolczynnikaWpisu(int32_t c, int32_t g, double w)
{
    if (WspolczynnikWGranicach(w))
        return std::nullopt;
    return "Współczynnik obciążenia Kombinacja - " + Nr(c) + "; Grupa - " + Nr(g) + " musi mieć wartość od -" +
           Liczba(NajwiekszyWspolczynnik) + " do " + Liczba(NajwiekszyWspolczynnik) + "!";
}

std::optional<std::string> UsterkaObciazeniaWpisu(std::string_view pole, std::string_view jednostka, double v)
{
    if (ObciazenieWGranicach(v))
        return std::nullopt;
    return std::string(pole) + " nie może przekraczać " + Liczba(NajwiekszeObciazenie) + " " + std::string(jednostka) +
           "!";
}

std::optional<std::string> UsterkaSkaliWpisu(double n)
{
    if (SkalaWGranicach(n))
        return std::nullopt;
    if (!(n > 0))
        return "Skala pozioma musi być większa od zera.";
    const std::string od = Liczba(NajmniejszaSkala), do_ = Liczba(NajwiekszaSkala);
    return "Skala pozioma to mianownik od " + od + " do " + do_ + " (1:" + od + " … 1:" + do_ + ").";
}

namespace {

std::optional<std::string> UsterkaNazwy(std::string_view nazwa, const std::string& czyja)
{
    if (nazwa.size() < 2)
        return czyja + " musi składać się z min. 2 znaków!";
    if (nazwa.size() > size_t(MaxDlugoscNazwy))
        return czyja + " może mieć najwyżej " + std::to_string(MaxDlugoscNazwy) + " znaków!";
    return std::nullopt;
}

} // namespace

std::optional<std::string> UsterkaNazwyGrupy(std::string_view nazwa)
{
    return UsterkaNazwy(nazwa, "Nazwa");
}

std::optional<std::string> UsterkaNazwyKombinacji(std::string_view nazwa)
{
    return UsterkaNazwy(nazwa, "Nazwa wariantu");
}
