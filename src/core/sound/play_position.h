#pragma once

namespace tambrelox {

// How a clip is being played.
enum class PlayKind { Once, Repeating };

// Where in a clip of `clipSeconds` a play stands once the device has processed
// `playedSeconds` of it: a repeat play starts the clip over each time round; a
// single play stays at the end while the trailing silence drains.
[[nodiscard]] double PositionInClip(double playedSeconds, double clipSeconds, PlayKind kind);

}  // namespace tambrelox
