#pragma once

#include <string>
#include <string_view>

namespace tambrelox {

// A chosen project file as the program names it: folder and name in lower
// case for display and messages, the real path for opening.
struct ChosenFile {
    std::string realPath;
    std::string folder;    // lower case, ending in '/'
    std::string fileName;  // lower case
};

// Splits an absolute path at its last '/'.
[[nodiscard]] ChosenFile SplitChosenPath(std::string_view absolutePath);

// A file named on a command line, relative to the current folder; "-" is
// standard input, with no folder.
[[nodiscard]] ChosenFile ChosenFromArgument(const std::string& path);

}  // namespace tambrelox
