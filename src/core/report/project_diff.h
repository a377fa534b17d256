#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"

namespace tambrelox {

// What the comparison knows of one sound clip; text is UTF-8.
struct ClipFacts {
    std::uint32_t handle = 0;
    std::string name;
    std::uint32_t size = 0;  // the sound data size the summary shows
    int bits = 0;
    std::optional<int> dlDepth;
    std::uint64_t contentHash = 0;  // of the clip's whole data block
};

enum class ClipField { Handle, Name, Size, Bits, DL, Content };

// "handle", "name", "size", "bits", "DL" or "content".
[[nodiscard]] std::string_view ClipFieldName(ClipField field);

// A clip found in both projects, and which of its fields differ, in ClipField's order.
struct ClipChange {
    ClipFacts before;
    ClipFacts after;
    std::vector<ClipField> fields;
};

// A named value of the whole project, as text.
struct ValueChange {
    std::string name;
    std::string before;
    std::string after;
    bool whole = false;  // before and after are whole numbers in decimal digits
};

struct CVChange {
    int cv = 0;
    std::uint8_t valueBefore = 0;
    std::uint8_t valueAfter = 0;
    std::string nameBefore;
    std::string nameAfter;
};

struct ProjectDiff {
    std::vector<ClipFacts> removedClips;  // in the first project's directory order
    std::vector<ClipFacts> addedClips;    // in the second's
    std::vector<ClipChange> changedClips;
    std::vector<ValueChange> values;     // totals, counts, requirement and author
    std::vector<CVChange> cvs;           // startup CVs whose value or name differs
    std::vector<std::string> textHunks;  // a unified diff of the descriptive text's lines

    [[nodiscard]] bool same() const;
};

// How `after` differs from `before`. Clips are paired by handle first, then the
// rest by name. Both projects must be read whole and pass CheckStartupCVs.
[[nodiscard]] ProjectDiff CompareProjects(const Project& before, const Project& after);

}  // namespace tambrelox
