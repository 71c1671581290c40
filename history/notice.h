// What the history says when something went wrong with it: one line, a sentence with one
// argument, marked for the windows to show in the player's language. The argument is a
// reason (itself marked, and given the detail as its own argument when it takes one) or
// the detail alone: a file's name, or SQLite's or the system's own words.
#pragma once

#include <string>

#include "savedata/translatable.h"

namespace foalix::history {

class SqliteError;

struct Notice {
    const char* sentence = nullptr;
    const char* reason = nullptr;
    std::string detail;

    bool empty() const { return sentence == nullptr; }
    // The line as it stands, untranslated.
    std::string text() const;
};

// The sentences, in the words the window translates.
inline constexpr const char* kNotKept = QT_TRANSLATE_NOOP("History", "History not kept: %1");
inline constexpr const char* kReadNotKept =
    QT_TRANSLATE_NOOP("History", "This read was not kept in the history: %1");
inline constexpr const char* kReadWaits =
    QT_TRANSLATE_NOOP("History", "This read waits to be kept in the history: %1");
inline constexpr const char* kWaitingKept =
    QT_TRANSLATE_NOOP("History", "The reads that waited are kept in the history");
inline constexpr const char* kCannotRead =
    QT_TRANSLATE_NOOP("History", "The history cannot be read: %1");
inline constexpr const char* kNotCleared =
    QT_TRANSLATE_NOOP("History", "The history was not cleared: %1");
inline constexpr const char* kStarNotChanged =
    QT_TRANSLATE_NOOP("History", "The star was not changed: %1");
inline constexpr const char* kNoteNotChanged =
    QT_TRANSLATE_NOOP("History", "The note was not changed: %1");
inline constexpr const char* kNotBackedUp =
    QT_TRANSLATE_NOOP("History", "The history was not backed up: %1");
inline constexpr const char* kNotRestored =
    QT_TRANSLATE_NOOP("History", "The history was not restored: %1");
inline constexpr const char* kRestored =
    QT_TRANSLATE_NOOP("History", "The history was restored; the one before it was set aside as %1");
inline constexpr const char* kRestoredAnew =
    QT_TRANSLATE_NOOP("History", "The history was restored");
inline constexpr const char* kSetAside =
    QT_TRANSLATE_NOOP("History", "History was damaged: set aside as %1, a new one started");
inline constexpr const char* kNewer = QT_TRANSLATE_NOOP("History", "made by a newer Foalix");
inline constexpr const char* kNotSetAside =
    QT_TRANSLATE_NOOP("History", "it is damaged and could not be set aside (%1)");

// Why a file offered as a history cannot be taken.
inline constexpr const char* kDamaged = QT_TRANSLATE_NOOP("History", "the file is damaged");
inline constexpr const char* kNotAHistory =
    QT_TRANSLATE_NOOP("History", "the file is not a Foalix history");
// Why a backup cannot go where it was asked to.
inline constexpr const char* kIsTheHistory =
    QT_TRANSLATE_NOOP("History", "that file is the history itself");
inline constexpr const char* kNoHistoryYet =
    QT_TRANSLATE_NOOP("History", "there is no history yet");

// Why a use gave up waiting for the history.
inline constexpr const char* kInUse = QT_TRANSLATE_NOOP("History", "another program is using it");

// `sentence` with the reason SQLite's failure gives, in words a player understands where
// there are such words.
Notice failure(const char* sentence, const SqliteError& error);

}  // namespace foalix::history
