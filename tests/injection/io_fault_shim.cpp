// Loaded with LD_PRELOAD into a whole program: the IO_FAULT_NTH-th call
// (from 1) of IO_FAULT_CALL (read, pread, write, fsync or rename) fails with
// errno IO_FAULT_ERRNO, or, where that is 0, moves half the bytes asked for.
// With IO_FAULT_COUNT set, the number of such calls the run made is written
// to that file when the program ends. With IO_FAULT_PATH set, only calls on
// files below that folder count: the fonts and settings a toolkit reads on
// its own are left alone.
#include <dlfcn.h>
#include <limits.h>
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
    const char* below = std::getenv("IO_FAULT_PATH");
};

const Settings& Wanted() {
    static const Settings settings;
    return settings;
}

std::atomic<long> calls{0};

enum class Fate { Pass, Fail, Shorten };

bool Below(const char* path) {
    return Wanted().below == nullptr ||
           std::strncmp(path, Wanted().below, std::strlen(Wanted().below)) == 0;
}

bool FileBelow(int fd) {
    char link[64];
    char path[PATH_MAX] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    return ::readlink(link, path, sizeof path - 1) > 0 && Below(path);
}

bool NameBelow(const char* name) {
    char path[PATH_MAX];
    if (name[0] == '/' || ::getcwd(path, sizeof path) == nullptr) return Below(name);
    return Below(path);
}

Fate FateOf(const char* name, bool below) {
    if (Wanted().call == nullptr || std::strcmp(Wanted().call, name) != 0 || !below)
        return Fate::Pass;
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
    const Fate fate = FateOf("read", FileBelow(fd));
    return fate == Fate::Fail ? -1 : real(fd, buffer, Count(fate, count));
}

ssize_t pread(int fd, void* buffer, std::size_t count, off_t at) {
    static const auto real = Next<ssize_t (*)(int, void*, std::size_t, off_t)>("pread");
    const Fate fate = FateOf("pread", FileBelow(fd));
    return fate == Fate::Fail ? -1 : real(fd, buffer, Count(fate, count), at);
}

ssize_t pread64(int fd, void* buffer, std::size_t count, off_t at) {
    return pread(fd, buffer, count, at);
}

ssize_t write(int fd, const void* buffer, std::size_t count) {
    static const auto real = Next<ssize_t (*)(int, const void*, std::size_t)>("write");
    const Fate fate = FateOf("write", FileBelow(fd));
    return fate == Fate::Fail ? -1 : real(fd, buffer, Count(fate, count));
}

int fsync(int fd) {
    static const auto real = Next<int (*)(int)>("fsync");
    return FateOf("fsync", FileBelow(fd)) == Fate::Fail ? -1 : real(fd);
}

int rename(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("rename");
    return FateOf("rename", NameBelow(to)) == Fate::Fail ? -1 : real(from, to);
}
}
