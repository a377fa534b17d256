#pragma once

#include <QString>

#include <functional>

#include "core/report/column_printer.h"

class QWidget;

namespace tambrelox {

class UserDialogs;

// Prints a whole document, ending it.
using Printout = std::function<void(ColumnPrinter&)>;

// Offers the print dialog for the document `documentName` (a project file's
// name) and prints on the printer chosen. Cancelling, and any failure of the
// printer, end the printout without a word.
void PrintWithDialog(QWidget* parent, UserDialogs& dialogs, const QString& documentName,
                     const Printout& printout);

// Prints straight into a PDF file; false when it could not be written.
[[nodiscard]] bool PrintToPdf(const QString& pdfPath, const QString& documentName,
                              const Printout& printout);

// "name.spj" becomes "name.pdf" in the user's documents folder, or home when there is none.
[[nodiscard]] QString ProposedPdfPath(const QString& documentName);

}  // namespace tambrelox
