// The roster session: everything the windows show and the player asks for, beneath them
// and without a widget. It owns the save folder, the slot, the age boxes and the name
// encoding of the last apply; runs every load (Apply, following the game, a new name
// encoding); keeps each read in the history and works out what changed; and publishes
// each load as one immutable snapshot, with the one roster model and the one current
// foal that the list, the table and the value boxes all show.
//
// Requests come from the windows as calls; results go out as signals: a load as
// `rosterChanged`, the foal shown as `currentRecordChanged`, a message box's text as
// `failed` (only for what the player asked for), one line for the status bar as `notice`.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "history/history.h"
#include "platform/platform.h"
#include "savedata/roster_loader.h"
#include "session/loaded_roster.h"
#include "session/settings.h"

namespace foalix::session {

class RosterModel;
class SlotWatcher;

class RosterSession : public QObject {
    Q_OBJECT

  public:
    // Reads are kept in the history in `historyFolder` (none when it is empty); the
    // history is opened at the first read, not before.
    RosterSession(platform::Platform& platform, const QString& historyFolder,
                  QObject* parent = nullptr);
    ~RosterSession() override;

    platform::Platform& platform() { return platform_; }
    Settings& settings() { return settings_; }
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

    bool following() const { return following_; }
    // Follows the slot of the last apply while on; turned on, reads it at once, since
    // changes went unseen meanwhile. The choice is kept for the next start.
    void setFollowing(bool on);
    savedata::NameEncodingChoice nameEncoding() const { return nameEncoding_; }
    // Reads names this way from now on (kept for the next start; a store that fails is
    // reported, and the choice holds for this run all the same) and reads the slot again,
    // marking nothing: other names are not foals that came and went.
    void setNameEncoding(savedata::NameEncodingChoice choice);
    // The kept reads of a slot, newest first (none without a history), and a read's foals;
    // what went wrong reading them is said as a notice.
    std::vector<history::KeptRead> keptReads(const std::string& saveFolder, int slot);
    savedata::Foals keptFoals(std::int64_t readId);
    // Forgets every kept read; the notice says when it cannot.
    void clearHistory();
    // Stars the foals of `records` (those the last load lists), or unstars them when each is
    // starred already; the stars are kept in the history, so without one there are none.
    // What cannot be kept is said as a notice and stays as it was.
    void toggleStars(const std::vector<int>& records);
    bool keepsStars() const { return history_ != nullptr; }

  signals:
    void rosterChanged(const std::shared_ptr<const LoadedRoster>& roster);
    // Sent after every load too, since the foal's values may have changed.
    void currentRecordChanged(int record);
    void failed(const QString& message, bool critical);
    void notice(const QString& line);
    // The history was cleared (a read kept comes with the load's rosterChanged).
    void historyChanged();
    // Foals were starred or unstarred: the roster is the last load's with its new stars.
    void starsChanged();

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
    // The stars of the roster's slot that its records still hold.
    void readStars(LoadedRoster& roster);
    void publish(std::shared_ptr<const LoadedRoster> roster);
    void follow(bool readAtOnce);
    void showHistoryNotice();
    // Runs `action`; a run-time error it raises is reported, and false returned.
    template <typename Action>
    bool reporting(Action&& action);

    platform::Platform& platform_;
    Settings settings_;
    QString RK5Path;
    QString historyFile_;
    std::unique_ptr<history::History> history_;
    RosterModel* model_;
    SlotWatcher* watcher_;
    // The last apply that loaded: what following and reloads read again.
    std::optional<Request> applied_;
    std::shared_ptr<const LoadedRoster> roster_;
    int currentRecord_ = 0;
    bool following_;
    savedata::NameEncodingChoice nameEncoding_;
};

// Where the program keeps its history of reads: the per-user local data folder
// ($XDG_DATA_HOME/foalix on Linux, %LOCALAPPDATA%\foalix on Windows).
QString defaultHistoryFolder();

// The text of a run-time error's message box: "Run-time error '76':\n\nPath not found",
// in the interface's language.
QString runTimeErrorText(int number, const std::string& description);

}  // namespace foalix::session
