#include "projectfile/PlikZadania.h"

#include "projectfile/DataZapisu.h"
#include "projectfile/Liczby.h"
#include "platform/Cp1250.h"
#include "platform/Odmiana.h"
#include "platform/TekstyLiczb.h"

#include <cmath>
#include <optional>

namespace {

constexpr size_t SzerokoscRamki = 67;
constexpr std::string_view Prawda = "TRUE";
constexpr std::string_view PierwszaGrupa = "1 Stale";

// Markers and keys, code page 1250.
struct TZnaczniki {
    std::string Ogolne = Utf8NaCp1250("*** Dane ogólne ***1");
    std::string Geometria = Utf8NaCp1250("*** Dane geometryczne ***1");
    std::string Grupy = Utf8NaCp1250("*** Dane grupy obciążeń ***1");
    std::string Warianty = Utf8NaCp1250("*** Dane wariantów obciążeń ***1");
    std::string Wspolczynniki = Utf8NaCp1250("*** Dane tabela współczynników ***1");
    std::string Sily = Utf8NaCp1250("*** Dane Siły ***1");
    std::string Liniowe = Utf8NaCp1250("*** Dane Liniowe ***1");
    std::string Trojkaty = Utf8NaCp1250("*** Dane Trójkąty ***1");
    std::string Momenty = Utf8NaCp1250("*** Dane Momenty ***1");
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

struct TRodzaj {
    const char* Mianownik;      // "Siła skupiona nr 3 leży ..."
    const char* Dopelniacz;     // "... podczas czytania siły skupionej nr 3"
    const char* DopelniaczMnogi; // "więcej niż 100 sił skupionych"
};
constexpr TRodzaj RodzajSily{"Siła skupiona", "siły skupionej", "sił skupionych"};
constexpr TRodzaj RodzajLiniowego{"Obciążenie równomierne", "obciążenia równomiernego", "obciążeń równomiernych"};
constexpr TRodzaj RodzajTrojkata{"Obciążenie liniowo zmienne", "obciążenia liniowo zmiennego",
                                 "obciążeń liniowo zmiennych"};
constexpr TRodzaj RodzajMomentu{"Moment skupiony", "momentu skupionego", "momentów skupionych"};

// Checks what both the reader and the writer refuse: a span count outside the
// tables and loads on spans or groups that do not exist. kto: "plik podaje" / "zadanie ma".
std::string SprawdzSpojnosc(const TDaneZadania& zad, const char* kto)
{
    const int32_t n = zad.IloscPrzesel;
    if (n != -1 && (n < 1 || n > MaxPrzesel || size_t(n) != zad.Przesla.size()))
        return "Zadanie ma niespójną geometrię (" + std::to_string(n) + " przęseł, w tablicy " +
               std::to_string(zad.Przesla.size()) + ").";
    if (n == -1 && !zad.Przesla.empty())
        return "Zadanie ma przęsła, choć nie ma geometrii.";
    const int32_t przesel = int32_t(zad.Przesla.size());
    const int32_t grup = IloscUzytych(zad.Grupy);

    std::string blad;
    const auto sprawdz = [&](const TRodzaj& rodzaj, int32_t nr, int32_t przeslo, int32_t grupa) {
        if (!blad.empty())
            return;
        const std::string co = std::string(rodzaj.Mianownik) + " nr " + std::to_string(nr + 1);
        if (przeslo < 0 || przeslo >= przesel) {
            blad = co + " leży na przęśle nr " + std::to_string(int64_t(przeslo) + 1) + ", a " + kto + " " +
                   (przesel == 0 ? std::string("0 przęseł") : Ile(przesel, "przęsło", "przęsła", "przęseł")) + ".";
        } else if (grupa < 0 || grupa >= grup) {
            blad = co + " należy do grupy obciążeń nr " + std::to_string(int64_t(grupa) + 1) + ", a " + kto + " " +
                   Ile(grup, "grupę obciążeń", "grupy obciążeń", "grup obciążeń") + ".";
        }
    };
    // Loads are numbered as the file and the load lists number them: used slots in order.
    const auto tablica = [&](const auto& t, const TRodzaj& rodzaj) {
        int32_t nr = 0;
        for (const auto& r : t)
            if (r.Uzyta)
                sprawdz(rodzaj, nr++, r.Przeslo, r.Grupa);
    };
    tablica(zad.Sily, RodzajSily);
    tablica(zad.Liniowe, RodzajLiniowego);
    tablica(zad.Trojkaty, RodzajTrojkata);
    tablica(zad.Momenty, RodzajMomentu);
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
        if (!std::isfinite(v) && nieskonczona_.empty())
            nieskonczona_ = sekcja_;
        Linia(TekstLiczby(v, separator_));
    }
    void Sekcja(const std::string& znacznik, const char* opis)
    {
        Linia(znacznik);
        sekcja_ = opis;
    }

