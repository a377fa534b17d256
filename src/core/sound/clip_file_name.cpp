#include "core/sound/clip_file_name.h"

#include "core/base/text.h"

namespace tambrelox {
namespace {

// What Windows names may hold but a file name here must not: the separator,
// and control characters that confuse terminals and file managers.
bool Unsafe(char c) {
    return c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

}  // namespace

std::string ClipFileName(std::string_view name, std::string_view fallback) {
    std::string safe = Windows1252ToUtf8(TrimSpaces(CutAtNul(name)));
    for (char& c : safe) {
        if (Unsafe(c)) c = '_';
    }
    if (safe.empty() || safe == "." || safe == "..") return std::string(fallback);
    // A name from a project must not become a hidden file such as ".bashrc".
    if (safe.front() == '.') safe.front() = '_';
    return safe;
}

}  // namespace tambrelox
