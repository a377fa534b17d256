#include <gtest/gtest.h>

#include "core/sound/clip_list.h"
#include "player_fixtures.h"

namespace tambrelox {
namespace {

using testkit::ReadClips;

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
    EXPECT_EQ(std::tie(list[0].name, list[0].fileName, list[0].bits),
              std::tuple("caf\u00E9.wav", "caf\u00E9.wav", 16));
    EXPECT_DOUBLE_EQ(list[0].playSeconds, project->summary.clips[0].playSeconds);
    EXPECT_EQ(std::tie(list[1].name, list[1].fileName, list[1].bits),
              std::tuple("  ", "clip 1.wav", 8));
    EXPECT_EQ(list[2].fileName.find('/'), std::string::npos);
    for (std::size_t line = 0; line < list.size(); ++line) {
        EXPECT_EQ(list[line].entry, project->summary.clips[line].entry);
    }
}

}  // namespace
}  // namespace tambrelox
