#include "projectfile/PlikZadania.h"

#include "model/Granice.h"
#include "projectfile/Liczby.h"
#include "platform/Cp1250.h"
#include "platform/Odmiana.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace {

constexpr size_t SzerokoscRamki = 67;
constexpr std::string_view Prawda = "TRUE";
constexpr std::string_view PierwszaGrupa = "1 Stale";

// Markers and keys, code page 1250.
struct TZnaczniki {
    std::string IloscBelek = Utf8NaCp1250("Ilość belek");
    std::string IloscGrup = Utf8NaCp1250("Ilość Grup Obciążeń");
    std::string IloscWariantow = Utf8NaCp1250("Ilość Wariantów");
    std::string Naglowek = "*              DANE PROGRAMU QUARVI                               *";
    std::string Autor = Ramka("*              Autor: zespół QUARVI");
    std::string Uwaga = "*  UWAGA!                                                         *";
    std::string NieZmieniac = Utf8NaCp1250("*               Nie należy zmieniać wpisów w pliku!               *");
    std::string Gwiazdki = std::string(SzerokoscRamki, '*');

    // A header line padded to the width of the box and closed with an asterisk.
    static std::string Ramka(std::string_view utf8)
    {
        std::string s = Utf8NaCp1250(utf8);
        s.resize(SzerokoscRamki - 1, ' ');
        return s + '*';
    }
};

const TZnaczniki& Znaczniki()
{
    static const TZnaczniki z;
    return z;
}

// The nine sections in the order the file holds them.
enum TNrSekcji { Ogolne, Geometria, Grupy, Warianty, Wspolczynniki, Sily, Liniowe, Trojkaty, Momenty, IloscSekcji };

struct TSekcja {
    std::string Znacznik; // the marker line, code page 1250, with its "1"
    const char* Nazwa;    // where a message says it happened: "dane geometryczne"
    // The marker as a message shows it (UTF-8, without the "1").
    std::string Pokaz() const { return "„" + Cp1250NaUtf8(Znacznik.substr(0, Znacznik.size() - 1)) + "”"; }
};

const std::array<TSekcja, IloscSekcji>& Sekcje()
{
    static const std::array<TSekcja, IloscSekcji> s = {{
        {Utf8NaCp1250("*** Dane ogólne ***1"), "dane ogólne"},
        {Utf8NaCp1250("*** Dane geometryczne ***1"), "dane geometryczne"},
        {Utf8NaCp1250("*** Dane grupy obciążeń ***1"), "dane grup obciążeń"},
        {Utf8NaCp1250("*** Dane wariantów obciążeń ***1"), "dane wariantów obciążeń"},
        {Utf8NaCp1250("*** Dane tabela współczynników ***1"), "tabela współczynników"},
        {Utf8NaCp1250("*** Dane Siły ***1"), "siły skupione"},
        {Utf8NaCp1250("*** Dane Liniowe ***1"), "obciążenia równomierne"},
        {Utf8NaCp1250("*** Dane Trójkąty ***1"), "obciążenia liniowo zmienne"},
        {Utf8NaCp1250("*** Dane Momenty ***1"), "momenty skupione"},
    }};
    return s;
}

struct TRodzaj {
    const char* Mianownik;       // "Siła skupiona nr 3 leży ..."
    const char* Rekord;          // "(siły skupione, siła 3)"
    const char* DopelniaczMnogi; // "więcej niż 100 sił skupionych"
    const char* Jednostka;
};
constexpr TRodzaj RodzajSily{"Siła skupiona", "siła", "sił skupionych", "kN"};
constexpr TRodzaj RodzajLiniowego{"Obciążenie równomierne", "obciążenie", "obciążeń równomiernych", "kN/m"};
constexpr TRodzaj RodzajTrojkata{"Obciążenie liniowo zmienne", "obciążenie", "obciążeń liniowo zmiennych", "kN/m"};
constexpr TRodzaj RodzajMomentu{"Moment skupiony", "moment", "momentów skupionych", "kNm"};

