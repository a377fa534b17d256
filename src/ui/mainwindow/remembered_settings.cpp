#include "ui/mainwindow/remembered_settings.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStringList>
#include <QWidget>

namespace tambrelox {
namespace {

constexpr auto kGeometryKey = "mainWindow/geometry";
constexpr auto kFolderKey = "mainWindow/lastFolder";
constexpr auto kRecentKey = "mainWindow/recentProjects";

// Where a span of `length` starts so that it lies inside the area, or at the
// area's start where it is too long for it.
int FittedStart(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, std::max(areaStart, areaStart + areaLength - length));
}

void StoreRecentProjects(const RecentProjects& recent) {
    QStringList paths;
    for (const std::string& path : recent.paths()) paths.append(QString::fromStdString(path));
    QSettings().setValue(kRecentKey, paths);
}

}  // namespace

void RestoreWindowGeometry(QWidget& window) {
    if (!window.restoreGeometry(QSettings().value(kGeometryKey).toByteArray())) return;
    // Qt brings a window that lies off every screen back onto one, but keeps a
    // size too large for it: the screen may be smaller than when it was closed.
    // The window manager keeps its frame on screen.
    QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect available = screen->availableGeometry();
    if (available.contains(window.geometry())) return;
    const QSize size = window.size().boundedTo(available.size());
    window.setGeometry(FittedStart(window.x(), size.width(), available.x(), available.width()),
                       FittedStart(window.y(), size.height(), available.y(), available.height()),
                       size.width(), size.height());
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
