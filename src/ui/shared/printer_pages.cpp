#include "ui/shared/printer_pages.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QString>

#include <algorithm>

namespace tambrelox {
namespace {

constexpr double kTightestLines = 0.9;  // of the font's own line spacing
constexpr double kRoundingSlack = 1e-6;

}  // namespace

PrinterPages::PrinterPages(QPagedPaintDevice& device)
    : device_(device), printer_(dynamic_cast<QPrinter*>(&device)), font_("Courier New", 10) {
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    if (!painter_.begin(&device_)) return;
    painter_.setFont(font_);
    const QFontMetricsF metrics(font_, &device_);
    columnWidth_ = metrics.horizontalAdvance(QLatin1Char('M'));
    // Lines may close up a little so that the reports' 70 lines fit a page
    // such as Letter; a page much shorter holds fewer lines instead.
    const double pageHeight = device_.pageLayout().paintRectPixels(device_.logicalDpiY()).height();
    lineHeight_ = std::clamp(pageHeight / kLinesPerPage, kTightestLines * metrics.lineSpacing(),
                             metrics.lineSpacing());
    linesPerPage_ =
        std::clamp(static_cast<int>(pageHeight / lineHeight_ + kRoundingSlack), 1, kLinesPerPage);
    ascent_ = metrics.ascent();
}

PrinterPages::~PrinterPages() {
    if (painter_.isActive() && printer_ != nullptr) printer_->abort();
}

bool PrinterPages::Healthy() const {
    return painter_.isActive() &&
           (printer_ == nullptr || printer_->printerState() != QPrinter::Error);
}

bool PrinterPages::Draw(int line, int column, std::string_view text) {
    if (!Healthy()) return false;
    const QPointF baseline((column - 1) * columnWidth_, line * lineHeight_ + ascent_);
    painter_.drawText(baseline,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return Healthy();
}

bool PrinterPages::NewPage() {
    return Healthy() && device_.newPage();
}

bool PrinterPages::EndDocument() {
    return Healthy() && painter_.end();
}

}  // namespace tambrelox
