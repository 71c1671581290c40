// foalix-mksave DESCRIPTION OUTPUT: writes the slot file that DESCRIPTION describes.
#include <fstream>
#include <iostream>

#include "tools/slotgen/slot_image.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: foalix-mksave DESCRIPTION OUTPUT\n";
        return 64;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "foalix-mksave: cannot read " << argv[1] << "\n";
        return 1;
    }
    try {
        foalix::slotgen::parseDescription(in).writeTo(argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "foalix-mksave: " << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
