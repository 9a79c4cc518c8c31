#include "model/Sztywnosci.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

const std::vector<TMaterial>& Materialy()
{
    static const std::vector<TMaterial> m = [] {
        std::vector<TMaterial> v;
        // The older classes and their moduli in MPa.
        for (const auto& [nazwa, mpa] : {std::pair{"B15", 26000},
                                         {"B20", 27500},
                                         {"B25", 29000},
                                         {"B30", 30500},
                                         {"B37", 32000},
                                         {"B45", 33500},
                                         {"B50", 35000},
                                         {"B55", 36000},
                                         {"B60", 37000},
                                         {"B65", 38000},
                                         {"B70", 39000}})
            v.push_back({nazwa, mpa * 1e3});
        // Ecm in GPa.
        for (const auto& [nazwa, gpa] : {std::pair{"C12/15", 27},
                                         {"C16/20", 29},
                                         {"C20/25", 30},
                                         {"C25/30", 31},
                                         {"C30/37", 33},
                                         {"C35/45", 34},
                                         {"C40/50", 35},
                                         {"C45/55", 36},
                                         {"C50/60", 37},
                                         {"C55/67", 38},
                                         {"C60/75", 39},
                                         {"C70/85", 41},
                                         {"C80/95", 42},
                                         {"C90/105", 44}})
            v.push_back({nazwa, gpa * 1e6});
        v.push_back({"Stal (210 GPa)", 210e6});
        return v;
    }();
    return m;
}

std::optional<double> ModulWJednostce(double wartosc, std::string_view jednostka)
{
    // kN/m² per unit; a kilogram-force is 9,80665 N.
    constexpr std::pair<std::string_view, double> Mnozniki[] = {{"kPa", 1},    {"MPa", 1e3},    {"GPa", 1e6},
                                                                {"N/cm2", 10}, {"kN/cm2", 1e4}, {"kG/cm2", 98.0665}};
    for (const auto& [j, k] : Mnozniki)
        if (j == jednostka)
            return wartosc * k;
    return std::nullopt;
}

std::optional<double> MomentWJednostce(double wartosc, std::string_view jednostka)
{
    constexpr std::pair<std::string_view, double> Mnozniki[] = {
        {"mm4", 1e-12}, {"cm4", 1e-8}, {"dm4", 1e-4}, {"m4", 1}};
    for (const auto& [j, k] : Mnozniki)
        if (j == jednostka)
            return wartosc * k;
    return std::nullopt;
}

double MomentProstokata(double b, double h)
{
    return b * h * h * h / 12 * 1e-8;
}

std::vector<TProfil> CzytajProfile(std::string_view tekst, std::string& blad)
{
    std::vector<TProfil> profile;
    int numer = 0;
    while (!tekst.empty()) {
        const size_t koniec = tekst.find('\n');
        std::string_view linia = tekst.substr(0, koniec);
        tekst.remove_prefix(koniec == std::string_view::npos ? tekst.size() : koniec + 1);
        ++numer;
        if (!linia.empty() && linia.back() == '\r')
            linia.remove_suffix(1);
        if (linia.empty() || linia.front() == '#')
            continue;
        const size_t srednik = linia.find(';');
        double cm4 = 0;
        const std::string_view liczba = srednik == std::string_view::npos ? "" : linia.substr(srednik + 1);
        const auto [p, ec] = std::from_chars(liczba.data(), liczba.data() + liczba.size(), cm4);
        if (srednik == 0 || srednik == std::string_view::npos || ec != std::errc{} ||
            p != liczba.data() + liczba.size() || !(cm4 > 0) || !std::isfinite(cm4)) {
            blad = "Tablica kształtowników, wiersz " + std::to_string(numer) +
                   ": oczekiwano „nazwa;moment bezwładności w cm4”.";
            return {};
        }
        profile.push_back({std::string(linia.substr(0, srednik)), cm4 * 1e-8});
    }
    blad.clear();
    return profile;
}

std::filesystem::path SciezkaProfili(const std::filesystem::path& folderProgramu)
{
    return folderProgramu / "Dane" / "Profile.txt";
}

std::vector<TProfil> WczytajProfile(const std::filesystem::path& plik, std::string& blad)
{
    std::ifstream we(plik, std::ios::binary);
    if (!we) {
        blad = "Nie można otworzyć tablicy kształtowników „" + plik.filename().string() + "”.";
        return {};
    }
    const std::string tekst((std::istreambuf_iterator<char>(we)), std::istreambuf_iterator<char>());
    return CzytajProfile(tekst, blad);
}
