#pragma once

#include <QString>

#include "core/project/recent_projects.h"

class QWidget;

namespace tambrelox {

// What the main window keeps between runs, in the user's settings file, which
// the application's organisation and name choose.

// The window's place and size as it was last closed, moved and cut to fit the
// screen it comes back on.
void RestoreWindowGeometry(QWidget& window);
void SaveWindowGeometry(const QWidget& window);

// The folder of the project opened last while it still exists, or else the home folder.
[[nodiscard]] QString RememberedFolder();

[[nodiscard]] RecentProjects RememberedRecentProjects();
// Puts `path` first among the recent projects and remembers its folder.
void RememberOpenedProject(const QString& path);
// Takes a project that is gone off the recent projects.
void ForgetRecentProject(const QString& path);

}  // namespace tambrelox
