#pragma once

#include <string>
#include <vector>

#include "core/project/chosen_file.h"
#include "core/project/project.h"

namespace tambrelox {

// The names of a catalogue's columns, in CatalogueRow's order.
[[nodiscard]] std::vector<std::string> CatalogueHeading();

// A project as one record of a catalogue: the path as given, the name as shown,
// author, requirement, counts and totals, and the name and play seconds of the
// clip taking the most flash memory (the first of equals). Numbers are plain,
// so that a spreadsheet reads them in any locale.
[[nodiscard]] std::vector<std::string> CatalogueRow(const ChosenFile& file, const Project& project);

// The shortest text that reads back as `value`, written as printf's %f or %e
// would, whichever is shorter (%f on a tie): what std::to_chars gives, which
// the WebAssembly build's library lacks for a double.
[[nodiscard]] std::string ShortestNumberText(double value);

}  // namespace tambrelox
