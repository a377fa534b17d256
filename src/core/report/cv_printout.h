#pragma once

#include <string_view>

#include "core/grid/grid_model.h"
#include "core/project/chosen_file.h"
#include "core/project/project.h"
#include "core/report/column_printer.h"
#include "core/report/report_frame.h"

namespace tambrelox {

inline constexpr std::string_view kCVHeading =
    "           CV          CV Name              Hex  Dec  Binary";
inline constexpr std::string_view kCVDashes =
    "         ------  -------------------------  ---  ---  ------";

// Prints the rows of the CV window's grid whose value is not zero, in the
// report frame, and ends the document.
void PrintCVReport(ColumnPrinter& printer, const GridModel& grid, const ReportSource& source);

// The list the CV window prints right after opening `project`, loaded from `file`.
void PrintProjectCVs(ColumnPrinter& printer, const ChosenFile& file, const Project& project,
                     std::string_view printedAt);

}  // namespace tambrelox
