#include "app/spjinfo/project_output.h"

#include <sstream>

#include "app/spjinfo/clip_output.h"
#include "app/spjinfo/summary_output.h"
#include "app/spjinfo/viewer_output.h"
#include "core/cv/cv_table.h"
#include "core/project/chosen_file.h"
#include "core/project/spj_reader.h"

namespace tambrelox::spjinfo {
namespace {

// Only these modes read the startup CV block; the others show a file whose block is cut short.
bool ShowsStartupCVs(OutputMode mode) {
    return mode == OutputMode::CVTable || mode == OutputMode::CVReport;
}

ReadExtent ExtentShown(OutputMode mode) {
    const bool soundOrCVs =
        ShowsStartupCVs(mode) || mode == OutputMode::ExtractClips || mode == OutputMode::RepeatWave;
    return soundOrCVs ? ReadExtent::WholeFile : ReadExtent::SummaryAndText;
}

}  // namespace

ShownProject ShowProject(const CommandLine& command, const std::string& path,
                         const NumberFormat& format) {
    const ChosenFile file = ChosenFromArgument(path);
    const auto outcome = ReadProjectFile(file.realPath, file.fileName, ExtentShown(command.mode));
    if (!outcome.ok()) return {{}, outcome.refusal()};
    const Project& project = outcome.value();
    if (ShowsStartupCVs(command.mode)) {
        if (const auto cvs = CheckStartupCVs(project, file.fileName); !cvs.ok())
            return {{}, cvs.refusal()};
    }
    std::ostringstream out;
    Outcome<void> written;
    switch (command.mode) {
        case OutputMode::Summary:
            WriteSummaryText(out, file, project, format);
            break;
        case OutputMode::Json:
            WriteSummaryJson(out, file, project, format);
            break;
        case OutputMode::Csv:
            WriteSummaryCsv(out, file, project);
            break;
        case OutputMode::CVTable:
            WriteCVTable(out, project);
            break;
        case OutputMode::DescriptiveText:
            WriteDescriptiveText(out, project);
            break;
        case OutputMode::SummaryReport:
            WriteSummaryReport(out, file, project, format);
            break;
        case OutputMode::CVReport:
            WriteCVReport(out, file, project);
            break;
        case OutputMode::ClipList:
            WriteClipList(out, project, format);
            break;
        case OutputMode::ExtractClips:
            written = ExtractClips(out, project, command.extractFolder);
            break;
        case OutputMode::RepeatWave:
            written = WriteRepeatWaveFile(out, project, command.repeatClip, command.repeatOutput,
                                          file.realPath);
            break;
    }
    if (!written.ok()) return {std::move(out).str(), written.refusal()};
    return {std::move(out).str(), std::nullopt};
}

}  // namespace tambrelox::spjinfo
