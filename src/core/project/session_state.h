#pragma once

#include <memory>
#include <string>

#include "core/base/number_format.h"
#include "core/project/project.h"

namespace tambrelox {

// What every window shares about the project the user chose last.
struct SessionState {
    std::string SPJFolder;    // remembered folder, lower case, ending in '/'
    std::string SPJFileName;  // lower case
    std::string SPJPath;      // SPJFolder followed by SPJFileName
    std::string SPJAuthor;    // Windows-1252, as the reader found it
    // The project shown; empty before the first good load and after a refused one.
    std::shared_ptr<const Project> project;
    // Taken from the user's locale once, at start; every window shows numbers with it.
    NumberFormat numberFormat;

    // Whether each secondary window is open: true from its opening until the
    // window is gone.
    bool CVShowing = false;
    bool TextShowing = false;
    bool SoundShowing = false;
};

}  // namespace tambrelox
