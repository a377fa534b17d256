#pragma once

#include <QString>

#include <optional>
#include <ostream>
#include <string>

#include "core/base/number_format.h"
#include "core/base/outcome.h"

namespace tambrelox {

// The printouts the program can make without a window.
enum class HeadlessReport { Summary, CVs, Text };

// "summary", "cvs" or "text"; nothing for any other name.
[[nodiscard]] std::optional<HeadlessReport> HeadlessReportNamed(const QString& name);

// Reads the project at `spjPath` and prints `report` of it into the PDF file
// `pdfPath` (replacing it, whole or not at all), or onto `standardOutput` when
// `pdfPath` is "-", exactly as the windows would print it with numbers in
// `format`. Refused, worded for the user, when the project cannot be read or
// the PDF file not written.
[[nodiscard]] Outcome<void> PrintFileToPdf(HeadlessReport report, const std::string& spjPath,
                                           const std::string& pdfPath, const NumberFormat& format,
                                           std::ostream& standardOutput);

}  // namespace tambrelox
