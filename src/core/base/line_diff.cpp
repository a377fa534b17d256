#include "core/base/line_diff.h"

#include <algorithm>
#include <cstdint>

namespace tambrelox {
namespace {

enum class Edit : char { Keep = ' ', Remove = '-', Add = '+' };

struct Step {
    Edit edit;
    std::size_t before;  // index of the line in `before` (Keep, Remove) ...
    std::size_t after;   // ... and in `after` (Keep, Add)
};

// The edit steps for the lines between a common head and tail.
void MiddleSteps(const std::vector<std::string>& a, const std::vector<std::string>& b,
                 std::size_t head, std::size_t aEnd, std::size_t bEnd, std::vector<Step>& steps) {
    const std::size_t rows = aEnd - head;
    const std::size_t cols = bEnd - head;
    if (rows * cols > kLargestLineDiff) {
        for (std::size_t i = head; i < aEnd; ++i) steps.push_back({Edit::Remove, i, head});
        for (std::size_t j = head; j < bEnd; ++j) steps.push_back({Edit::Add, aEnd, j});
        return;
    }
    // length[i][j]: the longest common subsequence of a[head + i..] and
    // b[head + j..]; under the bound, no length exceeds 2048, so 16 bits hold it.
    std::vector<std::uint16_t> length((rows + 1) * (cols + 1));
    const auto at = [cols](std::size_t i, std::size_t j) { return i * (cols + 1) + j; };
    for (std::size_t i = rows; i-- > 0;) {
        for (std::size_t j = cols; j-- > 0;) {
            length[at(i, j)] = a[head + i] == b[head + j]
                                   ? static_cast<std::uint16_t>(length[at(i + 1, j + 1)] + 1)
                                   : std::max(length[at(i + 1, j)], length[at(i, j + 1)]);
        }
    }
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < rows || j < cols) {
        if (i < rows && j < cols && a[head + i] == b[head + j]) {
            steps.push_back({Edit::Keep, head + i++, head + j++});
        } else if (j == cols || (i < rows && length[at(i + 1, j)] >= length[at(i, j + 1)])) {
            steps.push_back({Edit::Remove, head + i++, head + j});
        } else {
            steps.push_back({Edit::Add, head + i, head + j++});
        }
    }
}

// "l,n" as a unified diff's header gives a range: an empty range names the line before it.
std::string Range(std::size_t first, std::size_t count) {
    if (count == 1) return std::to_string(first + 1);
    return std::to_string(count == 0 ? first : first + 1) + "," + std::to_string(count);
}

}  // namespace

std::vector<std::string> UnifiedDiffHunks(const std::vector<std::string>& before,
                                          const std::vector<std::string>& after,
                                          std::size_t context) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    std::size_t aEnd = before.size();
    std::size_t bEnd = after.size();
    while (aEnd > head && bEnd > head && before[aEnd - 1] == after[bEnd - 1]) {
        --aEnd;
        --bEnd;
    }
    std::vector<Step> steps;
    for (std::size_t k = 0; k < head; ++k) steps.push_back({Edit::Keep, k, k});
    MiddleSteps(before, after, head, aEnd, bEnd, steps);
    for (std::size_t k = 0; aEnd + k < before.size(); ++k)
        steps.push_back({Edit::Keep, aEnd + k, bEnd + k});

    std::vector<std::string> lines;
    std::size_t next = 0;
    while (next < steps.size()) {
        const auto firstChange =
            std::find_if(steps.begin() + static_cast<std::ptrdiff_t>(next), steps.end(),
                         [](const Step& s) { return s.edit != Edit::Keep; });
        if (firstChange == steps.end()) break;
        const auto changeAt = static_cast<std::size_t>(firstChange - steps.begin());
        const std::size_t start = changeAt > context ? changeAt - context : 0;
        // The hunk runs on while the next change is no more than two contexts away.
        std::size_t end = changeAt + 1;
        for (std::size_t k = end, kept = 0; k < steps.size() && kept <= 2 * context; ++k) {
            if (steps[k].edit == Edit::Keep) {
                ++kept;
            } else {
                end = k + 1;
                kept = 0;
            }
        }
        end = std::min(end + context, steps.size());
        std::size_t removed = 0;
        std::size_t added = 0;
        for (std::size_t k = start; k < end; ++k) {
            if (steps[k].edit != Edit::Add) ++removed;
            if (steps[k].edit != Edit::Remove) ++added;
        }
        lines.push_back("@@ -" + Range(steps[start].before, removed) + " +" +
                        Range(steps[start].after, added) + " @@");
        for (std::size_t k = start; k < end; ++k) {
            const Step& step = steps[k];
            const std::string& line =
                step.edit == Edit::Add ? after[step.after] : before[step.before];
            lines.push_back(static_cast<char>(step.edit) + line);
        }
        next = end;
    }
    return lines;
}

}  // namespace tambrelox
