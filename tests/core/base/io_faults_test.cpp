#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <set>
#include <string>

#include "core/base/file_bytes.h"
#include "core/project/spj_reader.h"
#include "core/sound/temp_waves.h"
#include "injected_fault.h"
#include "player_fixtures.h"

namespace tambrelox {
namespace {

namespace fs = std::filesystem;
using testkit::Call;
using testkit::Fault;
using testkit::FileBytes;
using testkit::InjectedFault;
using testkit::ScratchFolder;
using Bytes = std::vector<std::uint8_t>;

// Every call fails with each of these in turn: EINTR, which a read or write
// retries, and two errors passed on in the system's words.
const std::vector<std::pair<int, std::string>> kErrors{{EIO, "Input/output error"},
                                                       {EINTR, "Interrupted system call"},
                                                       {ENOSPC, "No space left on device"}};
// Short counts on both sides of a page, and of a directory record.
constexpr std::size_t kShortCounts[] = {1, 127, 128, 4095, 4096, 4097};

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

// One thing the programs do with files, done in `folder`: what it read, or the file it wrote.
struct Operation {
    const char* name;
    std::string fileNamed;           // what a refusal's message names
    std::set<int> closesAfterReads;  // closes whose failure costs nothing
    std::function<Outcome<std::string>(const fs::path& folder)> run;
};

std::string Text(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

const Bytes& ProjectBytes() {
    static const Bytes bytes =
        fixture::SpjBuilder()
            .HeaderText("AUTHOR: Fault")
            .Clip(1, "tone.wav", fixture::MakeWave(fixture::Tone(440, 0.5), 16), 2)
            .Code(fixture::ProgramCode().Voice(1).Scheme(1).End())
            .StartupCVs({})
            .Text("Faults\r\n")
            .Build();
    return bytes;
}

const Project& TheProject() {
    static const Project project = ReadProject(ProjectBytes(), "test.spj").value();
    return project;
}

Outcome<std::string> ReadTotals(const fs::path& folder, ReadExtent extent) {
    auto project = ReadProjectFile(folder / "test.spj", "test.spj", extent);
    if (!project.ok()) return project.refusal();
    const Project& read = project.value();
    return read.author + "|" + std::to_string(read.summary.projectTotal) + "|" +
           std::to_string(read.summary.voiceCount) + "|" + Text(read.block(read.textEntry).bytes());
}

Outcome<std::string> Written(const Outcome<void>& write, const fs::path& path) {
    if (!write.ok()) return write.refusal();
    return Text(FileBytes(path));
}

Outcome<std::string> WriteRepeat(const fs::path& folder) {
    const TempWaves temps(folder);
    if (auto clip = temps.WriteClip(TheProject(), 0); !clip.ok()) return clip.refusal();
    return Written(temps.BuildRepeat(16), temps.RepeatPath());
}

using In = const fs::path&;
const Operation kOperations[] = {
    {"whole read", "test.spj", {1}, [](In f) { return ReadTotals(f, ReadExtent::WholeFile); }},
    {"part read", "test.spj", {1}, [](In f) { return ReadTotals(f, ReadExtent::SummaryAndText); }},
    {"repeat wave", "TempSound.wav", {2}, WriteRepeat},
    {"whole file",
     "old",
     {},
     [](In f) { return Written(WriteWholeFile(f / "old", Bytes(10000, 'p')), f / "old"); }},
};

RefusalKind KindOf(Call call) {
    if (call == Call::OpenAt) return RefusalKind::CannotOpen;
    return call == Call::Fstat || call == Call::Pread ? RefusalKind::CannotRead
                                                      : RefusalKind::CannotWrite;
}

// Runs `operation` under `fault` in a folder holding the project and a file
// named "old", and checks that neither a temporary file is left nor "old" spoilt.
Outcome<std::string> RunUnder(const Operation& operation, Fault fault,
                              std::array<int, testkit::kAllCalls.size()>* counts = nullptr) {
    const ScratchFolder folder;
    EXPECT_TRUE(WriteWholeFile(folder.path() / "test.spj", ProjectBytes()).ok());
    EXPECT_TRUE(WriteWholeFile(folder.path() / "old", Bytes{'o', 'l', 'd'}).ok());
    const auto before = Listing(folder.path());
    Outcome<std::string> result = std::string();
    {
        const InjectedFault injected(fault);
        result = operation.run(folder.path());
        EXPECT_LE(injected.FurthestRead(), ProjectBytes().size()) << "a read asked past its range";
        for (Call call : testkit::kAllCalls) {
            if (counts) (*counts)[static_cast<std::size_t>(call)] = injected.Count(call);
        }
    }
    EXPECT_EQ(Listing(folder.path()), before) << "a file was left behind";
    if (!result.ok()) {
        EXPECT_EQ(Text(FileBytes(folder.path() / "old")), "old");
    }
    return result;
}

TEST(InjectedFaults, EveryFailingCallIsRefusedWithItsReasonOrSurvived) {
    for (const Operation& operation : kOperations) {
        std::array<int, testkit::kAllCalls.size()> counts{};
        const auto clean = RunUnder(operation, Fault{}, &counts);
        ASSERT_TRUE(clean.ok()) << operation.name;
        for (Call call : testkit::kAllCalls) {
            for (int nth = 1; nth <= counts[static_cast<std::size_t>(call)]; ++nth) {
                const bool retried = call == Call::Pread || call == Call::Write;
                for (const auto& [error, reason] : kErrors) {
                    SCOPED_TRACE(std::string(operation.name) + ", call " +
                                 std::to_string(static_cast<int>(call)) + " #" +
                                 std::to_string(nth) + ", " + reason);
                    const auto result = RunUnder(operation, {call, nth, error});
                    if ((retried && error == EINTR) ||
                        (call == Call::Close && operation.closesAfterReads.contains(nth))) {
                        EXPECT_TRUE(result.ok() && result.value() == clean.value());
                        continue;
                    }
                    ASSERT_FALSE(result.ok());
                    EXPECT_EQ(result.refusal().kind, KindOf(call));
                    EXPECT_NE(result.refusal().message.find(operation.fileNamed), std::string::npos)
                        << result.refusal().message;
                    EXPECT_NE(result.refusal().message.find(reason), std::string::npos)
                        << result.refusal().message;
                }
                for (std::size_t count : kShortCounts) {
                    if (!retried) break;
                    const auto result = RunUnder(operation, {call, nth, 0, count});
                    EXPECT_TRUE(result.ok() && result.value() == clean.value())
                        << operation.name << " short by " << count << " at #" << nth;
                }
            }
        }
    }
}

TEST(IsSameFile, OnlyTwoNamesOfOneExistingFile) {
    const ScratchFolder scratch;
    const fs::path f = scratch.path();
    EXPECT_TRUE(WriteWholeFile(f / "a", Bytes{1}).ok() && WriteWholeFile(f / "b", Bytes{1}).ok());
    fs::create_hard_link(f / "a", f / "hard");
    fs::create_symlink(f / "a", f / "soft");
    fs::create_directory(f / "sub");
    const struct {
        fs::path other;
        bool same;
    } cases[] = {{f / "a", true},    {f / "hard", true},
                 {f / "soft", true}, {f / "sub" / ".." / "a", true},
                 {f / "b", false},   {f / "missing", false}};
    for (const auto& [other, same] : cases) {
        EXPECT_EQ(IsSameFile(f / "a", other), same) << other;
        EXPECT_EQ(IsSameFile(other, f / "a"), same) << other;
    }
    EXPECT_FALSE(IsSameFile(f / "missing", f / "missing"));
}

}  // namespace
}  // namespace tambrelox
