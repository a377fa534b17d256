#pragma once

#include <ostream>

#include "project/project.h"

namespace tambrelox::spjinfo {

// The CV window's rows, one line per CV with its cells TAB-separated.
void WriteCVTable(std::ostream& out, const Project& project);

// The descriptive text block exactly as the file holds it.
void WriteDescriptiveText(std::ostream& out, const Project& project);

}  // namespace tambrelox::spjinfo
