// The history of reads: every read of a slot the window makes, kept in an SQLite
// database (history.sqlite3) with the foals it found, so what changed between two reads
// can be shown later, and apart from them the foals the player starred. Two windows can
// share one database: each write is one transaction in WAL mode, so reading never waits.
//
// The history never stands in the viewer's way. Nothing touches the disk until it is
// first used, and every use that finds it closed tries to open it again. A write waits
// for another program's lock a moment only (a tenth of a second): a read that cannot be
// kept then waits in memory, oldest first, and keepWaiting() keeps it once the lock is
// gone, without waiting at all while it is not. A database that is damaged is set aside
// and a fresh one started; one that cannot be opened or written (a read-only or full disk)
// or that a newer Foalix made only means reads are not kept. takeNotice() then says so in
// one line.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "history/notes.h"
#include "history/notice.h"
#include "history/reads.h"
#include "history/stars.h"
#include "history/timeline.h"

namespace foalix::history {

class Connection;

inline constexpr const char* kHistoryFileName = "history.sqlite3";

// Reading and writing (the window), or reading only (foalix-dump): a history opened to read
// is never made, changed, set aside or brought to this release's version, whatever made it.
enum class Access { ReadWrite, ReadOnly };

struct Limits {
    // How long a use waits for another program's lock before it gives up.
    int busyTimeoutMs = 100;
    // The database's size in pages at most; 0 leaves SQLite's own limit.
    std::int64_t maxPageCount = 0;
    int readsPerSlot = 1000;
    // Reads waiting to be kept at most; beyond, the oldest is let go.
    std::size_t mostWaiting = 200;
};

// Whether a file can be taken as a history: whole (SQLite's integrity check), a history's
// tables, of a version this release reads or upgrades. `reason` says why not.
struct BackupCheck {
    bool usable = false;
    int version = 0;
    const char* reason = nullptr;  // a reason of notice.h, or nothing with `detail` alone
    std::string detail;
};
BackupCheck checkBackup(const std::string& file);

class History {
  public:
    // Remembers `file` (UTF-8); it is opened, and made with its folder when it is not
    // there, at first use. Opened to read only, a file that is not there holds nothing.
    explicit History(std::string file, Limits limits = {}, Access access = Access::ReadWrite);
    // Tries once more to keep the reads still waiting, when the file is open.
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // One line about what last went wrong (or what was set aside) since it was last
    // taken, or nothing.
    Notice takeNotice() { return std::exchange(notice_, {}); }

    // Keeps `read` with its foals, after any reads still waiting, unless they are the same
    // as the slot's newest read's. Returns the read to compare it with: the slot's read
    // before the one that now holds these foals, when there is one. A read that meets a
    // lock waits (the notice says so) and is compared with the slot's newest read, kept or
    // waiting.
    std::optional<Baseline> keep(const ReadInfo& read, const savedata::Foals& foals);
    // Reads waiting to be kept: they met another program's lock.
    bool hasWaiting() const { return !waiting_.empty(); }
    // Keeps the reads waiting, oldest first, without waiting for a lock (nor for one when
    // the file must be opened); true when they were kept (the notice says so), false when
    // they still wait. They are also kept by the next keep() that can write.
    bool keepWaiting();
    // Whether the last use gave up waiting for another program's lock; when not, a failure
    // of keepWaiting() is another (its notice says which), and waiting longer will not help.
    bool metLock() const { return busy_; }

    // The slot's kept reads, newest first.
    std::vector<KeptRead> reads(const std::string& saveFolder, int slot);
    savedata::Foals foalsOf(std::int64_t readId);
    // The story of the foal of `record` holding `name` in the slot (see timeline.h); without
    // a name, of the foal the record holds in the slot's newest kept read (an empty story
    // when it holds none).
    Timeline timeline(const std::string& saveFolder, int slot, int record,
                      const std::optional<std::string>& name = std::nullopt);
    // Forgets every read, waiting ones too, not the stars; false (with a notice) when it
    // cannot.
    bool clear();

    // Stars (`on`) or unstars the foal of `record` holding `name`; a foal starred again
    // keeps the time it was first starred (`at`, Unix seconds). False (with a notice) when
    // it cannot.
    bool star(const std::string& saveFolder, int slot, int record, const std::string& name, bool on,
              std::int64_t at);
    // The slot's starred foals: (record, name).
    std::set<std::pair<int, std::string>> stars(const std::string& saveFolder, int slot);
    // Every star, by save folder, slot, record and name.
    std::vector<StarredFoal> allStars();

    // Keeps `text` as the note on the foal of `record` holding `name` (`at`: now, Unix
    // seconds); an empty text removes it. False (with a notice) when it cannot.
    bool note(const std::string& saveFolder, int slot, int record, const std::string& name,
              const std::string& text, std::int64_t at);
    // The slot's notes, by record and name.
    SlotNotes notes(const std::string& saveFolder, int slot);
    // Every note, by save folder, slot, record and name.
    std::vector<FoalNote> allNotes();

    // Writes a copy of the whole history to `out` (UTF-8) with SQLite's online backup,
    // consistent while this or another window writes. The copy is made beside `out` and
    // takes its name only when whole, so a failure leaves `out` as it was. False (with a
    // notice) when it cannot; a history not yet made has nothing to copy.
    bool backUp(const std::string& out);
    // Takes `file` as the history. It is checked first (see checkBackup); then the history in
    // use is set aside, as a damaged one is, and a copy of `file` takes its place, brought to
    // this release's tables; the reads still waiting are kept in it. The notice says what was
    // set aside, or why nothing changed.
    bool restore(const std::string& file);

    // The version of the file's tables (0 before it is first opened) and the file's size in
    // bytes with its log, for a player's bug report.
    int version() const { return version_; }
    std::int64_t sizeOnDisk() const;
    const std::string& file() const { return file_; }

  private:
    struct Waiting {
        ReadInfo read;
        savedata::Foals foals;
    };

    // Opens the file and brings its tables to this release's version; false, with a
    // notice, when a newer release made it. Opened to read, the file as it stands; false
    // when it is not there. Raises SqliteError.
    bool open();
    // Renames the damaged file aside; false, with a notice, when it cannot.
    bool setDamagedAside();
    // Writes the waiting reads, then `read` when given, in one transaction.
    std::optional<Baseline> write(const ReadInfo* read, const savedata::Foals* foals);
    // The slot's two newest reads, waiting ones first, newest first.
    std::vector<Baseline> newestOf(const ReadInfo& read);
    // Opens the database when it is closed, then runs `work`. A failure becomes a notice
    // (starting with `doing` once it is open) and `fallback`; a damaged file is set aside
    // and `work` tried once more on a fresh one.
    template <typename Work, typename Result>
    Result guarded(const char* doing, Work work, Result fallback);

    std::string file_;
    Limits limits_;
    Access access_;
    std::unique_ptr<Connection> db_;
    std::deque<Waiting> waiting_;
    int version_ = 0;
    // Whether the last use gave up waiting for another program's lock.
    bool busy_ = false;
    // How long a use waits for another program's lock now: the limit, or nothing while the
    // waiting reads are tried again.
    int waitMs_;
    Notice notice_;
};

}  // namespace foalix::history
