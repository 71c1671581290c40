// The player's marks on foals, kept apart from the reads: stars and notes.
#include "history/history.h"
#include "history/history_guarded.h"

namespace foalix::history {

bool History::star(const std::string& saveFolder, int slot, int record, const std::string& name,
                   bool on, std::int64_t at) {
    return guarded(
        kStarNotChanged,
        [&] {
            setStar(*db_, saveFolder, slot, record, name, on, at);
            return true;
        },
        false);
}

std::set<std::pair<int, std::string>> History::stars(const std::string& saveFolder, int slot) {
    std::set<std::pair<int, std::string>> stars;
    for (StarredFoal& star : guarded(
             kCannotRead, [&] { return starsIn(*db_, &saveFolder, slot); },
             std::vector<StarredFoal>())) {
        stars.emplace(star.record, std::move(star.name));
    }
    return stars;
}

std::vector<StarredFoal> History::allStars() {
    return guarded(
        kCannotRead, [&] { return starsIn(*db_, nullptr, 0); }, std::vector<StarredFoal>());
}

bool History::note(const std::string& saveFolder, int slot, int record, const std::string& name,
                   const std::string& text, std::int64_t at) {
    return guarded(
        kNoteNotChanged,
        [&] {
            setNote(*db_, saveFolder, slot, record, name, text, at);
            return true;
        },
        false);
}

SlotNotes History::notes(const std::string& saveFolder, int slot) {
    SlotNotes notes;
    for (FoalNote& note : guarded(
             kCannotRead, [&] { return notesIn(*db_, &saveFolder, slot); },
             std::vector<FoalNote>())) {
        notes.emplace(std::pair(note.record, std::move(note.name)), std::move(note.text));
    }
    return notes;
}

std::vector<FoalNote> History::allNotes() {
    return guarded(
        kCannotRead, [&] { return notesIn(*db_, nullptr, 0); }, std::vector<FoalNote>());
}

}  // namespace foalix::history
