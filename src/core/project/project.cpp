#include "core/project/project.h"

#include <stdexcept>

namespace tambrelox {
namespace {

ByteView Kept(const std::optional<ByteView>& bytes) {
    if (!bytes) throw std::logic_error("bytes asked for that the project was read without");
    return *bytes;
}

}  // namespace

ByteView Project::bytes() const {
    return Kept(file.Window(0, file.size()));
}

ByteView Project::block(std::size_t entry) const {
    const DirectoryEntry& e = entries.at(entry);
    return Kept(file.Window(e.offset, e.length));
}

}  // namespace tambrelox
