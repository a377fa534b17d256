#include "core/report/diff_lines.h"

#include <optional>

#include "core/base/text.h"

namespace tambrelox {
namespace {

std::string DepthText(const std::optional<int>& depth) {
    return depth ? std::to_string(*depth) : "-";
}

std::string ClipText(const ClipFacts& clip) {
    return std::to_string(clip.handle) + " " + EscapedCell(clip.name);
}

// "FIELD BEFORE -> AFTER" for a changed field; just "content" for the sound itself.
std::string FieldChange(const ClipChange& change, ClipField field) {
    const ClipFacts& a = change.before;
    const ClipFacts& b = change.after;
    const auto from = [field](const std::string& x, const std::string& y) {
        return std::string(ClipFieldName(field)) + " " + x + " -> " + y;
    };
    switch (field) {
        case ClipField::Handle:
            return from(std::to_string(a.handle), std::to_string(b.handle));
        case ClipField::Name:
            return from(EscapedCell(a.name), EscapedCell(b.name));
        case ClipField::Size:
            return from(std::to_string(a.size), std::to_string(b.size));
        case ClipField::Bits:
            return from(std::to_string(a.bits), std::to_string(b.bits));
        case ClipField::DL:
            return from(DepthText(a.dlDepth), DepthText(b.dlDepth));
        case ClipField::Content:
            break;
    }
    return std::string(ClipFieldName(field));
}

std::string ClipChangeText(const ClipChange& change) {
    std::string text = "clip changed: " + ClipText(change.before) + ":";
    for (std::size_t f = 0; f < change.fields.size(); ++f)
        text += (f > 0 ? ", " : " ") + FieldChange(change, change.fields[f]);
    return text;
}

std::string CVChangeText(const CVChange& cv) {
    const std::string nameBefore = EscapedCell(cv.nameBefore);
    std::string text = "CV " + std::to_string(cv.cv) + " " + nameBefore + ":";
    if (cv.nameBefore != cv.nameAfter)
        text += " name " + nameBefore + " -> " + EscapedCell(cv.nameAfter);
    if (cv.valueBefore != cv.valueAfter) {
        if (cv.nameBefore != cv.nameAfter) text += ",";
        text += " value " + std::to_string(cv.valueBefore) + " -> " + std::to_string(cv.valueAfter);
    }
    return text;
}

}  // namespace

std::vector<std::string> ProjectDiffLines(const ProjectDiff& diff, std::string_view beforeName,
                                          std::string_view afterName) {
    std::vector<std::string> lines;
    for (const ClipFacts& clip : diff.removedClips)
        lines.push_back("clip removed: " + ClipText(clip));
    for (const ClipFacts& clip : diff.addedClips) lines.push_back("clip added: " + ClipText(clip));
    for (const ClipChange& change : diff.changedClips) lines.push_back(ClipChangeText(change));
    for (const ValueChange& value : diff.values)
        lines.push_back(value.name + ": " + EscapedCell(value.before) + " -> " +
                        EscapedCell(value.after));
    for (const CVChange& cv : diff.cvs) lines.push_back(CVChangeText(cv));
    if (diff.textHunks.empty()) return lines;
    lines.emplace_back("descriptive text:");
    lines.push_back("--- " + std::string(beforeName));
    lines.push_back("+++ " + std::string(afterName));
    for (const std::string& line : diff.textHunks) lines.push_back(EscapedCell(line));
    return lines;
}

}  // namespace tambrelox
