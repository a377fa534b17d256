#pragma once

#include "core/grid/grid_model.h"
#include "core/project/session_state.h"
#include "ui/shared/user_dialogs.h"

class QWidget;

namespace tambrelox {

// "Print this display": the clip grid as the summary report, on the printer
// the user picks. Cancelling, and any printer failure, end it silently.
void PrintSummaryWithDialog(QWidget* parent, const GridModel& grid, const SessionState& state,
                            UserDialogs& dialogs);

}  // namespace tambrelox
