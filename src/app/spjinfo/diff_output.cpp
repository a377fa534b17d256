#include "app/spjinfo/diff_output.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>
#include <optional>

#include "app/spjinfo/standard_streams.h"
#include "core/cv/cv_table.h"
#include "core/project/chosen_file.h"
#include "core/project/spj_reader.h"
#include "core/report/diff_lines.h"

namespace tambrelox::spjinfo {
namespace {

constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

using Json = nlohmann::ordered_json;

// The project at `path`, read whole with its startup CVs checked; said on stderr when refused.
std::optional<Project> ReadForComparison(const std::string& path) {
    const ChosenFile file = ChosenFromArgument(path);
    auto outcome = ReadProjectFile(file.realPath, file.fileName);
    if (outcome.ok()) {
        const auto cvs = CheckStartupCVs(outcome.value(), file.fileName);
        if (cvs.ok()) return std::move(outcome).value();
        (void)Complain(path, cvs.refusal());
    } else {
        (void)Complain(path, outcome.refusal());
    }
    return std::nullopt;
}

std::string HashText(std::uint64_t hash) {
    char digits[17];
    (void)std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

void WritePlain(std::ostream& out, const ProjectDiff& diff, const CommandLine& command) {
    for (const std::string& line : ProjectDiffLines(diff, command.files[0], command.files[1]))
        out << line << '\n';
}

Json ClipJson(const ClipFacts& clip) {
    return {{"handle", clip.handle},
            {"name", clip.name},
            {"size", clip.size},
            {"bits", clip.bits},
            {"dl", clip.dlDepth ? Json(*clip.dlDepth) : nullptr},
            {"contentHash", HashText(clip.contentHash)}};
}

void WriteJson(std::ostream& out, const ProjectDiff& diff, const CommandLine& command) {
    Json removed = Json::array();
    for (const ClipFacts& clip : diff.removedClips) removed.push_back(ClipJson(clip));
    Json added = Json::array();
    for (const ClipFacts& clip : diff.addedClips) added.push_back(ClipJson(clip));
    Json changed = Json::array();
    for (const ClipChange& change : diff.changedClips) {
        Json fields = Json::array();
        for (const ClipField field : change.fields) fields.push_back(ClipFieldName(field));
        changed.push_back({{"before", ClipJson(change.before)},
                           {"after", ClipJson(change.after)},
                           {"fields", std::move(fields)}});
    }
    Json values = Json::array();
    for (const ValueChange& value : diff.values)
        values.push_back({{"name", value.name}, {"before", value.before}, {"after", value.after}});
    Json cvs = Json::array();
    for (const CVChange& cv : diff.cvs) {
        cvs.push_back({{"cv", cv.cv},
                       {"before", {{"value", cv.valueBefore}, {"name", cv.nameBefore}}},
                       {"after", {{"value", cv.valueAfter}, {"name", cv.nameAfter}}}});
    }
    const Json object = {
        {"before", command.files[0]},
        {"after", command.files[1]},
        {"same", diff.same()},
        {"clips",
         {{"removed", std::move(removed)},
          {"added", std::move(added)},
          {"changed", std::move(changed)}}},
        {"values", std::move(values)},
        {"cvs", std::move(cvs)},
        {"text", diff.textHunks},
    };
    // Replace rather than throw on text that is not valid UTF-8 (a file name from the file system).
    out << object.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace

int CompareProjectFiles(const CommandLine& command) {
    const std::optional<Project> before = ReadForComparison(command.files[0]);
    const std::optional<Project> after = ReadForComparison(command.files[1]);
    if (!before || !after) return kTrouble;
    const ProjectDiff diff = CompareProjects(*before, *after);
    if (command.mode == OutputMode::Json)
        WriteJson(std::cout, diff, command);
    else
        WritePlain(std::cout, diff, command);
    if (!OutputWritten()) return kTrouble;
    return diff.same() ? kSame : kDiffer;
}

}  // namespace tambrelox::spjinfo
