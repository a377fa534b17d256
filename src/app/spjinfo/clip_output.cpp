#include "app/spjinfo/clip_output.h"

#include <set>
#include <string>
#include <system_error>

#include "core/base/file_bytes.h"
#include "core/sound/clip_file_name.h"
#include "core/sound/clip_wave.h"
#include "core/sound/repeat_wave.h"

namespace tambrelox::spjinfo {
namespace {

// "horn.wav", then "horn (2).wav", "horn (3).wav" for later clips of the same
// name or where the folder already holds a file of that name: extracting never
// overwrites anything.
std::string UniqueName(const std::filesystem::path& folder, const std::string& name,
                       std::set<std::string>& taken) {
    const std::filesystem::path path(name);
    const std::string stem = path.has_extension() ? path.stem().string() : name;
    const std::string extension = path.has_extension() ? path.extension().string() : "";
    std::string candidate = name;
    const auto inUse = [&](const std::string& file) {
        std::error_code error;
        return taken.contains(file) ||
               std::filesystem::symlink_status(folder / file, error).type() !=
                   std::filesystem::file_type::not_found;
    };
    for (int n = 2; inUse(candidate); ++n) {
        candidate = stem;
        candidate += " (" + std::to_string(n) + ")";
        candidate += extension;
    }
    taken.insert(candidate);
    return candidate;
}

}  // namespace

Outcome<void> ExtractClips(std::ostream& out, const Project& project,
                           const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return Refusal{RefusalKind::CannotWrite,
                       "cannot make the folder " + folder.string() + ": " + error.message()};
    }
    std::set<std::string> taken;
    for (std::size_t line = 0; line < project.summary.clips.size(); ++line) {
        const std::size_t entry = project.summary.clips[line].entry;
        const std::string fallback = "clip " + std::to_string(line) + ".wav";
        const std::filesystem::path path =
            folder / UniqueName(folder, ClipFileName(project.entries[entry].name, fallback), taken);
        if (auto written = WriteClipWave(project, entry, path); !written.ok()) return written;
        out << path.string() << '\n';
    }
    return {};
}

Outcome<void> WriteRepeatWaveFile(const Project& project, std::size_t line,
                                  const std::filesystem::path& output,
                                  const std::filesystem::path& projectPath) {
    if (IsSameFile(output, projectPath)) {
        return Refusal{RefusalKind::CannotWrite, "will not write over the project itself"};
    }
    const auto& clips = project.summary.clips;
    if (line >= clips.size()) {
        return Refusal{RefusalKind::BadArgument, "there is no clip on line " +
                                                     std::to_string(line) + "; the project has " +
                                                     std::to_string(clips.size())};
    }
    const std::size_t entry = clips[line].entry;
    const auto wave = BuildRepeatWave(project.block(entry), project.entries[entry].waveBits);
    if (!wave.ok()) return wave.refusal();
    return WriteWholeFile(output, wave.value());
}

}  // namespace tambrelox::spjinfo
