#include "savedata/horse_table.h"

#include "savedata/run_time_error.h"

namespace foalix::savedata {

namespace {
std::size_t rowIndex(int r) {
    if (r < 1 || r > kRosterRecords) {
        throw RunTimeError(error::kSubscriptOutOfRange);
    }
    return static_cast<std::size_t>(r - 1);
}
}  // namespace

HorseEntry& HorseTable::row(int r) {
    return rows_[rowIndex(r)];
}

const HorseEntry& HorseTable::row(int r) const {
    return rows_[rowIndex(r)];
}

}  // namespace foalix::savedata
