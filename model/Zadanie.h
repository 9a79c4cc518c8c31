#pragma once
// The task: one continuous beam with its loads, groups and combinations.
// Units: m, kN, kNm, kN/m, E in kN/m², J in m⁴. Indices kept in records
// (span, group, slot) are 0-based; the user sees them plus one.
// Names are 8-bit code page 1250 strings of at most 20 bytes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TPrzeslo {
    float E = 0;
    float J = 0;
    float L = 0;
    float X0 = 0;
    std::array<double, 8> Rezerwa{}; // stored in the file, read by nothing
    int32_t TypPrzesla = 0;          // 4 both ends rigid, 3 left hinged, 2 right hinged, 1 both hinged
    int32_t TypPodpor = 0;           // drawing: 1 none clamped, 2 left, 3 right, 4 both
    int32_t NiewiadomaLewa = 0;      // 1-based unknown number, −1 on an extreme support
    int32_t NiewiadomaPrawa = 0;

    bool operator==(const TPrzeslo&) const = default;
};

// A point force (kN) or, in the table Momenty, a point moment (kNm, clockwise positive).
struct TSila {
    uint8_t Uzyta = 0;
    int32_t Przeslo = -1;
    float X = 0;    // from the span's left end
    float XAbs = 0; // along the whole beam
    float Wartosc = 0;
    int32_t Grupa = 0;

    bool operator==(const TSila&) const = default;
};
using TMoment = TSila;

struct TLiniowe {
    uint8_t Uzyta = 0;
    int32_t Przeslo = -1;
    float X1 = 0;
    float X2 = 0;
    float X1Abs = 0;
    float X2Abs = 0;
    float Wartosc = 0;
    int32_t Grupa = 0;

    bool operator==(const TLiniowe&) const = default;
};

// A uniform part over [X1, X2] plus at most one triangular part.
struct TTrojkat {
    uint8_t Uzyta = 0;
    int32_t Przeslo = -1;
    float X1 = 0;
    float X2 = 0;
    float X1Abs = 0;
    float X2Abs = 0;
    float WartoscStala = 0;    // min(q1, q2)
    float WartoscMalejaca = 0; // peak at X1 falling to 0 at X2
    float WartoscRosnaca = 0;  // rising from 0 at X1 to a peak at X2
    int32_t Grupa = 0;

    bool operator==(const TTrojkat&) const = default;
};

struct TGrupa {
    uint8_t Uzyta = 0;
    std::string Nazwa;
    int32_t Kolor = 0; // 0x00BBGGRR

    bool operator==(const TGrupa&) const = default;
};

// What a group is for the design envelopes: not classified (it enters only
// the user's combinations), permanent, or variable of a category of the
// imposed, snow, wind or temperature actions with its ψ factors.
enum class TRodzajGrupy : int32_t { Niesklasyfikowana = 0, Stale = 1, Zmienne = 2 };
enum class TKategoriaZmiennych : int32_t { A, B, C, D, E, F, G, H, Snieg, Wiatr, Temperatura };
inline constexpr int32_t IloscKategoriiZmiennych = 11;

struct TKlasyfikacjaGrupy {
    TRodzajGrupy Rodzaj = TRodzajGrupy::Niesklasyfikowana;
    TKategoriaZmiennych Kategoria = TKategoriaZmiennych::A;
    // A variable group loads each span independently (where unfavourable)
    // rather than acting as a whole.
    bool PoPrzeslach = true;

    bool operator==(const TKlasyfikacjaGrupy&) const = default;
};

struct TWspolczynnikiPsi {
    double Psi0 = 0;
    double Psi1 = 0;
    double Psi2 = 0;
};
TWspolczynnikiPsi WspolczynnikiPsi(TKategoriaZmiennych k);
// Categories A–G are patterned span by span unless the user says otherwise.
bool DomyslniePoPrzeslach(TKategoriaZmiennych k);
// "A" … "H", "snieg", "wiatr", "temperatura": the keys of the file and of --json.
const char* KluczKategorii(TKategoriaZmiennych k);
// The category of a key; false for a key no category has.
bool KategoriaKlucza(std::string_view klucz, TKategoriaZmiennych& k);
// Polish (UTF-8), as the dialogs and the sheets show it: "A – mieszkalne", "śnieg", ...
const char* NazwaKategorii(TKategoriaZmiennych k);

struct TWariant {
    uint8_t Uzyta = 0;
    std::string Nazwa;
    std::array<float, 2> Rezerwa{};

    bool operator==(const TWariant&) const = default;
};

// Drawing settings; lengths in sheet centimetres.
struct TNastawy {
    bool PiszJednostki = true;
    bool RysujKratke = false;
    bool RozbijSilyGrupy = false;
    float WysokoscCzcionki = 0.3f;
    float SzerokoscCzcionki = 0.22f;
    float SchematyPretowX = 3;
    float SchematyPretowY = 2;
    float SchematX = 3;
    float SchematY = 6;
    float MomentyX = 3;
    float MomentyY = 24;
    float ReakcjeX = 3;
    float ReakcjeY = 10;
    float PoprzeczneX = 3;
    float PoprzeczneY = 17;
    float WspGrubosci = 0;
    float SkalaSil = 0.04f;
    float WysokoscMomentow = 2;
    float WysokoscPoprzecznych = 2;
    // The deflection diagram, and the limit L/f past which a span is marked.
    // The sheet has no room under the moments without moving the other
    // diagrams, so it starts above the scheme, where the sheet is empty.
    float UgieciaX = 3;
    float UgieciaY = 2.5f;
    float WysokoscUgiec = 1;
    float GranicaUgiec = 250;
    bool ArkuszUzytkownika = false;
    float ArkuszL = 0;
    float ArkuszH = 0;

