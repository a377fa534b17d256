#include "core/project/summary.h"

#include <cmath>

#include "core/base/number_format.h"

namespace tambrelox {
namespace {

std::optional<int> DepthOfDLCode(std::uint8_t code) {
    switch (code) {
        case 0:
            return 8;
        case 1:
            return 12;
        case 2:
            return 16;
        default:
            return std::nullopt;
    }
}

std::string_view DecoderRequirement(int voices, double projectTotal) {
    if (voices > kMostVoicesOfStandardDecoders) return kPremiumOnly;
    if (projectTotal > kSmallDecoderCapacity) return kSixteenMegabit;
    return kAnyDecoder;
}

}  // namespace

double RoundUp256(double value) {
    double rounded = std::floor(value / 256.0) * 256.0;
    if (rounded < value) rounded += 256.0;
    return rounded;
}

double RescaleToDownloadDepth(double size, int waveBits, std::optional<int> dlDepth) {
    if (!dlDepth || *dlDepth == waveBits) return size;
    const int depth = *dlDepth;
    // The product comes before the division, so whole sizes stay exact where they can.
    if (waveBits == 8 && depth == 12) return size * 1.5;
    if (waveBits == 8 && depth == 16) return size * 2;
    if (waveBits == 12 && depth == 8) return size * 2 / 3;
    if (waveBits == 12 && depth == 16) return size * 4 / 3;
    if (waveBits == 16 && depth == 8) return size / 2;
    if (waveBits == 16 && depth == 12) return size * 3 / 4;
    return size;
}

ProjectSummary Summarise(const std::vector<DirectoryEntry>& entries, std::size_t codeEntry,
                         ProgramCodeCounts counts) {
    ProjectSummary summary;
    std::optional<int> dlDepth;  // an unknown DL code keeps the depth of the clip before
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const DirectoryEntry& entry = entries[k];
        if (!IsClipType(entry.type)) continue;
        if (const auto depth = DepthOfDLCode(entry.dlCode)) dlDepth = depth;
        ClipSummary clip;
        clip.entry = k;
        clip.dlDepth = dlDepth;
        clip.soundSize = RescaleToDownloadDepth(entry.size, entry.waveBits, dlDepth);
        clip.playSeconds = RoundHalfEven(clip.soundSize / kClipSampleRate, 3);
        clip.flashSize = RoundUp256(clip.soundSize);
        summary.flashTotal += clip.flashSize;
        summary.clips.push_back(clip);
    }
    summary.codeSize = RoundUp256(entries[codeEntry].size);
    summary.projectTotal = summary.flashTotal + summary.codeSize;
    summary.voiceCount = counts.voices;
    summary.schemeCount = counts.schemes;
    summary.requirement = DecoderRequirement(counts.voices, summary.projectTotal);
    return summary;
}

}  // namespace tambrelox
