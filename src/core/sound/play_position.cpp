#include "core/sound/play_position.h"

#include <algorithm>
#include <cmath>

namespace tambrelox {

double PositionInClip(double playedSeconds, double clipSeconds, PlayKind kind) {
    if (clipSeconds <= 0 || playedSeconds <= 0) return 0;
    if (kind == PlayKind::Repeating) return std::fmod(playedSeconds, clipSeconds);
    return std::min(playedSeconds, clipSeconds);
}

}  // namespace tambrelox
