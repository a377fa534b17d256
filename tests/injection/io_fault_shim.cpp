// Loaded with LD_PRELOAD into a whole program: the IO_FAULT_NTH-th call
// (from 1) of IO_FAULT_CALL (read, pread, write, fsync or rename) fails with
// errno IO_FAULT_ERRNO, or, where that is 0, moves half the bytes asked for.
// With IO_FAULT_COUNT set, the number of such calls the run made is written
// to that file when the program ends.
#include <dlfcn.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Settings {
    const char* call = std::getenv("IO_FAULT_CALL");
    long nth = std::getenv("IO_FAULT_NTH") ? std::atol(std::getenv("IO_FAULT_NTH")) : 0;
    int error = std::getenv("IO_FAULT_ERRNO") ? std::atoi(std::getenv("IO_FAULT_ERRNO")) : 0;
    const char* countFile = std::getenv("IO_FAULT_COUNT");
};

const Settings& Wanted() {
    static const Settings settings;
    return settings;
}

std::atomic<long> calls{0};

enum class Fate { Pass, Fail, Shorten };

Fate FateOf(const char* name) {
    if (Wanted().call == nullptr || std::strcmp(Wanted().call, name) != 0) return Fate::Pass;
    if (++calls != Wanted().nth) return Fate::Pass;
    if (Wanted().error == 0) return Fate::Shorten;
    errno = Wanted().error;
    return Fate::Fail;
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

std::size_t Count(Fate fate, std::size_t count) {
    return fate == Fate::Shorten && count > 1 ? count / 2 : count;
}

__attribute__((destructor)) void ReportCount() {
    if (Wanted().countFile == nullptr) return;
    if (std::FILE* out = std::fopen(Wanted().countFile, "w")) {
        std::fprintf(out, "%ld\n", calls.load());
        std::fclose(out);
    }
}

}  // namespace

extern "C" {

ssize_t read(int fd, void* buffer, std::size_t count) {
    static const auto real = Next<ssize_t (*)(int, void*, std::size_t)>("read");
    const Fate fate = FateOf("read");
    return fate == Fate::Fail ? -1 : real(fd, buffer, Count(fate, count));
}

ssize_t pread(int fd, void* buffer, std::size_t count, off_t at) {
    static const auto real = Next<ssize_t (*)(int, void*, std::size_t, off_t)>("pread");
    const Fate fate = FateOf("pread");
    return fate == Fate::Fail ? -1 : real(fd, buffer, Count(fate, count), at);
}

ssize_t pread64(int fd, void* buffer, std::size_t count, off_t at) {
    return pread(fd, buffer, count, at);
}

ssize_t write(int fd, const void* buffer, std::size_t count) {
    static const auto real = Next<ssize_t (*)(int, const void*, std::size_t)>("write");
    const Fate fate = FateOf("write");
    return fate == Fate::Fail ? -1 : real(fd, buffer, Count(fate, count));
}

int fsync(int fd) {
    static const auto real = Next<int (*)(int)>("fsync");
    return FateOf("fsync") == Fate::Fail ? -1 : real(fd);
}

int rename(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("rename");
    return FateOf("rename") == Fate::Fail ? -1 : real(from, to);
}
}
