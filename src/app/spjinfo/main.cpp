#include <iostream>
#include <string>
#include <vector>

#include "app/spjinfo/clip_output.h"
#include "app/spjinfo/command_line.h"
#include "app/spjinfo/summary_output.h"
#include "app/spjinfo/viewer_output.h"
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

}  // namespace

int main(int argc, char** argv) {
    using namespace tambrelox;
    std::ios::sync_with_stdio(false);
    const auto parsed = spjinfo::ParseCommandLine({argv + 1, argv + argc});
    if (!parsed.ok()) {
        std::cerr << "spjinfo: " << parsed.refusal().message << "\n\n" << spjinfo::UsageText();
        return kUsageError;
    }
    const spjinfo::CommandLine& command = parsed.value();
    if (command.request == spjinfo::Request::Help) {
        std::cout << spjinfo::UsageText();
        return 0;
    }
    if (command.request == spjinfo::Request::Version) {
        std::cout << "spjinfo " << kVersion << '\n';
        return 0;
    }

    const NumberFormat format = NumberFormat::FromUserLocale();
    int status = 0;
    int reportsWritten = 0;
    const auto StartReport = [&reportsWritten] {
        if (reportsWritten++ > 0) std::cout << "\f\n";  // each report starts a page
    };
    const auto refuse = [&status](const Refusal& refusal) {
        std::cout.flush();
        std::cerr << refusal.message << '\n';
        status = kRefused;
    };
    for (const std::string& path : command.files) {
        const ChosenFile file = ChosenFromArgument(path);
        const auto outcome = ReadProjectFile(file.realPath, file.fileName);
        if (!outcome.ok()) {
            refuse(outcome.refusal());
            continue;
        }
        if (ShowsStartupCVs(command.mode)) {
            if (const auto cvs = CheckStartupCVs(outcome.value(), file.fileName); !cvs.ok()) {
                refuse(cvs.refusal());
                continue;
            }
        }
        const auto complain = [&](const Outcome<void>& written) {
            if (written.ok()) return;
            std::cout.flush();
            std::cerr << "spjinfo: " << written.refusal().message << '\n';
            status = kRefused;
        };
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
            case spjinfo::OutputMode::ExtractClips:
                complain(spjinfo::ExtractClips(std::cout, outcome.value(), command.extractFolder));
                break;
            case spjinfo::OutputMode::RepeatWave:
                complain(spjinfo::WriteRepeatWaveFile(outcome.value(), command.repeatLine,
                                                      command.repeatOutput, file.realPath));
                break;
        }
    }
    return status;
}
