// View → Name Encoding: how the names of a roster are read — detected per roster
// (Automatic), or always as Shift-JIS or Big5. The session keeps the choice.
#pragma once

class QMenu;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

// Adds the submenu to `view`, its choices radio-style with the session's on. Choosing one
// makes it the session's.
QMenu* addNameEncodingMenu(QMenu* view, session::RosterSession& session);
// Says the submenu's texts in the language now on.
void retranslateNameEncodingMenu(QMenu* menu);

}  // namespace foalix::ui
