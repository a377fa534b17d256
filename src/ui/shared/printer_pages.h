#pragma once

#include <QFont>
#include <QPainter>

#include "core/report/column_printer.h"

class QPagedPaintDevice;
class QPrinter;

namespace tambrelox {

// Paints printed lines on a QPrinter (a printer or a PDF file) or a
// QPdfWriter in "Courier New" 10 point: column n stands n - 1 character
// widths right of the left margin, line l l line heights below the top margin.
class PrinterPages final : public PageBackend {
  public:
    // Starts the document; every call fails when it could not be started.
    explicit PrinterPages(QPagedPaintDevice& device);
    // A document not ended is abandoned.
    ~PrinterPages() override;
    PrinterPages(const PrinterPages&) = delete;
    PrinterPages& operator=(const PrinterPages&) = delete;

    [[nodiscard]] int LinesPerPage() const override { return linesPerPage_; }
    bool Draw(int line, int column, std::string_view text) override;
    bool NewPage() override;
    bool EndDocument() override;

  private:
    [[nodiscard]] bool Healthy() const;

    QPagedPaintDevice& device_;
    QPrinter* printer_;  // when the device is a printer, which can fail and be aborted
    QPainter painter_;
    QFont font_;
    double columnWidth_ = 0;
    double lineHeight_ = 0;
    int linesPerPage_ = kLinesPerPage;
    double ascent_ = 0;
};

}  // namespace tambrelox
