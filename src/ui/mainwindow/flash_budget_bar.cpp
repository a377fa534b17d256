#include "ui/mainwindow/flash_budget_bar.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "ui/shared/widget_factory.h"

namespace tambrelox {
namespace {

constexpr int kBarHeight = 8;
constexpr int kBarGap = 2;  // between the figures and the bar

}  // namespace

FlashBudgetBar::FlashBudgetBar(QWidget* parent) : QWidget(parent) {
    setObjectName("FlashBudgetBar");
    setAccessibleName("Flash memory used by the project");
    figures_ = MakeLabel(this, "lblFlashBudget");
    figures_->setAccessibleName("Flash memory used");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, kBarGap + kBarHeight);
    layout->addWidget(figures_);
}

void FlashBudgetBar::ShowBudget(const FlashBudget& budget, const QString& explanation) {
    budget_ = budget;
    const QString text = QString::fromStdString(budget.text);
    figures_->setText(text);
    setAccessibleDescription(text);
    setToolTip(explanation);
    update();
}

QColor FlashBudgetBar::FillColour(FlashLevel level) {
    switch (level) {
        case FlashLevel::Comfortable:
            return kComfortable;
        case FlashLevel::NearlyFull:
            return kNearlyFull;
        case FlashLevel::OverLimit:
            return kOverLimit;
    }
    return kComfortable;
}

QRect FlashBudgetBar::BarArea() const {
    return {0, height() - kBarHeight, width(), kBarHeight};
}

void FlashBudgetBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect bar = BarArea();
    painter.fillRect(bar, kTrack);
    const QRect inside = bar.adjusted(1, 1, -1, -1);
    const int filled = static_cast<int>(std::lround(budget_.filled * inside.width()));
    painter.fillRect(QRect(inside.topLeft(), QSize(filled, inside.height())),
                     FillColour(budget_.level));
    painter.setPen(kBorder);
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
}

}  // namespace tambrelox
