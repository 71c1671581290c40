#include "cli/mark_commands.h"

#include <functional>

#include "cli/dump_command.h"
#include "cli/dump_common.h"
#include "cli/kept_history.h"
#include "cli/mark_listing.h"
#include "savedata/note_tags.h"

namespace foalix::cli {
namespace {

constexpr const char* kStarsDescription =
    "Lists every foal starred in the Foalix window: its save folder (as the window was\n"
    "given it), slot, record and name, and when it was starred. The history is only read.";

constexpr const char* kNotesDescription =
    "Lists every note written on a foal in the Foalix window: its save folder (as the\n"
    "window was given it), slot, record and name, the note, its #tags, and when it was\n"
    "last written. The history is only read.";

constexpr const char* kFooter =
    "Exit status: 0 listed (a history that is not there holds none); 4 the history\n"
    "cannot be read (why on stderr); 64 bad usage.\n"
    "Text gives the time in local time (ISO 8601), CSV and JSON in Unix seconds.";

// A list command's whole run: its options, the history read, its marks written.
int runMarkList(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                const char* description, const char* command, const char* listKey,
                const std::vector<MarkColumn>& columns,
                const std::function<std::vector<MarkedFoal>(history::History&)>& marked) {
    SharedOptions options;
    std::string file = defaultHistoryFile();
    CLI::App app(description, command);
    app.footer(kFooter);
    addFormatOption(app, options);
    addHistoryOption(app, file);
    if (const auto status = parseArguments(app, argc, argv, out, err)) {
        return *status;
    }
    history::History history(file, kReadingLimits, history::Access::ReadOnly);
    const std::vector<MarkedFoal> foals = marked(history);
    if (reported(history, file, err)) {
        return kExitOtherError;
    }
    writeMarkedFoals(out, options.outputFormat(), file, listKey, columns, foals);
    return finished(out, err, 0);
}

}  // namespace

int runStars(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return runMarkList(
        argc, argv, out, err, kStarsDescription, "foalix-dump stars", "stars",
        {{"Starred", "starred_at", MarkColumnKind::Time}}, [](history::History& history) {
            std::vector<MarkedFoal> foals;
            for (const history::StarredFoal& star : history.allStars()) {
                foals.push_back(
                    {star.saveFolder, star.slot, star.record, star.name, {star.starredAt}});
            }
            return foals;
        });
}

int runNotes(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    return runMarkList(
        argc, argv, out, err, kNotesDescription, "foalix-dump notes", "notes",
        {{"Note", "note", MarkColumnKind::Text},
         {"Tags", "tags", MarkColumnKind::List},
         {"Written", "written_at", MarkColumnKind::Time}},
        [](history::History& history) {
            std::vector<MarkedFoal> foals;
            for (const history::FoalNote& note : history.allNotes()) {
                foals.push_back({note.saveFolder,
                                 note.slot,
                                 note.record,
                                 note.name,
                                 {note.text, savedata::tagsOf(note.text), note.writtenAt}});
            }
            return foals;
        });
}

}  // namespace foalix::cli
