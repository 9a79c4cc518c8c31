#pragma once
// A temporary folder per test, tasks saved into it as the program saves them, files read back.
#include "model/Zadanie.h"
#include "platform/Regionalne.h"
#include "projectfile/PlikZadaniaQt.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A file's bytes.
inline std::string Czytaj(const std::filesystem::path& plik)
{
    std::ifstream f(plik, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

class Katalog : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The pid keeps runs of other builds on this machine apart.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        katalog_ = std::filesystem::temp_directory_path() /
                   ("quarvi-" + std::to_string(getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        std::filesystem::create_directories(katalog_);
    }
    void TearDown() override { std::filesystem::remove_all(katalog_); }

    std::string Sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }
    std::string Zapisz(const TDaneZadania& zad, const std::string& nazwa)
    {
        std::string blad;
        EXPECT_TRUE(ZapiszPlik(Sciezka(nazwa), zad, TRegionalne{}, blad)) << blad;
        return Sciezka(nazwa);
    }

    std::filesystem::path katalog_;
};
