#include "ui/mainwindow/recent_projects_menu.h"

#include <string>

#include <QFileInfo>
#include <QMenu>
#include <QPoint>

namespace tambrelox {
namespace {

// How wide a folder is shown at most, in average characters; the middle goes first.
constexpr int kFolderCharacters = 40;

QString Shown(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void PopUpRecentProjects(QWidget& owner, const QPoint& globalPos, const RecentProjects& recent,
                         const std::function<void(const QString&)>& open) {
    auto* menu = new QMenu(QStringLiteral("Open Recent"), &owner);
    menu->setObjectName(QStringLiteral("recentProjects"));
    menu->setAccessibleName(menu->title());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setToolTipsVisible(true);
    const int folderWidth = kFolderCharacters * menu->fontMetrics().averageCharWidth();
    int number = 0;
    for (const std::string& stored : recent.paths()) {
        const QString path = QString::fromStdString(stored);
        // The file name first, then its folder cut in the middle, so a long
        // path neither widens the menu nor hides the name; the tooltip has it whole.
        const QFileInfo file(path);
        const QString folder =
            menu->fontMetrics().elidedText(file.path(), Qt::ElideMiddle, folderWidth);
        // A number to choose it by; an & in a path is shown, not taken as one.
        const QString text = QStringLiteral("&%1  %2  (%3)")
                                 .arg(++number)
                                 .arg(Shown(file.fileName()), Shown(folder));
        QAction* action = menu->addAction(text);
        action->setToolTip(path);
        QObject::connect(action, &QAction::triggered, &owner, [open, path] { open(path); });
    }
    if (recent.paths().empty())
        menu->addAction(QStringLiteral("No recent projects"))->setEnabled(false);
    menu->popup(globalPos);
}

}  // namespace tambrelox
