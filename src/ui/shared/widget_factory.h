#pragma once

#include <optional>

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tambrelox {

class ElidedLabel;

// How a control looks; what is left unset comes from its window.
struct ControlLook {
    std::optional<QFont> font{};
    std::optional<QColor> colour{};    // the text of a label, the solid face of a button
    bool keepPlaceWhenHidden = false;  // so that nothing around it moves when it is hidden
};

// Labels and buttons carry the names the windows' code and tests find them by.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = {},
                  const ControlLook& look = {});
// Starts empty; for file, folder and author texts that may be long.
ElidedLabel* MakeElidedLabel(QWidget* parent, const char* name, const ControlLook& look = {});
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const ControlLook& look = {});

}  // namespace tambrelox