    std::string tekst_;
    std::string nieskonczona_; // the section of the first non-finite number

private:
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

class TCzytnik {
public:
    explicit TCzytnik(std::string_view tekst) : tekst_(tekst) {}

    // The next line without its end (CR LF, LF or CR); false at the end of the text.
    bool Nastepna(std::string_view& linia)
    {
        if (odlozona_) {
            linia = *odlozona_;
            odlozona_.reset();
            return true;
        }
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

    // The next line is handed out again by Nastepna.
    void Odloz(std::string_view linia) { odlozona_ = linia; }

    std::string_view Wymagana(std::string_view co, int32_t nr)
    {
        std::string_view linia;
        if (!Nastepna(linia)) {
            std::string tekst = "Nieoczekiwany koniec pliku podczas czytania " + std::string(co);
            if (nr > 0)
                tekst += " nr " + std::to_string(nr);
            throw TBladOdczytu{tekst + "."};
        }
        return linia;
    }

    int32_t Calkowita(std::string_view co, int32_t nr = 0)
    {
        return Wartosc<int32_t>(co, nr, KomunikatCalkowitej, [](std::string_view l, int32_t& v) { return CzytajCalkowita(l, v); });
    }

    template <class T>
    T Rzeczywista(std::string_view co, int32_t nr = 0)
    {
        return Wartosc<T>(co, nr, KomunikatRzeczywistej, [](std::string_view l, T& v) { return CzytajRzeczywista(l, v); });
    }

    int32_t Kolor(std::string_view co, int32_t nr)
    {
        return Wartosc<int32_t>(co, nr, KomunikatCalkowitej, [](std::string_view l, int32_t& v) { return CzytajKolor(l, v); });
    }

private:
    // The next line read by `czytaj`; a line it refuses ends the reading with
    // the conversion message users of the old program know.
    template <class T, class Czytaj>
    T Wartosc(std::string_view co, int32_t nr, std::string (*typ)(std::string_view), Czytaj czytaj)
    {
        const std::string_view linia = Wymagana(co, nr);
        T v = 0;
        if (!czytaj(linia, v))
            throw TBladOdczytu{typ(LiniaWKomunikacie(linia))};
        return v;
    }

    std::string_view tekst_;
    size_t poz_ = 0;
    std::optional<std::string_view> odlozona_;
};

// Takes the loads of one section, each introduced by a "TRUE" line, into the
// next free slots; the first other line ends the section and goes back to the
// caller's scan, so a marker written without the empty line before it is still found.
// The fields of one record, read in order; a message names the record.
struct TPolaRekordu {
    TCzytnik& C;
    std::string_view Co;
    int32_t Nr;
    int32_t Calkowita() const { return C.Calkowita(Co, Nr); }
    template <class T = float>
    T Rzeczywista() const
    {
        return C.Rzeczywista<T>(Co, Nr);
    }
};

template <class T, size_t N, class Pola>
void CzytajObciazenia(TCzytnik& c, std::array<T, N>& tablica, const TRodzaj& rodzaj, Pola pola)
{
    std::string_view linia;
    while (c.Nastepna(linia)) {
        if (linia != Prawda) {
            c.Odloz(linia);
            return;
        }
        const int32_t i = IloscUzytych(tablica);
        if (i >= int32_t(N))
            throw TBladOdczytu{"Plik zawiera więcej niż " + std::to_string(N) + " " + rodzaj.DopelniaczMnogi +
                               "; program obsługuje najwyżej " + std::to_string(N) + "."};
        T r{};
        r.Uzyta = 1;
        pola(r, TPolaRekordu{c, rodzaj.Dopelniacz, i + 1});
        tablica[size_t(i)] = r;
    }
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

bool ZapiszDoTekstu(const TDaneZadania& zad, const TRegionalne& regionalne, const TChwila& chwila,
                    std::string& tekst, std::string& blad)
{
    blad = SprawdzSpojnosc(zad, "zadanie ma");
    if (!blad.empty()) {
        blad += " Plik nie został zapisany.";
        return false;
    }
    const TZnaczniki& z = Znaczniki();
    // Only a comma or a point can be read back.
    TPisarz p(regionalne.SeparatorDziesietny == ',' ? ',' : '.');

    p.Linia(z.Gwiazdki);
    p.Linia(z.Naglowek);
    p.Linia(z.Autor);
    p.Linia(z.Gwiazdki);
    p.Linia(z.Uwaga);
    p.Linia(z.NieZmieniac);
    p.Linia(z.Gwiazdki);
    p.Linia("");
    p.Linia(LiniaDatyZapisu(regionalne, chwila));
    p.Linia("");
    p.Linia("100");
    p.Linia("1");
    p.Linia(z.Gwiazdki);
    p.Linia("");

    const int32_t n = zad.IloscPrzesel;
    const int32_t g = IloscUzytych(zad.Grupy);
    const int32_t k = IloscUzytych(zad.Kombinacje);
    p.Sekcja(z.Ogolne, "danych ogólnych");
    p.Linia(z.IloscBelek);
    p.Calkowita(n);
    p.Linia(z.IloscGrup);
    p.Calkowita(g);
    p.Linia(z.IloscWariantow);
    p.Calkowita(k);
    p.Linia("");

    p.Sekcja(z.Geometria, "danych geometrycznych");
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

    p.Sekcja(z.Grupy, "danych grup obciążeń");
    for (int32_t i = 0; i < g; ++i) {
        p.Nazwa(zad.Grupy[size_t(i)].Nazwa);
        p.Linia(TekstKoloru(zad.Grupy[size_t(i)].Kolor));
    }
    p.Linia("");

    p.Sekcja(z.Warianty, "danych wariantów obciążeń");
    for (int32_t i = 0; i < k; ++i) {
        p.Nazwa(zad.Kombinacje[size_t(i)].Nazwa);
        p.Rzeczywista(zad.Kombinacje[size_t(i)].Rezerwa[0]);
        p.Rzeczywista(zad.Kombinacje[size_t(i)].Rezerwa[1]);
    }
    p.Linia("");

    p.Sekcja(z.Wspolczynniki, "tabeli współczynników");
    for (int32_t c = 0; c < k; ++c)
        for (int32_t j = 0; j < g; ++j)
            p.Rzeczywista(zad.Wspolczynniki[size_t(c)][size_t(j)]);
    p.Linia("");

    p.Sekcja(z.Sily, "danych sił skupionych");
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

    p.Sekcja(z.Liniowe, "danych obciążeń równomiernych");
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

    p.Sekcja(z.Trojkaty, "danych obciążeń liniowo zmiennych");
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

    p.Sekcja(z.Momenty, "danych momentów skupionych");
    for (const TMoment& m : zad.Momenty)
        if (m.Uzyta) {
            p.Linia(Prawda);
            p.Calkowita(m.Przeslo);
            p.Rzeczywista(m.X);
            p.Rzeczywista(m.XAbs);
            p.Rzeczywista(m.Wartosc);
            p.Calkowita(m.Grupa);
        }

    if (!p.nieskonczona_.empty()) {
        blad = "Zadanie zawiera liczbę nieskończoną lub nieokreśloną (w " + p.nieskonczona_ +
               "). Plik nie został zapisany.";
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
    const TZnaczniki& z = Znaczniki();

    try {
        TCzytnik c(tekst);
        std::string_view linia;
        // The header box is not read: its first seven lines are passed over.
        int pominiete = 0;
        while (pominiete < 7 && c.Nastepna(linia))
            ++pominiete;

        bool saDaneOgolne = false;
        int32_t g = 0;
        int32_t k = 0;
        while (c.Nastepna(linia)) {
            if (linia == z.Ogolne) {
                constexpr std::string_view Co = "danych ogólnych";
                c.Wymagana(Co, 0);
                const int32_t n = c.Calkowita(Co);
                c.Wymagana(Co, 0);
                g = c.Calkowita(Co);
                c.Wymagana(Co, 0);
                k = c.Calkowita(Co);
                SprawdzIlosci(n, g, k);
                zad->IloscPrzesel = n;
                UstawIloscPrzesel(*zad);
                saDaneOgolne = true;
            } else if (linia == z.Geometria) {
                int32_t nr = 0;
                for (TPrzeslo& s : zad->Przesla) {
                    const TPolaRekordu p{c, "danych przęsła", ++nr};
                    s.E = p.Rzeczywista();
                    s.J = p.Rzeczywista();
                    s.L = p.Rzeczywista();
                    s.X0 = p.Rzeczywista();
                    s.TypPrzesla = p.Calkowita();
                    s.TypPodpor = p.Calkowita();
                    s.NiewiadomaLewa = p.Calkowita();
                    s.NiewiadomaPrawa = p.Calkowita();
                    for (double& r : s.Rezerwa)
                        r = p.Rzeczywista<double>();
                }
                // "Lewy przegub" [TRUE] "Prawy przegub" [TRUE]: a flag is set only by its "TRUE" line.
                constexpr std::string_view Co = "przegubów podpór skrajnych";
                c.Wymagana(Co, 0);
                zad->LewyPrzegub = c.Wymagana(Co, 0) == Prawda;
                if (zad->LewyPrzegub)
                    c.Wymagana(Co, 0);
                zad->PrawyPrzegub = false;
                if (c.Nastepna(linia)) {
                    zad->PrawyPrzegub = linia == Prawda;
                    if (!zad->PrawyPrzegub)
                        c.Odloz(linia);
                }
            } else if (linia == z.Grupy) {
                listaGrup.resize(1);
                for (int32_t i = 0; i < g; ++i) {
                    constexpr std::string_view Co = "danych grupy obciążeń";
                    TGrupa& grupa = zad->Grupy[size_t(i)];
                    grupa.Uzyta = 1;
                    const std::string_view nazwa = c.Wymagana(Co, i + 1);
                    grupa.Nazwa = PrzytnijNazwe(nazwa);
                    if (i > 0)
                        listaGrup.push_back(std::to_string(i + 1) + " " + Cp1250NaUtf8(nazwa));
                    grupa.Kolor = c.Kolor(Co, i + 1);
                }
            } else if (linia == z.Warianty) {
                for (int32_t i = 0; i < k; ++i) {
                    constexpr std::string_view Co = "danych wariantu obciążeń";
                    TWariant& w = zad->Kombinacje[size_t(i)];
                    w.Uzyta = 1;
                    w.Nazwa = PrzytnijNazwe(c.Wymagana(Co, i + 1));
                    w.Rezerwa[0] = c.Rzeczywista<float>(Co, i + 1);
                    w.Rezerwa[1] = c.Rzeczywista<float>(Co, i + 1);
                }
            } else if (linia == z.Wspolczynniki) {
                for (int32_t kk = 0; kk < k; ++kk)
                    for (int32_t gg = 0; gg < g; ++gg)
                        zad->Wspolczynniki[size_t(kk)][size_t(gg)] = c.Rzeczywista<float>("tabeli współczynników");
            } else if (linia == z.Sily) {
                CzytajObciazenia(c, zad->Sily, RodzajSily, [](TSila& s, const TPolaRekordu& p) {
                    s.Przeslo = p.Calkowita();
                    s.X = p.Rzeczywista();
                    s.XAbs = p.Rzeczywista();
                    s.Wartosc = p.Rzeczywista();
                    s.Grupa = p.Calkowita();
                });
            } else if (linia == z.Liniowe) {
                CzytajObciazenia(c, zad->Liniowe, RodzajLiniowego, [](TLiniowe& q, const TPolaRekordu& p) {
                    q.Przeslo = p.Calkowita();
                    q.X1 = p.Rzeczywista();
                    q.X2 = p.Rzeczywista();
                    q.X1Abs = p.Rzeczywista();
                    q.X2Abs = p.Rzeczywista();
                    q.Wartosc = p.Rzeczywista();
                    q.Grupa = p.Calkowita();
                });
            } else if (linia == z.Trojkaty) {
                CzytajObciazenia(c, zad->Trojkaty, RodzajTrojkata, [](TTrojkat& t, const TPolaRekordu& p) {
                    t.Przeslo = p.Calkowita();
                    t.X1 = p.Rzeczywista();
                    t.X2 = p.Rzeczywista();
                    t.X1Abs = p.Rzeczywista();
                    t.X2Abs = p.Rzeczywista();
                    t.WartoscStala = p.Rzeczywista();
                    t.WartoscMalejaca = p.Rzeczywista();
                    t.WartoscRosnaca = p.Rzeczywista();
                    t.Grupa = p.Calkowita();
                });
            } else if (linia == z.Momenty) {
                CzytajObciazenia(c, zad->Momenty, RodzajMomentu, [](TMoment& m, const TPolaRekordu& p) {
                    m.Przeslo = p.Calkowita();
                    m.X = p.Rzeczywista();
                    m.XAbs = p.Rzeczywista();
                    m.Wartosc = p.Rzeczywista();
                    m.Grupa = p.Calkowita();
                });
            }
        }

        // Without its general section a file describes no task; taking it as an
        // empty one would silently replace the user's work.
        if (!saDaneOgolne)
            throw TBladOdczytu{"To nie jest plik zadania: brak sekcji „" + Cp1250NaUtf8(z.Ogolne) + "”."};
        const std::string blad = SprawdzSpojnosc(*zad, "plik podaje");
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
