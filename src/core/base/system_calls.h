#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace tambrelox {

// The system calls through which the core reads and writes files, gathered in
// one table so that tests can put calls that fail, or come back short, in
// their place. Each behaves as the C library call of the same name; openAt
// opens relative to a folder's descriptor (AT_FDCWD for the working folder).
struct SystemCalls {
    int (*openAt)(int folder, const char* path, int flags);
    int (*makeTemporary)(char* pattern, int flags);  // mkostemp
    int (*fstat)(int fd, struct stat* status);
    ssize_t (*read)(int fd, void* buffer, std::size_t count);
    ssize_t (*pread)(int fd, void* buffer, std::size_t count, off_t at);
    ssize_t (*write)(int fd, const void* buffer, std::size_t count);
    int (*fchmod)(int fd, mode_t mode);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
};

// The table the core calls through: the real calls unless a test replaced them.
[[nodiscard]] SystemCalls& CoreSystemCalls();

}  // namespace tambrelox
