#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tambrelox {

// The projects opened last, most recent first. A file named under two
// spellings (a relative path, "..", a symbolic or hard link) is one entry,
// kept under the spelling it was last opened by.
class RecentProjects {
  public:
    // Enough to find the projects of a session or two; more would make the
    // menu harder to scan than the file dialog.
    static constexpr std::size_t kMaxEntries = 8;

    RecentProjects() = default;
    // A list as it was stored: repeats and entries past the limit are dropped.
    explicit RecentProjects(const std::vector<std::string>& mostRecentFirst);

    // Puts `path` first, made absolute.
    void Add(const std::string& path);
    // Drops the entry for the file `path` names; false when there is none.
    bool Remove(const std::string& path);

    [[nodiscard]] const std::vector<std::string>& paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};

}  // namespace tambrelox
