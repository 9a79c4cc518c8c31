#include "analysis/Rozwiazanie.h"

#include "platform/Komunikaty.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

// Expansion along the first row meets the same minors again and again: below
// the top, a minor always keeps the last k rows of the matrix being expanded,
// so its column set alone fixes it. Each is evaluated once, with exactly the
// operations of the plain recursion, so the results are the same to the bit.
class TMinory {
public:
    static constexpr int32_t MaxRzad = 20;

    // The matrix being expanded is B without row `pominiety` (−1: none). Minors
    // whose rows all lie below the omitted row are those of B itself and are
    // taken from `wspolne`, the memo of B.
    TMinory(const MacierzKwad& B, int32_t pominiety, TMinory* wspolne)
        : B_(B)
        , n_(int32_t(B.size()))
        , pominiety_(pominiety)
        , wspolne_(wspolne)
        , wartosc_(size_t(1) << B.size(), 0.0)
        , gotowe_(size_t(1) << B.size(), 0)
    {
        for (int32_t i = 0; i < n_; ++i)
            if (i != pominiety)
                wiersze_.push_back(i);
    }

    // Determinant of the last k rows and the k columns whose bits are set.
    double Wyznacznik(uint32_t kolumny, int32_t k)
    {
        if (wspolne_ && n_ - k > pominiety_)
            return wspolne_->Wyznacznik(kolumny, k);
        if (k >= 3 && gotowe_[kolumny])
            return wartosc_[kolumny];

        int32_t kol[MaxRzad]{}; // zeroed: GCC cannot see that the bits fill the first k
        int32_t ile = 0;
        for (uint32_t m = kolumny; m != 0; m &= m - 1)
            kol[ile++] = std::countr_zero(m);
        const int32_t* w = wiersze_.data() + (wiersze_.size() - size_t(k));
        const auto a = [&](int32_t i, int32_t j) { return B_[w[i]][kol[j]]; };

        double det;
        if (k == 1) {
            det = a(0, 0);
        } else if (k == 2) {
            det = a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
        } else if (k == 3) {
            det = a(0, 0) * a(1, 1) * a(2, 2) + a(1, 0) * a(2, 1) * a(0, 2) + a(2, 0) * a(0, 1) * a(1, 2) -
                  a(0, 2) * a(1, 1) * a(2, 0) - a(0, 0) * a(1, 2) * a(2, 1) - a(0, 1) * a(1, 0) * a(2, 2);
        } else {
            det = 0;
            for (int32_t j = 0; j < k; ++j) {
                const double minor = Wyznacznik(kolumny & ~(uint32_t(1) << kol[j]), k - 1);
                if (j % 2 == 0)
                    det += a(0, j) * minor;
                else
                    det -= a(0, j) * minor;
            }
        }
        if (k >= 3) {
            wartosc_[kolumny] = det;
            gotowe_[kolumny] = 1;
        }
        return det;
    }

private:
    const MacierzKwad& B_;
    int32_t n_;
    int32_t pominiety_;
    TMinory* wspolne_;
    std::vector<int32_t> wiersze_;
    std::vector<double> wartosc_;
    std::vector<uint8_t> gotowe_;
};

uint32_t WszystkieKolumny(int32_t n)
{
    return n >= 32 ? ~uint32_t(0) : (uint32_t(1) << n) - 1;
}

// The leading n × n block as a matrix of its own, so the column bit sets stay small.
MacierzKwad Blok(const MacierzKwad& A, int32_t n)
{
    MacierzKwad B(size_t(n), MacierzWektor(size_t(n), 0.0));
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; j < n; ++j)
            B[i][j] = A[i][j];
    return B;
}

MacierzKwad Odwrotna(const MacierzKwad& B, int32_t n, double d, TMinory& calej)
{
    MacierzKwad inv(size_t(n), MacierzWektor(size_t(n), 0.0));
    for (int32_t j = 0; j < n; ++j) {
        // The minors without row j share one memo, and with the whole matrix
        // every minor that lies below row j.
        TMinory minory(B, j, &calej);
        for (int32_t i = 0; i < n; ++i) {
            const double det = minory.Wyznacznik(WszystkieKolumny(n) & ~(uint32_t(1) << i), n - 1);
            const double znak = (i + j) % 2 == 0 ? 1.0 : -1.0;
            inv[i][j] = znak * det / d;
        }
    }
    return inv;
}

} // namespace

double Wyznacznik(const MacierzKwad& A, int32_t n)
{
    if (n < 1 || n > TMinory::MaxRzad)
        return std::numeric_limits<double>::quiet_NaN();
    const MacierzKwad B = Blok(A, n);
    TMinory minory(B, -1, nullptr);
    return minory.Wyznacznik(WszystkieKolumny(n), n);
}

std::optional<MacierzKwad> Odwrotnosc(const MacierzKwad& A, int32_t n)
{
    if (n < 1 || n > TMinory::MaxRzad)
        return std::nullopt;
    if (n == 1)
        return A[0][0] == 0 ? std::nullopt : std::optional(MacierzKwad{{1 / A[0][0]}});
    const MacierzKwad B = Blok(A, n);
    TMinory minory(B, -1, nullptr);
    const double d = minory.Wyznacznik(WszystkieKolumny(n), n);
    if (d == 0)
        return std::nullopt;
    return Odwrotna(B, n, d, minory);
}

bool RozwiazUklad(TWyniki& wyn, int32_t n, IKomunikaty& kom)
{
    if (n < 1)
        return true;
    if (n == 1) {
        const double k00 = wyn.MacierzK[0][0];
        // Both neighbouring spans without stiffness: the same as a zero determinant.
        if (k00 == 0) {
            kom.Komunikat(KomunikatOsobliwa);
            return false;
        }
        wyn.WektorX[0] = wyn.WektorQ[0] / k00;
        wyn.MacierzKOdwrotna[0][0] = 1 / k00;
        return true;
    }
    std::optional<MacierzKwad> odwrotna = Odwrotnosc(wyn.MacierzK, n);
    if (!odwrotna) {
        kom.Komunikat(KomunikatOsobliwa);
        return false;
    }
    wyn.MacierzKOdwrotna = std::move(*odwrotna);
    wyn.WektorX.assign(size_t(n), 0.0);
    for (int32_t c = 0; c < n; ++c)
        for (int32_t r = 0; r < n; ++r)
            wyn.WektorX[r] += wyn.MacierzKOdwrotna[r][c] * wyn.WektorQ[c];
    return true;
}
