#include "cli/dump_common.h"

#include <map>
#include <sstream>

#include "cli/dump_command.h"
#include "savedata/slot_file.h"

namespace foalix::cli {

using namespace savedata;

Format SharedOptions::outputFormat() const {
    static const std::map<std::string, Format> formats{
        {"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}};
    return formats.at(format);
}

NameEncodingChoice SharedOptions::nameEncoding() const {
    return *choiceFromKey(encoding);
}

void addFormatOption(CLI::App& app, SharedOptions& options) {
    app.add_option("--format", options.format, "output form: text, csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}))
        ->type_name("text|csv|json")
        ->capture_default_str();
}

void addSharedOptions(CLI::App& app, SharedOptions& options) {
    addFormatOption(app, options);
    app.add_option("--encoding", options.encoding,
                   "names' code page: auto (detected from the roster), shift-jis or big5")
        ->check(CLI::IsMember({"auto", "shift-jis", "big5"}))
        ->type_name("auto|shift-jis|big5")
        ->capture_default_str();
}

std::optional<int> parseArguments(CLI::App& app, int argc, const char* const* argv,
                                  std::ostream& out, std::ostream& err,
                                  const std::function<void()>& check) {
    try {
        app.parse(argc, argv);
        if (check) {
            check();
        }
    } catch (const CLI::ParseError& e) {
        std::ostringstream help;
        const int status = app.exit(e, out, help);
        err << help.str();
        return status == 0 ? 0 : kExitUsage;
    }
    return std::nullopt;
}

std::optional<int> loadSlot(const std::string& path, AgeBoxes ages, NameEncodingChoice encoding,
                            HorseTable& table, LoadResult& result, std::ostream& err) {
    try {
        result = Load_Horses(SlotFile(path), ages, table, encoding);
    } catch (const std::exception& e) {
        // RunTimeError says "Run-time error 'N': text"; anything else (out of memory)
        // is reported the same way rather than ending in a crash report.
        err << "foalix-dump: " << path << ": " << e.what() << "\n";
        return kExitOtherError;
    }
    if (result.status != LoadStatus::Loaded) {
        err << statusMessage(result.status) << "\n";
        return result.status == LoadStatus::NotFound ? kExitNotFound : kExitDamaged;
    }
    return std::nullopt;
}

int finished(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (!out) {
        err << "foalix-dump: cannot write the output\n";
        return kExitOtherError;
    }
    return status;
}

}  // namespace foalix::cli
