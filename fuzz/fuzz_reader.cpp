// Bytes in, project or refusal out; then everything the program would show of it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/grid_model.h"
#include "project/spj_reader.h"
#include "project/summary_grid.h"
#include "project/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tambrelox;
    auto outcome = ReadProject(std::vector<std::uint8_t>(data, data + size), "fuzz.spj");
    if (!outcome.ok()) return 0;
    const Project& project = outcome.value();
    GridModel grid;
    PrepareSummaryGrid(grid);
    FillSummaryGrid(project, NumberFormat{}, grid);
    (void)Windows1252ToUtf8(project.descriptiveText().text());
    (void)Windows1252ToUtf8(CutAtNul(project.author));
    return 0;
}
