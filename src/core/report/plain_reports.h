#pragma once

#include <string>
#include <string_view>

#include "core/base/number_format.h"
#include "core/project/chosen_file.h"
#include "core/project/project.h"

namespace tambrelox {

// The printed reports as plain text, the lines the printer gets (see
// WritePlainText), for outputs that are not a printer.
[[nodiscard]] std::string SummaryReportText(const ChosenFile& file, const Project& project,
                                            const NumberFormat& format, std::string_view printedAt);
[[nodiscard]] std::string CVReportText(const ChosenFile& file, const Project& project,
                                       std::string_view printedAt);
[[nodiscard]] std::string TextReportText(const Project& project);

}  // namespace tambrelox
