#pragma once

#include <cstdint>
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
// Offsets and lengths are 24-bit, so no block reaches past 32 MiB; anything far
// larger is not a sound project and is not worth reading into memory.
inline constexpr std::uint64_t kMaxFileSize = 64ULL * 1024 * 1024;
}  // namespace spj_limits

// The message for a file whose directory or program code does not hold together.
[[nodiscard]] std::string CorruptionMessage(std::string_view fileName);

// Turns a file's bytes into a project, or refuses them. `fileName` is the
// lower-case name the messages use.
[[nodiscard]] Outcome<Project> ReadProject(std::vector<std::uint8_t> data,
                                           std::string_view fileName);

// Reads the file at `path` (opened read-only, read whole, closed at once) and
// hands its bytes to ReadProject.
[[nodiscard]] Outcome<Project> ReadProjectFile(const std::string& path, std::string_view fileName);

}  // namespace tambrelox
