#include "ui/shared/printout.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/base/file_bytes.h"
#include "ui/shared/printer_pages.h"
#include "ui/shared/user_dialogs.h"

namespace tambrelox {
namespace {

// A quarter inch all round leaves room for the reports' 88-column lines and 70 lines.
constexpr double kMarginMillimetres = 6.35;

void SetReportMargins(QPagedPaintDevice& device) {
    device.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

void PrepareReportPrinter(QPrinter& printer, const QString& documentName) {
    printer.setDocName(documentName);
    SetReportMargins(printer);
}

bool PrintOn(QPagedPaintDevice& device, const Printout& printout) {
    PrinterPages pages(device);
    ColumnPrinter columns(pages);
    printout(columns);
    return !columns.failed();
}

// The PDF engine does not report a failed write, so a file is checked for
// having come out whole: it ends with its trailer, and the offset the trailer
// gives for the cross-reference table, counted by the engine as it wrote,
// points at that table in the file.
bool IsWholePdf(const QByteArray& pdf) {
    static const QByteArray kStart("startxref\n");
    static const QByteArray kEnd("\n%%EOF\n");
    if (!pdf.endsWith(kEnd)) return false;
    const qsizetype start = pdf.lastIndexOf(kStart);
    if (start < 0) return false;
    bool isNumber = false;
    const qsizetype numberAt = start + kStart.size();
    const qlonglong xref =
        pdf.mid(numberAt, pdf.size() - kEnd.size() - numberAt).trimmed().toLongLong(&isNumber);
    return isNumber && xref >= 0 && pdf.mid(xref, 5) == "xref\n";
}

// The bytes of a printout that has ended: refused when it failed or did not come out whole.
Outcome<std::vector<std::uint8_t>> FinishedPdf(bool printed, const QByteArray& bytes) {
    if (!printed) return Refusal{RefusalKind::CannotWrite, "the printout could not be made"};
    if (!IsWholePdf(bytes)) {
        return Refusal{RefusalKind::CannotWrite, "the printout could not be written whole"};
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// Prints on `printer`, which writes a file, into a temporary file instead:
// the bytes that file holds once the printout has ended.
Outcome<std::vector<std::uint8_t>> PrintedFileBytes(QPrinter& printer, const Printout& printout) {
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(QStringLiteral("tambrelox-XXXXXX.pdf")));
    if (!file.open()) {
        return Refusal{RefusalKind::CannotWrite,
                       "cannot make a temporary file: " + file.errorString().toStdString()};
    }
    printer.setOutputFileName(file.fileName());
    const bool printed = PrintOn(printer, printout);
    return FinishedPdf(printed, printed ? file.readAll() : QByteArray());
}

// A printout into a file goes there whole or not at all.
Outcome<void> WritePrinted(const Outcome<std::vector<std::uint8_t>>& printed, const QString& path) {
    if (!printed.ok()) {
        return Refusal{RefusalKind::CannotWrite,
                       "cannot write " + path.toStdString() + ": " + printed.refusal().message};
    }
    return WriteWholeFile(path.toStdString(), printed.value());
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
    const QString file = printer.outputFileName();
    if (file.isEmpty()) {
        PrintOn(printer, printout);
    } else {
        static_cast<void>(WritePrinted(PrintedFileBytes(printer, printout), file));  // silent too
    }
}

Outcome<std::vector<std::uint8_t>> PrintedPdf(const QString& documentName,
                                              const Printout& printout) {
    // A PDF writer, not a printer: QPrinter's constructor asks the print
    // system for its printers, and with it sets SIGPIPE to be ignored.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(documentName);
        // The paper of the user's part of the world, as a printer would have it.
        const bool imperial = QLocale().measurementSystem() != QLocale::MetricSystem;
        writer.setPageSize(QPageSize(imperial ? QPageSize::Letter : QPageSize::A4));
        SetReportMargins(writer);
        printed = PrintOn(writer, printout);
    }
    return FinishedPdf(printed, buffer.data());
}

Outcome<void> PrintToPdf(const QString& pdfPath, const QString& documentName,
                         const Printout& printout) {
    return WritePrinted(PrintedPdf(documentName, printout), pdfPath);
}

QString PrintoutName(const std::string& projectFileName, const char* contents) {
    return QFileInfo(QString::fromStdString(projectFileName)).completeBaseName() + ' ' +
           QString::fromLatin1(contents);
}

QString ProposedPdfPath(const QString& documentName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).filePath(documentName + ".pdf");
}

}  // namespace tambrelox
