// Project files as the programs meet them on disk: found in a folder tree,
// and remembered as the ones opened last.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/file_bytes.h"
#include "core/project/project_tree.h"
#include "core/project/recent_projects.h"
#include "player_fixtures.h"

namespace tambrelox {
namespace {

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

TEST(FindProjectFiles, ListsEachFileOnceAndSaysWhichNamesItPassesOver) {
    const testkit::ScratchFolder scratch;
    const fs::path f = scratch.path();
    fs::create_directory(f / "sub");
    for (const char* name : {"a.spj", "sub/B.SPJ", ".spj", "notes.txt"})
        std::ofstream(f / name) << "x";
    fs::create_hard_link(f / "a.spj", f / "sub/hard.spj");
    fs::create_symlink(f / "a.spj", f / "sub/inside.spj");
    fs::create_symlink(f / "gone", f / "dangling.spj");
    fs::create_symlink(f / "loop.spj", f / "loop.spj");
    fs::create_symlink(f / "sub", f / "folder.spj");

    const ProjectTree tree = FindProjectFiles({f.string()});
    EXPECT_EQ(tree.files, (Paths{f / "a.spj", f / "sub/B.SPJ"}));
    Paths skipped;
    for (const auto& [path, refusal] : tree.skipped)
        skipped.push_back(path + ": " + refusal.message);
    EXPECT_EQ(skipped, (Paths{
                           f / ".spj: it is named by an extension alone; skipped",
                           f / "dangling.spj: the link leads to no file; skipped",
                           f / "loop.spj: the link goes round in a loop; skipped",
                       }));
}

TEST(RecentProjects, KeepsTheEightOpenedLastMostRecentFirst) {
    RecentProjects recent;
    for (int i = 1; i <= 10; ++i) recent.Add("/t/p" + std::to_string(i) + ".spj");
    EXPECT_EQ(recent.paths(), (Paths{"/t/p10.spj", "/t/p9.spj", "/t/p8.spj", "/t/p7.spj",
                                     "/t/p6.spj", "/t/p5.spj", "/t/p4.spj", "/t/p3.spj"}));

    // Opening one again moves it to the front rather than repeating it.
    recent.Add("/t/p5.spj");
    EXPECT_EQ(recent.paths(), (Paths{"/t/p5.spj", "/t/p10.spj", "/t/p9.spj", "/t/p8.spj",
                                     "/t/p7.spj", "/t/p6.spj", "/t/p4.spj", "/t/p3.spj"}));
}

TEST(RecentProjects, OneFileUnderTwoSpellingsIsOneEntry) {
    const testkit::ScratchFolder folder;
    const auto real = folder.path() / "Steam" / "loco.spj";
    std::filesystem::create_directories(real.parent_path());
    ASSERT_TRUE(WriteWholeFile(real, std::vector<std::uint8_t>{1}).ok());
    const auto link = folder.path() / "link.spj";
    std::filesystem::create_symlink(real, link);

    RecentProjects recent;
    recent.Add(real.string());
    recent.Add((folder.path() / "Steam" / ".." / "Steam" / "./loco.spj").string());
    EXPECT_EQ(recent.paths(), Paths{real.string()});  // made plain

    recent.Add(link.string());
    EXPECT_EQ(recent.paths(), Paths{link.string()});  // kept as opened last

    // Letter case tells files apart on this system.
    recent.Add((folder.path() / "Steam" / "LOCO.spj").string());
    EXPECT_EQ(recent.paths().size(), 2U);

    // A file that has gone is still found by its spelling, and only its own entry goes.
    std::filesystem::remove(link);
    std::filesystem::remove(real);
    EXPECT_TRUE(recent.Remove(folder.path().string() + "//link.spj"));
    EXPECT_FALSE(recent.Remove(link.string()));
    EXPECT_EQ(recent.paths(), Paths{(folder.path() / "Steam" / "LOCO.spj").string()});
}

TEST(RecentProjects, AStoredListIsCleanedOfRepeatsAndCutToTheLimit) {
    const Paths stored{"/a.spj", "/b.spj", "/x/../a.spj", "/c.spj", "/d.spj", "/e.spj",
                       "/f.spj", "/g.spj", "/h.spj",      "/i.spj", "/j.spj"};
    EXPECT_EQ(RecentProjects(stored).paths(), (Paths{"/a.spj", "/b.spj", "/c.spj", "/d.spj",
                                                     "/e.spj", "/f.spj", "/g.spj", "/h.spj"}));
    EXPECT_TRUE(RecentProjects(Paths{}).paths().empty());
}

}  // namespace
}  // namespace tambrelox