// The values a load of the kind holds (a linearly varying one: its parts and its two end values).
std::vector<double> WartosciObciazenia(const TSila& f)
{
    return {f.Wartosc};
}
std::vector<double> WartosciObciazenia(const TLiniowe& q)
{
    return {q.Wartosc};
}
std::vector<double> WartosciObciazenia(const TTrojkat& t)
{
    return {t.WartoscStala, t.WartoscMalejaca, t.WartoscRosnaca, double(t.WartoscStala) + t.WartoscMalejaca,
            double(t.WartoscStala) + t.WartoscRosnaca};
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

// Positions derived from the lengths agree with them within a millimetre
// (and within what single precision can hold of a long beam).
bool Zgodne(float zapisana, float wyliczona)
{
    return std::fabs(double(zapisana) - wyliczona) <= 0.001 + 1e-6 * std::fabs(double(wyliczona));
}

// What both the reader and the writer refuse: a task the program cannot have
// made and the analysis cannot take as the file means it. kto: "plik podaje" / "zadanie ma".
std::string SprawdzSpojnosc(const TDaneZadania& zad, int32_t grup, const char* kto)
{
    const int32_t n = zad.IloscPrzesel;
    if (n != -1 && (n < 1 || n > MaxPrzesel || size_t(n) != zad.Przesla.size()))
        return "Zadanie ma niespójną geometrię (" + std::to_string(n) + " przęseł, w tablicy " +
               std::to_string(zad.Przesla.size()) + ").";
    if (n == -1 && !zad.Przesla.empty())
        return "Zadanie ma przęsła, choć nie ma geometrii.";
    const int32_t przesel = int32_t(zad.Przesla.size());

    float x0 = 0;
    for (int32_t i = 0; i < przesel; ++i) {
        const TPrzeslo& p = zad.Przesla[size_t(i)];
        const std::string co = "Przęsło " + std::to_string(i + 1);
        if (!PrzesloWGranicach(p.L))
            return co + " ma rozpiętość " + Liczba(p.L) + " m; przęsło musi mieć od " + Liczba(NajkrotszePrzeslo) + " do " +
                   Liczba(NajdluzszePrzeslo) + " m.";
        if (!(p.E > 0))
            return co + " ma moduł sprężystości E = " + Liczba(p.E) + "; musi być dodatni.";
        if (!(p.J > 0))
            return co + " ma moment bezwładności J = " + Liczba(p.J) + "; musi być dodatni.";
        if (p.TypPrzesla < 1 || p.TypPrzesla > 4)
            return co + " ma kod końców pręta " + std::to_string(p.TypPrzesla) + "; znane są kody od 1 do 4.";
        if (p.TypPodpor < 1 || p.TypPodpor > 6)
            return co + " ma kod podpór " + std::to_string(p.TypPodpor) + "; znane są kody od 1 do 6.";
        if (przesel >= 2) {
            const int32_t lewa = i == 0 ? -1 : i, prawa = i == przesel - 1 ? -1 : i + 1;
            if (p.NiewiadomaLewa != lewa || p.NiewiadomaPrawa != prawa)
                return co + " ma numery niewiadomych " + std::to_string(p.NiewiadomaLewa) + " i " +
                       std::to_string(p.NiewiadomaPrawa) + " zamiast " + std::to_string(lewa) + " i " +
                       std::to_string(prawa) + ".";
        }
        if (!Zgodne(p.X0, x0))
            return co + " zaczyna się w x = " + Liczba(p.X0) + " m, a przęsła przed nim mają razem " + Liczba(x0) + " m.";
        x0 += p.L;
    }

    const int32_t kombinacji = IloscUzytych(zad.Kombinacje);
    for (int32_t c = 0; c < kombinacji; ++c)
        for (int32_t g = 0; g < grup && g < TDaneZadania::MaxGrup; ++g)
            if (const float w = zad.Wspolczynniki[size_t(c)][size_t(g)]; !WspolczynnikWGranicach(w))
                return "Współczynnik kombinacji " + std::to_string(c + 1) + " dla grupy " + std::to_string(g + 1) +
                       " wynosi " + Liczba(w) + "; współczynnik musi leżeć między -" +
                       Liczba(NajwiekszyWspolczynnik) + " a " + Liczba(NajwiekszyWspolczynnik) + ".";

    std::string blad;
    // Loads are numbered as the file and the load lists number them: used slots in order.
    const auto tablica = [&](const auto& t, const TRodzaj& rodzaj, auto polozenia) {
        int32_t nr = 0;
        for (const auto& r : t) {
            if (!r.Uzyta || !blad.empty())
                continue;
            const std::string co = std::string(rodzaj.Mianownik) + " nr " + std::to_string(++nr);
            for (const double v : WartosciObciazenia(r))
                if (!ObciazenieWGranicach(v)) {
                    blad = co + " ma wartość " + Liczba(v) + " " + rodzaj.Jednostka + "; obciążenie musi leżeć między -" +
                           Liczba(NajwiekszeObciazenie) + " a " + Liczba(NajwiekszeObciazenie) + " " + rodzaj.Jednostka +
                           ".";
                    break;
                }
            if (!blad.empty())
                continue;
            if (r.Przeslo < 0 || r.Przeslo >= przesel) {
                blad = co + " leży na przęśle nr " + std::to_string(int64_t(r.Przeslo) + 1) + ", a " + kto + " " +
                       (przesel == 0 ? std::string("0 przęseł") : Ile(przesel, "przęsło", "przęsła", "przęseł")) + ".";
            } else if (r.Grupa < 0 || r.Grupa >= grup) {
                blad = co + " należy do grupy obciążeń nr " + std::to_string(int64_t(r.Grupa) + 1) + ", a " + kto +
                       " " + Ile(grup, "grupę obciążeń", "grupy obciążeń", "grup obciążeń") + ".";
            } else {
                blad = polozenia(r, co, zad.Przesla[size_t(r.Przeslo)]);
            }
        }
    };
    const auto punkt = [](const TSila& f, const std::string& co, const TPrzeslo& p) -> std::string {
        if (!(f.X >= 0 && f.X <= p.L))
            return co + " leży poza swoim przęsłem: x = " + Liczba(f.X) + " m, przęsło ma " + Liczba(p.L) + " m.";
        if (!Zgodne(f.XAbs, f.X + p.X0))
            return co + " ma położenie na belce " + Liczba(f.XAbs) + " m zamiast " + Liczba(f.X + p.X0) + " m.";
        return {};
    };
    const auto odcinek = [](const auto& q, const std::string& co, const TPrzeslo& p) -> std::string {
        if (!(q.X1 >= 0 && q.X2 <= p.L && q.X1 < q.X2))
            return co + " leży poza swoim przęsłem albo nie ma długości: od " + Liczba(q.X1) + " do " + Liczba(q.X2) +
                   " m, przęsło ma " + Liczba(p.L) + " m.";
        if (!Zgodne(q.X1Abs, q.X1 + p.X0) || !Zgodne(q.X2Abs, q.X2 + p.X0))
            return co + " ma położenie na belce od " + Liczba(q.X1Abs) + " do " + Liczba(q.X2Abs) + " m zamiast od " +
                   Liczba(q.X1 + p.X0) + " do " + Liczba(q.X2 + p.X0) + " m.";
        return {};
    };
    tablica(zad.Sily, RodzajSily, punkt);
    tablica(zad.Liniowe, RodzajLiniowego, odcinek);
    tablica(zad.Trojkaty, RodzajTrojkata, odcinek);
    tablica(zad.Momenty, RodzajMomentu, punkt);
    return blad;
}

// ---------------------------------------------------------------- writing

class TPisarz {
public:
    explicit TPisarz(char separator) : separator_(separator) {}

    void Linia(std::string_view s)
    {
        tekst_ += s;
        tekst_ += "\r\n";
    }
    void Calkowita(int32_t v) { Linia(std::to_string(v)); }
    // A name must stay on its own line.
    void Nazwa(std::string s)
    {
        for (char& c : s)
            if (c == '\r' || c == '\n')
                c = ' ';
        Linia(s);
    }
    void Rzeczywista(double v)
    {
        Sprawdz(std::fpclassify(v));
        Linia(TekstLiczby(v, separator_));
    }
    // A subnormal single-precision value would be refused when read back.
    void Rzeczywista(float v)
    {
        Sprawdz(std::fpclassify(v));
        Linia(TekstLiczby(v, separator_));
    }
    void Sekcja(const std::string& znacznik, const char* opis)
    {
        Linia(znacznik);
        sekcja_ = opis;
    }

    std::string tekst_;
    std::string nieZapisana_; // what the first number the reader would refuse is, and its section

private:
    void Sprawdz(int rodzaj)
    {
        if (!nieZapisana_.empty())
            return;
        if (rodzaj == FP_NAN || rodzaj == FP_INFINITE)
            nieZapisana_ = "liczbę nieskończoną lub nieokreśloną (w " + sekcja_ + ")";
        else if (rodzaj == FP_SUBNORMAL)
            nieZapisana_ = "liczbę zbyt bliską zera, by ją zapamiętać (w " + sekcja_ + ")";
    }

    char separator_;
    std::string sekcja_;
};

// ---------------------------------------------------------------- reading

struct TBladOdczytu {
    std::string Tekst;
};

// The offending line as the message shows it: UTF-8, a runaway line cut short.
std::string LiniaWKomunikacie(std::string_view linia)
{
    constexpr size_t Najwyzej = 100;
    if (linia.size() <= Najwyzej)
        return Cp1250NaUtf8(linia);
    return Cp1250NaUtf8(linia.substr(0, Najwyzej)) + "…";
}

// Where a value is read: the section and, where there is one, the record ("przęsło 8").
struct TMiejsce {
    TNrSekcji Sekcja;
    std::string Rekord;

    std::string Opis() const
    {
        return std::string(Sekcje()[Sekcja].Nazwa) + (Rekord.empty() ? "" : ", " + Rekord);
    }
};

class TCzytnik {
public:
    explicit TCzytnik(std::string_view tekst) : tekst_(tekst) {}

    // The next line without its end (CR LF, LF or CR); false at the end of the text.
    bool Nastepna(std::string_view& linia)
    {
        if (poz_ >= tekst_.size())
            return false;
        size_t koniec = poz_;
        while (koniec < tekst_.size() && tekst_[koniec] != '\r' && tekst_[koniec] != '\n')
            ++koniec;
        linia = tekst_.substr(poz_, koniec - poz_);
        poz_ = koniec;
        if (poz_ < tekst_.size() && tekst_[poz_] == '\r')
            ++poz_;
        if (poz_ < tekst_.size() && tekst_[poz_] == '\n')
            ++poz_;
        return true;
    }

    std::string_view Wymagana(const TMiejsce& m)
    {
        std::string_view linia;
        if (!Nastepna(linia))
            throw TBladOdczytu{"Plik jest niekompletny: urywa się w sekcji " + Sekcje()[m.Sekcja].Pokaz() +
                               (m.Rekord.empty() ? "" : " (" + m.Rekord + ")") + "."};
        return linia;
    }

    int32_t Calkowita(const TMiejsce& m)
    {
        return Wartosc<int32_t>(m, KomunikatCalkowitej, [](std::string_view l, int32_t& v) { return CzytajCalkowita(l, v); });
    }

    template <class T = float>
    T Rzeczywista(const TMiejsce& m)
    {
        return Wartosc<T>(m, KomunikatRzeczywistej, [](std::string_view l, T& v) { return CzytajRzeczywista(l, v); });
    }

    int32_t Kolor(const TMiejsce& m)
    {
        return Wartosc<int32_t>(m, KomunikatCalkowitej, [](std::string_view l, int32_t& v) { return CzytajKolor(l, v); });
    }

    // A key line that tells how the lines after it are read ("Lewy przegub").
    void Klucz(const TMiejsce& m, std::string_view klucz)
    {
        const std::string_view linia = Wymagana(m);
        if (linia != klucz)
            throw TBladOdczytu{"W sekcji " + Sekcje()[m.Sekcja].Pokaz() + " zamiast „" + std::string(klucz) +
                               "” stoi „" + LiniaWKomunikacie(linia) + "”."};
    }

    // The empty line that ends a counted section must follow its last value.
    void KoniecSekcji(TNrSekcji sekcja)
    {
        const std::string_view linia = Wymagana({sekcja, ""});
        if (!linia.empty())
            throw TBladOdczytu{"Sekcja " + Sekcje()[sekcja].Pokaz() +
                               " nie kończy się tam, gdzie wskazują dane ogólne: zamiast pustego wiersza stoi „" +
                               LiniaWKomunikacie(linia) + "”."};
    }

    // The lines after a load section's empty line up to the next marker (or
    // the end) must be empty: a record there would be passed over, as after an
    // empty line typed into the section or a "TRUE" erased.
    void PusteDoZnacznika(TNrSekcji sekcja, int32_t rekordow)
    {
        std::string_view linia;
        for (size_t poz = poz_; Nastepna(linia); poz = poz_) {
            if (linia.empty())
                continue;
            // A marker, or a damaged one (DoZnacznika names the missing section), is read again by DoZnacznika.
            if (linia.starts_with("***")) {
                poz_ = poz;
                return;
            }
            throw TBladOdczytu{"W sekcji " + Sekcje()[sekcja].Pokaz() + " po pustym wierszu " +
                               (rekordow == 0 ? std::string("na początku") : "za rekordem nr " + std::to_string(rekordow)) +
                               " stoi jeszcze „" + LiniaWKomunikacie(linia) +
                               "”; pusty wiersz kończy sekcję, więc dalsze rekordy zostałyby pominięte."};
        }
    }

    // A file cut short inside its last section may still end at a record's
    // end; one cut inside a line is seen by the missing line end.
    void KoniecPliku() const
    {
        if (!tekst_.empty() && tekst_.back() != '\n' && tekst_.back() != '\r') {
            const size_t poczatek = tekst_.find_last_of("\r\n");
            const std::string_view linia = tekst_.substr(poczatek == std::string_view::npos ? 0 : poczatek + 1);
            throw TBladOdczytu{"Plik jest niekompletny: ostatni wiersz („" + LiniaWKomunikacie(linia) +
                               "”) nie ma końca wiersza, więc plik urywa się w jego środku."};
        }
    }

    // Passes over what stands before the marker of `sekcja`: the header, the
    // date, lines a user added. Another section's marker there means this one is missing.
    void DoZnacznika(TNrSekcji sekcja)
    {
        std::string_view linia;
        while (Nastepna(linia)) {
            if (linia == Sekcje()[sekcja].Znacznik)
                return;
            if (std::any_of(Sekcje().begin(), Sekcje().end(), [&](const TSekcja& s) { return linia == s.Znacznik; }))
                break;
        }
        throw TBladOdczytu{"Plik jest niekompletny: brak sekcji " + Sekcje()[sekcja].Pokaz() + "."};
    }

private:
    // The next line read by `czytaj`; a line it refuses ends the reading with
    // the system's conversion message users know, and where it happened.
    template <class T, class Czytaj>
    T Wartosc(const TMiejsce& m, std::string (*komunikat)(std::string_view), Czytaj czytaj)
    {
        const std::string_view linia = Wymagana(m);
        T v = 0;
        if (!czytaj(linia, v))
            throw TBladOdczytu{komunikat(LiniaWKomunikacie(linia)) + " (" + m.Opis() + ")"};
        return v;
    }

    std::string_view tekst_;
    size_t poz_ = 0;
};

// The loads of one section, each introduced by a "TRUE" line, into the next
// free slots; the section ends at its empty line or at the end of the file,
// and only empty lines may follow it up to the next marker.
template <class T, size_t N, class Pola>
void CzytajObciazenia(TCzytnik& c, TNrSekcji sekcja, std::array<T, N>& tablica, const TRodzaj& rodzaj, Pola pola)
{
    std::string_view linia;
    while (c.Nastepna(linia) && !linia.empty()) {
        const int32_t i = IloscUzytych(tablica);
        if (linia != Prawda)
            throw TBladOdczytu{"W sekcji " + Sekcje()[sekcja].Pokaz() +
                               (i == 0 ? std::string(" na początku") : " po rekordzie nr " + std::to_string(i)) +
                               " stoi „" + LiniaWKomunikacie(linia) + "” zamiast „TRUE” albo pustego wiersza."};
        if (i >= int32_t(N))
            throw TBladOdczytu{"Plik zawiera więcej niż " + std::to_string(N) + " " + rodzaj.DopelniaczMnogi +
                               "; program obsługuje najwyżej " + std::to_string(N) + "."};
        T r{};
        r.Uzyta = 1;
        pola(r, c, TMiejsce{sekcja, std::string(rodzaj.Rekord) + " " + std::to_string(i + 1)});
        tablica[size_t(i)] = r;
    }
    c.PusteDoZnacznika(sekcja, IloscUzytych(tablica));
}

void SprawdzIlosci(int32_t n, int32_t g, int32_t k)
{
    if (n < -1)
        throw TBladOdczytu{"Plik podaje ujemną liczbę przęseł (" + std::to_string(n) + ")."};
    if (n == 0 || n > MaxPrzesel)
        throw TBladOdczytu{"Plik podaje " + Ile(n, "przęsło", "przęsła", "przęseł") + "; program obsługuje od 1 do " +
                           std::to_string(MaxPrzesel) + "."};
    if (g < 0)
        throw TBladOdczytu{"Plik podaje ujemną liczbę grup obciążeń (" + std::to_string(g) + ")."};
    if (g > TDaneZadania::MaxGrup)
        throw TBladOdczytu{"Plik podaje " + Ile(g, "grupę obciążeń", "grupy obciążeń", "grup obciążeń") +
                           "; program obsługuje najwyżej " + std::to_string(TDaneZadania::MaxGrup) + "."};
    if (k < 0)
        throw TBladOdczytu{"Plik podaje ujemną liczbę wariantów obciążeń (" + std::to_string(k) + ")."};
    if (k > TDaneZadania::MaxKombinacji)
        throw TBladOdczytu{"Plik podaje " + Ile(k, "wariant obciążeń", "warianty obciążeń", "wariantów obciążeń") +
                           "; program obsługuje najwyżej " + std::to_string(TDaneZadania::MaxKombinacji) + "."};
}

} // namespace

