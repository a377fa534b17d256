#include "core/report/catalogue_row.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/base/text.h"
#include "core/grid/summary_grid.h"
#include "core/project/author.h"

namespace tambrelox {
namespace {

// A number as printf's %e writes it with the fewest digits that read back:
// its significant digits, without trailing zeros, and the power of ten of the first.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal ShortestDecimal(double value) {
    // Sizes are whole numbers well within a double's exact range; they need no search.
    if (value != 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        Decimal decimal{value < 0, std::to_string(static_cast<long long>(std::fabs(value))), 0};
        decimal.exponent = static_cast<int>(decimal.digits.size()) - 1;
        decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
        return decimal;
    }
    char scientific[32];
    for (int precision = 0; precision < 17; ++precision) {
        (void)std::snprintf(scientific, sizeof scientific, "%.*e", precision, value);
        if (std::strtod(scientific, nullptr) == value) break;
    }
    const std::string text = scientific;
    const std::size_t e = text.find('e');
    Decimal decimal{text.front() == '-', "", std::stoi(text.substr(e + 1))};
    decimal.digits = text.substr(decimal.negative ? 1 : 0, e - (decimal.negative ? 1 : 0));
    decimal.digits.erase(std::remove(decimal.digits.begin(), decimal.digits.end(), '.'),
                         decimal.digits.end());
    return decimal;
}

}  // namespace

std::string ShortestNumberText(double value) {
    const auto [negative, digits, exponent] = ShortestDecimal(value);
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    const std::string scientific =
        digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + "e" +
        (exponent < 0 ? "-" : "+") + (exponentDigits.size() < 2 ? "0" : "") + exponentDigits;
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
    const std::string sign = negative ? "-" : "";
    return sign + (fixed.size() <= scientific.size() ? fixed : scientific);
}

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
            ShortestNumberText(summary.flashTotal),
            ShortestNumberText(summary.codeSize),
            ShortestNumberText(summary.projectTotal),
            hasClips ? largest->name : "",
            hasClips ? ShortestNumberText(largest->playSeconds) : ""};
}

}  // namespace tambrelox
