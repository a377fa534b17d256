#include "core/cv/cv_names.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "core/base/locale_handle.h"
#include "core/base/number_format.h"
#include "core/base/text.h"

namespace tambrelox {
namespace {

constexpr char kCarriageReturn = '\r';
// The byte after a carriage return is skipped, whatever it is.
constexpr std::size_t kLineBreakLength = 2;
// Characters of a name line kept after the separating space.
constexpr std::size_t kNameWindow = 28;
// The separating space stands at index 3, 4 or 5: "CV" and one to three characters before it.
constexpr std::size_t kFirstSeparator = 3;
constexpr std::size_t kLastSeparator = 5;

constexpr std::array<std::pair<int, std::string_view>, 17> kStandardNames{{
    {1, "Two-Digit Address"},
    {2, "Start Voltage"},
    {3, "Acceleration Rate"},
    {4, "Deceleration Rate"},
    {8, "Reset Decoder"},
    {11, "Sound Time Out"},
    {17, "Four-Digit Addr (hi)"},
    {18, "Four-Digit Addr (Low)"},
    {29, "Configuration Register"},
    {49, "Forward Light"},
    {50, "Reverse Light"},
    {58, "Master Volumne"},
    {60, "Scheme Select"},
    {132, "Notch Rate"},
    {133, "Steam Wheel Dia"},
    {134, "Steam Wheel Ratio"},
    {135, "Mute Volume"},
}};

// The number the text starts with (sign, digits, decimal point, exponent), 0
// when it starts with none; a fraction rounds to the nearest, halves to even.
double LeadingNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    // strtod in the C locale, as std::from_chars of a double (missing from the
    // WebAssembly build's C++ library) reads it: only the characters of a
    // decimal number, so no leading space, hexadecimal or "inf".
    const std::string number(text.substr(0, text.find_first_not_of("0123456789.eE+-")));
    static const LocaleHandle kCLocale = OpenLocale(LC_ALL_MASK, "C");
    const double value = strtod_l(number.c_str(), nullptr, kCLocale.get());
    return RoundHalfEven(value, 0);
}

// The CV a name line writes and the name, or nothing for a line that is not a
// name line or names a CV outside the table.
std::optional<std::pair<std::size_t, std::string>> ReadNameLine(std::string line) {
    if (!line.starts_with("CV")) return std::nullopt;
    std::replace(line.begin(), line.end(), '\t', ' ');
    const std::size_t space = line.find(' ');
    if (space < kFirstSeparator || space > kLastSeparator) return std::nullopt;
    const double number = LeadingNumber(std::string_view(line).substr(2, space - 2));
    if (!(number >= 0 && number <= kLastCV)) return std::nullopt;

    std::replace(line.begin(), line.end(), '~', ' ');
    std::string_view name = std::string_view(line).substr(space + 1, kNameWindow);
    name = name.substr(0, name.find_first_of("(["));
    return std::pair{static_cast<std::size_t>(number), Windows1252ToUtf8(TrimSpaces(name))};
}

std::uint64_t NextLineStart(std::uint64_t carriageReturn) {
    return carriageReturn + kLineBreakLength;
}

// Custom names stand on lines of the descriptive text after a "(B)" line and up
// to a "(C)" line. The search for "(B)" gives up after the first line that ends
// at or past the end of the text block; the list itself runs until its "(C)"
// line or the end of the file.
void ApplyCustomNames(ByteView file, const DirectoryEntry& text, CVNames& names) {
    const std::uint64_t blockEnd = std::uint64_t{text.offset} + text.length;
    TextLine line = ReadTextLine(file, text.offset);
    while (!line.text.starts_with("(B)")) {
        if (line.text.starts_with("(C)")) return;
        if (!line.carriageReturn || *line.carriageReturn >= blockEnd) return;
        line = ReadTextLine(file, NextLineStart(*line.carriageReturn));
    }
    while (line.carriageReturn) {
        line = ReadTextLine(file, NextLineStart(*line.carriageReturn));
        if (line.text.starts_with("(C)")) return;
        if (auto named = ReadNameLine(line.text)) names[named->first] = std::move(named->second);
    }
}

}  // namespace

TextLine ReadTextLine(ByteView file, std::uint64_t from) {
    const auto rest = file.window(from, file.size()).bytes();
    const auto end =
        std::find(rest.begin(), rest.end(), static_cast<std::uint8_t>(kCarriageReturn));
    TextLine line{{rest.begin(), end}, std::nullopt};
    if (end != rest.end())
        line.carriageReturn = from + static_cast<std::uint64_t>(end - rest.begin());
    return line;
}

void LoadCVNames(const Project& project, CVNames& names) {
    std::fill(names.begin() + 1, names.end(), std::string());
    for (const auto& [cv, name] : kStandardNames) names[static_cast<std::size_t>(cv)] = name;
    ApplyCustomNames(project.bytes(), project.entries.at(project.textEntry), names);
}

}  // namespace tambrelox
