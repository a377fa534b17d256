#pragma once

#include <QString>

#include <string>

#include "platform/grid_model.h"
#include "platform/user_dialogs.h"
#include "project/session_state.h"

class QWidget;

namespace tambrelox {

// "Print this display": the clip grid as the summary report, on the printer
// the user picks. Cancelling, and any printer failure, end it silently.
void PrintSummaryWithDialog(QWidget* parent, const GridModel& grid, const SessionState& state,
                            UserDialogs& dialogs);

// Reads the project at `spjPath` and prints its summary into the PDF file
// `pdfPath`, without a window. Returns what went wrong, worded for the user,
// or the empty text.
[[nodiscard]] std::string PrintSummaryFileToPdf(const std::string& spjPath, const QString& pdfPath);

}  // namespace tambrelox
