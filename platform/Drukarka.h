#pragma once
// What the drawing needs to know of the default printer.
#include <cstdint>
#include <optional>

struct TInformacjaDrukarki {
    int32_t DpiX = 0;
    int32_t DpiY = 0;
    // The printable area of a portrait page, in printer pixels.
    int32_t SzerokoscStrony = 0;
    int32_t WysokoscStrony = 0;
};

// Nothing when the system has no default printer.
std::optional<TInformacjaDrukarki> ZapytajDrukarke();
