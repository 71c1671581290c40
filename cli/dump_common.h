// What foalix-dump's commands share: the options both take, reading a slot file with
// the exit status its failures give, and the end of a run.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/dump_output.h"
#include "savedata/names.h"
#include "savedata/roster_loader.h"

namespace foalix::cli {

// The options of every command.
struct SharedOptions {
    std::string format = "text";
    std::string encoding = "auto";

    Format outputFormat() const;
    savedata::NameEncodingChoice nameEncoding() const;
};

void addSharedOptions(CLI::App& app, SharedOptions& options);
// --format alone.
void addFormatOption(CLI::App& app, SharedOptions& options);

// Parses the arguments; a usage status (0 for --help) when the run ends here.
std::optional<int> parseArguments(CLI::App& app, int argc, const char* const* argv,
                                  std::ostream& out, std::ostream& err,
                                  const std::function<void()>& check = {});

// Loads `path` into `table`; the exit status and its message on `err` when it fails.
std::optional<int> loadSlot(const std::string& path, savedata::AgeBoxes ages,
                            savedata::NameEncodingChoice encoding, savedata::HorseTable& table,
                            savedata::LoadResult& result, std::ostream& err);

// `status`, or the other-error status when `out` could not be written.
int finished(std::ostream& out, std::ostream& err, int status);

}  // namespace foalix::cli
