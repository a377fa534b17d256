#pragma once

#include <QObject>
#include <QSettings>
#include <QString>

#include "core/project/recent_projects.h"

class QWidget;

namespace tambrelox {

// What the main window keeps between runs, in the user's settings file, which
// the application's organisation and name choose. One store for the window's
// life: the changes made while an event is handled go to the file together,
// once the event loop runs again, and never before the window is first painted,
// which should not wait for the disk.
class RememberedSettings : public QObject {
  public:
    explicit RememberedSettings(QWidget& window);

    // The window's place and size as it was last closed, moved and cut to fit
    // the screen it comes back on.
    void RestoreWindowGeometry(QWidget& window) const;
    void SaveWindowGeometry(const QWidget& window);

    // The folder of the project opened last while it still exists, or else the home folder.
    [[nodiscard]] QString RememberedFolder() const;

    [[nodiscard]] RecentProjects RememberedRecentProjects() const;
    // Puts `path` first among the recent projects and remembers its folder.
    void RememberOpenedProject(const QString& path);
    // Takes a project that is gone off the recent projects.
    void ForgetRecentProject(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StoreRecentProjects(const RecentProjects& recent);

    QSettings settings_;
    bool windowPainted_ = false;
};

}  // namespace tambrelox
