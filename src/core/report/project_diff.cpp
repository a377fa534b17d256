#include "core/report/project_diff.h"

#include <utility>

#include "core/base/line_diff.h"
#include "core/cv/cv_names.h"
#include "core/cv/cv_table.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"
#include "core/project/text_lines.h"

namespace tambrelox {
namespace {

// 64-bit FNV-1a: a changed clip is told apart without keeping both projects' sound side by side.
std::uint64_t ContentHash(ByteView bytes) {
    std::uint64_t hash = 0xcbf29ce484222325U;
    for (const std::uint8_t byte : bytes.bytes()) {
        hash ^= byte;
        hash *= 0x100000001b3U;
    }
    return hash;
}

std::vector<ClipFacts> ClipsOf(const Project& project) {
    const std::vector<SummaryClipRow> rows = SummaryClipRows(project);
    std::vector<ClipFacts> clips;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const SummaryClipRow& row = rows[k];
        clips.push_back({row.handle, row.name, row.fileSize, row.bits, row.dlDepth,
                         ContentHash(project.block(project.summary.clips[k].entry))});
    }
    return clips;
}

std::vector<ClipField> ChangedFields(const ClipFacts& a, const ClipFacts& b) {
    const std::pair<ClipField, bool> fields[] = {
        {ClipField::Handle, a.handle != b.handle},
        {ClipField::Name, a.name != b.name},
        {ClipField::Size, a.size != b.size},
        {ClipField::Bits, a.bits != b.bits},
        {ClipField::DL, a.dlDepth != b.dlDepth},
        {ClipField::Content, a.contentHash != b.contentHash}};
    std::vector<ClipField> changed;
    for (const auto& [field, differs] : fields) {
        if (differs) changed.push_back(field);
    }
    return changed;
}

void CompareClips(const Project& before, const Project& after, ProjectDiff& diff) {
    const std::vector<ClipFacts> a = ClipsOf(before);
    const std::vector<ClipFacts> b = ClipsOf(after);
    std::vector<std::optional<std::size_t>> partner(a.size());
    std::vector<bool> taken(b.size());
    const auto pair = [&](auto same) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            for (std::size_t j = 0; j < b.size() && !partner[i]; ++j) {
                if (taken[j] || !same(a[i], b[j])) continue;
                partner[i] = j;
                taken[j] = true;
            }
        }
    };
    pair([](const ClipFacts& x, const ClipFacts& y) { return x.handle == y.handle; });
    pair([](const ClipFacts& x, const ClipFacts& y) { return x.name == y.name; });
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!partner[i]) {
            diff.removedClips.push_back(a[i]);
        } else if (auto fields = ChangedFields(a[i], b[*partner[i]]); !fields.empty()) {
            diff.changedClips.push_back({a[i], b[*partner[i]], std::move(fields)});
        }
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (!taken[j]) diff.addedClips.push_back(b[j]);
    }
}

struct NamedValue {
    std::string_view name;
    std::string text;
    bool whole = true;
};

std::vector<NamedValue> ValuesOf(const Project& project) {
    const ProjectSummary& summary = project.summary;
    const auto whole = [](double value) {
        return std::to_string(static_cast<std::uint64_t>(value));
    };
    return {{"sound total", whole(summary.flashTotal)},
            {"code size", whole(summary.codeSize)},
            {"project total", whole(summary.projectTotal)},
            {"voices", std::to_string(summary.voiceCount)},
            {"schemes", std::to_string(summary.schemeCount)},
            {"requirement", summary.requirement, false},
            {"author", ShownAuthor(project.author), false}};
}

// The text's lines for a comparison: the CR LF ending the last line does not start another.
std::vector<std::string> ComparedTextLines(const Project& project) {
    std::vector<std::string> lines = DescriptiveTextLines(project.descriptiveText());
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

void CompareStartupCVs(const Project& before, const Project& after, ProjectDiff& diff) {
    CVNames namesBefore;
    CVNames namesAfter;
    LoadCVNames(before, namesBefore);
    LoadCVNames(after, namesAfter);
    for (int cv = 1; cv <= kLastCV; ++cv) {
        const auto n = static_cast<std::size_t>(cv);
        const std::uint8_t valueBefore = StartupCV(before, cv).value_or(0);
        const std::uint8_t valueAfter = StartupCV(after, cv).value_or(0);
        if (valueBefore != valueAfter || namesBefore[n] != namesAfter[n])
            diff.cvs.push_back({cv, valueBefore, valueAfter, namesBefore[n], namesAfter[n]});
    }
}

}  // namespace

std::string_view ClipFieldName(ClipField field) {
    switch (field) {
        case ClipField::Handle:
            return "handle";
        case ClipField::Name:
            return "name";
        case ClipField::Size:
            return "size";
        case ClipField::Bits:
            return "bits";
        case ClipField::DL:
            return "DL";
        case ClipField::Content:
            return "content";
    }
    return {};
}

bool ProjectDiff::same() const {
    return removedClips.empty() && addedClips.empty() && changedClips.empty() && values.empty() &&
           cvs.empty() && textHunks.empty();
}

ProjectDiff CompareProjects(const Project& before, const Project& after) {
    ProjectDiff diff;
    CompareClips(before, after, diff);
    const auto valuesBefore = ValuesOf(before);
    const auto valuesAfter = ValuesOf(after);
    for (std::size_t v = 0; v < valuesBefore.size(); ++v) {
        const NamedValue& a = valuesBefore[v];
        if (a.text != valuesAfter[v].text)
            diff.values.push_back({std::string(a.name), a.text, valuesAfter[v].text, a.whole});
    }
    CompareStartupCVs(before, after, diff);
    diff.textHunks = UnifiedDiffHunks(ComparedTextLines(before), ComparedTextLines(after));
    return diff;
}

}  // namespace tambrelox
