#include "core/project/recent_projects.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tambrelox {
namespace {

std::filesystem::path Absolute(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal();
}

// Files that exist are compared by identity, so links count too; a file that
// has gone can only be compared by its spelling.
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) return true;
    return Absolute(a) == Absolute(b);
}

}  // namespace

RecentProjects::RecentProjects(const std::vector<std::string>& mostRecentFirst) {
    std::for_each(mostRecentFirst.rbegin(), mostRecentFirst.rend(),
                  [this](const std::string& path) { Add(path); });
}

void RecentProjects::Add(const std::string& path) {
    Remove(path);
    paths_.insert(paths_.begin(), Absolute(path).string());
    if (paths_.size() > kMaxEntries) paths_.resize(kMaxEntries);
}

bool RecentProjects::Remove(const std::string& path) {
    return std::erase_if(paths_, [&](const std::string& kept) { return SameFile(kept, path); }) > 0;
}

}  // namespace tambrelox
