#pragma once

#include <string_view>

namespace tambrelox {

// Fixed texts the program shows, kept here so that every front end shows the
// same words (UTF-8).

// What the program is for, shown on its main window.
[[nodiscard]] std::string_view AboutText();

// A file offered that is not a sound project.
inline constexpr std::string_view kNoProjectChosen = "No Sound Project File (.spj) was selected!";

// Below the startup CV table.
inline constexpr std::string_view kCustomCVNameNote =
    "CV Names are listed for 'custom' CVs 140 and greater if available in the SPJ.  "
    "These names show in Quenderlith.";

// Shown beside a clip too long for the smallest decoders (see NeedsSizeNote).
inline constexpr std::string_view kSizeNote =
    "Max sound file play time for 4 mbits decoders is 11.8 sec,  95 sec for 16 mbit "
    "'Premium' decoders";

// Whether a clip of `playSeconds` is longer than a 4 Mbit decoder can hold.
[[nodiscard]] bool NeedsSizeNote(double playSeconds);

}  // namespace tambrelox
