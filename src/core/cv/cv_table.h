#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/outcome.h"
#include "core/cv/cv_names.h"
#include "core/grid/grid_model.h"
#include "core/project/project.h"

namespace tambrelox {

inline constexpr std::string_view kCVGridFormat = "^CV|CV Name|^Hex|^Dec|^Binary";
inline constexpr std::array<int, 5> kCVColumnTwips{800, 2400, 800, 800, 1200};

namespace cv_column {
inline constexpr int kLabel = 0;
inline constexpr int kName = 1;
inline constexpr int kHex = 2;
inline constexpr int kDec = 3;
inline constexpr int kBinary = 4;
}  // namespace cv_column

// Eight "0"/"1" characters, most significant bit first.
[[nodiscard]] std::string BinaryDigits(std::uint8_t value);

// Empties the grid down to its heading row and sets the columns up for the CV table.
void PrepareCVGrid(GridModel& grid);

// The value of startup CV `cv`; empty where the block is cut short before it.
[[nodiscard]] std::optional<std::uint8_t> StartupCV(const Project& project, int cv);

// Adds one row for each CV 1 to 255: label, name, hex, decimal (with a
// trailing space, its cell carrying the value) and binary.
void BuildCVRows(const Project& project, const CVNames& names, GridModel& grid);

// The CV window's table: prepared, with the custom names the project's text
// gives, and one row for each CV.
[[nodiscard]] GridModel CVGrid(const Project& project);

// Whether all 255 startup CV values lie inside the file. The reader lets a
// project whose CV block is cut short through, so that its summary, text and
// clips stay usable; the CV views ask here first and refuse it, naming
// `fileName` and the directory record.
[[nodiscard]] Outcome<void> CheckStartupCVs(const Project& project, std::string_view fileName);

}  // namespace tambrelox
