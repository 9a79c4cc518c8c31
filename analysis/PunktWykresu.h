#pragma once
// A point of a sampled line.
#include <bit>
#include <cstdint>

// A double held with the alignment of a float: it reads and writes as a
// double, and a point of a sampled line takes 12 bytes rather than 16 (the
// lines of the largest task hold millions of points).
class TPodwojna {
public:
    constexpr TPodwojna() = default;
    constexpr TPodwojna(double v) : polowki_(std::bit_cast<TPolowki>(v)) {}
    constexpr operator double() const { return std::bit_cast<double>(polowki_); }

private:
    struct TPolowki {
        uint32_t a = 0;
        uint32_t b = 0;
    };
    TPolowki polowki_;
};

// The abscissa needs no more than single precision (it lies on the centimetre
// grid or at a span end); the value is kept in double, so that every text made
// of it, wherever it is read, comes from one number.
struct TPunktWykresu {
    float X = 0; // m from the span's left end
    TPodwojna Wartosc;
};
static_assert(sizeof(TPunktWykresu) == 12);
