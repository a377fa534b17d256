#include "core/report/catalogue_row.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "core/base/text.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"

namespace tambrelox {
namespace {

std::string PlainNumber(double value) {
    char digits[32];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return {digits, end};
}

}  // namespace

std::vector<std::string> CatalogueHeading() {
    return {"path",      "file name",     "author",       "requirement",
            "clips",     "voices",        "schemes",      "sound total",
            "code size", "project total", "largest clip", "largest clip play seconds"};
}

std::vector<std::string> CatalogueRow(const ChosenFile& file, const Project& project) {
    const ProjectSummary& summary = project.summary;
    const std::vector<SummaryClipRow> clips = SummaryClipRows(project);
    const auto largest = std::max_element(
        clips.begin(), clips.end(),
        [](const SummaryClipRow& a, const SummaryClipRow& b) { return a.flashSize < b.flashSize; });
    const bool hasClips = largest != clips.end();
    return {file.realPath,
            Utf8Upper(file.fileName),
            ShownAuthor(project.author),
            summary.requirement,
            std::to_string(summary.clips.size()),
            std::to_string(summary.voiceCount),
            std::to_string(summary.schemeCount),
            PlainNumber(summary.flashTotal),
            PlainNumber(summary.codeSize),
            PlainNumber(summary.projectTotal),
            hasClips ? largest->name : "",
            hasClips ? PlainNumber(largest->playSeconds) : ""};
}

}  // namespace tambrelox
