#include "core/project/project_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "player_fixtures.h"

namespace tambrelox {
namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(tree.files, (std::vector<std::string>{f / "a.spj", f / "sub/B.SPJ"}));
    std::vector<std::string> skipped;
    for (const auto& [path, refusal] : tree.skipped)
        skipped.push_back(path + ": " + refusal.message);
    EXPECT_EQ(skipped, (std::vector<std::string>{
                           f / ".spj: it is named by an extension alone; skipped",
                           f / "dangling.spj: the link leads to no file; skipped",
                           f / "loop.spj: the link goes round in a loop; skipped",
                       }));
}

}  // namespace
}  // namespace tambrelox
