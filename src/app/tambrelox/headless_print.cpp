#include "app/tambrelox/headless_print.h"

#include "core/base/file_bytes.h"
#include "core/cv/cv_table.h"
#include "core/project/chosen_file.h"
#include "core/project/spj_reader.h"
#include "core/report/cv_printout.h"
#include "core/report/report_frame.h"
#include "core/report/summary_printout.h"
#include "core/report/text_printout.h"
#include "ui/shared/printout.h"

namespace tambrelox {

std::optional<HeadlessReport> HeadlessReportNamed(const QString& name) {
    if (name == QLatin1String("summary")) return HeadlessReport::Summary;
    if (name == QLatin1String("cvs")) return HeadlessReport::CVs;
    if (name == QLatin1String("text")) return HeadlessReport::Text;
    return std::nullopt;
}

Outcome<void> PrintFileToPdf(HeadlessReport report, const std::string& spjPath,
                             const QString& pdfPath, const NumberFormat& format) {
    const ChosenFile file = ChosenFromArgument(spjPath);
    if (IsSameFile(pdfPath.toStdString(), file.realPath)) {
        return Refusal{RefusalKind::CannotWrite, "Will not print over the project itself"};
    }
    const auto outcome = ReadProjectFile(file.realPath, file.fileName);
    if (!outcome.ok()) return outcome.refusal();
    const Project& project = outcome.value();
    if (report == HeadlessReport::CVs) {
        if (const auto cvs = CheckStartupCVs(project, file.fileName); !cvs.ok())
            return cvs.refusal();
    }
    const bool printed =
        PrintToPdf(pdfPath, QString::fromStdString(file.fileName), [&](ColumnPrinter& printer) {
            switch (report) {
                case HeadlessReport::Summary:
                    PrintProjectSummary(printer, file, project, format, PrintedNow());
                    break;
                case HeadlessReport::CVs:
                    PrintProjectCVs(printer, file, project, PrintedNow());
                    break;
                case HeadlessReport::Text:
                    PrintDescriptiveText(printer, project.descriptiveText());
                    break;
            }
        });
    if (!printed) {
        return Refusal{RefusalKind::CannotWrite, "Cannot write " + pdfPath.toStdString()};
    }
    return {};
}

}  // namespace tambrelox
