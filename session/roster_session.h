// The roster session: everything the windows show and the player asks for, beneath them
// and without a widget. It owns the save folder, the slot, the age boxes and the name
// encoding of the last apply; runs every load (Apply, following the game, a new name
// encoding); keeps each read in the history and works out what changed; and publishes
// each load as one immutable snapshot, with the one roster model and the one current
// foal that the list, the table and the value boxes all show. It keeps what the player
// chose to compare, and compares kept reads, so no window asks another.
//
// Requests come from the windows as calls; results go out as signals: a load as
// `rosterChanged`, the foal shown as `currentRecordChanged`, what went wrong with a request
// as `failed` (only for what the player asked for), one line for the status bar as
// `notice`. Every failure is also logged (foalix.session, foalix.history) and the last few
// kept for Help → Copy Diagnostics.
#pragma once

#include <QDateTime>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/history.h"
#include "platform/platform.h"
#include "savedata/roster_loader.h"
#include "savedata/run_time_error.h"
#include "session/comparison.h"
#include "session/loaded_roster.h"
#include "session/saved_views.h"
#include "session/settings.h"

namespace foalix::session {

class RosterModel;
class SlotWatcher;

// What went wrong with what the player asked for, for a message box: a run-time error
// (its number and description), or a load's message ("Save Data not found"), both
// untranslated.
struct Failure {
    int runTimeError = 0;  // 0: a load's message
    std::string text;
};

// Where a choice of foals to compare was made.
enum class ChoiceSource { List, Table };

class RosterSession : public QObject {
    Q_OBJECT

  public:
    // Reads are kept in the history in `historyFolder` (none when it is empty); the
    // history is opened at the first read, not before.
    RosterSession(platform::Platform& platform, const QString& historyFolder,
                  QObject* parent = nullptr);
    ~RosterSession() override;

    platform::Platform& platform() { return platform_; }
    Settings& settings() { return *settings_; }
    RosterModel* model() { return model_; }
    SlotWatcher* watcher() { return watcher_; }
    // The history of reads, or none.
    history::History* history() { return history_.get(); }
    // Where the history is kept (named even when this session keeps none).
    const QString& historyFile() const { return historyFile_; }

    // The save folder, used exactly as stored.
    const QString& saveFolder() const { return RK5Path; }
    void setSaveFolder(const QString& folder) { RK5Path = folder; }
    // Start-up: the game's default save folder when it is there (stored for next time),
    // otherwise the stored one. False when that folder does not exist either.
    bool settleSaveFolder();
    // Keeps the save folder in the settings store; a store that fails is reported.
    void storeSaveFolder();

    // Loads `slot` of the save folder with `ages` and follows it: everything shown is
    // cleared first, and a slot that does not load is reported.
    void apply(int slot, savedata::AgeBoxes ages);
    // Reads the slot of the last apply again with its age boxes, keeping the current foal.
    // Reports nothing: a file that cannot be read now keeps what is shown, and false says
    // so. `asNewRead`: a new read of the save, kept in the history and marked with what
    // changed; or not (the same save read in another way).
    bool reload(bool asNewRead = true);
    // The last load, or none (before the first apply, or after one that did not load).
    const std::shared_ptr<const LoadedRoster>& roster() const { return roster_; }

    // The foal shown: a record of the last load, or 0.
    int currentRecord() const { return currentRecord_; }
    void setCurrentRecord(int record);

    bool following() const { return settings_->get(setting::followSaveFile); }
    // Follows the slot of the last apply while on; turned on, reads it at once, since
    // changes went unseen meanwhile. The choice is kept for the next start.
    void setFollowing(bool on);
    savedata::NameEncodingChoice nameEncoding() const { return nameEncoding_; }
    // Reads names this way from now on (kept for the next start; a store that fails is
    // reported, and the choice holds for this run all the same) and reads the slot again,
    // marking nothing: other names are not foals that came and went.
    void setNameEncoding(savedata::NameEncodingChoice choice);

