// What a player pastes into a bug report (Help → Copy Diagnostics): the version, Qt and
// the system, where the settings and the history are, the history's version and size, and
// the last few failures. In English, whatever the interface's language: it is read by
// whoever fixes the bug.
#pragma once

#include <QString>

namespace foalix::session {

class RosterSession;

QString diagnostics(RosterSession& session);

}  // namespace foalix::session
