#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tambrelox {

// The one way the program looks at file bytes: every read is checked against
// the end in 64-bit arithmetic, and a short read is an empty result, never a
// zero or a clamp.
class ByteView {
  public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] std::uint64_t size() const { return bytes_.size(); }

    [[nodiscard]] bool contains(std::uint64_t at, std::uint64_t count) const {
        return at <= bytes_.size() && count <= bytes_.size() - at;
    }

    [[nodiscard]] std::optional<std::uint8_t> u8(std::uint64_t at) const {
        if (!contains(at, 1)) return std::nullopt;
        return bytes_[static_cast<std::size_t>(at)];
    }

    [[nodiscard]] std::optional<std::uint32_t> u32le(std::uint64_t at) const {
        if (!contains(at, 4)) return std::nullopt;
        const auto* p = bytes_.data() + at;
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8U |
               static_cast<std::uint32_t>(p[2]) << 16U | static_cast<std::uint32_t>(p[3]) << 24U;
    }

    [[nodiscard]] std::optional<ByteView> slice(std::uint64_t from, std::uint64_t count) const {
        if (!contains(from, count)) return std::nullopt;
        return ByteView(
            bytes_.subspan(static_cast<std::size_t>(from), static_cast<std::size_t>(count)));
    }

    // Up to `count` bytes from `from`, shorter where the bytes run out; for the
    // few windows that may legitimately run into the end of the file.
    [[nodiscard]] ByteView window(std::uint64_t from, std::uint64_t count) const {
        if (from >= bytes_.size()) return {};
        const std::uint64_t available = bytes_.size() - from;
        return ByteView(
            bytes_.subspan(static_cast<std::size_t>(from),
                           static_cast<std::size_t>(count < available ? count : available)));
    }

    [[nodiscard]] std::string text() const { return {bytes_.begin(), bytes_.end()}; }
    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return bytes_; }

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace tambrelox
