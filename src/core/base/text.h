#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tambrelox {

// SPJ files carry Windows-1252 text; everything the program shows is UTF-8.
[[nodiscard]] std::string Windows1252ToUtf8(std::string_view bytes);

// Tags inside project text are matched after upper-casing; only ASCII letters
// can form a tag, so ASCII upper-casing finds the same positions.
[[nodiscard]] std::string AsciiUpper(std::string_view text);

// Unicode-aware case changes of UTF-8 text (file names are shown in both cases).
[[nodiscard]] std::string Utf8Lower(std::string_view text);
[[nodiscard]] std::string Utf8Upper(std::string_view text);

// Characters, not bytes: printed columns count characters.
[[nodiscard]] std::size_t Utf8Length(std::string_view text);
[[nodiscard]] std::string_view Utf8Prefix(std::string_view text, std::size_t characters);

[[nodiscard]] std::string_view CutAtNul(std::string_view text);
[[nodiscard]] std::string_view TrimSpaces(std::string_view text);
[[nodiscard]] std::string_view TrimTrailingSpaces(std::string_view text);

// "@@@@@@@@@"-style masks: spaces on the left up to `width` characters; longer text stays whole.
[[nodiscard]] std::string RightAligned(std::string_view text, std::size_t width);

// A cell of TAB-separated output, so that every line stays one row and no
// control character reaches a terminal: a TAB, CR, LF or backslash becomes a
// backslash followed by t, r, n or a backslash, any other C0 control or DEL
// becomes \xHH (two lower-case hex digits); any other text is unchanged.
[[nodiscard]] std::string EscapedCell(std::string_view text);

// One record of comma-separated values as RFC 4180 writes it, ending in CR LF:
// a field holding a comma, a double quote, CR or LF is put in double quotes,
// its own double quotes doubled; any other field is unchanged.
[[nodiscard]] std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace tambrelox
