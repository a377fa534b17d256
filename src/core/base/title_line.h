#pragma once

#include <string_view>

namespace tambrelox {

inline constexpr std::string_view kVersion = "V1.0";
// Every window shows it and every report ends with it.
inline constexpr std::string_view kTitleLine = "Tambrelox V1.0";

}  // namespace tambrelox
