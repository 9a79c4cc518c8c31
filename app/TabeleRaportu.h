#pragma once
// What the calculation report says, as plain tables of texts: the input data,
// the results of every combination and the envelopes. The report's pages
// (RaportPdf) only typeset them, so a new kind of result is one more table.
#include "analysis/ObwiednieNormowe.h"

#include <cstdint>
#include <string>
#include <vector>

struct TDaneZadania;
struct TWyniki;

struct TTabelaRaportu {
    std::string Tytul;
    std::vector<std::string> Kolumny; // every heading with its unit, "L [m]"
    std::vector<std::vector<std::string>> Wiersze;
    std::vector<std::string> Uwagi; // lines under the table
};

struct TSekcjaRaportu {
    std::string Tytul;
    std::vector<std::string> Akapity; // before the tables
    std::vector<TTabelaRaportu> Tabele;
};

// Supports as the drawings name them: A, 1 … N−1, B (n spans).
std::string NazwaPodpory(int32_t k, int32_t n);

// The design envelopes as the text, the JSON and the report name them: the
// JSON key ("SGU_czesta"), the heading ("SGU — kombinacja częsta (6.15b)")
// and whether the state has deflections (the serviceability ones).
struct TOpisStanuNormowego {
    const char* Klucz;
    const char* Tytul;
    bool ZUgieciami;
};
const TOpisStanuNormowego& OpisStanuNormowego(int32_t stan);

// The extremes of a span in the design envelopes, in the order every output
// lists them: the key ("Mmax"), the key of its position ("XMmax"), the
// member, and whether it is a deflection (then only with ZUgieciami).
struct TPoleNormowe {
    const char* Klucz;
    const char* KluczX;
    const char* Jednostka; // "kNm", "kN"; empty for a deflection (JednostkaUgiec)
    TEkstremumNormowe TPrzesloNormowe::*Pole;
    bool Ugiecie;
};
const std::vector<TPoleNormowe>& PolaNormowe();

// "1 Stałe": the group's number and name (UTF-8).
std::string NazwaGrupyZNumerem(const TDaneZadania& zad, int32_t g);

// "1.0.1": the version the build was made as.
const char* WersjaProgramu();

// What the title block names: the task file (UTF-8, no folder), the day the
// report is written in the user's date format, the program's version.
struct TMetryczkaRaportu {
    std::string Plik;
    std::string Data;
    std::string Wersja = WersjaProgramu();
};

// The sections in reading order: the title block, the input, one section per
// combination, the envelopes with two or more combinations, the design
// envelopes when a group is classified. Numbers with the user's decimal separator.
std::vector<TSekcjaRaportu> SekcjeRaportu(const TDaneZadania& zad, const TWyniki& wyn, const TMetryczkaRaportu& m,
                                          char separator);

// The sum of the vertical loads of combination c, each times its group's
// coefficient when that is above 0 (kN, down positive): what the reactions add up to.
double SumaObciazenPionowych(const TDaneZadania& zad, int32_t c);
