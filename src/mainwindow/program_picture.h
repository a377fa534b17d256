#pragma once

#include <QIcon>
#include <QPixmap>

namespace tambrelox {

// The program's picture, a grey steam locomotive with two musical notes above
// it, drawn `side` pixels square for a screen of the given pixel ratio.
[[nodiscard]] QPixmap ProgramPicture(int side, qreal devicePixelRatio);

// The same picture as the icon of every window.
[[nodiscard]] const QIcon& ProgramIcon();

}  // namespace tambrelox
