#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/byte_view.h"

namespace tambrelox {

inline constexpr std::string_view kUnspecifiedAuthor = "Unspecified";
inline constexpr std::uint64_t kTextAuthorWindow = 1000;  // bytes of descriptive text searched

// Tidies an owner/author candidate: colons and leading spaces go, tabs and the
// text after a line break are cut away. NULs and trailing spaces stay.
[[nodiscard]] std::string CleanAuthor(std::string_view text);

// The owner/author named in the header record's 72-byte text, or the default.
[[nodiscard]] std::string AuthorFromHeaderText(std::string_view headerText);

// The owner/author as the windows show it: UTF-8, up to its first NUL.
[[nodiscard]] std::string ShownAuthor(std::string_view author);

// The owner/author named in the first 1000 bytes from the descriptive text's
// start, if any; the window runs on past a shorter block, up to the file's end.
[[nodiscard]] std::optional<std::string> AuthorFromDescriptiveText(ByteView file,
                                                                   std::uint64_t textOffset);

}  // namespace tambrelox
