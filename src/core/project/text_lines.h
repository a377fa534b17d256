#pragma once

#include <string>
#include <vector>

#include "core/base/byte_view.h"

namespace tambrelox {

// The descriptive text as the user reads it: decoded from Windows-1252 and
// split at its CR LF pairs, nothing else changed. An empty block is one empty line.
[[nodiscard]] std::vector<std::string> DescriptiveTextLines(ByteView block);

}  // namespace tambrelox
