// make-seeds OUTDIR SLOTFILE...: the seed corpus of the load fuzzer, one sparse seed
// per slot file.
#include <fstream>
#include <iostream>
#include <iterator>

#include "fuzz/sparse_slot.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make-seeds OUTDIR SLOTFILE...\n";
        return 64;
    }
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::vector<foalix::fuzz::Byte> file((std::istreambuf_iterator<char>(in)), {});
        const auto seed = foalix::fuzz::toSparse(file);
        std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(i - 1), std::ios::binary);
        out.write(reinterpret_cast<const char*>(seed.data()),
                  static_cast<std::streamsize>(seed.size()));
    }
    return 0;
}
