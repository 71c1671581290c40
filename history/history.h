// The history of reads: every read of a slot the window makes, kept in an SQLite
// database (history.sqlite3) with the foals it found, so what changed between two reads
// can be shown later. Two windows can share one database: each read is one transaction in
// WAL mode, and a window waits a moment (the busy timeout) for the other's.
//
// The history also keeps the foals the player starred, by slot, record and name, apart from
// the reads: clearing the reads keeps them.
//
// The history never stands in the viewer's way. Nothing touches the disk until it is
// first used, and every use that finds it closed tries to open it again. A database that
// is damaged is set aside and a fresh one started; one that cannot be opened or written (a
// locked, read-only or full disk) or that a newer Foalix made only means reads are not
// kept. takeNotice() then says so in one line.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "savedata/roster_diff.h"

namespace foalix::history {

class Connection;

// One line about what went wrong with the history: a sentence with one argument, marked
// for the windows to show in the player's language. The argument is a reason (itself
// marked, and given the detail as its own argument when it takes one) or the detail
// alone: a file's name, or SQLite's or the system's own words.
struct Notice {
    const char* sentence = nullptr;
    const char* reason = nullptr;
    std::string detail;

    bool empty() const { return sentence == nullptr; }
    // The line as it stands, untranslated.
    std::string text() const;
};

inline constexpr const char* kHistoryFileName = "history.sqlite3";

// One read of a slot file. Times are Unix times in seconds.
struct ReadInfo {
    std::string saveFolder;
    int slot = 0;
    std::int64_t readAt = 0;
    std::int64_t fileTime = 0;
    std::string contentHash;
};

// A read as kept.
struct KeptRead {
    std::int64_t id = 0;
    std::int64_t readAt = 0;
    int foals = 0;
    // Foals that arrived or left and values that moved since the slot's read kept before
    // this one; nothing for the slot's first read.
    std::optional<int> changes;
};

// The read a new read is compared with, and its foals.
struct Baseline {
    KeptRead read;
    savedata::Foals foals;
};

// A starred foal: the one in `record` of the slot while that record holds `name` (a record
// whose name changed holds another foal). Kept while the foal is away, so it is starred
// again when it comes back.
struct StarredFoal {
    std::string saveFolder;
    int slot = 0;
    int record = 0;
    std::string name;
    std::int64_t starredAt = 0;  // Unix time, seconds
};

// Reading and writing (the window), or reading only (foalix-dump): a history opened to read
// is never made, changed, set aside or brought to this release's version, whatever made it.
enum class Access { ReadWrite, ReadOnly };

struct Limits {
    int busyTimeoutMs = 2000;
    // The database's size in pages at most; 0 leaves SQLite's own limit.
    std::int64_t maxPageCount = 0;
    int readsPerSlot = 1000;
};

class History {
  public:
    // Remembers `file` (UTF-8); it is opened, and made with its folder when it is not
    // there, at first use. Opened to read only, a file that is not there holds nothing.
    explicit History(std::string file, Limits limits = {}, Access access = Access::ReadWrite);
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // One line about what last went wrong (or what was set aside) since it was last
    // taken, or nothing.
    Notice takeNotice() { return std::exchange(notice_, {}); }

    // Keeps `read` with its foals, unless they are the same as the slot's last kept
    // read's. Returns the read to compare it with: the slot's kept read before the one
    // that now holds these foals, when there is one. A read that cannot be kept still
    // gets its baseline when the database can be read.
    std::optional<Baseline> keep(const ReadInfo& read, const savedata::Foals& foals);
    // The slot's kept reads, newest first.
    std::vector<KeptRead> reads(const std::string& saveFolder, int slot);
    savedata::Foals foalsOf(std::int64_t readId);
    // Forgets every read, not the stars; false (with a notice) when it cannot.
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

  private:
    // Opens the file and brings its tables to this release's version; false, with a
    // notice, when a newer release made it. Opened to read, the file as it stands; false
    // when it is not there. Raises SqliteError.
    bool open();
    // Renames the damaged file aside; false, with a notice, when it cannot.
    bool setAside();
    // The slot's newest kept reads, at most `count` (-1: all).
    std::vector<KeptRead> newest(const std::string& saveFolder, int slot, int count);
    // The slot's last kept read, when its foals differ from `foals`, or the read before it.
    std::optional<Baseline> baselineFor(const ReadInfo& read, const savedata::Foals& foals,
                                        bool& changed);
    void insert(const ReadInfo& read, const savedata::Foals& foals, std::optional<int> changes);
    // The stars kept, in order; only those of one slot when `saveFolder` is given.
    std::vector<StarredFoal> starsOf(const std::string* saveFolder, int slot);
    // Opens the database when it is closed, then runs `work`. A failure becomes a notice
    // (starting with `doing` once it is open) and `fallback`; a damaged file is set aside
    // and `work` tried once more on a fresh one.
    template <typename Work, typename Result>
    Result guarded(const char* doing, Work work, Result fallback);

    std::string file_;
    Limits limits_;
    Access access_;
    std::unique_ptr<Connection> db_;
    Notice notice_;
};

// The records among `records` whose foal is starred by `stars` (a slot's, as History::stars
// gives them): a star is the foal's while the star's record holds the star's name.
std::set<int> starredAmong(const std::set<std::pair<int, std::string>>& stars,
                           const savedata::HorseTable& table, const std::vector<int>& records);

}  // namespace foalix::history
