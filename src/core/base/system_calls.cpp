#include "core/base/system_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace tambrelox {

SystemCalls& CoreSystemCalls() {
    static SystemCalls calls{
        .openAt = [](int folder, const char* path,
                     int flags) { return ::openat(folder, path, flags); },
        .makeTemporary = ::mkostemp,
        .fstat = ::fstat,
        .read = ::read,
        .pread = ::pread,
        .write = ::write,
        .fchmod = ::fchmod,
        .fsync = ::fsync,
        .close = ::close,
        .rename = ::rename,
        .unlink = ::unlink,
    };
    return calls;
}

}  // namespace tambrelox
