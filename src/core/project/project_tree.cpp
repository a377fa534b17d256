#include "core/project/project_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <system_error>

#include "core/base/text.h"

namespace tambrelox {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".SPJ";

bool HasProjectExtension(std::string_view name) {
    return name.size() >= kExtension.size() &&
           AsciiUpper(std::string(name.substr(name.size() - kExtension.size()))) == kExtension;
}

// Both paths canonical.
bool IsInside(const fs::path& path, const fs::path& folder) {
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first ==
           folder.end();
}

Refusal Skipped(const std::string& why) {
    return {RefusalKind::CannotOpen, why + "; skipped"};
}

// A file found, and which file it is, so that one reached twice is listed once.
struct Found {
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    bool known = false;  // false: the file cannot be examined, the reader says why
};

class TreeWalk {
  public:
    explicit TreeWalk(const std::vector<std::string>& roots) {
        for (const std::string& root : roots) {
            std::error_code error;
            if (!fs::is_directory(root, error)) {
                AddByStatus(root, root);
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
        ProjectTree tree;
        tree.skipped = std::move(skipped_);
        std::sort(found_.begin(), found_.end(),
                  [](const Found& a, const Found& b) { return a.path < b.path; });
        std::set<std::pair<dev_t, ino_t>> seen;
        std::string previous;
        for (Found& file : found_) {
            if (file.path == previous) continue;
            previous = file.path;
            if (file.known && !seen.insert({file.device, file.inode}).second) continue;
            tree.files.push_back(std::move(file.path));
        }
        std::sort(tree.skipped.begin(), tree.skipped.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        return tree;
    }

  private:
    // The type and inode come from the listing itself: a plain file costs no call of its own.
    void List(const fs::path& folder) {
        const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
        struct stat folderStatus {};
        if (!listing || ::fstat(::dirfd(listing.get()), &folderStatus) != 0) {
            Unlisted(folder, errno);
            return;
        }
        errno = 0;
        while (const dirent* entry = ::readdir(listing.get())) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..") continue;
            unsigned char type = entry->d_type;
            if (type == DT_UNKNOWN) {
                struct stat status {};
                if (::fstatat(::dirfd(listing.get()), entry->d_name, &status,
                              AT_SYMLINK_NOFOLLOW) == 0)
                    type = static_cast<unsigned char>(IFTODT(status.st_mode));
            }
            const fs::path path = folder / name;
            if (type == DT_DIR) {
                folders_.push_back(path);
            } else if (name.size() == kExtension.size() && HasProjectExtension(name)) {
                skipped_.emplace_back(path.string(), Skipped("it is named by an extension alone"));
            } else if (HasProjectExtension(name) && type == DT_LNK) {
                AddLinked(path);
            } else if (HasProjectExtension(name)) {
                found_.push_back({path.string(), folderStatus.st_dev, entry->d_ino, true});
            }
            errno = 0;
        }
        if (errno != 0) Unlisted(folder, errno);
    }

    void Unlisted(const fs::path& folder, int error) {
        skipped_.emplace_back(
            folder.string(),
            Refusal{RefusalKind::CannotOpen,
                    "the folder cannot be read (" + std::string(std::strerror(error)) + ")"});
    }

    // Followed only to a file inside the roots, so the walk never leaves them.
    void AddLinked(const fs::path& link) {
        std::error_code error;
        const fs::path target = fs::canonical(link, error);
        if (error == std::errc::too_many_symbolic_link_levels) {
            skipped_.emplace_back(link.string(), Skipped("the link goes round in a loop"));
            return;
        }
        if (error) {
            skipped_.emplace_back(link.string(), Skipped("the link leads to no file"));
            return;
        }
        if (fs::is_directory(target, error)) return;
        if (std::any_of(insides_.begin(), insides_.end(),
                        [&](const fs::path& inside) { return IsInside(target, inside); }))
            AddByStatus(link.string(), target);
    }

    void AddByStatus(const std::string& path, const fs::path& file) {
        struct stat status {};
        const bool known = ::stat(file.c_str(), &status) == 0;
        found_.push_back({path, status.st_dev, status.st_ino, known});
    }

    std::vector<fs::path> folders_;  // still to be listed
    std::vector<fs::path> insides_;  // the roots' real paths
    std::vector<Found> found_;
    std::vector<std::pair<std::string, Refusal>> skipped_;
};

}  // namespace

ProjectTree FindProjectFiles(const std::vector<std::string>& roots) {
    return TreeWalk(roots).Walk();
}

}  // namespace tambrelox
