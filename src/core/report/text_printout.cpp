#include "core/report/text_printout.h"

#include "core/base/text.h"

namespace tambrelox {

void PrintDescriptiveText(ColumnPrinter& printer, ByteView block) {
    printer.Print(Windows1252ToUtf8(block.text()));
    printer.EndDoc();
}

}  // namespace tambrelox
