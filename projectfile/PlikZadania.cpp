#include "projectfile/PlikZadania.h"

#include "model/Granice.h"
#include "projectfile/Liczby.h"
#include "platform/Cp1250.h"
#include "platform/TekstyLiczb.h"

#include <algorithm>
#include <cmath>
#include <concepts>
#include <type_traits>

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

// The sections in the order the file holds them. The kinds of the groups
// stand only in a file with a classified group, between two counted sections:
// a reader that does not know them passes over them as over any stray line
// before the next marker.
enum TNrSekcji {
    Ogolne,
    Geometria,
    Grupy,
    RodzajeGrup,
    Warianty,
    Wspolczynniki,
    Sily,
    Liniowe,
    Trojkaty,
    Momenty,
    IloscSekcji
};

struct TSekcja {
    std::string Znacznik;   // the marker line, code page 1250, with its "1"
    const char* Nazwa;      // where a message of the reader says it happened: "dane geometryczne"
    const char* Dopelniacz; // where a message of the writer says it happened: "danych geometrycznych"
    // The marker as a message shows it (UTF-8, without the "1").
    std::string Pokaz() const { return "„" + Cp1250NaUtf8(Znacznik.substr(0, Znacznik.size() - 1)) + "”"; }
};

const std::array<TSekcja, IloscSekcji>& Sekcje()
{
    static const std::array<TSekcja, IloscSekcji> s = {{
        {Utf8NaCp1250("*** Dane ogólne ***1"), "dane ogólne", "danych ogólnych"},
        {Utf8NaCp1250("*** Dane geometryczne ***1"), "dane geometryczne", "danych geometrycznych"},
        {Utf8NaCp1250("*** Dane grupy obciążeń ***1"), "dane grup obciążeń", "danych grup obciążeń"},
        {Utf8NaCp1250("*** Dane rodzaje grup obciążeń ***1"), "rodzaje grup obciążeń", "danych rodzajów grup obciążeń"},
        {Utf8NaCp1250("*** Dane wariantów obciążeń ***1"), "dane wariantów obciążeń", "danych wariantów obciążeń"},
        {Utf8NaCp1250("*** Dane tabela współczynników ***1"), "tabela współczynników", "tabeli współczynników"},
        {Utf8NaCp1250("*** Dane Siły ***1"), "siły skupione", "danych sił skupionych"},
        {Utf8NaCp1250("*** Dane Liniowe ***1"), "obciążenia równomierne", "danych obciążeń równomiernych"},
        {Utf8NaCp1250("*** Dane Trójkąty ***1"), "obciążenia liniowo zmienne", "danych obciążeń liniowo zmiennych"},
        {Utf8NaCp1250("*** Dane Momenty ***1"), "momenty skupione", "danych momentów skupionych"},
    }};
    return s;
}

struct TRodzaj {
    const char* Rekord;          // "(siły skupione, siła 3)"
    const char* DopelniaczMnogi; // "więcej niż 100 sił skupionych"
};
constexpr TRodzaj RodzajSily{"siła", "sił skupionych"};
constexpr TRodzaj RodzajLiniowego{"obciążenie", "obciążeń równomiernych"};
constexpr TRodzaj RodzajTrojkata{"obciążenie", "obciążeń liniowo zmiennych"};
constexpr TRodzaj RodzajMomentu{"moment", "momentów skupionych"};

// ---------------------------------------------------------------- the records' fields
// Each record's fields in the order the file holds them, one a line. The
// writer and the reader both walk these lists, so a field is named once.
// `pole` gets each field by reference (const when writing): float and
// double are real numbers, int32_t an integer, std::string a name, and the
// two wrappers below a colour and a key line.

// A colour: an integer written as a colour name or "$" and hex digits.
template <class I>
struct TPoleKoloru {
    I& Kolor;
};
template <class I>
TPoleKoloru(I&) -> TPoleKoloru<I>;

// The key line before a count of the general section: written, and passed over when read.
struct TKlucz {
    const std::string& Tekst;
};

// The general section: the counts the sections after it hold.
struct TIlosci {
    int32_t Przesel = 0;
    int32_t Grup = 0;
    int32_t Wariantow = 0;
};

// R is T or const T.
template <class R, class T>
concept Typu = std::same_as<std::remove_const_t<R>, T>;

template <Typu<TIlosci> R, class Pole>
void Pola(R& i, Pole&& pole)
{
    const TZnaczniki& z = Znaczniki();
    pole(TKlucz{z.IloscBelek});
    pole(i.Przesel);
    pole(TKlucz{z.IloscGrup});
    pole(i.Grup);
    pole(TKlucz{z.IloscWariantow});
    pole(i.Wariantow);
}

