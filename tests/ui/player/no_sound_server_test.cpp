// Run with PULSE_SERVER naming a server that is not there: the device must
// say so at once, where a sink would wait for a state change that never comes.
#include <gtest/gtest.h>

#include "core/base/file_bytes.h"
#include "player_fixtures.h"
#include "ui/shared/audio_sink_device.h"
#include "wave_synth.h"

namespace tambrelox {
namespace {

TEST(NoSoundServer, OpenReportsNoSoundDevice) {
    const testkit::ScratchFolder folder;
    const auto path = folder.path() / "clip.wav";
    ASSERT_TRUE(WriteWholeFile(path, fixture::MakeWave(fixture::Tone(440, 0.1), 8).bytes).ok());
    AudioSinkDevice device;
    device.setSettings(
        {.deviceType = "WaveAudio", .fileName = QString::fromStdString(path.string())});
    EXPECT_EQ(device.Command(WaveCommand::Open),
              "The sound clip cannot be played: no sound device.");
    EXPECT_EQ(device.Mode(), WaveMode::NotOpen);
    EXPECT_EQ(device.Command(WaveCommand::Play), "The sound device is not open.");
    EXPECT_EQ(device.Command(WaveCommand::Close), std::nullopt);
}

}  // namespace
}  // namespace tambrelox
