#include "core/base/file_image.h"

#include <utility>

namespace tambrelox {

FileImage::FileImage(std::vector<std::uint8_t> whole) : size_(whole.size()) {
    extents_.push_back({0, std::move(whole)});
}

void FileImage::Add(std::uint64_t at, std::vector<std::uint8_t> bytes) {
    extents_.push_back({at, std::move(bytes)});
}

std::optional<ByteView> FileImage::Window(std::uint64_t at, std::uint64_t count) const {
    const std::uint64_t from = at < size_ ? at : size_;
    const std::uint64_t wanted = count < size_ - from ? count : size_ - from;
    if (wanted == 0) return ByteView();
    for (const Extent& extent : extents_) {
        const ByteView held(extent.bytes);
        if (from >= extent.at && held.contains(from - extent.at, wanted))
            return held.slice(from - extent.at, wanted);
    }
    return std::nullopt;
}

}  // namespace tambrelox
