#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/base/outcome.h"
#include "core/report/column_printer.h"

class QWidget;

namespace tambrelox {

class UserDialogs;

// Prints a whole document, ending it.
using Printout = std::function<void(ColumnPrinter&)>;

// "diesel.spj" and "CVs" make "diesel CVs": a printout's name says whose and what it is.
[[nodiscard]] QString PrintoutName(const std::string& projectFileName, const char* contents);

// Offers the print dialog for the document `documentName` (a PrintoutName) and prints on the
// printer chosen. Cancelling, and any failure of the printer, end the printout without a word; a
// file chosen instead of a printer is written whole or not at all.
void PrintWithDialog(QWidget* parent, UserDialogs& dialogs, const QString& documentName,
                     const Printout& printout);

// The PDF file's bytes the printout makes.
[[nodiscard]] Outcome<std::vector<std::uint8_t>> PrintedPdf(const QString& documentName,
                                                            const Printout& printout);

// Prints into the PDF file `pdfPath`, replacing it, as WriteWholeFile writes:
// whole or not at all. Refused with "cannot write PATH: REASON".
[[nodiscard]] Outcome<void> PrintToPdf(const QString& pdfPath, const QString& documentName,
                                       const Printout& printout);

// "NAME.pdf" for the document NAME, in the user's documents folder, or home when there is none.
[[nodiscard]] QString ProposedPdfPath(const QString& documentName);

}  // namespace tambrelox
