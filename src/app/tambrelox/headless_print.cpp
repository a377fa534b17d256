#include "app/tambrelox/headless_print.h"

#include "core/base/file_bytes.h"
#include "core/cv/cv_table.h"
#include "core/project/chosen_file.h"
#include "core/project/spj_reader.h"
#include "core/report/cv_printout.h"
#include "core/report/report_frame.h"
#include "core/report/summary_printout.h"
#include "ui/shared/printout.h"

namespace tambrelox {

std::optional<HeadlessReport> HeadlessReportNamed(const QString& name) {
    if (name == QLatin1String("summary")) return HeadlessReport::Summary;
    if (name == QLatin1String("cvs")) return HeadlessReport::CVs;
    if (name == QLatin1String("text")) return HeadlessReport::Text;
    return std::nullopt;
}

Outcome<void> PrintFileToPdf(HeadlessReport report, const std::string& spjPath,
                             const std::string& pdfPath, const NumberFormat& format,
                             std::ostream& standardOutput) {
    const ChosenFile file = ChosenFromArgument(spjPath);
    const bool toStandardOutput = pdfPath == kStandardOutput;
    if (!toStandardOutput && IsSameFile(pdfPath, file.realPath)) {
        return Refusal{RefusalKind::CannotWrite, "Will not print over the project itself"};
    }
    const auto outcome = ReadProjectFile(file.realPath, file.fileName);
    if (!outcome.ok()) return outcome.refusal();
    const Project& project = outcome.value();
    if (report == HeadlessReport::CVs) {
        if (const auto cvs = CheckStartupCVs(project, file.fileName); !cvs.ok())
            return cvs.refusal();
    }
    const Printout printout = [&](ColumnPrinter& printer) {
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
    };
    const QString documentName = QString::fromStdString(file.fileName);
    if (!toStandardOutput) {
        return PrintToPdf(QString::fromStdString(pdfPath), documentName, printout);
    }
    const auto pdf = PrintedPdf(documentName, printout);
    if (!pdf.ok()) return pdf.refusal();
    standardOutput.write(reinterpret_cast<const char*>(pdf.value().data()),
                         static_cast<std::streamsize>(pdf.value().size()));
    return {};
}

}  // namespace tambrelox
