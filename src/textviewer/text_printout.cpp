#include "textviewer/text_printout.h"

#include "project/text.h"

namespace tambrelox {

void PrintDescriptiveText(ColumnPrinter& printer, ByteView block) {
    printer.Print(Windows1252ToUtf8(block.text()));
    printer.EndDoc();
}

}  // namespace tambrelox