template <Typu<TPrzeslo> R, class Pole>
void Pola(R& s, Pole&& pole)
{
    pole(s.E);
    pole(s.J);
    pole(s.L);
    pole(s.X0);
    pole(s.TypPrzesla);
    pole(s.TypPodpor);
    pole(s.NiewiadomaLewa);
    pole(s.NiewiadomaPrawa);
    for (auto& r : s.Rezerwa)
        pole(r);
}

template <Typu<TGrupa> R, class Pole>
void Pola(R& g, Pole&& pole)
{
    pole(g.Nazwa);
    pole(TPoleKoloru{g.Kolor});
}

// The kind of a group as the file holds it: codes and a key (model/Granice.h).
struct TRekordRodzaju {
    int32_t Rodzaj = 0;
    std::string Kategoria;
    int32_t PoPrzeslach = 1;
};

template <Typu<TRekordRodzaju> R, class Pole>
void Pola(R& r, Pole&& pole)
{
    pole(r.Rodzaj);
    pole(r.Kategoria);
    pole(r.PoPrzeslach);
}

template <Typu<TWariant> R, class Pole>
void Pola(R& w, Pole&& pole)
{
    pole(w.Nazwa);
    for (auto& r : w.Rezerwa)
        pole(r);
}

// A force, and a moment (TMoment is TSila).
template <Typu<TSila> R, class Pole>
void Pola(R& f, Pole&& pole)
{
    pole(f.Przeslo);
    pole(f.X);
    pole(f.XAbs);
    pole(f.Wartosc);
    pole(f.Grupa);
}

template <Typu<TLiniowe> R, class Pole>
void Pola(R& q, Pole&& pole)
{
    pole(q.Przeslo);
    pole(q.X1);
    pole(q.X2);
    pole(q.X1Abs);
    pole(q.X2Abs);
    pole(q.Wartosc);
    pole(q.Grupa);
}

