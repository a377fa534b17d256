#include "core/sound/clip_list.h"

#include "core/base/text.h"
#include "core/sound/clip_file_name.h"

namespace tambrelox {

std::vector<ListedClip> ListedClips(const Project& project) {
    std::vector<ListedClip> list;
    const auto& clips = project.summary.clips;
    list.reserve(clips.size());
    for (std::size_t line = 0; line < clips.size(); ++line) {
        const DirectoryEntry& entry = project.entries[clips[line].entry];
        list.push_back(
            {.entry = clips[line].entry,
             .name = Windows1252ToUtf8(entry.name),
             .bits = entry.waveBits,
             .playSeconds = clips[line].playSeconds,
             .fileName = ClipFileName(entry.name, "clip " + std::to_string(line) + ".wav")});
    }
    return list;
}

}  // namespace tambrelox
