#include "core/sound/clip_file_name.h"

#include "core/base/text.h"

namespace tambrelox {
namespace {

// What Windows names may hold but a file name here must not: the separator,
// and control characters that confuse terminals and file managers.
bool Unsafe(char c) {
    return c == '/' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

// A C1 control (U+0080 to U+009F) in UTF-8: the lead byte C2 and a second below A0.
bool StartsC1Control(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) == 0xC2 && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) < 0xA0;
}

}  // namespace

std::string ClipFileName(std::string_view name, std::string_view fallback) {
    const std::string utf8 = Windows1252ToUtf8(TrimSpaces(CutAtNul(name)));
    std::string safe;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const bool c1 = StartsC1Control(utf8, at);
        safe += c1 || Unsafe(utf8[at]) ? '_' : utf8[at];
        if (c1) ++at;
    }
    if (safe.empty() || safe == "." || safe == "..") return std::string(fallback);
    // A name from a project must not become a hidden file such as ".bashrc".
    if (safe.front() == '.') safe.front() = '_';
    return safe;
}

}  // namespace tambrelox
