// The player's note on the current foal, under the main window's values: written in place
// (Enter keeps it, Shift+Enter starts a new line, leaving the box keeps it too), kept in
// the history as the roster table's Note column keeps it. Without a history or a foal it
// takes nothing.
#pragma once

#include <QWidget>
#include <optional>

#include "session/loaded_roster.h"

class QLabel;

namespace foalix::session {
class RosterSession;
}  // namespace foalix::session

namespace foalix::ui {

class NoteEdit;

class NoteBox : public QWidget {
    Q_OBJECT

  public:
    NoteBox(session::RosterSession& session, QWidget* parent);
    NoteEdit* edit() const { return edit_; }
    void retranslate();

  private:
    void showNote();
    void keepNote();

    session::RosterSession& session_;
    QLabel* caption_;
    NoteEdit* edit_;
    // The foal whose note the box shows.
    std::optional<session::NotedFoal> shown_;
};

}  // namespace foalix::ui
