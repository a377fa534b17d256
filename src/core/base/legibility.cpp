#include "core/base/legibility.h"

#include <algorithm>
#include <cmath>

namespace tambrelox {
namespace {

// The largest desktop font the windows' own fonts were sized against; the
// usual desktop fonts are 9 and 10 points.
constexpr double kUsualDesktopPoints = 10.0;

double LinearChannel(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.red) + 0.7152 * LinearChannel(colour.green) +
           0.0722 * LinearChannel(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double FontGrowth(double desktopPoints) {
    // NaN and a font given in pixels (-1 points) fall through to 1.
    if (!(desktopPoints > kUsualDesktopPoints)) return 1.0;
    return desktopPoints / kUsualDesktopPoints;
}

}  // namespace tambrelox
