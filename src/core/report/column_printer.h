#pragma once

#include <string_view>

namespace tambrelox {

// The reports' page rules count on this many lines of 10-point fixed-pitch text a page.
inline constexpr int kLinesPerPage = 70;

// Where printed text finally goes: a printer, a PDF or lines kept in memory.
// Every call answers false once the device has failed.
class PageBackend {
  public:
    virtual ~PageBackend() = default;

    [[nodiscard]] virtual int LinesPerPage() const = 0;
    // Puts `text` (UTF-8, no line breaks) on `line` (from 0) of the current
    // page, its first character in print column `column` (from 1).
    virtual bool Draw(int line, int column, std::string_view text) = 0;
    virtual bool NewPage() = 0;
    virtual bool EndDocument() = 0;
};

enum class LineEnd { Break, Stay };

// Prints items at fixed-pitch character columns, one line after another,
// starting a new page when the current one is full. After the first failure
// of the backend nothing more is printed and failed() tells.
class ColumnPrinter {
  public:
    explicit ColumnPrinter(PageBackend& backend) : backend_(backend) {}

    // Prints from the current position. Line breaks inside `text` start new lines.
    void Print(std::string_view text, LineEnd end = LineEnd::Break);
    // Prints from column `column` of the current line, or of the next one when
    // the current line has already passed it; a column below 1 counts as 1.
    void PrintAt(int column, std::string_view text, LineEnd end = LineEnd::Break);
    void NewPage();
    void EndDoc();

    [[nodiscard]] bool failed() const { return failed_; }

  private:
    void PrintLines(std::string_view text, LineEnd end);
    void Put(std::string_view piece);
    void EndLine();
    void MakeRoom();
    void Check(bool ok);

    PageBackend& backend_;
    int line_ = 0;    // on the current page
    int column_ = 1;  // where the next character goes
    bool failed_ = false;
};

}  // namespace tambrelox
