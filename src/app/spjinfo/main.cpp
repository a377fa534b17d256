#include <unistd.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/spjinfo/command_line.h"
#include "app/spjinfo/diff_output.h"
#include "app/spjinfo/show_projects.h"
#include "app/spjinfo/standard_streams.h"
#include "core/base/file_bytes.h"
#include "core/base/title_line.h"

namespace {

using tambrelox::spjinfo::ExitStatus;

ExitStatus Run(int argc, char** argv) {
    using namespace tambrelox;
    const auto parsed = spjinfo::ParseCommandLine({argv + 1, argv + argc});
    if (!parsed.ok()) {
        std::cerr << "spjinfo: " << parsed.refusal().message << "\nTry 'spjinfo --help'.\n";
        return ExitStatus::UsageError;
    }
    const spjinfo::CommandLine& command = parsed.value();
    if (command.request == spjinfo::Request::Help) {
        std::cout << spjinfo::UsageText();
        return spjinfo::OutputWritten() ? ExitStatus::Success : ExitStatus::Failure;
    }
    if (command.request == spjinfo::Request::Version) {
        std::cout << VersionLine("spjinfo") << '\n';
        return spjinfo::OutputWritten() ? ExitStatus::Success : ExitStatus::Failure;
    }
    if (command.mode == spjinfo::OutputMode::RepeatWave &&
        command.repeatOutput == kStandardOutput && ::isatty(STDOUT_FILENO) == 1) {
        std::cerr << "spjinfo: will not write a wave to a terminal; redirect standard output\n";
        return ExitStatus::UsageError;
    }
    if (command.diff) return spjinfo::CompareProjectFiles(command);
    return spjinfo::ShowProjects(command);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Every expected failure is an Outcome; this is for the unexpected (no
    // memory, a file system error from the library), so that it too ends with
    // a message and a failure status rather than an abort.
    try {
        return static_cast<int>(Run(argc, argv));
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "spjinfo: " << error.what() << '\n';
        return static_cast<int>(ExitStatus::Failure);
    }
}
