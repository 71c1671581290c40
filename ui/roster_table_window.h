// The roster table: every listed foal of the last load side by side, sortable by any
// column, filtered by names and values or to the starred foals, its current row the
// session's current foal, its selected rows starred (Space), compared or copied as
// tab-separated text, the rows shown exported as CSV. It keeps its place, size and column
// layout for next time.
#pragma once

#include <QModelIndex>
#include <QWidget>
#include <optional>
#include <vector>

#include "session/loaded_roster.h"

class QAction;
class QLabel;
class QTableView;

namespace foalix::session {
class RosterSession;
}  // namespace foalix::session

namespace foalix::ui {

class ChangesLine;
class ComparisonView;
class ProfilesDialog;
class RosterLook;
class RosterProxy;
class RosterTableBar;

class RosterTableWindow : public QWidget {
    Q_OBJECT

  public:
    RosterTableWindow(session::RosterSession& session, QWidget* owner);

    // The foals that left since the previous read, in a window of their own.
    ComparisonView* showGoneFoals();
    // Makes the row of `record` current and the one selected row, or selects nothing when
    // it is not shown. The current row's own record leaves the selection as it is.
    void selectRecord(int record);
    // The record number of the current row, or 0.
    int currentRecord() const;
    // The record numbers of the selected rows, in the order shown.
    std::vector<int> selectedRecords() const;
    // Writes the rows shown as foalix-dump's CSV after UTF-8's byte-order mark; false when
    // the file cannot be written.
    bool exportCsv(const QString& path) const;

    // Filters by `text`, written in the filter box as if typed.
    void setFilterText(const QString& text);
    // The player's own profiles, in a dialog of their own.
    ProfilesDialog* showProfiles();

  signals:
    // The player asked to compare the selected foals (two to four).
    void compareAsked(const std::vector<int>& records);
    // The player asked for the current foal's story.
    void foalHistoryAsked();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The profile and the saved views of the bar (roster_table_choices.cpp).
    void connectChoices();
    // The profiles and the saved views, `chosen` shown (null: the one shown now).
    void showChoices(const QString& chosen = QString());
    void applyView(const QString& name);
    void saveView();
    void renameView();
    void deleteView();
    // The column sorted by, as foalix-dump names it ("" for the list's order).
    QString sortKey() const;
    // After each load: the selection kept, the columns grown to the new contents, the
    // title, the count and the line of what changed.
    void showRoster();
    void showTitle();
    void applyFilter();
    // Compare and Star as the selection allows: Star says Unstar when every selected foal
    // is starred already.
    void updateActions();
    void retranslate();
    QModelIndex indexOfRecord(int record) const;
    int recordOf(int row) const;
    void showCount();
    void showNewFoals();
    // Fits the columns to their contents within the screen's width (see column_fit.h).
    void fitColumns();

    session::RosterSession& session_;
    RosterProxy* proxy_;
    RosterLook* look_;
    RosterTableBar* bar_;
    ChangesLine* changesLine_;
    QLabel* newFoals_;
    QAction* compare_ = nullptr;
    QAction* star_ = nullptr;
    QAction* writeNote_ = nullptr;
    QAction* foalHistory_ = nullptr;
    // The foal whose Note cell was open when a read began, to open it again after.
    std::optional<session::NotedFoal> noteReopensOn_;
    QTableView* view_;
    // The rows selected before a reload, selected again after it.
    std::vector<int> keptSelection_;
    bool fitted_ = false;
    // While the filter changes the rows shown: the row made current then is no choice.
    bool filtering_ = false;
    // The names and marks the columns were last fitted to.
    QString fittedShape_;
    bool fitWidth_ = true;
    ProfilesDialog* profiles_ = nullptr;
};

}  // namespace foalix::ui
