#include "core/report/catalogue_row.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/base/text.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"

namespace tambrelox {
namespace {

// The shortest text that reads back as `value`, written as printf's %f or %e
// would, whichever is shorter (%f on a tie): what std::to_chars gives, which
// the WebAssembly build's library lacks for a double.
std::string PlainNumber(double value) {
    char scientific[32];
    int precision = 0;
    for (; precision < 17; ++precision) {
        (void)std::snprintf(scientific, sizeof scientific, "%.*e", precision, value);
        if (std::strtod(scientific, nullptr) == value) break;
    }
    const std::string text = scientific;
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    const int exponent = std::stoi(text.substr(e + 1));
    const auto count = static_cast<int>(digits.size());
    std::string fixed;
    if (exponent < 0) {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= count) {
        fixed = digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        const std::size_t point = static_cast<std::size_t>(exponent) + 1;
        fixed = digits.substr(0, point) + "." + digits.substr(point);
    }
    if (negative) fixed.insert(0, "-");
    return fixed.size() <= text.size() ? fixed : text;
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
