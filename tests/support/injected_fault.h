#pragma once

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>

#include "core/base/system_calls.h"

namespace tambrelox::testkit {

enum class Call {
    OpenAt,
    MakeTemporary,
    Fstat,
    Pread,
    Write,
    Fchmod,
    Fsync,
    Close,
    Rename,
    Unlink
};
inline constexpr std::array kAllCalls{Call::OpenAt, Call::MakeTemporary, Call::Fstat, Call::Pread,
                                      Call::Write,  Call::Fchmod,        Call::Fsync, Call::Close,
                                      Call::Rename, Call::Unlink};

// The `nth` call (from 1) of kind `call` fails with `error`, or, with error 0,
// a pread or write moves at most `shortCount` bytes.
struct Fault {
    Call call = Call::OpenAt;
    int nth = 0;  // 0: no call fails, calls are only counted
    int error = 0;
    std::size_t shortCount = 0;
};

// Puts `fault` into the core's system calls while it lives, counting every call.
class InjectedFault {
  public:
    explicit InjectedFault(Fault fault) {
        State() = {fault, {}, 0, CoreSystemCalls()};
        SystemCalls& calls = CoreSystemCalls();
        calls.openAt = Failing<Call::OpenAt, &SystemCalls::openAt>;
        calls.makeTemporary = Failing<Call::MakeTemporary, &SystemCalls::makeTemporary>;
        calls.fstat = Failing<Call::Fstat, &SystemCalls::fstat>;
        calls.fchmod = Failing<Call::Fchmod, &SystemCalls::fchmod>;
        calls.fsync = Failing<Call::Fsync, &SystemCalls::fsync>;
        calls.rename = Failing<Call::Rename, &SystemCalls::rename>;
        calls.unlink = Failing<Call::Unlink, &SystemCalls::unlink>;
        calls.pread = [](int fd, void* buffer, std::size_t count, off_t at) -> ssize_t {
            State().furthestRead =
                std::max(State().furthestRead, static_cast<std::uint64_t>(at) + count);
            return Fails(Call::Pread) ? -1
                                      : Real().pread(fd, buffer, Shortened(Call::Pread, count), at);
        };
        calls.write = [](int fd, const void* buffer, std::size_t count) -> ssize_t {
            return Fails(Call::Write) ? -1
                                      : Real().write(fd, buffer, Shortened(Call::Write, count));
        };
        calls.close = [](int fd) {
            const bool fails = Fails(Call::Close);
            const int closed = Real().close(fd);  // a failing close still closes, as Linux's does
            if (fails) errno = State().fault.error;
            return fails ? -1 : closed;
        };
    }
    ~InjectedFault() { CoreSystemCalls() = State().real; }
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;

    [[nodiscard]] int Count(Call call) const { return State().counts[Index(call)]; }
    // The end of the furthest byte range any pread asked for.
    [[nodiscard]] std::uint64_t FurthestRead() const { return State().furthestRead; }

  private:
    struct Injection {
        Fault fault;
        std::array<int, kAllCalls.size()> counts;
        std::uint64_t furthestRead;
        SystemCalls real;
    };
    static Injection& State() {
        static Injection state;
        return state;
    }
    static const SystemCalls& Real() { return State().real; }
    // The real call of `kMember`, unless it is the one that fails.
    template <Call kCall, auto kMember, typename... Args>
    static int Failing(Args... args) {
        return Fails(kCall) ? -1 : (Real().*kMember)(args...);
    }
    static std::size_t Index(Call call) { return static_cast<std::size_t>(call); }
    static bool Hit(Call call) {
        const Fault& fault = State().fault;
        return fault.call == call && State().counts[Index(call)] == fault.nth;
    }
    static bool Fails(Call call) {
        ++State().counts[Index(call)];
        if (!Hit(call) || State().fault.error == 0) return false;
        errno = State().fault.error;
        return true;
    }
    static std::size_t Shortened(Call call, std::size_t count) {
        const bool shorten = Hit(call) && State().fault.error == 0;
        return shorten ? std::min(count, State().fault.shortCount) : count;
    }
};

}  // namespace tambrelox::testkit
