#pragma once
// What the four load dialogs and their lists do to the task, without Qt:
// storing a typed load with its checks, the rows of a list and deleting a
// listed load after the question. Texts are UTF-8.
#include "model/Zadanie.h"

#include <optional>
#include <string>
#include <vector>

class IKomunikaty;

enum class TRodzajObciazenia { Sila, Moment, Liniowe, Trojkat };

// The dialog's texts as they stand. A point load uses Polozenie1 only, every
// kind but the linearly varying one Wartosc1 only.
struct TPolaObciazenia {
    int32_t Przeslo = 0; // LNrPrzesla − 1
    std::string Wartosc1, Wartosc2;
    std::string Polozenie1, Polozenie2;
    std::string Grupa;            // the group combo box's text
    std::optional<int32_t> Numer; // the slot changed; nothing adds a load
};

// Checks the texts and stores the load, setting DoPrzeliczenia and
// NieZapisane. Every field takes "," and "." alike. The point loads first
// replace either by the separator and rewrite their edits, the value and,
// while everything read so far holds, the position with two decimals. A
// number a float cannot hold gets its field's message, a value beyond
// model/Granice.h's limits one naming the field. Komunikaty: the last value
// or position message, then the group message, each a box of its own; empty
// when stored.
// A full table, a group that does not exist and a changed slot that holds no
// load any more are refused too; nothing is written then.
struct TWynikZapisu {
    bool Zapisano = false;
    std::vector<std::string> Komunikaty;
};
TWynikZapisu ZapiszObciazenie(TDaneZadania& zad, TRodzajObciazenia rodzaj, TPolaObciazenia& pola, char separator);

// What the list of a kind shows: its column headings and, per used slot, its cells.
std::vector<std::string> NaglowkiListy(TRodzajObciazenia rodzaj);
std::vector<std::vector<std::string>> WierszeListy(const TDaneZadania& zad, TRodzajObciazenia rodzaj, char separator);

// The fields of slot i as the entry dialog shows them for a change; nothing
// when the slot holds no load.
std::optional<TPolaObciazenia> PolaDoZmiany(const TDaneZadania& zad, TRodzajObciazenia rodzaj, int32_t i,
                                            char separator);

// Slot i deleted after the Yes/No question (later loads move down); a free
// slot gets the list's message instead. True when deleted.
bool UsunObciazenie(TDaneZadania& zad, TRodzajObciazenia rodzaj, int32_t i, IKomunikaty& komunikaty, char separator);

// The messages of the list dialogs for a row that holds no load.
std::string KomunikatBrakuDoEdycji(TRodzajObciazenia rodzaj);
