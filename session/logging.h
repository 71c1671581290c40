// What the session logs, by part: quiet unless asked for, with Qt's logging rules (for
// example QT_LOGGING_RULES="foalix.*=true" in the environment).
#pragma once

#include <QLoggingCategory>

namespace foalix::session {

Q_DECLARE_LOGGING_CATEGORY(lcSession)  // foalix.session: loads and what the player asked
Q_DECLARE_LOGGING_CATEGORY(lcHistory)  // foalix.history: the history of reads
Q_DECLARE_LOGGING_CATEGORY(lcWatcher)  // foalix.watcher: following the save file

}  // namespace foalix::session
