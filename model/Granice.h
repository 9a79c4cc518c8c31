#pragma once
// What a task may hold, and what is said when it does not. The dialogs, the
// reader, the writer and the analysis all check here, so a limit is written
// once and each fault has its message here (UTF-8).
//
// A fault has one message wherever it is found, with two exceptions kept
// because tests pin both wordings: a number typed into a dialog is refused in
// the dialog's words (the ...Wpisu functions below), and a load on a span or
// in a group that does not exist is worded by the analysis as it always was.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TDaneZadania;

// The analysis samples every centimetre: a shorter span has no sample inside.
inline constexpr float NajkrotszePrzeslo = 0.01f;
// Longer spans would mean millions of samples per span.
inline constexpr float NajdluzszePrzeslo = 1000.0f;
// No beam carries more: kN of a force, kN/m of a line load, kNm of a moment.
inline constexpr double NajwiekszeObciazenie = 1e6;
// Partial factors are around 1; this is far past any of them.
inline constexpr double NajwiekszyWspolczynnik = 1e3;
// The horizontal scale 1:N of the drawing: from full size to a 1000 m span in a centimetre.
inline constexpr double NajmniejszaSkala = 1;
inline constexpr double NajwiekszaSkala = 1e5;

// Whether a single-precision field can hold `v`, read from `tekst`: within
// the float range, and neither turned into 0 nor into a subnormal (digits
// lost) from a text that is not a zero.
bool MiesciSieWFloat(double v, std::string_view tekst);
// The same for a double-precision field.
bool MiesciSieWDouble(double v, std::string_view tekst);

bool PrzesloWGranicach(double L);      // NajkrotszePrzeslo ≤ L ≤ NajdluzszePrzeslo
bool ObciazenieWGranicach(double v);   // |v| ≤ NajwiekszeObciazenie
bool WspolczynnikWGranicach(double v); // |v| ≤ NajwiekszyWspolczynnik
bool SkalaWGranicach(double n);        // NajmniejszaSkala ≤ n ≤ NajwiekszaSkala

// ---------------------------------------------------------------- the checks
// Each returns nothing when the value or task may be kept, else the message.

// The span, group and combination counts against the tables; przesel = −1
// (no geometry yet) passes. kto says who gives the counts, in lower case:
// "plik podaje", "zadanie ma", "belka ma".
std::optional<std::string> UsterkaIlosci(int32_t przesel, int32_t grup, int32_t kombinacji, std::string_view kto);

// Who checks a whole task, and so how much is checked.
enum class TKontrola {
    Obliczenia, // the analysis: finite numbers, indices inside the tables, spans it can sample
    Odczyt,     // the reader: everything a task the program can have made holds ("plik podaje")
    Zapis,      // the writer: the same of the task in memory ("zadanie ma")
};

// The first fault of the task: the counts, then span by span, the kinds of
// the groups, the coefficients, and the forces, uniform, linearly varying loads and moments,
// as the file holds them. Loads are numbered as the lists number them: used
// slots in order.
std::optional<std::string> UsterkaZadania(const TDaneZadania& zad, TKontrola kontrola);

// The kind of group g (from 0) as the file holds it: the kind code (0 not
// classified, 1 permanent, 2 variable), the category key ("A", "snieg") and
// the patterning code (1 span by span, 0 as a whole).
std::optional<std::string> UsterkaRodzajuGrupy(int32_t g, int32_t rodzaj, std::string_view kategoria,
                                               int32_t poPrzeslach);

// Numbers typed into a dialog: the span length of span s (from 0), the
// coefficient of combination c and group g (from 0), a load value in the
// field `pole` ("Wartość siły") of unit `jednostka`, the horizontal scale.
std::optional<std::string> UsterkaRozpietosciWpisu(int32_t s, double L);
// E (kN/m²) and J (m⁴) of span s (from 0), as typed into the geometry grid:
// positive and finite.
std::optional<std::string> UsterkaSztywnosciWpisu(int32_t s, double E, double J);
std::optional<std::string> UsterkaWspolczynnikaWpisu(int32_t c, int32_t g, double w);
std::optional<std::string> UsterkaObciazeniaWpisu(std::string_view pole, std::string_view jednostka, double v);
std::optional<std::string> UsterkaSkaliWpisu(double n);

// A group or combination name (code page 1250, a byte a character) as the
// dialogs store it: from 2 to MaxDlugoscNazwy characters. Names may repeat:
// the program tells groups and combinations apart by their numbers.
std::optional<std::string> UsterkaNazwyGrupy(std::string_view nazwa);
std::optional<std::string> UsterkaNazwyKombinacji(std::string_view nazwa);
