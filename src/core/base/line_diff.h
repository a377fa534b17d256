#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tambrelox {

// The hunks of a unified diff from `before` to `after`, without the two file
// name lines: "@@ -l,n +l,n @@" headers, then the lines, each led by ' ', '-'
// or '+', with up to `context` unchanged lines around each change. Empty when
// both are the same. The changes are a longest common subsequence of lines;
// past kLargestLineDiff compared line pairs, the differing middle is shown as
// removed and added whole instead.
[[nodiscard]] std::vector<std::string> UnifiedDiffHunks(const std::vector<std::string>& before,
                                                        const std::vector<std::string>& after,
                                                        std::size_t context = 3);

// Bounds the table of the subsequence search to a few megabytes.
inline constexpr std::size_t kLargestLineDiff = std::size_t{4} * 1024 * 1024;

}  // namespace tambrelox
