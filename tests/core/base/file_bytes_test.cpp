#include "core/base/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <limits>
#include <string>

#include "core/base/byte_view.h"
#include "player_fixtures.h"

namespace tambrelox {
namespace {

using testkit::ScratchFolder;
using Bytes = std::vector<std::uint8_t>;

RefusalKind KindOf(const Outcome<Bytes>& read) {
    EXPECT_FALSE(read.ok());
    return read.ok() ? RefusalKind::CannotRead : read.refusal().kind;
}

TEST(ReadWholeFile, ReadsEveryByteUpToTheLimit) {
    const ScratchFolder folder;
    const auto path = folder.path() / "bytes";
    const Bytes awkward{0, 13, 10, 26, 255, 0};
    ASSERT_TRUE(WriteWholeFile(path, awkward).ok());
    EXPECT_EQ(ReadWholeFile(path).value(), awkward);

    ASSERT_TRUE(WriteWholeFile(path, {}).ok());
    EXPECT_EQ(ReadWholeFile(path).value(), Bytes{});

    std::filesystem::resize_file(path, kLargestFileRead);  // sparse: no disk used
    const auto largest = ReadWholeFile(path);
    ASSERT_TRUE(largest.ok());
    EXPECT_EQ(largest.value().size(), kLargestFileRead);
}

TEST(ReadWholeFile, RefusesWhatIsNotARegularFileWithoutWaitingOnIt) {
    const ScratchFolder folder;
    EXPECT_EQ(KindOf(ReadWholeFile(folder.path())), RefusalKind::NotAFile);
    EXPECT_EQ(KindOf(ReadWholeFile("/dev/zero")), RefusalKind::NotAFile) << "it never ends";
    // A pipe with no writer would hold a blocking open forever.
    const auto pipe = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto fromPipe = ReadWholeFile(pipe);
    EXPECT_EQ(KindOf(fromPipe), RefusalKind::NotAFile);
    EXPECT_EQ(fromPipe.refusal().message, "it is not a file");
}

TEST(ReadableFile, ReadsChosenRangesAndRefusesAnyByteItDoesNotHold) {
    const ScratchFolder folder;
    const auto path = folder.path() / "bytes";
    ASSERT_TRUE(WriteWholeFile(path, Bytes{1, 2, 3, 4, 5, 6}).ok());
    const auto file = ReadableFile::Open(path);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value().size(), 6U);
    EXPECT_EQ(file.value().Read(2, 3).value(), (Bytes{3, 4, 5}));
    EXPECT_EQ(file.value().Read(6, 0).value(), Bytes{});
    for (const auto& [at, count] :
         {std::pair<std::uint64_t, std::uint64_t>{4, 3}, {7, 0}, {1, std::uint64_t{0} - 1}}) {
        const auto past = file.value().Read(at, count);
        EXPECT_EQ(KindOf(past), RefusalKind::CannotRead) << at << "+" << count;
    }
    // The file shrinking after it was opened is a short read, named where it stopped.
    std::filesystem::resize_file(path, 3);
    const auto shrunk = file.value().Read(1, 4);
    EXPECT_EQ(KindOf(shrunk), RefusalKind::CannotRead);
    EXPECT_EQ(shrunk.refusal().place, (Place{Place::In::FileOffset, 3}));
}

TEST(WriteWholeFile, MakesFilesAsOtherToolsDoAndKeepsAReplacedFilesMode) {
    const ScratchFolder folder;
    const auto path = folder.path() / "out.wav";
    const mode_t mask = ::umask(002);
    ASSERT_TRUE(WriteWholeFile(path, Bytes{1, 2, 3}).ok());
    ::umask(mask);
    struct stat made {};
    ASSERT_EQ(::stat(path.c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777U, 0664U) << "a new file is made as other tools make theirs";
    std::filesystem::permissions(
        path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_TRUE(WriteWholeFile(path, Bytes{4, 5}).ok());
    EXPECT_EQ(ReadWholeFile(path).value(), (Bytes{4, 5}));
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
        << "a replaced file keeps its permissions";
}

TEST(ByteView, RefusesEveryReadThatWouldPassTheEndAndWindowsStopThere) {
    const std::vector<std::uint8_t> bytes{1, 2, 3, 4, 5};
    const ByteView view(bytes);
    EXPECT_EQ(view.u8(4), 5);
    EXPECT_FALSE(view.u8(5));
    EXPECT_EQ(view.u32le(1), 0x05040302U);
    EXPECT_FALSE(view.u32le(2));
    EXPECT_TRUE(view.slice(5, 0));
    EXPECT_FALSE(view.slice(4, 2));
    // Sums that would wrap around 64 bits must not look small.
    constexpr auto huge = std::numeric_limits<std::uint64_t>::max();
    EXPECT_FALSE(view.slice(huge, 2));
    EXPECT_FALSE(view.slice(2, huge));
    EXPECT_FALSE(view.u32le(huge - 1));
    EXPECT_EQ(view.window(3, 1000).text(), "\x04\x05");
    EXPECT_EQ(view.window(5, 10).size(), 0U);
    EXPECT_EQ(view.window(99, 10).size(), 0U);
}

}  // namespace
}  // namespace tambrelox
