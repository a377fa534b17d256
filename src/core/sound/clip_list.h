#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/project/project.h"

namespace tambrelox {

// A line of the player's list of clips.
struct ListedClip {
    std::size_t entry = 0;  // index into Project::entries
    std::string name;       // UTF-8, as the list shows it
    int bits = 0;
    double playSeconds = 0;
    std::string fileName;  // what a saved copy is called (see ClipFileName)
};

// The player's list: the project's clips in directory order, line n standing
// for summary.clips[n]. A clip whose name leaves no file name is saved as
// "clip N.wav", N its line.
[[nodiscard]] std::vector<ListedClip> ListedClips(const Project& project);

}  // namespace tambrelox
