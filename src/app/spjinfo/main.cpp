#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/spjinfo/catalogue.h"
#include "app/spjinfo/command_line.h"
#include "app/spjinfo/diff_output.h"
#include "app/spjinfo/standard_streams.h"
#include "core/base/title_line.h"

namespace {

constexpr int kRefused = 1;
constexpr int kUsageError = 2;

int Run(int argc, char** argv) {
    using namespace tambrelox;
    const auto parsed = spjinfo::ParseCommandLine({argv + 1, argv + argc});
    if (!parsed.ok()) {
        std::cerr << "spjinfo: " << parsed.refusal().message << "\nTry 'spjinfo --help'.\n";
        return kUsageError;
    }
    const spjinfo::CommandLine& command = parsed.value();
    if (command.request == spjinfo::Request::Help) {
        std::cout << spjinfo::UsageText();
        return spjinfo::OutputWritten() ? 0 : kRefused;
    }
    if (command.request == spjinfo::Request::Version) {
        std::cout << "spjinfo " << kVersion << '\n';
        return spjinfo::OutputWritten() ? 0 : kRefused;
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
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "spjinfo: " << error.what() << '\n';
        return kRefused;
    }
}
