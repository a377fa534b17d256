#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/report/column_printer.h"

namespace tambrelox {

// A printer that keeps what it is given as pages of text lines, each line
// holding its characters at their print columns. A page holds its lines up
// to the last one printed on.
class TextPages final : public PageBackend {
  public:
    using Page = std::vector<std::string>;

    explicit TextPages(int linesPerPage = kLinesPerPage) : linesPerPage_(linesPerPage) {}

    [[nodiscard]] int LinesPerPage() const override { return linesPerPage_; }
    bool Draw(int line, int column, std::string_view text) override;
    bool NewPage() override;
    bool EndDocument() override;

    [[nodiscard]] const std::vector<Page>& pages() const { return pages_; }
    [[nodiscard]] bool ended() const { return ended_; }

  private:
    int linesPerPage_;
    std::vector<Page> pages_ = std::vector<Page>(1);
    bool ended_ = false;
};

// Plain text: every line without trailing spaces, and a line holding a single
// form feed between pages.
void WritePlainText(std::ostream& out, const std::vector<TextPages::Page>& pages);

}  // namespace tambrelox
