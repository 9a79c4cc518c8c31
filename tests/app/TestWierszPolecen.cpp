#include "app/WierszPolecen.h"
#include "model/Budowa.h"
#include "platform/Regionalne.h"
#include "projectfile/PlikZadania.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using TRodzaj = TPolecenie::TRodzaj;

class WierszPolecenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        katalog_ = fs::temp_directory_path() / ("quarvi-wp-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(katalog_);
    }
    void TearDown() override { fs::remove_all(katalog_); }

    std::string Zapisz(const TDaneZadania& zad, const std::string& nazwa)
    {
        const std::string plik = (katalog_ / nazwa).string();
        std::string blad;
        TRegionalne pl;
        EXPECT_TRUE(ZapiszPlik(plik, zad, pl, blad)) << blad;
        return plik;
    }

    int Uruchom(std::vector<std::string> argumenty, char separator = ',')
    {
        out_.str("");
        bledy_.str("");
        TRegionalne reg;
        reg.SeparatorDziesietny = separator;
        return WykonajTekstowe(RozbierzPolecenie(argumenty), reg, out_, bledy_);
    }

    // Two spans of 6 m clamped at both ends, 10 kN/m on the first.
    static TDaneZadania DwaPrzesla()
    {
        TDaneZadania zad;
        UstawGeometrie(zad, {6, 6}, false, false);
        DodajLiniowe(zad, 0, 0, 6, 10);
        return zad;
    }

    fs::path katalog_;
    std::ostringstream out_;
    std::ostringstream bledy_;
};

} // namespace

TEST_F(WierszPolecenTest, JsonHoldsTheResultsUnderTheAgreedKeys)
{
    const std::string plik = Zapisz(DwaPrzesla(), "dwa.qvr");
    ASSERT_EQ(Uruchom({"--json", plik}), 0) << bledy_.str();
    const auto j = nlohmann::json::parse(out_.str());

    ASSERT_EQ(j["przesla"].size(), 2u);
    EXPECT_EQ(j["przesla"][1]["X0"], 6.0);
    ASSERT_EQ(j["kombinacje"].size(), 1u);
    const auto& k = j["kombinacje"][0];
    EXPECT_EQ(k["numer"], 1);
    EXPECT_EQ(k["nazwa"], "Stałe");
    const auto& s0 = k["przesla"][0];
    EXPECT_NEAR(s0["MomentL"].get<double>(), -37.5, 1e-5);
    EXPECT_NEAR(s0["MomentP"].get<double>(), 15.0, 1e-5);
    EXPECT_NEAR(s0["TL"].get<double>(), -33.75, 1e-5);
    EXPECT_DOUBLE_EQ(s0["MomentUtwL"].get<double>(), -30.0);
    EXPECT_NEAR(k["przesla"][1]["MomentP"].get<double>(), -7.5, 1e-5);
    EXPECT_NEAR(k["reakcje"][0].get<double>(), 33.75, 1e-5);
    ASSERT_EQ(k["reakcje"].size(), 3u);
    ASSERT_EQ(k["obroty"].size(), 1u);
    EXPECT_DOUBLE_EQ(k["obroty"][0].get<double>(), -22.5);
    for (const char* klucz : {"Mmax", "XMmax", "Mmin", "XMmin", "Tmax", "XTmax", "Tmin", "XTmin"})
        EXPECT_TRUE(s0.contains(klucz)) << klucz;
    EXPECT_TRUE(j["obwiednie"].is_null()) << "one combination has no envelopes";
}

TEST_F(WierszPolecenTest, JsonWritesSinglePrecisionValuesWithNineDigitsAndHasEnvelopes)
{
    TDaneZadania zad = DwaPrzesla();
    zad.Przesla[0].J = 0.3f;
    DodajKombinacje(zad, "Druga");
    zad.Wspolczynniki[1][0] = 1.5f;
    const std::string plik = Zapisz(zad, "f32.qvr");
    ASSERT_EQ(Uruchom({"--json", plik}), 0) << bledy_.str();
    EXPECT_NE(out_.str().find("\"J\": 0.300000012"), std::string::npos) << out_.str().substr(0, 300);
    const auto j = nlohmann::json::parse(out_.str());
    const auto& o = j["obwiednie"];
    ASSERT_TRUE(o.is_object());
    ASSERT_EQ(o["reakcje"].size(), 3u);
    EXPECT_NEAR(o["reakcje"][0]["max"].get<double>(), 1.5 * j["kombinacje"][0]["reakcje"][0].get<double>(), 1e-4);
    EXPECT_TRUE(o["momentyPodporowe"].contains("MinP"));
    ASSERT_EQ(o["przesla"].size(), 2u);
    EXPECT_NEAR(o["przesla"][0]["Mmin"].get<double>(), 1.5 * j["kombinacje"][0]["przesla"][0]["MomentL"].get<double>(), 1e-3);
}

TEST_F(WierszPolecenTest, TextResultsUseTheUsersDecimalSeparator)
{
    const std::string plik = Zapisz(DwaPrzesla(), "tekst.qvr");
    ASSERT_EQ(Uruchom({"--wyniki", plik}, ','), 0) << bledy_.str();
    const std::string tekst = out_.str();
    EXPECT_NE(tekst.find("ML = -37,50 kNm,  MP = 15,00 kNm"), std::string::npos) << tekst;
    EXPECT_NE(tekst.find("A: 33,75"), std::string::npos) << tekst;
    EXPECT_EQ(tekst.find("OBWIEDNIE"), std::string::npos);

    ASSERT_EQ(Uruchom({"--wyniki", plik}, '.'), 0);
    EXPECT_NE(out_.str().find("ML = -37.50 kNm"), std::string::npos);
}

TEST_F(WierszPolecenTest, ARefusedFileOrTaskAndASingularMatrixPrintNoResultsAndExitWithOne)
{
    EXPECT_EQ(Uruchom({"--wyniki", (katalog_ / "brak.qvr").string()}), 1);
    EXPECT_TRUE(out_.str().empty());
    EXPECT_FALSE(bledy_.str().empty());

    // Damaged files of the fuzz corpus: every one refused with its message.
    int odmowy = 0;
    for (const auto& wpis : fs::directory_iterator(QUARVI_KORPUS))
        if (wpis.path().filename().string().starts_with("odmowa")) {
            ++odmowy;
            EXPECT_EQ(Uruchom({"--json", wpis.path().string()}), 1) << wpis.path();
            EXPECT_TRUE(out_.str().empty() && bledy_.str().size() > 10) << wpis.path() << bledy_.str();
        }
    EXPECT_GE(odmowy, 15);

    // Two spans hinged where they meet: no stiffness against the middle rotation.
    TDaneZadania zad = DwaPrzesla();
    zad.Przesla[0].TypPrzesla = 2;
    zad.Przesla[1].TypPrzesla = 3;
    EXPECT_EQ(Uruchom({"--wyniki", Zapisz(zad, "osobliwa.qvr")}), 1);
    EXPECT_EQ(bledy_.str(), "det A = 0; Macierz osobliwa \n");
    EXPECT_TRUE(out_.str().empty());

    TDaneZadania bez;
    NowyTemat(bez);
    EXPECT_EQ(Uruchom({"--wyniki", Zapisz(bez, "bez.qvr")}), 1);
    EXPECT_NE(bledy_.str().find("nie zawiera geometrii"), std::string::npos);
    EXPECT_EQ(RozbierzPolecenie({"--cokolwiek"}).Blad, "Nieznana opcja: --cokolwiek. Opis użycia: quarvi --help");
}
