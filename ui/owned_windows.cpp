#include "ui/owned_windows.h"

#include <QMainWindow>
#include <QStatusBar>

#include "session/roster_session.h"
#include "ui/compare_window.h"
#include "ui/foal_story_window.h"
#include "ui/history_window.h"
#include "ui/roster_table_window.h"
#include "ui/screen_centre.h"
#include "ui/stable_overview.h"

namespace foalix::ui {

OwnedWindows::OwnedWindows(session::RosterSession& session, QMainWindow* owner,
                           std::function<int()> chosenSlot)
    : QObject(owner), session_(session), owner_(owner), chosenSlot_(std::move(chosenSlot)) {}

RosterTableWindow* OwnedWindows::rosterTable() {
    return bringUp(rosterTable_, [this] {
        auto* table = new RosterTableWindow(session_, owner_);
        connect(table, &RosterTableWindow::compareAsked, this, &OwnedWindows::compare);
        connect(table, &RosterTableWindow::foalHistoryAsked, this, &OwnedWindows::foalStory);
        return table;
    });
}

RosterTableWindow* OwnedWindows::filteredTable(const QString& condition) {
    RosterTableWindow* table = rosterTable();
    table->setFilterText(condition);
    return table;
}

CompareWindow* OwnedWindows::compare(const std::vector<int>& records) {
    if (!session_.compare(records)) {
        owner_->statusBar()->showMessage(
            tr("Choose two to four foals to compare: Ctrl+click them"));
        return nullptr;
    }
    return bringUp(compare_, [this] { return new CompareWindow(session_, owner_); });
}

HistoryWindow* OwnedWindows::history() {
    if (session_.history() == nullptr) {
        return nullptr;
    }
    auto* window = bringUp(history_, [this] { return new HistoryWindow(session_, owner_); });
    const auto& roster = session_.roster();
    window->showSlot(roster ? roster->saveFolder : session_.saveFolder().toStdString(),
                     roster ? roster->slot : chosenSlot_());
    return window;
}

StableOverview* OwnedWindows::overview() {
    return bringUp(overview_, [this] {
        auto* overview = new StableOverview(session_, owner_);
        connect(overview, &StableOverview::filterAsked, this, &OwnedWindows::filteredTable);
        return overview;
    });
}

FoalStoryWindow* OwnedWindows::foalStory() {
    if (session_.history() == nullptr) {
        return nullptr;
    }
    return bringUp(foalStory_, [this] { return new FoalStoryWindow(session_, owner_); });
}

void OwnedWindows::closeTable() {
    if (rosterTable_ != nullptr) {
        rosterTable_->close();
    }
}

}  // namespace foalix::ui
