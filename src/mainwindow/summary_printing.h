#pragma once

#include "platform/grid_model.h"
#include "platform/user_dialogs.h"
#include "project/session_state.h"

class QWidget;

namespace tambrelox {

// "Print this display": the clip grid as the summary report, on the printer
// the user picks. Cancelling, and any printer failure, end it silently.
void PrintSummaryWithDialog(QWidget* parent, const GridModel& grid, const SessionState& state,
                            UserDialogs& dialogs);

}  // namespace tambrelox