template <Typu<TTrojkat> R, class Pole>
void Pola(R& t, Pole&& pole)
{
    pole(t.Przeslo);
    pole(t.X1);
    pole(t.X2);
    pole(t.X1Abs);
    pole(t.X2Abs);
    pole(t.WartoscStala);
    pole(t.WartoscMalejaca);
    pole(t.WartoscRosnaca);
    pole(t.Grupa);
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
    void Sekcja(TNrSekcji sekcja)
    {
        Linia(Sekcje()[sekcja].Znacznik);
        sekcja_ = Sekcje()[sekcja].Dopelniacz;
    }

    // The fields of the records (see Pola).
    void Pole(int32_t v) { Linia(std::to_string(v)); }
    void Pole(double v)
    {
        Sprawdz(std::fpclassify(v));
        Linia(TekstLiczby(v, separator_));
    }
    // A subnormal single-precision value would be refused when read back.
    void Pole(float v)
    {
        Sprawdz(std::fpclassify(v));
        Linia(TekstLiczby(v, separator_));
    }
    // A name must stay on its own line.
    void Pole(std::string s)
    {
        for (char& c : s)
            if (c == '\r' || c == '\n')
                c = ' ';
        Linia(s);
    }
    void Pole(TPoleKoloru<const int32_t> k) { Linia(TekstKoloru(k.Kolor)); }
    void Pole(TKlucz k) { Linia(k.Tekst); }

    // Every field of the record, each on its line.
    template <class R>
    void PiszRekord(const R& r)
    {
        Pola(r, [&](const auto& v) { Pole(v); });
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

    std::string Opis() const { return std::string(Sekcje()[Sekcja].Nazwa) + (Rekord.empty() ? "" : ", " + Rekord); }
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

    // The fields of the records (see Pola), read where m says.
    void Pole(const TMiejsce& m, int32_t& v)
    {
        v = Wartosc<int32_t>(m, KomunikatCalkowitej,
                             [](std::string_view l, int32_t& w) { return CzytajCalkowita(l, w); });
    }
    void Pole(const TMiejsce& m, float& v) { v = Rzeczywista<float>(m); }
    void Pole(const TMiejsce& m, double& v) { v = Rzeczywista<double>(m); }
    // A name is cut to what a stored name holds; the whole line stays in Nazwa().
    void Pole(const TMiejsce& m, std::string& v)
    {
        nazwa_ = Wymagana(m);
        v = PrzytnijNazwe(nazwa_);
    }
    void Pole(const TMiejsce& m, TPoleKoloru<int32_t> k)
    {
        k.Kolor =
            Wartosc<int32_t>(m, KomunikatCalkowitej, [](std::string_view l, int32_t& w) { return CzytajKolor(l, w); });
    }
    void Pole(const TMiejsce& m, TKlucz) { Wymagana(m); }

    template <class R>
    void CzytajRekord(const TMiejsce& m, R& r)
    {
        Pola(r, [&](auto&& v) { Pole(m, v); });
    }

    // The whole line of the name read last.
    std::string_view Nazwa() const { return nazwa_; }

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
            throw TBladOdczytu{
                "W sekcji " + Sekcje()[sekcja].Pokaz() + " po pustym wierszu " +
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
    void DoZnacznika(TNrSekcji sekcja) { DoZnacznikaAlbo(sekcja, sekcja); }

    // The same for a section that may be missing (`moze`) before `sekcja`:
    // true when the optional one's marker came first.
    bool DoZnacznikaAlbo(TNrSekcji moze, TNrSekcji sekcja)
    {
        std::string_view linia;
        while (Nastepna(linia)) {
            if (linia == Sekcje()[moze].Znacznik)
                return moze != sekcja;
            if (linia == Sekcje()[sekcja].Znacznik)
                return false;
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

    template <class T>
    T Rzeczywista(const TMiejsce& m)
    {
        return Wartosc<T>(m, KomunikatRzeczywistej, [](std::string_view l, T& v) { return CzytajRzeczywista(l, v); });
    }

    std::string_view tekst_;
    size_t poz_ = 0;
    std::string_view nazwa_;
};

// The loads of one section, each introduced by a "TRUE" line, into the next
// free slots; the section ends at its empty line or at the end of the file,
// and only empty lines may follow it up to the next marker.
template <class T, size_t N>
void CzytajObciazenia(TCzytnik& c, TNrSekcji sekcja, std::array<T, N>& tablica, const TRodzaj& rodzaj)
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
        c.CzytajRekord(TMiejsce{sekcja, std::string(rodzaj.Rekord) + " " + std::to_string(i + 1)}, r);
        tablica[size_t(i)] = r;
    }
    c.PusteDoZnacznika(sekcja, IloscUzytych(tablica));
}

} // namespace

bool ZapiszDoTekstu(const TDaneZadania& zad, char separator, std::string_view liniaDaty, std::string& tekst,
                    std::string& blad)
{
    blad.clear();
    if (const auto usterka = UsterkaZadania(zad, TKontrola::Zapis)) {
        blad = *usterka + " Plik nie został zapisany.";
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

    const TIlosci ilosci{zad.IloscPrzesel, IloscUzytych(zad.Grupy), IloscUzytych(zad.Kombinacje)};
    p.Sekcja(Ogolne);
    p.PiszRekord(ilosci);
    p.Linia("");

    p.Sekcja(Geometria);
    for (const TPrzeslo& s : zad.Przesla)
        p.PiszRekord(s);
    p.Linia("Lewy przegub");
    if (zad.LewyPrzegub)
        p.Linia(Prawda);
    p.Linia("Prawy przegub");
    if (zad.PrawyPrzegub)
        p.Linia(Prawda);
    p.Linia("");

    p.Sekcja(Grupy);
    for (int32_t i = 0; i < ilosci.Grup; ++i)
        p.PiszRekord(zad.Grupy[size_t(i)]);
    p.Linia("");

    if (SaGrupySklasyfikowane(zad)) {
        p.Sekcja(RodzajeGrup);
        for (int32_t i = 0; i < ilosci.Grup; ++i) {
            const TKlasyfikacjaGrupy& k = zad.Klasyfikacje[size_t(i)];
            p.PiszRekord(TRekordRodzaju{int32_t(k.Rodzaj), KluczKategorii(k.Kategoria), k.PoPrzeslach ? 1 : 0});
        }
        p.Linia("");
    }

    p.Sekcja(Warianty);
    for (int32_t i = 0; i < ilosci.Wariantow; ++i)
        p.PiszRekord(zad.Kombinacje[size_t(i)]);
    p.Linia("");

    p.Sekcja(Wspolczynniki);
    for (int32_t c = 0; c < ilosci.Wariantow; ++c)
        for (int32_t j = 0; j < ilosci.Grup; ++j)
            p.Pole(zad.Wspolczynniki[size_t(c)][size_t(j)]);
    p.Linia("");

    // Every load in use after its "TRUE" line; the last section has no empty line after it.
    const auto obciazenia = [&p](TNrSekcji sekcja, const auto& tablica) {
        p.Sekcja(sekcja);
        for (const auto& r : tablica)
            if (r.Uzyta) {
                p.Linia(Prawda);
                p.PiszRekord(r);
            }
    };
    obciazenia(Sily, zad.Sily);
    p.Linia("");
    obciazenia(Liniowe, zad.Liniowe);
    p.Linia("");
    obciazenia(Trojkaty, zad.Trojkaty);
    p.Linia("");
    obciazenia(Momenty, zad.Momenty);

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
        TIlosci ilosci;
        c.CzytajRekord({Ogolne, ""}, ilosci);
        if (const auto usterka = UsterkaIlosci(ilosci.Przesel, ilosci.Grup, ilosci.Wariantow, "plik podaje"))
            throw TBladOdczytu{*usterka};
        c.KoniecSekcji(Ogolne);
        zad->IloscPrzesel = ilosci.Przesel;
        UstawIloscPrzesel(*zad);

        c.DoZnacznika(Geometria);
        int32_t nr = 0;
        for (TPrzeslo& s : zad->Przesla)
            c.CzytajRekord({Geometria, "przęsło " + std::to_string(++nr)}, s);
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
        for (int32_t i = 0; i < ilosci.Grup; ++i) {
            TGrupa& grupa = zad->Grupy[size_t(i)];
            grupa.Uzyta = 1;
            c.CzytajRekord({Grupy, "grupa " + std::to_string(i + 1)}, grupa);
            if (i > 0)
                listaGrup.push_back(std::to_string(i + 1) + " " + Cp1250NaUtf8(c.Nazwa()));
        }
        c.KoniecSekcji(Grupy);

        // A file without a classified group has no kinds: every group stays unclassified.
        if (c.DoZnacznikaAlbo(RodzajeGrup, Warianty)) {
            for (int32_t i = 0; i < ilosci.Grup; ++i) {
                TRekordRodzaju r;
                c.CzytajRekord({RodzajeGrup, "grupa " + std::to_string(i + 1)}, r);
                if (const auto usterka = UsterkaRodzajuGrupy(i, r.Rodzaj, LiniaWKomunikacie(c.Nazwa()), r.PoPrzeslach))
                    throw TBladOdczytu{*usterka};
                TKlasyfikacjaGrupy& k = zad->Klasyfikacje[size_t(i)];
                k.Rodzaj = TRodzajGrupy(r.Rodzaj);
                KategoriaKlucza(c.Nazwa(), k.Kategoria);
                k.PoPrzeslach = r.PoPrzeslach == 1;
            }
            c.KoniecSekcji(RodzajeGrup);
            c.DoZnacznika(Warianty);
        }
        for (int32_t i = 0; i < ilosci.Wariantow; ++i) {
            TWariant& w = zad->Kombinacje[size_t(i)];
            w.Uzyta = 1;
            c.CzytajRekord({Warianty, "wariant " + std::to_string(i + 1)}, w);
        }
        c.KoniecSekcji(Warianty);

        c.DoZnacznika(Wspolczynniki);
        for (int32_t kk = 0; kk < ilosci.Wariantow; ++kk)
            for (int32_t gg = 0; gg < ilosci.Grup; ++gg)
                c.Pole({Wspolczynniki, "kombinacja " + std::to_string(kk + 1) + ", grupa " + std::to_string(gg + 1)},
                       zad->Wspolczynniki[size_t(kk)][size_t(gg)]);
        c.KoniecSekcji(Wspolczynniki);

        c.DoZnacznika(Sily);
        CzytajObciazenia(c, Sily, zad->Sily, RodzajSily);
        c.DoZnacznika(Liniowe);
        CzytajObciazenia(c, Liniowe, zad->Liniowe, RodzajLiniowego);
        c.DoZnacznika(Trojkaty);
        CzytajObciazenia(c, Trojkaty, zad->Trojkaty, RodzajTrojkata);
        c.DoZnacznika(Momenty);
        CzytajObciazenia(c, Momenty, zad->Momenty, RodzajMomentu);
        // Nothing but empty lines may follow the last section.
        while (c.Nastepna(linia))
            if (!linia.empty())
                throw TBladOdczytu{"Za sekcją " + Sekcje()[Momenty].Pokaz() + " stoi jeszcze „" +
                                   LiniaWKomunikacie(linia) + "”."};
        c.KoniecPliku();

        if (const auto usterka = UsterkaZadania(*zad, TKontrola::Odczyt))
            throw TBladOdczytu{*usterka};
    } catch (const TBladOdczytu& b) {
        wynik.Blad = b.Tekst;
        return wynik;
    }

    wynik.Widoki = WidokiZadania(*zad, std::move(listaGrup));
    wynik.Zadanie = std::move(zad);
    return wynik;
}

TWidokiZPliku WidokiZadania(const TDaneZadania& zad, std::vector<std::string> listaGrup)
{
    TWidokiZPliku w;
    for (const TPrzeslo& s : zad.Przesla)
        w.DlugosciPrzesel.push_back(s.L);
    w.LewyPrzegub = zad.LewyPrzegub;
    w.PrawyPrzegub = zad.PrawyPrzegub;
    const int32_t g = IloscUzytych(zad.Grupy);
    const int32_t k = IloscUzytych(zad.Kombinacje);
    for (int32_t c = 0; c < k; ++c)
        w.Wspolczynniki.emplace_back(zad.Wspolczynniki[size_t(c)].begin(), zad.Wspolczynniki[size_t(c)].begin() + g);
    w.ListaGrup = std::move(listaGrup);
    return w;
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