    bool operator==(const TNastawy&) const = default;
};

struct TPunktArkusza {
    float x = 0;
    float y = 0;

    bool operator==(const TPunktArkusza&) const = default;
};

inline constexpr int32_t MaxPrzesel = 12;
inline constexpr int32_t MaxDlugoscNazwy = 20;

struct TDaneZadania {
    static constexpr int32_t MaxSil = 100;
    static constexpr int32_t MaxLiniowych = 100;
    static constexpr int32_t MaxTrojkatow = 100;
    static constexpr int32_t MaxMomentow = 100;
    static constexpr int32_t MaxGrup = 10;
    static constexpr int32_t MaxKombinacji = 10;

    float SkalaX = 100;
    float SkalaY = 100;
    std::vector<TPrzeslo> Przesla;
    int32_t IloscPrzesel = -1; // −1: no geometry yet
    bool LewyPrzegub = false;
    bool PrawyPrzegub = false;

    std::array<TSila, MaxSil> Sily{};
    std::array<TLiniowe, MaxLiniowych> Liniowe{};
    std::array<TTrojkat, MaxTrojkatow> Trojkaty{};
    std::array<TMoment, MaxMomentow> Momenty{};

    // The loads of one combination (or one span of it), already multiplied by their coefficients.
    std::array<TSila, MaxSil> SilyKomb{};
    std::array<TLiniowe, MaxLiniowych> LinioweKomb{};
    std::array<TTrojkat, MaxTrojkatow> TrojkatyKomb{};
    std::array<TMoment, MaxMomentow> MomentyKomb{};

    std::array<TGrupa, MaxGrup> Grupy{};
    // Per group; all Niesklasyfikowana in a new task and in every file without kinds.
    std::array<TKlasyfikacjaGrupy, MaxGrup> Klasyfikacje{};
    std::array<TWariant, MaxKombinacji> Kombinacje{};
    int32_t IloscKombinacji = 0;
    // [combination][group]
    std::array<std::array<float, MaxGrup>, MaxKombinacji> Wspolczynniki{};

    bool DoPrzeliczenia = false;
    bool NieZapisane = false;
    TNastawy Nastawy;
    std::array<TPunktArkusza, MaxKombinacji> PolozenieKombinacji{};
    TPunktArkusza PolozenieObwiedni;
    // The design envelopes' sheets, SGN and SGU, beside the envelope sheet:
    // laid out with the others and never kept in the file.
    std::array<TPunktArkusza, 2> PolozenieNormowych{};
};

// Slot tables keep their used slots as one run from slot 0, so the first
// free slot is also the number of entries.
template <class T, size_t N>
int32_t IloscUzytych(const std::array<T, N>& tablica)
{
    int32_t n = 0;
    while (n < int32_t(N) && tablica[n].Uzyta)
        ++n;
    return n;
}

// Stores the record in the first free slot; −1 when the table is full.
template <class T, size_t N>
int32_t DodajDoTablicy(std::array<T, N>& tablica, T rekord)
{
    const int32_t i = IloscUzytych(tablica);
    if (i >= int32_t(N))
        return -1;
    rekord.Uzyta = 1;
    tablica[i] = rekord;
    return i;
}

// Removes slot i: later slots move one place down and the last slot is freed.
template <class T, size_t N>
void UsunZTablicy(std::array<T, N>& tablica, int32_t i)
{
    if (i < 0 || i >= int32_t(N))
        return;
    for (size_t k = size_t(i); k + 1 < N; ++k)
        tablica[k] = tablica[k + 1];
    tablica[N - 1].Uzyta = 0;
}

// True when the two tasks hold the same beam, loads, groups, combinations,
// settings and sheet places: what a save writes, with the settings beside it.
// The change flags, the combined-load scratch tables and the combination
// count (counted again from the slots whenever needed) do not count.
bool TaSamaTresc(const TDaneZadania& a, const TDaneZadania& b);

// True when at least one group in use is classified: only then do the design envelopes exist.
bool SaGrupySklasyfikowane(const TDaneZadania& zad);

// Cuts a name to the 20 bytes a stored name holds.
std::string PrzytnijNazwe(std::string_view nazwa);

// Resets the task to a new one: no geometry, group and combination 0 "Stałe",
// coefficient [0][0] = 1. Leaves the hinge flags, the change flags, the
// coefficients other than [0][0] and the reserved combination values alone.
void NowyTemat(TDaneZadania& zad);

// Gives Przesla exactly IloscPrzesel elements and resets each span's length
// to 4 m; the caller writes the real lengths afterwards.
void UstawIloscPrzesel(TDaneZadania& zad);

// Counts the combinations in use (leading used slots) into IloscKombinacji.
int32_t PoliczKombinacje(TDaneZadania& zad);

// True when slot 0 of at least one of the four load tables is in use.
bool SaObciazenia(const TDaneZadania& zad);

// Sets the span codes and unknown numbers from the hinge flags and X0 from the lengths,
// and refreshes the absolute positions of every load.
void UstawKodyPrzesel(TDaneZadania& zad);

// How the load arrows of the scheme are scaled.
enum class TSkalowanieSil {
    Automatyczne, // the largest load at 2 cm when it is 100 or more, else 0.04 cm per unit
    NajwiekszaDo, // the largest load drawn `dlugosc` cm long
    Sila100kNDo,  // a 100 kN load drawn `dlugosc` cm long
};
// Sheet cm per kN (kN/m, kNm) of the load arrows, from the largest load in use.
float SkalaSilSchematu(const TDaneZadania& zad, TSkalowanieSil rodzaj, float dlugosc = 0);

// The linearly varying load of values q1 at X1 and q2 at X2, split into its parts.
void UstawWartosciTrojkata(TTrojkat& t, float q1, float q2);
