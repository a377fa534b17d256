#include "ui/shared/widget_factory.h"

#include <cmath>

#include <QLabel>
#include <QPushButton>

namespace tambrelox {
namespace {

// Relative luminance above which black text stands out more than white: at
// 0.179 both give the same contrast ratio.
constexpr double kBlackTextAbove = 0.179;

double LinearChannel(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
    return 0.2126 * LinearChannel(colour.redF()) + 0.7152 * LinearChannel(colour.greenF()) +
           0.0722 * LinearChannel(colour.blueF());
}

void Apply(QWidget& control, const char* name, const ControlLook& look) {
    control.setObjectName(QString::fromLatin1(name));
    if (look.font) control.setFont(*look.font);
    if (look.keepPlaceWhenHidden) {
        QSizePolicy policy = control.sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control.setSizePolicy(policy);
    }
}

// Styles shade a palette's button colour into a light gradient; a style sheet
// fills the face with the colour itself. The button keeps the height the
// style gives its neighbours.
void FillFace(QPushButton& button, const QColor& face) {
    const int styledHeight = button.sizeHint().height();
    const QColor text = RelativeLuminance(face) > kBlackTextAbove ? Qt::black : Qt::white;
    button.setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                       " border-radius: 3px; padding: 2px 12px; }"
                       "QPushButton:focus { border-color: %2; }"
                       "QPushButton:pressed { background-color: %4; }")
            .arg(face.name(), text.name(), face.darker(150).name(), face.darker(120).name()));
    button.setMinimumHeight(styledHeight);
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const ControlLook& look) {
    auto* label = new QLabel(text, parent);
    Apply(*label, name, look);
    if (look.colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *look.colour);
        label->setPalette(palette);
    }
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const ControlLook& look) {
    auto* button = new QPushButton(text, parent);
    Apply(*button, name, look);
    if (look.colour) FillFace(*button, *look.colour);
    return button;
}

}  // namespace tambrelox
