#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/base/file_bytes.h"
#include "core/sound/clip_file_name.h"
#include "core/sound/clip_list.h"
#include "core/sound/clip_wave.h"
#include "core/sound/repeat_wave.h"
#include "core/sound/temp_waves.h"
#include "player_fixtures.h"

namespace tambrelox {
namespace {

using testkit::BlockBytes;
using testkit::FileBytes;
using testkit::ReadClips;
using testkit::ScratchFolder;

std::shared_ptr<const Project> OneClip() {
    return ReadClips(std::move(fixture::SpjBuilder().Clip(
        1, "tone.wav", fixture::MakeWave(fixture::Tone(440, 0.5), 16), 2)));
}

TEST(WriteWholeFile, RefusesToFollowALinkPlantedInPlaceOfTheFile) {
    const ScratchFolder folder;
    const auto target = folder.path() / "elsewhere";
    const auto link = folder.path() / "TempSound.wav";
    std::filesystem::create_symlink(target, link);
    const auto written = WriteWholeFile(link, std::vector<std::uint8_t>{1, 2, 3});
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.refusal().kind, RefusalKind::CannotWrite);
    EXPECT_EQ(written.refusal().message,
              "cannot write " + link.string() + ": it is a symbolic link");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(TempWaves, KeepsBothFilesInAPrivateFolderAndRemovesItWhenDone) {
    const ScratchFolder parent;
    const auto project = OneClip();
    std::filesystem::path folder;
    {
        const TempWaves temps(parent.path());
        folder = temps.Folder();
        EXPECT_EQ(folder.parent_path(), parent.path());
        struct stat status {};
        ASSERT_EQ(::stat(folder.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777U, 0700U) << "nobody else can plant or read files there";

        ASSERT_TRUE(temps.WriteClip(*project, 0).ok());
        EXPECT_EQ(temps.ClipPath(), folder / "TempSound.wav");
        EXPECT_EQ(FileBytes(temps.ClipPath()), BlockBytes(*project, 0));
        ASSERT_TRUE(temps.BuildRepeat(16).ok());
        EXPECT_EQ(temps.RepeatPath(), folder / "TempSound.wav2");
        EXPECT_EQ(FileBytes(temps.RepeatPath()), BuildRepeatWave(project->block(0), 16).value());

        temps.DeleteTempWaves();
        EXPECT_FALSE(std::filesystem::exists(temps.ClipPath()));
        temps.DeleteTempWaves();  // nothing left to delete is fine
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(TempWaves, FailsEveryWriteWhereNoFolderCanBeMade) {
    const auto project = OneClip();
    const TempWaves temps("/nonexistent-parent");
    EXPECT_EQ(temps.Folder(), "/nonexistent-parent")
        << "the message names where the files should have gone";
    for (const Outcome<void>& write : {temps.WriteClip(*project, 0), temps.BuildRepeat(8)}) {
        ASSERT_FALSE(write.ok());
        EXPECT_EQ(write.refusal().kind, RefusalKind::CannotWrite);
    }
}

TEST(TempWaves, RepeatFailsWithoutAClipFileOrWithAHeaderItCannotUse) {
    const ScratchFolder parent;
    const TempWaves temps(parent.path());
    const auto unwritten = temps.BuildRepeat(8);
    ASSERT_FALSE(unwritten.ok());
    EXPECT_EQ(unwritten.refusal().kind, RefusalKind::CannotOpen) << "no clip written yet";
    ASSERT_TRUE(WriteWholeFile(temps.ClipPath(), std::vector<std::uint8_t>(100, 'x')).ok());
    const auto headerless = temps.BuildRepeat(8);
    ASSERT_FALSE(headerless.ok());
    EXPECT_EQ(headerless.refusal().kind, RefusalKind::BadWave);
    EXPECT_FALSE(std::filesystem::exists(temps.RepeatPath()));
}

TEST(PlayerCaptions, TheThreeDepthsAndPlainPlayTimesWithoutTrailingZerosOrGrouping) {
    EXPECT_EQ(ClipFormatText(8), "8 bit, Mono 11 khz");
    EXPECT_EQ(ClipFormatText(12), "12 bit, Mono 11 khz");
    EXPECT_EQ(ClipFormatText(16), "16 bit, Mono 11 khz");
    EXPECT_FALSE(ClipFormatText(24));
    EXPECT_FALSE(ClipFormatText(0));
    const NumberFormat english;
    EXPECT_EQ(PlayTimeText(2, english), "Play Time: 2 sec");
    EXPECT_EQ(PlayTimeText(0.5, english), "Play Time: 0.5 sec");
    EXPECT_EQ(PlayTimeText(0, english), "Play Time: 0 sec");
    EXPECT_EQ(PlayTimeText(1234.25, english), "Play Time: 1234.25 sec");
    EXPECT_EQ(PlayTimeText(2.5, NumberFormat{".", ","}), "Play Time: 2,5 sec");
}

TEST(ClipFileName, StaysOneSafeComponentOfThisFileSystem) {
    EXPECT_EQ(ClipFileName("whistle.wav", "x"), "whistle.wav");
    EXPECT_EQ(ClipFileName("../../etc/passwd", "x"), "_._.._etc_passwd");
    EXPECT_EQ(ClipFileName(".bashrc", "x"), "_bashrc");
    EXPECT_EQ(ClipFileName("a\x81\x9d\x1b.wav", "x"), "a___.wav");  // C1 controls, ESC
    EXPECT_EQ(ClipFileName("..", "clip 3.wav"), "clip 3.wav");
    EXPECT_EQ(ClipFileName(".", "clip 3.wav"), "clip 3.wav");
    EXPECT_EQ(ClipFileName("   ", "clip 3.wav"), "clip 3.wav");
    EXPECT_EQ(ClipFileName("bell\x01\x7f.wav", "x"), "bell__.wav");
    EXPECT_EQ(ClipFileName("caf\xe9.wav", "x"), "caf\xc3\xa9.wav");
}

// The list keeps directory order whatever the handles, decodes names for
// showing, and names a saved copy after its line where the name leaves none.
TEST(ListedClips, DirectoryOrderDecodedNamesAndFileNamesForSaving) {
    const auto tone = fixture::MakeWave(fixture::Tone(440, 0.5), 16);
    const auto project = ReadClips(std::move(fixture::SpjBuilder()
                                                 .Clip(9, "caf\xE9.wav", tone, 0)
                                                 .Clip(1, "  ", fixture::MakeWave({0, 0}, 8), 0)
                                                 .Clip(5, "sub/dir.wav", tone, 0)));
    const std::vector<ListedClip> list = ListedClips(*project);
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(std::tie(list[0].entry, list[0].name, list[0].fileName, list[0].bits),
              std::tuple(0U, "caf\u00E9.wav", "caf\u00E9.wav", 16));
    EXPECT_NEAR(list[0].playSeconds, 0.5, 1e-3);
    EXPECT_EQ(std::tie(list[1].entry, list[1].name, list[1].fileName, list[1].bits),
              std::tuple(1U, "  ", "clip 1.wav", 8));
    EXPECT_EQ(std::tie(list[2].entry, list[2].fileName), std::tuple(2U, "sub_dir.wav"));
}

}  // namespace
}  // namespace tambrelox
