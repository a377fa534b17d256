#pragma once

#include <string>
#include <string_view>

namespace tambrelox {

// A clip's name (Windows-1252, as the directory holds it) as a file name of
// this system: UTF-8, one path component, never "." or "..", never empty.
// `fallback` stands in for a name with nothing usable left.
[[nodiscard]] std::string ClipFileName(std::string_view name, std::string_view fallback);

}  // namespace tambrelox
