#include "core/project/project_tree.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "core/base/text.h"

namespace tambrelox {
namespace {

namespace fs = std::filesystem;

bool HasProjectExtension(const fs::path& path) {
    return AsciiUpper(path.extension().string()) == ".SPJ";
}

// Both paths canonical.
bool IsInside(const fs::path& path, const fs::path& folder) {
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first ==
           folder.end();
}

class TreeWalk {
  public:
    explicit TreeWalk(const std::vector<std::string>& roots) {
        for (const std::string& root : roots) {
            std::error_code error;
            if (!fs::is_directory(root, error)) {
                tree_.files.push_back(root);
                continue;
            }
            if (auto canonical = fs::canonical(root, error); !error) insides_.push_back(canonical);
            folders_.emplace_back(root);
        }
    }

    ProjectTree Walk() && {
        while (!folders_.empty()) {
            const fs::path folder = std::move(folders_.back());
            folders_.pop_back();
            List(folder);
        }
        return std::move(tree_);
    }

  private:
    void List(const fs::path& folder) {
        std::error_code error;
        fs::directory_iterator entry(folder, error);
        for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
            std::error_code typeError;
            const fs::file_status status = entry->symlink_status(typeError);
            if (fs::is_directory(status)) {
                folders_.push_back(entry->path());
            } else if (HasProjectExtension(entry->path()) &&
                       (!fs::is_symlink(status) || LeadsInside(entry->path()))) {
                tree_.files.push_back(entry->path().string());
            }
        }
        if (error) {
            tree_.unlistedFolders.emplace_back(
                folder.string(), Refusal{RefusalKind::CannotOpen,
                                         "the folder cannot be read (" + error.message() + ")"});
        }
    }

    [[nodiscard]] bool LeadsInside(const fs::path& link) const {
        std::error_code error;
        const fs::path target = fs::canonical(link, error);
        if (error || fs::is_directory(target, error)) return false;
        return std::any_of(insides_.begin(), insides_.end(),
                           [&](const fs::path& inside) { return IsInside(target, inside); });
    }

    std::vector<fs::path> folders_;  // still to be listed
    std::vector<fs::path> insides_;  // the roots' real paths
    ProjectTree tree_;
};

// Keeps the first path, in sorted order, of every file.
void SortAndDropRepeats(std::vector<std::string>& files) {
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    std::set<std::pair<dev_t, ino_t>> seen;
    std::erase_if(files, [&seen](const std::string& path) {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) return false;  // the reader says why
        return !seen.insert({status.st_dev, status.st_ino}).second;
    });
}

}  // namespace

ProjectTree FindProjectFiles(const std::vector<std::string>& roots) {
    ProjectTree tree = TreeWalk(roots).Walk();
    SortAndDropRepeats(tree.files);
    std::sort(tree.unlistedFolders.begin(), tree.unlistedFolders.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    return tree;
}

}  // namespace tambrelox