bool ZapiszDoTekstu(const TDaneZadania& zad, char separator, std::string_view liniaDaty, std::string& tekst,
                    std::string& blad)
{
    blad = SprawdzSpojnosc(zad, IloscUzytych(zad.Grupy), "zadanie ma");
    if (!blad.empty()) {
        blad += " Plik nie został zapisany.";
        return false;
    }
    const TZnaczniki& z = Znaczniki();
    // Only a comma or a point can be read back.
    TPisarz p(separator == ',' ? ',' : '.');

    p.Linia(z.Gwiazdki);
    p.Linia(z.Naglowek);
    p.Linia(z.Autor);
    p.Linia(z.Gwiazdki);
    p.Linia(z.Uwaga);
    p.Linia(z.NieZmieniac);
    p.Linia(z.Gwiazdki);
    p.Linia("");
    p.Linia(liniaDaty);
    p.Linia("");
    p.Linia("100");
    p.Linia("1");
    p.Linia(z.Gwiazdki);
    p.Linia("");

    const int32_t n = zad.IloscPrzesel;
    const int32_t g = IloscUzytych(zad.Grupy);
    const int32_t k = IloscUzytych(zad.Kombinacje);
    p.Sekcja(Sekcje()[Ogolne].Znacznik, "danych ogólnych");
    p.Linia(z.IloscBelek);
    p.Calkowita(n);
    p.Linia(z.IloscGrup);
    p.Calkowita(g);
    p.Linia(z.IloscWariantow);
    p.Calkowita(k);
    p.Linia("");

    p.Sekcja(Sekcje()[Geometria].Znacznik, "danych geometrycznych");
    for (const TPrzeslo& s : zad.Przesla) {
        p.Rzeczywista(s.E);
        p.Rzeczywista(s.J);
        p.Rzeczywista(s.L);
        p.Rzeczywista(s.X0);
        p.Calkowita(s.TypPrzesla);
        p.Calkowita(s.TypPodpor);
        p.Calkowita(s.NiewiadomaLewa);
        p.Calkowita(s.NiewiadomaPrawa);
        for (const double r : s.Rezerwa)
            p.Rzeczywista(r);
    }
    p.Linia("Lewy przegub");
    if (zad.LewyPrzegub)
        p.Linia(Prawda);
    p.Linia("Prawy przegub");
    if (zad.PrawyPrzegub)
        p.Linia(Prawda);
    p.Linia("");

    p.Sekcja(Sekcje()[Grupy].Znacznik, "danych grup obciążeń");
    for (int32_t i = 0; i < g; ++i) {
        p.Nazwa(zad.Grupy[size_t(i)].Nazwa);
        p.Linia(TekstKoloru(zad.Grupy[size_t(i)].Kolor));
    }
    p.Linia("");

    p.Sekcja(Sekcje()[Warianty].Znacznik, "danych wariantów obciążeń");
    for (int32_t i = 0; i < k; ++i) {
        p.Nazwa(zad.Kombinacje[size_t(i)].Nazwa);
        p.Rzeczywista(zad.Kombinacje[size_t(i)].Rezerwa[0]);
        p.Rzeczywista(zad.Kombinacje[size_t(i)].Rezerwa[1]);
    }
    p.Linia("");

    p.Sekcja(Sekcje()[Wspolczynniki].Znacznik, "tabeli współczynników");
    for (int32_t c = 0; c < k; ++c)
        for (int32_t j = 0; j < g; ++j)
            p.Rzeczywista(zad.Wspolczynniki[size_t(c)][size_t(j)]);
    p.Linia("");

    p.Sekcja(Sekcje()[Sily].Znacznik, "danych sił skupionych");
    for (const TSila& s : zad.Sily)
        if (s.Uzyta) {
            p.Linia(Prawda);
            p.Calkowita(s.Przeslo);
            p.Rzeczywista(s.X);
            p.Rzeczywista(s.XAbs);
            p.Rzeczywista(s.Wartosc);
            p.Calkowita(s.Grupa);
        }
    p.Linia("");

    p.Sekcja(Sekcje()[Liniowe].Znacznik, "danych obciążeń równomiernych");
    for (const TLiniowe& q : zad.Liniowe)
        if (q.Uzyta) {
            p.Linia(Prawda);
            p.Calkowita(q.Przeslo);
            p.Rzeczywista(q.X1);
            p.Rzeczywista(q.X2);
            p.Rzeczywista(q.X1Abs);
            p.Rzeczywista(q.X2Abs);
            p.Rzeczywista(q.Wartosc);
            p.Calkowita(q.Grupa);
        }
    p.Linia("");

    p.Sekcja(Sekcje()[Trojkaty].Znacznik, "danych obciążeń liniowo zmiennych");
    for (const TTrojkat& t : zad.Trojkaty)
        if (t.Uzyta) {
            p.Linia(Prawda);
            p.Calkowita(t.Przeslo);
            p.Rzeczywista(t.X1);
            p.Rzeczywista(t.X2);
            p.Rzeczywista(t.X1Abs);
            p.Rzeczywista(t.X2Abs);
            p.Rzeczywista(t.WartoscStala);
            p.Rzeczywista(t.WartoscMalejaca);
            p.Rzeczywista(t.WartoscRosnaca);
            p.Calkowita(t.Grupa);
        }
    p.Linia("");

    p.Sekcja(Sekcje()[Momenty].Znacznik, "danych momentów skupionych");
    for (const TMoment& m : zad.Momenty)
        if (m.Uzyta) {
            p.Linia(Prawda);
            p.Calkowita(m.Przeslo);
            p.Rzeczywista(m.X);
            p.Rzeczywista(m.XAbs);
            p.Rzeczywista(m.Wartosc);
            p.Calkowita(m.Grupa);
        }

    if (!p.nieZapisana_.empty()) {
        blad = "Zadanie zawiera " + p.nieZapisana_ + ". Plik nie został zapisany.";
        return false;
    }
    tekst = std::move(p.tekst_);
    return true;
}

