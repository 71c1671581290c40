// The windows the main window opens, each made at its first use and raised after that: the
// roster table, the history, the comparison, the stable overview and a foal's story. What one asks
// of another (the table's Compare, an overview's bar filtering the table) goes through here, the
// main window's, never window to window.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QMainWindow;
class QString;

namespace foalix::session {
class RosterSession;
}

namespace foalix::ui {

class CompareWindow;
class FoalStoryWindow;
class HistoryWindow;
class RosterTableWindow;
class StableOverview;

class OwnedWindows : public QObject {
    Q_OBJECT

  public:
    // `chosenSlot`: the slot the main window has chosen, for a history before any load.
    OwnedWindows(session::RosterSession& session, QMainWindow* owner,
                 std::function<int()> chosenSlot);

    RosterTableWindow* rosterTable();
    // The table, filtered by `condition` (written in its filter box).
    RosterTableWindow* filteredTable(const QString& condition);
    HistoryWindow* history();
    // Compares `records` (two to four; none for any other number, said in the status bar).
    CompareWindow* compare(const std::vector<int>& records);
    StableOverview* overview();
    // The current foal's story (none without a history).
    FoalStoryWindow* foalStory();
    // Closes the table, which keeps its layout for next time.
    void closeTable();

  private:
    session::RosterSession& session_;
    QMainWindow* owner_;
    std::function<int()> chosenSlot_;
    RosterTableWindow* rosterTable_ = nullptr;
    HistoryWindow* history_ = nullptr;
    CompareWindow* compare_ = nullptr;
    StableOverview* overview_ = nullptr;
    FoalStoryWindow* foalStory_ = nullptr;
};

}  // namespace foalix::ui
