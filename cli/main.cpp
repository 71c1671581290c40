#include <iostream>

#include "cli/dump_command.h"

int main(int argc, char** argv) {
    return foalix::cli::runDump(argc, argv, std::cout, std::cerr);
}
