#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/base/byte_view.h"

namespace tambrelox {

// The bytes of a file as far as they were read: all of them, or the ranges a
// caller asked for. Bytes that were not read are never made up: asking for them
// is refused, so a view can only ever see bytes the file holds.
class FileImage {
  public:
    FileImage() = default;
    explicit FileImage(std::vector<std::uint8_t> whole);             // every byte of the file
    explicit FileImage(std::uint64_t fileSize) : size_(fileSize) {}  // none yet

    [[nodiscard]] std::uint64_t size() const { return size_; }

    // Keeps `bytes`, read from the file at `at`.
    void Add(std::uint64_t at, std::vector<std::uint8_t> bytes);

    // Up to `count` bytes from `at`, shorter where the file ends (as
    // ByteView::window); empty when those bytes were not read in one piece.
    [[nodiscard]] std::optional<ByteView> Window(std::uint64_t at, std::uint64_t count) const;

  private:
    struct Extent {
        std::uint64_t at = 0;
        std::vector<std::uint8_t> bytes;
    };
    std::uint64_t size_ = 0;
    std::vector<Extent> extents_;
};

}  // namespace tambrelox
