#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/report/project_diff.h"

namespace tambrelox {

// A comparison as plain lines, each without its line end: removed, added and
// changed clips, changed values and CVs, then a unified diff of the descriptive
// text headed by `beforeName` and `afterName`. Names and text are escaped as
// cells are (see EscapedCell), so that each stays one line.
[[nodiscard]] std::vector<std::string> ProjectDiffLines(const ProjectDiff& diff,
                                                        std::string_view beforeName,
                                                        std::string_view afterName);

}  // namespace tambrelox
