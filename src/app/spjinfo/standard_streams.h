#pragma once

#include <string>

#include "core/base/outcome.h"

namespace tambrelox::spjinfo {

// Standard output flushed; false, said on stderr as "spjinfo: write error:
// REASON", when anything written to it could not all be written.
[[nodiscard]] bool OutputWritten();

// "spjinfo: PATH: MESSAGE" on stderr, once the output so far has gone out;
// false, said as OutputWritten says it, when that output could not be written.
[[nodiscard]] bool Complain(const std::string& path, const Refusal& refusal);

}  // namespace tambrelox::spjinfo
