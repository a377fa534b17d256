#pragma once

#include <QIcon>
#include <QPixmap>

namespace tambrelox {

// The program's picture, a grey steam locomotive with two musical notes above
// it, 205 pixels square at the screen's pixel ratio. Drawn once per run.
[[nodiscard]] const QPixmap& ProgramPicture();

// The same picture as the icon of every window.
[[nodiscard]] const QIcon& ProgramIcon();

}  // namespace tambrelox
