#include "core/project/text_lines.h"

#include <string_view>

#include "core/base/text.h"

namespace tambrelox {

std::vector<std::string> DescriptiveTextLines(ByteView block) {
    constexpr std::string_view kLineBreak = "\r\n";
    const std::string text = Windows1252ToUtf8(block.text());
    std::vector<std::string> lines;
    for (std::size_t from = 0;;) {
        const std::size_t end = text.find(kLineBreak, from);
        lines.emplace_back(text, from, end == std::string::npos ? std::string::npos : end - from);
        if (end == std::string::npos) return lines;
        from = end + kLineBreak.size();
    }
}

}  // namespace tambrelox
