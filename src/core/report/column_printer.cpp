#include "core/report/column_printer.h"

#include <algorithm>

#include "core/base/text.h"

namespace tambrelox {
namespace {

// The length of the first line break in `text` at `at`: CR LF, a lone CR or a lone LF.
std::size_t BreakLength(std::string_view text, std::size_t at) {
    return text.substr(at, 2) == "\r\n" ? 2 : 1;
}

}  // namespace

void ColumnPrinter::Print(std::string_view text, LineEnd end) {
    if (failed_) return;
    PrintLines(text, end);
}

void ColumnPrinter::PrintAt(int column, std::string_view text, LineEnd end) {
    if (failed_) return;
    column = std::max(column, 1);
    if (column_ > column) EndLine();
    column_ = column;
    PrintLines(text, end);
}

void ColumnPrinter::NewPage() {
    if (failed_) return;
    Check(backend_.NewPage());
    line_ = 0;
    column_ = 1;
}

void ColumnPrinter::EndDoc() {
    if (failed_) return;
    Check(backend_.EndDocument());
}

void ColumnPrinter::PrintLines(std::string_view text, LineEnd end) {
    for (auto at = text.find_first_of("\r\n"); at != std::string_view::npos;
         at = text.find_first_of("\r\n")) {
        Put(text.substr(0, at));
        EndLine();
        text.remove_prefix(at + BreakLength(text, at));
    }
    Put(text);
    if (end == LineEnd::Break) EndLine();
}

void ColumnPrinter::Put(std::string_view piece) {
    if (piece.empty() || failed_) return;
    MakeRoom();
    Check(backend_.Draw(line_, column_, piece));
    column_ += static_cast<int>(Utf8Length(piece));
}

void ColumnPrinter::EndLine() {
    MakeRoom();
    ++line_;
    column_ = 1;
}

// A full page turns over only when something more is printed, so that a
// page ending exactly at its last line followed by NewPage leaves no blank page.
void ColumnPrinter::MakeRoom() {
    if (failed_ || line_ < backend_.LinesPerPage()) return;
    Check(backend_.NewPage());
    line_ = 0;
}

void ColumnPrinter::Check(bool ok) {
    if (!ok) failed_ = true;
}

}  // namespace tambrelox
