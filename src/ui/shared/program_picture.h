#pragma once

#include <QIcon>
#include <QPixmap>

class QLabel;

namespace tambrelox {

// The program's picture, a grey steam locomotive with two musical notes above
// it, 205 pixels square at the screen's pixel ratio. Drawn once per run.
[[nodiscard]] const QPixmap& ProgramPicture();

// Puts the picture in `label`, named for screen readers.
void ShowProgramPicture(QLabel& label);

// The same picture as the icon of every window.
[[nodiscard]] const QIcon& ProgramIcon();

}  // namespace tambrelox
