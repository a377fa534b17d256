#pragma once

#include <memory>

#include "ui/shared/clip_player.h"

namespace tambrelox {

// A clip player on the real sound device. Its back end, with Qt Multimedia
// and the sound libraries beneath it, is a module loaded on the first call
// rather than at start-up. Where the module cannot be loaded, the player
// refuses every play, saying why.
[[nodiscard]] std::unique_ptr<ClipPlayer> MakeAudioClipPlayer();

}  // namespace tambrelox
