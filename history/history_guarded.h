// How every use of the history is guarded (History's own, in the files that define its
// uses): opened when closed, a failure made a notice, a damaged file set aside.
#pragma once

#include "history/history.h"
#include "history/sqlite.h"

namespace foalix::history {

template <typename Work, typename Result>
Result History::guarded(const char* doing, Work work, Result fallback) {
    busy_ = false;
    for (bool firstTry = true;; firstTry = false) {
        try {
            if (!db_ && !open()) {
                return fallback;
            }
            db_->setBusyTimeout(waitMs_);
            return work();
        } catch (const SqliteError& e) {
            // Set when `work` failed; a failure to open leaves it unset, and the next use
            // tries again.
            const bool opened = db_ != nullptr;
            if (opened) {
                db_->rollbackQuietly();
            }
            busy_ = e.busy();
            // Read only, nothing is set aside: SQLite's own words say what went wrong.
            if (access_ == Access::ReadOnly) {
                notice_ = {doing, nullptr, e.what()};
                return fallback;
            }
            if (e.damaged()) {
                db_.reset();
                version_ = 0;
                if (firstTry && setDamagedAside()) {
                    continue;
                }
                if (!firstTry) {
                    notice_ = failure(kNotKept, e);
                }
                return fallback;
            }
            notice_ = failure(opened ? doing : kNotKept, e);
            return fallback;
        }
    }
}

}  // namespace foalix::history
