// E and J as the geometry dialog derives them, and the section table shipped
// with the program against the published tables.
#include "model/Sztywnosci.h"

#include <gtest/gtest.h>

#include <map>

namespace {

double ModulMaterialu(std::string_view nazwa)
{
    for (const TMaterial& m : Materialy())
        if (m.Nazwa == nazwa)
            return m.E;
    return -1;
}

} // namespace

TEST(Sztywnosci, ConcreteClassesAndSteelGiveTheirModuliInKiloNewtonsPerSquareMetre)
{
    std::vector<double> E;
    for (const char* m : {"B15", "B37", "B70", "C12/15", "C30/37", "C90/105", "Stal (210 GPa)"})
        E.push_back(ModulMaterialu(m));
    EXPECT_EQ(E, (std::vector<double>{26000e3, 32000e3, 39000e3, 27e6, 33e6, 44e6, 210e6}));
    EXPECT_EQ(Materialy().size(), 11u + 14u + 1u);
}

TEST(Sztywnosci, ValuesInTheOfferedUnitsBecomeTheTasksUnits)
{
    EXPECT_DOUBLE_EQ(*ModulWJednostce(210, "GPa"), 210e6);
    EXPECT_DOUBLE_EQ(*ModulWJednostce(30500, "MPa"), 30.5e6);
    EXPECT_DOUBLE_EQ(*ModulWJednostce(2.1e7, "N/cm2"), 210e6);
    EXPECT_DOUBLE_EQ(*ModulWJednostce(21000, "kN/cm2"), 210e6);
    EXPECT_DOUBLE_EQ(*ModulWJednostce(2.1e6, "kG/cm2"), 2.1e6 * 98.0665);
    EXPECT_FALSE(ModulWJednostce(1, "psi"));
    EXPECT_DOUBLE_EQ(*MomentWJednostce(8356, "cm4"), 8.356e-5);
    EXPECT_DOUBLE_EQ(*MomentWJednostce(8.356e7, "mm4"), 8.356e-5);
    EXPECT_DOUBLE_EQ(*MomentWJednostce(0.8356, "dm4"), 8.356e-5);
    EXPECT_FALSE(MomentWJednostce(1, "in4"));
    // 30 × 60 cm: 30·60³/12 = 540 000 cm⁴.
    EXPECT_DOUBLE_EQ(MomentProstokata(30, 60), 540000e-8);
}

TEST(Sztywnosci, TheShippedSectionTableAgreesWithThePublishedValues)
{
    std::string blad;
    const std::vector<TProfil> profile = WczytajProfile(QUARVI_PLIK_PROFILI, blad);
    ASSERT_TRUE(blad.empty()) << blad;
    std::map<std::string, double> J;
    for (const TProfil& p : profile)
        J[p.Nazwa] = p.J * 1e8;
    // Iy in cm⁴ from the producers' tables.
    const std::pair<const char*, double> wzorce[] = {
        {"IPE 80", 80.14},  {"IPE 200", 1943},    {"IPE 300", 8356}, {"IPE 600", 92080}, {"HEA 200", 3692},
        {"HEA 300", 18260}, {"HEA 1000", 553800}, {"HEB 200", 5696}, {"HEB 300", 25170}, {"HEB 500", 107200},
        {"UPN 100", 206},   {"UPN 200", 1910},    {"UPN 400", 20350}};
    for (const auto& [nazwa, cm4] : wzorce) {
        ASSERT_TRUE(J.contains(nazwa)) << nazwa;
        EXPECT_NEAR(J[nazwa], cm4, 1e-9 * cm4) << nazwa;
    }
    // Every range complete, each ascending with the depth.
    for (const auto& [szereg, ile] : {std::pair{"IPE ", 18}, {"HEA ", 24}, {"HEB ", 24}, {"UPN ", 16}}) {
        double poprzedni = 0;
        int n = 0;
        for (const TProfil& p : profile)
            if (p.Nazwa.starts_with(szereg)) {
                EXPECT_GT(p.J, poprzedni) << p.Nazwa;
                poprzedni = p.J;
                ++n;
            }
        EXPECT_EQ(n, ile) << szereg;
    }
}

TEST(Sztywnosci, ADamagedSectionTableIsRefusedWithTheLineNumber)
{
    std::string blad;
    EXPECT_EQ(CzytajProfile("# komentarz\r\nIPE 100;171\r\n", blad).size(), 1u);
    EXPECT_TRUE(blad.empty());
    for (const char* tekst :
         {"IPE 100;171\nIPE 120\n", "IPE 100;171\nIPE 120;abc\n", "IPE 100;171\nIPE 120;-5\n", "IPE 100;171\n;300\n"}) {
        EXPECT_TRUE(CzytajProfile(tekst, blad).empty()) << tekst;
        EXPECT_NE(blad.find("wiersz 2"), std::string::npos) << blad;
    }
    EXPECT_TRUE(WczytajProfile("brak-takiego-pliku.txt", blad).empty());
    EXPECT_FALSE(blad.empty());
}
