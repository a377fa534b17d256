// Run with PULSE_SERVER naming a server that is not there: the player must
// say so at once, where a sink would wait for a state change that never comes.
#include <gtest/gtest.h>

#include "core/base/file_bytes.h"
#include "player_fixtures.h"
#include "ui/shared/audio_back_end.h"
#include "wave_synth.h"

namespace tambrelox {
namespace {

TEST(NoSoundServer, PlayReportsNoSoundDevice) {
    const testkit::ScratchFolder folder;
    const auto path = folder.path() / "clip.wav";
    ASSERT_TRUE(WriteWholeFile(path, fixture::MakeWave(fixture::Tone(440, 0.1), 8).bytes).ok());
    const auto player = MakeAudioClipPlayer();
    const Outcome<void> played = player->Play(path, PlayKind::Once);
    ASSERT_FALSE(played.ok());
    EXPECT_EQ(played.refusal().message, "The sound clip cannot be played: no sound device.");
    EXPECT_FALSE(player->IsPlaying());
}

}  // namespace
}  // namespace tambrelox
