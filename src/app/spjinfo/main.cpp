#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/spjinfo/clip_output.h"
#include "app/spjinfo/command_line.h"
#include "app/spjinfo/summary_output.h"
#include "app/spjinfo/viewer_output.h"
#include "core/base/file_bytes.h"
#include "core/base/title_line.h"
#include "core/cv/cv_table.h"
#include "core/project/chosen_file.h"
#include "core/project/spj_reader.h"

namespace {

constexpr int kRefused = 1;
constexpr int kUsageError = 2;

// Only these modes read the startup CV block; the others show a file whose block is cut short.
bool ShowsStartupCVs(tambrelox::spjinfo::OutputMode mode) {
    return mode == tambrelox::spjinfo::OutputMode::CVTable ||
           mode == tambrelox::spjinfo::OutputMode::CVReport;
}

// Standard output flushed; false, said on stderr, when it could not all be written.
bool OutputWritten() {
    const auto flushed = tambrelox::FlushOutput(std::cout);
    if (flushed.ok()) return true;
    std::cerr << "spjinfo: write error: " << flushed.refusal().message << '\n';
    return false;
}

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
        return OutputWritten() ? 0 : kRefused;
    }
    if (command.request == spjinfo::Request::Version) {
        std::cout << "spjinfo " << kVersion << '\n';
        return OutputWritten() ? 0 : kRefused;
    }

    const NumberFormat format = NumberFormat::FromUserLocale();
    int status = 0;
    int reportsWritten = 0;
    const auto StartReport = [&reportsWritten] {
        if (reportsWritten++ > 0) std::cout << "\f\n";  // each report starts a page
    };
    for (const std::string& path : command.files) {
        // Output so far goes out before the message, which names the file as given.
        const auto complain = [&](const Refusal& refusal) {
            if (!OutputWritten()) return false;
            std::cerr << "spjinfo: " << path << ": " << refusal.message << '\n';
            status = kRefused;
            return true;
        };
        const ChosenFile file = ChosenFromArgument(path);
        const auto outcome = ReadProjectFile(file.realPath, file.fileName);
        if (!outcome.ok()) {
            if (!complain(outcome.refusal())) return kRefused;
            continue;
        }
        if (ShowsStartupCVs(command.mode)) {
            if (const auto cvs = CheckStartupCVs(outcome.value(), file.fileName); !cvs.ok()) {
                if (!complain(cvs.refusal())) return kRefused;
                continue;
            }
        }
        Outcome<void> written;
        switch (command.mode) {
            case spjinfo::OutputMode::Summary:
                spjinfo::WriteSummaryText(std::cout, file, outcome.value(), format);
                break;
            case spjinfo::OutputMode::Json:
                spjinfo::WriteSummaryJson(std::cout, file, outcome.value(), format);
                break;
            case spjinfo::OutputMode::CVTable:
                spjinfo::WriteCVTable(std::cout, outcome.value());
                break;
            case spjinfo::OutputMode::DescriptiveText:
                spjinfo::WriteDescriptiveText(std::cout, outcome.value());
                break;
            case spjinfo::OutputMode::SummaryReport:
                StartReport();
                spjinfo::WriteSummaryReport(std::cout, file, outcome.value(), format);
                break;
            case spjinfo::OutputMode::CVReport:
                StartReport();
                spjinfo::WriteCVReport(std::cout, file, outcome.value());
                break;
            case spjinfo::OutputMode::ClipList:
                spjinfo::WriteClipList(std::cout, outcome.value(), format);
                break;
            case spjinfo::OutputMode::ExtractClips:
                written = spjinfo::ExtractClips(std::cout, outcome.value(), command.extractFolder);
                break;
            case spjinfo::OutputMode::RepeatWave:
                written =
                    spjinfo::WriteRepeatWaveFile(std::cout, outcome.value(), command.repeatClip,
                                                 command.repeatOutput, file.realPath);
                break;
        }
        if (!written.ok() && !complain(written.refusal())) return kRefused;
        // Checked file by file, while errno still tells why a write failed.
        if (!OutputWritten()) return kRefused;
    }
    return status;
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
