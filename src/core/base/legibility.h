#pragma once

#include <cstdint>

namespace tambrelox {

// A colour as 8-bit sRGB channels.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The eye's brightness of a colour, from 0 (black) to 1 (white), as the
// accessibility guidelines for text define it.
[[nodiscard]] double RelativeLuminance(Rgb colour);

// How far apart two colours stand for reading, from 1 (alike) to 21 (black
// on white); the order of the two does not matter.
[[nodiscard]] double ContrastRatio(Rgb first, Rgb second);

// Text at this contrast or more reads comfortably at ordinary sizes.
inline constexpr double kReadableContrast = 4.5;

// The factor by which fonts sized for a usual desktop font grow on a desktop
// whose font is `desktopPoints` large; never below 1, so a small or unknown
// desktop font leaves them as designed.
[[nodiscard]] double FontGrowth(double desktopPoints);

}  // namespace tambrelox
