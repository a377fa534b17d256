#pragma once

#include <string_view>

#include "platform/column_printer.h"
#include "platform/grid_model.h"
#include "project/chosen_file.h"
#include "project/project.h"

namespace tambrelox {

inline constexpr std::string_view kCVHeading =
    "           CV          CV Name              Hex  Dec  Binary";
inline constexpr std::string_view kCVDashes =
    "         ------  -------------------------  ---  ---  ------";

// What the CV list shows besides the grid.
struct CVReportSource {
    std::string_view spjPath;
    std::string_view spjAuthor;  // Windows-1252, as the reader found it
    std::string_view printedAt;  // see FormatPrintedAt
};

// Prints the rows of the CV window's grid whose value is not zero, in the
// report frame, and ends the document.
void PrintCVReport(ColumnPrinter& printer, const GridModel& grid, const CVReportSource& source);

// The list the CV window prints right after opening `project`, loaded from `file`.
void PrintProjectCVs(ColumnPrinter& printer, const ChosenFile& file, const Project& project,
                     std::string_view printedAt);

}  // namespace tambrelox
