#include "ui/shared/printout.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "ui/shared/printer_pages.h"
#include "ui/shared/user_dialogs.h"

namespace tambrelox {
namespace {

// A quarter inch all round leaves room for the reports' 88-column lines and 70 lines.
constexpr double kMarginMillimetres = 6.35;

void PrepareReportPrinter(QPrinter& printer, const QString& documentName) {
    printer.setDocName(documentName);
    printer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

bool PrintOn(QPrinter& printer, const Printout& printout) {
    PrinterPages pages(printer);
    ColumnPrinter columns(pages);
    printout(columns);
    return !columns.failed();
}

}  // namespace

void PrintWithDialog(QWidget* parent, UserDialogs& dialogs, const QString& documentName,
                     const Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    // With no printer installed the dialog offers only a PDF file; name it, or
    // the dialog proposes a folder. With printers, naming a file would choose
    // the file over the user's default printer.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFileName(ProposedPdfPath(documentName));
    }
    PrepareReportPrinter(printer, documentName);
    if (!dialogs.SetUpPrinter(parent, printer)) return;
    PrintOn(printer, printout);
}

bool PrintToPdf(const QString& pdfPath, const QString& documentName, const Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(pdfPath);
    printer.setOutputFormat(QPrinter::PdfFormat);  // whatever the file's suffix
    PrepareReportPrinter(printer, documentName);
    return PrintOn(printer, printout);
}

QString ProposedPdfPath(const QString& documentName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(QFileInfo(documentName).completeBaseName() + ".pdf");
}

}  // namespace tambrelox
