#pragma once

#include <QStringList>

#include <optional>
#include <string>

#include "app/tambrelox/headless_print.h"
#include "core/base/outcome.h"

namespace tambrelox {

enum class DesktopRequest { Run, Help, Version };

// What the exit status says, as --help documents it.
enum class DesktopExitStatus : int {
    Success = 0,
    Failure = 1,  // the project not read, or the printout not written
    UsageError = 2,
};

struct DesktopCommandLine {
    DesktopRequest request = DesktopRequest::Run;
    std::optional<QString> file;             // the project to open, or to print
    std::optional<HeadlessReport> printout;  // --print: printed without a window
    QString pdf;                             // --pdf: where the printout goes
};

// What the arguments (the program's name first) ask for, or a BadArgument
// refusal saying in one line what is wrong with them. Needs no application
// object, so it runs before anything touches the display.
[[nodiscard]] Outcome<DesktopCommandLine> ParseDesktopCommandLine(const QStringList& arguments);

[[nodiscard]] std::string DesktopUsageText();

}  // namespace tambrelox
