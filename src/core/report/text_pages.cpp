#include "core/report/text_pages.h"

#include "core/base/text.h"

namespace tambrelox {

bool TextPages::Draw(int line, int column, std::string_view text) {
    Page& page = pages_.back();
    const auto index = static_cast<std::size_t>(line);
    if (page.size() <= index) page.resize(index + 1);
    std::string& target = page[index];
    const auto start = static_cast<std::size_t>(column - 1);
    const std::size_t length = Utf8Length(target);
    if (length < start) target.append(start - length, ' ');
    target.append(text);
    return true;
}

bool TextPages::NewPage() {
    pages_.emplace_back();
    return true;
}

bool TextPages::EndDocument() {
    ended_ = true;
    return true;
}

void WritePlainText(std::ostream& out, const std::vector<TextPages::Page>& pages) {
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) out << "\f\n";
        for (const std::string& line : pages[i]) out << TrimTrailingSpaces(line) << '\n';
    }
}

}  // namespace tambrelox
