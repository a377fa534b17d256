#pragma once

#include <memory>
#include <string>

#include "core/base/number_format.h"
#include "core/project/project.h"

namespace tambrelox {

// What every window shares about the project the user chose last.
struct SessionState {
    std::string projectFolder;    // remembered folder, lower case, ending in '/'
    std::string projectFileName;  // lower case
    std::string projectPath;      // projectFolder followed by projectFileName
    std::string projectAuthor;    // Windows-1252, as the reader found it
    // The project shown; empty before the first good load and after a refused one.
    std::shared_ptr<const Project> project;
    // Taken from the user's locale once, at start; every window shows numbers with it.
    NumberFormat numberFormat;

    // Whether each secondary window is open: true from its opening until the
    // window is gone.
    bool cvWindowOpen = false;
    bool textWindowOpen = false;
    bool playerWindowOpen = false;
};

}  // namespace tambrelox