TOdczyt CzytajTekst(std::string_view tekst)
{
    TOdczyt wynik;
    auto zad = std::make_unique<TDaneZadania>();
    NowyTemat(*zad);
    std::vector<std::string> listaGrup{std::string(PierwszaGrupa)};

    try {
        TCzytnik c(tekst);
        // The header box is not read.
        std::string_view linia;
        for (int pominiete = 0; pominiete < 7 && c.Nastepna(linia); ++pominiete) {
        }

        c.DoZnacznika(Ogolne);
        const TMiejsce ogolne{Ogolne, ""};
        c.Wymagana(ogolne);
        const int32_t n = c.Calkowita(ogolne);
        c.Wymagana(ogolne);
        const int32_t g = c.Calkowita(ogolne);
        c.Wymagana(ogolne);
        const int32_t k = c.Calkowita(ogolne);
        SprawdzIlosci(n, g, k);
        c.KoniecSekcji(Ogolne);
        zad->IloscPrzesel = n;
        UstawIloscPrzesel(*zad);

        c.DoZnacznika(Geometria);
        int32_t nr = 0;
        for (TPrzeslo& s : zad->Przesla) {
            const TMiejsce m{Geometria, "przęsło " + std::to_string(++nr)};
            s.E = c.Rzeczywista(m);
            s.J = c.Rzeczywista(m);
            s.L = c.Rzeczywista(m);
            s.X0 = c.Rzeczywista(m);
            s.TypPrzesla = c.Calkowita(m);
            s.TypPodpor = c.Calkowita(m);
            s.NiewiadomaLewa = c.Calkowita(m);
            s.NiewiadomaPrawa = c.Calkowita(m);
            for (double& r : s.Rezerwa)
                r = c.Rzeczywista<double>(m);
        }
        // "Lewy przegub" [TRUE] "Prawy przegub" [TRUE]: a flag is set only by its "TRUE" line.
        const TMiejsce przeguby{Geometria, "przeguby podpór skrajnych"};
        c.Klucz(przeguby, "Lewy przegub");
        std::string_view po = c.Wymagana(przeguby);
        zad->LewyPrzegub = po == Prawda;
        if (zad->LewyPrzegub)
            po = c.Wymagana(przeguby);
        if (po != "Prawy przegub")
            throw TBladOdczytu{"W sekcji " + Sekcje()[Geometria].Pokaz() + " zamiast „Prawy przegub” stoi „" +
                               LiniaWKomunikacie(po) + "”."};
        po = c.Wymagana(przeguby);
        zad->PrawyPrzegub = po == Prawda;
        if (zad->PrawyPrzegub)
            c.KoniecSekcji(Geometria);
        else if (!po.empty())
            throw TBladOdczytu{"Sekcja " + Sekcje()[Geometria].Pokaz() +
                               " nie kończy się tam, gdzie wskazują dane ogólne: zamiast pustego wiersza stoi „" +
                               LiniaWKomunikacie(po) + "”."};

        c.DoZnacznika(Grupy);
        for (int32_t i = 0; i < g; ++i) {
            const TMiejsce m{Grupy, "grupa " + std::to_string(i + 1)};
            TGrupa& grupa = zad->Grupy[size_t(i)];
            grupa.Uzyta = 1;
            const std::string_view nazwa = c.Wymagana(m);
            grupa.Nazwa = PrzytnijNazwe(nazwa);
            if (i > 0)
                listaGrup.push_back(std::to_string(i + 1) + " " + Cp1250NaUtf8(nazwa));
            grupa.Kolor = c.Kolor(m);
        }
        c.KoniecSekcji(Grupy);

        c.DoZnacznika(Warianty);
        for (int32_t i = 0; i < k; ++i) {
            const TMiejsce m{Warianty, "wariant " + std::to_string(i + 1)};
            TWariant& w = zad->Kombinacje[size_t(i)];
            w.Uzyta = 1;
            w.Nazwa = PrzytnijNazwe(c.Wymagana(m));
            w.Rezerwa[0] = c.Rzeczywista(m);
            w.Rezerwa[1] = c.Rzeczywista(m);
        }
        c.KoniecSekcji(Warianty);

        c.DoZnacznika(Wspolczynniki);
        for (int32_t kk = 0; kk < k; ++kk)
            for (int32_t gg = 0; gg < g; ++gg)
                zad->Wspolczynniki[size_t(kk)][size_t(gg)] = c.Rzeczywista(
                    {Wspolczynniki, "kombinacja " + std::to_string(kk + 1) + ", grupa " + std::to_string(gg + 1)});
        c.KoniecSekcji(Wspolczynniki);

        c.DoZnacznika(Sily);
        CzytajObciazenia(c, Sily, zad->Sily, RodzajSily, [](TSila& s, TCzytnik& c, const TMiejsce& m) {
            s.Przeslo = c.Calkowita(m);
            s.X = c.Rzeczywista(m);
            s.XAbs = c.Rzeczywista(m);
            s.Wartosc = c.Rzeczywista(m);
            s.Grupa = c.Calkowita(m);
        });
        c.DoZnacznika(Liniowe);
        CzytajObciazenia(c, Liniowe, zad->Liniowe, RodzajLiniowego, [](TLiniowe& q, TCzytnik& c, const TMiejsce& m) {
            q.Przeslo = c.Calkowita(m);
            q.X1 = c.Rzeczywista(m);
            q.X2 = c.Rzeczywista(m);
            q.X1Abs = c.Rzeczywista(m);
            q.X2Abs = c.Rzeczywista(m);
            q.Wartosc = c.Rzeczywista(m);
            q.Grupa = c.Calkowita(m);
        });
        c.DoZnacznika(Trojkaty);
        CzytajObciazenia(c, Trojkaty, zad->Trojkaty, RodzajTrojkata, [](TTrojkat& t, TCzytnik& c, const TMiejsce& m) {
            t.Przeslo = c.Calkowita(m);
            t.X1 = c.Rzeczywista(m);
            t.X2 = c.Rzeczywista(m);
            t.X1Abs = c.Rzeczywista(m);
            t.X2Abs = c.Rzeczywista(m);
            t.WartoscStala = c.Rzeczywista(m);
            t.WartoscMalejaca = c.Rzeczywista(m);
            t.WartoscRosnaca = c.Rzeczywista(m);
            t.Grupa = c.Calkowita(m);
        });
        c.DoZnacznika(Momenty);
        CzytajObciazenia(c, Momenty, zad->Momenty, RodzajMomentu, [](TMoment& m, TCzytnik& c, const TMiejsce& gdzie) {
            m.Przeslo = c.Calkowita(gdzie);
            m.X = c.Rzeczywista(gdzie);
            m.XAbs = c.Rzeczywista(gdzie);
            m.Wartosc = c.Rzeczywista(gdzie);
            m.Grupa = c.Calkowita(gdzie);
        });
        // Nothing but empty lines may follow the last section.
        while (c.Nastepna(linia))
            if (!linia.empty())
                throw TBladOdczytu{"Za sekcją " + Sekcje()[Momenty].Pokaz() + " stoi jeszcze „" +
                                   LiniaWKomunikacie(linia) + "”."};
        c.KoniecPliku();

        const std::string blad = SprawdzSpojnosc(*zad, g, "plik podaje");
        if (!blad.empty())
            throw TBladOdczytu{blad};
    } catch (const TBladOdczytu& b) {
        wynik.Blad = b.Tekst;
        return wynik;
    }

    TWidokiZPliku& w = wynik.Widoki;
    for (const TPrzeslo& s : zad->Przesla)
        w.DlugosciPrzesel.push_back(s.L);
    w.LewyPrzegub = zad->LewyPrzegub;
    w.PrawyPrzegub = zad->PrawyPrzegub;
    const int32_t g = IloscUzytych(zad->Grupy);
    const int32_t k = IloscUzytych(zad->Kombinacje);
    for (int32_t c = 0; c < k; ++c)
        w.Wspolczynniki.emplace_back(zad->Wspolczynniki[size_t(c)].begin(), zad->Wspolczynniki[size_t(c)].begin() + g);
    w.ListaGrup = std::move(listaGrup);
    wynik.Zadanie = std::move(zad);
    return wynik;
}

void PrzyjmijWczytane(TDaneZadania& zadanie, TDaneZadania&& wczytane)
{
    const TNastawy nastawy = zadanie.Nastawy;
    const bool doPrzeliczenia = zadanie.DoPrzeliczenia;
    const bool nieZapisane = zadanie.NieZapisane;
    zadanie = std::move(wczytane);
    zadanie.Nastawy.WspGrubosci = nastawy.WspGrubosci;
    zadanie.Nastawy.ArkuszUzytkownika = nastawy.ArkuszUzytkownika;
    zadanie.Nastawy.ArkuszL = nastawy.ArkuszL;
    zadanie.Nastawy.ArkuszH = nastawy.ArkuszH;
    zadanie.DoPrzeliczenia = doPrzeliczenia;
    zadanie.NieZapisane = nieZapisane;
}
