#include "app/spjinfo/standard_streams.h"

#include <iostream>

#include "core/base/file_bytes.h"

namespace tambrelox::spjinfo {

bool OutputWritten() {
    const auto flushed = FlushOutput(std::cout);
    if (flushed.ok()) return true;
    std::cerr << "spjinfo: write error: " << flushed.refusal().message << '\n';
    return false;
}

bool Complain(const std::string& path, const Refusal& refusal) {
    // Output so far goes out before the message, which names the file as given.
    if (!OutputWritten()) return false;
    std::cerr << "spjinfo: " << path << ": " << refusal.message << '\n';
    return true;
}

}  // namespace tambrelox::spjinfo
