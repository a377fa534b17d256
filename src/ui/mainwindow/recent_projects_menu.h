#pragma once

#include <functional>

#include <QString>

#include "core/project/recent_projects.h"

class QPoint;
class QWidget;

namespace tambrelox {

// Pops up the "Open Recent" menu of `recent` at `globalPos` over `owner` and
// returns at once; choosing an entry calls `open` with its path.
void PopUpRecentProjects(QWidget& owner, const QPoint& globalPos, const RecentProjects& recent,
                         const std::function<void(const QString&)>& open);

}  // namespace tambrelox
