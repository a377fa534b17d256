#pragma once

#include <QColor>
#include <QWidget>

#include "core/project/flash_budget.h"

class QLabel;

namespace tambrelox {

// A slim bar of the project's size against the limit of the smallest
// decoders, with the figures above it. The bar's colours are fixed, on a
// track of its own, so they read the same under any palette.
class FlashBudgetBar : public QWidget {
    Q_OBJECT

  public:
    // Every fill stands out from the track by at least 3.7:1.
    static constexpr QColor kTrack{255, 255, 255};
    static constexpr QColor kBorder{89, 89, 89};
    static constexpr QColor kComfortable{0, 128, 0};
    static constexpr QColor kNearlyFull{196, 112, 0};
    static constexpr QColor kOverLimit{208, 0, 0};

    explicit FlashBudgetBar(QWidget* parent = nullptr);

    void ShowBudget(const FlashBudget& budget, const QString& explanation);
    [[nodiscard]] static QColor FillColour(FlashLevel level);
    // Where the bar is drawn, below the figures.
    [[nodiscard]] QRect BarArea() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* figures_ = nullptr;
    FlashBudget budget_;
};

}  // namespace tambrelox
