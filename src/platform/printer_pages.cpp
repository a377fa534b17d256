#include "platform/printer_pages.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QString>

#include <algorithm>

namespace tambrelox {

PrinterPages::PrinterPages(QPrinter& printer) : printer_(printer), font_("Courier New", 10) {
    font_.setStyleHint(QFont::TypeWriter);
    font_.setFixedPitch(true);
    if (!painter_.begin(&printer_)) return;
    painter_.setFont(font_);
    const QFontMetricsF metrics(font_, &printer_);
    columnWidth_ = metrics.horizontalAdvance(QLatin1Char('M'));
    const double pageHeight = printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
    lineHeight_ = std::min(metrics.lineSpacing(), pageHeight / kLinesPerPage);
    ascent_ = metrics.ascent();
}

PrinterPages::~PrinterPages() {
    if (painter_.isActive()) printer_.abort();
}

bool PrinterPages::Healthy() const {
    return painter_.isActive() && printer_.printerState() != QPrinter::Error;
}

bool PrinterPages::Draw(int line, int column, std::string_view text) {
    if (!Healthy()) return false;
    const QPointF baseline((column - 1) * columnWidth_, line * lineHeight_ + ascent_);
    painter_.drawText(baseline,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return Healthy();
}

bool PrinterPages::NewPage() {
    return Healthy() && printer_.newPage();
}

bool PrinterPages::EndDocument() {
    return Healthy() && painter_.end();
}

}  // namespace tambrelox
