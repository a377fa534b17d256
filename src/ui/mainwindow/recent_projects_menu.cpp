#include "ui/mainwindow/recent_projects_menu.h"

#include <string>

#include <QMenu>
#include <QPoint>

namespace tambrelox {

void PopUpRecentProjects(QWidget& owner, const QPoint& globalPos, const RecentProjects& recent,
                         const std::function<void(const QString&)>& open) {
    auto* menu = new QMenu(QStringLiteral("Open Recent"), &owner);
    menu->setObjectName(QStringLiteral("recentProjects"));
    menu->setAccessibleName(menu->title());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    int number = 0;
    for (const std::string& stored : recent.paths()) {
        const QString path = QString::fromStdString(stored);
        // A number to choose it by; an & in a path is shown, not taken as one.
        const QString text = QStringLiteral("&%1  %2").arg(++number).arg(
            QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        QObject::connect(menu->addAction(text), &QAction::triggered, &owner,
                         [open, path] { open(path); });
    }
    if (recent.paths().empty())
        menu->addAction(QStringLiteral("No recent projects"))->setEnabled(false);
    menu->popup(globalPos);
}

}  // namespace tambrelox
