#include "core/base/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>

#include "core/base/system_calls.h"

namespace tambrelox {
namespace {

// Closes the descriptor when the scope ends; `close()` hands its result to the caller.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) CoreSystemCalls().close(fd_);
    }
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    [[nodiscard]] int release() { return std::exchange(fd_, -1); }
    [[nodiscard]] bool close() {
        const int fd = fd_;
        fd_ = -1;
        return CoreSystemCalls().close(fd) == 0;
    }

  private:
    int fd_;
};

// `error` is the system's reason, or 0 where the file ended before the bytes asked for.
Refusal CannotRead(std::uint64_t offset, int error) {
    const std::string why = error != 0 ? std::strerror(error) : "it ended early";
    return {RefusalKind::CannotRead, "the file cannot be read (" + why + ")",
            Place{Place::In::FileOffset, offset}};
}

Refusal FarTooLarge() {
    return {RefusalKind::TooLarge, "the file is far too large"};
}

// What open() with 0666 gives a new file, as other tools make theirs: mkstemp()
// makes its file private.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);  // the mask can only be read by setting it
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

Outcome<ReadableFile> ReadableFile::Open(const std::filesystem::path& path) {
    return OpenAt(AT_FDCWD, path);
}

Outcome<ReadableFile> ReadableFile::OpenAt(int folder, const std::filesystem::path& path) {
    // Non-blocking, so that a pipe given as the file is refused below rather than waited on;
    // reads from a regular file are not affected.
    FileDescriptor file(
        CoreSystemCalls().openAt(folder, path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        return Refusal{RefusalKind::CannotOpen,
                       "the file cannot be opened (" + std::string(std::strerror(errno)) + ")"};
    }
    // Type and size come from the descriptor the bytes are read from, so the
    // name cannot be pointed at another file in between.
    struct stat status {};
    if (CoreSystemCalls().fstat(file.get(), &status) != 0) return CannotRead(0, errno);
    if (!S_ISREG(status.st_mode)) return Refusal{RefusalKind::NotAFile, "it is not a file"};
    if (status.st_size < 0 || static_cast<std::uint64_t>(status.st_size) > kLargestFileRead) {
        return FarTooLarge();
    }
    return ReadableFile(file.release(), static_cast<std::uint64_t>(status.st_size));
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) CoreSystemCalls().close(fd_);
}

Outcome<std::vector<std::uint8_t>> ReadableFile::Read(std::uint64_t at, std::uint64_t count) const {
    if (at > size_ || count > size_ - at) return CannotRead(at > size_ ? size_ : at, 0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = CoreSystemCalls().pread(fd_, bytes.data() + done, bytes.size() - done,
                                                    static_cast<off_t>(at + done));
        if (got < 0 && errno == EINTR) continue;
        // An error, or the file shrank under us.
        if (got <= 0) return CannotRead(at + done, got < 0 ? errno : 0);
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

Outcome<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
    const auto file = ReadableFile::Open(path);
    if (!file.ok()) return file.refusal();
    return file.value().Read(0, file.value().size());
}

Outcome<std::vector<std::uint8_t>> ReadStandardInput() {
    constexpr std::size_t kChunk = std::size_t{64} * 1024;
    std::vector<std::uint8_t> bytes;
    for (;;) {
        const std::size_t done = bytes.size();
        if (done > kLargestFileRead) return FarTooLarge();
        bytes.resize(done + kChunk);
        const ssize_t got = CoreSystemCalls().read(STDIN_FILENO, bytes.data() + done, kChunk);
        bytes.resize(done + static_cast<std::size_t>(got > 0 ? got : 0));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return CannotRead(done, errno);
        if (got == 0) return bytes;
    }
}

Outcome<void> WriteWholeFile(const std::filesystem::path& path,
                             std::span<const std::uint8_t> bytes) {
    const auto cannot = [&path](int error) {
        return Refusal{RefusalKind::CannotWrite,
                       "cannot write " + path.string() + ": " + std::strerror(error)};
    };
    // A link in the file's place may have been planted there; neither follow nor replace it.
    struct stat target {};
    const bool replacing = ::lstat(path.c_str(), &target) == 0;
    if (replacing && S_ISLNK(target.st_mode)) {
        return Refusal{RefusalKind::CannotWrite,
                       "cannot write " + path.string() + ": it is a symbolic link"};
    }
    // Written beside the target and renamed over it only once complete, so a
    // failure never leaves half a file or spoils the one that was there.
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary = (folder / ".tambrelox-XXXXXX").string();
    const SystemCalls& system = CoreSystemCalls();
    FileDescriptor file(system.makeTemporary(temporary.data(), O_CLOEXEC));
    if (!file.valid()) return cannot(errno);
    const auto abandon = [&](int error) {
        system.unlink(temporary.c_str());
        return cannot(error);
    };
    // A replaced file keeps its permissions.
    const mode_t mode = replacing ? target.st_mode & 07777 : NewFileMode();
    if (system.fchmod(file.get(), mode) != 0) return abandon(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = system.write(file.get(), bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return abandon(put < 0 ? errno : EIO);
        done += static_cast<std::size_t>(put);
    }
    if (system.fsync(file.get()) != 0 || !file.close()) return abandon(errno);
    if (system.rename(temporary.c_str(), path.c_str()) != 0) return abandon(errno);
    return {};
}

Outcome<void> FlushOutput(std::ostream& out) {
    if (out.flush()) return {};
    // A stream stops writing at its first failure, so errno still holds its reason.
    return Refusal{RefusalKind::CannotWrite, std::strerror(errno != 0 ? errno : EIO)};
}

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

}  // namespace tambrelox
