#pragma once

#include <ostream>

#include "core/base/number_format.h"
#include "core/project/chosen_file.h"
#include "core/project/project.h"

namespace tambrelox::spjinfo {

// The main window's labels and grid as TAB-separated lines, then an empty line.
void WriteSummaryText(std::ostream& out, const ChosenFile& file, const Project& project,
                      const NumberFormat& format);

// The same as one JSON object on one line.
void WriteSummaryJson(std::ostream& out, const ChosenFile& file, const Project& project,
                      const NumberFormat& format);

// The heading record of the summary as comma-separated values (see WriteSummaryCsv).
void WriteSummaryCsvHeading(std::ostream& out);

// The summary as one record of comma-separated values (see CatalogueRow).
void WriteSummaryCsv(std::ostream& out, const ChosenFile& file, const Project& project);

// The printed summary as plain text (see WritePlainText).
void WriteSummaryReport(std::ostream& out, const ChosenFile& file, const Project& project,
                        const NumberFormat& format);

}  // namespace tambrelox::spjinfo
