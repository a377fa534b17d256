#include "project/number_format.h"

#include <langinfo.h>
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <type_traits>

namespace tambrelox {
namespace {

std::string GroupDigits(std::uint64_t whole, const NumberFormat& format) {
    const std::string digits = std::to_string(whole);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += format.thousandsSeparator;
        out += digits[i];
    }
    return out;
}

}  // namespace

NumberFormat NumberFormat::FromUserLocale() {
    NumberFormat format;
    const std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(&freelocale)> locale{
        newlocale(LC_NUMERIC_MASK, "", nullptr), &freelocale};
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
    const double rounded = RoundHalfEven(std::fabs(value), 0);
    if (rounded == 0) return {};
    return (value < 0 ? "-" : "") + GroupDigits(static_cast<std::uint64_t>(rounded), format);
}

std::string FormatUpToThreeDecimals(double value, const NumberFormat& format) {
    const auto thousandths = static_cast<std::uint64_t>(RoundHalfEven(std::fabs(value) * 1000.0, 0));
    std::string out = value < 0 && thousandths != 0 ? "-" : "";
    if (thousandths >= 1000) out += std::to_string(thousandths / 1000);
    out += format.decimalPoint;
    std::string fraction = std::to_string(1000 + thousandths % 1000).substr(1);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return out + fraction;
}

}  // namespace tambrelox
