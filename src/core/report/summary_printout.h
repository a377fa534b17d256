#pragma once

#include <string_view>

#include "core/base/number_format.h"
#include "core/grid/grid_model.h"
#include "core/project/chosen_file.h"
#include "core/project/project.h"
#include "core/report/column_printer.h"
#include "core/report/report_frame.h"

namespace tambrelox {

inline constexpr std::string_view kSummaryHeading =
    "          Handle   Wave File Name            Bits   DL   File Size   Play sec  FlashSize";
inline constexpr std::string_view kSummaryDashes =
    "          ------  -------------------------  ----  ----  ---------  ---------- ---------";

// Prints the main window's clip grid, every row below its heading as shown,
// totals included, in the report frame, and ends the document. Sizes and play
// seconds print from the values their cells carry; `format` is the one the
// grid's numbers were written with.
void PrintSummaryReport(ColumnPrinter& printer, const GridModel& grid, const ReportSource& source,
                        const NumberFormat& format);

// The report the main window prints right after loading `project` from `file`.
void PrintProjectSummary(ColumnPrinter& printer, const ChosenFile& file, const Project& project,
                         const NumberFormat& format, std::string_view printedAt);

}  // namespace tambrelox
