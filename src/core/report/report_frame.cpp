#include "core/report/report_frame.h"

#include "core/base/locale_handle.h"
#include "core/base/number_format.h"
#include "core/base/text.h"
#include "core/base/title_line.h"
#include "core/project/author.h"

namespace tambrelox {
namespace {

constexpr int kCentringWidth = 100;  // title lines are centred on a line this wide
constexpr int kHeaderLinesCounted = 5;
constexpr int kLastLineOnPage = 69;
constexpr int kLastLineBeforeClosing = 64;  // the three closing lines must fit below
constexpr std::string_view kIndent = "          ";

int CentredTab(std::string_view line) {
    const auto length = static_cast<double>(Utf8Length(line));
    return static_cast<int>(RoundHalfEven((kCentringWidth - length) / 2, 0));
}

std::string Formatted(const char* format, const std::tm& when, locale_t locale) {
    char text[128];
    const std::size_t length = strftime_l(text, sizeof text, format, &when, locale);
    return {text, length};
}

}  // namespace

ReportFrame::ReportFrame(ColumnPrinter& printer, const ReportTexts& texts)
    : printer_(printer), separatorColumn_(texts.separatorColumn) {
    state_.PrintHeading = texts.printHeading;
    state_.PrintDashes = texts.printDashes;
    // The owner is shown up to its first NUL, as everywhere else.
    state_.AuthorLine = "Owner/Author: " + ShownAuthor(texts.spjAuthor);
    state_.ReportTitleLine = texts.reportTitleLine;
    state_.ReportTitleTab = CentredTab(state_.ReportTitleLine);
    state_.AuthorTab = CentredTab(state_.AuthorLine);
}

void ReportFrame::PrintPageHeader() {
    printer_.Print("");
    printer_.PrintAt(state_.ReportTitleTab, state_.ReportTitleLine);
    printer_.PrintAt(state_.AuthorTab, state_.AuthorLine);
    printer_.PrintAt(separatorColumn_, std::string(78, '='));
    printer_.Print(state_.PrintHeading);
    printer_.Print(state_.PrintDashes);
    state_.PrintLineCount = kHeaderLinesCounted;
}

void ReportFrame::LinePrinted() {
    if (++state_.PrintLineCount != kLastLineOnPage) return;
    printer_.NewPage();
    PrintPageHeader();
}

void ReportFrame::Close(std::string_view printedAt) {
    if (state_.PrintLineCount > kLastLineBeforeClosing) {
        printer_.NewPage();
        PrintPageHeader();
    }
    printer_.Print("");
    printer_.Print(std::string(kIndent) + "Printed: " + std::string(printedAt));
    printer_.Print(std::string(kIndent).append(kTitleLine));
    printer_.EndDoc();
}

std::string FormatPrintedAt(const std::tm& when, const char* localeName) {
    LocaleHandle locale = OpenLocale(LC_TIME_MASK, localeName);
    if (!locale) locale = OpenLocale(LC_TIME_MASK, "C");
    return Formatted("%x", when, locale.get()) + "   " + Formatted("%X", when, locale.get());
}

std::string PrintedNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatPrintedAt(local);
}

void PrintDescriptiveText(ColumnPrinter& printer, ByteView block) {
    printer.Print(Windows1252ToUtf8(block.text()));
    printer.EndDoc();
}

}  // namespace tambrelox
