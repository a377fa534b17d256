#pragma once

#include <string>

namespace tambrelox {

// The separators numbers are shown with.
struct NumberFormat {
    std::string thousandsSeparator = ",";
    std::string decimalPoint = ".";

    // The user's locale, falling back to comma and point where it defines none.
    // Read once by each program at start and handed down from there.
    [[nodiscard]] static NumberFormat FromUserLocale();
};

// Rounds to `decimals` places, halves to the even neighbour.
[[nodiscard]] double RoundHalfEven(double value, int decimals);

// "###,###": whole number with separators; zero is the empty text.
[[nodiscard]] std::string FormatGroupedWhole(double value, const NumberFormat& format);

// "#,###,##0": whole number with separators and at least one digit.
[[nodiscard]] std::string FormatGroupedWholeOrZero(double value, const NumberFormat& format);

// "###.###": up to three decimals, no trailing zeros, no leading zero, and the
// decimal point always kept (2 -> "2.", 0 -> ".").
[[nodiscard]] std::string FormatUpToThreeDecimals(double value, const NumberFormat& format);

// "###.##0": exactly three decimals, no separators, no leading zero (0.5 -> ".500").
[[nodiscard]] std::string FormatThreeDecimals(double value, const NumberFormat& format);

}  // namespace tambrelox
