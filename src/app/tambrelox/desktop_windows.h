#pragma once

#include "core/project/session_state.h"
#include "ui/mainwindow/tambreloxmain.h"
#include "ui/shared/user_dialogs.h"

namespace tambrelox {

// The windows the main window opens, as the desktop program has them: the CV
// window, the text window and the player on the real sound device.
[[nodiscard]] OpenedWindows DesktopWindows(SessionState& session, UserDialogs& dialogs);

}  // namespace tambrelox
