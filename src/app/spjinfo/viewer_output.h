#pragma once

#include <ostream>

#include "core/project/chosen_file.h"
#include "core/project/project.h"

namespace tambrelox::spjinfo {

// The CV window's rows, one line per CV with its cells TAB-separated.
void WriteCVTable(std::ostream& out, const Project& project);

// The descriptive text block exactly as the file holds it.
void WriteDescriptiveText(std::ostream& out, const Project& project);

// The printed list of non-zero CVs as plain text (see WritePlainText).
void WriteCVReport(std::ostream& out, const ChosenFile& file, const Project& project);

}  // namespace tambrelox::spjinfo
