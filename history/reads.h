// The reads kept of each slot, with the foals each found: what is kept of a read, how a
// new read is compared with the ones before it, and the queries over one connection.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "savedata/roster_diff.h"

namespace foalix::history {

class Connection;

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
    std::int64_t id = 0;  // 0 for a read still waiting to be kept
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

// What the history window counts for a read: foals that arrived or left, values that moved.
int changeCount(const savedata::Foals& before, const savedata::Foals& now);

// The read to compare `foals` with, given the slot's newest reads (newest first, at least
// two where there are two): the newest when its foals differ (`changed`: these foals are
// a new read), else the one before it (these foals are the newest read's, read again).
std::optional<Baseline> baselineAmong(const std::vector<Baseline>& newest,
                                      const savedata::Foals& foals, bool& changed);

savedata::Foals foalsIn(Connection& db, std::int64_t readId);
// The slot's newest kept reads, at most `count` (-1: all), newest first.
std::vector<KeptRead> newestReads(Connection& db, const std::string& saveFolder, int slot,
                                  int count);
// The slot's two newest kept reads with their foals, newest first.
std::vector<Baseline> newestTwo(Connection& db, const std::string& saveFolder, int slot);
// Keeps `read` with its foals unless they are the slot's newest kept read's, then only the
// slot's newest `readsPerSlot` reads; returns the read to compare it with.
std::optional<Baseline> keepRead(Connection& db, const ReadInfo& read, const savedata::Foals& foals,
                                 int readsPerSlot);

}  // namespace foalix::history
