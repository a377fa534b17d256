#include "ui/mainwindow/summary_printing.h"

#include "core/report/report_frame.h"
#include "core/report/summary_printout.h"
#include "ui/shared/printout.h"

namespace tambrelox {

void PrintSummaryWithDialog(QWidget* parent, const GridModel& grid, const SessionState& state,
                            UserDialogs& dialogs) {
    PrintWithDialog(parent, dialogs, PrintoutName(state.projectFileName, "summary"),
                    [&](ColumnPrinter& printer) {
                        const std::string printedAt = PrintedNow();
                        PrintSummaryReport(printer, grid,
                                           {state.projectPath, state.projectAuthor, printedAt},
                                           state.numberFormat);
                    });
}

}  // namespace tambrelox
