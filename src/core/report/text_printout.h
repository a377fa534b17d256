#pragma once

#include "core/base/byte_view.h"
#include "core/report/column_printer.h"

namespace tambrelox {

// Prints the descriptive text block as one item: its own lines, not wrapped,
// pages following as they fill; an empty block prints one empty line. Ends the document.
void PrintDescriptiveText(ColumnPrinter& printer, ByteView block);

}  // namespace tambrelox