    // The foals chosen in the list or the table (the table's only while it is open).
    void setChosen(ChoiceSource source, std::vector<int> records);
    // What Compare Foals compares: two or more chosen in the table, else the list's choice.
    std::vector<int> foalsToCompare() const;
    // Compares the foals of `records` (two to four, of which the last load lists two or
    // more); false, with nothing changed, otherwise.
    bool compare(const std::vector<int>& records);
    // The foals compared, following every load.
    const Comparison& comparison() const { return comparison_; }

    // The foals new since the slot's previous read that the last load lists, the best score
    // first (a foal without one last), foals of one score in the list's order.
    std::vector<int> newFoals() const;

    // `records` of the last load as foalix-dump's CSV (the same whatever the language),
    // scored by the profile in use.
    std::string csvOf(const std::vector<int>& records) const;

    // The profile the foals are scored by: the one chosen (kept for the next start), else
    // Balanced.
    const savedata::ScoreProfile& profile() const { return profile_; }
    // The built-in profiles, then the player's own.
    std::vector<savedata::ScoreProfile> profiles() const;
    std::vector<savedata::ScoreProfile> ownProfiles() const;
    static bool isBuiltIn(const std::string& name);
    // Scores by the profile of `name` from now on.
    void useProfile(const std::string& name);
    // Keeps `profile` among the player's own, in place of the one named `replacing` (none:
    // as a new one), and scores by it when that one was in use; the saved views that scored
    // by the one replaced score by it under its new name. False, with nothing kept, when its
    // name is empty, holds a tab or a line break, or is a built-in's in any language or
    // another of the player's in any case; a store that cannot be written is reported.
    bool keepProfile(const savedata::ScoreProfile& profile, const std::string& replacing = {});
    // Forgets the player's profile `name`; Balanced scores when it was in use.
    void deleteProfile(const std::string& name);

    // The roster table's views the player saved, in the order saved.
    std::vector<SavedView> savedViews() const;
    // Keeps `view`, in place of the one named `replacing` (none, or a name no view has: as
    // a new one at the end, or in place of one of its own name). False, with nothing kept,
    // for an empty name or one another view has; a store that cannot be written is
    // reported.
    bool keepView(const SavedView& view, const QString& replacing = {});
    void deleteView(const QString& name);

    // The kept reads of a slot, newest first (none without a history), a read's foals, and
    // what changed from one kept read to another; what went wrong reading them is said as
    // a notice.
    std::vector<history::KeptRead> keptReads(const std::string& saveFolder, int slot);
    savedata::Foals keptFoals(std::int64_t readId);
    savedata::RosterDiff compareReads(std::int64_t olderId, std::int64_t laterId);
    // Forgets every kept read; the notice says when it cannot.
    void clearHistory();
    // Stars the foals of `records` (those the last load lists), or unstars them when each is
    // starred already; the stars are kept in the history, so without one there are none.
    // What cannot be kept is said as a notice and stays as it was.
    void toggleStars(const std::vector<int>& records);
    bool keepsStars() const { return history_ != nullptr; }
    // Keeps `text` as the player's note on the foal of `record` (a used record of the last
    // load); an empty text, or one of blanks, removes it. Kept in the history, as stars are:
    // false, said as a notice, when it cannot be, or without a history.
    bool setNote(int record, const QString& text);
    // Keeps `text` as the note on the foal `foal` names, wherever the last load is: a note
    // begun on one foal stays that foal's when the game's save brought another to its record.
    bool setNote(const NotedFoal& foal, const QString& text);
    // The foal of `record` in the last load, as a note names it; none for an empty record.
    std::optional<NotedFoal> notedFoal(int record) const;
    // The note on the foal of `record` in the last load, or an empty text.
    QString noteOn(int record) const;
    // The story of the last load's foal of `record` over the slot's kept reads (see
    // history/timeline.h); an empty one without a history or a foal there.
    history::Timeline timelineOf(int record);
    // Writes a copy of the whole history to `path`; false, said as a notice, when it
    // cannot.
    bool backUpHistory(const QString& path);
    // Takes the history from `path`, the one in use set aside, after checking it; the
    // last load's stars and notes read again from it. The notice says what was done, or
    // why nothing changed.
    bool restoreHistory(const QString& path);

