#include "ui/mainwindow/remembered_settings.h"

#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QWidget>

#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

constexpr auto kGeometryKey = "mainWindow/geometry";
constexpr auto kFolderKey = "mainWindow/lastFolder";
constexpr auto kRecentKey = "mainWindow/recentProjects";

void StoreRecentProjects(const RecentProjects& recent) {
    QStringList paths;
    for (const std::string& path : recent.paths()) paths.append(QString::fromStdString(path));
    QSettings().setValue(kRecentKey, paths);
}

}  // namespace

void RestoreWindowGeometry(QWidget& window) {
    if (!window.restoreGeometry(QSettings().value(kGeometryKey).toByteArray())) return;
    // Qt brings a window that lies off every screen back onto one, but keeps a
    // size too large for it, and may leave its title bar above the screen: the
    // screen may be smaller than when it was closed.
    FitToScreen(window);
}

void SaveWindowGeometry(const QWidget& window) {
    QSettings().setValue(kGeometryKey, window.saveGeometry());
}

QString RememberedFolder() {
    const QString folder = QSettings().value(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

RecentProjects RememberedRecentProjects() {
    std::vector<std::string> paths;
    for (const QString& path : QSettings().value(kRecentKey).toStringList()) {
        paths.push_back(path.toStdString());
    }
    return RecentProjects(paths);
}

void RememberOpenedProject(const QString& path) {
    RecentProjects recent = RememberedRecentProjects();
    recent.Add(path.toStdString());
    StoreRecentProjects(recent);
    QSettings().setValue(kFolderKey, QDir::cleanPath(QFileInfo(path).absolutePath()));
}

void ForgetRecentProject(const QString& path) {
    RecentProjects recent = RememberedRecentProjects();
    if (recent.Remove(path.toStdString())) StoreRecentProjects(recent);
}

}  // namespace tambrelox
