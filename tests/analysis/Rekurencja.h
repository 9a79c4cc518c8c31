#pragma once
// The plain cofactor recursion with fresh minors at every level: the
// reference the memoised solver must match to the bit.
#include "analysis/Rozwiazanie.h"

#include <cstddef>

// A of order n without row j and column i.
inline MacierzKwad Minor(const MacierzKwad& A, int32_t n, int32_t i, int32_t j)
{
    MacierzKwad m;
    for (int32_t r = 0; r < n; ++r) {
        if (r == j)
            continue;
        MacierzWektor wiersz;
        for (int32_t k = 0; k < n; ++k)
            if (k != i)
                wiersz.push_back(A[r][k]);
        m.push_back(std::move(wiersz));
    }
    return m;
}

inline double WyznacznikRekurencyjny(const MacierzKwad& A, int32_t n)
{
    const auto a = [&](int32_t i, int32_t j) { return A[i][j]; };
    if (n == 1)
        return a(0, 0);
    if (n == 2)
        return a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
    if (n == 3)
        return a(0, 0) * a(1, 1) * a(2, 2) + a(1, 0) * a(2, 1) * a(0, 2) + a(2, 0) * a(0, 1) * a(1, 2) -
               a(0, 2) * a(1, 1) * a(2, 0) - a(0, 0) * a(1, 2) * a(2, 1) - a(0, 1) * a(1, 0) * a(2, 2);
    double det = 0;
    for (int32_t j = 0; j < n; ++j) {
        const double minor = WyznacznikRekurencyjny(Minor(A, n, j, 0), n - 1);
        if (j % 2 == 0)
            det += a(0, j) * minor;
        else
            det -= a(0, j) * minor;
    }
    return det;
}

inline MacierzKwad OdwrotnaRekurencyjna(const MacierzKwad& A, int32_t n)
{
    const double d = WyznacznikRekurencyjny(A, n);
    MacierzKwad inv(std::size_t(n), MacierzWektor(std::size_t(n), 0.0));
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; j < n; ++j) {
            const double det = WyznacznikRekurencyjny(Minor(A, n, i, j), n - 1);
            const double znak = (i + j) % 2 == 0 ? 1.0 : -1.0;
            inv[i][j] = znak * det / d;
        }
    return inv;
}
