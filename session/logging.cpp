#include "session/logging.h"

namespace foalix::session {

// Quiet by default: critical messages only, until a rule turns a category on.
Q_LOGGING_CATEGORY(lcSession, "foalix.session", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcHistory, "foalix.history", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcWatcher, "foalix.watcher", QtCriticalMsg)

}  // namespace foalix::session
