#include "ui/shared/widget_factory.h"

#include <QLabel>
#include <QPushButton>

namespace tambrelox {
namespace {

void Apply(QWidget& control, const char* name, const ControlLook& look, QPalette::ColorRole role) {
    control.setObjectName(QString::fromLatin1(name));
    if (look.font) control.setFont(*look.font);
    if (look.colour) {
        QPalette palette = control.palette();
        palette.setColor(role, *look.colour);
        control.setPalette(palette);
    }
    if (look.keepPlaceWhenHidden) {
        QSizePolicy policy = control.sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control.setSizePolicy(policy);
    }
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const ControlLook& look) {
    auto* label = new QLabel(text, parent);
    Apply(*label, name, look, QPalette::WindowText);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const ControlLook& look) {
    auto* button = new QPushButton(text, parent);
    Apply(*button, name, look, QPalette::Button);
    return button;
}

}  // namespace tambrelox
