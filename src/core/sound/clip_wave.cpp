#include "core/sound/clip_wave.h"

#include "core/base/file_bytes.h"

namespace tambrelox {

Outcome<void> WriteClipWave(const Project& project, std::size_t entry,
                            const std::filesystem::path& path) {
    return WriteWholeFile(path, project.block(entry).bytes());
}

std::optional<std::string_view> ClipFormatText(int waveBits) {
    switch (waveBits) {
        case 8:
            return "8 bit, Mono 11 khz";
        case 12:
            return "12 bit, Mono 11 khz";
        case 16:
            return "16 bit, Mono 11 khz";
        default:
            return std::nullopt;
    }
}

std::string PlaySecondsText(double seconds, const NumberFormat& format) {
    std::string number = FormatUpToThreeDecimals(seconds, format);  // "2.", ".5", "11.803"
    const std::string& point = format.decimalPoint;
    if (number.ends_with(point)) number.resize(number.size() - point.size());
    if (number.empty() || number.starts_with(point)) number = "0" + number;
    return number;
}

std::string PlayTimeText(double seconds, const NumberFormat& format) {
    return "Play Time: " + PlaySecondsText(seconds, format) + " sec";
}

}  // namespace tambrelox
