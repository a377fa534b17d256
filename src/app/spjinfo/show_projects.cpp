#include "app/spjinfo/show_projects.h"

#include <unistd.h>

#include <iostream>
#include <thread>
#include <vector>

#include "app/spjinfo/progress_line.h"
#include "app/spjinfo/project_output.h"
#include "app/spjinfo/standard_streams.h"
#include "app/spjinfo/summary_output.h"
#include "core/base/ordered_work.h"
#include "core/project/project_tree.h"

namespace tambrelox::spjinfo {
namespace {

bool IsReport(OutputMode mode) {
    return mode == OutputMode::SummaryReport || mode == OutputMode::CVReport;
}

unsigned Threads(const CommandLine& command) {
    if (command.jobs > 0) return command.jobs;
    const unsigned processors = std::thread::hardware_concurrency();
    return processors > 0 ? processors : 1;
}

}  // namespace

ExitStatus ShowProjects(const CommandLine& command) {
    ExitStatus status = ExitStatus::Success;
    std::vector<std::string> paths = command.files;
    if (command.recursive) {
        ProjectTree tree = FindProjectFiles(command.files);
        for (const auto& [path, refusal] : tree.skipped) {
            if (!Complain(path, refusal)) return ExitStatus::Failure;
            status = ExitStatus::Failure;
        }
        paths = std::move(tree.files);
    }
    if (command.mode == OutputMode::Csv) WriteSummaryCsvHeading(std::cout);

    const NumberFormat format = NumberFormat::FromUserLocale();
    std::vector<ShownProject> shown(paths.size());
    // Only a catalogue's files are many and found rather than named.
    ProgressLine progress(paths.size(), command.recursive);
    // Output to the terminal the progress line is on must not run into it.
    const bool outputOnTerminal = ::isatty(STDOUT_FILENO) == 1;
    int reportsWritten = 0;
    const auto deliver = [&](std::size_t i) {
        ShownProject result = std::move(shown[i]);
        if (outputOnTerminal || result.refusal) progress.Erase();
        if (IsReport(command.mode) && !result.refusal && reportsWritten++ > 0)
            std::cout << "\f\n";  // each report starts a page
        std::cout << result.output;
        if (result.refusal) {
            if (!Complain(paths[i], *result.refusal)) return false;
            status = ExitStatus::Failure;
        }
        // Flushed only for a terminal, where the progress line shares the
        // screen; elsewhere the buffer goes out as it fills, and a failed
        // write shows at once in the stream, while errno still tells why.
        if ((outputOnTerminal || !std::cout) && !OutputWritten()) return false;
        progress.Update(i + 1);
        return true;
    };
    const auto work = [&](std::size_t i) { shown[i] = ShowProject(command, paths[i], format); };
    if (!RunInOrder(paths.size(), Threads(command), work, deliver)) return ExitStatus::Failure;
    return OutputWritten() ? status : ExitStatus::Failure;
}

}  // namespace tambrelox::spjinfo
