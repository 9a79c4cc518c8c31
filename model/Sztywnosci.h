#pragma once
// Where E and J of a span come from: concrete classes, steel, values in the
// units an engineer types, a rectangle, a rolled section of the table
// shipped with the program (Dane/Profile.txt). Results in the task's units:
// E in kN/m², J in m⁴.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TMaterial {
    std::string Nazwa; // UTF-8, as the list shows it
    double E = 0;      // kN/m²
};

// The concrete classes B15 … B70 and C12/15 … C90/105 (Ecm of EN 1992-1-1,
// Table 3.1), then structural steel, 210 GPa.
const std::vector<TMaterial>& Materialy();

// E from a value in "kPa", "MPa", "GPa", "N/cm2", "kN/cm2" or "kG/cm2";
// J from a value in "mm4", "cm4", "dm4" or "m4". Nothing for another unit.
std::optional<double> ModulWJednostce(double wartosc, std::string_view jednostka);
std::optional<double> MomentWJednostce(double wartosc, std::string_view jednostka);
inline constexpr std::string_view JednostkiModulu[] = {"kPa", "MPa", "GPa", "N/cm2", "kN/cm2", "kG/cm2"};
inline constexpr std::string_view JednostkiMomentu[] = {"mm4", "cm4", "dm4", "m4"};

// b × h in cm, bent about the axis parallel to b: b·h³/12.
double MomentProstokata(double b, double h);

struct TProfil {
    std::string Nazwa; // "IPE 300"
    double J = 0;      // m⁴
};

// The table's lines "name;Iy in cm4", '#' starting a comment. A line that
// is not one is refused with its number.
std::vector<TProfil> CzytajProfile(std::string_view tekst, std::string& blad);
// The table beside the program: Dane/Profile.txt in its folder.
std::filesystem::path SciezkaProfili(const std::filesystem::path& folderProgramu);
std::vector<TProfil> WczytajProfile(const std::filesystem::path& plik, std::string& blad);
