#include "ui/shared/widget_factory.h"

#include <QLabel>
#include <QPushButton>

#include "ui/shared/elided_label.h"
#include "ui/shared/window_look.h"

namespace tambrelox {
namespace {

void Apply(QWidget& control, const char* name, const ControlLook& look) {
    control.setObjectName(QString::fromLatin1(name));
    if (look.font) control.setFont(*look.font);
    if (look.keepPlaceWhenHidden) {
        QSizePolicy policy = control.sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control.setSizePolicy(policy);
    }
}

template <class Label>
Label* MakeAnyLabel(QWidget* parent, const char* name, const QString& text,
                    const ControlLook& look) {
    auto* label = new Label(text, parent);
    Apply(*label, name, look);
    if (look.colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *look.colour);
        label->setPalette(palette);
    }
    return label;
}

// Styles shade a palette's button colour into a light gradient; a style sheet
// fills the face with the colour itself. The button keeps the height the
// style gives its neighbours.
void FillFace(QPushButton& button, const QColor& face) {
    const int styledHeight = button.sizeHint().height();
    const QColor text =
        ContrastRatio(ToRgb(face), ToRgb(Qt::black)) > ContrastRatio(ToRgb(face), ToRgb(Qt::white))
            ? Qt::black
            : Qt::white;
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
    return MakeAnyLabel<QLabel>(parent, name, text, look);
}

ElidedLabel* MakeElidedLabel(QWidget* parent, const char* name, const ControlLook& look) {
    return MakeAnyLabel<ElidedLabel>(parent, name, {}, look);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const ControlLook& look) {
    auto* button = new QPushButton(text, parent);
    Apply(*button, name, look);
    if (look.colour) FillFace(*button, *look.colour);
    return button;
}

}  // namespace tambrelox
