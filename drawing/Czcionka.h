#pragma once
// The stroke font: one record of straight strokes per code page 1250 byte.
// Font units: x right, y up, (0, 0) the left end of the base line.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

inline constexpr int32_t MaxKresek = 150;
inline constexpr size_t RozmiarRekorduGlifu = 608;
inline constexpr int32_t IloscGlifow = 256;

// Exactly the layout of a record in the font file (little-endian on disk).
struct Glif {
    int32_t IloscKresek = 0; // 0 or less draws nothing
    float Przesuniecie = 0;  // pen advance after the character, font units
    uint8_t X1[MaxKresek]{};
    uint8_t Y1[MaxKresek]{};
    uint8_t X2[MaxKresek]{};
    uint8_t Y2[MaxKresek]{};
};
static_assert(sizeof(Glif) == RozmiarRekorduGlifu, "a glyph must match its file record byte for byte");

using TCzcionka = std::array<Glif, IloscGlifow>;

// The strokes of a glyph that are actually drawn: 0 … MaxKresek.
int32_t KreskiGlifu(const Glif& g);

// Record <-> 608 bytes, independent of the host's byte order.
void ZakodujGlif(const Glif& g, uint8_t* rekord);
Glif OdkodujGlif(const uint8_t* rekord);

// "Dane/Romans100.Lzs" in the folder of the program.
std::filesystem::path SciezkaCzcionki(const std::filesystem::path& folderProgramu);

// Fills the font from the file. Every glyph is emptied first, so the ones a
// missing or short file does not supply draw nothing and take no room.
// Returns an empty string on success, else a Polish message (UTF-8) naming the file.
std::string WczytajCzcionke(const std::filesystem::path& plik, TCzcionka& czcionka);