    // The last few failures, oldest first, each after its local time.
    const std::deque<QString>& recentFailures() const { return recentFailures_; }

    // How long the session waits between tries to keep reads that met a lock.
    static constexpr int kWaitingRetryMs = 500;

  signals:
    // The rows are about to be replaced (a read of the save succeeded, or Apply clears
    // them): what a window holds unkept (a note being typed) is kept now, for the foal the
    // rows still show. A read that fails replaces nothing and sends nothing.
    void rowsAboutToChange();
    void rosterChanged(const std::shared_ptr<const LoadedRoster>& roster);
    // Sent after every load too, since the foal's values may have changed.
    void currentRecordChanged(int record);
    void failed(const foalix::session::Failure& failure);
    void notice(const QString& line);
    // The kept reads changed other than by a load: cleared, or reads that waited kept.
    void historyChanged();
    // Foals were starred or unstarred: the roster is the last load's with its new stars.
    void starsChanged();
    // A note was written or removed: the roster is the last load's with its new notes.
    void notesChanged();
    // Other foals compared, or the same ones after a load or under another profile.
    void comparisonChanged();
    // The foals are scored by another profile, or by other weights.
    void profileChanged();

  private:
    struct Request {
        std::string saveFolder;
        int slot = 0;
        savedata::AgeBoxes ages;
    };

    bool load(const Request& request, bool quiet, bool asNewRead);
    // Keeps the read in the history and works out what changed since the slot's previous
    // kept read.
    void keep(LoadedRoster& roster);
    // The stars and notes of the roster's slot that its records still hold.
    void readMarks(LoadedRoster& roster);
    void keepWaitingReads();
    // Scores by the profile the settings name, or Balanced.
    void scoreByProfile();
    void keepOwnProfiles(const std::vector<savedata::ScoreProfile>& profiles);
    // The saved views that score by the profile `from` score by `to`.
    void renameInViews(const QString& from, const QString& to);
    void publish(std::shared_ptr<const LoadedRoster> roster);
    void follow(bool readAtOnce);
    void showHistoryNotice();
    void report(const Failure& failure);
    // Logs `line` and keeps it among the recent failures.
    void remember(const QLoggingCategory& category, const QString& line);
    // Runs `action`; a run-time error it raises is reported, and false returned.
    template <typename Action>
    bool reporting(Action&& action);

    platform::Platform& platform_;
    Settings* settings_;
    QString RK5Path;
    QString historyFile_;
    std::unique_ptr<history::History> history_;
    RosterModel* model_;
    SlotWatcher* watcher_;
    // Tries again to keep the reads that met another program's lock.
    QTimer waitingReads_;
    // The last apply that loaded: what following and reloads read again.
    std::optional<Request> applied_;
    std::shared_ptr<const LoadedRoster> roster_;
    int currentRecord_ = 0;
    savedata::NameEncodingChoice nameEncoding_;
    std::vector<int> chosenInList_;
    std::vector<int> chosenInTable_;
    Comparison comparison_;
    savedata::ScoreProfile profile_;
    // While the profiles and the one in use change together: scored once they have.
    bool scoringHeld_ = false;
    std::deque<QString> recentFailures_;
};

template <typename Action>
bool RosterSession::reporting(Action&& action) {
    const auto failure = savedata::failureOf(std::forward<Action>(action));
    if (failure) {
        report({failure->number(), failure->description()});
    }
    return !failure;
}

// Where the program keeps its history of reads: the per-user local data folder
// ($XDG_DATA_HOME/foalix on Linux, %LOCALAPPDATA%\foalix on Windows).
QString defaultHistoryFolder();

}  // namespace foalix::session
