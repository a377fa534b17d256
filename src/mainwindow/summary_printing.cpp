#include "mainwindow/summary_printing.h"

#include "mainwindow/report_frame.h"
#include "mainwindow/summary_printout.h"
#include "platform/printout.h"
#include "project/chosen_file.h"
#include "project/spj_reader.h"

namespace tambrelox {

void PrintSummaryWithDialog(QWidget* parent, const GridModel& grid, const SessionState& state,
                            UserDialogs& dialogs) {
    const NumberFormat format = NumberFormat::FromUserLocale();
    PrintWithDialog(
        parent, dialogs, QString::fromStdString(state.SPJFileName), [&](ColumnPrinter& printer) {
            const std::string printedAt = PrintedNow();
            PrintSummaryReport(printer, grid, {state.SPJPath, state.SPJAuthor, printedAt}, format);
        });
}

std::string PrintSummaryFileToPdf(const std::string& spjPath, const QString& pdfPath) {
    const ChosenFile file = ChosenFromArgument(spjPath);
    const auto outcome = ReadProjectFile(file.realPath, file.fileName);
    if (!outcome.ok()) return outcome.refusal().message;
    const bool printed =
        PrintToPdf(pdfPath, QString::fromStdString(file.fileName), [&](ColumnPrinter& printer) {
            PrintProjectSummary(printer, file, outcome.value(), NumberFormat::FromUserLocale(),
                                PrintedNow());
        });
    return printed ? std::string() : "Cannot write " + pdfPath.toStdString();
}

}  // namespace tambrelox
