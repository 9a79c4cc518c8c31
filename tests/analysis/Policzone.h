#pragma once
// A task analysed as the tests need it, and several values compared at once.
#include "analysis/Analiza.h"
#include "analysis/Wyniki.h"
#include "model/Zadanie.h"
#include "platform/Komunikaty.h"

#include <gtest/gtest.h>

#include <vector>

// Each value within tol of its counterpart.
inline void ExpectBliskie(const std::vector<double>& wartosci, const std::vector<double>& oczekiwane, double tol)
{
    ASSERT_EQ(wartosci.size(), oczekiwane.size());
    for (size_t i = 0; i < wartosci.size(); ++i)
        EXPECT_NEAR(wartosci[i], oczekiwane[i], tol) << "value " << i;
}

struct TPoliczone {
    TDaneZadania zad;
    TWyniki wyn;
    TRejestrKomunikatow kom;
    bool ok = false;

    // The combinations' lines alone.
    bool Licz() { return ok = Analiza(zad, wyn, kom); }
    // With the envelopes, as the program recomputes a task.
    bool Przelicz() { return ok = PrzeliczZadanie(zad, wyn, kom); }

    const TMomentyPrzesla& M(int32_t s, int32_t c = 0) const { return wyn.MomentyKoncowe[size_t(c)][size_t(s)]; }
    const TSilyPrzesla& F(int32_t s, int32_t c = 0) const { return wyn.SilyKoncowe[size_t(c)][size_t(s)]; }
    double R(int32_t k, int32_t c = 0) const { return Reakcja(wyn, c, k, zad.IloscPrzesel); }
    const TWielomianyPrzesla& W(int32_t s, int32_t c = 0) const { return wyn.Wielomiany[size_t(c)][size_t(s)]; }
    const auto& LiniaM(int32_t s, int32_t c = 0) const { return wyn.WykresM[size_t(c)][size_t(s)]; }
    const auto& LiniaT(int32_t s, int32_t c = 0) const { return wyn.WykresT[size_t(c)][size_t(s)]; }
};
