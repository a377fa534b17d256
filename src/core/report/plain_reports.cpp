#include "core/report/plain_reports.h"

#include <sstream>

#include "core/report/column_printer.h"
#include "core/report/cv_printout.h"
#include "core/report/summary_printout.h"
#include "core/report/text_pages.h"

namespace tambrelox {
namespace {

template <class Print>
std::string PlainText(Print print) {
    TextPages pages;
    ColumnPrinter printer(pages);
    print(printer);
    std::ostringstream out;
    WritePlainText(out, pages.pages());
    return std::move(out).str();
}

}  // namespace

std::string SummaryReportText(const ChosenFile& file, const Project& project,
                              const NumberFormat& format, std::string_view printedAt) {
    return PlainText([&](ColumnPrinter& printer) {
        PrintProjectSummary(printer, file, project, format, printedAt);
    });
}

std::string CVReportText(const ChosenFile& file, const Project& project,
                         std::string_view printedAt) {
    return PlainText(
        [&](ColumnPrinter& printer) { PrintProjectCVs(printer, file, project, printedAt); });
}

std::string TextReportText(const Project& project) {
    return PlainText(
        [&](ColumnPrinter& printer) { PrintDescriptiveText(printer, project.descriptiveText()); });
}

}  // namespace tambrelox
