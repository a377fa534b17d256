#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/outcome.h"
#include "core/project/project.h"

namespace tambrelox {

namespace spj_limits {
inline constexpr std::uint64_t kRecordSize = 128;  // every directory record, header included
inline constexpr std::uint64_t kMaxEntries = 201;  // directory entries 0 to 200 and no more
inline constexpr int kMaxEntryType = 32767;        // an entry type is a 16-bit signed value
}  // namespace spj_limits

// A refused read, with the author the owner/author label shows once the
// reader stopped: none when it stopped before it found one, or when the file
// itself could not be read.
struct ProjectRefusal : Refusal {
    std::optional<std::string> authorShown;
};

// A project, or why the bytes are not one and the author found before that.
using ProjectOutcome = Outcome<Project, ProjectRefusal>;

// The message for a file that cannot be read as a project, saying `what` is wrong with it.
[[nodiscard]] std::string ProblemMessage(std::string_view fileName, std::string_view what);

// The message for a file whose directory or program code does not hold together.
[[nodiscard]] std::string CorruptionMessage(std::string_view fileName);

// Turns a file's bytes into a project, or refuses them as not a project,
// naming the directory entry or file offset at fault where there is one. The
// startup CV values are not checked here: only the CV views need them (see
// CheckStartupCVs).
// `fileName` is the lower-case name the messages use.
[[nodiscard]] ProjectOutcome ReadProject(std::vector<std::uint8_t> data, std::string_view fileName);

// Refuses a file of `size` bytes as no project when it is larger than any
// file this program reads whole (see kLargestFileRead).
[[nodiscard]] Outcome<void> CheckProjectFileSize(std::uint64_t size, std::string_view fileName);

// How much of a file ReadProjectFile reads and keeps.
enum class ReadExtent {
    WholeFile,
    // The directory, the clips' wave headers, the program code and the
    // descriptive text: all the summary, the clip list and the text show, and
    // never a clip's sound. Project::bytes() is not available.
    SummaryAndText,
};

// Reads the file at `path` (opened read-only, closed at once) as ReadProject
// reads its bytes: the same checks, the same refusals, the same project. A
// `path` of "-" is standard input, read whole.
[[nodiscard]] ProjectOutcome ReadProjectFile(const std::string& path, std::string_view fileName,
                                             ReadExtent extent = ReadExtent::WholeFile);

}  // namespace tambrelox
