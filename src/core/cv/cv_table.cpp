#include "core/cv/cv_table.h"

#include <bitset>
#include <cstddef>

#include "core/project/spj_reader.h"

namespace tambrelox {
namespace {

constexpr std::uint64_t kCVStride = 2;  // CV n is the first byte of the block's 2-byte slot n

std::string HexDigits(std::uint8_t value) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    return {kDigits[value >> 4U], kDigits[value & 0x0FU]};
}

}  // namespace

std::string BinaryDigits(std::uint8_t value) {
    return std::bitset<8>(value).to_string();
}

void PrepareCVGrid(GridModel& grid) {
    grid.SetRows(1);
    grid.SetCols(static_cast<int>(kCVColumnTwips.size()));
    for (std::size_t c = 0; c < kCVColumnTwips.size(); ++c)
        grid.SetColWidth(static_cast<int>(c), kCVColumnTwips[c]);
    grid.SetFormatString(kCVGridFormat);
}

std::optional<std::uint8_t> StartupCV(const Project& project, int cv) {
    const std::uint64_t block = project.entries.at(project.cvEntry).offset;
    return project.bytes().u8(block + kCVStride * static_cast<std::uint64_t>(cv));
}

void BuildCVRows(const Project& project, const CVNames& names, GridModel& grid) {
    for (int cv = 1; cv <= kLastCV; ++cv) {
        const auto n = static_cast<std::size_t>(cv);
        // CheckStartupCVs refuses a block cut short before any view gets here.
        const auto value = StartupCV(project, cv);
        if (!value) return;
        grid.AddRow({{"CV " + std::to_string(cv)},
                     {names[n]},
                     {HexDigits(*value)},
                     {std::to_string(*value) + " ", *value},
                     {BinaryDigits(*value)}});
    }
}

GridModel CVGrid(const Project& project) {
    CVNames names;
    LoadCVNames(project, names);
    GridModel grid;
    PrepareCVGrid(grid);
    BuildCVRows(project, names, grid);
    return grid;
}

Outcome<void> CheckStartupCVs(const Project& project, std::string_view fileName) {
    const std::size_t entry = project.cvEntry;
    const std::uint64_t firstCV = std::uint64_t{project.entries.at(entry).offset} + kCVStride;
    if (project.bytes().contains(firstCV, kCVStride * (kLastCV - 1) + 1)) return {};
    return Refusal{
        RefusalKind::NotAProject,
        ProblemMessage(fileName, "the startup CV values of directory record " +
                                     std::to_string(entry + 1) + " reach past the end of the file"),
        Place{Place::In::DirectoryEntry, entry}};
}

}  // namespace tambrelox
