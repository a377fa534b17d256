#pragma once

#include <QLabel>

namespace tambrelox {

// A one-line label that fits any width: a text too long for it is drawn
// shortened in the middle, and shown whole in its tooltip. text() is always
// the whole text, so nothing that reads it sees the shortened one.
class ElidedLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    // What is drawn at the label's present width.
    [[nodiscard]] QString ShownText() const;
    [[nodiscard]] bool IsElided() const { return ShownText() != text(); }

    // Lets layouts give it less room than its text needs.
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tambrelox
