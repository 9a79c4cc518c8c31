#pragma once
#include "model/Zadanie.h"

#include <gtest/gtest.h>

#include <vector>

// Each value within tol of its counterpart.
inline void ExpectBliskie(const std::vector<double>& wartosci, const std::vector<double>& oczekiwane, double tol)
{
    ASSERT_EQ(wartosci.size(), oczekiwane.size());
    for (size_t i = 0; i < wartosci.size(); ++i)
        EXPECT_NEAR(wartosci[i], oczekiwane[i], tol) << "value " << i;
}
