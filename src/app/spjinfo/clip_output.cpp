#include "app/spjinfo/clip_output.h"

#include <charconv>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "app/spjinfo/tab_separated.h"
#include "core/base/file_bytes.h"
#include "core/sound/clip_list.h"
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

std::optional<std::size_t> LineNumber(const std::string& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The line of the player's list `clip` stands for: digits are a line number,
// anything else a name that must name exactly one clip.
Outcome<std::size_t> PlayerLine(const std::vector<ListedClip>& list, const std::string& clip) {
    const std::size_t lines = list.size();
    if (const std::optional<std::size_t> line = LineNumber(clip)) {
        if (*line < lines) return *line;
        return Refusal{RefusalKind::BadArgument, "there is no clip on line " + clip +
                                                     "; the project has " + std::to_string(lines)};
    }
    std::optional<std::size_t> found;
    for (std::size_t line = 0; line < lines; ++line) {
        if (list[line].name != clip) continue;
        if (found) {
            return Refusal{RefusalKind::BadArgument,
                           "more than one clip is named " + clip + "; give its line number"};
        }
        found = line;
    }
    if (!found) return Refusal{RefusalKind::BadArgument, "no clip is named " + clip};
    return *found;
}

}  // namespace

void WriteClipList(std::ostream& out, const Project& project, const NumberFormat& format) {
    const std::vector<ListedClip> list = ListedClips(project);
    for (std::size_t line = 0; line < list.size(); ++line) {
        WriteRow(out, {std::to_string(line), list[line].name, std::to_string(list[line].bits),
                       PlaySecondsText(list[line].playSeconds, format)});
    }
}

Outcome<void> ExtractClips(std::ostream& out, const Project& project,
                           const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return Refusal{RefusalKind::CannotWrite,
                       "cannot make the folder " + folder.string() + ": " + error.message()};
    }
    std::set<std::string> taken;
    for (const ListedClip& clip : ListedClips(project)) {
        const std::filesystem::path path = folder / UniqueName(folder, clip.fileName, taken);
        if (auto written = WriteClipWave(project, clip.entry, path); !written.ok()) return written;
        out << path.string() << '\n';
    }
    return {};
}

Outcome<void> WriteRepeatWaveFile(std::ostream& standardOutput, const Project& project,
                                  const std::string& clip, const std::string& output,
                                  const std::filesystem::path& projectPath) {
    const bool toStandardOutput = output == kStandardOutput;
    if (!toStandardOutput && IsSameFile(output, projectPath)) {
        return Refusal{RefusalKind::CannotWrite, "will not write over the project itself"};
    }
    const std::vector<ListedClip> list = ListedClips(project);
    const auto line = PlayerLine(list, clip);
    if (!line.ok()) return line.refusal();
    const ListedClip& listed = list[line.value()];
    const auto wave = BuildRepeatWave(project.block(listed.entry), listed.bits);
    if (!wave.ok()) return wave.refusal();
    if (!toStandardOutput) return WriteWholeFile(output, wave.value());
    standardOutput.write(reinterpret_cast<const char*>(wave.value().data()),
                         static_cast<std::streamsize>(wave.value().size()));
    return {};
}

}  // namespace tambrelox::spjinfo
