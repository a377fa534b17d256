#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tambrelox {

// The separators numbers are shown with.
struct NumberFormat {
    std::string thousandsSeparator = ",";
    std::string decimalPoint = ".";

    // The user's locale, falling back to comma and point where it defines none.
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

// Reads a number the way the masks above show it: spaces around it, an
// optional sign, digits with thousands separators between them and an
// optional decimal part. Anything else is not a number.
[[nodiscard]] std::optional<double> ParseShownNumber(std::string_view text,
                                                     const NumberFormat& format);

}  // namespace tambrelox
