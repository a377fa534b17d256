#include "core/project/project.h"

namespace tambrelox {

ByteView Project::block(std::size_t entry) const {
    const DirectoryEntry& e = entries.at(entry);
    return bytes().window(e.offset, e.length);
}

}  // namespace tambrelox
