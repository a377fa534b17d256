#include "core/base/number_format.h"

#include <langinfo.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "core/base/locale_handle.h"

namespace tambrelox {
namespace {

// The decimal digits of a whole, non-negative number of any size. printf's
// "%.0f" is exact for any double, and unlike std::to_chars of a double it is
// in every C++ library the core is built with (the WebAssembly one lacks it).
std::string WholeDigits(double whole) {
    std::array<char, 400> digits{};  // the largest double has 309 digits
    const int length = std::snprintf(digits.data(), digits.size(), "%.0f", whole);
    return {digits.data(), static_cast<std::size_t>(length)};
}

std::string GroupDigits(const std::string& digits, const NumberFormat& format) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += format.thousandsSeparator;
        out += digits[i];
    }
    return out;
}

struct Thousandths {
    std::string whole;     // empty for no leading zero
    std::string fraction;  // three digits
    bool negative = false;
};

Thousandths SplitThousandths(double value) {
    std::string digits = WholeDigits(RoundHalfEven(std::fabs(value) * 1000.0, 0));
    const bool zero = digits == "0";
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    Thousandths out{digits.substr(0, digits.size() - 3), digits.substr(digits.size() - 3),
                    value < 0 && !zero};
    if (out.whole == "0") out.whole.clear();
    return out;
}

}  // namespace

NumberFormat NumberFormat::FromUserLocale() {
    NumberFormat format;
    const LocaleHandle locale = OpenLocale(LC_NUMERIC_MASK, "");
    if (!locale) return format;
    const std::string thousands = nl_langinfo_l(THOUSEP, locale.get());
    const std::string decimal = nl_langinfo_l(RADIXCHAR, locale.get());
    if (!thousands.empty()) format.thousandsSeparator = thousands;
    if (!decimal.empty()) format.decimalPoint = decimal;
    return format;
}

double RoundHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;  // the default rounding mode takes halves to even
}

std::string FormatGroupedWhole(double value, const NumberFormat& format) {
    if (RoundHalfEven(value, 0) == 0) return {};
    return FormatGroupedWholeOrZero(value, format);
}

std::string FormatGroupedWholeOrZero(double value, const NumberFormat& format) {
    const double rounded = RoundHalfEven(std::fabs(value), 0);
    // Appended rather than prefixed: GCC 12 warns, wrongly, of an overlapping copy in "-" + text.
    std::string text = value < 0 && rounded != 0 ? "-" : "";
    text += GroupDigits(WholeDigits(rounded), format);
    return text;
}

std::string FormatUpToThreeDecimals(double value, const NumberFormat& format) {
    Thousandths parts = SplitThousandths(value);
    parts.fraction.erase(parts.fraction.find_last_not_of('0') + 1);
    return (parts.negative ? "-" : "") + parts.whole + format.decimalPoint + parts.fraction;
}

std::string FormatThreeDecimals(double value, const NumberFormat& format) {
    const Thousandths parts = SplitThousandths(value);
    return (parts.negative ? "-" : "") + parts.whole + format.decimalPoint + parts.fraction;
}

}  // namespace tambrelox
