#include "cli/timeline_command.h"

#include <charconv>

#include "cli/dump_command.h"
#include "cli/dump_common.h"
#include "cli/kept_history.h"
#include "cli/window_profiles.h"
#include "savedata/format.h"
#include "savedata/roster_csv.h"
#include "savedata/roster_diff.h"

namespace foalix::cli {
namespace {

constexpr const char* kDescription =
    "Prints a foal's story from the Foalix window's history: its fourteen values at every\n"
    "kept read of the slot in which the record held it, oldest first, with the read's time.\n"
    "The foal is the one the record holds in the slot's newest kept read; a record whose\n"
    "name changed holds another foal from that read on. Without FOLDER, the save folder the\n"
    "window reads. The history is only read.";

constexpr const char* kFooter =
    "Text marks a value that moved since the read before it: ▲ better, ▼ worse, ◆ only\n"
    "different. JSON: {\"record\": R, \"name\": \"…\", \"reads\": [{\"read_at\": UNIX_SECONDS,\n"
    "\"values\": {\"Grade\": \"A\", …}}, …]}, oldest first; CSV a line per read.\n"
    "Exit status: 0 printed; 2 the record holds no foal in the slot's newest kept read;\n"
    "4 the history cannot be read (why on stderr); 64 bad usage.";

// The place is one positional of two or three words; help shows it as its name writes it,
// not as CLI11 counts its values ("RECORD(2x)", "TEXT x 2").
class PlaceFormatter : public CLI::Formatter {
  public:
    std::string make_option_usage(const CLI::Option* option) const override {
        return option->get_positional() ? option->get_name() : Formatter::make_option_usage(option);
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_positional() ? (option->get_required() ? " REQUIRED" : "")
                                        : Formatter::make_option_opts(option);
    }
};

// The fourteen keys of foalix-dump's JSON, in the fields' order: the roster's header
// without its record and name.
std::vector<std::string> valueKeys() {
    std::vector<std::string> keys = savedata::rosterHeader();
    keys.erase(keys.begin(), keys.begin() + 2);
    return keys;
}

std::vector<std::string> valuesOf(const savedata::HorseEntry& foal) {
    std::vector<std::string> values;
    for (const savedata::HorseField& field : savedata::kHorseFields) {
        values.push_back(foal.*field.member);
    }
    return values;
}

void writeTimeline(std::ostream& out, Format format, const history::Timeline& timeline) {
    const std::vector<std::string> keys = valueKeys();
    if (format == Format::Json) {
        nlohmann::ordered_json reads = nlohmann::ordered_json::array();
        for (const history::TimelineRead& read : timeline.reads) {
            nlohmann::ordered_json values;
            const std::vector<std::string> cells = valuesOf(read.foal);
            for (std::size_t i = 0; i < keys.size(); ++i) {
                values[keys[i]] = cells[i];
            }
            reads.push_back({{"read_at", read.read.readAt}, {"values", std::move(values)}});
        }
        writeJsonDocument(
            out,
            {{"record", timeline.record}, {"name", timeline.name}, {"reads", std::move(reads)}});
        return;
    }
    std::vector<std::vector<std::string>> lines;
    lines.emplace_back(1, format == Format::Text ? "Read" : "read_at");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        lines.front().push_back(format == Format::Text ? savedata::kHorseFields[i].caption
                                                       : keys[i]);
    }
    const savedata::HorseEntry* before = nullptr;
    for (const history::TimelineRead& read : timeline.reads) {
        std::vector<std::string> line{format == Format::Text ? localTime(read.read.readAt)
                                                             : std::to_string(read.read.readAt)};
        for (const savedata::HorseField& field : savedata::kHorseFields) {
            std::string value = read.foal.*field.member;
            if (format == Format::Text && before != nullptr && before->*field.member != value) {
                value +=
                    savedata::trendMark(savedata::trendOf(field, before->*field.member, value));
            }
            line.push_back(std::move(value));
        }
        lines.push_back(std::move(line));
        before = &read.foal;
    }
    if (format == Format::Csv) {
        for (const auto& line : lines) {
            savedata::writeCsvRecord(out, line);
        }
        return;
    }
    out << timeline.name << " (No. " << timeline.record << "), " << timeline.reads.size()
        << (timeline.reads.size() == 1 ? " read" : " reads") << ", first kept "
        << localTime(timeline.reads.front().read.readAt) << "\n";
    writeAligned(out, std::move(lines));
}

}  // namespace

int runTimeline(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    SharedOptions options;
    std::string file = defaultHistoryFile();
    std::vector<std::string> place;
    CLI::App app(kDescription, "foalix-dump timeline");
    app.footer(kFooter);
    app.formatter(std::make_shared<PlaceFormatter>());
    addFormatOption(app, options);
    addHistoryOption(app, file);
    app.add_option("[FOLDER] SLOT RECORD", place, "the save folder, the slot 1 to 5, the record")
        ->expected(2, 3)
        ->required();
    int slot = 0;
    int record = 0;
    std::string folder;
    const auto check = [&] {
        folder = place.size() == 3 ? place[0] : windowSaveFolder();
        const auto number = [&](const std::string& text, int low, int high, const char* what) {
            int value = 0;
            const auto [end, failed] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            if (failed != std::errc() || end != text.data() + text.size() || value < low ||
                value > high) {
                throw CLI::ValidationError(what, "'" + text + "' is not a whole number from " +
                                                     std::to_string(low) + " to " +
                                                     std::to_string(high));
            }
            return value;
        };
        slot = number(place[place.size() - 2], savedata::kFirstSlot,
                      savedata::kFirstSlot + savedata::kSlotCount - 1, "SLOT");
        record = number(place.back(), 1, savedata::kRosterRecords, "RECORD");
        if (folder.empty()) {
            throw CLI::RequiredError("FOLDER (the window keeps none)");
        }
    };
    if (const auto status = parseArguments(app, argc, argv, out, err, check)) {
        return *status;
    }
    history::History history(file, kReadingLimits, history::Access::ReadOnly);
    const history::Timeline timeline = history.timeline(folder, slot, record);
    if (reported(history, file, err)) {
        return kExitOtherError;
    }
    if (timeline.reads.empty()) {
        err << "foalix-dump: record " << record << " of slot " << slot << " of " << folder
            << " holds no foal in the newest kept read\n";
        return kExitNotFound;
    }
    writeTimeline(out, options.outputFormat(), timeline);
    return finished(out, err, 0);
}

}  // namespace foalix::cli
