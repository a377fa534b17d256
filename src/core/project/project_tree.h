#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/base/outcome.h"

namespace tambrelox {

// The project files found in and below some folders.
struct ProjectTree {
    std::vector<std::string> files;  // sorted by path, each file once
    // Folders that could not be listed, and *.spj names passed over (a link
    // that leads nowhere or loops, a file named ".spj" alone), sorted, with why.
    std::vector<std::pair<std::string, Refusal>> skipped;
};

// Every file named *.spj (in any letter case) in or below the folders in
// `roots`; a root that is not a folder is taken as a file as it is, for the
// reader to show or refuse. Symbolic links to folders are not followed, and a
// link to a file counts only when the file lies in one of the roots, so the
// walk never leaves them. A file reached by several paths (links, or roots
// inside one another) is listed once, under the first path in sorted order.
[[nodiscard]] ProjectTree FindProjectFiles(const std::vector<std::string>& roots);

}  // namespace tambrelox
