#include "ui/mainwindow/remembered_settings.h"

#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
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

}  // namespace

RememberedSettings::RememberedSettings(QWidget& window) {
    window.installEventFilter(this);
    settings_.installEventFilter(this);
}

bool RememberedSettings::eventFilter(QObject* watched, QEvent* event) {
    // QSettings writes its changes on an update request it posts itself.
    if (watched == &settings_) return event->type() == QEvent::UpdateRequest && !windowPainted_;
    if (event->type() == QEvent::Paint) {
        windowPainted_ = true;
        watched->removeEventFilter(this);
        // The request held back, posted again so that the paint is handled first.
        QCoreApplication::postEvent(&settings_, new QEvent(QEvent::UpdateRequest));
    }
    return false;
}

void RememberedSettings::StoreRecentProjects(const RecentProjects& recent) {
    QStringList paths;
    for (const std::string& path : recent.paths()) paths.append(QString::fromStdString(path));
    settings_.setValue(kRecentKey, paths);
}

void RememberedSettings::RestoreWindowGeometry(QWidget& window) const {
    if (!window.restoreGeometry(settings_.value(kGeometryKey).toByteArray())) return;
    // Qt brings a window that lies off every screen back onto one, but keeps a
    // size too large for it, and may leave its title bar above the screen: the
    // screen may be smaller than when it was closed.
    FitToScreen(window);
}

void RememberedSettings::SaveWindowGeometry(const QWidget& window) {
    settings_.setValue(kGeometryKey, window.saveGeometry());
}

QString RememberedSettings::RememberedFolder() const {
    const QString folder = settings_.value(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

RecentProjects RememberedSettings::RememberedRecentProjects() const {
    std::vector<std::string> paths;
    for (const QString& path : settings_.value(kRecentKey).toStringList()) {
        paths.push_back(path.toStdString());
    }
    return RecentProjects(paths);
}

void RememberedSettings::RememberOpenedProject(const QString& path) {
    RecentProjects recent = RememberedRecentProjects();
    recent.Add(path.toStdString());
    StoreRecentProjects(recent);
    settings_.setValue(kFolderKey, QDir::cleanPath(QFileInfo(path).absolutePath()));
}

void RememberedSettings::ForgetRecentProject(const QString& path) {
    RecentProjects recent = RememberedRecentProjects();
    if (recent.Remove(path.toStdString())) StoreRecentProjects(recent);
}

}  // namespace tambrelox
