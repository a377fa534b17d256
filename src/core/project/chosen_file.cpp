#include "core/project/chosen_file.h"

#include <filesystem>

#include "core/base/file_bytes.h"
#include "core/base/text.h"

namespace tambrelox {

ChosenFile SplitChosenPath(std::string_view absolutePath) {
    const auto slash = absolutePath.rfind('/');
    const auto nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    return {std::string(absolutePath), Utf8Lower(absolutePath.substr(0, nameStart)),
            Utf8Lower(absolutePath.substr(nameStart))};
}

ChosenFile ChosenFromArgument(const std::string& path) {
    // Standard input has no folder; the current one would be a false lead.
    if (path == kStandardInput) return {path, "", path};
    std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    // "d/" and "." name a folder by its own name, not an empty one inside it.
    if (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    ChosenFile file = SplitChosenPath(absolute);
    file.realPath = path;
    return file;
}

}  // namespace tambrelox
