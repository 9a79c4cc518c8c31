#pragma once
// What confirming a dialog does to the task, without Qt: the dialogs copy
// their controls' texts into these records, call the function, and write
// back the texts it normalised or filled in. Texts are UTF-8. Each function
// returns the message to show, empty when everything was taken; the limits
// and their messages are model/Granice.h's. Laying the sheets out again
// (drawing/Arkusze.h) is left to the caller, which draws them.
#include "model/Zadanie.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TWyniki;

// ---------------------------------------------------------------- geometry

struct TPolaGeometrii {
    std::vector<std::string> Dlugosci; // one length cell per span, as typed
    std::string Domyslna;              // the length of the empty cells
    bool LewyPrzegub = false;
    bool PrawyPrzegub = false;
    // J in cm⁴ and E in GPa, one cell per span as typed (missing cells count
    // as empty). An empty cell keeps the span's value; a span that is new
    // takes the last span's (1 and 1 in a new task). A cell still holding
    // the text TekstJ / TekstE wrote for the span's value keeps that value
    // to the last bit.
    std::vector<std::string> Momenty;
    std::vector<std::string> Moduly;
};

// J (m⁴) in cm⁴ and E (kN/m²) in GPa, as the geometry grid shows them.
std::string TekstJ(float J, char separator);
std::string TekstE(float E, char separator);

// Rebuilds the spans from the cells (empty ones take the default, written
// back into pola formatted; in the others either separator becomes the
// user's), keeps the loads within the new lengths, derives
// codes, unknowns and positions, resizes the results and sets
// DoPrzeliczenia and NieZapisane; the sheets are to be laid out again then.
// A cell that is no number or no length between 1 cm and 1000 m
// (UsterkaRozpietosciWpisu), or an E or J that is no positive number
// (UsterkaSztywnosciWpisu), leaves the task and pola untouched. On success
// the E and J cells hold the texts of the values stored.
std::string ZatwierdzGeometrie(TDaneZadania& zad, TWyniki& wyn, TPolaGeometrii& pola, char separator);

// ---------------------------------------------------------------- groups, combinations, coefficients

std::string KomunikatLimituGrup();
std::string KomunikatLimituKombinacji();

// The swatch colour offered for the group added after g groups; nothing
// where the swatch keeps its last colour.
std::optional<int32_t> KolorNowejGrupy(int32_t g);

// Stores group i (slot L_Numer − 1) or combination i with its name; a name
// shorter than 2 characters or a slot past the table is refused.
std::string WprowadzGrupe(TDaneZadania& zad, int32_t i, std::string_view nazwa, int32_t kolor);
std::string WprowadzKombinacje(TDaneZadania& zad, int32_t i, std::string_view nazwa);

// The kind of group i as the group dialog sets it. Only a variable group
// keeps a category and "po przęsłach": the others store the defaults, so that
// a group made permanent and back is written as it was before.
void WprowadzRodzajGrupy(TDaneZadania& zad, int32_t i, const TKlasyfikacjaGrupy& klasyfikacja);
// The kind under a group's name in the coefficient table: "stałe", "zm. A",
// "zm. śnieg"; empty for a group not classified.
std::string SkrotRodzaju(const TKlasyfikacjaGrupy& klasyfikacja);

// After the group or combination dialog closed, confirmed or not.
void PoDodaniuGrupyLubKombinacji(TDaneZadania& zad, TWyniki& wyn);

// komorki[c][j]: the cell of combination c + 1 and group j + 1. Every cell is
// normalised in place; when all hold numbers they are stored into
// Wspolczynniki (and the sheets are to be laid out again), else the message
// names the last bad cell and nothing is stored. Both ways the task counts as changed.
std::string ZapiszWspolczynniki(TDaneZadania& zad, std::vector<std::vector<std::string>>& komorki, char separator);
// One cell of a group or combination just added (c, j from 0), stored at
// once: the step of the addition holds the defaults the table shows, so that
// undoing a later confirmation never brings back zeros nobody saw. Normalised
// in place; false, and nothing stored, when it holds no coefficient.
bool ZapiszNowyWspolczynnik(TDaneZadania& zad, int32_t c, int32_t j, std::string& tekst, char separator);

// ---------------------------------------------------------------- settings

// The twenty-two edits of the settings, in the order they are normalised.
namespace PoleUstawien {
enum : int {
    PSchem_Xo,
    Pschem_Yo,
    Schem_Xo,
    Schem_Yo,
    Reakc_Xo,
    Reakc_Yo,
    Poprz_Xo,
    Poprz_Yo,
    Momen_Xo,
    Momen_Yo,
    E_HPoprz,
    E_HMomen,
    E_HRozCz,
    E_WRozCz,
    E_HMaxSila,
    E_HMax100kN,
    E_ArkuszL,
    E_ArkuszH,
    Ugiec_Xo,
    Ugiec_Yo,
    E_HUgiec,
    E_GranicaUgiec,
    Ilosc
};
}
// The sixteen edits written from the task each time the dialog opens.
inline constexpr std::array<int, 16> PolaZNastaw{
    PoleUstawien::PSchem_Xo, PoleUstawien::Pschem_Yo, PoleUstawien::Schem_Xo, PoleUstawien::Schem_Yo,
    PoleUstawien::Momen_Xo,  PoleUstawien::Momen_Yo,  PoleUstawien::Poprz_Xo, PoleUstawien::Poprz_Yo,
    PoleUstawien::Reakc_Xo,  PoleUstawien::Reakc_Yo,  PoleUstawien::E_HMomen, PoleUstawien::E_HPoprz,
    PoleUstawien::Ugiec_Xo,  PoleUstawien::Ugiec_Yo,  PoleUstawien::E_HUgiec, PoleUstawien::E_GranicaUgiec};

struct TPolaUstawien {
    std::array<std::string, PoleUstawien::Ilosc> Edycje;
    std::string SkalaX; // the combo's text
    bool PiszJednostki = true;
    bool RysujKratke = false;
    bool RozbijSilyGrupy = false;
    bool ArkuszUzytkownika = false;
    int32_t WspGrubosci = 0; // the scroll bar's position
    TSkalowanieSil Skalowanie = TSkalowanieSil::Automatyczne;
};

// The field an edit sets; nullptr for the two force-scale lengths.
float TNastawy::*PoleNastaw(int pole);

// Fills the sixteen edits from the settings, "####0.0#".
void WypelnijPolaUstawien(const TNastawy& nastawy, TPolaUstawien& pola, char separator);

// The line width factor the scroll bar's position stands for.
float WspolczynnikGrubosci(int32_t pozycja);

// The horizontal scale the combo's text gives, when it is a denominator from 1 to 100000.
std::optional<float> SkalaPozioma(std::string_view tekst, char separator);

// The force scale the settings choose; nothing when the length it needs is no number.
std::optional<float> SkalaSilUstawien(const TDaneZadania& zad, const TPolaUstawien& pola, char separator);

// Normalises the edits, stores the check boxes, the line width and the force
// scale whatever else holds, and the rest only when every edit holds a
// number; the message is that of the last failing check.
std::string ZastosujUstawienia(TDaneZadania& zad, TPolaUstawien& pola, char separator);
