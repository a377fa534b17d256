#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/grid/summary_grid.h"
#include "core/project/spj_reader.h"
#include "spj_builder.h"

namespace tambrelox::testkit {

inline ProjectOutcome Read(const std::vector<std::uint8_t>& bytes) {
    return ReadProject(bytes, "test.spj");
}

inline ProjectOutcome Read(const fixture::SpjBuilder& builder) {
    return Read(builder.Build());
}

inline void PutField(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

// A project around the given program code, with nothing else of note.
inline fixture::SpjBuilder ProjectWithCode(const std::vector<std::uint8_t>& code) {
    fixture::SpjBuilder builder;
    builder.Entry({2, 0, code, static_cast<std::uint32_t>(code.size()), 0, "CODE"})
        .StartupCVs({})
        .Text("text");
    return builder;
}

// A summary grid of `rows` alike clip rows, enough to fill pages.
inline GridModel SummaryGridWithRows(int rows) {
    GridModel grid;
    PrepareSummaryGrid(grid);
    for (int row = 1; row <= rows; ++row) {
        grid.AddRow({{" " + std::to_string(row)},
                     {" clip.wav"},
                     {"16"},
                     {"8"},
                     {"2,048", 2048},
                     {".5", 0.5},
                     {"2,048", 2048}});
    }
    return grid;
}

}  // namespace tambrelox::testkit
