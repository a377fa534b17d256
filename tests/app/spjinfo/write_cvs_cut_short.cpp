// Writes the project whose startup CV block is cut short to the path given.
#include <iostream>

#include "core/base/file_bytes.h"
#include "spj_builder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_cvs_cut_short OUT.spj\n";
        return 2;
    }
    return tambrelox::WriteWholeFile(argv[1], tambrelox::fixture::CVsCutShortProject().Build()).ok()
               ? 0
               : 1;
}
