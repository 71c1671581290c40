#include <iostream>

#include "cli/console_output.h"
#include "cli/dump_command.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <string>
#include <vector>

// The arguments as UTF-8, as everything else in the reader: Windows hands main() the
// arguments in the ANSI code page, which cannot hold every folder name.
int main() {
    int argc = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    std::vector<const char*> argv;
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    foalix::cli::setUpStandardOutput();
    return foalix::cli::runDump(argc, argv.data(), std::cout, std::cerr);
}
#else
#include <csignal>

int main(int argc, char** argv) {
    // A reader that went away (a closed pipe) is an output that cannot be written:
    // reported with a non-zero status rather than ending silently on the signal.
    std::signal(SIGPIPE, SIG_IGN);
    return foalix::cli::runDump(argc, argv, std::cout, std::cerr);
}
#endif
