#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/base/byte_view.h"
#include "core/base/file_image.h"

namespace tambrelox {

namespace entry_type {
inline constexpr int kClip = 1;
inline constexpr int kProgramCode = 2;
inline constexpr int kStartupCVs = 3;
inline constexpr int kDescriptiveText = 4;
inline constexpr int kClipAlt = 6;
}  // namespace entry_type

[[nodiscard]] constexpr bool IsClipType(int type) {
    return type == entry_type::kClip || type == entry_type::kClipAlt;
}

// One record of the file's directory, as stored.
struct DirectoryEntry {
    std::int16_t type = 0;
    std::uint32_t handle = 0;
    std::uint32_t offset = 0;
    std::uint32_t size = 0;  // sound data size as stored, before any rescaling
    std::uint32_t length = 0;
    std::uint8_t dlCode = 0;
    std::string name;           // Windows-1252 bytes before the NUL
    std::uint8_t waveBits = 0;  // clips only: bits per sample from the clip's wave header
};

// A sound clip as the summary shows it.
struct ClipSummary {
    std::size_t entry = 0;       // index into Project::entries
    std::optional<int> dlDepth;  // empty until a clip carries a known DL code
    double soundSize = 0;        // size at the download depth
    double playSeconds = 0;
    double flashSize = 0;
};

struct ProjectSummary {
    std::vector<ClipSummary> clips;  // directory order
    double flashTotal = 0;
    double codeSize = 0;  // rounded up to 256
    double projectTotal = 0;
    int voiceCount = 0;
    int schemeCount = 0;
    std::string requirement;
};

// Everything known about one opened project. Built once by the reader and
// never changed afterwards, so every window can share it.
struct Project {
    FileImage file;  // every byte, or only what the summary and the text need (see ReadExtent)
    std::vector<DirectoryEntry> entries;
    std::size_t codeEntry = 0;
    std::size_t cvEntry = 0;
    std::size_t textEntry = 0;
    std::string author;  // Windows-1252, NULs kept as the file had them
    ProjectSummary summary;

    // The whole file. Asking a project read in part for bytes it did not keep
    // is a fault in the program, not in the file, and throws std::logic_error.
    [[nodiscard]] ByteView bytes() const;
    // The data block of an entry; the reader has checked that the blocks of
    // clips, program code and descriptive text lie inside the file.
    [[nodiscard]] ByteView block(std::size_t entry) const;
    [[nodiscard]] ByteView descriptiveText() const { return block(textEntry); }
};

}  // namespace tambrelox
